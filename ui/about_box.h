#pragma once

#include <QDialog>

namespace stampwright {

// Names the program and carries its instructions; the program's only help.
class CAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit CAboutBox(QWidget* owner = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

// Shows the About box modally over `owner` and returns when it closes.
void ShowAboutBox(QWidget* owner);

} // namespace stampwright
