#include "CliJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>
#include <span>

namespace tralyx::cli {

namespace {

void AppendIssue(clsJsonWriter& pobjJson, const udtFileIssue& pudtIssue)
{
    pobjJson.BeginObject();
    pobjJson.Field("line", pudtIssue.Line);
    pobjJson.Field("reason", pudtIssue.Reason);
    pobjJson.EndObject();
}

// The fields of a record of each kind, in the order dump writes them: one table for dump and
// write, so that the two cannot spell a field differently.
template <class TItem>
struct udtField {
    const char* Name;
    QString TItem::*Text;  // a text, or
    uint8_t TItem::*Byte;  // a whole number from 0 to 255
    bool Required;
};
constexpr udtField<ControlTextItem> ControlTextFields[] = {
    {"FormName", &ControlTextItem::FormName, nullptr, true},
    {"ControlName", &ControlTextItem::ControlName, nullptr, true},
    {"Index", nullptr, &ControlTextItem::Index, true},
    {"Caption", &ControlTextItem::Caption, nullptr, false},
    {"ToolTip", &ControlTextItem::ToolTip, nullptr, false},
};
constexpr udtField<MessageItem> MessageFields[] = {
    {"Identifier", nullptr, &MessageItem::Identifier, false},
    {"Message", &MessageItem::Message, nullptr, false},
    {"Title", &MessageItem::Title, nullptr, false},
};

template <class TItem>
void AppendFields(clsJsonWriter& pobjJson, const TItem& pudtItem, std::span<const udtField<TItem>> pudtFields)
{
    pobjJson.BeginObject();
    for (const udtField<TItem>& udtEach : pudtFields) {
        if (udtEach.Text) pobjJson.Field(udtEach.Name, pudtItem.*udtEach.Text);
        else pobjJson.Field(udtEach.Name, pudtItem.*udtEach.Byte);
    }
    pobjJson.EndObject();
}

void AppendRecord(clsJsonWriter& pobjJson, const ControlTextItem& pudtItem) { AppendFields<ControlTextItem>(pobjJson, pudtItem, ControlTextFields); }
void AppendRecord(clsJsonWriter& pobjJson, const MessageItem& pudtItem) { AppendFields<MessageItem>(pobjJson, pudtItem, MessageFields); }
void AppendRecord(clsJsonWriter& pobjJson, const QString& pstrText) { pobjJson.String(pstrText); }
void AppendRecord(clsJsonWriter& pobjJson, const udtFileIssue& pudtIssue) { AppendIssue(pobjJson, pudtIssue); }

// A list of items, one per line, indented below its key.
template <typename List>
void AppendList(clsJsonWriter& pobjJson, const char* pstrKey, const List& pudtItems)
{
    pobjJson.Key(pstrKey);
    pobjJson.BeginArray(4, 2);
    for (const auto& udtItem : pudtItems) AppendRecord(pobjJson, udtItem);
    pobjJson.EndArray();
}

// Where a byte offset into the text lies: line and column (in bytes) from 1.
QString Position(const QByteArray& pbytText, qsizetype plngOffset)
{
    const QByteArrayView bytBefore(pbytText.constData(), std::min(plngOffset, pbytText.size()));
    const qsizetype lngLineStart = bytBefore.lastIndexOf('\n') + 1;
    return Lrc::tr("line %1, column %2").arg(bytBefore.count('\n') + 1).arg(bytBefore.size() - lngLineStart + 1);
}

// The first surrogate without its partner, or -1. JSON can spell one ("\ud800"); it is no character,
// and no code page can write it.
qsizetype LoneSurrogate(const QString& pstrText)
{
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        const QChar c = pstrText[i];
        if (c.isHighSurrogate() && i + 1 < pstrText.size() && pstrText[i + 1].isLowSurrogate()) ++i;
        else if (c.isSurrogate()) return i;
    }
    return -1;
}

QString LoneSurrogateReason(const QString& pstrText, qsizetype plngAt)
{
    return Lrc::tr("holds a lone surrogate \\u%1 at character %2, which is not a character")
        .arg(pstrText[plngAt].unicode(), 4, 16, QLatin1Char('0'))
        .arg(plngAt + 1);
}

QString TypeName(const QJsonValue& pvarValue)
{
    switch (pvarValue.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return Lrc::tr("true or false");
    case QJsonValue::Double: return Lrc::tr("a number");
    case QJsonValue::String: return Lrc::tr("a string");
    case QJsonValue::Array: return Lrc::tr("an array");
    case QJsonValue::Object: return Lrc::tr("an object");
    default: return QStringLiteral("nothing");
    }
}

// Reads the fields of one record object; each reader fails with a reason naming the field.
class clsRecordReader {
public:
    clsRecordReader(const QJsonValue& pvarRecord, qsizetype plngIndex, QString& pstrReason)
        : mobjRecord(pvarRecord.toObject()), mstrWhere(QStringLiteral("records[%1]").arg(plngIndex)), mstrReason(pstrReason)
    {
        if (!pvarRecord.isObject()) Fail(QString(), Lrc::tr("must be an object, not %1").arg(TypeName(pvarRecord)));
    }

    bool Ok() const { return mstrReason.isEmpty(); }

    // Fails on a field the kind does not have, so that a misspelt name does not lose its text.
    template <class TItem>
    void OnlyFields(std::span<const udtField<TItem>> pudtFields)
    {
        if (!Ok()) return;
        QStringList strNames;
        for (const udtField<TItem>& udtEach : pudtFields) strNames.append(QLatin1StringView(udtEach.Name));
        for (const QString& strKey : mobjRecord.keys())
            if (!strNames.contains(strKey))
                return Fail(QString(), Lrc::tr("has an unknown field '%1' (the fields are %2)")
                                           .arg(strKey.size() > 40 ? strKey.left(40) + QStringLiteral("...") : strKey,
                                                strNames.join(QStringLiteral(", "))));
    }

    // The record's fields, each read as its kind says.
    template <class TItem>
    TItem Fields(std::span<const udtField<TItem>> pudtFields)
    {
        OnlyFields(pudtFields);
        TItem udtItem;
        for (const udtField<TItem>& udtEach : pudtFields) {
            const QLatin1StringView strName(udtEach.Name);
            if (!udtEach.Text) udtItem.*udtEach.Byte = Byte(strName, udtEach.Required);
            else udtItem.*udtEach.Text = udtEach.Required ? RequiredText(strName) : Text(strName);
        }
        return udtItem;
    }

    // A missing text is empty.
    QString Text(QLatin1StringView pstrName)
    {
        const QJsonValue varValue = mobjRecord.value(pstrName);
        if (varValue.isUndefined() || !Ok()) return QString();
        if (!varValue.isString()) Fail(pstrName, Lrc::tr("must be a string, not %1").arg(TypeName(varValue)));
        const QString strText = varValue.toString();
        if (const qsizetype lngAt = LoneSurrogate(strText); lngAt >= 0) Fail(pstrName, LoneSurrogateReason(strText, lngAt));
        return strText;
    }

    QString RequiredText(QLatin1StringView pstrName)
    {
        if (Ok() && !mobjRecord.contains(pstrName)) Fail(pstrName, Lrc::tr("is missing"));
        return Text(pstrName);
    }

    // A whole number from 0 to 255; missing is 0 unless required.
    uint8_t Byte(QLatin1StringView pstrName, bool pbooRequired)
    {
        const QJsonValue varValue = mobjRecord.value(pstrName);
        if (!Ok()) return 0;
        if (varValue.isUndefined()) {
            if (pbooRequired) Fail(pstrName, Lrc::tr("is missing"));
            return 0;
        }
        const double dblValue = varValue.toDouble(-1);
        if (!varValue.isDouble() || dblValue < 0 || dblValue > 255 || dblValue != std::floor(dblValue)) {
            const QString strGiven = varValue.isDouble() ? QString::number(dblValue) : TypeName(varValue);
            Fail(pstrName, Lrc::tr("must be a whole number from 0 to 255, not %1").arg(strGiven));
            return 0;
        }
        return static_cast<uint8_t>(dblValue);
    }

private:
    void Fail(const QString& pstrField, const QString& pstrWhat)
    {
        if (!Ok()) return;
        mstrReason = mstrWhere + (pstrField.isEmpty() ? QString() : u'.' + pstrField) + u' ' + pstrWhat;
    }
    QJsonObject mobjRecord;
    QString mstrWhere;
    QString& mstrReason;
};

template <class TItem>
bool ReadRecords(const QJsonArray& pudtRecords, std::span<const udtField<TItem>> pudtFields, QVector<TItem>& pudtTable,
                 QString& pstrReason)
{
    pudtTable.reserve(pudtRecords.size());
    for (qsizetype i = 0; i < pudtRecords.size(); ++i) {
        clsRecordReader objRecord(pudtRecords[i], i, pstrReason);
        TItem udtItem = objRecord.Fields(pudtFields);
        if (!objRecord.Ok()) return false;
        pudtTable.append(std::move(udtItem));
    }
    return true;
}

}  // namespace

QByteArray DumpDocument(const clsTralyx& pobjStore, enuFileKind penuKind, bool pbooSuccess)
{
    QByteArray bytOut;
    bytOut.reserve(RecordCount(pobjStore, penuKind) * 200 + 256);
    clsJsonWriter objJson(bytOut);
    objJson.BeginObject(2, 0);
    objJson.Field("kind", QString::fromLatin1(FileKind(penuKind).BaseName));
    objJson.Key("success");
    objJson.Bool(pbooSuccess);
    objJson.Key("error");
    if (pbooSuccess) objJson.Null();
    else AppendIssue(objJson, pobjStore.LastError());
    AppendList(objJson, "warnings", pobjStore.LastWarnings());
    // After a failed load the table holds what was read and, until a record was read, the empty one
    // every load starts with: only records that start on a line of the file are dumped then.
    const QVector<int32_t>& lngLines = (pobjStore.*FileKind(penuKind).Lines)();
    const auto AppendRead = [&](auto udtTable) {
        if (!pbooSuccess)
            for (qsizetype i = udtTable.size() - 1; i >= 0; --i)
                if (i >= lngLines.size() || lngLines[i] <= 0) udtTable.removeAt(i);
        AppendList(objJson, "records", udtTable);
    };
    switch (penuKind) {
    case enuFileKind::ControlText: AppendRead(pobjStore.ControlTextTable()); break;
    case enuFileKind::Messages: AppendRead(pobjStore.MessageTable()); break;
    case enuFileKind::Secondary: AppendRead(pobjStore.SecondaryTable()); break;
    }
    objJson.EndObject();
    bytOut += '\n';
    return bytOut;
}

bool ParseJsonTable(const QByteArray& pbytJson, udtJsonTable& pudtOut, QString& pstrReason)
{
    QJsonParseError udtError;
    const QJsonDocument objDocument = QJsonDocument::fromJson(pbytJson, &udtError);
    if (udtError.error != QJsonParseError::NoError) {
        pstrReason = Lrc::tr("%1: not valid JSON: %2").arg(Position(pbytJson, udtError.offset), udtError.errorString());
        return false;
    }
    if (!objDocument.isObject()) {
        pstrReason = Lrc::tr("expected an object with \"records\", as dump prints it");
        return false;
    }
    const QJsonObject objRoot = objDocument.object();
    const QJsonValue varRecords = objRoot.value(QLatin1StringView("records"));
    if (!varRecords.isArray()) {
        pstrReason = varRecords.isUndefined() ? Lrc::tr("the object has no \"records\"")
                                              : Lrc::tr("\"records\" must be an array, not %1").arg(TypeName(varRecords));
        return false;
    }
    // The dump of a failed load holds only the records read before the failure: written, they would
    // replace the whole table with a part of it.
    const QJsonValue varSuccess = objRoot.value(QLatin1StringView("success"));
    if (varSuccess.isBool() && !varSuccess.toBool()) {
        const QJsonObject objError = objRoot.value(QLatin1StringView("error")).toObject();
        const qint64 lngLine = objError.value(QLatin1StringView("line")).toInteger();
        const QString strWhy = objError.value(QLatin1StringView("reason")).toString();
        const QString strFailure = lngLine > 0 ? Lrc::tr("line %1: %2").arg(lngLine).arg(strWhy) : strWhy;
        pstrReason = Lrc::tr("the dump is of a load that failed%1, so its records are only the part read before the "
                                    "failure; nothing was written (mend the file and dump it again)")
                         .arg(strFailure.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(strFailure));
        return false;
    }
    if (!varSuccess.isUndefined() && !varSuccess.isBool() && !varSuccess.isNull()) {
        pstrReason = Lrc::tr("\"success\" must be true or false, not %1").arg(TypeName(varSuccess));
        return false;
    }
    const QJsonValue varKind = objRoot.value(QLatin1StringView("kind"));
    pudtOut.Kind.reset();
    if (!varKind.isUndefined() && !varKind.isNull()) {
        pudtOut.Kind = FileKindFromName(varKind.toString());
        if (!pudtOut.Kind) {
            pstrReason = Lrc::tr("\"kind\" must be \"core\", \"messages\" or \"secondary\"");
            return false;
        }
    }
    pudtOut.Records = varRecords.toArray();
    return true;
}

bool SetTableFromJson(clsTralyx& pobjStore, enuFileKind penuKind, const QJsonArray& pudtRecords, QString& pstrReason)
{
    pstrReason.clear();
    const qsizetype lngCount = pudtRecords.size();
    switch (penuKind) {
    case enuFileKind::ControlText: {
        QVector<ControlTextItem> udtTable;
        if (!ReadRecords<ControlTextItem>(pudtRecords, ControlTextFields, udtTable, pstrReason)) return false;
        pobjStore.SetControlTextTable(std::move(udtTable));
        return true;
    }
    case enuFileKind::Messages: {
        QVector<MessageItem> udtTable;
        if (!ReadRecords<MessageItem>(pudtRecords, MessageFields, udtTable, pstrReason)) return false;
        pobjStore.SetMessageTable(std::move(udtTable));
        return true;
    }
    case enuFileKind::Secondary: {
        QStringList strTable;
        strTable.reserve(lngCount);
        for (qsizetype i = 0; i < lngCount; ++i) {
            const QJsonValue varText = pudtRecords[i];
            if (!varText.isString()) {
                pstrReason = Lrc::tr("records[%1] must be a string, not %2").arg(i).arg(TypeName(varText));
                return false;
            }
            if (const qsizetype lngAt = LoneSurrogate(varText.toString()); lngAt >= 0) {
                pstrReason = QStringLiteral("records[%1] ").arg(i) + LoneSurrogateReason(varText.toString(), lngAt);
                return false;
            }
            strTable.append(varText.toString());
        }
        pobjStore.SetSecondaryTable(std::move(strTable));
        return true;
    }
    }
    return false;
}

}  // namespace tralyx::cli
