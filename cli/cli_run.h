#pragma once

#include "command_line.h"
#include "file_system.h"
#include "time_stamp.h"

#include <cstdio>

namespace stampwright::cli {

inline constexpr int kExitAllDone = 0;
inline constexpr int kExitSomeNotDone = 1; // a file was skipped or its rename failed
inline constexpr int kExitBadUsage = 2;

struct CliStreams {
    std::FILE* input;
    std::FILE* output;
    std::FILE* errors;
    bool showProgress; // a progress line on `errors`, for a person watching a terminal
};

// One whole run: header, then one piece per listed file, written to `output` in large blocks
// as it grows so that memory stays flat however many files there are.
int RunCli(const CliOptions& options, const CliStreams& streams, FileSystem& fileSystem,
           TimeValue now);

std::string HelpText();

} // namespace stampwright::cli
