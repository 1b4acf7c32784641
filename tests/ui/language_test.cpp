#include "ui/details_window.hpp"
#include "ui/language.hpp"
#include "view/window_description.hpp"
#include "window_fixture.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// Han characters and full-width forms: none may be left in an English window.
const QRegularExpression kChinese(QStringLiteral("[\\x{2e80}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

// Every text a widget shows or explains.
QStringList textsOf(const QWidget* widget) {
    QStringList texts{widget->toolTip(), widget->accessibleName(), widget->windowTitle()};
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        texts << label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        texts << button->text();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        texts << group->title();
    }
    return texts;
}

QStringList chineseTexts(const QWidget* top) {
    QStringList found;
    QList<const QWidget*> widgets{top};
    for (const QWidget* child : top->findChildren<QWidget*>()) {
        widgets << child;
    }
    for (const QWidget* widget : widgets) {
        for (const QString& text : textsOf(widget)) {
            if (text.contains(kChinese)) {
                found << widget->objectName() + QStringLiteral(": ") + text;
            }
        }
    }
    return found;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(coilwind::ui::useLanguage(QStringLiteral("zh"))); }

    void readsTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language"); // empty: refused
        QTest::newRow("none") << QStringList{} << QStringLiteral("zh");
        QTest::newRow("--lang en") << QStringList{QStringLiteral("--lang"), QStringLiteral("en")}
                                   << QStringLiteral("en");
        QTest::newRow("--lang=en") << QStringList{QStringLiteral("--lang=en")}
                                   << QStringLiteral("en");
        QTest::newRow("--lang zh") << QStringList{QStringLiteral("--lang"), QStringLiteral("zh")}
                                   << QStringLiteral("zh");
        QTest::newRow("unknown language")
            << QStringList{QStringLiteral("--lang"), QStringLiteral("fr")} << QString();
        QTest::newRow("no value") << QStringList{QStringLiteral("--lang")} << QString();
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour")} << QString();
    }
    void readsTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        // The system's locale has no say: an English one leaves the window's own texts.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QString error;
        const std::optional<QString> chosen = coilwind::ui::languageFromArguments(
            QStringList{QStringLiteral("coilwind")} + arguments, error);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(chosen.value_or(QString()), language);
        QCOMPARE(error.isEmpty(), !language.isEmpty());
        QVERIFY(!coilwind::ui::useLanguage(QStringLiteral("fr")));
    }

    // --lang en: the window, its menu and the details in English, nothing Chinese left; the
    // geometry and the calculation are the same.
    void englishWindow() {
        QVERIFY(coilwind::ui::useLanguage(QStringLiteral("en")));
        Window w;
        QCOMPARE(w.child<QPushButton>("Command1")->text(), QStringLiteral("Calculate"));
        QCOMPARE(w.child<QGroupBox>("Frame3")->title(), QStringLiteral("Results"));
        QCOMPARE(w.child<QLabel>("Label3_20")->text(), QStringLiteral("Turns"));
        QVERIFY(w.child<QGroupBox>("Frame2")->toolTip().startsWith(QStringLiteral("How to use")));
        QCOMPARE(w->actions().first()->text(), QStringLiteral("Winding details"));
        QCOMPARE(w->size(), QSize(559, 601));
        QTest::mouseClick(w.child<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(w.text(20), QStringLiteral("10.6"));
        w->showDetails();
        auto* details = w->findChild<coilwind::ui::DetailsWindow*>();
        QVERIFY(details != nullptr);
        QCOMPARE(chineseTexts(w.window.get()), QStringList{});
        QVERIFY(w.child<QLabel>("calculationStatus")
                    ->text()
                    .startsWith(QStringLiteral("Calculation completed: Calculate button")));
    }

    // Back to the window's own texts, byte for byte as the window description holds them.
    void ownTextsAgain() {
        QVERIFY(coilwind::ui::useLanguage(QStringLiteral("en")));
        QVERIFY(coilwind::ui::useLanguage(QStringLiteral("zh")));
        Window w;
        for (const coilwind::ControlDescription& control : coilwind::windowDescription()) {
            if (control.kind == coilwind::ControlKind::Caption) {
                QCOMPARE(w.child<QLabel>(control.name.data())->text().toStdString(),
                         std::string(control.caption));
            }
        }
        QCOMPARE(w.child<QPushButton>("Command1")->text(), QStringLiteral("计算"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
