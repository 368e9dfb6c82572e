#pragma once
// An 8-bit (or multi-byte) code page in which language files are read and written.
//
// Single-byte code pages are handled by a 256-entry table built from Qt's decoder. Bytes that the
// code page leaves undefined (Qt decodes them to U+FFFD) get private code points that encode back
// to the same byte, so any file loads and saves byte for byte. Multi-byte code pages (932, 936,
// 949, 950, UTF-8) go through Qt's converters.
#include <QByteArray>
#include <QString>
#include <memory>

namespace tralyx {

class clsCodePage {
public:
    static constexpr const char* DefaultName = "windows-1252";

    explicit clsCodePage(const QString& pstrName = QString::fromLatin1(DefaultName));

    bool IsValid() const;
    const QString& Name() const { return mstrName; }
    bool IsSingleByte() const;

    QString Decode(const char* pbytData, qsizetype plngSize) const;
    QString Decode(const QByteArray& pbytData) const { return Decode(pbytData.constData(), pbytData.size()); }
    // The same into pstrOut, reusing its memory: a reader decodes line after line into one buffer.
    void DecodeInto(const char* pbytData, qsizetype plngSize, QString& pstrOut) const;

    // Appends the encoded text to pbytOut. Returns false, appending nothing, when some character
    // cannot be written in this code page.
    bool Encode(QStringView pstrText, QByteArray& pbytOut) const;

    // The distinct characters of pstrText that this code page cannot write, in order of appearance.
    QString Unencodable(QStringView pstrText) const;

    struct udtTable;

private:
    QString mstrName;
    std::shared_ptr<const udtTable> mudtTable;
};

}  // namespace tralyx
