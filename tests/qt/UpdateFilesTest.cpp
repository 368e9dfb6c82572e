// The update files window: when "&Update" may be pressed, browsing, what an update asks and says,
// and that there is one such window at a time.
#include "ScriptedDesktop.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "basApplication.h"
#include "basGeneralItems.h"
#include "clsTralyx.h"
#include "frmUpdateFiles.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const char* const BoxNames[] = {"txtOldFile", "txtNewFile", "txtDestination"};
const char* const FileNames[] = {"core.lrc", "messages.lrc", "secondary.lrc"};
const QByteArray Files[] = {"frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\n", "MSG001:Bonjour\r\nMST001:Salut\r\n",
                            "TXT001:Un\r\n"};

class UpdateFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mobjArea.resize(900, 600);
        mobjArea.show();
        mfrmForm = frmUpdateFiles::ShowIn(&mobjArea);
        ASSERT_NE(mfrmForm, nullptr);
    }

    QLineEdit* Box(int i) const { return mfrmForm->findChild<QLineEdit*>(QLatin1StringView(BoxNames[i])); }
    QPushButton* Button(const char* pstrName) const { return mfrmForm->findChild<QPushButton*>(QLatin1StringView(pstrName)); }
    QPushButton* Browse(int i) const
    {
        for (QPushButton* pcmdButton : mfrmForm->findChildren<QPushButton*>(QStringLiteral("cmdBrowse")))
            if (pcmdButton->property("Index").toInt() == i) return pcmdButton;
        return nullptr;
    }
    void SetAll(const QString& pstrFolder) const
    {
        for (int i = 0; i < 3; ++i) Box(i)->setText(pstrFolder);
    }
    QStringList Texts() const { return {Box(0)->text(), Box(1)->text(), Box(2)->text()}; }

    QMdiArea mobjArea;
    QPointer<frmUpdateFiles> mfrmForm;
};

}  // namespace

TEST_F(UpdateFilesTest, UpdateIsEnabledExactlyWhenAllThreeBoxesHoldText)
{
    enum class enuAction { Type, Backspace, Set };
    struct udtStep {
        int Box;
        enuAction Action;
        const char* Text;
        bool Enabled;
    };
    const udtStep udtSteps[] = {
        {0, enuAction::Type, "o", false},  {2, enuAction::Type, "d", false}, {1, enuAction::Type, " ", true},  // blanks count
        {1, enuAction::Backspace, "", false}, {1, enuAction::Set, "/n", true}, {0, enuAction::Set, "", false},
        {0, enuAction::Type, "x", true},    {2, enuAction::Backspace, "", false}, {2, enuAction::Set, "dest", true},
    };
    EXPECT_FALSE(Button("cmdUpdate")->isEnabled()) << "when the window opens";
    for (const udtStep& s : udtSteps) {
        switch (s.Action) {
        case enuAction::Type: QTest::keyClicks(Box(s.Box), QString::fromLatin1(s.Text)); break;
        case enuAction::Backspace: QTest::keyClick(Box(s.Box), Qt::Key_Backspace); break;
        case enuAction::Set: Box(s.Box)->setText(QString::fromLatin1(s.Text)); break;
        }
        EXPECT_EQ(Button("cmdUpdate")->isEnabled(), s.Enabled) << "after box " << s.Box << " became \"" << Box(s.Box)->text().toStdString() << '"';
    }
}

TEST_F(UpdateFilesTest, BrowseStartsAtTheBoxOrTheProgramFolderAndFillsTheBoxOnlyWhenChosen)
{
    for (int i = 0; i < 3; ++i) {
        Box(0)->setText(QStringLiteral("/old"));
        Box(1)->setText(QStringLiteral("/new"));
        Box(2)->setText(QStringLiteral("/dest"));
        Box(i)->clear();
        clsScriptedDesktop objDesktop;
        objDesktop.NextFolder(std::nullopt);                   // cancelled (or closed): the box stays empty
        objDesktop.NextFolder(QStringLiteral("/chosen/one"));  // OK: the box takes the folder
        objDesktop.NextFolder(std::nullopt);                   // cancelled again: the box keeps it
        QTest::mouseClick(Browse(i), Qt::LeftButton);
        EXPECT_EQ(Box(i)->text(), QString());
        EXPECT_FALSE(Button("cmdUpdate")->isEnabled());
        QTest::mouseClick(Browse(i), Qt::LeftButton);
        EXPECT_EQ(Box(i)->text().toStdString(), "/chosen/one");
        EXPECT_TRUE(Button("cmdUpdate")->isEnabled()) << "the state is refreshed after a browse";
        QTest::mouseClick(Browse(i), Qt::LeftButton);
        EXPECT_EQ(Box(i)->text().toStdString(), "/chosen/one");
        EXPECT_EQ(objDesktop.FolderStarts(), (QStringList{App::Path(), App::Path(), QStringLiteral("/chosen/one")})) << "row " << i;
    }
}

TEST_F(UpdateFilesTest, SameFolderThreeTimesAsksThreeQuestionsAndTheWindowStaysOpen)
{
    clsTempDir objDir;
    for (int i = 0; i < 3; ++i) objDir.Write(QLatin1StringView(FileNames[i]), Files[i]);
    SetAll(objDir.Path());

    struct udtRun {
        int32_t Answer;
        QString Prompt;
        int32_t Style;
    };
    QString strDeclined = QStringLiteral("Not every file was updated.\r\n");
    for (const char* pstrName : FileNames)
        strDeclined += QStringLiteral("\r\n%1 was not written: %2 already exists and was not overwritten")
                           .arg(QLatin1StringView(pstrName), objDir.Path(QLatin1StringView(pstrName)));
    for (const udtRun& r : {udtRun{vbYes, QStringLiteral("Completed!"), vbInformation}, udtRun{vbNo, strDeclined, vbExclamation}}) {
        clsScriptedDesktop objDesktop;
        for (const char* pstrName : FileNames)
            objDesktop.Expect(OverwritePrompt(objDir.Path(QLatin1StringView(pstrName))), vbQuestion + vbYesNo,
                              QStringLiteral("Overwrite file"), r.Answer);
        objDesktop.Expect(r.Prompt, r.Style, App::Title());
        QTest::mouseClick(Button("cmdUpdate"), Qt::LeftButton);

        ASSERT_FALSE(mfrmForm.isNull());
        EXPECT_TRUE(mfrmForm->isVisible());
        EXPECT_EQ(Texts(), QStringList(3, objDir.Path()));
        EXPECT_TRUE(Button("cmdUpdate")->isEnabled());
        for (int i = 0; i < 3; ++i) EXPECT_EQ(clsTempDir::Read(objDir.Path(QLatin1StringView(FileNames[i]))), Files[i]);
        // The per-file report is in the box's details either way.
        ASSERT_FALSE(objDesktop.Shown().empty());
        EXPECT_TRUE(objDesktop.Shown().back().Details.contains(QStringLiteral("entries from the old file: 1,")))
            << objDesktop.Shown().back().Details.toStdString();
    }
}

TEST_F(UpdateFilesTest, OneWindowAtATimeAndEveryWayOfClosingStartsTheNextOneEmpty)
{
    Box(0)->setText(QStringLiteral("/kept"));
    EXPECT_EQ(frmUpdateFiles::ShowIn(&mobjArea), mfrmForm.data()) << "the open window comes forward";
    EXPECT_EQ(mobjArea.subWindowList().size(), 1);
    EXPECT_EQ(Box(0)->text().toStdString(), "/kept");
    EXPECT_EQ(mobjArea.activeSubWindow()->widget(), mfrmForm.data());

    const std::function<void()> fnCloses[] = {
        [this] { QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton); },
        [this] { QTest::keyClick(Box(1), Qt::Key_Escape); },
        [this] { mobjArea.activeSubWindow()->close(); },  // the close box
    };
    for (const auto& fnClose : fnCloses) {
        SetAll(QStringLiteral("/x"));
        fnClose();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(mfrmForm.isNull());
        EXPECT_TRUE(mobjArea.subWindowList().isEmpty());
        mfrmForm = frmUpdateFiles::ShowIn(&mobjArea);
        EXPECT_EQ(Texts(), QStringList(3, QString()));
        EXPECT_FALSE(Button("cmdUpdate")->isEnabled());
    }
}

TEST_F(UpdateFilesTest, ReadsTheFilesInTheEditorsCodePage)
{
    clsTempDir objDir;
    objDir.Write(QStringLiteral("old/core.lrc"), "frmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:\xc3\x89t\xc3\xa9\r\n");  // UTF-8
    objDir.Write(QStringLiteral("new/core.lrc"), "frmMain.cmdOK.0.T:\r\nfrmMain.cmdOK.0.C:OK\r\n");
    for (const char* pstrName : {"messages.lrc", "secondary.lrc"}) objDir.Write(QStringLiteral("old/") + QLatin1StringView(pstrName), {});
    std::unique_ptr<clsTralyx> objEditorStore = std::exchange(gobjTextStore, std::make_unique<clsTralyx>());
    gobjTextStore->SetCodePage(QStringLiteral("UTF-8"));
    Box(0)->setText(objDir.Path(QStringLiteral("old")));
    Box(1)->setText(objDir.Path(QStringLiteral("new")));
    Box(2)->setText(objDir.Path());
    clsScriptedDesktop objDesktop;
    QString strPrompt = QStringLiteral("Not every file was updated.\r\n");
    for (const char* pstrName : {"messages.lrc", "secondary.lrc"})
        strPrompt += QStringLiteral("\r\n%1 was not merged: %2 does not exist").arg(QLatin1StringView(pstrName), objDir.Path(QStringLiteral("new/") + QLatin1StringView(pstrName)));
    objDesktop.Expect(strPrompt, vbExclamation, App::Title());
    QTest::mouseClick(Button("cmdUpdate"), Qt::LeftButton);
    gobjTextStore = std::move(objEditorStore);
    ASSERT_EQ(objDesktop.Shown().size(), 1u);
    EXPECT_TRUE(objDesktop.Shown()[0].Details.contains(QStringLiteral("frmMain.cmdGone.0 \"\u00c9t\u00e9\"")))
        << objDesktop.Shown()[0].Details.toStdString();
}
