#pragma once
// The desktop seam of tralyx-lrc: no windows and no prompts. The overwrite question is answered Yes
// only when the command was given --force; every other question gets its safe answer (No, Cancel,
// OK). Boxes are recorded, not printed: the commands report what the store's LastError() and
// LastWarnings() say (the control-text reader's unexpected-tag box is one per warning).
#include "common/basDesktop.h"

#include <QMutex>
#include <QStringList>

namespace tralyx::cli {

class clsCliDesktop final : public clsDesktop {
public:
    explicit clsCliDesktop(bool pbooForce);  // installs itself
    ~clsCliDesktop() override;               // restores the headless seam
    clsCliDesktop(const clsCliDesktop&) = delete;
    clsCliDesktop& operator=(const clsCliDesktop&) = delete;

    const QStringList& Shown() const { return mstrShown; }  // the prompts, in order

    int32_t MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                   const QString& pstrDetails) override;
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return mstrClipboard; }
    void SetClipboardText(const QString& pstrText) override { mstrClipboard = pstrText; }

private:
    bool mbooForce;
    QMutex mobjShown;
    QStringList mstrShown;
    QString mstrClipboard;
};

}  // namespace tralyx::cli
