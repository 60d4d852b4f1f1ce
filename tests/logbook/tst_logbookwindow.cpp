// The logbook window driven for real: tonight's attempt recorded from the
// visibility window in two clicks, the table filtered and sorted, an attempt
// deleted only after the question, the summaries, and the form's keyboard.
#include "logbookform.h"
#include "logbooksummaries.h"
#include "logbookwindow.h"
#include "mainwindow.h"
#include "messagelog.h"
#include "visibilitywindow.h"

#include <logbookstore.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace tavik;
using namespace tavik::logbook;
using tavik::testing::MessageLog;

namespace {

template <class W>
W* openWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return qobject_cast<W*>(w);
    }
    return nullptr;
}

LogEntry entry(const char* date, const QString& site, Result result, double age, double q)
{
    LogEntry e;
    e.attempt.date = QDate::fromString(QLatin1String(date), Qt::ISODate);
    e.attempt.time = QTime(20, 30);
    e.attempt.site.name = site;
    e.attempt.result = result;
    e.computed.ageHours = age;
    e.computed.lagMinutes = 40;
    e.computed.arcl = age / 2;
    e.computed.q = q;
    e.computed.yallop = almanac::yallopClass(q);
    e.computed.v = q * 10;
    e.computed.odeh = almanac::odehZone(e.computed.v);
    return e;
}

}  // namespace

class TestLogbookWindow : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    MessageLog log;

    QString fresh(const char* name) const
    {
        const QString path = dir.filePath(QLatin1String(name));
        QFile::remove(path);
        return path;
    }
    LogbookEnvironment environment(const QString& path)
    {
        return LogbookEnvironment{path, log.sink(), AttemptSite{}, [] { return QDateTime(QDate(2025, 5, 28), QTime(21, 0)); }, {}};
    }

private Q_SLOTS:
    void tonightInTwoClicks()
    {
        const QString path = fresh("two-clicks.sqlite");
        MainWindowEnvironment env{DataFolders(dir.path()), RegionalSettings::hungarian(),
                                  [] { return QDateTime(QDate(2025, 5, 28), QTime(20, 55)); }, log.sink()};
        env.logbook = path;
        A main(env);
        main.findChild<QLineEdit*>(QStringLiteral("Text12"))->setText(QStringLiteral("2025.05.28 20:55"));
        main.show();
        main.findChild<QAction*>(QStringLiteral("lathatosag"))->trigger();
        auto* visibility = openWindow<VisibilityWindow>("VisibilityWindow");
        QVERIFY(visibility);

        QTest::mouseClick(visibility->findChild<QPushButton*>(QStringLiteral("Rogzites")), Qt::LeftButton);   // one
        auto* logbook = openWindow<LogbookWindow>("LogbookWindow");
        QVERIFY(logbook && logbook->form());
        QAbstractButton* ok = logbook->form()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QTest::mouseClick(ok, Qt::LeftButton);   // two
        QCOMPARE(log.count(), 0);

        LogbookStore store(path);
        QList<LogEntry> saved;
        QVERIFY(store.load(saved).ok());
        QCOMPARE(saved.size(), 1);
        const Attempt& a = saved.constFirst().attempt;
        QCOMPARE(a.date, QDate(2025, 5, 28));
        QCOMPARE(a.time, std::optional<QTime>(QTime(20, 55)));
        QVERIFY(a.evening);
        QCOMPARE(a.site.name, QStringLiteral("Budapest"));
        QCOMPARE(a.site.timezone, QStringLiteral("Europe/Budapest"));
        QCOMPARE(a.result, Result::NakedEye);
        QVERIFY(logbook->circumstancesText().startsWith(
            QStringLiteral("2025.05.28 20:55, első megpillantás (esti sarló)\nBudapest, É 47,4979°, K 19,0402°")));
        logbook->close();
        visibility->close();
        tavik::testing::flushDeletions();

        // Ctrl+E opens it again from the time box (whose own Ctrl+E, under X11, goes to the line's end).
        auto* box = main.findChild<QLineEdit*>(QStringLiteral("Text12"));
        main.activateWindow();
        QApplication::setActiveWindow(&main);
        box->setFocus();
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
        logbook = openWindow<LogbookWindow>("LogbookWindow");
        QVERIFY(logbook);
        QCOMPARE(logbook->model().rowCount(), 1);
        logbook->close();
        tavik::testing::flushDeletions();
    }

    void tableFiltersSortsAndDeletes()
    {
        const QString path = fresh("table.sqlite");
        {
            LogbookStore store(path);
            QList<LogEntry> entries{entry("2025-05-27", QStringLiteral("Szeged"), Result::NakedEye, 16.0, 0.0),
                                    entry("2025-06-26", QStringLiteral("Piszkéstető"), Result::Binoculars, 33.0, 0.6),
                                    entry("2025-07-25", QStringLiteral("Szeged"), Result::NotSeen, 20.0, -0.5)};
            QVERIFY(store.insert(entries).ok());
        }
        LogbookWindow w(environment(path));
        w.show();
        QSortFilterProxyModel* proxy = w.proxy();
        QCOMPARE(proxy->rowCount(), 3);
        w.findChild<QLineEdit*>(QStringLiteral("szures"))->setText(QStringLiteral("szeged"));
        QCOMPARE(proxy->rowCount(), 2);
        w.findChild<QLineEdit*>(QStringLiteral("szures"))->clear();
        proxy->sort(LogbookModel::Age, Qt::AscendingOrder);
        QCOMPARE(proxy->index(0, LogbookModel::Age).data().toString(), QStringLiteral("16,0"));
        QCOMPARE(proxy->index(2, LogbookModel::Site).data().toString(), QStringLiteral("Piszkéstető"));

        // The summaries of the three.
        auto* records = w.findChild<PersonalRecordsPage*>();
        QCOMPARE(records->model()->item(0, 1)->text(), QStringLiteral("16 óra 0 perc"));
        QCOMPARE(records->model()->item(0, 2)->text(), QStringLiteral("2025.05.27, Szeged"));
        QCOMPARE(records->model()->item(1, 1)->text(), QStringLiteral("33 óra 0 perc"));
        auto* score = w.findChild<CriteriaScorePage*>();
        QCOMPARE(score->yallopModel()->item(int(almanac::YallopClass::A), int(Result::Binoculars))->text(),
                 QStringLiteral("1"));
        QCOMPARE(score->shares(), QStringLiteral("3 észlelésből Yallop feltétele 3 (100%), Odeh feltétele 2 (67%) "
                                                 "esetben jelzett helyesen."));

        // Deleting the first row (Szeged, 16 h): asked first, kept on "Nem".
        auto* table = w.findChild<QTableView*>(QStringLiteral("tabla"));
        table->setCurrentIndex(proxy->index(0, 0));
        log.answers = {Answer::No};
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Torles")), Qt::LeftButton);
        QCOMPARE(log.lastText(), QStringLiteral("Törli ezt az észlelést: 2025.05.27, Szeged, szabad szemmel?"));
        QCOMPARE(w.model().rowCount(), 3);
        log.answers = {Answer::Yes};
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Torles")), Qt::LeftButton);
        QCOMPARE(w.model().rowCount(), 2);
        LogbookStore store(path);
        QList<LogEntry> left;
        QVERIFY(store.load(left).ok());
        QCOMPARE(left.size(), 2);
        QVERIFY(std::none_of(left.begin(), left.end(), [](const LogEntry& e) { return e.computed.ageHours == 16.0; }));

        // An edit is saved over the same record, its circumstances computed anew.
        const qint64 id = w.model().entryAt(proxy->mapToSource(proxy->index(0, 0)).row()).id;
        table->setCurrentIndex(proxy->index(0, 0));
        w.Szerkesztes_Click();
        QVERIFY(w.form());
        w.form()->findChild<QLineEdit*>(QStringLiteral("observer"))->setText(QStringLiteral("Kiss Péter"));
        w.form()->accept();
        QVERIFY(store.load(left).ok());
        QCOMPARE(left.size(), 2);
        const auto edited = std::find_if(left.begin(), left.end(), [&](const LogEntry& e) { return e.id == id; });
        QVERIFY(edited != left.end());
        QCOMPARE(edited->attempt.observer, QStringLiteral("Kiss Péter"));
        QCOMPARE(edited->computed.version, kComputationVersion);
        QVERIFY2(std::abs(edited->computed.ageHours - 20.0) > 1.0, "computed anew, not the made-up age");
        QVERIFY(w.circumstancesText().contains(QStringLiteral("Yallop q: ")));
        log.clear();
    }

    void formKeyboardAndZone()
    {
        LogbookWindow w(environment(fresh("form.sqlite")));
        w.show();
        // Tab goes round the window's own controls too, each named for screen readers.
        QStringList round;
        for (QWidget* at = w.findChild<QWidget*>(QStringLiteral("szures")); !round.contains(at->objectName());
             at = at->nextInFocusChain()) {
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus) && !at->objectName().isEmpty())
                round << at->objectName();
        }
        for (const char* name : {"szures", "tabla", "korulmenyek", "Uj", "Bezaras"}) {
            QVERIFY2(round.contains(QLatin1String(name)), name);
            auto* control = w.findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(!control->accessibleName().isEmpty() || qobject_cast<QPushButton*>(control), name);
        }
        w.Uj_Click();
        AttemptForm* form = w.form();
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        // Tab reaches every control of the form, each with a name for screen readers.
        QList<QWidget*> reached;
        QWidget* start = form->findChild<QWidget*>(QStringLiteral("date"));
        start->setFocus();
        for (QWidget* at = start; !reached.contains(at); at = at->nextInFocusChain()) {
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus))
                reached << at;
        }
        for (const char* name : {"date", "timeKnown", "crescent", "siteName", "latitude", "longitude", "elevation",
                                 "zone", "observer", "result", "instrument", "sky", "notes"}) {
            auto* control = form->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(control && !control->accessibleName().isEmpty(), name);
            QVERIFY2(std::any_of(reached.begin(), reached.end(),
                                 [&](QWidget* r) { return r == control || control->isAncestorOf(r); }),
                     name);
        }
        form->findChild<QLineEdit*>(QStringLiteral("zone"))->setText(QStringLiteral("Mars/Olympus"));
        form->accept();
        QCOMPARE(log.lastText(), QStringLiteral("Ismeretlen időzóna: „Mars/Olympus”. IANA név kell, például "
                                                "Europe/Budapest, vagy UTC."));
        QVERIFY(form->isVisible());
        QCOMPARE(w.model().rowCount(), 0);
        log.clear();
    }
};

QTEST_MAIN(TestLogbookWindow)
#include "tst_logbookwindow.moc"
