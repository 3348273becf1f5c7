#include "posix_file_system.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace stampwright {
namespace {

// The answers of a file system (or kernel) that does not know RENAME_NOREPLACE.
bool NoReplaceRefused(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// The answers of a file system that cannot make hard links.
bool LinksUnsupported(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

int ErrorOf(int result) {
    return result == 0 ? 0 : errno;
}

} // namespace

SystemCalls RealSystemCalls() {
    return SystemCalls{
        [](const char* path, struct stat* status) { return ::stat(path, status); },
        [](const char* path, struct stat* status) { return ::lstat(path, status); },
        [](const char* from, const char* to) {
            return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
        },
        [](const char* from, const char* to) { return ::link(from, to); },
        [](const char* path) { return ::unlink(path); },
        [](const char* from, const char* to) { return std::rename(from, to); },
    };
}

PosixFileSystem::PosixFileSystem(SystemCalls calls) : m_calls(std::move(calls)) {
    struct stat root {};
    if (m_calls.stat("/", &root) == 0) {
        m_rootDevice = root.st_dev;
        m_rootInode = root.st_ino;
    }
}

FileStatus PosixFileSystem::Lookup(const std::string& path) {
    if (path.empty() || path.back() == '/' || path.back() == '\\')
        return {};
    struct stat status {};
    if (m_calls.stat(path.c_str(), &status) != 0)
        return {};
    if (status.st_dev == m_rootDevice && status.st_ino == m_rootInode)
        return {};
    return {true, static_cast<TimeValue>(status.st_mtime)};
}

int PosixFileSystem::RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (m_calls.renameNoReplace(from.c_str(), to.c_str()) == 0)
        return 0;
    const int error = errno;
    if (!NoReplaceRefused(error))
        return error;
    struct stat status {};
    if (m_calls.lstat(from.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        const int linkError = RenameByLinking(from.c_str(), to.c_str());
        if (!LinksUnsupported(linkError))
            return linkError;
    }
    return RenameAfterCheck(from.c_str(), to.c_str());
}

// link() fails when the target exists, so it can never replace a file.
int PosixFileSystem::RenameByLinking(const char* from, const char* to) {
    if (m_calls.link(from, to) != 0)
        return errno;
    if (m_calls.unlink(from) == 0)
        return 0;
    const int error = errno;
    m_calls.unlink(to); // keep the file under its old name only
    return error;
}

// The last resort leaves a window between check and rename; it is taken only where the file
// system offers nothing better.
int PosixFileSystem::RenameAfterCheck(const char* from, const char* to) {
    struct stat status {};
    if (m_calls.lstat(to, &status) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return errno;
    return ErrorOf(m_calls.rename(from, to));
}

} // namespace stampwright
