#include "calc/field_set.hpp"
#include "window_fixture.hpp"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <map>

using coilwind::FieldIndex;
using coilwind::ui::FieldEdit;

namespace {

enum WayIn { Tab, Backtab, Click, EnterInThePreviousField, ContextMenuCloses, WindowActivated };

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheStartupState() {
        Window w;
        QCOMPARE(w.coreType()->currentText(), QStringLiteral("KQ CORE"));
        QVERIFY(w.child<QRadioButton>(coilwind::control::kCoreMode)->isChecked());
        QCOMPARE(w->pictureFile(), QStringLiteral("KQCORE.JPG"));
        QVERIFY(!w.child<QLabel>(coilwind::control::kPicture)->pixmap().isNull());
        QCOMPARE(w.focus(), w.child<QWidget>(coilwind::control::kCalculate));
        QCOMPARE(w->size(), QSize(559, 601));
        QCOMPARE(w->field(24)->accessibleName(),
                 QStringLiteral("铜重(g)")); // its caption, Label3(25)
    }

    // Where each control stands in the window's client area: name, left, top in twips.
    void controlsStandWhereTheFormPutsThem() {
        Window w;
        const QStringList places =
            QStringLiteral(
                "Frame1 2520 0,CORETYPE 2760 360,Option2 5640 360,Option1 4560 360,Frame2 0 1080,"
                "Command2 0 1080,Frame5 2040 2880,Frame4 600 1320,Frame3 1440 4560,"
                "Command1 3480 4080,fig 360 6120,Label1 0 1080,Label4 0 0,Label2 0 0,"
                "Text1_0 720 2280,Text1_1 1560 2280,Text1_2 2280 2280,Text1_3 2880 2280,"
                "Text1_4 3480 2280,Text1_5 4080 2280,Text1_6 4680 2280,Text1_7 5280 2280,"
                "Text1_8 5880 2280,Text1_9 6480 2280,Text1_17 2280 3480,Text1_18 3360 3480,"
                "Text1_19 4560 3480,Text1_20 1680 5400,Text1_21 2760 5400,Text1_23 4920 5400,"
                "Text1_24 4080 5400,Label3_0 840 1800,Label3_1 1800 1800,Label3_2 2400 1800,"
                "Label3_3 3120 1800,Label3_6 3600 1800,Label3_4 4320 1800,Label3_5 4680 1800,"
                "Label3_7 5400 1800,Label3_8 6000 1800,Label3_9 6840 1800,Label3_17 2280 3120,"
                "Label3_18 3360 3120,Label3_19 4440 3120,Label3_20 1800 4920,Label3_21 2640 4920,"
                "Label3_23 4920 4920,Label3_25 4080 4920,Line1_0 720 2160")
                .split(QLatin1Char(','));
        for (const QString& place : places) {
            const QStringList part = place.split(QLatin1Char(' '));
            const auto* widget = w->findChild<QWidget*>(part[0]);
            QVERIFY2(widget != nullptr && widget->mapTo(w.window.get(), QPoint()) ==
                                              QPoint(part[1].toInt() / 15, part[2].toInt() / 15),
                     qPrintable(place));
        }
    }

    // The results themselves are the calculator's business; one of them shows the wiring.
    void enterRightAfterStartupPressesCalculate() {
        Window w;
        w.enter();
        QCOMPARE(w.text(24), QStringLiteral("0.779\n\r"));
        QVERIFY(w.child<QGroupBox>(coilwind::control::kResults)
                    ->toolTip()
                    .contains(QStringLiteral("TURNS=10.6Ts")));
        QCOMPARE(w.focus(), w.child<QWidget>(coilwind::control::kCalculate));
    }

    // The field's own context menu and another window take the focus only for a while: caret and
    // selection stay as they were, so "7" pasted after "3.5" gives "3.57".
    void focusSelectsTheTextOnlyWhenTheFocusMovesToTheField_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("afterPaste");
        QTest::newRow("Tab") << int(Tab) << QStringLiteral("7");
        QTest::newRow("Backtab") << int(Backtab) << QStringLiteral("7");
        QTest::newRow("mouse click") << int(Click) << QStringLiteral("7");
        QTest::newRow("program move") << int(EnterInThePreviousField) << QStringLiteral("7");
        QTest::newRow("context menu closes") << int(ContextMenuCloses) << QStringLiteral("3.57");
        QTest::newRow("window activated again") << int(WindowActivated) << QStringLiteral("3.57");
    }
    void focusSelectsTheTextOnlyWhenTheFocusMovesToTheField() {
        QFETCH(int, way);
        QFETCH(QString, afterPaste);
        Window w;
        FieldEdit* field = w->field(2);
        field->setFocus();
        field->end(false);
        QWidget other;
        QMenu menu(field);
        switch (way) {
        case Tab:
            w->field(1)->setFocus();
            QTest::keyClick(w.focus(), Qt::Key_Tab);
            break;
        case Backtab:
            w->field(3)->setFocus();
            QTest::keyClick(w.focus(), Qt::Key_Backtab);
            break;
        case Click:
            w->field(1)->setFocus();
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(3, 5));
            break;
        case EnterInThePreviousField: // keypad Enter with a modifier is Enter too
            w->field(1)->setFocus();
            QTest::keyClick(w.focus(), Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
            break;
        case ContextMenuCloses:
            menu.addAction(QStringLiteral("Paste"));
            menu.popup(field->mapToGlobal(QPoint(3, 5)));
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
            menu.close();
            break;
        default:
            other.show();
            QApplication::setActiveWindow(&other);
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QApplication::setActiveWindow(w.window.get());
            QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        }
        QCOMPARE(w.focus(), field);
        QApplication::clipboard()->setText(QStringLiteral("7"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), afterPaste);
        if (way == Click) { // a second click in the focused field places the caret as usual
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(3, 5));
            QVERIFY(!field->hasSelectedText());
        }
    }

    void pictureFollowsCoreTypeAndMode() {
        Window w;
        w.pickCoreType(1);
        QCOMPARE(w->pictureFile(), QStringLiteral("RC.JPG"));
        w.click(coilwind::control::kCalculate);
        QCOMPARE(w.text(18), QStringLiteral("902.2")); // the calculation reads the same box
        w.click(coilwind::control::kInductanceMode);
        QCOMPARE(w->pictureFile(), QStringLiteral("R.JPG"));
        w.click(coilwind::control::kCoreMode);
        QCOMPARE(w->pictureFile(), QStringLiteral("RC.JPG"));
        w.click(coilwind::control::kInductanceMode);
        w.pickCoreType(0);
        QCOMPARE(w->pictureFile(), QStringLiteral("KQ.JPG"));

        // Typed into the emptied box, "R CORE" is the rod core from its sixth character on; the
        // box keeps what was typed, completes nothing and never adds an entry.
        QLineEdit* edit = w.coreType()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(w->pictureFile(), QStringLiteral("KQ.JPG"));
        const QString typed = QStringLiteral("R CORE");
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(edit, typed.at(i).toLatin1());
            QCOMPARE(w.coreType()->currentText(), typed.left(i + 1));
            QCOMPARE(w->pictureFile(), i < 5 ? QStringLiteral("KQ.JPG") : QStringLiteral("R.JPG"));
        }
        QTest::keyClick(edit, ' ');
        QCOMPARE(w->pictureFile(), QStringLiteral("KQ.JPG")); // "R CORE " is no rod core
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(w.coreType()->count(), 2);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("r core"));
        QCOMPARE(w->pictureFile(), QStringLiteral("KQ.JPG"));
    }

    // Every picture event reads its file again; one that cannot be read leaves a notice and the
    // calculator working.
    void aMissingPictureShowsANoticeUntilItIsThere() {
        QTemporaryDir dir;
        Window w(dir.path());
        auto* fig = w.child<QLabel>(coilwind::control::kPicture);
        QVERIFY(fig->pixmap().isNull());
        QVERIFY(fig->text().contains(QStringLiteral("KQCORE.JPG")));
        w.click(coilwind::control::kCalculate);
        QCOMPARE(w.text(18), QStringLiteral("41.7"));

        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/KQCORE.JPG",
                            dir.filePath(QStringLiteral("KQCORE.JPG"))));
        w.click(coilwind::control::kCoreMode);
        QVERIFY(!fig->pixmap().isNull());
        w.click(coilwind::control::kInductanceMode);
        QVERIFY(fig->pixmap().isNull());
        QVERIFY(fig->text().contains(QStringLiteral("KQ.JPG")));
    }

    void tabVisitsTheControlsInOrder() {
        Window w;
        QStringList expected{"Option1", "CORETYPE"};
        for (const FieldIndex index : {20, 21, 23, 24, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 18, 19}) {
            expected << QStringLiteral("Text1_%1").arg(index);
        }
        expected << "Command2"
                 << "Command1";
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(w.focus(), Qt::Key_Tab);
            // the combo's own line edit counts as the combo
            QWidget* focus = w.focus()->parentWidget() == w.coreType() ? w.coreType() : w.focus();
            visited << focus->objectName();
        }
        QCOMPARE(visited, expected);

        w.click(coilwind::control::kInductanceMode); // Tab reaches the selected option only
        w.child<QWidget>(coilwind::control::kCalculate)->setFocus();
        QTest::keyClick(w.focus(), Qt::Key_Tab);
        QCOMPARE(w.focus(), w.child<QWidget>(coilwind::control::kInductanceMode));
    }

    void linkLabelsOpenTheAddressOnAPrimaryClickOnly_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Label1", "Label2", "Label4"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void linkLabelsOpenTheAddressOnAPrimaryClickOnly() {
        QFETCH(QString, name);
        Window w;
        const QByteArray label = name.toLatin1();
        w.click(label.constData(), Qt::RightButton);
        w.click(label.constData(), Qt::MiddleButton);
        QCOMPARE(w.openedLinks.size(), 0);
        w.click(label.constData());
        QCOMPARE(w.openedLinks, QList<QByteArray>{"about:blank    "});
    }

    void theHiddenButtonOpensTheAddressToo() {
        Window w;
        auto* hidden = w.child<QPushButton>(coilwind::control::kAdvert);
        QCOMPARE(hidden->width(), 0); // no pointer reaches it
        hidden->click();
        hidden->setFocus(Qt::TabFocusReason);
        QTest::keyClick(hidden, Qt::Key_Return);
        QCOMPARE(w.openedLinks, QList<QByteArray>(2, "about:blank    "));
    }

    void calculatorToolTipOnlyOverTheFramesOwnSurface() {
        Window w;
        auto* frame = w.child<QGroupBox>(coilwind::control::kCalculator);
        // Delivered as the application does: to the widget under the pointer, then up the parents
        // while nobody takes it.
        const auto toolTipOver = [&](QWidget* widget, QPoint pos) {
            QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
            QApplication::sendEvent(widget, &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        auto* button = w.child<QWidget>(coilwind::control::kCalculate);
        QCOMPARE(toolTipOver(button, button->rect().center()), QString());
        auto* field = w->field(17); // its own tooltip, not the frame's
        QCOMPARE(toolTipOver(field, field->rect().center()), field->toolTip());
        QVERIFY(!field->toolTip().isEmpty());
        QVERIFY(toolTipOver(frame, QPoint(frame->width() - 8, 120))
                    .startsWith(QStringLiteral("使用时")));
        QToolTip::hideText();
    }

    // Whatever is pasted, the calculator neither crashes nor cuts it, and writes nothing but its
    // results, each in its pattern.
    void pastedTextChangesNothingButResults_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("everyField");
        // Qt lays out a megabyte in a field in about a second: one field is enough.
        QTest::newRow("1 MB of digits") << QString(1 << 20, QLatin1Char('7')) << false;
        QTest::newRow("control characters") << QStringLiteral("\x01\x02\t\r\n\x1b[2J\x7f") << true;
        QTest::newRow("lone surrogates")
            << QString(QChar(0xD800)) + QStringLiteral("5") + QChar(0xDC00) << true;
        QTest::newRow("NUL") << QStringLiteral("4") + QChar(0) + QStringLiteral("7") << true;
    }
    void pastedTextChangesNothingButResults() {
        QFETCH(QString, text);
        QFETCH(bool, everyField);
        Window w;
        QApplication::clipboard()->setText(text);
        std::map<FieldIndex, QString> pasted;
        for (const auto& field : coilwind::kFields) {
            FieldEdit* edit = w->field(field.index);
            if (everyField || field.index == 17) {
                edit->setFocus();
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                QCOMPARE(edit->text().size(), text.size());
            }
            pasted[field.index] = edit->text();
        }
        w.click(coilwind::control::kCalculate);
        for (const FieldIndex trigger : {17, 19, 21}) {
            w->field(trigger)->setFocus();
            w.enter();
        }
        const QRegularExpression result(QStringLiteral("^-?[0-9]+\\.[0-9]+(\n\r)?$"));
        for (const auto& [index, before] : pasted) {
            const QString now = w.text(index);
            const bool isResult = index >= 18 && index != 19;
            QVERIFY2(now == before || (isResult && result.match(now).hasMatch()),
                     qPrintable(QStringLiteral("field %1: %2").arg(index).arg(now.left(80))));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
