#pragma once

#include "app_settings.h"
#include "rename_job.h"
#include "run_services.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace stampwright {

// The main window: the list of files, the time change and the camera initials, and the
// commands that start runs.
class CStampDlg : public QDialog {
    Q_OBJECT

public:
    explicit CStampDlg(AppSettings& settings, const RunServices& services = SystemRunServices(),
                       QWidget* parent = nullptr);

    // Reads every field into its member, stopping at the first box that is not a valid
    // number; that box then has the focus with its text selected.
    bool ReadFields();
    void WriteFields();

    void StartRun(RunMode mode);
    void AddFilesFromChooser(bool append);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectCommands();
    bool ReadNumber(QLineEdit* box, int low, int high, std::int32_t& member);
    void ConfirmAndRename();

    AppSettings& m_settings;
    RunServices m_services;
    RefreshTiming m_refreshTiming;

    std::int32_t m_hours = 0;
    std::int32_t m_minutes = 0;
    std::int32_t m_seconds = 0;
    std::string m_listText;
    int m_direction = 0;
    std::string m_initials;

    QPlainTextEdit* m_listEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QPushButton* m_appendButton = nullptr;
    QLineEdit* m_hoursEdit = nullptr;
    QLineEdit* m_minutesEdit = nullptr;
    QLineEdit* m_secondsEdit = nullptr;
    QRadioButton* m_addRadio = nullptr;
    QRadioButton* m_subtractRadio = nullptr;
    QLineEdit* m_initialsEdit = nullptr;
    QPushButton* m_previewButton = nullptr;
    QPushButton* m_renameButton = nullptr;
    QPushButton* m_quitButton = nullptr;
    QPushButton* m_helpButton = nullptr;
};

} // namespace stampwright
