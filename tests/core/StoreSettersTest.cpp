// The setters change one record in place; out-of-range indexes change nothing.
#include "ScriptedDesktop.h"
#include "store/clsTralyx.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

TEST(StoreSetters, LastIndexChangesAndOneBeyondChangesNothing)
{
    clsTralyx store;
    store.SetMessageTable({{5, "m0", "t0"}, {9, "m1", "t1"}});
    store.SetSecondaryTable({"s0", "s1"});
    store.SetControlTextTable({{"f", "a", 0, "c0", "t0"}, {"f", "b", 3, "c1", "t1"}});
    for (const int16_t index : {1, 2, -1, -32768}) {
        clsScriptedDesktop desktop;  // SetMessageText shows nothing
        if (index != 1) {
            desktop.Expect("Index out-of-bounds setting secondary", vbExclamation, "Doh!")
                .Expect("Index out-of-bounds setting control text item", vbExclamation, "Doh!");
        }
        store.SetMessageText(index, "T", "M");
        store.SetSecondary(index, "S");
        store.SetControlTextItem(index, "C", "T");
        EXPECT_EQ(store.MessageTable(), (QVector<MessageItem>{{5, "m0", "t0"}, {9, "M", "T"}})) << index;
        EXPECT_EQ(store.SecondaryTable(), QStringList({"s0", "S"})) << index;
        EXPECT_EQ(store.ControlTextTable(), (QVector<ControlTextItem>{{"f", "a", 0, "c0", "t0"}, {"f", "b", 3, "C", "T"}})) << index;
    }
    EXPECT_EQ(ErrorNumber([&] { store.RuntimeTextItem(2); }), 9);
    EXPECT_EQ(ErrorNumber([] { clsTralyx().RuntimeTextItem(0); }), 9);  // never loaded
    EXPECT_EQ(store.RuntimeTextItem(1), "S");
}
