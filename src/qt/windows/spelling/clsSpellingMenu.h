#pragma once
// Tools > Spelling: whether the translation boxes mark misspelt words, and with which dictionary
// (by default the one of the folder's language: German -> de_DE). Remembered in the settings.
#include <QHash>
#include <QMenu>
#include <memory>

class QActionGroup;

namespace tralyx {

class clsSpeller;

class clsSpellingMenu : public QMenu {
    Q_OBJECT
public:
    explicit clsSpellingMenu(QWidget* pobjParent);

    // The speller for a file of that language code; nullptr when spelling is off, the language is
    // not known, or no dictionary is installed (pstrProblem then names the package that adds one).
    std::shared_ptr<clsSpeller> SpellerFor(const QString& pstrLanguage, QString& pstrProblem);

signals:
    void Changed();

private:
    void Fill();

    QAction* mnuSpellingOn;
    QActionGroup* mobjDictionaries;
    QHash<QString, std::shared_ptr<clsSpeller>> mobjSpellers;  // by dictionary tag
};

}  // namespace tralyx
