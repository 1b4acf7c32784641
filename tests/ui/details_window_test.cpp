#include "batch/command_line.hpp"
#include "calc/settings_limits.hpp"
#include "ui/details_window.hpp"
#include "ui/placement.hpp"
#include "window_fixture.hpp"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <sstream>

using coilwind::SettingLimit;
using coilwind::ui::DetailsWindow;

namespace {

DetailsWindow* details(const Window& w) {
    return w->findChild<DetailsWindow*>();
}

QString figure(const Window& w, const char* key) {
    return details(w)->findChild<QLabel*>(QString::fromLatin1(key))->text();
}

QLabel* label(const Window& w, const char* name) {
    return details(w)->findChild<QLabel*>(QString::fromLatin1(name));
}

// Types over a field's text in the main window as the user does, then presses Enter in it when
// asked.
void retype(const Window& w, coilwind::FieldIndex index, const QString& text, bool enter = false) {
    QApplication::setActiveWindow(w.window.get());
    QTest::mouseClick(w->field(index), Qt::LeftButton); // selects the whole text
    QTest::keyClicks(w->field(index), text);
    if (enter) {
        QTest::keyClick(w->field(index), Qt::Key_Return);
    }
}

QString copiedReport(const Window& w) {
    details(w)->copyReport();
    return QGuiApplication::clipboard()->text();
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
        auto* frame = w.child<QGroupBox>(coilwind::control::kResults);
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
        const QRect fields(600, 220, 300, 380);
        QCOMPARE(besidePosition(main, QSize(500, 700), screen, fields), QPoint(1068, 200));
        QCOMPARE(besidePosition(main.translated(500, 0), QSize(500, 700), screen,
                                fields.translated(500, 0)),
                 QPoint(492, 200)); // no room on the right: left
    }

    // The main window where it starts on each screen, the details window at its opening size
    // with no frame and with a title bar, and the fields the calculation reads or writes.
    void placementLeavesTheFieldsUncovered_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("frame");
        for (const QSize screen : {QSize(1280, 800), QSize(1920, 1080), QSize(1024, 600)}) {
            for (const QSize frame : {QSize(0, 0), QSize(2, 32)}) {
                QTest::addRow("%dx%d, frame +%d", screen.width(), screen.height(), frame.height())
                    << screen << frame;
            }
        }
    }
    void placementLeavesTheFieldsUncovered() {
        QFETCH(QSize, screen);
        QFETCH(QSize, frame);
        Window w;
        w->move(coilwind::ui::startupPosition(screen, w->size()));
        const int border = frame.width() / 2; // and the rest of the frame is a title bar
        const QRect mainFrame =
            w->geometry().adjusted(-border, border - frame.height(), border, border);
        const QRect available(QPoint(0, 0), screen);
        const QSize size = DetailsWindow::kOpeningSize.boundedTo(screen - frame) + frame;
        const QRect placed(
            coilwind::ui::besidePosition(mainFrame, size, available, w->calculationFieldsArea()),
            size);
        QVERIFY(available.contains(placed));
        if (screen.width() >= 1280 && screen.height() >= 800) {
            QVERIFY(!placed.intersects(w->calculationFieldsArea()));
        }
    }

    void theDetailsFollowACalculation() {
        Window w;
        w->showDetails();
        QCOMPARE(figure(w, "whole-turns"), QStringLiteral("—")); // field 20 still empty
        QVERIFY(!details(w)->findChild<QLabel*>(QStringLiteral("reasons"))->text().isEmpty());
        w.click(coilwind::control::kCalculate);
        QCOMPARE(figure(w, "whole-turns"), QStringLiteral("11"));
        QCOMPARE(figure(w, "standard-wire"), QStringLiteral("0.630 mm"));
        QVERIFY(w.child<QGroupBox>(coilwind::control::kResults)
                    ->toolTip()
                    .endsWith(QStringLiteral("F2: 绕线详情 "
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

    // 磁导率 "abc" reads as 0: AL 0.0, then the turns divide by it. The main window keeps the
    // earlier turns and wire; the details compute nothing from them.
    void aFaultingCalculateIsReportedAndItsStaleResultsGiveNoFigure() {
        Window w;
        w.click(coilwind::control::kCalculate);
        openDetails(w);
        QVERIFY(label(w, "calculationStatus")->text().startsWith(QStringLiteral("计算完成")));
        retype(w, 17, QStringLiteral("abc"));
        w.click(coilwind::control::kCalculate);
        QCOMPARE(w.text(20), QStringLiteral("10.6"));
        QCOMPARE(label(w, "calculationStatus")->text(),
                 QStringLiteral("计算中止 at turns: division by zero (AL is 0) — 计算 button"));
        for (const char* key : {"whole-turns", "standard-wire", "fits", "length", "l-whole"}) {
            QCOMPARE(figure(w, key), QStringLiteral("—"));
        }
        QCOMPARE(figure(w, "depth"), QStringLiteral("2.250")); // from the inputs alone
        QVERIFY(
            label(w, "reasons")
                ->text()
                .contains(QStringLiteral("Turns (field 20) holds results of an earlier design")));
        const QString report = copiedReport(w);
        QVERIFY(report.contains(QStringLiteral("  计算中止 at turns: division by zero (AL is 0)")));
        QVERIFY(report.contains(
            QStringLiteral("turns (field 20): 10.6   [results of an earlier design]\n")));
        QVERIFY(report.contains(QStringLiteral("整数圈数: —")));
    }

    // L = 0 gives 0.0 turns, and the wire divides by them; the focus stays in field 19.
    void aFaultingEnterIsReported() {
        Window w;
        w.click(coilwind::control::kCalculate);
        openDetails(w);
        retype(w, 19, QStringLiteral("0"), true);
        QCOMPARE(QApplication::focusWidget(), w->field(19));
        QCOMPARE(label(w, "calculationStatus")->text(),
                 QStringLiteral("计算中止 at wire_max: division by zero (turns is 0) — Enter in "
                                "field 19, 电感量 (uH)"));
        QCOMPARE(figure(w, "standard-wire"), QStringLiteral("—")); // not the wire of L = 4.7
        QCOMPARE(figure(w, "fits"), QStringLiteral("—"));
        retype(w, 19, QStringLiteral("4.7"), true);
        QVERIFY(label(w, "calculationStatus")->text().startsWith(QStringLiteral("计算完成")));
        QCOMPARE(figure(w, "standard-wire"), QStringLiteral("0.630 mm"));
    }

    // The input check heads the details; the main window's fields stay as typed and computed.
    void theInputCheckNamesEachTrapAboveTheDetails() {
        Window w;
        openDetails(w);
        retype(w, 19, QStringLiteral("4,7"));
        w.click("Command1");
        QCOMPARE(w.text(19), QStringLiteral("4,7"));
        QCOMPARE(w.text(20), QStringLiteral("9.8"));
        QCOMPARE(label(w, "inputCheckErrors")->text(),
                 QStringLiteral("• 逗号不是小数点: 电感量 \"4,7\" was read as 4 (a comma is not a "
                                "decimal point: type \".\")"));
        QVERIFY(label(w, "inputCheckNotes")->isHidden());
        retype(w, 19, QStringLiteral("4.7uH"));
        retype(w, 1, QStringLiteral("-5"));
        w->findChild<QComboBox*>(QStringLiteral("CORETYPE"))->setEditText(QStringLiteral("R CORE"));
        w.click("Command1");
        QCOMPARE(label(w, "inputCheckErrors")->text(),
                 QStringLiteral("• 须大于 0: 外径A = -5: a rod's diameter must be above 0"));
        QCOMPARE(
            label(w, "inputCheckNotes")->text(),
            QStringLiteral("• 单位只是注释: 电感量 \"4.7uH\" was read as 4.7: the unit after the "
                           "number is only a note; the field is in uH"));
        QVERIFY(label(w, "calculationStatus")->text().endsWith(QStringLiteral("no figure)")));
        for (const char* key : {"whole-turns", "standard-wire", "length", "l-range", "isat"}) {
            QCOMPARE(figure(w, key), QStringLiteral("—"));
        }
        QCOMPARE(w.text(23),
                 QStringLiteral("-0.0020")); // the main window computes as it always has
    }

    void aChangedInputIsMarkedAndTheFiguresStayWithTheCalculation() {
        Window w;
        w.click(coilwind::control::kCalculate);
        openDetails(w);
        QVERIFY(label(w, "changedInputs")->isHidden());
        retype(w, 1, QStringLiteral("9"));
        QVERIFY(label(w, "changedInputs")->text().contains(QStringLiteral("A \"8\" → \"9\"")));
        QCOMPARE(figure(w, "depth"), QStringLiteral("2.250")); // (8 - 3.5) / 2, as calculated
        QVERIFY(copiedReport(w).contains(QStringLiteral("输入已改")));
        w.click(coilwind::control::kCalculate);
        QVERIFY(label(w, "changedInputs")->isHidden());
        QCOMPARE(figure(w, "depth"), QStringLiteral("2.750"));
    }

    // L = 1e308: the turns overflow, and every figure from them gives its reason.
    void aLongReasonLeavesTheSizeAndTheCalibrationRowInPlace() {
        Window w;
        w.click(coilwind::control::kCalculate);
        DetailsWindow* opened = openDetails(w);
        const QSize size = opened->size();
        auto* useAsAl = opened->findChild<QWidget*>(QStringLiteral("useAsAl"));
        const QPoint calibration = useAsAl->mapTo(opened, QPoint(0, 0));
        retype(w, 19, QStringLiteral("1e308"));
        w.click(coilwind::control::kCalculate);
        QVERIFY(label(w, "reasons")->text().count(QLatin1Char('\n')) >= 1);
        opened->findChild<QLineEdit*>(QStringLiteral("measured"))->setText(QStringLiteral("5"));
        opened->findChild<QLineEdit*>(QStringLiteral("testTurns"))->setText(QStringLiteral("10"));
        QTest::mouseClick(useAsAl, Qt::LeftButton); // two lines of message below the row
        QApplication::processEvents();
        QCOMPARE(opened->size(), size);
        QCOMPARE(useAsAl->mapTo(opened, QPoint(0, 0)), calibration);
    }

    // One table of limits: each entry box names its range, takes both ends, and keeps a number
    // beyond them as typed, red, with the reason; coilwind-batch refuses the same number with
    // exit status 2, naming the same range.
    void theSettingsShareTheBatchToolsLimits() {
        struct Row {
            const SettingLimit& limit;
            const char* box;
            std::string option;
            const char* figure; // a figure that needs the setting
        };
        Window w;
        w.click(coilwind::control::kCalculate);
        openDetails(w);
        for (const Row& row :
             {Row{coilwind::kTemperatureLimit, "temperature", "--temperature", "r-hot"},
              Row{coilwind::kAlToleranceLimit, "alTolerance", "--tolerance", "l-range"},
              Row{coilwind::kSaturationFluxLimit, "saturationFlux", "--bs", "isat"}}) {
            auto* box = details(w)->findChild<QLineEdit*>(QString::fromLatin1(row.box));
            const QString range = QString::fromStdString(coilwind::rangeText(row.limit));
            QVERIFY(box->toolTip().endsWith(range));
            for (const double end : {row.limit.lowest, row.limit.highest}) {
                box->setText(QString::number(end));
                QVERIFY(label(w, "settingsMessage")->isHidden());
                QVERIFY(figure(w, row.figure) != QStringLiteral("—"));
            }
            const QString beyond = QString::number(row.limit.lowest - 1);
            box->clear();
            QTest::keyClicks(box, beyond);
            QCOMPARE(box->text(), beyond);
            QVERIFY(label(w, "settingsMessage")->text().contains(range));
            QCOMPARE(figure(w, row.figure), QStringLiteral("—"));
            box->setText(QString::number(row.limit.highest));

            const std::string option = row.option + "=" + beyond.toStdString();
            const std::string_view args[] = {option};
            std::istringstream input;
            std::ostringstream out;
            std::ostringstream err;
            QCOMPARE(coilwind::batch::runCommandLine(args, input, out, err), 2);
            QVERIFY(QString::fromStdString(err.str()).contains(range));
        }
    }

    // A DC current shows the current rating's group; without one the group and its warnings
    // stay away.
    void aCurrentShowsTheRatingGroup() {
        Window w;
        w.click("Command1");
        openDetails(w);
        auto* group = details(w)->findChild<QGroupBox*>(QStringLiteral("currentRating"));
        QVERIFY(group->isHidden());
        const auto box = [&](const char* name) {
            return details(w)->findChild<QLineEdit*>(QString::fromLatin1(name));
        };
        box("ripple")->setText(QStringLiteral("0.3"));
        box("frequency")->setText(QStringLiteral("500"));
        box("dcCurrent")->setText(QStringLiteral("1"));
        QVERIFY(!group->isHidden());
        QCOMPARE(figure(w, "skin-depth"), QStringLiteral("0.095"));
        QVERIFY(figure(w, "strands").contains(QStringLiteral("0.180 mm")));
        QVERIFY(figure(w, "r-hot").contains(QStringLiteral("heat balance")));
        QVERIFY(label(w, "currentWarnings")->text().contains(QStringLiteral("two skin depths")));
        QVERIFY(copiedReport(w).contains(QStringLiteral("额定电流 ΔT=40K (A): ")));
        box("dcCurrent")->setText(QStringLiteral("x"));
        QVERIFY(label(w, "settingsMessage")->text().contains(QStringLiteral("DC current")));
        QCOMPARE(figure(w, "skin-depth"), QStringLiteral("—"));
        box("dcCurrent")->clear();
        QVERIFY(group->isHidden());
        QVERIFY(label(w, "settingsMessage")->isHidden());
        QVERIFY(!copiedReport(w).contains(QStringLiteral("Current rating")));
    }

    void everyControlIsReachedByTab() {
        Window w;
        openDetails(w)->findChild<QWidget*>(QStringLiteral("series"))->setFocus();
        QStringList visited;
        const QStringList order{"alTolerance", "temperature", "saturationFlux", "dcCurrent",
                                "ripple",      "frequency",   "ambient",        "enamelClass",
                                "useShapeAl",  "measured",    "testTurns",      "useAsAl",
                                "copy",        "close"};
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            visited << focus->objectName();
        }
        QCOMPARE(visited, order);
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

    // The start-up drum's second opinion shows with its band and the warning, and its button
    // puts the shape's AL into field 18 as the calibration does.
    void shapeAlWritesFieldEighteen() {
        Window w;
        w->showDetails();
        QVERIFY(figure(w, "shape-al").startsWith(QStringLiteral("31.3 (")));
        auto* note = details(w)->findChild<QLabel*>(QStringLiteral("shapeNote"));
        QVERIFY(note->text().contains(QStringLiteral("more than 25 %")));
        QTest::mouseClick(details(w)->findChild<QWidget*>(QStringLiteral("useShapeAl")),
                          Qt::LeftButton);
        QCOMPARE(w.text(18), QStringLiteral("31.3"));
        auto* message = details(w)->findChild<QLabel*>(QStringLiteral("shapeMessage"));
        QVERIFY(message->text().contains(QStringLiteral("31.3")));
    }
};

QTEST_MAIN(DetailsWindowTest)
#include "details_window_test.moc"
