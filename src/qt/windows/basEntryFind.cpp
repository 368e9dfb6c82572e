#include "windows/basEntryFind.h"

#include "common/basDesktop.h"
#include "editor/clsTextFind.h"
#include "windows/clsEditorListModel.h"

#include <QLocale>

namespace tralyx {

bool EntryMatches(const clsEditorListModel& pobjRows, int32_t plngEntry, const clsTextFind& pobjFind)
{
    for (int intColumn = 0; intColumn < pobjRows.columnCount(); ++intColumn)
        if (pobjRows.Storable(plngEntry, intColumn) && pobjFind.Matches(pobjRows.ItemText(plngEntry, intColumn))) return true;
    return false;
}

bool AskReplaceAll(const clsTextFind& pobjFind, size_t plngEntries, int pintFiles)
{
    if (plngEntries == 0) {
        MsgBox(QStringLiteral("Cannot find \"") + pobjFind.Text() + QStringLiteral("\" in the translations."),
               vbInformation, QStringLiteral("Replace"));
        return false;
    }
    const QLocale objLocale(QLocale::English, QLocale::UnitedStates);
    const QString strCount = plngEntries == 1 ? QStringLiteral("1 entry")
                                              : objLocale.toString(qulonglong(plngEntries)) + QStringLiteral(" entries");
    return MsgBox(QStringLiteral("Replace all will change ") + strCount +
                      (pintFiles > 1 ? QStringLiteral(" in %1 files").arg(pintFiles) : QString()) +
                      QStringLiteral(". The changes are not saved until you save the file.\r\nDo you want to replace?"),
                  vbQuestion + vbYesNo, QStringLiteral("Replace all")) == vbYes;
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
            for (int intColumn = 0; intColumn < pobjRows.columnCount(); ++intColumn) {
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
