#include "runtime/clsCompiledLanguage.h"

#include "runtime/udtLoadedLanguages.h"
#include "store/basFileKind.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QtEndian>
#include <cstring>

namespace tralyx {
namespace {

constexpr char Magic[8] = {'T', 'R', 'A', 'L', 'Y', 'X', 'C', '\x01'};
constexpr uint32_t Version = 1;
constexpr uint32_t HeaderSize = 80, StampSize = 56, EntrySize = 32, MessageSize = 16, TextSize = 8;
constexpr uint32_t HasSourceFlag = 1, HasCaptionBit = 0x100, HasToolTipBit = 0x200;

// Header fields, by their byte offset.
enum : uint32_t {
    hVersion = 8, hFileSize = 12, hCodePage = 16, hStampCount = 24, hStampsAt = 28, hEntryCount = 32, hBucketCount = 36,
    hBucketsAt = 40, hEntriesAt = 44, hMessageCount = 48, hMessagesAt = 52, hTextCount = 56, hTextsAt = 60, hStringsAt = 64,
    hStringUnits = 68, hFlags = 72,
};

uint32_t U32(const uchar* p) { return qFromLittleEndian<uint32_t>(p); }
int64_t I64(const uchar* p) { return qFromLittleEndian<int64_t>(p); }

// The SHA-1 of a file's bytes; 20 zero bytes for one that cannot be read.
QByteArray Sha1Of(const QString& pstrPath)
{
    QFile objFile(pstrPath);
    if (!objFile.open(QIODevice::ReadOnly)) return QByteArray(20, '\0');
    QCryptographicHash objHash(QCryptographicHash::Sha1);
    objHash.addData(&objFile);
    return objHash.result();
}

uint32_t KeyHash(QStringView pstrForm, QStringView pstrControl, uint8_t pbytIndex)
{
    uint32_t h = 2166136261u;
    const auto Add = [&](uint32_t u) { h = (h ^ u) * 16777619u; };
    for (const QChar c : pstrForm) Add(c.unicode());
    Add(u'.');
    for (const QChar c : pstrControl) Add(c.unicode());
    Add(pbytIndex);
    return h;
}

// What a stamp says of one .lrc file: whether it is there, its size and time (and, written, its hash).
struct udtStamp {
    uint32_t Role = 0;  // 0 the language's folder, 1 the source's
    uint32_t Kind = 0;
    bool Present = false;
    int64_t Size = 0, Time = 0;
    QString Path;
};

udtStamp StampOf(const QString& pstrFolder, uint32_t plngRole, enuFileKind penuKind)
{
    const QString strPath = pstrFolder + u'/' + LanguageFileName(penuKind);
    const QFileInfo objInfo(strPath);
    udtStamp u{plngRole, static_cast<uint32_t>(penuKind), objInfo.exists(), 0, 0, strPath};
    if (u.Present) {
        u.Size = objInfo.size();
        u.Time = objInfo.lastModified().toMSecsSinceEpoch();
    }
    return u;
}

class clsWriter {
public:
    QByteArray Out;
    QString Strings;

    void U32At(uint32_t plngAt, uint32_t plngValue) { qToLittleEndian(plngValue, Out.data() + plngAt); }
    void Put32(uint32_t plngValue)
    {
        char b[4];
        qToLittleEndian(plngValue, b);
        Out.append(b, 4);
    }
    void Put64(int64_t plngValue)
    {
        char b[8];
        qToLittleEndian(plngValue, b);
        Out.append(b, 8);
    }
    void PutString(const QString& pstrText)
    {
        Put32(static_cast<uint32_t>(Strings.size()));
        Put32(static_cast<uint32_t>(pstrText.size()));
        Strings += pstrText;
    }
    uint32_t Here() const { return static_cast<uint32_t>(Out.size()); }
};

}  // namespace

QString clsCompiledLanguage::FileName() { return CompiledLanguageFileName(); }

QByteArray clsCompiledLanguage::Compile(const udtLoadedLanguages& pudtLoaded, const QString& pstrFolder,
                                        const QString& pstrSourceFolder, const QString& pstrCodePage)
{
    // The entries as a load finds them: the first of each key and index, the language's then the
    // source's, each with the texts the two give together.
    struct udtEntry {
        QString Form, Control;
        uint8_t Index;
        udtFoundTexts Found;
    };
    std::vector<udtEntry> udtEntries;
    QHash<QPair<QByteArray, int>, bool> booSeen;
    for (const clsLanguageFolder* pobjFolder : {&pudtLoaded.Language, &pudtLoaded.Source}) {
        if (!pobjFolder->IsLoaded()) continue;
        for (qsizetype i = 0; i < pobjFolder->EntryCount(); ++i) {
            QByteArray bytKey;
            uint8_t bytIndex = 0;
            pobjFolder->EntryKeyAt(static_cast<int32_t>(i), bytKey, bytIndex);
            if (booSeen.contains({bytKey, bytIndex})) continue;
            booSeen.insert({bytKey, bytIndex}, true);
            udtEntry u;
            const QString strKey = pobjFolder->CodePage().Decode(bytKey);
            u.Form = strKey.section(u'.', 0, 0);
            u.Control = strKey.section(u'.', 1);
            u.Index = bytIndex;
            pudtLoaded.Find(bytKey, bytIndex, u.Found);
            udtEntries.push_back(std::move(u));
        }
    }
    const qsizetype lngMessages = std::max(pudtLoaded.Language.Messages().size(), pudtLoaded.Source.Messages().size());
    const qsizetype lngTexts = std::max(pudtLoaded.Language.Texts().size(), pudtLoaded.Source.Texts().size());
    uint32_t lngBuckets = 16;
    while (lngBuckets < 2 * udtEntries.size()) lngBuckets *= 2;

    clsWriter w;
    w.Out.append(Magic, 8);
    w.Out.resize(HeaderSize, '\0');
    w.U32At(hVersion, Version);
    w.Strings += pstrCodePage;
    w.U32At(hCodePage + 4, static_cast<uint32_t>(pstrCodePage.size()));
    w.U32At(hFlags, pstrSourceFolder.isEmpty() ? 0 : HasSourceFlag);

    w.U32At(hStampsAt, w.Here());
    uint32_t lngStamps = 0;
    for (uint32_t lngRole = 0; lngRole < (pstrSourceFolder.isEmpty() ? 1u : 2u); ++lngRole) {
        for (const enuFileKind enuKind : AllFileKinds) {
            const QString& strFolder = lngRole == 0 ? pstrFolder : pstrSourceFolder;
            const udtStamp u = StampOf(strFolder, lngRole, enuKind);
            w.Put32(u.Role);
            w.Put32(u.Kind);
            w.Put32(u.Present ? 1 : 0);
            w.Put32(0);
            w.Put64(u.Size);
            w.Put64(u.Time);
            w.Out += (u.Present ? Sha1Of(u.Path) : QByteArray(20, '\0')) + QByteArray(4, '\0');
            ++lngStamps;
        }
    }
    w.U32At(hStampCount, lngStamps);

    w.U32At(hBucketsAt, w.Here());
    w.U32At(hBucketCount, lngBuckets);
    std::vector<uint32_t> lngSlots(lngBuckets, 0);
    for (size_t i = 0; i < udtEntries.size(); ++i) {
        uint32_t s = KeyHash(udtEntries[i].Form, udtEntries[i].Control, udtEntries[i].Index) & (lngBuckets - 1);
        while (lngSlots[s] != 0) s = (s + 1) & (lngBuckets - 1);
        lngSlots[s] = static_cast<uint32_t>(i + 1);
    }
    for (const uint32_t s : lngSlots) w.Put32(s);

    w.U32At(hEntriesAt, w.Here());
    w.U32At(hEntryCount, static_cast<uint32_t>(udtEntries.size()));
    for (const udtEntry& u : udtEntries) {
        w.Put32(KeyHash(u.Form, u.Control, u.Index));
        w.PutString(u.Form + u'.' + u.Control);
        w.Put32(u.Index | (u.Found.HasCaption ? HasCaptionBit : 0) | (u.Found.HasToolTip ? HasToolTipBit : 0));
        w.PutString(u.Found.Texts.Caption);
        w.PutString(u.Found.Texts.ToolTip);
    }
    w.U32At(hMessagesAt, w.Here());
    w.U32At(hMessageCount, static_cast<uint32_t>(lngMessages));
    for (qsizetype i = 1; i <= lngMessages; ++i) {
        w.PutString(pudtLoaded.MessageText(static_cast<int>(i)));
        w.PutString(pudtLoaded.MessageTitle(static_cast<int>(i)));
    }
    w.U32At(hTextsAt, w.Here());
    w.U32At(hTextCount, static_cast<uint32_t>(lngTexts));
    for (qsizetype i = 1; i <= lngTexts; ++i) w.PutString(pudtLoaded.Text(static_cast<int>(i)));

    w.U32At(hStringsAt, w.Here());
    w.U32At(hStringUnits, static_cast<uint32_t>(w.Strings.size()));
    for (const QChar c : std::as_const(w.Strings)) {
        char b[2];
        qToLittleEndian(c.unicode(), b);
        w.Out.append(b, 2);
    }
    while (w.Out.size() % 4) w.Out.append('\0');
    w.U32At(hFileSize, w.Here());
    return w.Out;
}

bool clsCompiledLanguage::Open(const QString& pstrFolder, const QString& pstrSourceFolder, const QString& pstrCodePage,
                               QString& pstrWhy)
{
    pstrWhy.clear();
    mbytData = nullptr;
    mobjFile = std::make_unique<QFile>(pstrFolder + u'/' + FileName());
    if (!mobjFile->exists()) return false;
    if (!mobjFile->open(QIODevice::ReadOnly)) {
        pstrWhy = QCoreApplication::translate("clsCompiledLanguage", "cannot be read (%1)").arg(mobjFile->errorString());
        return false;
    }
    const qint64 lngSize = mobjFile->size();
    if (lngSize < HeaderSize || lngSize > qint64(UINT32_MAX)) {
        pstrWhy = QCoreApplication::translate("clsCompiledLanguage", "is cut short (%1 bytes)").arg(lngSize);
        return false;
    }
    mbytData = mobjFile->map(0, lngSize);
    if (!mbytData) {  // a compressed Qt resource, say
        mbytOwned = mobjFile->readAll();
        mbytData = reinterpret_cast<const uchar*>(mbytOwned.constData());
    }
    mlngSize = static_cast<uint32_t>(lngSize);
    const auto Refuse = [&](const QString& pstrReason) {
        pstrWhy = pstrReason;
        mbytData = nullptr;
        return false;
    };
    if (std::memcmp(mbytData, Magic, 8) != 0 || U32(At(hVersion)) != Version)
        return Refuse(QCoreApplication::translate("clsCompiledLanguage", "is not a compiled language of this version"));
    if (U32(At(hFileSize)) != mlngSize)
        return Refuse(QCoreApplication::translate("clsCompiledLanguage", "is cut short or damaged (%1 bytes where it was written with %2)").arg(mlngSize).arg(U32(At(hFileSize))));
    mlngStringsAt = U32(At(hStringsAt));
    mlngStringUnits = U32(At(hStringUnits));
    mlngBuckets = U32(At(hBucketCount));
    mlngBucketsAt = U32(At(hBucketsAt));
    mlngEntries = U32(At(hEntryCount));
    mlngEntriesAt = U32(At(hEntriesAt));
    mlngMessages = U32(At(hMessageCount));
    mlngMessagesAt = U32(At(hMessagesAt));
    mlngTexts = U32(At(hTextCount));
    mlngTextsAt = U32(At(hTextsAt));
    const uint32_t lngStamps = U32(At(hStampCount)), lngStampsAt = U32(At(hStampsAt));
    const auto Fits = [&](uint32_t plngAt, uint64_t plngCount, uint32_t plngSize) {
        return plngAt >= HeaderSize && plngAt % 4 == 0 && plngAt + plngCount * plngSize <= mlngSize;
    };
    if (!Fits(mlngStringsAt, mlngStringUnits, 2) || !Fits(lngStampsAt, lngStamps, StampSize) || !Fits(mlngBucketsAt, mlngBuckets, 4) ||
        !Fits(mlngEntriesAt, mlngEntries, EntrySize) || !Fits(mlngMessagesAt, mlngMessages, MessageSize) ||
        !Fits(mlngTextsAt, mlngTexts, TextSize) || mlngBuckets == 0 || (mlngBuckets & (mlngBuckets - 1)) != 0 || mlngEntries >= mlngBuckets)
        return Refuse(QCoreApplication::translate("clsCompiledLanguage", "is damaged (a table lies outside the file)"));

    if (ViewAt({U32(At(hCodePage)), U32(At(hCodePage + 4))}).compare(pstrCodePage, Qt::CaseInsensitive) != 0)
        return Refuse(QCoreApplication::translate("clsCompiledLanguage", "was compiled for the code page %1, not %2").arg(StringAt({U32(At(hCodePage)), U32(At(hCodePage + 4))}), pstrCodePage));
    const bool booHasSource = U32(At(hFlags)) & HasSourceFlag;
    if (booHasSource != !pstrSourceFolder.isEmpty())
        return Refuse(booHasSource ? QCoreApplication::translate("clsCompiledLanguage", "was compiled with a source language, and this load has none")
                                   : QCoreApplication::translate("clsCompiledLanguage", "was compiled without a source language, and this load has one"));
    if (lngStamps != (booHasSource ? 6u : 3u)) return Refuse(QCoreApplication::translate("clsCompiledLanguage", "is damaged (its stamps)"));
    for (uint32_t i = 0; i < lngStamps; ++i) {
        const uchar* p = At(lngStampsAt + i * StampSize);
        const uint32_t lngRole = U32(p), lngKind = U32(p + 4);
        if (lngRole > 1 || lngKind > 2) return Refuse(QCoreApplication::translate("clsCompiledLanguage", "is damaged (its stamps)"));
        const udtStamp udtNow = StampOf(lngRole == 0 ? pstrFolder : pstrSourceFolder, lngRole, static_cast<enuFileKind>(lngKind));
        // A copy that did not keep the files' times (git, cp without -p) is told by their hashes.
        if (udtNow.Present != (U32(p + 8) != 0) || udtNow.Size != I64(p + 16) ||
            (udtNow.Time != I64(p + 24) && Sha1Of(udtNow.Path) != QByteArrayView(reinterpret_cast<const char*>(p + 32), 20)))
            return Refuse((lngRole == 0 ? QCoreApplication::translate("clsCompiledLanguage", "is older than %1 (or that file changed since): run tralyx-lrc compile again")
                                        : QCoreApplication::translate("clsCompiledLanguage", "is older than the source language's %1 (or that file changed since): run tralyx-lrc compile again"))
                              .arg(LanguageFileName(static_cast<enuFileKind>(lngKind))));
    }
    return true;
}

QStringView clsCompiledLanguage::ViewAt(const udtRef& pudtRef) const
{
    if (!mbytData || uint64_t(pudtRef.Offset) + pudtRef.Size > mlngStringUnits) return {};
    return QStringView(reinterpret_cast<const char16_t*>(At(mlngStringsAt)) + pudtRef.Offset, pudtRef.Size);
}

// A copy: the texts outlive the mapping in the widgets that show them.
QString clsCompiledLanguage::StringAt(const udtRef& pudtRef) const { return ViewAt(pudtRef).toString(); }

bool clsCompiledLanguage::Find(QStringView pstrForm, QStringView pstrControl, uint8_t pbytIndex, udtFoundTexts& pudtOut) const
{
    if (!mbytData) return false;
    const uint32_t lngHash = KeyHash(pstrForm, pstrControl, pbytIndex);
    for (uint32_t n = 0, s = lngHash & (mlngBuckets - 1); n < mlngBuckets; ++n, s = (s + 1) & (mlngBuckets - 1)) {
        const uint32_t lngSlot = U32(At(mlngBucketsAt + 4 * s));
        if (lngSlot == 0 || lngSlot > mlngEntries) return false;
        const uchar* p = At(mlngEntriesAt + (lngSlot - 1) * EntrySize);
        const uint32_t lngFlags = U32(p + 12);
        if (U32(p) != lngHash || (lngFlags & 0xFF) != pbytIndex) continue;
        const QStringView strKey = ViewAt({U32(p + 4), U32(p + 8)});
        if (strKey.size() != pstrForm.size() + 1 + pstrControl.size() || !strKey.startsWith(pstrForm) ||
            strKey[pstrForm.size()] != u'.' || !strKey.endsWith(pstrControl))
            continue;
        pudtOut = {};
        pudtOut.Texts = {StringAt({U32(p + 16), U32(p + 20)}), StringAt({U32(p + 24), U32(p + 28)})};
        pudtOut.HasCaption = lngFlags & HasCaptionBit;
        pudtOut.HasToolTip = lngFlags & HasToolTipBit;
        return true;
    }
    return false;
}

QString clsCompiledLanguage::MessageText(int plngId) const
{
    if (!mbytData || plngId < 1 || uint32_t(plngId) > mlngMessages) return QString();
    const uchar* p = At(mlngMessagesAt + (plngId - 1) * MessageSize);
    return StringAt({U32(p), U32(p + 4)});
}

QString clsCompiledLanguage::MessageTitle(int plngId) const
{
    if (!mbytData || plngId < 1 || uint32_t(plngId) > mlngMessages) return QString();
    const uchar* p = At(mlngMessagesAt + (plngId - 1) * MessageSize + 8);
    return StringAt({U32(p), U32(p + 4)});
}

QString clsCompiledLanguage::Text(int plngId) const
{
    if (!mbytData || plngId < 1 || uint32_t(plngId) > mlngTexts) return QString();
    const uchar* p = At(mlngTextsAt + (plngId - 1) * TextSize);
    return StringAt({U32(p), U32(p + 4)});
}

}  // namespace tralyx
