#pragma once
// The sub-commands of tralyx-lrc. Each takes the arguments after its name and returns the exit code
// (0 all well, 1 something failed or was skipped, 2 usage error).
#include <QStringList>

namespace tralyx::cli {

int CmdCheck(const QStringList& pstrArgs);
int CmdDump(const QStringList& pstrArgs);
int CmdWrite(const QStringList& pstrArgs);
int CmdUpdate(const QStringList& pstrArgs);
int CmdLint(const QStringList& pstrArgs);
int CmdStatus(const QStringList& pstrArgs);
int CmdExport(const QStringList& pstrArgs);
int CmdImport(const QStringList& pstrArgs);
int CmdTm(const QStringList& pstrArgs);
int CmdGlossary(const QStringList& pstrArgs);
int CmdMergeFile(const QStringList& pstrArgs);
int CmdGit(const QStringList& pstrArgs);
int CmdCompile(const QStringList& pstrArgs);
int CmdHarvest(const QStringList& pstrArgs);
int CmdJoin(const QStringList& pstrArgs);
int CmdPseudo(const QStringList& pstrArgs);

}  // namespace tralyx::cli
