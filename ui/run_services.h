#pragma once

#include "file_system.h"
#include "time_stamp.h"

#include <cstdint>
#include <functional>

namespace stampwright {

// What a run reaches outside the program: the clocks and the file system. Tests put in their
// own clocks; everything else runs against real files.
struct RunServices {
    std::function<std::uint32_t()> tickCount; // milliseconds, monotonic, wrapping at 32 bits
    std::function<TimeValue()> now;           // wall clock, for the report header
    FileSystem* fileSystem = nullptr;
};

RunServices SystemRunServices();

// Shared by every results window of the program's life, one after another: when the report
// was last shown, and whether a run left something not yet shown.
struct RefreshTiming {
    std::uint32_t lastRefresh = 0;
    bool pending = false;
};

} // namespace stampwright
