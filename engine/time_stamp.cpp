#include "time_stamp.h"

#include <charconv>
#include <ctime>
#include <limits>

namespace stampwright {
namespace {

void AppendPadded(std::string& out, long value, int width) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    for (int n = static_cast<int>(result.ptr - digits); n < width; ++n)
        out.push_back('0');
    out.append(digits, result.ptr);
}

} // namespace

TimeValue CorrectedTime(TimeValue modified, std::int32_t offset) {
    TimeValue sum = 0;
    if (!__builtin_add_overflow(modified, TimeValue{offset}, &sum))
        return sum;
    return offset < 0 ? std::numeric_limits<TimeValue>::min()
                      : std::numeric_limits<TimeValue>::max();
}

void FormatStampInto(TimeValue time, std::string& out) {
    out.clear();
    if (time < 0)
        return;
    const std::time_t asTimeT = static_cast<std::time_t>(time);
    std::tm local{};
    if (asTimeT != time || localtime_r(&asTimeT, &local) == nullptr)
        return;
    AppendPadded(out, local.tm_year + 1900L, 4);
    AppendPadded(out, local.tm_mon + 1, 2);
    AppendPadded(out, local.tm_mday, 2);
    out.push_back('_');
    AppendPadded(out, local.tm_hour, 2);
    AppendPadded(out, local.tm_min, 2);
    AppendPadded(out, local.tm_sec, 2);
}

std::string FormatStamp(TimeValue time) {
    std::string stamp;
    FormatStampInto(time, stamp);
    return stamp;
}

} // namespace stampwright
