#include "ui/design_actions.hpp"
#include "ui/design_sheet.hpp"
#include "ui/details_window.hpp"
#include "window_fixture.hpp"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using coilwind::Design;
using coilwind::FieldIndex;
using coilwind::kFields;
using coilwind::PictureMode;
using coilwind::ui::DesignActions;

namespace {

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every field as the window shows it, the core type, the mode and the settings' boxes.
QStringList windowState(const Window& w) {
    QStringList state;
    for (const auto& info : kFields) {
        state << w.text(info.index);
    }
    state << w->coreTypeText() << w->pictureFile()
          << QString::number(w.child<QRadioButton>("Option2")->isChecked());
    for (const char* name : {"alTolerance", "temperature", "saturationFlux"}) {
        state << w->detailsWindow().findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    state << w->detailsWindow().findChild<QComboBox*>(QStringLiteral("series"))->currentText();
    return state;
}

} // namespace

class DesignActionsTest : public QObject {
    Q_OBJECT

private slots:
    void windowToFileToWindowKeepsEveryTextByteForByte() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("rod.coilwind"));
        QStringList saved;
        {
            Window w;
            DesignActions actions(*w.window, {});
            w->field(0)->setText(QStringLiteral("工字 \"KQ\" \\ 😀\t"));
            w->field(1)->setText(QStringLiteral("10"));
            w->field(2)->setText(QStringLiteral("30"));
            w.pickCoreType(1);
            QTest::mouseClick(w.child<QRadioButton>("Option2"), Qt::LeftButton);
            w.click("Command1");
            QVERIFY(w.text(24).endsWith(QStringLiteral("\n\r")));
            w->detailsWindow()
                .findChild<QLineEdit*>(QStringLiteral("temperature"))
                ->setText(QStringLiteral("-300")); // refused by the details, kept as typed
            w->detailsWindow().findChild<QComboBox*>(QStringLiteral("series"))->setCurrentIndex(2);
            saved = windowState(w);
            QVERIFY(actions.saveTo(path));
        }
        Window w;
        DesignActions actions(*w.window, {});
        QVERIFY(windowState(w) != saved);
        QVERIFY(actions.openFrom(path));
        QCOMPARE(windowState(w), saved);
        QCOMPARE(w->pictureFile(), QStringLiteral("R.JPG"));
        QVERIFY(!w->calculationRecord().last()); // opening calculates nothing
        // Saved again, the file is the same to the byte.
        const QString again = folder.filePath(QStringLiteral("again.coilwind"));
        QVERIFY(actions.saveTo(again));
        QCOMPARE(readAll(again), readAll(path));
    }

    // The page's tests open this file and save it back unchanged (tests/web/page.test.js).
    void savesTheFileThePageTestsOpen() {
        Window w;
        DesignActions actions(*w.window, {});
        w->field(0)->setText(QStringLiteral("KQ10*12 \"桌面\""));
        w.click("Command1");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("desktop.coilwind"));
        QVERIFY(actions.saveTo(path));
        QCOMPARE(readAll(path), readAll(QStringLiteral(COILWIND_DESKTOP_DESIGN)));
    }

    void fileThatCannotBeUsedChangesNothingAndSaysWhy_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        QTest::newRow("not JSON") << QByteArray("KQ8*10") << QStringLiteral("(file): not JSON");
        QTest::newRow("wrong type")
            << QByteArray(R"({"format":"coilwind-design","version":1,"fields":[]})")
            << QStringLiteral("fields: expected an object");
        QTest::newRow("huge") << QByteArray(2 * 1024 * 1024, ' ') << QStringLiteral("larger than");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("(file): not JSON");
    }
    void fileThatCannotBeUsedChangesNothingAndSaysWhy() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bad.coilwind"));
        writeAll(path, bytes);
        Window w;
        DesignActions actions(*w.window, {});
        w->field(0)->setText(QStringLiteral("mine"));
        const QStringList before = windowState(w);
        QVERIFY(!actions.openFrom(path));
        QCOMPARE(windowState(w), before);
        QVERIFY2(actions.lastMessage().contains(QStringLiteral("bad.coilwind")),
                 qPrintable(actions.lastMessage()));
        QVERIFY2(actions.lastMessage().contains(said), qPrintable(actions.lastMessage()));
        QVERIFY(!actions.openFrom(folder.filePath(QStringLiteral("none.coilwind"))));
        QVERIFY(actions.lastMessage().contains(QStringLiteral("none.coilwind")));
    }

    // One page with the design's name, the window's figures and the details' figures; the text
    // checked where poppler's pdftotext is installed.
    void sheetIsOnePageOfTheDesign() {
        QTemporaryDir folder;
        const QString design = folder.filePath(QStringLiteral("rod.coilwind"));
        const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
        {
            Window w;
            DesignActions actions(*w.window, {});
            w->field(0)->setText(QStringLiteral("R10x30 棒"));
            w.pickCoreType(1);
            w.click("Command1");
            QVERIFY(actions.saveTo(design));
        }
        QCOMPARE(coilwind::ui::runSheetCommand({pdf, design}), 0);
        QVERIFY(readAll(pdf).startsWith(QStringLiteral("%PDF")));
        QCOMPARE(coilwind::ui::runSheetCommand({pdf, folder.filePath(QStringLiteral("none"))}), 1);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        QProcess process;
        process.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished());
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
        for (const QString& expected :
             {QStringLiteral("设计单 (design sheet) — R10x30 棒"), QStringLiteral("coilwind 0.1.0"),
              QStringLiteral("core type: R CORE"), QStringLiteral("turns (field 20): 2.3"),
              QStringLiteral("整数圈数: 3")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));
        }

        // The paper as asked, the sheet still one page on the shorter Letter.
        QCOMPARE(coilwind::ui::runSheetCommand({pdf, QStringLiteral("--paper"),
                                                QStringLiteral("a5"), design}),
                 2);
        for (const auto& [paper, size] :
             {std::pair{QStringLiteral("a4"), QStringLiteral("595 x 842 pts (A4)")},
              std::pair{QStringLiteral("letter"), QStringLiteral("612 x 792 pts (letter)")}}) {
            QCOMPARE(
                coilwind::ui::runSheetCommand({pdf, QStringLiteral("--paper"), paper, design}), 0);
            process.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
            QVERIFY(process.waitForFinished());
            const QString info = QString::fromUtf8(process.readAllStandardOutput());
            QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))),
                     qPrintable(info));
            QVERIFY2(info.contains(size), qPrintable(info));
        }
    }

    void recentDesignsKeepTwentyRestoreOneAndForgetAll() {
        QTemporaryDir folder;
        const QString recentFile = folder.filePath(QStringLiteral("data/recent-designs.json"));
        {
            Window w;
            DesignActions actions(*w.window, recentFile);
            for (int n = 0; n < 22; ++n) {
                w->field(0)->setText(QStringLiteral("core %1").arg(n));
                w.click("Command1");
            }
            w->field(0)->setFocus();
            QTest::keyClick(w->field(0), Qt::Key_Return); // ran no stage: not a calculation
            QCOMPARE(actions.recent().size(), coilwind::kRecentLimit);
        }
        Window w;
        DesignActions actions(*w.window, recentFile); // read back in the next run
        QCOMPARE(actions.recent().size(), coilwind::kRecentLimit);
        QCOMPARE(actions.recent().front().design.field(0), std::string("core 21"));
        actions.restoreRecent(3);
        QCOMPARE(w.text(0), QStringLiteral("core 18"));
        QVERIFY(w.text(24).endsWith(QStringLiteral("\n\r")));
        QVERIFY(w->findChild<QAction*>(QStringLiteral("recentDesigns")) != nullptr);
        actions.forgetAll();
        QVERIFY(actions.recent().empty());
        QVERIFY(!QFile::exists(recentFile));
    }
};

QTEST_MAIN(DesignActionsTest)
#include "design_actions_test.moc"
