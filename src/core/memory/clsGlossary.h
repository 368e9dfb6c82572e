#pragma once
// A glossary: the terms of one language pair, each source term with its translations, and the
// lookup of the terms an English text uses. Words match whole and ignoring case and access keys
// ("&File" is "file"); a plural matches its singular the cheap way ("notes" and "entries" find
// "note" and "entry"); where terms overlap the one of more words wins ("Save as" before "Save").
//
// Fill it (Load, Add), then look up; a lookup allocates nothing but its answer.
#include "checks/basChecks.h"
#include "memory/basGlossaryFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tralyx {

struct udtGlossaryTerm {
    QString Source;            // as the glossary writes it: "Save as"
    QStringList Translations;  // each once, in the glossary's order
};

struct udtGlossaryHit {
    int32_t Term = -1;       // in Terms()
    qsizetype Position = 0;  // where the term starts in the text, and its length there
    qsizetype Length = 0;
};

class clsGlossary {
public:
    // The pair the file's languages are taken for; the target is taken from the file when empty.
    QString SourceLanguage = QStringLiteral("en");
    QString TargetLanguage;

    // A .csv file as CSV, any other as TBX; the terms are added to those held. False with
    // "path: line N: what" when the file cannot be read (then nothing is added).
    bool Load(const QString& pstrPath, QString& pstrError);
    // A translation of a source term (a term met again gains it); texts without a word are left out.
    void Add(const QString& pstrSource, const QString& pstrTranslation);
    void Clear();

    const std::vector<udtGlossaryTerm>& Terms() const { return mudtTerms; }
    bool IsEmpty() const { return mudtTerms.empty(); }

    // The terms the text uses, in the text's order, none overlapping.
    std::vector<udtGlossaryHit> Find(QStringView pstrText) const;

private:
    struct udtTermWords {
        std::vector<uint64_t> Words;  // each word's key
    };
    std::vector<udtGlossaryTerm> mudtTerms;
    std::vector<udtTermWords> mudtWords;     // per term
    QHash<uint64_t, int32_t> mlngTermOfKey;  // the keys of all its words -> the term
    QHash<uint64_t, std::vector<int32_t>> mlngByFirstWord;  // the terms a word starts, most words first
};

// The rule "glossary" (warning): a term of the glossary that the source text uses and whose
// translations the translation holds none of (ignoring case and access keys); once per term. Texts
// that are empty, still their source's or only on one side are not checked.
void CheckGlossary(const clsGlossary& pobjGlossary, enuFileKind penuFile, const udtEntryText& pudtEntry,
                   std::vector<udtProblem>& pudtOut);

// The start of a glossary from a translated core.lrc: the captions (menus among them) of up to
// plngMaxWords words that are translated, access keys and a trailing "..." or ":" removed, each
// source once (case aside) with its most frequent translation (of equals the first), in the source's
// order; texts to review in pobjState (may be null) are left out. Each source that had several
// translations goes to pstrAmbiguous as "\"Open\": \"Öffnen\" (3 of 5 translations; also
// \"Aufmachen\" 2)", its parenthesis as the pair's note.
std::vector<udtGlossaryPair> GlossaryOfCaptions(const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                                                const clsTranslationState* pobjState, QStringList& pstrAmbiguous,
                                                int32_t plngMaxWords = 4);

}  // namespace tralyx
