#pragma once

#include <QStringList>
#include <optional>

class QFileDialog;
class QWidget;

namespace stampwright {

// The file-open dialog of Browse for Files and Append More Files. Tests queue the next
// selection (or a cancel) instead of a person picking files.
class FileChooser {
public:
    // The chooser as a person sees it: title, the four filters with "All Files" shown first,
    // several existing files may be picked. An empty directory lets the system choose.
    static QFileDialog* Create(QWidget* owner, const QString& directory);

    // The chosen files as full paths, or nothing when the chooser was not confirmed.
    static std::optional<QStringList> ChooseFiles(QWidget* owner, const QString& directory);

    static void SetNextSelection(std::optional<QStringList> files);
};

} // namespace stampwright
