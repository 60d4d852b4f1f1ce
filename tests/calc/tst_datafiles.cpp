// Line splitting and the two encodings.
#include "datafiles.h"

#include <QStringDecoder>
#include <QTest>

using namespace tavik;

class TestDataFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitDataLines_data();
    void splitDataLines();
    void decodeDataText_data();
    void decodeDataText();
    void decodeDataLinesAgreesWithSplitting_data();
    void decodeDataLinesAgreesWithSplitting();
    void windows1250MatchesTheSystemCodec();
    void everyByteSurvivesARoundTrip();
    void unencodableCharactersAreNamed();
};

void TestDataFiles::splitDataLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one line with CR LF") << "a\r\n" << QStringList{"a"};
    QTest::newRow("one line without end") << "a" << QStringList{"a"};
    QTest::newRow("lone CR ends a line") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("lone LF stays") << "a\nb\r\nc" << QStringList{"a\nb", "c"};
    QTest::newRow("leading LF stays") << "\na\r\n" << QStringList{"\na"};
    QTest::newRow("empty lines in place") << "a\r\n\r\n\r\nb\r\n" << QStringList{"a", "", "", "b"};
    QTest::newRow("only a line end") << "\r\n" << QStringList{""};
    QTest::newRow("CR CR LF") << "a\r\r\n" << QStringList{"a", ""};
    QTest::newRow("blanks kept") << "  a  \r\n\tb \r\n" << QStringList{"  a  ", "\tb "};
    QTest::newRow("last line without end") << "a\r\nb" << QStringList{"a", "b"};
}

void TestDataFiles::splitDataLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(tavik::splitDataLines(text), lines);
}

void TestDataFiles::decodeDataText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("Hold\r\n") << "Hold\r\n";
    QTest::newRow("Windows-1250") << QByteArray("Holdsarl\xf3 \xe1rv\xedzt\xfbr\xf5") << "Holdsarló árvíztűrő";
    QTest::newRow("UTF-8") << QByteArray("Holdsarl\xc3\xb3 \xc5\xb1") << "Holdsarló ű";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfHold\xc3\xb3") << "Holdó";
    QTest::newRow("BOM and ASCII") << QByteArray("\xef\xbb\xbfHold") << "Hold";
    // Windows-1250 letters whose bytes happen to be valid UTF-8 (U+04C5, U+0254):
    // UTF-8 would give characters that Windows-1250 has not, so it is Windows-1250.
    QTest::newRow("Windows-1250 Ó… looking like UTF-8") << QByteArray("FOT\xd3\x85") << "FOTÓ…";
    QTest::newRow("Windows-1250 É” looking like UTF-8") << QByteArray("HOLD\xc9\x94") << "HOLDÉ”";
    QTest::newRow("UTF-8 beside such a pair") << QByteArray("\xc5\x91 FOT\xd3\x85") << "Ĺ‘ FOTÓ…";
    QTest::newRow("UTF-8 outside Windows-1250") << QByteArray("\xe2\x9c\x93") << "âś“";
    QTest::newRow("UTF-8 with BOM outside Windows-1250") << QByteArray("\xef\xbb\xbf\xe2\x9c\x93") << "✓";
    QTest::newRow("UTF-8 euro and quotes") << QByteArray("5 \xe2\x82\xac \xe2\x80\x9eHold\xe2\x80\x9d") << "5 € „Hold”";
    QTest::newRow("broken UTF-8 is Windows-1250") << QByteArray("\xc3\xb3\xf5") << "Ăłő";
    QTest::newRow("overlong form is not UTF-8") << QByteArray("\xc0\xaf") << "ŔŻ";
    QTest::newRow("surrogate is not UTF-8") << QByteArray("\xed\xa0\x80") << "í\u00a0€";
    QTest::newRow("cut sequence") << QByteArray("abc\xe2\x82") << "abcâ‚";
}

void TestDataFiles::decodeDataText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(tavik::decodeDataText(bytes), text);
}

void TestDataFiles::decodeDataLinesAgreesWithSplitting_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Windows-1250") << QByteArray("\xc1rv\xedz\r\nt\xfbr\xf5")
                                  << QStringList{"Árvíz", "tűrő"};
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf\xc3\x81\r\n\xc5\xb1\r\n")
                                    << QStringList{"Á", "ű"};
    // Only the file's first byte-order mark is dropped; a later one is text.
    QTest::newRow("BOM starting a later line")
        << QByteArray("\xef\xbb\xbf" "a\r\xef\xbb\xbf\xef\xbb\xbf" "b")
        << QStringList{"a", QStringLiteral("\ufeff\ufeffb")};
    QTest::newRow("lone LF inside") << QByteArray("a\nb\rc") << QStringList{"a\nb", "c"};
}

void TestDataFiles::decodeDataLinesAgreesWithSplitting()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(decodeDataLines(bytes), lines);
    QCOMPARE(tavik::splitDataLines(tavik::decodeDataText(bytes)), lines);
}

void TestDataFiles::windows1250MatchesTheSystemCodec()
{
    QStringDecoder codec("windows-1250");
    if (!codec.isValid())
        QSKIP("this Qt has no Windows-1250 codec to compare with");
    // High bytes next to an invalid UTF-8 start, so the whole string is read as
    // Windows-1250.
    for (int b = 0x80; b < 0x100; ++b) {
        const QByteArray bytes = QByteArray(1, char(b)) + QByteArray(1, char(0xff));
        const QString expected = codec.decode(bytes);
        QCOMPARE(tavik::decodeDataText(bytes), expected);
    }
}

void TestDataFiles::everyByteSurvivesARoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 0x100; ++b)
        all += char(b);
    const QString text = tavik::decodeDataText(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeWindows1250(text).value(), all);
}

void TestDataFiles::unencodableCharactersAreNamed()
{
    QString bad;
    const QString text = QStringLiteral("Hold € ✓ 月 ✓ 😀 ő");
    QVERIFY(!encodeWindows1250(text, &bad));
    QCOMPARE(bad, QStringLiteral("✓月😀"));
    QVERIFY(encodeWindows1250(QStringLiteral("árvíztűrő tükörfúrógép €"), &bad));
    QCOMPARE(bad, QString());
    QCOMPARE(encodeWindows1250(QStringLiteral("ŐŰ")).value(), QByteArray("\xd5\xdb"));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
