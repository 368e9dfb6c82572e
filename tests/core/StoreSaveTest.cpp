// What every saver shares: the overwrite question, the code page, and never losing the old file.
#include "ScriptedDesktop.h"
#include "StoreFiles.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

void Fill(clsTralyx& store, enuFileKind kind, const QString& text)
{
    switch (kind) {
    case enuFileKind::ControlText: store.SetControlTextTable({{"f", "lbl", 0, text, ""}}); break;
    case enuFileKind::Messages: store.SetMessageTable({{1, text, "title"}}); break;
    case enuFileKind::Secondary: store.SetSecondaryTable({text}); break;
    }
}

const enuFileKind AllKinds[] = {enuFileKind::ControlText, enuFileKind::Messages, enuFileKind::Secondary};

}  // namespace

TEST(StoreSave, OverwriteQuestionNoKeepsTheOldFileYesReplacesIt)
{
    for (const enuFileKind kind : AllKinds) {
        clsTempDir dir;
        const QString path = dir.Write(LanguageFileName(kind), "old content\r\n");
        clsTralyx store;
        Fill(store, kind, "new");
        for (const int32_t answer : {vbNo, vbYes}) {
            clsScriptedDesktop desktop;
            desktop.Expect(OverwritePrompt(path), vbQuestion + vbYesNo, "Overwrite file", answer);
            EXPECT_EQ(SaveTo(store, kind, path), answer == vbYes);
            EXPECT_EQ(clsTempDir::Read(path).contains("new"), answer == vbYes);
            EXPECT_TRUE(answer == vbYes || store.LastError().Declined);
        }
    }
}

// Tables a file cannot carry are refused before the overwrite question, naming the record.
TEST(StoreSave, TablesTheFormatCannotCarryAreRefusedNamingTheRecord)
{
    const std::tuple<enuFileKind, std::function<void(clsTralyx&)>, QString> cases[] = {
        {enuFileKind::ControlText, [](clsTralyx& s) { s.SetControlTextTable({{"f", "a", 0, "", ""}, {"frm.Main", "c", 0, "", ""}}); },
         "frm.Main.c.0: the name 'frm.Main' holds a '.' or a line break"},
        {enuFileKind::ControlText, [](clsTralyx& s) { s.SetControlTextTable({{"f", "c\r\nd", 0, "", ""}}); }, "holds a '.' or a line break"},
        {enuFileKind::Messages, [](clsTralyx& s) { s.SetMessageTable(QVector<MessageItem>(256)); }, "the table has 256 messages"},
        {enuFileKind::Secondary, [](clsTralyx& s) { Fill(s, enuFileKind::Secondary, "caf\u00e9 \u4e2d\u6587"); },
         "TXT001: windows-1252 cannot write the characters '\u4e2d\u6587'"},
    };
    for (const auto& [kind, fill, reason] : cases) {
        clsTempDir dir;
        const QString path = dir.Write(LanguageFileName(kind), "old\r\n");
        clsTralyx store;
        fill(store);
        clsScriptedDesktop desktop;  // no question may be asked
        EXPECT_FALSE(SaveTo(store, kind, path)) << reason.toStdString();
        EXPECT_TRUE(store.LastError().Reason.contains(reason)) << store.LastError().Reason.toStdString();
        EXPECT_EQ(clsTempDir::Read(path), "old\r\n");
    }
}

TEST(StoreSave, EverySingleByteValueSurvivesLoadAndSave)
{
    // All bytes but CR and LF, which end lines, in the text of each format.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') all += static_cast<char>(b);
    const QByteArray files[] = {"f.lbl.0.T:" + all + "\r\nf.lbl.0.C:" + all + "\r\n",
                                "MSG001:" + all + "\r\nMST001:" + all + "\r\n", "TXT001:" + all + "\r\n"};
    for (const char* codePage : {"windows-1252", "windows-1250", "windows-1251", "windows-1253", "windows-1255",
                                 "windows-1257", "windows-874"}) {
        for (int k = 0; k < 3; ++k) {
            clsTempDir dir;
            clsTralyx store;
            ASSERT_TRUE(store.SetCodePage(codePage));
            ASSERT_TRUE(LoadBytes(store, AllKinds[k], files[k], dir.Path()).Success) << codePage;
            ASSERT_TRUE(SaveTo(store, AllKinds[k], dir.Path("out.lrc"))) << codePage << store.LastError().Text().toStdString();
            EXPECT_EQ(clsTempDir::Read(dir.Path("out.lrc")), files[k]) << codePage << " kind " << k;
        }
    }
}

// A table is written in the code page it was read with, whatever the code page of later loads.
TEST(StoreSave, ATableIsWrittenInTheCodePageItWasReadWith)
{
    const std::tuple<const char*, enuFileKind, QByteArray, QString> cases[] = {
        {"windows-1251", enuFileKind::Secondary, "TXT001:\xcf\xf0\xe8\xe2\xe5\xf2\r\n", "\u041f\u0440\u0438\u0432\u0435\u0442"},
        {"windows-932", enuFileKind::Messages, "MSG001:\x93\xfa\x96\x7b\x8c\xea\rMSG001:2\r\nMST001:\x83\x5e\x83\x43\x83\x67\x83\x8b\r\n",
         "\u65e5\u672c\u8a9e\r\n2"},
    };
    for (const auto& [codePage, kind, bytes, text] : cases) {
        clsTempDir dir;
        clsTralyx store;
        ASSERT_TRUE(store.SetCodePage(codePage));
        ASSERT_TRUE(LoadBytes(store, kind, bytes, dir.Path()).Success) << codePage;
        EXPECT_EQ(kind == enuFileKind::Messages ? store.MessageTable().front().Message : store.SecondaryTable().front(), text);
        ASSERT_TRUE(store.SetCodePage("windows-1252"));  // for the next loads only
        ASSERT_TRUE(SaveTo(store, kind, dir.Path("out.lrc")));
        EXPECT_EQ(clsTempDir::Read(dir.Path("out.lrc")), bytes) << codePage;
    }
}
