#pragma once
// Marks the misspelt words of a one-line box as clsSpellHighlighter does those of a several-line
// box. A line edit has no highlighter; the marks go in as the text formats an input method may
// give it, applied again after every change of the text.
#include <QObject>
#include <memory>

class QLineEdit;

namespace tralyx {

class clsSpeller;

class clsLineSpelling : public QObject {
    Q_OBJECT
public:
    explicit clsLineSpelling(QLineEdit* ptxtBox);

    void SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller);
    clsSpeller* Speller() const { return mobjSpeller.get(); }
    void Mark();  // the marks of the box's text as it stands

private:
    QLineEdit* mtxtBox;
    std::shared_ptr<clsSpeller> mobjSpeller;
};

}  // namespace tralyx
