#pragma once

#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

class QToolButton;

enum class TNavigateBtn {
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel,
    nbRefresh
};

// A row of flat buttons that move through and edit the data set of a data source. Each button
// is named after its TNavigateBtn ("nbFirst"...) and is enabled only when its action applies.
class TDBNavigator : public QWidget, public TDataSetObserver {
    Q_OBJECT
public:
    explicit TDBNavigator(QWidget* parent = nullptr);
    ~TDBNavigator() override;

    // The navigator follows the data set that the source names at this call.
    void SetDataSource(TDataSource* dataSource);
    TDataSource* DataSource() const { return FLink.DataSource(); }

    void SetVisibleButtons(const QList<TNavigateBtn>& buttons);
    const QList<TNavigateBtn>& VisibleButtons() const { return FVisibleButtons; }
    // Tooltips, in the order of the visible buttons.
    void SetHints(const QStringList& hints);
    QToolButton* Button(TNavigateBtn button) const;

    // Performs a button's action, then calls OnClick; an error ends both and is shown.
    void BtnClick(TNavigateBtn button);
    // Runs after the navigator's own action, with the data set already in its new state.
    std::function<void(TNavigateBtn)> OnClick;

    void DataEvent(TDataEvent event, int recordIndex) override;

private:
    void Perform(TNavigateBtn button);
    void Refresh();
    void UpdateButtons();

    TDataLink FLink{this};
    QList<QToolButton*> FButtons;
    QList<TNavigateBtn> FVisibleButtons;
};
