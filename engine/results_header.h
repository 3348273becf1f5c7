#pragma once

#include "rename_job.h"
#include "time_stamp.h"

#include <string>
#include <string_view>

namespace stampwright {

inline constexpr std::string_view kAuthorName = "The Stampwright authors";
inline constexpr std::string_view kAuthorEmail = "stampwright@example.org";

// When this program was built, as "Dec 24 2008" and "20:29:49"; fixed at build time.
struct BuildStamp {
    std::string_view date;
    std::string_view time;
};
BuildStamp ThisBuild();

// "Wednesday, December 24, 2008 20:29:49" in local time with English names; empty for a
// moment before 1970 or a local date before 1970.
std::string FormatLongDate(TimeValue now);

// The opening REM lines of a report: the explanation block in batch runs, then the
// identification block with the build and the moment `now`.
void AppendResultsHeader(ReportText& report, RunMode mode, TimeValue now,
                         const BuildStamp& build = ThisBuild());

} // namespace stampwright
