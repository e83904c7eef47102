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

TDBNavigator::~TDBNavigator() {
    if (FDataSet != nullptr)
        FDataSet->RemoveObserver(this);
}

void TDBNavigator::SetDataSource(TDataSource* dataSource) {
    if (FDataSet != nullptr)
        FDataSet->RemoveObserver(this);
    FDataSource = dataSource;
    FDataSet = dataSource != nullptr ? dataSource->DataSet() : nullptr;
    if (FDataSet != nullptr)
        FDataSet->AddObserver(this);
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
        if (FDataSet != nullptr && FDataSet->Active()) {
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
        return FDataSet->First();
    case TNavigateBtn::nbPrior:
        return FDataSet->Prior();
    case TNavigateBtn::nbNext:
        return FDataSet->Next();
    case TNavigateBtn::nbLast:
        return FDataSet->Last();
    case TNavigateBtn::nbInsert:
        return FDataSet->Insert();
    case TNavigateBtn::nbDelete:
        if (ConfirmRecordDelete(this))
            FDataSet->Delete();
        return;
    case TNavigateBtn::nbEdit:
        return FDataSet->Edit();
    case TNavigateBtn::nbPost:
        return FDataSet->Post();
    case TNavigateBtn::nbCancel:
        return FDataSet->Cancel();
    case TNavigateBtn::nbRefresh:
        return Refresh();
    }
}

// Reads the rows again from the file and comes back to the same row number; the controls see one
// change, not a close and an open.
void TDBNavigator::Refresh() {
    FDataSet->CheckBrowseMode();
    const int recordIndex = FDataSet->RecNo();
    FDataSet->DisableControls();
    try {
        FDataSet->Close();
        FDataSet->Open();
        if (!FDataSet->IsEmpty())
            FDataSet->SetRecNo(recordIndex);
    } catch (...) {
        FDataSet->EnableControls();
        throw;
    }
    FDataSet->EnableControls();
}

void TDBNavigator::DataEvent(TDataEvent, int) {
    UpdateButtons();
}

void TDBNavigator::UpdateButtons() {
    const bool active = FDataSet != nullptr && FDataSet->Active();
    const bool editing =
        active && (FDataSet->State() == TDataSetState::Edit || FDataSet->State() == TDataSetState::Insert);
    const bool canModify = active && FDataSet->CanModify();
    const bool empty = !active || FDataSet->IsEmpty();
    const bool canGoBack = active && FDataSet->RecNo() > 0;
    const bool canGoOn = active && FDataSet->RecNo() < FDataSet->RecordCount() - 1;
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
