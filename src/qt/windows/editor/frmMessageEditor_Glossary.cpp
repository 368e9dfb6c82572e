// frmMessageEditor: the glossary's help. The terms of the selected row's source, each of them a key
// away from the box being typed in, and the glossary rule on every row.
#include "windows/editor/frmMessageEditor.h"

#include "store/basTextStore.h"
#include "windows/editor/basTextBox.h"
#include "windows/editor/clsEditorStates.h"
#include "windows/editor/clsEntryBoxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

namespace tralyx {

void frmMessageEditor::SetGlossary(std::shared_ptr<const clsGlossary> pobjGlossary)
{
    if (pobjGlossary == mobjGlossary) return;
    mobjGlossary = std::move(pobjGlossary);
    RefreshWork();  // the rule runs on every row again
}

std::vector<udtGlossaryTerm> frmMessageEditor::RowTerms() const
{
    std::vector<udtGlossaryTerm> udtOut;
    if (!mobjGlossary || !HasSource() || !gobjTextStore || mlngCurrentItem < 0) return udtOut;
    std::vector<int32_t> lngTaken;
    for (const enuTextKind enuText : clsEditorStates::RowTextKinds(Kind()))
        for (const udtEntryText& udtText : mobjSource.Rows()->Texts(*gobjTextStore, mlngCurrentItem)) {
            if (udtText.Kind != enuText || udtText.Obsolete()) continue;
            for (const udtGlossaryHit& udtHit : mobjGlossary->Find(udtText.Source)) {
                if (std::find(lngTaken.begin(), lngTaken.end(), udtHit.Term) != lngTaken.end()) continue;
                if (int32_t(udtOut.size()) == MaxRowTerms) return udtOut;
                lngTaken.push_back(udtHit.Term);
                udtOut.push_back(mobjGlossary->Terms()[size_t(udtHit.Term)]);
            }
        }
    return udtOut;
}

bool frmMessageEditor::UseTerm(int32_t plngNumber)
{
    const std::vector<udtGlossaryTerm> udtTerms = RowTerms();
    if (plngNumber < 1 || plngNumber > int32_t(udtTerms.size())) return false;
    // The box being typed in, else the row's first that can take it.
    QWidget* objBox = nullptr;
    for (const enuTextKind enuText : clsEditorStates::RowTextKinds(Kind())) {
        QWidget* objCandidate = fraMessage->Box(clsEditorStates::ColumnOf(enuText));
        if (!objCandidate || IsReadOnlyTextBox(objCandidate) || !objCandidate->isVisible()) continue;
        if (!objBox || objCandidate == QApplication::focusWidget()) objBox = objCandidate;
    }
    if (!objBox) return false;
    // Typed at the cursor: the box reports the change, and its own undo takes it back.
    const QString& strTerm = udtTerms[size_t(plngNumber - 1)].Translations.front();
    if (auto* txtLine = qobject_cast<QLineEdit*>(objBox)) txtLine->insert(strTerm);
    else if (auto* txtPlain = qobject_cast<QPlainTextEdit*>(objBox)) txtPlain->insertPlainText(strTerm);
    else if (auto* txtRich = qobject_cast<QTextEdit*>(objBox)) txtRich->insertPlainText(strTerm);
    objBox->setFocus();
    return true;
}

}  // namespace tralyx
