#include "FuzzSupport.h"

#include "FuzzInput.h"
#include "store/basControlTextFormat.h"
#include "store/basMessagesFormat.h"
#include "store/basSecondaryFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace tralyx::fuzz {

// ---- Failing ------------------------------------------------------------------------------------

void Fail(const std::string& pstrWhat)
{
    std::fprintf(stderr, "\n*** property broken: %s\n", pstrWhat.c_str());
    std::fflush(stderr);
    std::abort();
}

std::string Show(const QString& pstrText)
{
    std::string strOut = "\"";
    for (const QChar c : pstrText) {
        const char16_t u = c.unicode();
        if (u == u'\r') strOut += "\\r";
        else if (u == u'\n') strOut += "\\n";
        else if (u == u'"' || u == u'\\') strOut += std::string("\\") + static_cast<char>(u);
        else if (u >= 0x20 && u < 0x7F) strOut += static_cast<char>(u);
        else {
            char buf[12];
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(u));
            strOut += buf;
        }
        if (strOut.size() > 400) return strOut + "...\"";
    }
    return strOut + "\"";
}

// ---- Files --------------------------------------------------------------------------------------

QString ScratchPath(const QString& pstrName)
{
    static const std::unique_ptr<QTemporaryDir> objDir = [] {
        const QString strBase = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                                   : QDir::tempPath();
        auto objNew = std::make_unique<QTemporaryDir>(strBase + QStringLiteral("/tralyx-fuzz-XXXXXX"));
        if (!objNew->isValid()) Fail("cannot make a scratch folder under " + strBase.toStdString());
        return objNew;
    }();
    const QString strPath = objDir->path() + u'/' + pstrName;
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    return strPath;
}

void WriteBytes(const QString& pstrPath, const QByteArray& pbytContent)
{
    QFile objFile(pstrPath);
    if (!objFile.open(QIODevice::WriteOnly | QIODevice::Truncate) || objFile.write(pbytContent) != pbytContent.size())
        Fail("cannot write the scratch file " + pstrPath.toStdString());
}

QByteArray ReadBytes(const QString& pstrPath)
{
    QFile objFile(pstrPath);
    return objFile.open(QIODevice::ReadOnly) ? objFile.readAll() : QByteArray();
}

bool FileExists(const QString& pstrPath) { return QFileInfo::exists(pstrPath); }

void RemoveFile(const QString& pstrPath)
{
    if (QFileInfo::exists(pstrPath) && !QFile::remove(pstrPath)) Fail("cannot remove " + pstrPath.toStdString());
}

bool FolderHoldsOnly(const QString& pstrFolder, const QStringList& pstrNames)
{
    QStringList strFound = QDir(pstrFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList strWanted = pstrNames;
    strFound.sort();
    strWanted.sort();
    return strFound == strWanted;
}

// ---- Desktop ------------------------------------------------------------------------------------

clsFuzzDesktop& clsFuzzDesktop::Installed()
{
    static clsFuzzDesktop objDesktop;
    static const bool booInstalled = (InstallDesktop(&objDesktop), true);
    (void)booInstalled;
    return objDesktop;
}

int32_t clsFuzzDesktop::MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle, const QString&)
{
    // A target that never clears would keep every box of a long run; none looks that far back.
    if (mstrPrompts.size() >= 4096) Clear();
    mstrPrompts.append(pstrPrompt);
    mstrTitles.append(pstrTitle);
    mlngStyles.push_back(plngStyle);
    if (mlngNextAnswer != 0) return mlngNextAnswer;
    return (plngStyle & 7) == vbYesNo || (plngStyle & 7) == vbYesNoCancel ? vbYes : vbOK;
}

// ---- Tables -------------------------------------------------------------------------------------

const clsCodePage& SharedCodePage(const QString& pstrName)
{
    static std::vector<std::unique_ptr<clsCodePage>> objPages;
    for (const auto& objPage : objPages)
        if (objPage->Name() == pstrName) return *objPage;
    return *objPages.emplace_back(std::make_unique<clsCodePage>(pstrName));
}

udtParsed Parse(clsTralyx& pobjStore, enuFileKind penuKind, const QByteArray& pbytContent, const QString& pstrCodePage)
{
    const clsCodePage& objCodePage = SharedCodePage(pstrCodePage);
    if (pobjStore.CodePage() != pstrCodePage) pobjStore.SetCodePage(pstrCodePage);
    udtParsed udtOut;
    const auto Take = [&](auto& pudtRead) {
        udtOut.Success = pudtRead.Success;
        udtOut.Mark = pudtRead.ByteOrderMark;
        udtOut.Error = pudtRead.Error;
        udtOut.Warnings = pudtRead.Warnings;
        udtOut.Lines = pudtRead.Lines;
    };
    switch (penuKind) {
    case enuFileKind::ControlText: {
        udtControlTextRead udtRead;
        ReadControlText(pbytContent, objCodePage, udtRead);
        Take(udtRead);
        pobjStore.SetControlTextTable(std::move(udtRead.Table));
        break;
    }
    case enuFileKind::Messages: {
        udtMessagesRead udtRead;
        ReadMessages(pbytContent, objCodePage, udtRead);
        Take(udtRead);
        pobjStore.SetMessageTable(std::move(udtRead.Table));
        break;
    }
    case enuFileKind::Secondary: {
        udtSecondaryRead udtRead;
        ReadSecondary(pbytContent, objCodePage, udtRead);
        Take(udtRead);
        pobjStore.SetSecondaryTable(std::move(udtRead.Table));
        break;
    }
    }
    return udtOut;
}

bool Format(const clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrCodePage, bool pbooMark,
            QByteArray& pbytOut, udtFileIssue& pudtError)
{
    const clsCodePage& objCodePage = SharedCodePage(pstrCodePage);
    switch (penuKind) {
    case enuFileKind::ControlText:
        return WriteControlText(pobjStore.ControlTextTable(), objCodePage, pbooMark, pbytOut, pudtError);
    case enuFileKind::Messages: return WriteMessages(pobjStore.MessageTable(), objCodePage, pbooMark, pbytOut, pudtError);
    case enuFileKind::Secondary: return WriteSecondary(pobjStore.SecondaryTable(), objCodePage, pbooMark, pbytOut, pudtError);
    }
    return false;
}

namespace {

std::string Record(const clsTralyx& pobjStore, enuFileKind penuKind, qsizetype i)
{
    if (i >= RecordCount(pobjStore, penuKind)) return "(none)";
    switch (penuKind) {
    case enuFileKind::ControlText: {
        const ControlTextItem& r = pobjStore.ControlTextTable()[i];
        return "{" + Show(r.FormName) + ", " + Show(r.ControlName) + ", " + std::to_string(r.Index) +
               ", C=" + Show(r.Caption) + ", T=" + Show(r.ToolTip) + "}";
    }
    case enuFileKind::Messages: {
        const MessageItem& r = pobjStore.MessageTable()[i];
        return "{" + std::to_string(r.Identifier) + ", M=" + Show(r.Message) + ", T=" + Show(r.Title) + "}";
    }
    case enuFileKind::Secondary: return Show(pobjStore.SecondaryTable()[i]);
    }
    return {};
}

bool SameRecord(const clsTralyx& a, const clsTralyx& b, enuFileKind k, qsizetype i)
{
    switch (k) {
    case enuFileKind::ControlText: return a.ControlTextTable()[i] == b.ControlTextTable()[i];
    case enuFileKind::Messages: return a.MessageTable()[i] == b.MessageTable()[i];
    case enuFileKind::Secondary: return a.SecondaryTable()[i] == b.SecondaryTable()[i];
    }
    return false;
}

}  // namespace

std::string Describe(const clsTralyx& pobjStore, enuFileKind penuKind)
{
    const qsizetype n = RecordCount(pobjStore, penuKind);
    std::string strOut = std::to_string(n) + " records";
    for (qsizetype i = 0; i < n && i < 8; ++i) strOut += "\n  [" + std::to_string(i) + "] " + Record(pobjStore, penuKind, i);
    if (n > 8) strOut += "\n  ...";
    return strOut;
}

namespace {

std::string FirstDifference(const clsTralyx& pobjGot, const clsTralyx& pobjWanted, enuFileKind penuKind)
{
    const qsizetype n = std::max(RecordCount(pobjGot, penuKind), RecordCount(pobjWanted, penuKind));
    for (qsizetype i = 0; i < n; ++i) {
        if (i < RecordCount(pobjGot, penuKind) && i < RecordCount(pobjWanted, penuKind) && SameRecord(pobjGot, pobjWanted, penuKind, i))
            continue;
        return "sizes " + std::to_string(RecordCount(pobjGot, penuKind)) + " / " +
               std::to_string(RecordCount(pobjWanted, penuKind)) + "; first difference at record " + std::to_string(i) +
               ":\n  got    " + Record(pobjGot, penuKind, i) + "\n  wanted " + Record(pobjWanted, penuKind, i);
    }
    return {};
}

}  // namespace

// ---- The losses the formats define ---------------------------------------------------------------

QString WithCRLF(const QString& pstrText)
{
    // Most texts hold no line break that would change: they are returned as they are, shared.
    bool booChanges = false;
    for (qsizetype i = 0; i < pstrText.size() && !booChanges; ++i) {
        const QChar c = pstrText[i];
        if (c == u'\r') booChanges = i + 1 == pstrText.size() || pstrText[i + 1] != u'\n';
        else if (c == u'\n') booChanges = i == 0 || pstrText[i - 1] != u'\r';
    }
    if (!booChanges) return pstrText;
    QString strOut;
    strOut.reserve(pstrText.size());
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        const QChar c = pstrText[i];
        if (c == u'\r' || c == u'\n') {
            strOut += QStringLiteral("\r\n");
            if (c == u'\r' && i + 1 < pstrText.size() && pstrText[i + 1] == u'\n') ++i;
        } else {
            strOut += c;
        }
    }
    return strOut;
}

QString WithoutFirstLineBlanks(const QString& pstrText)
{
    qsizetype i = 0;
    while (i < pstrText.size() && pstrText[i] == u' ') ++i;
    return pstrText.mid(i);
}

bool WritesToolTipLine(const QString& pstrControlName)
{
    if (pstrControlName.size() < 4) return true;
    const QString strHead = pstrControlName.left(4).toLower();
    return !strHead.startsWith(QStringLiteral("[cap")) && !strHead.startsWith(QStringLiteral("mnu"));
}

bool WritesCaptionLine(const QString& pstrControlName) { return pstrControlName.left(3).toLower() != QStringLiteral("txt"); }

QVector<ControlTextItem> ExpectedControlText(const QVector<ControlTextItem>& pudtTable)
{
    if (pudtTable.isEmpty()) return QVector<ControlTextItem>(1);
    QVector<ControlTextItem> udtOut = pudtTable;
    for (ControlTextItem& r : udtOut) {
        r.ToolTip = WritesToolTipLine(r.ControlName) ? WithoutFirstLineBlanks(WithCRLF(r.ToolTip)) : QString();
        r.Caption = WritesCaptionLine(r.ControlName) ? WithoutFirstLineBlanks(WithCRLF(r.Caption)) : QString();
    }
    return udtOut;
}

QVector<MessageItem> ExpectedMessages(const QVector<MessageItem>& pudtTable)
{
    if (pudtTable.isEmpty()) return QVector<MessageItem>(1);
    QVector<MessageItem> udtOut = pudtTable;
    for (qsizetype i = 0; i < udtOut.size(); ++i) {
        udtOut[i].Identifier = static_cast<uint8_t>(i + 1);
        udtOut[i].Message = WithCRLF(udtOut[i].Message);
    }
    return udtOut;
}

QStringList ExpectedSecondary(const QStringList& pstrTable)
{
    if (pstrTable.isEmpty()) return QStringList(QString());
    QStringList strOut;
    for (const QString& s : pstrTable) strOut.append(WithCRLF(s));
    return strOut;
}

namespace {

bool HasBreak(const QString& s) { return s.contains(u'\r') || s.contains(u'\n'); }

bool Writable(const clsCodePage& pobjCodePage, const QString& pstrText)
{
    QByteArray bytScratch;
    return pobjCodePage.Encode(pstrText, bytScratch);
}

}  // namespace

QString RefusalReason(const clsTralyx& pobjStore, enuFileKind penuKind, const clsCodePage& pobjCodePage)
{
    switch (penuKind) {
    case enuFileKind::ControlText: {
        const auto& t = pobjStore.ControlTextTable();
        if (t.size() > clsTralyx::MaxRecords) return QStringLiteral("too many records");
        for (const ControlTextItem& r : t) {
            for (const QString* s : {&r.FormName, &r.ControlName})
                if (s->contains(u'.') || HasBreak(*s)) return QStringLiteral("a name holds '.' or a line break");
        }
        for (const ControlTextItem& r : t) {
            const bool booT = WritesToolTipLine(r.ControlName), booC = WritesCaptionLine(r.ControlName);
            if (!Writable(pobjCodePage, r.FormName) || !Writable(pobjCodePage, r.ControlName) ||
                (booT && !Writable(pobjCodePage, r.ToolTip)) || (booC && !Writable(pobjCodePage, r.Caption)))
                return QStringLiteral("an unwritable character");
        }
        return QString();
    }
    case enuFileKind::Messages: {
        const auto& t = pobjStore.MessageTable();
        if (t.size() > clsTralyx::MaxMessages) return QStringLiteral("too many messages");
        for (const MessageItem& r : t) {
            if (HasBreak(r.Title)) return QStringLiteral("a title holds a line break");
            if (!Writable(pobjCodePage, r.Message) || !Writable(pobjCodePage, r.Title))
                return QStringLiteral("an unwritable character");
        }
        return QString();
    }
    case enuFileKind::Secondary: {
        const auto& t = pobjStore.SecondaryTable();
        if (t.size() > clsTralyx::MaxRecords) return QStringLiteral("too many entries");
        for (const QString& s : t)
            if (!Writable(pobjCodePage, s)) return QStringLiteral("an unwritable character");
        return QString();
    }
    }
    return QString();
}

bool CheckWriteAndRead(const clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrCodePage, bool pbooMark)
{
    const QString strRefuse = RefusalReason(pobjStore, penuKind, SharedCodePage(pstrCodePage));
    QByteArray bytWritten;
    udtFileIssue udtError;
    const bool booSaved = Format(pobjStore, penuKind, pstrCodePage, pbooMark, bytWritten, udtError);
    const auto strContext = [&] {
        return " (code page " + pstrCodePage.toStdString() + ", table " + Describe(pobjStore, penuKind) + ")";
    };
    if (!booSaved) {
        Check(!strRefuse.isEmpty(), "the writer refused a table it can write: " + udtError.Text().toStdString() + strContext());
        Check(!udtError.Reason.isEmpty(), "a refused write gave no reason" + strContext());
        return false;
    }
    Check(strRefuse.isEmpty(), "the writer wrote a table it must refuse (" + strRefuse.toStdString() + ")" + strContext());

    const bool booMarked = pbooMark && SharedCodePage(pstrCodePage).IsUtf8();
    Check(!booMarked || bytWritten.startsWith("\xEF\xBB\xBF"), "the byte-order mark was not written" + strContext());
    for (qsizetype i = bytWritten.indexOf('\n'); i >= 0; i = bytWritten.indexOf('\n', i + 1))
        Check(i > 0 && bytWritten[i - 1] == '\r', "the file holds a lone LF" + strContext());
    Check(bytWritten.size() <= (booMarked ? 3 : 0) || bytWritten.endsWith("\r\n"), "the file does not end with CR LF" + strContext());

    clsTralyx objBack;
    const udtParsed udtBack = Parse(objBack, penuKind, bytWritten, pstrCodePage);
    Check(udtBack.Success, "written bytes do not read again: " + udtBack.Error.Text().toStdString() + strContext());
    Check(udtBack.Warnings.isEmpty(), "written bytes read again with skipped lines" + strContext());
    Check(udtBack.Mark || !booMarked, "the byte-order mark did not read back" + strContext());

    clsTralyx objWanted;
    switch (penuKind) {
    case enuFileKind::ControlText: objWanted.SetControlTextTable(ExpectedControlText(pobjStore.ControlTextTable())); break;
    case enuFileKind::Messages: objWanted.SetMessageTable(ExpectedMessages(pobjStore.MessageTable())); break;
    case enuFileKind::Secondary: objWanted.SetSecondaryTable(ExpectedSecondary(pobjStore.SecondaryTable())); break;
    }
    const std::string strDiff = FirstDifference(objBack, objWanted, penuKind);
    Check(strDiff.empty(), "the table read back differs from the one written: " + strDiff + strContext());
    Check(udtBack.Lines.size() == RecordCount(objBack, penuKind), "not one start line per record" + strContext());
    for (qsizetype i = 1; i < udtBack.Lines.size(); ++i)
        Check(udtBack.Lines[i] > udtBack.Lines[i - 1], "record start lines do not rise" + strContext());

    // When the format lost nothing, writing what was read back gives the same bytes (the writer
    // numbers messages by position, so their identifiers do not count).
    bool booLossless = RecordCount(pobjStore, penuKind) > 0;
    switch (penuKind) {
    case enuFileKind::ControlText: booLossless = booLossless && pobjStore.ControlTextTable() == objWanted.ControlTextTable(); break;
    case enuFileKind::Secondary: booLossless = booLossless && pobjStore.SecondaryTable() == objWanted.SecondaryTable(); break;
    case enuFileKind::Messages:
        for (qsizetype i = 0; booLossless && i < pobjStore.MessageTable().size(); ++i)
            booLossless = pobjStore.MessageTable()[i].Message == objWanted.MessageTable()[i].Message &&
                          pobjStore.MessageTable()[i].Title == objWanted.MessageTable()[i].Title;
        break;
    }
    if (!booLossless) return true;
    QByteArray bytAgain;
    Check(Format(objBack, penuKind, pstrCodePage, udtBack.Mark, bytAgain, udtError),
          "the table read back cannot be written: " + udtError.Text().toStdString() + strContext());
    Check(bytAgain == bytWritten, "writing the table read back gives other bytes" + strContext());
    return true;
}

// ---- Input --------------------------------------------------------------------------------------

QString clsFuzzInput::Text(uint32_t plngMaxPieces)
{
    static const char16_t* const Pieces[] = {
        u"a", u"Z", u"0", u"7", u" ", u"  ", u".", u":", u"\r", u"\n", u"\r\n", u"\t",
        u"MSG", u"MST", u"TXT", u".T:", u".C:", u"T", u"C", u"mnu", u"txt", u"[cap", u"Mnu", u"TXT001:",
        u"[#!", u"!#]", u"[#", u"!#", u"#", u"!", u"]", u"[", u"\u00E9", u"\u20AC", u"\u65E5", u"\uFF71",
        u"\u00A5", u"\u2015", u"\u301C", u"\uFF5E", u"\u0081", u"\uF781", u"\u0000", u"\u00A0", u"\\", u"999",
    };
    constexpr uint32_t lngPieces = sizeof Pieces / sizeof Pieces[0];
    QString strOut;
    const uint32_t n = Upto(plngMaxPieces);
    for (uint32_t i = 0; i < n && !Empty(); ++i) {
        const uint8_t b = Byte();
        if (b < lngPieces * 5) {
            const char16_t* p = Pieces[b % lngPieces];
            // The NUL piece is one character, not an empty one.
            strOut += p[0] == 0 ? QString(QChar(0)) : QString::fromUtf16(p);
        } else {
            strOut += QChar(static_cast<char16_t>(Byte() << 8 | Byte()));  // any UTF-16 unit
        }
    }
    return strOut;
}

}  // namespace tralyx::fuzz
