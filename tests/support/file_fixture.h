#pragma once

#include "time_stamp.h"

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace stampwright::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

    // Names of all entries, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path m_path;
};

// Writes `content` to `path` and sets its modification time to `modified`.
void WriteFile(const std::string& path, const std::string& content, TimeValue modified);
void SetModified(const std::string& path, TimeValue modified);
std::string ReadFile(const std::string& path);

// Seconds since 1970 of a UTC calendar moment, computed without any time-zone rules.
TimeValue Utc(int year, int month, int day, int hour, int minute, int second);

// Sets TZ for the lifetime of the object, restoring the previous zone afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string m_previous;
    bool m_hadPrevious;
};

// Changes the working folder for the lifetime of the object.
class ScopedWorkingDir {
public:
    explicit ScopedWorkingDir(const std::filesystem::path& folder);
    ~ScopedWorkingDir();
    ScopedWorkingDir(const ScopedWorkingDir&) = delete;
    ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

private:
    std::filesystem::path m_previous;
};

} // namespace stampwright::testing
