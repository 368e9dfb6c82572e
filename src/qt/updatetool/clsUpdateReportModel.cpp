#include "updatetool/clsUpdateReportModel.h"

namespace tralyx {

clsUpdateReportModel::clsUpdateReportModel(QObject* pobjParent) : QAbstractTableModel(pobjParent) {}

QString clsUpdateReportModel::KindName(int plngKind)
{
    static const std::array<const char*, KindCount> strNames{QT_TR_NOOP("Kept"), QT_TR_NOOP("Review"), QT_TR_NOOP("Moved"),
                                                                 QT_TR_NOOP("New"), QT_TR_NOOP("Dropped")};
    return plngKind >= 0 && plngKind < KindCount ? tr(strNames[static_cast<size_t>(plngKind)]) : QString();
}

int32_t clsUpdateReportModel::Count(qsizetype plngFile, int plngKind) const
{
    const udtUpdateReport& r = mudtReports[plngFile];
    if (!r.HasEntries()) return 0;
    switch (plngKind) {
    case Kept: return static_cast<int32_t>(r.Kept.size());
    case Review: return static_cast<int32_t>(r.Changed.size());
    case Moved: return static_cast<int32_t>(r.Moved.size());
    case New: return static_cast<int32_t>(r.TakenNew.size());
    default: break;
    }
    return static_cast<int32_t>(r.Dropped.size());
}

void clsUpdateReportModel::SetReports(const QVector<udtUpdateReport>& pudtReports)
{
    beginResetModel();
    mudtReports = pudtReports;
    mudtAll.clear();
    // File by file, the work first: review, new, moved, then what needs none.
    static constexpr std::array<enuEntryKind, KindCount> enuOrder{Review, New, Moved, Dropped, Kept};
    for (qsizetype f = 0; f < mudtReports.size(); ++f)
        for (const enuEntryKind enuKind : enuOrder)
            for (int32_t i = 0, lngCount = Count(f, enuKind); i < lngCount; ++i)
                mudtAll.push_back({static_cast<uint8_t>(f), enuKind, i});
    ShowKind();
    endResetModel();
}

void clsUpdateReportModel::SetKind(int plngKind)
{
    beginResetModel();
    mlngKind = plngKind;
    ShowKind();
    endResetModel();
}

void clsUpdateReportModel::ShowKind()
{
    mudtShown.clear();
    for (const udtRow& u : mudtAll)
        if (mlngKind == AllKinds || u.Kind == mlngKind) mudtShown.push_back(u);
}

int clsUpdateReportModel::rowCount(const QModelIndex& pobjParent) const
{
    return pobjParent.isValid() ? 0 : static_cast<int>(mudtShown.size());
}

int clsUpdateReportModel::columnCount(const QModelIndex& pobjParent) const { return pobjParent.isValid() ? 0 : ColumnCount; }

QVariant clsUpdateReportModel::headerData(int plngSection, Qt::Orientation penuOrientation, int plngRole) const
{
    static const std::array<const char*, ColumnCount> strHeaders{QT_TR_NOOP("File"), QT_TR_NOOP("Kind"), QT_TR_NOOP("Id"),
                                                                   QT_TR_NOOP("Text"), QT_TR_NOOP("Note")};
    if (penuOrientation != Qt::Horizontal || plngRole != Qt::DisplayRole || plngSection < 0 || plngSection >= ColumnCount)
        return {};
    return tr(strHeaders[static_cast<size_t>(plngSection)]);
}

QVariant clsUpdateReportModel::data(const QModelIndex& pobjIndex, int plngRole) const
{
    if (!pobjIndex.isValid() || pobjIndex.row() >= rowCount()) return {};
    const udtRow& udtRow = mudtShown[static_cast<size_t>(pobjIndex.row())];
    if (plngRole == Qt::DisplayRole) return Cell(udtRow, pobjIndex.column());
    if (plngRole == Qt::ToolTipRole && pobjIndex.column() == ColNote) return Cell(udtRow, ColNote);
    return {};
}

QString clsUpdateReportModel::Cell(const udtRow& u, int plngColumn) const
{
    const udtUpdateReport& r = mudtReports[u.File];
    if (plngColumn == ColFile) return r.FileName;
    if (plngColumn == ColKind) return KindName(u.Kind);
    const auto Pick = [plngColumn](const QString& pstrId, const QString& pstrText, const QString& pstrNote) {
        return plngColumn == ColId ? pstrId : plngColumn == ColText ? pstrText : pstrNote;
    };
    switch (u.Kind) {
    case Kept: return Pick(r.KeyAt(r.Kept[u.Index]), plngColumn == ColText ? r.TextAt(r.Kept[u.Index]) : QString(), {});
    case New: return Pick(r.TakenNew[u.Index].Key, r.TakenNew[u.Index].Text, tr("still in the source language"));
    case Dropped: {
        const udtDroppedEntry& d = r.Dropped[u.Index];
        // Its id is the old file's: a moved entry's new id may be the same number.
        return Pick(d.Key, d.Text, d.Duplicate ? tr("a second entry with this path; the first one was kept")
                                               : tr("the old file's %1, which the new release does not have").arg(d.Key));
    }
    case Review:
    case Moved: break;
    }
    const udtCarriedEntry& c = (u.Kind == Review ? r.Changed : r.Moved)[u.Index];
    const QString strId = r.KeyAt(c.Position);
    if (plngColumn != ColNote) return Pick(strId, c.Text, {});
    const QString strFrom = r.OldKeyAt(c.From);
    if (u.Kind == Moved) return (c.Review ? tr("the old file's %1, now %2, to review") : tr("the old file's %1, now %2")).arg(strFrom, strId);
    QString strNote = tr("the source was \"%1\", now \"%2\"").arg(c.Previous, c.Source);
    if (strFrom != strId) strNote += tr(" (from %1)").arg(strFrom);
    return strNote;
}

}  // namespace tralyx
