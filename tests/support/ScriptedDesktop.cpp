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

bool clsScriptedDesktop::FileDialog(bool pbooSave, const QString& pstrFilter, QString& pstrFileName)
{
    mudtFileDialogs.push_back({pbooSave, pstrFilter, pstrFileName});
    if (mstrFiles.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return false;
    }
    const std::optional<QString> strAnswer = mstrFiles.front();
    mstrFiles.pop_front();
    if (!strAnswer) return false;
    pstrFileName = *strAnswer;
    return true;
}

bool clsScriptedDesktop::ChooseFolder(const QString& pstrStartFolder, QString& pstrFolder)
{
    mstrFolderStarts.append(pstrStartFolder);
    if (mstrFolders.empty()) {
        ADD_FAILURE() << "unexpected folder choice";
        return false;
    }
    const std::optional<QString> strAnswer = mstrFolders.front();
    mstrFolders.pop_front();
    if (!strAnswer) return false;
    pstrFolder = *strAnswer;
    return true;
}

}  // namespace tralyx::test
