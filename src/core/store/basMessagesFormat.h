#pragma once
// messages.lrc on bytes: "MSGnnn:" lines of the message text, then an "MSTnnn:" line with the title.
#include "store/udtFileRead.h"

namespace tralyx {

using udtMessagesRead = udtFileRead<QVector<MessageItem>>;

// Parses the bytes; lines with another head are skipped and listed in the warnings.
void ReadMessages(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtMessagesRead& pudtOut);

// The same for a reader that takes only what the writer writes: every line an MSGnnn: or MSTnnn:
// line, the records numbered 001, 002, 003, ... in order. Anything else fails, naming the line.
void ReadMessagesExactly(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtMessagesRead& pudtOut);

// The file's bytes for the table (message n is numbered n, from MSG001); false, with the reason
// naming the message, when the table cannot be written in this format and code page.
bool WriteMessages(const QVector<MessageItem>& pudtTable, const clsCodePage& pobjCodePage, bool pbooMark,
                   QByteArray& pbytOut, udtFileIssue& pudtError);

}  // namespace tralyx
