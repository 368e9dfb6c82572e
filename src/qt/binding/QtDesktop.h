#pragma once
// The desktop seam bound to Qt: QMessageBox, QFileDialog, the folder selector and QClipboard.
#include "common/basDesktop.h"

#include <functional>

class QWidget;

namespace tralyx {

class clsQtDesktop : public clsDesktop {
public:
    // pfnParent gives the window that dialogs belong to (may return nullptr).
    explicit clsQtDesktop(std::function<QWidget*()> pfnParent = {});

    int32_t MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                   const QString& pstrDetails) override;
    bool FileDialog(bool pbooSave, const QString& pstrFilter, QString& pstrFileName) override;
    bool ChooseFolder(const QString& pstrStartFolder, QString& pstrFolder) override;
    QString ClipboardText() override;
    void SetClipboardText(const QString& pstrText) override;

    // How a folder is chosen; the update tool installs its folder selector here. Without one, a
    // plain folder dialog is used.
    using FolderChooser = std::function<bool(QWidget* pobjParent, const QString& pstrStart, QString& pstrFolder)>;
    void SetFolderChooser(FolderChooser pfnChooser) { mfnChooseFolder = std::move(pfnChooser); }

private:
    QWidget* Parent() const;
    std::function<QWidget*()> mfnParent;
    FolderChooser mfnChooseFolder;
};

// Makes DisplayMessage install a clsQtDesktop of its own when it finds no desktop installed and a
// QApplication exists (basDesktop.h, MessageDesktop). The binding does this as it loads: an
// application that uses clsQtForm or Translation's widget part needs no call of its own.
void UseQtDesktopByDefault();

}  // namespace tralyx
