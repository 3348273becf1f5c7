// The least a renaming run must ask of the file system, as a yardstick for the real tools:
// "stat" looks up every path read from standard input; "rename" reads pairs of lines (old
// path, new path), looks up the old one and renames it without replacing anything.
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/stat.h>

int main(int argc, char** argv) {
    const bool rename = argc == 2 && std::strcmp(argv[1], "rename") == 0;
    if (argc != 2 || (!rename && std::strcmp(argv[1], "stat") != 0)) {
        std::fprintf(stderr, "usage: floor stat|rename < list\n");
        return 2;
    }
    std::ios::sync_with_stdio(false);
    std::string from;
    std::string to;
    long failures = 0;
    while (std::getline(std::cin, from)) {
        struct stat status {};
        failures += ::stat(from.c_str(), &status) != 0;
        if (rename && std::getline(std::cin, to))
            failures +=
                ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0;
    }
    return failures == 0 ? 0 : 1;
}
