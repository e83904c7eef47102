#pragma once

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class TAddPeriodData;
class TComboBox;
class TDateTimePicker;

// The dialog in which the user enters or changes one rental period. It shows the record lent
// by its caller and, on confirmation, writes the checked entries back into it.
class TFormAddPeriod : public QDialog {
    Q_OBJECT
public:
    static const QString InputErrorMessage;
    static const QString InputErrorTitle;

    TFormAddPeriod(QWidget* Owner, const QStringList* ClientNames, const QStringList* RoomNames,
                   TAddPeriodData* PeriodData);

    // Shows the dialog modally: 1 when confirmed, 2 when cancelled.
    int ShowModal();

    const QStringList* ClientNames;
    const QStringList* RoomNames;
    TAddPeriodData* PeriodData;

    QGroupBox* GroupBoxNom;
    QLabel* LabelName;
    TComboBox* ComboBoxNames;
    QGroupBox* GroupBoxChambre;
    QLabel* Label3;
    TComboBox* ComboBoxRooms;
    QGroupBox* GroupBoxDates;
    QLabel* Label1;
    TDateTimePicker* DateTimePickerFrom;
    QLabel* Label2;
    TDateTimePicker* DateTimePickerTo;
    QGroupBox* GroupBoxMontants;
    QLabel* Label4;
    QLineEdit* EditAccompte;
    QLabel* Label6;
    QLabel* Label5;
    QLineEdit* EditTarif;
    QLabel* Label7;
    QGroupBox* GroupBoxNote;
    QLabel* Label8;
    QPlainTextEdit* MemoNote;
    QToolButton* SpeedButtonAdd;
    QToolButton* SpeedButtonCancel;

    void SpeedButtonAddClick();
    void SpeedButtonCancelClick();

    // The amount text as the dialog shows it: two decimals, more only when the amount has them.
    static QString AmountText(double amount);
    // Reads an amount as typed: blanks around, a sign, digits with the user's decimal separator,
    // an exponent. Returns false when the text is no number.
    static bool TextToAmount(const QString& text, double& amount);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Initialise();
    bool ValidateAndStore();
};
