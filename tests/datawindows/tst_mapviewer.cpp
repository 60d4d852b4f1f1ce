// The Moon map viewer on real picture files: layout, unscaled drawing at the
// top-left of Picture3, cutting, replacing and missing or unreadable files.
#include "grab.h"
#include "companionslot.h"
#include "datafolder.h"
#include "messagelog.h"
#include "mapviewer.h"
#include "picturefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

using namespace tavik;
using tavik::testing::CompanionSlot;
using tavik::testing::DataFolder;
using tavik::testing::MessageLog;
using tavik::testing::failOnMessages;

namespace {

// A two-image GIF of 6 x 4 pixels: first red (left half) and blue (right
// half), then all green.
const unsigned char kTwoImageGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x06, 0x00, 0x04, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00, 0x00,
    0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
    0x06, 0x00, 0x04, 0x00, 0x00, 0x02, 0x07, 0x84, 0x83, 0x06, 0x18, 0xca, 0x8e, 0x0a, 0x00, 0x21,
    0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00, 0x04, 0x00,
    0x80, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0x02, 0x04, 0x84, 0x8f, 0xa9, 0x57, 0x00, 0x3b};

QByteArray twoImageGif() { return QByteArray(reinterpret_cast<const char*>(kTwoImageGif), sizeof kTwoImageGif); }

// A JPEG of the given size, grey, with a white block of 10 x 10 at its
// bottom-right corner.
QByteArray jpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0x80, 0x80, 0x80));
    for (int y = size.height() - 10; y < size.height(); ++y)
        for (int x = size.width() - 10; x < size.width(); ++x)
            image.setPixelColor(x, y, Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 100);
    return bytes;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

QImage shot(QWidget& w) { return grabLogical(w); }

QString shippedPicture(const QString& name)
{
    return qEnvironmentVariable("TAVIK_SOURCE_DIR") + QStringLiteral("/Pic/") + name;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A viewer on a scratch data folder, its messages caught.
struct Viewer {
    DataFolder data;
    MessageLog log{QStringLiteral("Form3")};
    MapViewerWindow w{data.folders(), log.sink()};

    // Writes the picture file and asks the viewer for it, by `asked` where
    // that is given.
    void show(const QString& file, const QByteArray& bytes, const QString& asked = QString())
    {
        data.write(file, bytes);
        w.showPicture(asked.isEmpty() ? file : asked);
    }
};

}  // namespace

class TestMapViewer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout();
    void firstImageOfGifUnscaledAtTopLeft();
    void largePictureIsCut();
    void pictureIsReplaced();
    void fileNameLetterCaseDoesNotMatter();
    void missingPicture_data();
    void missingPicture();
    void unreadablePicture();
    void damagedPicture_data();
    void damagedPicture();
    void shippedPicturesAreWhole();
    void openingAgainOnlyRaises();
};

void TestMapViewer::layout()
{
    DataFolder data;
    MapViewerWindow w(data.folders(), failOnMessages());
    QCOMPARE(w.objectName(), QStringLiteral("Form3"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Hold térképek"));
    QCOMPARE(w.size(), QSize(1167, 729));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(w.Picture3->objectName(), QStringLiteral("Picture3"));
    QCOMPARE(w.Picture3->geometry(), QRect(16, 16, 1137, 1017));
    QCOMPARE(w.Picture3->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(w.parentWidget() == nullptr);
}

void TestMapViewer::firstImageOfGifUnscaledAtTopLeft()
{
    Viewer v;
    v.show(QStringLiteral("Lunar-day02s.gif"), twoImageGif());
    QCOMPARE(v.log.count(), 0);
    MapViewerWindow& w = v.w;
    QVERIFY(w.isVisible());
    QCOMPARE(w.Picture3->picture().size(), QSize(6, 4));
    const QImage image = shot(w);
    const QPoint origin = w.Picture3->pos();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x)
            QCOMPARE(image.pixelColor(origin + QPoint(x, y)), x < 3 ? QColor(Qt::red) : QColor(Qt::blue));
    }
    // Black around it: right of it, below it, and between the window's edge and Picture3.
    QCOMPARE(image.pixelColor(origin + QPoint(6, 0)), QColor(Qt::black));
    QCOMPARE(image.pixelColor(origin + QPoint(0, 4)), QColor(Qt::black));
    QCOMPARE(image.pixelColor(origin - QPoint(1, 1)), QColor(Qt::black));
    QCOMPARE(w.windowTitle(), QStringLiteral("Hold térképek"));
}

void TestMapViewer::largePictureIsCut()
{
    Viewer v;
    v.show(QStringLiteral("Lunar-map.jpg"), jpeg(QSize(1300, 800)));
    QCOMPARE(v.log.count(), 0);
    MapViewerWindow& w = v.w;
    QCOMPARE(w.Picture3->picture().size(), QSize(1300, 800));  // not scaled
    const QImage image = shot(w);
    const QColor grey(0x80, 0x80, 0x80);
    const int right = w.Picture3->geometry().right();  // last column of Picture3
    QVERIFY(near(image.pixelColor(right, 100), grey));
    QCOMPARE(image.pixelColor(right + 1, 100), QColor(Qt::black));
    // Down to the window's bottom edge: 713 rows of the picture show.
    QVERIFY(near(image.pixelColor(100, w.height() - 1), grey));
    QCOMPARE(w.height() - w.Picture3->y(), 713);
    // The white corner lies beyond both edges.
    for (int y = w.Picture3->y(); y < image.height(); y += 50)
        QVERIFY(!near(image.pixelColor(right, y), Qt::white));
}

void TestMapViewer::pictureIsReplaced()
{
    DataFolder data;
    QVERIFY(data.write(QStringLiteral("Lunar-day02s.gif"), twoImageGif()));
    QVERIFY(data.write(QStringLiteral("Lunar-map.jpg"), jpeg(QSize(40, 30))));
    MessageLog log;
    CompanionSlot<MapViewerWindow> viewer([&] { return new MapViewerWindow(data.folders(), log.sink()); });
    viewer.open()->showPicture(QStringLiteral("Lunar-map.jpg"));
    MapViewerWindow* first = viewer.window();
    viewer.open()->showPicture(QStringLiteral("Lunar-day02s.gif"));
    QCOMPARE(viewer.window(), first);
    const QImage image = shot(*first);
    const QPoint origin = first->Picture3->pos();
    QCOMPARE(image.pixelColor(origin), QColor(Qt::red));
    QCOMPARE(image.pixelColor(origin + QPoint(20, 20)), QColor(Qt::black));  // nothing of the map left
    QCOMPARE(log.count(), 0);

    // A picture that cannot be shown leaves the area empty.
    viewer.open()->showPicture(QStringLiteral("Lunar-day09s.gif"));
    QVERIFY(first->Picture3->picture().isNull());
    QCOMPARE(shot(*first).pixelColor(origin), QColor(Qt::black));
}

void TestMapViewer::fileNameLetterCaseDoesNotMatter()
{
    Viewer v;
    v.show(QStringLiteral("LUNAR-DAY03S.GIF"), twoImageGif(), QStringLiteral("Lunar-day03s.gif"));
    QCOMPARE(v.log.count(), 0);
    QCOMPARE(v.w.Picture3->picture().size(), QSize(6, 4));
}

void TestMapViewer::missingPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("folderMissing");
    QTest::addColumn<QString>("message");
    QTest::newRow("day picture") << "Lunar-day05s.gif" << false
                                 << QStringLiteral("A 'Lunar-day05s.gif' fájl NEM található!");
    QTest::newRow("no data folder") << "Lunar-map.jpg" << true
                                    << QStringLiteral("A 'Lunar-map.jpg' fájl NEM található!");
}

void TestMapViewer::missingPicture()
{
    QFETCH(QString, file);
    QFETCH(bool, folderMissing);
    QFETCH(QString, message);
    Viewer v;
    if (folderMissing)
        QVERIFY(v.data.removeFolder());
    v.w.showPicture(file);
    // The window came first.
    QCOMPARE(v.log.messages, (QList<testing::Message>{{MessageIcon::Error, message, true}}));
    QVERIFY(v.w.Picture3->picture().isNull());
    QVERIFY(v.w.isVisible());
}

void TestMapViewer::unreadablePicture()
{
    Viewer v;
    v.show(QStringLiteral("Lunar-day11s.gif"), "GIF89a but not really a picture");
    QCOMPARE(v.log.count(), 1);
    QCOMPARE(v.log.messages.first().icon, MessageIcon::Error);
    QVERIFY2(v.log.lastText().startsWith(QStringLiteral("A 'Lunar-day11s.gif' fájl NEM olvasható!")),
             qPrintable(v.log.lastText()));
    QVERIFY(v.w.Picture3->picture().isNull());
}

void TestMapViewer::damagedPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray day = fileBytes(shippedPicture(QStringLiteral("Lunar-day03s.gif")));
    const QByteArray map = fileBytes(shippedPicture(QStringLiteral("Lunar-map.jpg")));
    QVERIFY(day.size() > 1000 && map.size() > 1000);
    QTest::newRow("GIF cut in half") << "Lunar-day03s.gif" << day.left(day.size() / 2);
    QTest::newRow("GIF cut short of its end") << "Lunar-day03s.gif" << day.left(day.size() - 3);
    QTest::newRow("GIF header only") << "Lunar-day03s.gif" << day.left(20);
    QTest::newRow("JPEG cut in half") << "Lunar-map.jpg" << map.left(map.size() / 2);
    QTest::newRow("small JPEG cut") << "Lunar-map.jpg" << jpeg(QSize(40, 30)).chopped(8);
    QTest::newRow("small GIF cut inside its first image") << "Lunar-day03s.gif" << twoImageGif().left(44);
    QTest::newRow("not a picture") << "Lunar-map.jpg" << QByteArray("\xff\xd8 not really");
}

void TestMapViewer::damagedPicture()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    Viewer v;
    v.show(QStringLiteral("Lunar-day02s.gif"), twoImageGif());
    QVERIFY(!v.w.Picture3->picture().isNull());
    v.show(file, bytes);
    QCOMPARE(v.log.messages, (QList<testing::Message>{{MessageIcon::Error,
        QStringLiteral("A '%1' fájl NEM olvasható!\nSérült vagy ismeretlen formátumú kép.").arg(file), true}}));
    QVERIFY(v.w.Picture3->picture().isNull());
    const QImage image = shot(v.w);
    QCOMPARE(image.pixelColor(v.w.Picture3->pos() + QPoint(2, 2)), QColor(Qt::black));
}

void TestMapViewer::shippedPicturesAreWhole()
{
    const QDir pic(qEnvironmentVariable("TAVIK_SOURCE_DIR") + QStringLiteral("/Pic"));
    const QStringList pictures = pic.entryList({QStringLiteral("*.gif"), QStringLiteral("*.jpg")}, QDir::Files);
    QCOMPARE(pictures.size(), 23);
    for (const QString& name : pictures) {
        const PictureRead read = readPicture(pic.filePath(name));
        QVERIFY2(read.ok() && read.status.ok(), qPrintable(name + u' ' + describeFileFault(read.status)));
    }
}

void TestMapViewer::openingAgainOnlyRaises()
{
    DataFolder data;
    MessageLog log;
    CompanionSlot<MapViewerWindow> viewer([&] { return new MapViewerWindow(data.folders(), log.sink()); });
    MapViewerWindow* first = viewer.open();
    QCOMPARE(viewer.open(), first);
    QCOMPARE(viewer.made(), 1);
    QVERIFY(first->close());
    tavik::testing::flushDeletions();
    QVERIFY(viewer.isNull());
    viewer.open();
    QCOMPARE(viewer.made(), 2);
}

QTEST_MAIN(TestMapViewer)
#include "tst_mapviewer.moc"
