#include "profile_text.h"

#include <algorithm>
#include <vector>

namespace stampwright {
namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// One line of the text, without its line break.
struct Line {
    std::size_t start;
    std::size_t end; // where the line break (or the text) begins
    std::size_t next;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t breakAt = std::min(text.find('\n', at), text.size());
        const std::size_t end = breakAt > at && text[breakAt - 1] == '\r' ? breakAt - 1 : breakAt;
        lines.push_back({at, end, std::min(breakAt + 1, text.size())});
        at = breakAt + 1;
    }
    return lines;
}

// The section name of a "[name]" line; nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trimmed(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

// Where a key's value stands, and where the section ends.
struct Place {
    std::optional<Line> sectionLine;
    std::optional<Line> keyLine;
    std::size_t sectionEnd = 0; // just after the section's last non-blank line
};

Place Find(std::string_view text, std::string_view section, std::string_view key) {
    Place place;
    for (const Line& line : SplitLines(text)) {
        const std::string_view content = text.substr(line.start, line.end - line.start);
        if (const auto name = SectionName(content)) {
            if (place.sectionLine)
                break;
            if (SameName(*name, section)) {
                place.sectionLine = line;
                place.sectionEnd = line.next;
            }
            continue;
        }
        if (!place.sectionLine)
            continue;
        if (!Trimmed(content).empty())
            place.sectionEnd = line.next;
        const std::size_t equals = content.find('=');
        if (!place.keyLine && equals != std::string_view::npos &&
            SameName(Trimmed(content.substr(0, equals)), key))
            place.keyLine = line;
    }
    return place;
}

std::string_view LineBreakOf(std::string_view text) {
    return text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
}

} // namespace

std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const Place place = Find(text, section, key);
    if (!place.keyLine)
        return std::nullopt;
    const std::string_view line =
        text.substr(place.keyLine->start, place.keyLine->end - place.keyLine->start);
    const std::string_view value = Trimmed(line.substr(line.find('=') + 1));
    return std::string(value.substr(0, kMaxProfileValueBytes));
}

std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    const std::string_view lineBreak = LineBreakOf(text);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const Place place = Find(text, section, key);
    std::string result;
    if (place.keyLine) {
        result.append(text.substr(0, place.keyLine->start));
        result.append(keyLine);
        result.append(text.substr(place.keyLine->end));
    } else if (place.sectionLine) {
        result.append(text.substr(0, place.sectionEnd));
        if (!result.empty() && result.back() != '\n')
            result.append(lineBreak);
        result.append(keyLine).append(lineBreak);
        result.append(text.substr(place.sectionEnd));
    } else {
        result.append(text);
        if (!result.empty() && result.back() != '\n')
            result.append(lineBreak);
        result.append("[").append(section).append("]").append(lineBreak);
        result.append(keyLine).append(lineBreak);
    }
    return result;
}

} // namespace stampwright
