#pragma once
// Form text files: the current captions and tool-tips of one form's controls, in the line form of
// core.lrc, so that the entries carry the object paths under which SetControlText looks them up.
#include "common/clsCodePage.h"

#include <QByteArray>
#include <QString>

namespace tralyx {

class clsForm;

// Error numbers raised here besides those of clsRuntimeError.h.
constexpr int32_t ErrInvalidArgument = 5;     // a form name or text the file cannot carry
constexpr int32_t ErrPathFileAccess = 75;     // the file cannot be created or written

// The file's bytes: one tool-tip and/or caption entry per supported control, each line ended by
// CR LF; a multi-line text is written as continuation lines. A property that cannot be read leaves
// its line out, and a control whose name holds a "." or a line break is left out. Throws
// clsRuntimeError ErrInvalidArgument when the form's name cannot head a line or name a file, or
// when a text cannot be written in the code page.
QByteArray FormTextFileContent(clsForm& pfrmPassedForm, const clsCodePage& pobjCodePage);

// Writes that content to pstrFileName, replacing an earlier file only once all of it is written.
// Throws clsRuntimeError ErrPathFileAccess when the file cannot be created or written; nothing is
// left behind then.
void WriteFormTextFile(clsForm& pfrmPassedForm, const QString& pstrFileName, const clsCodePage& pobjCodePage);

}  // namespace tralyx
