#include "i18n/basTranslations.h"

#include "common/basApplication.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace tralyx {
namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> gobjInstalled;
    return gobjInstalled;
}

}  // namespace

bool InstallTranslations(const QStringList& pstrUiLanguages)
{
    RemoveTranslations();
    auto objOwn = std::make_unique<QTranslator>();
    bool booFound = false;
    for (const QString& strLanguage : pstrUiLanguages) {
        const QLocale objLocale(strLanguage);
        if (objLocale.language() == QLocale::English || strLanguage == QLatin1String("C") || strLanguage == QLatin1String("POSIX"))
            return false;
        // ":/i18n/tralyx_de.qm" for de-DE, de-AT, de or any other German.
        booFound = objOwn->load(objLocale, QStringLiteral("tralyx"), QStringLiteral("_"), QStringLiteral(":/i18n"));
        if (booFound) break;
    }
    if (!booFound) return false;
    // Qt's texts in the same language as ours, so a German box never offers "Yes" and "No".
    auto objQt = std::make_unique<QTranslator>();
    if (objQt->load(QLocale(objOwn->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(objQt.get());
        Installed().push_back(std::move(objQt));
    }
    App::SetTextLocale(QLocale(objOwn->language()));
    QCoreApplication::installTranslator(objOwn.get());
    Installed().push_back(std::move(objOwn));
    return true;
}

QStringList SystemUiLanguages()
{
    const QString strAll = qEnvironmentVariable("LC_ALL");
    if (strAll == QLatin1String("C") || strAll.startsWith(QLatin1String("C.")) || strAll == QLatin1String("POSIX"))
        return {QStringLiteral("C")};
    return QLocale::system().uiLanguages();
}

void RemoveTranslations()
{
    for (const std::unique_ptr<QTranslator>& objTranslator : Installed()) QCoreApplication::removeTranslator(objTranslator.get());
    Installed().clear();
    App::SetTextLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

}  // namespace tralyx
