#include "translation.h"

#include "siteconfig.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavik {

namespace {

bool install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace

InterfaceLanguage startupLanguage()
{
    return interfaceLanguage(readLanguageChoice(siteConfigPath()), environmentLanguage());
}

bool installInterfaceLanguage(InterfaceLanguage language, const QString& qtFolder)
{
    if (!QCoreApplication::instance())
        return false;
    if (language == InterfaceLanguage::English)
        return install(QStringLiteral("tavik_en.qm"), QStringLiteral(":/i18n"));
    return install(QStringLiteral("qtbase_hu.qm"), qtFolder);
}

bool installInterfaceLanguage(InterfaceLanguage language)
{
    return installInterfaceLanguage(language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace tavik
