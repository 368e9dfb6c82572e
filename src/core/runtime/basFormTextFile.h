#pragma once
// Form text files: the current captions and tool-tips of one form's controls, in the line form of
// core.lrc, so that the entries carry the object paths under which SetControlText looks them up.
#include "common/clsCodePage.h"

#include <QByteArray>
#include <QString>
#include <QVector>

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

// Whether an object name is one Qt gives its own inner parts ("qt_…", "__qt__…" such as a wizard's
// buttons, "_q_…" such as a line edit's clear action): such objects are no controls, menus or actions
// of the form.
inline bool IsQtOwnName(const QString& pstrName)
{
    return pstrName.startsWith(QLatin1StringView("qt_")) || pstrName.startsWith(QLatin1StringView("__qt__")) ||
           pstrName.startsWith(QLatin1StringView("_q_"));
}

// The control name under which a window's title is kept.
inline QString WindowTitleEntry() { return QStringLiteral("[Caption]"); }
// The entry of a text box's placeholder text: this before the box's name ("[Placeholder]txtFind").
inline QString PlaceholderEntry() { return QStringLiteral("[Placeholder]"); }
// The entry of an action's own tool-tip, its tool-tip line: this before the action's name
// ("[ToolTip]actSave"), since the tool-tip line of the action's entry is its status tip.
inline QString ToolTipEntry() { return QStringLiteral("[ToolTip]"); }

// A named menu or action of a window. Texts hold their line breaks as CR LF.
struct udtMenuText {
    QString Name;
    uint8_t Index = 0;
    bool Menu = false;  // a menu has its title only
    QString Text;       // the menu's title, the action's text
    QString StatusTip;  // an action's
    QString ToolTip;    // an action's, where one was set: empty for Qt's own, made from the text
};

// The bytes of a window's form text file: the title's entry, then the controls as
// FormTextFileContent writes them, then the menus and actions in the order given (an action's status
// tip as its tool-tip line, where core.lrc keeps one or the tip is not empty; a tool-tip of its own
// as the tool-tip line of its ToolTipEntry(), with an empty caption line after it, as core.lrc
// writes that entry). A menu or action whose name holds a "." or a line break is left out. Throws as FormTextFileContent does, and
// clsRuntimeError ErrInvalidArgument when the title or a menu's text cannot be written in the code page.
QByteArray WindowTextFileContent(clsForm& pfrmPassedForm, const QString& pstrTitle, const QVector<udtMenuText>& pudtMenus,
                                 const clsCodePage& pobjCodePage);

// Writes that content to pstrFileName, replacing an earlier file only once all of it is written.
// Throws clsRuntimeError ErrPathFileAccess when the file cannot be created or written; nothing is
// left behind then.
void WriteFormTextFile(clsForm& pfrmPassedForm, const QString& pstrFileName, const clsCodePage& pobjCodePage);

// Writes the form's layout to pstrFolder/<form>.layout.json when the installed FormLayoutReader
// (clsForm.h) knows the form; throws as WriteFormTextFile does.
void WriteFormLayoutBeside(clsForm& pfrmForm, const QString& pstrFolder);

}  // namespace tralyx
