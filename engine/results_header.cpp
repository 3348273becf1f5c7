#include "results_header.h"

#include <cstdio>
#include <ctime>

namespace stampwright {
namespace {

constexpr std::string_view kExplanation =
    "REM Here are the commands needed to rename your files to have names\r\n"
    "REM which include the corrected time stamp from the file.  To use\r\n"
    "REM this, copy all the text and paste it into a text editor and use\r\n"
    "REM search and replace to remove the REM in front of the lines you\r\n"
    "REM want to use, and edit the paths if needed.  For example,\r\n"
    "REM change 'REM copy' to 'copy' to activate the copy commands,\r\n"
    "REM while making sure the 'ren' commands are REMed out.  Or try\r\n"
    "REM changing '\" \"D:\\OldPath' to '\" \"E:\\NewPath' to change the\r\n"
    "REM destination path to NewPath (specifying the two double quotes\r\n"
    "REM makes it change just the second path in the command).\r\n"
    "REM Then copy and paste the results into a command window to run it.\r\n"
    "\r\n";

constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

} // namespace

std::string FormatLongDate(TimeValue now) {
    const std::time_t asTimeT = static_cast<std::time_t>(now);
    std::tm local{};
    if (now < 0 || asTimeT != now || localtime_r(&asTimeT, &local) == nullptr || local.tm_year < 70)
        return {};
    char text[96];
    std::snprintf(text, sizeof text, "%s, %s %02d, %04ld %02d:%02d:%02d", kWeekdays[local.tm_wday],
                  kMonths[local.tm_mon], local.tm_mday, local.tm_year + 1900L, local.tm_hour,
                  local.tm_min, local.tm_sec);
    return text;
}

void AppendResultsHeader(ReportText& report, RunMode mode, TimeValue now, const BuildStamp& build) {
    if (mode == RunMode::Batch)
        report.append(kExplanation);
    report.append("REM Stampwright version 1.0,\r\nREM authored by ");
    report.append(kAuthorName);
    report.append(", ");
    report.append(kAuthorEmail);
    report.append(",\r\nREM last compiled on ");
    report.append(build.date);
    report.append(" at ");
    report.append(build.time);
    report.append(",\r\nREM output generated on ");
    report.append(FormatLongDate(now));
    report.append(".\r\n\r\n");
}

} // namespace stampwright
