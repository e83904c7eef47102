#include "platform/ui/DBNavigator.h"

#include "platform/Error.h"
#include "platform/db/DataSource.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QStyle>
#include <QToolButton>

namespace {

struct TButtonFace {
    TNavigateBtn Button;
    const char* Name;
    // Buttons with no standard pixmap in the style show a glyph instead.
    QStyle::StandardPixmap Icon;
    const char* Glyph;
};

const TButtonFace ButtonFaces[] = {
    {TNavigateBtn::nbFirst, "nbFirst", QStyle::SP_MediaSkipBackward, nullptr},
    {TNavigateBtn::nbPrior, "nbPrior", QStyle::SP_ArrowLeft, nullptr},
    {TNavigateBtn::nbNext, "nbNext", QStyle::SP_ArrowRight, nullptr},
    {TNavigateBtn::nbLast, "nbLast", QStyle::SP_MediaSkipForward, nullptr},
    {TNavigateBtn::nbInsert, "nbInsert", QStyle::SP_CustomBase, "+"},
    {TNavigateBtn::nbDelete, "nbDelete", QStyle::SP_CustomBase, "−"},
    {TNavigateBtn::nbEdit, "nbEdit", QStyle::SP_CustomBase, "▲"},
    {TNavigateBtn::nbPost, "nbPost", QStyle::SP_DialogApplyButton, nullptr},
    {TNavigateBtn::nbCancel, "nbCancel", QStyle::SP_DialogCancelButton, nullptr},
    {TNavigateBtn::nbRefresh, "nbRefresh", QStyle::SP_BrowserReload, nullptr},
};

// A control holding input not yet handed to its data set (a grid cell being typed) hands it over
// when it loses the focus. The buttons never take the focus, so the navigator takes it away for a
// moment before acting, as the toolkit had every control update the record first; it then goes
// back to the control, or to the parent of an editor that closed on losing it.
void CommitFocusedInput(const QWidget* navigator) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || focused->window() != navigator->window())
        return;
    const QPointer<QWidget> control = focused;
    const QPointer<QWidget> parent = focused->parentWidget();
    focused->clearFocus();
    if (QApplication::focusWidget() != nullptr)
        return;
    if (!control.isNull() && control->isVisible())
        control->setFocus(Qt::OtherFocusReason);
    else if (!parent.isNull())
        parent->setFocus(Qt::OtherFocusReason);
}

} // namespace

TDBNavigator::TDBNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const TButtonFace& face : ButtonFaces) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(face.Name));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        if (face.Glyph != nullptr)
            button->setText(QString::fromUtf8(face.Glyph));
        else
            button->setIcon(style()->standardIcon(face.Icon));
        const TNavigateBtn which = face.Button;
        connect(button, &QToolButton::clicked, this, [this, which] { BtnClick(which); });
        layout->addWidget(button);
        FButtons.append(button);
        FVisibleButtons.append(face.Button);
    }
    UpdateButtons();
}

TDBNavigator::~TDBNavigator() = default;

void TDBNavigator::SetDataSource(TDataSource* dataSource) {
    FLink.SetDataSource(dataSource);
    UpdateButtons();
}

QToolButton* TDBNavigator::Button(TNavigateBtn button) const {
    return FButtons[static_cast<int>(button)];
}

void TDBNavigator::SetVisibleButtons(const QList<TNavigateBtn>& buttons) {
    FVisibleButtons.clear();
    for (const TButtonFace& face : ButtonFaces) {
        const bool visible = buttons.contains(face.Button);
        Button(face.Button)->setVisible(visible);
        if (visible)
            FVisibleButtons.append(face.Button);
    }
}

void TDBNavigator::SetHints(const QStringList& hints) {
    for (int i = 0; i < FVisibleButtons.size(); ++i)
        Button(FVisibleButtons[i])->setToolTip(hints.value(i));
}

void TDBNavigator::BtnClick(TNavigateBtn button) {
    try {
        if (FLink.DataSet() != nullptr && FLink.DataSet()->Active()) {
            CommitFocusedInput(this);
            Perform(button);
        }
        if (OnClick)
            OnClick(button);
    } catch (const EQuimbelsError& error) {
        ShowException(error.Text());
    }
}

void TDBNavigator::Perform(TNavigateBtn button) {
    switch (button) {
    case TNavigateBtn::nbFirst:
        return FLink.DataSet()->First();
    case TNavigateBtn::nbPrior:
        return FLink.DataSet()->Prior();
    case TNavigateBtn::nbNext:
        return FLink.DataSet()->Next();
    case TNavigateBtn::nbLast:
        return FLink.DataSet()->Last();
    case TNavigateBtn::nbInsert:
        return FLink.DataSet()->Insert();
    case TNavigateBtn::nbDelete:
        if (ConfirmRecordDelete(this))
            FLink.DataSet()->Delete();
        return;
    case TNavigateBtn::nbEdit:
        return FLink.DataSet()->Edit();
    case TNavigateBtn::nbPost:
        return FLink.DataSet()->Post();
    case TNavigateBtn::nbCancel:
        return FLink.DataSet()->Cancel();
    case TNavigateBtn::nbRefresh:
        return Refresh();
    }
}

// Reads the rows again from the file and comes back to the same row number; the controls see one
// change, not a close and an open.
void TDBNavigator::Refresh() {
    FLink.DataSet()->CheckBrowseMode();
    const int recordIndex = FLink.DataSet()->RecNo();
    FLink.DataSet()->DisableControls();
    try {
        FLink.DataSet()->Close();
        FLink.DataSet()->Open();
        if (!FLink.DataSet()->IsEmpty())
            FLink.DataSet()->SetRecNo(recordIndex);
    } catch (...) {
        FLink.DataSet()->EnableControls();
        throw;
    }
    FLink.DataSet()->EnableControls();
}

void TDBNavigator::DataEvent(TDataEvent, int) {
    UpdateButtons();
}

void TDBNavigator::UpdateButtons() {
    const bool active = FLink.DataSet() != nullptr && FLink.DataSet()->Active();
    const bool editing =
        active && (FLink.DataSet()->State() == TDataSetState::Edit || FLink.DataSet()->State() == TDataSetState::Insert);
    const bool canModify = active && FLink.DataSet()->CanModify();
    const bool empty = !active || FLink.DataSet()->IsEmpty();
    const bool canGoBack = active && FLink.DataSet()->RecNo() > 0;
    const bool canGoOn = active && FLink.DataSet()->RecNo() < FLink.DataSet()->RecordCount() - 1;
    const auto applies = [&](TNavigateBtn button) {
        switch (button) {
        case TNavigateBtn::nbFirst:
        case TNavigateBtn::nbPrior:
            return canGoBack;
        case TNavigateBtn::nbNext:
        case TNavigateBtn::nbLast:
            return canGoOn;
        case TNavigateBtn::nbInsert:
            return canModify;
        case TNavigateBtn::nbDelete:
            return canModify && !empty;
        case TNavigateBtn::nbEdit:
            return canModify && !empty && !editing;
        case TNavigateBtn::nbPost:
        case TNavigateBtn::nbCancel:
            return canModify && editing;
        case TNavigateBtn::nbRefresh:
            return active;
        }
        return false;
    };
    for (const TButtonFace& face : ButtonFaces)
        Button(face.Button)->setEnabled(applies(face.Button));
}
