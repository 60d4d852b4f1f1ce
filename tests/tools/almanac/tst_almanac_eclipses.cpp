// Eclipses against NASA's catalogues: the same dates and types over the
// checked spans, greatest eclipse within two minutes (compared in TD, so that
// the two works' different extrapolations of Delta T do not count).
#include "eclipses.h"
#include "ephemeris.h"
#include "nasa_eclipses.h"

#include <QTest>

#include <swephexp.h>

using namespace tavik::almanac;

namespace {

QDateTime tdOf(const PublishedEclipse& p)
{
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second), Qt::UTC);
}

// Greatest eclipse in TD, as a date-time (the TD reading of the UT1 moment).
QDateTime tdOf(const Ephemeris& eph, double jdUt)
{
    const double jdTt = jdUt + eph.deltaT(jdUt);
    int y = 0, m = 0, d = 0;
    double hours = 0;
    swe_revjul(jdTt, SE_GREG_CAL, &y, &m, &d, &hours);
    return QDateTime(QDate(y, m, d), QTime(0, 0), Qt::UTC).addMSecs(qRound64(hours * 3600'000.0));
}

double jdOfYear(int year)
{
    return swe_julday(year, 1, 1, 0.0, SE_GREG_CAL);
}

char letter(SolarType t)
{
    switch (t) {
    case SolarType::Total: return 'T';
    case SolarType::Annular: return 'A';
    case SolarType::Hybrid: return 'H';
    case SolarType::Partial: break;
    }
    return 'P';
}

char letter(LunarType t)
{
    switch (t) {
    case LunarType::Total: return 'T';
    case LunarType::Partial: return 'P';
    case LunarType::Penumbral: break;
    }
    return 'N';
}

const Site kBudapest;

// The same day and type as the catalogue, greatest eclipse within two minutes;
// worst keeps the largest difference seen, in milliseconds.
void compareWhenAndType(const Ephemeris& eph, double greatest, char type, const PublishedEclipse& p, qint64& worst)
{
    const QDateTime ours = tdOf(eph, greatest);
    const QString what = tdOf(p).toString(Qt::ISODate);
    QCOMPARE(ours.date(), tdOf(p).date());
    QVERIFY2(type == p.type, qPrintable(what + u' ' + type));
    const qint64 diff = std::abs(ours.msecsTo(tdOf(p)));
    QVERIFY2(diff <= 120'000, qPrintable(what + u' ' + QString::number(diff / 1000.0)));
    worst = std::max(worst, diff);
}

}  // namespace

class TestEclipses : public QObject {
    Q_OBJECT
    const Ephemeris eph = Ephemeris::open();

private Q_SLOTS:

    void solarMatchesCatalogue()
    {
        const QList<SolarEclipse> list = solarEclipsesBetween(eph, jdOfYear(2023), jdOfYear(2041), kBudapest);
        QCOMPARE(list.size(), qsizetype(std::size(kNasaSolar)));
        qint64 worst = 0;
        double worstMagnitude = 0;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const PublishedEclipse& p = kNasaSolar[i];
            const QString what = tdOf(p).toString(Qt::ISODate);
            compareWhenAndType(eph, list[i].greatest, letter(list[i].type), p, worst);
            if (QTest::currentTestFailed())
                return;
            const double dm = std::abs(list[i].magnitude - p.magnitude);
            QVERIFY2(dm < 0.005, qPrintable(what + u' ' + QString::number(list[i].magnitude)));
            worstMagnitude = std::max(worstMagnitude, dm);
        }
        qInfo("solar: largest difference %.1f s, magnitude %.4f", worst / 1000.0, worstMagnitude);
    }

    void lunarMatchesCatalogue()
    {
        const QList<LunarEclipse> list = lunarEclipsesBetween(eph, jdOfYear(2025), jdOfYear(2041), kBudapest);
        QCOMPARE(list.size(), qsizetype(std::size(kNasaLunar)));
        qint64 worst = 0;
        double worstMagnitude = 0;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const PublishedEclipse& p = kNasaLunar[i];
            const QString what = tdOf(p).toString(Qt::ISODate);
            compareWhenAndType(eph, list[i].greatest, letter(list[i].type), p, worst);
            if (QTest::currentTestFailed())
                return;
            const double dm = std::abs(list[i].penumbralMagnitude - p.penumbralMagnitude);
            QVERIFY2(dm < 0.03, qPrintable(what + u' ' + QString::number(list[i].penumbralMagnitude)));
            if (p.type != 'N') {
                const double du = std::abs(list[i].umbralMagnitude - p.magnitude);
                QVERIFY2(du < 0.03, qPrintable(what + u' ' + QString::number(list[i].umbralMagnitude)));
                worstMagnitude = std::max(worstMagnitude, du);
            }
        }
        qInfo("lunar: largest difference %.1f s, umbral magnitude %.4f", worst / 1000.0, worstMagnitude);
    }

    void budapestSawThe2015Eclipse()
    {
        // 2015 March 20: about two thirds of the Sun's diameter covered over
        // Budapest, a little before 11 h local time.
        const QList<SolarEclipse> list =
            solarEclipsesBetween(eph, swe_julday(2015, 3, 19, 0, 1), swe_julday(2015, 3, 21, 0, 1), kBudapest);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].local.seen, LocalSolarView::Seen::Whole);
        QVERIFY2(list[0].local.magnitude > 0.6 && list[0].local.magnitude < 0.75,
                 qPrintable(QString::number(list[0].local.magnitude)));
        const QTimeZone zone(QByteArrayLiteral("Europe/Budapest"));
        QCOMPARE(formatLocalTime(list[0].local.jd, zone).left(3), QStringLiteral("10:"));
    }

    void theMoonRisesEclipsed()
    {
        // 2025 September 7: the totally eclipsed Moon rises over Budapest
        // during the eclipse; at greatest eclipse it stands low in the east.
        const QList<LunarEclipse> list =
            lunarEclipsesBetween(eph, swe_julday(2025, 9, 6, 0, 1), swe_julday(2025, 9, 9, 0, 1), kBudapest);
        QCOMPARE(list.size(), 1);
        QVERIFY2(list[0].moonAltitude > 0 && list[0].moonAltitude < 10,
                 qPrintable(QString::number(list[0].moonAltitude)));
    }
};

QTEST_GUILESS_MAIN(TestEclipses)
#include "tst_almanac_eclipses.moc"
