#include "state/clsTranslationState.h"

#include "common/basFileSystem.h"
#include "common/basTextFingerprint.h"
#include "common/basJsonString.h"
#include "store/basMergeConflict.h"
#include "store/clsFirstPathIndex.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <optional>

namespace tralyx {
namespace {

constexpr QLatin1StringView VersionKey("tralyx-translation-state");
constexpr int32_t Version = 1;

void AppendString(QByteArray& pbytOut, QStringView pstrText) { AppendJsonString(pbytOut, pstrText, enuJsonTab::Unicode); }

int64_t LineOf(const QByteArray& pbytJson, qsizetype plngOffset)
{
    return QByteArrayView(pbytJson).first(std::clamp<qsizetype>(plngOffset, 0, pbytJson.size())).count('\n') + 1;
}

// Where a value starts in a text that parsed as JSON: the one under pbytKeys (object keys from the
// root), or item plngItem of that list; -1 when it is not there. Qt's reader gives no places, and a
// reason names the line it is about.
qsizetype ValueOffset(QByteArrayView pbytJson, std::initializer_list<QByteArrayView> pbytKeys, qsizetype plngItem = -1)
{
    const qsizetype n = pbytJson.size();
    qsizetype i = 0;
    const auto At = [&](char c) { return i < n && pbytJson[i] == c; };
    const auto Blank = [&] {
        while (i < n && (pbytJson[i] == ' ' || pbytJson[i] == '\t' || pbytJson[i] == '\n' || pbytJson[i] == '\r')) ++i;
    };
    const auto String = [&] {  // from its opening quote to past its closing one; its text as written
        const qsizetype lngStart = ++i;
        while (i < n && pbytJson[i] != '"') i += pbytJson[i] == '\\' ? 2 : 1;
        i = std::min(i, n);
        return pbytJson.sliced(lngStart, i++ - lngStart);
    };
    const auto Skip = [&] {  // past the value here
        int lngDepth = 0;
        do {
            Blank();
            if (i >= n) return;
            if (At('"')) String();
            else if (At('{') || At('[')) ++lngDepth, ++i;
            else if (At('}') || At(']')) --lngDepth, ++i;
            else if (At(',') || At(':')) ++i;
            else
                while (i < n && !QByteArrayView(",:]} \t\r\n").contains(pbytJson[i])) ++i;
        } while (lngDepth > 0);
    };
    const auto Next = [&] {  // past the "," after a member or an item; false at the end of its object or list
        Blank();
        return At(',') ? (++i, true) : false;
    };
    Blank();
    for (const QByteArrayView bytKey : pbytKeys) {
        if (!At('{')) return -1;
        ++i;
        for (;;) {
            Blank();
            if (!At('"')) return -1;
            const bool booFound = String() == bytKey;
            Blank();
            ++i;  // the ":"
            Blank();
            if (booFound) break;
            Skip();
            if (!Next()) return -1;
        }
    }
    if (plngItem < 0) return i;
    if (!At('[')) return -1;
    ++i;
    for (qsizetype lngItem = 0;; ++lngItem) {
        Blank();
        if (i >= n || At(']')) return -1;
        if (lngItem == plngItem) return i;
        Skip();
        if (!Next()) return -1;
    }
}

}  // namespace

QString clsTranslationState::FileName() { return QStringLiteral("translation-state.json"); }

QString clsTranslationState::PathIn(const QString& pstrFolder) { return QDir(pstrFolder).filePath(FileName()); }

bool clsTranslationState::Load(const QString& pstrFolder, QString& pstrReason, QByteArray* pbytRead, bool* pbooConflict)
{
    *this = {};
    if (pbooConflict) *pbooConflict = false;
    const QString strPath = PathIn(pstrFolder);
    if (!fs::NameTaken(strPath)) return true;
    QByteArray bytJson;
    QString strWhy;
    const QFileInfo objInfo(strPath);
    if (objInfo.isFile() && objInfo.size() > MaxFileSize) {
        pstrReason = QCoreApplication::translate("clsTranslationState", "%1 is larger than %2 MiB (%3 bytes), more than the state of any language folder")
                         .arg(strPath)
                         .arg(MaxFileSize / (1024 * 1024))
                         .arg(objInfo.size());
        return false;
    }
    const bool booRead = ReadWholeFile(strPath, bytJson, strWhy);
    if (pbytRead) *pbytRead = bytJson;
    if (!booRead || !Parse(bytJson, strWhy)) {
        pstrReason = strWhy.startsWith(strPath) ? strWhy : strPath + QStringLiteral(": ") + strWhy;
        if (pbooConflict) *pbooConflict = MergeConflictLine(bytJson) > 0;
        return false;
    }
    return true;
}

bool clsTranslationState::Parse(const QByteArray& pbytJson, QString& pstrReason)
{
    udtFileIssue udtProblem;
    if (Parse(pbytJson, udtProblem)) return true;
    pstrReason = udtProblem.Text();
    return false;
}

bool clsTranslationState::Parse(const QByteArray& pbytJson, udtFileIssue& pudtProblem)
{
    *this = {};
    if (const int32_t lngConflict = MergeConflictLine(pbytJson)) {
        pudtProblem = MergeConflictIssue(lngConflict);
        return false;
    }
    QJsonParseError udtError;
    const QJsonDocument objDocument = QJsonDocument::fromJson(pbytJson, &udtError);
    if (udtError.error != QJsonParseError::NoError) {
        pudtProblem = {LineOf(pbytJson, udtError.offset), QCoreApplication::translate("clsTranslationState", "not valid JSON: %1").arg(udtError.errorString())};
        return false;
    }
    const QByteArray bytVersionKey = QByteArray(VersionKey.latin1(), VersionKey.size());
    const QJsonObject objRoot = objDocument.object();
    const QJsonValue varVersion = objRoot.value(VersionKey);
    if (!objDocument.isObject() || !varVersion.isDouble()) {
        const qsizetype lngVersion = ValueOffset(pbytJson, {bytVersionKey});
        pudtProblem = {LineOf(pbytJson, lngVersion < 0 ? ValueOffset(pbytJson, {}) : lngVersion),
                       QCoreApplication::translate("clsTranslationState", "not a translation state file (no \"%1\" version)").arg(VersionKey)};
        return false;
    }
    if (varVersion.toInt() != Version) {
        pudtProblem = {LineOf(pbytJson, ValueOffset(pbytJson, {bytVersionKey})),
                       QCoreApplication::translate("clsTranslationState", "version %1 of the state file is not known to this Tralyx (it reads version %2)")
                           .arg(varVersion.toDouble())
                           .arg(Version)};
        return false;
    }
    const QJsonObject objFiles = objRoot.value(QLatin1StringView("files")).toObject();
    std::array<QHash<QString, udtTextState>, 3> udtRead;
    for (const enuFileKind enuFile : AllFileKinds) {
        const QJsonValue varTexts = objFiles.value(LanguageFileName(enuFile));
        if (varTexts.isUndefined()) continue;
        const auto Fail = [&](qsizetype plngEntry, const QString& pstrWhat) {
            const QByteArray bytFile = LanguageFileName(enuFile).toLatin1();
            pudtProblem = {LineOf(pbytJson, ValueOffset(pbytJson, {"files", bytFile}, plngEntry)),
                           plngEntry < 0 ? QCoreApplication::translate("clsTranslationState", "\"%1\" must be a list").arg(LanguageFileName(enuFile))
                                         : QCoreApplication::translate("clsTranslationState", "\"%1\" entry %2: %3").arg(LanguageFileName(enuFile)).arg(plngEntry + 1).arg(pstrWhat)};
            return false;
        };
        if (!varTexts.isArray()) return Fail(-1, QString());
        const QJsonArray objTexts = varTexts.toArray();
        QHash<QString, udtTextState>& udtFile = udtRead[Slot(enuFile)];
        udtFile.reserve(objTexts.size());
        for (qsizetype i = 0; i < objTexts.size(); ++i) {
            const QJsonObject objText = objTexts[i].toObject();
            const QJsonValue varId = objText.value(QLatin1StringView("id")), varReview = objText.value(QLatin1StringView("review")),
                             varFrom = objText.value(QLatin1StringView("movedFrom")), varDone = objText.value(QLatin1StringView("done")),
                             varNote = objText.value(QLatin1StringView("note")),
                             varFor = objText.value(QLatin1StringView("for"));
            if (!objTexts[i].isObject() || !varId.isString() || varId.toString().isEmpty())
                return Fail(i, QCoreApplication::translate("clsTranslationState", "must be an object with an \"id\""));
            const auto Typed = [](const QJsonValue& v, bool pbooString) { return v.isUndefined() || (pbooString ? v.isString() : v.isBool()); };
            if (!Typed(varReview, true) || !Typed(varFrom, true) || !Typed(varNote, true) || !Typed(varDone, false) || !Typed(varFor, true))
                return Fail(i, QCoreApplication::translate("clsTranslationState", "\"review\", \"movedFrom\", \"note\" and \"for\" must be strings, \"done\" true or false"));
            udtTextState udtState;
            udtState.Review = varReview.isString();
            udtState.PreviousSource = varReview.toString();
            udtState.MovedFrom = varFrom.toString();
            udtState.Done = varDone.toBool() && !udtState.Review;
            udtState.Note = varNote.toString();
            udtState.For = varFor.toString();
            if (!udtState.IsEmpty()) udtFile.insert(varId.toString(), udtState);
        }
    }
    mudtFiles = std::move(udtRead);
    return true;
}

QByteArray clsTranslationState::ToJson() const
{
    QByteArray bytOut;
    qsizetype lngTexts = 0;
    for (const auto& udtFile : mudtFiles) lngTexts += udtFile.size();
    bytOut.reserve(256 + lngTexts * 96);
    bytOut += "{\n  \"";
    bytOut += VersionKey.latin1();
    bytOut += "\": " + QByteArray::number(Version) + ",\n  \"files\": {";
    bool booFirstFile = true;
    for (const enuFileKind enuFile : AllFileKinds) {
        const QHash<QString, udtTextState>& udtFile = mudtFiles[Slot(enuFile)];
        if (udtFile.isEmpty()) continue;
        bytOut += booFirstFile ? "\n    " : ",\n    ";
        booFirstFile = false;
        AppendString(bytOut, LanguageFileName(enuFile));
        bytOut += ": [";
        // Sorted by id, without copying a state: pointers into the hash.
        std::vector<std::pair<const QString*, const udtTextState*>> udtSorted;
        udtSorted.reserve(static_cast<size_t>(udtFile.size()));
        for (auto it = udtFile.cbegin(); it != udtFile.cend(); ++it) udtSorted.push_back({&it.key(), &it.value()});
        std::sort(udtSorted.begin(), udtSorted.end(), [](const auto& a, const auto& b) { return *a.first < *b.first; });
        for (size_t i = 0; i < udtSorted.size(); ++i) {
            const udtTextState& u = *udtSorted[i].second;
            bytOut += i ? ",\n      {\"id\": " : "\n      {\"id\": ";
            AppendString(bytOut, *udtSorted[i].first);
            if (u.Review) {
                bytOut += ", \"review\": ";
                AppendString(bytOut, u.PreviousSource);
                if (!u.MovedFrom.isEmpty()) {
                    bytOut += ", \"movedFrom\": ";
                    AppendString(bytOut, u.MovedFrom);
                }
            }
            if (u.Done) bytOut += ", \"done\": true";
            if (!u.Note.isEmpty()) {
                bytOut += ", \"note\": ";
                AppendString(bytOut, u.Note);
            }
            if (!u.For.isEmpty()) {
                bytOut += ", \"for\": ";
                AppendString(bytOut, u.For);
            }
            bytOut += '}';
        }
        bytOut += "\n    ]";
    }
    bytOut += booFirstFile ? "}\n}\n" : "\n  }\n}\n";
    return bytOut;
}

udtTextState clsTranslationState::Get(enuFileKind penuFile, const QString& pstrId) const
{
    return mudtFiles[Slot(penuFile)].value(pstrId);
}

const udtTextState* clsTranslationState::Find(enuFileKind penuFile, const QString& pstrId) const
{
    const QHash<QString, udtTextState>& udtTexts = mudtFiles[Slot(penuFile)];
    const auto it = udtTexts.constFind(pstrId);
    return it == udtTexts.constEnd() ? nullptr : &it.value();
}

void clsTranslationState::Set(enuFileKind penuFile, const QString& pstrId, const udtTextState& pudtState)
{
    if (pudtState.IsEmpty()) mudtFiles[Slot(penuFile)].remove(pstrId);
    else mudtFiles[Slot(penuFile)].insert(pstrId, pudtState);
}

void clsTranslationState::MarkReview(enuFileKind penuFile, const QString& pstrId, const QString& pstrPreviousSource)
{
    udtTextState udtState = Get(penuFile, pstrId);
    if (!udtState.Review) udtState.PreviousSource = pstrPreviousSource;
    udtState.Review = true;
    udtState.For.clear();  // given for the texts as they are now
    udtState.Done = false;
    Set(penuFile, pstrId, udtState);
}

void clsTranslationState::ClearReview(enuFileKind penuFile, const QString& pstrId)
{
    udtTextState udtState = Get(penuFile, pstrId);
    udtState.Review = false;
    udtState.PreviousSource.clear();
    udtState.MovedFrom.clear();
    Set(penuFile, pstrId, udtState);
}

void clsTranslationState::SetDone(enuFileKind penuFile, const QString& pstrId, bool pbooDone)
{
    udtTextState udtState = Get(penuFile, pstrId);
    if (pbooDone) {
        udtState.Review = false;
        udtState.PreviousSource.clear();
        udtState.MovedFrom.clear();
    }
    udtState.Done = pbooDone;
    if (pbooDone) udtState.For.clear();
    Set(penuFile, pstrId, udtState);
}

void clsTranslationState::SetNote(enuFileKind penuFile, const QString& pstrId, const QString& pstrNote)
{
    udtTextState udtState = Get(penuFile, pstrId);
    if (udtState.Note != pstrNote) udtState.For.clear();
    udtState.Note = pstrNote;
    Set(penuFile, pstrId, udtState);
}

bool clsTranslationState::SameMarks(const clsTranslationState& pobjOther) const
{
    for (size_t k = 0; k < mudtFiles.size(); ++k) {
        const auto &a = mudtFiles[k], &b = pobjOther.mudtFiles[k];
        if (a.size() != b.size()) return false;
        for (auto it = a.cbegin(); it != a.cend(); ++it)
            if (const auto j = b.constFind(it.key()); j == b.cend() || !j->SameMarks(*it)) return false;
    }
    return true;
}

bool clsTranslationState::IsEmpty() const
{
    return std::all_of(mudtFiles.begin(), mudtFiles.end(), [](const auto& u) { return u.isEmpty(); });
}

void clsTranslationState::Renumber(enuFileKind penuFile, const std::vector<int32_t>& plngNewPosition)
{
    QHash<QString, udtTextState>& udtFile = mudtFiles[Slot(penuFile)];
    QHash<QString, udtTextState> udtMoved;
    for (auto it = udtFile.cbegin(); it != udtFile.cend(); ++it) {
        qsizetype lngPosition = 0;
        int32_t lngText = 0;
        if (!PositionOfTextId(penuFile, it.key(), lngPosition, lngText) || lngPosition >= static_cast<qsizetype>(plngNewPosition.size()))
            continue;
        const int32_t lngNew = plngNewPosition[static_cast<size_t>(lngPosition)];
        if (lngNew >= 0) udtMoved.insert(TextId(penuFile, RecordId(penuFile, lngNew), lngText), it.value());
    }
    udtFile = std::move(udtMoved);
}

void clsTranslationState::TakeChanges(enuFileKind penuFile, const clsTranslationState& pobjBase, const clsTranslationState& pobjMine)
{
    const QHash<QString, udtTextState>& udtBase = pobjBase.Texts(penuFile);
    const QHash<QString, udtTextState>& udtMine = pobjMine.Texts(penuFile);
    for (auto it = udtMine.cbegin(); it != udtMine.cend(); ++it) {
        const udtTextState udtWas = udtBase.value(it.key());
        if (!(udtWas == it.value())) {
            Set(penuFile, it.key(), it.value());
        } else if (const udtTextState* pudtNow = Find(penuFile, it.key());
                   pudtNow && udtWas.For.isEmpty() && !pudtNow->For.isEmpty() && pudtNow->SameMarks(udtWas)) {
            udtTextState udtChecked = *pudtNow;
            udtChecked.For.clear();
            Set(penuFile, it.key(), udtChecked);
        }
    }
    for (auto it = udtBase.cbegin(); it != udtBase.cend(); ++it)
        if (!udtMine.contains(it.key())) Set(penuFile, it.key(), udtTextState());
}

namespace {

// The texts a state id names in a translation and its source: false when the translation has no
// such text. pstrSource is left null when the source is not known or lacks the entry.
class clsStateTexts {
public:
    clsStateTexts(enuFileKind penuFile, const clsTralyx& pobjTranslation, const clsTralyx* pobjSource)
        : menuFile(penuFile), mobjTranslation(pobjTranslation), mobjSource(pobjSource)
    {
        if (penuFile != enuFileKind::ControlText) return;
        // Indexed by the records' names and numbers, without a path string made for each record.
        mobjTranslationAt.emplace(pobjTranslation.ControlTextTable());
        if (pobjSource) mobjSourceAt.emplace(pobjSource->ControlTextTable());
    }

    // plngRecord: the translation's record that holds the text.
    bool Find(const QString& pstrId, QString& pstrTranslation, std::optional<QString>& pstrSource, int32_t* plngRecord = nullptr) const
    {
        pstrSource.reset();
        if (menuFile == enuFileKind::ControlText) {
            if (!pstrId.endsWith(u".C") && !pstrId.endsWith(u".T")) return false;
            const bool booCaption = pstrId.endsWith(u".C");
            ControlTextItem udtKey;
            if (!path_index::KeyOfPath(QStringView(pstrId).chopped(2), udtKey)) return false;
            const int32_t lngAt = mobjTranslationAt->Find(udtKey);
            if (lngAt < 0) return false;
            const auto Text = [&](const clsTralyx& pobjTable, int32_t plngAt) {
                const ControlTextItem& u = pobjTable.ControlTextTable()[plngAt];
                return booCaption ? u.Caption : u.ToolTip;
            };
            pstrTranslation = Text(mobjTranslation, lngAt);
            if (plngRecord) *plngRecord = lngAt;
            if (const int32_t lngSourceAt = mobjSourceAt ? mobjSourceAt->Find(udtKey) : -1; lngSourceAt >= 0)
                pstrSource = Text(*mobjSource, lngSourceAt);
            return true;
        }
        qsizetype lngPosition = 0;
        int32_t lngText = 0;
        if (!PositionOfTextId(menuFile, pstrId, lngPosition, lngText)) return false;
        const auto Text = [&](const clsTralyx& pobjTable, QString& pstrOut) {
            if (lngPosition >= RecordCount(pobjTable, menuFile)) return false;
            if (menuFile == enuFileKind::Secondary) pstrOut = pobjTable.SecondaryTable()[lngPosition];
            else pstrOut = lngText ? pobjTable.MessageTable()[lngPosition].Title : pobjTable.MessageTable()[lngPosition].Message;
            return true;
        };
        if (!Text(mobjTranslation, pstrTranslation)) return false;
        if (plngRecord) *plngRecord = static_cast<int32_t>(lngPosition);
        if (QString strSource; mobjSource && Text(*mobjSource, strSource)) pstrSource = strSource;
        return true;
    }

private:
    enuFileKind menuFile;
    const clsTralyx& mobjTranslation;
    const clsTralyx* mobjSource;
    std::optional<clsFirstPathIndex> mobjTranslationAt, mobjSourceAt;  // core.lrc: the first record of each path
};

}  // namespace

QString clsTranslationState::udtMismatch::Text() const
{
    QStringList strWhat;
    if (DoneDropped) strWhat << QCoreApplication::translate("clsTranslationState", "its done mark is not applied");
    if (ReviewEnded) strWhat << QCoreApplication::translate("clsTranslationState", "its review ends (the translation is not the one to review)");
    if (NoteKept) strWhat << QCoreApplication::translate("clsTranslationState", "its note was written for an earlier text");
    return QCoreApplication::translate("clsTranslationState", "the state was given for another text than the entry has now: ") + strWhat.join(QStringLiteral("; "));
}

QString clsTranslationState::udtMismatch::Warning(const QString& pstrFolder) const
{
    return QStringLiteral("%1: warning: %2: %3").arg(PathIn(pstrFolder), Id, Text());
}

QString clsTranslationState::StampOf(const QString* pstrSource, QStringView pstrTranslation)
{
    return (pstrSource ? TextFingerprint(*pstrSource) : QString()) + u':' + TextFingerprint(pstrTranslation);
}

void clsTranslationState::Verify(enuFileKind penuFile, const clsTralyx& pobjTranslation, const clsTralyx* pobjSource,
                                 std::vector<udtMismatch>* pudtOut)
{
    QHash<QString, udtTextState>& udtFile = mudtFiles[Slot(penuFile)];
    const bool booStamped = std::any_of(udtFile.cbegin(), udtFile.cend(), [](const udtTextState& u) { return !u.For.isEmpty(); });
    if (!booStamped) return;
    const clsStateTexts objTexts(penuFile, pobjTranslation, pobjSource);
    std::vector<udtMismatch> udtFound;
    for (auto it = udtFile.begin(); it != udtFile.end(); ++it) {
        udtTextState& u = it.value();
        if (u.For.isEmpty()) continue;
        QString strTranslation;
        std::optional<QString> strSource;
        int32_t lngRecord = -1;
        if (!objTexts.Find(it.key(), strTranslation, strSource, &lngRecord)) continue;  // not an entry: Prune's
        const qsizetype lngColon = u.For.indexOf(u':');
        const QStringView strWasSource = lngColon < 0 ? QStringView() : QStringView(u.For).left(lngColon);
        const QStringView strWasTranslation = lngColon < 0 ? QStringView(u.For) : QStringView(u.For).mid(lngColon + 1);
        const bool booSameTranslation = strWasTranslation == TextFingerprint(strTranslation);
        const bool booSameSource = strWasSource.isEmpty() || !strSource || strWasSource == TextFingerprint(*strSource);
        if (booSameTranslation && booSameSource) {
            u.For.clear();
            continue;
        }
        udtMismatch udtOne{penuFile, it.key(), lngRecord};
        if (u.Done) u.Done = false, udtOne.DoneDropped = true;
        if (u.Review && !booSameTranslation) {
            u.Review = false;
            u.PreviousSource.clear();
            u.MovedFrom.clear();
            udtOne.ReviewEnded = true;
        }
        udtOne.NoteKept = !u.Note.isEmpty();  // and keeps For, which says so
        if (!udtOne.NoteKept) u.For.clear();  // what is left (a review of the same translation) holds for these texts
        if (udtOne.DoneDropped || udtOne.ReviewEnded || udtOne.NoteKept) udtFound.push_back(udtOne);
    }
    udtFile.removeIf([](const auto& it) { return it.value().IsEmpty(); });
    if (pudtOut) {
        std::sort(udtFound.begin(), udtFound.end(), [](const udtMismatch& a, const udtMismatch& b) { return a.Id < b.Id; });
        pudtOut->insert(pudtOut->end(), udtFound.begin(), udtFound.end());
    }
}

void clsTranslationState::Stamp(enuFileKind penuFile, const clsTralyx& pobjTranslation, const clsTralyx* pobjSource)
{
    QHash<QString, udtTextState>& udtFile = mudtFiles[Slot(penuFile)];
    if (std::none_of(udtFile.cbegin(), udtFile.cend(), [](const udtTextState& u) { return u.For.isEmpty(); })) return;
    const clsStateTexts objTexts(penuFile, pobjTranslation, pobjSource);
    for (auto it = udtFile.begin(); it != udtFile.end(); ++it) {
        if (!it->For.isEmpty()) continue;
        QString strTranslation;
        std::optional<QString> strSource;
        if (objTexts.Find(it.key(), strTranslation, strSource)) it->For = StampOf(strSource ? &*strSource : nullptr, strTranslation);
    }
}

void clsTranslationState::Prune(enuFileKind penuFile, const clsTralyx& pobjStore)
{
    QHash<QString, udtTextState>& udtFile = mudtFiles[Slot(penuFile)];
    if (udtFile.isEmpty()) return;
    if (penuFile != enuFileKind::ControlText) {
        const qsizetype lngRecords = RecordCount(pobjStore, penuFile);
        udtFile.removeIf([&](const auto& it) {
            qsizetype lngPosition = 0;
            int32_t lngText = 0;
            return !PositionOfTextId(penuFile, it.key(), lngPosition, lngText) || lngPosition >= lngRecords;
        });
        return;
    }
    QSet<QString> strIds;
    strIds.reserve(pobjStore.ControlTextTable().size() * 2);
    for (const ControlTextItem& udtItem : pobjStore.ControlTextTable()) {
        const QString strPath = clsTralyx::ObjectPath(udtItem);
        strIds.insert(TextId(penuFile, strPath, 0));
        strIds.insert(TextId(penuFile, strPath, 1));
    }
    udtFile.removeIf([&](const auto& it) { return !strIds.contains(it.key()); });
}

}  // namespace tralyx
