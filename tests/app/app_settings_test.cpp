#include "app_settings.h"
#include "file_fixture.h"
#include "stamp_app.h"

#include <fstream>
#include <gtest/gtest.h>

namespace stampwright {
namespace {

using testing::ReadFile;
using testing::TempDir;

TEST(AppSettings, ProfileLivesInTheUsersConfigFolderNamedAfterTheProgram) {
    EXPECT_EQ(ProfilePath("stampwright", "/cfg", "/home/u"), "/cfg/stampwright.INI");
    EXPECT_EQ(ProfilePath("stampwright", "", "/home/u"), "/home/u/.config/stampwright.INI");
    EXPECT_EQ(ProfilePath("renamed", nullptr, "/home/u"), "/home/u/.config/renamed.INI");
    EXPECT_EQ(CStampApp::NameOfExecutable("/usr/bin/stampwright"), "stampwright");
    EXPECT_EQ(CStampApp::NameOfExecutable("./tools/stamp.exe"), "stamp");
}

TEST(AppSettings, FirstExitCreatesTheProfileWithBothKeys) {
    TempDir dir;
    const auto profile = dir.Path() / "config" / "stampwright.INI";
    CStampApp app("stampwright", profile);
    app.Run([](AppSettings& settings) {
        EXPECT_EQ(settings.directory, "");
        EXPECT_EQ(settings.cameraInitials, "MV");
    });
    EXPECT_EQ(ReadFile(profile), "[StampwrightDefaults]\nDirectory=\nCameraInitials=MV\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"config"});
}

TEST(AppSettings, WhatOneUseLeavesIsWhatTheNextStartsWith) {
    TempDir dir;
    const auto profile = dir.Path() / "stampwright.INI";
    for (const std::string initials : {"XY", "", "A,B", " padded"}) {
        CStampApp first("stampwright", profile);
        first.Run([&](AppSettings& settings) {
            settings.directory = "/home/u/Pics/";
            settings.cameraInitials = initials;
        });
        CStampApp next("stampwright", profile);
        next.Run([&](AppSettings& settings) {
            EXPECT_EQ(settings.directory, "/home/u/Pics/");
            EXPECT_EQ(settings.cameraInitials, initials == " padded" ? "padded" : initials);
        });
    }
}

TEST(AppSettings, HandEditedProfileReadsBackAndKeepsItsOtherLines) {
    TempDir dir;
    const auto profile = dir.Path() / "stampwright.INI";
    std::ofstream(profile) << "; my notes\r\n[StampwrightDefaults]\r\nCameraInitials=A,B\r\n"
                              "Directory=D:\\Pics\\\r\n[Mine]\r\nKeep=1\r\n";
    EXPECT_EQ(LoadSettings(profile).cameraInitials, "A,B");
    EXPECT_EQ(LoadSettings(profile).directory, "D:\\Pics\\");
    ASSERT_TRUE(SaveSettings({"/p/", "C"}, profile));
    EXPECT_EQ(ReadFile(profile), "; my notes\r\n[StampwrightDefaults]\r\nCameraInitials=C\r\n"
                                 "Directory=/p/\r\n[Mine]\r\nKeep=1\r\n");
}

TEST(AppSettings, UnusableProfilesGiveDefaultsAndNoCrash) {
    TempDir dir;
    const auto asDirectory = dir.Path() / "folder.INI";
    std::filesystem::create_directory(asDirectory);
    EXPECT_EQ(LoadSettings(asDirectory).cameraInitials, "MV");
    EXPECT_FALSE(SaveSettings({"", "XY"}, asDirectory));
    EXPECT_TRUE(std::filesystem::is_directory(asDirectory));

    const auto garbage = dir.Path() / "garbage.INI";
    std::ofstream(garbage, std::ios::binary) << std::string("\0\xff\xfe[\n=\r\r\x80", 10);
    EXPECT_EQ(LoadSettings(garbage).cameraInitials, "MV");

    EXPECT_FALSE(SaveSettings({"", "XY"}, "/proc/no-such-folder/stampwright.INI"));
}

} // namespace
} // namespace stampwright
