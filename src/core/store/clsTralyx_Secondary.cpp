// secondary.lrc: the file side; the format itself is in basSecondaryFormat.
#include "store/basSecondaryFormat.h"
#include "store/basTableFile.h"
#include "store/clsTralyx.h"

namespace tralyx {

void clsTralyx::LoadPreceduralTextFromResource(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = LoadTableFile(&ReadSecondary, pstrFileName, mstrSecondary, mlngSecondaryLines, mstrSecondaryCodePage,
                                mbooSecondaryMark, mudtSecondaryStamp);
}

void clsTralyx::SaveSecondaryText(const QString& pstrFileName, bool& pbooSuccess)
{
    SaveTableFile(&WriteSecondary, mstrSecondary, mstrSecondaryCodePage, mbooSecondaryMark, pstrFileName,
                  mudtSecondaryStamp, pbooSuccess);
}

}  // namespace tralyx
