#pragma once
// How a failed comparison shows Qt's texts: a QString as its characters in quotes, with line breaks,
// controls and the blanks one cannot see escaped (a no-break space is no space), a QByteArray as its
// bytes, escaped beyond printable ASCII; a QStringList as a list of such strings. Every test source
// gets this header first (tests/CMakeLists.txt), so a test program prints them one way only.
#include <QByteArray>
#include <QString>
#include <ostream>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& pstrText, std::ostream* pobjOut);
void PrintTo(const QByteArray& pbytBytes, std::ostream* pobjOut);
QT_END_NAMESPACE
