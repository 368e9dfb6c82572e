#pragma once
// Small text helpers that the three file formats share.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tralyx {

// The lines of a text: CR LF, a lone CR and a lone LF each count as one line break.
QStringList SplitTextLines(const QString& pstrText);
bool HasLineBreak(QStringView pstrText);
// Appends the lines of a text, each after pstrHead, separated by a lone CR (the line end inside a
// record); the last line is written too when it is empty.
void AppendTextLines(QString& pstrOut, QStringView pstrHead, QStringView pstrText);

// A number of ASCII decimal digits only (leading zeros allowed), or nothing when the text is empty,
// holds anything else, or exceeds plngMax.
std::optional<int32_t> ParseDigits(QStringView pstrText, int32_t plngMax);

// Three digits with leading zeros.
QString ThreeDigits(int32_t plngNumber);

// Why a numbered line is refused whose number is not the one its place gives (pstrId "MSG003",
// plngExpected 0 to 999).
QString OutOfPlaceReason(QStringView pstrId, int32_t plngExpected);

// "TAGnnn:", the head of a numbered record's lines, made without allocating (one per record).
struct udtRecordHead {
    char16_t Chars[7];
    QStringView Id() const { return QStringView(Chars, 6); }  // "TAGnnn"
    QStringView Head() const { return QStringView(Chars, 7); }
};
// pstrTag: three ASCII letters; plngNumber: 0 to 999.
udtRecordHead RecordHead(const char* pstrTag, int32_t plngNumber);

}  // namespace tralyx
