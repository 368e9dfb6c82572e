// Writing a form's current text to <application folder>/Languages/English/<form name>.LRC, and its
// layout beside it where the form's binding can tell it.
#include "common/basApplication.h"
#include "common/clsRuntimeError.h"
#include "runtime/basFormTextFile.h"
#include "runtime/clsForm.h"
#include "store/basLayoutFile.h"
#include "store/clsTralyx.h"

#include <atomic>

namespace tralyx {
namespace {

std::atomic<FormLayoutReader> gfnLayoutReader{nullptr};

}  // namespace

void SetFormLayoutReader(FormLayoutReader pfnReader) { gfnLayoutReader = pfnReader; }

void WriteFormLayoutBeside(clsForm& pfrmForm, const QString& pstrFolder)
{
    udtFormLayout udtLayout;
    const FormLayoutReader fnReader = gfnLayoutReader;
    if (!fnReader || !fnReader(pfrmForm, udtLayout)) return;
    QString strReason;
    if (!WriteLayoutFile(pstrFolder + u'/' + FormLayoutName(udtLayout.Form), {udtLayout}, strReason))
        throw clsRuntimeError(ErrPathFileAccess, "Path/File access error: " + strReason.toStdString());
}

void clsTralyx::BuildFormTextList(clsForm& pfrmPassedForm) const
{
    const QString strFolder = App::Path();
    // Without a running application there is no folder; an empty one would mean the file system's root.
    if (strFolder.isEmpty())
        throw clsRuntimeError(ErrPathFileAccess, "Path/File access error: the application's folder is not known");
    const QString strEnglish = strFolder + QStringLiteral("/Languages/English");
    WriteFormTextFile(pfrmPassedForm, strEnglish + u'/' + pfrmPassedForm.Name() + QStringLiteral(".LRC"), clsCodePage(CodePage()));
    WriteFormLayoutBeside(pfrmPassedForm, strEnglish);
}

}  // namespace tralyx
