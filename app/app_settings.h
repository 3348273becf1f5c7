#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace stampwright {

// The two values remembered from one use of the program to the next.
struct AppSettings {
    std::string directory;      // where the file chooser opens
    std::string cameraInitials; // of the last run
};

inline constexpr std::string_view kProfileSection = "StampwrightDefaults";

// "<name>.INI" in the user's config folder: $XDG_CONFIG_HOME, else $HOME/.config. Either
// argument may be null or empty.
std::filesystem::path ProfilePath(std::string_view programName, const char* configHome,
                                  const char* home);

// Missing file, section or key give the defaults: no directory, initials "MV".
AppSettings LoadSettings(const std::filesystem::path& profile);

// Rewrites both keys, keeping the rest of the file, by writing a new file beside it and
// renaming it into place, so the profile is never left half-written. False when it could not
// be written; the caller has nothing to do about it.
bool SaveSettings(const AppSettings& settings, const std::filesystem::path& profile);

} // namespace stampwright
