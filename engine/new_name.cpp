#include "new_name.h"

namespace stampwright {

void AppendNewName(std::string& out, std::string_view stamp, std::string_view initials,
                   const PathParts& parts) {
    out.append(stamp);
    out.push_back('_');
    out.append(initials);
    if (!parts.serial.empty()) {
        out.push_back('_');
        out.append(parts.serial);
    }
    out.append(parts.extension);
}

std::string ComposeNewName(std::string_view path, std::string_view initials, std::int32_t offset,
                           TimeValue modified) {
    std::string name;
    AppendNewName(name, FormatStamp(CorrectedTime(modified, offset)), initials, SplitPath(path));
    return name;
}

} // namespace stampwright
