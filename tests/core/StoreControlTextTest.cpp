// core.lrc: reading, writing, and what survives a round trip.
#include "ScriptedDesktop.h"
#include "StoreFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

ControlTextItem Item(const char* form, const char* control, uint8_t index, const char* caption, const char* tip)
{
    return {QString::fromUtf8(form), QString::fromUtf8(control), index, QString::fromUtf8(caption), QString::fromUtf8(tip)};
}

QVector<ControlTextItem> Load(const QByteArray& content, bool expectSuccess = true)
{
    clsTempDir dir;
    clsTralyx store;
    const udtLoadResult result = LoadBytes(store, enuFileKind::ControlText, content, dir.Path());
    EXPECT_EQ(result.Success, expectSuccess) << result.Error.Text().toStdString();
    return store.ControlTextTable();
}

QByteArray Save(const QVector<ControlTextItem>& table)
{
    clsTempDir dir;
    clsTralyx store;
    store.SetControlTextTable(table);
    EXPECT_TRUE(SaveTo(store, enuFileKind::ControlText, dir.Path("core.lrc"))) << store.LastError().Text().toStdString();
    return clsTempDir::Read(dir.Path("core.lrc"));
}

}  // namespace

TEST(ControlTextRead, RecordsOfWrittenFiles)
{
    struct {
        const char* name;
        QByteArray file;
        QVector<ControlTextItem> records;
    } cases[] = {
        {"empty file", "", {Item("", "", 0, "", "")}},
        {"both lines", "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\n", {Item("frmMain", "cmdOK", 0, "OK", "Accept")}},
        {"leading blanks dropped, trailing kept", "f.lblA.0.C:   Size  \r\n", {Item("f", "lblA", 0, "Size  ", "")}},
        {"only the first three points and the first colon delimit", "f.lbl.3.C:a.b:c.d\r\n", {Item("f", "lbl", 3, "a.b:c.d", "")}},
        {"index with leading zeros", "f.opt.007.C:x\r\n", {Item("f", "opt", 7, "x", "")}},
        {"tool-tip-only entry followed by a caption-only entry",
         "f.txtName.0.T:type here\r\nf.mnuFile.0.C:&File\r\n",
         {Item("f", "txtName", 0, "", "type here"), Item("f", "mnuFile", 0, "&File", "")}},
        {"a control array at the start of the file",
         "f.optA.0.T:t0\r\nf.optA.0.C:c0\r\nf.optA.1.T:t1\r\nf.optA.1.C:c1\r\ng.optA.0.T:t2\r\ng.optA.0.C:c2\r\n",
         {Item("f", "optA", 0, "c0", "t0"), Item("f", "optA", 1, "c1", "t1"), Item("g", "optA", 0, "c2", "t2")}},
        {"two caption-only entries of one path stay two records", "f.mnuA.0.C:one\r\nf.mnuA.0.C:two\r\n",
         {Item("f", "mnuA", 0, "one", ""), Item("f", "mnuA", 0, "two", "")}},
        {"lone LF and lone CR end lines too", "f.cmdA.0.T:t\nf.cmdA.0.C:c\rf.cmdB.0.T:u\r\n",
         {Item("f", "cmdA", 0, "c", "t"), Item("f", "cmdB", 0, "", "u")}},
        {"multi-line caption as continuation lines", "f.lblA.0.T:tip\r\nf.lblA.0.C:one\rf.lblA.0.C:  two\r\n",
         {Item("f", "lblA", 0, "one\r\n  two", "tip")}},
        {"a lone CR before another path is only a line end", "f.lblA.0.C:one\rf.lblB.0.C:two\r\n",
         {Item("f", "lblA", 0, "one", ""), Item("f", "lblB", 0, "two", "")}},
    };
    for (const auto& c : cases) EXPECT_EQ(Load(c.file), c.records) << c.name;
}

TEST(ControlTextRead, FailuresNameTheLineAndKeepWhatWasRead)
{
    const std::tuple<QByteArray, int, const char*, QVector<ControlTextItem>> cases[] = {
        {"f.a.0.C:x\r\n\r\nf.b.0.C:y\r\n", 2, "the line is blank", {Item("f", "a", 0, "x", "")}},
        {"...\r\n", 1, "index '' is not a number", {Item("", "", 0, "", "")}},
        {"f.a.0.C:x\r\nf.b:0\r\n", 2, "fewer than three '.'", {Item("f", "a", 0, "x", "")}},
        {"f.a.x1.C:x\r\n", 1, "index 'x1' is not a number from 0 to 255", {Item("", "", 0, "", "")}},
        {"f.a.0.C:x\r\nf.b.256.C:y\r\n", 2, "index '256' is not a number from 0 to 255", {Item("f", "a", 0, "x", "")}},
        {"f.a.0.C x\r\n", 1, "no ':' after the index", {Item("", "", 0, "", "")}},
        {QByteArray("f.a.0.C:x\r\n\0\0\0\r\n", 15), 2, "fewer than three '.'", {Item("f", "a", 0, "x", "")}},
    };
    for (const auto& [file, line, reason, kept] : cases) {
        clsTempDir dir;
        clsTralyx store;
        const udtLoadResult result = LoadBytes(store, enuFileKind::ControlText, file, dir.Path());
        EXPECT_FALSE(result.Success) << reason;
        EXPECT_EQ(result.Error.Line, line) << reason;
        EXPECT_TRUE(result.Error.Reason.contains(QString::fromUtf8(reason))) << result.Error.Reason.toStdString();
        EXPECT_EQ(store.ControlTextTable(), kept) << reason;
    }
}

TEST(ControlTextRead, UnexpectedTagShowsTheMessageOncePerLineAndGoesOn)
{
    clsScriptedDesktop desktop;
    desktop.Expect("An unexpected error occurred loading the control text.", vbCritical, "Tralyx")
        .Expect("An unexpected error occurred loading the control text.", vbCritical, "Tralyx");
    clsTempDir dir;
    clsTralyx store;
    const udtLoadResult result = LoadBytes(store, enuFileKind::ControlText,
                                           "f.a.0.T:t\r\nf.a.0.X:skip\r\nf.a.0.c:lower\r\nf.a.0.C:c\r\n", dir.Path());
    EXPECT_TRUE(result.Success);
    EXPECT_EQ(store.ControlTextTable(), QVector<ControlTextItem>{Item("f", "a", 0, "c", "t")});
    ASSERT_EQ(store.LastWarnings().size(), 2);
    EXPECT_EQ(store.LastWarnings()[0].Line, 2);
    EXPECT_EQ(store.LastWarnings()[1].Line, 3);
}

TEST(ControlTextRead, MoreThan32767RecordsFailsWithoutOverflow)
{
    QByteArray file;
    for (int i = 0; i <= clsTralyx::MaxRecords; ++i) file += "f.mnu" + QByteArray::number(i) + ".0.C:x\r\n";
    clsTempDir dir;
    clsTralyx store;
    const udtLoadResult result = LoadBytes(store, enuFileKind::ControlText, file, dir.Path());
    EXPECT_FALSE(result.Success);
    EXPECT_EQ(result.Error.Line, clsTralyx::MaxRecords + 1);
    EXPECT_EQ(store.ControlTextTable().size(), clsTralyx::MaxRecords);
}

TEST(ControlTextWrite, LinesChosenByControlName)
{
    struct {
        ControlTextItem item;
        QByteArray lines;
    } cases[] = {
        {Item("f", "MnuFile", 0, "&File", "tip"), "f.MnuFile.0.C:&File\r\n"},
        {Item("f", "TxtName", 0, "cap", "tip"), "f.TxtName.0.T:tip\r\n"},
        {Item("f", "[Caption]", 0, "Title", "tip"), "f.[Caption].0.C:Title\r\n"},
        {Item("f", "cmd", 0, "c", "t"), "f.cmd.0.T:t\r\nf.cmd.0.C:c\r\n"},
        {Item("f", "mnu", 0, "c", "t"), "f.mnu.0.T:t\r\nf.mnu.0.C:c\r\n"},
        {Item("f", "[ca", 0, "c", "t"), "f.[ca.0.T:t\r\nf.[ca.0.C:c\r\n"},
        {Item("f", "tx", 0, "c", "t"), "f.tx.0.T:t\r\nf.tx.0.C:c\r\n"},
        {Item("f", "cmdOK", 12, "", ""), "f.cmdOK.12.T:\r\nf.cmdOK.12.C:\r\n"},
        {Item("f", "lbl", 1, "   first\r\n  second", "  tip "), "f.lbl.1.T:tip \r\nf.lbl.1.C:first\rf.lbl.1.C:  second\r\n"},
        {Item("f", "lbl", 0, "one\r\ntwo\nthree\r", "a\rb"),
         "f.lbl.0.T:a\rf.lbl.0.T:b\r\nf.lbl.0.C:one\rf.lbl.0.C:two\rf.lbl.0.C:three\rf.lbl.0.C:\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(Save({c.item}), c.lines) << c.item.ControlName.toStdString();
}
