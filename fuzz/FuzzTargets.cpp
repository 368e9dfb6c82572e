#include "FuzzTargets.h"

#include "FuzzInput.h"
#include "basApplication.h"

namespace tralyx::fuzz {

namespace {

const QString UnexpectedTagPrompt = QStringLiteral("An unexpected error occurred loading the control text.");

void CheckLoadedTable(const clsTralyx& pobjStore, enuKind penuKind, bool pbooLoaded, const clsFuzzDesktop& pobjDesktop,
                      const std::string& pstrContext)
{
    Check(TableSize(pobjStore, penuKind) >= 1, "a load left an empty table" + pstrContext);
    if (!pbooLoaded) {
        Check(!pobjStore.LastError().Reason.isEmpty(), "a failed load gave no reason" + pstrContext);
        Check(pobjStore.LastError().Line >= 0, "a failed load gave a negative line" + pstrContext);
    } else {
        Check(pobjStore.LastError().Reason.isEmpty(), "a successful load left a reason" + pstrContext);
    }
    switch (penuKind) {
    case enuKind::ControlText: {
        Check(pobjStore.ControlTextTable().size() <= clsTralyx::MaxRecords, "more records than a table holds" + pstrContext);
        for (const ControlTextItem& r : pobjStore.ControlTextTable())
            for (const QString* s : {&r.FormName, &r.ControlName})
                Check(!s->contains(u'.') && !s->contains(u'\r') && !s->contains(u'\n'),
                      "a name read from a line holds '.' or a line break: " + Show(*s) + pstrContext);
        // One message box per skipped line, with the fixed text, critical icon and the application title.
        Check(pobjDesktop.mstrPrompts.size() == pobjStore.LastWarnings().size(),
              "message boxes and skipped lines differ in number" + pstrContext);
        for (qsizetype i = 0; i < pobjDesktop.mstrPrompts.size(); ++i)
            Check(pobjDesktop.mstrPrompts[i] == UnexpectedTagPrompt && pobjDesktop.mlngStyles[i] == vbCritical &&
                      pobjDesktop.mstrTitles[i] == App::Title(),
                  "unexpected message box " + Show(pobjDesktop.mstrPrompts[i]) + pstrContext);
        break;
    }
    case enuKind::Messages:
        Check(pobjStore.MessageTable().size() <= clsTralyx::MaxMessages, "more than 255 messages" + pstrContext);
        Check(pobjDesktop.mstrPrompts.isEmpty(), "the message reader showed a message box" + pstrContext);
        break;
    case enuKind::Secondary:
        Check(pobjStore.SecondaryTable().size() <= clsTralyx::MaxRecords, "more entries than a table holds" + pstrContext);
        Check(pobjDesktop.mstrPrompts.isEmpty(), "the procedural text reader showed a message box" + pstrContext);
        break;
    }
}

}  // namespace

int ReadAnyFile(enuKind penuKind, const uint8_t* pbytData, size_t plngSize)
{
    clsFuzzDesktop& objDesktop = clsFuzzDesktop::Installed();
    const QString strInput = ScratchPath(QStringLiteral("in/input.lrc"));
    WriteBytes(strInput, QByteArray(reinterpret_cast<const char*>(pbytData), static_cast<qsizetype>(plngSize)));
    for (const char* pstrCodePage : CodePages) {
        const QString strCodePage = QString::fromLatin1(pstrCodePage);
        objDesktop.Clear();
        objDesktop.mlngNextAnswer = 0;
        clsTralyx objStore;
        Check(objStore.SetCodePage(strCodePage), "unknown code page " + std::string(pstrCodePage));
        bool booLoaded = false;
        Load(objStore, penuKind, strInput, booLoaded);
        const std::string strContext = std::string(" (code page ") + pstrCodePage + ")";
        CheckLoadedTable(objStore, penuKind, booLoaded, objDesktop, strContext);
        if (booLoaded) CheckSaveAndReload(objStore, penuKind, strCodePage, ScratchPath(QStringLiteral("out/saved.lrc")));
    }
    return 0;
}

int WriteThenRead(const uint8_t* pbytData, size_t plngSize)
{
    clsFuzzDesktop& objDesktop = clsFuzzDesktop::Installed();
    objDesktop.Clear();
    objDesktop.mlngNextAnswer = 0;
    clsFuzzInput objIn(pbytData, plngSize);
    const enuKind enuTable = static_cast<enuKind>(objIn.Byte() % 3);
    const QString strCodePage = QString::fromLatin1(CodePages[objIn.Byte() & 1]);
    const uint8_t bytFlags = objIn.Byte();  // 0x11: a thousand records and more; 2: over an old file

    clsTralyx objStore;
    objStore.SetCodePage(strCodePage);
    const uint32_t lngCount = objIn.Upto(48);
    switch (enuTable) {
    case enuKind::ControlText: {
        QVector<ControlTextItem> udtTable;
        for (uint32_t i = 0; i < lngCount; ++i) {
            ControlTextItem r;
            r.FormName = objIn.Text(4);
            r.ControlName = objIn.Text(4);
            r.Index = objIn.Byte();
            r.Caption = objIn.Text(16);
            r.ToolTip = objIn.Text(16);
            udtTable.append(r);
        }
        // Large tables: the records again and again, past a thousand.
        if ((bytFlags & 0x11) == 0x11 && !udtTable.isEmpty()) {
            const qsizetype lngWanted = 1000 + objIn.Upto(1200);
            for (qsizetype i = udtTable.size(); i < lngWanted; ++i) udtTable.append(udtTable[i % lngCount]);
        }
        objStore.SetControlTextTable(udtTable);
        break;
    }
    case enuKind::Messages: {
        QVector<MessageItem> udtTable;
        for (uint32_t i = 0; i < lngCount; ++i) {
            MessageItem r;
            r.Identifier = objIn.Byte();
            r.Message = objIn.Text(16);
            r.Title = objIn.Text(6);
            udtTable.append(r);
        }
        // Around the 255 messages a file can number.
        if ((bytFlags & 0x11) == 0x11 && !udtTable.isEmpty()) {
            const qsizetype lngWanted = 200 + objIn.Upto(100);
            for (qsizetype i = udtTable.size(); i < lngWanted; ++i) udtTable.append(udtTable[i % lngCount]);
        }
        objStore.SetMessageTable(udtTable);
        break;
    }
    case enuKind::Secondary: {
        QStringList strTable;
        for (uint32_t i = 0; i < lngCount; ++i) strTable.append(objIn.Text(16));
        if ((bytFlags & 0x11) == 0x11 && !strTable.isEmpty()) {
            const qsizetype lngWanted = 1000 + objIn.Upto(1200);
            for (qsizetype i = strTable.size(); i < lngWanted; ++i) strTable.append(strTable[i % lngCount]);
        }
        objStore.SetSecondaryTable(strTable);
        break;
    }
    }

    const QString strFile = ScratchPath(QStringLiteral("out/table.lrc"));
    const bool booWritable = CheckSaveAndReload(objStore, enuTable, strCodePage, strFile);
    if (!(bytFlags & 2)) return 0;

    // Over an existing file: No keeps it byte for byte, Yes replaces it.
    const QByteArray bytOld("old file\r\nTXT001:keep me\r\n", 26);
    const QString strQuestion = QStringLiteral("The file ") + strFile + QStringLiteral(" already exists.\r\nDo you want to overwrite it?");
    WriteBytes(strFile, bytOld);
    objDesktop.Clear();
    objDesktop.mlngNextAnswer = vbNo;
    bool booSaved = true;
    Save(objStore, enuTable, strFile, booSaved);
    Check(!booSaved && !objStore.LastError().Reason.isEmpty(), "answering No did not fail the save with a reason");
    Check(ReadBytes(strFile) == bytOld, "answering No changed the old file");
    Check(FolderHoldsOnly(ScratchPath(QStringLiteral("out")), {QStringLiteral("table.lrc")}), "answering No left a file behind");
    if (booWritable)
        Check(objDesktop.mstrPrompts.size() == 1 && objDesktop.mstrPrompts[0] == strQuestion &&
                  objDesktop.mstrTitles[0] == QStringLiteral("Overwrite file") &&
                  objDesktop.mlngStyles[0] == vbQuestion + vbYesNo,
              "the overwrite question was not asked exactly once, as written");
    else  // a table the saver refuses may be refused before the question
        Check(objDesktop.mstrPrompts.size() <= 1, "the overwrite question was asked more than once");
    if (booWritable) {
        objDesktop.Clear();
        objDesktop.mlngNextAnswer = vbYes;
        Save(objStore, enuTable, strFile, booSaved);
        Check(booSaved && objDesktop.mstrPrompts.size() == 1, "answering Yes did not replace the file");
        Check(ReadBytes(strFile) != bytOld, "answering Yes left the old file");
        Check(FolderHoldsOnly(ScratchPath(QStringLiteral("out")), {QStringLiteral("table.lrc")}), "the save left a file behind");
    }
    RemoveFile(strFile);
    objDesktop.mlngNextAnswer = 0;
    return 0;
}

}  // namespace tralyx::fuzz
