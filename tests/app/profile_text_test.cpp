#include "profile_text.h"

#include <gtest/gtest.h>

namespace stampwright {
namespace {

TEST(ProfileText, ReadsValuesRawFromTheirSection) {
    struct Row {
        std::string text;
        std::optional<std::string> value;
    };
    const Row rows[] = {
        {"[StampwrightDefaults]\r\nCameraInitials=A,B\r\n", "A,B"},
        {"[stampwrightdefaults]\ncamerainitials = D:\\Pics\\ \n", "D:\\Pics\\"},
        {"[StampwrightDefaults]\nCameraInitials=\n", ""},
        {"[StampwrightDefaults]\nCameraInitials=\"q\" ; x\n", "\"q\" ; x"},
        {"[Other]\nCameraInitials=no\n[StampwrightDefaults]\nCameraInitials=yes", "yes"},
        {"[StampwrightDefaults]\nDirectory=x\n[Other]\nCameraInitials=no\n", std::nullopt},
        {"CameraInitials=outside\n", std::nullopt},
        {"", std::nullopt},
        {std::string("\0\xff[\x01]=\n", 7), std::nullopt},
        {"[StampwrightDefaults]\nCameraInitials=" + std::string(5000, 'x'), std::string(4095, 'x')},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadProfileValue(row.text, "StampwrightDefaults", "CameraInitials"), row.value)
            << row.text.substr(0, 60);
}

TEST(ProfileText, WritingChangesOnlyTheKeysLine) {
    struct Row {
        std::string before;
        std::string after;
    };
    const Row rows[] = {
        {"", "[S]\nK=v\n"},
        {"; mine\r\n", "; mine\r\n[S]\r\nK=v\r\n"},
        {"[S]\r\nK=old\r\nOther=1\r\n", "[S]\r\nK=v\r\nOther=1\r\n"},
        {"[S]\nA=1\n\n[T]\nK=t\n", "[S]\nA=1\nK=v\n\n[T]\nK=t\n"},
        {"[T]\nx=1", "[T]\nx=1\n[S]\nK=v\n"},
        {"[s]\n k =old", "[s]\nK=v"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WriteProfileValue(row.before, "S", "K", "v"), row.after) << row.before;
}

TEST(ProfileText, WrittenValuesReadBackAsWritten) {
    for (const std::string value : {"", "A,B", "D:\\Pics\\", "/home/u/Pics/", "x=y", "[S]"}) {
        const std::string text = WriteProfileValue("[S]\nK=old\n", "S", "K", value);
        EXPECT_EQ(ReadProfileValue(text, "S", "K"), value) << text;
    }
    EXPECT_EQ(ReadProfileValue(WriteProfileValue("", "S", "K", "a\nB=evil"), "S", "B"),
              std::nullopt)
        << "a line break must not smuggle in another key";
}

} // namespace
} // namespace stampwright
