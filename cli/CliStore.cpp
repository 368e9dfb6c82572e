#include "CliStore.h"

#include "common/basFileSystem.h"
#include "common/FileFunctions.h"
#include "exchange/basLanguageFolder.h"
#include "memory/clsTranslationMemory.h"
#include "store/basSourceFolder.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace tralyx::cli {

QString UnknownKindReason(const QString& pstrPath)
{
    return Lrc::tr("cannot tell the kind of file from the name '%1'; expected core.lrc, messages.lrc or "
                          "secondary.lrc, or give --kind core|messages|secondary")
        .arg(GetFileName(pstrPath, true));
}

QString IssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue)
{
    if (pudtIssue.Line > 0) return QStringLiteral("%1:%2: %3").arg(pstrFileName, QString::number(pudtIssue.Line), pudtIssue.Reason);
    if (pudtIssue.Reason.startsWith(pstrFileName + u' '))
        return pstrFileName + u':' + pudtIssue.Reason.mid(pstrFileName.size());
    return pstrFileName + QStringLiteral(": ") + pudtIssue.Reason;
}

QString TerminalText(const QString& pstrText)
{
    const auto IsControl = [](char16_t u) { return (u < 0x20 && u != u'\n' && u != u'\t') || (u >= 0x7F && u < 0xA0); };
    if (std::none_of(pstrText.cbegin(), pstrText.cend(), [&](QChar c) { return IsControl(c.unicode()); })) return pstrText;
    QString strOut;
    for (const QChar c : pstrText) {
        const char16_t u = c.unicode();
        if (!IsControl(u)) strOut += c;
        else if (u < 0x80) strOut += QStringLiteral("\\x%1").arg(unsigned(u), 2, 16, QChar(u'0'));
        else strOut += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QChar(u'0'));
    }
    return strOut;
}

bool WritesOverInput(const QString& pstrOut, const QStringList& pstrInputs)
{
    QStringList strFiles;
    for (const QString& strInput : pstrInputs) {
        strFiles.append(strInput);
        for (const enuFileKind enuFile : AllFileKinds) strFiles.append(FindLanguageFile(strInput, enuFile));
        strFiles.append(clsTranslationState::PathIn(strInput));  // read beside them
    }
    for (const QString& strFile : strFiles)
        if (!strFile.isEmpty() && fs::SameFile(pstrOut, strFile)) {
            PrintError(Lrc::tr("%1: is %2 itself, which the command reads; nothing was written").arg(pstrOut, strFile));
            return true;
        }
    return false;
}

namespace {
void Print(std::FILE* pobjStream, const QString& pstrLine)
{
    const QByteArray bytLine = (TerminalText(pstrLine) + u'\n').toUtf8();
    std::fwrite(bytLine.constData(), 1, static_cast<size_t>(bytLine.size()), pobjStream);
}
}  // namespace

void PrintOutput(const QString& pstrLine) { Print(stdout, pstrLine); }
void PrintError(const QString& pstrLine) { Print(stderr, pstrLine); }

QString SourceFolderFor(const QString& pstrFolder, const QString& pstrGiven)
{
    if (!QFileInfo(pstrFolder).isDir()) {
        PrintError(Lrc::tr("%1: not a folder").arg(pstrFolder));
        return QString();
    }
    const QString strSource = pstrGiven.isEmpty() ? FindSourceFolder(pstrFolder) : pstrGiven;
    if (strSource.isEmpty() || !QFileInfo(strSource).isDir()) {
        PrintError(strSource.isEmpty()
                       ? Lrc::tr("%1: no source folder (no sibling folder named English); give --source DIR").arg(pstrFolder)
                       : Lrc::tr("%1: not a folder").arg(strSource));
        return QString();
    }
    return strSource;
}

bool LoadMemory(clsTranslationMemory& pobjMemory, const QStringList& pstrPaths, const QString& pstrCodePage)
{
    bool booAll = true;
    for (const QString& strPath : pstrPaths) {
        QString strError;
        if (!pobjMemory.AddPath(strPath, pstrCodePage, strError)) {
            PrintError(strError);
            booAll = false;
        }
    }
    return booAll;
}

bool LoadFolderPair(const QString& pstrSource, const QString& pstrFolder, const QString& pstrCodePage,
                    udtLanguageFolder& pudtSource, udtLanguageFolder& pudtTranslation)
{
    QStringList strErrors;
    LoadLanguageFolder(pstrSource, pstrCodePage, pudtSource, strErrors);
    LoadLanguageFolder(pstrFolder, pstrCodePage, pudtTranslation, strErrors);
    for (const QString& strLine : std::as_const(strErrors)) PrintError(strLine);
    return strErrors.isEmpty();
}

}  // namespace tralyx::cli
