#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace stampwright {

// Reads a number box the way the classic dialog framework did: only its first 31 characters,
// leading and trailing blanks or tabs allowed, an optional sign, decimal digits; a value of 0
// counts only when written starting with the digit 0 (so "+0" and "-0" are refused). A
// magnitude beyond 32 bits is taken as the nearest limit, which then fails the range check.
// No value means "not an integer".
std::optional<std::int32_t> ReadIntegerField(std::string_view text);

inline bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

} // namespace stampwright
