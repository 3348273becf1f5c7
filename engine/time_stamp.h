#pragma once

#include <cstdint>
#include <string>

namespace stampwright {

// Seconds since 1970-01-01 00:00:00 UTC, 64 bits wide so that stamps work past 2038.
using TimeValue = std::int64_t;

// A file's time moved by a clock offset; saturates instead of overflowing for the extreme
// times some file systems can store.
TimeValue CorrectedTime(TimeValue modified, std::int32_t offset);

// Local calendar time as "YYYYMMDD_HHMMSS", with the time-zone rules of that date (so a
// summer file and a winter file each get their own wall-clock time). Empty for a negative
// time or one the calendar cannot hold. Digits only, so no locale can change it.
std::string FormatStamp(TimeValue time);

// The same as FormatStamp, written into out (cleared first) to spare an allocation per file.
void FormatStampInto(TimeValue time, std::string& out);

} // namespace stampwright
