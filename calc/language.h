// The language of the user interface: Hungarian, the program's own, or
// English through Qt's translation system. The user's choice is kept in the
// [ui] section of tavik.conf (language=hu|en|auto); "auto" follows the
// desktop's preferred language.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavik {

enum class InterfaceLanguage { Hungarian, English };
enum class LanguageChoice { System, Hungarian, English };

// The language the environment asks for, as gettext reads it: LANGUAGE (its
// first entry) unless the locale is C or POSIX, then LC_ALL, LC_MESSAGES and
// LANG, the first one set. English for "en…", Hungarian for anything else.
InterfaceLanguage environmentLanguage(QByteArrayView language, QByteArrayView lcAll,
                                      QByteArrayView lcMessages, QByteArrayView lang);
// The same from the process's environment.
InterfaceLanguage environmentLanguage();

// The choice in the text of tavik.conf; System when the file says nothing
// readable about it.
LanguageChoice languageChoice(QByteArrayView conf);
// The same from the file; a missing or unreadable file is System.
LanguageChoice readLanguageChoice(const QString& path);
InterfaceLanguage interfaceLanguage(LanguageChoice choice, InterfaceLanguage environment);

// The file's text with the choice written into its [ui] section (added at the
// end when missing); every other byte is kept.
QByteArray withLanguageChoice(QByteArrayView conf, LanguageChoice choice);
// The [ui] section as it stands in the file, from its heading up to the next
// section; empty when there is none. Saving the site keeps it.
QByteArray uiSection(QByteArrayView conf);

}  // namespace tavik
