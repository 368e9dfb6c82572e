// The form index gives what a first-match scan of the table gives, and follows every table change.
#include "RuntimeFakeForm.h"
#include "store/clsTralyx.h"
#include "StoreFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <random>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const char* const Forms[] = {"frmA", "frmB", "frmAB", ""};
const char* const Controls[] = {"lbl", "lbl1", "chk", ""};

// Every form with every control at indexes 0 to 2; the captions expected from a scan of the table.
void CheckAgainstScan(const clsTralyx& pobjStore, const char* pstrWhen)
{
    for (const char* pstrForm : Forms) {
        clsFakeForm frm(QString::fromLatin1(pstrForm));
        for (const char* pstrControl : Controls)
            for (int i = 0; i < 3; ++i) frm.Add(enuControlKind::Label, QString::fromLatin1(pstrControl), i);
        pobjStore.SetFormText(frm);
        for (const auto& ctl : frm.mobjControls) {
            QString strCaption, strTip;
            for (const ControlTextItem& udtItem : pobjStore.ControlTextTable())
                if (udtItem.FormName == frm.mstrName && udtItem.ControlName == ctl->mstrName && udtItem.Index == *ctl->mlngIndex) {
                    strCaption = udtItem.Caption;
                    strTip = udtItem.ToolTip;
                    break;
                }
            ASSERT_EQ(ctl->mstrCaption + u'|' + ctl->mstrToolTip, strCaption + u'|' + strTip)
                << pstrWhen << ": " << pstrForm << '.' << qPrintable(ctl->mstrName) << '.' << *ctl->mlngIndex;
        }
    }
}

TEST(FormTextIndex, SameResultAsAScanThroughEveryKindOfTableChange)
{
    std::mt19937 objRandom(16);
    const auto RandomTable = [&](int plngSize, int plngRound) {
        QVector<ControlTextItem> udtTable;
        for (int i = 0; i < plngSize; ++i)
            udtTable.append({QString::fromLatin1(Forms[objRandom() % 4]), QString::fromLatin1(Controls[objRandom() % 4]),
                             static_cast<uint8_t>(objRandom() % 3), QStringLiteral("c%1.%2").arg(plngRound).arg(i),
                             QStringLiteral("t%1.%2").arg(plngRound).arg(i)});
        return udtTable;
    };
    for (int lngRound = 0; lngRound < 30; ++lngRound) {
        clsTralyx objStore;
        objStore.SetControlTextTable(RandomTable(1 + objRandom() % 40, lngRound));
        CheckAgainstScan(objStore, "first table");
        const clsTralyx objCopy = objStore;  // keeps its own table when the original changes
        const int16_t intEdited = static_cast<int16_t>(objRandom() % objStore.ControlTextTable().size());
        objStore.SetControlTextItem(intEdited, QStringLiteral("edited"), QStringLiteral("edited tip"));
        CheckAgainstScan(objStore, "after an edit");
        objStore.SetControlTextTable(RandomTable(1 + objRandom() % 40, lngRound + 100));
        CheckAgainstScan(objStore, "second table");
        CheckAgainstScan(objCopy, "copy");
    }
}

TEST(FormTextIndex, ALoadReplacesTheIndexedTable)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({{"frmB", "chk", 0, "old", ""}, {"frmA", "lbl", 0, "old", ""}, {"frmB", "lbl", 0, "old", ""}});
    CheckAgainstScan(objStore, "before the load");
    const clsTempDir objDir;
    ASSERT_TRUE(LoadBytes(objStore, enuFileKind::ControlText, "frmA.lbl1.0.C:new\r\nfrmB.lbl.0.C:new\r\n", objDir.Path()).Success);
    CheckAgainstScan(objStore, "after the load");
}

}  // namespace
