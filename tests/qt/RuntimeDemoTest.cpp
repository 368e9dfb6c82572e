// End to end on the demo application's form: harvest its English text, translate the file, load
// it, apply it, and check what the form then shows and harvests; and a folder that fails to load.
#include "TempDir.h"
#include "common/basApplication.h"
#include "frmDemo.h"
#include "qt/NextMessageBox.h"
#include "runtime/Translation.h"

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::AnswerNextBox;
using tralyx::test::clsTempDir;

namespace {

// The harvested English file with some texts translated, in windows-1252.
QByteArray Translated(QByteArray bytFile)
{
    const std::pair<const char*, const char*> udtTexts[] = {
        {".[Caption].0.C:Tralyx demo", ".[Caption].0.C:Tralyx-Demo"},
        {".tabMain.0.T:Who you are", ".tabMain.0.T:Wer Sie sind"},
        {".tabMain.1.C: View", ".tabMain.1.C: Ansicht"},
        {".txtName.0.T:The name that the greeting uses", ".txtName.0.T:Ihr Name"},
        {".chkRemember.0.C:Remember me", ".chkRemember.0.C:Mich f\xFCr immer und ewig merken"},
        {".fraSize.0.C:Size", ".fraSize.0.C:Gr\xF6\xDF" "e"},
        {".lblHelp.0.C:Type your name and press Greet.", ".lblHelp.0.C:Zeile eins"},
        {".lblHelp.0.C:The greeting is message 1 of messages.lrc.", ".lblHelp.0.C:  Zeile zwei"},
    };
    for (const auto& [pstrEnglish, pstrTranslation] : udtTexts) {
        EXPECT_TRUE(bytFile.contains(pstrEnglish)) << pstrEnglish;
        bytFile.replace(QByteArray("frmDemo") + pstrEnglish + '\r', QByteArray("frmDemo") + pstrTranslation + '\r');
    }
    return bytFile;
}

class DemoTest : public ::testing::Test {
protected:
    // Each test gets an application folder of its own, so tests running side by side never share one.
    void SetUp() override
    {
        App::SetPath(mobjAppFolder.path());
        mstrHarvested = App::Path() + QStringLiteral("/Languages/English/frmDemo.LRC");
    }
    void TearDown() override { App::SetPath(QString()); }
    template <class T>
    static T* Find(QWidget& pfrmForm, const char* pstrName)
    {
        T* objWidget = pfrmForm.findChild<T*>(QString::fromLatin1(pstrName));
        if (!objWidget) ADD_FAILURE() << "no " << pstrName;
        return objWidget;
    }
    template <class T>
    T* Find(const char* pstrName) { return Find<T>(mfrmDemo, pstrName); }

    QTemporaryDir mobjAppFolder;
    QString mstrHarvested;
    Translation mobjTranslation;
    demo::frmDemo mfrmDemo{mobjTranslation};
};

TEST_F(DemoTest, HarvestLoadApplyAndHarvestAgain)
{
    // The English text as the form was designed, as the demo ships it; translated, loaded and applied.
    QString strError;
    EXPECT_EQ(mfrmDemo.HarvestText(strError), mstrHarvested) << strError.toStdString();
    EXPECT_EQ(clsTempDir::Read(mstrHarvested), clsTempDir::Read(QStringLiteral(TRALYX_DEMO_LANGUAGES "/English/core.lrc")));
    clsTempDir objDir;
    const QByteArray bytTranslated = Translated(clsTempDir::Read(mstrHarvested));
    auto* chkRemember = Find<QCheckBox>("chkRemember");
    const int lngNarrow = chkRemember->sizeHint().width();
    ASSERT_TRUE(mfrmDemo.LoadLanguage(objDir.Language(QStringLiteral("Deutsch"), bytTranslated,
                                                      "MSG001:Hallo, [#!name!#]!\r\nMST001:Gru\xDF an [#!name!#]\r\n"
                                                      "MSG002:Geschrieben:\rMSG002:[#!file!#]\r\nMST002:Fertig\r\n",
                                                      "TXT001:Fremder\r\n")));

    auto* tabMain = Find<QTabWidget>("tabMain");
    EXPECT_EQ(mfrmDemo.windowTitle(), QStringLiteral("Tralyx-Demo"));
    EXPECT_EQ(tabMain->tabText(1), QStringLiteral("Ansicht"));  // without the blank after the colon
    EXPECT_EQ(tabMain->tabToolTip(0), QStringLiteral("Wer Sie sind"));
    EXPECT_EQ(Find<QLineEdit>("txtName")->toolTip(), QStringLiteral("Ihr Name"));
    EXPECT_EQ(Find<QGroupBox>("fraSize")->title(), QStringLiteral("Gr\u00F6\u00DFe"));
    EXPECT_EQ(Find<QLabel>("lblHelp")->text(), QStringLiteral("Zeile eins\n  Zeile zwei"));

    // The check box's layout gives it the width of its longer caption; it is not widened itself.
    EXPECT_EQ(chkRemember->text(), QStringLiteral("Mich f\u00FCr immer und ewig merken"));
    EXPECT_GT(chkRemember->sizeHint().width(), lngNarrow);
    EXPECT_EQ(chkRemember->minimumWidth(), 0);

    // Harvesting the translated form gives the translated file back.
    EXPECT_EQ(mfrmDemo.HarvestText(strError), mstrHarvested);
    EXPECT_EQ(clsTempDir::Read(mstrHarvested), bytTranslated);

    // The buttons show the loaded messages; without a name the greeting uses text 1.
    QString strSeen;
    AnswerNextBox(QMessageBox::Ok, strSeen);
    Find<QPushButton>("cmdGreet")->click();
    EXPECT_EQ(strSeen, QStringLiteral("Gru\u00DF an Fremder|Hallo, Fremder!"));
    AnswerNextBox(QMessageBox::Ok, strSeen);
    Find<QPushButton>("cmdHarvest")->click();
    EXPECT_EQ(strSeen, QStringLiteral("Fertig|Geschrieben:\n") + mstrHarvested);
}

TEST_F(DemoTest, AFolderThatFailsIsNamedAndNoWindowGetsHalfOfIt)
{
    ASSERT_TRUE(mfrmDemo.LoadLanguage(QStringLiteral(TRALYX_DEMO_LANGUAGES "/Deutsch")));
    clsTempDir objDir;
    QByteArray bytBroken = clsTempDir::Read(QStringLiteral(TRALYX_DEMO_LANGUAGES "/Deutsch/core.lrc"));
    bytBroken.replace("Ihr Name:", "Dein Name:").insert(bytBroken.indexOf("frmDemo.chkBold"), "\r\n");  // a blank line
    QString strSeen;
    AnswerNextBox(QMessageBox::Ok, strSeen);
    EXPECT_FALSE(mfrmDemo.LoadLanguage(objDir.Language(QStringLiteral("Broken"), bytBroken, "", "")));
    EXPECT_TRUE(strSeen.endsWith(objDir.Path(QStringLiteral("Broken/core.lrc:23: the line is blank")))) << strSeen.toStdString();
    // The form, and one made afterwards, stay wholly German.
    demo::frmDemo frmLater(mobjTranslation);
    mobjTranslation.apply(&frmLater);
    for (QWidget* frmForm : {static_cast<QWidget*>(&mfrmDemo), static_cast<QWidget*>(&frmLater)})
        EXPECT_EQ(Find<QLabel>(*frmForm, "lblName")->text() + Find<QCheckBox>(*frmForm, "chkBold")->text(), QStringLiteral("Ihr Name:Fett"));
}

}  // namespace
