#include "census.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace stampwright::reliability {

void MakePhotos(const std::filesystem::path& folder, int count, long firstTime) {
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%05d.JPG", i);
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << "photo " << i << "\n";
        const timespec times[2] = {{firstTime + i, 0}, {firstTime + i, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
}

void MakeCollidingPhotos(const std::filesystem::path& folder, int count) {
    MakePhotos(folder, count);
    std::filesystem::rename(folder / "IMG_00001.JPG", folder / "DSC_00000.JPG");
    std::filesystem::last_write_time(folder / "DSC_00000.JPG",
                                     std::filesystem::last_write_time(folder / "IMG_00000.JPG"));
}

int CountRenamed(const std::filesystem::path& folder) {
    int renamed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        renamed += entry.path().filename().string().rfind("2008", 0) == 0;
    return renamed;
}

Census TakeCensus(const std::filesystem::path& folder) {
    Census census;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        ++census.files;
        ++census.namesPerContent[content.str()];
    }
    return census;
}

bool Census::IntactAgainst(const Census& before) const {
    if (namesPerContent.size() != before.namesPerContent.size())
        return false;
    for (const auto& [content, names] : before.namesPerContent) {
        const auto found = namesPerContent.find(content);
        if (found == namesPerContent.end() || found->second != names)
            return false;
    }
    return true;
}

} // namespace stampwright::reliability
