// The update against the old release's source, over the three kinds: unchanged, changed, inserted,
// removed, moved and repeated source texts, with the old source and without it; and the three
// ways a release lost a translator's work, on the sample folders.
#include "RunProgram.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "update/basMerge.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

QStringList Words(const char* pstrWords) { return Q(pstrWords).split(u' ', Qt::SkipEmptyParts); }

// The reviews of a merge, "id=the English it was made for", sorted.
QStringList Reviews(const clsTranslationState& pobjState, enuFileKind penuFile)
{
    QStringList strOut;
    for (auto it = pobjState.Texts(penuFile).cbegin(); it != pobjState.Texts(penuFile).cend(); ++it)
        if (it->Review) strOut.append(it.key() + u'=' + it->PreviousSource + (it->MovedFrom.isEmpty() ? QString() : u'<' + it->MovedFrom));
    strOut.sort();
    return strOut;
}

std::vector<qsizetype> Counts(const udtUpdateReport& r) { return {r.Kept.size(), r.Changed.size(), r.Moved.size(), r.TakenNew.size(), r.Dropped.size()}; }

struct udtCase {
    const char* Name;
    const char* Old;          // the old source's texts (control text: control:caption)
    const char* Translation;  // the old translation, record for record
    const char* New;          // the new source's
    const char* WithSource;   // the merged texts, against the old source
    const char* Reviews;      // its texts to review (id=old source text<moved from)
    std::vector<qsizetype> Report;  // kept, changed, moved, new, dropped
    const char* Plain;        // the merged texts without the old source
    bool MessagesOnly = false;
};

// Messages and procedural texts: a message's text is the case's, its title the same throughout.
const udtCase PositionalCases[] = {
    {"unchanged", "a b c", "A B C", "a b c", "A B C", "", {3, 0, 0, 0, 0}, "A B C"},
    {"changed", "a b c", "A B C", "a x c", "A B C", "#2=b", {2, 1, 0, 0, 0}, "A B C"},
    {"inserted", "a b c", "A B C", "a n b c", "A n B C", "", {1, 0, 2, 1, 0}, "A B C c"},
    {"removed", "a b c", "A B C", "a c", "A C", "", {1, 0, 1, 0, 1}, "A B"},
    {"inserted and changed", "a b c", "A B C", "n a x c", "n A B C", "#3=b", {0, 1, 2, 1, 0}, "A B C c"},
    {"repeated, one removed", "o s o", "O1 S O2", "o o", "O1 O2", "", {1, 0, 1, 0, 1}, "O1 S"},
    {"repeated, one inserted", "o s", "O S", "o o s", "O o S", "", {1, 0, 1, 1, 0}, "O S s"},
    {"moved against the order", "a b c d e", "A B C D E", "e a b c d", "E A B C D", "", {0, 0, 5, 0, 0}, "A B C D E"},
    {"reversed", "a b c d", "A B C D", "d c b a", "D C B A", "", {0, 0, 4, 0, 0}, "A B C D"},
    {"swapped around a changed one", "a b c d e", "A B C D E", "e b x d a", "E B C D A", "#3=c", {2, 1, 2, 0, 0}, "A B C D E"},
    {"replaced beside a removed one", "a Not_saved Due_in_a_few_minutes z", "A NOT DUE Z", "a Due_in_[#!m!#]_minutes z",
     "A DUE Z", "#2=Due_in_a_few_minutes", {1, 1, 1, 0, 1}, "A NOT DUE"},
    {"replaced, the title unchanged", "a note|Saved due|Reminder", "A NOTE|Gespeichert DUE|Erinnerung", "a soon|Reminder",
     "A DUE", "#2=due", {1, 1, 0, 0, 1}, "A NOTE", true},
};

const udtCase ControlTextCases[] = {
    {"unchanged", "cmdA:a cmdB:b", "cmdA:A cmdB:B", "cmdA:a cmdB:b", "A B", "", {2, 0, 0, 0, 0}, "A B"},
    {"changed", "cmdA:a cmdB:b", "cmdA:A cmdB:B", "cmdA:a cmdB:x", "A B", "f.cmdB.0.C=b", {1, 1, 0, 0, 0}, "A B"},
    {"inserted", "cmdA:a cmdB:b", "cmdA:A cmdB:B", "cmdA:a cmdN:n cmdB:b", "A n B", "", {2, 0, 0, 1, 0}, "A n B"},
    {"removed", "cmdA:a cmdB:b", "cmdA:A cmdB:B", "cmdB:b", "B", "", {1, 0, 0, 0, 1}, "B"},
    {"renamed", "cmdA:a cmdB:b", "cmdA:A cmdB:B", "cmdA:a cmdC:b", "A B", "f.cmdC.0.C=b<f.cmdB.0.C", {1, 0, 1, 0, 0}, "A b"},
    {"repeated under two new names", "cmdA:a cmdB:b", "cmdA:A cmdB:B", "cmdA:a cmdC:b cmdD:b", "A b b", "", {1, 0, 0, 2, 1}, "A b b"},
    {"renamed onto another form", "cmdA:a cmdB:b", "cmdA:A cmdB:B", "cmdA:a g.cmdC:b", "A b", "", {1, 0, 0, 1, 1}, "A b"},
};

QVector<ControlTextItem> ControlText(const char* pstrRecords)
{
    QVector<ControlTextItem> udtOut;
    for (const QString& strRecord : Words(pstrRecords)) {
        const QString strPath = strRecord.section(u':', 0, 0);
        const bool booForm = strPath.contains(u'.');
        udtOut.append({booForm ? strPath.section(u'.', 0, 0) : Q("f"), booForm ? strPath.section(u'.', 1) : strPath, 0,
                       strRecord.section(u':', 1), QString()});
    }
    return udtOut;
}

QStringList Captions(const QVector<ControlTextItem>& pudtTable)
{
    QStringList strOut;
    for (const ControlTextItem& u : pudtTable) strOut.append(u.Caption);
    return strOut;
}

QVector<MessageItem> Messages(const QStringList& pstrTexts)
{
    QVector<MessageItem> udtOut;
    for (const QString& s : pstrTexts) udtOut.append({0, s.section(u'|', 0, 0), s.contains(u'|') ? s.section(u'|', 1) : Q("Title")});
    return udtOut;
}

QStringList Texts(const QVector<MessageItem>& pudtTable)
{
    QStringList strOut;
    for (const MessageItem& u : pudtTable) strOut.append(u.Message);
    return strOut;
}

// "#2=b" names the record by its number: MSG002 or TXT002.
QStringList Expected(const char* pstrReviews, const char* pstrTag)
{
    return Q(pstrReviews).replace(u'#', Q(pstrTag) + Q("00")).split(u' ', Qt::SkipEmptyParts);
}

}  // namespace

TEST(UpdateOldSourceTest, MessagesAndProceduralTextFollowTheirSource)
{
    for (const udtCase& c : PositionalCases) {
        SCOPED_TRACE(c.Name);
        const QStringList strOld = Words(c.Old), strTranslation = Words(c.Translation), strNew = Words(c.New);
        QStringList strResult;
        udtUpdateReport udtReport;
        std::vector<udtMergeLink> udtLinks;
        clsTranslationState objState;
        if (!c.MessagesOnly) {
        MergeSecondaryWithSource(strNew, strTranslation, strOld, strResult, udtReport, &udtLinks);
        CarryState(udtLinks, strTranslation, &strOld, strResult, clsTranslationState(), objState);
        EXPECT_EQ(strResult, Words(c.WithSource));
        EXPECT_EQ(Reviews(objState, enuFileKind::Secondary), Expected(c.Reviews, "TXT"));
        EXPECT_EQ(Counts(udtReport), c.Report);
        MergeSecondaryTables(strNew, strTranslation, strResult, udtReport);
        EXPECT_EQ(strResult, Words(c.Plain));
        }

        const QVector<MessageItem> udtOld = Messages(strOld), udtTranslation = Messages(strTranslation);
        QVector<MessageItem> udtResult;
        MergeMessagesWithSource(Messages(strNew), udtTranslation, udtOld, udtResult, udtReport, &udtLinks);
        CarryState(udtLinks, udtTranslation, &udtOld, udtResult, clsTranslationState(), objState);
        EXPECT_EQ(Texts(udtResult), Words(c.WithSource));
        EXPECT_EQ(Reviews(objState, enuFileKind::Messages), Expected(c.Reviews, "MSG"));
        EXPECT_EQ(Counts(udtReport), c.Report);
        MergeMessageTables(Messages(strNew), udtTranslation, udtResult, udtReport);
        EXPECT_EQ(Texts(udtResult), Words(c.Plain));
    }
}

TEST(UpdateOldSourceTest, ControlTextKeepsItsPathsAndFollowsARenamedControl)
{
    for (const udtCase& c : ControlTextCases) {
        SCOPED_TRACE(c.Name);
        const QVector<ControlTextItem> udtOld = ControlText(c.Old), udtTranslation = ControlText(c.Translation),
                                       udtNew = ControlText(c.New);
        QVector<ControlTextItem> udtResult;
        udtUpdateReport udtReport;
        std::vector<udtMergeLink> udtLinks;
        clsTranslationState objState;
        MergeControlTextWithSource(udtNew, udtTranslation, udtOld, udtResult, udtReport, &udtLinks);
        CarryState(udtLinks, udtTranslation, &udtOld, udtResult, clsTranslationState(), objState);
        EXPECT_EQ(Captions(udtResult), Words(c.WithSource));
        for (qsizetype i = 0; i < udtResult.size(); ++i) EXPECT_EQ(clsTralyx::ObjectPath(udtResult[i]), clsTralyx::ObjectPath(udtNew[i]));
        EXPECT_EQ(Reviews(objState, enuFileKind::ControlText), Words(c.Reviews));
        EXPECT_EQ(Counts(udtReport), c.Report);
        MergeControlTextTables(udtNew, udtTranslation, udtResult, udtReport);
        EXPECT_EQ(Captions(udtResult), Words(c.Plain));
    }
}

// The old state goes with its texts; a text done on purpose whose source changed is to review again.
TEST(UpdateOldSourceTest, TheOldStateFollowsItsTexts)
{
    const QStringList strOld = Words("a b c"), strTranslation = Words("A B c"), strNew = Words("n a x c");
    clsTranslationState objOld, objNew;
    objOld.SetNote(enuFileKind::Secondary, Q("TXT001"), Q("note of a"));
    objOld.MarkReview(enuFileKind::Secondary, Q("TXT002"), Q("older b"));
    objOld.SetDone(enuFileKind::Secondary, Q("TXT003"), true);
    QStringList strResult;
    udtUpdateReport udtReport;
    std::vector<udtMergeLink> udtLinks;
    MergeSecondaryWithSource(strNew, strTranslation, strOld, strResult, udtReport, &udtLinks);
    CarryState(udtLinks, strTranslation, &strOld, strResult, objOld, objNew);
    EXPECT_EQ(objNew.Get(enuFileKind::Secondary, Q("TXT002")).Note, Q("note of a"));
    EXPECT_EQ(Reviews(objNew, enuFileKind::Secondary), QStringList{Q("TXT003=older b")});  // made for the older one
    EXPECT_TRUE(objNew.Get(enuFileKind::Secondary, Q("TXT004")).Done);
    EXPECT_EQ(objNew.Texts(enuFileKind::Secondary).size(), 3);
}

// The three losses, on the sample folders, through tralyx-lrc as a translator runs it.
TEST(UpdateOldSourceTest, TheSampleReleaseKeepsEveryTranslationWhereItBelongs)
{
    const clsTempDir objDir;
    const QString strSamples = QDir::cleanPath(Q(TRALYX_TEST_DATA "/../../examples/languages")) + u'/';
    for (const char* pstrFile : {"core.lrc", "messages.lrc", "secondary.lrc"})
        for (const char* pstrLanguage : {"English", "German"})
            objDir.Write(Q("Languages/") + pstrLanguage + u'/' + pstrFile, clsTempDir::Read(strSamples + pstrLanguage + u'/' + pstrFile));
    QByteArray bytCore = clsTempDir::Read(strSamples + Q("English/core.lrc")), bytSecondary = clsTempDir::Read(strSamples + Q("English/secondary.lrc"));
    bytCore.replace("cmdNew.0.C:&New\r", "cmdNew.0.C:&New note\r").replace("lblCount", "lblNoteCount");
    bytSecondary.replace("TXT004:Yesterday\r\n", "").replace("TXT005:", "TXT004:").replace("TXT006:", "TXT005:");
    objDir.Write(Q("Release2/core.lrc"), bytCore);
    objDir.Write(Q("Release2/secondary.lrc"), bytSecondary);
    objDir.Write(Q("Release2/messages.lrc"), clsTempDir::Read(strSamples + Q("English/messages.lrc")));
    QDir().mkpath(objDir.Path(Q("German2")));
    const udtRun udtUpdate = RunLrc({Q("update"), Q("--json"), Q("--old-source"), objDir.Path(Q("Languages/English")),
                                 objDir.Path(Q("Languages/German")), objDir.Path(Q("Release2")), objDir.Path(Q("German2"))});
    ASSERT_EQ(udtUpdate.ExitCode, 0) << udtUpdate.Said().toStdString();
    const QString strCore = QString::fromLatin1(clsTempDir::Read(objDir.Path(Q("German2/core.lrc"))));
    EXPECT_TRUE(strCore.contains(Q("frmMain.cmdNew.0.C:&Neu\r")) && strCore.contains(Q("frmMain.lblNoteCount.0.C:Notizen:\r")));
    EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("German2/secondary.lrc"))).split('\n').mid(3, 2),
              (QList<QByteArray>{"TXT004:Alle Notizen\r", "TXT005:Willkommen bei Quillnote!\rTXT005:Schreiben Sie hier Ihre erste "
                                                          "Notiz. Sie wird beim Tippen gespeichert.\r"}));
    clsTranslationState objState;
    QString strReason;
    ASSERT_TRUE(objState.Load(objDir.Path(Q("German2")), strReason)) << strReason.toStdString();
    EXPECT_EQ(Reviews(objState, enuFileKind::ControlText),
              (QStringList{Q("frmMain.cmdNew.0.C=&New"), Q("frmMain.lblNoteCount.0.C=Notes:<frmMain.lblCount.0.C"),
                           Q("frmMain.lblNoteCount.0.T=How many notes the list shows<frmMain.lblCount.0.T")}));
    const QJsonArray udtFiles = QJsonDocument::fromJson(udtUpdate.OutBytes).object()[Q("files")].toArray();
    ASSERT_EQ(udtFiles.size(), 3);
    const QJsonObject udtSecondary = udtFiles[2].toObject();
    EXPECT_EQ(udtSecondary[Q("moved")].toArray()[0].toObject()[Q("from")].toString(), Q("TXT005"));
    EXPECT_EQ(udtSecondary[Q("dropped")].toArray()[0].toObject()[Q("text")].toString(), Q("Gestern"));  // and nothing else
    EXPECT_EQ(udtFiles[0].toObject()[Q("changed")].toArray()[0].toObject()[Q("previous")].toString(), Q("&New"));

    const udtRun udtLint = RunLrc({Q("lint"), Q("--source"), objDir.Path(Q("Release2")), objDir.Path(Q("German2"))});
    EXPECT_EQ(udtLint.Out.count(Q(": review: ")), 3) << udtLint.Out.toStdString();
}

// At full size every unique text keeps its translation, whatever the order: reversed, and every
// other text sent to the end.
TEST(UpdateOldSourceTest, AFullFileOfUniqueTextsKeepsThemAllInAnyOrder)
{
    constexpr int Texts = 32767;
    QStringList strOld, strTranslation;
    for (int i = 0; i < Texts; ++i) strOld.append(QString::number(i)), strTranslation.append(u'T' + QString::number(i));
    QStringList strReversed(strOld.rbegin(), strOld.rend()), strDealt;
    for (int k = 0; k < 2; ++k)
        for (int i = k; i < Texts; i += 2) strDealt.append(strOld[i]);
    for (const QStringList& strNew : {strReversed, strDealt}) {
        QStringList strResult;
        udtUpdateReport udtReport;
        MergeSecondaryWithSource(strNew, strTranslation, strOld, strResult, udtReport);
        ASSERT_EQ(strResult.size(), Texts);
        for (int i = 0; i < Texts; ++i) ASSERT_EQ(strResult[i], u'T' + strNew[i]) << i;
        EXPECT_TRUE(udtReport.Dropped.isEmpty() && udtReport.Changed.isEmpty());
    }
}
