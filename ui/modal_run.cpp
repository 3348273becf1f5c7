#include "modal_run.h"

#include <QApplication>
#include <QDialog>

namespace stampwright {

void RunModal(QDialog& window) {
    window.exec();
    QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    const QWidget* active = QApplication::activeWindow();
    if (owner != nullptr && (active == nullptr || active == &window))
        owner->activateWindow();
}

} // namespace stampwright
