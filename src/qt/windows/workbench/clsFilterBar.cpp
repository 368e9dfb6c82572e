#include "windows/workbench/clsFilterBar.h"

#include "windows/list/clsEditorFilter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace tralyx {

clsFilterBar::clsFilterBar(QWidget* pobjParent)
    : QToolBar(tr("Filter"), pobjParent), txtFilter(new QLineEdit(this)), cboFilterShow(new QComboBox(this)),
      lblFilterCount(new QLabel(this))
{
    setObjectName(QStringLiteral("tbFilter"));
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(tr("Filter: id, source or translation"));
    txtFilter->setClearButtonEnabled(true);
    txtFilter->setMinimumWidth(220);
    cboFilterShow->setObjectName(QStringLiteral("cboFilterShow"));
    cboFilterShow->addItems({tr("All"), tr("Needs work"), tr("Errors"), tr("Changed"), tr("Untranslated"), tr("To review"),
                             tr("Untranslated or to review"), tr("Warnings"), tr("Done")});
    lblFilterCount->setObjectName(QStringLiteral("lblFilterCount"));
    lblFilterCount->setContentsMargins(6, 0, 6, 0);
    addWidget(txtFilter);
    addWidget(cboFilterShow);
    addWidget(lblFilterCount);
    connect(txtFilter, &QLineEdit::textChanged, this, &clsFilterBar::Changed);
    connect(cboFilterShow, &QComboBox::currentIndexChanged, this, &clsFilterBar::Changed);
}

void clsFilterBar::Changed() { emit FilterChanged(txtFilter->text(), cboFilterShow->currentIndex()); }

void clsFilterBar::ShowFilter(const clsEditorFilter& pobjFilter)
{
    const QSignalBlocker objNoText(txtFilter), objNoShow(cboFilterShow);
    txtFilter->setText(pobjFilter.Text());
    cboFilterShow->setCurrentIndex(pobjFilter.Show());
}

void clsFilterBar::SetCount(const QString& pstrText) { lblFilterCount->setText(pstrText); }

void clsFilterBar::FocusText()
{
    show();
    txtFilter->setFocus(Qt::ShortcutFocusReason);
    txtFilter->selectAll();
}

}  // namespace tralyx
