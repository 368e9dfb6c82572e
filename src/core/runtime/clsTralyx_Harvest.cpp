// Writing a form's current text to <application folder>/Languages/English/<form name>.LRC.
#include "common/basApplication.h"
#include "common/clsRuntimeError.h"
#include "runtime/basFormTextFile.h"
#include "runtime/clsForm.h"
#include "store/clsTralyx.h"

namespace tralyx {

void clsTralyx::BuildFormTextList(clsForm& pfrmPassedForm) const
{
    const QString strFolder = App::Path();
    // Without a running application there is no folder; an empty one would mean the file system's root.
    if (strFolder.isEmpty())
        throw clsRuntimeError(ErrPathFileAccess, "Path/File access error: the application's folder is not known");
    WriteFormTextFile(pfrmPassedForm,
                      strFolder + QStringLiteral("/Languages/English/") + pfrmPassedForm.Name() + QStringLiteral(".LRC"),
                      clsCodePage(CodePage()));
}

}  // namespace tralyx
