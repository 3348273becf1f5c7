// Makes N camera-like files in a folder: names as cameras write them, distinct contents and
// modification times spread over a year, so every file gets its own new name.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kPatterns[] = {"IMG_%04d.JPG", "DSC%05d.jpg",  "MOV_%04d.MP4", "P10%05d.JPG",
                                 "GOPR%04d.MP4", "IMG_%04d.CR2", "DSCF%04d.RAF", "CLIP%04d.AVI"};

std::string NameOf(long i) {
    const long patterns = sizeof kPatterns / sizeof kPatterns[0];
    char name[64];
    // Cameras count to 9999 and start again; the pattern index keeps the names apart.
    std::snprintf(name, sizeof name, kPatterns[i % patterns],
                  static_cast<int>(i / patterns % 10000));
    std::string result = name;
    if (i / patterns >= 10000)
        result.insert(result.find('.'), "_" + std::to_string(i / patterns / 10000));
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_files FOLDER N\n");
        return 2;
    }
    const std::string folder = argv[1];
    const long count = std::atol(argv[2]);
    mkdir(folder.c_str(), 0755);
    const time_t start = 1199145600; // 2008-01-01
    for (long i = 0; i < count; ++i) {
        const std::string path = folder + "/" + NameOf(i);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) {
            std::perror(path.c_str());
            return 1;
        }
        const std::string content = "photo " + std::to_string(i) + "\n";
        if (write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
            return 1;
        const time_t modified = start + i * 317; // about a year for 100,000 files
        const timespec times[2] = {{modified, 0}, {modified, 0}};
        futimens(fd, times);
        close(fd);
    }
    return 0;
}
