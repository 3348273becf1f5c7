#include "time_change.h"

namespace stampwright {

std::int32_t ComputeOffset(int hours, int minutes, int seconds, int direction) {
    const std::int64_t magnitude =
        std::int64_t{seconds} + 60 * std::int64_t{minutes} + 3600 * std::int64_t{hours};
    return static_cast<std::int32_t>(direction == kSubtract ? -magnitude : magnitude);
}

} // namespace stampwright
