// "Megfigyelés" and "Most!": the boxes they fill, the phase picture, the drawn
// result lines, the saved new moon and the calculation log, byte for byte.
#include "grab.h"
#include "appfixture.h"

#include "observation.h"
#include "ui.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>

using namespace tavik;
using namespace tavik::testing;

namespace {
const QString kInvalid = QStringLiteral("Kérem, adjon meg egy ÉRVÉNYES ÚJHOLD / MEGFIGYELÉSI dátumot!");
const QString kNoNewMoon = QStringLiteral("Kérem, adja meg az UTOLSÓ ÚJHOLD időpontját!");

// The phase pictures, each a different width so a test can tell which one is shown.
void writePictures(const DataFolder& data)
{
    int width = 40;
    QStringList done;
    for (const PhaseBand& b : kPhaseBands) {
        const QString name = QString::fromUtf16(b.picture);
        if (done.contains(name))
            continue;
        done.append(name);
        QImage image(width++, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(data.file(name), "PNG"));
    }
}

int pictureWidth(const QString& name)
{
    QStringList done;
    for (const PhaseBand& b : kPhaseBands) {
        const QString n = QString::fromUtf16(b.picture);
        if (!done.contains(n))
            done.append(n);
    }
    return 40 + int(done.indexOf(name));
}

QLabel* picture(const A& a) { return child<QLabel>(a, "Picture1"); }

// The window after a first press of the button that went well: the phase
// pictures and the observation 2024.01.14 07:37 in the folder, the new moon
// 2024.01.11 12:57 typed.
std::unique_ptr<A> afterFirstPress(const DataFolder& data, MessageLog& caught, const char* button = "Command1",
                                   TestClock* clock = nullptr)
{
    writePictures(data);
    data.write(kLastObservationFile, "2024.01.14 07:37\r\n");
    return windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), button, clock);
}

// The columns in which a piece drawn alone on the surface leaves ink.
std::pair<int, int> inkColumns(ResultSurface* s, const ResultSurface::Piece& piece)
{
    s->clearText();
    static_cast<DrawingSurface*>(s)->drawText(piece.topLeft, piece.text);
    const QImage image = grabLogical(s);
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = piece.topLeft.y(); y < piece.topLeft.y() + 30 && y < image.height(); ++y) {
            if (qGreen(image.pixel(x, y)) > 0x40 && qRed(image.pixel(x, y)) < qGreen(image.pixel(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// The log entry of a "Megfigyelés" 4000 minutes after the new moon.
const QByteArray kEntry4000(
    "Megfigyel\xe9s ideje:   2024. 01. 14. 7:37:00\r\n"
    "Holdsarl\xf3 kora:      66 \xf3ra 40 perc\r\n"
    "Holdsarl\xf3 kora:      2 nap  18 \xf3ra 40 perc\r\n"
    "Holdsarl\xf3 kora:      2,75 nap\r\n"
    "Holdf\xe1zis:           N\xf6vekv\xf5 sarl\xf3  ---  9,1 %\r\n"
    "      \r\n"
    "      \r\n");

const QStringList kLines4000{
    QStringLiteral("Megfigyelés ideje:         2024. 01. 14. 7:37:00"),
    QStringLiteral("Holdsarló kora:             66 óra 40 perc"),
    QStringLiteral("                                    2 nap  18 óra 40 perc"),
    QStringLiteral("                                    2,75 nap"),
    QStringLiteral("                                    Növekvő sarló - 9,05 %"),
};
}  // namespace

class MainWindowCalculatorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void observationDrawsSavesAndLogs();
    void observationPositions();
    void resultLinePositionsInTwips();
    void repeatedPressesAppend();
    void newMoonWithLineEndIsSavedWithAnother();
    void observationBoxIsReplacedFromFile_data();
    void observationBoxIsReplacedFromFile();
    void phaseNameAndPicture_data();
    void phaseNameAndPicture();
    void observationFileMissing();
    void invalidDatesLeaveEverything_data();
    void invalidDatesLeaveEverything();
    void missingPictureLeavesTheBoxEmpty();
    void unwritableNewMoonFile();
    void unwritableLog();
    void unstorableNewMoonChangesNothing_data();
    void unstorableNewMoonChangesNothing();
    void nowDrawsSavesAndLogs();
    void nowWithoutNewMoon_data();
    void nowWithoutNewMoon();
    void nowReadsTheClockOnce_data();
    void nowReadsTheClockOnce();
    void nowNeedsNoObservationFile();
    void nowKeepsDateAndTimeApart_data();
    void nowKeepsDateAndTimeApart();
    void showAndLogOperations();
    void damagedPictureLeavesTheBoxEmpty_data();
    void damagedPictureLeavesTheBoxEmpty();
};

void MainWindowCalculatorTest::observationDrawsSavesAndLogs()
{
    DataFolder data;
    writePictures(data);
    data.write(kLastObservationFile, "2024. 01. 14. 7:37:00\r\n");
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command1");
    QVERIFY(caught.messages.isEmpty());
    QCOMPARE(box(*a, "Text12")->text(), QStringLiteral("2024. 01. 14. 7:37:00\r"));
    QCOMPARE(a->surface()->texts(), kLines4000);
    QCOMPARE(picture(*a)->pixmap().width(), pictureWidth(QStringLiteral("010-novekvo.gif")));
    QCOMPARE(picture(*a)->pixmap().height(), 30);   // shown as it is, not stretched
    QCOMPARE(data.read(kLastNewMoonFile), QByteArray("2024.01.11 12:57\r\n"));
    QCOMPARE(data.read(kCalculationLogFile), kEntry4000);
    QCOMPARE(data.read(kLastObservationFile), QByteArray("2024. 01. 14. 7:37:00\r\n"));
}

void MainWindowCalculatorTest::observationPositions()
{
    DataFolder data;
    data.write(kLastObservationFile, "2024.01.14 07:37\r\n");
    auto a = windowAfter(data, QStringLiteral("2024.01.11 12:57"), "Command1");
    QList<QPoint> at;
    for (const ResultSurface::Piece& p : a->surface()->pieces())
        at.append(p.topLeft);
    // x = 650 and y = 1265, 2100, 2800, 3300, 5120 twips, 15 to a pixel.
    QCOMPARE(at, (QList<QPoint>{{43, 84}, {43, 140}, {43, 186}, {43, 220}, {43, 341}}));
}

void MainWindowCalculatorTest::resultLinePositionsInTwips()
{
    ResultSurface s;
    s.showObservationLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                            QStringLiteral("d"), QStringLiteral("e")});
    const int tops[] = {1265, 2100, 2800, 3300, 5120};
    QCOMPARE(s.pieces().size(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(s.pieces()[i].topLeft, ui::twipsPoint(650, tops[i]));

    // "Most!": a short date leaves room, and the time stands at 4850.
    s.showNowLines({QStringLiteral("1/14/2024"), QStringLiteral("7:37:00"), QStringLiteral("b"),
                    QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
    QCOMPARE(s.texts(), (QStringList{"1/14/2024", "7:37:00", "b", "c", "d", "e"}));
    QCOMPARE(s.pieces()[0].topLeft, ui::twipsPoint(650, 1265));
    QCOMPARE(s.pieces()[1].topLeft, ui::twipsPoint(4850, 1265));
    for (int i = 1; i < 5; ++i)
        QCOMPARE(s.pieces()[i + 1].topLeft, ui::twipsPoint(650, tops[i]));
}

void MainWindowCalculatorTest::repeatedPressesAppend()
{
    DataFolder data;
    data.write(kLastObservationFile, "2024.01.14 07:37\r\n");
    data.write(kCalculationLogFile, "earlier entry\r\n");
    auto a = windowAfter(data, QStringLiteral("2024.01.11 12:57"), "Command1");
    press(*a, "Command1");
    QCOMPARE(a->surface()->pieces().size(), 5);   // cleared before drawing again
    QCOMPARE(data.read(kCalculationLogFile), QByteArray("earlier entry\r\n") + kEntry4000 + kEntry4000);
}

void MainWindowCalculatorTest::newMoonWithLineEndIsSavedWithAnother()
{
    DataFolder data;
    data.write(kLastNewMoonFile, "2024.01.11 2:57\r\n");
    data.write(kLastObservationFile, "2024.01.14 07:37\r\n");
    MessageLog caught;
    auto a = makeWindow(data, caught);
    press(*a, "Command3");
    QCOMPARE(box(*a, "Text11")->text(), QStringLiteral("2024.01.11 2:57\r"));
    press(*a, "Command1");
    QVERIFY(caught.messages.isEmpty());
    QCOMPARE(data.read(kLastNewMoonFile), QByteArray("2024.01.11 2:57\r\r\n"));
    QCOMPARE(a->surface()->texts().value(1), QStringLiteral("Holdsarló kora:             76 óra 40 perc"));
}

void MainWindowCalculatorTest::observationBoxIsReplacedFromFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text12");
    QTest::newRow("22 characters") << QByteArray("2024. 01. 14. 07:37:00\r\n") << "2024. 01. 14. 07:37:00";
    QTest::newRow("21 keep the CR") << QByteArray("2024. 01. 14. 7:37:00\r\n") << "2024. 01. 14. 7:37:00\r";
    QTest::newRow("short keeps CR LF") << QByteArray("2024.01.14 07:37\r\n") << "2024.01.14 07:37\r\n";
    QTest::newRow("spaces around") << QByteArray(" 2024.01.14 07:37 \r\n") << " 2024.01.14 07:37 \r\n";
}

void MainWindowCalculatorTest::observationBoxIsReplacedFromFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text12);
    DataFolder data;
    data.write(kLastObservationFile, file);
    MessageLog caught;
    auto a = makeWindow(data, caught);
    typeInto(box(*a, "Text11"), QStringLiteral("2024.01.11 12:57"));
    typeInto(box(*a, "Text12"), QStringLiteral("unsaved text"));
    press(*a, "Command1");
    QVERIFY(caught.messages.isEmpty());
    QCOMPARE(box(*a, "Text12")->text(), text12);
    QCOMPARE(a->surface()->texts().value(0).right(7), QStringLiteral("7:37:00"));
}

void MainWindowCalculatorTest::phaseNameAndPicture_data()
{
    QTest::addColumn<QString>("observation");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("pictureFile");
    // The new moon is 2024.01.11 12:00; the day counts round to whole days.
    QTest::newRow("same moment") << "2024.01.11 12:00" << "Újhold - 0,00 %" << "000-ujhold.gif";
    QTest::newRow("2 days") << "2024.01.13 12:00" << "Növekvő sarló" << "004-novekvo.gif";
    QTest::newRow("6 days") << "2024.01.17 12:00" << "Növekvő sarló" << "014-novekvo.gif";
    QTest::newRow("8 days") << "2024.01.19 12:00" << "Első negyed" << "020-negyed.gif";
    QTest::newRow("15 days") << "2024.01.26 12:00" << "Telihold - 100,00 %" << "040-telihold.gif";
    QTest::newRow("22 days") << "2024.02.02 12:00" << "Utolsó negyed" << "060-utolso.gif";
    QTest::newRow("27 days") << "2024.02.07 12:00" << "Fogyó sarló" << "072-fogyo.gif";
    QTest::newRow("28 days") << "2024.02.08 12:00" << "Fogyó sarló" << "073-fogyo.gif";
    QTest::newRow("a day before") << "2024.01.10 12:00" << "Újhold" << "000-ujhold.gif";
    QTest::newRow("two days before") << "2024.01.09 12:00" << "Fogyó sarló" << "072-fogyo.gif";
}

void MainWindowCalculatorTest::phaseNameAndPicture()
{
    QFETCH(QString, observation);
    QFETCH(QString, phase);
    QFETCH(QString, pictureFile);
    DataFolder data;
    writePictures(data);
    data.write(kLastObservationFile, observation.toLatin1() + "\r\n");
    auto a = windowAfter(data, QStringLiteral("2024.01.11 12:00"), "Command1");
    const QString line5 = a->surface()->texts().value(4);
    QVERIFY2(line5.startsWith(QString(36, QLatin1Char(' ')) + phase), qPrintable(line5));
    QCOMPARE(picture(*a)->pixmap().width(), pictureWidth(pictureFile));
}

void MainWindowCalculatorTest::observationFileMissing()
{
    DataFolder data;
    MessageLog caught;
    auto a = afterFirstPress(data, caught);
    const QStringList drawn = a->surface()->texts();
    const QByteArray log = data.read(kCalculationLogFile);
    QVERIFY(QFile::remove(data.file(kLastObservationFile)));
    QFile::remove(data.file(kLastNewMoonFile));
    typeInto(box(*a, "Text12"), QStringLiteral("x"));
    press(*a, "Command1");
    QCOMPARE(caught.messages,
             (QList<Message>{Message{MessageIcon::Error, QStringLiteral("Az 'utolsó.txt' fájl nem található!")}}));
    QCOMPARE(box(*a, "Text12")->text(), QStringLiteral("2024.01.14 07:37\r\nx"));
    QCOMPARE(a->surface()->texts(), drawn);
    QVERIFY(!picture(*a)->pixmap().isNull());
    QVERIFY(!data.exists(kLastNewMoonFile));
    QCOMPARE(data.read(kCalculationLogFile), log);
}

void MainWindowCalculatorTest::invalidDatesLeaveEverything_data()
{
    QTest::addColumn<QString>("text11");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty new moon") << "" << QByteArray("2024.01.14 07:37\r\n");
    QTest::newRow("new moon not a date") << "tegnap" << QByteArray("2024.01.14 07:37\r\n");
    QTest::newRow("empty observation file") << "2024.01.11 12:57" << QByteArray();
    QTest::newRow("observation not a date") << "2024.01.11 12:57" << QByteArray("holnap\r\n");
    QTest::newRow("both wrong") << "2024.13.11" << QByteArray("2024.02.30\r\n");
    QTest::newRow("too far apart") << "9999.12.31 23:59" << QByteArray("0100.01.01 00:00\r\n");
}

void MainWindowCalculatorTest::invalidDatesLeaveEverything()
{
    QFETCH(QString, text11);
    QFETCH(QByteArray, file);
    DataFolder data;
    MessageLog caught;
    auto a = afterFirstPress(data, caught);
    const QStringList drawn = a->surface()->texts();
    const QByteArray log = data.read(kCalculationLogFile);
    data.write(kLastNewMoonFile, "kept\r\n");

    box(*a, "Text11")->setText(text11);
    data.write(kLastObservationFile, file);
    press(*a, "Command1");
    QCOMPARE(caught.messages, (QList<Message>{Message{MessageIcon::Warning, kInvalid}}));
    QCOMPARE(box(*a, "Text12")->text(), QString::fromLatin1(file));
    QCOMPARE(box(*a, "Text11")->text(), text11);
    QCOMPARE(a->surface()->texts(), drawn);
    QCOMPARE(picture(*a)->pixmap().width(), pictureWidth(QStringLiteral("010-novekvo.gif")));
    QCOMPARE(data.read(kLastNewMoonFile), QByteArray("kept\r\n"));
    QCOMPARE(data.read(kCalculationLogFile), log);
}

void MainWindowCalculatorTest::missingPictureLeavesTheBoxEmpty()
{
    DataFolder data;
    MessageLog caught;
    auto a = afterFirstPress(data, caught);
    QVERIFY(!picture(*a)->pixmap().isNull());
    QVERIFY(QFile::remove(data.file(QStringLiteral("010-novekvo.gif"))));
    press(*a, "Command1");
    QVERIFY(caught.messages.isEmpty());
    QVERIFY(picture(*a)->pixmap().isNull());
    QCOMPARE(a->surface()->texts(), kLines4000);
    QCOMPARE(data.read(kCalculationLogFile), kEntry4000 + kEntry4000);
}

void MainWindowCalculatorTest::damagedPictureLeavesTheBoxEmpty_data()
{
    QTest::addColumn<double>("kept");   // how much of the real picture file is left
    QTest::newRow("half") << 0.5;
    QTest::newRow("all but the last bytes") << 0.99;
}

void MainWindowCalculatorTest::damagedPictureLeavesTheBoxEmpty()
{
    // Silent, as for a missing picture, but never half a picture.
    QFETCH(double, kept);
    QFile shipped(qEnvironmentVariable("TAVIK_SOURCE_DIR") + QStringLiteral("/Pic/010-novekvo.gif"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    DataFolder data;
    writePictures(data);
    data.write(kLastObservationFile, "2024.01.14 07:37\r\n");
    data.write(QStringLiteral("010-novekvo.gif"), whole.left(qsizetype(whole.size() * kept)));
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command1");
    QVERIFY(caught.messages.isEmpty());
    QVERIFY(picture(*a)->pixmap().isNull());
    QCOMPARE(a->surface()->texts(), kLines4000);

    data.write(QStringLiteral("010-novekvo.gif"), whole);
    press(*a, "Command1");
    QCOMPARE(picture(*a)->pixmap().size(), QSize(137, 137));
}

void MainWindowCalculatorTest::unwritableNewMoonFile()
{
    DataFolder data;
    data.write(kLastObservationFile, "2024. 01. 14. 7:37:00\r\n");
    QVERIFY(QDir(data.path()).mkdir(kLastNewMoonFile));   // a folder in the file's place
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command1");
    QCOMPARE(caught.messages.size(), 1);
    QCOMPARE(caught.messages[0].icon, MessageIcon::Error);
    QVERIFY(caught.messages[0].text.startsWith(QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!")));
    QCOMPARE(a->surface()->texts(), kLines4000);   // the results are shown all the same
    QVERIFY(QFileInfo(data.file(kLastNewMoonFile)).isDir());
    QVERIFY(!data.exists(kCalculationLogFile));
}

void MainWindowCalculatorTest::unwritableLog()
{
    DataFolder data;
    data.write(kLastObservationFile, "2024. 01. 14. 7:37:00\r\n");
    QVERIFY(QDir(data.path()).mkdir(kCalculationLogFile));
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command1");
    QCOMPARE(caught.messages.size(), 1);
    QVERIFY2(caught.messages[0].text.startsWith(QStringLiteral("A 'szamitott.txt' fájl NEM menthető!")),
             qPrintable(caught.messages[0].text));
    QCOMPARE(a->surface()->texts(), kLines4000);
    QCOMPARE(data.read(kLastNewMoonFile), QByteArray("2024.01.11 12:57\r\n"));
}

void MainWindowCalculatorTest::unstorableNewMoonChangesNothing_data()
{
    QTest::addColumn<QString>("text11");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("shown");
    const QString ideographic = QStringLiteral("\u30002024.1.11 12:57");
    const QString emSpaces = QStringLiteral("2024.1.11 12:57\u2003");
    QTest::newRow("Megfigyelés, ideographic space") << ideographic << QByteArray("Command1") << "U+3000";
    QTest::newRow("Most!, ideographic space") << ideographic << QByteArray("Command2") << "U+3000";
    QTest::newRow("Megfigyelés, em space") << emSpaces << QByteArray("Command1") << "U+2003";
}

void MainWindowCalculatorTest::unstorableNewMoonChangesNothing()
{
    QFETCH(QString, text11);
    QFETCH(QByteArray, button);
    QFETCH(QString, shown);
    DataFolder data;
    TestClock clock;
    MessageLog caught;
    auto a = afterFirstPress(data, caught, button.constData(), &clock);
    const QStringList drawn = a->surface()->texts();
    const QByteArray log = data.read(kCalculationLogFile);
    QCOMPARE(log.count("\r\n"), 7);
    box(*a, "Text11")->setText(text11);
    QCOMPARE(box(*a, "Text11")->text(), text11);   // fits the 16 characters
    QFile::remove(data.file(QStringLiteral("010-novekvo.gif")));
    press(*a, button.constData());
    QCOMPARE(caught.messages,
             (QList<Message>{Message{MessageIcon::Error,
                                     QStringLiteral("Az 'ujhold.txt' fájl NEM menthető! Ezeket a karaktereket "
                                                    "nem lehet benne tárolni: ")
                                         + shown}}));
    QCOMPARE(a->surface()->texts(), drawn);
    QVERIFY(!picture(*a)->pixmap().isNull());   // the picture was not even looked for
    QCOMPARE(data.read(kLastNewMoonFile), QByteArray("2024.01.11 12:57\r\n"));
    QCOMPARE(data.read(kCalculationLogFile), log);
}

void MainWindowCalculatorTest::nowDrawsSavesAndLogs()
{
    DataFolder data;
    writePictures(data);
    TestClock clock;
    clock.now = QDateTime(QDate(2024, 1, 14), QTime(7, 37, 0, 999));
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command2", &clock);
    QVERIFY(caught.messages.isEmpty());
    QCOMPARE(box(*a, "Text12")->text(), QStringLiteral("2024. 01. 14. 7:37:00"));
    // In pixels: x = 650, y = 1265, 2100, 2800, 3300, 5120 twips. The
    // Hungarian date reaches past 4850 twips (323 pixels), so the time starts
    // a blank after it.
    QList<ResultSurface::Piece> expected{
        {{43, 84}, QStringLiteral("Megfigyelés ideje:         2024. 01. 14.")},
        {{332, 84}, QStringLiteral("7:37:00")},
        {{43, 140}, kLines4000[1]},
        {{43, 186}, kLines4000[2]},
        {{43, 220}, kLines4000[3]},
        {{43, 341}, QStringLiteral("                                    Növekvő sarló - 9,22 %")},
    };
    const auto& pieces = a->surface()->pieces();
    QCOMPARE(pieces.size(), expected.size());
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QCOMPARE(pieces[i].topLeft, expected[i].topLeft);
        QCOMPARE(pieces[i].text, expected[i].text);
    }
    QCOMPARE(picture(*a)->pixmap().width(), pictureWidth(QStringLiteral("010-novekvo.gif")));
    QCOMPARE(data.read(kLastNewMoonFile), QByteArray("2024.01.11 12:57\r\n"));
    QCOMPARE(data.read(kCalculationLogFile),
             QByteArray("Megfigyel\xe9s ideje:   2024. 01. 14.7:37:00\r\n"
                        "Holdsarl\xf3 kora:      66 \xf3ra 40 perc\r\n"
                        "Holdsarl\xf3 kora:      2 nap  18 \xf3ra 40 perc\r\n"
                        "Holdsarl\xf3 kora:      2,75 nap\r\n"
                        "Holdf\xe1zis:           N\xf6vekv\xf5 sarl\xf3  ---  9,2 %\r\n"
                        "      \r\n"
                        "      \r\n"));
    QVERIFY(!data.exists(kLastObservationFile));
}

void MainWindowCalculatorTest::nowWithoutNewMoon_data()
{
    QTest::addColumn<QString>("text11");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << kNoNewMoon;
    QTest::newRow("not a date") << "tegnap" << kNoNewMoon;
    QTest::newRow("thousands of years away") << "9999.12.31 23:59" << kInvalid;
}

void MainWindowCalculatorTest::nowWithoutNewMoon()
{
    QFETCH(QString, text11);
    QFETCH(QString, message);
    DataFolder data;
    data.write(kLastNewMoonFile, "kept\r\n");
    TestClock clock;
    MessageLog caught;
    auto a = makeWindow(data, caught, &clock);
    a->surface()->drawText(650, 1265, QStringLiteral("earlier"));
    box(*a, "Text11")->setText(text11);
    typeInto(box(*a, "Text12"), QStringLiteral("unsaved"));
    press(*a, "Command2");
    QCOMPARE(caught.messages, (QList<Message>{Message{MessageIcon::Warning, message}}));
    QCOMPARE(box(*a, "Text12")->text(), QStringLiteral("2024. 01. 14. 7:37:00"));
    QCOMPARE(a->surface()->texts(), QStringList{QStringLiteral("earlier")});
    QVERIFY(picture(*a)->pixmap().isNull());
    QCOMPARE(data.read(kLastNewMoonFile), QByteArray("kept\r\n"));
    QVERIFY(!data.exists(kCalculationLogFile));
}

void MainWindowCalculatorTest::nowReadsTheClockOnce_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text12");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("a second to midnight") << QDateTime(QDate(2024, 1, 14), QTime(23, 59, 59))
                                          << "2024. 01. 14. 23:59:59" << "2024. 01. 14." << "23:59:59";
    QTest::newRow("midnight") << QDateTime(QDate(2024, 1, 15), QTime(0, 0, 0))
                              << "2024. 01. 15." << "2024. 01. 15." << "0:00:00";
    QTest::newRow("new year's eve") << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59, 990))
                                    << "2024. 12. 31. 23:59:59" << "2024. 12. 31." << "23:59:59";
}

void MainWindowCalculatorTest::nowReadsTheClockOnce()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, text12);
    QFETCH(QString, date);
    QFETCH(QString, time);
    DataFolder data;
    TestClock clock;
    clock.now = now;
    clock.stepSeconds = 1;   // a clock that moves on between readings
    auto a = windowAfter(data, QStringLiteral("2024.01.11 12:57"), "Command2", &clock);
    QCOMPARE(clock.readings, 1);
    QCOMPARE(box(*a, "Text12")->text(), text12);
    QCOMPARE(a->surface()->texts().value(0), QStringLiteral("Megfigyelés ideje:         ") + date);
    QCOMPARE(a->surface()->texts().value(1), time);
    const QByteArray firstLine = data.read(kCalculationLogFile).split('\r').value(0);
    QCOMPARE(firstLine, QByteArray("Megfigyel\xe9s ideje:   ") + (date + time).toLatin1());
}

void MainWindowCalculatorTest::nowNeedsNoObservationFile()
{
    DataFolder data;
    data.write(kLastObservationFile, "2000.01.01 00:00\r\n");
    TestClock clock;
    MessageLog caught;
    auto a = windowAfter(data, caught, QStringLiteral("2024.01.11 12:57"), "Command2", &clock);
    press(*a, "Command2");
    QVERIFY(caught.messages.isEmpty());
    QCOMPARE(clock.readings, 2);
    QCOMPARE(a->surface()->pieces().size(), 6);
    QCOMPARE(data.read(kLastObservationFile), QByteArray("2000.01.01 00:00\r\n"));
}

void MainWindowCalculatorTest::nowKeepsDateAndTimeApart_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("timeLeft");   // pixels; 4850 twips is 323, -1 for "after the date"
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale hu(QLocale::Hungarian, QLocale::Hungary);
    QTest::newRow("room at 4850") << us << QDateTime(QDate(2024, 1, 14), QTime(7, 37)) << 323;
    QTest::newRow("longest US date") << us << QDateTime(QDate(2028, 12, 28), QTime(18, 26, 5)) << 323;
    QTest::newRow("Hungarian date") << hu << QDateTime(QDate(2024, 1, 14), QTime(7, 37)) << -1;
    QTest::newRow("Hungarian, wide digits") << hu << QDateTime(QDate(2026, 12, 7), QTime(18, 26, 5)) << -1;
}

void MainWindowCalculatorTest::nowKeepsDateAndTimeApart()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, now);
    QFETCH(int, timeLeft);
    DataFolder data;
    MainWindowEnvironment env{data.folders(), RegionalSettings::fromLocale(locale),
                              [now] { return now; }, failOnMessages()};
    auto a = std::make_unique<A>(std::move(env));
    box(*a, "Text11")->setText(QStringLiteral("2024-01-11 12:57"));
    press(*a, "Command2");
    const QList<ResultSurface::Piece> pieces = a->surface()->pieces();
    QCOMPARE(pieces.size(), 6);
    QCOMPARE(pieces[1].topLeft.y(), pieces[0].topLeft.y());
    const auto date = inkColumns(a->surface(), pieces[0]);
    const auto time = inkColumns(a->surface(), pieces[1]);
    QVERIFY(date.first >= 0 && time.first >= 0);
    // At least a blank's worth of dark columns between the date's last dot
    // and the time's first digit.
    QVERIFY2(time.first - date.second > 3,
             qPrintable(QStringLiteral("date ends at %1, time starts at %2").arg(date.second).arg(time.first)));
    if (timeLeft >= 0)
        QCOMPARE(pieces[1].topLeft.x(), timeLeft);
    else
        QVERIFY2(pieces[1].topLeft.x() > 323, qPrintable(QString::number(pieces[1].topLeft.x())));
}

void MainWindowCalculatorTest::showAndLogOperations()
{
    // ShowObservationResult and AppendCalculationLog on their own, for both buttons.
    DataFolder data;
    MessageLog caught;
    auto a = makeWindow(data, caught);
    const auto r = CalculateAndClassify(toDateTimeValue({2024, 1, 11, 12, 57, 0}),
                                        toDateTimeValue({2024, 1, 14, 7, 37, 0}));
    QVERIFY(r);
    a->surface()->drawText(650, 1265, QStringLiteral("earlier"));
    a->ShowObservationResult(*r);
    QCOMPARE(a->surface()->texts(), kLines4000);
    QVERIFY(a->AppendCalculationLog(*r));
    QCOMPARE(data.read(kCalculationLogFile), kEntry4000);

    a->ShowObservationResult(*r, A::Trigger::Now);
    const QStringList drawn = a->surface()->texts();
    QCOMPARE(drawn.size(), 6);
    QCOMPARE(drawn.value(0), QStringLiteral("Megfigyelés ideje:         2024. 01. 14."));
    QCOMPARE(drawn.value(1), QStringLiteral("7:37:00"));
    QVERIFY(a->AppendCalculationLog(*r, A::Trigger::Now));
    QVERIFY(data.read(kCalculationLogFile).startsWith(kEntry4000 + "Megfigyel\xe9s ideje:   2024. 01. 14.7:37:00\r\n"));
    QVERIFY(caught.messages.isEmpty());
    QVERIFY(!data.exists(kLastNewMoonFile));   // neither saves the new moon
}

QTEST_MAIN(MainWindowCalculatorTest)
#include "tst_mainwindowcalculator.moc"
