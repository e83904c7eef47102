#pragma once

#include "platform/db/DataSource.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QTabWidget;
class QToolButton;
class TADOQuery;
class TAddPeriodData;
class TCalendYear;
class TComboBox;
class TDataModuleQuimbel;
class TDateTimePicker;
class TDBGrid;
class TDBNavigator;
class TRadioGroup;
enum class TNavigateBtn;

// The program's main window: the client, room and period grids, the statements tab, the
// calendar and close buttons. It holds the rented-good name and relabels the captions with it.
class TFormMainQuimbel : public QWidget {
    Q_OBJECT
public:
    enum TSyncDirection { Load, Save };

    explicit TFormMainQuimbel(QWidget* owner = nullptr);
    ~TFormMainQuimbel() override;

    // Binds the grids, navigators and statement controls to the data module once it exists.
    void ConnectDataModule(TDataModuleQuimbel* dataModule);

    QString RentedGoodName;

    QTabWidget* PageControl;
    QWidget* TabSheetClient;
    QWidget* TabSheetRoom;
    QWidget* TabSheetPeriod;
    QWidget* TabSheetBilan;
    TDBGrid* DBGridClient;
    TDBGrid* DBGridRoom;
    TDBGrid* DBGridPeriod;
    QWidget* PanelClientBottom;
    QWidget* PanelRoomBottom;
    QWidget* PanelPeriodBottom;
    TDBNavigator* DBNavigatorClient;
    TDBNavigator* DBNavigatorRoom;
    TDBNavigator* DBNavigatorPeriod;
    QToolButton* SpeedButtonClientPrint;
    QToolButton* SpeedButtonRoomPrint;
    QToolButton* SpeedButtonPeriodPrint;
    QWidget* PanelBottom;
    QLabel* ImageMonoGramme;
    QToolButton* SpeedButtonCalendrier;
    QToolButton* SpeedButtonClose;
    // Linux window managers draw no title-bar help button: this one, and F1, stand for it.
    QToolButton* SpeedButtonHelp;
    TDataSource DataSourceClient;
    TDataSource DataSourceRoom;
    TDataSource DataSourcePeriod;

    // The statements tab.
    TDBGrid* DBGridBilan;
    QWidget* PanelBilan;
    QWidget* PanelNavigBilan;
    TDBNavigator* DBNavigator1;
    QToolButton* SpeedButtonBilanPrint;
    QWidget* PanelRequests;
    TRadioGroup* RadioGroupBilan;
    QWidget* PanelChoix;
    QWidget* GroupBoxSelections;
    QLabel* LabelClient;
    TComboBox* ComboBoxClientName;
    QLabel* LabelChambre;
    TComboBox* ComboBoxRoomNbr;
    QLabel* Label1;
    TComboBox* ComboBoxYears;
    QLabel* LabelIntervalle;
    QLabel* LabelDe;
    TDateTimePicker* DateTimePickerDebut;
    QLabel* LabelA;
    TDateTimePicker* DateTimePickerFin;

    // The annual calendar while it is open.
    TCalendYear* CalendYear = nullptr;

    void FormCreate();
    void EvOnActivateForm();
    void SpeedButtonCloseClick();
    void SpeedButtonCalendrierClick();
    void EvOnClickClientPrint();
    void EvOnClickRoomPrint();
    void EvOnClickPeriodPrint();
    void SpeedButtonBilanPrintClick();
    void EditRentedGoodName();
    void SyncRentedGoodName(TSyncDirection direction);
    void ApplyRentedGoodName();

    void RunQuery(TADOQuery* query, const QString& sql);
    bool CollectColumnValues(QStringList& values, TADOQuery* query, const QString& sql, const QString& columnName);
    void FillComboFromQuery(TComboBox* comboBox, TADOQuery* query, const QString& sql, const QString& columnName);
    static QString ReplacePlaceholder(const QString& templateText, const QString& placeholder, const QString& value);

    // Booking operations.
    enum TPeriodCheckMode { NewPeriod = 1, ExistingPeriod = 2 };
    void DBNavigatorPeriodClick(TNavigateBtn Button);
    void AddPeriod();
    void ModifyPeriod();
    bool CheckPeriodOverlap(const TAddPeriodData& PeriodData, TPeriodCheckMode Mode);
    qint32 NextFreePeriodId();
    // Appends a checked period under the smallest free identifier; the new row becomes current.
    void AppendNewPeriod(const TAddPeriodData& PeriodData);

    // Statement operations.
    void LaunchBilanRequest(int modeValue, bool force);
    void SetBilanColumns();
    void EvOnClickBilanRadioButton();
    void EvOnChangeBilanSelection();
    void EvOnCloseUpBilanRangeDates();
    // The years offered by the year list: from 1999 through two years after the current one.
    static QStringList BilanYears();
    // The mode value of the last rebuild; no mode has the value it starts with.
    static int LastBilanMode;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildListTab(QWidget* tab, TDBGrid*& grid, QWidget*& panel, TDBNavigator*& navigator, QToolButton*& printButton,
                      const QStringList& hints, const QString& printHint);
    void BuildBottomPanel();
    void BuildBilanTab();
    void BindBilanTab(TDataModuleQuimbel* dataModule);
    QString BilanSql(int mode) const;
    // Runs the period dialog until the user cancels or confirms a period that overlaps no other.
    bool RunPeriodDialog(const QStringList& clientNames, const QStringList& roomNames, TAddPeriodData& periodData,
                         const QString& caption, const QString& confirmCaption, TPeriodCheckMode mode);
    void SetSelectionControlsEnabled(int mode);
};
