#include "exchange/basExchangeImport.h"

#include "common/basShortened.h"
#include "common/basTextFingerprint.h"
#include "exchange/basExchangeText.h"
#include "store/basFormatText.h"
#include "store/basSafeFile.h"
#include "store/clsLineReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>
#include <algorithm>
#include <tuple>

namespace tralyx {
namespace {

struct udtChange {
    int32_t Record = 0;
    enuTextKind Kind = enuTextKind::Secondary;
    QString ObjectPath;
    QString Text;  // line breaks CR LF
};

struct udtLine {
    qsizetype Start = 0;
    qsizetype Size = 0;  // without the line end
    qsizetype End = 0;   // start of the next line
};

// Lines to drop and text to put in their place (or before line At).
struct udtEdit {
    qsizetype At = 0;
    // Of edits at one place: one record's new last line (a caption, a title) before the next
    // record's new first line, and within a record tool-tip before caption, text before title.
    int32_t Record = 0;
    int Order = 0;
    std::vector<qsizetype> Deleted;
    QString Lines;           // the new lines joined by a lone CR, without the last line end
    QByteArray LineEnd;      // after the last new line
};

// The lines from plngStart on: after a UTF-8 byte-order mark, where the reader starts.
std::vector<udtLine> SplitLines(const QByteArray& pbytContent, qsizetype plngStart)
{
    std::vector<udtLine> udtLines;
    clsLineReader objLines(QByteArrayView(pbytContent).sliced(plngStart));
    const char* pBase = pbytContent.constData();
    while (objLines.Next()) udtLines.push_back({objLines.Data() - pBase, objLines.Size(), 0});
    for (size_t i = 0; i < udtLines.size(); ++i)
        udtLines[i].End = i + 1 < udtLines.size() ? udtLines[i + 1].Start : pbytContent.size();
    return udtLines;
}

// The tag of a core.lrc line: what stands between its third "." and the first ":" after it.
QStringView ControlTag(QStringView pstrLine)
{
    qsizetype p = -1;
    for (int i = 0; i < 3; ++i) {
        p = pstrLine.indexOf(u'.', p + 1);
        if (p < 0) return {};
    }
    const qsizetype lngColon = pstrLine.indexOf(u':', p + 1);
    return lngColon < 0 ? QStringView() : pstrLine.mid(p + 1, lngColon - p - 1);
}

// The new lines of a message or procedural text: every line with the record's head.
QString NumberedLines(const QString& pstrHead, const QString& pstrText)
{
    QString strOut;
    const QStringList strLines = SplitTextLines(pstrText);
    for (qsizetype i = 0; i < strLines.size(); ++i) {
        if (i > 0) strOut += u'\r';
        strOut += pstrHead + strLines[i];
    }
    return strOut;
}

// Builds the edits of one file's changes; false (with a reason) when the lines of a text are not
// where the reader would have put them together.
bool PlanEdits(enuFileKind penuFile, const QByteArray& pbytContent, const std::vector<udtLine>& pudtLines,
               const clsCodePage& pobjCodePage, const QVector<int32_t>& plngRecordLines,
               const std::vector<udtChange>& pudtChanges, std::vector<udtEdit>& pudtEdits, QString& pstrReason)
{
    const qsizetype lngLines = static_cast<qsizetype>(pudtLines.size());
    auto LineText = [&](qsizetype i) {
        return pobjCodePage.Decode(pbytContent.constData() + pudtLines[i].Start, pudtLines[i].Size);
    };
    auto LineEnd = [&](qsizetype i) {
        const udtLine& u = pudtLines[i];
        return pbytContent.mid(u.Start + u.Size, u.End - u.Start - u.Size);
    };
    for (const udtChange& udtChange : pudtChanges) {
        const qsizetype lngFirst = plngRecordLines[udtChange.Record] - 1;
        const qsizetype lngEnd =
            udtChange.Record + 1 < plngRecordLines.size() ? plngRecordLines[udtChange.Record + 1] - 1 : lngLines;
        if (lngFirst < 0 || lngFirst >= lngEnd || lngEnd > lngLines) {
            pstrReason = QCoreApplication::translate("basExchangeImport", "the lines of record %1 are not where they were read").arg(udtChange.Record + 1);
            return false;
        }
        const QString strFirst = LineText(lngFirst);
        udtEdit udtEdit;
        udtEdit.Record = udtChange.Record;
        std::vector<qsizetype>& lngGroup = udtEdit.Deleted;
        bool booInsertAtEnd = false;  // when the record has no line of this text yet
        switch (udtChange.Kind) {
        case enuTextKind::Caption:
        case enuTextKind::ToolTip: {
            const bool booCaption = udtChange.Kind == enuTextKind::Caption;
            const QStringView strTag = booCaption ? QStringView(u"C") : QStringView(u"T");
            for (qsizetype i = lngFirst; i < lngEnd; ++i)
                if (ControlTag(LineText(i)) == strTag) lngGroup.push_back(i);
            udtEdit.Order = booCaption ? 1 : 0;
            udtEdit.Lines = clsTralyx::FormatEntryLines(udtChange.ObjectPath, booCaption ? u'C' : u'T', udtChange.Text);
            booInsertAtEnd = booCaption;  // the caption line follows the tool-tip line
            break;
        }
        case enuTextKind::MessageText:
        case enuTextKind::MessageTitle: {
            const bool booTitle = udtChange.Kind == enuTextKind::MessageTitle;
            const QStringView strTag = booTitle ? QStringView(u"MST") : QStringView(u"MSG");
            for (qsizetype i = lngFirst; i < lngEnd; ++i)
                if (QStringView(LineText(i)).left(3) == strTag) lngGroup.push_back(i);
            // Of several title lines the last one counts; the others stay as they are.
            if (booTitle && lngGroup.size() > 1) lngGroup.erase(lngGroup.begin(), lngGroup.end() - 1);
            const QString strHead = strTag.toString() + strFirst.mid(3, 3) + u':';
            udtEdit.Order = booTitle ? 1 : 0;
            udtEdit.Lines = booTitle ? strHead + udtChange.Text : NumberedLines(strHead, udtChange.Text);
            booInsertAtEnd = booTitle;
            break;
        }
        case enuTextKind::Secondary:
            for (qsizetype i = lngFirst; i < lngEnd; ++i) {
                const QString strLine = LineText(i);
                if (strLine.size() >= 6 && ParseDigits(QStringView(strLine).mid(3, 3), 999)) lngGroup.push_back(i);
            }
            udtEdit.Lines = NumberedLines(QStringLiteral("TXT") + strFirst.mid(3, 3) + u':', udtChange.Text);
            break;
        }
        if (lngGroup.empty()) {
            udtEdit.At = booInsertAtEnd ? lngEnd : lngFirst;
            udtEdit.LineEnd = QByteArrayLiteral("\r\n");
        } else {
            const bool booCore = penuFile == enuFileKind::ControlText;
            // A multi-line core.lrc text is read from consecutive lines only.
            if (booCore && lngGroup.back() - lngGroup.front() + 1 != static_cast<qsizetype>(lngGroup.size())) {
                pstrReason = QCoreApplication::translate("basExchangeImport", "the lines of %1 are not consecutive").arg(udtChange.ObjectPath);
                return false;
            }
            udtEdit.At = lngGroup.front();
            udtEdit.LineEnd = LineEnd(lngGroup.back());
        }
        pudtEdits.push_back(std::move(udtEdit));
    }
    return true;
}

bool ApplyEdits(const QByteArray& pbytContent, const std::vector<udtLine>& pudtLines, std::vector<udtEdit>& pudtEdits,
                const clsCodePage& pobjCodePage, QByteArray& pbytOut, QString& pstrReason)
{
    std::sort(pudtEdits.begin(), pudtEdits.end(), [](const udtEdit& a, const udtEdit& b) {
        return std::tie(a.At, a.Record, a.Order) < std::tie(b.At, b.Record, b.Order);
    });
    std::vector<bool> booDeleted(pudtLines.size(), false);
    for (const udtEdit& udtEdit : pudtEdits)
        for (const qsizetype i : udtEdit.Deleted) booDeleted[static_cast<size_t>(i)] = true;
    pbytOut.clear();
    pbytOut.reserve(pbytContent.size() + 1024);
    if (!pudtLines.empty()) pbytOut.append(pbytContent.constData(), pudtLines.front().Start);  // a byte-order mark
    bool booAtLineStart = true;
    size_t lngNextEdit = 0;
    auto EmitEditsAt = [&](qsizetype plngAt) {
        for (; lngNextEdit < pudtEdits.size() && pudtEdits[lngNextEdit].At == plngAt; ++lngNextEdit) {
            const udtEdit& udtEdit = pudtEdits[lngNextEdit];
            if (!booAtLineStart) pbytOut += "\r\n";
            if (!pobjCodePage.Encode(udtEdit.Lines, pbytOut)) {
                pstrReason = QCoreApplication::translate("basExchangeImport", "%1 cannot write '%2'").arg(pobjCodePage.Name(), pobjCodePage.Unencodable(udtEdit.Lines));
                return false;
            }
            pbytOut += udtEdit.LineEnd;
            booAtLineStart = !udtEdit.LineEnd.isEmpty();
        }
        return true;
    };
    for (size_t i = 0; i < pudtLines.size(); ++i) {
        if (!EmitEditsAt(static_cast<qsizetype>(i))) return false;
        if (booDeleted[i]) continue;
        const udtLine& u = pudtLines[i];
        pbytOut.append(pbytContent.constData() + u.Start, u.End - u.Start);
        booAtLineStart = u.End > u.Start + u.Size;
    }
    return EmitEditsAt(static_cast<qsizetype>(pudtLines.size()));
}

// Reads the new bytes as the application will and compares them with the table the changes should
// give: a splice that went wrong is never written.
bool ReadsBackAs(enuFileKind penuFile, const QByteArray& pbytContent, const QString& pstrCodePage,
                 const clsTralyx& pobjExpected, clsTralyx& objRead, QString& pstrReason)
{
    QTemporaryFile objTemp;
    if (!objTemp.open() || objTemp.write(pbytContent) != pbytContent.size() || !objTemp.flush()) {
        pstrReason = QCoreApplication::translate("basExchangeImport", "cannot make a temporary file: %1").arg(objTemp.errorString());
        return false;
    }
    objRead.SetCodePage(pstrCodePage);
    bool booOK = false;
    LoadFile(objRead, penuFile, objTemp.fileName(), booOK);
    if (booOK && SameTable(objRead, pobjExpected, penuFile)) return true;
    pstrReason = booOK ? QCoreApplication::translate("basExchangeImport", "the changed file would not read back as the translations say; it was left as it is")
                       : QCoreApplication::translate("basExchangeImport", "the changed file would not load (%1); it was left as it is").arg(objRead.LastError().Text());
    return false;
}

// The store with every change made to its table of the file, copied once.
void SetTexts(clsTralyx& pobjStore, enuFileKind penuFile, const std::vector<udtChange>& pudtChanges)
{
    switch (penuFile) {
    case enuFileKind::ControlText: {
        QVector<ControlTextItem> udtTable = pobjStore.ControlTextTable();
        for (const udtChange& u : pudtChanges)
            (u.Kind == enuTextKind::Caption ? udtTable[u.Record].Caption : udtTable[u.Record].ToolTip) = u.Text;
        pobjStore.SetControlTextTable(std::move(udtTable));
        break;
    }
    case enuFileKind::Messages: {
        QVector<MessageItem> udtTable = pobjStore.MessageTable();
        for (const udtChange& u : pudtChanges)
            (u.Kind == enuTextKind::MessageTitle ? udtTable[u.Record].Title : udtTable[u.Record].Message) = u.Text;
        pobjStore.SetMessageTable(std::move(udtTable));
        break;
    }
    case enuFileKind::Secondary: {
        QStringList strTable = pobjStore.SecondaryTable();
        for (const udtChange& u : pudtChanges) strTable[u.Record] = u.Text;
        pobjStore.SetSecondaryTable(std::move(strTable));
        break;
    }
    }
}

// Why the file cannot hold the text, or an empty string when it can.
QString CannotHold(const udtEntryText& pudtEntry, const QString& pstrText, const clsCodePage& pobjCodePage)
{
    if (!pudtEntry.Storable)
        return pudtEntry.Kind == enuTextKind::Caption
                   ? QCoreApplication::translate("basExchangeImport", "core.lrc has no caption line for a txt... control")
                   : QCoreApplication::translate("basExchangeImport", "core.lrc has no tool-tip line for an mnu... or [cap... control");
    if (pudtEntry.Kind == enuTextKind::MessageTitle && HasLineBreak(pstrText))
        return QCoreApplication::translate("basExchangeImport", "a message title cannot hold a line break");
    if ((pudtEntry.Kind == enuTextKind::Caption || pudtEntry.Kind == enuTextKind::ToolTip) && pstrText.startsWith(u' '))
        return QCoreApplication::translate("basExchangeImport", "core.lrc drops the blanks at the start of a text");
    QByteArray bytScratch;
    if (!pobjCodePage.Encode(pstrText, bytScratch))
        return QCoreApplication::translate("basExchangeImport", "%1 cannot write the characters '%2'").arg(pobjCodePage.Name(), pobjCodePage.Unencodable(pstrText));
    return QString();
}


// The errors of the checks on the changed records' texts that they did not have before.
void CheckChanges(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjBefore, const clsTralyx& pobjAfter,
                  const std::vector<udtChange>& pudtChanges, std::vector<udtProblem>& pudtOut)
{
    const clsSourcePairing objPairing(penuFile, pobjSource);
    QSet<QString> strChanged;
    for (const udtChange& u : pudtChanges) strChanged.insert(QString::number(u.Record) + u':' + QString::number(static_cast<int>(u.Kind)));
    QSet<int32_t> lngDone;
    for (const udtChange& u : pudtChanges) {
        if (lngDone.contains(u.Record)) continue;
        lngDone.insert(u.Record);
        const std::vector<udtEntryText> udtBefore = objPairing.Record(pobjBefore, u.Record), udtAfter = objPairing.Record(pobjAfter, u.Record);
        for (size_t i = 0; i < udtAfter.size() && i < udtBefore.size(); ++i) {
            if (!strChanged.contains(QString::number(u.Record) + u':' + QString::number(static_cast<int>(udtAfter[i].Kind)))) continue;
            std::vector<udtProblem> udtOld, udtNew;
            CheckEntryText(penuFile, udtBefore[i], udtOld);
            CheckEntryText(penuFile, udtAfter[i], udtNew);
            for (udtProblem& udtProblem : udtNew)
                if (udtProblem.Severity == enuSeverity::Error &&
                    std::none_of(udtOld.begin(), udtOld.end(), [&](const tralyx::udtProblem& o) {
                        return o.Rule == udtProblem.Rule && o.Message == udtProblem.Message;
                    }))
                    pudtOut.push_back(std::move(udtProblem));
        }
    }
}

}  // namespace

udtImportPlan PlanImport(const udtLanguageFolder& pudtFolder, const udtExchangeDocument& pudtDocument,
                         const udtLanguageFolder* pudtSource, bool pbooTheirs)
{
    udtImportPlan udtPlan;
    udtPlan.State = pudtFolder.State;
    const clsTralyx objNoSource;
    // The translations of each file, in the exchange file's order.
    QHash<QString, std::vector<const udtExchangeEntry*>> udtByFile;
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries)
        if (!udtEntry.Obsolete) udtByFile[udtEntry.FileName].push_back(&udtEntry);

    for (const enuFileKind enuFile : AllFileKinds) {
        const QString strFileName = LanguageFileName(enuFile);
        const std::vector<const udtExchangeEntry*> udtIncoming = udtByFile.take(strFileName);
        if (pudtFolder.FileOf(enuFile).isEmpty() || !pudtFolder.ErrorOf(enuFile).isEmpty()) {
            const QString strWhy = pudtFolder.FileOf(enuFile).isEmpty() ? QCoreApplication::translate("basExchangeImport", "the folder has no %1").arg(strFileName)
                                                                        : QCoreApplication::translate("basExchangeImport", "the folder's %1 could not be read").arg(strFileName);
            for (const udtExchangeEntry* p : udtIncoming)
                if (!p->Translation.isEmpty()) udtPlan.NotApplied.push_back({strFileName, p->Key, strWhy});
            continue;
        }
        udtImportedFile udtFile;
        udtFile.File = enuFile;
        udtFile.Path = pudtFolder.FileOf(enuFile);
        const clsCodePage objCodePage((pudtFolder.Store.*FileKind(enuFile).CodePage)());
        // The source's texts, when the source folder has this file: what the exchange file's must be.
        const bool booSource = pudtSource && !pudtSource->FileOf(enuFile).isEmpty();
        const clsTralyx& objSource = booSource ? pudtSource->Store : objNoSource;

        const std::vector<udtEntryText> udtEntries = MatchEntries(enuFile, objSource, pudtFolder.Store);
        QHash<QString, const udtEntryText*> udtByKey;
        QMultiHash<int32_t, const udtEntryText*> udtByLine;  // for a converter that kept only the line
        udtByKey.reserve(static_cast<qsizetype>(udtEntries.size()));
        for (const udtEntryText& udtEntry : udtEntries)
            if (udtEntry.Line > 0) {
                udtByKey.insert(udtEntry.Key, &udtEntry);
                udtByLine.insert(udtEntry.Line, &udtEntry);
            }
        // The entry at a line whose source is the unit's: a caption and its tool-tip, a message and
        // its title share their record's line, and without the source nothing says which it is.
        const auto AtLine = [&](const udtExchangeEntry& pudtUnit) -> const udtEntryText* {
            const udtEntryText* pudtFound = nullptr;
            for (auto it = udtByLine.constFind(pudtUnit.FileLine); it != udtByLine.cend() && it.key() == pudtUnit.FileLine; ++it) {
                if (!booSource || it.value()->Obsolete() || ToExchangeText(it.value()->Source) != pudtUnit.Source) continue;
                if (pudtFound) return nullptr;  // two texts alike at one line: neither is sure
                pudtFound = it.value();
            }
            return pudtFound;
        };

        std::vector<udtChange> udtChanges;
        clsTranslationState objState = pudtFolder.State;  // this file's section, changed as the entries say
        QHash<QString, bool> booSeen;
        for (const udtExchangeEntry* p : udtIncoming) {
            const udtEntryText* pudtEntry = udtByKey.value(p->Key);
            auto NotApplied = [&](const QString& pstrReason, bool pbooInformational = false) {
                udtPlan.NotApplied.push_back({strFileName, pudtEntry ? pudtEntry->Key : p->Key, pstrReason, pbooInformational});
            };
            if (!pudtEntry && p->FileLine > 0) {
                pudtEntry = AtLine(*p);
                if (!pudtEntry) {
                    if (!p->Translation.isEmpty())
                        NotApplied(booSource ? QCoreApplication::translate("basExchangeImport", "the file names the entry by its line only (%1 line %2), where the "
                                                              "source has no one text \"%3\"")
                                                   .arg(strFileName)
                                                   .arg(p->FileLine)
                                                   .arg(Shortened(FromExchangeText(p->Source)))
                                             : QCoreApplication::translate("basExchangeImport", "the file names the entry by its line only (%1 line %2): without "
                                                              "the source folder nothing says which text it is")
                                                   .arg(strFileName)
                                                   .arg(p->FileLine));
                    continue;
                }
            }
            if (!pudtEntry) {
                if (!p->Translation.isEmpty()) NotApplied(QCoreApplication::translate("basExchangeImport", "the folder's %1 has no such entry").arg(strFileName));
                continue;
            }
            if (booSeen.contains(pudtEntry->Key)) {
                NotApplied(QCoreApplication::translate("basExchangeImport", "the exchange file has this entry twice; the first one was taken"));
                continue;
            }
            booSeen.insert(pudtEntry->Key, true);
            if (!p->Refused.isEmpty()) {
                NotApplied(p->Refused);
                continue;
            }
            if (booSource && (pudtEntry->Obsolete() || p->Source != ToExchangeText(pudtEntry->Source))) {
                // A converter that drops the obsolete mark (xliff2po) brings the entry back as it was.
                const bool booAsItIs = pudtEntry->Obsolete() && FromExchangeText(p->Translation) == pudtEntry->Translation;
                if (!p->Translation.isEmpty())
                    NotApplied(pudtEntry->Obsolete() ? QCoreApplication::translate("basExchangeImport", "the source has no such entry any more") +
                                                           (booAsItIs ? QCoreApplication::translate("basExchangeImport", "; left as it is") : QString())
                                                     : QCoreApplication::translate("basExchangeImport", "the English changed since the export (it is now \"%1\")")
                                                           .arg(Shortened(pudtEntry->Source)),
                               booAsItIs);
                continue;
            }
            if (!p->Exported.isEmpty()) {
                // Three texts: as exported (its fingerprint), as the file has it, as the folder has it
                // now. A translation equal to its source may have gone out empty.
                const QString strNow = ToExchangeText(pudtEntry->Translation);
                const bool booFileChanged = TextFingerprint(p->Translation) != p->Exported;
                const bool booFolderChanged =
                    TextFingerprint(strNow) != p->Exported && !(p->Exported == TextFingerprint(QString()) && strNow == p->Source);
                if (booFolderChanged && !booFileChanged) {
                    NotApplied(QCoreApplication::translate("basExchangeImport", "changed in the folder since the export, not in the file; left as it is"), true);
                    continue;
                }
                if (booFolderChanged && !p->Translation.isEmpty() && p->Translation != strNow && !pbooTheirs) {
                    NotApplied(QCoreApplication::translate("basExchangeImport", "conflict: the file has \"%1\", the folder changed it since the export to \"%2\"; "
                                              "left as it is (--theirs takes the file's)")
                                   .arg(Shortened(FromExchangeText(p->Translation)), Shortened(pudtEntry->Translation)));
                    udtPlan.NotApplied.back().Conflict = true;
                    udtPlan.NotApplied.back().Line = p->Line;
                    continue;
                }
            }
            objState.SetNote(enuFile, pudtEntry->Key, p->Comment);
            if (p->Translation.isEmpty()) {
                if (!pudtEntry->Translation.isEmpty() || !p->Source.isEmpty())
                    NotApplied(QCoreApplication::translate("basExchangeImport", "empty translation, left as it is"), true);
                continue;
            }
            const QString strText = FromExchangeText(p->Translation);
            if (strText != pudtEntry->Translation) {
                const QString strCannot = CannotHold(*pudtEntry, strText, objCodePage);
                if (!strCannot.isEmpty()) {
                    NotApplied(strCannot);
                    continue;
                }
                udtChanges.push_back({pudtEntry->Record, pudtEntry->Kind, pudtEntry->ObjectPath, strText});
            }
            if (p->Fuzzy) {
                objState.MarkReview(enuFile, pudtEntry->Key, FromExchangeText(p->PreviousSource));
            } else {
                objState.ClearReview(enuFile, pudtEntry->Key);
                objState.SetDone(enuFile, pudtEntry->Key, p->Translation == p->Source);
            }
        }
        udtFile.Changed = static_cast<int32_t>(udtChanges.size());
        clsTralyx objRead;  // the changed file as it reads back
        if (!udtChanges.empty()) {
            QByteArray& bytOld = udtFile.Old;
            std::vector<udtEdit> udtEdits;
            if (!ReadWholeFile(udtFile.Path, bytOld, udtFile.Reason)) {
                udtFile.Refused = true;
            } else if (udtFileStamp::Of(udtFile.Path, bytOld) != (pudtFolder.Store.*FileKind(enuFile).Stamp)()) {
                // The splice works on the lines the load found: only in the bytes it read.
                udtFile.Refused = true;
                udtFile.Reason = QCoreApplication::translate("basExchangeImport", "the file changed since it was read; run again");
            } else {
                const qsizetype lngMark = objCodePage.IsUtf8() && bytOld.startsWith("\xEF\xBB\xBF") ? 3 : 0;
                const std::vector<udtLine> udtLines = SplitLines(bytOld, lngMark);
                clsTralyx objExpected = pudtFolder.Store;
                SetTexts(objExpected, enuFile, udtChanges);
                udtFile.Refused =
                    !PlanEdits(enuFile, bytOld, udtLines, objCodePage, (pudtFolder.Store.*FileKind(enuFile).Lines)(), udtChanges,
                               udtEdits, udtFile.Reason) ||
                    !ApplyEdits(bytOld, udtLines, udtEdits, objCodePage, udtFile.Content, udtFile.Reason) ||
                    !ReadsBackAs(enuFile, udtFile.Content, objCodePage.Name(), objExpected, objRead, udtFile.Reason);
            }
            if (udtFile.Refused) udtFile.Content.clear();
            else if (booSource) CheckChanges(enuFile, objSource, pudtFolder.Store, objRead, udtChanges, udtPlan.Problems);
        }
        if (!udtFile.Refused) {
            objState.Stamp(enuFile, udtChanges.empty() ? pudtFolder.Store : objRead, booSource ? &objSource : nullptr);
            udtPlan.State.SetTexts(enuFile, objState.Texts(enuFile));
        }
        udtPlan.Files.push_back(std::move(udtFile));
    }
    for (auto it = udtByFile.cbegin(); it != udtByFile.cend(); ++it)
        for (const udtExchangeEntry* p : it.value())
            if (!p->Translation.isEmpty())
                udtPlan.NotApplied.push_back({it.key(), p->Key, QCoreApplication::translate("basExchangeImport", "no language file has this name")});
    return udtPlan;
}

}  // namespace tralyx
