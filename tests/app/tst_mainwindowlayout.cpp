// The main window as it opens: title, size, controls, colours, fonts, tab
// order, focus and the character limits of the two boxes.
#include "grab.h"
#include "appfixture.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

using namespace tavik;
using namespace tavik::testing;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titleAndIdentity();
    void clientAreaIsFixed();
    void controlGeometry_data();
    void controlGeometry();
    void controlColours_data();
    void controlColours();
    void buttonFaces_data();
    void buttonFaces();
    void controlFonts_data();
    void controlFonts();
    void captions_data();
    void captions();
    void tabOrderAndStartFocus();
    void boxesStartEmpty();
    void boxesKeepTheirLimit_data();
    void boxesKeepTheirLimit();
    void surfaceDrawsFramesAndKeepsText();
};

void MainWindowLayoutTest::titleAndIdentity()
{
    DataFolder data;
    auto a = makeWindow(data);
    QCOMPARE(a->objectName(), QStringLiteral("A"));
    QCOMPARE(a->windowTitle(),
             QStringLiteral("Tavik  - Holdsarló kor és fázis számoló     -  " TAVIK_TITLE_VERSION
                            "  (x86)   - Orvel Edition"));
    // "v1.46a" is made of the project's version and the edition letter.
    QCOMPARE(QStringLiteral(TAVIK_TITLE_VERSION), QStringLiteral("v%1.%2%3%4")
                                                      .arg(TAVIK_VERSION_MAJOR)
                                                      .arg(TAVIK_VERSION_MINOR)
                                                      .arg(TAVIK_VERSION_PATCH)
                                                      .arg(QStringLiteral(TAVIK_EDITION_LETTER)));
    auto* banner = child<QLabel>(*a, "PictureHoldak");
    QVERIFY(banner);
    QVERIFY(!banner->pixmap().isNull());
    QCOMPARE(banner->pixmap().size(), QSize(300, 42));
}

void MainWindowLayoutTest::clientAreaIsFixed()
{
    DataFolder data;
    auto a = makeWindow(data);
    a->show();
    QVERIFY(QTest::qWaitForWindowExposed(a.get()));
    QCOMPARE(a->centralWidget()->size(), QSize(744, 390));
    QCOMPARE(a->minimumSize(), a->maximumSize());
    QCOMPARE(a->height(), 390 + a->menuBar()->height());
    QCOMPARE(a->centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 0));
    const QRect screen = a->screen()->availableGeometry();
    // Centred to within the width of the window frame.
    QVERIFY(qAbs(a->geometry().center().x() - screen.center().x()) <= 4);
    QVERIFY(qAbs(a->geometry().center().y() - screen.center().y()) <= 4);
}

void MainWindowLayoutTest::controlGeometry_data()
{
    // Twips from the layout table, 15 to a pixel.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("Label8") << "Label8" << QRect(456, 56, 177, 25);
    QTest::newRow("Text11") << "Text11" << QRect(456, 80, 153, 27);
    QTest::newRow("Ujholdak") << "Ujholdak" << QRect(456, 120, 153, 27);
    QTest::newRow("Command6") << "Command6" << QRect(648, 120, 65, 33);
    QTest::newRow("Command3") << "Command3" << QRect(456, 168, 113, 33);
    QTest::newRow("Label9") << "Label9" << QRect(456, 248, 177, 25);
    QTest::newRow("Text12") << "Text12" << QRect(456, 280, 177, 29);
    QTest::newRow("Command14") << "Command14" << QRect(648, 280, 65, 33);
    QTest::newRow("Command1") << "Command1" << QRect(456, 328, 113, 33);
    QTest::newRow("Command2") << "Command2" << QRect(648, 328, 65, 33);
    QTest::newRow("PictureHoldak") << "PictureHoldak" << QRect(32, 16, 297, 41);
    QTest::newRow("Picture1") << "Picture1" << QRect(56, 200, 137, 137);
}

void MainWindowLayoutTest::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    DataFolder data;
    auto a = makeWindow(data);
    auto* w = a->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), a->centralWidget());
    QCOMPARE(w->geometry(), expected);
}

void MainWindowLayoutTest::controlColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("back");
    QTest::newRow("Label8") << "Label8" << QColor::fromRgb(0xFFFF80) << QColor::fromRgb(0x000000);
    QTest::newRow("Label9") << "Label9" << QColor::fromRgb(0x80FF80) << QColor::fromRgb(0x000000);
    QTest::newRow("Text11") << "Text11" << QColor::fromRgb(0xFFFFC0) << QColor::fromRgb(0x000000);
    QTest::newRow("Text12") << "Text12" << QColor::fromRgb(0x80FF80) << QColor::fromRgb(0x000000);
    QTest::newRow("Ujholdak") << "Ujholdak" << QColor::fromRgb(0x000000) << QColor::fromRgb(0xFFFFC0);
}

void MainWindowLayoutTest::controlColours()
{
    QFETCH(QString, name);
    QFETCH(QColor, text);
    QFETCH(QColor, back);
    DataFolder data;
    auto a = makeWindow(data);
    a->show();
    QVERIFY(QTest::qWaitForWindowExposed(a.get()));
    auto* w = a->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->palette().color(w->backgroundRole()), back);
    QCOMPARE(w->palette().color(w->foregroundRole()), text);
    // What is actually painted: a pixel inside the border, away from any text.
    const QImage image = grabLogical(w);
    QCOMPARE(image.pixelColor(image.width() - 40, image.height() / 2), back);
}

void MainWindowLayoutTest::buttonFaces_data()
{
    // Yellow for the new-moon group, green for the observation group, blue "Most!".
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("face");
    QTest::newRow("Command6") << "Command6" << QColor::fromRgb(0xFFFFC0);
    QTest::newRow("Command3") << "Command3" << QColor::fromRgb(0xFFFF80);
    QTest::newRow("Command14") << "Command14" << QColor::fromRgb(0x80FF80);
    QTest::newRow("Command1") << "Command1" << QColor::fromRgb(0x80FF80);
    QTest::newRow("Command2") << "Command2" << QColor::fromRgb(0xC0FFFF);
}

void MainWindowLayoutTest::buttonFaces()
{
    QFETCH(QString, name);
    QFETCH(QColor, face);
    DataFolder data;
    auto a = makeWindow(data);
    a->show();
    QVERIFY(QTest::qWaitForWindowExposed(a.get()));
    auto* b = a->findChild<QPushButton*>(name);
    QVERIFY(b);
    QCOMPARE(b->palette().color(QPalette::Button), face);
    QCOMPARE(b->palette().color(QPalette::ButtonText), QColor(Qt::black));
    // The painted face beside the caption, and the raised border around it.
    const QImage image = grabLogical(b);
    QCOMPARE(image.pixelColor(5, image.height() / 2), face);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::black));
}

void MainWindowLayoutTest::controlFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("italic");
    const QString serif = QStringLiteral("Liberation Serif");
    const QString sans = QStringLiteral("Liberation Sans");
    QTest::newRow("Label8") << "Label8" << serif << 12.75 << false;
    QTest::newRow("Text11") << "Text11" << serif << 14.25 << false;
    QTest::newRow("Ujholdak") << "Ujholdak" << serif << 12.75 << false;
    QTest::newRow("Command6") << "Command6" << sans << 11.25 << false;
    QTest::newRow("Command3") << "Command3" << sans << 11.25 << false;
    QTest::newRow("Label9") << "Label9" << serif << 12.75 << false;
    QTest::newRow("Text12") << "Text12" << serif << 14.25 << false;
    QTest::newRow("Command14") << "Command14" << sans << 11.25 << false;
    QTest::newRow("Command1") << "Command1" << sans << 11.25 << false;
    QTest::newRow("Command2") << "Command2" << sans << 12.0 << true;
}

void MainWindowLayoutTest::controlFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, italic);
    DataFolder data;
    auto a = makeWindow(data);
    auto* w = a->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pointSizeF(), points);
    QCOMPARE(w->font().italic(), italic);
}

void MainWindowLayoutTest::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Label8") << "Label8" << QStringLiteral("Utolsó Újhold :");
    QTest::newRow("Label9") << "Label9" << QStringLiteral("Megfigyelés :");
    QTest::newRow("Command6") << "Command6" << QStringLiteral("OK");
    QTest::newRow("Command3") << "Command3" << QStringLiteral("Utolsó Újhold");
    QTest::newRow("Command14") << "Command14" << QStringLiteral("Mentés");
    QTest::newRow("Command1") << "Command1" << QStringLiteral("Megfigyelés");
    QTest::newRow("Command2") << "Command2" << QStringLiteral("Most!");
}

void MainWindowLayoutTest::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    DataFolder data;
    auto a = makeWindow(data);
    QObject* w = a->findChild<QObject*>(name);
    QVERIFY(w);
    QCOMPARE(w->property("text").toString(), caption);
}

void MainWindowLayoutTest::tabOrderAndStartFocus()
{
    DataFolder data;
    auto a = makeWindow(data);
    a->show();
    QVERIFY(QTest::qWaitForWindowActive(a.get()));
    QCOMPARE(QApplication::focusWidget(), box(*a, "Text11"));

    const QStringList expected{QStringLiteral("Command3"), QStringLiteral("Ujholdak"),
                               QStringLiteral("Command6"), QStringLiteral("Command1"),
                               QStringLiteral("Text12"),   QStringLiteral("Command14"),
                               QStringLiteral("Command2"), QStringLiteral("Text11")};
    QStringList seen;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(seen, expected);
}

void MainWindowLayoutTest::boxesStartEmpty()
{
    DataFolder data;
    data.write(QStringLiteral("ujhold.txt"), "2024.01.11 12:57\r\n");
    data.write(QStringLiteral("utolso.txt"), "2024.01.14 07:37\r\n");
    auto a = makeWindow(data);
    QVERIFY(box(*a, "Text11")->text().isEmpty());
    QVERIFY(box(*a, "Text12")->text().isEmpty());
    QVERIFY(child<QLabel>(*a, "Picture1")->pixmap().isNull());
    QVERIFY(a->surface()->pieces().isEmpty());
}

// Text typed key by key stops at the box's limit; text put in by the program
// (read from a file) is cut there.
void MainWindowLayoutTest::boxesKeepTheirLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("Text11 16") << "Text11" << true << "2024.01.11 12:57" << "2024.01.11 12:57";
    QTest::newRow("Text11 17th refused") << "Text11" << true << "2024.01.11 12:57x" << "2024.01.11 12:57";
    QTest::newRow("Text12 22") << "Text12" << true << "2024. 01. 14. 07:37:00" << "2024. 01. 14. 07:37:00";
    QTest::newRow("Text12 23rd refused") << "Text12" << true << "2024. 01. 14. 07:37:001"
                                         << "2024. 01. 14. 07:37:00";
    QTest::newRow("Text11 long put in") << "Text11" << false << "2024.01.11 12:57:30 UTC" << "2024.01.11 12:57";
    QTest::newRow("Text11 CR LF kept") << "Text11" << false << "2024.01.1 2:57\r\n" << "2024.01.1 2:57\r\n";
    QTest::newRow("Text11 LF cut") << "Text11" << false << "2024.01.11 2:57\r\n" << "2024.01.11 2:57\r";
    QTest::newRow("Text12 CR kept") << "Text12" << false << "2024. 01. 14. 7:37:00\r\n"
                                    << "2024. 01. 14. 7:37:00\r";
}

void MainWindowLayoutTest::boxesKeepTheirLimit()
{
    QFETCH(QString, name);
    QFETCH(bool, typed);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    DataFolder data;
    auto a = makeWindow(data);
    QLineEdit* e = a->findChild<QLineEdit*>(name);
    QVERIFY(e);
    if (typed)
        typeInto(e, text);
    else
        e->setText(text);
    QCOMPARE(e->text(), kept);
}

void MainWindowLayoutTest::surfaceDrawsFramesAndKeepsText()
{
    DataFolder data;
    auto a = makeWindow(data);
    a->show();
    QVERIFY(QTest::qWaitForWindowExposed(a.get()));
    ResultSurface* s = a->surface();
    QCOMPARE(s->geometry(), QRect(0, 0, 744, 390));
    QCOMPARE(s->palette().color(QPalette::WindowText), QColor::fromRgb(0x80FF80));
    QCOMPARE(s->font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(s->font().pointSizeF(), 14.25);

    QImage image = grabLogical(s);
    const QColor grey(0x808080);
    QCOMPARE(image.pixelColor(440, 200), grey);   // Shape1's left edge
    QCOMPARE(image.pixelColor(24, 200), grey);    // Shape2's left edge
    QCOMPARE(image.pixelColor(100, 184), grey);   // Shape3's top edge
    QCOMPARE(image.pixelColor(200, 120), grey);   // Line1
    QCOMPARE(image.pixelColor(600, 224), grey);   // Line2

    s->drawText(650, 1265, QStringLiteral("MMMMMMMM"));
    // Painted again from what it keeps, after being covered.
    image = grabLogical(s);
    bool green = false;
    for (int x = 43; x < 120 && !green; ++x) {
        for (int y = 84; y < 104 && !green; ++y)
            green = image.pixelColor(x, y) == QColor::fromRgb(0x80FF80);
    }
    QVERIFY(green);
    s->clearText();
    QVERIFY(s->pieces().isEmpty());
}

QTEST_MAIN(MainWindowLayoutTest)
#include "tst_mainwindowlayout.moc"
