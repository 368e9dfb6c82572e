#pragma once
// Joining form text files (harvested from windows or from .ui files) into an English core.lrc.
#include "exchange/basFolderImport.h"
#include "store/clsTralyx.h"

#include <QStringList>
#include <vector>

namespace tralyx {

struct udtJoinPlan {
    QVector<ControlTextItem> Table;
    // The entries of a joined form that its form texts no longer have, in core.lrc's order: left in
    // Table, or taken out of it when pruned.
    QVector<ControlTextItem> Gone;
    qsizetype Added = 0;
    qsizetype Changed = 0;
};

// pudtCore with the texts of pudtForms: an entry found in it (by Form.Control.Index, the first one)
// keeps its place and takes the new texts, a new one goes after the last entry of its form, or at the
// end for a form core.lrc does not have yet, in the order of pudtForms. Texts core.lrc has no line for
// are not taken.
udtJoinPlan JoinFormTexts(const QVector<ControlTextItem>& pudtCore, const QVector<ControlTextItem>& pudtForms, bool pbooPrune);

struct udtJoinRequest {
    QString Folder;         // the English folder, whose core.lrc is made when it has none
    QStringList FormFiles;  // form text files, as the harvest writes them
    bool Prune = false;
    QString CodePage;
};

// Reads the form files, and under the folder's lock its core.lrc, and writes the join in the store's
// format. Each gone entry is a line of its own. Nothing is written when a file fails to load.
std::vector<udtReportLine> JoinIntoFolder(const udtJoinRequest& r, bool& pbooSuccess);

}  // namespace tralyx
