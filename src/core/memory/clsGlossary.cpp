#include "memory/clsGlossary.h"

#include "common/basShortened.h"
#include "memory/basMatchText.h"
#include "store/basSafeFile.h"

#include <QVarLengthArray>
#include <algorithm>

namespace tralyx {
namespace {

struct udtWord {
    qsizetype Start = 0, End = 0;
    uint64_t Key = 0;
    bool JoinsPrevious = false;  // only blanks or a hyphen since the word before: the two may make one term
};
using WordList = QVarLengthArray<udtWord, 64>;

bool IsWordChar(QChar pchr)
{
    const char16_t c = pchr.unicode();
    if (c < 0x80) return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    return pchr.isLetterOrNumber() || pchr.isMark();
}

bool Joins(QStringView pstrGap)
{
    for (const QChar chr : pstrGap)
        if (chr != u' ' && chr != u'\t' && chr != QChar(0xA0) && chr != u'-') return false;
    return true;
}

// A word's key: its letters case-folded, without its access key's "&", a plural's ending cut the
// cheap way ("entries" as "entry", "notes" as "note"; not "ss": "process").
uint64_t WordKey(QStringView pstrText, qsizetype plngStart, qsizetype plngEnd)
{
    QVarLengthArray<char16_t, 48> chrFolded;
    for (qsizetype i = plngStart; i < plngEnd; ++i) {
        const char16_t c = pstrText[i].unicode();
        if (c == u'&') continue;
        chrFolded.append(c < 0x80 ? (c >= u'A' && c <= u'Z' ? char16_t(c | 0x20) : c) : QChar(c).toCaseFolded().unicode());
    }
    qsizetype n = chrFolded.size();
    const auto EndsWith = [&](const char* pstrEnd, qsizetype plngLength) {
        if (n < plngLength) return false;
        for (qsizetype k = 0; k < plngLength; ++k)
            if (chrFolded[n - plngLength + k] != char16_t(pstrEnd[k])) return false;
        return true;
    };
    if (n > 4 && EndsWith("ies", 3)) {
        n -= 2;
        chrFolded[n - 1] = u'y';
    } else if (n > 3 && EndsWith("s", 1) && !EndsWith("ss", 2)) {
        --n;
    }
    return TextHash(QStringView(chrFolded.constData(), n));
}

// The words of a text: runs of letters and digits, an access key's "&" inside them ("&&" is a plain
// "&", which parts words).
void WordsOf(QStringView pstrText, WordList& pudtOut)
{
    pudtOut.clear();
    const qsizetype n = pstrText.size();
    qsizetype lngGap = 0;
    for (qsizetype i = 0; i < n;) {
        const bool booKey = pstrText[i] == u'&' && i + 1 < n && IsWordChar(pstrText[i + 1]);
        if (!booKey && !IsWordChar(pstrText[i])) {
            i += pstrText[i] == u'&' && i + 1 < n && pstrText[i + 1] == u'&' ? 2 : 1;
            continue;
        }
        const qsizetype lngStart = i;
        for (++i; i < n; ++i)
            if (!IsWordChar(pstrText[i]) && !(pstrText[i] == u'&' && i + 1 < n && IsWordChar(pstrText[i + 1]))) break;
        udtWord udtOut{lngStart, i, WordKey(pstrText, lngStart, i), false};
        udtOut.JoinsPrevious = !pudtOut.isEmpty() && Joins(pstrText.sliced(lngGap, lngStart - lngGap));
        pudtOut.append(udtOut);
        lngGap = i;
    }
}

uint64_t TermKey(const std::vector<uint64_t>& plngWords)
{
    uint64_t lngKey = 0xcbf29ce484222325ull;
    for (const uint64_t lngWord : plngWords) lngKey = (lngKey ^ lngWord) * 0x100000001b3ull + (lngKey >> 29);
    return lngKey;
}

// How the rule compares a translation with a term's: case-folded, access keys and markers masked.
QString Comparable(QStringView pstrText) { return MaskedText(pstrText).toCaseFolded(); }

// A caption as a term: access keys dropped, a trailing "..." or ":" cut.
QString CaptionTerm(QStringView pstrCaption)
{
    QString strOut = MaskedText(pstrCaption).trimmed();
    for (const QString& strEnd : {QStringLiteral("..."), QStringLiteral("\u2026"), QStringLiteral(":")})
        if (strOut.endsWith(strEnd)) strOut = strOut.chopped(strEnd.size()).trimmed();
    return strOut;
}

}  // namespace

bool clsGlossary::Load(const QString& pstrPath, QString& pstrError)
{
    QByteArray bytContent;
    QString strReason;
    udtGlossaryDocument udtDocument;
    udtDocument.SourceLanguage = SourceLanguage;
    udtDocument.TargetLanguage = TargetLanguage;
    const bool booCsv = pstrPath.endsWith(QLatin1StringView(".csv"), Qt::CaseInsensitive);
    if (!ReadWholeFile(pstrPath, bytContent, strReason) ||
        !(booCsv ? ReadGlossaryCsv(bytContent, udtDocument, strReason) : ReadTbx(bytContent, udtDocument, strReason))) {
        pstrError = QStringLiteral("%1: %2").arg(pstrPath, strReason);
        return false;
    }
    if (TargetLanguage.isEmpty()) TargetLanguage = udtDocument.TargetLanguage;
    for (const udtGlossaryPair& u : udtDocument.Pairs) Add(u.Source, u.Translation);
    return true;
}

void clsGlossary::Add(const QString& pstrSource, const QString& pstrTranslation)
{
    WordList udtWords;
    WordsOf(pstrSource, udtWords);
    if (udtWords.isEmpty() || pstrTranslation.trimmed().isEmpty()) return;
    std::vector<uint64_t> lngWords;
    for (const udtWord& u : udtWords) lngWords.push_back(u.Key);
    const uint64_t lngKey = TermKey(lngWords);
    if (const auto it = mlngTermOfKey.constFind(lngKey); it != mlngTermOfKey.cend()) {
        QStringList& strTranslations = mudtTerms[size_t(*it)].Translations;
        if (!strTranslations.contains(pstrTranslation)) strTranslations.append(pstrTranslation);
        return;
    }
    const int32_t lngTerm = int32_t(mudtTerms.size());
    mudtTerms.push_back({pstrSource, {pstrTranslation}});
    mlngTermOfKey.insert(lngKey, lngTerm);
    std::vector<int32_t>& lngStarting = mlngByFirstWord[lngWords.front()];
    // Most words first, so that the first that fits is the longest.
    const auto itAt = std::find_if(lngStarting.begin(), lngStarting.end(),
                                   [&](int32_t t) { return mudtWords[size_t(t)].Words.size() < lngWords.size(); });
    lngStarting.insert(itAt, lngTerm);
    mudtWords.push_back({std::move(lngWords)});
}

void clsGlossary::Clear()
{
    mudtTerms.clear();
    mudtWords.clear();
    mlngTermOfKey.clear();
    mlngByFirstWord.clear();
}

std::vector<udtGlossaryHit> clsGlossary::Find(QStringView pstrText) const
{
    std::vector<udtGlossaryHit> udtOut;
    if (mudtTerms.empty()) return udtOut;
    WordList udtWords;
    WordsOf(pstrText, udtWords);
    for (qsizetype i = 0; i < udtWords.size();) {
        const auto it = mlngByFirstWord.constFind(udtWords[i].Key);
        qsizetype lngTaken = 1;
        if (it != mlngByFirstWord.cend()) {
            for (const int32_t lngTerm : *it) {
                const std::vector<uint64_t>& lngWords = mudtWords[size_t(lngTerm)].Words;
                const qsizetype lngCount = qsizetype(lngWords.size());
                if (i + lngCount > udtWords.size()) continue;
                qsizetype k = 1;
                while (k < lngCount && udtWords[i + k].Key == lngWords[size_t(k)] && udtWords[i + k].JoinsPrevious) ++k;
                if (k < lngCount) continue;
                udtOut.push_back({lngTerm, udtWords[i].Start, udtWords[i + lngCount - 1].End - udtWords[i].Start});
                lngTaken = lngCount;
                break;
            }
        }
        i += lngTaken;
    }
    return udtOut;
}

void CheckGlossary(const clsGlossary& pobjGlossary, enuFileKind penuFile, const udtEntryText& pudtEntry,
                   std::vector<udtProblem>& pudtOut)
{
    if (pudtEntry.Missing() || pudtEntry.Obsolete() || !pudtEntry.Storable || pudtEntry.Translation.isEmpty() ||
        pudtEntry.Translation == pudtEntry.Source)
        return;
    const std::vector<udtGlossaryHit> udtHits = pobjGlossary.Find(pudtEntry.Source);
    if (udtHits.empty()) return;
    const QString strTranslation = Comparable(pudtEntry.Translation);
    QVarLengthArray<int32_t, 8> lngReported;
    for (const udtGlossaryHit& udtHit : udtHits) {
        if (lngReported.contains(udtHit.Term)) continue;
        lngReported.append(udtHit.Term);
        const udtGlossaryTerm& udtTerm = pobjGlossary.Terms()[size_t(udtHit.Term)];
        const bool booHeld = std::any_of(udtTerm.Translations.begin(), udtTerm.Translations.end(),
                                         [&](const QString& s) { return strTranslation.contains(Comparable(s)); });
        if (booHeld) continue;
        pudtOut.push_back({QStringLiteral("glossary"), enuSeverity::Warning, LanguageFileName(penuFile), pudtEntry.Line,
                           pudtEntry.SourceLine, pudtEntry.Id,
                           QStringLiteral("\"%1\" should be \"%2\" (\"%3\")")
                               .arg(udtTerm.Source, udtTerm.Translations.join(QStringLiteral("\" or \"")),
                                    Shortened(pudtEntry.Translation))});
    }
}

std::vector<udtGlossaryPair> GlossaryOfCaptions(const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                                                const clsTranslationState* pobjState, QStringList& pstrAmbiguous,
                                                int32_t plngMaxWords)
{
    struct udtCandidate {
        QString Source;
        QStringList Translations;
        std::vector<int32_t> Counts;
    };
    std::vector<udtCandidate> udtFound;
    QHash<QString, size_t> lngFoundOf;  // case-folded source -> in udtFound
    WordList udtWords;
    ForEachEntry(enuFileKind::ControlText, pobjSource, pobjTranslation, [&](const udtEntryText& u) {
        if (u.Kind != enuTextKind::Caption || u.Missing() || u.Obsolete() || !u.Storable || u.Translation.isEmpty() ||
            u.Translation == u.Source || HasMarker(u.Source) || u.Source.contains(u'\n') || u.Translation.contains(u'\n'))
            return;
        if (pobjState)
            if (const udtTextState* pudtState = pobjState->Find(enuFileKind::ControlText, u.Key); pudtState && pudtState->Review) return;
        const QString strSource = CaptionTerm(u.Source), strTranslation = CaptionTerm(u.Translation);
        WordsOf(strSource, udtWords);
        if (udtWords.isEmpty() || udtWords.size() > plngMaxWords || strTranslation.isEmpty() || !HasLetter(strSource)) return;
        const QString strKey = strSource.toCaseFolded();
        auto it = lngFoundOf.find(strKey);
        if (it == lngFoundOf.end()) {
            it = lngFoundOf.insert(strKey, udtFound.size());
            udtFound.push_back({strSource, {}, {}});
        }
        udtCandidate& udtOne = udtFound[*it];
        const qsizetype lngAt = udtOne.Translations.indexOf(strTranslation);
        if (lngAt >= 0) {
            ++udtOne.Counts[size_t(lngAt)];
        } else {
            udtOne.Translations.append(strTranslation);
            udtOne.Counts.push_back(1);
        }
    });
    std::vector<udtGlossaryPair> udtOut;
    for (const udtCandidate& u : udtFound) {
        // The most frequent; of equals, the first met.
        const size_t lngBest = size_t(std::max_element(u.Counts.begin(), u.Counts.end()) - u.Counts.begin());
        udtGlossaryPair udtPair{u.Source, u.Translations[qsizetype(lngBest)], QString()};
        if (u.Translations.size() > 1) {
            int32_t lngAll = 0;
            QStringList strOthers;
            for (size_t k = 0; k < u.Counts.size(); ++k) {
                lngAll += u.Counts[k];
                if (k != lngBest) strOthers.append(QStringLiteral("\"%1\" %2").arg(u.Translations[qsizetype(k)]).arg(u.Counts[k]));
            }
            udtPair.Note = QStringLiteral("%1 of %2 translations; also %3").arg(u.Counts[lngBest]).arg(lngAll).arg(strOthers.join(QStringLiteral(", ")));
            pstrAmbiguous.append(QStringLiteral("\"%1\": \"%2\" (%3)").arg(u.Source, udtPair.Translation, udtPair.Note));
        }
        udtOut.push_back(std::move(udtPair));
    }
    return udtOut;
}

}  // namespace tralyx
