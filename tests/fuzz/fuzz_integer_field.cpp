// Any box text either is refused or reads as a value that reads back the same when written
// in decimal.
#include "integer_field.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> value = stampwright::ReadIntegerField(text);
    if (value && stampwright::ReadIntegerField(std::to_string(*value)) != value)
        std::abort();
    return 0;
}
