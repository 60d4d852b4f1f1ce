#include "artwork.h"
#include "catalogue.h"
#include "observation.h"
#include "syntheticmap.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace tavik::pictures;
using namespace tavik::pictures::testing;

namespace {

struct Expected {
    QString folder;   // "Pic" or "resources"
    QString file;
    QSize size;
    QByteArray format;
};

std::vector<Expected> everyPicture()
{
    std::vector<Expected> all;
    for (const char* f : {"000-ujhold.gif", "004-novekvo.gif", "010-novekvo.gif", "014-novekvo.gif",
                          "020-negyed.gif", "030-novekvo.gif", "040-telihold.gif", "050-fogyo.gif",
                          "060-utolso.gif", "070-fogyo.gif", "072-fogyo.gif", "073-fogyo.gif"})
        all.push_back({QStringLiteral("Pic"), QString::fromLatin1(f), QSize(137, 137), "gif"});
    for (int day = 2; day <= 11; ++day)
        all.push_back({QStringLiteral("Pic"), QStringLiteral("Lunar-day%1s.gif").arg(day, 2, 10, QLatin1Char('0')),
                       QSize(960, 713), "gif"});
    all.push_back({QStringLiteral("Pic"), QStringLiteral("Lunar-map.jpg"), QSize(960, 713), "jpeg"});
    all.push_back({QStringLiteral("resources"), QStringLiteral("banner.jpg"), QSize(300, 42), "jpeg"});
    all.push_back({QStringLiteral("resources"), QStringLiteral("tavik.png"), QSize(32, 32), "png"});
    for (int size : {16, 24, 48, 64, 128, 256})
        all.push_back({QStringLiteral("resources"), QStringLiteral("tavik-%1.png").arg(size), QSize(size, size), "png"});
    return all;
}

void checkPictures(const QString& pic, const QString& resources)
{
    for (const Expected& e : everyPicture()) {
        const QString path = QDir(e.folder == QLatin1String("Pic") ? pic : resources).filePath(e.file);
        QImageReader reader(path);
        QCOMPARE(reader.format(), e.format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(image.size(), e.size);
    }
}

double greyMean(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

} // namespace

class TestPictureCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void phasePicturesFollowThePhaseTable();
    void phasePictureAgesAreTheMiddleOfTheirBands_data();
    void phasePictureAgesAreTheMiddleOfTheirBands();
    void phasePicturesGrowAndShrink();
    void everyPictureIsWritten();
    void shippedPicturesAreComplete();
    void missingMapIsReported();
};

void TestPictureCatalogue::phasePicturesFollowThePhaseTable()
{
    const auto pictures = phasePictures();
    QCOMPARE(pictures.size(), std::size_t(12));
    QStringList fromTable;
    for (const tavik::PhaseBand& band : tavik::kPhaseBands)
        if (!fromTable.contains(QString::fromUtf16(band.picture)))
            fromTable << QString::fromUtf16(band.picture);
    QStringList drawn;
    for (const PhasePicture& p : pictures)
        drawn << p.file;
    QCOMPARE(drawn, fromTable);
}

void TestPictureCatalogue::phasePictureAgesAreTheMiddleOfTheirBands_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("age");
    QTest::newRow("new moon at its moment") << QStringLiteral("000-ujhold.gif") << 0.0;
    QTest::newRow("narrow band") << QStringLiteral("004-novekvo.gif") << 1.97;
    QTest::newRow("young crescent") << QStringLiteral("010-novekvo.gif") << 3.815;
    QTest::newRow("full") << QStringLiteral("040-telihold.gif") << 14.755;
    QTest::newRow("two rows, one picture") << QStringLiteral("050-fogyo.gif") << 18.83;
    QTest::newRow("last crescent") << QStringLiteral("073-fogyo.gif") << 27.9;
}

void TestPictureCatalogue::phasePictureAgesAreTheMiddleOfTheirBands()
{
    QFETCH(QString, file);
    QFETCH(double, age);
    for (const PhasePicture& p : phasePictures())
        if (p.file == file) {
            QVERIFY2(std::abs(p.ageDays - age) < 1e-9, qPrintable(QString::number(p.ageDays)));
            return;
        }
    QFAIL("picture missing");
}

void TestPictureCatalogue::phasePicturesGrowAndShrink()
{
    const LunarSurface surface = syntheticSurface();
    std::vector<double> means;
    for (const PhasePicture& p : phasePictures())
        means.push_back(greyMean(renderPhasePicture(surface, p.ageDays)));
    // Brightest at full moon, darkest at new moon, which still shows a disc.
    const auto full = std::max_element(means.begin(), means.end()) - means.begin();
    QCOMPARE(phasePictures()[std::size_t(full)].file, QStringLiteral("040-telihold.gif"));
    QCOMPARE(std::min_element(means.begin(), means.end()) - means.begin(), 0);
    QVERIFY(means.front() > 2.0);
    for (std::size_t i = 1; i <= std::size_t(full); ++i)
        QVERIFY(means[i] > means[i - 1]);
    for (std::size_t i = std::size_t(full) + 1; i < means.size(); ++i)
        QVERIFY(means[i] < means[i - 1]);
}

void TestPictureCatalogue::everyPictureIsWritten()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Folders folders{dir.filePath(QStringLiteral("out/Pic")), dir.filePath(QStringLiteral("out/res"))};
    QStringList written;
    const QString error = writeAllPictures(syntheticSurface(), folders,
                                           [&written](const QString& path, const QString&) { written << path; });
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(written.size(), int(everyPicture().size()));
    checkPictures(folders.pictures, folders.resources);
}

void TestPictureCatalogue::shippedPicturesAreComplete()
{
    const QString source = qEnvironmentVariable("TAVIK_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("TAVIK_SOURCE_DIR is not set");
    checkPictures(QDir(source).filePath(QStringLiteral("Pic")), QDir(source).filePath(QStringLiteral("resources")));
}

void TestPictureCatalogue::missingMapIsReported()
{
    QString error;
    QVERIFY(!LunarSurface::load(QStringLiteral("/nonexistent/moon.jpg"), {}, &error));
    QVERIFY2(error.contains(QStringLiteral("/nonexistent/moon.jpg")), qPrintable(error));
}

QTEST_MAIN(TestPictureCatalogue)
#include "tst_picturecatalogue.moc"
