#include "translation.h"

#include "siteconfig.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavik {

namespace {

QTranslator* install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace

InterfaceLanguage startupLanguage()
{
    return interfaceLanguage(readLanguageChoice(siteConfigPath()), environmentLanguage());
}

QTranslator* installInterfaceLanguage(InterfaceLanguage language, const QString& qtFolder)
{
    if (!QCoreApplication::instance())
        return nullptr;
    if (language == InterfaceLanguage::English)
        return install(QStringLiteral("tavik_en.qm"), QStringLiteral(":/i18n"));
    return install(QStringLiteral("qtbase_hu.qm"), qtFolder);
}

QTranslator* installInterfaceLanguage(InterfaceLanguage language)
{
    return installInterfaceLanguage(language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace tavik
