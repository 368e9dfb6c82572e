#pragma once
// An 8-bit (or multi-byte) code page in which language files are read and written.
//
// Single-byte code pages are handled by a 256-entry table built from Qt's decoder. Bytes that the
// code page leaves undefined (Qt decodes them to U+FFFD) get private code points that encode back
// to the same byte, so any file loads and saves byte for byte. Multi-byte code pages (932, 936,
// 949, 950, UTF-8) go through Qt's converters, and a byte sequence they cannot decode is an error,
// never a replacement character.
//
// A code page is usable only when CR, LF, ':', '.', the digits and the ASCII letters are their
// single ASCII bytes: the readers split lines and heads on those bytes before decoding.
#include <QByteArray>
#include <QString>
#include <memory>

class QStringDecoder;
class QStringEncoder;

namespace tralyx {

class clsCodePage {
public:
    static constexpr const char* DefaultName = "windows-1252";

    explicit clsCodePage(const QString& pstrName = QString::fromLatin1(DefaultName));

    clsCodePage(const clsCodePage& pobjOther);
    clsCodePage& operator=(const clsCodePage& pobjOther);
    ~clsCodePage();

    bool IsValid() const;  // Qt knows it and it is usable for language files
    // Empty when valid; otherwise why the code page cannot be used, naming it.
    QString Problem() const;
    const QString& Name() const { return mstrName; }
    bool IsSingleByte() const;
    bool IsUtf8() const;
    // Single byte, every byte below 0x80 its ASCII character: a reader may split and compare such a
    // file's bytes before decoding them, as no other byte decodes to one of those characters.
    bool KeepsAscii() const;

    QString Decode(const char* pbytData, qsizetype plngSize) const;
    QString Decode(const QByteArray& pbytData) const { return Decode(pbytData.constData(), pbytData.size()); }
    // The same into pstrOut, reusing its memory: a reader decodes line after line into one buffer.
    void DecodeInto(const char* pbytData, qsizetype plngSize, QString& pstrOut) const;
    // The same appended to pstrOut.
    void DecodeAppend(const char* pbytData, qsizetype plngSize, QString& pstrOut) const;
    // Decodes one line; false, with a reason such as "byte 0xD6 at column 23 is not valid UTF-8
    // (is the code page right?)", when some bytes are not valid in this code page.
    bool DecodeLine(const char* pbytData, qsizetype plngSize, QString& pstrOut, QString& pstrReason) const
    {
        if (mbooSingleByte) {
            DecodeInto(pbytData, plngSize, pstrOut);
            return true;
        }
        return DecodeMultiByte(pbytData, plngSize, pstrOut, pstrReason);
    }

    // Appends the encoded text to pbytOut. Returns false, appending nothing, when some character
    // cannot be written in this code page.
    bool Encode(QStringView pstrText, QByteArray& pbytOut) const;

    // The distinct characters of pstrText that this code page cannot write, in order of appearance.
    QString Unencodable(QStringView pstrText) const;

    struct udtTable;

private:
    bool DecodeMultiByte(const char* pbytData, qsizetype plngSize, QString& pstrOut, QString& pstrReason) const;
    QString InvalidBytesReason(const char* pbytData, qsizetype plngStart, qsizetype plngLength) const;
    QStringDecoder& Decoder() const;
    QStringEncoder& Encoder() const;

    QString mstrName;
    std::shared_ptr<const udtTable> mudtTable;
    bool mbooSingleByte = false;
    mutable std::unique_ptr<QStringDecoder> mobjDecoder;  // made on first use, never shared by copies
    mutable std::unique_ptr<QStringEncoder> mobjEncoder;
};

}  // namespace tralyx
