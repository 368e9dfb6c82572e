#include "RunProgram.h"

#include <QProcess>

namespace tralyx::test {

udtRun RunProgram(const QString& pstrProgram, const QStringList& pstrArgs, const QByteArray& pbytInput, const QString& pstrStdoutFile)
{
    QProcess objProcess;
    if (!pstrStdoutFile.isEmpty()) objProcess.setStandardOutputFile(pstrStdoutFile);
    objProcess.start(pstrProgram, pstrArgs);
    udtRun udtResult;
    if (!objProcess.waitForStarted()) return udtResult;
    objProcess.write(pbytInput);
    objProcess.closeWriteChannel();
    if (!objProcess.waitForFinished(300000) || objProcess.exitStatus() != QProcess::NormalExit) return udtResult;
    udtResult.ExitCode = objProcess.exitCode();
    udtResult.OutBytes = objProcess.readAllStandardOutput();
    udtResult.Out = QString::fromUtf8(udtResult.OutBytes);
    udtResult.Err = QString::fromUtf8(objProcess.readAllStandardError());
    return udtResult;
}

}  // namespace tralyx::test
