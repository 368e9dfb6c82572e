#pragma once
// A language folder's three files loaded into one store, for export and import.
#include "checks/basEntryMatch.h"
#include "store/clsTralyx.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tralyx {

struct udtLanguageFolder {
    QString Path;
    clsTralyx Store;
    std::array<QString, 3> FilePath;  // by enuFileKind; empty when the folder lacks that file

    const QString& FileOf(enuFileKind penuFile) const { return FilePath[static_cast<size_t>(penuFile)]; }
};

// The file of that name in the folder, in any letter case (core.lrc, Core.LRC); empty when none.
QString FindLanguageFile(const QString& pstrFolder, enuFileKind penuFile);

// Loads every file the folder holds in the code page. False when one fails to load; pstrErrors then
// names each as "path:line: reason". A folder without any of the three files is not an error.
bool LoadLanguageFolder(const QString& pstrFolder, const QString& pstrCodePage, udtLanguageFolder& pudtOut,
                        QStringList& pstrErrors);

// "de" for a folder named German or Deutsch (any case), as far as Qt's locale data knows the name;
// empty otherwise.
QString LanguageCodeOfFolder(const QString& pstrFolder);

}  // namespace tralyx
