#include "ui/placement.hpp"

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTest>

// The 559 x 601 client area centred on the screen, half pixels dropped, nothing clamped.
class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void startupPosition_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1024x768") << QSize(1024, 768) << QPoint(232, 83);
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QPoint(680, 239);
        QTest::newRow("smaller than the window") << QSize(400, 300) << QPoint(-80, -151);
    }
    void startupPosition() {
        QFETCH(QSize, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(coilwind::ui::startupPosition(screen, QSize(559, 601)), expected);
    }
};

QTEST_APPLESS_MAIN(PlacementTest)
#include "placement_test.moc"
