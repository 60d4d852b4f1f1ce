// The program's English texts (tavik_en.qm, built from tavik_en.ts into the
// executables) and Qt's own Hungarian ones, installed at start by the window
// program and by tavik-almanac alike. The source texts are Hungarian: a
// Hungarian interface needs no translator of ours.
#pragma once

#include "language.h"

#include <QString>

class QTranslator;

namespace tavik {

// The interface language for this run: the [ui] choice of tavik.conf, else
// the environment's.
InterfaceLanguage startupLanguage();

// Installs the translators for language: ours for English, Qt's Hungarian
// texts (qtbase_hu.qm from qtFolder) for Hungarian. A missing Qt file is left
// unsaid. Needs a QCoreApplication; returns the translator installed (the
// application owns it), or null.
QTranslator* installInterfaceLanguage(InterfaceLanguage language, const QString& qtFolder);
// The same with Qt's own translations folder.
QTranslator* installInterfaceLanguage(InterfaceLanguage language);

// The language whose texts are installed now: English while our English
// translator is installed (it is forgotten when removed or deleted),
// Hungarian otherwise. The words layer takes its formats from this.
InterfaceLanguage installedLanguage();

}  // namespace tavik
