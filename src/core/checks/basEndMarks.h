#pragma once
// How a language ends a sentence, for the punctuation rule: the marks a translation may end with
// where its source ends with ".", "?", "!", ":" or "..." ("…"). Most languages write the source's
// marks; a table (basEndMarks.cpp) lists those that write others: Greek ";" for "?", Spanish
// "¿…?", the full-width marks of Japanese and Chinese, Arabic "؟", the danda of Hindi, ...
#include <QString>
#include <QStringView>

namespace tralyx {

struct udtEndMarks;

// The marks of a language code ("el", "fr_CA" and "pt-BR" by their language part, any case). A
// language the table does not list writes the common marks or their full-width forms; an empty
// code (the language is not known) accepts the marks of every language.
const udtEndMarks* EndMarksOf(QStringView pstrLanguage);

// What is wrong with the end of the translation, or an empty string: the source ends with one of
// those marks (before blanks and closing quotes or brackets) and the translation with another or
// none, as the language writes it. pudtMarks null: every language's marks.
QString EndPunctuationProblem(QStringView pstrSource, QStringView pstrTranslation, const udtEndMarks* pudtMarks);

}  // namespace tralyx
