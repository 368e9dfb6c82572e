#pragma once
// A language and its source language compiled into one file beside the three (language.tralyx),
// what a .qm is to a .ts: `tralyx-lrc compile` writes it after every check a load makes, and a load
// maps it instead of reading and checking the text files, as long as it matches them.
//
// The file (little-endian, every table 4-byte aligned): a header with the file's own size, so that
// a cut file is refused at once; the code page and a stamp of each .lrc file it came from (size,
// time and SHA-1; a load compares size and time); the control texts in an open-addressed table by a
// hash of the key and index; the messages and texts by number; every text as UTF-16 ready to copy.
// The source language's texts are merged in where the language's are empty or missing, as a load of
// the text files gives them. Every offset is checked before it is used: a damaged file is refused,
// or gives an empty text, never a crash.
#include "runtime/udtFoundTexts.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

namespace tralyx {

struct udtLoadedLanguages;

class clsCompiledLanguage {
public:
    static QString FileName();  // "language.tralyx"

    // The compiled bytes of a loaded language (pudtLoaded, from pstrFolder and pstrSourceFolder, empty
    // for none), stamped with the files of both folders as they are now.
    static QByteArray Compile(const udtLoadedLanguages& pudtLoaded, const QString& pstrFolder, const QString& pstrSourceFolder,
                              const QString& pstrCodePage);

    // Maps pstrFolder's compiled file. True when it is sound and made from the .lrc files the two
    // folders hold now, in that code page. False otherwise, with the reason in pstrWhy (empty when
    // the folder has no compiled file): the text files are then to be read.
    bool Open(const QString& pstrFolder, const QString& pstrSourceFolder, const QString& pstrCodePage, QString& pstrWhy);

    bool Find(QStringView pstrForm, QStringView pstrControl, uint8_t pbytIndex, udtFoundTexts& pudtOut) const;
    QString MessageText(int plngId) const;
    QString MessageTitle(int plngId) const;
    QString Text(int plngId) const;

private:
    struct udtRef {
        uint32_t Offset = 0;  // in UTF-16 units from the strings' start
        uint32_t Size = 0;
    };
    QString StringAt(const udtRef& pudtRef) const;
    QStringView ViewAt(const udtRef& pudtRef) const;
    const uchar* At(uint32_t plngOffset) const { return mbytData + plngOffset; }

    std::unique_ptr<QFile> mobjFile;  // mapped, or read into mbytOwned where it cannot be
    QByteArray mbytOwned;
    const uchar* mbytData = nullptr;
    uint32_t mlngSize = 0;
    uint32_t mlngEntries = 0, mlngBuckets = 0, mlngBucketsAt = 0, mlngEntriesAt = 0;
    uint32_t mlngMessages = 0, mlngMessagesAt = 0, mlngTexts = 0, mlngTextsAt = 0;
    uint32_t mlngStringsAt = 0, mlngStringUnits = 0;
};

}  // namespace tralyx
