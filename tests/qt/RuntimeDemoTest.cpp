// End to end on the demo application's form: harvest its English text, translate the file, load
// it, apply it, and check what the form then shows and harvests.
#include "QtForm.h"
#include "ScriptedDesktop.h"
#include "TempDir.h"
#include "basApplication.h"
#include "clsTralyx.h"
#include "frmDemo.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::clsScriptedDesktop;
using tralyx::test::clsTempDir;

namespace {

const QByteArray EnglishFile =
    "frmDemo.lblIntro.0.T:\r\n"
    "frmDemo.lblIntro.0.C:Every text on this form comes from a language folder.\r\n"
    "frmDemo.tabMain.0.T:Who you are\r\n"
    "frmDemo.tabMain.0.C: General\r\n"
    "frmDemo.tabMain.1.T:\r\n"
    "frmDemo.tabMain.1.C: View\r\n"
    "frmDemo.tabMain.2.T:\r\n"
    "frmDemo.tabMain.2.C: Help\r\n"
    "frmDemo.lblName.0.T:\r\n"
    "frmDemo.lblName.0.C:Your name:\r\n"
    "frmDemo.txtName.0.T:The name that the greeting uses\r\n"
    "frmDemo.chkRemember.0.T:Does nothing: it shows how a check box is widened\r\n"
    "frmDemo.chkRemember.0.C:Remember me\r\n"
    "frmDemo.fraSize.0.T:\r\n"
    "frmDemo.fraSize.0.C:Size\r\n"
    "frmDemo.optSize.0.T:\r\n"
    "frmDemo.optSize.0.C:Small\r\n"
    "frmDemo.optSize.1.T:\r\n"
    "frmDemo.optSize.1.C:Medium\r\n"
    "frmDemo.optSize.2.T:\r\n"
    "frmDemo.optSize.2.C:Large\r\n"
    "frmDemo.chkBold.0.T:\r\n"
    "frmDemo.chkBold.0.C:Bold\r\n"
    "frmDemo.lblHelp.0.T:\r\n"
    "frmDemo.lblHelp.0.C:Type your name and press Greet.\r"
    "frmDemo.lblHelp.0.C:The greeting is message 1 of messages.lrc.\r\n"
    "frmDemo.cmdGreet.0.T:Shows message 1 with your name in it\r\n"
    "frmDemo.cmdGreet.0.C:&Greet\r\n"
    "frmDemo.cmdHarvest.0.T:Writes this form's text to Languages/English/frmDemo.LRC\r\n"
    "frmDemo.cmdHarvest.0.C:&Harvest text\r\n"
    "frmDemo.cmdClose.0.T:\r\n"
    "frmDemo.cmdClose.0.C:&Close\r\n";

// The English file with some texts translated, in windows-1252.
QByteArray Translated()
{
    const struct {
        const char* English;
        const char* Translation;
    } udtTexts[] = {
        {".tabMain.0.T:Who you are", ".tabMain.0.T:Wer Sie sind"},
        {".tabMain.1.C: View", ".tabMain.1.C: Ansicht"},
        {".tabMain.2.T:", ".tabMain.2.T:Hilfe zur \xDC" "bersetzung"},
        {".txtName.0.T:The name that the greeting uses", ".txtName.0.T:Ihr Name"},
        {".chkRemember.0.C:Remember me", ".chkRemember.0.C:Mich f\xFCr immer und ewig merken"},
        {".fraSize.0.C:Size", ".fraSize.0.C:Gr\xF6\xDF" "e"},
        {".optSize.2.C:Large", ".optSize.2.C:Gro\xDF"},
        {".lblHelp.0.C:Type your name and press Greet.", ".lblHelp.0.C:Zeile eins"},
        {".lblHelp.0.C:The greeting is message 1 of messages.lrc.", ".lblHelp.0.C:  Zeile zwei"},
        {".cmdClose.0.C:&Close", ".cmdClose.0.C:&Schlie\xDF" "en"},
    };
    QByteArray bytFile = EnglishFile;
    for (const auto& t : udtTexts) {
        EXPECT_TRUE(bytFile.contains(t.English)) << t.English;
        bytFile.replace(QByteArray("frmDemo") + t.English + '\r', QByteArray("frmDemo") + t.Translation + '\r');
    }
    return bytFile;
}

class DemoTest : public ::testing::Test {
protected:
    // Each test gets an application folder of its own, so tests running side by side never share one.
    void SetUp() override
    {
        App::SetPath(mobjAppFolder.path());
        mstrEnglish = App::Path() + QStringLiteral("/Languages/English");
        ASSERT_TRUE(QDir().mkpath(mstrEnglish));
        mstrHarvested = mstrEnglish + QStringLiteral("/frmDemo.LRC");
    }
    void TearDown() override { App::SetPath(QString()); }
    QTemporaryDir mobjAppFolder;
    template <class T>
    T* Find(const char* pstrName, int plngIndex = -1)
    {
        for (T* objWidget : mfrmDemo.findChildren<T*>(QString::fromLatin1(pstrName)))
            if (plngIndex < 0 || objWidget->property("Index").toInt() == plngIndex) return objWidget;
        ADD_FAILURE() << "no " << pstrName;
        return nullptr;
    }

    QString mstrEnglish;
    QString mstrHarvested;
    clsScriptedDesktop mobjDesktop;
    clsTralyx mobjLanguage;
    demo::frmDemo mfrmDemo{mobjLanguage};
};

TEST_F(DemoTest, HarvestLoadApplyAndHarvestAgain)
{
    // The English text, as the form was designed.
    EXPECT_EQ(mfrmDemo.HarvestText(), mstrHarvested);
    EXPECT_EQ(clsTempDir::Read(mstrHarvested), EnglishFile);

    // Translated, loaded and applied.
    clsTempDir objDir;
    const QByteArray bytTranslated = Translated();
    objDir.Write(QStringLiteral("core.lrc"), bytTranslated);
    objDir.Write(QStringLiteral("messages.lrc"), "MSG001:Hallo, [#!name!#]!\r\nMST001:Gru\xDF an [#!name!#]\r\n"
                                                 "MSG002:Geschrieben:\rMSG002:[#!file!#]\r\nMST002:Fertig\r\n");
    auto* tabMain = Find<QTabWidget>("tabMain");
    tabMain->setCurrentIndex(2);
    Find<QLineEdit>("txtName")->setText(QStringLiteral("Bob"));
    ASSERT_TRUE(mfrmDemo.LoadLanguage(objDir.Path()));

    EXPECT_EQ(tabMain->currentIndex(), 2);
    EXPECT_EQ(tabMain->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(tabMain->tabText(1), QStringLiteral("Ansicht"));  // without the blank after the colon
    EXPECT_EQ(tabMain->tabToolTip(0), QStringLiteral("Wer Sie sind"));
    EXPECT_EQ(tabMain->tabToolTip(2), QStringLiteral("Hilfe zur \u00DCbersetzung"));
    EXPECT_EQ(Find<QLineEdit>("txtName")->text(), QStringLiteral("Bob"));
    EXPECT_EQ(Find<QLineEdit>("txtName")->toolTip(), QStringLiteral("Ihr Name"));
    EXPECT_EQ(Find<QGroupBox>("fraSize")->title(), QStringLiteral("Gr\u00F6\u00DFe"));
    EXPECT_EQ(Find<QRadioButton>("optSize", 0)->text(), QStringLiteral("Small"));
    EXPECT_EQ(Find<QRadioButton>("optSize", 2)->text(), QStringLiteral("Gro\u00DF"));
    EXPECT_EQ(Find<QLabel>("lblHelp")->text(), QStringLiteral("Zeile eins\n  Zeile zwei"));
    EXPECT_EQ(Find<QPushButton>("cmdClose")->text(), QStringLiteral("&Schlie\u00DFen"));

    // The check box is widened to its caption plus the room of its box, in twips of the form's font.
    auto* chkRemember = Find<QCheckBox>("chkRemember");
    EXPECT_EQ(chkRemember->text(), QStringLiteral("Mich f\u00FCr immer und ewig merken"));
    const double dblTwips =
        QFontMetricsF(mfrmDemo.font()).horizontalAdvance(chkRemember->text()) * 1440.0 / mfrmDemo.logicalDpiX() + 350.0;
    EXPECT_EQ(chkRemember->minimumWidth(), qRound(dblTwips * mfrmDemo.logicalDpiX() / 1440.0));
    EXPECT_GE(chkRemember->width(), chkRemember->minimumWidth());

    // Harvesting the translated form gives the translated file back.
    EXPECT_EQ(mfrmDemo.HarvestText(), mstrHarvested);
    EXPECT_EQ(clsTempDir::Read(mstrHarvested), bytTranslated);

    // The buttons show the loaded messages.
    mobjDesktop.Expect(QStringLiteral("Hallo, Bob!"), 64, QStringLiteral("Gru\u00DF an Bob"))
        .Expect(QStringLiteral("Geschrieben:\r\n") + mstrHarvested, 64, QStringLiteral("Fertig"));
    Find<QPushButton>("cmdGreet")->click();
    Find<QPushButton>("cmdHarvest")->click();
}

TEST_F(DemoTest, HarvestIntoAMissingFolderIsReported)
{
    QDir(App::Path()).rmpath(QStringLiteral("Languages/English"));
    mobjDesktop.Expect(QStringLiteral("Path/File access error: the folder ") + mstrEnglish + QStringLiteral(" does not exist"),
                       16, App::Title());
    Find<QPushButton>("cmdHarvest")->click();
    EXPECT_FALSE(QFile::exists(mstrHarvested));
}

}  // namespace
