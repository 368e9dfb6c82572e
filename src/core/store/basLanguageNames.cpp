#include "store/basLanguageNames.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace tralyx {

QString FindLanguageFile(const QString& pstrFolder, enuFileKind penuFile)
{
    const QString strWanted = LanguageFileName(penuFile);
    const QDir objFolder(pstrFolder);
    // Not only files: a folder, a FIFO or a dangling link under the name is reported as what it is,
    // not taken for a missing file.
    const QStringList strNames = objFolder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& strName : strNames)
        if (strName == strWanted) return objFolder.filePath(strName);  // the exact name first
    for (const QString& strName : strNames)
        if (strName.compare(strWanted, Qt::CaseInsensitive) == 0) return objFolder.filePath(strName);
    return QString();
}

namespace {

// Names translators give folders that Qt's locale data does not know as they are written.
struct udtFolderName {
    const char* Name;  // lower case
    const char* Code;
};
constexpr udtFolderName OurNames[] = {
    {"norwegian", "nb"},          {"norsk", "nb"},
    {"chinese (simplified)", "zh_CN"}, {"chinese (traditional)", "zh_TW"},
    {"simplified chinese", "zh_CN"},   {"traditional chinese", "zh_TW"},
    {"brazilian portuguese", "pt_BR"}, {"brazilian", "pt_BR"},
};

// "de" for German or Deutsch; the locale's language and territory ("pt_BR") when the territory
// is given, as in "Portuguese (Brazil)" or "Português (Brasil)".
QString CodeOfName(const QString& pstrLanguage, const QString& pstrTerritory)
{
    const QList<QLocale> objLocales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& objLocale : objLocales) {
        if (objLocale.language() == QLocale::C) continue;
        if (QLocale::languageToString(objLocale.language()).compare(pstrLanguage, Qt::CaseInsensitive) != 0 &&
            objLocale.nativeLanguageName().compare(pstrLanguage, Qt::CaseInsensitive) != 0)
            continue;
        if (pstrTerritory.isEmpty()) return QLocale::languageToCode(objLocale.language());
        if (QLocale::territoryToString(objLocale.territory()).compare(pstrTerritory, Qt::CaseInsensitive) == 0 ||
            objLocale.nativeTerritoryName().compare(pstrTerritory, Qt::CaseInsensitive) == 0)
            return QLocale::languageToCode(objLocale.language()) + u'_' + QLocale::territoryToCode(objLocale.territory());
    }
    return QString();
}

// "pt_BR" for pt-BR or pt_br, "de" for de: a code Qt knows, as gettext writes it.
QString CodeOfLocaleName(const QString& pstrName)
{
    static const QRegularExpression objCode(QStringLiteral("^([A-Za-z]{2})(?:[-_]([A-Za-z]{2}))?$"));
    const QRegularExpressionMatch objMatch = objCode.match(pstrName);
    if (!objMatch.hasMatch()) return QString();
    const QLocale::Language enuLanguage = QLocale::codeToLanguage(objMatch.captured(1).toLower());
    if (enuLanguage == QLocale::AnyLanguage || enuLanguage == QLocale::C) return QString();
    if (objMatch.captured(2).isEmpty()) return QLocale::languageToCode(enuLanguage);
    const QLocale::Territory enuTerritory = QLocale::codeToTerritory(objMatch.captured(2).toUpper());
    if (enuTerritory == QLocale::AnyTerritory) return QString();
    return QLocale::languageToCode(enuLanguage) + u'_' + QLocale::territoryToCode(enuTerritory);
}

}  // namespace

QString LanguageCodeOfFolder(const QString& pstrFolder)
{
    const QString strName = QFileInfo(QDir::cleanPath(QDir(pstrFolder).absolutePath())).fileName().trimmed();
    if (strName.isEmpty()) return QString();
    for (const udtFolderName& udtName : OurNames)
        if (strName.compare(QLatin1StringView(udtName.Name), Qt::CaseInsensitive) == 0) return QString::fromLatin1(udtName.Code);
    if (QString strCode = CodeOfName(strName, QString()); !strCode.isEmpty()) return strCode;
    static const QRegularExpression objWithTerritory(QStringLiteral("^(.+?)\\s*\\((.+)\\)$"));
    if (const QRegularExpressionMatch objMatch = objWithTerritory.match(strName); objMatch.hasMatch())
        return CodeOfName(objMatch.captured(1), objMatch.captured(2).trimmed());
    return CodeOfLocaleName(strName);
}

QStringList LanguageFoldersUnder(const QString& pstrRoot)
{
    QStringList strOut;
    const QDir objRoot(pstrRoot);
    for (const QString& strName : objRoot.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString strFolder = objRoot.filePath(strName);
        if (std::any_of(std::begin(AllFileKinds), std::end(AllFileKinds),
                        [&](enuFileKind e) { return !FindLanguageFile(strFolder, e).isEmpty(); }))
            strOut.append(strFolder);
    }
    return strOut;
}

QString LanguageNameInItself(const QString& pstrCode)
{
    const QLocale objLocale(pstrCode);
    if (pstrCode.isEmpty() || objLocale.language() == QLocale::C) return QString();
    QString strName = objLocale.nativeLanguageName();
    if (pstrCode.contains(u'_')) strName += QStringLiteral(" (%1)").arg(objLocale.nativeTerritoryName());
    return strName;
}

}  // namespace tralyx
