// The Qt message box behind the desktop seam: style flags to icon, buttons and default button, the
// chosen button to the standard answer code, and the prompt shown as plain text. A Yes/No question
// is answered by Yes or No only: Escape and the frame's close do not answer it.
#include "binding/QtDesktop.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tralyx;
using SB = QMessageBox::StandardButton;

namespace {

struct udtSeenBox {
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons;
    SB Default = QMessageBox::NoButton;
    QString Title;
    QString Text;
    Qt::TextFormat Format = Qt::AutoText;
    bool OpenAfterEscapeAndClose = false;
};

// Shows a box through the seam, notes what it looks like and presses penuPress (or Esc for NoButton).
int32_t ShowAndPress(int32_t plngStyle, SB penuPress, udtSeenBox& pudtSeen)
{
    clsQtDesktop objDesktop([] { return nullptr; });
    QTimer::singleShot(0, [&] {
        auto* objBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!objBox) {
            ADD_FAILURE() << "no message box";
            return;
        }
        pudtSeen.Icon = objBox->icon();
        pudtSeen.Buttons = objBox->standardButtons();
        pudtSeen.Default = objBox->standardButton(objBox->defaultButton());
        pudtSeen.Title = objBox->windowTitle();
        pudtSeen.Text = objBox->text();
        pudtSeen.Format = objBox->textFormat();
        if ((plngStyle & 7) == vbYesNo) {
            QTest::keyClick(objBox, Qt::Key_Escape);
            objBox->close();
            pudtSeen.OpenAfterEscapeAndClose = objBox->isVisible();
        }
        if (penuPress == QMessageBox::NoButton) QTest::keyClick(objBox, Qt::Key_Escape);
        else objBox->button(penuPress)->click();
    });
    // Language files are plain text: markup in a message must show as written.
    return objDesktop.MsgBox(QStringLiteral("<b>Size</b> < 5\r\nline two\rline three"), plngStyle, QStringLiteral("Title"), QString());
}

TEST(QtDesktop, StyleFlagsGiveIconButtonsAndDefaultThePressedButtonItsAnswerAndThePromptIsPlainText)
{
    const struct {
        int32_t Style;
        QMessageBox::Icon Icon;
        QMessageBox::StandardButtons Buttons;
        SB Default;
        SB Press;  // NoButton: Esc
        int32_t Answer;
    } udtCases[] = {
        {vbOKOnly, QMessageBox::NoIcon, SB::Ok, SB::Ok, SB::Ok, vbOK},
        {vbOKOnly, QMessageBox::NoIcon, SB::Ok, SB::Ok, SB::NoButton, vbOK},
        {vbOKCancel | vbCritical, QMessageBox::Critical, SB::Ok | SB::Cancel, SB::Ok, SB::NoButton, vbCancel},
        {vbOKCancel | vbDefaultButton2, QMessageBox::NoIcon, SB::Ok | SB::Cancel, SB::Cancel, SB::Ok, vbOK},
        {vbAbortRetryIgnore | vbQuestion, QMessageBox::Question, SB::Abort | SB::Retry | SB::Ignore, SB::Abort, SB::NoButton, vbAbort},
        {vbAbortRetryIgnore | vbDefaultButton3, QMessageBox::NoIcon, SB::Abort | SB::Retry | SB::Ignore, SB::Ignore, SB::Ignore, vbIgnore},
        {vbYesNoCancel | vbExclamation | vbDefaultButton3, QMessageBox::Warning, SB::Yes | SB::No | SB::Cancel, SB::Cancel, SB::No, vbNo},
        {vbYesNoCancel | vbQuestion, QMessageBox::Question, SB::Yes | SB::No | SB::Cancel, SB::Yes, SB::NoButton, vbCancel},
        {vbYesNo | vbInformation, QMessageBox::Information, SB::Yes | SB::No, SB::Yes, SB::No, vbNo},
        {vbRetryCancel | vbCritical, QMessageBox::Critical, SB::Retry | SB::Cancel, SB::Retry, SB::Retry, vbRetry},
        {vbRetryCancel, QMessageBox::NoIcon, SB::Retry | SB::Cancel, SB::Retry, SB::NoButton, vbCancel},
    };
    for (const auto& c : udtCases) {
        SCOPED_TRACE(testing::Message() << "style " << c.Style << " pressing " << c.Press);
        udtSeenBox udtSeen;
        EXPECT_EQ(ShowAndPress(c.Style, c.Press, udtSeen), c.Answer);
        EXPECT_EQ(udtSeen.Icon, c.Icon);
        EXPECT_EQ(udtSeen.Buttons, c.Buttons);
        EXPECT_EQ(udtSeen.Default, c.Default);
        EXPECT_EQ(udtSeen.Title, QStringLiteral("Title"));
        EXPECT_EQ(udtSeen.Format, Qt::PlainText);
        EXPECT_EQ(udtSeen.Text, QStringLiteral("<b>Size</b> < 5\nline two\nline three"));
        if ((c.Style & 7) == vbYesNo) {
            EXPECT_TRUE(udtSeen.OpenAfterEscapeAndClose) << "Escape or the frame's close answered";
        }
    }
}

TEST(QtDesktop, KeysTypedAsTheBoxAppearsAnswerNothing)
{
    clsQtDesktop objDesktop([] { return nullptr; });
    bool booOpenAfterKeys = false;
    QTimer::singleShot(0, [&] {
        auto* objBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(objBox, nullptr);
        // "n" (No), Space (the focused button) and Return (the default, Yes) typed ahead.
        QTest::keyClicks(objBox->focusWidget() ? objBox->focusWidget() : objBox, QStringLiteral("n "));
        QTest::keyClick(objBox, Qt::Key_Return);
        booOpenAfterKeys = objBox->isVisible();
        QTest::qWait(450);
        QTest::keyClick(objBox, Qt::Key_N);
    });
    EXPECT_EQ(objDesktop.MsgBox(QStringLiteral("Save?"), vbYesNoCancel, QStringLiteral("Data changed"), QString()), vbNo);
    EXPECT_TRUE(booOpenAfterKeys);
}

}  // namespace
