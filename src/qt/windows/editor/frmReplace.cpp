#include "windows/editor/frmReplace.h"

#include "common/basDesktop.h"
#include "editor/clsTextFind.h"
#include "windows/editor/basEntryFind.h"
#include "windows/editor/frmMessageEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tralyx {

frmReplace::frmReplace(std::function<frmMessageEditor*()> pfnEditor, std::function<QList<frmMessageEditor*>()> pfnFolder,
                       QWidget* pobjParent)
    : QDialog(pobjParent), mfnEditor(std::move(pfnEditor)), mfnFolder(std::move(pfnFolder)), cboLookIn(new QComboBox(this)),
      lblFiles(new QLabel(this)), txtFind(new QLineEdit(this)), txtReplace(new QLineEdit(this)),
      chkMatchCase(new QCheckBox(tr("Match &case"), this)),
      chkWholeWord(new QCheckBox(tr("&Whole word"), this))
{
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(tr("Replace"));
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    auto* pobjGrid = new QGridLayout(this);
    auto* lblFind = new QLabel(tr("Fi&nd what:"), this);
    auto* lblReplace = new QLabel(tr("Re&place with:"), this);
    lblFind->setBuddy(txtFind);
    lblReplace->setBuddy(txtReplace);
    pobjGrid->addWidget(lblFind, 0, 0);
    pobjGrid->addWidget(txtFind, 0, 1);
    pobjGrid->addWidget(lblReplace, 1, 0);
    pobjGrid->addWidget(txtReplace, 1, 1);
    pobjGrid->addWidget(chkMatchCase, 2, 1);
    pobjGrid->addWidget(chkWholeWord, 3, 1);
    cboLookIn->setObjectName(QStringLiteral("cboLookIn"));
    cboLookIn->addItems({tr("This window"), tr("All open files of its folder")});
    lblFiles->setObjectName(QStringLiteral("lblFiles"));
    auto* lblLookIn = new QLabel(tr("&Look in:"), this);
    lblLookIn->setBuddy(cboLookIn);
    pobjGrid->addWidget(lblLookIn, 4, 0);
    pobjGrid->addWidget(cboLookIn, 4, 1);
    pobjGrid->addWidget(lblFiles, 5, 1);
    connect(cboLookIn, &QComboBox::currentIndexChanged, this, &frmReplace::Editors);
    auto* pobjButtons = new QDialogButtonBox(Qt::Vertical, this);
    const auto Button = [&](const char* pstrName, const QString& pstrCaption, void (frmReplace::*pfnClick)()) {
        QPushButton* cmdButton = pobjButtons->addButton(pstrCaption, QDialogButtonBox::ActionRole);
        cmdButton->setObjectName(QLatin1StringView(pstrName));
        cmdButton->setAutoDefault(false);
        connect(cmdButton, &QPushButton::clicked, this, pfnClick);
        return cmdButton;
    };
    Button("cmdFindNext", tr("&Find Next"), &frmReplace::cmdFindNext_Click)->setDefault(true);
    Button("cmdReplace", tr("&Replace"), &frmReplace::cmdReplace_Click);
    Button("cmdReplaceAll", tr("Replace &All"), &frmReplace::cmdReplaceAll_Click);
    pobjButtons->addButton(QDialogButtonBox::Close);
    connect(pobjButtons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    pobjGrid->addWidget(pobjButtons, 0, 2, 4, 1);
}

void frmReplace::showEvent(QShowEvent* pobjEvent)
{
    Editors();
    QDialog::showEvent(pobjEvent);
}

QList<frmMessageEditor*> frmReplace::Editors()
{
    frmMessageEditor* frmActive = mfnEditor();
    QList<frmMessageEditor*> objEditors;
    if (frmActive) objEditors = cboLookIn->currentIndex() == 1 ? mfnFolder() : QList<frmMessageEditor*>{frmActive};
    QStringList strNames;
    for (const frmMessageEditor* frmEditor : std::as_const(objEditors)) strNames << QFileInfo(frmEditor->FileNameValue()).fileName();
    lblFiles->setText(strNames.isEmpty() ? tr("No file is open.") : tr("In %1").arg(strNames.join(QStringLiteral(", "))));
    return objEditors;
}

void frmReplace::FindText(const QString& pstrText) { txtFind->setText(pstrText); }

clsTextFind frmReplace::Find() const
{
    return clsTextFind(txtFind->text(), chkMatchCase->isChecked(), chkWholeWord->isChecked());
}

void frmReplace::NotFound()
{
    MsgBox(tr("Cannot find \"%1\" in the translations.").arg(txtFind->text()), vbInformation, tr("Replace"));
}

void frmReplace::cmdFindNext_Click()
{
    frmMessageEditor* frmEditor = mfnEditor();
    const QList<frmMessageEditor*> objEditors = Editors();
    if (!frmEditor || txtFind->text().isEmpty()) return;
    // Past the active window's last match, the search goes on in the next file that has one.
    if (const qsizetype lngAt = objEditors.indexOf(frmEditor); !frmEditor->FoundAfter(frmEditor->CurrentItem() - 1, Find())) {
        for (qsizetype i = 1; i < objEditors.size(); ++i) {
            frmMessageEditor* frmNext = objEditors[(lngAt + i) % objEditors.size()];
            auto* objChild = qobject_cast<QMdiSubWindow*>(frmNext->parentWidget());
            if (!objChild || !frmNext->FoundAfter(-1, Find())) continue;
            objChild->mdiArea()->setActiveSubWindow(objChild);
            frmNext->FindNext(Find(), -1);
            return;
        }
    }
    if (!frmEditor->FindNext(Find())) NotFound();
}

void frmReplace::cmdReplace_Click()
{
    frmMessageEditor* frmEditor = mfnEditor();
    if (!frmEditor || txtFind->text().isEmpty()) return;
    if (!frmEditor->ReplaceCurrent(Find(), txtReplace->text())) NotFound();
}

void frmReplace::cmdReplaceAll_Click()
{
    const QList<frmMessageEditor*> objEditors = Editors();
    if (objEditors.size() == 1) objEditors.front()->ReplaceAll(Find(), txtReplace->text());
    if (objEditors.size() < 2 || txtFind->text().isEmpty()) return;
    // One question for all the files, each file's changes one step of its own history.
    size_t lngEntries = 0;
    for (const frmMessageEditor* frmEditor : objEditors) lngEntries += size_t(frmEditor->MatchCount(Find()));
    if (!AskReplaceAll(Find(), lngEntries, int(objEditors.size()))) return;
    for (frmMessageEditor* frmEditor : objEditors) frmEditor->ReplaceAll(Find(), txtReplace->text(), false);
}

}  // namespace tralyx
