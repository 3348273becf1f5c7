#include "about_box.h"
#include "results_dlg.h"
#include "stamp_dlg.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace stampwright;
using stampwright::testing::FakeClocks;
using stampwright::testing::OpenModal;
using stampwright::testing::WhenModalOpens;

namespace {

QString AllLabelTexts(QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.append(label->text());
    return texts.join('\n');
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

    AppSettings m_settings{"", "MV"};
    FakeClocks m_clocks;

    // Opens the main window, does `open`, and reports whether an About box came up.
    bool aboutBoxOpensOn(const std::function<void(CStampDlg&)>& open) {
        CStampDlg window(m_settings, m_clocks.Services());
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the main window never became active");
        // Shared, so that a check still pending when nothing opened cannot outlive it.
        auto opened = std::make_shared<bool>(false);
        WhenModalOpens([opened] {
            auto* box = OpenModal<CAboutBox>();
            *opened = box != nullptr;
            if (box != nullptr)
                QTest::keyClick(box, Qt::Key_Escape);
        });
        open(window);
        QCoreApplication::processEvents();
        return *opened;
    }

private slots:
    void carriesTheProgramsTextsAndNotice() {
        CAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About Stampwright"));
        const QString texts = AllLabelTexts(box);
        for (const char* expected :
             {"Stampwright Version 1.0", "2008\nThe Stampwright authors\nstampwright@example.org",
              "Who would ever want to do that?  Just people trying",
              "Hints and Instructions:", "as part of the name.  The renaming is done immediately",
              "will be in chronological order."})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("okButton"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(!box.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().isNull());
    }

    void okAndEscapeCloseIt() {
        CAboutBox box;
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!box.isVisible());
        box.show();
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }

    void helpButtonAndF1OpenIt() {
        QVERIFY(aboutBoxOpensOn([](CStampDlg& window) {
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("helpButton")),
                              Qt::LeftButton);
        }));
        QVERIFY(aboutBoxOpensOn([](CStampDlg& window) { QTest::keyClick(&window, Qt::Key_F1); }));
        QVERIFY(!aboutBoxOpensOn([](CStampDlg& window) { QTest::keyClick(&window, Qt::Key_F2); }));
    }

    void mainWindowIsUnchangedAfterwards() {
        CStampDlg window(m_settings, m_clocks.Services());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QPlainTextEdit*>()->setPlainText("kept");
        WhenModalOpens([] { OpenModal<CAboutBox>()->close(); });
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(window.isVisible());
        QCOMPARE(window.findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
