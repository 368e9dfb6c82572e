#include "checks/clsTranslationConsistency.h"

#include "common/basShortened.h"

#include <QCoreApplication>
#include <QHash>

namespace tralyx {
namespace {

// A 64-bit hash of UTF-16 text, four characters a step: texts are short, and every entry of a
// folder is hashed. Fed whole (Add) or a character at a time (Put), alike.
class clsTextHash {
public:
    void Add(const char16_t* p, size_t plngChars)
    {
        for (; plngChars > 0 && mlngFilled != 0; --plngChars) Put(*p++);
        for (; plngChars >= 4; p += 4, plngChars -= 4) {
            mlngChars += 4;
            Mix(quint64(p[0]) | quint64(p[1]) << 16 | quint64(p[2]) << 32 | quint64(p[3]) << 48);
        }
        while (plngChars--) Put(*p++);
    }
    void Put(char16_t c)
    {
        ++mlngChars;
        mlngWord |= quint64(c) << (16 * mlngFilled);
        if (++mlngFilled == 4) {
            Mix(mlngWord);
            mlngWord = 0;
            mlngFilled = 0;
        }
    }
    quint64 Value() const
    {
        // The length tells "a" from "a\0".
        quint64 h = ((mlngFilled ? Mixed(mlngHash, mlngWord) : mlngHash) ^ mlngChars) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
        h *= 0x94D049BB133111EBull;
        return h ^ (h >> 32);
    }

private:
    static quint64 Mixed(quint64 plngHash, quint64 plngWord)
    {
        plngHash = (plngHash ^ plngWord) * 0x9E3779B97F4A7C15ull;
        return plngHash ^ (plngHash >> 29);
    }
    void Mix(quint64 plngWord) { mlngHash = Mixed(mlngHash, plngWord); }

    quint64 mlngHash = 0, mlngChars = 0, mlngWord = 0;
    int mlngFilled = 0;
};

// The hash of a text as its control shows it: a caption without its access keys ("&&" shows "&").
quint64 ShownHash(QStringView pstrText, bool pbooCaption)
{
    clsTextHash objHash;
    const char16_t* const p = pstrText.utf16();
    qsizetype lngFrom = 0;
    for (qsizetype i; pbooCaption && (i = pstrText.indexOf(u'&', lngFrom)) >= 0 && i + 1 < pstrText.size(); lngFrom = i + 2) {
        objHash.Add(p + lngFrom, size_t(i - lngFrom));
        objHash.Put(p[i + 1]);  // the access key's character, or the second "&" of "&&"
    }
    objHash.Add(p + lngFrom, size_t(pstrText.size() - lngFrom));
    return objHash.Value();
}

QString Quoted(QStringView pstrText) { return u'"' + Shortened(pstrText) + u'"'; }

// Whether two texts show the same, a caption's access keys left out.
bool SameShown(QStringView pstrOne, bool pbooOneCaption, QStringView pstrOther, bool pbooOtherCaption)
{
    if (!pbooOneCaption && !pbooOtherCaption) return pstrOne == pstrOther;
    for (qsizetype i = 0, j = 0;; ++i, ++j) {
        if (pbooOneCaption && i + 1 < pstrOne.size() && pstrOne[i] == u'&') ++i;
        if (pbooOtherCaption && j + 1 < pstrOther.size() && pstrOther[j] == u'&') ++j;
        if (i >= pstrOne.size() || j >= pstrOther.size()) return i >= pstrOne.size() && j >= pstrOther.size();
        if (pstrOne[i] != pstrOther[j]) return false;
    }
}

// Bit sets of hashes, 32 bits an entry or more: few hashes of different sources share a bit.
size_t BitSetWords(size_t plngEntries)
{
    size_t lngWords = 64;
    while (lngWords * 64 < 32 * plngEntries) lngWords *= 2;
    return lngWords;
}

bool HasBit(const std::vector<quint64>& plngBits, quint64 plngHash)
{
    return plngBits[(plngHash >> 6) & (plngBits.size() - 1)] >> (plngHash & 63) & 1;
}

// Sets the hash's bit; whether it was set before.
bool SetBit(std::vector<quint64>& plngBits, quint64 plngHash)
{
    quint64& lngWord = plngBits[(plngHash >> 6) & (plngBits.size() - 1)];
    const quint64 lngBit = quint64(1) << (plngHash & 63);
    const bool booWas = lngWord & lngBit;
    lngWord |= lngBit;
    return booWas;
}

// The line of a text in its file: where its record starts, or the own line of a caption or a title.
int32_t LineAt(const clsTralyx& pobjTable, enuFileKind penuFile, qsizetype plngRecord, enuTextKind penuKind)
{
    const bool booSecond = penuKind == enuTextKind::Caption || penuKind == enuTextKind::MessageTitle;
    const QVector<int32_t>& lngSecond =
        penuKind == enuTextKind::Caption ? pobjTable.ControlTextCaptionLines() : pobjTable.MessageTitleLines();
    if (booSecond && plngRecord >= 0 && plngRecord < lngSecond.size() && lngSecond[plngRecord] > 0) return lngSecond[plngRecord];
    const QVector<int32_t>& lngLines = penuFile == enuFileKind::ControlText ? pobjTable.ControlTextLines()
                                       : penuFile == enuFileKind::Messages  ? pobjTable.MessageLines()
                                                                            : pobjTable.SecondaryLines();
    return plngRecord >= 0 && plngRecord < lngLines.size() ? lngLines[plngRecord] : 0;
}

}  // namespace

void clsTranslationConsistency::Reserve(qsizetype plngEntries) { mudtLog.reserve(mudtLog.size() + size_t(plngEntries)); }

void clsTranslationConsistency::Add(enuFileKind penuFile, const clsTralyx& pobjTranslation, const udtEntryText& pudtEntry)
{
    if (pudtEntry.Missing() || pudtEntry.Obsolete() || !pudtEntry.Storable || pudtEntry.Translation.isEmpty() ||
        pudtEntry.Record >= (1 << 26) || !HasLetter(pudtEntry.Source))
        return;
    mobjTranslations[size_t(penuFile)] = &pobjTranslation;
    mudtLog.push_back({ShownHash(pudtEntry.Source, pudtEntry.Kind == enuTextKind::Caption),
                       quint32(pudtEntry.Record) << 5 | quint32(penuFile) << 3 | quint32(pudtEntry.Kind),
                       pudtEntry.SourceRecord});
}

void clsTranslationConsistency::EndFile(enuFileKind penuFile, const clsTralyx& pobjSource, std::vector<udtProblem>& pudtOut)
{
    // The bit set grows with the log, rebuilt from it.
    const size_t lngWords = BitSetWords(mudtLog.size());
    if (lngWords != mlngSeen.size()) {
        mlngSeen.assign(lngWords, 0);
        for (size_t i = 0; i < mlngEnded; ++i) SetBit(mlngSeen, mudtLog[i].Source);
    }
    // The file's entries whose source's bit was taken before: all that repeat a source, and a few others.
    std::vector<size_t> lngMaybe;
    for (size_t i = mlngEnded; i < mudtLog.size(); ++i)
        if (SetBit(mlngSeen, mudtLog[i].Source)) lngMaybe.push_back(i);
    mlngEnded = mudtLog.size();
    if (lngMaybe.empty()) return;
    // The first entry of each of their sources, in one more pass up to the last of them; a bit set of
    // their own lets the others pass at one test.
    QHash<quint64, size_t> lngFirst;
    lngFirst.reserve(qsizetype(lngMaybe.size()));
    std::vector<quint64> lngMaybeSeen(BitSetWords(lngMaybe.size()), 0);
    for (const size_t i : lngMaybe) {
        lngFirst.insert(mudtLog[i].Source, SIZE_MAX);
        SetBit(lngMaybeSeen, mudtLog[i].Source);
    }
    for (size_t i = 0; i <= lngMaybe.back(); ++i) {
        if (!HasBit(lngMaybeSeen, mudtLog[i].Source)) continue;
        const auto it = lngFirst.find(mudtLog[i].Source);
        if (it != lngFirst.end() && *it == SIZE_MAX) *it = i;
    }
    struct udtText {
        enuFileKind File;
        enuTextKind Kind;
        qsizetype Record;
        const clsTralyx* Table;
        QString Text;
    };
    const auto TextOf = [&](const udtLogged& u) {
        const auto enuFile = enuFileKind(u.Where >> 3 & 3);
        const auto enuKind = enuTextKind(u.Where & 7);
        const clsTralyx* pobjTable = mobjTranslations[size_t(enuFile)];
        return udtText{enuFile, enuKind, qsizetype(u.Where >> 5), pobjTable, EntryTextAt(*pobjTable, u.Where >> 5, enuKind)};
    };
    for (const size_t i : lngMaybe) {
        const size_t lngFirstAt = lngFirst.value(mudtLog[i].Source);
        if (lngFirstAt == i) continue;  // its bit was another source's
        const udtText udtFirst = TextOf(mudtLog[lngFirstAt]), udtLater = TextOf(mudtLog[i]);
        if (SameShown(udtLater.Text, udtLater.Kind == enuTextKind::Caption, udtFirst.Text, udtFirst.Kind == enuTextKind::Caption))
            continue;
        const qsizetype lngSourceRecord = mudtLog[i].SourceRecord;
        pudtOut.push_back(
            {QStringLiteral("consistency"), enuSeverity::Info, LanguageFileName(penuFile),
             LineAt(*udtLater.Table, penuFile, udtLater.Record, udtLater.Kind), LineAt(pobjSource, penuFile, lngSourceRecord, udtLater.Kind),
             EntryIdAt(penuFile, *udtLater.Table, udtLater.Record, udtLater.Kind),
             QCoreApplication::translate("clsTranslationConsistency", "the source %1 is translated %2 here and %3 at %4 (%5:%6)")
                 .arg(Quoted(EntryTextAt(pobjSource, lngSourceRecord, udtLater.Kind)), Quoted(udtLater.Text), Quoted(udtFirst.Text),
                      EntryIdAt(udtFirst.File, *udtFirst.Table, udtFirst.Record, udtFirst.Kind), LanguageFileName(udtFirst.File))
                 .arg(LineAt(*udtFirst.Table, udtFirst.File, udtFirst.Record, udtFirst.Kind))});
    }
}

}  // namespace tralyx
