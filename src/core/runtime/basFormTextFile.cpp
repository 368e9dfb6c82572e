#include "runtime/basFormTextFile.h"

#include "common/clsRuntimeError.h"
#include "runtime/basControlIndex.h"
#include "runtime/basForEachTab.h"
#include "runtime/clsForm.h"
#include "store/basControlTextFormat.h"
#include "store/basFormatText.h"
#include "store/basSafeFile.h"
#include "store/clsTralyx.h"

#include <QCoreApplication>

#include <functional>

namespace tralyx {
namespace {

bool CanHeadALine(const QString& pstrName) { return !pstrName.contains(u'.') && !HasLineBreak(pstrName); }

}  // namespace

QByteArray FormTextFileContent(clsForm& pfrmPassedForm, const clsCodePage& pobjCodePage)
{
    const QString strForm = pfrmPassedForm.Name();
    if (strForm.isEmpty() || !CanHeadALine(strForm) || strForm.contains(u'/') || strForm.contains(u'\\'))
        throw clsRuntimeError(ErrInvalidArgument,
                              "the form name '" + strForm.toStdString() + "' cannot name a form text file");

    QByteArray bytOut;
    QString strUnencodable;  // the first line that the code page cannot carry
    const auto WriteLine = [&](const QString& pstrPath, QChar pchrTag, const std::function<QString()>& pfnRead,
                               bool pbooBlankAfterColon) {
        QString strText;
        try {
            strText = pfnRead();
        } catch (const clsRuntimeError&) {
            return;  // a property that cannot be read: the line is left out
        }
        const QString strLine =
            clsTralyx::FormatEntryLines(pstrPath, pchrTag, strText, pbooBlankAfterColon) + QStringLiteral("\r\n");
        if (!pobjCodePage.Encode(strLine, bytOut) && strUnencodable.isEmpty())
            strUnencodable = QCoreApplication::translate("basFormTextFile", "%1.%2 holds '%3', which %4 cannot write")
                                 .arg(pstrPath, pchrTag, pobjCodePage.Unencodable(strLine), pobjCodePage.Name());
    };

    pfrmPassedForm.Controls([&](clsControl& pctlControl) {
        try {
            const QString strName = pctlControl.Name();
            if (!CanHeadALine(strName)) return;  // its lines would be read back as another entry
            const auto Path = [&](uint8_t pbytIndex) { return strForm + u'.' + strName + u'.' + QString::number(pbytIndex); };
            const auto ToolTip = [&] { return pctlControl.ToolTipText(); };
            const auto Caption = [&] { return pctlControl.Caption(); };
            switch (pctlControl.Kind()) {
            case enuControlKind::TextBox: {
                const uint8_t bytIndex = StoredIndex(pctlControl);
                WriteLine(Path(bytIndex), u'T', ToolTip, false);
                if (const QString strPlaceholder = pctlControl.Placeholder(); !strPlaceholder.isEmpty()) {
                    const QString strPath = strForm + u'.' + PlaceholderEntry() + strName + u'.' + QString::number(bytIndex);
                    WriteLine(strPath, u'T', [] { return QString(); }, false);
                    WriteLine(strPath, u'C', [&] { return strPlaceholder; }, false);
                }
                break;
            }
            case enuControlKind::Label:
            case enuControlKind::CommandButton:
            case enuControlKind::CheckBox:
            case enuControlKind::OptionButton:
            case enuControlKind::Frame: {
                const QString strPath = Path(StoredIndex(pctlControl));
                WriteLine(strPath, u'T', ToolTip, false);
                WriteLine(strPath, u'C', Caption, false);
                break;
            }
            case enuControlKind::TabControl:
                ForEachTab(pctlControl, [&](uint8_t pbytTab) {
                    const QString strPath = Path(pbytTab);
                    WriteLine(strPath, u'T', ToolTip, false);
                    WriteLine(strPath, u'C', Caption, true);
                });
                break;
            case enuControlKind::Other: break;
            }
        } catch (const clsRuntimeError&) {
        }
    });

    // Left out, the line would be missing from the file without a sign; written with a substitute,
    // a wrong caption would later be applied to the form.
    if (!strUnencodable.isEmpty()) throw clsRuntimeError(ErrInvalidArgument, strUnencodable.toStdString());
    return bytOut;
}

QByteArray WindowTextFileContent(clsForm& pfrmPassedForm, const QString& pstrTitle, const QVector<udtMenuText>& pudtMenus,
                                 const clsCodePage& pobjCodePage)
{
    const QString strForm = pfrmPassedForm.Name();
    const QByteArray bytControls = FormTextFileContent(pfrmPassedForm, pobjCodePage);
    const QString strTitle =
        clsTralyx::FormatEntryLines(strForm + u'.' + WindowTitleEntry() + QStringLiteral(".0"), u'C', pstrTitle) + QStringLiteral("\r\n");
    QString strMenus;
    for (const udtMenuText& udtMenu : pudtMenus) {
        if (!CanHeadALine(udtMenu.Name)) continue;
        const QString strPath = strForm + u'.' + udtMenu.Name + u'.' + QString::number(udtMenu.Index);
        const auto Line = [&](QChar pchrTag, const QString& pstrText) {
            strMenus += clsTralyx::FormatEntryLines(strPath, pchrTag, pstrText) + QStringLiteral("\r\n");
        };
        // An action's caption alone where core.lrc keeps nothing else, unless there is a status tip to report.
        if (!udtMenu.Menu && (EntryHasToolTipLine(udtMenu.Name) || !udtMenu.StatusTip.isEmpty())) Line(u'T', udtMenu.StatusTip);
        Line(u'C', udtMenu.Text);
        if (udtMenu.Menu || udtMenu.ToolTip.isEmpty()) continue;
        const QString strToolTipPath = strForm + u'.' + ToolTipEntry() + udtMenu.Name + u'.' + QString::number(udtMenu.Index);
        strMenus += clsTralyx::FormatEntryLines(strToolTipPath, u'T', udtMenu.ToolTip) + QStringLiteral("\r\n");
        strMenus += clsTralyx::FormatEntryLines(strToolTipPath, u'C', QString()) + QStringLiteral("\r\n");
    }
    QByteArray bytTitle, bytMenus;
    if (!pobjCodePage.Encode(strTitle, bytTitle) || !pobjCodePage.Encode(strMenus, bytMenus))
        throw clsRuntimeError(ErrInvalidArgument, QCoreApplication::translate("basFormTextFile", "%1 cannot write the characters '%2'")
                                                      .arg(pobjCodePage.Name(), pobjCodePage.Unencodable(strTitle + strMenus))
                                                      .toStdString());
    return bytTitle + bytControls + bytMenus;
}

void WriteFormTextFile(clsForm& pfrmPassedForm, const QString& pstrFileName, const clsCodePage& pobjCodePage)
{
    const QByteArray bytContent = FormTextFileContent(pfrmPassedForm, pobjCodePage);
    QString strReason;
    if (!WriteFileAtomically(pstrFileName, bytContent, strReason))
        throw clsRuntimeError(ErrPathFileAccess, "Path/File access error: " + strReason.toStdString());
}

}  // namespace tralyx
