#pragma once
// The JSON form of a table, as `dump` prints it and `write` reads it:
//   {"kind": "core", "success": true, "error": null or {"line": N, "reason": "..."},
//    "warnings": [{"line": N, "reason": "..."}], "records": [...]}
// Records carry the store's field names: {"FormName", "ControlName", "Index", "Caption", "ToolTip"}
// for core, {"Identifier", "Message", "Title"} for messages, a plain string for secondary. Line
// breaks inside texts are CR LF, so they show as "\r\n".
#include "CliStore.h"
#include "clsJsonWriter.h"

#include <QByteArray>
#include <QJsonArray>
#include <optional>

namespace tralyx::cli {

// The whole document for the store's table of that kind, with the last load's error and warnings;
// one record per line, so that two dumps compare line by line.
QByteArray DumpDocument(const clsTralyx& pobjStore, enuFileKind penuKind, bool pbooSuccess);

// What `write` takes from a document: its records and, when given, its kind.
struct udtJsonTable {
    std::optional<enuFileKind> Kind;
    QJsonArray Records;
};

// Parses a document. False with a reason that says where ("line 3, column 7: ...") when the text is
// not JSON, is not an object, or has no "records" array or an unknown "kind", and for the dump of
// a failed load ("success": false), whose records are only a part of the table.
bool ParseJsonTable(const QByteArray& pbytJson, udtJsonTable& pudtOut, QString& pstrReason);

// Checks every record against the kind's fields (types, 0 to 255 for Index and Identifier, no
// unknown field) and, when all are good, replaces the store's table of that kind with them. False
// with a reason that names the record ("records[3].Index: ...") otherwise; the store is unchanged.
bool SetTableFromJson(clsTralyx& pobjStore, enuFileKind penuKind, const QJsonArray& pudtRecords, QString& pstrReason);

}  // namespace tralyx::cli
