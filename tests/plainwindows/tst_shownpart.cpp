// The shown part of a long line, as the new-moon list and the reference lists
// draw it: cut at the limit, never between the two halves of a character.
#include "palette.h"

#include <QTest>

class ShownPartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cut_data();
    void cut();
};

void ShownPartTest::cut_data()
{
    const QString moon = QString::fromUcs4(U"\U0001F312");   // two UTF-16 units
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("shorter") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("exactly the limit") << QStringLiteral("abcd") << QStringLiteral("abcd");
    QTest::newRow("longer") << QStringLiteral("abcdef") << QStringLiteral("abcd");
    QTest::newRow("character across the cut") << (QStringLiteral("abc") + moon + u'x')
                                              << QStringLiteral("abc");
    QTest::newRow("character before the cut") << (QStringLiteral("ab") + moon + u'x')
                                              << (QStringLiteral("ab") + moon);
    QTest::newRow("character ending at the limit") << (QStringLiteral("ab") + moon)
                                                   << (QStringLiteral("ab") + moon);
}

void ShownPartTest::cut()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(tavik::ui::shownPart(text, 4), shown);
}

QTEST_GUILESS_MAIN(ShownPartTest)
#include "tst_shownpart.moc"
