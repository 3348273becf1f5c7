#pragma once

#include "rename_job.h"

#include <string_view>

namespace stampwright {

// The per-file pieces of a report, byte for byte as the user sees them; each ends in CR LF.

void AppendSkippingLine(ReportText& report, std::string_view path);

void AppendRenamedLine(ReportText& report, std::string_view path, std::string_view newName);

void AppendFailedLine(ReportText& report, std::string_view path, std::string_view newPath,
                      int errorNumber);

// "ren" with the bare names, then "REM copy" with the listed path and its directory + new
// name, then an empty line.
void AppendBatchLines(ReportText& report, std::string_view path, std::string_view directory,
                      std::string_view name, std::string_view newName);

} // namespace stampwright
