#include "file_fixture.h"
#include "job_processor.h"
#include "list_cutting.h"
#include "posix_file_system.h"

#include <gtest/gtest.h>

namespace stampwright {
namespace {

using testing::ReadFile;
using testing::ScopedTimeZone;
using testing::ScopedWorkingDir;
using testing::TempDir;
using testing::Utc;
using testing::WriteFile;

// 15:28:02 on 12 July 2008 in Berlin (summer time, UTC+2).
const TimeValue kShot = Utc(2008, 7, 12, 13, 28, 2);
const std::int32_t kPlus2m10s = 130;

class JobProcessorTest : public ::testing::Test {
protected:
    ReportText Run(RunMode mode, const std::string& listText, const std::string& initials = "MV",
                   std::int32_t offset = kPlus2m10s) {
        JobQueue queue;
        QueueJobsFromList(listText, initials, offset, queue);
        JobProcessor processor(mode, m_fs);
        ReportText report;
        while (queue.Count() > 0)
            m_outcomes.push_back(processor.Process(TakeJob(queue), report));
        return report;
    }

    ScopedTimeZone m_zone{"Europe/Berlin"};
    TempDir m_dir;
    PosixFileSystem m_fs;
    std::vector<JobOutcome> m_outcomes;
};

TEST_F(JobProcessorTest, WorkedExamplesRenameRealFiles) {
    const char* names[] = {"IMG_1234.JPG", "DSC01234.jpg", "P1010012 (2).JPG", "Holiday.avi",
                           "MOV_0042"};
    std::string list;
    for (const char* name : names) {
        WriteFile(m_dir / name, name, kShot);
        list += m_dir / name;
        list += "\r\n";
    }
    const ReportText report = Run(RunMode::RenameNow, list);

    EXPECT_EQ(m_dir.Names(), (std::vector<std::string>{
                                 "20080712_153012_MV.avi", "20080712_153012_MV_0042",
                                 "20080712_153012_MV_01234.jpg", "20080712_153012_MV_1234.JPG",
                                 "20080712_153012_MV_2.JPG"}));
    EXPECT_EQ(ReadFile(m_dir / "20080712_153012_MV_2.JPG"), "P1010012 (2).JPG");
    EXPECT_EQ(report.substr(0, report.find('\n') + 1),
              "Renamed \"" + (m_dir / "IMG_1234.JPG") + "\" to 20080712_153012_MV_1234.JPG.\r\n");
    EXPECT_EQ(std::count(m_outcomes.begin(), m_outcomes.end(), JobOutcome::Renamed), 5);
}

TEST_F(JobProcessorTest, BatchWritesCommandsAndTouchesNothing) {
    WriteFile(m_dir / "IMG_1234.JPG", "x", kShot);
    const std::string path = m_dir / "IMG_1234.JPG";
    const std::string folder = m_dir.Path().string() + "/";
    const ReportText report = Run(RunMode::Batch, path);
    EXPECT_EQ(report, "ren \"IMG_1234.JPG\" \"20080712_153012_MV_1234.JPG\"\r\n"
                      "REM copy \"" +
                          path + "\" \"" + folder + "20080712_153012_MV_1234.JPG\"\r\n\r\n");
    EXPECT_EQ(m_dir.Names(), std::vector<std::string>{"IMG_1234.JPG"});
    EXPECT_EQ(m_outcomes, std::vector<JobOutcome>{JobOutcome::Written});
}

TEST_F(JobProcessorTest, MissingFilesAreSkippedInBothModes) {
    std::filesystem::create_directory(m_dir / "sub");
    for (const RunMode mode : {RunMode::Batch, RunMode::RenameNow}) {
        for (const std::string& path : {m_dir / "missing.jpg", m_dir / "sub/", std::string("/"),
                                        std::string("\"") + (m_dir / "sub") + "\""}) {
            m_outcomes.clear();
            EXPECT_EQ(Run(mode, path),
                      "REM Skipping \"" + path + "\", perhaps it doesn't exist?\r\n");
            EXPECT_EQ(m_outcomes, std::vector<JobOutcome>{JobOutcome::Skipped});
        }
    }
    EXPECT_EQ(m_dir.Names(), std::vector<std::string>{"sub"});
}

TEST_F(JobProcessorTest, SecondFileWithTheSameNewNameFailsAndBothStayIntact) {
    WriteFile(m_dir / "IMG_0001.JPG", "first", kShot);
    WriteFile(m_dir / "DSC_0001.JPG", "second", kShot);
    const ReportText report =
        Run(RunMode::RenameNow, (m_dir / "IMG_0001.JPG") + "\n" + (m_dir / "DSC_0001.JPG"));

    EXPECT_EQ(m_dir.Names(),
              (std::vector<std::string>{"20080712_153012_MV_0001.JPG", "DSC_0001.JPG"}));
    EXPECT_EQ(ReadFile(m_dir / "20080712_153012_MV_0001.JPG"), "first");
    EXPECT_EQ(ReadFile(m_dir / "DSC_0001.JPG"), "second");
    EXPECT_NE(report.find("Failed to rename \"" + (m_dir / "DSC_0001.JPG") + "\" to \"" +
                          (m_dir / "20080712_153012_MV_0001.JPG") +
                          "\", error code 00000011 (File exists).\r\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(m_outcomes, (std::vector<JobOutcome>{JobOutcome::Renamed, JobOutcome::Failed}));
}

TEST_F(JobProcessorTest, SecondRunFindsTheOldPathsGone) {
    WriteFile(m_dir / "IMG_7.JPG", "x", kShot);
    Run(RunMode::RenameNow, m_dir / "IMG_7.JPG");
    EXPECT_EQ(Run(RunMode::RenameNow, m_dir / "IMG_7.JPG"),
              "REM Skipping \"" + (m_dir / "IMG_7.JPG") + "\", perhaps it doesn't exist?\r\n");
}

TEST_F(JobProcessorTest, DirectoryIsRenamedByItsOwnTime) {
    std::filesystem::create_directory(m_dir / "Trip 3");
    WriteFile(m_dir / "Trip 3/inside.jpg", "kept", 5);
    testing::SetModified(m_dir / "Trip 3", kShot);
    Run(RunMode::RenameNow, m_dir / "Trip 3");
    EXPECT_EQ(ReadFile(m_dir / "20080712_153012_MV_3/inside.jpg"), "kept");
}

TEST_F(JobProcessorTest, RelativePathsStayRelative) {
    ScopedWorkingDir cwd(m_dir.Path());
    WriteFile("IMG_5.JPG", "x", kShot);
    EXPECT_EQ(Run(RunMode::Batch, "IMG_5.JPG"),
              "ren \"IMG_5.JPG\" \"20080712_153012_MV_5.JPG\"\r\n"
              "REM copy \"IMG_5.JPG\" \"20080712_153012_MV_5.JPG\"\r\n\r\n");
    EXPECT_EQ(Run(RunMode::RenameNow, "IMG_5.JPG"),
              "Renamed \"IMG_5.JPG\" to 20080712_153012_MV_5.JPG.\r\n");
    EXPECT_EQ(m_dir.Names(), std::vector<std::string>{"20080712_153012_MV_5.JPG"});
}

TEST_F(JobProcessorTest, NewNameThatWouldLeaveTheFolderFailsWithInvalidArgument) {
    ScopedWorkingDir cwd(m_dir.Path());
    std::filesystem::create_directories("C:\\dir/sub");
    WriteFile("C:\\dir/sub/IMG_8.JPG", "backslash folder", kShot);
    WriteFile("IMG_9.JPG", "slash initials", kShot);

    const ReportText report = Run(RunMode::RenameNow, "C:\\dir/sub/IMG_8.JPG") +
                              Run(RunMode::RenameNow, "IMG_9.JPG", "../x") +
                              Run(RunMode::Batch, "IMG_9.JPG", "a/b");

    EXPECT_EQ(report,
              "Failed to rename \"C:\\dir/sub/IMG_8.JPG\" to \"C:\\20080712_153012_MV_8.JPG\", "
              "error code 00000016 (Invalid argument).\r\n"
              "Failed to rename \"IMG_9.JPG\" to \"20080712_153012_../x_9.JPG\", "
              "error code 00000016 (Invalid argument).\r\n"
              "ren \"IMG_9.JPG\" \"20080712_153012_a/b_9.JPG\"\r\n"
              "REM copy \"IMG_9.JPG\" \"20080712_153012_a/b_9.JPG\"\r\n\r\n");
    EXPECT_EQ(ReadFile("C:\\dir/sub/IMG_8.JPG"), "backslash folder");
    EXPECT_EQ(m_dir.Names(), (std::vector<std::string>{"C:\\dir", "IMG_9.JPG"}));
}

TEST(StaysInOwnFolder, OnlyTheLastPathComponentMayChange) {
    EXPECT_TRUE(StaysInOwnFolder("a/b/IMG_1.JPG", "X_1.JPG", "a/b/X_1.JPG"));
    EXPECT_TRUE(StaysInOwnFolder("IMG_1.JPG", "X_1.JPG", "X_1.JPG"));
    EXPECT_TRUE(StaysInOwnFolder("a/b\\IMG_1.JPG", "X_1.JPG", "a/b\\X_1.JPG"));
    EXPECT_FALSE(StaysInOwnFolder("a/b/IMG_1.JPG", "X/_1.JPG", "a/b/X/_1.JPG"));
    EXPECT_FALSE(StaysInOwnFolder("a\\b/IMG_1.JPG", "X_1.JPG", "a\\X_1.JPG"));
}

} // namespace
} // namespace stampwright
