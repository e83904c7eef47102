#pragma once

#include "calendar/CalendarModel.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QFrame;
class QGroupBox;
class QLabel;
class QPainter;
class QPrinter;
class QToolButton;
class TAddPeriodData;
class TComboBox;

// Month names as the month bands show them.
extern const QStringList MonthNames;

// The year at a glance for one room: a column of day squares per month, each booked day marked in
// the colour of its booking, the yearly figures of the room and of all rooms, the client under the
// pointer, and a print of the whole window. It shows the periods as they stood when it opened.
class TCalendYear : public QDialog {
    Q_OBJECT
public:
    // Borrows the period list, which must outlive the window.
    TCalendYear(QWidget* Owner, const QList<TAddPeriodData*>* ListPeriods);

    // The printer the window prints on: the system's current printer unless one is set here.
    // Like the system's, it keeps the orientation printing gives it.
    static QPrinter* Printer;

    TSquareList ListSquares;
    const QList<TAddPeriodData*>* ListPeriods;
    qint32 ColorIndex;
    quint16 Year;

    QWidget* PanelYear;
    QLabel* LabelYear;
    QToolButton* SpeedButtonLeftYear;
    QToolButton* SpeedButtonRightYear;
    QLabel* LabelName;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QLabel* Label1;
    TComboBox* ComboBoxRoom;
    QFrame* Panel1;
    QLabel* Label2;
    QLabel* LabelNResaRoom;
    QLabel* Label3;
    QLabel* LabelTotalRoom;
    QGroupBox* GroupBox4;
    QLabel* Label4;
    QLabel* LabelTotalResa;
    QLabel* Label5;
    QLabel* LabelTotal;
    QGroupBox* GroupBox3;
    QToolButton* SpeedButtonPrint;
    QToolButton* SpeedButtonClose;

    // The label above the room list names the rented good as the user calls it.
    void SetRentedGoodName(const QString& Name);

    void EvFormPaint();
    // X and Y are client coordinates of the pointer over the window's own surface.
    void EvOnMouseMove(int X, int Y);
    void SpeedButtonLeftYearClick();
    void SpeedButtonRightYearClick();
    void EvOnChangeComboRoom();
    void SpeedButtonPrintClick();
    void SpeedButtonCloseClick();

    // The years the date library can turn into days; the arrows stop at them.
    static constexpr int FirstYear = 1;
    static constexpr int LastYear = 9999;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QPrinter& CurrentPrinter();

    TCalendarModel Model;

    void BuildControls();
    void BuildYearPanel();
    void BuildFigureBoxes();
    void BuildSquares();
    void FillRoomCombo();
    void ComputeBookings();
    void FreeSquares();
    void RebuildSquares();
    void PaintMonthHeaders(QPainter& Canvas);
    void PrintPicture(QPrinter& Target);
};
