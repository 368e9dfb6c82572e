#pragma once
// core.lrc on bytes: one entry per control, "Form.Control.Index.T:tool-tip" and
// "Form.Control.Index.C:caption", a multi-line text as one line per text line joined by lone CRs.
#include "store/udtFileRead.h"

namespace tralyx {

using udtControlTextRead = udtFileRead<QVector<ControlTextItem>>;

// Parses the bytes; lines with an unexpected tag are skipped and listed in the warnings.
void ReadControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut);
// The same checks without keeping the table (Lines holds one entry per record; Table one record,
// not necessarily filled): for telling whether a file loads, and how many records it has, at a
// fraction of the memory and time.
void ScanControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut);

// The file's bytes for the table; false, with the reason naming the entry, when the table cannot be
// written in this format and code page.
bool WriteControlText(const QVector<ControlTextItem>& pudtTable, const clsCodePage& pobjCodePage, bool pbooMark,
                      QByteArray& pbytOut, udtFileIssue& pudtError);

// The lines of one entry text, see clsTralyx::FormatEntryLines.
void AppendEntryLines(QString& pstrOut, QStringView pstrObjectPath, QChar pchrTag, QStringView pstrText,
                      bool pbooBlankAfterColon);

}  // namespace tralyx
