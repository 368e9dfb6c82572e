// tralyx-lrc write FILE < JSON: writes the records of a dump to FILE with the saver of its kind.
#include "CliDesktop.h"
#include "CliJson.h"
#include "CliOptions.h"
#include "Commands.h"
#include "common/basFileSystem.h"
#include "common/basShortened.h"
#include "store/basControlTextFormat.h"

#include <QFile>
#include <cstdio>

namespace tralyx::cli {

int CmdWrite(const QStringList& pstrArgs)
{
    static const char Usage[] =
        QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc write [--kind core|messages|secondary] [--code-page NAME] [--force] [--drop-unwritable] FILE < JSON");
    udtCliOptions udtOptions;
    QString strError;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optKind | optCodePage | optForce | optDropUnwritable, QStringLiteral("write"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 1)
        return UsageError(QStringLiteral("write"), Lrc::tr("give exactly one FILE"), Usage);
    const QString& strFile = udtOptions.Operands.front();
    if (WritesOverInput(strFile, {QStringLiteral("/dev/stdin")})) return 1;

    QFile objInput;
    if (!objInput.open(stdin, QIODevice::ReadOnly)) {
        PrintError(Lrc::tr("tralyx-lrc write: cannot read the standard input"));
        return 1;
    }
    // Read in pieces up to the limit of a file: `write < /dev/zero` must end with a reason.
    QByteArray bytJson;
    for (QByteArray bytPiece; !(bytPiece = objInput.read(1 << 20)).isEmpty();) {
        bytJson += bytPiece;
        if (bytJson.size() > fs::MaxFileSize) {
            PrintError(Lrc::tr("tralyx-lrc write: the standard input is larger than %1 MiB, too large for a language file")
                           .arg(fs::MaxFileSize / (1024 * 1024)));
            return 1;
        }
    }
    if (objInput.error() != QFileDevice::NoError) {
        PrintError(Lrc::tr("tralyx-lrc write: cannot read the standard input: ") + objInput.errorString());
        return 1;
    }
    udtJsonTable udtTable;
    if (!ParseJsonTable(bytJson, udtTable, strError)) {
        PrintError(Lrc::tr("tralyx-lrc write: standard input: ") + strError);
        return 1;
    }
    // --kind, else the file's name, else the kind the dump names.
    std::optional<enuFileKind> enuKind = udtOptions.Kind ? udtOptions.Kind : FileKindOfPath(strFile);
    if (!enuKind) enuKind = udtTable.Kind;
    if (!enuKind) {
        PrintError(IssueText(strFile, {0, UnknownKindReason(strFile)}));
        return 1;
    }
    if (udtTable.Kind && udtTable.Kind != enuKind) {
        PrintError(Lrc::tr("%1: the JSON holds a %2 table, but the file is written as %3")
                       .arg(strFile, QString::fromLatin1(FileKind(*udtTable.Kind).BaseName), QString::fromLatin1(FileKind(*enuKind).BaseName)));
        return 1;
    }

    clsTralyx objStore;
    objStore.SetCodePage(udtOptions.CodePage);  // before the table is set: it is written in this code page
    if (!SetTableFromJson(objStore, *enuKind, udtTable.Records, strError)) {
        PrintError(Lrc::tr("tralyx-lrc write: standard input: ") + strError);
        return 1;
    }
    // core.lrc has no line for some texts; a save must not lose them without a word.
    if (*enuKind == enuFileKind::ControlText) {
        const QVector<udtUnwritableText> udtLost = UnwritableTexts(objStore.ControlTextTable());
        for (const udtUnwritableText& udtText : udtLost)
            PrintError(Lrc::tr("%1: %2: core.lrc has no line for this text: \"%3\"%4")
                           .arg(strFile, udtText.Id, Shortened(udtText.Text),
                                udtOptions.DropUnwritable ? Lrc::tr(" (left out)") : QString()));
        if (!udtLost.isEmpty() && !udtOptions.DropUnwritable) {
            PrintError(Lrc::tr("%1: not written: %2 text(s) would be lost (give --drop-unwritable to leave them out)")
                           .arg(strFile)
                           .arg(udtLost.size()));
            return 1;
        }
    }
    const clsCliDesktop objDesktop(udtOptions.Force);
    bool booSuccess = false;
    SaveFile(objStore, *enuKind, strFile, booSuccess);
    if (!booSuccess) {
        PrintError(IssueText(strFile, objStore.LastError()) +
                   (objStore.LastError().Declined ? Lrc::tr(" (give --force to replace it)") : QString()));
        return 1;
    }
    PrintOutput(QStringLiteral("%1: written, %2 records").arg(strFile, QString::number(RecordCount(objStore, *enuKind))));
    return 0;
}

}  // namespace tralyx::cli
