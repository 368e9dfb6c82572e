#pragma once
// The one file dialog of the main window, serving Open and Save As. Like the classic common dialog
// it keeps its filter and the last file name between uses, so Save As offers what Open last set.
#include <QString>

namespace tralyx {

class clsFileDialog {
public:
    // Takes a classic filter ("Description|pattern|Description|pattern"); the dialog shows it in
    // Qt's form from now on.
    void SetFilter(const QString& pstrClassicFilter) { mstrFilter = QtFilter(pstrClassicFilter); }
    const QString& Filter() const { return mstrFilter; }  // Qt's form; empty until set
    const QString& FileName() const { return mstrFileName; }
    void SetFileName(const QString& pstrFileName) { mstrFileName = pstrFileName; }  // offered next

    // Shows the dialog through the desktop seam, offering the last name. Open forgets the name when
    // cancelled (it then reads as empty); a cancelled Save keeps it. False: cancelled.
    bool ShowOpen();
    bool ShowSave();

    // "Text (*.txt)|*.txt|All Files (*.*)|*.*" -> "Text (*.txt) (*.[Tt][Xx][Tt]);;All Files (*.*) (*)".
    // Descriptions are kept whole; patterns match any letter case, since Linux names are
    // case-sensitive and files arrive from Windows as .LRC or .lrc alike; "*.*" becomes "*" so that
    // names without a point are listed too.
    static QString QtFilter(const QString& pstrClassicFilter);

private:
    QString mstrFilter;
    QString mstrFileName;
};

}  // namespace tralyx
