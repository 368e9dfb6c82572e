#include "windows/clsSourceDock.h"

#include "common/basStoreText.h"
#include "windows/frmMessageEditor.h"

#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

namespace tralyx {

clsSourceDock::clsSourceDock(QMainWindow* pobjParent) : QDockWidget(QStringLiteral("Source"), pobjParent)
{
    setObjectName(QStringLiteral("dckSource"));
    auto* pobjBody = new QWidget(this);
    auto* pobjGrid = new QGridLayout(pobjBody);
    for (int i = 0; i < 2; ++i) {
        mlblText[i] = new QLabel(pobjBody);
        mlblText[i]->setObjectName(QStringLiteral("lblSource%1").arg(i + 1));
        mlblText[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        mtxtText[i] = new QPlainTextEdit(pobjBody);
        mtxtText[i]->setObjectName(QStringLiteral("txtSource%1").arg(i + 1));
        mtxtText[i]->setReadOnly(true);  // a marker or a term can still be selected and copied
        mtxtText[i]->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        mlblText[i]->setBuddy(mtxtText[i]);
        pobjGrid->addWidget(mlblText[i], i, 0);
        pobjGrid->addWidget(mtxtText[i], i, 1);
    }
    mtxtText[0]->setMaximumHeight(mtxtText[0]->fontMetrics().height() * 3);
    mlblProblems = new QLabel(pobjBody);
    mlblProblems->setObjectName(QStringLiteral("lblProblems"));
    mlblProblems->setWordWrap(true);
    mlblProblems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pobjGrid->addWidget(mlblProblems, 2, 0, 1, 2);
    pobjGrid->setColumnStretch(1, 1);
    pobjGrid->setRowStretch(3, 1);  // the problems stay under the texts, the room goes below
    mtxtText[1]->setMaximumHeight(mtxtText[1]->fontMetrics().height() * 10);
    setWidget(pobjBody);
    ShowRow({}, {});
}

void clsSourceDock::ShowRow(const QList<QPair<QString, QString>>& pudtTexts, const QStringList& pstrProblems,
                            const QString& pstrNote)
{
    for (int i = 0; i < 2; ++i) {
        const bool booShown = i < pudtTexts.size();
        mlblText[i]->setVisible(booShown);
        mtxtText[i]->setVisible(booShown);
        mlblText[i]->setText(booShown ? pudtTexts[i].first : QString());
        mtxtText[i]->setPlainText(booShown ? StoreToLines(pudtTexts[i].second) : QString());
    }
    // A single text (procedural text) is the tall box.
    mtxtText[0]->setMaximumHeight(mtxtText[0]->fontMetrics().height() * (pudtTexts.size() > 1 ? 3 : 10));
    if (!pstrNote.isEmpty()) mlblProblems->setText(pstrNote);
    else if (pudtTexts.isEmpty()) mlblProblems->setText(QString());
    else if (pstrProblems.isEmpty()) mlblProblems->setText(QStringLiteral("No problems."));
    else mlblProblems->setText(QStringLiteral("Problems:\n") + pstrProblems.join(u'\n'));
}

void clsSourceDock::ShowEditor(const frmMessageEditor* pfrmEditor)
{
    if (!pfrmEditor) ShowRow({}, {});
    else if (pfrmEditor->HasSource()) ShowRow(pfrmEditor->SourceBoxes(), pfrmEditor->CurrentProblems());
    else
        ShowRow({}, {}, pfrmEditor->SourceNote().isEmpty() ? QStringLiteral("No source folder for this file.")
                                                           : pfrmEditor->SourceNote());
}

void clsSourceDock::ShowBeside(const QWidget& pobjFrame)
{
    if (isVisible()) return;
    auto* objMain = static_cast<QMainWindow*>(parentWidget());
    const int lngBefore = pobjFrame.width();
    show();
    if (objMain->isMaximized() || objMain->isFullScreen() || !objMain->isVisible()) return;
    // Measured once the layout has placed the dock.
    QTimer::singleShot(0, this, [this, objMain, &pobjFrame, lngBefore] {
        const QScreen* objScreen = objMain->screen();
        if (!objScreen || objMain->isMaximized() || objMain->isFullScreen() || !isVisible() || isFloating()) return;
        const QRect objRoom = objScreen->availableGeometry();
        const int lngFrame = objMain->frameGeometry().width() - objMain->width();
        const int lngWidth = std::min(objMain->width() + lngBefore - pobjFrame.width(), objRoom.width() - lngFrame);
        if (lngWidth <= objMain->width()) return;
        objMain->resize(lngWidth, objMain->height());
        const QRect objFrame = objMain->frameGeometry();
        if (objFrame.right() > objRoom.right())
            objMain->move(std::max(objRoom.left(), objRoom.right() - objFrame.width() + 1), objMain->y());
    });
}

}  // namespace tralyx
