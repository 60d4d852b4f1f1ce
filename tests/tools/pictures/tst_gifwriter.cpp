#include "gifwriter.h"

#include "smalldisk.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik::pictures;

namespace {

QVector<QRgb> testPalette()
{
    return moonPalette({QColor(0xB8, 0xDC, 0xFF), QColor(0xFF, 0xA8, 0x30)});
}

QImage testPicture()
{
    // A grey ramp, a band in each accent colour and a dark outline.
    QImage image(64, 40, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int g = x * 4;
            image.setPixel(x, y, y < 20 ? qRgb(g, g, g) : y < 30 ? qRgb(0xB8, 0xDC, 0xFF) : qRgb(0xFF, 0xA8, 0x30));
        }
    image.setPixel(5, 25, qRgb(0, 0, 0));
    return image;
}

} // namespace

class TestGifWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void paletteHoldsGreysAndAccents();
    void roundTripsThroughQt();
    void quantisedColoursAreNearTheOriginal();
    void unquantisedPictureIsRefused();
    void unwritablePathIsReported();
    void aFullDiskKeepsTheOldPicture();
};

void TestGifWriter::paletteHoldsGreysAndAccents()
{
    const QVector<QRgb> palette = testPalette();
    QCOMPARE(palette.size(), 256);
    QCOMPARE(palette.front(), qRgb(0, 0, 0));
    QCOMPARE(palette[255 - 32], qRgb(255, 255, 255));
    QCOMPARE(palette[255 - 16], qRgb(0xB8, 0xDC, 0xFF));
    QCOMPARE(palette.back(), qRgb(0xFF, 0xA8, 0x30));
}

void TestGifWriter::roundTripsThroughQt()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("test.gif"));
    QString error;
    QVERIFY2(writeGif(testPicture(), testPalette(), path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(3), QByteArray("GIF"));
    file.close();

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage back = reader.read();
    QVERIFY2(!back.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(back.size(), QSize(64, 40));
    const QImage expected = quantise(testPicture(), testPalette());
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            QCOMPARE(back.pixel(x, y) | 0xff000000u, expected.pixel(x, y) | 0xff000000u);
}

void TestGifWriter::quantisedColoursAreNearTheOriginal()
{
    const QImage original = testPicture();
    const QImage indexed = quantise(original, testPalette());
    QCOMPARE(indexed.format(), QImage::Format_Indexed8);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y);
            const QRgb b = indexed.pixel(x, y);
            QVERIFY(std::abs(qRed(a) - qRed(b)) <= 1);
            QVERIFY(std::abs(qGreen(a) - qGreen(b)) <= 1);
            QVERIFY(std::abs(qBlue(a) - qBlue(b)) <= 1);
        }
}

void TestGifWriter::unquantisedPictureIsRefused()
{
    QString error;
    QVERIFY(encodeGif(testPicture(), &error).isEmpty());
    QVERIFY(error.contains(QStringLiteral("256")));
}

void TestGifWriter::unwritablePathIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/test.gif"));
    QString error;
    QVERIFY(!writeGif(testPicture(), testPalette(), path, &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}

// The picture is written whole or not at all: a failed flush on a full disk
// is not taken for success.
void TestGifWriter::aFullDiskKeepsTheOldPicture()
{
    tavik::testing::SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.whyNot()));
    QVERIFY(disk.write(QStringLiteral("000-ujhold.gif"), "GIF89a the old picture"));
    QVERIFY(disk.fill());
    const QString path = disk.filePath(QStringLiteral("000-ujhold.gif"));
    QString error;
    QVERIFY(!writeGif(testPicture(), testPalette(), path, &error));
    QCOMPARE(error, path + QStringLiteral(": A '000-ujhold.gif' fájl NEM menthető! Megtelt a lemez."));
    QCOMPARE(disk.read(QStringLiteral("000-ujhold.gif")), QByteArray("GIF89a the old picture"));
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("000-ujhold.gif")});
}

QTEST_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
