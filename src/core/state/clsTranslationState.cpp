#include "state/clsTranslationState.h"

#include "common/basFileSystem.h"
#include "common/basJsonString.h"
#include "store/basMergeConflict.h"
#include "store/basSafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

namespace tralyx {
namespace {

constexpr QLatin1StringView VersionKey("tralyx-translation-state");
constexpr int32_t Version = 1;

void AppendString(QByteArray& pbytOut, QStringView pstrText) { AppendJsonString(pbytOut, pstrText, enuJsonTab::Unicode); }

QString LineOf(const QByteArray& pbytJson, qsizetype plngOffset)
{
    return QString::number(QByteArrayView(pbytJson).first(std::clamp<qsizetype>(plngOffset, 0, pbytJson.size())).count('\n') + 1);
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
        pstrReason = QStringLiteral("%1 is larger than %2 MiB (%3 bytes), more than the state of any language folder")
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
    *this = {};
    if (const int32_t lngConflict = MergeConflictLine(pbytJson)) {
        const udtFileIssue udtIssue = MergeConflictIssue(lngConflict);
        pstrReason = QStringLiteral("line %1: %2").arg(udtIssue.Line).arg(udtIssue.Reason);
        return false;
    }
    QJsonParseError udtError;
    const QJsonDocument objDocument = QJsonDocument::fromJson(pbytJson, &udtError);
    if (udtError.error != QJsonParseError::NoError) {
        pstrReason = QStringLiteral("line %1: not valid JSON: %2").arg(LineOf(pbytJson, udtError.offset), udtError.errorString());
        return false;
    }
    const auto Line = [&](qsizetype plngOffset) { return QStringLiteral("line %1: ").arg(LineOf(pbytJson, plngOffset)); };
    const QByteArray bytVersionKey = QByteArray(VersionKey.latin1(), VersionKey.size());
    const QJsonObject objRoot = objDocument.object();
    const QJsonValue varVersion = objRoot.value(VersionKey);
    if (!objDocument.isObject() || !varVersion.isDouble()) {
        const qsizetype lngVersion = ValueOffset(pbytJson, {bytVersionKey});
        pstrReason = Line(lngVersion < 0 ? ValueOffset(pbytJson, {}) : lngVersion) +
                     QStringLiteral("not a translation state file (no \"%1\" version)").arg(VersionKey);
        return false;
    }
    if (varVersion.toInt() != Version) {
        pstrReason = Line(ValueOffset(pbytJson, {bytVersionKey})) +
                     QStringLiteral("version %1 of the state file is not known to this Tralyx (it reads version %2)")
                         .arg(varVersion.toDouble())
                         .arg(Version);
        return false;
    }
    const QJsonObject objFiles = objRoot.value(QLatin1StringView("files")).toObject();
    std::array<QHash<QString, udtTextState>, 3> udtRead;
    for (const enuFileKind enuFile : AllFileKinds) {
        const QJsonValue varTexts = objFiles.value(LanguageFileName(enuFile));
        if (varTexts.isUndefined()) continue;
        const auto Fail = [&](qsizetype plngEntry, const QString& pstrWhat) {
            const QByteArray bytFile = LanguageFileName(enuFile).toLatin1();
            pstrReason = Line(ValueOffset(pbytJson, {"files", bytFile}, plngEntry)) +
                         (plngEntry < 0 ? QStringLiteral("\"%1\" must be a list").arg(LanguageFileName(enuFile))
                                        : QStringLiteral("\"%1\" entry %2: %3").arg(LanguageFileName(enuFile)).arg(plngEntry + 1).arg(pstrWhat));
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
                             varNote = objText.value(QLatin1StringView("note"));
            if (!objTexts[i].isObject() || !varId.isString() || varId.toString().isEmpty())
                return Fail(i, QStringLiteral("must be an object with an \"id\""));
            const auto Typed = [](const QJsonValue& v, bool pbooString) { return v.isUndefined() || (pbooString ? v.isString() : v.isBool()); };
            if (!Typed(varReview, true) || !Typed(varFrom, true) || !Typed(varNote, true) || !Typed(varDone, false))
                return Fail(i, QStringLiteral("\"review\", \"movedFrom\" and \"note\" must be strings, \"done\" true or false"));
            udtTextState udtState;
            udtState.Review = varReview.isString();
            udtState.PreviousSource = varReview.toString();
            udtState.MovedFrom = varFrom.toString();
            udtState.Done = varDone.toBool() && !udtState.Review;
            udtState.Note = varNote.toString();
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
    Set(penuFile, pstrId, udtState);
}

void clsTranslationState::SetNote(enuFileKind penuFile, const QString& pstrId, const QString& pstrNote)
{
    udtTextState udtState = Get(penuFile, pstrId);
    udtState.Note = pstrNote;
    Set(penuFile, pstrId, udtState);
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
    for (auto it = udtMine.cbegin(); it != udtMine.cend(); ++it)
        if (!(udtBase.value(it.key()) == it.value())) Set(penuFile, it.key(), it.value());
    for (auto it = udtBase.cbegin(); it != udtBase.cend(); ++it)
        if (!udtMine.contains(it.key())) Set(penuFile, it.key(), udtTextState());
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
