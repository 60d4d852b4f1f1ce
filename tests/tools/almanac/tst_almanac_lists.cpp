// The written lists: bytes (Windows-1250, CR LF), columns under their
// headings, rows that fit their windows, and the shipped files being what the
// tool writes.
#include "almanacterms.h"
#include "crescents.h"
#include "eclipses.h"
#include "listfiles.h"
#include "listjob.h"
#include "lists.h"
#include "listwords.h"
#include "venus.h"

#include <datafiles.h>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace tavik;
using namespace tavik::almanac;
using namespace tavik::words;

namespace {

// The list windows' fonts, as the windows map them: "Courier" and "Courier
// New" to Liberation Mono.
QFont listFont(double points, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Mono"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The bytes writeListFile() puts into a new file of that name; a failed
// write also fails the running test.
QByteArray writtenListBytes(const QString& name, const QStringList& lines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!dir.isValid() || !writeListFile(path, lines).ok()) {
        QTest::qFail(qPrintable(QStringLiteral("cannot write ") + name), __FILE__, __LINE__);
        return {};
    }
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ListSettings span(int from, int to)
{
    ListSettings s;
    s.fromYear = from;
    s.toYear = to;
    return s;
}

// Where a list's row text begins, in pixels from the list's left edge.
int listTextOrigin(const QFont& font)
{
    QListWidget list;
    list.setFont(font);
    list.resize(400, 200);
    list.addItem(QStringLiteral("x"));
    list.show();
    const QRect item = list.visualItemRect(list.item(0));
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return list.viewport()->mapTo(&list, item.topLeft()).x() + margin;
}

}  // namespace

class TestLists : public QObject {
    Q_OBJECT
    const Ephemeris eph = Ephemeris::open();

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFontDatabase::families().contains(QStringLiteral("Liberation Mono")),
                 "fonts-liberation is needed");
    }

    void writtenBytes()
    {
        const QStringList lines = crescentLines(eph, span(2025, 2025));
        const QByteArray bytes = writtenListBytes(QStringLiteral("holdsarlok.txt"), lines);
        QVERIFY(bytes.startsWith(QByteArray("(helyi id\xF5) ")));   // 'ő' is 0xF5 in Windows-1250
        QVERIFY(bytes.contains(QByteArray("L\xE1that\xF3s\xE1g\r\n")));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), lines.size());
        QCOMPARE(bytes.count('\n'), lines.size());
        QCOMPARE(bytes.count('\r'), lines.size());
        QCOMPARE(splitDataLines(decodeDataText(bytes)), lines);
    }

    void newMoonFileBytes()
    {
        const QStringList lines = newMoonLines(eph, span(2020, 2020));
        const QByteArray bytes = writtenListBytes(QStringLiteral("ujholdak.txt"), lines);
        QCOMPARE(bytes.size(), lines.size() * 18);   // 16 characters and CR LF each
        QVERIFY(bytes.startsWith("2020.01.24 22:42\r\n2020.02.23 16:32\r\n"));
    }

    void unwritableFolderIsReported()
    {
        const FileStatus s = writeListFile(QStringLiteral("/nonexistent/folder/venusz.txt"), {QStringLiteral("x")});
        QCOMPARE(s.error, FileError::NotWritable);
        QCOMPARE(s.fileName, QStringLiteral("venusz.txt"));
    }

    void columnsUnderHeadings_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("holdsarlok") << int(ListKind::Crescents)
                                    << QList<int>{0, kCrescentWhenColumn, kCrescentAgeColumn, kCrescentClassColumn};
        QTest::newRow("napfogyik") << int(ListKind::SolarEclipses) << QList<int>{0, 18, 29, 38};
        QTest::newRow("holdfogyik") << int(ListKind::LunarEclipses) << QList<int>{0, 18, 31, 41, 53};
        QTest::newRow("venusz") << int(ListKind::Venus) << QList<int>{0, 13, 41, 69};
    }

    void columnsUnderHeadings()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, columns);
        const QStringList lines = listLines(ListKind(kind), eph, span(2026, 2030));
        QVERIFY(lines.size() > 4);
        const int headings = listHeadingRows(ListKind(kind));
        for (qsizetype row = 0; row < lines.size(); ++row) {
            const QString& line = lines[row];
            for (int c : columns) {
                if (row < headings && (line.size() <= c || line.at(c) == u' ' || line.contains(u'°')))
                    continue;   // the heading rows leave some columns empty; the site's row runs across them
                QVERIFY2(line.size() > c && line.at(c) != u' ' && (c == 0 || line.at(c - 1) == u' '),
                         qPrintable(QStringLiteral("column %1 of \"%2\"").arg(c).arg(line)));
            }
        }
    }

    // The window shows "Időpont", "Mikor?" and "Holdsarló kora (kb.)" as
    // labels above the list: the file does not say them again, and its
    // heading rows stand in the columns of the rows below them.
    void crescentHeadingsAddToTheWindowLabels_data()
    {
        QTest::addColumn<bool>("shipped");
        QTest::newRow("written") << false;
        QTest::newRow("shipped") << true;
    }

    void crescentHeadingsAddToTheWindowLabels()
    {
        QFETCH(bool, shipped);
        QStringList lines = crescentLines(eph, span(2025, 2025));
        if (shipped) {
            QFile f(qEnvironmentVariable("TAVIK_SOURCE_DIR") + QStringLiteral("/Pic/holdsarlok.txt"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            lines = splitDataLines(decodeDataText(f.readAll()));
        }
        for (const QString& line : std::as_const(lines)) {
            for (const char* label : {"Időpont", "Mikor?", "Holdsarló kora"})
                QVERIFY2(!line.contains(QString::fromUtf8(label)), qPrintable(line));
        }
        QCOMPARE(lines.at(0), QStringLiteral("(helyi idő)             (-: újhold előtt)    Láthatóság"));
        QCOMPARE(lines.at(1), QStringLiteral("(Budapest, É 47,4979°, K 19,0402°, 100 m)").leftJustified(kCrescentClassColumn)
                                  + QStringLiteral("(Yallop q szerint)"));
        QVERIFY(lines.at(0).indexOf(QStringLiteral("(-:")) == kCrescentAgeColumn);
        QVERIFY(lines.at(0).indexOf(QStringLiteral("Láthatóság")) == kCrescentClassColumn);
        QVERIFY(QStringLiteral("ABCDEF").contains(lines.at(2).at(kCrescentClassColumn)));
    }

    // The lists as the program computes them, a year at a time so that a
    // cancel is heard, are the lists the tool writes in one go.
    void listsByYearAreTheWholeLists_data()
    {
        QTest::addColumn<int>("kind");
        for (const ListFileInfo& info : listFileInfos())
            QTest::newRow(qPrintable(info.name)) << int(info.kind);
    }

    void listsByYearAreTheWholeLists()
    {
        QFETCH(int, kind);
        ListSettings s = span(2025, 2027);   // a Venus conjunction, a year-end crescent, eclipses
        s.site = Site{46.253, 20.148, 80};
        s.siteName = QStringLiteral("Szeged");
        const std::atomic<bool> go{false};
        int steps = 0;
        const auto byYear = listLinesByYear(ListKind(kind), eph, s, listLines, go, [&steps](int, int) { ++steps; });
        QVERIFY(byYear);
        QCOMPARE(*byYear, listLines(ListKind(kind), eph, s));
        QCOMPARE(steps, 3);
        const std::atomic<bool> stop{true};
        QVERIFY(!listLinesByYear(ListKind(kind), eph, s, listLines, stop));
        if (ListKind(kind) != ListKind::NewMoons)
            QVERIFY(byYear->mid(0, listHeadingRows(ListKind(kind))).join(u'\n').contains(
                QStringLiteral("Szeged, É 46,2530°, K 20,1480°, 80 m")));
    }

    void rowsFitTheirWindows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("listTwips");
        // The list windows' list widths and fonts.
        QTest::newRow("holdsarlok") << int(ListKind::Crescents) << 15.0 << 12375;
        QTest::newRow("napfogyik") << int(ListKind::SolarEclipses) << 14.25 << 16095;
        QTest::newRow("venusz") << int(ListKind::Venus) << 14.25 << 14295;
        QTest::newRow("holdfogyik") << int(ListKind::LunarEclipses) << 12.75 << 16575;
    }

    void rowsFitTheirWindows()
    {
        QFETCH(int, kind);
        QFETCH(double, points);
        QFETCH(int, listTwips);
        const QFontMetrics fm(listFont(points));
        // Frame, text margin and a vertical scroll bar take about 30 pixels.
        const int room = listTwips / 15 - 30;
        for (const QString& line : listLines(ListKind(kind), eph, span(2000, 2100)))
            QVERIFY2(fm.horizontalAdvance(line) <= room, qPrintable(line));
    }

    void crescentColumnsSitUnderTheWindowHeadings()
    {
        const QFont font = listFont(15);
        const QFontMetrics fm(font);
        const int advance = fm.horizontalAdvance(u'0');
        QCOMPARE(fm.horizontalAdvance(QStringLiteral("2025.01.29 07:14 ")), 17 * advance);   // fixed pitch
        QCOMPARE(fm.horizontalAdvance(QStringLiteral("őű")), 2 * advance);
        const int origin = listTextOrigin(font);
        // Headings at 0, 3120 and 4320 twips from the list's left edge.
        const QList<QPair<int, int>> pairs{{0, 0}, {kCrescentWhenColumn, 3120 / 15}, {kCrescentAgeColumn, 4320 / 15}};
        for (const auto& [column, headingPx] : pairs) {
            const int textPx = origin + column * advance;
            // The nearest character column to the heading, so within half a character.
            QVERIFY2(std::abs(textPx - headingPx) * 2 <= advance + 1,
                     qPrintable(QStringLiteral("column %1 at %2 px, heading at %3 px (advance %4, origin %5)")
                                    .arg(column).arg(textPx).arg(headingPx).arg(advance).arg(origin)));
        }
        const QByteArray shot = qgetenv("TAVIK_ALMANAC_SHOT");
        if (!shot.isEmpty())
            renderCrescentSample(QString::fromLocal8Bit(shot), origin);
    }

    void crescentRowsMakeSense()
    {
        const QStringList lines = crescentLines(eph, span(2025, 2026));
        QCOMPARE(lines.size(), 2 + 2 * newMoonLines(eph, span(2025, 2026)).size());   // a morning and an evening each
        for (const QString& line : lines.mid(2)) {
            const bool evening = line.mid(kCrescentWhenColumn, 6) == QStringLiteral("este  ");
            const QString age = line.mid(kCrescentAgeColumn, kCrescentClassColumn - kCrescentAgeColumn);
            QVERIFY2(evening != age.startsWith(u'-') || age.startsWith(QStringLiteral("0 óra")),
                     qPrintable(line));
            QVERIFY2(QStringLiteral("ABCDEF").contains(line.at(kCrescentClassColumn)), qPrintable(line));
        }
    }

    void yallopClasses_data()
    {
        QTest::addColumn<double>("q");
        QTest::addColumn<QString>("expected");
        QTest::newRow("A") << 0.3 << "A könnyen látható";
        QTest::newRow("A/B edge") << 0.216 << "B jó időben látható";
        QTest::newRow("B") << 0.0 << "B jó időben látható";
        QTest::newRow("B/C edge") << -0.014 << "C távcső segíthet";
        QTest::newRow("C") << -0.1 << "C távcső segíthet";
        QTest::newRow("C/D edge") << -0.160 << "D csak távcsővel";
        QTest::newRow("D") << -0.2 << "D csak távcsővel";
        QTest::newRow("D/E edge") << -0.232 << "E távcsővel sem";
        QTest::newRow("E") << -0.25 << "E távcsővel sem";
        QTest::newRow("F") << -0.293 << "F nem látható";
    }

    void yallopClasses()
    {
        QFETCH(double, q);
        QFETCH(QString, expected);
        const YallopClass c = yallopClass(q);
        QCOMPARE(yallopLetter(c) + u' ' + yallopWords(c), expected);
    }

    void ageTexts()
    {
        QCOMPARE(signedDurationText(18.0 / 24 + 5.0 / 1440), QStringLiteral("18 óra 5 perc"));
        QCOMPARE(signedDurationText(-(25.0 / 24 + 10.0 / 1440)), QStringLiteral("-25 óra 10 perc"));
        QCOMPARE(signedDurationText(-19.0 / 1440), QStringLiteral("-19 perc"));
        QCOMPARE(signedDurationText(-0.2 / 1440), QStringLiteral("0 perc"));
        QCOMPARE(decimalText(-0.00001, 4), QStringLiteral("0,0000"));
        QCOMPARE(siteText(Site{-33.9, -70.65, 520}), QStringLiteral("D 33,9000°, Ny 70,6500°, 520 m"));
    }

    void venusSpansAreCrescents()
    {
        const double start = julianDayUt(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
        const QList<double> conjunctions = venusInferiorConjunctions(eph, start, start + 3653);
        QCOMPARE(conjunctions.size(), 6);   // 2020, 2022, 2023, 2025, 2026, 2028
        for (double c : conjunctions) {
            QVERIFY(venusLitFraction(eph, c) < 0.02);
            const VenusCrescent v = venusCrescent(eph, c, Site{});
            QVERIFY(v.evening && v.morning);
            QVERIFY(std::abs(venusLitFraction(eph, v.evening->first) - 0.5) < 0.001);
            QVERIFY(std::abs(venusLitFraction(eph, v.morning->last) - 0.5) < 0.001);
            QVERIFY(v.evening->last < c + 10 && v.morning->first > c - 10);
            QVERIFY(v.thinnest > 0 && v.thinnest < 0.1);
        }
    }

    // A site or a span that is not a number ends every search with nothing.
    void noEndlessSearchForANonNumber()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double start = julianDayOfLocalDate(QDate(2025, 1, 1), QTimeZone::utc());
        const QList<double> conjunctions = venusInferiorConjunctions(eph, start, start + 400);
        QCOMPARE(conjunctions.size(), 1);
        const VenusCrescent v = venusCrescent(eph, conjunctions.first(), Site{nan, 19.04, 100});
        QVERIFY(!v.evening && !v.morning);
        QVERIFY(venusInferiorConjunctions(eph, start, nan).isEmpty());
        QVERIFY(solarEclipsesBetween(eph, start, nan, Site{}).isEmpty());
        QVERIFY(lunarEclipsesBetween(eph, nan, start, Site{}).isEmpty());
    }

    void shippedFilesAreWhatTheToolWrites()
    {
        if (!eph.files())
            QSKIP("the shipped lists were computed with the ephemeris files");
        const QString pic = qEnvironmentVariable("TAVIK_SOURCE_DIR") + QStringLiteral("/Pic/");
        for (const ListFileInfo& info : listFileInfos()) {
            QFile f(pic + info.fileName);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            const QStringList lines = listLines(info.kind, eph, span(info.defaultFrom, info.defaultTo));
            QCOMPARE(splitDataLines(decodeDataText(f.readAll())), lines);
        }
    }

private:
    void renderCrescentSample(const QString& path, int origin)
    {
        QImage image(12855 / 15, 220, QImage::Format_RGB32);
        image.fill(QColor(0xC0, 0xFF, 0xFF));
        QPainter p(&image);
        const int listLeft = 360 / 15;
        p.setFont(listFont(12, true));
        const QList<QPair<int, QString>> headings{{0, QStringLiteral("Időpont")},
                                                  {3120, QStringLiteral("Mikor?")},
                                                  {4320, QStringLiteral("Holdsarló kora (kb.)")}};
        for (const auto& [twips, text] : headings)
            p.drawText(listLeft + twips / 15, 720 / 15 + QFontMetrics(p.font()).ascent(), text);
        p.setFont(listFont(15));
        const QFontMetrics fm(p.font());
        p.setPen(Qt::gray);
        p.drawRect(listLeft, 1080 / 15, 12375 / 15, 6 * fm.lineSpacing() + 8);
        p.setPen(Qt::black);
        const QStringList lines = crescentLines(eph, span(2025, 2025));
        for (int i = 0; i < 6; ++i)
            p.drawText(listLeft + origin, 1080 / 15 + 2 + fm.ascent() + i * fm.lineSpacing(), lines.at(i));
        p.end();
        image.save(path);
    }
};

QTEST_MAIN(TestLists)
#include "tst_almanac_lists.moc"
