#include "bookings/AddPeriodDlg.h"
#include "data/AddPeriodData.h"
#include "platform/db/DateTimeText.h"
#include "platform/os/Clock.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Dialogs.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class PeriodDialog : public testing::Test {
protected:
    void SetUp() override { Clock::SetFixed(MakeDateTime(QDate(2026, 12, 10), QTime(15, 0))); }

    std::unique_ptr<TFormAddPeriod> Open() {
        return std::make_unique<TFormAddPeriod>(nullptr, &Clients, &Rooms, &Record);
    }

    QStringList Clients{QStringLiteral("Martin"), QStringLiteral("dupont"), QStringLiteral("Bernard")};
    QStringList Rooms{QStringLiteral("12"), QStringLiteral("3")};
    TAddPeriodData Record;
    TDialogAnswers Answers;
};

} // namespace

TEST_F(PeriodDialog, ANewPeriodOpensOnTheFirstEntriesTodayAndZeroAmounts) {
    const auto dialog = Open();
    EXPECT_EQ(dialog->ComboBoxNames->Items(), QStringList({"Bernard", "dupont", "Martin"}));
    EXPECT_EQ(dialog->ComboBoxNames->SelectedText(), QStringLiteral("Bernard"));
    EXPECT_EQ(dialog->ComboBoxRooms->SelectedText(), QStringLiteral("12"));
    EXPECT_EQ(dialog->DateTimePickerFrom->date(), QDate(2026, 12, 10));
    EXPECT_EQ(dialog->DateTimePickerTo->date(), QDate(2026, 12, 10));
    EXPECT_EQ(dialog->EditAccompte->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->EditTarif->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Ajouter/Modifier une Période..."));
    EXPECT_EQ(dialog->size(), QSize(545, 227));
}

TEST_F(PeriodDialog, AShownRecordComesBackWithTwoDecimalAmountsAndAGoneNameUnselected) {
    Record.NOM = QStringLiteral("Lefèvre"); // no longer a client
    Record.CHAMBRE = QStringLiteral("3");
    Record.DATEDEBUT = MakeDateTime(QDate(2024, 7, 1));
    Record.DATEFIN = MakeDateTime(QDate(2024, 7, 10));
    Record.ACCOMPTE = 80.5;
    Record.TARIF = 12.3456;
    Record.NOTE = QStringLiteral("Arrivée tardive");
    const auto dialog = Open();
    EXPECT_EQ(dialog->ComboBoxNames->ItemIndex(), -1);
    EXPECT_EQ(dialog->ComboBoxRooms->SelectedText(), QStringLiteral("3"));
    EXPECT_EQ(dialog->EditAccompte->text(), QStringLiteral("80,50"));
    // An amount with more decimals keeps them, so an unchanged confirmation rounds nothing.
    EXPECT_EQ(dialog->EditTarif->text(), QStringLiteral("12,3456"));
    EXPECT_EQ(dialog->DateTimePickerTo->date(), QDate(2024, 7, 10));
    EXPECT_EQ(dialog->MemoNote->toPlainText(), QStringLiteral("Arrivée tardive"));
    dialog->SpeedButtonAdd->click();
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_EQ(Answers.Messages()[0].Text, QStringLiteral("Vérifier les montants ou les dates saisies."));
    EXPECT_EQ(Answers.Messages()[0].Title, QStringLiteral("Erreur de saisie"));
    EXPECT_EQ(dialog->result(), 0);
}

TEST_F(PeriodDialog, AmountsFollowTheUsersDecimalSeparator) {
    struct Case {
        const char* text;
        bool accepted;
        double value;
    };
    const Case cases[] = {{"12,50", true, 12.5}, {" 12 ", true, 12}, {"-5", true, -5},  {"1E2", true, 100},
                          {"+3,", true, 3},      {",5", true, 0.5},  {"12.50", false, 0}, {"", false, 0},
                          {"1 000", false, 0},   {"E2", false, 0},   {"12,5,0", false, 0}, {"douze", false, 0}};
    for (const Case& c : cases) {
        const auto dialog = Open();
        dialog->EditTarif->setText(QString::fromUtf8(c.text));
        Answers.Clear();
        dialog->SpeedButtonAdd->click();
        EXPECT_EQ(dialog->result() == 1, c.accepted) << c.text;
        EXPECT_EQ(Answers.Messages().isEmpty(), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_DOUBLE_EQ(Record.TARIF, c.value) << c.text;
        }
    }
}

TEST_F(PeriodDialog, ConfirmingStoresEveryEntryAndARefusalLeavesTheDialogAsItWas) {
    const auto dialog = Open();
    dialog->ComboBoxNames->SetItemIndex(2);
    dialog->ComboBoxRooms->SetItemIndex(1);
    dialog->DateTimePickerFrom->setDate(QDate(2027, 7, 12));
    dialog->DateTimePickerTo->setDate(QDate(2027, 7, 11));
    dialog->EditAccompte->setText(QStringLiteral("100"));
    dialog->EditTarif->setText(QStringLiteral("450,75"));
    dialog->MemoNote->setPlainText(QStringLiteral("Lit bébé"));
    dialog->SpeedButtonAdd->click();
    EXPECT_EQ(dialog->result(), 0);
    EXPECT_EQ(dialog->DateTimePickerTo->date(), QDate(2027, 7, 11));
    dialog->DateTimePickerTo->setDate(QDate(2027, 7, 12)); // one day is a valid period
    dialog->SpeedButtonAdd->click();
    EXPECT_EQ(dialog->result(), 1);
    EXPECT_EQ(Record.NOM, QStringLiteral("Martin"));
    EXPECT_EQ(Record.CHAMBRE, QStringLiteral("3"));
    EXPECT_EQ(Record.DATEDEBUT, MakeDateTime(QDate(2027, 7, 12)));
    EXPECT_EQ(Record.DATEFIN, MakeDateTime(QDate(2027, 7, 12)));
    EXPECT_DOUBLE_EQ(Record.ACCOMPTE, 100);
    EXPECT_DOUBLE_EQ(Record.TARIF, 450.75);
    EXPECT_EQ(Record.NOTE, QStringLiteral("Lit bébé"));
    EXPECT_EQ(Record.IDPERIODE, -1);
}

TEST_F(PeriodDialog, AnEmptyClientIsListedFirstAndCannotBeChosen) {
    Clients << QString();
    const auto dialog = Open();
    EXPECT_EQ(dialog->ComboBoxNames->SelectedText(), QString());
    dialog->SpeedButtonAdd->click();
    EXPECT_EQ(dialog->result(), 0);
    EXPECT_EQ(Answers.Messages().size(), 1);
    dialog->SpeedButtonCancel->click();
    EXPECT_EQ(dialog->result(), 2);
}

TEST_F(PeriodDialog, DatePickersOfferOnlyDaysTheTwoDigitYearKeeps) {
    const auto dialog = Open();
    EXPECT_EQ(dialog->DateTimePickerFrom->minimumDate(), QDate(1976, 1, 1));
    EXPECT_EQ(dialog->DateTimePickerTo->maximumDate(), QDate(2075, 12, 31));
    dialog->DateTimePickerFrom->setDate(QDate(1955, 3, 15));
    EXPECT_EQ(dialog->DateTimePickerFrom->date(), QDate(1976, 1, 1));
}

TEST_F(PeriodDialog, TheNoteTakesAtMost250CharactersAndEnterAloneBreaksNoLine) {
    const auto dialog = Open();
    dialog->MemoNote->setPlainText(QString(300, QLatin1Char('x')));
    EXPECT_EQ(dialog->MemoNote->toPlainText().size(), 250);
    dialog->MemoNote->clear();
    QTest::keyClicks(dialog->MemoNote, QStringLiteral("ab"));
    QTest::keyClick(dialog->MemoNote, Qt::Key_Return);
    QTest::keyClick(dialog->MemoNote, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(dialog->MemoNote->toPlainText(), QStringLiteral("ab\n"));
    QTest::keyClicks(dialog->EditAccompte, QStringLiteral("e"));
    EXPECT_TRUE(dialog->EditAccompte->text().endsWith(QLatin1Char('E')));
}
