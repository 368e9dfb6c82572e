#pragma once
// The demo application's one form: a small window with one control of every kind that Tralyx
// translates, which can write out its English text and take on the text of a language folder.
#include <QWidget>

namespace tralyx {
class clsTralyx;
}

namespace demo {

class frmDemo : public QWidget {
    Q_OBJECT
public:
    // The form shows its text through pobjLanguage, which must outlive it.
    explicit frmDemo(tralyx::clsTralyx& pobjLanguage, QWidget* pobjParent = nullptr);

    // Loads core.lrc and messages.lrc from the folder, where present, and applies the control
    // text to this form. Problems are shown in a message box; false when a file failed to load.
    bool LoadLanguage(const QString& pstrFolder);

    // Writes this form's current text to <program folder>/Languages/English/frmDemo.LRC and
    // returns the file's path. Throws tralyx::clsRuntimeError when it cannot be written.
    QString HarvestText();

private slots:
    void cmdGreet_Click();
    void cmdHarvest_Click();

private:
    tralyx::clsTralyx& mobjLanguage;
};

}  // namespace demo
