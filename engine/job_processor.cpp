#include "job_processor.h"

#include "new_name.h"
#include "report_lines.h"
#include "time_stamp.h"

#include <cerrno>

namespace stampwright {
namespace {

std::string_view PosixFolder(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
}

} // namespace

bool StaysInOwnFolder(std::string_view path, std::string_view newName, std::string_view newPath) {
    return newName.find('/') == std::string_view::npos && PosixFolder(path) == PosixFolder(newPath);
}

JobProcessor::JobProcessor(RunMode mode, FileSystem& fileSystem)
    : m_mode(mode), m_fileSystem(fileSystem) {}

JobOutcome JobProcessor::Process(const RenameJob& job, ReportText& report) {
    const FileStatus status = m_fileSystem.Lookup(job.path);
    if (!status.found) {
        AppendSkippingLine(report, job.path);
        return JobOutcome::Skipped;
    }
    const PathParts parts = SplitPath(job.path);
    FormatStampInto(CorrectedTime(status.modified, job.offset), m_stamp);
    m_newName.clear();
    AppendNewName(m_newName, m_stamp, job.initials, parts);
    if (m_mode == RunMode::Batch) {
        AppendBatchLines(report, job.path, parts.directory, parts.name, m_newName);
        return JobOutcome::Written;
    }
    return Rename(job, parts.directory, report);
}

JobOutcome JobProcessor::Rename(const RenameJob& job, std::string_view directory,
                                ReportText& report) {
    m_newPath.assign(directory);
    m_newPath.append(m_newName);
    const int error = StaysInOwnFolder(job.path, m_newName, m_newPath)
                          ? m_fileSystem.RenameWithoutReplacing(job.path, m_newPath)
                          : EINVAL;
    if (error == 0) {
        AppendRenamedLine(report, job.path, m_newName);
        return JobOutcome::Renamed;
    }
    AppendFailedLine(report, job.path, m_newPath, error);
    return JobOutcome::Failed;
}

} // namespace stampwright
