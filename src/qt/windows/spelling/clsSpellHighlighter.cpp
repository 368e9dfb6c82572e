#include "windows/spelling/clsSpellHighlighter.h"

#include "spelling/basMisspeltWords.h"

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
    for (const udtSpellingWord& udtWord : MisspeltWords(mobjSpeller.get(), pstrText))
        setFormat(int(udtWord.Start), int(udtWord.Length), objWrong);
}

}  // namespace tralyx
