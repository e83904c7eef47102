#include "calendar/CalendrierAnnuel.h"

#include "calendar/Canvas.h"
#include "platform/Error.h"
#include "platform/os/Clock.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

const QStringList MonthNames = {
    QStringLiteral("JANVIER"), QStringLiteral("FEVRIER"),  QStringLiteral("MARS"),
    QStringLiteral("AVRIL"),   QStringLiteral("MAI"),      QStringLiteral("JUIN"),
    QStringLiteral("JUILLET"), QStringLiteral("AOUT"),     QStringLiteral("SEPTEMBRE"),
    QStringLiteral("OCTOBRE"), QStringLiteral("NOVEMBRE"), QStringLiteral("DECEMBRE"),
};

QPrinter* TCalendYear::Printer = nullptr;

namespace {

const QString PrintQuestion =
    QStringLiteral("Assurer-vous que l'imprimante est connectée,\npuis cliquer sur OK pour imprimer.");

constexpr int MonthWidth = 75;
constexpr QRgb Gray = 0x808080;

QFont SansSerif(int pixelSize, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    // Set even when regular, so that a label does not take the bold of its group box's caption.
    font.setBold(bold);
    return font;
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QLabel* PlacedLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(SansSerif(13, false));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QGroupBox* PlacedGroup(QWidget* parent, const char* name, const QString& title, const QRect& geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setFont(SansSerif(13, true));
    group->setGeometry(geometry);
    return group;
}

QToolButton* FlatButton(QWidget* parent, const char* name, const QRect& geometry,
                        QStyle::StandardPixmap image) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(parent->style()->standardIcon(image));
    button->setIconSize(QSize(16, 16));
    return button;
}

QToolButton* CommandButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                           QStyle::StandardPixmap image) {
    QToolButton* button = FlatButton(parent, name, geometry, image);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(SansSerif(13, true));
    return button;
}

// A caption that grows with its text, as the figures do.
void SetCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

// The number pattern "0.00" in the user's settings, without grouping, then the euro sign.
QString AmountText(double amount) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(amount, 'f', 2) + QStringLiteral(" €");
}

} // namespace

TCalendYear::TCalendYear(QWidget* Owner, const QList<TAddPeriodData*>* ListPeriods)
    : QDialog(Owner), ListPeriods(ListPeriods), ColorIndex(-1),
      Year(static_cast<quint16>(Clock::CurrentYear())), Model(*ListPeriods) {
    BuildControls();
    LabelName->setText(QString());
    BuildSquares();
    FillRoomCombo();
    ComputeBookings();
}

void TCalendYear::BuildControls() {
    setObjectName(QStringLiteral("CalendYear"));
    setWindowTitle(QStringLiteral("Calendrier"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(922, 657);
    setFont(SansSerif(11, false));
    SetColor(this, QPalette::Window, ToQColor(clBtnFace));
    SetColor(this, QPalette::WindowText, Qt::black);
    setAutoFillBackground(true);
    // The client under the pointer follows the pointer without a button pressed.
    setMouseTracking(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    BuildYearPanel();
    BuildFigureBoxes();

    connect(SpeedButtonLeftYear, &QToolButton::clicked, this, &TCalendYear::SpeedButtonLeftYearClick);
    connect(SpeedButtonRightYear, &QToolButton::clicked, this, &TCalendYear::SpeedButtonRightYearClick);
    connect(ComboBoxRoom, &TComboBox::OnChange, this, &TCalendYear::EvOnChangeComboRoom);
    connect(SpeedButtonPrint, &QToolButton::clicked, this, &TCalendYear::SpeedButtonPrintClick);
    connect(SpeedButtonClose, &QToolButton::clicked, this, &TCalendYear::SpeedButtonCloseClick);
}

void TCalendYear::BuildYearPanel() {
    PanelYear = new QWidget(this);
    PanelYear->setObjectName(QStringLiteral("PanelYear"));
    PanelYear->setGeometry(8, 535, 905, 37);
    SetColor(PanelYear, QPalette::Window, QColor::fromRgb(Gray));
    PanelYear->setAutoFillBackground(true);
    // Pointer movements over the controls are theirs: the name of the client under the pointer
    // only changes over the calendar itself.
    PanelYear->setAttribute(Qt::WA_NoMousePropagation);

    LabelYear = new QLabel(PanelYear);
    LabelYear->setObjectName(QStringLiteral("LabelYear"));
    LabelYear->setGeometry(0, 0, 905, 28);
    LabelYear->setAlignment(Qt::AlignCenter);
    LabelYear->setFont(SansSerif(19, true));
    SetColor(LabelYear, QPalette::WindowText, Qt::white);

    LabelName = new QLabel(PanelYear);
    LabelName->setObjectName(QStringLiteral("LabelName"));
    LabelName->setGeometry(0, 24, 905, 13);
    LabelName->setAlignment(Qt::AlignCenter);
    LabelName->setFont(SansSerif(11, true));
    SetColor(LabelName, QPalette::WindowText, Qt::black);

    SpeedButtonLeftYear =
        FlatButton(PanelYear, "SpeedButtonLeftYear", QRect(2, 8, 22, 22), QStyle::SP_ArrowLeft);
    SpeedButtonRightYear =
        FlatButton(PanelYear, "SpeedButtonRightYear", QRect(875, 8, 22, 22), QStyle::SP_ArrowRight);
}

void TCalendYear::BuildFigureBoxes() {
    GroupBox1 = PlacedGroup(this, "GroupBox1", QString(), QRect(8, 572, 905, 83));
    GroupBox1->setAttribute(Qt::WA_NoMousePropagation);

    GroupBox2 = PlacedGroup(GroupBox1, "GroupBox2", QStringLiteral("Bilan annuel..."), QRect(7, 7, 300, 69));
    Label1 = PlacedLabel(GroupBox2, "Label1", QStringLiteral("Chambre n° :"), 15, 19);
    ComboBoxRoom = new TComboBox(GroupBox2);
    ComboBoxRoom->setObjectName(QStringLiteral("ComboBoxRoom"));
    ComboBoxRoom->SetSorted(true);
    ComboBoxRoom->setFont(SansSerif(13, false));
    ComboBoxRoom->setGeometry(15, 36, 81, 22);
    Panel1 = new QFrame(GroupBox2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::VLine);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(108, 11, 2, 54);
    Label2 = PlacedLabel(GroupBox2, "Label2", QStringLiteral("Réservations :"), 125, 20);
    LabelNResaRoom = PlacedLabel(GroupBox2, "LabelNResaRoom", QStringLiteral("0"), 218, 20);
    Label3 = PlacedLabel(GroupBox2, "Label3", QStringLiteral("Totaux :"), 125, 44);
    LabelTotalRoom = PlacedLabel(GroupBox2, "LabelTotalRoom", QStringLiteral("0,00 €"), 218, 44);

    GroupBox4 =
        PlacedGroup(GroupBox1, "GroupBox4", QStringLiteral("Bilan total annuel..."), QRect(312, 7, 267, 69));
    Label4 = PlacedLabel(GroupBox4, "Label4", QStringLiteral("Nombre de réservations :"), 15, 20);
    LabelTotalResa = PlacedLabel(GroupBox4, "LabelTotalResa", QStringLiteral("0"), 173, 20);
    Label5 = PlacedLabel(GroupBox4, "Label5", QStringLiteral("Totaux :"), 15, 44);
    LabelTotal = PlacedLabel(GroupBox4, "LabelTotal", QStringLiteral("0,00 €"), 173, 44);

    GroupBox3 = PlacedGroup(GroupBox1, "GroupBox3", QString(), QRect(584, 9, 314, 67));
    SpeedButtonPrint = CommandButton(GroupBox3, "SpeedButtonPrint", QStringLiteral("Imprimer..."),
                                     QRect(5, 14, 150, 44), QStyle::SP_FileDialogContentsView);
    SpeedButtonClose = CommandButton(GroupBox3, "SpeedButtonClose", QStringLiteral("Fermer"),
                                     QRect(155, 14, 153, 44), QStyle::SP_DialogCloseButton);
}

void TCalendYear::SetRentedGoodName(const QString& Name) {
    SetCaption(Label1, Name);
}

void TCalendYear::BuildSquares() {
    LabelYear->setText(QString::number(Year));
    SpeedButtonLeftYear->setEnabled(Year > FirstYear);
    SpeedButtonRightYear->setEnabled(Year < LastYear);
    TCalendarModel::BuildSquares(Year, ListSquares);
}

void TCalendYear::FillRoomCombo() {
    ComboBoxRoom->SetItems(Model.RoomNames());
    ComboBoxRoom->SetItemIndex(0);
}

void TCalendYear::ComputeBookings() {
    const TCalendarFigures figures = Model.ComputeBookings(ComboBoxRoom->SelectedText(), Year, ListSquares);
    ColorIndex = figures.ColorIndex;
    SetCaption(LabelNResaRoom, QString::number(figures.RoomBookings));
    SetCaption(LabelTotalResa, QString::number(figures.AllBookings));
    SetCaption(LabelTotalRoom, AmountText(figures.RoomTotal));
    SetCaption(LabelTotal, AmountText(figures.AllTotal));
}

void TCalendYear::FreeSquares() {
    ListSquares.clear();
}

void TCalendYear::RebuildSquares() {
    FreeSquares();
    BuildSquares();
}

void TCalendYear::paintEvent(QPaintEvent*) {
    EvFormPaint();
}

void TCalendYear::EvFormPaint() {
    QPainter canvas(this);
    canvas.setFont(font());
    PaintMonthHeaders(canvas);
    for (const auto& square : ListSquares)
        square->Draw(canvas);
}

void TCalendYear::PaintMonthHeaders(QPainter& Canvas) {
    const QFontMetrics metrics(Canvas.font());
    for (int month = 0; month < MonthNames.size(); ++month) {
        const int left = MonthWidth * month + 10;
        const QRect band(left, 10, MonthWidth + 1, 17);
        Canvas.fillRect(band, Qt::black);
        FrameRect(Canvas, band, ToQColor(clBtnFace));
        const int textLeft = left + (MonthWidth - metrics.horizontalAdvance(MonthNames[month])) / 2;
        TextOut(Canvas, QPoint(textLeft, 12), MonthNames[month], Qt::white, Qt::black);
    }
}

void TCalendYear::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    EvOnMouseMove(position.x(), position.y());
}

void TCalendYear::EvOnMouseMove(int X, int Y) {
    QString name;
    // Every square is tested: on a line shared by two booked days, the later day wins.
    for (const auto& square : ListSquares)
        if (square->Booked() && square->Left <= X && X <= square->Left + square->Width + 1 &&
            square->Top <= Y && Y <= square->Top + square->Height + 1)
            name = square->ClientName;
    LabelName->setText(name);
}

void TCalendYear::keyPressEvent(QKeyEvent* event) {
    // The window has no close box and only "Fermer" closes it: Escape does not.
    if (event->key() == Qt::Key_Escape)
        return event->ignore();
    QDialog::keyPressEvent(event);
}

void TCalendYear::SpeedButtonLeftYearClick() {
    --Year;
    RebuildSquares();
    ComputeBookings();
    repaint();
}

void TCalendYear::SpeedButtonRightYearClick() {
    ++Year;
    RebuildSquares();
    ComputeBookings();
    repaint();
}

void TCalendYear::EvOnChangeComboRoom() {
    RebuildSquares();
    ComputeBookings();
    repaint();
}

void TCalendYear::SpeedButtonCloseClick() {
    close();
}

void TCalendYear::SpeedButtonPrintClick() {
    if (MessageBox(this, PrintQuestion, QStringLiteral("Impression"), TMsgDlgType::Information,
                   mbOK | mbCancel) != mrOk)
        return;
    QPrinter& printer = CurrentPrinter();
    printer.setPageOrientation(QPageLayout::Landscape);
    PrintPicture(printer);
}

QPrinter& TCalendYear::CurrentPrinter() {
    // Made on first use and kept for the session, as the system keeps its current printer.
    if (Printer == nullptr)
        Printer = new QPrinter(QPrinter::HighResolution);
    return *Printer;
}

void TCalendYear::PrintPicture(QPrinter& Target) {
    const QPixmap picture = grab();
    QPainter page;
    if (!page.begin(&Target))
        throw EPlatformError(QStringLiteral("L'imprimante sélectionnée n'est pas valide"));
    // The picture prints at the size it has on a screen of the window's pixel density.
    const QSizeF size = picture.deviceIndependentSize();
    const QSizeF printed(size.width() * Target.logicalDpiX() / logicalDpiX(),
                         size.height() * Target.logicalDpiY() / logicalDpiY());
    page.drawPixmap(QRectF(QPointF(0, 0), printed), picture, QRectF(picture.rect()));
    page.end();
}
