#pragma once
// Answers the next modal QMessageBox, as a user would: presses a button, noting "title|text".
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tralyx::test {

inline void AnswerNextBox(QMessageBox::StandardButton penuButton, QString& pstrSeen)
{
    QTimer::singleShot(0, [=, &pstrSeen] {
        auto* objBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!objBox) return ADD_FAILURE() << "no message box";
        pstrSeen = objBox->windowTitle() + u'|' + objBox->text();
        objBox->button(penuButton)->click();
    });
}

}  // namespace tralyx::test
