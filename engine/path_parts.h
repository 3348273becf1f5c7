#pragma once

#include <string_view>

namespace stampwright {

// Everything up to and including the last "\" if there is one, else the last "/", else the
// last ":"; empty when the path has none. In UTF-8 no byte of a multibyte character is below
// 0x80, so a plain byte search never mistakes part of a character for a separator.
std::string_view SplitDirectory(std::string_view path);

// The pieces of a path that a new name is built from. All views point into the path.
struct PathParts {
    std::string_view directory; // SplitDirectory(path)
    std::string_view name;      // the rest of the path
    std::string_view base;      // name before its last "."
    std::string_view extension; // name from its last "." on, dot included; may be empty
    std::string_view serial;    // last run of digits in base, leading zeros kept; may be empty
};

PathParts SplitPath(std::string_view path);

} // namespace stampwright
