// The part of Translation that needs no widgets: loading languages and handing out their texts.
#include "runtime/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QThread>
#include <QTranslator>
#include <QStandardPaths>
#include <atomic>

#include "runtime/basMessageMarkers.h"
#include "runtime/udtLoadedLanguages.h"
#include "store/basFileKind.h"
#include "store/basLanguageNames.h"
#include "store/basSourceFolder.h"

namespace tralyx {
namespace {

QString Replaced(const QString& pstrText, const QString& pstrValue)
{
    try {
        return GetReplacedText(pstrText, pstrValue);
    } catch (const std::exception&) {  // a marker beyond what the replacement handles: shown as it is
        return pstrText;
    }
}

// The three files of the folder and of its source, each checked as the editor writes them.
bool LoadTextFiles(udtLoadedLanguages& pudtState, QString& pstrError, QStringList& pstrWarnings)
{
    bool booLoaded = pudtState.Language.Load(pudtState.Folder, pudtState.CodePage, pstrError, pstrWarnings);
    if (booLoaded && !pudtState.SourceFolder.isEmpty())
        booLoaded = pudtState.Source.Load(pudtState.SourceFolder, pudtState.CodePage, pstrError, pstrWarnings, true);
    // The text files have no end mark; a file without entries where the source has some is most
    // likely one that was cut short, and would show the whole source language as the translation.
    for (const enuFileKind enuKind : AllFileKinds) {
        if (!booLoaded || !pudtState.Source.IsLoaded()) break;
        if (pudtState.Language.HasEntries(enuKind) || !pudtState.Source.HasEntries(enuKind)) continue;
        pstrError = QStringLiteral("%1/%2: the file has no entries, but the source language's has: is it half-written?")
                        .arg(pudtState.Folder, LanguageFileName(enuKind));
        booLoaded = false;
    }
    return booLoaded;
}

}  // namespace

bool LoadLanguages(const QString& pstrFolder, const QString& pstrSourceFolder, const QString& pstrCodePage,
                   udtLoadedLanguages& pudtOut, QString& pstrError, QStringList& pstrWarnings)
{
    pudtOut.Folder = pstrFolder;
    pudtOut.SourceFolder = pstrSourceFolder;
    pudtOut.CodePage = pstrCodePage;
    return LoadTextFiles(pudtOut, pstrError, pstrWarnings);
}

Translation::Translation(QObject* parent) : QObject(parent) {}

Translation::~Translation()
{
    if (mobjQtTexts) QCoreApplication::removeTranslator(mobjQtTexts.get());
}

void Translation::installQtTexts(const QString& pstrFolder)
{
    // installTranslator() tells every window: the application's thread's business only.
    if (!QCoreApplication::instance() || QThread::currentThread() != QCoreApplication::instance()->thread()) return;
    if (mobjQtTexts) QCoreApplication::removeTranslator(mobjQtTexts.get());
    mobjQtTexts.reset();
    const QString strCode = LanguageCodeOfFolder(pstrFolder);
    if (strCode.isEmpty() || strCode.startsWith(QLatin1StringView("en"))) return;  // Qt's own are English
    auto objQt = std::make_unique<QTranslator>();
    if (!objQt->load(QLocale(strCode), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(objQt.get());
    mobjQtTexts = std::move(objQt);
}

bool Translation::load(const QString& folder, QString* error, QStringList* warnings)
{
    return load(folder, QString(), QStringLiteral("windows-1252"), error, warnings);
}

bool Translation::load(const QString& folder, const QString& sourceFolder, const QString& codePage, QString* error,
                       QStringList* warnings)
{
    QString strError;
    QStringList strWarnings;
    auto objState = std::make_shared<udtLoadedLanguages>();
    // The source language: the one given, else the sibling English folder; never the folder itself.
    const QString strSource = SourceFolderOfLoad(folder, sourceFolder);
    objState->Folder = folder;
    objState->SourceFolder = strSource;
    objState->CodePage = codePage;
    static std::atomic<uint64_t> glngLoads{0};
    objState->Serial = ++glngLoads;
    // The compiled file, when it was made from the files as they are now; else the text files.
    auto objCompiled = std::make_unique<clsCompiledLanguage>();
    QString strWhy;
    bool booLoaded = objCompiled->Open(folder, strSource, codePage, strWhy);
    if (booLoaded) {
        objState->Compiled = std::move(objCompiled);
    } else {
        if (!strWhy.isEmpty())
            strWarnings.append(QStringLiteral("%1/%2: %3; the text files were read").arg(folder, clsCompiledLanguage::FileName(), strWhy));
        booLoaded = LoadTextFiles(*objState, strError, strWarnings);
    }
    if (error) *error = booLoaded ? QString() : strError;
    if (warnings) *warnings = strWarnings;
    if (!booLoaded) return false;
    {
        const std::lock_guard objGuard(mobjLock);
        mobjState = std::move(objState);
    }
    installQtTexts(folder);
    emit languageChanged();
    return true;
}

QList<Translation::Language> Translation::languages(const QString& root)
{
    QStringList strRoots{root};
    if (root.isEmpty()) {
        strRoots = {QCoreApplication::applicationDirPath() + QStringLiteral("/Languages")};
        for (const QString& strData : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
            strRoots.append(strData + QStringLiteral("/Languages"));
    }
    QList<Language> udtOut;
    QStringList strCodes;
    for (const QString& strRoot : std::as_const(strRoots)) {
        for (const QString& strFolder : LanguageFoldersUnder(strRoot)) {
            const QString strCode = LanguageCodeOfFolder(strFolder);
            if (root.isEmpty() && !strCode.isEmpty() && strCodes.contains(strCode)) continue;  // an earlier root has it
            strCodes.append(strCode);
            udtOut.append({strFolder, strCode, LanguageNameInItself(strCode)});
        }
    }
    return udtOut;
}

bool Translation::load(const QString& root, const QLocale& locale, QString* error, QStringList* warnings)
{
    const QList<Language> udtHere = languages(root);
    const auto FolderOf = [&](const QString& pstrCode) {
        for (const Language& u : udtHere)
            if (u.code.compare(pstrCode, Qt::CaseInsensitive) == 0) return u.folder;
        return QString();
    };
    // Every whole code the locale names first ("de_AT"; a script part, "pt-Latn-BR", names no
    // folder), then their languages ("de").
    QStringList strTried;
    for (const QString& strName : locale.uiLanguages()) {
        QStringList strParts = QString(strName).replace(u'-', u'_').split(u'_');
        if (strParts.size() == 3 && strParts[1].size() == 4) strParts.removeAt(1);
        if (const QString strCode = strParts.join(u'_'); !strTried.contains(strCode)) strTried.append(strCode);
    }
    for (qsizetype i = 0, n = strTried.size(); i < n; ++i)
        if (const QString strLanguage = strTried[i].section(u'_', 0, 0); !strTried.contains(strLanguage)) strTried.append(strLanguage);
    for (const QString& strCode : std::as_const(strTried))
        if (const QString strFolder = FolderOf(strCode); !strFolder.isEmpty()) return load(strFolder, error, warnings);
    if (const QString strSource = FolderOf(QStringLiteral("en")); !strSource.isEmpty())
        return load(strSource, strSource, QStringLiteral("windows-1252"), error, warnings);
    if (error)
        *error = QStringLiteral("%1: no language folder for %2, nor an English one")
                     .arg(root.isEmpty() ? QStringLiteral("the application's Languages folders") : root, strTried.join(QStringLiteral(", ")));
    if (warnings) warnings->clear();
    return false;
}

std::shared_ptr<const udtLoadedLanguages> Translation::state() const
{
    const std::lock_guard objGuard(mobjLock);
    return mobjState;
}

bool Translation::isEmpty() const { return !state(); }

QString Translation::folder() const
{
    const auto objState = state();
    return objState ? objState->Folder : QString();
}

QString Translation::sourceFolder() const
{
    const auto objState = state();
    return objState ? objState->SourceFolder : QString();
}

QString Translation::message(int id, const QString& value) const
{
    const auto objState = state();
    return objState ? Replaced(objState->MessageText(id), value) : QString();
}

QString Translation::title(int id, const QString& value) const
{
    const auto objState = state();
    return objState ? Replaced(objState->MessageTitle(id), value) : QString();
}

QString Translation::text(int id) const
{
    const auto objState = state();
    return objState ? objState->Text(id) : QString();
}

}  // namespace tralyx
