#pragma once
// A text quoted in a reason or a report as one short line: its first line, at most plngMaxChars
// characters, with "..." when anything was left out. A damaged file can hold a line of megabytes.
#include <QString>
#include <QStringView>

namespace tralyx {

QString Shortened(QStringView pstrText, qsizetype plngMaxChars = 60);
// The same; a text that is short already is given back shared, not copied (an update's report
// quotes thousands).
QString Shortened(const QString& pstrText, qsizetype plngMaxChars = 60);

}  // namespace tralyx
