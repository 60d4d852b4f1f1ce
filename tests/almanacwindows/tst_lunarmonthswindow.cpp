// The Holdhónapok window: the Hijri dates in the month grid under the rule
// chosen, the user's move of a month kept in the data folder and followed by
// the month after, the crescent evenings at the site, the iCalendar file and
// a file fault reported.
#include "lunarmonthswindow.h"

#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;
using namespace tavik::almanac;

namespace {

struct Opened {
    QTemporaryDir dir;
    QStringList messages;
    std::unique_ptr<LunarMonthsWindow> window;
};

void open(Opened& o, MonthRule rule, const ObservingSite& site = {})
{
    LunarMonthsEnvironment env{DataFolders(o.dir.path()),
                               MessageSink([&o](MessageIcon, const QString& text) { o.messages << text; }), site,
                               {}, QDate(2025, 3, 1), {}};
    o.window = std::make_unique<LunarMonthsWindow>(env);
    o.window->setAttribute(Qt::WA_DeleteOnClose, false);
    o.window->setRule(rule);
    o.window->waitForMonths();
}

// The text of the grid's cell for the day.
QString cell(const LunarMonthsWindow& w, const QDate& day)
{
    const QStandardItemModel* m = w.gridModel();
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->item(r, c)->data(Qt::UserRole).toDate() == day)
                return m->item(r, c)->text();
    return {};
}

}  // namespace

class TestLunarMonthsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ummAlQuraRamadan()
    {
        // 1 Ramadan 1446 = 2025-03-01 (Umm al-Qura calendar, KACST).
        Opened o;
        open(o, MonthRule::UmmAlQura);
        QVERIFY(cell(*o.window, QDate(2025, 3, 1)).contains(QStringLiteral("1. Ramadán")));
        QVERIFY(cell(*o.window, QDate(2025, 2, 28)).contains(QStringLiteral("29. Sabán")));
        // The new moon of 2025-02-28 00:44:49 UT is 01:44 in Budapest.
        QVERIFY(cell(*o.window, QDate(2025, 2, 28)).contains(QStringLiteral("újhold 01:44")));
        QVERIFY(o.messages.isEmpty());
    }

    void shiftFollowedAndKept()
    {
        Opened o;
        open(o, MonthRule::UmmAlQura);
        QVERIFY(o.window->shiftMonthOf(QDate(2025, 3, 5), 1));
        o.window->waitForMonths();
        QFile kept(o.dir.filePath(monthShiftsFileName()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("ummalqura 1446 9 1\n"));
        QVERIFY(cell(*o.window, QDate(2025, 3, 2)).contains(QStringLiteral("1. Ramadán")));
        QVERIFY(cell(*o.window, QDate(2025, 3, 2)).contains(QStringLiteral("kézzel")));
        QVERIFY(cell(*o.window, QDate(2025, 3, 31)).contains(QStringLiteral("1. Savvál")));
        QVERIFY(cell(*o.window, QDate(2025, 3, 31)).contains(QStringLiteral("igazítást követ")));
        // A window opened later reads the move back.
        o.window.reset();
        Opened again;
        QVERIFY(QFile::copy(kept.fileName(), again.dir.filePath(monthShiftsFileName())));
        open(again, MonthRule::UmmAlQura);
        QVERIFY(cell(*again.window, QDate(2025, 3, 2)).contains(QStringLiteral("1. Ramadán")));
    }

    void crescentEveningsAtSzeged()
    {
        ObservingSite szeged;
        szeged.name = QStringLiteral("Szeged");
        szeged.latitude = 46.253;
        szeged.longitude = 20.148;
        szeged.elevation = 80;
        Opened o;
        open(o, MonthRule::Yallop, szeged);
        // The evening of 2025-02-28 (the crescent 15 hours old) is Yallop's E
        // from Szeged: not marked, and Ramadan waits for the 30th of Sha'ban;
        // that of 2025-03-30, 31 hours old, is an easy A, and Shawwal follows.
        QVERIFY(!cell(*o.window, QDate(2025, 2, 28)).contains(QStringLiteral("Yallop")));
        QVERIFY(cell(*o.window, QDate(2025, 3, 2)).contains(QStringLiteral("1. Ramadán")));
        QVERIFY(cell(*o.window, QDate(2025, 3, 30)).contains(QStringLiteral("Yallop A")));
        QVERIFY(cell(*o.window, QDate(2025, 3, 31)).contains(QStringLiteral("1. Savvál")));
    }

    void icsSavedAndFaultReported()
    {
        Opened o;
        open(o, MonthRule::UmmAlQura);
        const QString path = o.dir.filePath(QStringLiteral("hold.ics"));
        QVERIFY(o.window->saveIcs(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray ics = f.readAll();
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(ics.contains("SUMMARY:1446. Ramadán 1. (Umm al-Qura)\r\n"));
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20250301\r\n"));
        // A folder in the way: reported, nothing lost.
        QVERIFY(!o.window->saveIcs(o.dir.path()));
        QCOMPARE(o.messages.size(), 1);
        QVERIFY(!o.messages.first().isEmpty());
    }

    void keyboardAndNames()
    {
        Opened o;
        open(o, MonthRule::Istanbul);
        QWidget* w = o.window.get();
        const QList<QWidget*> controls = w->findChildren<QWidget*>();
        for (QWidget* c : controls)
            if (c->focusPolicy() & Qt::TabFocus && c->isEnabled() && !c->accessibleName().isEmpty())
                QVERIFY(!c->accessibleName().isEmpty());
        // Tab goes round the window from the rule through to the save button.
        QStringList reached;
        QWidget* f = w->findChild<QWidget*>(QStringLiteral("rule"));
        for (int i = 0; i < 12 && f; ++i, f = f->nextInFocusChain())
            reached << f->objectName();
        for (const char* name : {"rule", "optical", "grid", "shift", "saveIcs"})
            QVERIFY2(reached.contains(QLatin1String(name)), name);
    }
};

QTEST_MAIN(TestLunarMonthsWindow)
#include "tst_lunarmonthswindow.moc"
