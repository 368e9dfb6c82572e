// tralyx-lrc merge-file BASE OURS THEIRS PATH: Git's merge driver for the language files and the
// state; tralyx-lrc git setup [REPO]: a repository made to use it; tralyx-lrc git textconv FILE: the
// texts as a diff shows them.
#include "CliOptions.h"
#include "Commands.h"
#include "common/basFileSystem.h"
#include "state/clsMergeCandidates.h"
#include "state/clsTranslationState.h"
#include "store/basControlTextFormat.h"
#include "store/basMessagesFormat.h"
#include "store/basSafeFile.h"
#include "store/basSecondaryFormat.h"
#include "update/basThreeWayMerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace tralyx::cli {
namespace {

const char MergeUsage[] = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc merge-file [--code-page NAME] BASE OURS THEIRS PATH");
// The three versions Git hands the driver, in its order.
const char* const SideNames[] = {"base", "ours", "theirs"};
const char GitUsage[] = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc git setup [--code-page NAME] [REPO] | git textconv [--code-page NAME] FILE");

// What a side's bytes read into, with the reader that takes only what the writers write.
template <class TTable>
struct udtSide {
    QByteArray Bytes;
    udtFileRead<TTable> Read;
};

void ReadSide(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtFileRead<QVector<ControlTextItem>>& pudtOut)
{
    ReadControlText(pbytContent, pobjCodePage, pudtOut);
}
void ReadSide(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtFileRead<QVector<MessageItem>>& pudtOut)
{
    ReadMessagesExactly(pbytContent, pobjCodePage, pudtOut);
}
void ReadSide(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtFileRead<QStringList>& pudtOut)
{
    ReadSecondaryExactly(pbytContent, pobjCodePage, pudtOut);
}
bool WriteSide(const QVector<ControlTextItem>& t, const clsCodePage& c, bool m, QByteArray& o, udtFileIssue& e)
{
    return WriteControlText(t, c, m, o, e);
}
bool WriteSide(const QVector<MessageItem>& t, const clsCodePage& c, bool m, QByteArray& o, udtFileIssue& e)
{
    return WriteMessages(t, c, m, o, e);
}
bool WriteSide(const QStringList& t, const clsCodePage& c, bool m, QByteArray& o, udtFileIssue& e)
{
    return WriteSecondary(t, c, m, o, e);
}

QString Quoted(QString pstrText)
{
    if (pstrText.size() > 60) pstrText = pstrText.left(59) + u'…';
    return u'"' + pstrText.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n")) + u'"';
}

// The candidates of a conflicted file beside it in the work tree, where Git runs its drivers.
bool RecordCandidates(const QString& pstrPath, enuFileKind penuKind, const QVector<udtMergeCandidate>& pudtConflicts)
{
    const QString strFolder = QFileInfo(pstrPath).path();
    clsMergeCandidates objCandidates;
    QString strReason;
    if (!objCandidates.Load(strFolder, strReason)) {
        PrintError(QDir(strFolder).filePath(strReason) + Lrc::tr(" (its candidates are printed above only)"));
        return false;
    }
    for (const udtMergeCandidate& u : pudtConflicts) objCandidates.Add(penuKind, u);
    if (objCandidates.Save(strFolder, strReason)) return true;
    PrintError(QDir(strFolder).filePath(strReason));
    return false;
}

template <class TTable>
int MergeTables(const QStringList& pstrFiles, const QString& pstrPath, enuFileKind penuKind, const clsCodePage& pobjCodePage)
{
    udtSide<TTable> udtSides[3];
    for (int i = 0; i < 3; ++i) {
        QString strReason;
        if (!ReadWholeFile(pstrFiles[i], udtSides[i].Bytes, strReason)) {
            PrintError(Lrc::tr("%1 (%2): %3; nothing was merged").arg(pstrPath, QLatin1String(SideNames[i]), strReason));
            return 2;
        }
        ReadSide(udtSides[i].Bytes, pobjCodePage, udtSides[i].Read);
        const udtFileIssue udtProblem = !udtSides[i].Read.Success ? udtSides[i].Read.Error
                                        : udtSides[i].Read.Warnings.isEmpty() ? udtFileIssue{}
                                                                              : udtSides[i].Read.Warnings.front();
        if (!udtSides[i].Read.Success || !udtSides[i].Read.Warnings.isEmpty()) {
            // A side that does not read as its writer writes it would lose lines: Git keeps ours and
            // reports the conflict, for a merge by hand.
            PrintError(Lrc::tr("%1 (%2): %3; the file is left as ours is, to merge by hand")
                           .arg(pstrPath, QLatin1String(SideNames[i]), udtProblem.Text()));
            return 1;
        }
    }
    const TTable& udtOurs = udtSides[1].Read.Table;
    TTable udtResult;
    const udtThreeWayReport udtReport = MergeThreeWay(udtSides[0].Read.Table, udtOurs, udtSides[2].Read.Table, udtResult);
    if (!(udtResult == udtOurs)) {
        QByteArray bytOut;
        if (udtResult == udtSides[2].Read.Table) {
            bytOut = udtSides[2].Bytes;
        } else {
            udtFileIssue udtError;
            if (!WriteSide(udtResult, pobjCodePage, udtSides[1].Read.ByteOrderMark, bytOut, udtError)) {
                PrintError(Lrc::tr("%1: %2; the file is left as ours is").arg(pstrPath, udtError.Text()));
                return 1;
            }
        }
        QString strReason;
        if (!WriteFileAtomically(pstrFiles[1], bytOut, strReason)) {
            PrintError(Lrc::tr("%1: %2; the file is left as ours is").arg(pstrPath, strReason));
            return 1;
        }
    }
    for (const udtMergeCandidate& u : udtReport.Conflicts)
        PrintError(Lrc::tr("%1: %2: both sides changed it: ours %3 is kept, theirs %4 is the other candidate")
                       .arg(pstrPath, u.Id, Quoted(u.Kept), Quoted(u.Other)));
    for (const QString& strNote : udtReport.Notes) PrintError(pstrPath + QStringLiteral(": ") + strNote);
    if (!udtReport.Conflicts.isEmpty() && RecordCandidates(pstrPath, penuKind, udtReport.Conflicts))
        PrintError(Lrc::tr("%1: choose between the candidates in the editor (they are kept in %2)")
                       .arg(pstrPath, QDir(QFileInfo(pstrPath).path()).filePath(clsMergeCandidates::FileName())));
    return udtReport.Clean() ? 0 : 1;
}

int MergeStates(const QStringList& pstrFiles, const QString& pstrPath)
{
    clsTranslationState objStates[3];
    QByteArray bytOurs;
    for (int i = 0; i < 3; ++i) {
        QByteArray bytJson;
        QString strReason;
        if (!ReadWholeFile(pstrFiles[i], bytJson, strReason) || (!bytJson.trimmed().isEmpty() && !objStates[i].Parse(bytJson, strReason))) {
            PrintError(Lrc::tr("%1 (%2): %3; the file is left as ours is, to merge by hand")
                           .arg(pstrPath, QLatin1String(SideNames[i]), strReason));
            return 1;
        }
        if (i == 1) bytOurs = bytJson;
    }
    clsTranslationState objResult;
    const udtThreeWayReport udtReport = MergeThreeWay(objStates[0], objStates[1], objStates[2], objResult);
    for (const QString& strNote : udtReport.Notes) PrintError(pstrPath + QStringLiteral(": ") + strNote);
    if (!(objResult == objStates[1])) {
        QString strReason;
        if (!WriteFileAtomically(pstrFiles[1], objResult.ToJson(), strReason)) {
            PrintError(Lrc::tr("%1: %2; the file is left as ours is").arg(pstrPath, strReason));
            return 1;
        }
    }
    return udtReport.Clean() ? 0 : 1;
}

// How Git is to call this program: by name where that finds this very program, else by its path.
QString SelfCommand()
{
    const QString strSelf = QCoreApplication::applicationFilePath();
    const QString strFound = QStandardPaths::findExecutable(QStringLiteral("tralyx-lrc"));
    if (!strFound.isEmpty() && fs::SameFile(strFound, strSelf)) return QStringLiteral("tralyx-lrc");
    return u'\'' + QString(strSelf).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

bool RunGit(const QStringList& pstrArgs, QString* pstrOut = nullptr)
{
    QProcess objGit;
    objGit.start(QStringLiteral("git"), pstrArgs);
    if (!objGit.waitForFinished(60000) || objGit.exitStatus() != QProcess::NormalExit || objGit.exitCode() != 0) {
        const QString strError = QString::fromUtf8(objGit.readAllStandardError()).trimmed();
        PrintError(Lrc::tr("tralyx-lrc git: git %1: %2")
                       .arg(pstrArgs.join(u' '), strError.isEmpty() ? objGit.errorString() : strError));
        return false;
    }
    if (pstrOut) *pstrOut = QString::fromUtf8(objGit.readAllStandardOutput()).trimmed();
    return true;
}

int GitSetup(const udtCliOptions& pudtOptions)
{
    const QString strRepo = pudtOptions.Operands.size() > 1 ? pudtOptions.Operands[1] : QStringLiteral(".");
    QString strTop;
    if (!RunGit({QStringLiteral("-C"), strRepo, QStringLiteral("rev-parse"), QStringLiteral("--show-toplevel")}, &strTop)) return 1;
    const QString strCodePage = pudtOptions.CodePage == QLatin1String(clsCodePage::DefaultName)
                                    ? QString()
                                    : QStringLiteral(" --code-page '%1'").arg(pudtOptions.CodePage);
    const QString strSelf = SelfCommand();
    const QStringList strConfig[] = {
        {QStringLiteral("merge.tralyx.name"), QStringLiteral("Tralyx language files, entry by entry")},
        {QStringLiteral("merge.tralyx.driver"), strSelf + QStringLiteral(" merge-file") + strCodePage + QStringLiteral(" %O %A %B %P")},
        {QStringLiteral("diff.tralyx.textconv"), strSelf + QStringLiteral(" git textconv") + strCodePage},
    };
    for (const QStringList& strPair : strConfig)
        if (!RunGit({QStringLiteral("-C"), strTop, QStringLiteral("config"), strPair[0], strPair[1]})) return 1;

    // .gitattributes: our lines added where the file lacks them, the rest of it as it was.
    static const char* const Lines[] = {"*.lrc -text merge=tralyx diff=tralyx", "translation-state.json merge=tralyx"};
    const QString strAttributes = QDir(strTop).filePath(QStringLiteral(".gitattributes"));
    QByteArray bytAttributes;
    QString strReason;
    if (QFileInfo::exists(strAttributes) && !ReadWholeFile(strAttributes, bytAttributes, strReason)) {
        PrintError(QStringLiteral("%1: %2").arg(strAttributes, strReason));
        return 1;
    }
    const QList<QByteArray> bytHave = bytAttributes.split('\n');
    QByteArray bytAdded;
    for (const char* pstrLine : Lines)
        if (!bytHave.contains(QByteArray(pstrLine)) && !bytHave.contains(QByteArray(pstrLine) + '\r')) bytAdded += QByteArray(pstrLine) + '\n';
    if (!bytAdded.isEmpty()) {
        if (!bytAttributes.isEmpty() && !bytAttributes.endsWith('\n')) bytAttributes += '\n';
        if (!WriteFileAtomically(strAttributes, bytAttributes + bytAdded, strReason)) {
            PrintError(QStringLiteral("%1: %2").arg(strAttributes, strReason));
            return 1;
        }
    }
    PrintOutput(Lrc::tr("%1: the merge driver and the diff of Tralyx folders are set up%2")
                    .arg(strTop, bytAdded.isEmpty() ? QString() : Lrc::tr("; .gitattributes has its lines (commit it)")));
    return 0;
}

// The file's lines decoded, each line end LF; the lone CR that joins the lines of one text shows as
// U+240D, so that such a text stays one line of the diff.
int GitTextconv(const udtCliOptions& pudtOptions)
{
    if (pudtOptions.Operands.size() != 2) return UsageError(QStringLiteral("git"), Lrc::tr("textconv takes one FILE"), GitUsage);
    QByteArray bytContent;
    QString strReason;
    if (!ReadWholeFile(pudtOptions.Operands[1], bytContent, strReason)) {
        PrintError(pudtOptions.Operands[1] + QStringLiteral(": ") + strReason);
        return 1;
    }
    QString strText = clsCodePage(pudtOptions.CodePage).Decode(bytContent);
    strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', QChar(0x240D));
    const QByteArray bytOut = strText.toUtf8();
    std::fwrite(bytOut.constData(), 1, static_cast<size_t>(bytOut.size()), stdout);
    return 0;
}

}  // namespace

int CmdMergeFile(const QStringList& pstrArgs)
{
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage, QStringLiteral("merge-file"), MergeUsage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 4)
        return UsageError(QStringLiteral("merge-file"), Lrc::tr("BASE, OURS, THEIRS and PATH are needed"), MergeUsage);
    const QString strPath = udtOptions.Operands[3];
    if (QFileInfo(strPath).fileName() == clsTranslationState::FileName()) return MergeStates(udtOptions.Operands, strPath);
    const std::optional<enuFileKind> enuKind = FileKindOfPath(strPath);
    if (!enuKind) {
        PrintError(strPath + QStringLiteral(": ") + UnknownKindReason(strPath));
        return 2;
    }
    const clsCodePage objCodePage(udtOptions.CodePage);
    switch (*enuKind) {
    case enuFileKind::ControlText: return MergeTables<QVector<ControlTextItem>>(udtOptions.Operands, strPath, *enuKind, objCodePage);
    case enuFileKind::Messages: return MergeTables<QVector<MessageItem>>(udtOptions.Operands, strPath, *enuKind, objCodePage);
    case enuFileKind::Secondary: return MergeTables<QStringList>(udtOptions.Operands, strPath, *enuKind, objCodePage);
    }
    return 2;
}

int CmdGit(const QStringList& pstrArgs)
{
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage, QStringLiteral("git"), GitUsage, udtOptions))
        return *lngExit;
    const QString strWhat = udtOptions.Operands.value(0);
    if (strWhat == u"setup" && udtOptions.Operands.size() <= 2) return GitSetup(udtOptions);
    if (strWhat == u"textconv") return GitTextconv(udtOptions);
    return UsageError(QStringLiteral("git"), strWhat.isEmpty() ? Lrc::tr("setup or textconv is needed")
                                                                : QStringLiteral("unknown: %1").arg(strWhat),
                      GitUsage);
}

}  // namespace tralyx::cli
