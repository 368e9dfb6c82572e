// Translation on widgets: what apply() puts on a window, what harvest() writes and reports, how
// messages are shown, and that a run-time message is never answered unseen.
#include "TempDir.h"
#include "common/basDesktop.h"
#include "qt/NextMessageBox.h"
#include "runtime/Translation.h"
#include "store/clsTralyx.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::AnswerNextBox;
using tralyx::test::clsTempDir;

namespace {

template <class T>
T* Named(T* pobjObject, const char* pstrName)
{
    pobjObject->setObjectName(QString::fromLatin1(pstrName));
    return pobjObject;
}

// A main window as a Qt application makes one, whose changeEvent() applies the language again (as
// retranslateUi() code would) and counts the LanguageChange events. No layout: placed by hand.
class frmNotes : public QMainWindow {
public:
    explicit frmNotes(Translation& pobjTranslation) : mobjTranslation(pobjTranslation)
    {
        setObjectName(QStringLiteral("frmMain"));
        setWindowTitle(QStringLiteral("Notes"));
        mnuFile = Named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
        mnuFileOpen = Named(mnuFile->addAction(QStringLiteral("&Open...")), "mnuFileOpen");
        actSave = Named(mnuFile->addAction(QStringLiteral("&Save")), "actSave");
        actSave->setStatusTip(QStringLiteral("Saves the note"));
        actSave->setToolTip(QStringLiteral("Save (Ctrl+S)"));
        setCentralWidget(new QWidget(this));
        lblName = Named(new QLabel(QStringLiteral("Name:"), centralWidget()), "lblName");
        lblName->setToolTip(QStringLiteral("Your name"));
        chkPinned = Named(new QCheckBox(QStringLiteral("Pinned"), centralWidget()), "chkPinned");
        tlbMain = Named(addToolBar(QStringLiteral("Tools")), "tlbMain");
        txtFind = Named(new QLineEdit(centralWidget()), "txtFind");
        txtFind->setPlaceholderText(QStringLiteral("Find"));
    }
    QString Texts() const
    {
        return QStringList{windowTitle(), mnuFile->title(), mnuFileOpen->text(), actSave->text(), actSave->statusTip(),
                           actSave->toolTip(), mnuFileOpen->toolTip(), lblName->text(), lblName->toolTip(), chkPinned->text(), tlbMain->windowTitle(),
                           txtFind->placeholderText()}.join(u'|');
    }
    int mlngLanguageChanges = 0;
    QMenu* mnuFile;
    QAction *mnuFileOpen, *actSave;
    QLabel* lblName;
    QCheckBox* chkPinned;
    QToolBar* tlbMain;
    QLineEdit* txtFind;

protected:
    void changeEvent(QEvent* pobjEvent) override
    {
        if (pobjEvent->type() == QEvent::LanguageChange) ++mlngLanguageChanges, mobjTranslation.apply(this);
        QMainWindow::changeEvent(pobjEvent);
    }

private:
    Translation& mobjTranslation;
};

QString Folder(const clsTempDir& pobjDir, const QString& pstrName, const QByteArray& pbytCore)
{
    return pobjDir.Language(pstrName, pbytCore, "MSG001:Datei [#!name!#] l\xF6schen?\r\nMST001:L\xF6schen\r\n", "");
}

const QByteArray GermanCore = "frmMain.[Caption].0.C:Notizen\r\nfrmMain.lblName.0.T:Ihr Name\r\nfrmMain.lblName.0.C:Name:\r\n"
                              "frmMain.mnuFile.0.C:&Datei\r\nfrmMain.mnuFileOpen.0.C:\xD6&ffnen...\r\n"
                              "frmMain.actSave.0.T:Speichert die Notiz\r\nfrmMain.actSave.0.C:&Speichern\r\n"
                              "frmMain.[ToolTip]actSave.0.T:Speichern (Strg+S)\r\nfrmMain.[ToolTip]actSave.0.C:\r\n"
                              "frmMain.lblLater.0.T:\r\nfrmMain.lblLater.0.C:Sp\xE4ter\r\n"
                "frmMain.chkPinned.0.T:\r\nfrmMain.chkPinned.0.C:Oben angeheftet lassen\r\n"
                              "frmMain.lblName.0.C:a later entry of a path is never read\r\nfrmMain.tlbMain.0.C:Werkzeuge\r\n"
                              "frmMain.[Placeholder]txtFind.0.C:Suchen\r\n";

TEST(TranslationApply, TitleMenusActionsStatusTipsLaterWidgetsWideningAndOneLanguageChange)
{
    clsTempDir objDir;
    Translation objTranslation;
    frmNotes frmWindow(objTranslation);
    objTranslation.apply(&frmWindow);  // nothing loaded: nothing changes, nothing is sent
    EXPECT_EQ(frmWindow.mlngLanguageChanges, 0);
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"), GermanCore)));
    objTranslation.apply(&frmWindow);
    EXPECT_EQ(frmWindow.Texts(), QStringLiteral("Notizen|&Datei|\u00D6&ffnen...|&Speichern|Speichert die Notiz|Speichern (Strg+S)|"
                                                "\u00D6ffnen|Name:|Ihr Name|Oben angeheftet lassen|Werkzeuge|Suchen"));
    EXPECT_GE(frmWindow.chkPinned->minimumWidth(), frmWindow.chkPinned->fontMetrics().horizontalAdvance(frmWindow.chkPinned->text()));
    EXPECT_EQ(frmWindow.mlngLanguageChanges, 1);  // the apply() in changeEvent() did not send another

    // Applied again for a widget made since: that one gets its text; what the application set
    // since stays, and no second LanguageChange comes. A new load puts every text back.
    auto* lblLater = Named(new QLabel(QStringLiteral("Later"), frmWindow.centralWidget()), "lblLater");
    frmWindow.lblName->setText(QStringLiteral("set by the application"));
    objTranslation.applyAll();
    EXPECT_EQ(lblLater->text(), QStringLiteral("Sp\u00E4ter"));
    EXPECT_EQ(frmWindow.lblName->text(), QStringLiteral("set by the application"));
    EXPECT_EQ(frmWindow.mlngLanguageChanges, 1);
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"), GermanCore)));
    objTranslation.apply(&frmWindow);
    EXPECT_EQ(frmWindow.lblName->text(), QStringLiteral("Name:"));
    EXPECT_EQ(frmWindow.mlngLanguageChanges, 2);
}

// The tabs of a shown window get their texts by number, none selected on the way.
TEST(TranslationApply, TabsOfAShownWindowAreNotSelectedInTurn)
{
    clsTempDir objDir;
    QWidget frmWindow;
    frmWindow.setObjectName(QStringLiteral("frmMain"));
    auto* tabPages = Named(new QTabWidget(&frmWindow), "tabPages");
    for (const char* pstrTab : {"One", "Two", "Three"}) tabPages->addTab(new QWidget, QString::fromLatin1(pstrTab));
    tabPages->setCurrentIndex(1);
    auto* cboSize = Named(new QComboBox(&frmWindow), "cboSize");  // its items numbered as tabs are
    cboSize->addItems({QStringLiteral("Small"), QStringLiteral("Large")});
    cboSize->setCurrentIndex(1);
    auto* treNotes = Named(new QTreeWidget(&frmWindow), "treNotes");  // and a tree's column headers
    treNotes->setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Date")});
    frmWindow.show();
    int lngChanges = 0;
    QObject::connect(tabPages, &QTabWidget::currentChanged, [&] { ++lngChanges; });
    struct clsShows : QObject {
        int Shows = 0;
        bool eventFilter(QObject*, QEvent* e) override { return Shows += e->type() == QEvent::Show, false; }
    } objShows;
    tabPages->widget(0)->installEventFilter(&objShows);
    Translation objTranslation;
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"),
                                           "frmMain.tabPages.0.C:Eins\r\nfrmMain.tabPages.1.C:Zwei\r\nfrmMain.tabPages.2.C:Drei\r\n"
                                           "frmMain.cboSize.0.T:Gr\xF6\xDF" "e\r\nfrmMain.cboSize.0.C:Klein\r\nfrmMain.cboSize.1.C:Gro\xDF\r\n"
                                           "frmMain.treNotes.1.T:Geschrieben am\r\nfrmMain.treNotes.1.C:Datum\r\n")));
    objTranslation.apply(&frmWindow);
    EXPECT_EQ(tabPages->tabText(0) + tabPages->tabText(1) + tabPages->tabText(2), QStringLiteral("EinsZweiDrei"));
    EXPECT_EQ(lngChanges, 0);
    EXPECT_EQ(tabPages->currentIndex(), 1);
    EXPECT_EQ(objShows.Shows, 0);  // the first page was never shown on the way
    EXPECT_EQ(cboSize->itemText(0) + u'|' + cboSize->itemText(1) + u'|' + cboSize->toolTip(), QStringLiteral("Klein|Gro\u00DF|Gr\u00F6\u00DFe"));
    EXPECT_EQ(cboSize->currentIndex(), 1);
    EXPECT_EQ(treNotes->headerItem()->text(0) + u'|' + treNotes->headerItem()->text(1) + u'|' + treNotes->headerItem()->toolTip(1),
              QStringLiteral("Title|Datum|Geschrieben am"));
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
    // The classic DisplayMessage without a desktop installed: the Qt binding shows it all the same.
    InstallDesktop(nullptr);
    clsTralyx objStore;
    objStore.SetMessageTable({{1, QStringLiteral("Delete it?"), QStringLiteral("Delete")}});
    AnswerNextBox(QMessageBox::Yes, strSeen);
    EXPECT_EQ(objStore.DisplayMessage(0, QString(), vbYesNo), vbYes);
    EXPECT_EQ(strSeen, QStringLiteral("Delete|Delete it?"));
    InstallDesktop(nullptr);
}

TEST(TranslationHarvest, WritesTheLinesApplyReadsAndNamesWhatCoreLrcWillNotKeep)
{
    clsTempDir objDir;
    Translation objTranslation;
    frmNotes frmWindow(objTranslation);
    Named(new QLabel(QStringLiteral("Fields marked * are required"), frmWindow.centralWidget()), "txtHint");
    QString strError;
    QStringList strNotKept;
    ASSERT_TRUE(objTranslation.harvest(&frmWindow, objDir.Path(QStringLiteral("English")), &strError, &strNotKept)) << strError.toStdString();
    EXPECT_EQ(strNotKept, QStringList{QStringLiteral("frmMain.txtHint.0.C")});
    EXPECT_EQ(clsTempDir::Read(objDir.Path(QStringLiteral("English/frmMain.LRC"))),
              "frmMain.[Caption].0.C:Notes\r\nfrmMain.lblName.0.T:Your name\r\nfrmMain.lblName.0.C:Name:\r\n"
              "frmMain.chkPinned.0.T:\r\nfrmMain.chkPinned.0.C:Pinned\r\n"
              "frmMain.txtFind.0.T:\r\nfrmMain.[Placeholder]txtFind.0.T:\r\nfrmMain.[Placeholder]txtFind.0.C:Find\r\n"
              "frmMain.txtHint.0.T:\r\nfrmMain.txtHint.0.C:Fields marked * are required\r\nfrmMain.tlbMain.0.T:\r\nfrmMain.tlbMain.0.C:Tools\r\n"
              "frmMain.mnuFile.0.C:&File\r\n"
              "frmMain.mnuFileOpen.0.C:&Open...\r\nfrmMain.actSave.0.T:Saves the note\r\nfrmMain.actSave.0.C:&Save\r\n"
              "frmMain.[ToolTip]actSave.0.T:Save (Ctrl+S)\r\nfrmMain.[ToolTip]actSave.0.C:\r\n");
}

}  // namespace

// Qt's own texts come in the language too, where Qt's translations are installed.
TEST(TranslationApply, QtsOwnTextsFollowTheLanguage)
{
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translations are not installed";
    clsTempDir objDir;
    Translation objTranslation;
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("German"), GermanCore)));
    QMessageBox objBox(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(objBox.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
    ASSERT_TRUE(objTranslation.load(Folder(objDir, QStringLiteral("English"), "")));
    QMessageBox objEnglish(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(objEnglish.button(QMessageBox::No)->text(), QStringLiteral("&No"));
}
