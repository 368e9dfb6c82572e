#pragma once
// What many tests share: the system's own questions, and the number of the run-time error a call
// raises.
#include "common/clsRuntimeError.h"

#include <QString>
#include <functional>

namespace tralyx::test {

inline QString Q(const char* pstrText) { return QString::fromUtf8(pstrText); }

// Each followed by the file (and the entry) it is about, on a line of its own.
inline const QString DataChangedPrompt = Q("This item has changed, do you want to save the changes?\r\n\r\n…");
inline const QString SaveChangesPrompt = Q("Do you want to save your changes?\r\n\r\n…");
inline QString OverwritePrompt(const QString& pstrPath)
{
    return Q("The file ") + pstrPath + Q(" already exists.\r\nDo you want to overwrite it?");
}

// 0 when pfnCall raises no run-time error.
inline int32_t ErrorNumber(const std::function<void()>& pfnCall)
{
    try {
        pfnCall();
    } catch (const clsRuntimeError& e) {
        return e.Number();
    }
    return 0;
}

}  // namespace tralyx::test
