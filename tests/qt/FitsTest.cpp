// Will a translation fit? A form's layout harvested with its English, joined into the English
// folder without touching a byte of core.lrc, and each caption measured against its control.
#include "EditorTestSupport.h"
#include "RunProgram.h"
#include "TempDir.h"
#include "checks/clsLayoutFits.h"
#include "harvest/basJoinFormText.h"
#include "measure/clsFontMeasurer.h"
#include "runtime/Translation.h"
#include "store/basLayoutFile.h"
#include "store/basTextStore.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

template <class T>
T* Placed(T* pobjWidget, const char* pstrName, QRect pobjRect)
{
    pobjWidget->setObjectName(QString::fromLatin1(pstrName));
    pobjWidget->setGeometry(pobjRect);
    return pobjWidget;
}

// A form placed by hand, in a font every test machine has (tools/install-deps.sh).
struct udtFitsForm {
    QWidget Form;
    udtFitsForm()
    {
        Form.setObjectName(QStringLiteral("frmFits"));
        Form.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        Form.resize(400, 200);
        Placed(new QPushButton(QStringLiteral("&Delete"), &Form), "cmdDelete", {10, 10, 75, 23});
        Placed(new QLabel(QStringLiteral("Notes are kept until you delete them."), &Form), "lblWrap", {10, 40, 120, 32})->setWordWrap(true);
        Placed(new QLabel(QStringLiteral("Name:"), &Form), "lblName", {10, 80, 100, 16});
        Placed(new QCheckBox(QStringLiteral("Pinned"), &Form), "chkPinned", {10, 100, 60, 20});
        auto* objTabs = Placed(new QTabWidget(&Form), "tabMain", {150, 10, 200, 100});
        objTabs->addTab(new QWidget, QStringLiteral("General"));
        objTabs->addTab(new QWidget, QStringLiteral("Notes"));
    }
};

// Harvests the form into English/ and joins it into English/core.lrc; the folder.
QString HarvestAndJoin(const clsTempDir& pobjDir, udtFitsForm& pudtForm)
{
    const QString strEnglish = pobjDir.Path(QStringLiteral("English"));
    QDir().mkpath(strEnglish);
    Translation objTranslation;
    QString strError;
    EXPECT_TRUE(objTranslation.harvest(&pudtForm.Form, strEnglish, &strError)) << strError.toStdString();
    bool booJoined = false;
    const std::vector<udtReportLine> udtSaid = JoinIntoFolder({strEnglish, {strEnglish + QStringLiteral("/frmFits.LRC")}, false, QStringLiteral("windows-1252")}, booJoined);
    for (const udtReportLine& u : udtSaid) EXPECT_FALSE(u.Error) << u.Text.toStdString();
    EXPECT_TRUE(booJoined);
    return strEnglish;
}

TEST(Fits, TheLayoutIsHarvestedBesideTheFormTextAndCostsCoreLrcNoByte)
{
    const clsTempDir objDir;
    udtFitsForm udtForm;
    const QString strEnglish = HarvestAndJoin(objDir, udtForm);
    QVector<udtFormLayout> udtForms;
    QString strReason;
    ASSERT_TRUE(ReadLayoutFile(strEnglish + QStringLiteral("/layout.json"), udtForms, strReason)) << strReason.toStdString();
    ASSERT_EQ(udtForms.size(), 1);
    EXPECT_EQ(udtForms[0].Width, 400);
    QStringList strEntries;
    for (const udtControlLayout& u : udtForms[0].Controls) strEntries << u.Entry + u':' + LayoutKindName(u.Kind);
    EXPECT_EQ(strEntries, QStringList({"cmdDelete.0:button", "lblWrap.0:label", "lblName.0:label", "chkPinned.0:check box",
                                       "tabMain.0:tab", "tabMain.1:tab"}));
    EXPECT_EQ(udtForms[0].Controls[0].Width, 75);
    EXPECT_EQ(udtForms[0].Controls[0].Font.Family, QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(udtForms[0].Controls[1].Wrap);
    EXPECT_TRUE(udtForms[0].Controls[3].Widens);
    EXPECT_EQ(LayoutFileContent(udtForms), clsTempDir::Read(strEnglish + QStringLiteral("/layout.json")));  // read back as written

    // The same join without the layout beside the form text: the same core.lrc.
    const QByteArray bytCore = clsTempDir::Read(strEnglish + QStringLiteral("/core.lrc"));
    const clsTempDir objPlain;
    const QString strPlain = objPlain.Path(QStringLiteral("English"));
    QDir().mkpath(strPlain);
    QFile::copy(strEnglish + QStringLiteral("/frmFits.LRC"), strPlain + QStringLiteral("/frmFits.LRC"));
    bool booJoined = false;
    JoinIntoFolder({strPlain, {strPlain + QStringLiteral("/frmFits.LRC")}, false, QStringLiteral("windows-1252")}, booJoined);
    EXPECT_TRUE(booJoined);
    EXPECT_EQ(clsTempDir::Read(strPlain + QStringLiteral("/core.lrc")), bytCore);
    EXPECT_FALSE(QFileInfo::exists(strPlain + QStringLiteral("/layout.json")));
}

// Lint tells most captions that fit from their characters' and pairs' advances, without shaping
// them whole: it may say "fits" only where the measure of the whole says so too, in any room.
TEST(Fits, ACaptionToldToFitWithoutMeasuringDoesFit)
{
    clsFontMeasurer objMeasurer;
    const QString strTexts[] = {QStringLiteral("Notiz in den Papierkorb"), QStringLiteral("office fluffy affine efficient"),
                                QStringLiteral("AVATAR To Ty Wa Yo f) f? ïf"), QString::fromUtf8("„Täglich“ – 5 € … «Über»"),
                                QStringLiteral("Zwei\nZeilen, die zweite länger"), QString::fromUtf8("Ελληνικά кириллица")};
    for (const char* pstrFamily : {"Liberation Sans", "Liberation Serif", "DejaVu Serif", "No Such Font"})
        for (const double dblSize : {7.0, 9.0, 16.0}) {
            const udtLayoutFont udtFont{QString::fromLatin1(pstrFamily), dblSize, 400, false};
            for (const QString& strText : strTexts) {
                const int lngExact = objMeasurer.Measure(udtFont, 96, strText, 0).Width;
                for (int lngRoom = lngExact - 8; lngRoom <= lngExact + 8; ++lngRoom) {
                    if (!objMeasurer.ClearlyFits(udtFont, 96, strText, lngRoom)) continue;
                    EXPECT_LE(lngExact, lngRoom) << pstrFamily << " " << dblSize << ": " << strText.toStdString();
                }
                EXPECT_TRUE(objMeasurer.ClearlyFits(udtFont, 96, strText, lngExact + 20) || strText.startsWith(u'\u0395'))
                    << strText.toStdString();  // most are told without measuring
            }
        }
}

// A font the machine lacks is named with the one drawn for it; a generic family (a form that sets
// no font records Qt's "Sans Serif") is the system's own choice, and nothing stands in for it.
TEST(Fits, OnlyAMissingFontHasAStandIn)
{
    clsFontMeasurer objMeasurer;
    const std::pair<const char*, bool> udtCases[] = {
        {"Liberation Sans", false}, {"liberation sans", false}, {"Sans Serif", false}, {"serif", false}, {"Monospace", false}, {"No Such Font", true}};
    for (const auto& [pstrFamily, booStandIn] : udtCases)
        EXPECT_EQ(!objMeasurer.StandIn({QString::fromLatin1(pstrFamily), 9, 400, false}).isEmpty(), booStandIn) << pstrFamily;
}

TEST(Fits, EachCaptionIsMeasuredAgainstItsControl)
{
    const clsTempDir objDir;
    udtFitsForm udtForm;
    clsLayoutFits objFits;
    QString strProblem;
    ASSERT_TRUE(objFits.Load(HarvestAndJoin(objDir, udtForm), strProblem)) << strProblem.toStdString();
    clsFontMeasurer objMeasurer;
    const struct {
        const char* Control;
        const char* Caption;
        const char* Said;  // the start of the warning; empty: it fits
    } udtCases[] = {
        {"cmdDelete.0", "&Löschen", ""},
        {"cmdDelete.0", "Notiz in den &Papierkorb", "px too wide for its 75 px button (\"Notiz in den &Papierkorb\")"},
        {"cmdDelete.0", "&&&&&&&&&&&&&&", ""},  // ampersands drawn once each
        {"lblWrap.0", "Notizen bleiben, bis Sie sie löschen.", ""},
        {"lblWrap.0", "Notizen bleiben erhalten, bis Sie sie ausdrücklich und endgültig löschen.", "px too tall for its 32 px high label"},
        {"lblName.0", "Name:", ""},
        {"lblName.0", "Vollständiger Name des Verfassers:", "px too wide for its 100 px label"},
        {"chkPinned.0", "Angeheftet, oben in der Liste", ""},  // widened to the form's edge
        {"chkPinned.0", "Angeheftet: oben in der Liste gehalten, bis Sie die Notiz wieder von dort lösen und verschieben", "px too wide for its 390 px check box"},
        {"tabMain.1", "Notizen", ""},
        {"tabMain.1", "Alle Notizen dieser Sammlung", "px too wide for its 100 px tab"},
    };
    for (const auto& c : udtCases) {
        udtEntryText udtEntry;
        udtEntry.Kind = enuTextKind::Caption;
        udtEntry.ObjectPath = QStringLiteral("frmFits.") + QString::fromLatin1(c.Control);
        udtEntry.Id = udtEntry.ObjectPath + QStringLiteral(".C");
        udtEntry.SourceRecord = udtEntry.Record = 0;
        udtEntry.Source = QStringLiteral("English");
        udtEntry.Translation = QString::fromUtf8(c.Caption);
        std::vector<udtProblem> udtFound;
        CheckFits(objFits, objMeasurer, enuFileKind::ControlText, udtEntry, udtFound);
        if (!*c.Said) {
            EXPECT_TRUE(udtFound.empty()) << c.Caption << ": " << (udtFound.empty() ? "" : udtFound[0].Message.toStdString());
            continue;
        }
        ASSERT_EQ(udtFound.size(), 1u) << c.Caption;
        EXPECT_EQ(udtFound[0].Rule, QStringLiteral("fits"));
        // "31 px too wide...": a count of pixels, then the rest as said.
        const QString strMessage = udtFound[0].Message;
        const qsizetype lngSpace = strMessage.indexOf(u' ');
        EXPECT_GT(strMessage.left(lngSpace).toInt(), 0) << strMessage.toStdString();
        EXPECT_TRUE(strMessage.mid(lngSpace + 1).startsWith(QString::fromUtf8(c.Said))) << strMessage.toStdString();
    }
}

TEST(Fits, LintReportsTheOneCaptionThatDoesNotFitAndAFolderWithoutALayoutAsBefore)
{
    const clsTempDir objDir;
    udtFitsForm udtForm;
    const QString strEnglish = HarvestAndJoin(objDir, udtForm);
    QByteArray bytGerman = clsTempDir::Read(strEnglish + QStringLiteral("/core.lrc"));
    bytGerman.replace("C:&Delete", "C:Notiz in den &Papierkorb").replace("C:Name:", "C:&Name:").replace("C:Pinned", "C:Angeheftet");
    objDir.Write(QStringLiteral("German/core.lrc"), bytGerman);
    const QString strGerman = objDir.Path(QStringLiteral("German"));
    const udtRun udtLint = RunLrc({QStringLiteral("lint"), strGerman});
    const QStringList strFits = udtLint.Out.split(u'\n').filter(QStringLiteral(": fits: "));
    ASSERT_EQ(strFits.size(), 1) << udtLint.Said().toStdString();
    EXPECT_TRUE(strFits[0].startsWith(strGerman + QStringLiteral("/core.lrc:"))) << strFits[0].toStdString();
    EXPECT_TRUE(strFits[0].contains(QStringLiteral(": warning: frmFits.cmdDelete.0.C: fits: "))) << strFits[0].toStdString();
    EXPECT_TRUE(strFits[0].endsWith(QStringLiteral(" px too wide for its 75 px button (\"Notiz in den &Papierkorb\")"))) << strFits[0].toStdString();

    QFile::remove(strEnglish + QStringLiteral("/layout.json"));
    const udtRun udtWithout = RunLrc({QStringLiteral("lint"), strGerman});
    EXPECT_FALSE(udtWithout.Said().contains(QStringLiteral("fits"))) << udtWithout.Said().toStdString();
    objDir.Write(QStringLiteral("English/layout.json"), "{\n  \"format\": \"tralyx-layout 1\",\n  \"forms\": [\n    {\"form\": 3}\n  ]\n}\n");
    const udtRun udtDamaged = RunLrc({QStringLiteral("lint"), strGerman});
    EXPECT_EQ(udtDamaged.ExitCode, udtWithout.ExitCode);
    EXPECT_EQ(udtDamaged.Out, udtWithout.Out);
    EXPECT_TRUE(udtDamaged.Err.contains(QStringLiteral("layout.json:line 4: a form without its name, size or DPI; captions are not measured")))
        << udtDamaged.Err.toStdString();
}

TEST(Fits, TheEditorWarnsSaysTheRoomAndPreviewsTheFormWithTheCaptionMarked)
{
    const clsTempDir objDir;
    udtFitsForm udtForm;
    const QString strEnglish = HarvestAndJoin(objDir, udtForm);
    gobjTextStore = std::make_unique<clsTralyx>();
    gobjTextStore->SetControlTextTable({{Q("frmFits"), Q("cmdDelete"), 0, Q("Notiz in den &Papierkorb"), Q("")},
                                        {Q("frmFits"), Q("lblName"), 0, Q("&Name:"), Q("")}});
    frmMessageEditor frmWindow;
    frmWindow.EditType(frmMessageEditor::EditControlText);
    frmWindow.FileName(objDir.Path(QStringLiteral("German/core.lrc")));
    frmWindow.show();
    frmWindow.LoadSource(strEnglish);
    ASSERT_TRUE(frmWindow.HasLayout());
    EXPECT_TRUE(frmWindow.RowState(0) & RowWarning);
    EXPECT_FALSE(frmWindow.RowState(1) & RowWarning);
    ClickRow(frmWindow, 0);
    EXPECT_TRUE(frmWindow.FitText().startsWith(QStringLiteral("too wide: "))) << frmWindow.FitText().toStdString();
    frmMessageEditor::udtFormPreview udtPreview;
    ASSERT_TRUE(frmWindow.PreviewForm(udtPreview));
    QStringList strMarked;
    for (const auto& u : udtPreview.Controls)
        if (!u.Fits || u.Current) strMarked << u.Layout->Entry + (u.Fits ? QString() : QStringLiteral(" does not fit")) + (u.Current ? QStringLiteral(", selected") : QString());
    EXPECT_EQ(strMarked, QStringList{QStringLiteral("cmdDelete.0 does not fit, selected")});
    ClickRow(frmWindow, 1);
    EXPECT_TRUE(frmWindow.FitText().startsWith(QStringLiteral("fits: "))) << frmWindow.FitText().toStdString();
    gobjTextStore.reset();
}

}  // namespace
