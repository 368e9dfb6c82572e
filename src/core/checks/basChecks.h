#pragma once
// The checks of a translation against its source language. Each rule looks at one entry text (both
// sides, as MatchEntries pairs them) or at a whole file's entries; the editor runs CheckEntryText on
// the row it commits and the file passes when a table changes, lint runs all of them on a folder.
#include "checks/basEndMarks.h"
#include "checks/basEntryMatch.h"
#include "state/clsTranslationState.h"
#include "store/basSourceFolder.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <functional>
#include <vector>

namespace tralyx {

enum class enuSeverity { Error, Warning, Info };
QString SeverityName(enuSeverity penuSeverity);  // "error", "warning", "info"

struct udtProblem {
    QString Rule;  // "markers", "accelerator", ...
    enuSeverity Severity = enuSeverity::Warning;
    QString File;      // "core.lrc"
    int32_t Line = 0;  // where the entry starts in the translation; 0 when it has no such entry
    int32_t SourceLine = 0;
    QString Entry;  // the entry's id as the file writes it; empty for a problem of the whole file
    QString Message;
};

// The "[#!name!#]" markers of a text, names in order of appearance. An opening "[#!" without a
// closing "!#]" after it ends the scan and sets *pbooUnclosed.
QStringList MarkerNames(QStringView pstrText, bool* pbooUnclosed = nullptr);
// The same as views into the text, made without allocating for the usual few.
using MarkerViews = QVarLengthArray<QStringView, 8>;
MarkerViews MarkerNameViews(QStringView pstrText, bool* pbooUnclosed = nullptr);
bool HasMarker(QStringView pstrText);  // whether it holds a "[#!"

// The access keys of a caption: each "&" before a character other than "&" ("&&" is a literal "&").
struct udtAccessKeys {
    int32_t Count = 0;
    QChar Key;              // the first one's character
    qsizetype Position = -1;  // of the first one's "&"
};
udtAccessKeys AccessKeys(QStringView pstrCaption);
// The word that holds the access key at plngAmpersand, to show where it is: "&New".
QString AccessKeyWord(QStringView pstrCaption, qsizetype plngAmpersand);

bool IsBlank(QChar pchr);  // also CR, LF, tab and no-break space
bool HasLetter(QStringView pstrText);

// Whether a text is the caption of a control that has an access key in its source text: the texts
// whose "&" an export must keep in place.
bool IsCaptionWithAccessKey(const udtEntryText& pudtEntry);

// Number of lines: CR LF, a lone CR and a lone LF each end one.
int32_t LineCount(QStringView pstrText);

// The rules of one entry text (basEntryRules.cpp), in their order: missing or obsolete when one
// side lacks the entry (reported once per record: on its first text), not-saved, review,
// untranslated, identical, markers, accelerator, length, lines, blanks, punctuation, numbers,
// repeated-word, brackets. The text's state, when given, says review and done (a text identical to
// its source on purpose is not reported identical). pudtEndMarks: how the target language ends a
// sentence (EndMarksOf); null when it is not known. Appends to pudtOut.
void CheckEntryText(enuFileKind penuFile, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut,
                    const udtTextState* pudtState = nullptr, const udtEndMarks* pudtEndMarks = nullptr);

// The rules that need a whole file: accelerator-clash between the captions of one form.
void CheckFileEntries(enuFileKind penuFile, const std::vector<udtEntryText>& pudtEntries,
                      std::vector<udtProblem>& pudtOut);

// Both passes over one file's pairs, problems in the translation's order.
std::vector<udtProblem> CheckFile(enuFileKind penuFile, const std::vector<udtEntryText>& pudtEntries);

// Entries counted for "N of M translated": texts the source has, not empty and storable; translated
// when the translation has the entry with a text that is not empty and not the source's own (the
// rare caption that stays the same, "OK", counts as not translated yet unless its state says done),
// and is not to review.
// Review counts the entries the state has to review; WordsToDo the words of the sources of those not
// translated.
struct udtTranslatedCount {
    int32_t Entries = 0;
    int32_t Translated = 0;
    int32_t Review = 0;
    int64_t WordsToDo = 0;
    int32_t Untranslated() const { return Entries - Translated - Review; }
    udtTranslatedCount& operator+=(const udtTranslatedCount& pudtOther);
};
udtTranslatedCount CountTranslated(const std::vector<udtEntryText>& pudtEntries);

// The access-key clash pass fed one entry at a time, in the translation's order.
class clsAccessKeyClashes {
public:
    void Add(const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut);

private:
    struct udtFirst {
        QString Id, Source, Translation;
    };
    QHash<QString, udtFirst> mudtFirst;  // per form and lower-cased key
};

// A rule kept outside this layer (spelling), run on each entry text after the rules above.
using ExtraEntryRule = std::function<void(enuFileKind, const udtEntryText&, std::vector<udtProblem>&)>;

class clsTranslationConsistency;

// What the checks of one file share with those of the folder's other files.
struct udtFolderRules {
    const udtEndMarks* EndMarks = nullptr;             // the target language's; null when not known
    clsTranslationConsistency* Consistency = nullptr;  // the folder's rule, fed every entry; null: not run
    const clsTranslationState* State = nullptr;        // the translation's state (review, done); null: none
};

// Everything CheckFile and CountTranslated do, in one pass over the pairs of two tables without
// keeping them (a folder of 32,767-record files stays cheap). Appends the problems; returns the count.
udtTranslatedCount CheckTables(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                               std::vector<udtProblem>& pudtOut, const ExtraEntryRule& pfnExtraRule = {},
                               const udtFolderRules& pudtFolder = {});


}  // namespace tralyx
