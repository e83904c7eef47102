#pragma once

#include "platform/ui/DBGridModel.h"

#include <QTableView>

class TDataSource;

// A data-aware grid: shows the rows of a data source's data set, keeps its current row and the
// data set's cursor in step, and edits in place when not read-only.
class TDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);

    void SetDataSource(TDataSource* dataSource);
    TDataSource* DataSource() const { return FModel->DataSource(); }
    TDBGridModel* GridModel() const { return FModel; }

    // Widths apply to the header; a width of 0 or a column not visible hides the column but keeps it.
    const QList<TColumn>& Columns() const { return FModel->Columns(); }
    void SetColumns(const QList<TColumn>& columns);

    bool ReadOnly() const { return FModel->ReadOnly(); }
    void SetReadOnly(bool readOnly);
    void SetRowSelect(bool rowSelect);
    // Without it the selection is drawn only while the grid has the focus.
    void SetAlwaysShowSelection(bool always);
    void SetColumnResize(bool resizable);
    void SetGridLines(bool visible) { setShowGrid(visible); }
    void SetIndicator(bool visible);
    void SetTitles(bool visible);
    // Background of the cells; the toolkit's "button face" is palette().color(QPalette::Button).
    void SetColor(const QColor& color);

    // Hands an open cell editor's text to the data set and posts the row. A window calls it
    // before closing so that quitting right after an edit loses nothing; false when the row could
    // not be posted (the error has been shown and the row stays in edit).
    bool PostPendingEdit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void ApplyColumnWidths();
    void ApplyPalette();
    void FollowCursor(int recordIndex);
    void FocusChanged(QWidget* old, QWidget* now);
    void CommitOpenEditor();
    bool CanModify() const;
    void AppendFromLastRow();
    void ConfirmDelete();

    TDBGridModel* FModel;
    bool FAlwaysShowSelection = false;
    QColor FColor;
};
