#include "windows/frmReplace.h"

#include "common/basDesktop.h"
#include "editor/clsTextFind.h"
#include "windows/frmMessageEditor.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tralyx {

frmReplace::frmReplace(std::function<frmMessageEditor*()> pfnEditor, QWidget* pobjParent)
    : QDialog(pobjParent), mfnEditor(std::move(pfnEditor)), txtFind(new QLineEdit(this)), txtReplace(new QLineEdit(this)),
      chkMatchCase(new QCheckBox(QStringLiteral("Match &case"), this)),
      chkWholeWord(new QCheckBox(QStringLiteral("&Whole word"), this))
{
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(QStringLiteral("Replace"));
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    auto* pobjGrid = new QGridLayout(this);
    auto* lblFind = new QLabel(QStringLiteral("Fi&nd what:"), this);
    auto* lblReplace = new QLabel(QStringLiteral("Re&place with:"), this);
    lblFind->setBuddy(txtFind);
    lblReplace->setBuddy(txtReplace);
    pobjGrid->addWidget(lblFind, 0, 0);
    pobjGrid->addWidget(txtFind, 0, 1);
    pobjGrid->addWidget(lblReplace, 1, 0);
    pobjGrid->addWidget(txtReplace, 1, 1);
    pobjGrid->addWidget(chkMatchCase, 2, 1);
    pobjGrid->addWidget(chkWholeWord, 3, 1);
    auto* pobjButtons = new QDialogButtonBox(Qt::Vertical, this);
    const auto Button = [&](const char* pstrName, const QString& pstrCaption, void (frmReplace::*pfnClick)()) {
        QPushButton* cmdButton = pobjButtons->addButton(pstrCaption, QDialogButtonBox::ActionRole);
        cmdButton->setObjectName(QLatin1StringView(pstrName));
        cmdButton->setAutoDefault(false);
        connect(cmdButton, &QPushButton::clicked, this, pfnClick);
        return cmdButton;
    };
    Button("cmdFindNext", QStringLiteral("&Find Next"), &frmReplace::cmdFindNext_Click)->setDefault(true);
    Button("cmdReplace", QStringLiteral("&Replace"), &frmReplace::cmdReplace_Click);
    Button("cmdReplaceAll", QStringLiteral("Replace &All"), &frmReplace::cmdReplaceAll_Click);
    pobjButtons->addButton(QDialogButtonBox::Close);
    connect(pobjButtons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    pobjGrid->addWidget(pobjButtons, 0, 2, 4, 1);
}

void frmReplace::FindText(const QString& pstrText) { txtFind->setText(pstrText); }

clsTextFind frmReplace::Find() const
{
    return clsTextFind(txtFind->text(), chkMatchCase->isChecked(), chkWholeWord->isChecked());
}

void frmReplace::NotFound()
{
    MsgBox(QStringLiteral("Cannot find \"") + txtFind->text() + QStringLiteral("\" in the translations."), vbInformation,
           QStringLiteral("Replace"));
}

void frmReplace::cmdFindNext_Click()
{
    frmMessageEditor* frmEditor = mfnEditor();
    if (frmEditor && !txtFind->text().isEmpty() && !frmEditor->FindNext(Find())) NotFound();
}

void frmReplace::cmdReplace_Click()
{
    frmMessageEditor* frmEditor = mfnEditor();
    if (!frmEditor || txtFind->text().isEmpty()) return;
    if (!frmEditor->ReplaceCurrent(Find(), txtReplace->text())) NotFound();
}

void frmReplace::cmdReplaceAll_Click()
{
    if (frmMessageEditor* frmEditor = mfnEditor()) frmEditor->ReplaceAll(Find(), txtReplace->text());
}

}  // namespace tralyx
