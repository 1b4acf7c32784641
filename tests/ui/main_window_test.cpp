#include "calc/field_set.hpp"
#include "ui/link_opener.hpp"
#include "ui/main_window.hpp"
#include "ui/placement.hpp"
#include "ui/widgets.hpp"
#include "ui/window_description.hpp"
#include "window_fixture.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <memory>

using coilwind::FieldIndex;
using coilwind::ui::MainWindow;

namespace {

QString fieldName(FieldIndex index) {
    return QStringLiteral("Text1_%1").arg(index);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheStartupState() {
        Window w;
        QCOMPARE(w.coreType()->currentText(), QStringLiteral("KQ CORE"));
        QCOMPARE(w.coreType()->count(), 2);
        QCOMPARE(w.coreType()->itemText(1), QStringLiteral("R CORE"));
        QVERIFY(w.child<QRadioButton>("Option1")->isChecked());
        QVERIFY(!w.child<QRadioButton>("Option2")->isChecked());
        QCOMPARE(w->pictureFile(), QStringLiteral("KQCORE.JPG"));
        QVERIFY(!w.child<QLabel>("fig")->pixmap().isNull());
        QCOMPARE(w.focus(), w.child<QWidget>("Command1"));
        for (const auto& field : coilwind::kFields) {
            QCOMPARE(w.text(field.index), QString::fromUtf8(field.startupText.data()));
        }
        QCOMPARE(w->size(), QSize(559, 601));
    }

    // Where each control stands in the window's client area, in twips, as drawn on the form.
    void controlsStandWhereTheFormPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        const QList<std::tuple<const char*, int, int>> places{
            {"Frame1", 2520, 0},       {"CORETYPE", 2760, 360},   {"Option2", 5640, 360},
            {"Option1", 4560, 360},    {"Frame2", 0, 1080},       {"Command2", 0, 1080},
            {"Frame5", 2040, 2880},    {"Frame4", 600, 1320},     {"Frame3", 1440, 4560},
            {"Command1", 3480, 4080},  {"fig", 360, 6120},        {"Label1", 0, 1080},
            {"Label4", 0, 0},          {"Label2", 0, 0},          {"Text1_0", 720, 2280},
            {"Text1_1", 1560, 2280},   {"Text1_2", 2280, 2280},   {"Text1_3", 2880, 2280},
            {"Text1_4", 3480, 2280},   {"Text1_5", 4080, 2280},   {"Text1_6", 4680, 2280},
            {"Text1_7", 5280, 2280},   {"Text1_8", 5880, 2280},   {"Text1_9", 6480, 2280},
            {"Text1_17", 2280, 3480},  {"Text1_18", 3360, 3480},  {"Text1_19", 4560, 3480},
            {"Text1_20", 1680, 5400},  {"Text1_21", 2760, 5400},  {"Text1_23", 4920, 5400},
            {"Text1_24", 4080, 5400},  {"Label3_0", 840, 1800},   {"Label3_1", 1800, 1800},
            {"Label3_2", 2400, 1800},  {"Label3_3", 3120, 1800},  {"Label3_6", 3600, 1800},
            {"Label3_4", 4320, 1800},  {"Label3_5", 4680, 1800},  {"Label3_7", 5400, 1800},
            {"Label3_8", 6000, 1800},  {"Label3_9", 6840, 1800},  {"Label3_17", 2280, 3120},
            {"Label3_18", 3360, 3120}, {"Label3_19", 4440, 3120}, {"Label3_20", 1800, 4920},
            {"Label3_21", 2640, 4920}, {"Label3_23", 4920, 4920}, {"Label3_25", 4080, 4920},
            {"Line1_0", 720, 2160}};
        for (const auto& [name, left, top] : places) {
            QTest::newRow(name) << QString::fromLatin1(name) << left << top;
        }
    }
    void controlsStandWhereTheFormPutsThem() {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(int, top);
        Window w;
        auto* widget = w->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->mapTo(w.window.get(), QPoint(0, 0)), QPoint(left / 15, top / 15));
    }

    void captionsStandAboveTheirFields() {
        Window w;
        const QList<std::pair<const char*, FieldIndex>> pairs{
            {"长D", 4}, {"E", 5}, {"幅宽F", 6}, {"铜重(g)", 24}, {"磁导率Ue", 17}, {"圈数", 20}};
        for (const auto& [caption, index] : pairs) {
            QLabel* label = nullptr;
            for (QLabel* candidate : w->findChildren<QLabel*>()) {
                if (candidate->text() == QString::fromUtf8(caption)) {
                    label = candidate;
                }
            }
            QVERIFY2(label != nullptr, caption);
            const QWidget* field = w->field(index);
            QCOMPARE(label->parentWidget(), field->parentWidget());
            QVERIFY2(label->geometry().bottom() < field->geometry().top(), caption);
            QVERIFY2(label->x() >= field->x() - 8 && label->x() < field->geometry().right(),
                     caption);
        }
    }

    void enterWalksTheFieldsAndRunsTheStages() {
        Window w;
        w->field(0)->setFocus();
        for (FieldIndex index = 0; index < 9; ++index) {
            w.enter();
            QCOMPARE(w.focus(), w->field(index + 1));
        }
        w.enter(); // no field 10
        QCOMPARE(w.focus(), w->field(9));

        QTest::mouseClick(w->field(17), Qt::LeftButton);
        w.enter();
        QCOMPARE(w.text(18), QStringLiteral("41.7"));
        QCOMPARE(w.focus(), w->field(18));
        QCOMPARE(w->field(18)->selectedText(), QStringLiteral("41.7"));
        w.enter();
        QCOMPARE(w.focus(), w->field(19));
        w.enter();
        QCOMPARE(w.text(20), QStringLiteral("10.6"));
        QCOMPARE(w.text(21), QStringLiteral("0.761"));
        QCOMPARE(w.focus(), w->field(20));
        w.enter();
        QCOMPARE(w.focus(), w->field(21));
        w.enter();
        QCOMPARE(w.text(23), QStringLiteral("0.0075"));
        QCOMPARE(w.text(24), QStringLiteral("0.779\n\r"));
        QCOMPARE(w.focus(), w->field(21));
        QVERIFY(w.child<QGroupBox>("Frame3")->toolTip().contains(QStringLiteral("TURNS=10.6Ts")));
    }

    void enterWithModifiersAndOtherKeys() {
        Window w;
        w->field(17)->setFocus();
        QTest::keyClick(w->field(17), Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
        QCOMPARE(w.text(18), QStringLiteral("41.7"));
        QCOMPARE(w.focus(), w->field(18));
        QTest::keyClicks(w->field(18), QStringLiteral("40")); // replaces the selected text
        QCOMPARE(w.text(18), QStringLiteral("40"));
        QCOMPARE(w.focus(), w->field(18));
        QTest::keyClick(w->field(18), Qt::Key_Return, Qt::ControlModifier);
        w.enter();
        QCOMPARE(w.text(20), QStringLiteral("10.8"));
        QCOMPARE(w.text(21), QStringLiteral("0.754"));
    }

    void calculateButtonForBothCoreTypes_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("KQ CORE") << 0
                                 << QStringList{"41.7", "10.6", "0.761", "0.0075", "0.779\n\r"};
        QTest::newRow("R CORE") << 1 << QStringList{"902.2", "2.3", "1.323", "0.0008", "0.710\n\r"};
    }
    void calculateButtonForBothCoreTypes() {
        QFETCH(int, entry);
        QFETCH(QStringList, results);
        Window w;
        w.pickCoreType(entry);
        w.click("Command1");
        QCOMPARE((QStringList{w.text(18), w.text(20), w.text(21), w.text(23), w.text(24)}),
                 results);
    }

    void enterOnTheCalculateButtonRightAfterStartup() {
        Window w;
        w.enter();
        QCOMPARE(w.text(18), QStringLiteral("41.7"));
        QCOMPARE(w.text(24), QStringLiteral("0.779\n\r"));
        QCOMPARE(w.focus(), w.child<QWidget>("Command1"));
    }

    void aFaultLeavesTheFieldsAndEndsSilently() {
        Window w;
        w.click("Command1");
        w.pickCoreType(1);
        w->field(2)->setText(QStringLiteral("0"));
        w.click("Command1");
        QCOMPARE(w.text(18), QStringLiteral("41.7"));
        QCOMPARE(w.text(24), QStringLiteral("0.779\n\r"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void pictureFollowsCoreTypeAndMode() {
        Window w;
        w.pickCoreType(1);
        QCOMPARE(w->pictureFile(), QStringLiteral("RC.JPG"));
        w.click("Option2");
        QCOMPARE(w->pictureFile(), QStringLiteral("R.JPG"));
        w.click("Option1");
        QCOMPARE(w->pictureFile(), QStringLiteral("RC.JPG"));
        w.click("Option2");
        w.pickCoreType(0);
        QCOMPARE(w->pictureFile(), QStringLiteral("KQ.JPG"));

        // Typing "R CORE" into the emptied box: only the sixth character makes it the rod core.
        QLineEdit* edit = w.coreType()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(w->pictureFile(), QStringLiteral("KQ.JPG"));
        const QString typed = QStringLiteral("R CORE");
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(edit, typed.at(i).toLatin1());
            QCOMPARE(w->pictureFile(), i < 5 ? QStringLiteral("KQ.JPG") : QStringLiteral("R.JPG"));
        }
        QCOMPARE(w.coreType()->currentText(), typed);
        QTest::keyClick(edit, ' ');
        QCOMPARE(w->pictureFile(), QStringLiteral("KQ.JPG")); // "R CORE " is no rod core
    }

    void everyPictureEventReadsTheFileAgain() {
        QTemporaryDir dir;
        for (const char* name : {"KQCORE.JPG", "KQ.JPG"}) {
            QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/" + name,
                                dir.filePath(QString::fromLatin1(name))));
        }
        Window w(dir.path());
        QVERIFY(!w.child<QLabel>("fig")->pixmap().isNull());
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("KQCORE.JPG"))));
        QLineEdit* edit = w.coreType()->lineEdit();
        edit->setFocus();
        QTest::keyClick(edit, 'x');
        QVERIFY(w.child<QLabel>("fig")->text().contains(QStringLiteral("KQCORE.JPG")));
        w.click("Option2");
        QVERIFY(!w.child<QLabel>("fig")->pixmap().isNull());
    }

    void coreTypeBoxKeepsWhatWasTyped() {
        Window w;
        QLineEdit* edit = w.coreType()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("R"));
        QCOMPARE(w.coreType()->currentText(), QStringLiteral("R")); // no completion to "R CORE"
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(w.coreType()->count(), 2);
        w.click("Command1");
        QCOMPARE(w.text(18), QStringLiteral("41.7")); // "R" is the drum core
    }

    void tabVisitsTheControlsInOrder() {
        Window w;
        QStringList expected{"Option1", "CORETYPE"};
        for (const FieldIndex index : {20, 21, 23, 24, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 18, 19}) {
            expected << fieldName(index);
        }
        expected << "Command2"
                 << "Command1";
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(w.focus(), Qt::Key_Tab);
            QWidget* focus = w.focusedControl();
            visited << (focus != nullptr ? focus->objectName() : QStringLiteral("<none>"));
        }
        QCOMPARE(visited, expected);
    }

    void tabReachesTheSelectedOptionOnly() {
        Window w;
        w.click("Option2");
        w.child<QWidget>("Command1")->setFocus();
        QTest::keyClick(w.focus(), Qt::Key_Tab);
        QCOMPARE(w.focus(), w.child<QWidget>("Option2"));
        QTest::keyClick(w.focus(), Qt::Key_Tab);
        QCOMPARE(w.focusedControl(), w.coreType());
    }

    void aFieldGainingTheFocusSelectsItsText() {
        Window w;
        for (int i = 0; i < 2 + 4 + 1; ++i) { // Tab to field 0, past Option1, CORETYPE, 20..24
            QTest::keyClick(w.focus(), Qt::Key_Tab);
        }
        QCOMPARE(w.focus(), w->field(0));
        QCOMPARE(w->field(0)->selectionStart(), 0);
        QCOMPARE(w->field(0)->selectedText(), QStringLiteral("KQ8*10"));

        QTest::mouseClick(w->field(2), Qt::LeftButton, {}, QPoint(3, 5));
        QCOMPARE(w.focus(), w->field(2));
        QCOMPARE(w->field(2)->selectedText(), QStringLiteral("3.5"));
        QTest::keyClicks(w->field(2), QStringLiteral("7"));
        QCOMPARE(w.text(2), QStringLiteral("7"));
        // a second click in the focused field places the cursor as usual
        QTest::mouseClick(w->field(2), Qt::LeftButton, {}, QPoint(3, 5));
        QVERIFY(!w->field(2)->hasSelectedText());

        w->field(3)->setFocus(); // empty field: the caret at the start
        QCOMPARE(w->field(3)->selectionStart(), -1);
        QCOMPARE(w->field(3)->cursorPosition(), 0);
    }

    void linkControlsHandTheAddressOnUnchanged() {
        Window w;
        for (const char* name : {"Label1", "Label2", "Label4"}) {
            w.click(name);
        }
        auto* hidden = w.child<QPushButton>("Command2");
        QCOMPARE(hidden->width(), 0); // no pointer can reach it; its click does the same
        hidden->click();
        hidden->click();
        hidden->setFocus(Qt::TabFocusReason);
        QTest::keyClick(hidden, Qt::Key_Space);
        QTest::keyClick(hidden, Qt::Key_Return);
        QCOMPARE(w.openedLinks.size(), 7);
        for (const QByteArray& address : w.openedLinks) {
            QCOMPARE(address, QByteArray("about:blank    "));
        }
    }

    void calculatorToolTipOnlyOverTheFramesOwnSurface() {
        Window w;
        auto* frame = w.child<QGroupBox>("Frame2");
        // Delivered as the application does: to the widget under the pointer, then up the parents
        // while nobody takes it.
        const auto toolTipOver = [&](QWidget* widget, QPoint pos) {
            QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
            QApplication::sendEvent(widget, &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        auto* button = w.child<QWidget>("Command1");
        QCOMPARE(toolTipOver(button, button->rect().center()), QString());
        auto* field = w->field(17); // its own tooltip, not the frame's
        QCOMPARE(toolTipOver(field, field->rect().center()), field->toolTip());
        QVERIFY(!field->toolTip().isEmpty());
        QVERIFY(toolTipOver(frame, QPoint(frame->width() - 8, 120))
                    .startsWith(QStringLiteral("使用时")));
        QToolTip::hideText();
    }

    void placementOnTheScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1024x768") << QSize(1024, 768) << QPoint(232, 83);
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QPoint(680, 239);
        QTest::newRow("smaller than the window") << QSize(400, 300) << QPoint(-80, -151);
    }
    void placementOnTheScreen() {
        QFETCH(QSize, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(coilwind::ui::startupPosition(screen, QSize(559, 601)), expected);
    }

    void aMissingPictureShowsANoticeAndTheRestWorks() {
        QTemporaryDir empty;
        Window w(empty.path());
        QCOMPARE(w->pictureFile(), QStringLiteral("KQCORE.JPG"));
        auto* fig = w.child<QLabel>("fig");
        QVERIFY(fig->pixmap().isNull());
        QVERIFY(fig->text().contains(QStringLiteral("KQCORE.JPG")));
        w.click("Option2");
        QVERIFY(fig->text().contains(QStringLiteral("KQ.JPG")));
        w.click("Command1");
        QCOMPARE(w.text(18), QStringLiteral("41.7"));
    }

    void anUnreadablePictureShowsANotice() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("KQCORE.JPG")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        Window w(dir.path());
        QVERIFY(w.child<QLabel>("fig")->text().contains(QStringLiteral("KQCORE.JPG")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
