// The update merge on two tables built by the fuzzer: the result has the new table's length and
// order, each entry is the first old entry of its key (control text) or of its position (messages,
// procedural text) or else the new one, and every old entry left out is reported. Now and then the
// same goes through the files: both tables saved, merged by Update*, the destination read back.
#include "FuzzInput.h"
#include "FuzzSupport.h"
#include "update/basMerge.h"
#include "update/udtUpdateReport.h"

#include <QDir>

using namespace tralyx;
using namespace tralyx::fuzz;

namespace {

// Few names, so that keys meet; now and then any text.
QString Name(clsFuzzInput& pobjIn, const char16_t* const* pstrPool, uint32_t plngPool)
{
    const uint8_t b = pobjIn.Byte();
    return b < 224 ? QString::fromUtf16(pstrPool[b % plngPool]) : pobjIn.Text(3);
}

ControlTextItem ControlRecord(clsFuzzInput& pobjIn)
{
    static const char16_t* const Forms[] = {u"frmMain", u"frmOptions", u"frmmain", u""};
    static const char16_t* const Controls[] = {u"cmdOK", u"cmdCancel", u"mnuFile", u"txtName", u"cmdok", u"[Caption]"};
    ControlTextItem r;
    r.FormName = Name(pobjIn, Forms, 4);
    r.ControlName = Name(pobjIn, Controls, 6);
    r.Index = static_cast<uint8_t>(pobjIn.Upto(2) == 2 ? pobjIn.Byte() : pobjIn.Upto(1));
    r.Caption = pobjIn.Text(4);
    r.ToolTip = pobjIn.Text(3);
    return r;
}

bool SameKey(const ControlTextItem& a, const ControlTextItem& b)
{
    return a.FormName == b.FormName && a.ControlName == b.ControlName && a.Index == b.Index;
}

std::string Counts(const udtUpdateReport& r)
{
    return " (kept " + std::to_string(r.KeptFromOld) + ", new " + std::to_string(r.TakenFromNew) + ", dropped " +
           std::to_string(r.Dropped.size()) + ")";
}

void CheckControlTextMerge(const QVector<ControlTextItem>& udtNew, const QVector<ControlTextItem>& udtOld)
{
    QVector<ControlTextItem> udtResult;
    udtUpdateReport udtReport;
    MergeControlTextTables(udtNew, udtOld, udtResult, udtReport);
    Check(udtResult.size() == udtNew.size(), "the result's length is not the new table's");

    std::vector<bool> booTaken(udtOld.size(), false);
    int32_t lngKept = 0;
    for (qsizetype i = 0; i < udtNew.size(); ++i) {
        qsizetype lngFirst = -1;
        for (qsizetype j = 0; j < udtOld.size() && lngFirst < 0; ++j)
            if (SameKey(udtOld[j], udtNew[i])) lngFirst = j;
        const ControlTextItem& udtWanted = lngFirst >= 0 ? udtOld[lngFirst] : udtNew[i];
        Check(udtResult[i] == udtWanted, "result entry " + std::to_string(i) + " is not " +
                                             (lngFirst >= 0 ? "the first old entry of its key" : "the new entry"));
        if (lngFirst >= 0) {
            booTaken[lngFirst] = true;
            ++lngKept;
        }
    }
    Check(udtReport.KeptFromOld == lngKept && udtReport.TakenFromNew == udtNew.size() - lngKept,
          "the report's counts are wrong" + Counts(udtReport));
    Check(udtReport.TakenNew.size() == udtReport.TakenFromNew, "the entries taken new are not all named");

    // Every old entry that the result does not carry is reported, in old-table order, and no other.
    qsizetype k = 0;
    for (qsizetype j = 0; j < udtOld.size(); ++j) {
        if (booTaken[j]) continue;
        Check(k < udtReport.Dropped.size() && udtReport.Dropped[k].Position == j,
              "old entry " + std::to_string(j) + " was lost without a report" + Counts(udtReport));
        const udtDroppedEntry& d = udtReport.Dropped[k++];
        Check(d.Key == clsTralyx::ObjectPath(udtOld[j]), "a dropped entry is reported under another key");
        qsizetype lngFirst = 0;
        while (!SameKey(udtOld[lngFirst], udtOld[j])) ++lngFirst;
        Check(d.Duplicate == (lngFirst != j && booTaken[lngFirst]), "a dropped entry's duplicate flag is wrong");
    }
    Check(k == udtReport.Dropped.size(), "the report names an old entry that the result carries");

    // The result may be one of the inputs.
    QVector<ControlTextItem> udtInPlace = udtOld;
    udtUpdateReport udtAgain;
    MergeControlTextTables(udtNew, udtInPlace, udtInPlace, udtAgain);
    Check(udtInPlace == udtResult && udtAgain.Dropped == udtReport.Dropped, "merging into the old table gives another result");
    udtInPlace = udtNew;
    MergeControlTextTables(udtInPlace, udtOld, udtInPlace, udtAgain);
    Check(udtInPlace == udtResult, "merging into the new table gives another result");
}

template <class TTable>
void CheckPositionalMerge(const TTable& udtNew, const TTable& udtOld,
                          void (*pfnMerge)(const TTable&, const TTable&, TTable&, udtUpdateReport&, std::vector<udtMergeLink>*))
{
    TTable udtResult;
    udtUpdateReport udtReport;
    pfnMerge(udtNew, udtOld, udtResult, udtReport, nullptr);
    Check(udtResult.size() == udtNew.size(), "the result's length is not the new table's");
    for (qsizetype i = 0; i < udtNew.size(); ++i)
        Check(udtResult[i] == (i < udtOld.size() ? udtOld[i] : udtNew[i]),
              "result entry " + std::to_string(i) + " does not come from the side its position says");
    const qsizetype lngKept = std::min(udtNew.size(), udtOld.size());
    Check(udtReport.KeptFromOld == lngKept && udtReport.TakenFromNew == udtNew.size() - lngKept,
          "the report's counts are wrong" + Counts(udtReport));
    Check(udtReport.Dropped.size() == udtOld.size() - lngKept, "old entries beyond the new table are not all reported");
    for (qsizetype k = 0; k < udtReport.Dropped.size(); ++k)
        Check(udtReport.Dropped[k].Position == lngKept + k && !udtReport.Dropped[k].Key.isEmpty(),
              "a dropped entry is reported at the wrong position or without its id");
    Check(udtReport.TakenNew.size() == udtReport.TakenFromNew, "the entries taken new are not all named");
    TTable udtInPlace = udtOld;
    pfnMerge(udtNew, udtInPlace, udtInPlace, udtReport, nullptr);
    Check(udtInPlace == udtResult, "merging into the old table gives another result");
}

// Saves both tables into old/ and new/, runs the file merge into dest/ and reads the result back.
void CheckThroughFiles(const clsTralyx& pobjOld, const clsTralyx& pobjNew, enuFileKind penuKind)
{
    const QString strName = LanguageFileName(penuKind);
    const QString strRoot = ScratchPath(QStringLiteral("merge"));
    QDir(strRoot).removeRecursively();
    for (const char* pstrFolder : {"old", "new", "dest"}) QDir().mkpath(strRoot + u'/' + QLatin1StringView(pstrFolder));
    clsTralyx objOld = pobjOld, objNew = pobjNew;
    bool booOld = false, booNew = false;
    SaveFile(objOld, penuKind, strRoot + QStringLiteral("/old/") + strName, booOld);
    SaveFile(objNew, penuKind, strRoot + QStringLiteral("/new/") + strName, booNew);
    if (!booOld || !booNew) return;  // a table the format refuses; the write-then-read target covers that

    // What the merge must write: the merge of the two tables as they read back.
    clsTralyx objOldBack, objNewBack;
    LoadFile(objOldBack, penuKind, strRoot + QStringLiteral("/old/") + strName, booOld);
    LoadFile(objNewBack, penuKind, strRoot + QStringLiteral("/new/") + strName, booNew);
    Check(booOld && booNew, "a saved table did not load");
    clsTralyx objWanted;
    udtUpdateReport udtIgnored;
    switch (penuKind) {
    case enuFileKind::ControlText: {
        QVector<ControlTextItem> t;
        MergeControlTextTables(objNewBack.ControlTextTable(), objOldBack.ControlTextTable(), t, udtIgnored);
        objWanted.SetControlTextTable(ExpectedControlText(t));
        break;
    }
    case enuFileKind::Messages: {
        QVector<MessageItem> t;
        MergeMessageTables(objNewBack.MessageTable(), objOldBack.MessageTable(), t, udtIgnored);
        objWanted.SetMessageTable(ExpectedMessages(t));
        break;
    }
    case enuFileKind::Secondary: {
        QStringList t;
        MergeSecondaryTables(objNewBack.SecondaryTable(), objOldBack.SecondaryTable(), t, udtIgnored);
        objWanted.SetSecondaryTable(ExpectedSecondary(t));
        break;
    }
    }

    clsTralyx objRun;
    const QString strOld = strRoot + QStringLiteral("/old"), strNew = strRoot + QStringLiteral("/new"),
                  strDest = strRoot + QStringLiteral("/dest");
    const udtUpdateReport udtReport = penuKind == enuFileKind::ControlText ? objRun.UpdateControlText(strOld, strNew, strDest)
                                      : penuKind == enuFileKind::Messages  ? objRun.UpdateMessages(strOld, strNew, strDest)
                                                                       : objRun.UpdateSecondaryText(strOld, strNew, strDest);
    Check(udtReport.Written(), "the merge of two files that load was not written: " + udtReport.Summary().toStdString());
    clsTralyx objBack;
    bool booBack = false;
    LoadFile(objBack, penuKind, strDest + u'/' + strName, booBack);
    Check(booBack, "the merged file does not load");
    Check(SameTable(objBack, objWanted, penuKind), "the merged file is not the merge of the two files: got " +
                                                       Describe(objBack, penuKind) + "\nwanted " + Describe(objWanted, penuKind));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    clsFuzzDesktop::Installed().mlngNextAnswer = 0;
    clsFuzzInput objIn(pbytData, plngSize);
    const enuFileKind enuTable = static_cast<enuFileKind>(objIn.Byte() % 3);
    const bool booThroughFiles = (objIn.Byte() & 3) == 3;
    const uint32_t lngOld = objIn.Upto(24), lngNew = objIn.Upto(24);
    clsTralyx objOld, objNew;
    switch (enuTable) {
    case enuFileKind::ControlText: {
        QVector<ControlTextItem> udtOld, udtNew;
        for (uint32_t i = 0; i < lngOld; ++i) udtOld.append(ControlRecord(objIn));
        for (uint32_t i = 0; i < lngNew; ++i) udtNew.append(ControlRecord(objIn));
        CheckControlTextMerge(udtNew, udtOld);
        objOld.SetControlTextTable(udtOld);
        objNew.SetControlTextTable(udtNew);
        break;
    }
    case enuFileKind::Messages: {
        QVector<MessageItem> udtOld, udtNew;
        for (uint32_t i = 0; i < lngOld; ++i) udtOld.append({objIn.Byte(), objIn.Text(4), objIn.Text(2)});
        for (uint32_t i = 0; i < lngNew; ++i) udtNew.append({objIn.Byte(), objIn.Text(4), objIn.Text(2)});
        CheckPositionalMerge(udtNew, udtOld, &MergeMessageTables);
        objOld.SetMessageTable(udtOld);
        objNew.SetMessageTable(udtNew);
        break;
    }
    case enuFileKind::Secondary: {
        QStringList strOld, strNew;
        for (uint32_t i = 0; i < lngOld; ++i) strOld.append(objIn.Text(4));
        for (uint32_t i = 0; i < lngNew; ++i) strNew.append(objIn.Text(4));
        CheckPositionalMerge(strNew, strOld, &MergeSecondaryTables);
        objOld.SetSecondaryTable(strOld);
        objNew.SetSecondaryTable(strNew);
        break;
    }
    }
    if (booThroughFiles) CheckThroughFiles(objOld, objNew, enuTable);
    return 0;
}
