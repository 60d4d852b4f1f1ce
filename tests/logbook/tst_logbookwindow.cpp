// The logbook window driven for real: tonight's attempt recorded from the
// visibility window in two clicks, the table filtered and sorted, an attempt
// deleted only after the question, the summaries, and the form's keyboard;
// what was typed kept through a failed save and a record deleted meanwhile,
// the file followed, long texts kept in bounds, import and export.
#include "logbookform.h"
#include "logbooksummaries.h"
#include "logbookwindow.h"
#include "mainwindow.h"
#include "messagelog.h"
#include "visibilitywindow.h"

#include <csvfile.h>
#include <logbookstore.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
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

        QTest::mouseClick(visibility->findChild<QPushButton*>(QStringLiteral("record")), Qt::LeftButton);   // one
        auto* logbook = openWindow<LogbookWindow>("LogbookWindow");
        QVERIFY(logbook && logbook->form());
        QAbstractButton* ok = logbook->form()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        // No result is chosen for the user: OK asks for one, nothing saved.
        QCOMPARE(logbook->form()->findChild<QComboBox*>(QStringLiteral("result"))->currentIndex(), -1);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(log.lastText(), QStringLiteral("Válassza ki az eredményt: mivel látta a sarlót, vagy nem látta."));
        QVERIFY(logbook->form() && logbook->form()->isVisible());
        QVERIFY(!QFile::exists(path));
        log.clear();
        logbook->form()->findChild<QComboBox*>(QStringLiteral("result"))->setCurrentIndex(int(Result::NakedEye));
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
        w.findChild<QLineEdit*>(QStringLiteral("filter"))->setText(QStringLiteral("szeged"));
        QCOMPARE(proxy->rowCount(), 2);
        w.findChild<QLineEdit*>(QStringLiteral("filter"))->clear();
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
        auto* table = w.findChild<QTableView*>(QStringLiteral("table"));
        table->setCurrentIndex(proxy->index(0, 0));
        log.answers = {Answer::No};
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("deleteAttempt")), Qt::LeftButton);
        QCOMPARE(log.lastText(), QStringLiteral("Törli ezt az észlelést: 2025.05.27, Szeged, szabad szemmel?"));
        QCOMPARE(w.model().rowCount(), 3);
        log.answers = {Answer::Yes};
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("deleteAttempt")), Qt::LeftButton);
        QCOMPARE(w.model().rowCount(), 2);
        LogbookStore store(path);
        QList<LogEntry> left;
        QVERIFY(store.load(left).ok());
        QCOMPARE(left.size(), 2);
        QVERIFY(std::none_of(left.begin(), left.end(), [](const LogEntry& e) { return e.computed.ageHours == 16.0; }));

        // An edit is saved over the same record, its circumstances computed anew.
        const qint64 id = w.model().entryAt(proxy->mapToSource(proxy->index(0, 0)).row()).id;
        table->setCurrentIndex(proxy->index(0, 0));
        w.editAttempt();
        QVERIFY(w.form());
        w.form()->findChild<QLineEdit*>(QStringLiteral("observer"))->setText(QStringLiteral("Kiss Péter"));
        // A month after the window's clock: asked about first.
        log.answers = {Answer::Yes};
        w.form()->accept();
        QCOMPARE(log.lastText(), QStringLiteral("Az észlelés ideje (2025.07.25 20:30) a jövőben van. Mégis menti?"));
        QVERIFY(store.load(left).ok());
        QCOMPARE(left.size(), 2);
        const auto edited = std::find_if(left.begin(), left.end(), [&](const LogEntry& e) { return e.id == id; });
        QVERIFY(edited != left.end());
        QCOMPARE(edited->attempt.observer, QStringLiteral("Kiss Péter"));
        QCOMPARE(edited->computed.version, kComputationVersion);
        QVERIFY2(std::abs(edited->computed.ageHours - 20.0) > 1.0, "computed anew, not the made-up age");
        QVERIFY(w.circumstancesText().contains(QStringLiteral("Yallop q: ")));
        QVERIFY(w.circumstancesText().contains(QStringLiteral("Megfigyelő: Kiss Péter; ")));
        log.clear();

        // A new attempt offers the observer last saved again.
        w.newAttempt();
        QCOMPARE(w.form()->findChild<QLineEdit*>(QStringLiteral("observer"))->text(), QStringLiteral("Kiss Péter"));
        QVERIFY(w.form()->close());   // nothing typed: closed without a question
        QCOMPARE(log.count(), 0);
    }

    // A save that fails keeps the form open with what was typed; Esc asks
    // before throwing it away.
    void failedSaveKeepsTheForm_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("message");
        QTest::newRow("another program holds the file") << true << QStringLiteral("egy másik program éppen írja");
        QTest::newRow("its folder cannot be made") << false << QStringLiteral("nem hozható létre");
    }
    void failedSaveKeepsTheForm()
    {
        QFETCH(bool, locked);
        QFETCH(QString, message);
        QString path = fresh("locked.sqlite");
        QSqlDatabase holder;
        if (locked) {
            LogbookStore store(path);
            QList<LogEntry> one{entry("2025-05-27", QStringLiteral("Szeged"), Result::NakedEye, 16.0, 0.0)};
            QVERIFY(store.insert(one).ok());
            holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            holder.setDatabaseName(path);
            QVERIFY(holder.open());
            QVERIFY(QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        } else {
            QFile plain(fresh("plain-file"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            path = plain.fileName() + QStringLiteral("/napló/eszlelesek.sqlite");
        }
        {
            LogbookWindow w(environment(path));
            log.clear();
            w.show();
            w.newAttempt();
            QPointer<AttemptForm> form = w.form();
            form->findChild<QComboBox*>(QStringLiteral("result"))->setCurrentIndex(int(Result::NotSeen));
            form->findChild<QPlainTextEdit*>(QStringLiteral("notes"))->setPlainText(QStringLiteral("felhős alja"));
            form->accept();
            QVERIFY2(log.lastText().contains(message), qPrintable(log.lastText()));
            QVERIFY(form && form->isVisible());
            QCOMPARE(form->attempt().notes, QStringLiteral("felhős alja"));
            log.answers = {Answer::No};
            QTest::keyClick(form, Qt::Key_Escape);
            QCOMPARE(log.lastText(), QStringLiteral("Elveti a beírt adatokat?"));
            QVERIFY(form && form->isVisible());
            log.clear();
        }
        if (locked) {
            holder.close();
            holder = {};
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        }
        tavik::testing::flushDeletions();
    }

    // An edit of a record deleted meanwhile elsewhere: told so, and what was
    // typed is kept, in the form or as a new record.
    void editOfARecordDeletedElsewhere()
    {
        const QString path = fresh("vanished.sqlite");
        LogbookStore other(path);
        QList<LogEntry> one{entry("2025-05-27", QStringLiteral("Szeged"), Result::NakedEye, 16.0, 0.0)};
        QVERIFY(other.insert(one).ok());
        LogbookWindow w(environment(path));
        w.show();
        w.findChild<QTableView*>(QStringLiteral("table"))->setCurrentIndex(w.proxy()->index(0, 0));
        w.editAttempt();
        QPointer<AttemptForm> form = w.form();
        form->findChild<QLineEdit*>(QStringLiteral("observer"))->setText(QStringLiteral("Nagy Anna"));
        QVERIFY(other.remove(one.constFirst().id).ok());
        log.answers = {Answer::No};
        form->accept();
        QVERIFY2(log.lastText().contains(QStringLiteral("közben törölték")), qPrintable(log.lastText()));
        QVERIFY(form && form->isVisible());
        log.answers = {Answer::Yes};
        form->accept();
        QList<LogEntry> kept;
        QVERIFY(other.load(kept).ok());
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.constFirst().attempt.observer, QStringLiteral("Nagy Anna"));
        QCOMPARE(w.model().rowCount(), 1);
        log.clear();
        tavik::testing::flushDeletions();
    }

    // Changes made elsewhere are shown without reopening the window.
    void followsTheFile()
    {
        const QString path = fresh("followed.sqlite");
        LogbookStore other(path);
        QList<LogEntry> first{entry("2025-05-27", QStringLiteral("Szeged"), Result::NakedEye, 16.0, 0.0)};
        QVERIFY(other.insert(first).ok());
        LogbookWindow w(environment(path));
        w.show();
        QCOMPARE(w.model().rowCount(), 1);
        QList<LogEntry> second{entry("2025-06-26", QStringLiteral("Piszkéstető"), Result::Binoculars, 33.0, 0.6)};
        QVERIFY(other.insert(second).ok());
        QTRY_COMPARE(w.model().rowCount(), 2);
        QVERIFY(other.remove(first.constFirst().id).ok());
        QTRY_COMPARE(w.model().rowCount(), 1);
        QCOMPARE(w.model().entryAt(0).attempt.site.name, QStringLiteral("Piszkéstető"));
    }

    // A long note or site name neither widens the window past the screen nor
    // holds it up: cut short in the table, wrapped and capped in the details.
    void longTexts_data()
    {
        QTest::addColumn<int>("siteLength");
        QTest::addColumn<int>("noteLength");
        QTest::newRow("340-character note") << 10 << 340;
        QTest::newRow("340-character site") << 340 << 0;
        QTest::newRow("10 MB note") << 10 << 10'000'000;
    }
    void longTexts()
    {
        QFETCH(int, siteLength);
        QFETCH(int, noteLength);
        const QString path = fresh("long.sqlite");
        {
            LogbookStore store(path);
            QList<LogEntry> one{entry("2025-05-27", QString(siteLength, u'H'), Result::NakedEye, 16.0, 0.0)};
            one.first().attempt.notes = QString(noteLength, u'x');
            QVERIFY(store.insert(one).ok());
        }
        LogbookWindow w(environment(path));
        w.show();
        w.findChild<QTableView*>(QStringLiteral("table"))->setCurrentIndex(w.proxy()->index(0, 0));
        QVERIFY(w.proxy()->index(0, LogbookModel::Site).data().toString().size() <= 60);
        QVERIFY(w.circumstancesText().size() < 6000);
        QVERIFY2(w.minimumSizeHint().width() < QApplication::primaryScreen()->availableGeometry().width(),
                 qPrintable(QString::number(w.minimumSizeHint().width())));
        QVERIFY(w.sizeHint().width() < QApplication::primaryScreen()->availableGeometry().width());
    }

    // The same CSV imported twice keeps one copy; export writes what import takes.
    void importTwiceAndExport()
    {
        const QString path = fresh("imported.sqlite");
        const QString csv = dir.filePath(QStringLiteral("season.csv"));
        QList<LogEntry> season{entry("2025-05-27", QStringLiteral("Szeged"), Result::NakedEye, 16.0, 0.0),
                               entry("2025-06-26", QStringLiteral("Piszkéstető"), Result::Binoculars, 33.0, 0.6)};
        for (LogEntry& e : season)
            e.attempt.site.timezone = QStringLiteral("Europe/Budapest");
        {
            QFile f(csv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(attemptsCsv(season));
        }
        LogbookEnvironment env = environment(path);
        QString chosen = csv;
        env.chooseCsv = [&](QWidget*, bool) { return chosen; };
        LogbookWindow w(env);
        w.show();
        QSignalSpy done(&w, &LogbookWindow::transferFinished);
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("importAttempts")) && w.findChild<QPushButton*>(QStringLiteral("exportAttempts")));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("importAttempts")), Qt::LeftButton);
        QVERIFY(w.transferProgress());
        QVERIFY(done.wait(60000));
        QCOMPARE(w.transferOutcome(), QStringLiteral("2 új észlelés került a naplóba (%1); 0 már benne volt.").arg(path));
        QCOMPARE(w.model().rowCount(), 2);
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("importAttempts")), Qt::LeftButton);
        QVERIFY(done.wait(60000));
        QCOMPARE(w.transferOutcome(), QStringLiteral("0 új észlelés került a naplóba (%1); 2 már benne volt.").arg(path));
        QCOMPARE(w.model().rowCount(), 2);

        chosen = dir.filePath(QStringLiteral("backup.csv"));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("exportAttempts")), Qt::LeftButton);
        QVERIFY(done.wait(60000));
        QCOMPARE(w.transferOutcome(), QStringLiteral("2 észlelés került a fájlba (%1).").arg(chosen));
        QFile backup(chosen);
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), attemptsCsv(w.model().entries()));
        QVERIFY2(log.count() == 0, qPrintable(log.lastText()));
    }

    void formKeyboardAndZone()
    {
        LogbookWindow w(environment(fresh("form.sqlite")));
        w.show();
        // Tab goes round the window's own controls too, each named for screen readers.
        QStringList round;
        for (QWidget* at = w.findChild<QWidget*>(QStringLiteral("filter")); !round.contains(at->objectName());
             at = at->nextInFocusChain()) {
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus) && !at->objectName().isEmpty())
                round << at->objectName();
        }
        for (const char* name : {"filter", "table", "circumstances", "newAttempt", "close"}) {
            QVERIFY2(round.contains(QLatin1String(name)), name);
            auto* control = w.findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(!control->accessibleName().isEmpty() || qobject_cast<QPushButton*>(control), name);
        }
        w.newAttempt();
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
