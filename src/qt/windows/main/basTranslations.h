#pragma once
// The editor in the user's language: its own texts, from the translations compiled into the
// program, and Qt's (standard buttons), from the system's Qt translations where they are installed.
// Without a translation every text is the English it is written in.
#include <QStringList>

namespace tralyx {

// Installs the translation of the first of the user's languages, in the order of preference
// (QLocale::system().uiLanguages(), from LANGUAGE, LC_ALL, LC_MESSAGES and LANG), that the program
// has, replacing any installed before. English or "C" before any of them means English, the
// program's own; so does a list without a language the program has. True when one was installed.
bool InstallTranslations(const QStringList& pstrUiLanguages);

// Back to the English texts.
void RemoveTranslations();

}  // namespace tralyx
