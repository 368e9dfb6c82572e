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

std::optional<udtFit> frmMessageEditor::CurrentFit() const
{
    if (!mobjFits || !HasSource() || !gobjTextStore || mlngCurrentItem < 0) return std::nullopt;
    const QVector<ControlTextItem>& udtTable = gobjTextStore->ControlTextTable();
    if (mlngCurrentItem >= udtTable.size()) return std::nullopt;
    const ControlTextItem& udtItem = udtTable[mlngCurrentItem];
    const QString strPath = udtItem.FormName + u'.' + udtItem.ControlName + u'.' + QString::number(udtItem.Index);
    // The caption as it is being typed, not yet committed.
    return mobjFits->Fit(strPath, fraMessage->Text(clsEditorStates::ColumnOf(enuTextKind::Caption)), Measurer());
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
    if (!mobjFits || !gobjTextStore || mlngCurrentItem < 0) return false;
    const QVector<ControlTextItem>& udtTable = gobjTextStore->ControlTextTable();
    if (mlngCurrentItem >= udtTable.size()) return false;
    const QString strForm = udtTable[mlngCurrentItem].FormName;
    const auto itForm = std::find_if(mobjFits->Forms().begin(), mobjFits->Forms().end(),
                                     [&](const udtFormLayout& u) { return u.Form == strForm; });
    if (itForm == mobjFits->Forms().end()) return false;
    pudtOut.Form = *itForm;
    for (const udtControlLayout& udtControl : itForm->Controls) pudtOut.Controls.append({&udtControl, QString(), true, false});
    const QString strCurrent = udtTable[mlngCurrentItem].ControlName + u'.' + QString::number(udtTable[mlngCurrentItem].Index);
    for (qsizetype i = 0; i < udtTable.size(); ++i) {
        const ControlTextItem& udtItem = udtTable[i];
        if (udtItem.FormName != strForm) continue;
        const QString strEntry = udtItem.ControlName + u'.' + QString::number(udtItem.Index);
        for (udtPreviewControl& udtShown : pudtOut.Controls) {
            if (udtShown.Layout->Entry != strEntry) continue;
            // The current row as it is being typed.
            udtShown.Current = strEntry == strCurrent;
            udtShown.Text = udtShown.Current ? fraMessage->Text(clsEditorStates::ColumnOf(enuTextKind::Caption)) : udtItem.Caption;
            const std::optional<udtFit> udtFitted = mobjFits->Fit(strForm + u'.' + strEntry, udtShown.Text, Measurer());
            udtShown.Fits = !udtFitted || udtFitted->Fits();
        }
    }
    // Each pointer is into the copy of the form. Of each tab control, the page shown is the one of
    // the row's control, else its first.
    QString strPage;
    for (const udtControlLayout& udtControl : itForm->Controls)
        if (udtControl.Entry == strCurrent) strPage = udtControl.Kind == enuLayoutKind::Tab ? udtControl.Entry : udtControl.Page;
    const auto Shown = [&](const QString& pstrPage) {
        if (pstrPage.isEmpty()) return true;
        const QString strTabs = pstrPage.section(u'.', 0, 0);
        return strPage.section(u'.', 0, 0) == strTabs ? pstrPage == strPage : pstrPage == strTabs + QStringLiteral(".0");
    };
    for (qsizetype i = pudtOut.Controls.size() - 1; i >= 0; --i) {
        if (Shown(itForm->Controls[i].Page)) continue;
        pudtOut.Controls.removeAt(i);
        pudtOut.Form.Controls.removeAt(i);
    }
    for (qsizetype i = 0; i < pudtOut.Controls.size(); ++i) pudtOut.Controls[i].Layout = &pudtOut.Form.Controls[i];
    return true;
}

clsFontMeasurer& frmMessageEditor::Measurer() const
{
    if (!mobjMeasurer) mobjMeasurer = std::make_unique<clsFontMeasurer>();
    return *mobjMeasurer;
}

}  // namespace tralyx
