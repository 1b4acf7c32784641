#include "calc/field_set.hpp"
#include "window_fixture.hpp"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <map>

using coilwind::FieldIndex;

namespace {

// The text each result field may hold once written.
const std::map<FieldIndex, QRegularExpression> kResultPatterns{
    {18, QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]$"))},
    {20, QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]$"))},
    {21, QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]{3}$"))},
    {23, QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]{4}$"))},
    {24, QRegularExpression(QStringLiteral("^-?[0-9]+\\.[0-9]{3}\\n\\r$"))},
};

QString hostile(int kind) {
    switch (kind) {
    case 0:
        return QString(1 << 20, QLatin1Char('7'));
    case 1:
        return QStringLiteral("\x01\x02\t\r\n\x1b[2J\x7f");
    case 2:
        return QStringLiteral("1e400");
    case 3:
        return QStringLiteral("&H") + QString(400, QLatin1Char('F'));
    case 4:
        return QString(QChar(0xD800)) + QStringLiteral("5") + QChar(0xDC00);
    default:
        return QStringLiteral("4") + QChar(0) + QStringLiteral("7");
    }
}

} // namespace

// Whatever is pasted, the calculator neither crashes nor writes anything but its results, and
// each result it writes has its pattern.
class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void pastedTextChangesNothingButResults_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("entry");
        const char* names[] = {"1 MB of digits",    "control characters", "1e400",
                               "&H and 400 digits", "lone surrogates",    "NUL"};
        for (int kind = 0; kind < 6; ++kind) {
            // Qt lays out a megabyte of text in each field in about a second: once is enough.
            for (int entry = 0; entry < (kind == 0 ? 1 : 2); ++entry) {
                QTest::addRow("%s, %s", names[kind], entry == 0 ? "KQ CORE" : "R CORE")
                    << kind << entry;
            }
        }
    }
    void pastedTextChangesNothingButResults() {
        QFETCH(int, kind);
        QFETCH(int, entry);
        Window w;
        w.pickCoreType(entry);
        const QString text = hostile(kind);
        QApplication::clipboard()->setText(text);
        for (const auto& field : coilwind::kFields) {
            QLineEdit* edit = w->field(field.index);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->text().size(), text.size());
        }
        w.click("Command1");
        for (const FieldIndex trigger : {17, 19, 21}) {
            w->field(trigger)->setFocus();
            w.enter();
        }
        for (const auto& field : coilwind::kFields) {
            const QString now = w.text(field.index);
            const auto pattern = kResultPatterns.find(field.index);
            if (now == text) {
                continue;
            }
            QVERIFY2(pattern != kResultPatterns.end(),
                     qPrintable(QStringLiteral("field %1 changed").arg(field.index)));
            QVERIFY2(pattern->second.match(now).hasMatch(), qPrintable(now.left(80)));
        }
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
