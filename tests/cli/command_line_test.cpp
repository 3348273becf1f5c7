#include "command_line.h"

#include <gtest/gtest.h>

namespace stampwright::cli {
namespace {

ParsedCommandLine Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

TEST(CommandLine, DefaultsPreviewWithNoShiftAndMV) {
    const ParsedCommandLine parsed = Parse({});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->mode, RunMode::Batch);
    EXPECT_EQ(parsed.options->offset, 0);
    EXPECT_EQ(parsed.options->initials, "MV");
    EXPECT_TRUE(parsed.options->paths.empty());
}

TEST(CommandLine, OptionsAndPaths) {
    const ParsedCommandLine parsed =
        Parse({"--rename", "a.jpg", "--shift", "-1:30:15", "--initials=", "--", "--b.jpg", "-"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->mode, RunMode::RenameNow);
    EXPECT_EQ(parsed.options->offset, -5415);
    EXPECT_EQ(parsed.options->initials, "");
    EXPECT_EQ(parsed.options->paths, (std::vector<std::string>{"a.jpg", "--b.jpg", "-"}));
}

TEST(CommandLine, ShiftForms) {
    struct Row {
        const char* text;
        std::optional<std::int32_t> offset;
    };
    const Row rows[] = {
        {"0:2:10", 130},   {"+0:2:10", 130},        {"-24:59:59", -89999},
        {"24:0:0", 86400}, {"007:00:00", 25200},    {"25:00:00", {}},
        {"1:60:0", {}},    {"0:0:60", {}},          {"abc", {}},
        {"1:2", {}},       {"1:2:3:4", {}},         {"", {}},
        {"1::3", {}},      {" 1:2:3", {}},          {"+-1:0:0", {}},
        {"1:+2:3", {}},    {"99999999999:0:0", {}},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_EQ(ParseShift(row.text, error), row.offset) << row.text;
        EXPECT_EQ(error.empty(), row.offset.has_value()) << row.text;
    }
}

TEST(CommandLine, MistakesGiveOneLineSayingWhatIsWrong) {
    struct Row {
        std::vector<std::string_view> arguments;
        const char* mentions;
    };
    const Row rows[] = {
        {{"--shift", "25:00:00"}, "hours must be a number from 0 to 24"},
        {{"--shift=1:60:0"}, "minutes must be a number from 0 to 59"},
        {{"--shift", "abc"}, "expected three numbers separated by colons"},
        {{"--shift"}, "--shift needs a value"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"-r"}, "unknown option -r"},
        {{"--rename=yes"}, "--rename takes no value"},
    };
    for (const Row& row : rows) {
        const ParsedCommandLine parsed = Parse(row.arguments);
        EXPECT_FALSE(parsed.options);
        EXPECT_NE(parsed.error.find(row.mentions), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

} // namespace
} // namespace stampwright::cli
