#include "windows/main/frmAbout.h"

#include "common/basApplication.h"
#include "common/basTwips.h"
#include "windows/main/basIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tralyx {

frmAbout::frmAbout(QWidget* pobjParent) : QDialog(pobjParent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tralyx"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* lblIcon = new QLabel(this);
    lblIcon->setObjectName(QStringLiteral("lblIcon"));
    lblIcon->setPixmap(ApplicationIcon().pixmap(48, 48));
    lblIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(App::Title(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont objTitleFont = lblTitle->font();
    objTitleFont.setPointSizeF(objTitleFont.pointSizeF() * 1.6);
    objTitleFont.setBold(true);
    lblTitle->setFont(objTitleFont);

    lblVersion = new QLabel(VersionText(App::Major(), App::Minor(), App::Revision()), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lblDescription = new QLabel(tr("Allows management of Zarvo .LRC files to ease localisation."), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    // Default and cancel button at once: Enter and Escape both press it.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* objText = new QVBoxLayout;
    objText->setSpacing(6);
    objText->addWidget(lblTitle);
    objText->addWidget(lblVersion);
    objText->addSpacing(6);
    objText->addWidget(lblDescription);
    objText->addStretch(1);

    auto* objTop = new QHBoxLayout;
    objTop->setSpacing(16);
    objTop->addWidget(lblIcon, 0, Qt::AlignTop);
    objTop->addLayout(objText, 1);

    auto* objButtons = new QHBoxLayout;
    objButtons->addStretch(1);
    objButtons->addWidget(cmdOK);

    auto* objLayout = new QVBoxLayout(this);
    objLayout->setContentsMargins(16, 16, 16, 12);
    objLayout->addLayout(objTop, 1);
    objLayout->addSpacing(8);
    objLayout->addLayout(objButtons);

    // 5655 x 2385 twips at the screen's density is the smallest it gets; fonts may make it larger.
    const int intDpi = logicalDpiX();
    setMinimumSize(TwipsToPixels(5655, intDpi), TwipsToPixels(2385, intDpi));
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QString frmAbout::VersionText(int pintMajor, int pintMinor, int pintRevision)
{
    return tr("Version %1.%2.%3").arg(pintMajor).arg(pintMinor).arg(pintRevision);
}

void frmAbout::cmdOK_Click() { accept(); }

}  // namespace tralyx
