#pragma once
// The entries of an update's report as one list: per file, the kept, review, moved, new and
// dropped entries by id with their texts, shown all or of one kind. The ids and texts are made
// when a row is shown, since a release's file can hold thousands of kept entries.
#include "update/udtUpdateReport.h"

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <vector>

namespace tralyx {

class clsUpdateReportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum enuEntryKind : uint8_t { Kept, Review, Moved, New, Dropped };
    static constexpr int KindCount = 5;
    static constexpr int AllKinds = -1;
    enum enuColumn { ColFile, ColKind, ColId, ColText, ColNote, ColumnCount };

    explicit clsUpdateReportModel(QObject* pobjParent = nullptr);

    // The files' reports; those not written list no entries (their counts are all 0).
    void SetReports(const QVector<udtUpdateReport>& pudtReports);
    void SetKind(int plngKind);  // an enuEntryKind, or AllKinds
    int Kind() const { return mlngKind; }
    static QString KindName(int plngKind);  // "Kept", "Review", ...

    // How many entries of a kind one file has.
    int32_t Count(qsizetype plngFile, int plngKind) const;
    qsizetype TotalRows() const { return static_cast<qsizetype>(mudtAll.size()); }

    int rowCount(const QModelIndex& pobjParent = {}) const override;
    int columnCount(const QModelIndex& pobjParent = {}) const override;
    QVariant data(const QModelIndex& pobjIndex, int plngRole = Qt::DisplayRole) const override;
    QVariant headerData(int plngSection, Qt::Orientation penuOrientation, int plngRole = Qt::DisplayRole) const override;

private:
    struct udtRow {
        uint8_t File;
        enuEntryKind Kind;
        int32_t Index;  // in that kind's list of the file's report
    };
    QString Cell(const udtRow& pudtRow, int plngColumn) const;
    void ShowKind();  // mudtShown: the rows of mudtAll of the kind chosen

    QVector<udtUpdateReport> mudtReports;
    std::vector<udtRow> mudtAll, mudtShown;
    int mlngKind = AllKinds;
};

}  // namespace tralyx
