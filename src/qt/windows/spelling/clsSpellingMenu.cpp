#include "windows/spelling/clsSpellingMenu.h"

#include "spelling/clsSpeller.h"
#include "store/basLanguageNames.h"

#include <QActionGroup>
#include <QSettings>

namespace tralyx {
namespace {

const QString KeyOn = QStringLiteral("Spelling/On");
const QString KeyDictionary = QStringLiteral("Spelling/Dictionary");

}  // namespace

clsSpellingMenu::clsSpellingMenu(QWidget* pobjParent)
    : QMenu(tr("&Spelling"), pobjParent), mobjDictionaries(new QActionGroup(this))
{
    setObjectName(QStringLiteral("mnuSpelling"));
    mnuSpellingOn = addAction(tr("&Check Spelling"));
    mnuSpellingOn->setObjectName(QStringLiteral("mnuSpellingOn"));
    mnuSpellingOn->setCheckable(true);
    mnuSpellingOn->setChecked(QSettings().value(KeyOn, true).toBool());
    connect(mnuSpellingOn, &QAction::toggled, this, [this](bool pbooOn) {
        QSettings().setValue(KeyOn, pbooOn);
        emit Changed();
    });
    addSeparator();
    // The installed dictionaries are asked for when the menu is first opened, not at start.
    connect(this, &QMenu::aboutToShow, this, &clsSpellingMenu::Fill);
    connect(mobjDictionaries, &QActionGroup::triggered, this, [this](QAction* pobjChosen) {
        QSettings().setValue(KeyDictionary, pobjChosen->data().toString());
        emit Changed();
    });
}

void clsSpellingMenu::Fill()
{
    if (!mobjDictionaries->actions().isEmpty()) return;
    const QString strChosen = QSettings().value(KeyDictionary).toString();
    const auto Add = [&](const QString& pstrCaption, const QString& pstrTag) {
        QAction* objItem = addAction(pstrCaption);
        objItem->setObjectName(QStringLiteral("mnuDictionary_") + (pstrTag.isEmpty() ? QStringLiteral("Automatic") : pstrTag));
        objItem->setCheckable(true);
        objItem->setData(pstrTag);
        objItem->setChecked(pstrTag == strChosen);
        mobjDictionaries->addAction(objItem);
    };
    Add(tr("&Automatic (the folder's language)"), QString());
    // A dictionary by its language's name in itself, "Deutsch (Deutschland)", the tag beside it.
    for (const QString& strTag : clsSpeller::AvailableDictionaries()) {
        const QString strName = LanguageNameInItself(strTag);
        Add(strName.isEmpty() ? strTag : QStringLiteral("%1 \u2014 %2").arg(strName, strTag), strTag);
    }
}

std::shared_ptr<clsSpeller> clsSpellingMenu::SpellerFor(const QString& pstrLanguage, QString& pstrProblem)
{
    pstrProblem.clear();
    if (!mnuSpellingOn->isChecked()) return nullptr;
    QString strTag = QSettings().value(KeyDictionary).toString();
    if (strTag.isEmpty()) {
        if (pstrLanguage.isEmpty()) return nullptr;
        strTag = clsSpeller::DictionaryFor(pstrLanguage);
    }
    std::shared_ptr<clsSpeller>& objSpeller = mobjSpellers[strTag];
    if (!objSpeller) objSpeller = std::make_shared<clsSpeller>(strTag);
    if (objSpeller->IsValid()) return objSpeller;
    const QString strPackage = clsSpeller::PackageFor(strTag);
    pstrProblem = strPackage.isEmpty() ? tr("No %1 spelling dictionary is installed").arg(strTag)
                                       : tr("No %1 spelling dictionary: the package %2 adds one").arg(strTag, strPackage);
    return nullptr;
}

}  // namespace tralyx
