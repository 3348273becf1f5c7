#include "time_change.h"

#include <gtest/gtest.h>

namespace stampwright {
namespace {

TEST(TimeChange, OffsetIsSignedSecondsAndOnlySubtractNegates) {
    struct Row {
        int hours, minutes, seconds, direction;
        std::int32_t offset;
    };
    const Row rows[] = {
        {1, 30, 15, kAdd, 5415},   {1, 30, 15, kSubtract, -5415}, {24, 59, 59, kSubtract, -89999},
        {24, 59, 59, kAdd, 89999}, {0, 0, 0, kSubtract, 0},       {0, 2, 10, -1, 130},
        {0, 0, 1, 7, 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ComputeOffset(row.hours, row.minutes, row.seconds, row.direction), row.offset)
            << row.hours << ":" << row.minutes << ":" << row.seconds << " dir " << row.direction;
}

} // namespace
} // namespace stampwright
