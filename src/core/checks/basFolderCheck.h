#pragma once
// Checks a translated language folder against its source folder: loads the three files of each
// that exist, pairs their entries and runs every rule. What lint prints and what the editor shows
// for a whole folder.
#include "checks/basChecks.h"

#include <QString>
#include <vector>

namespace tralyx {

struct udtFileCheck {
    enuFileKind File = enuFileKind::ControlText;
    QString Path;        // in the translated folder (it may not exist)
    QString SourcePath;  // in the source folder
    // A file that failed to load: which one, its line and reason. Its pair is not checked.
    QString FailedFile;
    udtFileIssue Issue;
    std::vector<udtProblem> Problems;  // also the lines the reader skipped (rule "load", warning)
    udtTranslatedCount Count;

    bool Loaded() const { return FailedFile.isEmpty(); }
};

struct udtFolderCheck {
    QString Source;
    QString Folder;
    std::vector<udtFileCheck> Files;  // the files either folder has, in the order core, messages, secondary
    // The folder's translation state, of the texts its files have; a state file that could not be
    // read is ignored, and why is a warning (rule "state") of its own, or an error when it holds an
    // unfinished merge.
    clsTranslationState State;
    QString StateIssue;
    bool StateConflict = false;
    // An error of the folder as a whole (it holds no language file); empty when none.
    QString FolderIssue;

    int32_t Count(enuSeverity penuSeverity) const;
    bool AllLoaded() const;
    udtTranslatedCount Translated() const;
};

// A file that only one folder has is one problem of the whole file (missing, an error, or obsolete);
// its source entries still count as not translated. A folder without any language file is an error. pstrLanguage: the translation's language code
// ("de"), for the punctuation rule; empty when it is not known.
udtFolderCheck CheckFolder(const QString& pstrSource, const QString& pstrFolder, const QString& pstrCodePage,
                           const ExtraEntryRule& pfnExtraRule = {}, const QString& pstrLanguage = QString());

struct udtFolderPair {
    QString Source;
    QString Folder;
    QString Language;  // as for CheckFolder
};
// CheckFolder of each pair, in the pairs' order, on as many threads as the machine has cores; on
// one when there is an extra rule, which need not be safe to share.
std::vector<udtFolderCheck> CheckFolders(const std::vector<udtFolderPair>& pudtPairs, const QString& pstrCodePage,
                                         const ExtraEntryRule& pfnExtraRule = {});

}  // namespace tralyx
