// The editor in the user's language: German where the program has a German translation, the
// English it is written in for English, "C" and languages without one.
#include "MainTest.h"
#include "i18n/basTranslations.h"

#include <QMenu>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// The translation of a locale for one test, removed however the test ends: the other tests see
// the English texts.
class clsLanguage {
public:
    explicit clsLanguage(const char* pstrLanguages) : Installed(InstallTranslations(Q(pstrLanguages).split(u':'))) {}
    ~clsLanguage() { RemoveTranslations(); }
    const bool Installed;
};

// What a named menu shows as its title, an action as its text or tool-tip.
QString Shown(const QObject& pobjWindow, const char* pstrName, bool pbooToolTip)
{
    const QObject* pobjItem = pobjWindow.findChild<QObject*>(QLatin1String(pstrName));
    if (const auto* pobjMenu = qobject_cast<const QMenu*>(pobjItem)) return pobjMenu->title();
    if (const auto* pobjAction = qobject_cast<const QAction*>(pobjItem)) return pbooToolTip ? pobjAction->toolTip() : pobjAction->text();
    return Q("(no ") + QLatin1String(pstrName) + u')';
}

}  // namespace

TEST(EditorLanguageTest, MenusInTheFirstOfTheUsersLanguagesThatTheProgramHas)
{
    const struct {
        const char* Name;
        bool ToolTip;
        const char* English;
        const char* German;
    } udtItems[] = {
        {"mnuFile", false, "&File", "&Datei"},
        {"mnuEdit", false, "&Edit", "&Bearbeiten"},
        {"mnuFileSave", false, "&Save", "&Speichern"},
        {"mnuView", false, "&View", "&Ansicht"},
        {"mnuWindow", false, "&Window", "&Fenster"},
        {"mnuWindowTileVertical", false, "Tile &Vertical", "&Nebeneinander"},
        {"mnuCodePage", false, "&Code Page", "&Codepage"},
        {"tbOpen", true, "Open", "\u00D6ffnen"},
        {"tbToGrid", true, "Save changes", "\u00C4nderungen \u00FCbernehmen"},
    };
    // The user's languages in their order, as LANGUAGE gives them.
    const struct {
        const char* Languages;
        bool German;
    } udtUsers[] = {{"de-DE", true},        {"de_AT", true},  {"fr-FR:de", true}, {"xx:de", true},  {"C", false},
                    {"en-US:de-DE", false}, {"C:de", false},  {"en-GB", false},   {"fr-FR", false}};
    for (const auto& udtUser : udtUsers) {
        const clsLanguage objLanguage(udtUser.Languages);
        EXPECT_EQ(objLanguage.Installed, udtUser.German) << udtUser.Languages;
        const frmMain frmWindow;
        for (const auto& udtItem : udtItems)
            EXPECT_EQ(Shown(frmWindow, udtItem.Name, udtItem.ToolTip), Q(udtUser.German ? udtItem.German : udtItem.English))
                << udtUser.Languages << " " << udtItem.Name;
    }
}
