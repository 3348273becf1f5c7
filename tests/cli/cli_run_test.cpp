#include "cli_run.h"
#include "file_fixture.h"
#include "posix_file_system.h"
#include "results_header.h"

#include <gtest/gtest.h>

namespace stampwright::cli {
namespace {

using testing::ReadFile;
using testing::ScopedTimeZone;
using testing::TempDir;
using testing::Utc;
using testing::WriteFile;

const TimeValue kShot = Utc(2008, 7, 12, 15, 28, 2);
const TimeValue kNow = Utc(2009, 1, 5, 9, 3, 7);

struct CliResult {
    int status;
    std::string output;
    std::string errors;
};

std::string Contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text.push_back(static_cast<char>(c));
    std::fclose(file);
    return text;
}

CliResult RunWith(const CliOptions& options, const std::string& input, bool progress = false) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fputs(input.c_str(), in);
    std::rewind(in);
    PosixFileSystem fs;
    const int status = RunCli(options, {in, out, err, progress}, fs, kNow);
    std::fclose(in);
    return {status, Contents(out), Contents(err)};
}

std::string Header(RunMode mode) {
    ReportText header;
    AppendResultsHeader(header, mode, kNow);
    return header;
}

class CliRunTest : public ::testing::Test {
protected:
    ScopedTimeZone m_zone{"UTC"};
    TempDir m_dir;
};

TEST_F(CliRunTest, PreviewFromStandardInputTouchesNothing) {
    WriteFile(m_dir / "IMG_1234.JPG", "x", kShot);
    CliOptions options;
    options.offset = 130;
    const CliResult result = RunWith(options, "  " + (m_dir / "IMG_1234.JPG") + "\r\n\r\n");
    EXPECT_EQ(result.status, kExitAllDone);
    EXPECT_EQ(result.output, Header(RunMode::Batch) +
                                 "ren \"IMG_1234.JPG\" \"20080712_153012_MV_1234.JPG\"\r\n"
                                 "REM copy \"" +
                                 (m_dir / "IMG_1234.JPG") + "\" \"" +
                                 (m_dir / "20080712_153012_MV_1234.JPG") + "\"\r\n\r\n");
    EXPECT_EQ(m_dir.Names(), std::vector<std::string>{"IMG_1234.JPG"});
    EXPECT_EQ(result.errors, "");
}

TEST_F(CliRunTest, RenameFromArgumentsReportsEachFileAndExitsOneOnAnySkip) {
    WriteFile(m_dir / "IMG_1.JPG", "one", kShot);
    CliOptions options;
    options.mode = RunMode::RenameNow;
    options.initials = "XY";
    options.paths = {m_dir / "IMG_1.JPG", m_dir / "missing.jpg"};
    const CliResult result = RunWith(options, "ignored\n");
    EXPECT_EQ(result.status, kExitSomeNotDone);
    EXPECT_EQ(result.output, Header(RunMode::RenameNow) + "Renamed \"" + (m_dir / "IMG_1.JPG") +
                                 "\" to 20080712_152802_XY_1.JPG.\r\n"
                                 "REM Skipping \"" +
                                 (m_dir / "missing.jpg") + "\", perhaps it doesn't exist?\r\n");
    EXPECT_EQ(ReadFile(m_dir / "20080712_152802_XY_1.JPG"), "one");
}

TEST_F(CliRunTest, EmptyListGivesTheWholeHeaderAndNothingElse) {
    const CliResult result = RunWith(CliOptions{}, " \n\t\n");
    EXPECT_EQ(result.status, kExitAllDone);
    EXPECT_EQ(result.output, Header(RunMode::Batch));
}

TEST_F(CliRunTest, LargeReportIsWrittenWholeAcrossBlocks) {
    std::string list;
    std::string expected = Header(RunMode::Batch);
    for (int i = 0; i < 3000; ++i) {
        const std::string path = m_dir / ("gone_" + std::to_string(i) + ".jpg");
        list += path + "\n";
        expected += "REM Skipping \"" + path + "\", perhaps it doesn't exist?\r\n";
    }
    const CliResult result = RunWith(CliOptions{}, list);
    ASSERT_GT(result.output.size(), 2u * 65536);
    EXPECT_EQ(result.output, expected);
}

TEST_F(CliRunTest, ProgressLineGoesToTheErrorStreamOnlyWhenAsked) {
    WriteFile(m_dir / "IMG_1.JPG", "one", kShot);
    const std::string list = (m_dir / "IMG_1.JPG") + "\n" + (m_dir / "IMG_1.JPG");
    const std::string shown = RunWith(CliOptions{}, list, true).errors;
    EXPECT_EQ(shown.substr(shown.rfind('\r')), "\r2 of 2 files\n") << shown;
    EXPECT_EQ(RunWith(CliOptions{}, list, false).errors, "");
}

} // namespace
} // namespace stampwright::cli
