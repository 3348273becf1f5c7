#pragma once

#include "job_processor.h"
#include "job_queue.h"
#include "run_services.h"

#include <QDialog>

class QPlainTextEdit;

namespace stampwright {

// The modal window a run happens in: one job per timer event, so the window stays responsive
// and a person can close it part-way; the report and a progress title are refreshed at most
// about once a second.
class CResultsDlg : public QDialog {
    Q_OBJECT

public:
    CResultsDlg(RunMode mode, const RunServices& services, RefreshTiming& timing,
                QWidget* owner = nullptr);

    ReportText& Report() { return m_report; }
    JobQueue& Queue() { return m_queue; }
    int TimerId() const { return m_timerId; }

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void StartTimer(int interval);
    void StopTimer();
    void ProcessNextJob();
    void Refresh();
    void ShowReport();
    QString ProgressTitle() const;

    RunMode m_mode;
    ReportText m_report;
    int m_timerId = 0;
    std::uint32_t m_processed = 0;
    JobQueue m_queue;
    RunServices m_services;
    RefreshTiming& m_timing;
    JobProcessor m_processor;
    QPlainTextEdit* m_reportEdit = nullptr;
    std::size_t m_shownBytes = 0; // how much of the report the box shows
    bool m_started = false;
};

} // namespace stampwright
