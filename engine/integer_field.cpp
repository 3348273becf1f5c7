#include "integer_field.h"

#include <algorithm>
#include <limits>

namespace stampwright {
namespace {

constexpr std::size_t kCharactersRead = 31;

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The C locale's white space, which the number conversion skips before the sign.
bool IsCSpace(char c) {
    return IsBlankOrTab(c) || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t Skip(std::string_view text, std::size_t at, bool (*skipped)(char)) {
    while (at < text.size() && skipped(text[at]))
        ++at;
    return at;
}

} // namespace

std::optional<std::int32_t> ReadIntegerField(std::string_view text) {
    text = text.substr(0, kCharactersRead);
    std::size_t at = Skip(text, 0, IsBlankOrTab);
    const char first = at < text.size() ? text[at] : '\0';
    at = Skip(text, at, IsCSpace);
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    const std::size_t digitsStart = at;
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        magnitude =
            std::min<std::int64_t>(magnitude * 10 + (text[at] - '0'), std::int64_t{1} << 32);
    if (at == digitsStart || (magnitude == 0 && first != '0'))
        return std::nullopt;
    if (Skip(text, at, IsBlankOrTab) != text.size())
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    constexpr auto kLow = std::numeric_limits<std::int32_t>::min();
    constexpr auto kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, kLow, kHigh));
}

} // namespace stampwright
