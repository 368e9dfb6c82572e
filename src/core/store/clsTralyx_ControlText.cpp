// core.lrc: the file side; the format itself is in basControlTextFormat.
#include "basControlTextFormat.h"
#include "basDesktop.h"
#include "basTableFile.h"
#include "clsTralyx.h"

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
    mstrControlTextCodePage = mstrCodePage;
    udtControlTextRead udtRead;
    ReadTableFile(pstrFileName, mstrCodePage, &ReadControlText, udtRead, mudtControlTextStamp);
    mudtControlText = std::move(udtRead.Table);
    ControlTextChanged();
    mlngControlTextLines = std::move(udtRead.Lines);
    mbooControlTextMark = udtRead.ByteOrderMark;
    mudtLastError = udtRead.Error;
    mudtLastWarnings = std::move(udtRead.Warnings);
    for (qsizetype i = 0; i < mudtLastWarnings.size(); ++i)
        MsgBox(QStringLiteral("An unexpected error occurred loading the control text."), vbCritical);
    pbooSuccess = udtRead.Success;
}

void clsTralyx::SaveControlText(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    try {
        QByteArray bytContent;
        if (!WriteControlText(mudtControlText, clsCodePage(mstrControlTextCodePage), mbooControlTextMark, bytContent,
                              mudtLastError))
            return;
        pbooSuccess = WriteWholeFile(pstrFileName, bytContent, mudtControlTextStamp);
    } catch (const std::bad_alloc&) {
        mudtLastError = NotEnoughMemory();
    }
}

}  // namespace tralyx
