#pragma once
// Taking file names apart. Positions count characters from 1, like the rest of the program.
#include <QString>

namespace tralyx {

// The last component of a path, with or without its extension. Components are separated by "\"
// and, so that Linux paths work, by "/" under the same rules.
QString GetFileName(const QString& pstrPath, bool pbooKeepExtension);

// The upper-cased text after the last "." of a single path component; empty when there is no "."
// or the only one is the first character.
QString GetFileExtension(const QString& pstrFile);

}  // namespace tralyx
