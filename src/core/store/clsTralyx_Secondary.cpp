// secondary.lrc: the file side; the format itself is in basSecondaryFormat.
#include "basSecondaryFormat.h"
#include "basTableFile.h"
#include "clsTralyx.h"

namespace tralyx {

void clsTralyx::LoadPreceduralTextFromResource(const QString& pstrFileName, bool& pbooSuccess)
{
    mstrSecondaryCodePage = mstrCodePage;
    udtSecondaryRead udtRead;
    ReadTableFile(pstrFileName, mstrCodePage, &ReadSecondary, udtRead, mudtSecondaryStamp);
    mstrSecondary = std::move(udtRead.Table);
    mlngSecondaryLines = std::move(udtRead.Lines);
    mbooSecondaryMark = udtRead.ByteOrderMark;
    mudtLastError = udtRead.Error;
    mudtLastWarnings = std::move(udtRead.Warnings);
    pbooSuccess = udtRead.Success;
}

void clsTralyx::SaveSecondaryText(const QString& pstrFileName, bool& pbooSuccess)
{
    SaveTableFile(&WriteSecondary, mstrSecondary, mstrSecondaryCodePage, mbooSecondaryMark, pstrFileName,
                  mudtSecondaryStamp, pbooSuccess);
}

}  // namespace tralyx
