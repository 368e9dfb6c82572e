#pragma once
// Marks the misspelt words of a text box as one types (a red wavy underline). Only the words
// SpellingWords gives are asked about: access-key ampersands, markers, numbers and ids are no words.
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <memory>

namespace tralyx {

class clsSpeller;

class clsSpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit clsSpellHighlighter(QTextDocument* pobjDocument);

    // nullptr or a speller without a dictionary: nothing is marked.
    void SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller);
    clsSpeller* Speller() const { return mobjSpeller.get(); }

    // How a misspelt word is marked, in this box and in the one-line box.
    static QTextCharFormat MisspeltFormat();

protected:
    void highlightBlock(const QString& pstrText) override;

private:
    std::shared_ptr<clsSpeller> mobjSpeller;
};

}  // namespace tralyx
