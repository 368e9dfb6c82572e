#pragma once
// A text to find in the translations, with match case and whole word, and its replacement.
#include <QRegularExpression>
#include <QString>

namespace tralyx {

class clsTextFind {
public:
    clsTextFind(const QString& pstrText, bool pbooMatchCase, bool pbooWholeWord);

    bool IsEmpty() const { return mstrText.isEmpty(); }
    const QString& Text() const { return mstrText; }
    bool Matches(const QString& pstrIn) const;
    // Where the first match in pstrIn starts (-1: none); its length in *plngLength.
    qsizetype IndexIn(const QString& pstrIn, qsizetype* plngLength) const;
    // Every match in pstrIn replaced by pstrBy, taken literally.
    QString Replaced(const QString& pstrIn, const QString& pstrBy) const;

private:
    QString mstrText;
    Qt::CaseSensitivity menuCase;
    bool mbooWholeWord;
    QRegularExpression mobjWord;  // the text between non-word characters
};

}  // namespace tralyx
