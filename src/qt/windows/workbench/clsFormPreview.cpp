#include "windows/workbench/clsFormPreview.h"

#include "checks/clsLayoutFits.h"
#include "measure/clsFontMeasurer.h"

#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tralyx {
namespace {

constexpr int Margin = 8;  // around the form

}  // namespace

clsFormCanvas::clsFormCanvas(QWidget* pobjParent) : QWidget(pobjParent) { setObjectName(QStringLiteral("picFormPreview")); }

void clsFormCanvas::Show(frmMessageEditor::udtFormPreview pudtForm)
{
    mudtForm = std::move(pudtForm);
    resize(sizeHint());
    update();
}

QSize clsFormCanvas::sizeHint() const { return QSize(mudtForm.Form.Width + 2 * Margin, mudtForm.Form.Height + 2 * Margin); }

void clsFormCanvas::paintEvent(QPaintEvent*)
{
    QPainter objPainter(this);
    objPainter.translate(Margin, Margin);
    const QRect objForm(0, 0, mudtForm.Form.Width, mudtForm.Form.Height);
    objPainter.fillRect(objForm, palette().window());
    objPainter.setPen(palette().color(QPalette::Mid));
    objPainter.drawRect(objForm.adjusted(0, 0, -1, -1));
    const QColor objWrong(0xb0, 0x00, 0x00);
    for (const frmMessageEditor::udtPreviewControl& udtShown : mudtForm.Controls) {
        const udtControlLayout& c = *udtShown.Layout;
        const QString strDrawn = DrawnCaption(udtShown.Text);
        const QFontMetrics objMetrics(FontOf(c.Font));
        int lngText = 0;
        for (const QString& strLine : strDrawn.split(u'\n')) lngText = qMax(lngText, objMetrics.horizontalAdvance(strLine));
        const int lngFrame = c.Width - c.RoomWidth;
        // A control that grows with its text is drawn as wide as the text makes it, up to its room.
        const int lngRoom = c.Widens ? qMax(c.Width, mudtForm.Form.Width - c.X) : c.Width;
        const int lngWidth = c.Widens && !c.Wrap ? qBound(c.Width, lngText + lngFrame, lngRoom) : c.Width;
        const QRect objRect(c.X, c.Y, lngWidth, c.Height);
        if (udtShown.Current) objPainter.fillRect(objRect.adjusted(-2, -2, 2, 2), palette().highlight().color().lighter(170));
        objPainter.setPen(udtShown.Fits ? palette().color(QPalette::Mid) : objWrong);
        if (c.Kind == enuLayoutKind::Button || c.Kind == enuLayoutKind::Tab || c.Kind == enuLayoutKind::Frame || !udtShown.Fits)
            objPainter.drawRect(objRect.adjusted(0, 0, -1, -1));
        if (c.Kind == enuLayoutKind::CheckBox || c.Kind == enuLayoutKind::OptionButton) {
            const int lngBox = qMin(c.Height, 13);
            const QRect objBox(c.X + 2, c.Y + (c.Height - lngBox) / 2, lngBox, lngBox);
            if (c.Kind == enuLayoutKind::CheckBox) objPainter.drawRect(objBox);
            else objPainter.drawEllipse(objBox);
        }
        // The text where the control draws it, cut where the control would cut it.
        const bool booCentred = c.Kind == enuLayoutKind::Button || c.Kind == enuLayoutKind::Tab;
        const QRect objText(c.X + (booCentred ? lngFrame / 2 : lngFrame), c.Y, lngWidth - lngFrame,
                            c.Kind == enuLayoutKind::Frame ? c.RoomHeight : c.Height);
        objPainter.save();
        objPainter.setClipRect(objText);
        objPainter.setFont(FontOf(c.Font));
        objPainter.setPen(udtShown.Fits ? palette().color(QPalette::WindowText) : objWrong);
        const int lngFlags = (booCentred ? Qt::AlignHCenter : Qt::AlignLeft) | (c.Wrap ? Qt::TextWordWrap | Qt::AlignTop : Qt::AlignVCenter);
        objPainter.drawText(objText, lngFlags, strDrawn);
        objPainter.restore();
    }
}

clsFormPreview::clsFormPreview(QWidget* pobjParent) : QDockWidget(tr("Form Preview"), pobjParent)
{
    setObjectName(QStringLiteral("dckFormPreview"));
    auto* objStack = new QStackedWidget(this);
    auto* objScroll = new QScrollArea(objStack);
    mobjCanvas = new clsFormCanvas(objScroll);
    objScroll->setWidget(mobjCanvas);
    objScroll->setWidgetResizable(false);
    mlblNone = new QLabel(objStack);
    mlblNone->setObjectName(QStringLiteral("lblFormPreviewNone"));
    mlblNone->setAlignment(Qt::AlignCenter);
    mlblNone->setWordWrap(true);
    objStack->addWidget(mlblNone);
    objStack->addWidget(objScroll);
    setWidget(objStack);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool pbooVisible) {
        if (pbooVisible) ShowEditor(mfrmLast);
    });
}

void clsFormPreview::ShowEditor(const frmMessageEditor* pfrmEditor)
{
    mfrmLast = pfrmEditor;
    if (!isVisible()) return;
    frmMessageEditor::udtFormPreview udtForm;
    auto* objStack = static_cast<QStackedWidget*>(widget());
    if (pfrmEditor && pfrmEditor->PreviewForm(udtForm)) {
        const bool booNewSize = udtForm.Form.Height != mobjCanvas->Shown().Form.Height;
        mobjCanvas->Show(std::move(udtForm));
        objStack->setCurrentIndex(1);
        // Docked, as tall as the form (up to half the window), so that it shows whole.
        auto* objMain = qobject_cast<QMainWindow*>(parentWidget());
        if (booNewSize && objMain && !isFloating())
            objMain->resizeDocks({this}, {qMin(mobjCanvas->sizeHint().height() + 40, objMain->height() / 2)}, Qt::Vertical);
        return;
    }
    mlblNone->setText(!pfrmEditor || pfrmEditor->Kind() != enuFileKind::ControlText
                          ? tr("The form preview shows the forms of core.lrc.")
                          : pfrmEditor->HasLayout() ? tr("The source's layout has no form of this row.")
                                                    : tr("The source folder has no layout.json: harvest the application's forms "
                                                         "and join them into it."));
    objStack->setCurrentIndex(0);
}

}  // namespace tralyx
