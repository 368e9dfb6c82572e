// tralyx-lrc harvest refusing what is not a Designer form, and join: form text files merged into an
// English core.lrc, entry by entry, byte for byte.
#include "RunProgram.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace tralyx::test;

namespace {

// An entry's two lines.
QByteArray Entry(const char* pstrPath, const char* pstrToolTip, const char* pstrCaption)
{
    return QByteArray(pstrPath) + ".T:" + pstrToolTip + "\r\n" + pstrPath + ".C:" + pstrCaption + "\r\n";
}

TEST(CliHarvestTest, RefusesWhatIsNotADesignerFormByLine)
{
    const QByteArray bytDeep = "<ui><widget class=\"QWidget\" name=\"f\">" + QByteArray("<widget>").repeated(300);
    const struct {
        QByteArray Content;  // empty: no file
        const char* Said;    // FORM stands for its path
    } udtCases[] = {
        {"<ui>\n<widget class=\"QDialog\">", "FORM:2: Premature end of document.\n"},
        {"<ui version=\"4.0\">\n</uix>", "FORM:2: Opening and ending tag mismatch.\n"},
        {"<?xml version=\"1.0\"?>\n<form/>", "FORM:2: not a Qt Designer form: the document is <form>, not <ui>\n"},
        {"<ui version=\"4.0\">\n</ui>", "FORM:2: not a Qt Designer form: it has no <widget>\n"},
        {bytDeep, "FORM:1: widgets and layouts nest more than 256 deep\n"},
        {QByteArray(), "FORM: does not exist\n"},
        // Its texts are written still; only the layout is not.
        {"<ui><widget class=\"QWidget\" name=\"frmBare\"/></ui>",
         "FORM: written OUT/frmBare.LRC\nFORM: warning: no layout written, the form has no geometry of its own\n"},
    };
    for (const auto& c : udtCases) {
        const clsTempDir objDir;
        const QString strForm = c.Content.isEmpty() ? objDir.Path(QStringLiteral("frm.ui")) : objDir.Write(QStringLiteral("frm.ui"), c.Content);
        const udtRun udtHarvest = RunLrc({QStringLiteral("harvest"), strForm, QStringLiteral("-o"), objDir.Path(QStringLiteral("out"))});
        const bool booWritten = QByteArray(c.Said).contains("written");
        EXPECT_EQ(udtHarvest.ExitCode, booWritten ? 0 : 1);
        EXPECT_EQ(udtHarvest.Said(), QString::fromLatin1(c.Said).replace(QStringLiteral("FORM"), strForm).replace(QStringLiteral("OUT"), objDir.Path(QStringLiteral("out"))));
        EXPECT_EQ(QFileInfo::exists(objDir.Path(QStringLiteral("out"))), booWritten);
        EXPECT_FALSE(QFileInfo::exists(objDir.Path(QStringLiteral("out/frmBare.layout.json"))));
    }
}

// A form harvested with nothing run is measured as the running window's would be, except for what its
// layouts place, which is named; the form's core.lrc is the one that joining it without its layout gives.
TEST(CliHarvestTest, ALayoutFromTheFileMeasuresTheTranslation)
{
    const clsTempDir objDir;
    const QString strEnglish = objDir.Path(QStringLiteral("English")), strForm = QStringLiteral(TRALYX_TEST_DATA "/ui/frmFixed.ui");
    const udtRun udtHarvest = RunLrc({QStringLiteral("harvest"), strForm, QStringLiteral("-o"), strEnglish});
    EXPECT_EQ(udtHarvest.ExitCode, 0);
    EXPECT_EQ(udtHarvest.Err, strForm + QStringLiteral(": warning: layouts place 3 of its controls, which have no size in the file (cmdLaidOut.0, "
                                                       "fraLaidOut.0, chkInLaidOut.0); harvest the running application to check them\n"));
    const QString strFormFile = strEnglish + QStringLiteral("/frmFixed.LRC");
    const QByteArray bytFormFile = clsTempDir::Read(strFormFile);
    objDir.Write(QStringLiteral("Plain/frmFixed.LRC"), bytFormFile);
    for (const QString& strFolder : {strEnglish, objDir.Path(QStringLiteral("Plain"))})
        EXPECT_EQ(RunLrc({QStringLiteral("join"), strFolder, strFolder + QStringLiteral("/frmFixed.LRC")}).ExitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(strEnglish + QStringLiteral("/layout.json")));
    EXPECT_EQ(clsTempDir::Read(strEnglish + QStringLiteral("/core.lrc")), clsTempDir::Read(objDir.Path(QStringLiteral("Plain/core.lrc"))));
    EXPECT_EQ(clsTempDir::Read(strFormFile), bytFormFile);

    QByteArray bytGerman = clsTempDir::Read(strEnglish + QStringLiteral("/core.lrc"));
    bytGerman.replace("C:&Delete", "C:Notiz in den &Papierkorb").replace("C:Pinned", "C:Angeheftet").replace("C:Laid out", "C:Sehr lang angeordnet");
    objDir.Write(QStringLiteral("German/core.lrc"), bytGerman);
    const udtRun udtLint = RunLrc({QStringLiteral("lint"), objDir.Path(QStringLiteral("German"))});
    const QStringList strFits = udtLint.Out.split(u'\n').filter(QStringLiteral(": fits: "));
    ASSERT_EQ(strFits.size(), 1) << udtLint.Said().toStdString();
    EXPECT_TRUE(strFits[0].contains(QStringLiteral("frmFixed.cmdDelete.0.C: fits: "))) << strFits[0].toStdString();
    EXPECT_TRUE(strFits[0].endsWith(QStringLiteral(" px too wide for its 75 px button (\"Notiz in den &Papierkorb\")"))) << strFits[0].toStdString();
}

TEST(CliJoinTest, MergesFormFilesIntoCore)
{
    const QByteArray bytX = Entry("frmA.lblX.0", "", "X"), bytY = Entry("frmA.lblY.0", "", "Y");
    const QByteArray bytZ = Entry("frmB.lblZ.0", "", "Z"), bytNewY = Entry("frmA.lblY.0", "tip", "Y2");
    const QByteArray bytNew = Entry("frmA.cmdNew.0", "", "New"), bytC = Entry("frmC.lblC.0", "", "C");
    const struct {
        const char* What;
        QByteArray Core;  // empty: no core.lrc
        QByteArray FormFile;
        bool Prune;
        int ExitCode;
        QByteArray Expected;  // core.lrc afterwards
        const char* Said;     // CORE stands for its path, FORM for the form file's
    } udtCases[] = {
        {"a kept entry takes the new texts, a new one goes after its form's others", bytX + bytY + bytZ,
         bytNewY + bytNew + bytX, false, 0, bytX + bytNewY + bytNew + bytZ, "CORE: 1 added, 1 changed, 0 removed, written\n"},
        {"a new form goes at the end", bytX + bytZ, bytC, false, 0, bytX + bytZ + bytC, "CORE: 1 added, 0 changed, 0 removed, written\n"},
        {"no core.lrc yet", QByteArray(), bytC + bytZ, false, 0, bytC + bytZ, "CORE: 2 added, 0 changed, 0 removed, written\n"},
        {"an entry gone from its form is reported", bytX + bytY + bytZ, bytY, false, 0, bytX + bytY + bytZ,
         "CORE: frmA.lblX.0 is no longer on its form\nCORE: no change, not written\n"},
        {"the same texts leave the file as it is", "frmA.tab.0.T:\r\nfrmA.tab.0.C: Page\r\n", "frmA.tab.0.C:Page\r\n", false, 0,
         "frmA.tab.0.T:\r\nfrmA.tab.0.C: Page\r\n", "CORE: no change, not written\n"},
        {"and pruned", bytX + bytY + bytZ, bytY, true, 0, bytY + bytZ,
         "CORE: frmA.lblX.0 is no longer on its form, removed\nCORE: 0 added, 0 changed, 1 removed, written\n"},
        {"a form file that does not load writes nothing", bytX, "frmA.lblX.x.C:X\r\n", false, 1, bytX,
         "FORM:1: index 'x' is not a number from 0 to 255\n"},
    };
    for (const auto& c : udtCases) {
        SCOPED_TRACE(c.What);
        const clsTempDir objDir;
        const QString strForm = objDir.Write(QStringLiteral("frmA.LRC"), c.FormFile);
        const QString strCore = objDir.Path(QStringLiteral("English/core.lrc"));
        if (c.Core.isEmpty()) objDir.Write(QStringLiteral("English/messages.lrc"), QByteArray());
        else objDir.Write(QStringLiteral("English/core.lrc"), c.Core);
        QStringList strArgs{QStringLiteral("join"), objDir.Path(QStringLiteral("English")), strForm};
        if (c.Prune) strArgs.append(QStringLiteral("--prune"));
        const udtRun udtJoin = RunLrc(strArgs);
        EXPECT_EQ(udtJoin.ExitCode, c.ExitCode);
        EXPECT_EQ(udtJoin.Said(), QString::fromLatin1(c.Said).replace(QStringLiteral("CORE"), strCore).replace(QStringLiteral("FORM"), strForm));
        EXPECT_EQ(clsTempDir::Read(strCore), c.Expected);
    }
}

}  // namespace
