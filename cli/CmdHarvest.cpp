// tralyx-lrc harvest FORM.ui... -o DIR: the English texts of Qt Designer forms, as the run-time
// harvest of their windows writes them; tralyx-lrc join ENGLISH FORMFILE...: form text files merged
// into the English folder's core.lrc.
#include "CliOptions.h"
#include "Commands.h"
#include "harvest/basJoinFormText.h"
#include "harvest/basUiHarvest.h"

#include <QHash>

namespace tralyx::cli {

int CmdHarvest(const QStringList& pstrArgs)
{
    static const char Usage[] = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc harvest [--code-page NAME] -o|--output DIR FORM.ui...");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage | optOutput, QStringLiteral("harvest"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.isEmpty()) return UsageError(QStringLiteral("harvest"), Lrc::tr("no FORM.ui given"), Usage);
    if (udtOptions.Output.isEmpty()) return UsageError(QStringLiteral("harvest"), Lrc::tr("no -o DIR given"), Usage);

    const clsCodePage objCodePage(udtOptions.CodePage);
    bool booAll = true;
    QHash<QString, QString> strWrittenFrom;  // form text file: the form it was written from
    for (const QString& strForm : udtOptions.Operands) {
        const udtUiHarvest udtHarvest = HarvestUiFile(strForm, udtOptions.Output, objCodePage);
        if (const QString strEarlier = strWrittenFrom.value(udtHarvest.FormFile); !strEarlier.isEmpty())
            PrintError(Lrc::tr("%1: warning: its form has the name of %2's, whose texts it replaces in %3")
                           .arg(strForm, strEarlier, udtHarvest.FormFile));
        if (udtHarvest.Error.isEmpty()) strWrittenFrom.insert(udtHarvest.FormFile, strForm);
        for (const udtUnwritableText& udtText : udtHarvest.NotKept)
            PrintError(Lrc::tr("%1: warning: %2 holds \"%3\", which core.lrc has no line for (the caption of a \"txt\" "
                                      "name, the tool-tip of an \"mnu\" name are not kept)")
                           .arg(strForm, udtText.Id, udtText.Text));
        if (!udtHarvest.Error.isEmpty()) {
            PrintError(udtHarvest.Error);
            booAll = false;
        } else {
            if (!udtHarvest.LayoutWhy.isEmpty())
                PrintError(Lrc::tr("%1: warning: no layout written, %2").arg(strForm, udtHarvest.LayoutWhy));
            if (!udtHarvest.Unplaced.isEmpty())
                PrintError(Lrc::tr("%1: warning: layouts place %2 of its controls, which have no size in the file (%3); harvest the "
                                   "running application to check them")
                               .arg(strForm)
                               .arg(udtHarvest.Unplaced.size())
                               .arg(udtHarvest.Unplaced.join(QStringLiteral(", "))));
            if (udtHarvest.LayoutFile.isEmpty()) PrintOutput(Lrc::tr("%1: written %2").arg(strForm, udtHarvest.FormFile));
            else PrintOutput(Lrc::tr("%1: written %2 and %3").arg(strForm, udtHarvest.FormFile, udtHarvest.LayoutFile));
        }
    }
    return booAll ? 0 : 1;
}

int CmdJoin(const QStringList& pstrArgs)
{
    static const char Usage[] = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc join [--prune] [--code-page NAME] ENGLISH FORMFILE...");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage | optPrune, QStringLiteral("join"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() < 2)
        return UsageError(QStringLiteral("join"), Lrc::tr("expected the English folder and at least one form file"), Usage);

    bool booSuccess = false;
    const std::vector<udtReportLine> udtLines = JoinIntoFolder(
        {udtOptions.Operands.front(), udtOptions.Operands.mid(1), udtOptions.Prune, udtOptions.CodePage}, booSuccess);
    for (const udtReportLine& udtLine : udtLines) (udtLine.Error ? PrintError : PrintOutput)(udtLine.Text);
    return booSuccess ? 0 : 1;
}

}  // namespace tralyx::cli
