// The update against the old release's source folder, on an English table that the input edits at
// random (texts inserted, removed, changed and moved, controls renamed, texts repeated) and a translation
// of the old English whose every text says which English it was made for. What must hold: every
// translation the merge carries stands beside the English it was made for, or is to review with
// that English as the previous source; a new entry has the new English; where the two Englishes
// agree at an id the plain merge's entry is taken; when every text occurs once, each unchanged text
// keeps its own translation wherever it moved, and a renamed control its translation, for review. Now and then the
// same goes through the files, with the state file read back.
#include "FuzzInput.h"
#include "FuzzSupport.h"
#include "state/basStateIds.h"
#include "update/basFolderUpdate.h"
#include "update/basMerge.h"

#include <QDir>
#include <QHash>
#include <vector>

using namespace tralyx;
using namespace tralyx::fuzz;

namespace {

// Few words, so that texts repeat; "" too.
const char16_t* const Words[] = {u"Open", u"Save", u"Close", u"OK", u"Cancel", u"Name:", u"Notes", u"", u"Help"};

// The translation of text t of old record j: it names the English it was made for.
QString Translated(const QString& pstrEnglish, qsizetype j, int t)
{
    return QStringLiteral("\u00ab%1\u00bb%2.%3").arg(pstrEnglish).arg(j).arg(t);
}
// The English and the record a translation was made for; false for a text that is no translation.
bool MadeFor(const QString& pstrText, QString& pstrEnglish, qsizetype& j, int& t)
{
    const qsizetype lngClose = pstrText.lastIndexOf(u'\u00bb');
    if (!pstrText.startsWith(u'\u00ab') || lngClose < 0) return false;
    pstrEnglish = pstrText.mid(1, lngClose - 1);
    const QStringList strNumbers = pstrText.mid(lngClose + 1).split(u'.');
    j = strNumbers.value(0).toLongLong();
    t = strNumbers.value(1).toInt();
    return true;
}

QString& TextOf(ControlTextItem& r, int t) { return t == 0 ? r.Caption : r.ToolTip; }
QString& TextOf(MessageItem& r, int t) { return t == 0 ? r.Message : r.Title; }
QString& TextOf(QString& r, int) { return r; }
const QString& TextOf(const ControlTextItem& r, int t) { return t == 0 ? r.Caption : r.ToolTip; }
const QString& TextOf(const MessageItem& r, int t) { return t == 0 ? r.Message : r.Title; }
const QString& TextOf(const QString& r, int) { return r; }

QString RecordIdOf(const QVector<ControlTextItem>& pudtTable, qsizetype i) { return clsTralyx::ObjectPath(pudtTable[i]); }
QString RecordIdOf(const QVector<MessageItem>&, qsizetype i) { return RecordId(enuFileKind::Messages, i); }
QString RecordIdOf(const QStringList&, qsizetype i) { return RecordId(enuFileKind::Secondary, i); }

bool SamePath(const ControlTextItem& a, const ControlTextItem& b)
{
    return a.FormName == b.FormName && a.ControlName == b.ControlName && a.Index == b.Index;
}

class clsCase {
public:
    explicit clsCase(clsFuzzInput& pobjIn) : mobjIn(pobjIn), mbooDistinct(pobjIn.Bool()) {}

    QString Word()
    {
        if (mbooDistinct) return QStringLiteral("Text %1").arg(++mlngTexts);
        return QString::fromUtf16(Words[mobjIn.Byte() % std::size(Words)]);
    }
    void Fill(ControlTextItem& r) { r.Caption = Word(), r.ToolTip = Word(); }
    void Fill(MessageItem& r) { r.Message = Word(), r.Title = Word(); }
    void Fill(QString& r) { r = Word(); }

    // A new record: control text gets a path no other record has.
    template <class TItem>
    TItem Record(const QVector<TItem>* pudtTaken = nullptr, const QString& pstrControl = QString())
    {
        TItem r{};
        if constexpr (std::is_same_v<TItem, ControlTextItem>) {
            do {
                r.FormName = mobjIn.Bool() ? QStringLiteral("frmA") : QStringLiteral("frmB");
                r.ControlName = pstrControl.isEmpty() ? QStringLiteral("cmd%1").arg(mobjIn.Upto(15)) : pstrControl;
                r.Index = static_cast<uint8_t>(mobjIn.Upto(2));
            } while (pudtTaken && std::any_of(pudtTaken->begin(), pudtTaken->end(), [&](const TItem& o) { return SamePath(o, r); }) &&
                     !mobjIn.Empty());
        }
        Fill(r);
        return r;
    }

    clsFuzzInput& mobjIn;
    const bool mbooDistinct;
    int32_t mlngTexts = 0;
};

// Where each new record came from: an unchanged old record, a changed one, a renamed control, or none.
enum class enuTruth { Inserted, Unchanged, Changed, Renamed };
struct udtTruth {
    enuTruth Kind = enuTruth::Inserted;
    qsizetype Old = -1;
};

template <class TTable>
void CheckMerge(enuFileKind penuFile, const clsCase& pobjCase, const TTable& A, const TTable& T, const TTable& B,
           const std::vector<udtTruth>& pudtTruth, const TTable& R, const clsTranslationState& pobjState)
{
    using TItem = typename TTable::value_type;
    constexpr bool booCore = std::is_same_v<TItem, ControlTextItem>;
    Check(R.size() == B.size(), "the result's length is not the new table's");
    for (qsizetype i = 0; i < B.size(); ++i) {
        const std::string strWhere = " at " + RecordIdOf(R, i).toStdString();
        qsizetype lngRecord = -2;  // the old record this record's texts came from, or -1
        for (int t = 0; t < TextsPerRecord(penuFile); ++t) {
            const QString& strResult = TextOf(R[i], t);
            const QString& strNew = TextOf(B[i], t);
            const udtTextState udtState = pobjState.Get(penuFile, TextId(penuFile, RecordIdOf(R, i), t));
            QString strEnglish;
            qsizetype j = -1;
            int lngText = 0;
            if (!MadeFor(strResult, strEnglish, j, lngText)) {
                Check(strResult == strNew, "a text taken new is not the new English" + strWhere);
                Check(!udtState.Review, "an English text taken new is to review" + strWhere);
                j = -1;
            } else {
                Check(lngText == t && j >= 0 && j < A.size() && TextOf(A[j], t) == strEnglish,
                      "a translation is not where its text was" + strWhere);
                if (strEnglish != strNew)
                    Check(udtState.Review && udtState.PreviousSource == strEnglish,
                          "a translation made for " + Show(strEnglish) + " stands beside " + Show(strNew) + " and is not to review" + strWhere);
                if (udtState.Review)
                    Check(udtState.PreviousSource == strEnglish, "review names " + Show(udtState.PreviousSource) + ", not the English " +
                                                                     Show(strEnglish) + " the translation was made for" + strWhere);
            }
            Check(lngRecord == -2 || lngRecord == j, "the texts of one record come from two old records" + strWhere);
            lngRecord = j;
        }
        // Where the Englishes agree, the plain merge's entry.
        if constexpr (booCore) {
            for (qsizetype j = 0; j < A.size(); ++j)
                if (SamePath(A[j], B[i])) {
                    Check(R[i] == T[j], "an entry the old table has is not the old entry" + strWhere);
                    break;
                }
        } else {
            if (i < A.size() && A[i] == B[i]) Check(R[i] == T[i], "where the Englishes agree the old entry was not taken" + strWhere);
        }
        // Every text once: the edits themselves are known.
        const udtTruth& u = pudtTruth[static_cast<size_t>(i)];
        if (pobjCase.mbooDistinct && (u.Kind == enuTruth::Unchanged || u.Kind == enuTruth::Renamed)) {
            Check(lngRecord == u.Old, "an unchanged English does not keep its own translation" + strWhere);
            if (u.Kind == enuTruth::Renamed)
                Check(pobjState.Get(penuFile, TextId(penuFile, RecordIdOf(R, i), 0)).Review, "a renamed control is not to review" + strWhere);
        }
    }
}

template <class TTable>
void Run(clsCase& pobjCase, enuFileKind penuFile, bool pbooThroughFiles,
         void (*pfnMerge)(const TTable&, const TTable&, const TTable&, TTable&, udtUpdateReport&, std::vector<udtMergeLink>*),
         void (clsTralyx::*pfnSet)(TTable))
{
    using TItem = typename TTable::value_type;
    clsFuzzInput& objIn = pobjCase.mobjIn;
    TTable A, T, B;
    const uint32_t lngOld = objIn.Upto(30);
    for (uint32_t j = 0; j < lngOld; ++j) {
        if constexpr (std::is_same_v<TItem, ControlTextItem>) A.append(pobjCase.Record<TItem>(&A));
        else A.append(pobjCase.Record<TItem>());
    }
    for (qsizetype j = 0; j < A.size(); ++j) {
        TItem r = A[j];
        for (int t = 0; t < TextsPerRecord(penuFile); ++t) TextOf(r, t) = Translated(TextOf(A[j], t), j, t);
        T.append(r);
    }
    std::vector<udtTruth> udtTruth;
    for (qsizetype j = 0; j <= A.size(); ++j) {
        const uint8_t bytEdit = objIn.Byte() % 10;
        if (bytEdit == 2 || j == A.size()) {  // an insertion (and, now and then, at the end)
            if (j == A.size() && objIn.Bool()) break;
            if constexpr (std::is_same_v<TItem, ControlTextItem>) B.append(pobjCase.Record<TItem>(&A, QStringLiteral("cmdNew%1").arg(B.size())));
            else B.append(pobjCase.Record<TItem>());
            udtTruth.push_back({enuTruth::Inserted, -1});
        }
        if (j == A.size()) break;
        if (bytEdit == 0) continue;  // removed
        TItem r = A[j];
        enuTruth enuKind = enuTruth::Unchanged;
        if (bytEdit == 1) {
            const int t = static_cast<int>(objIn.Upto(static_cast<uint32_t>(TextsPerRecord(penuFile) - 1)));
            const QString strOld = TextOf(r, t);
            TextOf(r, t) = pobjCase.Word();
            if (TextOf(r, t) != strOld) enuKind = enuTruth::Changed;
        }
        if constexpr (std::is_same_v<TItem, ControlTextItem>) {
            if (bytEdit == 3 && (!r.Caption.isEmpty() || !r.ToolTip.isEmpty())) {
                r.ControlName = QStringLiteral("cmdRenamed%1").arg(j);
                enuKind = enuTruth::Renamed;
            }
        }
        B.append(r);
        udtTruth.push_back({enuKind, j});
    }
    // Records moved elsewhere, against the order as often as with it.
    for (uint32_t lngMoves = objIn.Upto(7); lngMoves > 0 && B.size() > 1; --lngMoves) {
        const qsizetype lngFrom = objIn.Upto(static_cast<uint32_t>(B.size() - 1)), lngTo = objIn.Upto(static_cast<uint32_t>(B.size() - 1));
        B.move(lngFrom, lngTo);
        const auto udtMoved = udtTruth[static_cast<size_t>(lngFrom)];
        udtTruth.erase(udtTruth.begin() + lngFrom);
        udtTruth.insert(udtTruth.begin() + lngTo, udtMoved);
    }

    TTable R;
    udtUpdateReport udtReport;
    std::vector<udtMergeLink> udtLinks;
    pfnMerge(B, T, A, R, udtReport, &udtLinks);
    clsTranslationState objState;
    CarryState(udtLinks, T, &A, R, clsTranslationState(), objState);
    CheckMerge(penuFile, pobjCase, A, T, B, udtTruth, R, objState);
    // A file holds one record at least: an empty table reads back as one empty record.
    if (!pbooThroughFiles || A.isEmpty() || B.isEmpty()) return;

    // The same through the files: the destination and its state file read back as the merge says.
    const QString strRoot = ScratchPath(QStringLiteral("update"));
    QDir(strRoot).removeRecursively();
    const udtUpdateFolders udtFolders{strRoot + QStringLiteral("/Old/German"), strRoot + QStringLiteral("/New"),
                                      strRoot + QStringLiteral("/Dest"), strRoot + QStringLiteral("/Old/English")};
    const std::pair<const TTable*, QString> udtWrites[] = {{&A, udtFolders.OldSource}, {&T, udtFolders.Old}, {&B, udtFolders.New}};
    for (const auto& [pudtTable, strFolder] : udtWrites) {
        QDir().mkpath(strFolder);
        clsTralyx objWriter;
        (objWriter.*pfnSet)(*pudtTable);
        bool booSaved = false;
        SaveFile(objWriter, penuFile, strFolder + u'/' + LanguageFileName(penuFile), booSaved);
        Check(booSaved, "a table of the case was not saved: " + objWriter.LastError().Text().toStdString());
    }
    QDir().mkpath(udtFolders.Destination);
    const udtFolderUpdate udtUpdate = UpdateLanguageFolder(udtFolders, QStringLiteral("windows-1252"), true);
    const udtUpdateReport& udtFile = udtUpdate.Files[static_cast<qsizetype>(penuFile == enuFileKind::ControlText ? 0 : penuFile == enuFileKind::Messages ? 1 : 2)];
    Check(udtFile.Written() && !udtUpdate.StateFailed, "the update was not written: " + udtFile.Summary().toStdString());
    clsTralyx objBack, objExpected;
    bool booLoaded = false;
    LoadFile(objBack, penuFile, udtFolders.Destination + u'/' + LanguageFileName(penuFile), booLoaded);
    // As the file gives the merge back (a message's number becomes its position + 1).
    if constexpr (std::is_same_v<TItem, ControlTextItem>) objExpected.SetControlTextTable(ExpectedControlText(R));
    else if constexpr (std::is_same_v<TItem, MessageItem>) objExpected.SetMessageTable(ExpectedMessages(R));
    else objExpected.SetSecondaryTable(ExpectedSecondary(R));
    Check(booLoaded && SameTable(objBack, objExpected, penuFile), "the written file is not the merge: " + Describe(objBack, penuFile));
    clsTranslationState objRead;
    QString strReason;
    Check(objRead.Load(udtFolders.Destination, strReason), "the state file does not read back: " + strReason.toStdString());
    clsTranslationState objWritten, objMerged;
    objWritten.SetTexts(penuFile, objRead.Texts(penuFile));
    objMerged.SetTexts(penuFile, objState.Texts(penuFile));
    Check(objWritten.SameMarks(objMerged), "the state file does not hold the merge's state");
    // Each record is stamped with the texts it was written beside.
    clsTralyx objNewSource;
    (objNewSource.*pfnSet)(B);
    std::vector<clsTranslationState::udtMismatch> udtMismatches;
    objWritten.Verify(penuFile, objBack, &objNewSource, &udtMismatches);
    Check(udtMismatches.empty(), "a record of the state is stamped with other texts than the file's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    clsFuzzDesktop::Installed().mlngNextAnswer = 0;
    clsFuzzInput objIn(pbytData, plngSize);
    const enuFileKind enuFile = static_cast<enuFileKind>(objIn.Byte() % 3);
    const bool booThroughFiles = (objIn.Byte() & 7) == 7;
    clsCase objCase(objIn);
    switch (enuFile) {
    case enuFileKind::ControlText:
        Run<QVector<ControlTextItem>>(objCase, enuFile, booThroughFiles, &MergeControlTextWithSource, &clsTralyx::SetControlTextTable);
        break;
    case enuFileKind::Messages:
        Run<QVector<MessageItem>>(objCase, enuFile, booThroughFiles, &MergeMessagesWithSource, &clsTralyx::SetMessageTable);
        break;
    case enuFileKind::Secondary:
        Run<QStringList>(objCase, enuFile, booThroughFiles, &MergeSecondaryWithSource, &clsTralyx::SetSecondaryTable);
        break;
    }
    return 0;
}
