#include "bookings/AddPeriodDlg.h"

#include "data/AddPeriodData.h"
#include "platform/db/DateTimeText.h"
#include "platform/os/Clock.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Dialogs.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <cmath>

const QString TFormAddPeriod::InputErrorMessage = QStringLiteral("Vérifier les montants ou les dates saisies.");
const QString TFormAddPeriod::InputErrorTitle = QStringLiteral("Erreur de saisie");

namespace {

constexpr int MemoMaxLength = 250;

QGroupBox* PlacedGroup(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(left, top, width, height);
    return group;
}

QLabel* PlacedLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

template <typename Control> Control* Placed(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// The pickers offer only the days whose two-digit year reads back as the same year: the record
// hands dates to the file as "dd/mm/yy", and a day outside this window would change century.
void BoundToTwoDigitYearWindow(TDateTimePicker* picker) {
    const int year = Clock::CurrentYear();
    picker->setDateRange(QDate(year - 50, 1, 1), QDate(year + 49, 12, 31));
}

QToolButton* CommandButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap image) {
    auto* button = Placed(new QToolButton(parent), name, 0, 0, 150, 35);
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(image));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TFormAddPeriod::TFormAddPeriod(QWidget* Owner, const QStringList* ClientNames, const QStringList* RoomNames,
                               TAddPeriodData* PeriodData)
    : QDialog(Owner), ClientNames(ClientNames), RoomNames(RoomNames), PeriodData(PeriodData) {
    BuildControls();
    Initialise();
}

void TFormAddPeriod::BuildControls() {
    setObjectName(QStringLiteral("FormAddPeriod"));
    setWindowTitle(QStringLiteral("Ajouter/Modifier une Période..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(545, 227);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 10));

    GroupBoxNom = PlacedGroup(this, "GroupBoxNom", 6, -3, 216, 50);
    LabelName = PlacedLabel(GroupBoxNom, "LabelName", QStringLiteral("Nom :"), 6, 24);
    ComboBoxNames = Placed(new TComboBox(GroupBoxNom), "ComboBoxNames", 72, 16, 137, 24);
    GroupBoxChambre = PlacedGroup(this, "GroupBoxChambre", 6, 47, 216, 50);
    Label3 = PlacedLabel(GroupBoxChambre, "Label3", QStringLiteral("Chambre :"), 6, 24);
    ComboBoxRooms = Placed(new TComboBox(GroupBoxChambre), "ComboBoxRooms", 72, 16, 80, 24);
    GroupBoxDates = PlacedGroup(this, "GroupBoxDates", 226, -3, 311, 50);
    Label1 = PlacedLabel(GroupBoxDates, "Label1", QStringLiteral("Du :"), 6, 24);
    DateTimePickerFrom = Placed(new TDateTimePicker(GroupBoxDates), "DateTimePickerFrom", 45, 16, 95, 24);
    Label2 = PlacedLabel(GroupBoxDates, "Label2", QStringLiteral("Au :"), 163, 24);
    DateTimePickerTo = Placed(new TDateTimePicker(GroupBoxDates), "DateTimePickerTo", 201, 16, 95, 24);
    GroupBoxMontants = PlacedGroup(this, "GroupBoxMontants", 226, 47, 311, 50);
    Label4 = PlacedLabel(GroupBoxMontants, "Label4", QStringLiteral("Accompte :"), 6, 24);
    EditAccompte = Placed(new QLineEdit(QStringLiteral("0"), GroupBoxMontants), "EditAccompte", 80, 16, 75, 24);
    Label6 = PlacedLabel(GroupBoxMontants, "Label6", QStringLiteral("€"), 158, 24);
    Label5 = PlacedLabel(GroupBoxMontants, "Label5", QStringLiteral("Tarif :"), 180, 25);
    EditTarif = Placed(new QLineEdit(QStringLiteral("0"), GroupBoxMontants), "EditTarif", 220, 17, 75, 24);
    Label7 = PlacedLabel(GroupBoxMontants, "Label7", QStringLiteral("€"), 298, 24);
    GroupBoxNote = PlacedGroup(this, "GroupBoxNote", 6, 97, 531, 83);
    Label8 = PlacedLabel(GroupBoxNote, "Label8", QStringLiteral("Note :"), 6, 17);
    MemoNote = Placed(new QPlainTextEdit(GroupBoxNote), "MemoNote", 72, 16, 443, 57);
    SpeedButtonAdd = CommandButton(this, "SpeedButtonAdd", QStringLiteral("Ajouter/Modifier"), QStyle::SP_DialogApplyButton);
    SpeedButtonAdd->move(81, 188);
    SpeedButtonCancel = CommandButton(this, "SpeedButtonCancel", QStringLiteral("Annuler"), QStyle::SP_DialogCancelButton);
    SpeedButtonCancel->move(313, 188);

    QFont bold = Label6->font();
    bold.setBold(true);
    Label6->setFont(bold);
    Label7->setFont(bold);
    QFont underlined = Label8->font();
    underlined.setUnderline(true);
    Label8->setFont(underlined);
    ComboBoxNames->SetSorted(true);
    ComboBoxRooms->SetSorted(true);
    BoundToTwoDigitYearWindow(DateTimePickerFrom);
    BoundToTwoDigitYearWindow(DateTimePickerTo);
    // Letters typed for the deposit are capitals, as for an exponent "E".
    connect(EditAccompte, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text != text.toUpper()) {
            const int cursor = EditAccompte->cursorPosition();
            EditAccompte->setText(text.toUpper());
            EditAccompte->setCursorPosition(cursor);
        }
    });
    connect(MemoNote, &QPlainTextEdit::textChanged, this, [this]() {
        const QString text = MemoNote->toPlainText();
        if (text.size() > MemoMaxLength) {
            MemoNote->setPlainText(text.left(MemoMaxLength));
            MemoNote->moveCursor(QTextCursor::End);
        }
    });
    MemoNote->installEventFilter(this);
    connect(SpeedButtonAdd, &QToolButton::clicked, this, &TFormAddPeriod::SpeedButtonAddClick);
    connect(SpeedButtonCancel, &QToolButton::clicked, this, &TFormAddPeriod::SpeedButtonCancelClick);
    const QList<QWidget*> tabOrder{ComboBoxNames, ComboBoxRooms, DateTimePickerFrom, DateTimePickerTo,
                                   EditAccompte,  EditTarif,     MemoNote};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

bool TFormAddPeriod::eventFilter(QObject* watched, QEvent* event) {
    // Enter alone does not break the note's line; with Ctrl it does.
    if (watched == MemoNote && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier)
                MemoNote->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAddPeriod::Initialise() {
    ComboBoxNames->SetItems(*ClientNames);
    ComboBoxRooms->SetItems(*RoomNames);
    if (!PeriodData->NOM.isEmpty()) {
        // The last entry equal to the record's text stays selected; none when the name is gone.
        for (int i = 0; i < ComboBoxNames->count(); ++i)
            if (ComboBoxNames->itemText(i) == PeriodData->NOM)
                ComboBoxNames->SetItemIndex(i);
        for (int i = 0; i < ComboBoxRooms->count(); ++i)
            if (ComboBoxRooms->itemText(i) == PeriodData->CHAMBRE)
                ComboBoxRooms->SetItemIndex(i);
        EditAccompte->setText(AmountText(PeriodData->ACCOMPTE));
        EditTarif->setText(AmountText(PeriodData->TARIF));
        DateTimePickerFrom->setDate(PeriodData->DATEDEBUT.date());
        DateTimePickerTo->setDate(PeriodData->DATEFIN.date());
        MemoNote->setPlainText(PeriodData->NOTE);
    } else {
        ComboBoxNames->SetItemIndex(ComboBoxNames->count() > 0 ? 0 : -1);
        ComboBoxRooms->SetItemIndex(ComboBoxRooms->count() > 0 ? 0 : -1);
        DateTimePickerFrom->setDate(Clock::Today());
        DateTimePickerTo->setDate(Clock::Today());
    }
}

int TFormAddPeriod::ShowModal() { return ::ShowModal(this); }

QString TFormAddPeriod::AmountText(double amount) {
    // Two decimals as a rule; an amount stored with more keeps them, so that confirming the
    // dialog unchanged does not round what the file holds.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double cents = amount * 100.0;
    const int decimals = std::abs(cents - std::round(cents)) < 1e-6 ? 2 : 4;
    QString text = locale.toString(amount, 'f', decimals);
    if (decimals == 4)
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    return text;
}

bool TFormAddPeriod::TextToAmount(const QString& text, double& amount) {
    const QString separator = QRegularExpression::escape(QLocale().decimalPoint());
    const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?)(\d*)(?:%1(\d*))?(?:[eE]([+-]?\d+))?\s*$)").arg(separator));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch() || match.capturedLength(2) + match.capturedLength(3) == 0)
        return false;
    const QString plain = match.captured(1) + (match.capturedLength(2) > 0 ? match.captured(2) : QStringLiteral("0")) +
                          QLatin1Char('.') + match.captured(3) +
                          (match.capturedLength(4) > 0 ? QStringLiteral("e") + match.captured(4) : QString());
    bool ok = false;
    amount = plain.toDouble(&ok);
    return ok && std::isfinite(amount);
}

bool TFormAddPeriod::ValidateAndStore() {
    PeriodData->NOM = ComboBoxNames->SelectedText();
    PeriodData->CHAMBRE = ComboBoxRooms->SelectedText();
    bool valid = !PeriodData->NOM.isEmpty() && !PeriodData->CHAMBRE.isEmpty();
    PeriodData->DATEDEBUT = MakeDateTime(DateTimePickerFrom->date());
    PeriodData->DATEFIN = MakeDateTime(DateTimePickerTo->date());
    if (PeriodData->DATEDEBUT > PeriodData->DATEFIN)
        valid = false;
    double amount = 0.0;
    if (TextToAmount(EditAccompte->text(), amount)) {
        PeriodData->ACCOMPTE = amount;
        if (TextToAmount(EditTarif->text(), amount))
            PeriodData->TARIF = amount;
        else
            valid = false;
    } else {
        valid = false;
    }
    PeriodData->NOTE = MemoNote->toPlainText();
    return valid;
}

void TFormAddPeriod::SpeedButtonAddClick() {
    if (ValidateAndStore()) {
        done(1);
        return;
    }
    MessageBox(this, InputErrorMessage, InputErrorTitle, TMsgDlgType::Error, mbOK);
}

void TFormAddPeriod::SpeedButtonCancelClick() { done(2); }
