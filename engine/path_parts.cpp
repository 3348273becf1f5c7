#include "path_parts.h"

namespace stampwright {
namespace {

// Bytes 0x80 and above are never digits, whatever the signedness of char.
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view LastDigitRun(std::string_view base) {
    std::size_t end = base.size();
    while (end > 0 && !IsDigit(base[end - 1]))
        --end;
    std::size_t start = end;
    while (start > 0 && IsDigit(base[start - 1]))
        --start;
    return base.substr(start, end - start);
}

} // namespace

std::string_view SplitDirectory(std::string_view path) {
    for (const char separator : {'\\', '/', ':'}) {
        const std::size_t at = path.rfind(separator);
        if (at != std::string_view::npos)
            return path.substr(0, at + 1);
    }
    return {};
}

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    parts.directory = SplitDirectory(path);
    parts.name = path.substr(parts.directory.size());
    const std::size_t dot = parts.name.rfind('.');
    parts.base = parts.name.substr(0, dot);
    parts.extension = dot == std::string_view::npos ? std::string_view{} : parts.name.substr(dot);
    parts.serial = LastDigitRun(parts.base);
    return parts;
}

} // namespace stampwright
