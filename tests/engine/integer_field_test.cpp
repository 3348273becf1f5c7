#include "integer_field.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace stampwright {
namespace {

TEST(IntegerField, ReadingRules) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    struct Row {
        std::string text;
        std::optional<std::int32_t> value;
    };
    const Row rows[] = {
        {"25", 25},
        {"24", 24},
        {"007", 7},
        {"+5", 5},
        {"-5", -5},
        {"0", 0},
        {"00", 0},
        {" \t 0", 0},
        {"12 \t", 12},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1 2", std::nullopt},
        {"+0", std::nullopt},
        {"-0", std::nullopt},
        {"+", std::nullopt},
        {"abc", std::nullopt},
        {"5x", std::nullopt},
        {"0x10", std::nullopt},
        {"\xef\xbc\x95", std::nullopt},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"99999999999999999999", kMax},
        {"-99999999999999999999", kMin},
        // Only the first 31 characters are read, so what follows them is never seen.
        {std::string(30, ' ') + "7x", 7},
        {std::string(31, ' ') + "7", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadIntegerField(row.text), row.value) << '"' << row.text << '"';
}

} // namespace
} // namespace stampwright
