// An ephemeris fault is a code and the fields it names, recognised from the
// library's error text; the words layer says it, in Hungarian and in
// English, with the same fields.
#include "almanacterms.h"
#include "ephemeris.h"
#include "translation.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using namespace tavik;
using namespace tavik::almanac;

Q_DECLARE_METATYPE(EphemerisFault)
Q_DECLARE_METATYPE(EphemerisReason)

namespace {

constexpr double kJ2000 = 2451545.0;   // 2000.01.01 12:00 UT

EphemerisError faultOf(EphemerisFault fault, const QString& libraryText)
{
    if (fault == EphemerisFault::NoFilesInFolder)
        return EphemerisError(libraryText);
    const EphemerisReason silent
        = fault == EphemerisFault::FilesDoNotCover ? EphemerisReason::FellBack : EphemerisReason::Unknown;
    return EphemerisError(fault, kJ2000, libraryText, silent);
}

}  // namespace

class EphemerisFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sentence_data()
    {
        QTest::addColumn<EphemerisFault>("fault");
        QTest::addColumn<QString>("libraryText");   // the folder for NoFilesInFolder
        QTest::addColumn<EphemerisReason>("reason");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("hungarian");
        QTest::addColumn<QString>("english");
        using enum EphemerisFault;
        using enum EphemerisReason;
        QTest::newRow("no files in the folder")
            << NoFilesInFolder << QStringLiteral("/tmp/ephe") << Unknown << QString()
            << QStringLiteral("A(z) /tmp/ephe mappában nincsenek efemeriszfájlok (sepl_18.se1, semo_18.se1).")
            << QStringLiteral("There are no ephemeris files (sepl_18.se1, semo_18.se1) in the folder /tmp/ephe.");
        QTest::newRow("silent failure")
            << CannotCompute << QString() << Unknown << QString()
            << QStringLiteral("Az efemerisz nem tudott számolni (2000.01.01 12:00 UT): ismeretlen hiba")
            << QStringLiteral("The ephemeris could not compute (2000.01.01 12:00 UT): unknown error");
        QTest::newRow("file missing")
            << CannotCompute << QStringLiteral("SwissEph file 'sepl_18.se1' not found in PATH '/x'") << FileMissing
            << QStringLiteral("sepl_18.se1")
            << QStringLiteral("Az efemerisz nem tudott számolni (2000.01.01 12:00 UT): hiányzik a(z) sepl_18.se1 efemeriszfájl")
            << QStringLiteral("The ephemeris could not compute (2000.01.01 12:00 UT): the ephemeris file sepl_18.se1 is missing");
        QTest::newRow("file damaged")
            << CannotCompute << QStringLiteral("Ephemeris file semo_18.se1 is damaged (0).") << FileDamaged
            << QStringLiteral("semo_18.se1")
            << QStringLiteral("Az efemerisz nem tudott számolni (2000.01.01 12:00 UT): sérült a(z) semo_18.se1 efemeriszfájl")
            << QStringLiteral("The ephemeris could not compute (2000.01.01 12:00 UT): the ephemeris file semo_18.se1 is damaged");
        QTest::newRow("file unusable")
            << CannotCompute << QStringLiteral("semo_18.se1: wrong byte order") << FileUnusable
            << QStringLiteral("semo_18.se1")
            << QStringLiteral("Az efemerisz nem tudott számolni (2000.01.01 12:00 UT): a(z) semo_18.se1 efemeriszfájl nem használható")
            << QStringLiteral("The ephemeris could not compute (2000.01.01 12:00 UT): the ephemeris file semo_18.se1 cannot be used");
        QTest::newRow("out of range")
            << FilesDoNotCover << QStringLiteral("jd 1000.5 outside ephemeris range") << OutOfRange << QString()
            << QStringLiteral("Az efemeriszfájlok nem fedik le ezt az időpontot (2000.01.01 12:00 UT): az időpont kívül esik az efemerisz időszakán")
            << QStringLiteral("The ephemeris files do not cover this time (2000.01.01 12:00 UT): the time lies outside the span of the ephemeris");
        QTest::newRow("fell back")
            << FilesDoNotCover << QString() << FellBack << QString()
            << QStringLiteral("Az efemeriszfájlok nem fedik le ezt az időpontot (2000.01.01 12:00 UT): a könyvtár a beépített sorra váltott")
            << QStringLiteral("The ephemeris files do not cover this time (2000.01.01 12:00 UT): the library fell back on its built-in series");
        QTest::newRow("the library's own words")
            << CannotCompute << QStringLiteral("illegal planet number 99.") << LibraryText << QString()
            << QStringLiteral("Az efemerisz nem tudott számolni (2000.01.01 12:00 UT): illegal planet number 99.")
            << QStringLiteral("The ephemeris could not compute (2000.01.01 12:00 UT): illegal planet number 99.");
    }

    void sentence()
    {
        QFETCH(EphemerisFault, fault);
        QFETCH(QString, libraryText);
        QFETCH(EphemerisReason, reason);
        QFETCH(QString, file);
        QFETCH(QString, hungarian);
        QFETCH(QString, english);
        const EphemerisError e = faultOf(fault, libraryText);
        QCOMPARE(e.fault(), fault);
        QCOMPARE(e.reason(), reason);
        QCOMPARE(e.file(), file);
        QCOMPARE(words::ephemerisFaultText(e), hungarian);
        QTranslator* translator = installInterfaceLanguage(InterfaceLanguage::English);
        QVERIFY(translator);
        QCOMPARE(words::ephemerisFaultText(e), english);
        QCoreApplication::removeTranslator(translator);
        delete translator;
        QCOMPARE(words::ephemerisFaultText(e), hungarian);
    }
};

QTEST_GUILESS_MAIN(EphemerisFaultsTest)
#include "tst_ephemerisfaults.moc"
