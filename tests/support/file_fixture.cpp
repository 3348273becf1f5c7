#include "file_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace stampwright::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "stampwright-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> TempDir::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void SetModified(const std::string& path, TimeValue modified) {
    const timespec times[2] = {{static_cast<time_t>(modified), 0},
                               {static_cast<time_t>(modified), 0}};
    if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        throw std::runtime_error("utimensat failed for " + path);
}

void WriteFile(const std::string& path, const std::string& content, TimeValue modified) {
    std::ofstream(path, std::ios::binary) << content;
    SetModified(path, modified);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TimeValue Utc(int year, int month, int day, int hour, int minute, int second) {
    std::tm calendar{};
    calendar.tm_year = year - 1900;
    calendar.tm_mon = month - 1;
    calendar.tm_mday = day;
    calendar.tm_hour = hour;
    calendar.tm_min = minute;
    calendar.tm_sec = second;
    return timegm(&calendar);
}

ScopedTimeZone::ScopedTimeZone(const char* zone) {
    const char* previous = std::getenv("TZ");
    m_hadPrevious = previous != nullptr;
    m_previous = previous ? previous : "";
    setenv("TZ", zone, 1);
    tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
    if (m_hadPrevious)
        setenv("TZ", m_previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

ScopedWorkingDir::ScopedWorkingDir(const std::filesystem::path& folder)
    : m_previous(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

ScopedWorkingDir::~ScopedWorkingDir() {
    std::filesystem::current_path(m_previous);
}

} // namespace stampwright::testing
