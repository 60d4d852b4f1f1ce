#include "description.h"
#include "shapes.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tavik;

class DescriptionWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void labels_data();
    void labels();
    void runsOfBlanks_data();
    void runsOfBlanks();
    void window();
    void okCloses();
};

void DescriptionWindowTest::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("red");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Label6") << "Label6" << QString::fromUtf8("A program használatához néhány tanács:")
                            << "Liberation Sans" << 15.75 << false << true << QRect(24, 8, 593, 33);
    QTest::newRow("Label7")
        << "Label7"
        << QString::fromUtf8("A legördülő 'Újhold időpontok' listában az időpontok a magyar időszámítás "
                             "szerint vannak (nyári- téli isz. korrigálásával!)")
        << "Liberation Serif" << 12.75 << true << true << QRect(24, 56, 593, 41);
    QTest::newRow("Label1")
        << "Label1"
        << QString::fromUtf8("1.) a SÁRGA (Utolsó Újhold) gombra kattintva megjelenik a legutolsónak "
                             "megadott újhold időpontja.")
        << "Liberation Serif" << 12.75 << false << false << QRect(16, 112, 601, 41);
    QTest::newRow("Label2")
        << "Label2"
        << QString::fromUtf8("2.) a ZÖLD (Megfigyelés) gombra kattintva betölti az elmentett utolsó "
                             "megfigyelési dátumot. Ha újat adunk meg, a MENTÉS gombbal elmenthetjük, "
                             "legközelebb már azt tölti be. ")
        << "Liberation Serif" << 12.75 << false << false << QRect(16, 168, 601, 65);
    QTest::newRow("Label3")
        << "Label3"
        << QString::fromUtf8("3.) a KÉK (Most!) gombra kattintva a pillanatnyi időt-dátumot (a számítógép "
                             "rendszer idejét) tölti be a 'Megfigyelési idejének'.")
        << "Liberation Serif" << 12.75 << false << false << QRect(16, 240, 601, 49);
    QTest::newRow("Label5")
        << "Label5"
        << QString::fromUtf8("Újhold időpont választásánál:  a program az aktuális (téli- nyári-) MAGYAR "
                             "idő szerinti időpontokat tölti be (átírható, ha kell). A Program NEM számol "
                             "át az időzónák között!")
        << "Liberation Serif" << 12.75 << true << false << QRect(16, 312, 601, 49);
    QTest::newRow("Label4")
        << "Label4"
        << QString::fromUtf8("A ZÖLD vagy a SÖTÉTKÉK gombra kattintva az 'Utolsó Újhold' mező tartalmát a "
                             "program  -ELMENTI-  és a SÁRGA gombbal legközelebb már azt jeleníti meg!    "
                             "      Minden számítás automatikusan elmentődik a   '\\Pic\\szamitott.txt'   "
                             "file -ba!")
        << "Liberation Serif" << 12.75 << true << false << QRect(24, 376, 609, 73);
}

void DescriptionWindowTest::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, red);
    QFETCH(bool, centred);
    QFETCH(QRect, geometry);

    DescriptionWindow w;
    auto* label = w.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pointSizeF(), points);
    QVERIFY(!label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText),
             red ? QColor(0xFF, 0, 0) : w.palette().color(QPalette::WindowText));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->pos(), geometry.topLeft());
    QCOMPARE(label->width(), geometry.width());
    QVERIFY(label->height() >= geometry.height());
    // Every text is shown in full within its box.
    const int needed = label->heightForWidth(label->width());
    QVERIFY2(needed <= label->height(), qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(label->height())));
}

void DescriptionWindowTest::runsOfBlanks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("part");
    QTest::newRow("two after the colon") << "Label5" << QString::fromUtf8("választásánál:  a program");
    QTest::newRow("around ELMENTI") << "Label4" << "program  -ELMENTI-  és";
    QTest::newRow("ten after the mark") << "Label4" << "meg!          Minden";
    QTest::newRow("around the file name") << "Label4" << "a   '\\Pic\\szamitott.txt'   file";
}

void DescriptionWindowTest::runsOfBlanks()
{
    QFETCH(QString, name);
    QFETCH(QString, part);
    DescriptionWindow w;
    QVERIFY(w.findChild<QLabel*>(name)->text().contains(part));
    QVERIFY(w.findChild<QLabel*>("Label2")->text().endsWith(QString::fromUtf8("be. ")));
}

void DescriptionWindowTest::window()
{
    DescriptionWindow w;
    QCOMPARE(w.objectName(), QString("Form2"));
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Program leírása"));
    QCOMPARE(w.size(), QSize(633, 506));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));

    // No text box runs into the one below it.
    const char* order[] = {"Label6", "Label7", "Label1", "Label2", "Label3", "Label5", "Label4", "Command10"};
    for (int i = 0; i + 1 < int(std::size(order)); ++i)
        QVERIFY2(w.findChild<QWidget*>(order[i])->geometry().bottom() < w.findChild<QWidget*>(order[i + 1])->y(),
                 order[i]);

    auto* line = w.findChild<ShapeWidget*>("Line1");
    QVERIFY(line);
    QCOMPARE(line->geometry(), QRect(64, 296, 489, 1));
    QCOMPARE(line->color(), QColor(0xC0, 0xC0, 0xC0));

    auto* ok = w.findChild<QPushButton*>("Command10");
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(ok->geometry(), QRect(288, 464, 65, 33));
    QCOMPARE(ok->font().family(), QString("Liberation Sans"));
    QCOMPARE(ok->font().pointSizeF(), 12.0);
    QVERIFY(ok->font().bold());
    QVERIFY(ok->styleSheet().contains("#c0ffc0"));
}

void DescriptionWindowTest::okCloses()
{
    QPointer<DescriptionWindow> w = new DescriptionWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->findChild<QPushButton*>("Command10"), Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(DescriptionWindowTest)
#include "tst_descriptionwindow.moc"
