// Every entry cut from any text is a non-empty path of at most 2047 bytes with no line break
// or zero byte and no leading blank, and the entries appear in text order.
#include "list_cutting.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const char* previousEnd = text.data();
    stampwright::ForEachListEntry(text, [&](std::string_view entry) {
        if (entry.empty() || entry.size() > stampwright::kMaxEntryBytes ||
            entry.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos ||
            std::strchr(" \t\v\f", entry.front()) != nullptr || entry.data() < previousEnd)
            std::abort();
        previousEnd = entry.data() + entry.size();
    });
    return 0;
}
