#include "translation.h"

#include "siteconfig.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tavik {

namespace {

QPointer<QTranslator>& englishTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

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
    if (language == InterfaceLanguage::English) {
        QTranslator* translator = install(QStringLiteral("tavik_en.qm"), QStringLiteral(":/i18n"));
        if (translator)
            englishTranslator() = translator;
        return translator;
    }
    return install(QStringLiteral("qtbase_hu.qm"), qtFolder);
}

QTranslator* installInterfaceLanguage(InterfaceLanguage language)
{
    return installInterfaceLanguage(language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

InterfaceLanguage installedLanguage()
{
    // A translator taken out of the application but not deleted no longer
    // speaks: ask the application whether ours is still among them.
    QTranslator* translator = englishTranslator();
    if (!translator || QCoreApplication::translate("tavik::Language", "hu", "language code") != QLatin1String("en"))
        return InterfaceLanguage::Hungarian;
    return InterfaceLanguage::English;
}

}  // namespace tavik
