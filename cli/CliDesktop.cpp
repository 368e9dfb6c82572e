#include "CliDesktop.h"

namespace tralyx::cli {

clsCliDesktop::clsCliDesktop(bool pbooForce) : mbooForce(pbooForce) { InstallDesktop(this); }

clsCliDesktop::~clsCliDesktop() { InstallDesktop(nullptr); }

int32_t clsCliDesktop::MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString&, const QString&)
{
    mstrShown.append(pstrPrompt);
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
