#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stampwright {

// The classic sectioned initialisation-file format, read and written raw: no escaping, no
// quoting, so a hand-edited "CameraInitials=A,B" reads back as "A,B". Section and key names
// match regardless of ASCII case; blanks around names and values are ignored.

inline constexpr std::size_t kMaxProfileValueBytes = 4095;

// The key's value, cut to 4095 bytes; nothing when the section or key is missing.
std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the key set, changing only that key's line: an existing line is replaced, a
// missing key is added at the end of its section, a missing section at the end of the text.
// A value is cut at its first line break, which could not be read back.
std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value);

} // namespace stampwright
