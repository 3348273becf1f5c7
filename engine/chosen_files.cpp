#include "chosen_files.h"

#include "path_parts.h"

#include <algorithm>

namespace stampwright {
namespace {

unsigned char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

bool PathLessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

void AddChosenPaths(std::vector<std::string> paths, std::string& listText,
                    std::string& rememberedDirectory) {
    // Stable, so that paths differing only in case keep the chooser's order every time.
    std::stable_sort(paths.begin(), paths.end(), PathLessIgnoringCase);
    for (const std::string& path : paths) {
        if (listText.empty())
            rememberedDirectory = SplitDirectory(path);
        else
            listText.append("\r\n");
        listText.append(path);
    }
}

} // namespace stampwright
