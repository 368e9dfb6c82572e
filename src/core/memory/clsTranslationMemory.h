#pragma once
// Translation memory: the translated texts of language folder pairs (a source folder and its
// translated folder, all of one target language) and of TMX files, with an index for the
// suggestions of one row: exact matches first, then fuzzy matches scored 0-100 on the masked texts
// (basMatchText.h), at least MinimumScore.
//
// Fill it with the Add calls, then ask; the first query after an Add builds the index (Build), once
// for the whole memory. A built memory answers from any thread; adding is not thread-safe.
#include "memory/basTmxFile.h"
#include "memory/udtMemoryUnit.h"
#include "state/clsTranslationState.h"
#include "store/basFileKind.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace tralyx {

class clsConcordanceIndex;
class clsMemoryIndex;

struct udtSuggestion {
    int32_t Score = 0;   // 100 for a source the same as the row's once access keys and markers are masked
    bool Exact = false;  // the very same source text
    QString Source;
    QString Translation;
    QString Origin;  // the file it came from: Release1/German/core.lrc, old.tmx
    QString Entry;   // its id there: frmMain.cmdOK.0.C, MSG003, a TMX tuid; may be empty
};

// Which texts of the units a concordance search looks in.
enum class enuConcordanceSide { Both, Source, Translation };

struct udtConcordanceHit {
    QString Source;
    QString Translation;
    QString Origin;  // as udtSuggestion's
    QString Entry;
};

struct udtConcordance {
    std::vector<udtConcordanceHit> Hits;  // the first of them, in the order the units were added
    int32_t Total = 0;                     // every unit that holds the text
};

class clsTranslationMemory {
public:
    static constexpr int32_t MinimumScore = 70;
    static constexpr int32_t MaxSuggestions = 5;
    static constexpr int32_t MaxConcordanceHits = 200;

    clsTranslationMemory();
    ~clsTranslationMemory();
    clsTranslationMemory(const clsTranslationMemory&) = delete;
    clsTranslationMemory& operator=(const clsTranslationMemory&) = delete;

    // Language codes ("en", "de"): the first folder or TMX file that tells sets them when they are
    // empty; a folder or file of another target language is refused.
    QString SourceLanguage;
    QString TargetLanguage;

    // Each translated text of the loaded tables: both sides have the entry, the text can be saved,
    // and the translation is not empty and not still the source's text, nor to review in pobjState
    // (its source changed, or it was filled from a memory). Their origin is the file of that kind in
    // pstrFolder.
    void AddTables(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                   const QString& pstrFolder, const clsTranslationState* pobjState = nullptr);
    // Loads both folders in the code page, and the translated folder's state (unreadable: none). False, with every file that failed as "path:line:
    // reason", when one does not load or the folder's language (from its name) is not the memory's.
    bool AddFolderPair(const QString& pstrSourceFolder, const QString& pstrFolder, const QString& pstrCodePage,
                       QString& pstrError);
    // The units with a translation in the memory's target language. False with the reason when the
    // file cannot be read or is not TMX, or when it has units but none in that language.
    bool AddTmx(const QString& pstrPath, QString& pstrError);
    // A .tmx file, or a translated folder with its source found as export finds it (the sibling
    // folder named English).
    bool AddPath(const QString& pstrPath, const QString& pstrCodePage, QString& pstrError);
    // False when the memory holds that source with that translation already: each pair is kept once,
    // with the first origin it came from.
    bool AddUnit(const QString& pstrSource, const QString& pstrTranslation, const QString& pstrOrigin,
                 const QString& pstrEntry);

    qsizetype Size() const { return static_cast<qsizetype>(mudtUnits.size()); }
    const std::vector<udtMemoryUnit>& Units() const { return mudtUnits; }

    // The index over every unit added so far.
    void Build();
    // Up to plngMax suggestions for a source text: exact matches, then by score, each translation
    // once. None for an empty text.
    std::vector<udtSuggestion> Suggestions(const QString& pstrSource, int32_t plngMax = MaxSuggestions) const;
    // The first exact match, the one a pre-translation takes: a lookup, without the fuzzy search.
    std::optional<udtSuggestion> BestExact(const QString& pstrSource) const;
    // Every unit whose source, translation or either holds the word or phrase: compared as
    // ConcordanceTexts (basMatchText.h: no case, no access keys, any white space one space). The
    // first plngMax of them and how many there are; none for a text of white space only. The
    // first search after an Add reads the units for it, once.
    udtConcordance Concordance(const QString& pstrText, enuConcordanceSide penuSide = enuConcordanceSide::Both,
                               int32_t plngMax = MaxConcordanceHits) const;

    // The units as TMX, texts with LF line breaks; a unit of a language file has the tuid
    // "core.lrc:frmMain.cmdOK.0.C", as the PO and XLIFF exports name entries.
    udtTmxDocument ToTmx() const;

private:
    int32_t OriginIndex(const QString& pstrOrigin);
    void DropUnitsFrom(size_t plngFirst);  // the units from that one on, as if never added
    bool LanguageFits(const QString& pstrTarget, const QString& pstrWhat, QString& pstrError) const;
    void TakeLanguages(const QString& pstrSource, const QString& pstrTarget);
    const clsMemoryIndex& Index() const;
    udtSuggestion SuggestionOf(int32_t plngUnit, int32_t plngScore, bool pbooExact) const;

    std::vector<udtMemoryUnit> mudtUnits;
    QStringList mstrOrigins;
    QHash<uint64_t, int32_t> mlngFirstOfPair;  // hash of source and translation -> the first unit
    std::vector<int32_t> mlngNextOfPair;       // per unit: the next unit of the same hash, or -1
    mutable std::unique_ptr<clsMemoryIndex> mobjIndex;  // null until built, and again after an Add
    // Null until the first concordance search, and again after an Add; made under the lock, so
    // that searches from several threads make it once.
    mutable std::unique_ptr<clsConcordanceIndex> mobjConcordance;
    mutable std::mutex mobjConcordanceLock;
};

}  // namespace tralyx
