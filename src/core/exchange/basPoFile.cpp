// PO through GNU gettext's libgettextpo: what we write is what msgfmt and the PO editors expect,
// and what they write comes back through the same parser.
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeText.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdlib>
#include <gettext-po.h>
#include <mutex>

namespace tralyx {
namespace {

// libgettextpo reports through callbacks, and a fatal error must not return to it: the handler
// jumps back to the call that started the read or write.
struct udtPoErrors {
    QStringList Errors;
    std::jmp_buf* Fatal = nullptr;
};
thread_local udtPoErrors gudtPoErrors;

void PoError(int pintSeverity, po_message_t, const char* pstrFile, size_t plngLine, size_t, int, const char* pstrText)
{
    if (pintSeverity != PO_SEVERITY_WARNING) {
        QString strText = QString::fromUtf8(pstrText).trimmed();
        if (pstrFile && plngLine != static_cast<size_t>(-1)) strText = QStringLiteral("line %1: %2").arg(plngLine).arg(strText);
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

// libgettextpo's reader and writer keep their state in globals: one read or write at a time in
// this process (an editor or a test may import from two threads).
std::mutex gobjPoCalls;

// The two calls that may end in a fatal error, with the jump target set around them.
po_file_t GuardedRead(const char* pstrPath)
{
    const std::lock_guard objOneAtATime(gobjPoCalls);
    std::jmp_buf udtFatal;
    gudtPoErrors.Fatal = &udtFatal;
    if (setjmp(udtFatal) != 0) {
        gudtPoErrors.Fatal = nullptr;
        return nullptr;
    }
    po_file_t objFile = po_file_read(pstrPath, &gudtHandler);
    gudtPoErrors.Fatal = nullptr;
    return objFile;
}

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

QString HeaderField(const char* pstrHeader, const char* pstrField)
{
    if (!pstrHeader) return QString();
    char* pstrValue = po_header_field(pstrHeader, pstrField);
    const QString strValue = pstrValue ? QString::fromUtf8(pstrValue).trimmed() : QString();
    std::free(pstrValue);
    return strValue;
}

// The line of the first NUL in the file's strings (an escape such as \000 or \x00) or anywhere in it
// (a raw NUL byte); 0 when there is none. libgettextpo hands out strings cut at their first NUL.
int64_t LineOfNul(const QByteArray& pbytContent)
{
    int64_t lngLine = 1;
    bool booComment = false, booString = false;
    const qsizetype lngSize = pbytContent.size();
    for (qsizetype i = 0; i < lngSize; ++i) {
        const char c = pbytContent[i];
        if (c == '\0') return lngLine;
        if (c == '\n') {
            ++lngLine;
            booComment = booString = false;
        } else if (!booString) {
            if (c == '#') booComment = true;
            else if (c == '"' && !booComment) booString = true;
        } else if (c == '"') {
            booString = false;
        } else if (c == '\\' && i + 1 < lngSize) {
            // An octal escape of up to three digits, or a hexadecimal one: all zeros is a NUL.
            const bool booHex = pbytContent[i + 1] == 'x';
            qsizetype j = booHex ? i + 2 : i + 1;
            const qsizetype lngEnd = booHex ? lngSize : std::min(lngSize, j + 3);
            int intDigits = 0;
            bool booZero = true;
            for (; j < lngEnd; ++j, ++intDigits) {
                const char d = pbytContent[j];
                if (booHex ? !std::isxdigit(static_cast<uint8_t>(d)) : (d < '0' || d > '7')) break;
                booZero = booZero && d == '0';
            }
            if (intDigits > 0 && booZero) return lngLine;
            i = booHex || intDigits > 0 ? j - 1 : i + 1;  // past the escape
        }
    }
    return 0;
}

// Where a converter left the entry without its context, its first reference says which it is:
// xliff2po puts the XLIFF id there ("#: frmMain.cmdOK.0.C", "#: TXT004%231004"), a PO of ours
// that lost the context still has "#: core.lrc:12".
void TakeLocation(po_message_t pobjMessage, udtExchangeEntry& pudtEntry)
{
    const po_filepos_t objPosition = po_message_filepos(pobjMessage, 0);
    if (!objPosition) return;
    const QString strFile = QUrl::fromPercentEncoding(po_filepos_file(objPosition));
    const size_t lngLine = po_filepos_start_line(objPosition);
    if (IsLanguageFileName(strFile)) {
        pudtEntry.FileName = strFile;
        if (lngLine != static_cast<size_t>(-1)) pudtEntry.FileLine = static_cast<int32_t>(lngLine);
        return;
    }
    pudtEntry.Key = strFile;
    pudtEntry.FileName = LanguageFileOfKey(strFile);
}

}  // namespace

bool WritePo(const udtExchangeDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason)
{
    QTemporaryDir objDir;
    if (!objDir.isValid()) {
        pstrReason = QStringLiteral("cannot make a temporary folder: %1").arg(objDir.errorString());
        return false;
    }
    const QByteArray bytPath = QFile::encodeName(objDir.filePath(QStringLiteral("out.po")));
    // libgettextpo takes C strings: a text would be cut at its first NUL.
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        if (udtEntry.Source.contains(QChar(0)) || udtEntry.Translation.contains(QChar(0)) || udtEntry.Key.contains(QChar(0))) {
            pstrReason = QStringLiteral("%1 %2: the text holds a NUL character, which PO cannot carry").arg(udtEntry.FileName, udtEntry.Id);
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
        pstrReason = gudtPoErrors.Errors.isEmpty() ? QStringLiteral("the PO writer failed") : gudtPoErrors.Errors.join(u"; ");
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

bool ReadPo(const QByteArray& pbytContent, udtExchangeDocument& pudtOut, QString& pstrReason)
{
    if (const int64_t lngLine = LineOfNul(pbytContent)) {
        pstrReason = QStringLiteral("line %1: a NUL character (\\000), which no language file can hold and PO tools cut a text "
                                    "at; nothing was imported")
                         .arg(lngLine);
        return false;
    }
    // libgettextpo's parser keeps every token it discards on a syntax error: bytes without a single
    // msgid (XML, a binary file) hold no entry and would only feed it errors.
    if (!pbytContent.contains("msgid")) return true;
    QTemporaryFile objTemp;
    if (!objTemp.open() || objTemp.write(pbytContent) != pbytContent.size() || !objTemp.flush()) {
        pstrReason = QStringLiteral("cannot make a temporary file: %1").arg(objTemp.errorString());
        return false;
    }
    const QByteArray bytPath = QFile::encodeName(objTemp.fileName());
    gudtPoErrors = {};
    po_file_t objFile = GuardedRead(bytPath.constData());
    if (!objFile || !gudtPoErrors.Errors.isEmpty()) {
        if (objFile) po_file_free(objFile);
        pstrReason = gudtPoErrors.Errors.isEmpty() ? QStringLiteral("not a PO file") : gudtPoErrors.Errors.join(u"; ");
        return false;
    }

    // The header comes as a copy of its own (declared const, made with xstrdup): ours to free.
    char* pstrHeader = const_cast<char*>(po_file_domain_header(objFile, nullptr));
    pudtOut.TargetLanguage = HeaderField(pstrHeader, "Language");
    pudtOut.SourceLanguage = HeaderField(pstrHeader, "X-Source-Language");
    static const QRegularExpression objCharset(QStringLiteral("charset=([^;\\s]+)"));
    QString strCharset = objCharset.match(HeaderField(pstrHeader, "Content-Type")).captured(1);
    std::free(pstrHeader);
    if (strCharset.isEmpty() || strCharset == u"CHARSET") strCharset = QStringLiteral("UTF-8");
    QStringDecoder objDecoder(strCharset.toLatin1().constData());
    if (!objDecoder.isValid()) {
        po_file_free(objFile);
        pstrReason = QStringLiteral("unknown charset '%1' in the header").arg(strCharset);
        return false;
    }
    if (const QString strDoubt = DeclaredCodePageDoubt(pbytContent, strCharset); !strDoubt.isEmpty())
        pudtOut.Warnings.append(strDoubt);
    auto Decode = [&](const char* pstrText) { return pstrText ? QString(objDecoder.decode(QByteArrayView(pstrText))) : QString(); };
    // libgettextpo 0.21 joins a message's comments into a string of its own and never frees it
    // (its source says "FIXME: memory leak"); an empty list gives a literal "". Freed here, or each
    // read would keep them.
    auto DecodeJoined = [&](const char* pstrJoined) {
        QString strOut = Decode(pstrJoined);
#if LIBGETTEXTPO_VERSION >= 0x001500 && LIBGETTEXTPO_VERSION < 0x001600
        if (pstrJoined && *pstrJoined) std::free(const_cast<char*>(pstrJoined));
#endif
        return strOut;
    };

    // The line of each message's msgid, in the parser's order (one domain): where a report names it.
    std::vector<int32_t> lngMsgidLines;
    {
        int32_t lngLine = 0;
        for (const QByteArray& bytLine : pbytContent.split('\n')) {
            ++lngLine;
            if (bytLine.startsWith("msgid ") || bytLine.startsWith("msgid\t")) lngMsgidLines.push_back(lngLine);
        }
    }
    const char* const* pstrDomains = po_file_domains(objFile);
    const bool booOneDomain = pstrDomains && pstrDomains[0] && !pstrDomains[1];
    size_t lngMessage = 0;
    for (const char* const* pstrDomain = pstrDomains; pstrDomain && *pstrDomain; ++pstrDomain) {
        po_message_iterator_t objIterator = po_message_iterator(objFile, *pstrDomain);
        while (po_message_t objMessage = po_next_message(objIterator)) {
            const char* pstrContext = po_message_msgctxt(objMessage);
            if (po_message_is_obsolete(objMessage)) continue;
            const size_t lngIndex = lngMessage++;
            if (!pstrContext && !*po_message_msgid(objMessage)) continue;
            udtExchangeEntry udtEntry;
            if (booOneDomain && lngIndex < lngMsgidLines.size()) udtEntry.Line = lngMsgidLines[lngIndex];
            const QString strContext = Decode(pstrContext);
            if (!pstrContext) {
                TakeLocation(objMessage, udtEntry);
            } else if (!SplitExchangeContext(strContext, udtEntry.FileName, udtEntry.Key)) {
                udtEntry.Key = strContext;  // xliff2po's context of a msgid it has twice: the id alone
                udtEntry.FileName = LanguageFileOfKey(strContext);
            }
            udtEntry.Source = Decode(po_message_msgid(objMessage));
            if (po_message_msgid_plural(objMessage)) udtEntry.Refused = QStringLiteral("plural forms are not used by these files");
            else udtEntry.Translation = Decode(po_message_msgstr(objMessage));
            udtEntry.Fuzzy = po_message_is_fuzzy(objMessage) != 0;
            udtEntry.PreviousSource = Decode(po_message_prev_msgid(objMessage));
            udtEntry.Exported = ExportRecordIn(DecodeJoined(po_message_extracted_comments(objMessage)));
            udtEntry.Comment = DecodeJoined(po_message_comments(objMessage));
            if (udtEntry.Comment.endsWith(u'\n')) udtEntry.Comment.chop(1);
            pudtOut.Entries.push_back(std::move(udtEntry));
        }
        po_message_iterator_free(objIterator);
    }
    po_file_free(objFile);
    if (objDecoder.hasError()) {
        pstrReason = QStringLiteral("the file is not valid %1").arg(strCharset);
        return false;
    }
    return true;
}

}  // namespace tralyx
