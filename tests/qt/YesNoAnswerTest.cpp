// A Yes/No question is answered by Yes or No only: Escape and the frame's close do not answer it.
#include "QtDesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tralyx {
namespace {

TEST(YesNoAnswerTest, EscapeAndCloseLeaveTheQuestionOpen)
{
    for (const QMessageBox::StandardButton enuPress : {QMessageBox::Yes, QMessageBox::No}) {
        clsQtDesktop objDesktop([] { return nullptr; });
        bool booStillOpen = false;
        QTimer::singleShot(0, [&] {
            auto* objBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(objBox, nullptr);
            QTest::keyClick(objBox, Qt::Key_Escape);
            objBox->close();
            booStillOpen = objBox->isVisible() && QApplication::activeModalWidget() == objBox;
            objBox->button(enuPress)->click();
        });
        EXPECT_EQ(objDesktop.MsgBox(QStringLiteral("Save?"), vbYesNo, QStringLiteral("Data changed"), QString()),
                  enuPress == QMessageBox::Yes ? vbYes : vbNo);
        EXPECT_TRUE(booStillOpen);
    }
}

}  // namespace
}  // namespace tralyx
