#include "results_dlg.h"

#include "about_box.h"
#include "dialog_units.h"
#include "placement.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace stampwright {
namespace {

constexpr int kWorkingInterval = 1;     // ms: one job per event
constexpr int kDrainingInterval = 1000; // ms: only the final refresh is left to do
constexpr std::uint32_t kRefreshEvery = 1000;

const char* ProgressWord(RunMode mode) {
    return mode == RunMode::Batch ? "Batch Commands Created" : "Files Renamed";
}

bool IsCtrlBreak(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Pause || key.key() == Qt::Key_Cancel) &&
           key.modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

CResultsDlg::CResultsDlg(RunMode mode, const RunServices& services, RefreshTiming& timing,
                         QWidget* owner)
    : QDialog(owner), m_mode(mode), m_services(services), m_timing(timing),
      m_processor(mode, *services.fileSystem) {
    setWindowTitle(QStringLiteral("Results as a Batch File"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const DialogBaseUnits base = SetUpFixedDialog(*this, 355, 243);

    m_reportEdit = new QPlainTextEdit(this);
    m_reportEdit->setObjectName(QStringLiteral("reportEdit"));
    m_reportEdit->setGeometry(DluRect(base, 7, 7, 341, 229));
    m_reportEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_reportEdit->setTabChangesFocus(true);
    // A report of many thousand lines would otherwise be held a second time for undo.
    m_reportEdit->setUndoRedoEnabled(false);
    m_reportEdit->installEventFilter(this);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { ShowAboutBox(this); });
}

void CResultsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    CentreWindow(*this);
    ShowReport();
    m_reportEdit->selectAll();
    m_reportEdit->setFocus();
    StartTimer(kWorkingInterval);
}

void CResultsDlg::timerEvent(QTimerEvent* event) {
    if (m_timerId == 0 || event->timerId() != m_timerId) {
        QDialog::timerEvent(event);
        return;
    }
    if (m_queue.Count() > 0) {
        ProcessNextJob();
        if (m_queue.Count() == 0)
            StartTimer(kDrainingInterval);
        m_timing.pending = true;
    } else if (!m_timing.pending) {
        return;
    }
    const std::uint32_t now = m_services.tickCount();
    if (static_cast<std::uint32_t>(now - m_timing.lastRefresh) <= kRefreshEvery)
        return;
    Refresh();
    m_timing.lastRefresh = now;
    m_timing.pending = false;
}

void CResultsDlg::closeEvent(QCloseEvent* event) {
    StopTimer();
    QDialog::closeEvent(event);
}

void CResultsDlg::done(int result) {
    // Whichever way the window ends, no job may be processed after it.
    StopTimer();
    QDialog::done(result);
}

bool CResultsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_reportEdit && event->type() == QEvent::KeyPress &&
        IsCtrlBreak(static_cast<const QKeyEvent&>(*event))) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CResultsDlg::StartTimer(int interval) {
    StopTimer();
    m_timerId = startTimer(interval, Qt::PreciseTimer);
}

void CResultsDlg::StopTimer() {
    if (m_timerId != 0)
        killTimer(m_timerId);
    m_timerId = 0;
}

void CResultsDlg::ProcessNextJob() {
    m_processor.Process(TakeJob(m_queue), m_report);
    ++m_processed;
}

void CResultsDlg::Refresh() {
    ShowReport();
    QTextCursor cursor = m_reportEdit->textCursor();
    if (m_queue.Count() > 0) {
        cursor.movePosition(QTextCursor::End);
        m_reportEdit->setTextCursor(cursor);
        m_reportEdit->ensureCursorVisible();
    } else {
        cursor.movePosition(QTextCursor::Start);
        m_reportEdit->setTextCursor(cursor);
        m_reportEdit->verticalScrollBar()->setValue(0);
        m_reportEdit->horizontalScrollBar()->setValue(0);
    }
    setWindowTitle(ProgressTitle());
}

// Replacing the whole text would cost more with every refresh of a long run, so an unedited
// box only gets what is new; the box then shows the same text either way.
void CResultsDlg::ShowReport() {
    QTextDocument* document = m_reportEdit->document();
    if (m_shownBytes > 0 && !document->isModified()) {
        QTextCursor end(document);
        end.movePosition(QTextCursor::End);
        end.insertFragment(QTextDocumentFragment::fromPlainText(
            QString::fromUtf8(m_report.data() + m_shownBytes,
                              static_cast<qsizetype>(m_report.size() - m_shownBytes))));
    } else {
        m_reportEdit->setPlainText(QString::fromUtf8(m_report.data(), m_report.size()));
    }
    document->setModified(false);
    m_shownBytes = m_report.size();
}

QString CResultsDlg::ProgressTitle() const {
    const std::uint32_t total = m_queue.Total();
    const char* word = ProgressWord(m_mode);
    if (m_processed < total) {
        const auto percent = static_cast<unsigned>(std::uint64_t{m_processed} * 100 / total);
        return QString::asprintf("%u %s of %u; %u%% complete.", m_processed, word, total, percent);
    }
    return QString::asprintf("All %u %s!", m_processed, word);
}

} // namespace stampwright
