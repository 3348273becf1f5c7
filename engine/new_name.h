#pragma once

#include "path_parts.h"
#include "time_stamp.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace stampwright {

// Appends stamp "_" initials ["_" serial] extension to out: the name that makes files of
// several cameras sort into shooting order. The stamp is the corrected time; it is empty when
// that time is negative, and the name then begins with "_".
void AppendNewName(std::string& out, std::string_view stamp, std::string_view initials,
                   const PathParts& parts);

// The whole composition for one file: its modification time moved by the offset.
std::string ComposeNewName(std::string_view path, std::string_view initials, std::int32_t offset,
                           TimeValue modified);

} // namespace stampwright
