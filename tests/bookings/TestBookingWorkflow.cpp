#include "../app/MainWindowFixture.h"

#include "bookings/AddPeriodDlg.h"
#include "data/AddPeriodData.h"
#include "platform/db/DateTimeText.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/DateTimePicker.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

// What the user types in one showing of the period dialog; an empty client cancels it.
struct Entry {
    QString Client;
    QString Room;
    QDate From;
    QDate To;
    QString Deposit = QStringLiteral("0");
    QString Price = QStringLiteral("0");
    QString Note;
};

class Bookings : public MainWindowTest {
protected:
    QString FixtureSql() const override {
        return QStringLiteral(
            "INSERT INTO TClient (NOM) VALUES ('Dupont'), ('Martin');"
            "INSERT INTO TRoom VALUES ('12', NULL), ('1_', NULL), ('10%', NULL), ('L''Étable', NULL), ('11', NULL);"
            "INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2024-07-01', '2024-07-10', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (1, 'Martin', '12', '2024-08-01', '2024-08-05', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (3, 'Martin', '1_', '2024-09-01', '2024-09-05', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (4, 'Martin', 'L''Étable', '2024-09-01', '2024-09-05', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (6, 'Martin', '100', '2024-10-01', '2024-10-05', 0, 0, NULL);");
    }

    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
        Answers.OnModal = [this](QDialog* dialog) { return Play(dynamic_cast<TFormAddPeriod*>(dialog)); };
    }

    int Play(TFormAddPeriod* dialog) {
        EXPECT_NE(dialog, nullptr);
        Captions << dialog->windowTitle() + QLatin1Char('|') + dialog->SpeedButtonAdd->text();
        Shown << QStringList{dialog->ComboBoxNames->SelectedText(), dialog->ComboBoxRooms->SelectedText(),
                             dialog->DateTimePickerFrom->date().toString(Qt::ISODate),
                             dialog->DateTimePickerTo->date().toString(Qt::ISODate), dialog->EditAccompte->text(),
                             dialog->EditTarif->text(), dialog->MemoNote->toPlainText()};
        if (Entries.isEmpty() || Entries.first().Client.isEmpty()) {
            if (!Entries.isEmpty())
                Entries.removeFirst();
            dialog->SpeedButtonCancel->click();
            return dialog->result();
        }
        const Entry entry = Entries.takeFirst();
        if (entry.Client != QLatin1String("="))
            dialog->ComboBoxNames->SetItemIndex(dialog->ComboBoxNames->findText(entry.Client));
        if (!entry.Room.isEmpty())
            dialog->ComboBoxRooms->SetItemIndex(dialog->ComboBoxRooms->findText(entry.Room));
        if (entry.From.isValid()) {
            dialog->DateTimePickerFrom->setDate(entry.From);
            dialog->DateTimePickerTo->setDate(entry.To);
            dialog->EditAccompte->setText(entry.Deposit);
            dialog->EditTarif->setText(entry.Price);
            dialog->MemoNote->setPlainText(entry.Note);
        }
        dialog->SpeedButtonAdd->click();
        return dialog->result();
    }

    void Add(const QList<Entry>& entries) {
        Entries = entries;
        Form->DBNavigatorPeriod->BtnClick(TNavigateBtn::nbInsert);
    }

    void Modify(int id, const QList<Entry>& entries) {
        TDataSet& periods = Module->ADOTablePeriod;
        for (periods.First(); !periods.Eof() && periods.FieldByName(QStringLiteral("IDPERIODE"))->AsInteger() != id;)
            periods.Next();
        Entries = entries;
        Form->DBNavigatorPeriod->BtnClick(TNavigateBtn::nbEdit);
    }

    int Count() const { return Rows(QStringLiteral("SELECT count(*) FROM TPeriod"))[0][0].toInt(); }

    QStringList MessageTitles() const {
        QStringList titles;
        for (const TShownMessage& message : Answers.Messages())
            titles << message.Title;
        return titles;
    }

    QList<Entry> Entries;
    QStringList Captions;
    QList<QStringList> Shown;
};

Entry Stay(const char* room, QDate from, QDate to) {
    Entry entry;
    entry.Client = QStringLiteral("Martin");
    entry.Room = QString::fromUtf8(room);
    entry.From = from;
    entry.To = to;
    return entry;
}

// Keeps the shown client and room; with dates, types them and zero amounts.
Entry Keep(QDate from = QDate(), QDate to = QDate()) {
    Entry entry;
    entry.Client = QStringLiteral("=");
    entry.From = from;
    entry.To = to;
    return entry;
}

} // namespace

TEST_F(Bookings, AStayMayNotShareADayWithAnotherOfItsRoom) {
    struct Case {
        const char* what;
        Entry entry;
        bool accepted;
    };
    const Case cases[] = {
        {"begins on the last day of another", Stay("12", QDate(2024, 7, 10), QDate(2024, 7, 12)), false},
        {"ends on the first day of another", Stay("12", QDate(2024, 6, 20), QDate(2024, 7, 1)), false},
        {"inside another", Stay("12", QDate(2024, 7, 3), QDate(2024, 7, 4)), false},
        {"covers another", Stay("12", QDate(2024, 7, 25), QDate(2024, 8, 8)), false},
        {"in another room", Stay("11", QDate(2024, 7, 3), QDate(2024, 7, 4)), true},
        {"one free day", Stay("12", QDate(2024, 7, 20), QDate(2024, 7, 20)), true},
        {"the day after", Stay("12", QDate(2024, 7, 11), QDate(2024, 7, 12)), true},
        // Pattern characters and quotes in room names match only their own room.
        {"room 10% free while 100 is taken", Stay("10%", QDate(2024, 10, 2), QDate(2024, 10, 3)), true},
        {"room 1_ free while 12 is taken", Stay("1_", QDate(2024, 7, 3), QDate(2024, 7, 4)), true},
        {"room 1_ taken", Stay("1_", QDate(2024, 9, 2), QDate(2024, 9, 3)), false},
        {"room with apostrophe taken", Stay("L'Étable", QDate(2024, 9, 2), QDate(2024, 9, 3)), false},
    };
    for (const Case& c : cases) {
        const int before = Count();
        Answers.Clear();
        Add({c.entry, Entry()});
        EXPECT_EQ(Count(), before + (c.accepted ? 1 : 0)) << c.what;
        EXPECT_EQ(MessageTitles(), c.accepted ? QStringList() : QStringList{QStringLiteral("Recouvrement")}) << c.what;
        if (!c.accepted) {
            EXPECT_EQ(Answers.Messages()[0].Text, QStringLiteral("Cette période recouvrent une ou plusieurs périodes existantes !"));
        }
    }
}

TEST_F(Bookings, ARefusedDialogReopensOnWhatWasTypedAndCancellingSavesNothing) {
    Entry overlapping = Stay("12", QDate(2024, 7, 5), QDate(2024, 7, 12));
    overlapping.Deposit = QStringLiteral("50,5");
    overlapping.Price = QStringLiteral("300");
    overlapping.Note = QStringLiteral("Vue sur mer");
    Add({overlapping, Entry()});
    ASSERT_EQ(Shown.size(), 2);
    EXPECT_EQ(Shown[1], QStringList({"Martin", "12", "2024-07-05", "2024-07-12", "50,50", "300,00", "Vue sur mer"}));
    EXPECT_EQ(Captions, QStringList({"Ajouter une Période...|Ajouter", "Ajouter une Période...|Ajouter"}));
    EXPECT_EQ(Count(), 5);
    EXPECT_EQ(Module->ADOTablePeriod.State(), TDataSetState::Browse);
}

TEST_F(Bookings, NewPeriodsTakeTheSmallestFreeIdentifierAndBecomeCurrent) {
    Entry first = Stay("11", QDate(2024, 1, 1), QDate(2024, 1, 2));
    first.Note = QStringLiteral("Première");
    first.Deposit = QStringLiteral("10");
    first.Price = QStringLiteral("80,5");
    Add({first});
    Add({Stay("11", QDate(2024, 1, 3), QDate(2024, 1, 4))});
    EXPECT_EQ(Rows(QStringLiteral("SELECT IDPERIODE FROM TPeriod WHERE CHAMBRE = '11' ORDER BY DATEDEBUT")),
              (QList<QVariantList>{{qint64(2)}, {qint64(5)}}));
    EXPECT_EQ(Rows(QStringLiteral("SELECT NOM, DATEDEBUT, DATEFIN, ACCOMPTE, TARIF, NOTE FROM TPeriod WHERE IDPERIODE = 2"))[0],
              (QVariantList{"Martin", "2024-01-01", "2024-01-02", qint64(100000), qint64(805000), "Première"}));
    EXPECT_EQ(Module->ADOTablePeriodIDPERIODE->AsInteger(), 5);
    EXPECT_EQ(Form->DBGridPeriod->currentIndex().row(), Module->ADOTablePeriod.RecNo());
    EXPECT_DOUBLE_EQ(Module->ADOTablePeriodSOLDE->AsFloat(), 0.0);
}

TEST_F(Bookings, TheFirstPeriodEverGetsZeroAndMissingClientsOrRoomsRefuseTheAdd) {
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("DELETE FROM TPeriod"));
    Form.reset();
    Module.reset();
    Start();
    Add({Stay("12", QDate(2024, 1, 1), QDate(2024, 1, 2))});
    EXPECT_EQ(Rows(QStringLiteral("SELECT IDPERIODE FROM TPeriod"))[0][0].toInt(), 0);

    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("DELETE FROM TRoom"));
    Add({Stay("12", QDate(2024, 2, 1), QDate(2024, 2, 2))});
    EXPECT_TRUE(Shown.size() == 1);
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_EQ(Answers.Messages()[0].Title, QStringLiteral("Données manquantes"));
    EXPECT_EQ(Answers.Messages()[0].Text,
              QStringLiteral("Impossible de créer une période car latable des clients et/ou des chambres\nest/sont vides !"));
    EXPECT_EQ(Count(), 1);
}

TEST_F(Bookings, ModifyingExcludesThePeriodItselfAndRefusesAMoveOntoAnother) {
    Entry shrink = Keep(QDate(2024, 7, 2), QDate(2024, 7, 9));
    shrink.Note = QStringLiteral("raccourci");
    Modify(0, {shrink});
    EXPECT_EQ(Rows(QStringLiteral("SELECT DATEDEBUT, DATEFIN, NOTE FROM TPeriod WHERE IDPERIODE = 0"))[0],
              (QVariantList{"2024-07-02", "2024-07-09", "raccourci"}));
    EXPECT_EQ(Captions.last(), QStringLiteral("Modifier une Période...|Modifier"));
    EXPECT_EQ(Shown.last()[0], QStringLiteral("Dupont"));

    Modify(0, {Keep(QDate(2024, 7, 30), QDate(2024, 8, 2)), Entry()});
    EXPECT_EQ(MessageTitles(), QStringList{QStringLiteral("Recouvrement")});
    EXPECT_EQ(Rows(QStringLiteral("SELECT DATEDEBUT FROM TPeriod WHERE IDPERIODE = 0"))[0][0].toString(),
              QStringLiteral("2024-07-02"));
}

TEST_F(Bookings, AConfirmedUnchangedModifyWritesNothing) {
    // Another program changes the row behind the snapshot: an unchanged confirmation must not undo it.
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("UPDATE TPeriod SET NOTE = 'ailleurs' WHERE IDPERIODE = 1"));
    Modify(1, {Keep()});
    EXPECT_EQ(Rows(QStringLiteral("SELECT NOTE FROM TPeriod WHERE IDPERIODE = 1"))[0][0].toString(),
              QStringLiteral("ailleurs"));
    EXPECT_TRUE(Answers.Messages().isEmpty());
}

TEST_F(Bookings, DeletingAsksFirstAndFreesTheIdentifier) {
    Answers.OnMessage = [](const TShownMessage&) { return int(mrOk); };
    Module->ADOTablePeriod.First();
    Form->DBNavigatorPeriod->BtnClick(TNavigateBtn::nbDelete);
    EXPECT_EQ(Answers.Messages()[0].Text, QStringLiteral("Supprimer l'enregistrement ?"));
    EXPECT_EQ(Count(), 4);
    Add({Stay("11", QDate(2024, 1, 1), QDate(2024, 1, 2))});
    EXPECT_EQ(Rows(QStringLiteral("SELECT CHAMBRE FROM TPeriod WHERE IDPERIODE = 0"))[0][0].toString(),
              QStringLiteral("11"));
}
