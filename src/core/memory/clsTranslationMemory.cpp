#include "memory/clsTranslationMemory.h"

#include "checks/basEntryMatch.h"
#include "store/basSourceFolder.h"
#include "exchange/basExchangeText.h"
#include "exchange/basLanguageFolder.h"
#include "memory/basMatchText.h"
#include "memory/clsConcordanceIndex.h"
#include "memory/clsMemoryIndex.h"
#include "state/basStateIds.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

namespace tralyx {

namespace {

uint64_t PairHash(const QString& pstrSource, const QString& pstrTranslation)
{
    return TextHash(pstrSource) ^ (TextHash(pstrTranslation) * 0x9E3779B97F4A7C15ull);
}

}  // namespace

clsTranslationMemory::clsTranslationMemory() = default;

clsTranslationMemory::~clsTranslationMemory() = default;

int32_t clsTranslationMemory::OriginIndex(const QString& pstrOrigin)
{
    if (!mstrOrigins.isEmpty() && mstrOrigins.back() == pstrOrigin) return static_cast<int32_t>(mstrOrigins.size() - 1);
    const qsizetype lngAt = mstrOrigins.indexOf(pstrOrigin);
    if (lngAt >= 0) return static_cast<int32_t>(lngAt);
    mstrOrigins.append(pstrOrigin);
    return static_cast<int32_t>(mstrOrigins.size() - 1);
}

bool clsTranslationMemory::AddUnit(const QString& pstrSource, const QString& pstrTranslation, const QString& pstrOrigin,
                                   const QString& pstrEntry)
{
    const uint64_t lngHash = PairHash(pstrSource, pstrTranslation);
    const int32_t lngUnit = static_cast<int32_t>(mudtUnits.size());
    auto it = mlngFirstOfPair.find(lngHash);
    if (it == mlngFirstOfPair.end()) {
        mlngFirstOfPair.insert(lngHash, lngUnit);
    } else {
        int32_t u = it.value();
        for (;; u = mlngNextOfPair[static_cast<size_t>(u)]) {
            const udtMemoryUnit& udtUnit = mudtUnits[static_cast<size_t>(u)];
            if (udtUnit.Source == pstrSource && udtUnit.Translation == pstrTranslation) return false;
            if (mlngNextOfPair[static_cast<size_t>(u)] < 0) break;
        }
        mlngNextOfPair[static_cast<size_t>(u)] = lngUnit;
    }
    mlngNextOfPair.push_back(-1);
    mudtUnits.push_back({pstrSource, pstrTranslation, OriginIndex(pstrOrigin), pstrEntry});
    mobjIndex.reset();
    mobjConcordance.reset();
    return true;
}

void clsTranslationMemory::AddTables(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                                     const QString& pstrFolder, const clsTranslationState* pobjState)
{
    const QString strOrigin = pstrFolder + u'/' + LanguageFileName(penuFile);
    const size_t lngMore = static_cast<size_t>(RecordCount(pobjTranslation, penuFile) * TextsPerRecord(penuFile));
    mudtUnits.reserve(mudtUnits.size() + lngMore);
    mlngNextOfPair.reserve(mudtUnits.size() + lngMore);
    mlngFirstOfPair.reserve(static_cast<qsizetype>(mudtUnits.size() + lngMore));
    ForEachEntry(penuFile, pobjSource, pobjTranslation, [&](const udtEntryText& u) {
        if (u.Missing() || u.Obsolete() || !u.Storable || u.Source.isEmpty() || u.Translation.isEmpty() ||
            u.Translation == u.Source)
            return;
        const udtTextState* pudtState = pobjState ? pobjState->Find(penuFile, u.Key) : nullptr;
        if (pudtState && pudtState->Review) return;
        AddUnit(u.Source, u.Translation, strOrigin, u.Key);
    });
}

bool clsTranslationMemory::LanguageFits(const QString& pstrTarget, const QString& pstrWhat, QString& pstrError) const
{
    if (pstrTarget.isEmpty() || TargetLanguage.isEmpty() || SameLanguage(pstrTarget, TargetLanguage)) return true;
    pstrError = QCoreApplication::translate("clsTranslationMemory", "%1: its language is %2, the memory's %3").arg(pstrWhat, pstrTarget, TargetLanguage);
    return false;
}

void clsTranslationMemory::TakeLanguages(const QString& pstrSource, const QString& pstrTarget)
{
    if (TargetLanguage.isEmpty()) TargetLanguage = pstrTarget;
    if (SourceLanguage.isEmpty()) SourceLanguage = pstrSource;
}

bool clsTranslationMemory::AddFolderPair(const QString& pstrSourceFolder, const QString& pstrFolder,
                                         const QString& pstrCodePage, QString& pstrError)
{
    const QString strTarget = LanguageCodeOfFolder(pstrFolder);
    if (!LanguageFits(strTarget, pstrFolder, pstrError)) return false;
    udtLanguageFolder udtSource, udtTranslation;
    QStringList strErrors;
    LoadLanguageFolder(pstrSourceFolder, pstrCodePage, udtSource, strErrors);
    LoadLanguageFolder(pstrFolder, pstrCodePage, udtTranslation, strErrors);
    VerifyFolderState(udtTranslation, &udtSource);  // a review given for another text says nothing of this one
    if (!strErrors.isEmpty()) {
        pstrError = strErrors.join(u'\n');
        return false;
    }
    for (const enuFileKind enuFile : AllFileKinds)
        if (!udtSource.FileOf(enuFile).isEmpty() && !udtTranslation.FileOf(enuFile).isEmpty())
            AddTables(enuFile, udtSource.Store, udtTranslation.Store, pstrFolder, &udtTranslation.State);
    TakeLanguages(LanguageCodeOfFolder(pstrSourceFolder), strTarget);
    return true;
}

void clsTranslationMemory::DropUnitsFrom(size_t plngFirst)
{
    // From the last: a unit dropped is the last of its chain.
    while (mudtUnits.size() > plngFirst) {
        const udtMemoryUnit& udtUnit = mudtUnits.back();
        const int32_t lngUnit = static_cast<int32_t>(mudtUnits.size() - 1);
        const auto it = mlngFirstOfPair.find(PairHash(udtUnit.Source, udtUnit.Translation));
        if (it.value() == lngUnit) {
            mlngFirstOfPair.erase(it);
        } else {
            int32_t u = it.value();
            while (mlngNextOfPair[static_cast<size_t>(u)] != lngUnit) u = mlngNextOfPair[static_cast<size_t>(u)];
            mlngNextOfPair[static_cast<size_t>(u)] = -1;
        }
        mudtUnits.pop_back();
        mlngNextOfPair.pop_back();
    }
    mobjIndex.reset();
    mobjConcordance.reset();
}

bool clsTranslationMemory::AddTmx(const QString& pstrPath, QString& pstrError)
{
    QString strReason;
    udtTmxDocument udtLanguages;
    udtLanguages.SourceLanguage = SourceLanguage;
    udtLanguages.TargetLanguage = TargetLanguage;
    // Each unit goes into the memory as it is read; a file that fails leaves none of its own.
    struct clsToMemory final : clsTmxUnitSink {
        clsTranslationMemory& Memory;
        const QString& Path;
        const size_t First;
        qsizetype Read = 0;
        bool AnyTranslation = false;
        clsToMemory(clsTranslationMemory& pobjMemory, const QString& pstrPath)
            : Memory(pobjMemory), Path(pstrPath), First(pobjMemory.mudtUnits.size()) {}
        void Unit(udtTmxUnit& u) override
        {
            ++Read;
            if (u.Translation.isEmpty()) return;
            AnyTranslation = true;
            if (!u.Source.isEmpty()) Memory.AddUnit(FromExchangeText(u.Source), FromExchangeText(u.Translation), Path, u.Id);
        }
        void Restart() override
        {
            Memory.DropUnitsFrom(First);
            Read = 0;
            AnyTranslation = false;
        }
    } objSink(*this, pstrPath);
    if (!ReadTmxFile(pstrPath, udtLanguages, objSink, strReason)) {
        objSink.Restart();
        pstrError = QStringLiteral("%1: %2").arg(pstrPath, strReason);
        return false;
    }
    if (objSink.Read > 0 && !objSink.AnyTranslation) {
        pstrError = QCoreApplication::translate("clsTranslationMemory", "%1: none of its %2 units has a translation in %3")
                        .arg(pstrPath)
                        .arg(objSink.Read)
                        .arg(udtLanguages.TargetLanguage.isEmpty() ? QCoreApplication::translate("clsTranslationMemory", "a second language") : udtLanguages.TargetLanguage);
        return false;
    }
    if (!LanguageFits(udtLanguages.TargetLanguage, pstrPath, pstrError)) {
        objSink.Restart();
        return false;
    }
    TakeLanguages(udtLanguages.SourceLanguage, udtLanguages.TargetLanguage);
    return true;
}

bool clsTranslationMemory::AddPath(const QString& pstrPath, const QString& pstrCodePage, QString& pstrError)
{
    const QFileInfo objPath(pstrPath);
    if (objPath.isDir()) {
        const QString strSource = FindSourceFolder(pstrPath);
        if (strSource.isEmpty()) {
            pstrError = QCoreApplication::translate("clsTranslationMemory", "%1: no source folder beside it (a sibling folder named English)").arg(pstrPath);
            return false;
        }
        return AddFolderPair(strSource, pstrPath, pstrCodePage, pstrError);
    }
    if (pstrPath.endsWith(QLatin1StringView(".tmx"), Qt::CaseInsensitive)) return AddTmx(pstrPath, pstrError);
    pstrError = objPath.exists() ? QCoreApplication::translate("clsTranslationMemory", "%1: neither a language folder nor a .tmx file").arg(pstrPath)
                                 : QCoreApplication::translate("clsTranslationMemory", "%1: no such file or folder").arg(pstrPath);
    return false;
}

void clsTranslationMemory::Build() { Index(); }

const clsMemoryIndex& clsTranslationMemory::Index() const
{
    if (!mobjIndex) mobjIndex = std::make_unique<clsMemoryIndex>(mudtUnits);
    return *mobjIndex;
}

udtSuggestion clsTranslationMemory::SuggestionOf(int32_t plngUnit, int32_t plngScore, bool pbooExact) const
{
    const udtMemoryUnit& u = mudtUnits[static_cast<size_t>(plngUnit)];
    return {plngScore, pbooExact, u.Source, u.Translation, mstrOrigins.value(u.Origin), u.Entry};
}

std::vector<udtSuggestion> clsTranslationMemory::Suggestions(const QString& pstrSource, int32_t plngMax) const
{
    std::vector<udtSuggestion> udtOut;
    if (pstrSource.isEmpty() || plngMax <= 0) return udtOut;
    std::vector<clsMemoryIndex::udtMatch> udtMatches = Index().Matches(MaskedText(pstrSource), MinimumScore);
    // Exact matches first, then by score; among equals the unit added first (the open folder, then
    // the memory's folders and files in their order).
    const auto Exact = [&](const clsMemoryIndex::udtMatch& m) {
        return m.Score == 100 && mudtUnits[static_cast<size_t>(m.Unit)].Source == pstrSource;
    };
    std::sort(udtMatches.begin(), udtMatches.end(), [&](const clsMemoryIndex::udtMatch& a, const clsMemoryIndex::udtMatch& b) {
        const bool booA = Exact(a), booB = Exact(b);
        if (booA != booB) return booA;
        return a.Score != b.Score ? a.Score > b.Score : a.Unit < b.Unit;
    });
    QStringList strTaken;  // each translation once: the best of its matches
    for (const clsMemoryIndex::udtMatch& m : udtMatches) {
        const QString& strTranslation = mudtUnits[static_cast<size_t>(m.Unit)].Translation;
        if (strTaken.contains(strTranslation)) continue;
        strTaken.append(strTranslation);
        udtOut.push_back(SuggestionOf(m.Unit, m.Score, Exact(m)));
        if (static_cast<int32_t>(udtOut.size()) == plngMax) break;
    }
    return udtOut;
}

std::optional<udtSuggestion> clsTranslationMemory::BestExact(const QString& pstrSource) const
{
    if (pstrSource.isEmpty()) return std::nullopt;
    for (const int32_t u : Index().SameMasked(MaskedText(pstrSource)))
        if (mudtUnits[static_cast<size_t>(u)].Source == pstrSource) return SuggestionOf(u, 100, true);
    return std::nullopt;
}

udtConcordance clsTranslationMemory::Concordance(const QString& pstrText, enuConcordanceSide penuSide, int32_t plngMax) const
{
    udtConcordance udtOut;
    const QString strFolded = ConcordanceText(pstrText).trimmed();
    if (strFolded.isEmpty()) return udtOut;
    const clsConcordanceIndex* pobjIndex;
    {
        const std::lock_guard objLock(mobjConcordanceLock);
        if (!mobjConcordance) mobjConcordance = std::make_unique<clsConcordanceIndex>(mudtUnits);
        pobjIndex = mobjConcordance.get();
    }
    std::vector<int32_t> lngUnits;
    if (penuSide != enuConcordanceSide::Translation) lngUnits = pobjIndex->Find(strFolded, clsConcordanceIndex::Source);
    if (penuSide != enuConcordanceSide::Source) {
        const std::vector<int32_t> lngInTranslation = pobjIndex->Find(strFolded, clsConcordanceIndex::Translation);
        std::vector<int32_t> lngEither;
        lngEither.reserve(lngUnits.size() + lngInTranslation.size());
        std::set_union(lngUnits.begin(), lngUnits.end(), lngInTranslation.begin(), lngInTranslation.end(), std::back_inserter(lngEither));
        lngUnits = std::move(lngEither);
    }
    udtOut.Total = static_cast<int32_t>(lngUnits.size());
    const size_t lngShown = std::min(lngUnits.size(), static_cast<size_t>(std::max(plngMax, 0)));
    udtOut.Hits.reserve(lngShown);
    for (size_t i = 0; i < lngShown; ++i) {
        const udtMemoryUnit& u = mudtUnits[static_cast<size_t>(lngUnits[i])];
        udtOut.Hits.push_back({u.Source, u.Translation, mstrOrigins.value(u.Origin), u.Entry});
    }
    return udtOut;
}

udtTmxDocument clsTranslationMemory::ToTmx() const
{
    udtTmxDocument udtDocument;
    udtDocument.SourceLanguage = SourceLanguage;
    udtDocument.TargetLanguage = TargetLanguage;
    udtDocument.Units.reserve(mudtUnits.size());
    QStringList strPrefixes;  // per origin: "core.lrc:" for a language file, nothing for a TMX file
    for (const QString& strOrigin : mstrOrigins) {
        const std::optional<enuFileKind> enuFile = FileKindOfPath(strOrigin);
        strPrefixes.append(enuFile && strOrigin.endsWith(LanguageFileName(*enuFile)) ? LanguageFileName(*enuFile) + u':' : QString());
    }
    for (const udtMemoryUnit& u : mudtUnits) {
        const QString& strPrefix = strPrefixes[u.Origin];
        udtDocument.Units.push_back({strPrefix.isEmpty() || u.Entry.isEmpty() ? u.Entry : strPrefix + u.Entry,
                                     ToExchangeText(u.Source), ToExchangeText(u.Translation), QString()});
    }
    return udtDocument;
}

}  // namespace tralyx
