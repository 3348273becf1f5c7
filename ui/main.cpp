#include "app_icon.h"
#include "app_settings.h"
#include "stamp_app.h"
#include "stamp_dlg.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    using namespace stampwright;
    // Named after the executable as it was started, so a renamed copy keeps its own profile.
    const std::string name = CStampApp::NameOfExecutable(argc > 0 ? argv[0] : "stampwright");
    QApplication::setApplicationName(QString::fromStdString(name));
    QApplication::setWindowIcon(AppIcon());
    CStampApp app(name, ProfilePath(name, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    app.Run([](AppSettings& settings) {
        CStampDlg mainWindow(settings);
        mainWindow.exec();
    });
    return 0;
}
