#include "language.h"

#include "datafiles.h"

#include <QList>

namespace tavik {

namespace {

constexpr qint64 kMaxConfBytes = qint64(64) << 10;

// The language part of a locale name: "en" of "en_US.UTF-8".
QByteArray languagePart(QByteArrayView name)
{
    qsizetype end = 0;
    while (end < name.size() && name.at(end) != '_' && name.at(end) != '.' && name.at(end) != '@')
        ++end;
    return name.first(end).toByteArray().toLower();
}

bool isCLocale(QByteArrayView name)
{
    const QByteArray part = languagePart(name);
    return part == "c" || part == "posix";
}

// A section heading's name in lower case ("ui" of "[UI]"), empty for any other line.
QByteArray sectionName(QByteArrayView line)
{
    const QByteArray t = line.toByteArray().trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return {};
    return t.mid(1, t.size() - 2).trimmed().toLower();
}

// The lines of the text with their line ends, so that joining them gives the text back.
QList<QByteArray> linesOf(QByteArrayView text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        lines.append(text.sliced(start, end - start).toByteArray());
        start = end;
    }
    return lines;
}

// The key of a "key=value" line, lower case; empty for any other line.
QByteArray entryKey(const QByteArray& line)
{
    const qsizetype eq = line.indexOf('=');
    return eq <= 0 ? QByteArray() : line.first(eq).trimmed().toLower();
}

QByteArray choiceText(LanguageChoice choice)
{
    switch (choice) {
    case LanguageChoice::Hungarian: return "hu";
    case LanguageChoice::English: return "en";
    case LanguageChoice::System: break;
    }
    return "auto";
}

}  // namespace

InterfaceLanguage environmentLanguage(QByteArrayView language, QByteArrayView lcAll,
                                      QByteArrayView lcMessages, QByteArrayView lang)
{
    QByteArrayView locale;
    for (QByteArrayView v : {lcAll, lcMessages, lang})
        if (!v.isEmpty()) {
            locale = v;
            break;
        }
    QByteArrayView chosen = locale;
    if (!language.isEmpty() && !(locale.isEmpty() || isCLocale(locale))) {
        const qsizetype colon = language.indexOf(':');
        chosen = colon < 0 ? language : language.first(colon);
    }
    return languagePart(chosen) == "en" ? InterfaceLanguage::English : InterfaceLanguage::Hungarian;
}

InterfaceLanguage environmentLanguage()
{
    return environmentLanguage(qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"),
                               qgetenv("LANG"));
}

LanguageChoice languageChoice(QByteArrayView conf)
{
    bool inUi = false;
    for (const QByteArray& line : linesOf(conf)) {
        if (line.trimmed().startsWith('[')) {
            inUi = sectionName(line) == "ui";
            continue;
        }
        if (!inUi || entryKey(line) != "language")
            continue;
        const QByteArray value = line.mid(line.indexOf('=') + 1).trimmed().toLower();
        if (value == "hu")
            return LanguageChoice::Hungarian;
        if (value == "en")
            return LanguageChoice::English;
        return LanguageChoice::System;
    }
    return LanguageChoice::System;
}

LanguageChoice readLanguageChoice(const QString& path)
{
    const FileRead<QByteArray> bytes = readFileBytes(path, kMaxConfBytes);
    return bytes.ok() ? languageChoice(bytes.value) : LanguageChoice::System;
}

InterfaceLanguage interfaceLanguage(LanguageChoice choice, InterfaceLanguage environment)
{
    switch (choice) {
    case LanguageChoice::Hungarian: return InterfaceLanguage::Hungarian;
    case LanguageChoice::English: return InterfaceLanguage::English;
    case LanguageChoice::System: break;
    }
    return environment;
}

QByteArray withLanguageChoice(QByteArrayView conf, LanguageChoice choice)
{
    const QByteArray entry = "language=" + choiceText(choice);
    QList<QByteArray> lines = linesOf(conf);
    qsizetype heading = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().startsWith('[')) {
            if (heading >= 0)
                break;
            if (sectionName(lines.at(i)) == "ui")
                heading = i;
            continue;
        }
        if (heading >= 0 && entryKey(lines.at(i)) == "language") {
            const bool crlf = lines.at(i).endsWith("\r\n");
            lines[i] = entry + (crlf ? "\r\n" : lines.at(i).endsWith('\n') ? "\n" : "");
            return lines.join();
        }
    }
    if (heading >= 0) {
        if (!lines.at(heading).endsWith('\n'))
            lines[heading] += '\n';
        lines.insert(heading + 1, entry + '\n');
        return lines.join();
    }
    QByteArray out = conf.toByteArray();
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += '\n';
    if (!out.isEmpty())
        out += '\n';
    return out + "[ui]\n" + entry + '\n';
}

QByteArray uiSection(QByteArrayView conf)
{
    QByteArray out;
    bool inUi = false;
    for (const QByteArray& line : linesOf(conf)) {
        if (line.trimmed().startsWith('['))
            inUi = sectionName(line) == "ui";
        if (inUi)
            out += line;
    }
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += '\n';
    return out;
}

}  // namespace tavik
