#include "window_fixture.hpp"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>

// What a screen reader is told about each control.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsCarryTheirCaptions_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("caption");
        const QList<std::pair<int, const char*>> captions{
            {0, "规格型号"},     {1, "外径A"}, {2, "中柱B"},         {3, "C"},
            {4, "长D"},          {5, "E"},     {6, "幅宽F"},         {7, "针长"},
            {8, "针距"},         {9, "厂家"},  {17, "磁导率Ue"},     {18, "AL (nH/N2)"},
            {19, "电感量 (uH)"}, {20, "圈数"}, {21, "最大线径(mm)"}, {23, "DCR-max. (Ω)"},
            {24, "铜重(g)"}};
        for (const auto& [field, caption] : captions) {
            QTest::newRow(caption) << field << QString::fromUtf8(caption);
        }
    }
    void fieldsCarryTheirCaptions() {
        QFETCH(int, field);
        QFETCH(QString, caption);
        Window w;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w->field(field));
        QVERIFY(access != nullptr);
        QCOMPARE(access->text(QAccessible::Name), caption);
        QCOMPARE(access->role(), QAccessible::EditableText);
    }

    void buttonsCarryTheirCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Command1") << "Command1"
                                  << "计算";
        QTest::newRow("Command2") << "Command2"
                                  << "不要点，这是广告。";
        QTest::newRow("Option1") << "Option1"
                                 << "CORE";
        QTest::newRow("Option2") << "Option2"
                                 << "INDUCTANCE";
    }
    void buttonsCarryTheirCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Window w;
        QAccessibleInterface* access =
            QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(name));
        QVERIFY(access != nullptr);
        QCOMPARE(access->text(QAccessible::Name), caption);
    }

    void thePictureIsDescribed() {
        Window w;
        QAccessibleInterface* access =
            QAccessible::queryAccessibleInterface(w.child<QLabel>("fig"));
        QVERIFY(access != nullptr);
        QVERIFY(!access->text(QAccessible::Name).isEmpty());
        QVERIFY(access->text(QAccessible::Description).contains(QStringLiteral("KQCORE.JPG")));
        QVERIFY(access->text(QAccessible::Description).contains(QStringLiteral("drum core")));
        w.pickCoreType(1);
        w.click("Option2");
        QVERIFY(access->text(QAccessible::Description).contains(QStringLiteral("R.JPG")));
        QVERIFY(access->text(QAccessible::Description).contains(QStringLiteral("rod-core")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
