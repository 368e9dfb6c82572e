#include "common/basDesktop.h"

#include "common/basApplication.h"
#include "common/clsRuntimeError.h"

namespace tralyx {
namespace {

class clsHeadlessDesktop final : public clsDesktop {
public:
    int32_t MsgBox(const QString&, int32_t plngStyle, const QString&, const QString&) override
    {
        switch (plngStyle & 7) {
        case vbYesNo: return vbNo;
        case vbYesNoCancel:
        case vbOKCancel:
        case vbRetryCancel: return vbCancel;
        case vbAbortRetryIgnore: return vbAbort;
        default: return vbOK;
        }
    }
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return mstrClipboard; }
    void SetClipboardText(const QString& pstrText) override { mstrClipboard = pstrText; }

private:
    QString mstrClipboard;
};

clsHeadlessDesktop gobjHeadless;
clsDesktop* gobjDesktop = &gobjHeadless;

DesktopMaker gpfnMaker = nullptr;

}  // namespace

clsDesktop& Desktop() { return *gobjDesktop; }

clsDesktop& MessageDesktop(const QString& pstrWhat)
{
    if (gobjDesktop == &gobjHeadless && gpfnMaker)
        if (clsDesktop* objMade = gpfnMaker()) InstallDesktop(objMade);
    if (gobjDesktop == &gobjHeadless)
        throw clsRuntimeError(ErrNoDesktop, "Object variable not set: there is no desktop to show " + pstrWhat.toStdString() +
                                                " on; install one with tralyx::InstallDesktop (with Qt widgets, a "
                                                "tralyx::clsQtDesktop once the QApplication exists)");
    return *gobjDesktop;
}

void SetDesktopMaker(DesktopMaker pfnMaker) { gpfnMaker = pfnMaker; }

void InstallDesktop(clsDesktop* pobjDesktop) { gobjDesktop = pobjDesktop ? pobjDesktop : &gobjHeadless; }

int32_t MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle, const QString& pstrDetails)
{
    return Desktop().MsgBox(pstrPrompt, plngStyle, pstrTitle.isEmpty() ? App::Title() : pstrTitle, pstrDetails);
}

}  // namespace tralyx
