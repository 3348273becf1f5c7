#include "chosen_files.h"

#include <gtest/gtest.h>

namespace stampwright {
namespace {

TEST(ChosenFiles, BrowseSortsIgnoringCaseAndRemembersTheDirectory) {
    std::string list;
    std::string directory = "old/";
    AddChosenPaths({"/Pics/B.jpg", "/Pics/a.jpg", "/Pics/C.JPG"}, list, directory);
    EXPECT_EQ(list, "/Pics/a.jpg\r\n/Pics/B.jpg\r\n/Pics/C.JPG");
    EXPECT_EQ(directory, "/Pics/");
}

TEST(ChosenFiles, ByteOrderOfTheCaseInsensitiveSort) {
    std::vector<std::string> paths = {"d/\xc3\xa9", "d/b", "d/_", "d/\\",
                                      "d/:",        "d/9", "d/.", "d/A"};
    std::sort(paths.begin(), paths.end(), PathLessIgnoringCase);
    EXPECT_EQ(paths, (std::vector<std::string>{"d/.", "d/9", "d/:", "d/\\", "d/_", "d/A", "d/b",
                                               "d/\xc3\xa9"}));
    EXPECT_FALSE(PathLessIgnoringCase("x/IMG.JPG", "x/img.jpg"));
    EXPECT_FALSE(PathLessIgnoringCase("x/img.jpg", "x/IMG.JPG"));
    EXPECT_TRUE(PathLessIgnoringCase("x/img", "x/IMG.jpg"));
}

TEST(ChosenFiles, AppendAddsLinesAndKeepsTheRememberedDirectory) {
    struct Row {
        std::string listBefore;
        std::string listAfter;
        std::string directoryAfter;
    };
    const Row rows[] = {
        {"/Pics/a.jpg", "/Pics/a.jpg\r\n/Other/z.jpg", "/Pics/"},
        // A list that ends in a line break gets an empty line, which a run ignores.
        {"/Pics/a.jpg\r\n", "/Pics/a.jpg\r\n\r\n/Other/z.jpg", "/Pics/"},
        // A list the user cleared by hand starts again from the new files.
        {"", "/Other/z.jpg", "/Other/"},
    };
    for (const Row& row : rows) {
        std::string list = row.listBefore;
        std::string directory = "/Pics/";
        AddChosenPaths({"/Other/z.jpg"}, list, directory);
        EXPECT_EQ(list, row.listAfter);
        EXPECT_EQ(directory, row.directoryAfter);
    }
}

TEST(ChosenFiles, PathWithoutSeparatorRemembersNoDirectory) {
    std::string list;
    std::string directory = "/Pics/";
    AddChosenPaths({"loose.jpg"}, list, directory);
    EXPECT_EQ(directory, "");
}

} // namespace
} // namespace stampwright
