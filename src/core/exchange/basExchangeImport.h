#pragma once
// Bringing translations back from an exchange file into a language folder. Only the lines of the
// texts that changed are rewritten; every other byte of a file stays as it was, whatever its line
// ends, skipped lines or numbering.
#include "checks/basChecks.h"
#include "exchange/basLanguageFolder.h"
#include "exchange/udtExchangeEntry.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tralyx {

// A translation of the exchange file that was not applied, and why. Informational ones (an empty
// translation: nothing to apply) leave the entry as it is without counting as a failure.
struct udtNotApplied {
    QString FileName;
    QString Key;
    QString Reason;
    bool Informational = false;
    // Changed in the exchange file and, otherwise, in the folder since the export: at this line of it.
    bool Conflict = false;
    int32_t Line = 0;
};

struct udtImportedFile {
    enuFileKind File = enuFileKind::ControlText;
    QString Path;
    int32_t Changed = 0;     // texts that change
    QByteArray Content;      // the new bytes when Changed > 0 and not Refused
    QByteArray Old;          // the bytes they were made from: the file must still hold them when it is replaced
    bool Refused = false;    // the changed file would not read back as intended: not to be written
    QString Reason;
};

struct udtImportPlan {
    std::vector<udtImportedFile> Files;  // one per file the folder holds
    std::vector<udtNotApplied> NotApplied;
    // The folder's state after the import: a fuzzy translation is to review (with the source the
    // tool says it was made for), any other clears review, one identical to its source is done, and
    // the translator's comments are the notes. Only the sections of files not refused changed.
    clsTranslationState State;
    // The errors of the checks that the changed texts bring in (a text that had one before is not
    // reported again for it), as lint names them; only with a source folder.
    std::vector<udtProblem> Problems;
};

// Works out the new content of each file of the loaded folder. Writes nothing. With the source
// folder, a translation whose source (msgid, <source>) is no longer the source's text is not
// applied (the source changed since the export), and the changed texts are checked. An entry with
// the export's record (Exported) is the translator's change only where its translation is not the
// one exported; one the folder changed since the export is left as it is where the file has the
// exported text, and is a conflict (not applied) where the file changed it too, unless pbooTheirs:
// then the file's text is taken.
udtImportPlan PlanImport(const udtLanguageFolder& pudtFolder, const udtExchangeDocument& pudtDocument,
                         const udtLanguageFolder* pudtSource = nullptr, bool pbooTheirs = false);

}  // namespace tralyx
