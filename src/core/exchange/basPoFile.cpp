// PO written through GNU gettext's libgettextpo: what we write is what msgcat, msgfmt and the PO
// editors expect. It is read by our own reader (basPoReader.cpp).
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <csetjmp>
#include <gettext-po.h>
#include <mutex>

namespace tralyx {
namespace {

// libgettextpo reports through callbacks, and a fatal error must not return to it: the handler
// jumps back to the call that started the write.
struct udtPoErrors {
    QStringList Errors;
    std::jmp_buf* Fatal = nullptr;
};
thread_local udtPoErrors gudtPoErrors;

void PoError(int pintSeverity, po_message_t, const char* pstrFile, size_t plngLine, size_t, int, const char* pstrText)
{
    if (pintSeverity != PO_SEVERITY_WARNING) {
        QString strText = QString::fromUtf8(pstrText).trimmed();
        if (pstrFile && plngLine != static_cast<size_t>(-1)) strText = QCoreApplication::translate("basPoFile", "line %1: %2").arg(plngLine).arg(strText);
        gudtPoErrors.Errors.append(strText);
    }
    if (pintSeverity == PO_SEVERITY_FATAL_ERROR && gudtPoErrors.Fatal) std::longjmp(*gudtPoErrors.Fatal, 1);
}

void PoError2(int pintSeverity, po_message_t pobjMessage1, const char* pstrFile1, size_t plngLine1, size_t plngColumn1,
              int pintMultiline1, const char* pstrText1, po_message_t, const char*, size_t, size_t, int, const char*)
{
    PoError(pintSeverity, pobjMessage1, pstrFile1, plngLine1, plngColumn1, pintMultiline1, pstrText1);
}

const po_xerror_handler gudtHandler = {PoError, PoError2};

// libgettextpo's writer keeps its state in globals: one write at a time in
// this process (an editor or a test may export from two threads).
std::mutex gobjPoCalls;

// The call that may end in a fatal error, with the jump target set around it.
bool GuardedWrite(po_file_t pobjFile, const char* pstrPath)
{
    const std::lock_guard objOneAtATime(gobjPoCalls);
    std::jmp_buf udtFatal;
    gudtPoErrors.Fatal = &udtFatal;
    if (setjmp(udtFatal) != 0) {
        gudtPoErrors.Fatal = nullptr;
        return false;
    }
    const bool booWritten = po_file_write(pobjFile, pstrPath, &gudtHandler) != nullptr;
    gudtPoErrors.Fatal = nullptr;
    return booWritten;
}

// A translator's comment as libgettextpo takes it: one "# " line per line.
QByteArray PoComment(const QString& pstrNote)
{
    QString strNote = pstrNote;
    strNote.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n")).replace(u'\r', u'\n');
    return strNote.toUtf8();
}

}  // namespace

bool WritePo(const udtExchangeDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason)
{
    QTemporaryDir objDir;
    if (!objDir.isValid()) {
        pstrReason = QCoreApplication::translate("basPoFile", "cannot make a temporary folder: %1").arg(objDir.errorString());
        return false;
    }
    const QByteArray bytPath = QFile::encodeName(objDir.filePath(QStringLiteral("out.po")));
    // libgettextpo takes C strings: a text would be cut at its first NUL.
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        if (udtEntry.Source.contains(QChar(0)) || udtEntry.Translation.contains(QChar(0)) || udtEntry.Key.contains(QChar(0))) {
            pstrReason = QCoreApplication::translate("basPoFile", "%1 %2: the text holds a NUL character, which PO cannot carry").arg(udtEntry.FileName, udtEntry.Id);
            return false;
        }
    }
    po_file_t objFile = po_file_create();
    po_message_iterator_t objIterator = po_message_iterator(objFile, nullptr);
    const QString strHeader = QStringLiteral(
                                  "Project-Id-Version: tralyx-lrc export\n"
                                  "PO-Revision-Date: %3\n"
                                  "Last-Translator: \n"
                                  "Language-Team: \n"
                                  "Language: %1\n"
                                  "MIME-Version: 1.0\n"
                                  "Content-Type: text/plain; charset=UTF-8\n"
                                  "Content-Transfer-Encoding: 8bit\n"
                                  "X-Source-Language: %2\n"
                                  "X-Generator: tralyx-lrc\n")
                                  .arg(pudtDocument.TargetLanguage, pudtDocument.SourceLanguage,
                                       QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm+0000")));
    po_message_t objHeader = po_message_create();
    po_message_set_msgid(objHeader, "");
    po_message_set_msgstr(objHeader, strHeader.toUtf8().constData());
    po_message_insert(objIterator, objHeader);
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        po_message_t objMessage = po_message_create();
        po_message_set_msgctxt(objMessage, ExchangeContext(udtEntry.FileName, udtEntry.Key).toUtf8().constData());
        po_message_set_msgid(objMessage, udtEntry.Source.toUtf8().constData());
        po_message_set_msgstr(objMessage, udtEntry.Translation.toUtf8().constData());
        if (udtEntry.Fuzzy) {
            po_message_set_fuzzy(objMessage, 1);
            // The previous context goes with the previous msgid even when unchanged: an editor that
            // finds none shows the context as changed too.
            if (!udtEntry.PreviousSource.isEmpty() || !udtEntry.PreviousContext.isEmpty()) {
                po_message_set_prev_msgid(objMessage, udtEntry.PreviousSource.toUtf8().constData());
                const QString strPrevious = udtEntry.PreviousContext.isEmpty() ? ExchangeContext(udtEntry.FileName, udtEntry.Key)
                                                                               : udtEntry.PreviousContext;
                po_message_set_prev_msgctxt(objMessage, strPrevious.toUtf8().constData());
            }
        }
        if (udtEntry.Obsolete) po_message_set_obsolete(objMessage, 1);
        if (!udtEntry.Comment.isEmpty()) po_message_set_comments(objMessage, PoComment(udtEntry.Comment).constData());
        // The record goes last among our notes: msgcat, msgattrib and po2xliff/xliff2po keep it;
        // msgmerge takes these notes from the template, which has none (then the import is two-way).
        QString strNotes = udtEntry.Note;
        if (!udtEntry.Exported.isEmpty())
            strNotes += (strNotes.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("tralyx-exported: ") + udtEntry.Exported;
        if (!strNotes.isEmpty()) po_message_set_extracted_comments(objMessage, strNotes.toUtf8().constData());
        if (udtEntry.Line > 0 && !udtEntry.Obsolete)
            po_message_add_filepos(objMessage, udtEntry.FileName.toUtf8().constData(), static_cast<size_t>(udtEntry.Line));
        po_message_insert(objIterator, objMessage);
    }
    po_message_iterator_free(objIterator);

    gudtPoErrors = {};
    const bool booWritten = GuardedWrite(objFile, bytPath.constData());
    po_file_free(objFile);
    if (!booWritten || !gudtPoErrors.Errors.isEmpty()) {
        pstrReason = gudtPoErrors.Errors.isEmpty() ? QCoreApplication::translate("basPoFile", "the PO writer failed") : gudtPoErrors.Errors.join(u"; ");
        return false;
    }
    QFile objOut(QFile::decodeName(bytPath));
    if (!objOut.open(QIODevice::ReadOnly)) {
        pstrReason = objOut.errorString();
        return false;
    }
    pbytOut = objOut.readAll();
    return true;
}

}  // namespace tralyx
