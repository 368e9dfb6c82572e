#include "FuzzTargets.h"

#include "FuzzInput.h"
#include "store/basControlTextFormat.h"
#include <iterator>

namespace tralyx::fuzz {

namespace {

void CheckParsedTable(const clsTralyx& pobjStore, enuFileKind penuKind, const udtParsed& pudtRead, const QByteArray& pbytInput,
                      const QString& pstrCodePage, const clsFuzzDesktop& pobjDesktop, const std::string& pstrContext)
{
    Check(RecordCount(pobjStore, penuKind) >= 1, "a read left an empty table" + pstrContext);
    Check(pudtRead.Lines.size() == RecordCount(pobjStore, penuKind), "not one start line per record" + pstrContext);
    Check(pobjDesktop.mstrPrompts.isEmpty(), "a reader showed a message box" + pstrContext);
    if (!pudtRead.Success) {
        Check(!pudtRead.Error.Reason.isEmpty(), "a failed read gave no reason" + pstrContext);
        Check(pudtRead.Error.Line >= 0, "a failed read gave a negative line" + pstrContext);
    } else {
        Check(pudtRead.Error.Reason.isEmpty(), "a successful read left a reason" + pstrContext);
    }
    // A hundred skipped lines are listed with line and reason, the rest counted in a last one.
    Check(pudtRead.Warnings.size() <= 101, "more than a hundred skipped lines listed" + pstrContext);
    for (qsizetype i = 0; i < pudtRead.Warnings.size(); ++i)
        Check((pudtRead.Warnings[i].Line > 0 || i == 100) && !pudtRead.Warnings[i].Reason.isEmpty(),
              "a skipped line without its line or reason" + pstrContext);
    // Bytes a multi-byte code page cannot decode fail the read; nothing is replaced.
    if (pstrCodePage == u"UTF-8")
        Check(!pudtRead.Success || pbytInput.isValidUtf8(), "invalid UTF-8 read as a table" + pstrContext);
    const auto Clean = [&](const QString& pstrText) {
        Check(pstrCodePage != u"windows-932" || !pstrText.contains(QChar(0xFFFD)),
              "a replacement character was read: " + Show(pstrText) + pstrContext);
    };
    switch (penuKind) {
    case enuFileKind::ControlText:
        Check(pobjStore.ControlTextTable().size() <= clsTralyx::MaxRecords, "more records than a table holds" + pstrContext);
        for (const ControlTextItem& r : pobjStore.ControlTextTable()) {
            for (const QString* s : {&r.FormName, &r.ControlName})
                Check(!s->contains(u'.') && !s->contains(u'\r') && !s->contains(u'\n'),
                      "a name read from a line holds '.' or a line break: " + Show(*s) + pstrContext);
            Clean(r.Caption);
            Clean(r.ToolTip);
        }
        break;
    case enuFileKind::Messages:
        Check(pobjStore.MessageTable().size() <= clsTralyx::MaxMessages, "more than 255 messages" + pstrContext);
        for (const MessageItem& r : pobjStore.MessageTable()) Clean(r.Message + r.Title);
        break;
    case enuFileKind::Secondary:
        Check(pobjStore.SecondaryTable().size() <= clsTralyx::MaxRecords, "more entries than a table holds" + pstrContext);
        for (const QString& r : pobjStore.SecondaryTable()) Clean(r);
        break;
    }
}

// The run-time index of the same bytes (Translation's): it fails where the reader fails, with the
// same line and reason, or at the first line the reader skipped, and reads each record's texts as
// the reader does.
void CheckIndex(const clsTralyx& pobjStore, const QByteArray& pbytInput, const QString& pstrCodePage,
                const udtParsed& pudtRead, const std::string& pstrContext)
{
    udtFileRead<QVector<ControlTextItem>> udtIndexed;
    QVector<udtEntryLines> udtEntries;
    IndexControlText(pbytInput, SharedCodePage(pstrCodePage), udtIndexed, udtEntries);
    if (!pudtRead.Warnings.isEmpty()) {
        Check(!udtIndexed.Success && udtIndexed.Error.Line == pudtRead.Warnings.first().Line,
              "the index takes a line the reader skips: " + Show(pudtRead.Warnings.first().Text()) + pstrContext);
        return;
    }
    Check(udtIndexed.Success == pudtRead.Success && udtIndexed.Error == pudtRead.Error,
          "the index and the reader disagree: " + Show(udtIndexed.Error.Text()) + " / " + Show(pudtRead.Error.Text()) + pstrContext);
    if (!udtIndexed.Success) return;
    const QVector<ControlTextItem>& udtTable = pobjStore.ControlTextTable();
    Check(udtEntries.size() == udtTable.size() || (udtEntries.isEmpty() && udtTable == QVector<ControlTextItem>(1)),
          "the index has " + std::to_string(udtEntries.size()) + " records, the reader " + std::to_string(udtTable.size()) + pstrContext);
    const auto Text = [&](int32_t plngLine) {
        return plngLine < 0 ? QString() : EntryLineText(pbytInput, plngLine, SharedCodePage(pstrCodePage));
    };
    for (qsizetype i = 0; i < udtEntries.size(); ++i)
        Check(Text(udtEntries[i].Caption) == udtTable[i].Caption && Text(udtEntries[i].ToolTip) == udtTable[i].ToolTip,
              "the index reads record " + std::to_string(i) + " as " + Show(Text(udtEntries[i].Caption)) + " / " +
                  Show(Text(udtEntries[i].ToolTip)) + pstrContext);
}

// FNV-1a: any change of the input changes it.
uint32_t InputHash(const uint8_t* pbytData, size_t plngSize)
{
    uint32_t lngHash = 2166136261u;
    for (size_t i = 0; i < plngSize; ++i) lngHash = (lngHash ^ pbytData[i]) * 16777619u;
    return lngHash;
}

}  // namespace

int ReadAnyFile(enuFileKind penuKind, const uint8_t* pbytData, size_t plngSize)
{
    clsFuzzDesktop& objDesktop = clsFuzzDesktop::Installed();
    const QByteArray bytInput = QByteArray::fromRawData(reinterpret_cast<const char*>(pbytData), static_cast<qsizetype>(plngSize));
    for (const char* pstrCodePage : CodePages) {
        const QString strCodePage = QString::fromLatin1(pstrCodePage);
        objDesktop.Clear();
        objDesktop.mlngNextAnswer = 0;
        clsTralyx objStore;
        const udtParsed udtRead = Parse(objStore, penuKind, bytInput, strCodePage);
        const std::string strContext = std::string(" (code page ") + pstrCodePage + ")";
        CheckParsedTable(objStore, penuKind, udtRead, bytInput, strCodePage, objDesktop, strContext);
        if (penuKind == enuFileKind::ControlText) CheckIndex(objStore, bytInput, strCodePage, udtRead, strContext);
        if (udtRead.Success) CheckWriteAndRead(objStore, penuKind, strCodePage, udtRead.Mark);
    }
    return 0;
}

int WriteThenRead(const uint8_t* pbytData, size_t plngSize)
{
    clsFuzzDesktop& objDesktop = clsFuzzDesktop::Installed();
    objDesktop.Clear();
    objDesktop.mlngNextAnswer = 0;
    clsFuzzInput objIn(pbytData, plngSize);
    const enuFileKind enuTable = static_cast<enuFileKind>(objIn.Byte() % 3);
    const QString strCodePage = QString::fromLatin1(CodePages[objIn.Byte() % std::size(CodePages)]);
    const uint8_t bytFlags = objIn.Byte();  // 0x80: UTF-8 byte-order mark
    // The costly cases, a table of around a thousand records (numbers wrap after 999) and the trip
    // through a file, cost a hundred to a thousand small tables each. A hash of the whole input
    // chooses them, so that they stay rare whatever the corpus holds: a flag byte would be kept by
    // most mutations of an input that reached them, and libFuzzer favours such inputs.
    const uint32_t lngHash = InputHash(pbytData, plngSize);
    const bool booLarge = lngHash % LargeTableOneIn == 0;
    const bool booThroughFile = (lngHash >> 16) % ThroughFileOneIn == 0;

    clsTralyx objStore;
    objStore.SetCodePage(strCodePage);
    const uint32_t lngCount = objIn.Upto(48);
    switch (enuTable) {
    case enuFileKind::ControlText: {
        QVector<ControlTextItem> udtTable;
        udtTable.reserve(booLarge ? 1024 : lngCount);
        for (uint32_t i = 0; i < lngCount; ++i) {
            ControlTextItem r;
            r.FormName = objIn.Text(4);
            r.ControlName = objIn.Text(4);
            r.Index = objIn.Byte();
            r.Caption = objIn.Text(16);
            r.ToolTip = objIn.Text(16);
            udtTable.append(r);
        }
        // Large tables: the records again and again, around a thousand.
        if (booLarge && !udtTable.isEmpty()) {
            const qsizetype lngWanted = 990 + objIn.Upto(30);
            for (qsizetype i = udtTable.size(); i < lngWanted; ++i) udtTable.append(udtTable[i % lngCount]);
        }
        objStore.SetControlTextTable(udtTable);
        break;
    }
    case enuFileKind::Messages: {
        QVector<MessageItem> udtTable;
        udtTable.reserve(booLarge ? 1024 : lngCount);
        for (uint32_t i = 0; i < lngCount; ++i) {
            MessageItem r;
            r.Identifier = objIn.Byte();
            r.Message = objIn.Text(16);
            r.Title = objIn.Text(6);
            udtTable.append(r);
        }
        // Around the 255 messages a file can number.
        if (booLarge && !udtTable.isEmpty()) {
            const qsizetype lngWanted = 200 + objIn.Upto(100);
            for (qsizetype i = udtTable.size(); i < lngWanted; ++i) udtTable.append(udtTable[i % lngCount]);
        }
        objStore.SetMessageTable(udtTable);
        break;
    }
    case enuFileKind::Secondary: {
        QStringList strTable;
        strTable.reserve(booLarge ? 1024 : lngCount);
        for (uint32_t i = 0; i < lngCount; ++i) strTable.append(objIn.Text(16));
        if (booLarge && !strTable.isEmpty()) {
            const qsizetype lngWanted = 990 + objIn.Upto(30);
            for (qsizetype i = strTable.size(); i < lngWanted; ++i) strTable.append(strTable[i % lngCount]);
        }
        objStore.SetSecondaryTable(strTable);
        break;
    }
    }

    const bool booWritable = CheckWriteAndRead(objStore, enuTable, strCodePage, (bytFlags & 0x80) != 0);
    // The file side now and then: it asks, writes atomically and syncs, which costs far more than
    // the formats themselves.
    if (!booThroughFile) return 0;
    const QString strFile = ScratchPath(QStringLiteral("out/table.lrc"));
    RemoveFile(strFile);
    bool booSaved = false;
    SaveFile(objStore, enuTable, strFile, booSaved);
    Check(booSaved == booWritable, "the saver and the writer disagree: " + objStore.LastError().Text().toStdString());
    Check(FolderHoldsOnly(ScratchPath(QStringLiteral("out")), booSaved ? QStringList{QStringLiteral("table.lrc")} : QStringList{}),
          "the save left a temporary file behind, or no file");

    // Over an existing file: No keeps it byte for byte, Yes replaces it.
    const QByteArray bytOld("old file\r\nTXT001:keep me\r\n", 26);
    const QString strQuestion = QStringLiteral("The file ") + strFile + QStringLiteral(" already exists.\r\nDo you want to overwrite it?");
    WriteBytes(strFile, bytOld);
    objDesktop.Clear();
    objDesktop.mlngNextAnswer = vbNo;
    booSaved = true;
    SaveFile(objStore, enuTable, strFile, booSaved);
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
        SaveFile(objStore, enuTable, strFile, booSaved);
        Check(booSaved && objDesktop.mstrPrompts.size() == 1, "answering Yes did not replace the file");
        Check(ReadBytes(strFile) != bytOld, "answering Yes left the old file");
        Check(FolderHoldsOnly(ScratchPath(QStringLiteral("out")), {QStringLiteral("table.lrc")}), "the save left a file behind");
    }
    RemoveFile(strFile);
    objDesktop.mlngNextAnswer = 0;
    return 0;
}

}  // namespace tralyx::fuzz
