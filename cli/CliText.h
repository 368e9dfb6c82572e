#pragma once
// The messages of tralyx-lrc in the user's language, all under one context: Lrc::tr("...") for a
// text in place, QT_TRANSLATE_NOOP("tralyx_lrc", "...") for one kept in a constant (a usage text)
// and translated where it is printed, with Lrc::Text.
#include <QCoreApplication>

namespace tralyx::cli {

struct Lrc {
    Q_DECLARE_TR_FUNCTIONS(tralyx_lrc)
public:
    static QString Text(const char* pstrMarked) { return QCoreApplication::translate("tralyx_lrc", pstrMarked); }
};

}  // namespace tralyx::cli
