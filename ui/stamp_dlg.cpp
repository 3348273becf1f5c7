#include "stamp_dlg.h"

#include "about_box.h"
#include "app_icon.h"
#include "chosen_files.h"
#include "dialog_units.h"
#include "file_chooser.h"
#include "integer_field.h"
#include "list_cutting.h"
#include "message_box.h"
#include "modal_run.h"
#include "placement.h"
#include "results_dlg.h"
#include "results_header.h"
#include "time_change.h"

#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShortcut>

namespace stampwright {
namespace {

const char kConfirmRename[] =
    "Are you sure you want to rename the files?\r\n\r\nAs soon as you select OK, the renaming "
    "will start,\r\nand you won't be able to undo it!  Though if you're\r\nquick, you can close "
    "the window before it gets too far.";

template <class Control>
Control* Place(Control* control, const DialogBaseUnits& base, const char* name, int x, int y,
               int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(DluRect(base, x, y, width, height));
    return control;
}

QLabel* FieldLabel(QWidget* owner, const DialogBaseUnits& base, const char* text, int x,
                   int width) {
    auto* label = new QLabel(QLatin1String(text), owner);
    label->setGeometry(DluRect(base, x, 223, width, 12));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLineEdit* NumberBox(QWidget* owner, const DialogBaseUnits& base, const char* name, int x) {
    auto* box = Place(new QLineEdit(owner), base, name, x, 223, 20, 12);
    // Only digits can be typed, as in the classic number box.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return box;
}

QPushButton* Button(QWidget* owner, const DialogBaseUnits& base, const char* name, const char* text,
                    int x, int y, int width) {
    return Place(new QPushButton(QLatin1String(text), owner), base, name, x, y, width, 14);
}

bool IsKey(const QEvent& event, Qt::Key key, Qt::KeyboardModifier modifier) {
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& press = static_cast<const QKeyEvent&>(event);
    return press.key() == key && press.modifiers().testFlag(modifier);
}

} // namespace

CStampDlg::CStampDlg(AppSettings& settings, const RunServices& services, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_services(services),
      m_initials(settings.cameraInitials) {
    setWindowTitle(QStringLiteral("Stampwright"));
    setWindowIcon(AppIcon());
    CreateControls();
    ConnectCommands();
    WriteFields();
    m_listEdit->setFocus();
}

void CStampDlg::CreateControls() {
    const DialogBaseUnits base = SetUpFixedDialog(*this, 392, 247);

    Place(new QGroupBox(QStringLiteral("List of Files to Process"), this), base, "listGroup", 7, 7,
          320, 200);
    m_listEdit = Place(new QPlainTextEdit(this), base, "listEdit", 15, 20, 304, 160);
    m_listEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_listEdit->setTabChangesFocus(true);
    m_listEdit->installEventFilter(this);
    m_browseButton = Button(this, base, "browseButton", "Browse for Files", 43, 186, 112);
    m_appendButton = Button(this, base, "appendButton", "Append More Files", 188, 186, 112);

    Place(new QGroupBox(QStringLiteral("Time Change"), this), base, "timeGroup", 7, 212, 262, 28);
    FieldLabel(this, base, "Hours:", 15, 24);
    m_hoursEdit = NumberBox(this, base, "hoursEdit", 39);
    FieldLabel(this, base, "Minutes:", 63, 30);
    m_minutesEdit = NumberBox(this, base, "minutesEdit", 93);
    FieldLabel(this, base, "Seconds:", 117, 33);
    m_secondsEdit = NumberBox(this, base, "secondsEdit", 150);
    m_addRadio =
        Place(new QRadioButton(QStringLiteral("Add"), this), base, "addRadio", 186, 223, 31, 12);
    m_subtractRadio = Place(new QRadioButton(QStringLiteral("Subtract"), this), base,
                            "subtractRadio", 221, 223, 45, 12);
    // The pair is one tab stop, reached at its checked button; arrows move within it.
    for (QRadioButton* radio : {m_addRadio, m_subtractRadio}) {
        radio->setFocusPolicy(Qt::ClickFocus);
        connect(radio, &QRadioButton::toggled, radio, [radio](bool checked) {
            radio->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }

    Place(new QGroupBox(QStringLiteral("Initials to Identify Camera"), this), base, "initialsGroup",
          277, 212, 108, 28);
    m_initialsEdit = Place(new QLineEdit(this), base, "initialsEdit", 285, 223, 93, 12);

    m_previewButton = Button(this, base, "previewButton", "Preview It", 335, 7, 50);
    m_previewButton->setDefault(true);
    m_renameButton = Button(this, base, "renameButton", "Rename It", 335, 29, 50);
    m_quitButton = Button(this, base, "quitButton", "Quit", 335, 51, 50);
    m_helpButton = Button(this, base, "helpButton", "Help", 335, 73, 50);

    const QList<QWidget*> tabOrder = {
        m_listEdit,     m_browseButton, m_appendButton,  m_hoursEdit,    m_minutesEdit,
        m_secondsEdit,  m_addRadio,     m_subtractRadio, m_initialsEdit, m_previewButton,
        m_renameButton, m_quitButton,   m_helpButton};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void CStampDlg::ConnectCommands() {
    connect(m_previewButton, &QPushButton::clicked, this, [this] { StartRun(RunMode::Batch); });
    connect(m_renameButton, &QPushButton::clicked, this, &CStampDlg::ConfirmAndRename);
    connect(m_quitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_browseButton, &QPushButton::clicked, this, [this] { AddFilesFromChooser(false); });
    connect(m_appendButton, &QPushButton::clicked, this, [this] { AddFilesFromChooser(true); });
    connect(m_helpButton, &QPushButton::clicked, this, [this] { ShowAboutBox(this); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { ShowAboutBox(this); });
}

void CStampDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreWindow(*this);
}

bool CStampDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_listEdit) {
        if (IsKey(*event, Qt::Key_Tab, Qt::ControlModifier)) {
            m_listEdit->insertPlainText(QStringLiteral("\t"));
            return true;
        }
        if (IsKey(*event, Qt::Key_Pause, Qt::ControlModifier) ||
            IsKey(*event, Qt::Key_Cancel, Qt::ControlModifier)) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CStampDlg::ReadNumber(QLineEdit* box, int low, int high, std::int32_t& member) {
    const std::optional<std::int32_t> value = ReadIntegerField(box->text().left(31).toStdString());
    QString problem;
    if (!value) {
        problem = QStringLiteral("Please enter an integer.");
    } else {
        member = *value;
        if (!InRange(*value, low, high))
            problem =
                QStringLiteral("Please enter an integer between %1 and %2.").arg(low).arg(high);
    }
    if (problem.isEmpty())
        return true;
    MessageBox::Show(this, problem);
    box->setFocus();
    box->selectAll();
    return false;
}

bool CStampDlg::ReadFields() {
    if (!ReadNumber(m_hoursEdit, 0, 24, m_hours) || !ReadNumber(m_minutesEdit, 0, 59, m_minutes) ||
        !ReadNumber(m_secondsEdit, 0, 59, m_seconds))
        return false;
    m_listText = m_listEdit->toPlainText().toStdString();
    m_direction = m_subtractRadio->isChecked() ? kSubtract : m_addRadio->isChecked() ? kAdd : -1;
    m_initials = m_initialsEdit->text().toStdString();
    return true;
}

void CStampDlg::WriteFields() {
    m_hoursEdit->setText(QString::number(m_hours));
    m_minutesEdit->setText(QString::number(m_minutes));
    m_secondsEdit->setText(QString::number(m_seconds));
    m_listEdit->setPlainText(QString::fromStdString(m_listText));
    m_addRadio->setChecked(m_direction == kAdd);
    m_subtractRadio->setChecked(m_direction == kSubtract);
    m_initialsEdit->setText(QString::fromStdString(m_initials));
}

void CStampDlg::ConfirmAndRename() {
    const QMessageBox::StandardButton answer =
        MessageBox::Show(this, QString::fromLatin1(kConfirmRename),
                         QStringLiteral("Last chance to avoid Renaming Files"),
                         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Ok)
        StartRun(RunMode::RenameNow);
}

void CStampDlg::StartRun(RunMode mode) {
    if (!ReadFields())
        return;
    m_settings.cameraInitials = m_initials;
    const std::int32_t offset = ComputeOffset(m_hours, m_minutes, m_seconds, m_direction);
    CResultsDlg results(mode, m_services, m_refreshTiming, this);
    AppendResultsHeader(results.Report(), mode, m_services.now());
    QueueJobsFromList(m_listText, m_initials, offset, results.Queue());
    RunModal(results);
}

void CStampDlg::AddFilesFromChooser(bool append) {
    if (!ReadFields())
        return;
    const std::optional<QStringList> chosen =
        FileChooser::ChooseFiles(this, QString::fromStdString(m_settings.directory));
    if (!chosen)
        return;
    if (!append)
        m_listText.clear();
    std::vector<std::string> paths;
    for (const QString& file : *chosen)
        paths.push_back(QFile::encodeName(file).toStdString());
    AddChosenPaths(std::move(paths), m_listText, m_settings.directory);
    WriteFields();
}

} // namespace stampwright
