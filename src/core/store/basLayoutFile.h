#pragma once
// The layout files: a form's "<form>.layout.json" as the harvest writes it, and the English
// folder's "layout.json" that joining gathers. Both hold a list of forms, one control a line, so
// that a change to a form is a change to its lines in a diff.
#include "store/udtFormLayout.h"

#include <QByteArray>
#include <QString>

namespace tralyx {

QString FolderLayoutName();                            // "layout.json"
QString FormLayoutName(const QString& pstrForm);       // "frmMain.layout.json"
QString FolderLayoutPath(const QString& pstrFolder);   // the folder's "layout.json"

QString LayoutKindName(enuLayoutKind penuKind);  // "button", "check box", ...

QByteArray LayoutFileContent(const QVector<udtFormLayout>& pudtForms);
// False with the reason ("line 4: ...") when the bytes are not a layout file.
bool ParseLayoutFile(const QByteArray& pbytContent, QVector<udtFormLayout>& pudtForms, QString& pstrReason);

bool ReadLayoutFile(const QString& pstrFileName, QVector<udtFormLayout>& pudtForms, QString& pstrReason);
// Atomically, as every file of a folder is written.
bool WriteLayoutFile(const QString& pstrFileName, const QVector<udtFormLayout>& pudtForms, QString& pstrReason);

// pudtInto with pudtForms in it: a form it has is replaced where it stands, a new one goes at the end.
void MergeFormLayouts(QVector<udtFormLayout>& pudtInto, const QVector<udtFormLayout>& pudtForms);

}  // namespace tralyx
