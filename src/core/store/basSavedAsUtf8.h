#pragma once
// A file whose code page is not UTF-8 but whose bytes are valid UTF-8 with characters beyond ASCII
// was most likely saved as UTF-8 by an editor: read in its code page, each such character turns into
// two or three wrong ones, without an error. The load, check and lint all warn about it this way.
#include "store/clsTralyx.h"

#include <QByteArrayView>

namespace tralyx {

// The first line with such a character and the warning; an issue with an empty reason when the
// code page is UTF-8 or multi-byte, or the bytes are ASCII or not valid UTF-8.
udtFileIssue SavedAsUtf8(QByteArrayView pbytContent, const clsCodePage& pobjCodePage);

}  // namespace tralyx
