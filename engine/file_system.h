#pragma once

#include "time_stamp.h"

#include <string>

namespace stampwright {

struct FileStatus {
    bool found = false;
    TimeValue modified = 0;
};

// The only two things a run asks of the file system. Tests substitute error numbers that
// cannot be provoked for real; everything else runs against real files.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Found only for a path that names an existing entry as written.
    virtual FileStatus Lookup(const std::string& path) = 0;

    // 0 on success, else the error number of the step that failed. Never replaces `to`.
    virtual int RenameWithoutReplacing(const std::string& from, const std::string& to) = 0;
};

} // namespace stampwright
