#include "grab.h"
#include "converter.h"
#include "drawingsurface.h"
#include "messagelog.h"
#include "regional.h"
#include "shapes.h"
#include "ui.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavik;

namespace {

RegionalSettings settingsFor(const QString& name)
{
    if (name == u"hu")
        return RegionalSettings::hungarian();
    return RegionalSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Counts the pixels of rect that are much darker than the light cyan
// background: the drawn digits.
int darkPixels(const QImage& image, const QRect& rect)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++n;
    return n;
}

const QRect kResult1Area(ui::px(3400), ui::px(1080), 110, 24);
const QRect kResult2Area(ui::px(3400), ui::px(2650), 110, 24);

}  // namespace

class ConverterWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void conversion_data();
    void conversion();
    void seventhCharacterRefused_data();
    void seventhCharacterRefused();
    void badEntryChangesNothing_data();
    void badEntryChangesNothing();
    void secondRowErasesFirst();
    void resultsSurviveRepaints();
    void layoutTexts_data();
    void layoutTexts();
    void layoutGeometry();
    void focusOrder();
    void okCloses();

private:
    void enter(ConverterWindow& w, const char* entry, const QString& text);
    tavik::testing::MessageLog m_log;
};

void ConverterWindowTest::init() { m_log.clear(); }

void ConverterWindowTest::enter(ConverterWindow& w, const char* entry, const QString& text)
{
    auto* box = w.findChild<QLineEdit*>(QLatin1String(entry));
    QVERIFY(box);
    box->clear();
    QTest::keyClicks(box, text);
}

void ConverterWindowTest::conversion_data()
{
    QTest::addColumn<QString>("regional");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("drawn");

    QTest::newRow("360 degrees") << "hu" << 1 << "360" << " 6000,00";
    QTest::newRow("6000 mils") << "hu" << 2 << "6000" << " 360,00";
    QTest::newRow("1 degree") << "hu" << 1 << "1" << " 16,67";
    QTest::newRow("1 mil") << "hu" << 2 << "1" << " 0,06";
    QTest::newRow("2000 degrees, the decimal factor") << "hu" << 1 << "2000" << " 33333,34";
    QTest::newRow("-90 degrees") << "hu" << 1 << "-90" << " -1500,00";
    QTest::newRow("0 degrees") << "hu" << 1 << "0" << " 0,00";
    QTest::newRow("above a full circle") << "hu" << 2 << "9000" << " 540,00";
    QTest::newRow("decimal comma") << "hu" << 1 << "2,5" << " 41,67";
    QTest::newRow("US 360 degrees") << "en" << 1 << "360" << " 6000.00";
    QTest::newRow("US 1 mil") << "en" << 2 << "1" << " 0.06";
    QTest::newRow("US decimal point") << "en" << 1 << "2.5" << " 41.67";
    QTest::newRow("US 2000 degrees") << "en" << 1 << "2000" << " 33333.34";
}

void ConverterWindowTest::conversion()
{
    QFETCH(QString, regional);
    QFETCH(int, row);
    QFETCH(QString, input);
    QFETCH(QString, drawn);

    ConverterWindow w(settingsFor(regional), m_log.sink());
    enter(w, row == 1 ? "Text41" : "Text42", input);
    QTest::mouseClick(w.findChild<QPushButton*>(row == 1 ? "Command41" : "Command42"), Qt::LeftButton);

    QVERIFY(m_log.messages.isEmpty());
    const QList<DrawingSurface::Piece>& pieces = w.surface()->pieces();
    QCOMPARE(pieces.size(), 1);
    QCOMPARE(pieces.first().text, drawn);
    QCOMPARE(pieces.first().topLeft, row == 1 ? ui::twipsPoint(3400, 1080) : ui::twipsPoint(3400, 2650));
}

void ConverterWindowTest::seventhCharacterRefused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("degrees") << "Text41";
    QTest::newRow("mils") << "Text42";
}

void ConverterWindowTest::seventhCharacterRefused()
{
    QFETCH(QString, entry);
    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    auto* box = w.findChild<QLineEdit*>(entry);
    QVERIFY(box);
    QVERIFY(box->text().isEmpty());
    QTest::keyClicks(box, "1234567");
    QCOMPARE(box->text(), QString("123456"));
    QCOMPARE(box->maxLength(), 6);
}

void ConverterWindowTest::badEntryChangesNothing_data()
{
    QTest::addColumn<int>("badRow");
    QTest::addColumn<QString>("input");

    QTest::newRow("empty degrees") << 1 << "";
    QTest::newRow("empty mils") << 2 << "";
    QTest::newRow("letters") << 2 << "abc";
    QTest::newRow("trailing letter") << 1 << "12a";
    QTest::newRow("lone minus") << 2 << "-";
    QTest::newRow("beyond double range") << 2 << "1e999";
    QTest::newRow("overflows in the conversion") << 1 << "1e308";
    QTest::newRow("overflows negatively") << 1 << "-1e308";
}

void ConverterWindowTest::badEntryChangesNothing()
{
    QFETCH(int, badRow);
    QFETCH(QString, input);

    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    enter(w, "Text41", "360");
    QTest::mouseClick(w.findChild<QPushButton*>("Command41"), Qt::LeftButton);
    QCOMPARE(w.surface()->pieces().size(), 1);

    enter(w, badRow == 1 ? "Text41" : "Text42", input);
    QTest::mouseClick(w.findChild<QPushButton*>(badRow == 1 ? "Command41" : "Command42"), Qt::LeftButton);

    QCOMPARE(m_log.messages.size(), 1);
    QCOMPARE(m_log.messages.first().icon, MessageIcon::Warning);
    QCOMPARE(m_log.messages.first().text, QString("Kérem, VALÓS ADATOT adjon meg!"));
    QCOMPARE(w.surface()->pieces().size(), 1);
    QCOMPARE(w.surface()->pieces().first().text, QString(" 6000,00"));
    QCOMPARE(w.surface()->pieces().first().topLeft, ui::twipsPoint(3400, 1080));
    QCOMPARE(w.findChild<QLineEdit*>(badRow == 1 ? "Text41" : "Text42")->text(), input);
}

void ConverterWindowTest::secondRowErasesFirst()
{
    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    enter(w, "Text41", "360");
    QTest::mouseClick(w.findChild<QPushButton*>("Command41"), Qt::LeftButton);
    enter(w, "Text42", "3000");
    QTest::mouseClick(w.findChild<QPushButton*>("Command42"), Qt::LeftButton);

    QCOMPARE(w.surface()->pieces().size(), 1);
    QCOMPARE(w.surface()->pieces().first().text, QString(" 180,00"));

    // And back: the first row erases the second.
    QTest::mouseClick(w.findChild<QPushButton*>("Command41"), Qt::LeftButton);
    QCOMPARE(w.surface()->pieces().size(), 1);
    QCOMPARE(w.surface()->pieces().first().text, QString(" 6000,00"));
    QVERIFY(m_log.messages.isEmpty());
}

void ConverterWindowTest::resultsSurviveRepaints()
{
    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(darkPixels(grabLogical(w), kResult1Area), 0);

    enter(w, "Text41", "360");
    QTest::mouseClick(w.findChild<QPushButton*>("Command41"), Qt::LeftButton);
    w.repaint();
    const int drawn = darkPixels(grabLogical(w), kResult1Area);
    QVERIFY2(drawn > 20, qPrintable(QString::number(drawn)));
    w.hide();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(darkPixels(grabLogical(w), kResult1Area), drawn);

    enter(w, "Text42", "6000");
    QTest::mouseClick(w.findChild<QPushButton*>("Command42"), Qt::LeftButton);
    const QImage after = grabLogical(w);
    QCOMPARE(darkPixels(after, kResult1Area), 0);
    QVERIFY(darkPixels(after, kResult2Area) > 20);

    const QFont f = w.surface()->font();
    QCOMPARE(f.family(), QString("Liberation Sans"));
    QCOMPARE(f.pointSizeF(), 14.25);
    QVERIFY(f.bold());
}

void ConverterWindowTest::layoutTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("underlined");

    QTest::newRow("Label41") << "Label41" << "Fok -  Vonás átszámítás:" << true;
    QTest::newRow("Label42") << "Label42" << "fok  =" << false;
    QTest::newRow("Label43") << "Label43" << "vonás" << false;
    QTest::newRow("Label45") << "Label45" << "Vonás - Fok átszámítás:" << true;
    QTest::newRow("Label46") << "Label46" << "vonás =  " << false;
    QTest::newRow("Label47") << "Label47" << "fok" << false;
    QTest::newRow("Label48") << "Label48"
                             << "A tüzérségben és a navigációban használt 6000 egységre osztott kör (ún. "
                                "tüzérségi kör) olyan szögmértékegység, amely a teljes kört 360 fok helyett "
                                "6000 egységre osztja fel."
                             << false;
}

void ConverterWindowTest::layoutTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, underlined);

    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    auto* label = w.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().underline(), underlined);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
    // The whole text fits its box.
    const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                         : label->fontMetrics().height();
    QVERIFY2(needed <= label->height(), qPrintable(QString::number(needed)));
    if (!label->wordWrap())
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
}

void ConverterWindowTest::layoutGeometry()
{
    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    QCOMPARE(w.objectName(), QString("Form4"));
    QCOMPARE(w.windowTitle(), QString("Számítások"));
    QCOMPARE(w.size(), QSize(574, 398));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));

    auto* shape = w.findChild<ShapeWidget*>("Shape1");
    QVERIFY(shape);
    QCOMPARE(shape->kind(), ShapeWidget::Kind::RoundedRectangle);
    QCOMPARE(shape->geometry(), QRect(16, 16, 545, 321));
    QCOMPARE(shape->color(), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(w.findChild<ShapeWidget*>("Line1")->geometry(), QRect(32, 120, 505, 1));
    QCOMPARE(w.findChild<ShapeWidget*>("Line2")->geometry(), QRect(160, 224, 249, 1));

    for (const char* name : {"Command41", "Command42"}) {
        auto* b = w.findChild<QPushButton*>(name);
        QCOMPARE(b->text(), QString("Számítás"));
        QCOMPARE(b->font().family(), QString("Liberation Sans Narrow"));
        QVERIFY(b->font().bold());
        QVERIFY(b->styleSheet().contains("#c0ffc0"));
    }
    QCOMPARE(w.findChild<QPushButton*>("Command41")->geometry(), QRect(440, 64, 97, 33));
    QCOMPARE(w.findChild<QLineEdit*>("Text42")->geometry(), QRect(32, 168, 73, 30));
    auto* ok = w.findChild<QPushButton*>("Command499");
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(ok->geometry(), QRect(264, 352, 57, 33));
    QCOMPARE(ok->font().pointSizeF(), 14.25);
    QCOMPARE(w.findChild<QLabel*>("Label48")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

void ConverterWindowTest::focusOrder()
{
    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.findChild<QWidget*>("Text41"));
    for (const char* next : {"Command41", "Text42", "Command42", "Command499", "Text41"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
    }
}

void ConverterWindowTest::okCloses()
{
    ConverterWindow w(RegionalSettings::hungarian(), m_log.sink());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.findChild<QPushButton*>("Command499"), Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(ConverterWindowTest)
#include "tst_converterwindow.moc"
