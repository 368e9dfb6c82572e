// tralyx-lrc update OLD NEW DEST: the update merge of the three language files, without a window,
// for build pipelines.
#include "Commands.h"
#include "basDesktop.h"
#include "clsTralyx.h"
#include "udtUpdateReport.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace tralyx::cli {
namespace {

const char* const UpdateUsage =
    "usage: tralyx-lrc update OLD NEW DEST [--force] [--dry-run] [--code-page NAME]\n"
    "  Merges core.lrc, messages.lrc and secondary.lrc of the old (translated) folder OLD with those\n"
    "  of the new release's folder NEW into DEST: entries the old files already had keep their text.\n"
    "  --force          overwrite files that already exist in DEST (otherwise they are left alone)\n"
    "  --dry-run        write nothing; report what would happen\n"
    "  --code-page NAME the code page of the files (default windows-1252)\n"
    "  Exit status: 0 all three files written, 1 a file was skipped or failed, 2 usage error.\n";

// The store asks before overwriting a file: --force answers Yes, otherwise No. Its only other box,
// the control-text reader's for a skipped line, is answered silently: the report lists those lines.
class clsCliDesktop : public clsDesktop {
public:
    explicit clsCliDesktop(bool pbooForce) : mbooForce(pbooForce) { InstallDesktop(this); }
    ~clsCliDesktop() override { InstallDesktop(nullptr); }

    int32_t MsgBox(const QString&, int32_t plngStyle, const QString& pstrTitle, const QString&) override
    {
        if (pstrTitle == u"Overwrite file") return mbooForce ? vbYes : vbNo;
        return (plngStyle & 7) == vbYesNo ? vbNo : (plngStyle & 7) == vbOKOnly ? vbOK : vbCancel;
    }
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return QString(); }
    void SetClipboardText(const QString&) override {}

private:
    bool mbooForce;
};

int UsageError(const QString& pstrWhat)
{
    std::fprintf(stderr, "tralyx-lrc update: %s\n%s", qPrintable(pstrWhat), UpdateUsage);
    return 2;
}

// A dry run's first line: what the write would do, judged without writing. False when the file
// would not be written.
bool DescribeDryRun(const udtUpdateReport& pudtReport, bool pbooForce, QString& pstrLine)
{
    const QFileInfo objDestination(pudtReport.DestinationFile);
    if (!objDestination.absoluteDir().exists()) {
        pstrLine = QStringLiteral("%1 would not be written: the folder %2 does not exist")
                       .arg(pudtReport.FileName, objDestination.absolutePath());
        return false;
    }
    if (objDestination.isDir()) {
        pstrLine = QStringLiteral("%1 would not be written: %2 is a folder").arg(pudtReport.FileName, pudtReport.DestinationFile);
        return false;
    }
    if (objDestination.exists() && !pbooForce) {
        pstrLine = QStringLiteral("%1 would not be written: %2 already exists (--force overwrites it)")
                       .arg(pudtReport.FileName, pudtReport.DestinationFile);
        return false;
    }
    pstrLine = QStringLiteral("%1 would be %2 %3")
                   .arg(pudtReport.FileName, objDestination.exists() ? QStringLiteral("overwritten:") : QStringLiteral("written to"),
                        pudtReport.DestinationFile);
    return true;
}

}  // namespace

int CmdUpdate(const QStringList& pstrArgs)
{
    bool booForce = false, booDryRun = false;
    QString strCodePage = QString::fromLatin1(clsCodePage::DefaultName);
    QStringList strFolders;
    bool booOptionsEnded = false;  // after "--", a folder may begin with "-"
    for (qsizetype i = 0; i < pstrArgs.size(); ++i) {
        const QString& strArg = pstrArgs[i];
        if (booOptionsEnded || !strArg.startsWith(u'-') || strArg == u"-") {
            strFolders.append(strArg);
        } else if (strArg == u"--") {
            booOptionsEnded = true;
        } else if (strArg == u"--help" || strArg == u"-h") {
            std::fputs(UpdateUsage, stdout);
            return 0;
        } else if (strArg == u"--force") {
            booForce = true;
        } else if (strArg == u"--dry-run") {
            booDryRun = true;
        } else if (strArg == u"--code-page" || strArg.startsWith(QStringLiteral("--code-page="))) {
            if (strArg.contains(u'=')) {
                strCodePage = strArg.section(u'=', 1);
            } else if (++i < pstrArgs.size()) {
                strCodePage = pstrArgs[i];
            } else {
                return UsageError(QStringLiteral("--code-page needs a name"));
            }
        } else {
            return UsageError(QStringLiteral("unknown option '%1'").arg(strArg));
        }
    }
    if (strFolders.size() != 3)
        return UsageError(QStringLiteral("expected three folders (OLD NEW DEST), got %1").arg(strFolders.size()));
    // An empty name would be taken for the root folder.
    if (strFolders.contains(QString())) return UsageError(QStringLiteral("an empty argument is not a folder name"));
    if (QFileInfo(strFolders[2]).exists() && !QFileInfo(strFolders[2]).isDir()) {
        std::fprintf(stderr, "tralyx-lrc update: %s is not a folder; nothing was written\n", qPrintable(strFolders[2]));
        return 1;
    }

    clsTralyx objStore;
    if (!objStore.SetCodePage(strCodePage)) return UsageError(QStringLiteral("unknown code page '%1'").arg(strCodePage));
    clsCliDesktop objDesktop(booForce);

    const QString &strOld = strFolders[0], &strNew = strFolders[1], &strDestination = strFolders[2];
    const bool booWrite = !booDryRun;
    const QVector<udtUpdateReport> udtReports{objStore.UpdateControlText(strOld, strNew, strDestination, booWrite),
                                              objStore.UpdateMessages(strOld, strNew, strDestination, booWrite),
                                              objStore.UpdateSecondaryText(strOld, strNew, strDestination, booWrite)};
    bool booAllWell = true;
    for (const udtUpdateReport& udtReport : udtReports) {
        QString strText = udtReport.Text();
        if (udtReport.Outcome == enuUpdateOutcome::Merged) {
            QString strFirstLine;
            booAllWell = DescribeDryRun(udtReport, booForce, strFirstLine) && booAllWell;
            const QString strRest = strText.section(u'\n', 1);
            strText = strRest.isEmpty() ? strFirstLine : strFirstLine + u'\n' + strRest;
        } else {
            booAllWell = udtReport.Written() && booAllWell;
            if (udtReport.Issue.Declined) {
                const qsizetype lngEnd = strText.indexOf(u'\n');
                strText.insert(lngEnd < 0 ? strText.size() : lngEnd, QStringLiteral(" (--force overwrites it)"));
            }
        }
        std::printf("%s\n", qPrintable(strText));
    }
    return booAllWell ? 0 : 1;
}

}  // namespace tralyx::cli
