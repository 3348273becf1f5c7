#include "file_fixture.h"
#include "results_dlg.h"
#include "results_header.h"
#include "ui_test_support.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

using namespace stampwright;
using stampwright::testing::FakeClocks;
using stampwright::testing::FireTimer;
using stampwright::testing::TempDir;
using stampwright::testing::WriteFile;

namespace {

QString BoxText(CResultsDlg& dialog) {
    return dialog.findChild<QPlainTextEdit*>(QStringLiteral("reportEdit"))->toPlainText();
}

QString ReportAsShown(const ReportText& report) {
    return QString::fromUtf8(report.data(), report.size())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void Queue(CResultsDlg& dialog, int count, const std::string& folder = "/nonexistent") {
    for (int i = 0; i < count; ++i)
        AddJob(dialog.Queue(), folder + "/IMG_" + std::to_string(i) + ".JPG", "MV", 0);
}

// Fires timer events until the window's timer interval says the queue ran dry.
void FireJobs(CResultsDlg& dialog, int count) {
    for (int i = 0; i < count; ++i)
        FireTimer(dialog, dialog.TimerId());
}

} // namespace

class ResultsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void progressTitlesRoundDown_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("processed");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("title");
        QTest::newRow("2 of 3") << 1 << 2 << 3 << "2 Files Renamed of 3; 66% complete.";
        QTest::newRow("1 of 3") << 0 << 1 << 3 << "1 Batch Commands Created of 3; 33% complete.";
        QTest::newRow("3 of 10") << 1 << 3 << 10 << "3 Files Renamed of 10; 30% complete.";
        QTest::newRow("199 of 200")
            << 0 << 199 << 200 << "199 Batch Commands Created of 200; 99% complete.";
    }

    void progressTitlesRoundDown() {
        QFETCH(int, mode);
        QFETCH(int, processed);
        QFETCH(int, total);
        QFETCH(QString, title);
        FakeClocks clocks;
        RefreshTiming timing;
        CResultsDlg dialog(RunMode(mode), clocks.Services(), timing);
        Queue(dialog, total);
        dialog.show();
        FireJobs(dialog, processed - 1);
        clocks.Advance(1001);
        FireJobs(dialog, 1);
        QCOMPARE(dialog.windowTitle(), title);
    }

    void refreshesAtMostOnceASecond() {
        FakeClocks clocks;
        RefreshTiming timing{100000, false};
        CResultsDlg dialog(RunMode::RenameNow, clocks.Services(), timing);
        Queue(dialog, 5);
        dialog.show();
        FireJobs(dialog, 1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Results as a Batch File"));
        clocks.Advance(1000);
        FireJobs(dialog, 1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Results as a Batch File"));
        clocks.Advance(1);
        FireJobs(dialog, 1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("3 Files Renamed of 5; 60% complete."));
        QCOMPARE(timing.lastRefresh, 101001u);
        QVERIFY(!timing.pending);
    }

    void finalRefreshComesOnTheSlowTimerAndShowsTheReportFromTheTop() {
        FakeClocks clocks;
        RefreshTiming timing;
        CResultsDlg dialog(RunMode::Batch, clocks.Services(), timing);
        AppendResultsHeader(dialog.Report(), RunMode::Batch, 0);
        Queue(dialog, 60);
        dialog.show();
        FireJobs(dialog, 60);
        QCOMPARE(dialog.windowTitle(),
                 QStringLiteral("1 Batch Commands Created of 60; 1% complete."));
        QVERIFY(timing.pending);
        clocks.Advance(1001);
        FireTimer(dialog, dialog.TimerId());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("All 60 Batch Commands Created!"));
        QCOMPARE(BoxText(dialog), ReportAsShown(dialog.Report()));
        auto* box = dialog.findChild<QPlainTextEdit*>();
        QCOMPARE(box->textCursor().position(), 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QVERIFY(!timing.pending);

        clocks.Advance(5000);
        FireTimer(dialog, dialog.TimerId());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("All 60 Batch Commands Created!"));
    }

    void firstRefreshOfTheProgramsLifeComesWithTheFirstJob() {
        FakeClocks clocks;
        RefreshTiming timing;
        CResultsDlg dialog(RunMode::RenameNow, clocks.Services(), timing);
        Queue(dialog, 1);
        dialog.show();
        FireJobs(dialog, 1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("All 1 Files Renamed!"));
    }

    void emptyRunKeepsItsCaptionUnlessAnEarlierRunLeftARefreshPending() {
        FakeClocks clocks;
        RefreshTiming timing{100000, false};
        {
            CResultsDlg empty(RunMode::Batch, clocks.Services(), timing);
            empty.show();
            clocks.Advance(5000);
            FireJobs(empty, 3);
            QCOMPARE(empty.windowTitle(), QStringLiteral("Results as a Batch File"));
        }
        {
            CResultsDlg interrupted(RunMode::Batch, clocks.Services(), timing);
            Queue(interrupted, 3);
            interrupted.show();
            FireJobs(interrupted, 2); // the first refreshes, the second is left pending
            interrupted.close();
        }
        QVERIFY(timing.pending);
        CResultsDlg empty(RunMode::RenameNow, clocks.Services(), timing);
        empty.show();
        FireJobs(empty, 1);
        QCOMPARE(empty.windowTitle(), QStringLiteral("Results as a Batch File"));
        clocks.Advance(1001);
        FireJobs(empty, 1);
        QCOMPARE(empty.windowTitle(), QStringLiteral("All 0 Files Renamed!"));
    }

    void closingStopsTheRunAndLaterTimerEventsDoNothing() {
        TempDir dir;
        for (int i = 0; i < 4; ++i)
            WriteFile(dir / ("IMG_" + std::to_string(i) + ".JPG"), "x", 1215876482);
        FakeClocks clocks;
        RefreshTiming timing;
        CResultsDlg dialog(RunMode::RenameNow, clocks.Services(), timing);
        Queue(dialog, 4, dir.Path().string());
        dialog.show();
        const int timer = dialog.TimerId();
        FireJobs(dialog, 2);
        dialog.close();
        QCOMPARE(dialog.TimerId(), 0);
        FireTimer(dialog, timer);
        QCOMPARE(dialog.Queue().Count(), 2u);
        const std::vector<std::string> names = dir.Names();
        QCOMPARE(std::count_if(names.begin(), names.end(),
                               [](const std::string& n) { return n.rfind("IMG_", 0) == 0; }),
                 2);
    }

    void escapeAndCtrlBreakEndTheWindow_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+Break") << int(Qt::Key_Pause) << int(Qt::ControlModifier);
    }

    void escapeAndCtrlBreakEndTheWindow() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        FakeClocks clocks;
        RefreshTiming timing;
        CResultsDlg dialog(RunMode::Batch, clocks.Services(), timing);
        Queue(dialog, 3);
        dialog.show();
        QTest::keyClick(dialog.findChild<QPlainTextEdit*>(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.TimerId(), 0);
    }

    void textTypedDuringTheRunIsReplacedAtTheNextRefresh() {
        FakeClocks clocks;
        RefreshTiming timing{100000, false};
        CResultsDlg dialog(RunMode::Batch, clocks.Services(), timing);
        AppendResultsHeader(dialog.Report(), RunMode::Batch, 0);
        Queue(dialog, 4);
        dialog.show();
        auto* box = dialog.findChild<QPlainTextEdit*>();
        QCOMPARE(dialog.focusWidget(), box);
        QCOMPARE(box->textCursor().selectedText().size(), box->toPlainText().size());
        clocks.Advance(1001);
        FireJobs(dialog, 1);
        box->moveCursor(QTextCursor::Start);
        QTest::keyClicks(box, "typed");
        QVERIFY(BoxText(dialog).startsWith("typed"));
        clocks.Advance(1001);
        FireJobs(dialog, 1);
        QCOMPARE(BoxText(dialog), ReportAsShown(dialog.Report()));
        QCOMPARE(box->textCursor().position(), box->toPlainText().size());
        clocks.Advance(1001);
        FireJobs(dialog, 1);
        QCOMPARE(BoxText(dialog), ReportAsShown(dialog.Report()));
    }
};

QTEST_MAIN(ResultsDlgTest)
#include "results_dlg_test.moc"
