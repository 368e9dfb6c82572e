// A Yes/No question is answered by Yes or No only: Escape and the frame's close do not answer it.
#include "QtDesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(YesNoAnswerTest, EscapeAndCloseLeaveTheQuestionOpen)
{
    tralyx::clsQtDesktop objDesktop([] { return nullptr; });
    bool booStillOpen = false;
    QTimer::singleShot(0, [&] {
        auto* objBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(objBox, nullptr);
        QTest::keyClick(objBox, Qt::Key_Escape);
        objBox->close();
        booStillOpen = objBox->isVisible();
        objBox->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(objDesktop.MsgBox(QStringLiteral("Save?"), tralyx::vbYesNo, QStringLiteral("Data changed"), QString()),
              tralyx::vbYes);
    EXPECT_TRUE(booStillOpen);
}
