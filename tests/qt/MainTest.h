#pragma once
// Shared set-up of the main window tests: a shown main window with its fresh store, a scripted
// desktop, small language files written by the tests, and the user's gestures.
#include "EditorTestSupport.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>

namespace tralyx::test {

// File contents, in the formats' own bytes.
inline const QByteArray MessagesA = "MSG001:Disk full.\rMSG001:Free some space.\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n";
inline const QByteArray MessagesB = "MSG001:Other file\r\nMST001:B\r\n";
inline const QByteArray SecondaryA = "TXT001:First\r\nTXT002:Second\r\n";
inline const QByteArray CoreA = "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\n";

inline QString CorruptPrompt(const QString& pstrPath) { return Q("The file ") + pstrPath + Q(" is corrupt!\r\n\r\n…"); }
inline QString CorruptTitle(const QString& pstrPath) { return Q("Couldn't load ") + pstrPath; }

class clsMainFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        mfrmMain = std::make_unique<frmMain>();
        mfrmMain->resize(900, 600);
        mfrmMain->show();
        mfrmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mfrmMain.get()));
    }
    void TearDown() override
    {
        mfrmMain.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Click(const char* pstrName) const
    {
        auto* pobjItem = mfrmMain->findChild<QAction*>(QLatin1String(pstrName));
        ASSERT_NE(pobjItem, nullptr) << pstrName;
        pobjItem->trigger();
    }
    void ClickButton(const QString& pstrKey) const
    {
        for (QAction* pobjButton : mfrmMain->findChild<QToolBar*>(Q("tbToolBar"))->actions())
            if (pobjButton->data().toString() == pstrKey) return pobjButton->trigger();
        ADD_FAILURE() << "no toolbar button " << pstrKey.toStdString();
    }

    QList<frmMessageEditor*> Editors() const
    {
        QList<frmMessageEditor*> objOut;
        for (QMdiSubWindow* pobjChild : mfrmMain->Frame()->subWindowList(QMdiArea::CreationOrder))
            if (auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget())) objOut.append(frmEditor);
        return objOut;
    }
    // Opens through File, Open with the dialog answered by pstrPath.
    void OpenByMenu(const QString& pstrPath)
    {
        mobjDesktop.NextFile(pstrPath);
        Click("mnuFileOpen");
    }

    // Clicks a row, types at the end of its lower box and commits with the toolbar button.
    void EditAndCommit(frmMessageEditor& pfrmWindow, int plngRow, const QString& pstrTyped)
    {
        ClickRow(pfrmWindow, plngRow);
        TypeLower(pfrmWindow, pstrTyped);
        ClickButton(Q("ToGrid"));
    }

    clsScriptedDesktop mobjDesktop;
    clsTempDir mobjDir;
    std::unique_ptr<frmMain> mfrmMain;
};

}  // namespace tralyx::test
