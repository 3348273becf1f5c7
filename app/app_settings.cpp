#include "app_settings.h"

#include "profile_text.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace stampwright {
namespace {

constexpr std::string_view kDirectoryKey = "Directory";
constexpr std::string_view kInitialsKey = "CameraInitials";

std::string ReadText(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WriteAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplaceAtomically(const std::filesystem::path& file, const std::string& text) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::string temporary = file.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), file.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace

std::filesystem::path ProfilePath(std::string_view programName, const char* configHome,
                                  const char* home) {
    std::filesystem::path folder;
    if (configHome != nullptr && *configHome != '\0')
        folder = configHome;
    else if (home != nullptr && *home != '\0')
        folder = std::filesystem::path(home) / ".config";
    return folder / (std::string(programName) + ".INI");
}

AppSettings LoadSettings(const std::filesystem::path& profile) {
    const std::string text = ReadText(profile);
    AppSettings settings;
    settings.directory = ReadProfileValue(text, kProfileSection, kDirectoryKey).value_or("");
    settings.cameraInitials = ReadProfileValue(text, kProfileSection, kInitialsKey).value_or("MV");
    return settings;
}

bool SaveSettings(const AppSettings& settings, const std::filesystem::path& profile) {
    std::string text = ReadText(profile);
    text = WriteProfileValue(text, kProfileSection, kDirectoryKey, settings.directory);
    text = WriteProfileValue(text, kProfileSection, kInitialsKey, settings.cameraInitials);
    return ReplaceAtomically(profile, text);
}

} // namespace stampwright
