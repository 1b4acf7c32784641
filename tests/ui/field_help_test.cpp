#include "window_fixture.hpp"

#include <QLabel>
#include <QLineEdit>

// The English help on every field and its caption, worded for the core type in the box.
class FieldHelpTest : public QObject {
    Q_OBJECT

private slots:
    void helpFollowsTheCoreType() {
        // field, unit, words for the drum core, for the rod core (empty: as for the drum core)
        const QList<std::tuple<int, QString, QString, QString>> rows{
            {0, "unit", "model;summary;not used", ""},
            {1, ", mm", "outer;diameter;drum", "rod diameter"},
            {2, ", mm", "centre-post;diameter", "rod length"},
            {3, ", mm", "not used", ""},
            {4, ", mm", "length;read;AL", "not used"},
            {5, ", mm", "not used", ""},
            {6, ", mm", "winding width;read;wire", "not used"},
            {7, ", mm", "pin length;not used", ""},
            {8, ", mm", "pin pitch;not used", ""},
            {9, "unit", "maker;summary;not used", ""},
            {17, "no unit", "permeability;read", ""},
            {18, ", nH", "inductance factor;written;\"0.0\"", ""},
            {19, ", µH", "inductance;read", ""},
            {20, "turns", "number of turns;written;\"0.0\"", ""},
            {21, ", mm", "wire diameter;drum;\"0.000\"", "wire diameter;rod;\"0.000\""},
            {23, ", Ω", "resistance;\"0.0000\"", ""},
            {24, ", g", "copper weight;\"0.000\" followed by a line break", ""},
        };
        Window w;
        const auto verifyHelp = [&](bool rodCore) {
            for (const auto& [field, unit, drum, rod] : rows) {
                const QString help = w->field(field)->toolTip();
                QVERIFY2(help.contains(unit), qPrintable(help));
                for (const QString& word : (rodCore && !rod.isEmpty() ? rod : drum).split(';')) {
                    QVERIFY2(help.contains(word, Qt::CaseInsensitive),
                             qPrintable(word + ": " + help));
                }
                QCOMPARE(w->field(field)->accessibleDescription(), help); // not Qt's fallback
            }
            for (const QLabel* label : w->findChildren<QLabel*>()) {
                QCOMPARE(label->toolTip(), label->buddy() ? label->buddy()->toolTip() : QString());
            }
        };

        // Each core type's words are missing from the other's text where the meaning differs,
        // so passing both in turn shows the help changed.
        verifyHelp(false);
        w.pickCoreType(1);
        verifyHelp(true);
        // Typing follows the calculation's exact-text test: "R COR" is the drum core again.
        QTest::keyClick(w.coreType()->lineEdit(), Qt::Key_End);
        QTest::keyClick(w.coreType()->lineEdit(), Qt::Key_Backspace);
        verifyHelp(false);
        QTest::keyClicks(w.coreType()->lineEdit(), "E");
        verifyHelp(true);
    }
};

QTEST_MAIN(FieldHelpTest)
#include "field_help_test.moc"
