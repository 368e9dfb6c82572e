#pragma once
// Marks the misspelt words of a text box as one types (a red wavy underline). Only the words
// SpellingWords gives are asked about: access-key ampersands, markers, numbers and ids are no words.
#include "spelling/basSpellingWords.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <memory>
#include <vector>

namespace tralyx {

class clsSpeller;

class clsSpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit clsSpellHighlighter(QTextDocument* pobjDocument);

    // nullptr or a speller without a dictionary: nothing is marked.
    void SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller);
    clsSpeller* Speller() const { return mobjSpeller.get(); }

    // The words of pstrText that pobjSpeller does not know; none without a speller or a dictionary.
    // The one-line box and the context menus ask the same question.
    static std::vector<udtSpellingWord> Misspelt(const clsSpeller* pobjSpeller, QStringView pstrText);
    static QTextCharFormat MisspeltFormat();

protected:
    void highlightBlock(const QString& pstrText) override;

private:
    std::shared_ptr<clsSpeller> mobjSpeller;
};

}  // namespace tralyx
