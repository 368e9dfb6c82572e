#include "common/clsCodePage.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <mutex>
#include <string_view>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tralyx {

struct clsCodePage::udtTable {
    bool booKnown = false;   // Qt has a converter of that name
    bool booValid = false;   // known, and the ASCII the formats rely on is single ASCII bytes
    bool booSingleByte = false;
    bool booUtf8 = false;
    bool booAsciiKept = false;  // single byte, and every byte below 0x80 decodes to itself
    std::array<char16_t, 256> chrDecode{};

    // The byte for each UTF-16 unit, -1 where none: made on the first encode (a read needs none).
    const std::array<int16_t, 65536>& EncodeTable() const
    {
        std::call_once(objEncodeOnce, [this] {
            auto intTable = std::make_unique<std::array<int16_t, 65536>>();
            intTable->fill(-1);
            for (int b = 0; b < 256; ++b) (*intTable)[chrDecode[b]] = static_cast<int16_t>(b);
            intEncode = std::move(intTable);
        });
        return *intEncode;
    }

private:
    mutable std::once_flag objEncodeOnce;
    mutable std::unique_ptr<std::array<int16_t, 65536>> intEncode;
};

namespace {

// Undefined bytes of a single-byte code page decode to U+F700 + byte (a private-use block).
constexpr char16_t PrivateBase = 0xF700;

// Whether each character encodes to the same bytes wherever it stands, none of them a line end.
// Not so in the pages that shift between states (UTF-7's "+...-", SCSU's windows, ISO-2022's escapes),
// where a text's bytes depend on what came before it: the readers split a file into lines before
// decoding them, and an import rewrites single lines, so such a page would write lines that neither
// Tralyx nor other tools read back (a line of ISO-2022-JP that ends in kanji turns the next line
// into kanji for iconv).
bool EncodesCharByChar(const QByteArray& pbytName)
{
    static const char16_t Probes[] = u"\u00E4\u00DF\u20AC\u0436\u03B1\u4E2D\u65E5\u3042\uD55C\u0E01\u0D0A";
    static const char After[] = ":.0aZ\r\n";
    for (const char16_t chrProbe : std::u16string_view(Probes)) {
        const QString strFollowed = QChar(chrProbe) + QLatin1StringView(After);
        QStringEncoder objAlone(pbytName.constData()), objFollowed(pbytName.constData());
        QStringDecoder objBack(pbytName.constData());
        const QByteArray bytAlone = objAlone.encode(QStringView(strFollowed).first(1));
        const QByteArray bytFollowed = objFollowed.encode(strFollowed);
        if (objFollowed.hasError() || QString(objBack.decode(bytFollowed)) != strFollowed) continue;  // not in the page
        if (objAlone.hasError() || bytFollowed != bytAlone + After || bytAlone.contains('\r') || bytAlone.contains('\n'))
            return false;
    }
    return true;
}

std::shared_ptr<const clsCodePage::udtTable> BuildTable(const QString& pstrName)
{
    auto udtTable = std::make_shared<clsCodePage::udtTable>();
    const QByteArray bytName = pstrName.toLatin1();
    QStringDecoder objProbe(bytName.constData());
    if (!objProbe.isValid()) return udtTable;
    udtTable->booKnown = true;
    // The readers split lines and heads on these bytes before decoding: UTF-16, UTF-32 and EBCDIC
    // pages would never read back what was written.
    static const char Ascii[] = "\r\n:.0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QStringEncoder objEncoder(bytName.constData());
    const QByteArray bytAscii = objEncoder.encode(QLatin1StringView(Ascii));
    if (objEncoder.hasError() || bytAscii != QByteArrayView(Ascii)) return udtTable;
    udtTable->booValid = true;
    udtTable->booUtf8 = QStringConverter::encodingForName(bytName.constData()) == QStringConverter::Utf8;

    // Single byte when every byte decodes alone to one character and a lead byte never swallows
    // the byte after it. One decoder serves all probes: a probe that passes ends on a whole
    // character, so the next one starts as a fresh decoder would (a converter per probe was most
    // of the start-up of a check).
    QStringDecoder objDecoder(bytName.constData());
    bool booSingle = true;
    for (int b = 0; b < 256 && booSingle; ++b) {
        const char pair[2] = {static_cast<char>(b), static_cast<char>(0xA1)};
        const QString strOne = objDecoder.decode(QByteArrayView(pair, 1));
        if (strOne.size() != 1) {
            booSingle = false;
            break;
        }
        if (QString(objDecoder.decode(QByteArrayView(pair, 2))).size() != 2) booSingle = false;
        else udtTable->chrDecode[b] = strOne[0].unicode();
    }
    if (!booSingle) {  // multi-byte: Qt's converters do the work
        udtTable->booValid = EncodesCharByChar(bytName);
        return udtTable;
    }
    udtTable->booSingleByte = true;
    std::vector<bool> booTaken(65536, false);
    for (int b = 0; b < 256; ++b) {
        char16_t c = udtTable->chrDecode[b];
        if (c == 0xFFFD || booTaken[c]) c = PrivateBase + b;  // undefined or ambiguous
        udtTable->chrDecode[b] = c;
        booTaken[c] = true;
    }
    udtTable->booAsciiKept = true;
    for (int b = 0; b < 0x80; ++b) udtTable->booAsciiKept = udtTable->booAsciiKept && udtTable->chrDecode[b] == b;
    return udtTable;
}

std::shared_ptr<const clsCodePage::udtTable> TableFor(const QString& pstrName)
{
    static std::mutex objLock;
    static QHash<QString, std::shared_ptr<const clsCodePage::udtTable>> objTables;
    const QString strKey = pstrName.toLower();
    std::lock_guard guard(objLock);
    auto it = objTables.find(strKey);
    if (it != objTables.end()) return it.value();
    // The names come from files too (a PO's charset, an XML declaration): a cache of every name
    // seen would grow with each one. Those beyond the first few dozen are built each time.
    auto udtTable = BuildTable(pstrName);
    if (objTables.size() < 64) objTables.insert(strKey, udtTable);
    return udtTable;
}

}  // namespace

clsCodePage::clsCodePage(const QString& pstrName)
    : mstrName(pstrName), mudtTable(TableFor(pstrName)), mbooSingleByte(mudtTable->booSingleByte)
{
}

clsCodePage::clsCodePage(const clsCodePage& pobjOther)
    : mstrName(pobjOther.mstrName), mudtTable(pobjOther.mudtTable), mbooSingleByte(pobjOther.mbooSingleByte)
{
}

clsCodePage& clsCodePage::operator=(const clsCodePage& pobjOther)
{
    if (this != &pobjOther) {
        mstrName = pobjOther.mstrName;
        mudtTable = pobjOther.mudtTable;
        mbooSingleByte = pobjOther.mbooSingleByte;
        mobjDecoder.reset();
        mobjEncoder.reset();
    }
    return *this;
}

clsCodePage::~clsCodePage() = default;

bool clsCodePage::IsValid() const { return mudtTable->booValid; }
bool clsCodePage::IsSingleByte() const { return mudtTable->booSingleByte; }
bool clsCodePage::IsUtf8() const { return mudtTable->booUtf8; }
bool clsCodePage::KeepsAscii() const { return mudtTable->booAsciiKept; }

QString clsCodePage::Problem() const
{
    if (!mudtTable->booKnown)
        return QCoreApplication::translate("clsCodePage", "unknown code page '%1' (for example windows-1252, windows-1250, UTF-8)").arg(mstrName);
    if (!mudtTable->booValid)
        return QCoreApplication::translate("clsCodePage", "code page '%1' cannot be used: language files need line ends, '.', ':', digits and "
                              "ASCII letters as single ASCII bytes, and every character the same bytes wherever it stands "
                              "(no shifting between states)")
            .arg(mstrName);
    return QString();
}

QStringDecoder& clsCodePage::Decoder() const
{
    // Qt's multi-byte converters keep a broken sequence across resetState(): after one error every
    // later line would fail too. A converter that saw an error is made afresh.
    if (!mobjDecoder || mobjDecoder->hasError()) {
        // A byte-order mark at the start of the file is the reader's business; one at the start of a
        // line is text.
        const QStringConverter::Flags lngFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
        mobjDecoder = std::make_unique<QStringDecoder>(mstrName.toLatin1().constData(), lngFlags);
    }
    mobjDecoder->resetState();
    return *mobjDecoder;
}

QStringEncoder& clsCodePage::Encoder() const
{
    if (!mobjEncoder || mobjEncoder->hasError()) mobjEncoder = std::make_unique<QStringEncoder>(mstrName.toLatin1().constData());
    mobjEncoder->resetState();
    return *mobjEncoder;
}

namespace {

// Length of the valid UTF-8 prefix of the bytes; plngBad gets the length of the invalid sequence
// that follows (its maximal subpart, at least 1), when there is one.
qsizetype ValidUtf8Prefix(const uint8_t* p, qsizetype n, qsizetype& plngBad)
{
    qsizetype i = 0;
    while (i < n) {
        const uint8_t b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        qsizetype lngNeed = 0;
        uint8_t bytLow = 0x80, bytHigh = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) lngNeed = 1;
        else if (b == 0xE0) { lngNeed = 2; bytLow = 0xA0; }
        else if (b == 0xED) { lngNeed = 2; bytHigh = 0x9F; }
        else if (b >= 0xE1 && b <= 0xEF) lngNeed = 2;
        else if (b == 0xF0) { lngNeed = 3; bytLow = 0x90; }
        else if (b == 0xF4) { lngNeed = 3; bytHigh = 0x8F; }
        else if (b >= 0xF1 && b <= 0xF3) lngNeed = 3;
        else {
            plngBad = 1;
            return i;
        }
        qsizetype k = 1;
        for (; k <= lngNeed; ++k) {
            if (i + k >= n) break;
            const uint8_t c = p[i + k];
            if (k == 1 ? (c < bytLow || c > bytHigh) : (c < 0x80 || c > 0xBF)) break;
        }
        if (k <= lngNeed) {
            plngBad = k;
            return i;
        }
        i += lngNeed + 1;
    }
    plngBad = 0;
    return n;
}

// Decodes into pstrOut's own buffer, so that a reader decodes line after line without allocating.
void DecodeInPlace(QStringDecoder& pobjDecoder, QByteArrayView pbytIn, QString& pstrOut)
{
    pstrOut.resize(pobjDecoder.requiredSpace(pbytIn.size()));
    QChar* const pchrStart = pstrOut.data();
    pstrOut.resize(pobjDecoder.appendToBuffer(pchrStart, pbytIn) - pchrStart);
}

}  // namespace

QString clsCodePage::InvalidBytesReason(const char* pbytData, qsizetype plngStart, qsizetype plngLength) const
{
    QStringList strBytes;
    for (qsizetype i = plngStart; i < plngStart + plngLength && strBytes.size() < 8; ++i)
        strBytes.append(QStringLiteral("0x") +
                        QString::number(static_cast<uint8_t>(pbytData[i]), 16).toUpper().rightJustified(2, u'0'));
    return (plngLength == 1 ? QCoreApplication::translate("clsCodePage", "byte %1 at column %2 is not valid %3 (is the code page right?)")
                            : QCoreApplication::translate("clsCodePage", "bytes %1 at column %2 are not valid %3 (is the code page right?)"))
        .arg(strBytes.join(u' '))
        .arg(plngStart + 1)
        .arg(mstrName);
}

bool clsCodePage::DecodeMultiByte(const char* pbytData, qsizetype plngSize, QString& pstrOut, QString& pstrReason) const
{
    if (!mudtTable->booValid) {
        pstrOut.resize(0);
        pstrReason = Problem();
        return false;
    }
    if (mudtTable->booUtf8) {
        qsizetype lngBad = 0;
        const qsizetype lngValid = ValidUtf8Prefix(reinterpret_cast<const uint8_t*>(pbytData), plngSize, lngBad);
        if (lngBad > 0) {
            pstrOut.resize(0);
            pstrReason = InvalidBytesReason(pbytData, lngValid, lngBad);
            return false;
        }
        DecodeInPlace(Decoder(), QByteArrayView(pbytData, plngSize), pstrOut);
        return true;
    }
    QStringDecoder& objDecoder = Decoder();
    DecodeInPlace(objDecoder, QByteArrayView(pbytData, plngSize), pstrOut);
    if (!objDecoder.hasError()) return true;
    pstrOut.resize(0);
    // Find the sequence: feed the bytes one by one to a decoder that keeps its state; the bad
    // sequence starts after the last byte that completed a character, and ends before the byte
    // that broke it unless that byte came out again as a character of its own.
    QStringDecoder objStepper(mstrName.toLatin1().constData(), QStringConverter::Flag::ConvertInitialBom);
    qsizetype lngStart = 0;
    for (qsizetype i = 0; i < plngSize; ++i) {
        const QString strChars = objStepper.decode(QByteArrayView(pbytData + i, 1));
        if (objStepper.hasError()) {
            const qsizetype lngEnd = (strChars.size() > 1 && i > lngStart) ? i : i + 1;
            pstrReason = InvalidBytesReason(pbytData, lngStart, lngEnd - lngStart);
            return false;
        }
        if (!strChars.isEmpty()) lngStart = i + 1;
    }
    // Nothing broke before the end: the line ends inside a character. The bytes quoted stay within
    // the line.
    lngStart = std::min(lngStart, std::max<qsizetype>(plngSize - 1, 0));
    pstrReason = InvalidBytesReason(pbytData, lngStart, plngSize - lngStart);
    return false;
}

namespace {

// Single-byte decoding through the table. Where the code page keeps ASCII as it is, runs of ASCII
// (nearly all of a language file) are widened 16 bytes at a time.
void DecodeBytes(const std::array<char16_t, 256>& pchrTable, bool pbooAscii, const char* pbytData, qsizetype plngSize,
                 char16_t* pchrOut)
{
    qsizetype i = 0;
#ifdef __SSE2__
    if (pbooAscii) {
        const __m128i objZero = _mm_setzero_si128();
        for (; i + 16 <= plngSize; i += 16) {
            const __m128i objBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pbytData + i));
            if (_mm_movemask_epi8(objBytes) != 0) {
                for (qsizetype k = i; k < i + 16; ++k) pchrOut[k] = pchrTable[static_cast<uint8_t>(pbytData[k])];
                continue;
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pchrOut + i), _mm_unpacklo_epi8(objBytes, objZero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pchrOut + i + 8), _mm_unpackhi_epi8(objBytes, objZero));
        }
    }
#else
    Q_UNUSED(pbooAscii);
#endif
    for (; i < plngSize; ++i) pchrOut[i] = pchrTable[static_cast<uint8_t>(pbytData[i])];
}

}  // namespace

QString clsCodePage::Decode(const char* pbytData, qsizetype plngSize) const
{
    if (!mudtTable->booValid) return QString();
    if (mudtTable->booSingleByte) {
        if (plngSize == 0) return QString();
        QString strOut(plngSize, Qt::Uninitialized);  // exactly the size: tables keep these strings
        DecodeBytes(mudtTable->chrDecode, mudtTable->booAsciiKept, pbytData, plngSize, reinterpret_cast<char16_t*>(strOut.data()));
        return strOut;
    }
    return Decoder().decode(QByteArrayView(pbytData, plngSize));
}

void clsCodePage::DecodeInto(const char* pbytData, qsizetype plngSize, QString& pstrOut) const
{
    pstrOut.resize(0);  // keeps the buffer
    DecodeAppend(pbytData, plngSize, pstrOut);
}

void clsCodePage::DecodeAppend(const char* pbytData, qsizetype plngSize, QString& pstrOut) const
{
    if (!mudtTable->booValid) return;
    if (!mudtTable->booSingleByte) {
        pstrOut += Decoder().decode(QByteArrayView(pbytData, plngSize));
        return;
    }
    const qsizetype lngStart = pstrOut.size();
    pstrOut.resize(lngStart + plngSize);
    DecodeBytes(mudtTable->chrDecode, mudtTable->booAsciiKept, pbytData, plngSize,
                reinterpret_cast<char16_t*>(pstrOut.data()) + lngStart);
}

bool clsCodePage::Encode(QStringView pstrText, QByteArray& pbytOut) const
{
    if (!mudtTable->booValid) return false;
    if (mudtTable->booSingleByte) {
        const qsizetype lngStart = pbytOut.size();
        pbytOut.resize(lngStart + pstrText.size());
        char* pbytDest = pbytOut.data() + lngStart;
        const auto& table = mudtTable->EncodeTable();
        const char16_t* const pchrText = pstrText.utf16();
        const auto EncodeChars = [&](qsizetype plngFrom, qsizetype plngTo) {
            for (qsizetype k = plngFrom; k < plngTo; ++k) {
                const int16_t b = table[pchrText[k]];
                if (b < 0) return false;
                pbytDest[k] = static_cast<char>(b);
            }
            return true;
        };
        qsizetype i = 0;
#ifdef __SSE2__
        if (mudtTable->booAsciiKept) {
            // ASCII 16 characters at a time; a block with anything else goes through the table.
            const __m128i objHigh = _mm_set1_epi16(static_cast<short>(0xFF80));
            for (; i + 16 <= pstrText.size(); i += 16) {
                const __m128i objA = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pchrText + i));
                const __m128i objB = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pchrText + i + 8));
                const __m128i objAbove = _mm_and_si128(_mm_or_si128(objA, objB), objHigh);
                if (_mm_movemask_epi8(_mm_cmpeq_epi16(objAbove, _mm_setzero_si128())) == 0xFFFF) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(pbytDest + i), _mm_packus_epi16(objA, objB));
                } else if (!EncodeChars(i, i + 16)) {
                    pbytOut.resize(lngStart);
                    return false;
                }
            }
        }
#endif
        if (!EncodeChars(i, pstrText.size())) {
            pbytOut.resize(lngStart);
            return false;
        }
        return true;
    }
    if (pstrText.isEmpty()) return true;
    // Encoded straight onto the end of pbytOut, and taken back on failure.
    QStringEncoder& objEncoder = Encoder();
    const qsizetype lngStart = pbytOut.size();
    pbytOut.resize(lngStart + objEncoder.requiredSpace(pstrText.size()));
    pbytOut.resize(objEncoder.appendToBuffer(pbytOut.data() + lngStart, pstrText) - pbytOut.constData());
    bool booExact = !objEncoder.hasError();
    if (booExact) {
        // Some converters substitute silently; a round trip tells. A text ending in a lone
        // surrogate leaves it pending in the encoder without an error, so that encoder is not used
        // again.
        thread_local QString strBack;  // one buffer for every check of this thread
        DecodeInPlace(Decoder(), QByteArrayView(pbytOut).sliced(lngStart), strBack);
        booExact = strBack == pstrText;
        if (!booExact) mobjEncoder.reset();
    }
    if (!booExact) pbytOut.resize(lngStart);
    return booExact;
}

QString clsCodePage::Unencodable(QStringView pstrText) const
{
    QString strBad;
    QByteArray bytScratch;
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        qsizetype lngLen = 1;
        if (pstrText[i].isHighSurrogate() && i + 1 < pstrText.size() && pstrText[i + 1].isLowSurrogate()) lngLen = 2;
        const QStringView strChar = pstrText.mid(i, lngLen);
        bytScratch.clear();
        if (!Encode(strChar, bytScratch) && !strBad.contains(strChar)) strBad.append(strChar);
        i += lngLen - 1;
    }
    return strBad;
}

}  // namespace tralyx
