#include "app/Quimbels.h"

#include "app/Constants.h"
#include "app/Settings.h"
#include "data/QuimbelDataModule.h"
#include "platform/db/Query.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/RadioGroup.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QList<TColumn> Columns(const QList<std::pair<const char*, int>>& fields) {
    QList<TColumn> columns;
    for (const auto& [name, width] : fields) {
        TColumn column;
        column.FieldName = QString::fromLatin1(name);
        column.Title = column.FieldName;
        column.Width = width;
        columns << column;
    }
    return columns;
}

QFont BoldFont(int pixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QToolButton* FlatButton(QWidget* parent, const QString& name, const QString& hint, QStyle::StandardPixmap glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setIcon(parent->style()->standardIcon(glyph));
    return button;
}

} // namespace

TFormMainQuimbel::TFormMainQuimbel(QWidget* owner) : QWidget(owner), RentedGoodName(Constants::DefaultRentedGoodName) {
    setObjectName(QStringLiteral("FormMainQuimbel"));
    setWindowTitle(QStringLiteral("Vorandel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(792, 573);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setStyleSheet(QStringLiteral("QTabBar::tab { width: 160px; height: 23px; font-weight: bold; "
                                              "font-size: 13px; }"));
    PageControl->tabBar()->setExpanding(false);
    layout->addWidget(PageControl);

    const QStyle::StandardPixmap tabImages[] = {QStyle::SP_DirHomeIcon, QStyle::SP_DirIcon,
                                                QStyle::SP_FileDialogDetailedView, QStyle::SP_FileDialogInfoView};
    const char* tabNames[] = {"TabSheetClient", "TabSheetRoom", "TabSheetPeriod", "TabSheetBilan"};
    QWidget** tabs[] = {&TabSheetClient, &TabSheetRoom, &TabSheetPeriod, &TabSheetBilan};
    for (int i = 0; i < 4; ++i) {
        *tabs[i] = new QWidget(PageControl);
        (*tabs[i])->setObjectName(QString::fromLatin1(tabNames[i]));
        PageControl->addTab(*tabs[i], style()->standardIcon(tabImages[i]), QString());
    }

    BuildListTab(TabSheetClient, DBGridClient, PanelClientBottom, DBNavigatorClient, SpeedButtonClientPrint,
                 {QStringLiteral("Premier Client"), QStringLiteral("Client précédent"), QStringLiteral("Client suivant"),
                  QStringLiteral("Dernier Client"), QStringLiteral("Insérer un Client"),
                  QStringLiteral("Supprimer un Client"), QStringLiteral("Modifier un Client")},
                 QStringLiteral("Imprimer la liste des Clients"));
    BuildListTab(TabSheetRoom, DBGridRoom, PanelRoomBottom, DBNavigatorRoom, SpeedButtonRoomPrint,
                 {QStringLiteral("Premiére Chambre"), QStringLiteral("Chambre précédente"),
                  QStringLiteral("Chambre suivante"), QStringLiteral("Derniére Chambre"),
                  QStringLiteral("Insérer une Chambre"), QStringLiteral("Supprimer une Chambre"),
                  QStringLiteral("Modifier une Chambre")},
                 QStringLiteral("Imprimer la liste des Chambres"));
    BuildListTab(TabSheetPeriod, DBGridPeriod, PanelPeriodBottom, DBNavigatorPeriod, SpeedButtonPeriodPrint,
                 {QStringLiteral("Premiére Période"), QStringLiteral("Période précédente"),
                  QStringLiteral("Période suivante"), QStringLiteral("Derniére Période"),
                  QStringLiteral("Insérer une Période"), QStringLiteral("Supprimer une Période"),
                  QStringLiteral("Modifier une Période")},
                 QStringLiteral("Imprimer la liste des Périodes"));
    DBGridClient->setObjectName(QStringLiteral("DBGridClient"));
    DBGridRoom->setObjectName(QStringLiteral("DBGridRoom"));
    DBGridPeriod->setObjectName(QStringLiteral("DBGridPeriod"));
    DBNavigatorClient->setObjectName(QStringLiteral("DBNavigatorClient"));
    DBNavigatorRoom->setObjectName(QStringLiteral("DBNavigatorRoom"));
    DBNavigatorPeriod->setObjectName(QStringLiteral("DBNavigatorPeriod"));
    PanelClientBottom->setObjectName(QStringLiteral("PanelClientBottom"));
    PanelRoomBottom->setObjectName(QStringLiteral("PanelRoomBottom"));
    PanelPeriodBottom->setObjectName(QStringLiteral("PanelPeriodBottom"));
    SpeedButtonClientPrint->setObjectName(QStringLiteral("SpeedButtonClientPrint"));
    SpeedButtonRoomPrint->setObjectName(QStringLiteral("SpeedButtonRoomPrint"));
    SpeedButtonPeriodPrint->setObjectName(QStringLiteral("SpeedButtonPeriodPrint"));

    DBGridClient->SetColumns(Columns({{"NOM", 103}, {"PRENOM", 68}, {"TELEPHONE", 87}, {"ADRESSE", 155},
                                      {"CP", 50}, {"VILLE", 164}, {"NOTE", 250}}));
    DBGridRoom->SetColumns(Columns({{"CHAMBRE", 90}, {"DESIGNATION", 150}}));
    QList<TColumn> periodColumns = Columns({{"IDPERIODE", 0}, {"NOM", 120}, {"CHAMBRE", 70}, {"DATEDEBUT", 90},
                                            {"DATEFIN", 90}, {"ACCOMPTE", 100}, {"TARIF", 100}, {"SOLDE", 100},
                                            {"NOTE", 64}});
    periodColumns[2].Alignment = Qt::AlignCenter;
    periodColumns[3].Alignment = Qt::AlignRight | Qt::AlignVCenter;
    periodColumns[4].Alignment = Qt::AlignRight | Qt::AlignVCenter;
    periodColumns[7].Color = Qt::red;
    periodColumns[7].TitleColor = Qt::red;
    DBGridPeriod->SetColumns(periodColumns);
    DBGridPeriod->SetReadOnly(true);
    DBGridPeriod->SetRowSelect(true);
    DBGridClient->SetDataSource(&DataSourceClient);
    DBGridRoom->SetDataSource(&DataSourceRoom);
    DBGridPeriod->SetDataSource(&DataSourcePeriod);
    DBNavigatorClient->SetDataSource(&DataSourceClient);
    DBNavigatorRoom->SetDataSource(&DataSourceRoom);
    DBNavigatorPeriod->SetDataSource(&DataSourcePeriod);
    DBNavigatorPeriod->OnClick = [this](TNavigateBtn button) { DBNavigatorPeriodClick(button); };

    BuildBilanTab();
    BuildBottomPanel();
    layout->addWidget(PanelBottom);

    connect(SpeedButtonClose, &QToolButton::clicked, this, &TFormMainQuimbel::SpeedButtonCloseClick);
    connect(SpeedButtonClientPrint, &QToolButton::clicked, this, &TFormMainQuimbel::EvOnClickClientPrint);
    connect(SpeedButtonRoomPrint, &QToolButton::clicked, this, &TFormMainQuimbel::EvOnClickRoomPrint);
    connect(SpeedButtonPeriodPrint, &QToolButton::clicked, this, &TFormMainQuimbel::EvOnClickPeriodPrint);
    connect(SpeedButtonBilanPrint, &QToolButton::clicked, this, &TFormMainQuimbel::SpeedButtonBilanPrintClick);
    connect(SpeedButtonHelp, &QToolButton::clicked, this, &TFormMainQuimbel::EditRentedGoodName);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &TFormMainQuimbel::EditRentedGoodName);
    connect(SpeedButtonCalendrier, &QToolButton::clicked, this, &TFormMainQuimbel::SpeedButtonCalendrierClick);
    FormCreate();
}

TFormMainQuimbel::~TFormMainQuimbel() = default;

void TFormMainQuimbel::BuildListTab(QWidget* tab, TDBGrid*& grid, QWidget*& panel, TDBNavigator*& navigator,
                                    QToolButton*& printButton, const QStringList& hints, const QString& printHint) {
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    grid = new TDBGrid(tab);
    grid->SetColor(grid->palette().color(QPalette::Button));
    layout->addWidget(grid);
    panel = new QWidget(tab);
    panel->setFixedHeight(44);
    layout->addWidget(panel);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(2, 1, 2, 1);
    navigator = new TDBNavigator(panel);
    navigator->SetVisibleButtons({TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext,
                                  TNavigateBtn::nbLast, TNavigateBtn::nbInsert, TNavigateBtn::nbDelete,
                                  TNavigateBtn::nbEdit});
    navigator->SetHints(hints);
    navigator->setFixedSize(378, 41);
    panelLayout->addWidget(navigator);
    printButton = FlatButton(panel, QString(), printHint, QStyle::SP_FileDialogContentsView);
    printButton->setFixedSize(54, 41);
    panelLayout->addWidget(printButton);
    panelLayout->addStretch();
}

void TFormMainQuimbel::BuildBottomPanel() {
    PanelBottom = new QWidget(this);
    PanelBottom->setObjectName(QStringLiteral("PanelBottom"));
    PanelBottom->setFixedHeight(38);
    auto* layout = new QHBoxLayout(PanelBottom);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(0);
    ImageMonoGramme = new QLabel(PanelBottom);
    ImageMonoGramme->setObjectName(QStringLiteral("ImageMonoGramme"));
    ImageMonoGramme->setFixedSize(16, 16);
    ImageMonoGramme->setPixmap(style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(16, 16));
    layout->addWidget(ImageMonoGramme);
    SpeedButtonCalendrier = FlatButton(PanelBottom, QStringLiteral("SpeedButtonCalendrier"),
                                       QStringLiteral("Afficher le calendrier des réservations..."),
                                       QStyle::SP_FileDialogDetailedView);
    SpeedButtonCalendrier->setText(QStringLiteral("Calendrier des réservations..."));
    SpeedButtonCalendrier->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButtonCalendrier->setFont(BoldFont(13));
    SpeedButtonCalendrier->setFixedSize(647, 36);
    layout->addWidget(SpeedButtonCalendrier);
    SpeedButtonClose = FlatButton(PanelBottom, QStringLiteral("SpeedButtonClose"), QString(),
                                  QStyle::SP_DialogCloseButton);
    SpeedButtonClose->setText(QStringLiteral("Fermer..."));
    SpeedButtonClose->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButtonClose->setFont(BoldFont(13));
    SpeedButtonClose->setFixedSize(127, 36);
    layout->addWidget(SpeedButtonClose);

    SpeedButtonHelp = new QToolButton(PageControl);
    SpeedButtonHelp->setObjectName(QStringLiteral("SpeedButtonHelp"));
    SpeedButtonHelp->setText(QStringLiteral("?"));
    SpeedButtonHelp->setAutoRaise(true);
    PageControl->setCornerWidget(SpeedButtonHelp, Qt::TopRightCorner);
}

void TFormMainQuimbel::ConnectDataModule(TDataModuleQuimbel* dataModule) {
    DataSourceClient.SetDataSet(&dataModule->ADOTableClient);
    DataSourceRoom.SetDataSet(&dataModule->ADOTableRoom);
    DataSourcePeriod.SetDataSet(&dataModule->ADOTablePeriod);
    for (TDBGrid* grid : {DBGridClient, DBGridRoom, DBGridPeriod})
        grid->SetDataSource(grid->DataSource());
    for (TDBNavigator* navigator : {DBNavigatorClient, DBNavigatorRoom, DBNavigatorPeriod})
        navigator->SetDataSource(navigator->DataSource());
    BindBilanTab(dataModule);
}

void TFormMainQuimbel::FormCreate() {
    PageControl->setTabText(PageControl->indexOf(TabSheetClient), Constants::ClientsTabCaption);
    SyncRentedGoodName(Load);
    PageControl->setTabText(PageControl->indexOf(TabSheetPeriod), Constants::PeriodsTabCaption);
    PageControl->setTabText(PageControl->indexOf(TabSheetBilan), Constants::StatementsTabCaption);
    ApplyRentedGoodName();
    PageControl->setCurrentWidget(TabSheetPeriod);
}

void TFormMainQuimbel::SyncRentedGoodName(TSyncDirection direction) {
    const QString subkey = Constants::ProductKeyName + QLatin1Char('\\') + Constants::RentedGoodKeyName;
    if (!SettingsKeyExists(subkey)) {
        CreateSettingsKey(subkey);
        WriteSettingString(subkey, Constants::RentedGoodValueName, RentedGoodName);
    }
    if (direction == Load)
        RentedGoodName = ReadSettingString(subkey, Constants::RentedGoodValueName);
    else
        WriteSettingString(subkey, Constants::RentedGoodValueName, RentedGoodName);
}

void TFormMainQuimbel::ApplyRentedGoodName() {
    PageControl->setTabText(PageControl->indexOf(TabSheetRoom), RentedGoodName + QStringLiteral("... "));
    QList<TColumn> roomColumns = DBGridRoom->Columns();
    roomColumns[0].Title = RentedGoodName;
    DBGridRoom->SetColumns(roomColumns);
    QList<TColumn> periodColumns = DBGridPeriod->Columns();
    periodColumns[2].Title = RentedGoodName;
    DBGridPeriod->SetColumns(periodColumns);
    RadioGroupBilan->SetItemText(1, QStringLiteral("... ") + RentedGoodName + QStringLiteral(" sélectionné."));
    LabelChambre->setText(RentedGoodName + QStringLiteral(" :"));
    LabelChambre->adjustSize();
    PageControl->update();
}

bool TFormMainQuimbel::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        EvOnActivateForm();
    return QWidget::event(event);
}

void TFormMainQuimbel::closeEvent(QCloseEvent* event) {
    // An edit typed in a grid is stored before the program ends, as leaving its row would; if the
    // file refuses it, the window stays open with the edit and the error is shown.
    for (TDBGrid* grid : {DBGridClient, DBGridRoom})
        if (!grid->PostPendingEdit()) {
            event->ignore();
            return;
        }
    event->accept();
}

void TFormMainQuimbel::EvOnActivateForm() {
    if (DataModuleQuimbel == nullptr)
        return;
    FillComboFromQuery(ComboBoxClientName, &DataModuleQuimbel->ADOQueryQuimbels, Constants::SqlClientNames,
                       QStringLiteral("NOM"));
    FillComboFromQuery(ComboBoxRoomNbr, &DataModuleQuimbel->ADOQueryQuimbels, Constants::SqlRoomNames,
                       QStringLiteral("CHAMBRE"));
    ComboBoxYears->SetItemIndex(0);
    LaunchBilanRequest(0, false);
}

void TFormMainQuimbel::SpeedButtonCloseClick() { close(); }

void TFormMainQuimbel::RunQuery(TADOQuery* query, const QString& sql) {
    query->Close();
    query->SQL.clear();
    query->SQL << sql;
    query->Open();
}

bool TFormMainQuimbel::CollectColumnValues(QStringList& values, TADOQuery* query, const QString& sql,
                                           const QString& columnName) {
    RunQuery(query, sql);
    if (query->RecordCount() == 0)
        return false;
    for (query->First(); !query->Eof(); query->Next())
        values << query->FieldByName(columnName)->AsString();
    return true;
}

void TFormMainQuimbel::FillComboFromQuery(TComboBox* comboBox, TADOQuery* query, const QString& sql,
                                          const QString& columnName) {
    QStringList values;
    if (!CollectColumnValues(values, query, sql, columnName))
        return;
    comboBox->SetItems(values);
    comboBox->SetItemIndex(0);
}

QString TFormMainQuimbel::ReplacePlaceholder(const QString& templateText, const QString& placeholder,
                                             const QString& value) {
    if (placeholder.isEmpty())
        return templateText;
    QString result;
    qsizetype from = 0;
    for (qsizetype found = templateText.indexOf(placeholder); found >= 0;
         found = templateText.indexOf(placeholder, from)) {
        result += QStringView(templateText).mid(from, found - from);
        result += value;
        from = found + placeholder.size();
    }
    result += QStringView(templateText).mid(from);
    return result;
}
