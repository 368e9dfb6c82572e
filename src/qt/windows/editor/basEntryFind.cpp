#include "windows/editor/basEntryFind.h"

#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "editor/clsTextFind.h"
#include "windows/list/clsEditorListModel.h"

#include <QCoreApplication>

namespace tralyx {
namespace {

// The translation context of this module's texts.
struct basEntryFind {
    Q_DECLARE_TR_FUNCTIONS(basEntryFind)
};

}  // namespace

bool EntryMatches(const clsEditorListModel& pobjRows, int32_t plngEntry, const clsTextFind& pobjFind)
{
    for (int intColumn = 0; intColumn < pobjRows.TableColumns(); ++intColumn)
        if (pobjRows.Storable(plngEntry, intColumn) && pobjFind.Matches(pobjRows.ItemText(plngEntry, intColumn))) return true;
    return false;
}

bool AskReplaceAll(const clsTextFind& pobjFind, size_t plngEntries, int pintFiles)
{
    if (plngEntries == 0) {
        MsgBox(basEntryFind::tr("Cannot find \"%1\" in the translations.").arg(pobjFind.Text()), vbInformation,
               basEntryFind::tr("Replace"));
        return false;
    }
    const QString strCount = plngEntries == 1 ? basEntryFind::tr("1 entry")
                                              : basEntryFind::tr("%1 entries").arg(App::TextLocale().toString(qulonglong(plngEntries)));
    const QString strPrompt =
        pintFiles > 1 ? basEntryFind::tr("Replace all will change %1 in %2 files. The changes are not saved until you save the file.\r\n"
                                         "Do you want to replace?")
                            .arg(strCount, QString::number(pintFiles))
                      : basEntryFind::tr("Replace all will change %1. The changes are not saved until you save the file.\r\n"
                                         "Do you want to replace?")
                            .arg(strCount);
    return MsgBox(strPrompt, vbQuestion + vbYesNo, basEntryFind::tr("Replace all")) == vbYes;
}

std::vector<int32_t> MatchingEntries(const clsEditorListModel& pobjRows, const clsTextFind& pobjFind)
{
    std::vector<int32_t> lngEntries;
    for (int32_t lngEntry = 0; lngEntry < pobjRows.Count(); ++lngEntry)
        if (EntryMatches(pobjRows, lngEntry, pobjFind)) lngEntries.push_back(lngEntry);
    return lngEntries;
}

QString ReplaceInEntries(clsEditorListModel& pobjRows, const std::vector<int32_t>& plngEntries,
                         const clsTextFind& pobjFind, const QString& pstrBy)
{
    // Pairs of surrogates are kept as they come.
    QString strWritten;
    std::vector<bool> booSeen(0x10000);
    pobjRows.Batch([&] {
        for (const int32_t lngEntry : plngEntries) {
            for (int intColumn = 0; intColumn < pobjRows.TableColumns(); ++intColumn) {
                if (!pobjRows.Storable(lngEntry, intColumn)) continue;
                const QString strText = pobjFind.Replaced(pobjRows.ItemText(lngEntry, intColumn), pstrBy);
                pobjRows.setData(pobjRows.index(lngEntry, intColumn), strText);
                for (const QChar chr : strText) {
                    if (chr.isSurrogate()) strWritten += chr;
                    else if (!booSeen[chr.unicode()]) {
                        booSeen[chr.unicode()] = true;
                        strWritten += chr;
                    }
                }
            }
            pobjRows.MarkChanged(lngEntry);
        }
    });
    return strWritten;
}

}  // namespace tralyx
