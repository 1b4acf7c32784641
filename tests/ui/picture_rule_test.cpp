#include "ui/picture_rule.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace coilwind::ui;

class PictureRuleTest : public QObject {
    Q_OBJECT

private slots:
    // The build renders every picture at most 505 x 180 pixels, so it stays inside its frame,
    // and a twice-as-dense copy for high-density screens.
    void shippedPicturesFitTheirFrame_data() {
        QTest::addColumn<QString>("file");
        for (const char* file : {"KQCORE.JPG", "RC.JPG", "KQ.JPG", "R.JPG"}) {
            QTest::newRow(file) << QString::fromLatin1(file);
        }
    }
    void shippedPicturesFitTheirFrame() {
        QFETCH(QString, file);
        const QString dir = QCoreApplication::applicationDirPath();
        const LoadedPicture plain = loadPicture(dir, file);
        QVERIFY2(!plain.image.isNull(), qPrintable(plain.error));
        QVERIFY(plain.image.width() <= 505 && plain.image.height() <= 180);

        const LoadedPicture dense = loadPicture(dir, file, 2.0);
        QCOMPARE(dense.image.devicePixelRatio(), 2.0);
        QCOMPARE(dense.image.deviceIndependentSize(), QSizeF(plain.image.size()));
    }

    // Files that are not usable pictures: each is refused with a reason, never half shown.
    void brokenFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("contents");
        QFile good(QCoreApplication::applicationDirPath() + "/KQCORE.JPG");
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray jpeg = good.readAll();
        QTest::newRow("truncated") << jpeg.first(jpeg.size() / 2);
        QTest::newRow("not a picture") << QByteArray("GIF? no: plain text\n");
    }
    void brokenFilesAreRefused() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("KQ.JPG")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        const LoadedPicture loaded = loadPicture(dir.path(), QStringLiteral("KQ.JPG"));
        QVERIFY(loaded.image.isNull());
        QVERIFY(!loaded.error.isEmpty());
    }

    void theDenseCopyIsOptional() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/RC.JPG",
                            dir.filePath(QStringLiteral("RC.JPG"))));
        const LoadedPicture loaded = loadPicture(dir.path(), QStringLiteral("RC.JPG"), 2.0);
        QVERIFY(!loaded.image.isNull());
        QCOMPARE(loaded.image.devicePixelRatio(), 1.0);
        // without the plain file the dense copy alone is not enough
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/R@2x.JPG",
                            dir.filePath(QStringLiteral("R@2x.JPG"))));
        const LoadedPicture missing = loadPicture(dir.path(), QStringLiteral("R.JPG"), 2.0);
        QVERIFY(missing.image.isNull());
        QVERIFY(!missing.error.isEmpty());
    }
};

QTEST_MAIN(PictureRuleTest)
#include "picture_rule_test.moc"
