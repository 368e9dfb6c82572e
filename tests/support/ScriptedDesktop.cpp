#include "ScriptedDesktop.h"

#include <gtest/gtest.h>

namespace tralyx::test {

clsScriptedDesktop::clsScriptedDesktop() { InstallDesktop(this); }

clsScriptedDesktop::~clsScriptedDesktop()
{
    InstallDesktop(nullptr);
    EXPECT_TRUE(mudtExpected.empty()) << mudtExpected.size() << " expected message box(es) never shown, first: "
                                      << (mudtExpected.empty() ? "" : mudtExpected.front().Prompt.toStdString());
    EXPECT_TRUE(mstrFiles.empty()) << "scripted file dialog answers left over";
    EXPECT_TRUE(mstrFolders.empty()) << "scripted folder answers left over";
}

clsScriptedDesktop& clsScriptedDesktop::Expect(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                                               int32_t plngAnswer)
{
    mudtExpected.push_back({pstrPrompt, plngStyle, pstrTitle, plngAnswer});
    return *this;
}

clsScriptedDesktop& clsScriptedDesktop::NextFile(std::optional<QString> pstrPath)
{
    mstrFiles.push_back(std::move(pstrPath));
    return *this;
}

clsScriptedDesktop& clsScriptedDesktop::NextFolder(std::optional<QString> pstrPath)
{
    mstrFolders.push_back(std::move(pstrPath));
    return *this;
}

int32_t clsScriptedDesktop::MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                                   const QString& pstrDetails)
{
    mudtShown.push_back({pstrPrompt, plngStyle, pstrTitle, pstrDetails});
    if (mfnOnBox) mfnOnBox();
    if (mudtExpected.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << pstrPrompt.toStdString() << "\" title \""
                      << pstrTitle.toStdString() << "\" style " << plngStyle;
        return (plngStyle & 7) == vbYesNo ? vbNo : ((plngStyle & 7) == 0 ? vbOK : vbCancel);
    }
    const udtExpectedBox udtBox = mudtExpected.front();
    mudtExpected.pop_front();
    // An expected prompt ending in "…" stands for every prompt that begins with the rest.
    if (udtBox.Prompt.endsWith(u'\u2026')) EXPECT_TRUE(pstrPrompt.startsWith(udtBox.Prompt.chopped(1))) << pstrPrompt.toStdString();
    else EXPECT_EQ(pstrPrompt.toStdString(), udtBox.Prompt.toStdString());
    EXPECT_EQ(plngStyle, udtBox.Style) << "style of \"" << pstrPrompt.toStdString() << "\"";
    EXPECT_EQ(pstrTitle.toStdString(), udtBox.Title.toStdString()) << "title of \"" << pstrPrompt.toStdString() << "\"";
    return udtBox.Answer;
}

// The next scripted answer of a dialog: false when it was cancelled, or when none was scripted.
static bool NextAnswer(std::deque<std::optional<QString>>& pstrAnswers, QString& pstrValue, const char* pstrWhat)
{
    if (pstrAnswers.empty()) {
        ADD_FAILURE() << "unexpected " << pstrWhat;
        return false;
    }
    const std::optional<QString> strAnswer = pstrAnswers.front();
    pstrAnswers.pop_front();
    if (strAnswer) pstrValue = *strAnswer;
    return strAnswer.has_value();
}

bool clsScriptedDesktop::FileDialog(bool, const QString&, QString& pstrFileName)
{
    return NextAnswer(mstrFiles, pstrFileName, "file dialog");
}

bool clsScriptedDesktop::ChooseFolder(const QString& pstrStartFolder, QString& pstrFolder)
{
    mstrFolderStarts.append(pstrStartFolder);
    return NextAnswer(mstrFolders, pstrFolder, "folder choice");
}

}  // namespace tralyx::test
