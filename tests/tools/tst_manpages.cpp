// The manual pages say what --help says: every option with its description,
// the commands' names and the exit codes, and no option that --help lacks.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// What a reader of the page sees, lower case and with blanks folded: the text
// lines and the words of the font requests (.B, .BR, ...), escapes undone.
QString manualText(const QString& roff)
{
    static const QRegularExpression kRequest(QStringLiteral("^\\.(B|I|SH|[BIR][BIR]) ?(.*)$"));
    static const QRegularExpression kArgument(QStringLiteral("\"([^\"]*)\"?|(\\S+)"));
    QStringList words;
    for (const QString& line : roff.split(u'\n')) {
        const QRegularExpressionMatch request = kRequest.match(line);
        if (line.startsWith(u'.') && !request.hasMatch())
            continue;
        if (!request.hasMatch()) {
            words << line;
            continue;
        }
        QStringList args;   // quotes taken off; the two-letter requests join them without blanks
        for (auto it = kArgument.globalMatch(request.captured(2)); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            args << (m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2));
        }
        const bool alternating = request.captured(1).size() == 2 && request.captured(1) != u"SH";
        words << args.join(alternating ? QString() : QStringLiteral(" "));
    }
    QString text = words.join(u' ');
    for (const char* escape : {"\\fB", "\\fI", "\\fR", "\\fP", "\\&"})
        text.remove(QLatin1String(escape));
    return text.replace(QStringLiteral("\\-"), QStringLiteral("-")).simplified().toLower();
}

QString folded(QString text)
{
    text = text.simplified().toLower();
    return text.endsWith(u'.') ? text.chopped(1) : text;
}

struct Help {
    QString command;            // "tavik-almanac sighting"
    QStringList options;        // "--at", "-h", ...
    QStringList descriptions;   // of the options and the arguments
    QString exitCodes;          // from "Kilépési kód:" to the next empty line
};

// The pieces of a help text: its usage line, its two-column entries (an
// entry's description may go on in deeper indented lines), the exit codes.
Help readHelp(const QString& text)
{
    Help h;
    const QStringList lines = text.split(u'\n');
    const QStringList usage = lines.value(0).section(u':', 1).split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < usage.size() && !usage.at(i).startsWith(u'['); ++i)
        h.command += (i == 0 ? usage.at(i).section(u'/', -1) : u' ' + usage.at(i));
    static const QRegularExpression kEntry(QStringLiteral("^  (\\S.*?)\\s{2,}(\\S.*)$"));
    static const QRegularExpression kOption(QStringLiteral("--?[a-z][a-z-]*"));
    bool inExitCodes = false;
    for (const QString& line : lines) {
        inExitCodes = (inExitCodes || line.startsWith(QStringLiteral("Kilépési kód:"))
                       || line.startsWith(QStringLiteral("Exit code:")))
                      && !line.isEmpty();
        if (inExitCodes) {
            h.exitCodes += line + u' ';
        } else if (const QRegularExpressionMatch m = kEntry.match(line); m.hasMatch()) {
            for (auto it = kOption.globalMatch(m.captured(1)); it.hasNext();)
                h.options << it.next().captured();
            h.descriptions << m.captured(2);
        } else if (line.startsWith(QStringLiteral("          ")) && !h.descriptions.isEmpty()) {
            h.descriptions.last() += u' ' + line.trimmed();
        }
    }
    return h;
}

QString helpOf(const QString& program, const QStringList& args, const QString& lang)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!lang.isEmpty()) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("LANG"), lang);
    }
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60'000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestManPages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageFollowsHelp_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QList<QStringList>>("helps");
        QTest::addColumn<QString>("lang");   // LANG for the program; empty: the test's own (C, Hungarian)
        QTest::newRow("tavik") << "hu/tavik.1" << TAVIK_EXE << QList<QStringList>{{"--help"}} << QString();
        QTest::newRow("tavik en") << "tavik.1" << TAVIK_EXE << QList<QStringList>{{"--help"}}
                                  << QStringLiteral("en_US.UTF-8");
        QTest::newRow("tavik-almanac") << "hu/tavik-almanac.1" << ALMANAC_EXE
                                       << QList<QStringList>{{"--help"}, {"sighting", "--help"}, {"map", "--help"}, {"log", "--help"}, {"calendar", "--help"}}
                                       << QString();
        QTest::newRow("tavik-almanac en") << "tavik-almanac.1" << ALMANAC_EXE
                                          << QList<QStringList>{{"--help"}, {"sighting", "--help"}, {"map", "--help"}, {"log", "--help"}, {"calendar", "--help"}}
                                          << QStringLiteral("en_US.UTF-8");
    }

    void pageFollowsHelp()
    {
        QFETCH(QString, page);
        QFETCH(QString, program);
        QFETCH(QList<QStringList>, helps);
        QFETCH(QString, lang);
        QFile f(qEnvironmentVariable("TAVIK_SOURCE_DIR") + QStringLiteral("/packaging/") + page);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString manual = manualText(QString::fromUtf8(f.readAll()));
        QStringList helpOptions;
        for (const QStringList& args : helps) {
            const Help h = readHelp(helpOf(program, args, lang));
            QVERIFY2(!h.command.isEmpty() && !h.options.isEmpty(), qPrintable(args.join(u' ')));
            QVERIFY2(!h.exitCodes.isEmpty(), qPrintable(h.command + QStringLiteral(": no exit codes in --help")));
            for (const QString& text : h.options + h.descriptions + QStringList{h.command, h.exitCodes})
                QVERIFY2(manual.contains(folded(text)), qPrintable(h.command + QStringLiteral(": ") + text));
            helpOptions += h.options;
        }
        // Nothing in the page that no --help knows of.
        static const QRegularExpression kLongOption(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*"));
        for (auto it = kLongOption.globalMatch(manual); it.hasNext();) {
            const QString option = it.next().captured();
            QVERIFY2(helpOptions.contains(option), qPrintable(option));
        }
    }
};

QTEST_GUILESS_MAIN(TestManPages)
#include "tst_manpages.moc"
