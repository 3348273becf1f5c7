#pragma once

#include <string_view>

namespace stampwright {

// The C locale's message for an error number, whatever locale the process runs in, so a
// report reads the same on every machine.
std::string_view ErrorText(int errorNumber);

} // namespace stampwright
