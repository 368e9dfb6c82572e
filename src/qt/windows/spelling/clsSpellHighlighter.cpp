#include "windows/spelling/clsSpellHighlighter.h"

#include "spelling/clsSpeller.h"

namespace tralyx {

clsSpellHighlighter::clsSpellHighlighter(QTextDocument* pobjDocument) : QSyntaxHighlighter(pobjDocument)
{
    setObjectName(QStringLiteral("hilSpelling"));
}

void clsSpellHighlighter::SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller)
{
    mobjSpeller = std::move(pobjSpeller);
    rehighlight();
}

std::vector<udtSpellingWord> clsSpellHighlighter::Misspelt(const clsSpeller* pobjSpeller, QStringView pstrText)
{
    std::vector<udtSpellingWord> udtWrong;
    if (!pobjSpeller || !pobjSpeller->IsValid()) return udtWrong;
    for (udtSpellingWord& udtWord : SpellingWords(pstrText))
        if (!pobjSpeller->Check(udtWord.Word)) udtWrong.push_back(std::move(udtWord));
    return udtWrong;
}

QTextCharFormat clsSpellHighlighter::MisspeltFormat()
{
    QTextCharFormat objWrong;
    objWrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    objWrong.setUnderlineColor(Qt::red);
    return objWrong;
}

void clsSpellHighlighter::highlightBlock(const QString& pstrText)
{
    const QTextCharFormat objWrong = MisspeltFormat();
    for (const udtSpellingWord& udtWord : Misspelt(mobjSpeller.get(), pstrText))
        setFormat(int(udtWord.Start), int(udtWord.Length), objWrong);
}

}  // namespace tralyx
