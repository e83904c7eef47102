#include "platform/ui/DBGrid.h"

#include "platform/Error.h"
#include "platform/db/DataSource.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

// The row indicator column. Its width never depends on its texts, so the header need not
// measure its rows again each time the mark moves: a report walking the whole table moves it
// once per row.
class TIndicatorHeader : public QHeaderView {
public:
    explicit TIndicatorHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}
    QSize sizeHint() const override { return {width(), defaultSectionSize()}; }
};

} // namespace

TDBGrid::TDBGrid(QWidget* parent) : QTableView(parent), FModel(new TDBGridModel(this)) {
    setVerticalHeader(new TIndicatorHeader(this));
    setModel(FModel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    SetReadOnly(false);
    const int rowHeight = fontMetrics().height() + 4;
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setFixedWidth(rowHeight);
    horizontalHeader()->setHighlightSections(false);
    SetColumnResize(true);
    ApplyPalette();
    connect(FModel, &QAbstractItemModel::modelReset, this, &TDBGrid::ApplyColumnWidths);
    connect(FModel, &TDBGridModel::CursorSettled, this, &TDBGrid::FollowCursor);
    connect(qApp, &QApplication::focusChanged, this, &TDBGrid::FocusChanged);
}

void TDBGrid::SetDataSource(TDataSource* dataSource) {
    FModel->SetDataSource(dataSource);
}

void TDBGrid::SetColumns(const QList<TColumn>& columns) {
    FModel->SetColumns(columns);
}

void TDBGrid::ApplyColumnWidths() {
    const QList<TColumn>& columns = FModel->Columns();
    for (int i = 0; i < columns.size(); ++i) {
        const bool hidden = !columns[i].Visible || columns[i].Width <= 0;
        setColumnHidden(i, hidden);
        if (!hidden)
            setColumnWidth(i, columns[i].Width);
    }
}

void TDBGrid::SetReadOnly(bool readOnly) {
    FModel->SetReadOnly(readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                   QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

void TDBGrid::SetRowSelect(bool rowSelect) {
    setSelectionBehavior(rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void TDBGrid::SetAlwaysShowSelection(bool always) {
    FAlwaysShowSelection = always;
    ApplyPalette();
}

void TDBGrid::SetColumnResize(bool resizable) {
    horizontalHeader()->setSectionResizeMode(resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void TDBGrid::SetIndicator(bool visible) {
    verticalHeader()->setVisible(visible);
}

void TDBGrid::SetTitles(bool visible) {
    horizontalHeader()->setVisible(visible);
}

void TDBGrid::SetColor(const QColor& color) {
    FColor = color;
    ApplyPalette();
}

// Cells are painted with the inactive colours while another control has the focus: a selection
// that should not show then is drawn in the colours of an ordinary cell.
void TDBGrid::ApplyPalette() {
    QPalette palette = QApplication::palette(this);
    if (FColor.isValid())
        palette.setColor(QPalette::Base, FColor);
    if (FAlwaysShowSelection) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight,
                         palette.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Active, QPalette::HighlightedText));
    } else {
        palette.setColor(QPalette::Inactive, QPalette::Highlight,
                         palette.color(QPalette::Inactive, QPalette::Base));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Inactive, QPalette::Text));
    }
    setPalette(palette);
}

bool TDBGrid::CanModify() const {
    const TDataSet* dataSet = FModel->DataSet();
    return !ReadOnly() && dataSet != nullptr && dataSet->Active() && dataSet->CanModify();
}

// The data set moved on its own (code, a navigator, a reset): the view follows it. The view's own
// reactions are recognised by the model's flag and not sent back to the data set.
void TDBGrid::FollowCursor(int recordIndex) {
    if (recordIndex < 0 || recordIndex >= FModel->rowCount() || currentIndex().row() == recordIndex)
        return;
    // The row under an open editor has already been posted or cancelled by the move: its
    // uncommitted text has no row left to go to.
    if (state() == QAbstractItemView::EditingState)
        if (QWidget* editor = indexWidget(currentIndex()))
            closeEditor(editor, QAbstractItemDelegate::NoHint);
    int column = currentIndex().isValid() ? currentIndex().column() : 0;
    while (column < FModel->columnCount() - 1 && isColumnHidden(column))
        ++column;
    const QModelIndex target = FModel->index(recordIndex, column);
    setCurrentIndex(target);
    scrollTo(target);
}

void TDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    TDataSet* dataSet = FModel->DataSet();
    if (FModel->HandlingDataEvent() || !current.isValid() || dataSet == nullptr || !dataSet->Active() ||
        current.row() == dataSet->RecNo())
        return;
    try {
        dataSet->SetRecNo(current.row());
    } catch (const EQuimbelsError& error) {
        ShowException(error.Text());
        // The row that could not be posted stays current; the view goes back to it once the
        // click or key that moved it has been handled.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (const TDataSet* current = FModel->DataSet(); current != nullptr && current->Active())
                    FollowCursor(current->RecNo());
            },
            Qt::QueuedConnection);
    }
}

void TDBGrid::keyPressEvent(QKeyEvent* event) {
    TDataSet* dataSet = FModel->DataSet();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    try {
        if (event->key() == Qt::Key_Down && modifiers == Qt::NoModifier && CanModify() &&
            currentIndex().row() >= FModel->rowCount() - 1) {
            AppendFromLastRow();
            return;
        }
        if (event->key() == Qt::Key_Escape && dataSet != nullptr &&
            (dataSet->State() == TDataSetState::Edit || dataSet->State() == TDataSetState::Insert)) {
            dataSet->Cancel();
            return;
        }
        if (event->key() == Qt::Key_Delete && modifiers == Qt::ControlModifier && CanModify() &&
            !dataSet->IsEmpty()) {
            ConfirmDelete();
            return;
        }
    } catch (const EQuimbelsError& error) {
        ShowException(error.Text());
        return;
    }
    QTableView::keyPressEvent(event);
}

// As in the toolkit, a cell opened for typing puts its row in edit at once, so that a navigator
// offers to post or cancel it while the text is still in the editor.
bool TDBGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTableView::edit(index, trigger, event))
        return false;
    TDataSet* dataSet = FModel->DataSet();
    if (state() == QAbstractItemView::EditingState && dataSet->State() == TDataSetState::Browse) {
        try {
            dataSet->Edit();
        } catch (const EQuimbelsError& error) {
            ShowException(error.Text());
        }
    }
    return true;
}

// Down from the last row opens a new one, unless the last row is itself a new row still empty.
void TDBGrid::AppendFromLastRow() {
    TDataSet* dataSet = FModel->DataSet();
    CommitOpenEditor();
    if (dataSet->State() == TDataSetState::Insert && !dataSet->Modified())
        return;
    // Posted first, a new row being typed keeps its place before the one that follows it.
    dataSet->CheckBrowseMode();
    dataSet->Append();
}

void TDBGrid::ConfirmDelete() {
    if (ConfirmRecordDelete(this))
        FModel->DataSet()->Delete();
}

void TDBGrid::CommitOpenEditor() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool TDBGrid::PostPendingEdit() {
    CommitOpenEditor();
    TDataSet* dataSet = FModel->DataSet();
    if (dataSet == nullptr || !dataSet->Active())
        return true;
    try {
        dataSet->CheckBrowseMode();
    } catch (const EQuimbelsError& error) {
        ShowException(error.Text());
        return false;
    }
    return true;
}

// Leaving the grid for another control of its window posts the row, as moving to another row
// would; a dialog opening over the window or another program taking the focus does not.
void TDBGrid::FocusChanged(QWidget* old, QWidget* now) {
    const auto inGrid = [this](const QWidget* widget) { return widget == this || isAncestorOf(widget); };
    if (old == nullptr || now == nullptr || !inGrid(old) || inGrid(now) || now->window() != window())
        return;
    PostPendingEdit();
}
