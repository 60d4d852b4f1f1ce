// The visibility window against tavik-almanac: its figures are the command's
// JSON and its copied text the command's output, for sites and moments of
// every kind; its plan and chart; the pictures it draws and saves; the lists
// it computes for its site, which a cancel or a failed write leaves as they were.
#include "almanacterms.h"
#include "altitudechart.h"
#include "datafolder.h"
#include "listcomputation.h"
#include "lists.h"
#include "listwords.h"
#include "messagelog.h"
#include "skyview.h"
#include "ui.h"
#include "visibilitywindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace tavik;
using namespace tavik::almanac;
using namespace tavik::words;
using namespace tavik::testing;

namespace {

struct Place {
    QString name;
    double latitude, longitude, elevation;
    QByteArray zone;
};

// The command's standard output for the moment and the site.
QByteArray command(const QString& at, const Place& p, bool json)
{
    QStringList args{QStringLiteral("sighting"), QStringLiteral("--at"), at,
                     QStringLiteral("--lat"), QString::number(p.latitude, 'f', 4),
                     QStringLiteral("--lon"), QString::number(p.longitude, 'f', 4),
                     QStringLiteral("--elevation"), QString::number(p.elevation),
                     QStringLiteral("--tz"), QString::fromUtf8(p.zone)};
    if (json)
        args << QStringLiteral("--json");
    QProcess run;
    run.start(QStringLiteral(ALMANAC_EXE), args);
    if (!run.waitForFinished(120'000) || run.exitCode() != 0)
        QTest::qFail("tavik-almanac sighting failed", __FILE__, __LINE__);
    return run.readAllStandardOutput();
}

VisibilityEnvironment environment(const DataFolder& data, const Place& p, const QString& at, MessageSink sink,
                                  const QDateTime& now = QDateTime(QDate(2025, 5, 27), QTime(21, 5),
                                                                   QTimeZone("Europe/Budapest")))
{
    ObservingSite site{p.name, p.latitude, p.longitude, p.elevation, QString::fromUtf8(p.zone)};
    return VisibilityEnvironment{data.folders(), RegionalSettings::hungarian(), [now] { return now; },
                                 std::move(sink), site, at, {}, {}, {}};
}

QString local(const QJsonValue& iso, const QTimeZone& zone)
{
    const double jd = julianDayUt(QDateTime::fromString(iso.toString(), Qt::ISODateWithMs));
    return formatLocalMinute(jd, zone) + QStringLiteral(" (") + formatLocalMinute(jd, QTimeZone::utc())
           + QStringLiteral(" UT)");
}

QString deg(const QJsonValue& v)
{
    return decimalText(v.toDouble(), 2) + u'°';
}

const Place kBudapest{QStringLiteral("Budapest"), 47.4979, 19.0402, 100, "Europe/Budapest"};
const Place kSzeged{QStringLiteral("Szeged"), 46.253, 20.148, 80, "Europe/Budapest"};
const Place kLongyearbyen{QStringLiteral("Longyearbyen"), 78.22, 15.65, 10, "Europe/Oslo"};
const Place kLosAngeles{QStringLiteral("Los Angeles"), 34.05, -118.24, 90, "America/Los_Angeles"};
const Place kUmea{QStringLiteral("Umeå"), 63.0, 20.0, 0, "Europe/Stockholm"};
const Place kSantiago{QStringLiteral("Santiago"), -33.45, -70.67, 520, "America/Santiago"};
const Place kDebrecen{QStringLiteral("Debrecen"), 47.5316, 21.6273, 120, "Europe/Budapest"};

}  // namespace

Q_DECLARE_METATYPE(Place)
Q_DECLARE_METATYPE(tavik::almanac::YallopClass)

class TestVisibilityWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figuresAreTheCommandsJson_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("at");
        QTest::newRow("Budapest evening") << kBudapest << QStringLiteral("2025.05.27 21:05");
        QTest::newRow("Szeged morning") << kSzeged << QStringLiteral("2025.05.26 04:30");
        QTest::newRow("Moon sets first") << kBudapest << QStringLiteral("2025.10.21 18:00");
        QTest::newRow("Moon rises after the Sun") << kBudapest << QStringLiteral("2025.07.24 05:30");
        QTest::newRow("no sunset at 78 N") << kLongyearbyen << QStringLiteral("2025.06.25 22:00");
        QTest::newRow("west of Greenwich") << kLosAngeles << QStringLiteral("2025.07.24 20:30");
        QTest::newRow("southern winter") << kSantiago << QStringLiteral("2025.06.26 18:30");
        QTest::newRow("Moon up all night at 63 N") << kUmea << QStringLiteral("2025.05.28 23:00");
    }

    void figuresAreTheCommandsJson()
    {
        QFETCH(Place, place);
        QFETCH(QString, at);
        DataFolder data;
        VisibilityWindow w(environment(data, place, at, failOnMessages()));
        QVERIFY(w.report());
        w.findChild<QPushButton*>(QStringLiteral("copy"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), command(at, place, false));
        const QJsonObject j = QJsonDocument::fromJson(command(at, place, true)).object();
        const QTimeZone zone(place.zone);
        auto text = [&w](const char* key) {
            auto* l = w.findChild<QLabel*>(QLatin1String(key));
            return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(key));
        };
        const bool evening = j[QStringLiteral("crescent")].toString() == QStringLiteral("evening");
        QCOMPARE(w.report()->evening, evening);
        QCOMPARE(text("conjunctionBefore"), local(j[QStringLiteral("conjunctionBefore")], zone));
        QCOMPARE(text("conjunctionAfter"), local(j[QStringLiteral("conjunctionAfter")], zone));
        QCOMPARE(text("age"), signedDurationText(j[QStringLiteral("ageHours")].toDouble() / 24));
        const QJsonObject now = j[QStringLiteral("now")].toObject();
        QCOMPARE(text("arcl"), deg(now[QStringLiteral("arcl")]));
        QCOMPARE(text("arcv"), deg(now[QStringLiteral("arcv")]));
        QCOMPARE(text("daz"), deg(now[QStringLiteral("daz")]));
        QCOMPARE(text("lit"), decimalText(now[QStringLiteral("illuminatedFraction")].toDouble() * 100, 2) + u'%');
        for (const char* body : {"sun", "moon"}) {
            const QJsonValue p = j[QLatin1String(body)];
            QCOMPARE(text(body), QStringLiteral("magasság %1 (fénytöréssel %2), azimut %3")
                                     .arg(deg(p[QStringLiteral("altitude")]), deg(p[QStringLiteral("apparentAltitude")]),
                                          deg(p[QStringLiteral("azimuth")])));
        }
        const QJsonValue sunEvent = j[evening ? QStringLiteral("sunset") : QStringLiteral("sunrise")];
        QCOMPARE(text("sunEvent"), sunEvent.isNull() ? QStringLiteral("nincs") : local(sunEvent, zone));
        QCOMPARE(text("sunEvent.label"), evening ? QStringLiteral("Napnyugta:") : QStringLiteral("Napkelte:"));
        const QJsonValue moonEvent = j[evening ? QStringLiteral("moonset") : QStringLiteral("moonrise")];
        QCOMPARE(text("moonEvent").startsWith(QStringLiteral("nincs")), moonEvent.isNull());
        QCOMPARE(text("moonEvent").contains(QStringLiteral("egész éjjel fent van"))
                     || text("moonEvent").contains(QStringLiteral("éjszakán nem nyugszik le")),
                 j[QStringLiteral("moonUpAllNight")].toBool());
        const QJsonValue lag = j[QStringLiteral("lagMinutes")];
        if (!lag.isNull())
            QVERIFY2(text("lag").startsWith(signedDurationText(lag.toDouble() / 1440)), qPrintable(text("lag")));
        QCOMPARE(text("lag").contains(QStringLiteral("(a Hold a Nap")), !lag.isNull() && lag.toDouble() <= 0);
        const QJsonValue best = j[QStringLiteral("best")];
        if (best.isNull()) {
            QCOMPARE(text("best"), QStringLiteral("nincs"));
            QCOMPARE(text("q.best"), QStringLiteral("- (F: nem látható)"));
            QCOMPARE(text("arcl.best"), QString());
            return;
        }
        const QJsonObject b = best.toObject();
        QCOMPARE(text("best"), local(b[QStringLiteral("time")], zone));
        QCOMPARE(text("age.best"), signedDurationText(b[QStringLiteral("ageHours")].toDouble() / 24));
        QCOMPARE(text("arcl.best"), deg(b[QStringLiteral("arcl")]));
        QCOMPARE(text("arcv.best"), deg(b[QStringLiteral("arcv")]));
        QCOMPARE(text("daz.best"), deg(b[QStringLiteral("daz")]));
        QCOMPARE(text("width.best"), decimalText(b[QStringLiteral("width")].toDouble(), 2) + QStringLiteral("′"));
        QCOMPARE(text("q.best"), QStringLiteral("%1 (%2: %3)")
                                     .arg(decimalText(b[QStringLiteral("yallopQ")].toDouble(), 3),
                                          b[QStringLiteral("yallopClass")].toString(),
                                          b[QStringLiteral("yallopText")].toString()));
        QCOMPARE(text("v.best"), QStringLiteral("%1 (%2 zóna: %3)")
                                     .arg(decimalText(b[QStringLiteral("odehV")].toDouble(), 2),
                                          b[QStringLiteral("odehZone")].toString(),
                                          b[QStringLiteral("odehText")].toString()));
    }

    // Opened at 21:05, after the best time of 27 May: the next evening. The
    // report always belongs to the time in the box, or Másolás says why not.
    void timeBoxRecomputes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("chance");
        const QString opened = QStringLiteral("2025.05.28 21:32");
        const QString kept = QStringLiteral("\nA látható jelentés a(z) 2025.05.28 21:32 időpontra szól; a vágólap nem változott.");
        QTest::newRow("a date and time") << "2025.05.28 20:50" << "2025.05.28 20:50" << "" << "";
        QTest::newRow("a date alone") << "2025.05.26" << "2025.05.26 04:27" << ""
                                      << "A nap legjobb időpontja: 2025.05.26 hajnalban, 1 napja – Yallop B (jó időben látható)";
        QTest::newRow("a time alone") << "20:50" << opened
                                      << "Nincs új jelentés a másoláshoz: az időpont mezőben álló „20:50” nem olvasható időpont." + kept
                                      << "A legközelebbi esély: 2025.05.28 este, holnap – Yallop A (könnyen látható)";
        QTest::newRow("no date") << "holnap" << opened
                                 << "Nincs új jelentés a másoláshoz: az időpont mezőben álló „holnap” nem olvasható időpont." + kept
                                 << "A legközelebbi esély: 2025.05.28 este, holnap – Yallop A (könnyen látható)";
    }

    void timeBoxRecomputes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QString, chance);
        DataFolder data;
        MessageLog log;
        VisibilityWindow w(environment(data, kBudapest, QStringLiteral("nem dátum"), log.sink()));
        QCOMPARE(w.figureLabel(QStringLiteral("time"))->text(), QStringLiteral("2025.05.28 21:32 (Europe/Budapest)"));
        auto* box = w.findChild<QLineEdit*>(QStringLiteral("timeBox"));
        box->setText(typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(w.figureLabel(QStringLiteral("time"))->text(), shown + QStringLiteral(" (Europe/Budapest)"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("chance"))->text(), chance);
        QGuiApplication::clipboard()->clear();
        w.findChild<QPushButton*>(QStringLiteral("copy"))->click();
        QCOMPARE(log.lastText(), message);
        QCOMPARE(QGuiApplication::clipboard()->text(), message.isEmpty() ? w.reportText() : QString());
        QCOMPARE(box->text(), message.isEmpty() ? shown : typed);
    }

    // Opened without a time: the coming crescent; "Következő esély" steps
    // to the next of class C or better, "Most" comes back.
    void nextChance_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("coming");
        QTest::addColumn<QString>("next");
        const QTimeZone zone("Europe/Budapest");
        QTest::newRow("evening") << kBudapest << QDateTime(QDate(2025, 5, 27), QTime(12, 0), zone)
                                 << "2025.05.27 21:00|A legközelebbi esély: 2025.05.27 este, ma – Yallop B (jó időben látható)"
                                 << "2025.05.28 21:32|A következő, legalább C osztályú esély: 2025.05.28 este, holnap – Yallop A (könnyen látható)";
        QTest::newRow("morning") << kBudapest << QDateTime(QDate(2025, 5, 25), QTime(12, 0), zone)
                                 << "2025.05.26 04:27|A legközelebbi esély: 2025.05.26 hajnalban, holnap – Yallop B (jó időben látható)"
                                 << "2025.05.27 21:00|A következő, legalább C osztályú esély: 2025.05.27 este, 2 nap múlva – Yallop B (jó időben látható)";
        // The evenings a hunter cannot use are passed over, and named.
        QTest::newRow("Moon sets first") << kBudapest << QDateTime(QDate(2025, 11, 20), QTime(12, 0), zone)
                                         << "2025.11.22 16:25|A legközelebbi esély: 2025.11.22 este, 2 nap múlva – Yallop A (könnyen látható)\n"
                                            "Előtte kihagyva: 2025.11.20 este: F, nem látható; 2025.11.21 este: F, nem látható"
                                         << "2025.11.23 16:50|A következő, legalább C osztályú esély: 2025.11.23 este, 3 nap múlva – Yallop A (könnyen látható)";
        QTest::newRow("Debrecen in December") << kDebrecen << QDateTime(QDate(2026, 12, 7), QTime(21, 0), zone)
                                              << "2026.12.10 16:02|A legközelebbi esély: 2026.12.10 este, 3 nap múlva – Yallop C (távcső segíthet)\n"
                                                 "Előtte kihagyva: 2026.12.08 hajnal: F, nem látható; 2026.12.09 este: F, nem látható"
                                              << "2026.12.11 16:30|A következő, legalább C osztályú esély: 2026.12.11 este, 4 nap múlva – Yallop A (könnyen látható)";
    }

    void nextChance()
    {
        QFETCH(Place, place);
        QFETCH(QDateTime, now);
        QFETCH(QString, coming);
        QFETCH(QString, next);
        DataFolder data;
        VisibilityWindow w(environment(data, place, QString(), failOnMessages(), now));
        auto shown = [&w] {
            return w.findChild<QLineEdit*>(QStringLiteral("timeBox"))->text() + u'|'
                   + w.findChild<QLabel*>(QStringLiteral("chance"))->text();
        };
        QCOMPARE(shown(), coming);
        w.findChild<QPushButton*>(QStringLiteral("nextChance"))->click();
        QCOMPARE(shown(), next);
        QCOMPARE(formatLocalMinute(w.report()->at, QTimeZone("Europe/Budapest")), next.section(u'|', 0, 0));
        w.findChild<QPushButton*>(QStringLiteral("now"))->click();
        QCOMPARE(shown(), coming);
    }

    void huntFollowsTheConjunction_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QString>("sunHeading");
        QTest::addColumn<int>("own");             // the plan's row of the report's evening (morning)
        QTest::addColumn<int>("beforeMinutes");   // the chart's span before the earlier of sun and moon event
        QTest::addColumn<int>("afterMinutes");    // after the later
        // The conjunction of 27 May 2025, 05:02 local time.
        QTest::newRow("evenings after") << kBudapest << "2025.05.27 21:05"
                                        << QStringList{"2025.05.27", "2025.05.28", "2025.05.29"} << "Napnyugta" << 0
                                        << 30 << 15;
        QTest::newRow("mornings before") << kBudapest << "2025.05.26 04:30"
                                         << QStringList{"2025.05.25", "2025.05.26", "2025.05.27"} << "Napkelte" << 1
                                         << 15 << 30;
        // The Moon stays up all night: the plan grades it at the darkest time too.
        QTest::newRow("Moon up all night at 63 N") << kUmea << "2025.05.28 23:00"
                                                   << QStringList{"2025.05.27", "2025.05.28", "2025.05.29"}
                                                   << "Napnyugta" << 1 << 30 << 15;
    }

    void huntFollowsTheConjunction()
    {
        QFETCH(Place, place);
        QFETCH(QString, at);
        QFETCH(QStringList, dates);
        QFETCH(QString, sunHeading);
        QFETCH(int, own);
        DataFolder data;
        VisibilityWindow w(environment(data, place, at, failOnMessages()));
        auto* table = w.findChild<QTableWidget*>(QStringLiteral("hunt"));
        QCOMPARE(table->rowCount(), dates.size());
        QCOMPARE(table->horizontalHeaderItem(1)->text(), sunHeading);
        for (int r = 0; r < dates.size(); ++r)
            QCOMPARE(table->item(r, 0)->text(), dates[r]);
        // The report's own evening (morning) is a row of the plan.
        QCOMPARE(table->item(own, 4)->text(), w.figureLabel(QStringLiteral("q.best"))->text());
        const SightingReport& r = *w.report();
        QVERIFY(r.sunEvent && r.crescent);
        QCOMPARE(table->item(own, 2)->text(), w.figureLabel(QStringLiteral("lag"))->text());

        QFETCH(int, beforeMinutes);
        QFETCH(int, afterMinutes);
        // A Moon up all night: the chart runs to the darkest time.
        const double moon = r.crescent->moonUpAllNight ? r.crescent->best : r.crescent->moonEvent;
        const QList<AltitudeSample> s = altitudeSeries(Ephemeris::open(), r);
        QCOMPARE(std::lround((std::min(*r.sunEvent, moon) - s.first().jd) * 1440), beforeMinutes);
        QCOMPARE(std::lround((s.last().jd - std::max(*r.sunEvent, moon)) * 1440), afterMinutes);
        // The Sun's curve crosses the horizon's refracted line at sunrise or
        // sunset, to a hundredth of a degree: seconds of the Sun's slow slant at 63° N.
        for (qsizetype i = 1; i < s.size(); ++i) {
            if (s[i - 1].jd <= *r.sunEvent && *r.sunEvent < s[i].jd)
                QVERIFY(std::min(s[i - 1].sun, s[i].sun) < -0.82 && std::max(s[i - 1].sun, s[i].sun) > -0.84);
        }
    }

    void savedPictureIsAPng()
    {
        DataFolder data;
        MessageLog log;
        VisibilityWindow w(environment(data, kBudapest, QStringLiteral("2025.05.27 21:05"), log.sink()));
        QVERIFY(w.savePicture(data.file(QStringLiteral("sarlo.png"))));
        QImage saved;
        QVERIFY(saved.loadFromData(data.read(QStringLiteral("sarlo.png")), "PNG"));
        QCOMPARE(saved, w.picture().convertToFormat(saved.format()));
        QVERIFY(!w.savePicture(data.path() + QStringLiteral("/nincs/sarlo.png")));
        QVERIFY2(log.lastText().startsWith(QStringLiteral("A 'sarlo.png' fájl NEM menthető!")), qPrintable(log.lastText()));
    }

    // The crescent's lit pixels lie on the side of its disc towards the Sun.
    // Drawn at one scale for both axes, the lit limb points at the drawn
    // Sun in any shape of picture, and a thin crescent keeps a visible width.
    void drawnCrescentFacesTheSun_data()
    {
        QTest::addColumn<double>("sunAz");
        QTest::addColumn<double>("sunAlt");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("litFraction");
        QTest::addColumn<YallopClass>("visibility");
        QTest::newRow("below right") << 280.0 << -8.0 << QSize(480, 300) << 0.15 << YallopClass::A;
        QTest::newRow("below left") << 262.0 << -6.0 << QSize(480, 300) << 0.15 << YallopClass::A;
        QTest::newRow("straight below") << 270.0 << -9.0 << QSize(480, 300) << 0.15 << YallopClass::A;
        QTest::newRow("wide picture") << 284.0 << -5.0 << QSize(900, 240) << 0.15 << YallopClass::A;
        QTest::newRow("tall picture") << 258.0 << -7.0 << QSize(340, 520) << 0.15 << YallopClass::A;
        QTest::newRow("thin class B") << 276.0 << -7.0 << QSize(640, 380) << 0.004 << YallopClass::B;
    }

    void drawnCrescentFacesTheSun()
    {
        QFETCH(double, sunAz);
        QFETCH(double, sunAlt);
        QFETCH(QSize, size);
        QFETCH(double, litFraction);
        QFETCH(YallopClass, visibility);
        SkyScene scene;
        scene.moon.azimuth = 270;
        scene.moon.apparentAltitude = 8;
        scene.sun.azimuth = sunAz;
        scene.sun.apparentAltitude = sunAlt;
        scene.limbAngle = skyDirection(270, 8, sunAz, sunAlt);
        scene.litFraction = litFraction;
        scene.visibility = visibility;
        SkyView view;
        view.setScene(scene, QString());
        QImage image(size, QImage::Format_RGB32);
        QPainter p(&image);
        view.render(p, image.rect());
        p.end();
        const QColor colours[3] = {visibilityColour(visibility), QColor(0x2A, 0x2E, 0x3A), QColor(0xFF, 0xB0, 0x30)};
        QPointF sums[3];   // of the lit limb, the dark disc, the Sun
        int counts[3] = {0, 0, 0};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                for (int k = 0; k < 3; ++k)
                    if (image.pixelColor(x, y) == colours[k])
                        sums[k] += QPointF(x, y), ++counts[k];
        QVERIFY2(counts[0] > 50 && counts[1] > 50 && counts[2] > 50,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(counts[0]).arg(counts[1]).arg(counts[2])));
        auto angle = [&](int from, int to) {
            const QPointF a = sums[from] / counts[from], b = sums[to] / counts[to];
            return std::atan2(a.y() - b.y(), b.x() - a.x()) / kDegree;
        };
        const double limb = angle(1, 0), towardsSun = angle(1, 2);
        QVERIFY2(std::abs(normalizeDegrees180(limb - towardsSun)) < 8,
                 qPrintable(QStringLiteral("lit limb towards %1, the Sun towards %2").arg(limb).arg(towardsSun)));
    }

    void skyScaleIsTheSameBothWays_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<double>("sunAz");
        QTest::addColumn<double>("moonAz");
        QTest::addColumn<double>("moonAlt");
        QTest::newRow("the window's") << QSizeF(632, 354) << 290.0 << 282.0 << 9.0;
        QTest::newRow("tall") << QSizeF(320, 600) << 250.0 << 262.0 << 4.0;
        QTest::newRow("far apart, wide") << QSizeF(1200, 200) << 300.0 << 255.0 << 30.0;
    }

    void skyScaleIsTheSameBothWays()
    {
        QFETCH(QSizeF, size);
        QFETCH(double, sunAz);
        QFETCH(double, moonAz);
        QFETCH(double, moonAlt);
        SkyScene scene;
        scene.sun.azimuth = sunAz;
        scene.sun.apparentAltitude = -6;
        scene.moon.azimuth = moonAz;
        scene.moon.apparentAltitude = moonAlt;
        const SkyFrame f = skyFrame(scene, QRectF(QPointF(10, 20), size));
        const QPointF o = f.at(sunAz, 0);
        const double across = f.at(sunAz + 1, 0).x() - o.x();
        const double up = o.y() - f.at(sunAz, 1).y();
        QVERIFY2(std::abs(across - up) < 1e-9, qPrintable(QStringLiteral("%1 and %2 px a degree").arg(across).arg(up)));
        QVERIFY(f.area.contains(f.at(sunAz, -6)) && f.area.contains(f.at(moonAz, moonAlt)));
        QVERIFY(f.azTo - f.azFrom >= 40 - 1e-9 && f.altTo - f.altFrom >= 25 - 1e-9);
    }

    // A long, steep twilight in the smallest chart: each axis label stands
    // apart from its neighbours, a run of ink no wider (taller) than one.
    void chartLabelsKeepApart()
    {
        QList<AltitudeSample> series;
        for (int i = 0; i <= 180; ++i)
            series.append({2460800.0 + i * 2.0 / 1440, -60.0 + i * 0.5, 80.0 - i * 0.6});
        AltitudeChart chart;
        chart.setSeries(series, std::nullopt, QTimeZone::utc());
        QImage image(320, 160, QImage::Format_RGB32);
        QPainter p(&image);
        chart.render(p, image.rect());
        p.end();
        const QFontMetrics metrics(ui::font(QStringLiteral("Arial"), 8));
        // The longest run of inked lines across a band, and how many runs.
        auto runs = [&image](int from, int to, int bandFrom, int bandTo, bool columns) {
            int longest = 0, run = 0, count = 0;
            for (int i = from; i < to; ++i) {
                bool inked = false;
                for (int j = bandFrom; j < bandTo && !inked; ++j)
                    inked = qGray(columns ? image.pixel(i, j) : image.pixel(j, i)) < 100;
                run = inked ? run + 1 : 0;
                count += run == 1;
                longest = std::max(longest, run);
            }
            return std::pair(longest, count);
        };
        const auto [timeWidth, times] = runs(0, 320, 143, 160, true);    // below the plot
        const auto [altHeight, alts] = runs(28, 160, 0, 33, false);     // left of it
        QVERIFY2(times >= 3 && timeWidth <= metrics.horizontalAdvance(QStringLiteral("00:00")) + 1,
                 qPrintable(QStringLiteral("%1 labels, %2 px").arg(times).arg(timeWidth)));
        QVERIFY2(alts >= 4 && altHeight <= metrics.height(),
                 qPrintable(QStringLiteral("%1 labels, %2 px").arg(alts).arg(altHeight)));
    }

    void cancelLeavesTheListsAsTheyWere()
    {
        DataFolder data;
        const QByteArray old = "2020.01.24 22:42\r\n";
        data.write(QStringLiteral("ujholdak.txt"), old);
        data.write(QStringLiteral("holdsarlok.txt"), "r\xE9gi\r\n");
        MessageLog log;
        VisibilityWindow w(environment(data, kSzeged, QStringLiteral("2025.05.27 21:05"), log.sink()));
        w.show();
        w.findChild<QPushButton*>(QStringLiteral("lists"))->click();
        QPointer<QProgressDialog> dialog = w.findChild<QProgressDialog*>(QStringLiteral("listProgress"));
        QVERIFY(dialog && w.listComputation() && w.listComputation()->running());
        QTRY_VERIFY(dialog->value() > 0);
        dialog->findChild<QPushButton*>()->click();
        // Up, saying so, until the worker has stopped.
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->labelText(), QStringLiteral("Megszakítás…"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.listComputation()->running(), 60'000);
        QVERIFY(!dialog || !dialog->isVisible());
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("status"))->text(),
                 QStringLiteral("A számítás megszakítva. A listák változatlanok maradtak."));
        QCOMPARE(data.read(QStringLiteral("ujholdak.txt")), old);
        QCOMPARE(data.read(QStringLiteral("holdsarlok.txt")), QByteArray("r\xE9gi\r\n"));
        QCOMPARE(QDir(data.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(log.count(), 0);
    }

    // A site saved while the lists are computed is not the one they name.
    void statusNamesTheSiteComputedFor()
    {
        DataFolder data;
        MessageLog log;
        VisibilityWindow w(environment(data, kSzeged, QStringLiteral("2025.05.27 21:05"), log.sink()));
        w.findChild<QPushButton*>(QStringLiteral("lists"))->click();
        w.setSite(ObservingSite{});
        QTRY_VERIFY_WITH_TIMEOUT(!w.listComputation()->running(), 60'000);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("status"))->text(),
                 QStringLiteral("Az öt lista elkészült erre a helyre: Szeged"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("siteName"))->text(), QStringLiteral("Budapest"));
        QCOMPARE(log.count(), 0);
    }

    // Each run's thread closes the ephemeris files it opened: the program
    // holds no more descriptors after four runs than after one.
    void listRunsCloseTheirFiles()
    {
        const Ephemeris eph = Ephemeris::open();
        QVERIFY(eph.files());
        DataFolder data;
        QList<ListJobItem> items =
            listJobItems([&data](const QString& name) { return data.file(name); }, ListSettings{});
        for (ListJobItem& i : items)
            i.settings.fromYear = i.settings.toYear = 2025;
        const auto run = [&] {
            ListComputation lists(eph, items);
            QSignalSpy finished(&lists, &ListComputation::finished);
            lists.start();
            QVERIFY(finished.wait(60'000));
            QCOMPARE(int(finished.at(0).at(0).value<ListJobResult>().outcome), int(ListJobOutcome::Done));
        };
        const auto openFiles = [] {
            return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
        };
        run();
        const qsizetype afterOne = openFiles();
        for (int i = 0; i < 3; ++i)
            run();
        QCOMPARE(openFiles(), afterOne);
    }

    void failedWritePutsBackTheOldLists()
    {
        const Ephemeris eph = Ephemeris::open();
        DataFolder data;
        const QByteArray old = "2020.01.24 22:42\r\n";
        data.write(QStringLiteral("ujholdak.txt"), old);
        QVERIFY(QDir(data.path()).mkdir(QStringLiteral("napfogyik.txt")));   // cannot be replaced
        ListSettings s;
        s.site = Site{46.253, 20.148, 80};
        s.siteName = QStringLiteral("Szeged");
        QList<ListJobItem> items = listJobItems([&data](const QString& name) { return data.file(name); }, s);
        for (ListJobItem& i : items)
            i.settings.fromYear = i.settings.toYear = 2025;
        std::atomic<bool> cancel{false};
        const ListJobResult r = runListJob(eph, items, tavik::words::listLines, cancel);
        QCOMPARE(int(r.outcome), int(ListJobOutcome::WriteFault));
        QCOMPARE(r.fileName, QStringLiteral("napfogyik.txt"));
        QCOMPARE(listJobMessage(r), QStringLiteral("A 'napfogyik.txt' fájl NEM menthető!\nEzen a néven mappa van.\n"
                                                   "A listák változatlanok maradtak."));
        QCOMPARE(data.read(QStringLiteral("ujholdak.txt")), old);
        QVERIFY(!data.exists(QStringLiteral("holdsarlok.txt")));
        ListJobResult fault;
        fault.outcome = ListJobOutcome::EphemerisFault;
        fault.fileName = QStringLiteral("venusz.txt");
        fault.ephemeris = EphemerisError(QStringLiteral("/nincs"));
        QCOMPARE(listJobMessage(fault), QStringLiteral("A 'venusz.txt' lista nem számítható ki: A(z) /nincs mappában nincsenek "
                                                       "efemeriszfájlok (sepl_18.se1, semo_18.se1).\n"
                                                       "A listák változatlanok maradtak."));
        QCOMPARE(QDir(data.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ujholdak.txt")});

        // Without the obstacle all five are written, each heading naming the site.
        QVERIFY(QDir(data.path()).rmdir(QStringLiteral("napfogyik.txt")));
        QCOMPARE(int(runListJob(eph, items, tavik::words::listLines, cancel).outcome), int(ListJobOutcome::Done));
        const QByteArray site = QStringLiteral("(Szeged, É 46,2530°, K 20,1480°, 80 m)").toLatin1();
        for (const char* name : {"holdsarlok.txt", "napfogyik.txt", "holdfogyik.txt", "venusz.txt"})
            QVERIFY2(data.read(QLatin1String(name)).contains(site), name);
        QCOMPARE(data.read(QStringLiteral("holdsarlok.txt")).split('\n').value(1),
                 QByteArray("(Szeged, \xC9 46,2530\xB0, K 20,1480\xB0, 80 m)       (Yallop q szerint)\r"));
    }

};

QTEST_MAIN(TestVisibilityWindow)
#include "tst_visibilitywindow.moc"
