#pragma once

#include <string>
#include <vector>

namespace stampwright {

// True when a sorts before b by whole path with only the ASCII letters folded to lower case,
// bytes compared unsigned: "." before the digits, digits before ":", then "\", "_", the
// letters, and bytes 0x80 and above last.
bool PathLessIgnoringCase(const std::string& a, const std::string& b);

// Puts chosen files into the list text, sorted, one per line. The remembered directory
// follows the first path put into an empty list, so it changes only when the list starts.
void AddChosenPaths(std::vector<std::string> paths, std::string& listText,
                    std::string& rememberedDirectory);

} // namespace stampwright
