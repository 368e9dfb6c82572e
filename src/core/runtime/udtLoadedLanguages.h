#pragma once
// The languages one Translation::load made: the language and its source, never changed afterwards.
#include "runtime/basApplyFormText.h"
#include "runtime/clsLanguageFolder.h"

namespace tralyx {

// An entry's texts as apply() puts them on a widget, and which of them an entry has a line for.
struct udtFoundTexts {
    udtControlTexts Texts;
    bool HasCaption = false;
    bool HasToolTip = false;
};

struct udtLoadedLanguages {
    clsLanguageFolder Language;
    clsLanguageFolder Source;  // not loaded when there is no source language

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

}  // namespace tralyx
