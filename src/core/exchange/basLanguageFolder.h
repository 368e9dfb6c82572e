#pragma once
// A language folder's three files loaded into one store, for export and import.
#include "checks/basEntryMatch.h"
#include "common/clsFileLock.h"
#include "state/clsTranslationState.h"
#include "store/clsTralyx.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tralyx {

struct udtLanguageFolder {
    QString Path;
    clsTralyx Store;
    std::array<QString, 3> FilePath;  // by enuFileKind; empty when the folder lacks that file
    std::array<QString, 3> Error;     // by enuFileKind; why that file did not load, empty when it did
    clsTranslationState State;        // of the texts its files have
    QString StateIssue;               // why a state file that was there could not be read (then ignored)

    const QString& FileOf(enuFileKind penuFile) const { return FilePath[static_cast<size_t>(penuFile)]; }
    const QString& ErrorOf(enuFileKind penuFile) const { return Error[static_cast<size_t>(penuFile)]; }
};

// Whatever stands under that name in the folder, in any letter case (core.lrc, Core.LRC): a file, or
// a folder, a FIFO or a dangling link, which its load then names; empty when nothing does.
QString FindLanguageFile(const QString& pstrFolder, enuFileKind penuFile);

// Loads every file the folder holds in the code page, each on its own. False when one fails to load;
// pstrErrors then names each as "path:line: reason". A folder without any of the three files is not
// an error. With pobjLocks, each file is locked (clsFileLock) before it is read, and stays locked
// for the writes that follow; one held by another writer all the while fails to load.
// Loads every file the folder holds in the code page, and its translation state. False when a file
// fails to load; pstrErrors then names each as "path:line: reason". A folder without any of the
// three files is not an error, nor is a state file that cannot be read (StateIssue says why).
bool LoadLanguageFolder(const QString& pstrFolder, const QString& pstrCodePage, udtLanguageFolder& pudtOut,
                        QStringList& pstrErrors, std::array<clsFileLock, 3>* pobjLocks = nullptr);

// "de" for a folder named German or Deutsch (any case), as far as Qt's locale data knows the name;
// empty otherwise.
QString LanguageCodeOfFolder(const QString& pstrFolder);

}  // namespace tralyx
