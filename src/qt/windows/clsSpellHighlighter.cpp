#include "windows/clsSpellHighlighter.h"

#include "spelling/basSpellingWords.h"
#include "spelling/clsSpeller.h"

#include <QTextCharFormat>

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

void clsSpellHighlighter::highlightBlock(const QString& pstrText)
{
    if (!mobjSpeller || !mobjSpeller->IsValid()) return;
    QTextCharFormat objWrong;
    objWrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    objWrong.setUnderlineColor(Qt::red);
    for (const udtSpellingWord& udtWord : SpellingWords(pstrText))
        if (!mobjSpeller->Check(udtWord.Word)) setFormat(int(udtWord.Start), int(udtWord.Length), objWrong);
}

}  // namespace tralyx
