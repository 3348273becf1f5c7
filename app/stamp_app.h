#pragma once

#include "app_settings.h"

#include <filesystem>
#include <functional>
#include <string>

namespace stampwright {

// The application object: holds the remembered settings for the whole run, loads them before
// the main window opens and saves both when it closes, however it closes.
class CStampApp {
public:
    CStampApp(std::string name, std::filesystem::path profile);

    // The executable's file name without directory and extension.
    static std::string NameOfExecutable(const std::string& executablePath);

    const std::string& Name() const { return m_name; }
    const std::filesystem::path& Profile() const { return m_profile; }

    void Run(const std::function<void(AppSettings&)>& runMainWindow);

private:
    std::string m_name;
    std::filesystem::path m_profile;
    AppSettings m_settings;
};

} // namespace stampwright
