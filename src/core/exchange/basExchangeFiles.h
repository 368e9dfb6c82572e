#pragma once
// The two exchange formats translators' tools read: gettext PO (Poedit, Lokalize, Weblate) and
// XLIFF 1.2 (CAT tools). Entries are keyed by their context "core.lrc:frmMain.cmdOK.0.C".
#include "exchange/udtExchangeEntry.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tralyx {

enum class enuExchangeFormat { Po, Xliff };

// From the name: .po, or .xlf / .xliff (any case); nothing for any other name.
std::optional<enuExchangeFormat> ExchangeFormatOf(const QString& pstrPath);

// The file's bytes; false with a reason when an entry cannot go into the format.
bool WritePo(const udtExchangeDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason);
bool WriteXliff(const udtExchangeDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason);

// Reads what a tool gave back. False with a reason ("line: what") when the file is not one of ours
// or not well-formed; every entry it holds is returned with its context split into FileName and Key
// (an unknown context keeps it whole in Key, with the FileName its form names, if any). Bytes
// without a msgid read as a PO file with no entries.
bool ReadPo(const QByteArray& pbytContent, udtExchangeDocument& pudtOut, QString& pstrReason);
bool ReadXliff(const QByteArray& pbytContent, udtExchangeDocument& pudtOut, QString& pstrReason);

}  // namespace tralyx
