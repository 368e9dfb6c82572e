// Any bytes as a Qt Designer form: it is read or refused with a line and a reason, and a form that
// is read is harvested (or refused with a clsRuntimeError), never a crash.
#include "FuzzSupport.h"
#include "common/clsRuntimeError.h"
#include "harvest/clsUiForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    using namespace tralyx;
    const QByteArray bytInput(reinterpret_cast<const char*>(pbytData), static_cast<qsizetype>(plngSize));
    clsUiForm frmForm;
    udtFileIssue udtError;
    if (!frmForm.Parse(bytInput, udtError)) {
        Check(udtError.Line > 0 && !udtError.Reason.isEmpty(), "a refused form names no line or reason");
        return 0;
    }
    for (const char* pstrCodePage : {"windows-1252", "UTF-8"}) {
        try {
            WindowTextFileContent(frmForm, frmForm.Title(), frmForm.Menus(), fuzz::SharedCodePage(QString::fromLatin1(pstrCodePage)));
        } catch (const clsRuntimeError&) {
        }
    }
    return 0;
}
