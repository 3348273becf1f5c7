#pragma once

#include <cstdint>

namespace stampwright {

enum Direction : int { kAdd = 0, kSubtract = 1 };

// The signed offset in seconds of a time change; only kSubtract negates, any other
// direction (including -1 for "none checked") adds.
std::int32_t ComputeOffset(int hours, int minutes, int seconds, int direction);

} // namespace stampwright
