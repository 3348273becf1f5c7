#include "file_fixture.h"
#include "posix_file_system.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace stampwright {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

// Real system calls, except that the file system does not know RENAME_NOREPLACE; optionally
// it cannot make hard links either.
SystemCalls WithoutNoReplace(bool linksWork) {
    SystemCalls calls = RealSystemCalls();
    calls.renameNoReplace = [](const char*, const char*) {
        errno = EINVAL;
        return -1;
    };
    if (!linksWork)
        calls.link = [](const char*, const char*) {
            errno = EPERM;
            return -1;
        };
    return calls;
}

TEST(PosixFileSystem, LookupFindsFilesAndDirectoriesButNotSeparatorEndingsOrRoot) {
    TempDir dir;
    WriteFile(dir / "IMG_1.JPG", "a", 1215876482);
    std::filesystem::create_directory(dir / "sub");
    testing::SetModified(dir / "sub", 1000000000);
    PosixFileSystem fs;

    EXPECT_EQ(fs.Lookup(dir / "IMG_1.JPG").modified, 1215876482);
    EXPECT_TRUE(fs.Lookup(dir / "sub").found);
    EXPECT_EQ(fs.Lookup(dir / "sub").modified, 1000000000);
    for (const std::string& path :
         {dir / "sub/", dir / "sub\\", std::string("/"), std::string("/."), std::string("//"),
          dir / "missing", dir / "IMG_1.JPG ", std::string(5000, 'a')})
        EXPECT_FALSE(fs.Lookup(path).found) << path;
}

TEST(PosixFileSystem, NeverReplacesAnExistingFileOnAnyPath) {
    for (const SystemCalls& calls :
         {RealSystemCalls(), WithoutNoReplace(true), WithoutNoReplace(false)}) {
        TempDir dir;
        WriteFile(dir / "a", "first", 1);
        WriteFile(dir / "b", "second", 1);
        PosixFileSystem fs(calls);

        EXPECT_EQ(fs.RenameWithoutReplacing(dir / "a", dir / "b"), EEXIST);
        EXPECT_EQ(ReadFile(dir / "a"), "first");
        EXPECT_EQ(ReadFile(dir / "b"), "second");

        EXPECT_EQ(fs.RenameWithoutReplacing(dir / "a", dir / "c"), 0);
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"b", "c"}));
        EXPECT_EQ(ReadFile(dir / "c"), "first");

        EXPECT_EQ(fs.RenameWithoutReplacing(dir / "gone", dir / "d"), ENOENT);
    }
}

TEST(PosixFileSystem, DirectoriesRenameWithoutHardLinks) {
    for (const SystemCalls& calls : {RealSystemCalls(), WithoutNoReplace(true)}) {
        TempDir dir;
        std::filesystem::create_directory(dir / "album");
        std::filesystem::create_directory(dir / "taken");
        PosixFileSystem fs(calls);
        EXPECT_EQ(fs.RenameWithoutReplacing(dir / "album", dir / "taken"), EEXIST);
        EXPECT_EQ(fs.RenameWithoutReplacing(dir / "album", dir / "renamed"), 0);
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"renamed", "taken"}));
    }
}

TEST(PosixFileSystem, FailedUnlinkAfterLinkLeavesTheFileUnderItsOldNameOnly) {
    SystemCalls calls = WithoutNoReplace(true);
    calls.unlink = [real = RealSystemCalls().unlink, calls = 0](const char* path) mutable {
        if (calls++ == 0) {
            errno = EROFS;
            return -1;
        }
        return real(path);
    };
    TempDir dir;
    WriteFile(dir / "a", "photo", 1);
    PosixFileSystem fs(calls);
    EXPECT_EQ(fs.RenameWithoutReplacing(dir / "a", dir / "b"), EROFS);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"a"});
    EXPECT_EQ(ReadFile(dir / "a"), "photo");
}

TEST(PosixFileSystem, ReportsTheErrorOfTheStepThatFailed) {
    for (const int injected : {EACCES, ENOSPC, EROFS, ENAMETOOLONG}) {
        SystemCalls calls = RealSystemCalls();
        calls.renameNoReplace = [injected](const char*, const char*) {
            errno = injected;
            return -1;
        };
        TempDir dir;
        WriteFile(dir / "a", "photo", 1);
        PosixFileSystem fs(calls);
        EXPECT_EQ(fs.RenameWithoutReplacing(dir / "a", dir / "b"), injected);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"a"});
    }
}

} // namespace
} // namespace stampwright
