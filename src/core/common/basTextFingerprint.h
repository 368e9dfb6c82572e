#pragma once
// A short, stable fingerprint of a text: what a record beside the files (a state mark, an export's
// note of what it exported) keeps to know later whether the text is still the one it was made for,
// without keeping the text. The same text gives the same fingerprint in every build and on every
// machine; two different texts give the same one about once in 2^48.
#include <QString>
#include <QStringView>

namespace tralyx {

// 12 lower-case hex digits (the first 48 bits of the SHA-1 of the text's UTF-8).
QString TextFingerprint(QStringView pstrText);

}  // namespace tralyx
