#pragma once

#include <cstdint>
#include <string>

namespace stampwright {

// One listed file of a run, carrying the run's initials and clock offset.
struct RenameJob {
    std::string path;
    std::string initials;
    std::int32_t offset = 0; // seconds to add to the file's time; negative goes back
};

// 0 = batch (write commands, touch no file), 1 = rename now.
enum class RunMode : int { Batch = 0, RenameNow = 1 };

// The report of one run: a byte string that only grows, lines ending in CR LF.
using ReportText = std::string;

} // namespace stampwright
