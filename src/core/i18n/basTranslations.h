#pragma once
// The programs in the user's language (the editor, tralyx-lrc): their own texts, from the
// translations compiled into them, and Qt's (standard buttons), from the system's Qt translations
// where they are installed. Without a translation every text is the English it is written in.
#include <QStringList>

namespace tralyx {

// Installs the translation of the first of the user's languages, in the order of preference
// (QLocale::system().uiLanguages(), from LANGUAGE, LC_ALL, LC_MESSAGES and LANG), that the program
// has, replacing any installed before. English or "C" before any of them means English, the
// program's own; so does a list without a language the program has. True when one was installed.
bool InstallTranslations(const QStringList& pstrUiLanguages);

// The user's languages in the order of preference, as QLocale::system().uiLanguages() gives them,
// except that LC_ALL=C (or C.UTF-8, POSIX) means {"C"} whatever LANGUAGE says: LC_ALL overrides
// every other setting, so a script that sets it gets the English it expects.
QStringList SystemUiLanguages();

// Back to the English texts.
void RemoveTranslations();

}  // namespace tralyx
