#include "MainWindowFixture.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/RadioGroup.h"

#include <QCalendarWidget>

namespace {

class Statements : public MainWindowTest {
protected:
    QString FixtureSql() const override {
        return QStringLiteral(
            "INSERT INTO TClient (NOM) VALUES ('Dupont'), ('Martin'), ('O\"Neil'), ('D''Artagnan'), ('NOM');"
            "INSERT INTO TRoom VALUES ('12', NULL), ('3', NULL);"
            "INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2005-12-28', '2006-01-03', 0, 1000000, 'Nouvel an');"
            "INSERT INTO TPeriod VALUES (1, 'Dupont', '12', '2005-03-10', '2005-03-12', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (2, 'Martin', '3', '2002-03-01', '2002-03-01', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (3, 'Martin', '3', '2002-03-31', '2002-03-31', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (4, 'Martin', '3', '2002-02-28', '2002-03-02', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (5, 'O\"Neil', '12', '2005-06-01', '2005-06-05', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (6, 'D''Artagnan', '12', '2002-03-15', '2002-03-20', 0, 0, NULL);"
            "INSERT INTO TPeriod VALUES (7, 'NOM', '3', '2005-07-01', '2005-07-02', 0, 0, NULL);");
    }

    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
        Form->EvOnActivateForm();
    }

    static void Select(TComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->SetItemIndex(index);
    }

    void ChooseMode(int mode) {
        Form->RadioGroupBilan->SetItemIndex(mode);
        Form->EvOnClickBilanRadioButton();
    }

    // A statement has no identifier column: its rows are told apart by client and first day.
    QStringList Listed() const {
        QStringList rows;
        TDataSet& bilan = Module->ADOQueryBilan;
        if (!bilan.Active())
            return rows;
        for (bilan.First(); !bilan.Eof(); bilan.Next())
            rows << bilan.FieldByName(QStringLiteral("NOM"))->AsString() + QLatin1Char(' ') +
                        bilan.FieldByName(QStringLiteral("DATEDEBUT"))->AsString();
        rows.sort();
        return rows;
    }
};

} // namespace

TEST_F(Statements, EachModeListsExactlyTheMatchingPeriods) {
    struct Case {
        int mode;
        const char* client;
        const char* room;
        const char* year;
        QDate from;
        QDate to;
        QStringList expected;
    };
    const QDate march1(2002, 3, 1), march31(2002, 3, 31);
    const Case cases[] = {
        {0, "Dupont", "", "", {}, {}, {"Dupont 10/03/2005", "Dupont 28/12/2005"}},
        {0, "O\"Neil", "", "", {}, {}, {"O\"Neil 01/06/2005"}},
        {0, "D'Artagnan", "", "", {}, {}, {"D'Artagnan 15/03/2002"}},
        {0, "NOM", "", "", {}, {}, {"NOM 01/07/2005"}},
        {1, "", "3", "", {}, {}, {"Martin 01/03/2002", "Martin 28/02/2002", "Martin 31/03/2002", "NOM 01/07/2005"}},
        // A stay across New Year belongs to neither year.
        {2, "", "", "2005", {}, {}, {"Dupont 10/03/2005", "NOM 01/07/2005", "O\"Neil 01/06/2005"}},
        {2, "", "", "2006", {}, {}, {}},
        {3, "", "", "", march1, march31, {"D'Artagnan 15/03/2002", "Martin 01/03/2002", "Martin 31/03/2002"}},
        {3, "", "", "", march1, march1, {"Martin 01/03/2002"}},
        {4, "Martin", "", "2002", {}, {}, {"Martin 01/03/2002", "Martin 28/02/2002", "Martin 31/03/2002"}},
        {5, "Martin", "", "", march1, march31, {"Martin 01/03/2002", "Martin 31/03/2002"}},
    };
    for (const Case& c : cases) {
        if (*c.client != '\0')
            Select(Form->ComboBoxClientName, QString::fromUtf8(c.client));
        if (*c.room != '\0')
            Select(Form->ComboBoxRoomNbr, QString::fromUtf8(c.room));
        if (*c.year != '\0')
            Select(Form->ComboBoxYears, QString::fromUtf8(c.year));
        if (c.from.isValid()) {
            Form->DateTimePickerDebut->setDate(c.from);
            Form->DateTimePickerFin->setDate(c.to);
        }
        Form->RadioGroupBilan->SetItemIndex(c.mode);
        Form->EvOnChangeBilanSelection();
        EXPECT_EQ(Listed(), c.expected) << "mode " << c.mode << " " << c.client << c.room << c.year;
    }
}

TEST_F(Statements, EachModeEnablesExactlyItsSelectionControls) {
    const QList<QWidget*> controls{Form->ComboBoxClientName, Form->ComboBoxRoomNbr, Form->ComboBoxYears,
                                   Form->DateTimePickerDebut, Form->DateTimePickerFin};
    const QList<QList<bool>> expected{{true, false, false, false, false}, {false, true, false, false, false},
                                      {false, false, true, false, false}, {false, false, false, true, true},
                                      {true, false, true, false, false},  {true, false, false, true, true}};
    for (int mode = 0; mode < 6; ++mode) {
        ChooseMode(mode);
        for (int i = 0; i < controls.size(); ++i)
            EXPECT_EQ(controls[i]->isEnabled(), expected[mode][i]) << "mode " << mode << " control " << i;
    }
}

TEST_F(Statements, RebuildsOnlyWhenTheModeChangesOrASelectionIsMade) {
    OpenCounter counter(&Module->ADOQueryBilan);
    Form->EvOnActivateForm(); // mode 0 already remembered
    EXPECT_EQ(counter.Opens, 0);
    ChooseMode(0);
    EXPECT_EQ(counter.Opens, 0);
    ChooseMode(2);
    EXPECT_EQ(counter.Opens, 1);
    ChooseMode(2);
    EXPECT_EQ(counter.Opens, 1);
    Form->EvOnChangeBilanSelection();
    EXPECT_EQ(counter.Opens, 2);
    // After a user choice the next activation rebuilds once, remembering mode value 0 again.
    Form->EvOnActivateForm();
    Form->EvOnActivateForm();
    EXPECT_EQ(counter.Opens, 3);
}

TEST_F(Statements, AnInvertedIntervalIsRefusedAndTheStatementStays) {
    Form->DateTimePickerDebut->setDate(QDate(2002, 3, 1));
    Form->DateTimePickerFin->setDate(QDate(2002, 3, 31));
    Form->RadioGroupBilan->SetItemIndex(3);
    Form->EvOnCloseUpBilanRangeDates();
    const QStringList before = Listed();
    ASSERT_EQ(before.size(), 3);
    OpenCounter counter(&Module->ADOQueryBilan);
    Form->DateTimePickerFin->setDate(QDate(2002, 2, 28));
    Form->EvOnCloseUpBilanRangeDates();
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_EQ(Answers.Messages()[0].Text, QStringLiteral("L'intervalle de date choisi est incorrect !"));
    EXPECT_EQ(Answers.Messages()[0].Title, QStringLiteral("Erreur"));
    EXPECT_EQ(Answers.Messages()[0].Type, TMsgDlgType::Error);
    EXPECT_EQ(counter.Opens, 0);
    EXPECT_EQ(Listed(), before);
}

TEST_F(Statements, ClosingAPickersCalendarRebuildsButTypingADateDoesNot) {
    OpenCounter counter(&Module->ADOQueryBilan);
    Form->DateTimePickerDebut->setDate(QDate(2002, 1, 1));
    EXPECT_EQ(counter.Opens, 0);
    QWidget* popup = Form->DateTimePickerFin->calendarWidget()->window();
    popup->show();
    popup->hide();
    EXPECT_EQ(counter.Opens, 1);
}

TEST_F(Statements, TheGridColumnsGetTheirWidthsAndTitlesAtEachRebuild) {
    Form->RentedGoodName = QStringLiteral("GITE");
    ChooseMode(1);
    const QList<TColumn> columns = Form->DBGridBilan->Columns();
    ASSERT_EQ(columns.size(), 7);
    QStringList titles;
    QList<int> widths;
    for (const TColumn& column : columns) {
        titles << column.Title;
        widths << column.Width;
    }
    EXPECT_EQ(titles, QStringList({"NOM", "GITE", "DATEDEBUT", "DATEFIN", "ACCOMPTE  (€)", "TARIF              (€)", "NOTE"}));
    EXPECT_EQ(widths, QList<int>({120, 70, 90, 90, 100, 100, 1500}));
    EXPECT_EQ(Form->DBGridBilan->model()->data(Form->DBGridBilan->model()->index(0, 5)).toString(),
              Module->ADOQueryBilan.FieldByName(QStringLiteral("TARIF"))->DisplayText());
}

TEST_F(Statements, TheYearListRunsFrom1999ToTwoYearsAfterTheCurrentOne) {
    const QStringList years = Form->ComboBoxYears->Items();
    EXPECT_EQ(years.first(), QStringLiteral("1999"));
    EXPECT_EQ(years.last(), QStringLiteral("2028"));
    EXPECT_EQ(years.size(), 30);
    EXPECT_EQ(Form->ComboBoxYears->SelectedText(), QStringLiteral("1999"));
}

TEST_F(Statements, WithNoClientAtAllTheClientStatementIsEmptyWithoutMessage) {
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("DELETE FROM TClient"));
    Form.reset();
    Module.reset();
    Start();
    Form->EvOnActivateForm();
    EXPECT_TRUE(Module->ADOQueryBilan.Active());
    EXPECT_EQ(Module->ADOQueryBilan.RecordCount(), 0);
    EXPECT_TRUE(Answers.Messages().isEmpty());
}
