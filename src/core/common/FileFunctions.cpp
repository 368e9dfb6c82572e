#include "common/FileFunctions.h"

namespace tralyx {
namespace {
bool IsSeparator(QChar c) { return c == u'\\' || c == u'/'; }
}  // namespace

QString GetFileExtension(const QString& pstrFile)
{
    const qsizetype lngPoint = pstrFile.lastIndexOf(u'.') + 1;  // 1-based, 0 when none
    if (lngPoint < 2) return QString();
    // Character by character: a whole-string upper-casing turns "ß" into "SS", and the extension
    // would no longer be as long as the text it stands for.
    QString strExtension = pstrFile.mid(lngPoint);
    for (QChar& c : strExtension) c = c.toUpper();
    return strExtension;
}

QString GetFileName(const QString& pstrPath, bool pbooKeepExtension)
{
    QString s = pstrPath;
    if (!s.isEmpty() && IsSeparator(s.back())) s.chop(1);
    qsizetype lngLast = 0;  // 1-based position of the last separator
    for (qsizetype i = s.size(); i > 0; --i) {
        if (IsSeparator(s[i - 1])) {
            lngLast = i;
            break;
        }
    }
    QString r = lngLast >= 2 ? s.mid(lngLast) : s;
    const QString e = GetFileExtension(r);
    if (!e.isEmpty() && !pbooKeepExtension) r.chop(e.size() + 1);
    return r;
}

}  // namespace tralyx
