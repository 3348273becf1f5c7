#pragma once

#include <QMessageBox>
#include <QString>

namespace stampwright {

// Every message box of the program: exclamation icon, titled with the program's name unless a
// caption is given. Tests queue the next answer instead of a person clicking, and read what
// would have been shown.
class MessageBox {
public:
    static QMessageBox::StandardButton
    Show(QWidget* owner, const QString& text, const QString& caption = {},
         QMessageBox::StandardButtons buttons = QMessageBox::Ok,
         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    static void SetNextAnswer(QMessageBox::StandardButton answer);
    // Texts of the boxes answered from the queue since the last call.
    static QStringList TakeAnsweredTexts();
};

} // namespace stampwright
