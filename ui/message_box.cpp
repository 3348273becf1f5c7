#include "message_box.h"

#include <QCoreApplication>
#include <deque>

namespace stampwright {
namespace {

std::deque<QMessageBox::StandardButton>& NextAnswers() {
    static std::deque<QMessageBox::StandardButton> answers;
    return answers;
}

QStringList& AnsweredTexts() {
    static QStringList texts;
    return texts;
}

} // namespace

QMessageBox::StandardButton MessageBox::Show(QWidget* owner, const QString& text,
                                             const QString& caption,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
    if (!NextAnswers().empty()) {
        const QMessageBox::StandardButton answer = NextAnswers().front();
        NextAnswers().pop_front();
        AnsweredTexts().append(text);
        return answer;
    }
    const QString title = caption.isEmpty() ? QCoreApplication::applicationName() : caption;
    QMessageBox box(QMessageBox::Warning, title, text, buttons, owner);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::SetNextAnswer(QMessageBox::StandardButton answer) {
    NextAnswers().push_back(answer);
}

QStringList MessageBox::TakeAnsweredTexts() {
    QStringList texts;
    texts.swap(AnsweredTexts());
    return texts;
}

} // namespace stampwright
