#pragma once

#include "file_system.h"

#include <functional>
#include <sys/stat.h>
#include <sys/types.h>

namespace stampwright {

// The system calls the POSIX layer is built from, each returning 0 or -1 with errno set, so
// that tests can make any one of them fail the way a full disk or a file system without
// RENAME_NOREPLACE would.
struct SystemCalls {
    std::function<int(const char*, struct stat*)> stat;
    std::function<int(const char*, struct stat*)> lstat;
    std::function<int(const char*, const char*)> renameNoReplace;
    std::function<int(const char*, const char*)> link;
    std::function<int(const char*)> unlink;
    std::function<int(const char*, const char*)> rename;
};

SystemCalls RealSystemCalls();

class PosixFileSystem : public FileSystem {
public:
    explicit PosixFileSystem(SystemCalls calls = RealSystemCalls());

    // A path ending in a separator, or naming the root, is never found: on the system this
    // tool was first made for such paths did not match, and renaming them is never meant.
    FileStatus Lookup(const std::string& path) override;

    // RENAME_NOREPLACE where the file system has it; elsewhere link + unlink for files, and
    // for the rest a check that the target is absent right before rename().
    int RenameWithoutReplacing(const std::string& from, const std::string& to) override;

private:
    int RenameByLinking(const char* from, const char* to);
    int RenameAfterCheck(const char* from, const char* to);

    SystemCalls m_calls;
    dev_t m_rootDevice = 0;
    ino_t m_rootInode = 0;
};

} // namespace stampwright
