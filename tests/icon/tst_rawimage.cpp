#include "icon/rawimage.h"
#include "support/tempfiles.h"

#include <QTest>

class tst_RawImage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsBackEveryPixel();
    void fileThatIsNotWholeRowsIsNoImage_data();
    void fileThatIsNotWholeRowsIsNoImage();
    void programIconHasItsFourSizes();
};

void tst_RawImage::readsBackEveryPixel()
{
    // Half-transparent and opaque pixels, in an image wider than tall, as a strip is.
    QImage image(6, 2, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, 0, qRgba(40 * x, 200, 10, 255));
        image.setPixel(x, 1, qRgba(0, 0, 255, 128));
    }
    TempFiles files;
    const QString path = files.path(QStringLiteral("strip.argb"));
    QVERIFY(writeRawImage(image, path));
    QCOMPARE(QFileInfo(path).size(), 6 * 2 * 4);
    const QImage read = readRawImage(path, 2);
    QCOMPARE(read, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void tst_RawImage::fileThatIsNotWholeRowsIsNoImage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("height");
    QTest::newRow("a row and a half") << QByteArray(4 * 3 * 2 + 4, '\xff') << 2;
    QTest::newRow("empty") << QByteArray() << 16;
    QTest::newRow("height of nothing") << QByteArray(16, '\xff') << 0;
}

void tst_RawImage::fileThatIsNotWholeRowsIsNoImage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, height);
    TempFiles files;
    QVERIFY(readRawImage(files.write(QStringLiteral("bad.argb"), bytes), height).isNull());
    QVERIFY(readRawImage(files.path(QStringLiteral("missing.argb")), 16).isNull());
}

void tst_RawImage::programIconHasItsFourSizes()
{
    // The pixels rendered at build time are in the program, each size drawn, not blank.
    for (int size : {16, 32, 48, 64}) {
        const QImage image = readRawImage(QStringLiteral(":/icon/zurne-%1.argb").arg(size), size);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.pixelColor(size / 2, size / 2).alpha() > 0);
    }
}

QTEST_MAIN(tst_RawImage)

#include "tst_rawimage.moc"
