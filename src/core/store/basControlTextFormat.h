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

// Where a record's entry lines start in the file's bytes (-1 where it has no such line).
struct udtEntryLines {
    int32_t ToolTip = -1;
    int32_t Caption = -1;
};
// The same checks again, keeping where each record's lines start instead of its texts (one
// udtEntryLines per record, in pudtEntries): a run-time reader decodes a text only when it is used.
// Unlike the reader, it fails on a line with an unexpected tag instead of skipping it.
void IndexControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut,
                      QVector<udtEntryLines>& pudtEntries);
// The object path of the entry line at that offset of bytes that IndexControlText accepted.
struct udtEntryPath {
    QByteArrayView Form;
    QByteArrayView Control;
    uint8_t Index = 0;
};
udtEntryPath EntryLinePath(QByteArrayView pbytContent, int32_t plngLine);
// The text of that entry line as ReadControlText reads it: without the first line's leading blanks,
// with the continuation lines that follow it.
QString EntryLineText(QByteArrayView pbytContent, int32_t plngLine, const clsCodePage& pobjCodePage);

// Whether core.lrc has a tool-tip line / a caption line for an entry of this control name: not for
// the tool-tip of an "mnu" or "[cap" name of 4 characters or more, nor the caption of a "txt" name.
bool EntryHasToolTipLine(const QString& pstrControlName);
bool EntryHasCaptionLine(const QString& pstrControlName);

// A text that core.lrc has no line for (the caption of a "txt" control, the tool-tip of an "mnu" or
// "[cap" control): a save leaves it out.
struct udtUnwritableText {
    QString Id;  // "frmMain.txtHint.0.C"
    QString Text;
};
// The non-empty texts of the table that a save would drop, in table order.
QVector<udtUnwritableText> UnwritableTexts(const QVector<ControlTextItem>& pudtTable);

// The file's bytes for the table; false, with the reason naming the entry, when the table cannot be
// written in this format and code page. Texts that UnwritableTexts lists are left out.
bool WriteControlText(const QVector<ControlTextItem>& pudtTable, const clsCodePage& pobjCodePage, bool pbooMark,
                      QByteArray& pbytOut, udtFileIssue& pudtError);

// The lines of one entry text, see clsTralyx::FormatEntryLines.
void AppendEntryLines(QString& pstrOut, QStringView pstrObjectPath, QChar pchrTag, QStringView pstrText,
                      bool pbooBlankAfterColon);

}  // namespace tralyx
