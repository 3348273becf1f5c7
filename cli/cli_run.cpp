#include "cli_run.h"

#include "error_text.h"
#include "job_processor.h"
#include "list_cutting.h"
#include "results_header.h"

#include <cerrno>
#include <chrono>
#include <cstring>

namespace stampwright::cli {
namespace {

constexpr std::size_t kOutputBlock = 1 << 16;
constexpr auto kProgressInterval = std::chrono::milliseconds(200);

std::string ReadAll(std::FILE* input) {
    std::string text;
    char block[1 << 16];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, input)) > 0;)
        text.append(block, got);
    return text;
}

// Writes the report as it grows, keeping at most one block in memory.
class ReportWriter {
public:
    explicit ReportWriter(std::FILE* output) : m_output(output) {}

    ReportText& Report() { return m_report; }

    void FlushIfFull() {
        if (m_report.size() >= kOutputBlock)
            Flush();
    }

    // False when the report could not be written in full.
    bool Finish() {
        Flush();
        return std::fflush(m_output) == 0 && !std::ferror(m_output);
    }

private:
    void Flush() {
        std::fwrite(m_report.data(), 1, m_report.size(), m_output);
        m_report.clear();
    }

    std::FILE* m_output;
    ReportText m_report;
};

class ProgressLine {
public:
    ProgressLine(std::FILE* errors, bool shown, std::size_t total)
        : m_errors(errors), m_shown(shown), m_total(total) {}

    void Update(std::size_t done) {
        if (!m_shown)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < kProgressInterval && done != m_total)
            return;
        m_last = now;
        std::fprintf(m_errors, "\r%zu of %zu files", done, m_total);
        if (done == m_total)
            std::fputc('\n', m_errors);
    }

private:
    std::FILE* m_errors;
    bool m_shown;
    std::size_t m_total;
    std::chrono::steady_clock::time_point m_last{};
};

// The list as one text, cut by the same rules as the main window's list; each argument is a
// list of its own, so an argument holding a line break names two files.
std::vector<std::string> ListTexts(const CliOptions& options, std::FILE* input) {
    if (options.paths.empty())
        return {ReadAll(input)};
    return options.paths;
}

std::size_t CountEntries(const std::vector<std::string>& lists) {
    std::size_t count = 0;
    for (const std::string& list : lists)
        ForEachListEntry(list, [&](std::string_view) { ++count; });
    return count;
}

} // namespace

int RunCli(const CliOptions& options, const CliStreams& streams, FileSystem& fileSystem,
           TimeValue now) {
    const std::vector<std::string> lists = ListTexts(options, streams.input);
    // Counting takes a pass over the whole list, so it is done only for a person watching.
    ProgressLine progress(streams.errors, streams.showProgress,
                          streams.showProgress ? CountEntries(lists) : 0);
    ReportWriter writer(streams.output);
    AppendResultsHeader(writer.Report(), options.mode, now);

    JobProcessor processor(options.mode, fileSystem);
    RenameJob job{{}, options.initials, options.offset};
    std::size_t done = 0;
    bool allDone = true;
    for (const std::string& list : lists) {
        ForEachListEntry(list, [&](std::string_view path) {
            job.path.assign(path);
            const JobOutcome outcome = processor.Process(job, writer.Report());
            allDone = allDone && outcome != JobOutcome::Skipped && outcome != JobOutcome::Failed;
            writer.FlushIfFull();
            progress.Update(++done);
        });
    }
    if (!writer.Finish()) {
        std::fprintf(streams.errors, "stampwright-cli: could not write the report: %s\n",
                     std::string(ErrorText(errno)).c_str());
        return kExitSomeNotDone;
    }
    return allDone ? kExitAllDone : kExitSomeNotDone;
}

std::string HelpText() {
    return std::string(kUsage) +
           "\n\n"
           "Gives photo and video files new names built from their modification time,\n"
           "corrected by a camera's clock offset: STAMP_INITIALS_SERIAL.EXT, for example\n"
           "20080712_153012_MV_1234.JPG. Files from several cameras then sort into\n"
           "shooting order by name.\n\n"
           "  --rename            rename the files now (default: print batch commands only)\n"
           "  --shift [+|-]H:M:S  time change: hours 0-24, minutes and seconds 0-59\n"
           "                      (default +0:0:0)\n"
           "  --initials TEXT     camera initials put into every name (default MV)\n"
           "  --help              show this text\n\n"
           "Without PATH arguments the list of files is read from standard input, one per\n"
           "line. The report goes to standard output. Exit status: 0 when every file was\n"
           "done, 1 when any was skipped or failed, 2 for a wrong command line.\n"
           "No existing file is ever replaced.\n";
}

} // namespace stampwright::cli
