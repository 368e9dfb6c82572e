#include "common/basShortened.h"

namespace tralyx {

QString Shortened(QStringView pstrText, qsizetype plngMaxChars)
{
    qsizetype lngEnd = pstrText.size();
    for (qsizetype i = 0; i < pstrText.size(); ++i)
        if (pstrText[i] == u'\r' || pstrText[i] == u'\n') {
            lngEnd = i;
            break;
        }
    const bool booCut = lngEnd < pstrText.size() || pstrText.size() > plngMaxChars;
    const QString strOut = pstrText.left(std::min(lngEnd, plngMaxChars)).toString();
    return booCut ? strOut + QStringLiteral("...") : strOut;
}

QString Shortened(const QString& pstrText, qsizetype plngMaxChars)
{
    if (pstrText.size() <= plngMaxChars && !pstrText.contains(u'\r') && !pstrText.contains(u'\n')) return pstrText;
    return Shortened(QStringView(pstrText), plngMaxChars);
}

}  // namespace tralyx
