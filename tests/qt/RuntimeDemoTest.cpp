// End to end on the demo application's form: harvest its English text, translate the file, load
// it, apply it, and check what the form then shows and harvests.
#include "common/basApplication.h"
#include "frmDemo.h"
#include "ScriptedDesktop.h"
#include "store/clsTralyx.h"
#include "TempDir.h"

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
using tralyx::test::clsScriptedDesktop;
using tralyx::test::clsTempDir;

namespace {

// The harvested English file with some texts translated, in windows-1252.
QByteArray Translated(QByteArray bytFile)
{
    const std::pair<const char*, const char*> udtTexts[] = {
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
        const QString strEnglish = App::Path() + QStringLiteral("/Languages/English");
        ASSERT_TRUE(QDir().mkpath(strEnglish));
        mstrHarvested = strEnglish + QStringLiteral("/frmDemo.LRC");
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

    QString mstrHarvested;
    clsScriptedDesktop mobjDesktop;
    clsTralyx mobjLanguage;
    demo::frmDemo mfrmDemo{mobjLanguage};
};

TEST_F(DemoTest, HarvestLoadApplyAndHarvestAgain)
{
    // The English text as the form was designed, translated, loaded and applied.
    EXPECT_EQ(mfrmDemo.HarvestText(), mstrHarvested);
    clsTempDir objDir;
    const QByteArray bytTranslated = Translated(clsTempDir::Read(mstrHarvested));
    auto* chkRemember = Find<QCheckBox>("chkRemember");
    const int lngNarrow = chkRemember->minimumWidth();
    objDir.Write(QStringLiteral("core.lrc"), bytTranslated);
    objDir.Write(QStringLiteral("messages.lrc"), "MSG001:Hallo, [#!name!#]!\r\nMST001:Gru\xDF an [#!name!#]\r\n"
                                                 "MSG002:Geschrieben:\rMSG002:[#!file!#]\r\nMST002:Fertig\r\n");
    Find<QLineEdit>("txtName")->setText(QStringLiteral("Bob"));
    ASSERT_TRUE(mfrmDemo.LoadLanguage(objDir.Path()));

    auto* tabMain = Find<QTabWidget>("tabMain");
    EXPECT_EQ(tabMain->tabText(1), QStringLiteral("Ansicht"));  // without the blank after the colon
    EXPECT_EQ(tabMain->tabToolTip(0), QStringLiteral("Wer Sie sind"));
    EXPECT_EQ(Find<QLineEdit>("txtName")->toolTip(), QStringLiteral("Ihr Name"));
    EXPECT_EQ(Find<QGroupBox>("fraSize")->title(), QStringLiteral("Gr\u00F6\u00DFe"));
    EXPECT_EQ(Find<QLabel>("lblHelp")->text(), QStringLiteral("Zeile eins\n  Zeile zwei"));

    // The check box is widened to its longer caption.
    EXPECT_EQ(chkRemember->text(), QStringLiteral("Mich f\u00FCr immer und ewig merken"));
    EXPECT_GT(chkRemember->minimumWidth(), lngNarrow);
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

}  // namespace
