#include "stamp_app.h"

namespace stampwright {

CStampApp::CStampApp(std::string name, std::filesystem::path profile)
    : m_name(std::move(name)), m_profile(std::move(profile)) {}

std::string CStampApp::NameOfExecutable(const std::string& executablePath) {
    return std::filesystem::path(executablePath).stem().string();
}

void CStampApp::Run(const std::function<void(AppSettings&)>& runMainWindow) {
    m_settings = LoadSettings(m_profile);
    runMainWindow(m_settings);
    SaveSettings(m_settings, m_profile);
}

} // namespace stampwright
