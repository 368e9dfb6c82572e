#pragma once
// A language folder's three files loaded into one store, for export and import.
#include "checks/basEntryMatch.h"
#include "common/clsFileLock.h"
#include "state/clsTranslationState.h"
#include "store/basLanguageNames.h"
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
    bool StateConflict = false;       // the state file holds an unfinished merge (named in the load's errors)

    const QString& FileOf(enuFileKind penuFile) const { return FilePath[static_cast<size_t>(penuFile)]; }
    const QString& ErrorOf(enuFileKind penuFile) const { return Error[static_cast<size_t>(penuFile)]; }
};


// Loads every file the folder holds in the code page, each on its own. False when one fails to load;
// pstrErrors then names each as "path:line: reason". A folder without any of the three files is not
// an error. With pobjLocks, each file is locked (clsFileLock) before it is read, and stays locked
// for the writes that follow; one held by another writer all the while fails to load.
// Loads every file the folder holds in the code page, and its translation state. False when a file
// fails to load; pstrErrors then names each as "path:line: reason". A folder without any of the
// three files is not an error, nor is a state file that cannot be read (StateIssue says why), unless
// it holds an unfinished merge (then named in pstrErrors).
bool LoadLanguageFolder(const QString& pstrFolder, const QString& pstrCodePage, udtLanguageFolder& pudtOut,
                        QStringList& pstrErrors, std::array<clsFileLock, 3>* pobjLocks = nullptr);

// Checks the folder's state against the texts its files hold (and the source's, where the source
// folder has the file): marks given for other texts are not applied (clsTranslationState::Verify).
// Returns those records; a file that did not load keeps its state as it is.
std::vector<clsTranslationState::udtMismatch> VerifyFolderState(udtLanguageFolder& pudtFolder,
                                                                const udtLanguageFolder* pudtSource);


}  // namespace tralyx
