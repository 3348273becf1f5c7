#include "report_lines.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace stampwright {
namespace {

TEST(ReportLines, EachPieceByteForByte) {
    ReportText report;
    AppendBatchLines(report, "D:\\Photos\\IMG_1234.JPG", "D:\\Photos\\", "IMG_1234.JPG",
                     "20080712_153012_MV_1234.JPG");
    EXPECT_EQ(report, "ren \"IMG_1234.JPG\" \"20080712_153012_MV_1234.JPG\"\r\n"
                      "REM copy \"D:\\Photos\\IMG_1234.JPG\" "
                      "\"D:\\Photos\\20080712_153012_MV_1234.JPG\"\r\n\r\n");

    report.clear();
    AppendRenamedLine(report, "D:\\Photos\\IMG_1234.JPG", "20080712_153012_MV_1234.JPG");
    EXPECT_EQ(report, "Renamed \"D:\\Photos\\IMG_1234.JPG\" to 20080712_153012_MV_1234.JPG.\r\n");

    report.clear();
    AppendSkippingLine(report, "100% \"odd\" name");
    EXPECT_EQ(report, "REM Skipping \"100% \"odd\" name\", perhaps it doesn't exist?\r\n");
}

TEST(ReportLines, FailureLineCarriesErrorNumberInHexAndCLocaleText) {
    struct Row {
        int error;
        const char* tail;
    };
    const Row rows[] = {
        {EEXIST, "error code 00000011 (File exists).\r\n"},
        {ENOENT, "error code 00000002 (No such file or directory).\r\n"},
        {EACCES, "error code 0000000d (Permission denied).\r\n"},
        {EINVAL, "error code 00000016 (Invalid argument).\r\n"},
        {ENOSPC, "error code 0000001c (No space left on device).\r\n"},
        {EROFS, "error code 0000001e (Read-only file system).\r\n"},
    };
    for (const Row& row : rows) {
        ReportText report = "earlier\r\n";
        AppendFailedLine(report, "a/IMG_1.JPG", "a/20080712_153012_MV_1.JPG", row.error);
        EXPECT_EQ(report, std::string("earlier\r\nFailed to rename \"a/IMG_1.JPG\" to "
                                      "\"a/20080712_153012_MV_1.JPG\", ") +
                              row.tail);
    }
}

} // namespace
} // namespace stampwright
