#include "state/clsMergeCandidates.h"

#include "common/basFileSystem.h"
#include "state/basStateIds.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tralyx {

namespace {
constexpr enuFileKind Kinds[] = {enuFileKind::ControlText, enuFileKind::Messages, enuFileKind::Secondary};
}

QString clsMergeCandidates::FileName() { return QStringLiteral("translation-candidates.json"); }
QString clsMergeCandidates::PathIn(const QString& pstrFolder) { return QDir(pstrFolder).filePath(FileName()); }

bool clsMergeCandidates::Load(const QString& pstrFolder, QString& pstrReason)
{
    mudtFiles = {};
    const QString strPath = PathIn(pstrFolder);
    if (!QFileInfo::exists(strPath) && !QFileInfo(strPath).isSymLink()) return true;
    QByteArray bytJson;
    if (!ReadWholeFile(strPath, bytJson, pstrReason)) {
        pstrReason = FileName() + QStringLiteral(": ") + pstrReason;
        return false;
    }
    QJsonParseError udtError;
    const QJsonDocument objDoc = QJsonDocument::fromJson(bytJson, &udtError);
    if (udtError.error != QJsonParseError::NoError || !objDoc.isObject()) {
        pstrReason = FileName() + QCoreApplication::translate("clsMergeCandidates", ": not valid JSON (%1)").arg(udtError.errorString());
        return false;
    }
    const QJsonObject objRoot = objDoc.object();
    for (const enuFileKind k : Kinds) {
        for (const QJsonValue& v : objRoot.value(LanguageFileName(k)).toArray()) {
            const QJsonObject o = v.toObject();
            udtMergeCandidate u{o.value(u"id").toString(), o.value(u"kept").toString(), o.value(u"other").toString(),
                                o.value(u"base").toString()};
            if (u.Id.isEmpty()) {
                pstrReason = FileName() + QCoreApplication::translate("clsMergeCandidates", ": a candidate of %1 without an id").arg(LanguageFileName(k));
                mudtFiles = {};
                return false;
            }
            Add(k, u);
        }
    }
    return true;
}

bool clsMergeCandidates::Save(const QString& pstrFolder, QString& pstrReason) const
{
    const QString strPath = PathIn(pstrFolder);
    if (IsEmpty()) {
        if (!QFileInfo::exists(strPath) || QFile::remove(strPath)) return true;
        pstrReason = FileName() + QCoreApplication::translate("clsMergeCandidates", ": cannot be removed");
        return false;
    }
    // A link under the name would have the write land on the file it names (a language file, say).
    if (QFileInfo(strPath).isSymLink()) {
        pstrReason = FileName() + QCoreApplication::translate("clsMergeCandidates", ": is a link; nothing is written through it");
        return false;
    }
    QJsonObject objRoot;
    for (const enuFileKind k : Kinds) {
        if (Of(k).isEmpty()) continue;
        QJsonArray objList;
        for (const udtMergeCandidate& u : Of(k))
            objList.append(QJsonObject{{QStringLiteral("id"), u.Id},
                                       {QStringLiteral("kept"), u.Kept},
                                       {QStringLiteral("other"), u.Other},
                                       {QStringLiteral("base"), u.Base}});
        objRoot.insert(LanguageFileName(k), objList);
    }
    if (WriteFileAtomically(strPath, QJsonDocument(objRoot).toJson(QJsonDocument::Indented), pstrReason)) return true;
    pstrReason = FileName() + QStringLiteral(": ") + pstrReason;
    return false;
}

void clsMergeCandidates::Add(enuFileKind penuFile, const udtMergeCandidate& pudtCandidate)
{
    Remove(penuFile, pudtCandidate.Id);
    mudtFiles[Slot(penuFile)].append(pudtCandidate);
}

void clsMergeCandidates::Remove(enuFileKind penuFile, const QString& pstrId)
{
    mudtFiles[Slot(penuFile)].removeIf([&](const udtMergeCandidate& u) { return u.Id == pstrId; });
}

bool clsMergeCandidates::IsEmpty() const
{
    return std::all_of(mudtFiles.begin(), mudtFiles.end(), [](const auto& l) { return l.isEmpty(); });
}

const udtMergeCandidate* clsMergeCandidates::Find(enuFileKind penuFile, const QString& pstrId) const
{
    for (const udtMergeCandidate& u : Of(penuFile))
        if (u.Id == pstrId) return &u;
    return nullptr;
}

QVector<udtMergeCandidate> clsMergeCandidates::Open(enuFileKind penuFile, const clsTralyx& pobjTranslation) const
{
    QVector<udtMergeCandidate> udtOut;
    for (const udtMergeCandidate& u : Of(penuFile))
        if (IsOpen(penuFile, pobjTranslation, u)) udtOut.append(u);
    return udtOut;
}

bool clsMergeCandidates::IsOpen(enuFileKind penuFile, const clsTralyx& pobjTranslation, const udtMergeCandidate& pudtCandidate)
{
    QString strNow;
    return TextOfId(penuFile, pobjTranslation, pudtCandidate.Id, strNow) && strNow == pudtCandidate.Kept;
}

bool clsMergeCandidates::TextOfId(enuFileKind penuFile, const clsTralyx& pobjTable, const QString& pstrId, QString& pstrText,
                                  qsizetype* plngRecord)
{
    if (penuFile == enuFileKind::ControlText) {
        if (!pstrId.endsWith(u".C") && !pstrId.endsWith(u".T")) return false;
        const QString strPath = pstrId.chopped(2);
        const QVector<ControlTextItem>& udtTable = pobjTable.ControlTextTable();
        for (qsizetype i = 0; i < udtTable.size(); ++i) {
            if (clsTralyx::ObjectPath(udtTable[i]) != strPath) continue;
            pstrText = pstrId.endsWith(u".C") ? udtTable[i].Caption : udtTable[i].ToolTip;
            if (plngRecord) *plngRecord = i;
            return true;
        }
        return false;
    }
    qsizetype lngAt = 0;
    int32_t lngText = 0;
    if (!PositionOfTextId(penuFile, pstrId, lngAt, lngText) || lngAt < 0) return false;
    if (plngRecord) *plngRecord = lngAt;
    if (penuFile == enuFileKind::Messages) {
        if (lngAt >= pobjTable.MessageTable().size()) return false;
        const MessageItem& u = pobjTable.MessageTable()[lngAt];
        pstrText = lngText == 0 ? u.Message : u.Title;
        return true;
    }
    if (lngAt >= pobjTable.SecondaryTable().size()) return false;
    pstrText = pobjTable.SecondaryTable()[lngAt];
    return true;
}

}  // namespace tralyx
