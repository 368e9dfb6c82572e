#pragma once
// The words of a translation that a spelling dictionary is asked about. What is not prose is left
// out: access-key ampersands (the "&" of "Da&tei" is dropped, the word is "Datei"), "[#!name!#]"
// markers, anything holding a digit (numbers, MSG003, MP3), entry ids and file names (frmMain.cmdOK,
// core.lrc, names with "_" or an inner capital), addresses (a "@" or "://"), and acronyms in
// capitals (OK, PDF).
#include <QString>
#include <QStringView>
#include <vector>

namespace tralyx {

struct udtSpellingWord {
    qsizetype Start = 0;   // in the text, of the word's first character
    qsizetype Length = 0;  // in the text, an access-key "&" inside the word included
    QString Word;          // without the "&"
};

std::vector<udtSpellingWord> SpellingWords(QStringView pstrText);

}  // namespace tralyx
