// The translation state beside a folder's files: its bytes read and written back, what each change
// of a text's state does to the others, an unreadable file ignored with its line and reason, the
// ids, pruning and renumbering, and merging a window's own changes into the state on disk.
#include "state/clsTranslationState.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const QString StateFile = Q("translation-state.json");

// A state file as read, and the bytes it is written back as (empty: the same): what the writer wrote
// comes back byte for byte, another shape in the writer's.
struct udtJsonCase {
    const char* Name;
    QByteArray Read;
    QByteArray Written;
};

const QByteArray Head = "{\n  \"tralyx-translation-state\": 1,\n  \"files\": {";

const udtJsonCase JsonCases[] = {
    {"no state", Head + "}\n}\n", ""},
    {"every file and field, sorted by id, with what JSON escapes",
     Head + "\n    \"core.lrc\": [\n"
            "      {\"id\": \"frmMain.cmdNew.0.C\", \"review\": \"&New \\\"old\\\" \\\\\\r\\n\\u0001\\u0009\u00e9\u20ac\U0001F600\", "
            "\"movedFrom\": \"frmMain.cmdOld.0.C\", \"note\": \"n\"},\n"
            "      {\"id\": \"frmMain.cmdNew.0.T\", \"done\": true}\n    ],\n"
            "    \"messages.lrc\": [\n      {\"id\": \"MSG002\", \"note\": \"a\\nb\"},\n      {\"id\": \"MST001\", \"review\": \"\"}\n    ],\n"
            "    \"secondary.lrc\": [\n      {\"id\": \"TXT000#1000\", \"note\": \"x\"},\n      {\"id\": \"TXT004#1004\", \"done\": true}\n    ]\n  }\n}\n",
     ""},
    {"a review is not done, an entry without a state is dropped, keys in any order",
     "{\"files\": {\"secondary.lrc\": [{\"id\": \"TXT003\", \"review\": \"old\", \"done\": true}, {\"id\": \"TXT001\", \"note\": \"b\"}, "
     "{\"id\": \"TXT002\", \"done\": false}, {\"id\": \"TXT005\", \"movedFrom\": \"TXT009\"}, "
     "{\"id\": \"TXT006\", \"movedFrom\": \"TXT009\", \"note\": \"c\"}], \"other.lrc\": [1]}, \"tralyx-translation-state\": 1, \"more\": 0}",
     Head + "\n    \"secondary.lrc\": [\n      {\"id\": \"TXT001\", \"note\": \"b\"},\n      {\"id\": \"TXT003\", \"review\": \"old\"},\n"
            "      {\"id\": \"TXT006\", \"note\": \"c\"}\n    ]\n  }\n}\n"},
};

}  // namespace

TEST(StateTest, ReadsAndWritesTheFilesBytes)
{
    for (const udtJsonCase& u : JsonCases) {
        clsTranslationState objState;
        QString strReason;
        ASSERT_TRUE(objState.Parse(u.Read, strReason)) << u.Name << ": " << strReason.toStdString();
        EXPECT_EQ(objState.ToJson(), u.Written.isEmpty() ? u.Read : u.Written) << u.Name;
    }
}

// What one change after another leaves of a text's state (its line in the file; empty: no state),
// and that what the state holds is what its file says.
TEST(StateTest, EachChangeKeepsOrEndsTheOthers)
{
    const enuFileKind K = enuFileKind::Secondary;
    const QString Id = Q("TXT001");
    const struct {
        const char* Name;
        std::function<void(clsTranslationState&)> Changes;
        QByteArray Line;
    } Rows[] = {
        {"a review keeps the source the translation was made for",
         [&](auto& s) { s.MarkReview(K, Id, Q("old")), s.MarkReview(K, Id, Q("newer")); }, R"({"id": "TXT001", "review": "old"})"},
        {"a review ended and begun again takes the new source",
         [&](auto& s) { s.MarkReview(K, Id, Q("old")), s.ClearReview(K, Id), s.MarkReview(K, Id, Q("newer")); }, R"({"id": "TXT001", "review": "newer"})"},
        {"done ends a review", [&](auto& s) { s.Set(K, Id, {.Review = true, .PreviousSource = Q("old"), .MovedFrom = Q("TXT009"), .Note = Q("n")}), s.SetDone(K, Id, true); },
         R"({"id": "TXT001", "done": true, "note": "n"})"},
        {"a review ends done", [&](auto& s) { s.SetDone(K, Id, true), s.MarkReview(K, Id, Q("old")); }, R"({"id": "TXT001", "review": "old"})"},
        {"not done leaves a review", [&](auto& s) { s.MarkReview(K, Id, Q("old")), s.SetDone(K, Id, false); }, R"({"id": "TXT001", "review": "old"})"},
        {"a note stays through review and done", [&](auto& s) { s.SetNote(K, Id, Q("n")), s.MarkReview(K, Id, Q("old")), s.SetDone(K, Id, true); },
         R"({"id": "TXT001", "done": true, "note": "n"})"},
        {"a review cleared forgets where it came from", [&](auto& s) { s.Set(K, Id, {.Review = true, .PreviousSource = Q("old"), .MovedFrom = Q("TXT009"), .Note = Q("n")}), s.ClearReview(K, Id); },
         R"({"id": "TXT001", "note": "n"})"},
        {"a review cleared with nothing else", [&](auto& s) { s.MarkReview(K, Id, Q("old")), s.ClearReview(K, Id); }, ""},
        {"done taken back", [&](auto& s) { s.SetDone(K, Id, true), s.SetDone(K, Id, false); }, ""},
        {"a note emptied", [&](auto& s) { s.SetNote(K, Id, Q("n")), s.SetNote(K, Id, QString()); }, ""},
        {"an empty state set", [&](auto& s) { s.SetNote(K, Id, Q("n")), s.Set(K, Id, {}); }, ""},
    };
    for (const auto& u : Rows) {
        clsTranslationState objState, objRead;
        u.Changes(objState);
        const QByteArray bytJson = objState.ToJson();
        const qsizetype lngAt = bytJson.indexOf("{\"id\"");
        EXPECT_EQ(lngAt < 0 ? QByteArray() : bytJson.mid(lngAt, bytJson.indexOf('\n', lngAt) - lngAt), u.Line) << u.Name;
        EXPECT_EQ(objState.Texts(K).size(), u.Line.isEmpty() ? 0 : 1) << u.Name;
        QString strReason;
        ASSERT_TRUE(objRead.Parse(bytJson, strReason)) << u.Name;
        EXPECT_TRUE(objRead == objState) << u.Name;
    }
}

TEST(StateTest, AFileThatCannotBeReadIsIgnoredWithItsLineAndReason)
{
    const std::pair<QByteArray, const char*> udtCases[] = {
        {"{\n  \"tralyx-translation-state\": 1,\n  \"files\": {\n", "line 4: not valid JSON"},
        {"[1, 2]", "line 1: not a translation state file (no \"tralyx-translation-state\" version)"},
        {"\n\n{\"files\": {}}", "line 3: not a translation state file"},
        {"{\"files\": {\"core.lrc\": []},\n\"tralyx-translation-state\": \"1\"}", "line 2: not a translation state file"},
        {"{\"files\": {},\n \"tralyx-translation-state\": 2}", "line 2: version 2 of the state file is not known to this Tralyx (it reads version 1)"},
        {"{\"tralyx-translation-state\": 1, \"files\": {\n\"core.lrc\":\n {}}}", "line 3: \"core.lrc\" must be a list"},
        {"{\"tralyx-translation-state\": 1, \"files\": {\"core.lrc\": [{\"id\": \"a]\", \"note\": \"[{,\"}],\n \"secondary.lrc\": [\n"
         "{\"id\": \"TXT001\"},\n  {\"review\": \"x\"}]}}",
         "line 4: \"secondary.lrc\" entry 2: must be an object with an \"id\""},
        {"{\"tralyx-translation-state\": 1, \"files\": {\"core.lrc\": [{\"id\": \"\"}]}}", "line 1: \"core.lrc\" entry 1: must be an object"},
        {"{\"tralyx-translation-state\": 1, \"files\": {\"messages.lrc\": [{\"id\": \"MSG\\\"1\\\\\", \"note\": \"\\\\\"},\n"
         "{\"id\": \"MSG002\", \"done\": \"yes\"}]}}",
         "line 2: \"messages.lrc\" entry 2: \"review\", \"movedFrom\", \"note\" and \"for\" must be strings, \"done\" true or false"},
    };
    for (const auto& [bytContent, pstrReason] : udtCases) {
        clsTranslationState objState;
        objState.SetNote(enuFileKind::Secondary, Q("TXT001"), Q("left from before"));
        QString strReason;
        EXPECT_FALSE(objState.Parse(bytContent, strReason)) << pstrReason;
        EXPECT_TRUE(strReason.startsWith(Q(pstrReason))) << strReason.toStdString();
        EXPECT_TRUE(objState.IsEmpty());
    }
    const clsTempDir objDir;  // no file: no state, and nothing to say; a broken one names itself
    clsTranslationState objState;
    QString strReason;
    EXPECT_TRUE(objState.Load(objDir.Path(), strReason));
    EXPECT_TRUE(objState.IsEmpty() && strReason.isEmpty());
    objDir.Write(StateFile, "[]");
    EXPECT_FALSE(objState.Load(objDir.Path(), strReason));
    EXPECT_TRUE(strReason.startsWith(objDir.Path(StateFile) + Q(": line 1: not a translation state file"))) << strReason.toStdString();
}

// The ids the checks give, and the record each names: messages by position and text, procedural
// texts beyond 999 by their number after "#" (the file's own numbers wrap at 1000).
TEST(StateTest, IdsNameTheirRecordAndText)
{
    const struct {
        enuFileKind File;
        const char* Id;
        qsizetype Position;  // -1: no id of that file
        int32_t Text;
    } Rows[] = {{enuFileKind::Messages, "MSG003", 2, 0},   {enuFileKind::Messages, "MST003", 2, 1},
                {enuFileKind::Messages, "MSG255", 254, 0}, {enuFileKind::Messages, "MSG000", -1, 0},
                {enuFileKind::Messages, "MSG03", -1, 0},   {enuFileKind::Messages, "MSG0003", -1, 0},
                {enuFileKind::Messages, "MSX003", -1, 0},  {enuFileKind::Messages, "MSG003#1003", -1, 0},
                {enuFileKind::Messages, "TXT003", -1, 0},  {enuFileKind::Secondary, "TXT001", 0, 0},
                {enuFileKind::Secondary, "TXT999", 998, 0}, {enuFileKind::Secondary, "TXT000#1000", 999, 0},
                {enuFileKind::Secondary, "TXT004#1004", 1003, 0}, {enuFileKind::Secondary, "TXT767#32767", 32766, 0},
                {enuFileKind::Secondary, "TXT005#1004", -1, 0}, {enuFileKind::Secondary, "TXT004#4", -1, 0},
                {enuFileKind::Secondary, "TXT004#", -1, 0}, {enuFileKind::Secondary, "TXT+01", -1, 0},
                {enuFileKind::Secondary, "MST001", -1, 0}, {enuFileKind::ControlText, "frmMain.cmdOK.0.C", -1, 0}};
    for (const auto& u : Rows) {
        qsizetype lngPosition = -1;
        int32_t lngText = -1;
        const bool booId = PositionOfTextId(u.File, Q(u.Id), lngPosition, lngText);
        EXPECT_EQ(booId, u.Position >= 0) << u.Id;
        if (!booId || u.Position < 0) continue;
        EXPECT_EQ(lngPosition, u.Position) << u.Id;
        EXPECT_EQ(lngText, u.Text) << u.Id;
        EXPECT_EQ(TextId(u.File, RecordId(u.File, lngPosition), lngText), Q(u.Id));
    }
}

// The ids of a file that its table lacks are dropped, each file by its own ids; a renumbering moves
// each id with its record and drops those of records gone or beyond the list.
TEST(StateTest, PrunesIdsTheTableLacksAndRenumbers)
{
    std::vector<int32_t> lngBack(1004, -1);
    lngBack[1003] = 3;  // TXT004#1004 becomes TXT004
    const struct {
        enuFileKind File;
        qsizetype Records;  // of messages.lrc or secondary.lrc; core.lrc has frmMain.cmdOK.0
        const char* Ids;
        std::vector<int32_t> NewPositions;  // empty: Prune
        const char* Kept;
    } Rows[] = {
        {enuFileKind::ControlText, 0, "frmMain.cmdOK.0.C|frmMain.cmdOK.0.T|frmMain.cmdOK.1.C|frmMain.cmdGone.0.C|frmOther.cmdOK.0.C|frmMain.cmdOK.0", {},
         "frmMain.cmdOK.0.C|frmMain.cmdOK.0.T"},
        {enuFileKind::Messages, 2, "MSG001|MST002|MSG003|MST003|MSG000|TXT001", {}, "MSG001|MST002"},
        {enuFileKind::Secondary, 2, "TXT001|TXT002|TXT003|TXT000#1000|MSG001", {}, "TXT001|TXT002"},
        {enuFileKind::Secondary, 1004, "TXT004|TXT004#1004|TXT005#1005|TXT005#1004", {}, "TXT004|TXT004#1004"},
        {enuFileKind::Messages, 0, "MSG001|MST001|MSG002|MST003|MSG004", {1, -1, 0}, "MSG002|MST001|MST002"},
        {enuFileKind::Secondary, 0, "TXT001|TXT002|TXT003|TXT004", {-1, 999, 1003}, "TXT000#1000|TXT004#1004"},
        {enuFileKind::Secondary, 0, "TXT004#1004|TXT001", lngBack, "TXT004"},
    };
    for (const auto& u : Rows) {
        clsTralyx objStore;
        objStore.SetControlTextTable({{"frmMain", "cmdOK", 0, "OK", ""}});
        objStore.SetMessageTable(QVector<MessageItem>(u.Records));
        objStore.SetSecondaryTable(QStringList(u.Records, Q("text")));
        clsTranslationState objState;
        for (const QString& strId : Q(u.Ids).split(u'|')) objState.SetNote(u.File, strId, strId);
        objState.SetNote(enuFileKind::ControlText == u.File ? enuFileKind::Secondary : enuFileKind::ControlText, Q("other"), Q("kept"));
        if (u.NewPositions.empty()) objState.Prune(u.File, objStore);
        else objState.Renumber(u.File, u.NewPositions);
        QStringList strKept = objState.Texts(u.File).keys();
        strKept.sort();
        EXPECT_EQ(strKept.join(u'|'), Q(u.Kept)) << u.Ids;
        EXPECT_EQ(objState.Texts(u.File).size(), strKept.size());
        for (const QString& strId : strKept)  // each keeps its own state
            EXPECT_TRUE(!u.NewPositions.empty() || objState.Get(u.File, strId).Note == strId) << qPrintable(strId);
        EXPECT_EQ(objState.Texts(enuFileKind::ControlText == u.File ? enuFileKind::Secondary : enuFileKind::ControlText).size(), 1);
    }
    clsTranslationState objState;
    objState.SetNote(enuFileKind::Secondary, Q("TXT002"), Q("second"));
    objState.Renumber(enuFileKind::Secondary, {-1, 1003});
    EXPECT_EQ(objState.Get(enuFileKind::Secondary, Q("TXT004#1004")).Note, Q("second"));
}

// A window's own changes (from the state it read to its own) go into the state as its file now
// holds it: what another program changed meanwhile stays unless the window changed that same text.
TEST(StateTest, TakesOnlyItsOwnChangesIntoTheStateOnDisk)
{
    const enuFileKind K = enuFileKind::Secondary;
    udtTextState None, Review, Done, Noted;
    Review.Review = true, Review.PreviousSource = Q("old"), Done.Done = true, Noted.Note = Q("n");
    const struct {
        const char* Name;
        udtTextState Read, Mine, Disk, Result;
    } Rows[] = {
        {"another program cleared a review the window left alone", Review, Review, None, None},
        {"another program's note on a text the window left alone", None, None, Noted, Noted},
        {"the window's done over the disk's review", Review, Done, Review, Done},
        {"the window's clearing wins on its own text", Noted, None, Noted, None},
        {"both changed one text: the window's, saved last", None, Done, Noted, Done},
    };
    for (const auto& r : Rows) {
        clsTranslationState objRead, objMine, objDisk;
        objRead.Set(K, Q("TXT001"), r.Read);
        objMine.Set(K, Q("TXT001"), r.Mine);
        objDisk.Set(K, Q("TXT001"), r.Disk);
        objDisk.SetNote(enuFileKind::Messages, Q("MSG001"), Q("another file's"));
        objDisk.TakeChanges(K, objRead, objMine);
        EXPECT_EQ(objDisk.Get(K, Q("TXT001")), r.Result) << r.Name;
        EXPECT_EQ(objDisk.Get(enuFileKind::Messages, Q("MSG001")).Note, Q("another file's")) << r.Name;
    }
}
