#include "platform/ui/DBGridModel.h"

#include "platform/Error.h"
#include "platform/db/DataSource.h"
#include "platform/ui/Application.h"

#include <QBrush>
#include <QScopedValueRollback>

const QString TDBGridModel::BrowseMark = QStringLiteral("▶");
const QString TDBGridModel::EditMark = QStringLiteral("✎");
const QString TDBGridModel::InsertMark = QStringLiteral("*");

namespace {

bool IsNumeric(TFieldType type) {
    return type == TFieldType::Integer || type == TFieldType::Currency || type == TFieldType::Float;
}

} // namespace

TDBGridModel::TDBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

TDBGridModel::~TDBGridModel() = default;

void TDBGridModel::SetDataSource(TDataSource* dataSource) {
    FLink.SetDataSource(dataSource);
    Reset();
    emit CursorSettled(DataSet() != nullptr ? DataSet()->RecNo() : -1);
}

void TDBGridModel::SetColumns(const QList<TColumn>& columns) {
    beginResetModel();
    FColumns = columns;
    FExplicitColumns = true;
    ResolveFields();
    endResetModel();
    emit CursorSettled(DataSet() != nullptr ? DataSet()->RecNo() : -1);
}

void TDBGridModel::Reset() {
    beginResetModel();
    const bool active = DataSet() != nullptr && DataSet()->Active();
    if (!FExplicitColumns) {
        FColumns.clear();
        for (int i = 0; active && i < DataSet()->FieldCount(); ++i) {
            const TField* field = DataSet()->Field(i);
            TColumn column;
            column.FieldName = field->FieldName();
            column.Title = field->FieldName();
            if (IsNumeric(field->DataType()))
                column.Alignment = Qt::AlignRight | Qt::AlignVCenter;
            FColumns.append(column);
        }
    }
    ResolveFields();
    FRowCount = active ? DataSet()->RecordCount() : 0;
    FIndicatorRow = active ? DataSet()->RecNo() : -1;
    endResetModel();
}

// Fields are made anew at each open, so columns hold indexes found again at every reset.
void TDBGridModel::ResolveFields() {
    FFieldIndexes.clear();
    for (const TColumn& column : FColumns) {
        const TField* field =
            DataSet() != nullptr && DataSet()->Active() ? DataSet()->FindField(column.FieldName) : nullptr;
        FFieldIndexes.append(field != nullptr ? field->Index() : -1);
    }
}

TField* TDBGridModel::ColumnField(int column) const {
    if (DataSet() == nullptr || !DataSet()->Active() || column < 0 || column >= FFieldIndexes.size())
        return nullptr;
    const int fieldIndex = FFieldIndexes[column];
    return fieldIndex >= 0 && fieldIndex < DataSet()->FieldCount() ? DataSet()->Field(fieldIndex) : nullptr;
}

int TDBGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRowCount;
}

int TDBGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FColumns.size());
}

QVariant TDBGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const TColumn& column = FColumns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const TField* field = ColumnField(index.column());
        if (field == nullptr)
            return {};
        const QVariant stored = DataSet()->ValueAt(index.row(), FFieldIndexes[index.column()]);
        return role == Qt::DisplayRole ? field->DisplayTextOf(stored) : field->TextOf(stored);
    }
    case Qt::TextAlignmentRole:
        return static_cast<int>(column.Alignment);
    case Qt::ForegroundRole:
        return column.Color.isValid() ? QVariant(QBrush(column.Color)) : QVariant();
    default:
        return {};
    }
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= FColumns.size())
            return {};
        if (role == Qt::DisplayRole)
            return FColumns[section].Title;
        if (role == Qt::ForegroundRole && FColumns[section].TitleColor.isValid())
            return QBrush(FColumns[section].TitleColor);
        return {};
    }
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (DataSet() == nullptr || !DataSet()->Active() || section != DataSet()->RecNo())
        return QString();
    switch (DataSet()->State()) {
    case TDataSetState::Edit:
        return EditMark;
    case TDataSetState::Insert:
        return InsertMark;
    default:
        return BrowseMark;
    }
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const TField* field = ColumnField(index.column());
    if (!FReadOnly && field != nullptr && field->FieldKind() == TFieldKind::Data && DataSet()->CanModify())
        result |= Qt::ItemIsEditable;
    return result;
}

// A conversion refused here is shown at once: the delegate that commits the cell runs inside Qt,
// where an exception must not pass.
bool TDBGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    TField* field = ColumnField(index.column());
    const QString text = value.toString();
    // An editor closed without a change must not turn the row into a pending edit.
    if (field->TextOf(DataSet()->ValueAt(index.row(), FFieldIndexes[index.column()])) == text)
        return true;
    try {
        if (DataSet()->RecNo() != index.row())
            DataSet()->SetRecNo(index.row());
        DataSet()->Edit();
        field->SetAsString(text);
    } catch (const EQuimbelsError& error) {
        ShowException(error.Text());
        return false;
    }
    return true;
}

void TDBGridModel::DataEvent(TDataEvent event, int recordIndex) {
    const QScopedValueRollback handling(FHandlingDataEvent, true);
    switch (event) {
    case TDataEvent::DataSetChanged:
        Reset();
        break;
    case TDataEvent::RecordChanged:
        RowChanged(recordIndex);
        return;
    case TDataEvent::StateChanged:
        // Values change with RecordChanged; repainting the cells here would also reset the text
        // of a cell editor whose opening put the row in edit.
        MoveIndicator();
        break;
    case TDataEvent::CursorMoved:
        MoveIndicator();
        break;
    case TDataEvent::RowInserted:
        beginInsertRows(QModelIndex(), recordIndex, recordIndex);
        ++FRowCount;
        endInsertRows();
        if (FIndicatorRow >= recordIndex)
            ++FIndicatorRow;
        MoveIndicator();
        break;
    case TDataEvent::RowRemoved:
        beginRemoveRows(QModelIndex(), recordIndex, recordIndex);
        --FRowCount;
        endRemoveRows();
        if (FIndicatorRow == recordIndex)
            FIndicatorRow = -1;
        else if (FIndicatorRow > recordIndex)
            --FIndicatorRow;
        MoveIndicator();
        break;
    }
    emit CursorSettled(DataSet()->RecNo());
}

void TDBGridModel::RowChanged(int row) {
    if (!IsRow(row) || FColumns.isEmpty())
        return;
    emit dataChanged(index(row, 0), index(row, static_cast<int>(FColumns.size()) - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
}

// Repaints the mark where it was and where it now is: two rows, however far the cursor jumped.
void TDBGridModel::MoveIndicator() {
    const int current = DataSet()->Active() ? DataSet()->RecNo() : -1;
    if (IsRow(FIndicatorRow) && FIndicatorRow != current)
        emit headerDataChanged(Qt::Vertical, FIndicatorRow, FIndicatorRow);
    if (IsRow(current))
        emit headerDataChanged(Qt::Vertical, current, current);
    FIndicatorRow = current;
}
