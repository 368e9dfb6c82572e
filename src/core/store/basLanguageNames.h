#pragma once
// Language folders as translators name and lay them out: the files of a folder in any letter case,
// the language a folder's name says, the language folders of a root.
#include "store/basFileKind.h"

#include <QString>
#include <QStringList>

namespace tralyx {

// Whatever stands under that name in the folder, in any letter case (core.lrc, Core.LRC): a file, or
// a folder, a FIFO or a dangling link, which its load then names; empty when nothing does.
QString FindLanguageFile(const QString& pstrFolder, enuFileKind penuFile);

// The language a folder's name says, as translators name their folders (any case): a language's
// name in English or in itself ("German", "Deutsch": de), with its country ("Portuguese (Brazil)":
// pt_BR), a locale code ("pt-BR", "zh_CN") or one of a few names Qt's locale data does not have
// ("Norwegian", "Norsk": nb; "Chinese (Simplified)": zh_CN). Empty when it says none of these.
QString LanguageCodeOfFolder(const QString& pstrFolder);

// The folders directly under pstrRoot that hold a language file (core.lrc, messages.lrc or
// secondary.lrc, in any case), sorted by name.
QStringList LanguageFoldersUnder(const QString& pstrRoot);

// A language code's name in the language itself: "Deutsch" for de, "português (Brasil)" for pt_BR;
// empty for a code Qt does not know.
QString LanguageNameInItself(const QString& pstrCode);

}  // namespace tralyx
