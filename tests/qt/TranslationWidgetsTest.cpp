// Translation on widgets: what apply() puts on a window, what harvest() writes and reports, how
// messages are shown, and that a run-time message is never answered unseen.
#include "TempDir.h"
#include "qt/NextMessageBox.h"
#include "common/basDesktop.h"
#include "runtime/Translation.h"
#include "store/clsTralyx.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::AnswerNextBox;
using tralyx::test::clsTempDir;

namespace {

// A main window as a Qt application makes one, whose changeEvent() applies the language again (as
// retranslateUi() code would) and counts the LanguageChange events.
class frmNotes : public QMainWindow {
public:
    explicit frmNotes(Translation& pobjTranslation) : mobjTranslation(pobjTranslation)
    {
        setObjectName(QStringLiteral("frmMain"));
        setWindowTitle(QStringLiteral("Notes"));
        QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
        mnuFile->setObjectName(QStringLiteral("mnuFile"));
        mnuFile->addAction(QStringLiteral("&Open..."))->setObjectName(QStringLiteral("mnuFileOpen"));
        QAction* actSave = mnuFile->addAction(QStringLiteral("&Save"));
        actSave->setObjectName(QStringLiteral("actSave"));
        actSave->setStatusTip(QStringLiteral("Saves the note"));
        auto* objCentral = new QWidget(this);
        setCentralWidget(objCentral);
        lblName = new QLabel(QStringLiteral("Name:"), objCentral);
        lblName->setObjectName(QStringLiteral("lblName"));
        lblName->setToolTip(QStringLiteral("Your name"));
        chkPinned = new QCheckBox(QStringLiteral("Pinned"), objCentral);  // placed by hand, no layout
        chkPinned->setObjectName(QStringLiteral("chkPinned"));
    }
    int mlngLanguageChanges = 0;
    QLabel* lblName;
    QCheckBox* chkPinned;

protected:
    void changeEvent(QEvent* pobjEvent) override
    {
        if (pobjEvent->type() == QEvent::LanguageChange) {
            ++mlngLanguageChanges;
            mobjTranslation.apply(this);
        }
        QMainWindow::changeEvent(pobjEvent);
    }

private:
    Translation& mobjTranslation;
};

QString Folder(const clsTempDir& pobjDir, const QString& pstrName, const QByteArray& pbytCore)
{
    pobjDir.Write(pstrName + QStringLiteral("/core.lrc"), pbytCore);
    pobjDir.Write(pstrName + QStringLiteral("/messages.lrc"), "MSG001:Datei [#!name!#] l\xF6schen?\r\nMST001:L\xF6schen\r\n");
    pobjDir.Write(pstrName + QStringLiteral("/secondary.lrc"), "");
    return pobjDir.Path(pstrName);
}

const QByteArray GermanCore = "frmMain.[Caption].0.C:Notizen\r\nfrmMain.lblName.0.T:Ihr Name\r\nfrmMain.lblName.0.C:Name:\r\n"
                              "frmMain.mnuFile.0.C:&Datei\r\nfrmMain.mnuFileOpen.0.C:\xD6&ffnen...\r\n"
                              "frmMain.actSave.0.T:Speichert die Notiz\r\nfrmMain.actSave.0.C:&Speichern\r\n"
                              "frmMain.lblLater.0.T:\r\nfrmMain.lblLater.0.C:Sp\xE4ter\r\n"
                              "frmMain.chkPinned.0.T:\r\nfrmMain.chkPinned.0.C:Oben angeheftet lassen\r\n";

template <class T>
T* Named(QObject& pobjWindow, const char* pstrName)
{
    return pobjWindow.findChild<T*>(QString::fromLatin1(pstrName));
}

TEST(TranslationApply, TitleMenusActionsStatusTipsLaterWidgetsWideningAndOneLanguageChange)
{
    clsTempDir objDir;
    Translation objTranslation;
    frmNotes frmWindow(objTranslation);
    objTranslation.apply(&frmWindow);  // nothing loaded: nothing changes, nothing is sent
    EXPECT_EQ(frmWindow.mlngLanguageChanges, 0);
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"), GermanCore)));
    objTranslation.apply(&frmWindow);
    EXPECT_EQ(frmWindow.windowTitle(), QStringLiteral("Notizen"));
    EXPECT_EQ(Named<QMenu>(frmWindow, "mnuFile")->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(Named<QAction>(frmWindow, "mnuFileOpen")->text(), QStringLiteral("\u00D6&ffnen..."));
    EXPECT_EQ(Named<QAction>(frmWindow, "actSave")->text(), QStringLiteral("&Speichern"));
    EXPECT_EQ(Named<QAction>(frmWindow, "actSave")->statusTip(), QStringLiteral("Speichert die Notiz"));
    EXPECT_EQ(frmWindow.lblName->text() + u'|' + frmWindow.lblName->toolTip(), QStringLiteral("Name:|Ihr Name"));
    EXPECT_GE(frmWindow.chkPinned->minimumWidth(), frmWindow.chkPinned->fontMetrics().horizontalAdvance(frmWindow.chkPinned->text()));
    EXPECT_EQ(frmWindow.mlngLanguageChanges, 1);  // the apply() in changeEvent() did not send another

    auto* lblLater = new QLabel(QStringLiteral("Later"), frmWindow.centralWidget());
    lblLater->setObjectName(QStringLiteral("lblLater"));
    objTranslation.applyAll();
    EXPECT_EQ(lblLater->text(), QStringLiteral("Sp\u00E4ter"));
    EXPECT_EQ(frmWindow.mlngLanguageChanges, 2);
}

TEST(TranslationApply, AFailedLoadLeavesWindowsMadeAfterwardsInTheLanguageInUse)
{
    clsTempDir objDir;
    Translation objTranslation;
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"), GermanCore)));
    // French core.lrc breaks at its third line, after the records of the title and the label.
    QString strError;
    EXPECT_FALSE(objTranslation.load(
        Folder(objDir, QStringLiteral("French"), "frmMain.[Caption].0.C:Notes (fr)\r\nfrmMain.lblName.0.C:Nom :\r\n\r\n"), &strError));
    EXPECT_EQ(strError, objDir.Path(QStringLiteral("French/core.lrc:3: the line is blank")));
    frmNotes frmLater(objTranslation);
    objTranslation.apply(&frmLater);
    EXPECT_EQ(frmLater.windowTitle() + u'|' + frmLater.lblName->text(), QStringLiteral("Notizen|Name:"));
}

TEST(TranslationHarvest, WritesTheLinesApplyReadsAndNamesWhatCoreLrcWillNotKeep)
{
    clsTempDir objDir;
    Translation objTranslation;
    frmNotes frmWindow(objTranslation);
    auto* txtHint = new QLabel(QStringLiteral("Fields marked * are required"), frmWindow.centralWidget());
    txtHint->setObjectName(QStringLiteral("txtHint"));  // a label, named as a text box
    QString strError;
    QStringList strNotKept;
    ASSERT_TRUE(objTranslation.harvest(&frmWindow, objDir.Path(QStringLiteral("English")), &strError, &strNotKept)) << strError.toStdString();
    EXPECT_EQ(strNotKept, QStringList{QStringLiteral("frmMain.txtHint.0.C")});
    const QByteArray bytHarvested = clsTempDir::Read(objDir.Path(QStringLiteral("English/frmMain.LRC")));
    EXPECT_EQ(bytHarvested, "frmMain.[Caption].0.C:Notes\r\nfrmMain.lblName.0.T:Your name\r\nfrmMain.lblName.0.C:Name:\r\n"
                            "frmMain.chkPinned.0.T:\r\nfrmMain.chkPinned.0.C:Pinned\r\nfrmMain.txtHint.0.T:\r\nfrmMain.txtHint.0.C:Fields marked * are required\r\n"
                            "frmMain.mnuFile.0.C:&File\r\nfrmMain.mnuFileOpen.0.C:&Open...\r\n"
                            "frmMain.actSave.0.T:Saves the note\r\nfrmMain.actSave.0.C:&Save\r\n");

    // Applied to the German window, the harvested English gives the window's own texts back.
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"), GermanCore)));  // English lacks files yet
    objTranslation.apply(&frmWindow);
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("English"), bytHarvested)));
    objTranslation.apply(&frmWindow);
    EXPECT_EQ(frmWindow.windowTitle() + u'|' + Named<QMenu>(frmWindow, "mnuFile")->title() + u'|' +
                  Named<QAction>(frmWindow, "actSave")->statusTip() + u'|' + frmWindow.lblName->toolTip(),
              QStringLiteral("Notes|&File|Saves the note|Your name"));
}

TEST(TranslationMessages, ShownInAQMessageBoxAndNeverAnsweredUnseen)
{
    clsTempDir objDir;
    Translation objTranslation;
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"), GermanCore)));
    QString strSeen;
    AnswerNextBox(QMessageBox::Yes, strSeen);
    EXPECT_EQ(objTranslation.showMessage(nullptr, 1, QStringLiteral("<a.txt>"), QMessageBox::Yes | QMessageBox::No), QMessageBox::Yes);
    EXPECT_EQ(strSeen, QStringLiteral("L\u00F6schen|Datei <a.txt> l\u00F6schen?"));

    // The Parts' DisplayMessage without a desktop installed: the Qt binding shows it all the same.
    InstallDesktop(nullptr);
    clsTralyx objStore;
    objStore.SetMessageTable({{1, QStringLiteral("Delete it?"), QStringLiteral("Delete")}});
    AnswerNextBox(QMessageBox::Yes, strSeen);
    EXPECT_EQ(objStore.DisplayMessage(0, QString(), vbYesNo), vbYes);
    EXPECT_EQ(strSeen, QStringLiteral("Delete|Delete it?"));
    InstallDesktop(nullptr);
}

}  // namespace
