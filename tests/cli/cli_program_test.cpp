#include "file_fixture.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace stampwright::cli {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::Utc;
using testing::WriteFile;

// Runs the real program through the shell, with standard input, output and error in files.
class CliProgramTest : public ::testing::Test {
protected:
    int Run(const std::string& arguments, const std::string& input = "") {
        std::ofstream(m_io / "in", std::ios::binary) << input;
        const std::string command = "TZ=UTC '" STAMPWRIGHT_CLI "' " + arguments + " <'" +
                                    (m_io / "in") + "' >'" + (m_io / "out") + "' 2>'" +
                                    (m_io / "err") + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Output() { return ReadFile(m_io / "out"); }
    std::string Errors() { return ReadFile(m_io / "err"); }

    TempDir m_io;
    TempDir m_dir;
};

TEST_F(CliProgramTest, BadUsageExitsTwoWithOneLineOnStandardError) {
    for (const char* arguments :
         {"--shift 25:00:00", "--shift 1:60:0", "--shift abc", "--bogus", "--initials"}) {
        EXPECT_EQ(Run(arguments), 2) << arguments;
        const std::string errors = Errors();
        EXPECT_EQ(errors.rfind("stampwright-cli: ", 0), 0u) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
        EXPECT_EQ(Output(), "");
    }
}

TEST_F(CliProgramTest, RenamesFromStandardInputAndExitsZero) {
    WriteFile(m_dir / "DSC01234.jpg", "photo", Utc(2008, 7, 12, 15, 28, 2));
    EXPECT_EQ(Run("--rename --shift +0:2:10", (m_dir / "DSC01234.jpg") + "\n"), 0);
    EXPECT_EQ(ReadFile(m_dir / "20080712_153012_MV_01234.jpg"), "photo");
    const std::string output = Output();
    EXPECT_NE(output.find("\r\nRenamed \"" + (m_dir / "DSC01234.jpg") +
                          "\" to 20080712_153012_MV_01234.jpg.\r\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(Errors(), "") << "no progress line when standard error is no terminal";
}

TEST_F(CliProgramTest, HelpNamesEveryOption) {
    EXPECT_EQ(Run("--help"), 0);
    for (const char* option : {"--rename", "--shift", "--initials", "standard input"})
        EXPECT_NE(Output().find(option), std::string::npos) << option;
}

} // namespace
} // namespace stampwright::cli
