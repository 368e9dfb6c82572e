// The setters change one record in place; out-of-range indexes change nothing.
#include "ScriptedDesktop.h"
#include "clsRuntimeError.h"
#include "clsTralyx.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

TEST(StoreSetters, LastIndexChangesAndOneBeyondChangesNothing)
{
    clsTralyx store;
    store.SetMessageTable({{5, "m0", "t0"}, {9, "m1", "t1"}});
    store.SetSecondaryTable({"s0", "s1"});
    store.SetControlTextTable({{"f", "a", 0, "c0", "t0"}, {"f", "b", 3, "c1", "t1"}});

    store.SetMessageText(1, "T", "M");
    store.SetSecondary(1, "S");
    store.SetControlTextItem(1, "C", "T");
    EXPECT_EQ(store.MessageTable()[1], (MessageItem{9, "M", "T"}));
    EXPECT_EQ(store.SecondaryTable()[1], "S");
    EXPECT_EQ(store.ControlTextTable()[1], (ControlTextItem{"f", "b", 3, "C", "T"}));

    const auto messages = store.MessageTable();
    const auto secondary = store.SecondaryTable();
    const auto controls = store.ControlTextTable();
    {
        clsScriptedDesktop desktop;  // SetMessageText shows nothing
        desktop.Expect("Index out-of-bounds setting secondary", vbExclamation, "Doh!")
            .Expect("Index out-of-bounds setting secondary", vbExclamation, "Doh!")
            .Expect("Index out-of-bounds setting control text item", vbExclamation, "Doh!")
            .Expect("Index out-of-bounds setting control text item", vbExclamation, "Doh!");
        store.SetMessageText(2, "x", "x");
        store.SetMessageText(-1, "x", "x");
        store.SetSecondary(2, "x");
        store.SetSecondary(-1, "x");
        store.SetControlTextItem(2, "x", "x");
        store.SetControlTextItem(-32768, "x", "x");
    }
    EXPECT_EQ(store.MessageTable(), messages);
    EXPECT_EQ(store.SecondaryTable(), secondary);
    EXPECT_EQ(store.ControlTextTable(), controls);
}

TEST(StoreSetters, RuntimeTextItemRaisesSubscriptOutOfRange)
{
    clsTralyx store;
    EXPECT_THROW(store.RuntimeTextItem(0), clsSubscriptOutOfRange);  // never loaded
    store.SetSecondaryTable({"one\r\ntwo"});
    EXPECT_EQ(store.RuntimeTextItem(0), "one\r\ntwo");
    try {
        store.RuntimeTextItem(1);
        FAIL();
    } catch (const clsRuntimeError& e) {
        EXPECT_EQ(e.Number(), 9);
    }
}
