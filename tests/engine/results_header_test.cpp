#include "file_fixture.h"
#include "results_header.h"

#include <gtest/gtest.h>
#include <regex>

namespace stampwright {
namespace {

using testing::ScopedTimeZone;
using testing::Utc;

const BuildStamp kBuild{"Dec 24 2008", "20:29:49"};

const char kIdentification[] = "REM Stampwright version 1.0,\r\n"
                               "REM authored by The Stampwright authors, "
                               "stampwright@example.org,\r\n"
                               "REM last compiled on Dec 24 2008 at 20:29:49,\r\n";

TEST(ResultsHeader, RenameNowRunStartsWithIdentification) {
    ScopedTimeZone tz("UTC");
    ReportText report;
    AppendResultsHeader(report, RunMode::RenameNow, Utc(2009, 1, 5, 9, 3, 7), kBuild);
    EXPECT_EQ(report, std::string(kIdentification) +
                          "REM output generated on Monday, January 05, 2009 09:03:07.\r\n\r\n");
}

TEST(ResultsHeader, BatchRunStartsWithExplanationThenIdentification) {
    ScopedTimeZone tz("America/New_York");
    ReportText report;
    AppendResultsHeader(report, RunMode::Batch, Utc(2008, 12, 25, 1, 29, 49), kBuild);
    const std::string expected =
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
        "\r\n" +
        std::string(kIdentification) +
        "REM output generated on Wednesday, December 24, 2008 20:29:49.\r\n\r\n";
    EXPECT_EQ(report, expected);
}

TEST(ResultsHeader, LongDateEdges) {
    struct Row {
        const char* zone;
        TimeValue now;
        const char* text;
    };
    const Row rows[] = {
        {"UTC", 0, "Thursday, January 01, 1970 00:00:00"},
        {"UTC", Utc(2038, 1, 19, 3, 14, 8), "Tuesday, January 19, 2038 03:14:08"},
        {"Asia/Kolkata", Utc(2100, 12, 31, 18, 30, 0), "Saturday, January 01, 2101 00:00:00"},
        {"UTC", -1, ""},
        {"America/New_York", 0, ""},
    };
    for (const Row& row : rows) {
        ScopedTimeZone tz(row.zone);
        EXPECT_EQ(FormatLongDate(row.now), row.text) << row.zone << " " << row.now;
    }
}

TEST(ResultsHeader, DateOutsideCalendarLeavesTheLineEmpty) {
    ScopedTimeZone tz("UTC");
    ReportText report;
    AppendResultsHeader(report, RunMode::RenameNow, -5, kBuild);
    EXPECT_NE(report.find("REM output generated on .\r\n\r\n"), std::string::npos);
}

TEST(ResultsHeader, ThisBuildUsesTheCompilersDateAndTimeForms) {
    const BuildStamp build = ThisBuild();
    EXPECT_TRUE(std::regex_match(std::string(build.date),
                                 std::regex("(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                            "[ 1-3][0-9] [0-9]{4}")));
    EXPECT_TRUE(
        std::regex_match(std::string(build.time), std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]")));
}

} // namespace
} // namespace stampwright
