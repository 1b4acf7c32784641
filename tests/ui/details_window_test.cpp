#include "ui/details_window.hpp"
#include "ui/placement.hpp"
#include "window_fixture.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

using coilwind::ui::DetailsWindow;

namespace {

DetailsWindow* details(const Window& w) {
    return w->findChild<DetailsWindow*>();
}

QString figure(const Window& w, const char* key) {
    return details(w)->findChild<QLabel*>(QString::fromLatin1(key))->text();
}

// Opens the details and makes them the active window, as a click into them would.
DetailsWindow* openDetails(const Window& w) {
    w->showDetails();
    QApplication::setActiveWindow(details(w));
    return details(w);
}

void pressF2(const Window& w) {
    QTest::keyClick(w.focus(), Qt::Key_F2);
}

} // namespace

class DetailsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void f2OpensItBesideTheMainWindowAndRaisesIt() {
        Window w;
        QVERIFY(details(w) == nullptr); // made only when first asked for
        pressF2(w);
        DetailsWindow* opened = details(w);
        QVERIFY(opened != nullptr && opened->isVisible());
        QVERIFY(opened->isWindow());
        opened->close();
        QApplication::setActiveWindow(w.window.get());
        w->field(17)->setFocus();
        pressF2(w);
        QCOMPARE(details(w), opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(w.text(17), QStringLiteral("500")); // F2 types nothing into a field
    }

    void theResultFramesContextMenuOpensIt() {
        Window w;
        auto* frame = w.child<QGroupBox>("Frame3");
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            menu->actions().front()->trigger();
            menu->close();
        });
        // A right-click on the frame's own surface, passed up to the window as no control takes it.
        const QPoint free(4, frame->height() - 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, free, frame->mapToGlobal(free));
        QApplication::sendEvent(frame, &event);
        QVERIFY(details(w) != nullptr && details(w)->isVisible());
    }

    void placedBesideTheMainWindow() {
        using coilwind::ui::besidePosition;
        const QRect screen(0, 0, 1600, 1000);
        const QRect main(500, 200, 560, 620);
        QCOMPARE(besidePosition(main, QSize(500, 700), screen), QPoint(1068, 200)); // right
        QCOMPARE(besidePosition(main.translated(500, 0), QSize(500, 700), screen),
                 QPoint(492, 200)); // no room on the right: left
        QCOMPARE(besidePosition(QRect(100, 500, 1400, 600), QSize(600, 700), screen),
                 QPoint(0, 300)); // room on neither side: kept on the screen
    }

    void theDetailsFollowACalculation() {
        Window w;
        w->showDetails();
        QCOMPARE(figure(w, "whole-turns"), QStringLiteral("—")); // field 20 still empty
        QVERIFY(!details(w)->findChild<QLabel*>(QStringLiteral("reasons"))->text().isEmpty());
        w.click("Command1");
        QCOMPARE(figure(w, "whole-turns"), QStringLiteral("11"));
        QCOMPARE(figure(w, "standard-wire"), QStringLiteral("0.630 mm"));
        QVERIFY(
            w.child<QGroupBox>("Frame3")->toolTip().endsWith(QStringLiteral("F2: 绕线详情 "
                                                                            "(winding details)")));
        // Enter in field 19 after a new wanted inductance runs the turns stage: 40.2 turns.
        QTest::mouseClick(w->field(19), Qt::LeftButton);
        QTest::keyClicks(w->field(19), QStringLiteral("67"));
        w.enter();
        QCOMPARE(figure(w, "whole-turns"), QStringLiteral("41"));

        QTest::keyClick(openDetails(w), Qt::Key_C, Qt::ControlModifier);
        const QString report = QGuiApplication::clipboard()->text();
        QVERIFY(report.contains(QStringLiteral("wanted inductance, uH (field 19): 67\n")));
        QVERIFY(report.contains(QStringLiteral("整数圈数: 41")));
    }

    void everyControlIsReachedByTab() {
        Window w;
        openDetails(w)->findChild<QWidget*>(QStringLiteral("series"))->setFocus();
        QStringList visited;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // a spin box's own line edit counts as the spin box
            visited
                << (focus->objectName().isEmpty() ? focus->parentWidget() : focus)->objectName();
        }
        QCOMPARE(visited, (QStringList{"alTolerance", "temperature", "saturationFlux", "measured",
                                       "testTurns", "useAsAl", "copy", "close"}));
    }

    void calibrationWritesFieldEighteen() {
        Window w;
        w->showDetails();
        auto* measured = details(w)->findChild<QLineEdit*>(QStringLiteral("measured"));
        auto* turns = details(w)->findChild<QLineEdit*>(QStringLiteral("testTurns"));
        auto* message = details(w)->findChild<QLabel*>(QStringLiteral("calibrationMessage"));
        QTest::keyClicks(measured, QStringLiteral("x"));
        QTest::keyClicks(turns, QStringLiteral("10"));
        QTest::keyClick(turns, Qt::Key_Return);
        QCOMPARE(w.text(18), QString());
        QVERIFY(message->text().contains(QStringLiteral("measured L")));
        measured->setText(QStringLiteral("5"));
        QTest::mouseClick(details(w)->findChild<QWidget*>(QStringLiteral("useAsAl")),
                          Qt::LeftButton);
        QCOMPARE(w.text(18), QStringLiteral("50.0"));        // 1000 x 5 / 10^2
        QCOMPARE(figure(w, "l-whole"), QStringLiteral("—")); // no turns yet, still no number
    }
};

QTEST_MAIN(DetailsWindowTest)
#include "details_window_test.moc"
