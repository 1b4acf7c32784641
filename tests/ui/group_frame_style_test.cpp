#include "ui/group_frame_style.hpp"

#include <QApplication>
#include <QGroupBox>
#include <QStyleFactory>
#include <QTest>
#include <memory>

// The frame style must draw exactly what Fusion draws; a Qt whose Fusion changes shows up here.
class GroupFrameStyleTest : public QObject {
    Q_OBJECT

private slots:
    void drawsGroupBoxesAsFusionDoes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("titled") << QStringLiteral("磁心尺寸") << false;
        QTest::newRow("untitled") << QString() << false;
        QTest::newRow("checkable") << QStringLiteral("结果") << true;
    }
    void drawsGroupBoxesAsFusionDoes() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        coilwind::ui::GroupFrameStyle frameStyle(QStringLiteral("fusion"));
        const auto render = [&](QStyle* style) {
            QGroupBox box(title);
            box.setCheckable(checkable);
            box.setStyle(style);
            box.resize(200, 90);
            return box.grab().toImage();
        };
        QCOMPARE(render(&frameStyle), render(fusion.get()));
    }
};

QTEST_MAIN(GroupFrameStyleTest)
#include "group_frame_style_test.moc"
