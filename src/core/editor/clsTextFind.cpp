#include "editor/clsTextFind.h"

namespace tralyx {

clsTextFind::clsTextFind(const QString& pstrText, bool pbooMatchCase, bool pbooWholeWord)
    : mstrText(pstrText), menuCase(pbooMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive), mbooWholeWord(pbooWholeWord)
{
    if (mbooWholeWord && !mstrText.isEmpty()) {
        // Lookarounds rather than \b: a text that starts or ends with punctuation is still a word.
        mobjWord.setPattern(QStringLiteral("(?<![\\w])") + QRegularExpression::escape(mstrText) + QStringLiteral("(?![\\w])"));
        QRegularExpression::PatternOptions enuOptions = QRegularExpression::UseUnicodePropertiesOption;
        if (!pbooMatchCase) enuOptions |= QRegularExpression::CaseInsensitiveOption;
        mobjWord.setPatternOptions(enuOptions);
    }
}

bool clsTextFind::Matches(const QString& pstrIn) const
{
    if (mstrText.isEmpty()) return false;
    // The plain search first: most texts do not hold the text at all.
    if (!pstrIn.contains(mstrText, menuCase)) return false;
    return !mbooWholeWord || pstrIn.contains(mobjWord);
}

qsizetype clsTextFind::IndexIn(const QString& pstrIn, qsizetype* plngLength) const
{
    if (!Matches(pstrIn)) return -1;
    if (!mbooWholeWord) {
        *plngLength = mstrText.size();
        return pstrIn.indexOf(mstrText, 0, menuCase);
    }
    const QRegularExpressionMatch objMatch = mobjWord.match(pstrIn);
    *plngLength = objMatch.capturedLength();
    return objMatch.capturedStart();
}

QString clsTextFind::Replaced(const QString& pstrIn, const QString& pstrBy) const
{
    if (!Matches(pstrIn)) return pstrIn;
    QString strOut = pstrIn;
    if (!mbooWholeWord) return strOut.replace(mstrText, pstrBy, menuCase);
    // The pattern captures nothing, so a "\1" in the replacement stays as typed.
    return strOut.replace(mobjWord, pstrBy);
}

}  // namespace tralyx
