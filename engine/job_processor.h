#pragma once

#include "file_system.h"
#include "rename_job.h"

#include <string>

namespace stampwright {

enum class JobOutcome { Skipped, Renamed, Failed, Written };

// Processes jobs one at a time: looks the file up, composes its new name, then renames it or
// writes its batch lines, appending exactly one piece to the report per job.
class JobProcessor {
public:
    JobProcessor(RunMode mode, FileSystem& fileSystem);

    JobOutcome Process(const RenameJob& job, ReportText& report);

private:
    JobOutcome Rename(const RenameJob& job, std::string_view directory, ReportText& report);

    RunMode m_mode;
    FileSystem& m_fileSystem;
    // Reused from job to job so that the per-file path allocates nothing once warmed up.
    std::string m_stamp;
    std::string m_newName;
    std::string m_newPath;
};

// On POSIX "/" separates folders, so a new path may only differ from the old one after the
// old path's last "/": otherwise the rename would move the file into another folder.
bool StaysInOwnFolder(std::string_view path, std::string_view newName, std::string_view newPath);

} // namespace stampwright
