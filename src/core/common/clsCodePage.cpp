#include "clsCodePage.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <mutex>

namespace tralyx {

struct clsCodePage::udtTable {
    bool booValid = false;
    bool booSingleByte = false;
    std::array<char16_t, 256> chrDecode{};
    std::array<int16_t, 65536> intEncode{};  // byte for each UTF-16 unit, -1 where none
};

namespace {

// Undefined bytes of a single-byte code page decode to U+F700 + byte (a private-use block).
constexpr char16_t PrivateBase = 0xF700;

std::shared_ptr<const clsCodePage::udtTable> BuildTable(const QString& pstrName)
{
    auto udtTable = std::make_shared<clsCodePage::udtTable>();
    const QByteArray bytName = pstrName.toLatin1();
    QStringDecoder objProbe(bytName.constData());
    if (!objProbe.isValid()) return udtTable;
    udtTable->booValid = true;
    udtTable->intEncode.fill(-1);

    // Single byte when every byte decodes alone to one character and a lead byte never swallows
    // the byte after it.
    bool booSingle = true;
    for (int b = 0; b < 256 && booSingle; ++b) {
        const char pair[2] = {static_cast<char>(b), static_cast<char>(0xA1)};
        QStringDecoder one(bytName.constData());
        QStringDecoder two(bytName.constData());
        const QString strOne = one.decode(QByteArrayView(pair, 1));
        const QString strTwo = two.decode(QByteArrayView(pair, 2));
        if (strOne.size() != 1 || strTwo.size() != 2) booSingle = false;
        else udtTable->chrDecode[b] = strOne[0].unicode();
    }
    if (!booSingle) return udtTable;  // multi-byte: Qt's converters do the work
    udtTable->booSingleByte = true;
    for (int b = 0; b < 256; ++b) {
        char16_t c = udtTable->chrDecode[b];
        if (c == 0xFFFD || udtTable->intEncode[c] != -1) c = PrivateBase + b;  // undefined or ambiguous
        udtTable->chrDecode[b] = c;
        udtTable->intEncode[c] = static_cast<int16_t>(b);
    }
    return udtTable;
}

std::shared_ptr<const clsCodePage::udtTable> TableFor(const QString& pstrName)
{
    static std::mutex objLock;
    static QHash<QString, std::shared_ptr<const clsCodePage::udtTable>> objTables;
    const QString strKey = pstrName.toLower();
    std::lock_guard guard(objLock);
    auto it = objTables.find(strKey);
    if (it == objTables.end()) it = objTables.insert(strKey, BuildTable(pstrName));
    return it.value();
}

}  // namespace

clsCodePage::clsCodePage(const QString& pstrName) : mstrName(pstrName), mudtTable(TableFor(pstrName)) {}

bool clsCodePage::IsValid() const { return mudtTable->booValid; }
bool clsCodePage::IsSingleByte() const { return mudtTable->booSingleByte; }

QString clsCodePage::Decode(const char* pbytData, qsizetype plngSize) const
{
    QString strOut;
    DecodeInto(pbytData, plngSize, strOut);
    return strOut;
}

void clsCodePage::DecodeInto(const char* pbytData, qsizetype plngSize, QString& pstrOut) const
{
    if (!mudtTable->booValid) {
        pstrOut.resize(0);
    } else if (mudtTable->booSingleByte) {
        pstrOut.resize(plngSize);  // keeps the buffer when it is large enough
        char16_t* pchrOut = reinterpret_cast<char16_t*>(pstrOut.data());
        const auto& table = mudtTable->chrDecode;
        for (qsizetype i = 0; i < plngSize; ++i) pchrOut[i] = table[static_cast<uint8_t>(pbytData[i])];
    } else {
        QStringDecoder objDecoder(mstrName.toLatin1().constData());
        pstrOut = objDecoder.decode(QByteArrayView(pbytData, plngSize));
    }
}

bool clsCodePage::Encode(QStringView pstrText, QByteArray& pbytOut) const
{
    if (!mudtTable->booValid) return false;
    if (mudtTable->booSingleByte) {
        const qsizetype lngStart = pbytOut.size();
        pbytOut.resize(lngStart + pstrText.size());
        char* pbytDest = pbytOut.data() + lngStart;
        const auto& table = mudtTable->intEncode;
        for (qsizetype i = 0; i < pstrText.size(); ++i) {
            const int16_t b = table[pstrText[i].unicode()];
            if (b < 0) {
                pbytOut.resize(lngStart);
                return false;
            }
            pbytDest[i] = static_cast<char>(b);
        }
        return true;
    }
    if (pstrText.isEmpty()) return true;
    const QByteArray bytName = mstrName.toLatin1();
    QStringEncoder objEncoder(bytName.constData());
    const QByteArray bytEncoded = objEncoder.encode(pstrText);
    if (objEncoder.hasError()) return false;
    // Some converters substitute silently; a round trip tells.
    QStringDecoder objDecoder(bytName.constData());
    if (QString(objDecoder.decode(bytEncoded)) != pstrText) return false;
    pbytOut.append(bytEncoded);
    return true;
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
