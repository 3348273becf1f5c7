#pragma once

class QDialog;
class QWidget;

namespace stampwright {

// Runs `window` modally over its owner and, when it closes while it was the active window,
// gives the owner back the activation, so the keyboard returns to where the person was.
void RunModal(QDialog& window);

} // namespace stampwright
