// core.lrc: the file side; the format itself is in basControlTextFormat.
#include "common/basDesktop.h"
#include "store/basControlTextFormat.h"
#include "store/basTableFile.h"
#include "store/clsTralyx.h"

#include <QCoreApplication>

namespace tralyx {

QString clsTralyx::FormatEntryLines(const QString& pstrObjectPath, QChar pchrTag, const QString& pstrText,
                                    bool pbooBlankAfterColon)
{
    QString strOut;
    AppendEntryLines(strOut, pstrObjectPath, pchrTag, pstrText, pbooBlankAfterColon);
    return strOut;
}

void clsTralyx::LoadControlText(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = LoadTableFile(&ReadControlText, pstrFileName, mudtControlText, mlngControlTextLines,
                                mstrControlTextCodePage, mbooControlTextMark, mudtControlTextStamp, &mlngControlTextCaptionLines);
    ControlTextChanged();
    for (qsizetype i = 0; i < mudtLastWarnings.size(); ++i)
        MsgBox(QCoreApplication::translate("clsTralyx", "An unexpected error occurred loading the control text."), vbCritical);
}

void clsTralyx::SaveControlText(const QString& pstrFileName, bool& pbooSuccess)
{
    SaveTableFile(&WriteControlText, mudtControlText, mstrControlTextCodePage, mbooControlTextMark, pstrFileName,
                  mudtControlTextStamp, pbooSuccess);
}

}  // namespace tralyx
