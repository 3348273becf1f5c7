#include "file_chooser.h"
#include "file_fixture.h"
#include "message_box.h"
#include "results_dlg.h"
#include "stamp_dlg.h"
#include "ui_test_support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace stampwright;
using stampwright::testing::FakeClocks;
using stampwright::testing::OpenModal;
using stampwright::testing::ReadFile;
using stampwright::testing::TempDir;
using stampwright::testing::Utc;
using stampwright::testing::WhenModalOpens;
using stampwright::testing::WriteFile;

namespace {

// 15:28:02 UTC on 12 July 2008; the tests run with TZ=UTC.
const TimeValue kShot = Utc(2008, 7, 12, 15, 28, 2);

template <class Widget> Widget* Child(QWidget& window, const char* name) {
    auto* child = window.findChild<Widget*>(QLatin1String(name));
    if (child == nullptr)
        qFatal("no control %s", name);
    return child;
}

QString ListText(CStampDlg& window) {
    return Child<QPlainTextEdit>(window, "listEdit")->toPlainText();
}

} // namespace

class StampDlgTest : public QObject {
    Q_OBJECT

public:
    StampDlgTest() {
        qputenv("TZ", "UTC");
        tzset();
    }

private:
    AppSettings m_settings{"", "MV"};
    FakeClocks m_clocks;
    std::unique_ptr<CStampDlg> m_window;
    QStringList m_resultTitles; // final titles of the results windows that opened

    void click(const char* button) {
        QTest::mouseClick(Child<QPushButton>(*m_window, button), Qt::LeftButton);
    }
    void setBox(const char* name, const QString& text) {
        Child<QLineEdit>(*m_window, name)->setText(text);
    }

    // Answers the next results window: waits up to `wait` ms for its final title, records
    // title and text, then closes it.
    void finishNextRun(int wait = 5000) {
        WhenModalOpens([this, wait] {
            auto* results = OpenModal<CResultsDlg>();
            if (results == nullptr)
                return;
            (void)QTest::qWaitFor([results] { return results->windowTitle().startsWith("All "); },
                                  wait);
            m_resultTitles.append(results->windowTitle() + "|" +
                                  results->findChild<QPlainTextEdit*>()->toPlainText());
            results->close();
        });
    }

private slots:
    void init() {
        m_settings = AppSettings{"", "MV"};
        m_clocks.AdvanceOnEveryReading(1001);
        m_window = std::make_unique<CStampDlg>(m_settings, m_clocks.Services());
        m_window->show();
        m_resultTitles.clear();
        MessageBox::TakeAnsweredTexts();
    }

    void startsWithRememberedInitialsAndZeroes() {
        QCOMPARE(Child<QLineEdit>(*m_window, "initialsEdit")->text(), QStringLiteral("MV"));
        QCOMPARE(Child<QLineEdit>(*m_window, "hoursEdit")->text(), QStringLiteral("0"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Stampwright"));
        QCOMPARE(m_window->focusWidget(), Child<QWidget>(*m_window, "listEdit"));
    }

    void validation_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString notInteger = "Please enter an integer.";
        const QString hoursRange = "Please enter an integer between 0 and 24.";
        const QString minutesRange = "Please enter an integer between 0 and 59.";
        QTest::newRow("25") << "hoursEdit"
                            << "25" << hoursRange;
        QTest::newRow("24") << "hoursEdit"
                            << "24"
                            << "";
        QTest::newRow("empty") << "hoursEdit"
                               << "" << notInteger;
        QTest::newRow("blank") << "hoursEdit"
                               << "   " << notInteger;
        QTest::newRow("007") << "hoursEdit"
                             << "007"
                             << "";
        QTest::newRow("+5") << "hoursEdit"
                            << "+5"
                            << "";
        QTest::newRow("1 2") << "hoursEdit"
                             << "1 2" << notInteger;
        QTest::newRow("+0") << "hoursEdit"
                            << "+0" << notInteger;
        QTest::newRow("-0") << "hoursEdit"
                            << "-0" << notInteger;
        QTest::newRow("2147483648") << "hoursEdit"
                                    << "2147483648" << hoursRange;
        QTest::newRow("-3") << "hoursEdit"
                            << "-3" << hoursRange;
        QTest::newRow("60 minutes") << "minutesEdit"
                                    << "60" << minutesRange;
        QTest::newRow("60 seconds") << "secondsEdit"
                                    << "60" << minutesRange;
        QTest::newRow("59 seconds") << "secondsEdit"
                                    << "59"
                                    << "";
    }

    void validation() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        setBox(box.toLatin1().constData(), text);
        setBox("initialsEdit", "ZZ");
        if (message.isEmpty())
            finishNextRun();
        else
            MessageBox::SetNextAnswer(QMessageBox::Ok);
        click("previewButton");

        if (message.isEmpty()) {
            QCOMPARE(m_resultTitles.size(), 1);
            QVERIFY(MessageBox::TakeAnsweredTexts().isEmpty());
            QCOMPARE(m_settings.cameraInitials, "ZZ");
            // A run never writes the fields back.
            QCOMPARE(Child<QLineEdit>(*m_window, box.toLatin1().constData())->text(), text);
            return;
        }
        QCOMPARE(MessageBox::TakeAnsweredTexts(), QStringList{message});
        QVERIFY(m_resultTitles.isEmpty());
        // Fields after the failing box are not read.
        QCOMPARE(m_settings.cameraInitials, "MV");
        auto* failing = Child<QLineEdit>(*m_window, box.toLatin1().constData());
        QCOMPARE(m_window->focusWidget(), failing);
        QCOMPARE(failing->selectedText(), failing->text());
    }

    void previewOfThreeFilesShowsBatchTextAndTouchesNothing() {
        TempDir dir;
        for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG", "MOV_0003.AVI"})
            WriteFile(dir / name, name, kShot);
        Child<QPlainTextEdit>(*m_window, "listEdit")
            ->setPlainText(QString::fromStdString((dir / "IMG_0001.JPG") + "\n" +
                                                  (dir / "IMG_0002.JPG") + "\n\n  " +
                                                  (dir / "MOV_0003.AVI")));
        setBox("minutesEdit", "2");
        setBox("secondsEdit", "10");
        finishNextRun();
        click("previewButton");

        QCOMPARE(m_resultTitles.size(), 1);
        const QStringList shown = m_resultTitles.first().split('|');
        QCOMPARE(shown[0], QStringLiteral("All 3 Batch Commands Created!"));
        QVERIFY(shown[1].startsWith("REM Here are the commands"));
        QVERIFY(
            shown[1].contains("ren \"IMG_0002.JPG\" \"20080712_153012_MV_0002.JPG\"\nREM copy \"" +
                              QString::fromStdString(dir / "IMG_0002.JPG") + "\" \""));
        QVERIFY(shown[1].contains("ren \"MOV_0003.AVI\" \"20080712_153012_MV_0003.AVI\""));
        QCOMPARE(dir.Names(),
                 (std::vector<std::string>{"IMG_0001.JPG", "IMG_0002.JPG", "MOV_0003.AVI"}));
        QVERIFY(m_window->isVisible());
    }

    void renameItAsksFirstAndRenamesOnlyOnOk() {
        TempDir dir;
        WriteFile(dir / "DSC01234.jpg", "photo", kShot);
        Child<QPlainTextEdit>(*m_window, "listEdit")
            ->setPlainText(QString::fromStdString(dir / "DSC01234.jpg"));

        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        click("renameButton");
        QCOMPARE(MessageBox::TakeAnsweredTexts().size(), 1);
        QCOMPARE(dir.Names(), std::vector<std::string>{"DSC01234.jpg"});

        MessageBox::SetNextAnswer(QMessageBox::Ok);
        finishNextRun();
        click("renameButton");
        QCOMPARE(m_resultTitles.value(0).section('|', 0, 0),
                 QStringLiteral("All 1 Files Renamed!"));
        QCOMPARE(ReadFile(dir / "20080712_152802_MV_01234.jpg"), "photo");
        // The list keeps naming the old paths.
        QCOMPARE(ListText(*m_window), QString::fromStdString(dir / "DSC01234.jpg"));
    }

    void confirmationComesBeforeValidation() {
        setBox("hoursEdit", "25");
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        click("renameButton");
        const QStringList texts = MessageBox::TakeAnsweredTexts();
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts[0].startsWith("Are you sure you want to rename the files?\r\n\r\n"));
        QCOMPARE(texts[1], QStringLiteral("Please enter an integer between 0 and 24."));
        QVERIFY(m_resultTitles.isEmpty());
    }

    void closingTheResultsWindowPartWayLeavesTheRestUntouched() {
        TempDir dir;
        QString list;
        for (int i = 0; i < 300; ++i) {
            const std::string path = dir / ("IMG_" + std::to_string(1000 + i) + ".JPG");
            WriteFile(path, std::to_string(i), kShot + i);
            list += QString::fromStdString(path) + "\n";
        }
        Child<QPlainTextEdit>(*m_window, "listEdit")->setPlainText(list);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        WhenModalOpens([&dir] {
            auto* results = OpenModal<CResultsDlg>();
            QVERIFY(results != nullptr);
            QTRY_VERIFY(results->Queue().Count() < 298);
            results->close();
        });
        click("renameButton");

        const std::vector<std::string> names = dir.Names();
        QCOMPARE(names.size(), 300u);
        const auto untouched = std::count_if(names.begin(), names.end(), [](const std::string& n) {
            return n.rfind("IMG_", 0) == 0;
        });
        QVERIFY2(untouched > 0 && untouched < 298, std::to_string(untouched).c_str());
        for (const std::string& name : names) {
            const std::string content = ReadFile(dir / name);
            const std::string serial = std::to_string(1000 + std::stoi(content));
            QVERIFY2(name.find(serial) != std::string::npos, name.c_str());
        }
    }

    void enterInANumberBoxPreviewsAndInTheListAddsALine() {
        finishNextRun(1500);
        QTest::keyClick(Child<QLineEdit>(*m_window, "hoursEdit"), Qt::Key_Return);
        QCOMPARE(m_resultTitles.size(), 1);
        QVERIFY2(m_resultTitles[0].startsWith("Results as a Batch File|REM Here are"),
                 "an empty run keeps its caption and shows the header");

        auto* list = Child<QPlainTextEdit>(*m_window, "listEdit");
        list->setPlainText("a");
        list->moveCursor(QTextCursor::End);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClicks(list, "b");
        QCOMPARE(list->toPlainText(), QStringLiteral("a\nb"));
    }

    void keysThatQuit_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Esc in a number box")
            << "hoursEdit" << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Esc in the list")
            << "listEdit" << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+Break in the list")
            << "listEdit" << int(Qt::Key_Pause) << int(Qt::ControlModifier);
    }

    void keysThatQuit() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QTest::keyClick(Child<QWidget>(*m_window, control.toLatin1().constData()), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->result(), int(QDialog::Rejected));
    }

    void tabVisitsTheTabStopsInLayoutOrder() {
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
            visited.append(m_window->focusWidget()->objectName());
        }
        QCOMPARE(visited, (QStringList{"browseButton", "appendButton", "hoursEdit", "minutesEdit",
                                       "secondsEdit", "addRadio", "initialsEdit", "previewButton",
                                       "renameButton", "quitButton", "helpButton", "listEdit"}));
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("helpButton"));

        Child<QRadioButton>(*m_window, "subtractRadio")->setChecked(true);
        Child<QLineEdit>(*m_window, "secondsEdit")->setFocus();
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("subtractRadio"));
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("initialsEdit"));
    }

    void ctrlTabTypesATabInTheList() {
        auto* list = Child<QPlainTextEdit>(*m_window, "listEdit");
        QTest::keyClicks(list, "a");
        QTest::keyClick(list, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClicks(list, "b");
        QCOMPARE(list->toPlainText(), QStringLiteral("a\tb"));
        QCOMPARE(m_window->focusWidget(), list);
    }

    void numberBoxesTakeOnlyDigits() {
        auto* hours = Child<QLineEdit>(*m_window, "hoursEdit");
        hours->clear();
        QTest::keyClicks(hours, "1a+ 2");
        QCOMPARE(hours->text(), QStringLiteral("12"));
    }

    void browseSortsAndRemembersTheDirectory() {
        setBox("hoursEdit", "007");
        FileChooser::SetNextSelection(QStringList{"/Pics/B.jpg", "/Pics/a.jpg", "/Pics/C.JPG"});
        click("browseButton");
        QCOMPARE(ListText(*m_window), QStringLiteral("/Pics/a.jpg\n/Pics/B.jpg\n/Pics/C.JPG"));
        QCOMPARE(m_settings.directory, "/Pics/");
        QCOMPARE(Child<QLineEdit>(*m_window, "hoursEdit")->text(), QStringLiteral("7"));

        FileChooser::SetNextSelection(QStringList{"/Other/z.jpg"});
        click("appendButton");
        QCOMPARE(ListText(*m_window),
                 QStringLiteral("/Pics/a.jpg\n/Pics/B.jpg\n/Pics/C.JPG\n/Other/z.jpg"));
        QCOMPARE(m_settings.directory, "/Pics/");

        FileChooser::SetNextSelection(std::nullopt);
        click("browseButton");
        QCOMPARE(ListText(*m_window),
                 QStringLiteral("/Pics/a.jpg\n/Pics/B.jpg\n/Pics/C.JPG\n/Other/z.jpg"));
    }

    void appendOntoAClearedListStartsTheDirectoryAgain() {
        m_settings.directory = "/Pics/";
        FileChooser::SetNextSelection(QStringList{"/New/x.jpg"});
        click("appendButton");
        QCOMPARE(m_settings.directory, "/New/");
        QCOMPARE(ListText(*m_window), QStringLiteral("/New/x.jpg"));
    }

    void invalidTimeKeepsTheChooserClosed() {
        setBox("hoursEdit", "25");
        FileChooser::SetNextSelection(QStringList{"/Pics/a.jpg"});
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        click("browseButton");
        QCOMPARE(ListText(*m_window), QString());
        QCOMPARE(MessageBox::TakeAnsweredTexts().size(), 1);
        setBox("hoursEdit", "1");
        click("browseButton");
        // The first click took no selection from the queue.
        QCOMPARE(ListText(*m_window), QStringLiteral("/Pics/a.jpg"));
    }
};

QTEST_MAIN(StampDlgTest)
#include "stamp_dlg_test.moc"
