// The editor window's workbench: the source-language table beside the translation, row states and
// progress, the filter, and find and replace.
#include "common/basDesktop.h"
#include "common/basGeneralItems.h"
#include "common/FileFunctions.h"
#include "editor/clsTextFind.h"
#include "editor/clsWorkbenchRows.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "windows/basTextBox.h"
#include "windows/clsEditorFilter.h"
#include "windows/clsEditorListModel.h"
#include "windows/clsEditorListView.h"
#include "windows/frmMessageEditor.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>

namespace tralyx {
namespace {

enuFileKind FileOf(int32_t plngEditType)
{
    switch (plngEditType) {
    case frmMessageEditor::EditControlText: return enuFileKind::ControlText;
    case frmMessageEditor::EditSecondary: return enuFileKind::Secondary;
    default: return enuFileKind::Messages;
    }
}

// The columns of the list that the boxes edit: the one-line box's (or -1), then the other's.
std::pair<int, int> EditedColumns(int32_t plngEditType)
{
    switch (plngEditType) {
    case frmMessageEditor::EditControlText: return {2, 1};
    case frmMessageEditor::EditSecondary: return {-1, 0};
    default: return {0, 1};
    }
}

// A file of the folder by name, in any letter case, as the folders of a language are named.
QString FileInFolder(const QString& pstrFolder, const QString& pstrName)
{
    const QDir objFolder(pstrFolder);
    if (objFolder.exists(pstrName)) return objFolder.filePath(pstrName);
    for (const QString& strEntry : objFolder.entryList(QDir::Files))
        if (strEntry.compare(pstrName, Qt::CaseInsensitive) == 0) return objFolder.filePath(strEntry);
    return QString();
}

}  // namespace

frmMessageEditor::~frmMessageEditor() = default;

QString frmMessageEditor::LoadSource(const QString& pstrFolder)
{
    mobjWork.reset();
    mstrSourceFolder = pstrFolder;
    mstrSourceNote.clear();
    if (!pstrFolder.isEmpty()) {
        const QString strName = QFileInfo(mstrFileName).fileName();
        const QString strPath = FileInFolder(pstrFolder, strName);
        if (strPath.isEmpty()) {
            mstrSourceNote = QStringLiteral("No source: ") + QDir::toNativeSeparators(pstrFolder) +
                             QStringLiteral(" has no ") + strName;
        } else if (QFileInfo(strPath).canonicalFilePath() == QFileInfo(mstrFileName).canonicalFilePath()) {
            mstrSourceNote = QStringLiteral("No source: the source folder is this file's own folder");
        } else {
            // Read in the code page of the translation: both come from the same program.
            auto objSource = std::make_unique<clsTralyx>();
            objSource->SetCodePage(CodePage());
            bool booSuccess = false;
            LoadFile(*objSource, static_cast<enuFileKind>(mlngEditType), strPath, booSuccess);
            if (booSuccess) SetSource(std::move(objSource));
            else mstrSourceNote = QStringLiteral("No source: ") + strPath + QStringLiteral(": ") + objSource->LastError().Text();
        }
    }
    if (!mobjWork) RefreshWork();
    return mstrSourceNote;
}

void frmMessageEditor::SetSource(std::unique_ptr<clsTralyx> pobjSource)
{
    mobjWork = std::make_unique<clsWorkbenchRows>(FileOf(mlngEditType), std::move(pobjSource));
    mstrSourceNote.clear();
    RefreshWork();
}

void frmMessageEditor::RefreshWork()
{
    if (mobjWork && gobjTextStore) mobjWork->ComputeAll(*gobjTextStore);
    mobjListItems->SetWork(mobjWork.get());
    if (mobjFilter->IsActive()) {
        const QString strText = mobjFilter->Text();
        const int32_t lngShow = mobjFilter->Show();
        mobjFilter->SetFilter(QString(), clsEditorFilter::ShowAll);
        SetFilter(strText, lngShow);
    }
    emit WorkChanged();
}

uint8_t frmMessageEditor::RowState(int32_t plngRow) const { return mobjListItems->State(plngRow); }

QString frmMessageEditor::ProgressText() const { return mobjWork ? mobjWork->Progress().Text() : QString(); }

QList<QPair<QString, QString>> frmMessageEditor::SourceBoxes() const
{
    QList<QPair<QString, QString>> udtBoxes;
    if (!mobjWork || !gobjTextStore || mlngCurrentItem < 0) return udtBoxes;
    for (const udtEntryText& udtText : mobjWork->Texts(*gobjTextStore, mlngCurrentItem)) {
        QString strLabel;
        switch (udtText.Kind) {
        case enuTextKind::Caption: strLabel = QStringLiteral("Caption:"); break;
        case enuTextKind::ToolTip: strLabel = QStringLiteral("Tool-Tip:"); break;
        case enuTextKind::MessageTitle: strLabel = QStringLiteral("Title:"); break;
        case enuTextKind::MessageText: strLabel = QStringLiteral("Message:"); break;
        case enuTextKind::Secondary: strLabel = QStringLiteral("Text:"); break;
        }
        // In the order of the boxes: the one-line box (title, tool-tip) first.
        const bool booUpper = udtText.Kind == enuTextKind::ToolTip || udtText.Kind == enuTextKind::MessageTitle;
        const QPair<QString, QString> udtBox{strLabel, udtText.Obsolete() ? QString() : udtText.Source};
        if (booUpper) udtBoxes.prepend(udtBox);
        else udtBoxes.append(udtBox);
    }
    return udtBoxes;
}

QStringList frmMessageEditor::CurrentProblems() const
{
    return mobjWork ? mobjWork->Problems(mlngCurrentItem) : QStringList();
}

bool frmMessageEditor::StepTo(int32_t plngStep, const std::function<bool(int32_t)>& pfnWanted)
{
    const int lngRows = mobjFilter->rowCount();
    if (lngRows == 0) return false;
    int lngFrom = mobjFilter->ViewRowOf(mlngCurrentItem);
    if (lngFrom < 0) lngFrom = plngStep > 0 ? -1 : lngRows;
    for (int i = 1; i <= lngRows; ++i) {
        const int lngView = ((lngFrom + plngStep * i) % lngRows + lngRows) % lngRows;
        const int32_t lngEntry = mobjFilter->EntryOf(lngView);
        if (pfnWanted(lngEntry)) {
            SelectRow(lngEntry);
            return true;
        }
    }
    return false;
}

bool frmMessageEditor::GoToNeedsWork(int32_t plngStep)
{
    if (!mobjWork) return false;
    return StepTo(plngStep < 0 ? -1 : 1, [this](int32_t plngEntry) { return (RowState(plngEntry) & RowNeedsWork) != 0; });
}

void frmMessageEditor::SetFilter(const QString& pstrText, int32_t penuShow)
{
    mbooRefiltering = true;
    mobjFilter->SetFilter(pstrText, penuShow);
    const int lngViewRow = mobjFilter->ViewRowOf(mlngCurrentItem);
    if (lngViewRow >= 0) lvwMessages->setCurrentIndex(mobjFilter->index(lngViewRow, 0));
    mbooRefiltering = false;
    if (lngViewRow >= 0) lvwMessages->scrollTo(mobjFilter->index(lngViewRow, 0));
    // The chosen row went out of sight: the first row shown is chosen (asking about typed text).
    else if (mobjFilter->rowCount() > 0) SelectRow(mobjFilter->EntryOf(0));
    emit WorkChanged();
}

QString frmMessageEditor::FilterCountText() const
{
    const QLocale objLocale(QLocale::English, QLocale::UnitedStates);
    return QStringLiteral("%1 of %2 rows").arg(objLocale.toString(mobjFilter->rowCount()), objLocale.toString(mobjListItems->Count()));
}

bool frmMessageEditor::EntryMatches(int32_t plngEntry, const clsTextFind& pobjFind) const
{
    const auto [lngUpper, lngLower] = EditedColumns(mlngEditType);
    for (const int lngColumn : {lngUpper, lngLower})
        if (mobjListItems->Storable(plngEntry, lngColumn) && pobjFind.Matches(mobjListItems->ItemText(plngEntry, lngColumn))) return true;
    return false;
}

bool frmMessageEditor::FindNext(const clsTextFind& pobjFind)
{
    if (pobjFind.IsEmpty()) return false;
    return StepTo(1, [&](int32_t plngEntry) { return EntryMatches(plngEntry, pobjFind); });
}

bool frmMessageEditor::ReplaceCurrent(const clsTextFind& pobjFind, const QString& pstrBy)
{
    if (pobjFind.IsEmpty()) return false;
    const auto [lngUpper, lngLower] = EditedColumns(mlngEditType);
    bool booReplaced = false;
    if (mlngCurrentItem >= 0) {
        for (const int lngColumn : {lngUpper, lngLower}) {
            if (lngColumn < 0) continue;
            QWidget* pobjBox = lngColumn == lngUpper ? static_cast<QWidget*>(txtTitle) : txtMessage;
            const QString strText = BoxText(lngColumn);
            if (IsReadOnlyTextBox(pobjBox) || !pobjFind.Matches(strText)) continue;
            SetTextBoxText(pobjBox, pobjFind.Replaced(strText, pstrBy));  // as if typed
            booReplaced = true;
        }
    }
    if (booReplaced) {
        MoveToList();
        mbooItemChanged = false;
    }
    const bool booFound = FindNext(pobjFind);
    return booReplaced || booFound;
}

int32_t frmMessageEditor::ReplaceAll(const clsTextFind& pobjFind, const QString& pstrBy)
{
    if (pobjFind.IsEmpty() || !gobjTextStore) return 0;
    ConfirmItemChange();  // what was typed in the boxes first, as a row change would ask
    std::vector<int32_t> lngEntries;
    for (int32_t lngEntry = 0; lngEntry < mobjListItems->Count(); ++lngEntry)
        if (EntryMatches(lngEntry, pobjFind)) lngEntries.push_back(lngEntry);
    const QLocale objLocale(QLocale::English, QLocale::UnitedStates);
    if (lngEntries.empty()) {
        MsgBox(QStringLiteral("Cannot find \"") + pobjFind.Text() + QStringLiteral("\" in the translations."),
               vbInformation, QStringLiteral("Replace"));
        return 0;
    }
    const QString strCount = lngEntries.size() == 1 ? QStringLiteral("1 entry")
                                                    : objLocale.toString(qlonglong(lngEntries.size())) + QStringLiteral(" entries");
    if (MsgBox(QStringLiteral("Replace all will change ") + strCount +
                   QStringLiteral(". The changes are not saved until you save the file.\r\nDo you want to replace?"),
               vbQuestion + vbYesNo, QStringLiteral("Replace all")) != vbYes)
        return 0;

    const auto [lngUpper, lngLower] = EditedColumns(mlngEditType);
    // Each character once for the code page check, which costs per character; pairs of surrogates
    // are kept as they come.
    QString strTyped;
    std::vector<bool> booSeen(0x10000);
    const auto NoteCharacters = [&](const QString& pstrText) {
        for (const QChar chr : pstrText) {
            if (chr.isSurrogate()) strTyped += chr;
            else if (!booSeen[chr.unicode()]) {
                booSeen[chr.unicode()] = true;
                strTyped += chr;
            }
        }
    };
    // One change of the list: the rows' states are then computed in one pass over the table.
    mobjListItems->Batch([&] {
        for (const int32_t lngEntry : lngEntries) {
            for (const int lngColumn : {lngUpper, lngLower}) {
                if (!mobjListItems->Storable(lngEntry, lngColumn)) continue;
                const QString strText = pobjFind.Replaced(mobjListItems->ItemText(lngEntry, lngColumn), pstrBy);
                mobjListItems->setData(mobjListItems->index(lngEntry, lngColumn), strText);
                NoteCharacters(strText);
            }
            mobjListItems->MarkChanged(lngEntry);
        }
    });
    SetDataChanged(true);
    LoadBoxes();
    mbooItemChanged = false;
    WarnUnencodable(strTyped);
    return int32_t(lngEntries.size());
}

}  // namespace tralyx
