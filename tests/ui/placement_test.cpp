#include "placement.h"
#include "ui_test_support.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using namespace stampwright;

Q_DECLARE_METATYPE(stampwright::ScreenRect)

namespace {

// Within a pixel each way: the platform may add frame margins, and QRect's centre rounds.
bool Near(const QPoint& a, const QPoint& b) {
    return (a - b).manhattanLength() <= 2;
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void placesAndClamps_data() {
        QTest::addColumn<ScreenRect>("reference");
        QTest::addColumn<ScreenRect>("area");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        const ScreenRect screen{0, 0, 1920, 1040};
        QTest::newRow("centred over owner")
            << ScreenRect{100, 100, 900, 700} << screen << 400 << 300 << 300 << 250;
        QTest::newRow("odd sizes truncate")
            << ScreenRect{0, 0, 101, 101} << screen << 51 << 51 << 25 << 25;
        QTest::newRow("clamped left and top")
            << ScreenRect{-50, -40, 150, 60} << screen << 400 << 300 << 0 << 0;
        QTest::newRow("clamped right and bottom")
            << ScreenRect{1800, 950, 1920, 1040} << screen << 400 << 300 << 1520 << 740;
        QTest::newRow("second monitor")
            << ScreenRect{2000, 100, 2400, 500} << ScreenRect{1920, 0, 3840, 1080} << 600 << 200
            << 1920 << 200;
        QTest::newRow("larger than area keeps left edge")
            << screen << screen << 2000 << 1200 << 0 << 0;
        QTest::newRow("negative centre truncates toward zero")
            << ScreenRect{-301, -301, 0, 0} << ScreenRect{-1000, -1000, 0, 0} << 100 << 100 << -200
            << -200;
    }

    void placesAndClamps() {
        QFETCH(ScreenRect, reference);
        QFETCH(ScreenRect, area);
        QFETCH(int, width);
        QFETCH(int, height);
        const ScreenPoint at = PlaceWindow(reference, area, width, height);
        QFETCH(int, left);
        QFETCH(int, top);
        QCOMPARE(at.x, left);
        QCOMPARE(at.y, top);
    }

    void ownerlessWindowCentresOnPrimaryWorkArea() {
        QDialog window;
        window.resize(300, 200);
        CentreWindow(window);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(Near(window.frameGeometry().center(), area.center()));
    }

    void visibleOwnerIsTheReference() {
        QDialog owner;
        owner.setGeometry(100, 100, 400, 300);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QDialog window(&owner);
        window.resize(100, 100);
        CentreWindow(window);
        QVERIFY(Near(window.frameGeometry().center(), owner.frameGeometry().center()));
    }

    void ownerThatCannotBeSeenIsNotTheReference_data() {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("hidden") << false;
        QTest::newRow("minimised") << true;
    }

    void ownerThatCannotBeSeenIsNotTheReference() {
        QFETCH(bool, minimised);
        QDialog owner;
        owner.setGeometry(0, 0, 200, 200);
        if (minimised) {
            owner.showMinimized();
            QVERIFY(owner.isMinimized());
        }
        QDialog window(&owner);
        window.resize(100, 100);
        CentreWindow(window);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(Near(window.frameGeometry().center(), area.center()));
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
