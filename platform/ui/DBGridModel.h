#pragma once

#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>


// One column of a data-aware grid, naming the field it shows.
struct TColumn {
    QString FieldName{};
    QString Title{};
    int Width = 64;
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Text colours; an invalid colour keeps the style's own.
    QColor Color{};
    QColor TitleColor{};
    bool Visible = true;
};

// The rows of a data set as a table. Every cell is read straight from the data set's snapshot,
// so a grid over 100,000 rows costs only its visible cells and never moves the cursor to paint.
class TDBGridModel : public QAbstractTableModel, public TDataSetObserver {
    Q_OBJECT
public:
    // Vertical header marks of the current row.
    static const QString BrowseMark;
    static const QString EditMark;
    static const QString InsertMark;

    explicit TDBGridModel(QObject* parent = nullptr);
    ~TDBGridModel() override;

    // The model follows the data set that the source names at this call.
    void SetDataSource(TDataSource* dataSource);
    TDataSource* DataSource() const { return FLink.DataSource(); }
    TDataSet* DataSet() const { return FLink.DataSet(); }

    // Columns set here stay across opens; without them each open shows one column per field.
    const QList<TColumn>& Columns() const { return FColumns; }
    void SetColumns(const QList<TColumn>& columns);
    // The field a column shows, or none when the data set is closed or lacks that field.
    TField* ColumnField(int column) const;

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }

    // True while the model passes a data event on to the views: the view's own reactions to it
    // (its current index following removed rows) must not be taken for the user's moves.
    bool HandlingDataEvent() const { return FHandlingDataEvent; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    void DataEvent(TDataEvent event, int recordIndex) override;

signals:
    // After each data event that may have moved the cursor or reset the rows.
    void CursorSettled(int recordIndex);

private:
    void Reset();
    void ResolveFields();
    void RowChanged(int row);
    void MoveIndicator();
    bool IsRow(int row) const { return row >= 0 && row < FRowCount; }

    TDataLink FLink{this};
    QList<TColumn> FColumns;
    // Field index of each column in the open data set, -1 when it has no such field.
    QList<int> FFieldIndexes;
    bool FExplicitColumns = false;
    bool FReadOnly = false;
    bool FHandlingDataEvent = false;
    // Rows as last announced to the views: while controls are disabled the data set changes
    // without telling, and the views must keep seeing the count they were given.
    int FRowCount = 0;
    int FIndicatorRow = -1;
};
