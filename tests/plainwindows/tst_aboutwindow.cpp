#include "about.h"
#include "shapes.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace tavik;

class AboutWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionAtLoad();
    void labels_data();
    void labels();
    void icon();
    void okButton();
    void keysClose_data();
    void keysClose();
    void okClickCloses();
};

void AboutWindowTest::captionAtLoad()
{
    AboutWindow w;
    QCOMPARE(w.objectName(), QString("frmAbout"));
    QCOMPARE(w.windowTitle(), QString("About Tavik"));
    QCOMPARE(w.size(), QSize(382, 286));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
    QVERIFY(!w.isModal());
    // The version line follows the one version the build declares.
    QCOMPARE(AboutWindow::versionText(), QString("Version " TAVIK_VERSION_STRING));
    QCOMPARE(QStringLiteral(TAVIK_VERSION_STRING), QStringLiteral("%1.%2.%3")
                                                       .arg(TAVIK_VERSION_MAJOR)
                                                       .arg(TAVIK_VERSION_MINOR)
                                                       .arg(TAVIK_VERSION_PATCH));
}

void AboutWindowTest::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("lblTitle") << "lblTitle" << "Tavik" << "Liberation Sans Narrow" << 18.0
                              << int(QFont::Bold) << QRect(72, 16, 235, 32);
    QTest::newRow("Label3") << "Label3" << QString::fromUtf8("Holdsarló kor és fázis számoló")
                            << "Liberation Sans Narrow" << 14.25 << int(QFont::Normal) << QRect(72, 48, 297, 33);
    QTest::newRow("lblVersion") << "lblVersion" << "Version " TAVIK_VERSION_STRING << "Liberation Sans Narrow" << 14.25
                                << int(QFont::Bold) << QRect(72, 88, 147, 23);
    QTest::newRow("Label1") << "Label1" << "(x86  / 32-bit)" << "Liberation Sans Narrow" << 14.25
                            << int(QFont::Normal) << QRect(192, 88, 137, 25);
    QTest::newRow("Label4") << "Label4" << "Orvel Edition" << "Liberation Sans" << 11.25
                            << int(QFont::Black) << QRect(192, 120, 161, 25);
    QTest::newRow("lblDescription") << "lblDescription" << QString::fromUtf8("© 2024–2026 a Tavik fejlesztői")
                                    << "Liberation Sans Narrow" << 14.25 << int(QFont::Normal)
                                    << QRect(72, 168, 299, 30);
    QTest::newRow("Label2") << "Label2" << "https://tavik-hold.github.io" << "Liberation Sans Narrow" << 14.25
                            << int(QFont::Normal) << QRect(160, 200, 193, 25);
}

void AboutWindowTest::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(int, weight);
    QFETCH(QRect, geometry);

    AboutWindow w;
    auto* label = w.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(int(label->font().weight()), weight);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
    // Each line fits its box, without being cut.
    QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->width(),
             qPrintable(QString::number(label->fontMetrics().horizontalAdvance(text))));
}

void AboutWindowTest::icon()
{
    AboutWindow w;
    auto* icon = w.findChild<QLabel*>("picIcon");
    QVERIFY(icon);
    QCOMPARE(icon->geometry(), QRect(16, 16, 36, 36));
    // The program's icon is built into the program, not into this test: the
    // window still shows a 32 x 32 picture.
    QVERIFY(!icon->pixmap().isNull());
    QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    auto* line = w.findChild<ShapeWidget*>("Line1");
    QVERIFY(line);
    QCOMPARE(line->color(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(line->geometry(), QRect(16, 232, 345, 1));
}

void AboutWindowTest::okButton()
{
    AboutWindow w;
    auto* ok = w.findChild<QPushButton*>("cmdOK");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->geometry(), QRect(160, 248, 68, 23));
    QCOMPARE(ok->font().pointSizeF(), 8.25);
    QVERIFY(ok->font().bold());
    QVERIFY(ok->styleSheet().contains("#c0ffc0"));
}

void AboutWindowTest::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void AboutWindowTest::keysClose()
{
    QFETCH(int, key);
    QPointer<AboutWindow> w = new AboutWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY(w.isNull());
}

void AboutWindowTest::okClickCloses()
{
    QPointer<AboutWindow> w = new AboutWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
