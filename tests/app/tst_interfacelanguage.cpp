// The interface language: chosen by the environment or by tavik.conf, saved
// from the Nyelv / Language menu without touching the site, complete in
// tavik_en.ts, and English in every control of every window when chosen;
// in either language no two access keys alike in a window or a menu.
#include "appfixture.h"
#include "mapwindow.h"
#include "siteconfig.h"
#include "siteplaces.h"
#include "translation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace tavik;
using namespace tavik::testing;

namespace {

// Names that keep their letters in every language.
const QStringList kProperNames{QStringLiteral("Élancourt")};

const QRegularExpression kHungarianLetters(QStringLiteral("[áéíóöőúüűÁÉÍÓÖŐÚÜŰ]"));

QString confPath(const QTemporaryDir& home) { return home.filePath(QStringLiteral("tavik/tavik.conf")); }

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every text a user reads or hears in the window, with where it stands.
QStringList textsOf(QWidget* window)
{
    QStringList out;
    const auto add = [&out](const QObject* o, const QString& what, const QString& text) {
        if (!text.isEmpty())
            out << o->objectName() + u'.' + what + QStringLiteral(": ") + text;
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : std::as_const(widgets)) {
        add(w, QStringLiteral("windowTitle"), w->isWindow() ? w->windowTitle() : QString());
        add(w, QStringLiteral("accessibleName"), w->accessibleName());
        add(w, QStringLiteral("accessibleDescription"), w->accessibleDescription());
        add(w, QStringLiteral("toolTip"), w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w))
            add(w, QStringLiteral("text"), l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(w, QStringLiteral("text"), b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            add(w, QStringLiteral("title"), g->title());
        if (auto* m = qobject_cast<QMenu*>(w))
            add(w, QStringLiteral("title"), m->title());
        if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                add(w, QStringLiteral("tab"), t->tabText(i));
        }
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count() && i < 50; ++i)
                add(w, QStringLiteral("item"), c->itemText(i));
        }
        // Tables and lists: their headers and the cells shown.
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            const QAbstractItemModel* model = v->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                add(w, QStringLiteral("header"), model->headerData(column, Qt::Horizontal).toString());
                for (int row = 0; row < model->rowCount() && row < 50; ++row) {
                    const QModelIndex index = model->index(row, column);
                    add(w, QStringLiteral("cell"), index.data().toString());
                    add(w, QStringLiteral("cellToolTip"), index.data(Qt::ToolTipRole).toString());
                }
            }
        }
    }
    for (QAction* a : window->findChildren<QAction*>()) {
        add(a, QStringLiteral("text"), a->text());
        add(a, QStringLiteral("toolTip"), a->text() == a->toolTip() ? QString() : a->toolTip());
    }
    return out;
}

QStringList hungarianTexts(QWidget* window)
{
    // The site window's towns and observatories are names too; the words after them are not.
    QStringList names = kProperNames;
    for (const ObservingSite& site : hungarianSites())
        names << site.name.section(QStringLiteral(" ("), 0, 0);
    QStringList found;
    for (const QString& t : textsOf(window)) {
        QString rest = t.section(QStringLiteral(": "), 1);
        for (const QString& name : std::as_const(names))
            rest.remove(name);
        if (rest.contains(kHungarianLetters))
            found << t;
    }
    return found;
}

// The Alt+letter keys of what the window shows at once: its buttons, labelled
// boxes, group boxes, tabs and menu titles. Two alike, and the key only moves
// the focus between them.
QStringList windowKeyClashes(QWidget* window, const QString& state)
{
    QMap<QString, QStringList> keys;
    const auto add = [&keys](const QString& text) {
        if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
            keys[key.toString()] << text;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(b->text());
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            add(l->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            add(g->title());
        else if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                add(t->tabText(i));
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (const QAction* a : bar->actions())
                add(a->isVisible() ? a->text() : QString());
        }
    }
    QStringList clashes;
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (it->size() > 1)
            clashes << state + u' ' + it.key() + QStringLiteral(": ") + it->join(QStringLiteral(" / "));
    }
    return clashes;
}

// Every page of every tab in turn, and every menu's items among themselves.
QStringList keyClashes(QWidget* window)
{
    QStringList clashes = windowKeyClashes(window, window->objectName());
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            clashes << windowKeyClashes(window, tabs->tabText(i));
        }
        tabs->setCurrentIndex(shown);
    }
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        QMap<QString, QStringList> keys;
        for (const QAction* a : menu->actions()) {
            if (const QKeySequence key = QKeySequence::mnemonic(a->text()); a->isVisible() && !key.isEmpty())
                keys[key.toString()] << a->text();
        }
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            if (it->size() > 1)
                clashes << menu->title() + u' ' + it.key() + QStringLiteral(": ") + it->join(QStringLiteral(" / "));
        }
    }
    clashes.removeDuplicates();
    return clashes;
}

}  // namespace

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void chosenLanguage_data();
    void chosenLanguage();
    void savedChoice_data();
    void savedChoice();
    void siteSavedKeepsTheLanguage();
    void menuSavesTheChoice();
    void translationsComplete();
    void paddedTranslationsKeepTheirColumns();
    void windows_data();
    void windows();
    void pictureName_data();
    void pictureName();

private:
    void setEnvironment(const QByteArray& language, const QByteArray& lcAll, const QByteArray& lcMessages,
                        const QByteArray& lang);
    QTemporaryDir m_home;
    QTranslator* m_translator = nullptr;
};

void InterfaceLanguageTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
}

void InterfaceLanguageTest::cleanup()
{
    closeCompanions();
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    QFile::remove(confPath(m_home));
}

void InterfaceLanguageTest::setEnvironment(const QByteArray& language, const QByteArray& lcAll,
                                           const QByteArray& lcMessages, const QByteArray& lang)
{
    const std::pair<const char*, const QByteArray&> vars[] = {
        {"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
    for (const auto& [name, value] : vars) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}

void InterfaceLanguageTest::chosenLanguage_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<bool>("english");
    const QByteArray none;
    const QByteArray site = "[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.1414\n";
    QTest::newRow("LANG English") << none << none << none << QByteArray("en_US.UTF-8") << none << true;
    QTest::newRow("LANG Hungarian") << none << none << none << QByteArray("hu_HU.UTF-8") << none << false;
    QTest::newRow("LANG German") << none << none << none << QByteArray("de_DE.UTF-8") << none << false;
    QTest::newRow("C") << none << QByteArray("C") << none << QByteArray("en_US.UTF-8") << none << false;
    QTest::newRow("POSIX") << none << none << none << QByteArray("POSIX") << none << false;
    QTest::newRow("nothing set") << none << none << none << none << none << false;
    QTest::newRow("LC_ALL over LANG") << none << QByteArray("en_GB.UTF-8") << none << QByteArray("hu_HU.UTF-8") << none
                                      << true;
    QTest::newRow("LC_MESSAGES over LANG") << none << none << QByteArray("en_US.UTF-8") << QByteArray("hu_HU.UTF-8")
                                           << none << true;
    QTest::newRow("LANGUAGE first") << QByteArray("en:hu") << none << none << QByteArray("hu_HU.UTF-8") << none
                                    << true;
    QTest::newRow("LANGUAGE Hungarian first") << QByteArray("hu:en") << none << none << QByteArray("en_US.UTF-8")
                                              << none << false;
    QTest::newRow("LANGUAGE under C") << QByteArray("en") << QByteArray("C.UTF-8") << none << none << none << false;
    QTest::newRow("file: en") << none << none << none << QByteArray("hu_HU.UTF-8") << site + "\n[ui]\nlanguage=en\n"
                              << true;
    QTest::newRow("file: hu") << none << none << none << QByteArray("en_US.UTF-8") << "[ui]\nlanguage=hu\n" + site
                              << false;
    QTest::newRow("file: auto") << none << none << none << QByteArray("en_US.UTF-8") << site + "[UI]\r\nlanguage = auto\r\n"
                                << true;
    QTest::newRow("file: unknown word") << none << none << none << QByteArray("en_US.UTF-8")
                                        << QByteArray("[ui]\nlanguage=fr\n") << true;
    QTest::newRow("file: key in another section") << none << none << none << QByteArray("hu_HU.UTF-8")
                                                  << site + "language=en\n" << false;
}

void InterfaceLanguageTest::chosenLanguage()
{
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QByteArray, conf);
    QFETCH(bool, english);
    setEnvironment(language, lcAll, lcMessages, lang);
    if (!conf.isEmpty())
        QVERIFY(writeFile(confPath(m_home), conf));
    QCOMPARE(siteConfigPath(), confPath(m_home));
    QCOMPARE(startupLanguage() == InterfaceLanguage::English, english);
    setEnvironment({}, "C.UTF-8", {}, {});
}

void InterfaceLanguageTest::savedChoice_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QByteArray>("after");
    const QByteArray site = "[site]\nname=Győr\nlatitude=47.685\nlongitude=17.635\nelevation=110\ntimezone=\n";
    QTest::newRow("no file") << QByteArray() << int(LanguageChoice::English) << QByteArray("[ui]\nlanguage=en\n");
    QTest::newRow("site only") << site << int(LanguageChoice::Hungarian) << site + "\n[ui]\nlanguage=hu\n";
    QTest::newRow("no final line end") << QByteArray("[site]\nlatitude=1\nlongitude=2") << int(LanguageChoice::English)
                                       << QByteArray("[site]\nlatitude=1\nlongitude=2\n\n[ui]\nlanguage=en\n");
    QTest::newRow("value replaced") << site + "\n[ui]\nlanguage=hu\n" << int(LanguageChoice::System)
                                    << site + "\n[ui]\nlanguage=auto\n";
    QTest::newRow("CR LF kept") << "[ui]\r\nlanguage=hu\r\n" + site << int(LanguageChoice::English)
                                << "[ui]\r\nlanguage=en\r\n" + site;
    QTest::newRow("section without the key") << "[ui]\n# comment\n" + site << int(LanguageChoice::English)
                                             << "[ui]\nlanguage=en\n# comment\n" + site;
}

void InterfaceLanguageTest::savedChoice()
{
    QFETCH(QByteArray, before);
    QFETCH(int, choice);
    QFETCH(QByteArray, after);
    const QString path = confPath(m_home);
    if (!before.isEmpty())
        QVERIFY(writeFile(path, before));
    QVERIFY(writeLanguageChoice(path, LanguageChoice(choice)).ok());
    QCOMPARE(readFile(path), after);
    QCOMPARE(readLanguageChoice(path), LanguageChoice(choice));
    // The site reads as before.
    QCOMPARE(readSiteConfig(path).fault.kind, SiteFault::None);
}

void InterfaceLanguageTest::siteSavedKeepsTheLanguage()
{
    const QString path = confPath(m_home);
    QVERIFY(writeFile(path, "[site]\nname=X\nlatitude=1\nlongitude=2\n\n[ui]\nlanguage=en\n"));
    ObservingSite szeged{QStringLiteral("Szeged"), 46.253, 20.1414, 80, QStringLiteral("Europe/Budapest")};
    QVERIFY(writeSiteConfig(path, szeged).ok());
    QCOMPARE(readFile(path), siteConfigText(szeged) + "[ui]\nlanguage=en\n");
    QCOMPARE(readSiteConfig(path).site, szeged);
}

void InterfaceLanguageTest::menuSavesTheChoice()
{
    DataFolder data;
    MessageLog log;
    auto a = makeWindow(data, log);
    const QString path = QDir::cleanPath(data.path() + QStringLiteral("/../config/tavik/tavik.conf"));
    auto* menu = a->findChild<QMenu*>(QStringLiteral("nyelv"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("Ny&elv / Language"));
    QVERIFY(a->findChild<QAction*>(QStringLiteral("nyelvRendszer"))->isChecked());
    a->findChild<QAction*>(QStringLiteral("nyelvAngol"))->trigger();
    QCOMPARE(readFile(path), QByteArray("[ui]\nlanguage=en\n"));
    a->findChild<QAction*>(QStringLiteral("nyelvMagyar"))->trigger();
    QCOMPARE(readFile(path), QByteArray("[ui]\nlanguage=hu\n"));
    QCOMPARE(log.count(), 0);
    // The next window starts with the choice ticked.
    auto b = makeWindow(data, log);
    QVERIFY(b->findChild<QAction*>(QStringLiteral("nyelvMagyar"))->isChecked());
    const QAction* note = b->findChild<QAction*>(QStringLiteral("nyelvMegjegyzes"));
    QVERIFY(!note->isEnabled());
    QCOMPARE(note->text(), QStringLiteral("A program következő indításától érvényes"));
}

// lupdate over the sources, into a copy of tavik_en.ts: every text has its English.
void InterfaceLanguageTest::translationsComplete()
{
    const QString source = qEnvironmentVariable("TAVIK_SOURCE_DIR");
    QVERIFY(!source.isEmpty());
    QTemporaryDir work;
    const QString ts = work.filePath(QStringLiteral("tavik_en.ts"));
    QVERIFY(QFile::copy(source + QStringLiteral("/translations/tavik_en.ts"), ts));
    QStringList arguments{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                          QStringLiteral("-extensions"), QStringLiteral("cpp,h")};
    for (const QString& folder : QStringLiteral(TAVIK_TRANSLATED_FOLDERS).split(u','))
        arguments << source + u'/' + folder;
    arguments << QStringLiteral("-ts") << ts;
    QProcess lupdate;
    lupdate.start(QStringLiteral(TAVIK_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QString text = QString::fromUtf8(readFile(ts));
    QVERIFY(text.contains(QStringLiteral("<message>")));
    QStringList unfinished;
    static const QRegularExpression kMessage(
        QStringLiteral("<source>(.*?)</source>(?:\\s*<comment>.*?</comment>)?\\s*<translation( type=\"[a-z]+\")?>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    for (auto it = kMessage.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(2).isEmpty() || m.captured(3).isEmpty())
            unfinished << m.captured(1);
    }
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(u'\n')));
    QCOMPARE(text.count(QStringLiteral("<message>")) + text.count(QStringLiteral("<message numerus")),
             text.count(QStringLiteral("<translation>")));
}

// Texts set in columns say so in their comment: "27 characters", "6 characters
// at most", "columns of 18, 11 and 9 characters". Their English keeps the
// length, or starts each column where the Hungarian does.
void InterfaceLanguageTest::paddedTranslationsKeepTheirColumns()
{
    QFile ts(qEnvironmentVariable("TAVIK_SOURCE_DIR") + QStringLiteral("/translations/tavik_en.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source, comment;
    int checked = 0;
    static const QRegularExpression kLength(QStringLiteral("(\\d+) characters( at most)?$"));
    const auto columnStarts = [](const QString& text) {
        QList<qsizetype> starts;
        for (qsizetype i = 2; i < text.size(); ++i)
            if (text.at(i) != u' ' && text.at(i - 1) == u' ' && text.at(i - 2) == u' ')
                starts << i;
        return starts;
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            source.clear();
            comment.clear();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"comment") {
            comment = xml.readElementText();
        } else if (xml.name() == u"translation") {
            // Plural texts hold their forms in <numerusform> children.
            const QString english = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!comment.contains(QStringLiteral("characters")))
                continue;
            ++checked;
            const QString what = source + QStringLiteral(" -> ") + english;
            if (comment.contains(QStringLiteral("columns of")) || comment.contains(QStringLiteral("before the"))) {
                for (qsizetype i : columnStarts(source))
                    QVERIFY2(i < english.size() && english.at(i) != u' ' && english.at(i - 1) == u' ', qPrintable(what));
            } else if (const QRegularExpressionMatch m = kLength.match(comment); m.hasMatch()) {
                const int n = m.captured(1).toInt();
                QVERIFY2(m.hasCaptured(2) ? english.size() <= n : english.size() == n && source.size() == n,
                         qPrintable(what));
            } else {
                QFAIL(qPrintable(QStringLiteral("unread comment: ") + comment));
            }
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(checked >= 10);
}

void InterfaceLanguageTest::windows_data()
{
    QTest::addColumn<QString>("item");     // the menu item that opens it ("item>button": then a button in that); empty: the main window
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("title");
    const struct {
        const char* item;
        const char* window;
        const char* hungarian;
        const char* english;
    } rows[] = {
        {"", "A", "Tavik  - Holdsarló kor és fázis számoló     -  " TAVIK_TITLE_VERSION "  (x86)   - Orvel Edition",
         "Tavik  - Crescent age and phase calculator     -  " TAVIK_TITLE_VERSION "  (x86)   - Orvel Edition"},
        {"hold02", "Form3", "Hold térképek", "Moon maps"},
        {"jegyzetek", "Form8", "Jegyzetek", "Notes"},
        {"naplo", "Form10", "Megfigyelési napló", "Observation log"},
        {"naptar1", "Form6", "Naptár", "Calendar"},
        {"holdsarlolista", "Form5", "Korai Holdsarlók", "Early crescents"},
        {"jelensegnaptar", "Form7", "Napfogyatkozások", "Solar eclipses"},
        {"holdfogyi", "Form12", "Holdfogyatkozások", "Lunar eclipses"},
        {"venusz", "Form9", "Vénusz sarlók láthatósága", "Visibility of Venus crescents"},
        {"vonas", "Form4", "Számítások", "Calculations"},
        {"prog", "frmAbout", "About Tavik", "About Tavik"},
        {"leir", "Form2", "Program leírása", "About using the program"},
        {"megfigyelohely", "SiteWindow", "Megfigyelőhely", "Observing site"},
        {"lathatosag", "VisibilityWindow", "Holdsarló láthatósága", "Crescent visibility"},
        {"terkep", "mapWindow", "Holdsarló-térkép", "Crescent map"},
        {"eszlelesinaplo", "LogbookWindow", "Észlelési napló", "Observation logbook"},
        {"eszlelesinaplo>newAttempt", "AttemptForm", "Új észlelés", "New sighting"},
        {"holdhonapok", "lunarMonths", "Holdhónapok", "Lunar months"},
    };
    for (const auto& r : rows) {
        QTest::addRow("%s hu", r.window) << QString::fromLatin1(r.item) << QString::fromLatin1(r.window) << false
                                         << QString::fromUtf8(r.hungarian);
        QTest::addRow("%s en", r.window) << QString::fromLatin1(r.item) << QString::fromLatin1(r.window) << true
                                         << QString::fromUtf8(r.english);
    }
}

// The English rows start as the program does under LANG=en_US.UTF-8.
void InterfaceLanguageTest::windows()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(bool, english);
    QFETCH(QString, title);
    setEnvironment({}, {}, {}, english ? "en_US.UTF-8" : "hu_HU.UTF-8");
    const InterfaceLanguage language = startupLanguage();
    setEnvironment({}, "C.UTF-8", {}, {});
    QCOMPARE(language == InterfaceLanguage::English, english);
    if (english) {
        m_translator = installInterfaceLanguage(language);
        QVERIFY(m_translator);
    }
    DataFolder data;
    MessageLog log;   // the companions' missing files
    auto a = makeWindow(data, log);
    a->show();
    if (!item.isEmpty())
        a->findChild<QAction*>(item.section(u'>', 0, 0))->trigger();
    if (const QString button = item.section(u'>', 1); !button.isEmpty()) {
        QAbstractButton* b = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && !b)
                b = top->findChild<QAbstractButton*>(button);
        }
        QVERIFY(b);
        b->click();
    }
    QWidget* w = item.isEmpty() ? a.get() : openWindow(qPrintable(window));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), title);
    const QStringList texts = textsOf(w);
    QVERIFY(texts.size() > 1);
    if (english)
        QVERIFY2(hungarianTexts(w).isEmpty(), qPrintable(hungarianTexts(w).join(u'\n')));
    else
        QVERIFY(!hungarianTexts(w).isEmpty() || !title.contains(kHungarianLetters));
    // Numbers in the boxes are written as the interface language writes them.
    static const QRegularExpression kDecimalComma(QStringLiteral("\\d,\\d"));
    for (const QLineEdit* box : w->findChildren<QLineEdit*>()) {
        if (english)
            QVERIFY2(!box->text().contains(kDecimalComma), qPrintable(box->objectName() + u' ' + box->text()));
    }
    const QStringList clashes = keyClashes(w);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    for (const Message& m : log.messages) {
        if (english)
            QVERIFY2(!m.text.contains(kHungarianLetters), qPrintable(m.text));
    }
}

void InterfaceLanguageTest::pictureName_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("name");
    QTest::newRow("hu") << false << QStringLiteral("holdsarlo-2026-12-10.png");
    QTest::newRow("en") << true << QStringLiteral("crescent-2026-12-10.png");
}

// The name a saved map is offered under.
void InterfaceLanguageTest::pictureName()
{
    QFETCH(bool, english);
    if (english) {
        m_translator = installInterfaceLanguage(InterfaceLanguage::English);
        QVERIFY(m_translator);
    }
    QTEST(crescentPictureName(QDate(2026, 12, 10)), "name");
}

QTEST_MAIN(InterfaceLanguageTest)
#include "tst_interfacelanguage.moc"
