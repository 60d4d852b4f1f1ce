// The pictures of the visibility maps: the built-in shore lines and
// borders, the legend's Hungarian words for both criteria, and the cells
// of a drawn map in the legend's colours.
#include "coastlines.h"
#include "mapimage.h"
#include "maplegend.h"
#include "mapwords.h"
#include "sheetlayer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTest>

#include <zlib.h>

#include <cmath>
#include <cstring>
#include <utility>

using namespace tavik;
using tavik::almanac::Criterion;
using tavik::almanac::MapOutcome;

class TestMapImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void geoLines_data()
    {
        QTest::addColumn<bool>("shores");
        QTest::addColumn<int>("least");
        QTest::newRow("shores") << true << 5000;
        QTest::newRow("borders") << false << 300;
    }

    void geoLines()
    {
        QFETCH(bool, shores);
        QFETCH(int, least);
        const QList<QPolygonF>& lines = shores ? maps::coastlines() : maps::borders();
        QVERIFY(lines.size() >= least);
        for (const QPolygonF& line : lines) {
            QVERIFY(line.size() >= 2);
            for (const QPointF& p : line)
                QVERIFY(p.x() >= -180 && p.x() <= 180 && p.y() >= -90 && p.y() <= 90);
        }
    }

    // The close views' lines: no step of a line longer than ten degrees (no
    // line across the antimeridian or joined to a wrong piece; the 49th
    // parallel's border and some Arctic shores are straight for a few), no sliver
    // of two points left of a thinned lake or island, every lake a ring
    // (but one in Chukotka, cut by the antimeridian).
    void detailedGeoLines_data()
    {
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("least");   // subpaths
        QTest::newRow("shores") << 0 << 20000;
        QTest::newRow("lakes") << 1 << 5000;
        QTest::newRow("borders") << 2 << 1000;
    }

    void detailedGeoLines()
    {
        QFETCH(int, layer);
        QFETCH(int, least);
        const maps::GeoLines& lines = layer == 0 ? maps::detailedShores() : layer == 1 ? maps::detailedLakes() : maps::detailedBorders();
        const QPainterPath path = lines.within(QRectF(QPointF(-180, -90), QPointF(180, 90)));
        QList<QPolygonF> subpaths;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            if (e.isMoveTo())
                subpaths.append(QPolygonF());
            subpaths.last().append(QPointF(e.x, e.y));
        }
        QVERIFY2(subpaths.size() >= least, qPrintable(QString::number(subpaths.size())));
        for (const QPolygonF& line : std::as_const(subpaths)) {
            const QString where = QStringLiteral("%1, %2").arg(line.first().x()).arg(line.first().y());
            QVERIFY2(line.size() >= (layer == 1 ? 4 : 2), qPrintable(where));
            if (layer == 1)
                QVERIFY2(line.first() == line.last() || std::abs(line.first().x()) == 180,   // cut at the world's edge
                         qPrintable(where));
            for (qsizetype k = 1; k < line.size(); ++k)
                QVERIFY2(std::abs(line[k].x() - line[k - 1].x()) <= 10 && std::abs(line[k].y() - line[k - 1].y()) <= 10,
                         qPrintable(where));
        }
        // Balaton's ring and nothing else near Siófok's shore.
        const QPainterPath near = maps::detailedLakes().within(QRectF(QPointF(18.0, 46.9), QPointF(18.05, 46.95)));
        QVERIFY(near.contains(QPointF(17.7, 46.85)));
    }

    void damagedGeoLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray one("TVKL\x01\x00\x00\x00\x02\x00\x10\x27\x20\x03\xF0\xD8\xE0\xFC", 18);
        QTest::newRow("whole") << one;
        QTest::newRow("cut short") << one.left(16);
        QTest::newRow("bytes after") << one + "x";
        QTest::newRow("other file") << QByteArray("GIF89a");
    }

    // A line from 100° E 8° N to 100° W 8° S, in hundredths of a degree.
    void damagedGeoLines()
    {
        QFETCH(QByteArray, bytes);
        const QList<QPolygonF> lines = maps::readGeoLines(bytes);
        if (QByteArray(QTest::currentDataTag()) == "whole")
            QCOMPARE(lines, QList<QPolygonF>{QPolygonF({QPointF(100, 8), QPointF(-100, -8)})});
        else
            QVERIFY(lines.isEmpty());
    }

    void legend_data()
    {
        QTest::addColumn<Criterion>("criterion");
        QTest::addColumn<bool>("morning");
        QTest::addColumn<QStringList>("texts");
        const QStringList evening{QStringLiteral("a Hold a Nap előtt nyugszik"), QStringLiteral("napnyugta az együttállás előtt"),
                                  QStringLiteral("nincs napnyugta")};
        QTest::newRow("Yallop, evening")
            << Criterion::Yallop << false
            << QStringList{QStringLiteral("A: könnyen látható"), QStringLiteral("B: jó időben látható"),
                           QStringLiteral("C: távcső segíthet"), QStringLiteral("D: csak távcsővel"),
                           QStringLiteral("E: távcsővel sem"), QStringLiteral("F: nem látható")} + evening;
        QTest::newRow("Odeh, morning")
            << Criterion::Odeh << true
            << QStringList{QStringLiteral("A: szabad szemmel látható"),
                           QStringLiteral("B: távcsővel látható, szabad szemmel is lehet"),
                           QStringLiteral("C: csak távcsővel látható"), QStringLiteral("D: távcsővel sem látható"),
                           QStringLiteral("a Hold a Nap után kel"), QStringLiteral("napkelte az együttállás után"),
                           QStringLiteral("nincs napkelte")};
    }

    void legend()
    {
        QFETCH(Criterion, criterion);
        QFETCH(bool, morning);
        QFETCH(QStringList, texts);
        QStringList shown;
        QSet<QRgb> colours;
        for (const maps::LegendEntry& e : words::legendEntries(criterion, morning)) {
            shown << e.text;
            colours.insert(e.colour.rgb());
        }
        QCOMPARE(shown, texts);
        QCOMPARE(colours.size(), texts.size());   // every entry its own colour
    }

    // Each cell of a small made-up map in its colour, at the right place.
    void cellsInTheirColours()
    {
        almanac::VisibilityMap map;
        map.request.criterion = Criterion::Yallop;
        map.rows = 2;
        map.columns = 4;
        map.points.resize(8);
        for (int i = 0; i < 6; ++i) {
            map.points[i].outcome = MapOutcome::Graded;
            map.points[i].grade = std::uint8_t(i);
        }
        map.points[6].outcome = MapOutcome::MoonsetFirst;
        map.points[7].outcome = MapOutcome::NoSunset;
        const QImage cells = maps::cellImage(map);
        QImage picture(400, 200, QImage::Format_RGB32);
        QPainter p(&picture);
        maps::paintMap(p, QRectF(0, 0, 400, 200), cells, maps::kWorld, std::nullopt, words::mapLabels());
        p.end();
        // A place of open sea in each cell, off the graticule.
        const QPointF seas[8] = {{-140, 15}, {-40, 25}, {65, 15}, {160, 25},
                                 {-125, -40}, {-20, -40}, {70, -40}, {155, -50}};
        for (int i = 0; i < 8; ++i) {
            const QPoint at(int((seas[i].x() + 180) / 360 * 400), int((90 - seas[i].y()) / 180 * 200));
            QCOMPARE(picture.pixel(at), maps::pointColour(Criterion::Yallop, map.points[i]).rgb());
        }
    }

    // The map names the places it is given, in the words given, and no other.
    void placesAsGiven_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << QString();
        QTest::newRow("Hungarian") << QStringLiteral("Bécs");
        QTest::newRow("English") << QStringLiteral("Vienna");
    }

    void placesAsGiven()
    {
        QFETCH(QString, name);
        maps::MapLabels labels;
        if (!name.isEmpty())
            labels.capitals.append({name, 48.21, 16.37});
        const maps::GeoRect region{14.0, 47.0, 19.0, 49.5};
        const auto draw = [&](const maps::MapLabels& l) {
            QImage picture(500, 250, QImage::Format_RGB32);
            QPainter p(&picture);
            maps::paintMap(p, QRectF(0, 0, 500, 250), QImage(), region, std::nullopt, l);
            return picture;
        };
        const QImage named = draw(labels), bare = draw(maps::MapLabels());
        // The dot, and the name (with its halo) right of it, as wide as the name.
        const int x = int((16.37 - region.west) / region.width() * 500), y = int((region.north - 48.21) / region.height() * 250);
        QCOMPARE(named.pixel(x, y) == qRgb(0, 0, 0), !name.isEmpty());
        int right = x;
        for (int cx = x; cx < 500; ++cx)
            for (int cy = y - 10; cy <= y + 10; ++cy)
                if (named.pixel(cx, cy) != bare.pixel(cx, cy))
                    right = cx;
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(11);
        const qreal width = name.isEmpty() ? 0 : 4.5 + QFontMetricsF(f).horizontalAdvance(name);
        QVERIFY2(std::abs(right - x - width) <= 3, qPrintable(QString::number(right - x)));
        QCOMPARE(named == bare, name.isEmpty());
    }

    // A title wider than the sheet goes on to a second line, all of it on
    // the sheet and above the maps; one that fits keeps one line.
    void titleOnTheSheet_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("lines");
        QTest::newRow("file picture") << 1464 << 1;
        QTest::newRow("narrow window") << 560 << 2;
    }

    void titleOnTheSheet()
    {
        QFETCH(int, width);
        QFETCH(int, lines);
        maps::MapSheet sheet;
        sheet.title = QStringLiteral("Crescent visibility – Yallop's q – conjunction: 2025.05.27 03:02 UT");
        sheet.captions = {QString()};
        const maps::SheetLayout layout = maps::layoutSheet(sheet, QSize(width, 600), true);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(18);
        f.setBold(true);
        const QFontMetricsF metrics(f);
        QCOMPARE(int(std::lround((layout.title.height() - metrics.height()) / metrics.lineSpacing())) + 1, lines);
        QVERIFY(layout.maps.first().top() > layout.title.bottom());
        // Ink in the title's last line, none beyond the title's box.
        const QImage picture = maps::sheetImage(sheet, layout);
        const auto inked = [&](int top, int bottom) {
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < width; ++x)
                    if (picture.pixel(x, y) == qRgb(0, 0, 0))
                        return true;
            return false;
        };
        QVERIFY(inked(int(layout.title.bottom() - metrics.height()), int(layout.title.bottom())));
        QVERIFY(!inked(int(layout.title.bottom()) + 1, int(layout.maps.first().top())));
    }

    // A sheet put together from its layer is the picture drawn, pixel for
    // pixel, for the cells it was drawn with and for others of the same
    // colours (another evening); it refuses a cell of another colour, and
    // bytes that are cut short, damaged or of another sheet.
    void layerPutsTheSheetTogether_data()
    {
        QTest::addColumn<bool>("odeh");
        QTest::addColumn<bool>("hungary");
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("maps");
        QTest::addColumn<bool>("site");
        QTest::newRow("world at 5°, Yallop, a site") << false << false << QSize(72, 36) << 1440 << 1 << true;
        QTest::newRow("world at 2°, Odeh") << true << false << QSize(180, 90) << 1440 << 1 << false;
        // Lakes filled in the detailed shores' water colour, the towns named.
        QTest::newRow("Hungary, two evenings") << false << true << QSize(140, 55) << 900 << 2 << true;
    }

    void layerPutsTheSheetTogether()
    {
        QFETCH(bool, odeh);
        QFETCH(bool, hungary);
        QFETCH(QSize, cells);
        QFETCH(int, width);
        QFETCH(int, maps);
        QFETCH(bool, site);
        const Criterion criterion = odeh ? Criterion::Odeh : Criterion::Yallop;
        const maps::GeoRect region = hungary ? maps::kHungary : maps::kWorld;
        const QList<QRgb> palette = maps::cellPalette(criterion);
        QRandomGenerator random(20261208);
        // Patches of the palette's colours, so that every kind of line crosses several.
        const auto evening = [&] {
            QImage image(cells, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, palette[(x / 3 + y / 2 * 5 + int(random.bounded(2))) % palette.size()]);
            return image;
        };
        maps::MapSheet sheet;
        sheet.title = QStringLiteral("Holdsarló láthatósága 2025.05.27. este");
        sheet.legend = words::legendEntries(criterion, false);
        sheet.labels = words::mapLabels();
        sheet.region = region;
        if (site)
            sheet.site = almanac::Site{};   // Budapest
        for (int i = 0; i < maps; ++i) {
            sheet.cells.append(evening());
            sheet.cellRegions.append(region);
            sheet.captions.append(maps > 1 ? QStringLiteral("2025.05.%1. este").arg(27 + i) : QString());
        }
        const maps::SheetLayout layout = maps::pictureLayout(sheet, width);
        const QByteArray key = maps::sheetLayerKey(sheet, layout, palette, "test");
        const QByteArray bytes = maps::SheetLayer::draw(sheet, layout, palette, key).bytes();
        const auto layer = maps::SheetLayer::fromBytes(bytes, key);
        QVERIFY(layer);
        QCOMPARE(layer->compose(sheet, layout), maps::freshSheetImage(sheet, layout));
        sheet.title = QStringLiteral("Holdsarló láthatósága 2025.05.28. este");
        sheet.cells.first() = evening();
        QCOMPARE(maps::sheetLayerKey(sheet, layout, palette, "test"), key);   // neither counts
        QCOMPARE(layer->compose(sheet, layout), maps::freshSheetImage(sheet, layout));

        sheet.cells.first().setPixel(0, 0, qRgb(1, 2, 3));
        QVERIFY(layer->compose(sheet, layout).isNull());
        QVERIFY(!maps::SheetLayer::fromBytes(bytes.first(bytes.size() / 2), key));
        QByteArray damaged = bytes;
        damaged[damaged.size() / 3] = char(damaged[damaged.size() / 3] ^ 0x10);
        QVERIFY(!maps::SheetLayer::fromBytes(damaged, key));
        QVERIFY(!maps::SheetLayer::fromBytes(bytes, maps::sheetLayerKey(sheet, layout, palette, "another build")));
        sheet.labels.capitals.removeLast();
        QVERIFY(maps::sheetLayerKey(sheet, layout, palette, "test") != key);
    }

    // A kept layer is read from the user's cache folder: whatever its bytes
    // say that does not add up is refused, the checksum made right or not.
    void damagedLayerRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("summed");   // the checksum made to fit the damage
        QTest::newRow("whole") << QString() << false;
        QTest::newRow("cut short") << QStringLiteral("cut") << false;
        QTest::newRow("a bit flipped") << QStringLiteral("bit") << false;
        QTest::newRow("a run too long") << QStringLiteral("long run") << true;
        QTest::newRow("an unknown kind of run") << QStringLiteral("kind") << true;
        QTest::newRow("a blend beyond the table") << QStringLiteral("blend") << true;
        QTest::newRow("more runs than bytes") << QStringLiteral("runs") << true;
        QTest::newRow("another sheet's") << QStringLiteral("key") << true;
    }

    void damagedLayerRefused()
    {
        QFETCH(QString, damage);
        QFETCH(bool, summed);
        maps::MapSheet sheet;
        sheet.legend = words::legendEntries(Criterion::Odeh, false);
        sheet.labels = words::mapLabels();
        QImage cells(36, 18, QImage::Format_RGB32);
        const QList<QRgb> palette = maps::cellPalette(Criterion::Odeh);
        for (int y = 0; y < cells.height(); ++y)
            for (int x = 0; x < cells.width(); ++x)
                cells.setPixel(x, y, palette[(x + y) % palette.size()]);
        sheet.cells = {cells};
        sheet.cellRegions = {maps::kWorld};
        const maps::SheetLayout layout = maps::pictureLayout(sheet, 360);
        const QByteArray key = maps::sheetLayerKey(sheet, layout, palette, "test");
        QByteArray bytes = maps::SheetLayer::draw(sheet, layout, palette, key).bytes();
        // The words after the eight-byte mark: the key's length, width, height,
        // colours, first drawn row, runs, blends; then the key, palette, runs, blends.
        const auto word = [&](qsizetype at) { quint32 w; std::memcpy(&w, bytes.constData() + at, 4); return w; };
        const auto setWord = [&](qsizetype at, quint32 w) { std::memcpy(bytes.data() + at, &w, 4); };
        const qsizetype runsAt = 36 + word(8) + 4 * word(20);
        const quint32 runs = word(28), blendCount = word(32) / word(20);
        if (damage == QLatin1String("cut"))
            bytes.truncate(bytes.size() * 2 / 3);
        if (damage == QLatin1String("bit"))
            bytes[runsAt + 2] = char(bytes[runsAt + 2] ^ 0x04);
        if (damage == QLatin1String("long run"))
            setWord(runsAt, (word(runsAt) & 0xC0000000u) | ((word(runsAt) & 0x3FFFFFFFu) + 1));
        if (damage == QLatin1String("kind"))
            setWord(runsAt, word(runsAt) | 0xC0000000u);
        if (damage == QLatin1String("runs"))
            setWord(28, runs + 1);
        if (damage == QLatin1String("key"))
            bytes[36] = char(bytes[36] ^ 0x01);
        if (damage == QLatin1String("blend")) {
            qsizetype at = runsAt;   // the first pixel of the first run of blends
            while ((word(at) >> 30) != 2)
                at += 4 * ((word(at) >> 30) == 1 ? 2 : 1);
            setWord(at + 4, blendCount);
        }
        if (summed) {
            const quint32 sum = quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.constData()),
                                              uInt(bytes.size() - 4)));
            setWord(bytes.size() - 4, sum);
        }
        const auto layer = maps::SheetLayer::fromBytes(bytes, key);
        QCOMPARE(bool(layer), damage.isEmpty());
        if (layer)
            QCOMPARE(layer->compose(sheet, layout), maps::freshSheetImage(sheet, layout));
    }

    // The PNG holds exactly the picture's pixels and its resolution, whatever
    // the picture's format; another format goes through Qt.
    void pngKeepsThePixels_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QByteArray>("format");
        QImage sheet(301, 77, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x10, 0x80, 0x30), 1.7));
        p.drawEllipse(QRectF(5.5, 3.2, 280.3, 66.1));
        p.drawText(QRectF(20, 20, 260, 40), Qt::AlignCenter, QStringLiteral("Holdsarló láthatósága"));
        p.end();
        sheet.setDotsPerMeterX(3780);
        sheet.setDotsPerMeterY(3780);
        QTest::newRow("sheet") << sheet << QByteArray("PNG");
        QTest::newRow("with alpha") << sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QByteArray("png");
        QTest::newRow("one pixel") << QImage(1, 1, QImage::Format_RGB32) << QByteArray("PNG");
        // Tall enough to be deflated in bands: rows that repeat those a few
        // rows up (matches reaching into the band before) and noise.
        QImage tall(257, 1003, QImage::Format_RGB32);
        QRandomGenerator random(20251208);
        for (int y = 0; y < tall.height(); ++y)
            for (int x = 0; x < tall.width(); ++x)
                tall.setPixel(x, y, x % 5 == 0 ? random.generate() | 0xff000000u : qRgb((x * 7 + y % 13) & 0xff, y % 3 * 80, x & 0xff));
        QTest::newRow("tall, in bands") << tall << QByteArray("PNG");
        QTest::newRow("BMP through Qt") << sheet << QByteArray("BMP");
    }

    void pngKeepsThePixels()
    {
        QFETCH(QImage, picture);
        QFETCH(QByteArray, format);
        const QByteArray bytes = maps::pngBytes(picture, format.constData());
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes.startsWith("\x89PNG\r\n\x1a\n"), format.toUpper() == "PNG");
        QImage back;
        QVERIFY(back.loadFromData(bytes, format.constData()));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
        if (picture.dotsPerMeterX() == 3780)
            QCOMPARE(back.dotsPerMeterX(), 3780);
        QVERIFY(maps::pngBytes(QImage(), format.constData()).isEmpty());
    }
};

QTEST_MAIN(TestMapImage)
#include "tst_mapimage.moc"
