#include "cli_run.h"
#include "posix_file_system.h"

#include <csignal>
#include <ctime>
#include <unistd.h>

int main(int argc, char** argv) {
    using namespace stampwright::cli;
    // A closed pipe must not stop a rename run half-way; the write error is reported instead.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "stampwright-cli: %s\n", parsed.error.c_str());
        return kExitBadUsage;
    }
    if (parsed.options->help) {
        std::fputs(HelpText().c_str(), stdout);
        return kExitAllDone;
    }
    stampwright::PosixFileSystem fileSystem;
    const CliStreams streams{stdin, stdout, stderr, isatty(STDERR_FILENO) == 1};
    return RunCli(*parsed.options, streams, fileSystem, std::time(nullptr));
}
