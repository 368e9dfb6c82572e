#pragma once
// A desktop seam for tests: every message box must have been scripted, in order, with its prompt,
// style and title; a box that was not expected fails the test. File dialogs, folder choices and the
// clipboard are scripted the same way.
#include "common/basDesktop.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace tralyx::test {

struct udtExpectedBox {
    QString Prompt;
    int32_t Style = 0;
    QString Title;
    int32_t Answer = vbOK;
};

struct udtShownBox {
    QString Prompt;
    int32_t Style = 0;
    QString Title;
    QString Details;
};

class clsScriptedDesktop : public clsDesktop {
public:
    clsScriptedDesktop();            // installs itself
    ~clsScriptedDesktop() override;  // restores the headless seam; fails the test if boxes are left

    clsScriptedDesktop& Expect(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                               int32_t plngAnswer = vbOK);
    // Answers the next file dialog with a path, or cancels it (std::nullopt).
    clsScriptedDesktop& NextFile(std::optional<QString> pstrPath);
    clsScriptedDesktop& NextFolder(std::optional<QString> pstrPath);

    const std::vector<udtShownBox>& Shown() const { return mudtShown; }
    const QStringList& FolderStarts() const { return mstrFolderStarts; }
    size_t Pending() const { return mudtExpected.size(); }

    int32_t MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                   const QString& pstrDetails) override;
    bool FileDialog(bool pbooSave, const QString& pstrFilter, QString& pstrFileName) override;
    bool ChooseFolder(const QString& pstrStartFolder, QString& pstrFolder) override;
    QString ClipboardText() override { return mstrClipboard; }
    void SetClipboardText(const QString& pstrText) override { mstrClipboard = pstrText; }

    QString mstrClipboard;
    std::function<void()> mfnOnBox;  // runs as each box is shown, for a look at the world at that moment

private:
    std::deque<udtExpectedBox> mudtExpected;
    std::deque<std::optional<QString>> mstrFiles;
    std::deque<std::optional<QString>> mstrFolders;
    std::vector<udtShownBox> mudtShown;
    QStringList mstrFolderStarts;
};

}  // namespace tralyx::test
