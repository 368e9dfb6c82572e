#pragma once
// Updating a whole language folder: the three files merged into the destination, and the
// translation state (review, done, notes) carried over and written beside them.
#include "state/clsTranslationState.h"
#include "store/clsTralyx.h"
#include "update/udtUpdateReport.h"

namespace tralyx {

struct udtUpdateFolders {
    QString Old;          // the translated folder of the previous release
    QString New;          // the new release's source folder
    QString Destination;
    QString OldSource;    // the previous release's source folder; empty: merge without it
};

// A destination folder that does not exist is made by the update: empty when pstrFolder is one or
// can be made, else the part of its path that is there and is not a folder.
QString FolderBlockedBy(const QString& pstrFolder);

// One file of the update: loads the old (and the old source's, when the folder is given and has the
// file) and the new file, merges them into the store's table of that kind and writes it to the
// destination (pbooWrite false: formats it only). With pobjNewState, the old state of the texts the
// merge carried goes into that file's section of it, under their new ids.
// With pbooDeferWrite, a merge to be written is left in the store (Outcome Merged) for WriteMerged.
udtUpdateReport UpdateFile(clsTralyx& pobjStore, enuFileKind penuFile, const udtUpdateFolders& pudtFolders, bool pbooWrite,
                           const clsTranslationState* pobjOldState = nullptr, clsTranslationState* pobjNewState = nullptr,
                           bool pbooDeferWrite = false);
// Writes the store's table of that kind, as UpdateFile merged it, to the destination (made when it
// is not there) under the file's lock; the outcome goes into the report.
void WriteMerged(clsTralyx& pobjStore, enuFileKind penuFile, const udtUpdateFolders& pudtFolders, udtUpdateReport& pudtReport);

// The three files on a store of their own (in pstrCodePage), then the state: the old folder's state
// file carried over (an unreadable one is reported and left behind), review where the old source
// says a text changed, written beside the destination's files for the files that were written
// (the sections of the others stay as they were). A dry run (pbooWrite false) writes nothing.
// The destination is written under its lock (clsFolderTransaction). A state file (the old folder's
// or the destination's) that cannot be read stops the update before anything is written, unless
// pbooDiscardState.
udtFolderUpdate UpdateLanguageFolder(const udtUpdateFolders& pudtFolders, const QString& pstrCodePage, bool pbooWrite,
                                     bool pbooDiscardState = false);

}  // namespace tralyx
