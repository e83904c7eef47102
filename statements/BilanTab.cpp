// The statements tab of the main window: its controls and their binding.
#include "app/Quimbels.h"

#include "data/QuimbelDataModule.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/RadioGroup.h"

#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* PlacedLabel(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

TComboBox* PlacedCombo(QWidget* parent, const QString& name, int left, int top, int width) {
    auto* combo = new TComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->SetSorted(true);
    combo->setGeometry(left, top, width, 21);
    return combo;
}

TDateTimePicker* PlacedPicker(QWidget* parent, const QString& name, int left) {
    auto* picker = new TDateTimePicker(parent);
    picker->setObjectName(name);
    picker->setGeometry(left, 160, 120, 24);
    picker->setDate(QDate(2002, 2, 1));
    return picker;
}

} // namespace

void TFormMainQuimbel::BuildBilanTab() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    TabSheetBilan->setFont(font);

    DBGridBilan = new TDBGrid(TabSheetBilan);
    DBGridBilan->setObjectName(QStringLiteral("DBGridBilan"));
    DBGridBilan->setGeometry(0, 0, 784, 279);
    DBGridBilan->SetReadOnly(true);
    DBGridBilan->SetRowSelect(true);
    DBGridBilan->SetColor(DBGridBilan->palette().color(QPalette::Button));

    PanelBilan = new QWidget(TabSheetBilan);
    PanelBilan->setObjectName(QStringLiteral("PanelBilan"));
    PanelBilan->setGeometry(0, 279, 784, 223);
    PanelNavigBilan = new QWidget(PanelBilan);
    PanelNavigBilan->setObjectName(QStringLiteral("PanelNavigBilan"));
    PanelNavigBilan->setGeometry(0, 0, 784, 33);
    DBNavigator1 = new TDBNavigator(PanelNavigBilan);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->SetVisibleButtons(
        {TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext, TNavigateBtn::nbLast});
    DBNavigator1->setGeometry(233, 4, 264, 29);
    SpeedButtonBilanPrint = new QToolButton(PanelNavigBilan);
    SpeedButtonBilanPrint->setObjectName(QStringLiteral("SpeedButtonBilanPrint"));
    SpeedButtonBilanPrint->setAutoRaise(true);
    SpeedButtonBilanPrint->setToolTip(QStringLiteral("Imprimer le bilan en cours"));
    SpeedButtonBilanPrint->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    SpeedButtonBilanPrint->setGeometry(497, 4, 54, 29);

    PanelRequests = new QWidget(PanelBilan);
    PanelRequests->setObjectName(QStringLiteral("PanelRequests"));
    PanelRequests->setGeometry(0, 33, 337, 190);
    auto* requestsLayout = new QVBoxLayout(PanelRequests);
    requestsLayout->setContentsMargins(0, 0, 0, 0);
    RadioGroupBilan = new TRadioGroup(PanelRequests);
    RadioGroupBilan->setObjectName(QStringLiteral("RadioGroupBilan"));
    RadioGroupBilan->setTitle(QStringLiteral("Périodes correspondantes ..."));
    RadioGroupBilan->SetItems({QStringLiteral("... au client sélectionné."),
                               QStringLiteral("... à la chambre sélectionnée."),
                               QStringLiteral("... à l'année sélectionnée."),
                               QStringLiteral("... à l'intervalle des dates sélectionnées."),
                               QStringLiteral("... au client et à l'année sélectionnée."),
                               QStringLiteral("... au client et à lintervalle des dates sélectionnées.")});
    RadioGroupBilan->SetItemIndex(0);
    requestsLayout->addWidget(RadioGroupBilan);

    PanelChoix = new QWidget(PanelBilan);
    PanelChoix->setObjectName(QStringLiteral("PanelChoix"));
    PanelChoix->setGeometry(338, 33, 446, 190);
    auto* choixLayout = new QVBoxLayout(PanelChoix);
    choixLayout->setContentsMargins(0, 0, 0, 0);
    auto* selections = new QGroupBox(QStringLiteral("Sélections ..."), PanelChoix);
    GroupBoxSelections = selections;
    GroupBoxSelections->setObjectName(QStringLiteral("GroupBoxSelections"));
    choixLayout->addWidget(GroupBoxSelections);

    LabelClient = PlacedLabel(GroupBoxSelections, QStringLiteral("LabelClient"), QStringLiteral("Client :"), 16, 31);
    ComboBoxClientName = PlacedCombo(GroupBoxSelections, QStringLiteral("ComboBoxClientName"), 96, 23, 177);
    LabelChambre = PlacedLabel(GroupBoxSelections, QStringLiteral("LabelChambre"), QStringLiteral("Chambre :"), 16, 67);
    ComboBoxRoomNbr = PlacedCombo(GroupBoxSelections, QStringLiteral("ComboBoxRoomNbr"), 96, 59, 97);
    Label1 = PlacedLabel(GroupBoxSelections, QStringLiteral("Label1"), QStringLiteral("Année :"), 16, 103);
    ComboBoxYears = PlacedCombo(GroupBoxSelections, QStringLiteral("ComboBoxYears"), 96, 95, 97);
    ComboBoxYears->SetItems(BilanYears());
    LabelIntervalle = PlacedLabel(GroupBoxSelections, QStringLiteral("LabelIntervalle"),
                                  QStringLiteral("Intervalle de dates :"), 16, 136);
    LabelDe = PlacedLabel(GroupBoxSelections, QStringLiteral("LabelDe"), QStringLiteral("De :"), 64, 168);
    DateTimePickerDebut = PlacedPicker(GroupBoxSelections, QStringLiteral("DateTimePickerDebut"), 96);
    LabelA = PlacedLabel(GroupBoxSelections, QStringLiteral("LabelA"), QStringLiteral("A :"), 234, 168);
    DateTimePickerFin = PlacedPicker(GroupBoxSelections, QStringLiteral("DateTimePickerFin"), 259);

    connect(RadioGroupBilan, &TRadioGroup::OnClick, this, &TFormMainQuimbel::EvOnClickBilanRadioButton);
    for (TComboBox* combo : {ComboBoxClientName, ComboBoxRoomNbr, ComboBoxYears})
        connect(combo, &TComboBox::OnChange, this, &TFormMainQuimbel::EvOnChangeBilanSelection);
    for (TDateTimePicker* picker : {DateTimePickerDebut, DateTimePickerFin})
        connect(picker, &TDateTimePicker::OnCloseUp, this, &TFormMainQuimbel::EvOnCloseUpBilanRangeDates);
}

void TFormMainQuimbel::BindBilanTab(TDataModuleQuimbel* dataModule) {
    DBGridBilan->SetDataSource(&dataModule->DataSourceBilan);
    DBNavigator1->SetDataSource(&dataModule->DataSourceBilan);
}
