#include "CliDesktop.h"

#include <QMutexLocker>

namespace tralyx::cli {

clsCliDesktop::clsCliDesktop(bool pbooForce) : mbooForce(pbooForce) { InstallDesktop(this); }

clsCliDesktop::~clsCliDesktop() { InstallDesktop(nullptr); }

int32_t clsCliDesktop::MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString&, const QString&)
{
    {
        // The updates of a root's languages ask from several threads at once.
        const QMutexLocker objLock(&mobjShown);
        mstrShown.append(pstrPrompt);
    }
    switch (plngStyle & 7) {
    case vbYesNo: return mbooForce ? vbYes : vbNo;
    case vbYesNoCancel: return mbooForce ? vbYes : vbCancel;
    case vbOKCancel:
    case vbRetryCancel: return vbCancel;
    case vbAbortRetryIgnore: return vbAbort;
    default: return vbOK;
    }
}

}  // namespace tralyx::cli
