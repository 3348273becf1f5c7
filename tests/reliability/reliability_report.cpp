// Tries every fault and hostile input a renaming run can meet, on real files in temporary
// folders, and prints one Markdown table row per case: how it was tried, the files before and
// after, whether every file's content is still there under exactly one name, and what the
// run said. Exits 1 if any case did not end as it must.
// Usage: reliability_report PATH-TO-stampwright-cli
#include "app_settings.h"
#include "census.h"
#include "chosen_files.h"
#include "job_processor.h"
#include "list_cutting.h"
#include "message_box.h"
#include "posix_file_system.h"
#include "results_dlg.h"

#include <QApplication>
#include <QTimerEvent>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace stampwright;
using namespace stampwright::reliability;

namespace {

std::string g_cli;
int g_failures = 0;

struct Row {
    std::string fault;
    std::string how;
    int before = 0;
    int after = 0;
    bool intact = false;
    std::string result;
};

void Print(const Row& row, bool asExpected) {
    std::printf("| %s | %s | %d | %d | %s | %s%s |\n", row.fault.c_str(), row.how.c_str(),
                row.before, row.after, row.intact ? "yes" : "NO",
                asExpected ? "" : "UNEXPECTED: ", row.result.c_str());
    std::fflush(stdout);
    g_failures += asExpected ? 0 : 1;
}

class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "stampwright-faults-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~Scratch() { fs::remove_all(m_path); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

std::string ListOf(const fs::path& folder) {
    std::string list;
    for (const auto& entry : fs::directory_iterator(folder))
        list += entry.path().string() + "\n";
    return list;
}

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct CliRun {
    int status;
    std::string report;
};

// Runs the real command-line tool with `input` on standard input.
CliRun RunCli(const fs::path& work, const std::string& arguments, const std::string& input) {
    std::ofstream(work / "list.txt", std::ios::binary) << input;
    const std::string command = "'" + g_cli + "' " + arguments + " <'" +
                                (work / "list.txt").string() + "' >'" +
                                (work / "report.txt").string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(work / "report.txt")};
}

// Runs jobs through the engine as a run of the desktop program or the CLI does.
ReportText RunJobs(FileSystem& fileSystem, const std::string& list,
                   const std::string& initials = "MV") {
    JobQueue queue;
    QueueJobsFromList(list, initials, 0, queue);
    JobProcessor processor(RunMode::RenameNow, fileSystem);
    ReportText report;
    while (queue.Count() > 0)
        processor.Process(TakeJob(queue), report);
    return report;
}

// A results window of the desktop program in rename-now mode, on the real file system, whose
// timer events the caller delivers.
class DesktopRun {
public:
    explicit DesktopRun(const fs::path& folder)
        : m_services{[] { return 0u; }, [] { return TimeValue{0}; }, &m_fileSystem},
          m_results(RunMode::RenameNow, m_services, m_timing) {
        QueueJobsFromList(ListOf(folder), "MV", 0, m_results.Queue());
        m_results.show();
    }

    CResultsDlg& Results() { return m_results; }

    void Tick(int events, int timerId) {
        for (int i = 0; i < events; ++i) {
            QTimerEvent tick(timerId);
            QCoreApplication::sendEvent(&m_results, &tick);
        }
    }
    void Tick(int events) { Tick(events, m_results.TimerId()); }

private:
    PosixFileSystem m_fileSystem;
    RunServices m_services;
    RefreshTiming m_timing;
    CResultsDlg m_results;
};

// A file system on which someone else acts right after a file was looked up.
class RacingFileSystem : public FileSystem {
public:
    explicit RacingFileSystem(std::function<void(const std::string&)> other)
        : m_other(std::move(other)) {}
    FileStatus Lookup(const std::string& path) override {
        const FileStatus status = m_real.Lookup(path);
        m_other(path);
        return status;
    }
    int RenameWithoutReplacing(const std::string& from, const std::string& to) override {
        return m_real.RenameWithoutReplacing(from, to);
    }

private:
    PosixFileSystem m_real;
    std::function<void(const std::string&)> m_other;
};

SystemCalls Failing(int error, bool linksToo) {
    SystemCalls calls = RealSystemCalls();
    calls.renameNoReplace = [error](const char*, const char*) {
        errno = error;
        return -1;
    };
    if (linksToo)
        calls.link = [](const char*, const char*) {
            errno = EPERM;
            return -1;
        };
    return calls;
}

void TargetExistsInCli() {
    Scratch work;
    const fs::path photos = work.Path() / "photos";
    MakeCollidingPhotos(photos, 2);
    const Census before = TakeCensus(photos);
    const CliRun run = RunCli(work.Path(), "--rename", ListOf(photos));
    const Census after = TakeCensus(photos);
    const bool refused = Contains(run.report, "error code 00000011 (File exists)");
    Print({"target already exists", "stampwright-cli --rename, two files with one new name",
           before.files, after.files, after.IntactAgainst(before),
           refused ? "second file refused with error 17, exit " + std::to_string(run.status)
                   : "no refusal"},
          refused && run.status == 1 && after.IntactAgainst(before));
}

void TargetExistsInDesktop() {
    Scratch work;
    MakeCollidingPhotos(work.Path(), 2);
    const Census before = TakeCensus(work.Path());
    DesktopRun run(work.Path());
    run.Tick(2);
    const Census after = TakeCensus(work.Path());
    const bool refused = Contains(run.Results().Report(), "error code 00000011 (File exists)");
    Print({"target already exists",
           "desktop results window, rename now, two files with one new name", before.files,
           after.files, after.IntactAgainst(before),
           refused ? "second file refused with error 17" : "no refusal"},
          refused && after.IntactAgainst(before));
}

void ChangedBetweenLookupAndRename(bool removed) {
    Scratch work;
    MakePhotos(work.Path(), 3);
    const fs::path victim = work.Path() / "IMG_00001.JPG";
    const Census before = TakeCensus(work.Path());
    const std::string taken = ReadAll(victim);
    RacingFileSystem racing([&](const std::string& path) {
        if (path != victim.string())
            return;
        if (removed)
            fs::remove(victim);
        else
            fs::rename(victim, work.Path() / "renamed by someone else.JPG");
    });
    const ReportText report = RunJobs(racing, ListOf(work.Path()));
    Census expected = before;
    if (removed)
        expected.namesPerContent.erase(taken);
    const Census after = TakeCensus(work.Path());
    const bool failedCleanly = Contains(report, "error code 00000002 (No such file or directory)");
    Print(
        {removed ? "file removed by someone else between lookup and rename"
                 : "file renamed by someone else between lookup and rename",
         "the other party acts inside the file-system seam, right after the lookup", before.files,
         after.files, after.IntactAgainst(expected),
         failedCleanly ? "failure line with error 2; the other files renamed" : "no failure line"},
        failedCleanly && after.IntactAgainst(expected));
}

void KilledMidRun(int afterMilliseconds) {
    Scratch work;
    const fs::path photos = work.Path() / "photos";
    MakePhotos(photos, 20000);
    const Census before = TakeCensus(photos);
    std::ofstream(work.Path() / "list.txt") << ListOf(photos);
    const pid_t child = fork();
    if (child == 0) {
        freopen((work.Path() / "list.txt").c_str(), "r", stdin);
        freopen("/dev/null", "w", stdout);
        execl(g_cli.c_str(), g_cli.c_str(), "--rename", static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(afterMilliseconds));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const Census after = TakeCensus(photos);
    const int renamed = CountRenamed(photos);
    const bool killed = WIFSIGNALED(status);
    Print({"process killed (SIGKILL) mid-run",
           "stampwright-cli --rename on 20,000 files, killed after " +
               std::to_string(afterMilliseconds) + " ms",
           before.files, after.files, after.IntactAgainst(before),
           std::to_string(renamed) + " renamed before the kill" +
               (killed ? "" : " (it finished first)")},
          after.IntactAgainst(before));
}

void ResultsWindowClosedMidRun() {
    Scratch work;
    MakePhotos(work.Path(), 200);
    const Census before = TakeCensus(work.Path());
    DesktopRun run(work.Path());
    const int timer = run.Results().TimerId();
    run.Tick(50);
    run.Results().close();
    run.Tick(50, timer);
    const Census after = TakeCensus(work.Path());
    const int renamed = CountRenamed(work.Path());
    Print({"results window closed mid-run",
           "200 files, closed after 50 timer events; late timer events sent", before.files,
           after.files, after.IntactAgainst(before),
           std::to_string(renamed) + " renamed, the rest untouched"},
          renamed == 50 && after.IntactAgainst(before));
}

void WithoutNoReplace(bool withoutLinks) {
    Scratch work;
    MakeCollidingPhotos(work.Path(), 3);
    const Census before = TakeCensus(work.Path());
    PosixFileSystem fileSystem(Failing(EINVAL, withoutLinks));
    const ReportText report = RunJobs(fileSystem, ListOf(work.Path()));
    const Census after = TakeCensus(work.Path());
    const bool refused = Contains(report, "error code 00000011 (File exists)");
    const bool renamedOthers =
        std::count(report.begin(), report.end(), '\n') == 3 && Contains(report, "Renamed");
    Print({withoutLinks ? "file system without RENAME_NOREPLACE or hard links"
                        : "file system without RENAME_NOREPLACE",
           withoutLinks ? "injected EINVAL for the flag and EPERM for link(); check, then rename()"
                        : "injected EINVAL for the flag; link() + unlink() instead",
           before.files, after.files, after.IntactAgainst(before),
           refused ? "collision refused with error 17, the others renamed" : "no refusal"},
          refused && renamedOthers && after.IntactAgainst(before));
}

// A real file system that answers RENAME_NOREPLACE with EINVAL: a FUSE mount by bindfs.
void OnFuseWithoutNoReplace() {
    Scratch work;
    const fs::path source = work.Path() / "source";
    const fs::path mounted = work.Path() / "mounted";
    MakeCollidingPhotos(source, 3);
    fs::create_directory(mounted);
    const Census before = TakeCensus(source);
    const std::string how =
        "bindfs (FUSE) mount, which refuses the flag with EINVAL; stampwright-cli --rename";
    const std::string mount =
        "bindfs '" + source.string() + "' '" + mounted.string() + "' 2>/dev/null";
    if (std::system(mount.c_str()) != 0) {
        Print({"real file system without RENAME_NOREPLACE", how, before.files, before.files, true,
               "not tried: no FUSE on this machine"},
              true);
        return;
    }
    const bool refusesFlag = renameat2(AT_FDCWD, (mounted / "IMG_00000.JPG").c_str(), AT_FDCWD,
                                       (mounted / "x").c_str(), RENAME_NOREPLACE) != 0 &&
                             errno == EINVAL;
    const CliRun run = RunCli(work.Path(), "--rename", ListOf(mounted));
    std::system(("fusermount -u '" + mounted.string() + "' 2>/dev/null || umount '" +
                 mounted.string() + "'")
                    .c_str());
    const Census after = TakeCensus(source);
    const bool refused = Contains(run.report, "error code 00000011 (File exists)");
    Print(
        {"real file system without RENAME_NOREPLACE", how, before.files, after.files,
         after.IntactAgainst(before),
         std::string(refusesFlag ? "flag refused by the mount; " : "flag accepted by the mount; ") +
             (refused ? "collision refused with error 17, the others renamed" : "no refusal")},
        refused && after.IntactAgainst(before));
}

void InjectedError(int error, const char* what) {
    Scratch work;
    MakePhotos(work.Path(), 3);
    const Census before = TakeCensus(work.Path());
    SystemCalls calls = RealSystemCalls();
    calls.renameNoReplace = [error, real = calls.renameNoReplace](const char* from,
                                                                  const char* to) {
        if (std::string(from).find("IMG_00001") != std::string::npos) {
            errno = error;
            return -1;
        }
        return real(from, to);
    };
    PosixFileSystem fileSystem(calls);
    const ReportText report = RunJobs(fileSystem, ListOf(work.Path()));
    const Census after = TakeCensus(work.Path());
    char code[16];
    std::snprintf(code, sizeof code, "%08x", error);
    const bool reported = Contains(report, std::string("error code ") + code);
    const bool wentOn = std::count(report.begin(), report.end(), '\n') == 3 &&
                        report.find("Renamed") != report.rfind("Renamed");
    Print({what, "injected for the second of three files", before.files, after.files,
           after.IntactAgainst(before),
           reported && wentOn ? std::string("failure line with error ") + code + ", the run went on"
                              : "wrong report"},
          reported && wentOn && after.IntactAgainst(before));
}

// A hostile list given to stampwright-cli, with three real photos among it.
void HostileList(const std::string& fault, const std::string& how,
                 const std::function<std::string(const fs::path&)>& makeList, int expectRenamed,
                 const std::string& arguments = "--rename") {
    Scratch work;
    const fs::path photos = work.Path() / "photos";
    MakePhotos(photos, 3);
    const Census before = TakeCensus(work.Path());
    const CliRun run = RunCli(work.Path(), arguments, makeList(photos));
    fs::remove(work.Path() / "list.txt");
    fs::remove(work.Path() / "report.txt");
    const Census after = TakeCensus(work.Path());
    const int renamed = CountRenamed(photos);
    const bool ok = run.status == 0 || run.status == 1;
    Print({fault, how, before.files, after.files, after.IntactAgainst(before),
           "exit " + std::to_string(run.status) + ", " + std::to_string(renamed) + " renamed, " +
               std::to_string(std::count(run.report.begin(), run.report.end(), '\n')) +
               " report lines"},
          ok && renamed == expectRenamed && after.IntactAgainst(before));
}

void OddNamesThroughTheChooser() {
    Scratch work;
    const std::vector<std::string> names = {"he said \"hi\" 1.jpg", "100% done 2.jpg",
                                            "line\nbreak 3.jpg", "tab\there 4.jpg"};
    std::vector<std::string> chosen;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::ofstream(work.Path() / names[i]) << "photo " << i;
        chosen.push_back((work.Path() / names[i]).string());
    }
    const Census before = TakeCensus(work.Path());
    std::string list;
    std::string directory;
    AddChosenPaths(chosen, list, directory);
    PosixFileSystem fileSystem;
    const ReportText report = RunJobs(fileSystem, list);
    const Census after = TakeCensus(work.Path());
    const bool ok = Contains(report, "_MV_1.jpg") && Contains(report, "_MV_2.jpg") &&
                    Contains(report, "_MV_4.jpg") && fs::exists(work.Path() / "line\nbreak 3.jpg");
    Print({"names with quotes, percent signs, tabs and newlines",
           "picked through the chooser's path handling, renamed now", before.files, after.files,
           after.IntactAgainst(before),
           ok ? "renamed, except the name with a newline: its two halves are skipped"
              : "unexpected report"},
          ok && after.IntactAgainst(before));
}

void ProfileCase(const std::string& fault,
                 const std::function<fs::path(const fs::path&)>& makeProfile) {
    Scratch work;
    MakePhotos(work.Path() / "config", 2); // other files in the config folder must survive
    const fs::path profile = makeProfile(work.Path() / "config");
    const Census before = TakeCensus(work.Path() / "config");
    const AppSettings loaded = LoadSettings(profile);
    const bool saved = SaveSettings({"/pics/", "XY"}, profile);
    const Census after = TakeCensus(work.Path() / "config");
    // A profile that was a regular file is rewritten; nothing else in the folder may change.
    Census expected = before;
    if (saved && fs::is_regular_file(profile))
        expected = TakeCensus(work.Path() / "config");
    const int othersBefore = 2;
    int othersAfter = 0;
    for (const auto& [content, count] : after.namesPerContent)
        othersAfter += content.rfind("photo ", 0) == 0 ? count : 0;
    Print({fault, "LoadSettings, then SaveSettings at exit", before.files, after.files,
           othersAfter == othersBefore,
           "read initials \"" + loaded.cameraInitials.substr(0, 12) + "\", " +
               (saved ? "rewritten" : "not written, no message")},
          othersAfter == othersBefore);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: reliability_report PATH-TO-stampwright-cli\n");
        return 2;
    }
    g_cli = argv[1];
    setenv("TZ", "UTC", 1);
    tzset();

    std::printf("| fault or input | how it was tried | files before | files after | contents "
                "intact | result |\n");
    std::printf("|---|---|---:|---:|---|---|\n");
    TargetExistsInCli();
    TargetExistsInDesktop();
    ChangedBetweenLookupAndRename(true);
    ChangedBetweenLookupAndRename(false);
    for (const int milliseconds : {1, 5, 20, 60, 150})
        KilledMidRun(milliseconds);
    ResultsWindowClosedMidRun();
    WithoutNoReplace(false);
    WithoutNoReplace(true);
    OnFuseWithoutNoReplace();
    InjectedError(EACCES, "permission denied");
    InjectedError(EROFS, "read-only file system");
    InjectedError(ENOSPC, "no space left on device");

    HostileList(
        "20 MB list",
        "about 250,000 lines of missing paths after the three real ones, on standard input",
        [](const fs::path& photos) {
            std::string list = ListOf(photos);
            for (int i = 0; list.size() < 20'000'000; ++i)
                list += photos.string() + "/missing_" + std::to_string(i) + "_" +
                        std::string(20, 'x') + ".jpg\n";
            return list;
        },
        3);
    HostileList(
        "NUL bytes and invalid UTF-8",
        "bytes 0xff 0xfe and a NUL in the list; the NUL ends the list",
        [](const fs::path& photos) {
            const std::string list = ListOf(photos);
            const std::size_t second = list.find('\n') + 1;
            return list.substr(0, second) + "\xff\xfe\xc3\x28 bad\n" + std::string(1, '\0') +
                   list.substr(second);
        },
        1);
    HostileList(
        "paths of 4,096 bytes and more", "paths of 4,096 and 70,000 bytes beside the real ones",
        [](const fs::path& photos) {
            return ListOf(photos) + photos.string() + "/" + std::string(4096, 'a') + "\n" +
                   std::string(70000, 'b') + "\n";
        },
        3);
    HostileList(
        "initials with \"/\"", "--initials a/b: the new name would leave the folder",
        [](const fs::path& photos) { return ListOf(photos); }, 0, "--rename --initials a/b");
    HostileList(
        "initials \"..\" with a slash",
        "--initials ../x: the new name would climb out of the folder",
        [](const fs::path& photos) { return ListOf(photos); }, 0, "--rename --initials ../x");
    HostileList(
        "initials \"..\"", "--initials ..: one file name, renamed in place",
        [](const fs::path& photos) { return ListOf(photos); }, 3, "--rename --initials ..");
    OddNamesThroughTheChooser();

    ProfileCase("profile of binary garbage", [](const fs::path& folder) {
        std::ofstream(folder / "p.INI", std::ios::binary)
            << std::string("\0\xff[Stampwright\x01]\n=\r\x80", 20);
        return folder / "p.INI";
    });
    ProfileCase("huge profile (30 MB)", [](const fs::path& folder) {
        std::ofstream(folder / "p.INI")
            << "[StampwrightDefaults]\nCameraInitials=" << std::string(30'000'000, 'x') << "\n";
        return folder / "p.INI";
    });
    ProfileCase("profile is a directory", [](const fs::path& folder) {
        fs::create_directory(folder / "p.INI");
        return folder / "p.INI";
    });
    ProfileCase("profile is a FIFO (reading would block)", [](const fs::path& folder) {
        mkfifo((folder / "p.INI").c_str(), 0600);
        return folder / "p.INI";
    });
    ProfileCase("profile cannot be written (its folder is a file)", [](const fs::path& folder) {
        std::ofstream(folder / "not-a-folder") << "x";
        return folder / "not-a-folder" / "p.INI";
    });
    return g_failures == 0 ? 0 : 1;
}
