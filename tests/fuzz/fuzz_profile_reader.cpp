// Whatever a profile holds, reading never fails, values never exceed 4095 bytes, and a value
// written into it reads back as written.
#include "profile_text.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\x01');
    const std::string_view text = input.substr(0, split);
    std::string_view value = split == std::string_view::npos ? "A,B" : input.substr(split + 1);
    value = value.substr(0, value.find_first_of("\r\n"));
    const std::size_t first = value.find_first_not_of(" \t");
    value = first == std::string_view::npos
                ? ""
                : value.substr(first, value.find_last_not_of(" \t") - first + 1);
    value = value.substr(0, stampwright::kMaxProfileValueBytes);

    const auto read = stampwright::ReadProfileValue(text, "StampwrightDefaults", "CameraInitials");
    if (read && read->size() > stampwright::kMaxProfileValueBytes)
        std::abort();
    const std::string written =
        stampwright::WriteProfileValue(text, "StampwrightDefaults", "CameraInitials", value);
    if (stampwright::ReadProfileValue(written, "StampwrightDefaults", "CameraInitials") !=
        std::string(value))
        std::abort();
    return 0;
}
