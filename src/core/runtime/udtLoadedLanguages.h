#pragma once
// The languages one Translation::load made: the language and its source, never changed afterwards.
#include "runtime/clsCompiledLanguage.h"
#include "runtime/clsLanguageFolder.h"
#include "runtime/udtFoundTexts.h"

#include <memory>

namespace tralyx {

struct udtLoadedLanguages {
    clsLanguageFolder Language;
    clsLanguageFolder Source;  // not loaded when there is no source language
    // Both compiled into one file, in place of the two above (which then stay unloaded).
    std::unique_ptr<clsCompiledLanguage> Compiled;
    QString Folder, SourceFolder, CodePage;  // as the load was given them; SourceFolder empty for none
    uint64_t Serial = 0;  // this load's number in the process, which apply() marks what it reached with

    // The texts of a control of a form, from whichever of the above holds the languages.
    bool FindControl(QStringView pstrForm, QStringView pstrControl, uint8_t pbytIndex, udtFoundTexts& pudtOut) const;

    // The texts of the entry of that key (Language.EntryKey: both folders share the code page) and
    // index: each one the language's, or the source's where the language's is empty or has no line;
    // false when neither language has the entry.
    bool Find(QByteArrayView pbytKey, uint8_t pbytIndex, udtFoundTexts& pudtOut) const;

    // Position plngId - 1 of the message table or the text table: the language's text, or the
    // source's where the language's is empty or missing.
    QString MessageText(int plngId) const;
    QString MessageTitle(int plngId) const;
    QString Text(int plngId) const;
};

// Reads the text files of a language and its source (pstrSourceFolder, empty for none) into pudtOut,
// with every check Translation::load makes of them; what `tralyx-lrc compile` compiles.
bool LoadLanguages(const QString& pstrFolder, const QString& pstrSourceFolder, const QString& pstrCodePage,
                   udtLoadedLanguages& pudtOut, QString& pstrError, QStringList& pstrWarnings);

}  // namespace tralyx
