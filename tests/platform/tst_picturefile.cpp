#include "platform/picturefile.h"
#include "support/deadline.h"
#include "support/specialfiles.h"
#include "support/tempfiles.h"

#include <QBuffer>
#include <QTest>

class tst_PictureFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsPictureWithItsSize_data();
    void readsPictureWithItsSize();
    void fifoIsNotAPicture();
};

namespace {

// The smallest GIF there is: one pixel. Qt reads GIF but does not write it.
const QByteArray onePixelGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                             ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                             35);

QByteArray written(const char *format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

void tst_PictureFile::readsPictureWithItsSize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::newRow("PNG") << written("PNG", QSize(30, 20)) << QSize(30, 20);
    QTest::newRow("JPEG") << written("JPEG", QSize(17, 9)) << QSize(17, 9);
    QTest::newRow("GIF") << onePixelGif << QSize(1, 1);
    QTest::newRow("not a picture") << QByteArray("<HTML>") << QSize();
}

void tst_PictureFile::readsPictureWithItsSize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    TempFiles files;
    const std::optional<QImage> picture = platform::readPictureFile(files.write("picture", bytes));
    QCOMPARE(picture.has_value(), size.isValid());
    if (picture)
        QCOMPARE(picture->size(), size);
}

void tst_PictureFile::fifoIsNotAPicture()
{
    TempFiles files;
    const QString path = specialfiles::makeFifo(files.path("x.png"));
    QVERIFY(!path.isEmpty());
    const Deadline deadline(10);
    QVERIFY(!platform::readPictureFile(path));
}

QTEST_MAIN(tst_PictureFile)
#include "tst_picturefile.moc"
