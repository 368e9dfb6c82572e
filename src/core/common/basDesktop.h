#pragma once
// The one seam between Tralyx and the desktop: every message box, file dialog, folder choice and
// clipboard use goes through the object installed here. The editor installs a Qt implementation;
// tests install a scripted one; without either, a headless one answers every question with its
// safe "no" (No, Cancel or OK) and prints nothing.
#include <QString>
#include <cstdint>

namespace tralyx {

// Message-box style flags (buttons + icon + default button), as the classic platform numbers.
enum MsgBoxStyle : int32_t {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
// Answer codes.
enum MsgBoxResult : int32_t { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

class clsDesktop {
public:
    virtual ~clsDesktop() = default;

    // Shows a modal message box and returns the answer code. pstrDetails, when not empty, is extra
    // text a person can unfold (the line and reason of a load failure, a per-file report).
    virtual int32_t MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                           const QString& pstrDetails) = 0;

    // Shows a file dialog. pstrFilter is in Qt's form ("Text (*.txt);;All Files (*)"), empty for none.
    // pstrFileName is the name offered and, on return true, the full path chosen. False: cancelled.
    virtual bool FileDialog(bool pbooSave, const QString& pstrFilter, QString& pstrFileName) = 0;

    // Lets the user pick a folder, starting at pstrStartFolder. False: cancelled.
    virtual bool ChooseFolder(const QString& pstrStartFolder, QString& pstrFolder) = 0;

    virtual QString ClipboardText() = 0;                   // empty when the clipboard holds no text
    virtual void SetClipboardText(const QString& pstrText) = 0;
};

// The installed seam (the headless one when none is installed). Not owned.
clsDesktop& Desktop();
void InstallDesktop(clsDesktop* pobjDesktop);  // nullptr restores the headless one

// The desktop a run-time message is shown on (DisplayMessage): the installed one; else the one the
// registered maker makes, installed from then on (the Qt binding registers one that makes its Qt
// desktop while a QApplication exists); else a clsRuntimeError 91 naming pstrWhat: an application's
// message is never answered without being shown.
clsDesktop& MessageDesktop(const QString& pstrWhat);
using DesktopMaker = clsDesktop* (*)();  // nullptr when it cannot make one now
void SetDesktopMaker(DesktopMaker pfnMaker);

// Convenience: a message box without a title of its own carries the application's title.
int32_t MsgBox(const QString& pstrPrompt, int32_t plngStyle = vbOKOnly, const QString& pstrTitle = QString(),
               const QString& pstrDetails = QString());

}  // namespace tralyx
