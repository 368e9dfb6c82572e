#include "store/basLayoutFile.h"

#include "store/basSafeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <array>

namespace tralyx {
namespace {

using namespace Qt::StringLiterals;

const QLatin1StringView Format("tralyx-layout 1");

constexpr std::array<std::pair<enuLayoutKind, const char*>, 6> KindNames{{
    {enuLayoutKind::Label, "label"},
    {enuLayoutKind::Button, "button"},
    {enuLayoutKind::CheckBox, "check box"},
    {enuLayoutKind::OptionButton, "option button"},
    {enuLayoutKind::Frame, "frame"},
    {enuLayoutKind::Tab, "tab"},
}};

QByteArray Compact(const QJsonObject& pobjObject) { return QJsonDocument(pobjObject).toJson(QJsonDocument::Compact); }

QJsonObject ControlObject(const udtControlLayout& u)
{
    QJsonObject objFont{{u"family"_s, u.Font.Family}, {u"size"_s, u.Font.PointSize}, {u"weight"_s, u.Font.Weight}};
    if (u.Font.Italic) objFont.insert(u"italic"_s, true);
    QJsonObject objControl{{u"entry"_s, u.Entry}, {u"kind"_s, LayoutKindName(u.Kind)}, {u"x"_s, u.X}, {u"y"_s, u.Y},
                           {u"width"_s, u.Width}, {u"height"_s, u.Height}, {u"font"_s, objFont},
                           {u"room"_s, QJsonArray{u.RoomWidth, u.RoomHeight}}};
    if (u.Wrap) objControl.insert(u"wrap"_s, true);
    if (u.Widens) objControl.insert(u"widens"_s, true);
    if (!u.Page.isEmpty()) objControl.insert(u"page"_s, u.Page);
    return objControl;
}

int LineAt(const QByteArray& pbytContent, qsizetype plngOffset)
{
    return 1 + static_cast<int>(pbytContent.left(plngOffset).count('\n'));
}

// An integer member from 0 to 1,000,000 (a form larger than any screen is a damaged file).
bool ReadSize(const QJsonValue& varValue, int& plngOut)
{
    const double dblValue = varValue.toDouble(-1);
    if (!varValue.isDouble() || dblValue < -1000000 || dblValue > 1000000 || dblValue != static_cast<int>(dblValue)) return false;
    plngOut = static_cast<int>(dblValue);
    return true;
}

bool ReadSize(const QJsonObject& pobjObject, const QString& pstrKey, int& plngOut) { return ReadSize(pobjObject.value(pstrKey), plngOut); }

bool ReadControl(const QJsonObject& pobjControl, udtControlLayout& u, QString& pstrReason)
{
    u.Entry = pobjControl.value(u"entry"_s).toString();
    if (u.Entry.isEmpty()) return pstrReason = QStringLiteral("a control without its entry"), false;
    const QString strKind = pobjControl.value(u"kind"_s).toString();
    const auto itKind = std::find_if(KindNames.begin(), KindNames.end(), [&](const auto& p) { return strKind == QLatin1StringView(p.second); });
    if (itKind == KindNames.end()) return pstrReason = QStringLiteral("%1: unknown kind \"%2\"").arg(u.Entry, strKind), false;
    u.Kind = itKind->first;
    const QJsonArray objRoom = pobjControl.value(u"room"_s).toArray();
    const QJsonObject objFont = pobjControl.value(u"font"_s).toObject();
    u.Font.Family = objFont.value(u"family"_s).toString();
    u.Font.PointSize = objFont.value(u"size"_s).toDouble();
    u.Font.Italic = objFont.value(u"italic"_s).toBool();
    if (!ReadSize(pobjControl, u"x"_s, u.X) || !ReadSize(pobjControl, u"y"_s, u.Y) || !ReadSize(pobjControl, u"width"_s, u.Width) ||
        !ReadSize(pobjControl, u"height"_s, u.Height) || !ReadSize(objFont, u"weight"_s, u.Font.Weight) ||
        objRoom.size() != 2 || !ReadSize(objRoom.at(0), u.RoomWidth) || !ReadSize(objRoom.at(1), u.RoomHeight) ||
        u.Font.Family.isEmpty() || !(u.Font.PointSize > 0 && u.Font.PointSize < 1000))
        return pstrReason = QStringLiteral("%1: a size, its room or its font is missing or out of range").arg(u.Entry), false;
    u.Wrap = pobjControl.value(u"wrap"_s).toBool();
    u.Widens = pobjControl.value(u"widens"_s).toBool();
    u.Page = pobjControl.value(u"page"_s).toString();
    return true;
}

}  // namespace

QString FolderLayoutName() { return QStringLiteral("layout.json"); }
QString FormLayoutName(const QString& pstrForm) { return pstrForm + QStringLiteral(".layout.json"); }
QString FolderLayoutPath(const QString& pstrFolder) { return pstrFolder + u'/' + FolderLayoutName(); }

QString LayoutKindName(enuLayoutKind penuKind)
{
    for (const auto& [enuKind, strName] : KindNames)
        if (enuKind == penuKind) return QString::fromLatin1(strName);
    return QString();
}

QByteArray LayoutFileContent(const QVector<udtFormLayout>& pudtForms)
{
    QByteArray bytOut = "{\n  \"format\": \"" + QByteArray(Format.data(), Format.size()) + "\",\n  \"forms\": [";
    for (qsizetype i = 0; i < pudtForms.size(); ++i) {
        const udtFormLayout& udtForm = pudtForms[i];
        const QByteArray bytHead = Compact(QJsonObject{{u"form"_s, udtForm.Form}, {u"width"_s, udtForm.Width},
                                                       {u"height"_s, udtForm.Height}, {u"dpi"_s, udtForm.Dpi}});
        bytOut += (i ? ",\n    " : "\n    ") + bytHead.chopped(1) + ", \"controls\": [";
        for (qsizetype j = 0; j < udtForm.Controls.size(); ++j)
            bytOut += (j ? ",\n      " : "\n      ") + Compact(ControlObject(udtForm.Controls[j]));
        bytOut += udtForm.Controls.isEmpty() ? "]}" : "\n    ]}";
    }
    bytOut += pudtForms.isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    return bytOut;
}

bool ParseLayoutFile(const QByteArray& pbytContent, QVector<udtFormLayout>& pudtForms, QString& pstrReason)
{
    pudtForms.clear();
    QJsonParseError udtError;
    const QJsonDocument objDocument = QJsonDocument::fromJson(pbytContent, &udtError);
    if (udtError.error != QJsonParseError::NoError) {
        pstrReason = QStringLiteral("line %1: %2").arg(LineAt(pbytContent, udtError.offset)).arg(udtError.errorString());
        return false;
    }
    const QJsonObject objRoot = objDocument.object();
    if (objRoot.value(u"format"_s).toString() != Format) {
        pstrReason = QStringLiteral("line 1: not a layout file of this version (\"format\" is not \"%1\")").arg(Format);
        return false;
    }
    const QJsonArray objForms = objRoot.value(u"forms"_s).toArray();
    qsizetype lngFormAt = 0;  // where the form's "form" key is: its line is the one named
    for (const QJsonValue& varForm : objForms) {
        const QJsonObject objForm = varForm.toObject();
        udtFormLayout udtForm;
        udtForm.Form = objForm.value(u"form"_s).toString();
        lngFormAt = qMax<qsizetype>(0, pbytContent.indexOf("\"form\"", lngFormAt + 1));
        const auto lngLine = [&] { return LineAt(pbytContent, lngFormAt); };  // counted only for a refusal
        if (udtForm.Form.isEmpty() || !ReadSize(objForm, u"width"_s, udtForm.Width) || !ReadSize(objForm, u"height"_s, udtForm.Height) ||
            !ReadSize(objForm, u"dpi"_s, udtForm.Dpi) || udtForm.Dpi <= 0) {
            pstrReason = QStringLiteral("line %1: a form without its name, size or DPI").arg(lngLine());
            return false;
        }
        for (const QJsonValue& varControl : objForm.value(u"controls"_s).toArray()) {
            udtControlLayout udtControl;
            if (!ReadControl(varControl.toObject(), udtControl, pstrReason)) {
                const QByteArray bytEntry = Compact(QJsonObject{{u"entry"_s, udtControl.Entry}}).mid(1).chopped(1);
                const qsizetype lngAt = udtControl.Entry.isEmpty() ? -1 : pbytContent.indexOf(bytEntry, lngFormAt);
                pstrReason = QStringLiteral("line %1: %2.%3").arg(lngAt < 0 ? lngLine() : LineAt(pbytContent, lngAt)).arg(udtForm.Form, pstrReason);
                return false;
            }
            udtForm.Controls.append(std::move(udtControl));
        }
        pudtForms.append(std::move(udtForm));
    }
    return true;
}

bool ReadLayoutFile(const QString& pstrFileName, QVector<udtFormLayout>& pudtForms, QString& pstrReason)
{
    QByteArray bytContent;
    if (!ReadWholeFile(pstrFileName, bytContent, pstrReason)) return false;
    if (ParseLayoutFile(bytContent, pudtForms, pstrReason)) return true;
    pstrReason = pstrFileName + u':' + pstrReason;
    return false;
}

bool WriteLayoutFile(const QString& pstrFileName, const QVector<udtFormLayout>& pudtForms, QString& pstrReason)
{
    return WriteFileAtomically(pstrFileName, LayoutFileContent(pudtForms), pstrReason);
}

void MergeFormLayouts(QVector<udtFormLayout>& pudtInto, const QVector<udtFormLayout>& pudtForms)
{
    for (const udtFormLayout& udtForm : pudtForms) {
        const auto itSame = std::find_if(pudtInto.begin(), pudtInto.end(), [&](const udtFormLayout& u) { return u.Form == udtForm.Form; });
        if (itSame != pudtInto.end()) *itSame = udtForm;
        else pudtInto.append(udtForm);
    }
}

}  // namespace tralyx
