// Applying the stored captions and tool-tips to a form's controls.
#include "common/clsRuntimeError.h"
#include "runtime/basApplyFormText.h"
#include "store/clsTralyx.h"

#include <QHash>

namespace tralyx {

// A record's key within its form.
struct udtControlKey {
    QString Control;
    uint8_t Index = 0;
    bool operator==(const udtControlKey&) const = default;
};

size_t qHash(const udtControlKey& pudtKey, size_t plngSeed = 0) noexcept
{
    return qHashMulti(plngSeed, pudtKey.Control, pudtKey.Index);
}

// Each form's records by control name and index, holding the position of the first record with
// that key: the one a scan of the table would stop at.
class clsFormTextIndex {
public:
    using FormEntries = QHash<udtControlKey, qsizetype>;

    explicit clsFormTextIndex(const QVector<ControlTextItem>& pudtTable)
    {
        // From the end, so that an earlier record with the same key replaces a later one.
        for (qsizetype i = pudtTable.size() - 1; i >= 0; --i) {
            const ControlTextItem& udtItem = pudtTable[i];
            mobjForms[udtItem.FormName].insert(udtControlKey{udtItem.ControlName, udtItem.Index}, i);
        }
    }
    const FormEntries* Form(const QString& pstrForm) const
    {
        const auto objFound = mobjForms.constFind(pstrForm);
        return objFound == mobjForms.cend() ? nullptr : &*objFound;
    }
    static const qsizetype* Find(const FormEntries* pobjForm, const QString& pstrControl, uint8_t pbytIndex)
    {
        if (!pobjForm) return nullptr;
        const auto objFound = pobjForm->constFind(udtControlKey{pstrControl, pbytIndex});
        return objFound == pobjForm->cend() ? nullptr : &*objFound;
    }

private:
    QHash<QString, FormEntries> mobjForms;
};

std::shared_ptr<const clsFormTextIndex> clsFormTextCache::Get(const QVector<ControlTextItem>& pudtTable) const
{
    const std::lock_guard objGuard(mobjLock);
    if (!mobjIndex) mobjIndex = std::make_shared<const clsFormTextIndex>(pudtTable);
    return mobjIndex;
}

void clsTralyx::SetControlText(clsForm& pfrmContainingForm, clsControl& pctlControlName, uint8_t pbytIndex,
                               bool pbooResizeControlToFit) const
{
    if (mudtControlText.isEmpty()) throw clsSubscriptOutOfRange("the control text has not been loaded");
    if (mudtControlText.size() > MaxRecords)
        throw clsOverflow("the control text has more than 32767 entries");

    const std::shared_ptr<const clsFormTextIndex> objIndex = mobjFormTextIndex.Get(mudtControlText);
    const qsizetype* plngRecord =
        clsFormTextIndex::Find(objIndex->Form(pfrmContainingForm.Name()), pctlControlName.Name(), pbytIndex);
    if (!plngRecord) return;
    const ControlTextItem& udtItem = mudtControlText[*plngRecord];
    ApplyControlTexts(pfrmContainingForm, pctlControlName, {udtItem.Caption, udtItem.ToolTip}, pbooResizeControlToFit);
}

void clsTralyx::SetFormText(clsForm& pfrmPassedForm) const
{
    // Nothing loaded: every lookup would fail, so the form is left alone without walking it.
    if (mudtControlText.isEmpty()) return;
    // The form is looked up once. Without entries for it (or an oversized table, or a name that
    // cannot be read) the controls are still walked, as a per-control lookup would, and keep their text.
    std::shared_ptr<const clsFormTextIndex> objIndex;
    const clsFormTextIndex::FormEntries* pobjForm = nullptr;
    if (mudtControlText.size() <= MaxRecords) {
        objIndex = mobjFormTextIndex.Get(mudtControlText);
        try {
            pobjForm = objIndex->Form(pfrmPassedForm.Name());
        } catch (const clsRuntimeError&) {
        }
    }
    ApplyFormText(pfrmPassedForm, [&](const QString& pstrControl, uint8_t pbytIndex, udtControlTexts& pudtOut) {
        const qsizetype* plngRecord = clsFormTextIndex::Find(pobjForm, pstrControl, pbytIndex);
        if (!plngRecord) return false;
        pudtOut = {mudtControlText[*plngRecord].Caption, mudtControlText[*plngRecord].ToolTip};
        return true;
    });
}

void clsTralyx::GetFormDimensions(clsForm&) const {}

}  // namespace tralyx
