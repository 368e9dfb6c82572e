#pragma once
// The demo application's one form: a small window with one control of every kind that Tralyx
// translates, which can write out its English text and take on the text of a language folder.
#include <QWidget>

namespace tralyx {
class Translation;
}

namespace demo {

class frmDemo : public QWidget {
    Q_OBJECT
public:
    // The form shows its texts through pobjTranslation, which must outlive it, and takes on each
    // language that it loads.
    explicit frmDemo(tralyx::Translation& pobjTranslation, QWidget* pobjParent = nullptr);

    // Loads the language of the folder (core.lrc, messages.lrc, secondary.lrc). A folder that does
    // not load is named with the line and the reason in a message box, and the form keeps the
    // language it has; false then.
    bool LoadLanguage(const QString& pstrFolder);

    // Writes this form's current text to <program folder>/Languages/English/frmDemo.LRC and returns
    // the file's path; empty, with the reason in pstrError, when it cannot be written.
    QString HarvestText(QString& pstrError);

private slots:
    void cmdGreet_Click();
    void cmdHarvest_Click();

private:
    tralyx::Translation& mobjTranslation;
};

}  // namespace demo
