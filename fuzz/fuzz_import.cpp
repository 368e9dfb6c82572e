// Any bytes as a PO file, as an XLIFF file, as a TMX memory and as a TBX or CSV glossary, brought into a small language folder of odd shapes
// (LF and lone CR line ends, a skipped line, numbers out of order, a control array, no final line
// end): the readers accept or refuse with a reason; every change they carry splices into the files
// so that they read back as the translations say (a refusal of that check is a fault here); an
// entry they refuse (an entity left unexpanded, plural forms, two targets) changes nothing; an
// XLIFF document that was read writes and reads back the same texts; a glossary that was read finds
// its terms within the bounds of any text (the bytes themselves as one). The seeds hold DOCTYPEs with
// entities of every kind and PO strings with NUL escapes and raw NULs.
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeImport.h"
#include "memory/basTmxFile.h"
#include "memory/clsGlossary.h"
#include "FuzzSupport.h"

using namespace tralyx;
using namespace tralyx::fuzz;

namespace {

const udtLanguageFolder& Folder()
{
    static const udtLanguageFolder udtFolder = [] {
        clsFuzzDesktop::Installed();
        const QString strFolder = ScratchPath(QStringLiteral("import/German/core.lrc")).chopped(9);
        WriteBytes(strFolder + QStringLiteral("/core.lrc"),
                   "frmMain.cmdOK.0.T:Accept\nfrmMain.cmdOK.0.C:&OK\nfrmMain.lblNote.0.C:one\rfrmMain.lblNote.0.C:two\r\n"
                   "frmMain.mnuFile.0.C:&Datei\r\nfrmMain.txtName.0.T:Name\r\nfrmMain.cmdA.3.X:skipped\r\n"
                   "frmMain.cmdA.3.T:\r\nfrmMain.cmdA.4.C:Vier");
        WriteBytes(strFolder + QStringLiteral("/messages.lrc"),
                   "MSG005:a [#!t!#]\rMSG005:b\r\nMST005:T\r\nMST009:title first\nMSG009:m\nMSG002:c\r\n");
        WriteBytes(strFolder + QStringLiteral("/secondary.lrc"), "TXT001:x\r\n\r\nHeading\r\nTXT002:y\rTXT002:z\r\nTXT003:");
        udtLanguageFolder u;
        QStringList strErrors;
        Check(LoadLanguageFolder(strFolder, QStringLiteral("windows-1252"), u, strErrors), "the folder loads");
        return u;
    }();
    return udtFolder;
}

void CheckImport(const udtExchangeDocument& pudtDocument)
{
    const udtImportPlan udtPlan = PlanImport(Folder(), pudtDocument);
    for (const udtImportedFile& udtFile : udtPlan.Files) {
        Check(!udtFile.Refused, "a change did not splice into " + udtFile.Path.toStdString() + ": " + udtFile.Reason.toStdString());
        Check(udtFile.Changed > 0 || udtFile.Content.isEmpty(), "content without a change");
    }
    for (const udtNotApplied& udtItem : udtPlan.NotApplied) Check(!udtItem.Reason.isEmpty(), "a translation left out without a reason");
    // An entry the reader refused (an entity it did not expand, plural forms, two targets) changes nothing.
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        if (udtEntry.Refused.isEmpty()) continue;
        for (const udtImportedFile& udtFile : PlanImport(Folder(), {{}, {}, {udtEntry}, {}}).Files)
            Check(udtFile.Changed == 0, "a refused entry was applied: " + Show(udtEntry.Key) + ": " + udtEntry.Refused.toStdString());
    }
}

// The same bytes as a memory: read, or refused with a reason; the reader from the bytes gives what
// Qt's reader of the decoded text gives.
void CheckTmx(const QByteArray& pbytContent)
{
    udtTmxDocument udtTmx;
    QString strReason;
    const bool booRead = ReadTmx(pbytContent, udtTmx, strReason);
    if (!booRead) Check(!strReason.isEmpty(), "a TMX refusal without a reason");
    struct clsToDocument final : clsTmxUnitSink {
        std::vector<udtTmxUnit> Units;
        void Unit(udtTmxUnit& u) override { Units.push_back(u); }
        void Restart() override { Units.clear(); }
    } objDecoded;
    udtTmxDocument udtDecoded;
    QString strDecodedReason;
    const bool booDecoded = ReadTmxDecoded(pbytContent, udtDecoded, objDecoded, strDecodedReason);
    udtDecoded.Units = std::move(objDecoded.Units);
    Check(booRead == booDecoded && strReason == strDecodedReason && (!booRead || udtTmx == udtDecoded),
          "the TMX readers differ: " + strReason.toStdString() + " / " + strDecodedReason.toStdString());
}

// The same bytes as a glossary, TBX and CSV: read, or refused with a line; its lookup stays in the text.
void CheckGlossary(const QByteArray& pbytContent)
{
    for (const bool booCsv : {false, true}) {
        udtGlossaryDocument udtDocument;
        QString strReason;
        if (!(booCsv ? ReadGlossaryCsv(pbytContent, udtDocument, strReason) : ReadTbx(pbytContent, udtDocument, strReason))) {
            Check(strReason.startsWith(QStringLiteral("line ")), "a glossary refusal without its line: " + strReason.toStdString());
            continue;
        }
        clsGlossary objGlossary;
        for (const udtGlossaryPair& u : udtDocument.Pairs) objGlossary.Add(u.Source, u.Translation);
        const QString strText = QString::fromUtf8(pbytContent);
        for (const udtGlossaryHit& u : objGlossary.Find(strText))
            Check(u.Term >= 0 && size_t(u.Term) < objGlossary.Terms().size() && u.Position >= 0 && u.Length > 0 &&
                      u.Position + u.Length <= strText.size(),
                  "a glossary hit outside its text");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    if (plngSize > 64 * 1024) return 0;
    clsFuzzDesktop::Installed().Clear();  // the boxes of a failed read-back check, this input's only
    const QByteArray bytContent(reinterpret_cast<const char*>(pbytData), static_cast<qsizetype>(plngSize));
    CheckGlossary(bytContent);
    QString strReason;
    udtExchangeDocument udtPo;
    if (ReadPo(bytContent, udtPo, strReason)) CheckImport(udtPo);
    else Check(!strReason.isEmpty(), "a PO refusal without a reason");

    udtExchangeDocument udtXliff;
    if (!ReadXliff(bytContent, udtXliff, strReason)) {
        Check(!strReason.isEmpty(), "an XLIFF refusal without a reason");
        CheckTmx(bytContent);
        return 0;
    }
    CheckImport(udtXliff);
    CheckTmx(bytContent);
    QByteArray bytWritten;
    if (!WriteXliff(udtXliff, bytWritten, strReason)) return 0;  // a text XML cannot carry
    udtExchangeDocument udtAgain;
    Check(ReadXliff(bytWritten, udtAgain, strReason), "our XLIFF does not read back: " + strReason.toStdString());
    Check(udtAgain.Entries.size() == udtXliff.Entries.size(), "XLIFF entries lost on writing");
    for (size_t i = 0; i < udtXliff.Entries.size(); ++i) {
        const udtExchangeEntry& a = udtXliff.Entries[i];
        const udtExchangeEntry& b = udtAgain.Entries[i];
        Check(a.FileName == b.FileName && a.Key == b.Key && a.Source == b.Source && a.Translation == b.Translation,
              "XLIFF entry changed on writing: " + Show(a.Key) + " " + Show(a.Source) + " -> " + Show(b.Source) + ", " +
                  Show(a.Translation) + " -> " + Show(b.Translation));
    }
    return 0;
}
