#pragma once

#include "job_queue.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace stampwright {

// Longest path one list entry can hold; longer lines continue as further entries.
inline constexpr std::size_t kMaxEntryBytes = 2047;

// Calls onEntry(std::string_view) for every entry of a list text, in order. Line breaks and
// leading blanks are skipped, trailing blanks belong to the entry, and a zero byte ends the
// text. Blank bytes are the C locale's, listed here so the user's locale cannot change them.
template <class OnEntry> void ForEachListEntry(std::string_view text, OnEntry&& onEntry) {
    const auto skipped = [](char c) {
        return c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == '\v' || c == '\f';
    };
    const auto endsEntry = [](char c) { return c == '\0' || c == '\r' || c == '\n'; };
    std::size_t i = 0;
    while (i < text.size() && text[i] != '\0') {
        if (skipped(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && i - start < kMaxEntryBytes && !endsEntry(text[i]))
            ++i;
        onEntry(text.substr(start, i - start));
    }
}

void QueueJobsFromList(std::string_view listText, std::string_view initials, std::int32_t offset,
                       JobQueue& queue);

} // namespace stampwright
