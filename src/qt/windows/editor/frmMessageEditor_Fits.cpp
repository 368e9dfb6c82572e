// frmMessageEditor: will the translation fit? The source folder's layout (harvested with the
// English) measures each caption in its control's font: a row that does not fit has a warning, the
// dock says the room left as the translator types, and the form preview draws the row's form.
#include "windows/editor/frmMessageEditor.h"

#include "store/basLayoutFile.h"
#include "store/basTextStore.h"
#include "windows/editor/clsEditorStates.h"
#include "windows/editor/clsEntryBoxes.h"

namespace tralyx {

void frmMessageEditor::LoadLayout(const QString& pstrSourceFolder)
{
    mobjFits.reset();
    mstrLayoutProblem.clear();
    if (Kind() != enuFileKind::ControlText || pstrSourceFolder.isEmpty()) return;
    auto objFits = std::make_shared<clsLayoutFits>();
    if (objFits->Load(pstrSourceFolder, mstrLayoutProblem)) mobjFits = std::move(objFits);
    else if (!mstrLayoutProblem.isEmpty()) mstrLayoutProblem = tr("The form layout was not read: %1").arg(mstrLayoutProblem);
}

namespace {

// The control and index a layout names an entry's control by: "cmdDelete.0".
QString LayoutEntry(const ControlTextItem& pudtItem) { return pudtItem.ControlName + u'.' + QString::number(pudtItem.Index); }

}  // namespace

const ControlTextItem* frmMessageEditor::CurrentControlItem() const
{
    if (!mobjFits || !gobjTextStore || mlngCurrentItem < 0) return nullptr;
    const QVector<ControlTextItem>& udtTable = gobjTextStore->ControlTextTable();
    return mlngCurrentItem < udtTable.size() ? &udtTable[mlngCurrentItem] : nullptr;
}

// The caption as it is being typed, not yet committed.
QString frmMessageEditor::TypedCaption() const { return fraMessage->Text(clsEditorStates::ColumnOf(enuTextKind::Caption)); }

std::optional<udtFit> frmMessageEditor::CurrentFit() const
{
    const ControlTextItem* pudtItem = HasSource() ? CurrentControlItem() : nullptr;
    if (!pudtItem) return std::nullopt;
    return mobjFits->Fit(QString(pudtItem->FormName + u'.' + LayoutEntry(*pudtItem)), TypedCaption(), Measurer());
}

QString frmMessageEditor::FitText() const
{
    if (!mstrLayoutProblem.isEmpty()) return mstrLayoutProblem;
    const std::optional<udtFit> udtFitted = CurrentFit();
    if (!udtFitted) return QString();
    QString strText = udtFitted->Fits() ? (udtFitted->Height ? tr("fits: %1 of %2 px high") : tr("fits: %1 of %2 px"))
                                        : (udtFitted->Height ? tr("too tall: %1 of %2 px high") : tr("too wide: %1 of %2 px"));
    strText = strText.arg(udtFitted->Needed).arg(udtFitted->Room);
    if (!udtFitted->StandIn.isEmpty())
        strText += u' ' + tr("(measured in %1: %2 is not installed)").arg(udtFitted->StandIn, udtFitted->Control->Font.Family);
    return strText;
}

bool frmMessageEditor::PreviewForm(udtFormPreview& pudtOut) const
{
    pudtOut = udtFormPreview();
    const ControlTextItem* pudtCurrent = CurrentControlItem();
    if (!pudtCurrent) return false;
    const QString strForm = pudtCurrent->FormName;
    const auto itForm = std::find_if(mobjFits->Forms().begin(), mobjFits->Forms().end(),
                                     [&](const udtFormLayout& u) { return u.Form == strForm; });
    if (itForm == mobjFits->Forms().end()) return false;
    // Of each tab control, the page shown is the one of the row's control, else its first.
    const QString strCurrent = LayoutEntry(*pudtCurrent);
    QString strPage;
    for (const udtControlLayout& udtControl : itForm->Controls)
        if (udtControl.Entry == strCurrent) strPage = udtControl.Kind == enuLayoutKind::Tab ? udtControl.Entry : udtControl.Page;
    const auto Shown = [&](const QString& pstrPage) {
        if (pstrPage.isEmpty()) return true;
        const QString strTabs = pstrPage.section(u'.', 0, 0);
        return strPage.section(u'.', 0, 0) == strTabs ? pstrPage == strPage : pstrPage == strTabs + QStringLiteral(".0");
    };
    pudtOut.Form = *itForm;
    pudtOut.Form.Controls.removeIf([&](const udtControlLayout& u) { return !Shown(u.Page); });
    for (const udtControlLayout& udtControl : pudtOut.Form.Controls) pudtOut.Controls.append({&udtControl, QString(), true, false});
    for (const ControlTextItem& udtItem : gobjTextStore->ControlTextTable()) {
        if (udtItem.FormName != strForm) continue;
        const QString strEntry = LayoutEntry(udtItem);
        for (udtPreviewControl& udtShown : pudtOut.Controls) {
            if (udtShown.Layout->Entry != strEntry) continue;
            udtShown.Current = strEntry == strCurrent;
            udtShown.Text = udtShown.Current ? TypedCaption() : udtItem.Caption;
            const std::optional<udtFit> udtFitted = mobjFits->Fit(QString(strForm + u'.' + strEntry), udtShown.Text, Measurer());
            udtShown.Fits = !udtFitted || udtFitted->Fits();
        }
    }
    return true;
}

clsFontMeasurer& frmMessageEditor::Measurer() const
{
    if (!mobjMeasurer) mobjMeasurer = std::make_unique<clsFontMeasurer>();
    return *mobjMeasurer;
}

}  // namespace tralyx
