#pragma once

#include "rename_job.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stampwright::cli {

inline constexpr std::string_view kUsage =
    "usage: stampwright-cli [--rename] [--shift [+|-]H:M:S] [--initials TEXT] [PATH...]";

struct CliOptions {
    RunMode mode = RunMode::Batch;
    std::int32_t offset = 0;
    std::string initials = "MV";
    std::vector<std::string> paths; // none: the list comes from standard input
    bool help = false;
};

struct ParsedCommandLine {
    std::optional<CliOptions> options; // empty when the command line is wrong
    std::string error;                 // one line saying what is wrong and how to write it
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

// "[+|-]H:M:S" with hours 0 to 24 and minutes and seconds 0 to 59, as in the main window.
std::optional<std::int32_t> ParseShift(std::string_view text, std::string& error);

} // namespace stampwright::cli
