#pragma once
// A program run as a user runs it, its input given and its output collected.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tralyx::test {

struct udtRun {
    int ExitCode = -1;  // -1: did not start, crashed or hung
    QByteArray OutBytes;
    QString Out, Err;
    QString Said() const { return Out + Err; }
};

// pstrStdoutFile, when given, takes the standard output instead (for example /dev/full).
udtRun RunProgram(const QString& pstrProgram, const QStringList& pstrArgs, const QByteArray& pbytInput = QByteArray(),
                  const QString& pstrStdoutFile = QString());
inline udtRun RunLrc(const QStringList& pstrArgs, const QByteArray& pbytInput = QByteArray(), const QString& pstrStdoutFile = QString())
{
    return RunProgram(QStringLiteral(TRALYX_LRC_EXE), pstrArgs, pbytInput, pstrStdoutFile);
}

}  // namespace tralyx::test
