// Drives the desktop program's timed run as a person would, on whatever Qt platform is set
// (offscreen in the benchmark): list pasted in, Rename It confirmed (or Preview It pressed),
// until the results window's title says "All N ...". Prints the run's seconds, the longest
// single event the results window handled and the longest wait between two of its timer
// events while jobs were left, all in milliseconds.
#include "message_box.h"
#include "results_dlg.h"
#include "stamp_dlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

using namespace stampwright;

namespace {

// Times every event the results window and its children handle.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (m_results == nullptr || !IsInResults(receiver))
            return QApplication::notify(receiver, event);
        QElapsedTimer handling;
        handling.start();
        const qint64 arrival = m_clock.nsecsElapsed();
        if (event->type() == QEvent::Timer && receiver == m_results &&
            m_results->Queue().Count() > 0) {
            if (m_lastTimer > 0)
                m_longestTimerGap = std::max(m_longestTimerGap, arrival - m_lastTimer);
            m_lastTimer = arrival;
        }
        const bool handled = QApplication::notify(receiver, event);
        m_longestEvent = std::max(m_longestEvent, handling.nsecsElapsed());
        return handled;
    }

    void Watch(CResultsDlg* results) {
        m_results = results;
        m_clock.start();
    }
    double LongestEventMs() const { return m_longestEvent / 1e6; }
    double LongestTimerGapMs() const { return m_longestTimerGap / 1e6; }

private:
    bool IsInResults(QObject* object) const {
        for (; object != nullptr; object = object->parent())
            if (object == m_results)
                return true;
        return false;
    }

    CResultsDlg* m_results = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lastTimer = 0;
    qint64 m_longestEvent = 0;
    qint64 m_longestTimerGap = 0;
};

} // namespace

int main(int argc, char** argv) {
    TimedApplication application(argc, argv);
    if (argc != 3 || (qstrcmp(argv[1], "rename") != 0 && qstrcmp(argv[1], "preview") != 0)) {
        std::fprintf(stderr, "usage: desktop_run rename|preview LIST-FILE\n");
        return 2;
    }
    const bool rename = qstrcmp(argv[1], "rename") == 0;
    QFile list(QString::fromLocal8Bit(argv[2]));
    if (!list.open(QIODevice::ReadOnly))
        return 1;

    AppSettings settings{"", "MV"};
    CStampDlg window(settings);
    window.findChild<QPlainTextEdit*>(QStringLiteral("listEdit"))
        ->setPlainText(QString::fromUtf8(list.readAll()));
    window.show();

    QElapsedTimer run;
    double seconds = 0;
    QTimer::singleShot(0, [&] {
        auto* results = qobject_cast<CResultsDlg*>(QApplication::activeModalWidget());
        if (results == nullptr)
            return;
        application.Watch(results);
        QObject::connect(results, &QWidget::windowTitleChanged, results,
                         [&, results](const QString& title) {
                             if (!title.startsWith(QLatin1String("All ")))
                                 return;
                             seconds = run.nsecsElapsed() / 1e9;
                             results->close();
                         });
    });
    if (rename)
        MessageBox::SetNextAnswer(QMessageBox::Ok);
    run.start();
    const char* button = rename ? "renameButton" : "previewButton";
    window.findChild<QPushButton*>(QLatin1String(button))->click();
    std::printf("%.3f %.1f %.1f\n", seconds, application.LongestEventMs(),
                application.LongestTimerGapMs());
    return seconds > 0 ? 0 : 1;
}
