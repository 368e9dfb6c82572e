// What Translation's apply() and harvest() do without widgets: finding a form's texts in the loaded
// languages and writing its form text file. Tralyx::Widgets walks the widgets and calls these.
#include "runtime/Translation.h"

#include "common/basApplication.h"
#include "common/clsRuntimeError.h"
#include "runtime/basApplyFormText.h"
#include "runtime/basFormTextFile.h"
#include "runtime/udtLoadedLanguages.h"
#include "store/basControlTextFormat.h"
#include "store/basSafeFile.h"

#include <QDir>

namespace tralyx {

bool Translation::findTexts(const udtLoadedLanguages& languages, QStringView form, QStringView control, uint8_t index,
                            udtFoundTexts& found)
{
    return languages.FindControl(form, control, index, found);
}

void Translation::applyControls(const udtLoadedLanguages& languages, clsForm& form)
{
    const QString strForm = form.Name();
    udtFoundTexts udtFound;
    ApplyFormText(form, [&](const QString& pstrControl, uint8_t pbytIndex, udtControlTexts& pudtOut) {
        if (!languages.FindControl(strForm, pstrControl, pbytIndex, udtFound)) return false;
        pudtOut = std::move(udtFound.Texts);
        return true;
    }, false);
}

bool Translation::writeFormFile(clsForm* form, const QString& title, const QList<udtMenuText>& menus, const QString& folder,
                                QString* error, QStringList* notKept) const
{
    const auto Failed = [&](const QString& pstrReason) {
        qWarning("tralyx: harvest: %s", qUtf8Printable(pstrReason));
        if (error) *error = pstrReason;
        return false;
    };
    if (notKept) notKept->clear();
    if (!form) return Failed(QStringLiteral("no window to harvest"));
    const std::shared_ptr<const udtLoadedLanguages> objState = state();
    const clsCodePage objCodePage = objState ? clsCodePage(objState->CodePage) : clsCodePage();
    const QString strFolder = folder.isEmpty() ? App::Path() + QStringLiteral("/Languages/English") : folder;
    const QString strFile = strFolder + u'/' + form->Name() + QStringLiteral(".LRC");
    QByteArray bytContent;
    try {
        bytContent = WindowTextFileContent(*form, title, menus, objCodePage);
    } catch (const clsRuntimeError& e) {
        return Failed(strFile + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }

    // What core.lrc will not keep, as a save would find it in the file.
    udtControlTextRead udtRead;
    ReadControlText(bytContent, objCodePage, udtRead);
    for (const udtUnwritableText& udtText : UnwritableTexts(udtRead.Table)) {
        qWarning("tralyx: %s: \"%s\" is in %s, but core.lrc has no line for it: a translation cannot carry it. "
                 "Rename the control (the caption of a \"txt\" name, the tool-tip of an \"mnu\" name are not kept).",
                 qUtf8Printable(udtText.Id), qUtf8Printable(udtText.Text), qUtf8Printable(strFile));
        if (notKept) notKept->append(udtText.Id);
    }

    QString strReason;
    if (!QDir().mkpath(strFolder)) return Failed(QStringLiteral("cannot make the folder %1").arg(strFolder));
    if (!WriteFileAtomically(strFile, bytContent, strReason)) return Failed(strReason);
    try {
        WriteFormLayoutBeside(*form, strFolder);
    } catch (const clsRuntimeError& e) {
        return Failed(QString::fromStdString(e.what()));
    }
    if (error) error->clear();
    return true;
}

}  // namespace tralyx
