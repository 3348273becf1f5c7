// Any path, initials, offset and file time compose a name made of the stamp (15 characters,
// or none for a negative time), "_", the initials, the serial digits and the old extension.
#include "new_name.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 12)
        return 0;
    std::int32_t offset;
    std::int64_t modified;
    std::memcpy(&offset, data, 4);
    std::memcpy(&modified, data + 4, 8);
    const std::string_view rest(reinterpret_cast<const char*>(data) + 12, size - 12);
    const std::size_t split = rest.find('|');
    const std::string_view path = rest.substr(0, split);
    const std::string_view initials = split == std::string_view::npos ? "" : rest.substr(split + 1);

    const std::string name = stampwright::ComposeNewName(path, initials, offset, modified);
    const stampwright::PathParts parts = stampwright::SplitPath(path);
    const std::string stamp =
        stampwright::FormatStamp(stampwright::CorrectedTime(modified, offset));
    if (stamp.size() != 0 && stamp.size() < 15)
        std::abort();
    std::string expected = stamp + "_" + std::string(initials);
    if (!parts.serial.empty())
        expected += "_" + std::string(parts.serial);
    expected += parts.extension;
    if (name != expected || parts.serial.find_first_not_of("0123456789") != std::string_view::npos)
        std::abort();
    return 0;
}
