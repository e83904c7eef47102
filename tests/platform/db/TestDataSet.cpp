#include "SqlFixture.h"

#include "platform/Error.h"
#include "platform/db/Connection.h"
#include "platform/db/DateTimeText.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/os/Clock.h"

#include <gtest/gtest.h>

namespace {

const QString DbFile = QStringLiteral("Quimbels.mdb");

class TableTest : public testing::Test {
protected:
    void SetUp() override {
        CreateQuimbelsDatabase(DbFile);
        ExecSql(DbFile, QStringLiteral(
                            "INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2024-07-01', '2024-07-10', 1000000, 8050000, 'n');"
                            "INSERT INTO TPeriod VALUES (1, 'Martin', '3', '2024-08-01', '2024-08-02', NULL, NULL, NULL);"
                            "INSERT INTO TClient (NOM, PRENOM) VALUES ('Dupont', 'Jean'), ('Martin', NULL);"));
        Connection.SetConnectionString(QStringLiteral("Data Source=") + DbFile);
        Periods.SetConnection(&Connection);
        Periods.SetTableName(QStringLiteral("TPeriod"));
    }

    QList<QVariantList> Rows(const QString& sql) { return QuerySql(DbFile, sql); }

    TADOConnection Connection;
    TADOTable Periods;
};

struct Recorder : TDataSetObserver {
    void DataEvent(TDataEvent event, int) override { Events.push_back(event); }
    std::vector<TDataEvent> Events;
};

} // namespace

TEST_F(TableTest, ReadsEveryRowWithTypesFromTheDeclaredColumns) {
    Periods.Open();
    ASSERT_EQ(Periods.RecordCount(), 2);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("NOM"))->Size(), 50);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("DATEDEBUT"))->DataType(), TFieldType::DateTime);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("TARIF"))->DataType(), TFieldType::Currency);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("IDPERIODE"))->AsInteger(), 0);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("DATEDEBUT"))->AsString(), QStringLiteral("01/07/2024"));
    EXPECT_DOUBLE_EQ(Periods.FieldByName(QStringLiteral("TARIF"))->AsFloat(), 805.0);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("TARIF"))->DisplayText(), QStringLiteral("805,00 €"));
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("ACCOMPTE"))->DisplayText(), QStringLiteral("100,00 €"));
    Periods.Next();
    // Nulls read as empty text and zero.
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("NOTE"))->AsString(), QString());
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("TARIF"))->AsFloat(), 0.0);
    EXPECT_TRUE(Periods.FieldByName(QStringLiteral("TARIF"))->IsNull());
}

TEST_F(TableTest, WalksEveryRowOnceAndEofComesAfterTheLast) {
    Periods.Open();
    QStringList names;
    for (Periods.First(); !Periods.Eof(); Periods.Next())
        names << Periods.FieldByName(QStringLiteral("NOM"))->AsString();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Dupont"), QStringLiteral("Martin")}));
    ExecSql(DbFile, QStringLiteral("DELETE FROM TPeriod"));
    Periods.Close();
    Periods.Open();
    EXPECT_TRUE(Periods.Eof());
    EXPECT_EQ(Periods.RecordCount(), 0);
}

TEST_F(TableTest, PostWritesOnlyTheFieldsTheUserChanged) {
    Periods.Open();
    // Another program changes the note after our snapshot; our edit of the price must not undo it.
    ExecSql(DbFile, QStringLiteral("UPDATE TPeriod SET NOTE = 'autre' WHERE IDPERIODE = 0"));
    Periods.Edit();
    Periods.FieldByName(QStringLiteral("TARIF"))->SetAsFloat(90.5);
    Periods.Post();
    const auto rows = Rows(QStringLiteral("SELECT TARIF, NOTE, NOM FROM TPeriod WHERE IDPERIODE = 0"));
    EXPECT_EQ(rows[0][0].toLongLong(), 905000);
    EXPECT_EQ(rows[0][1].toString(), QStringLiteral("autre"));
    EXPECT_EQ(rows[0][2].toString(), QStringLiteral("Dupont"));
}

TEST_F(TableTest, ConfirmedEditWithoutChangeWritesNothing) {
    Periods.Open();
    ExecSql(DbFile, QStringLiteral("UPDATE TPeriod SET NOM = 'ailleurs' WHERE IDPERIODE = 0"));
    Periods.Edit();
    Periods.Post();
    EXPECT_EQ(Rows(QStringLiteral("SELECT NOM FROM TPeriod WHERE IDPERIODE = 0"))[0][0].toString(),
              QStringLiteral("ailleurs"));
}

TEST_F(TableTest, WritesCutTextByCharactersAndRoundCurrencyHalfToEven) {
    Periods.Open();
    const QString accented = QString(60, QChar(0x00E9)); // 60 × "é": two bytes each
    struct Case {
        double amount;
        qint64 stored;
    };
    const Case amounts[] = {{1.23455, 12346}, {1.23445, 12344}, {0.00005, 0},   {0.00015, 2},
                            {-2.50005, -25000}, {12.3456789, 123457}, {1e-9, 0}, {80.5, 805000}};
    int id = 10;
    for (const Case& c : amounts) {
        Periods.Append();
        Periods.FieldByName(QStringLiteral("IDPERIODE"))->SetAsInteger(id);
        Periods.FieldByName(QStringLiteral("NOM"))->SetAsString(accented);
        Periods.FieldByName(QStringLiteral("NOTE"))->SetAsString(QString(300, QLatin1Char('x')));
        Periods.FieldByName(QStringLiteral("ACCOMPTE"))->SetAsFloat(c.amount);
        Periods.Post();
        const auto row = Rows(QStringLiteral("SELECT NOM, length(NOTE), ACCOMPTE FROM TPeriod WHERE IDPERIODE = %1").arg(id));
        EXPECT_EQ(row[0][0].toString(), QString(50, QChar(0x00E9)));
        EXPECT_EQ(row[0][1].toInt(), 255);
        EXPECT_EQ(row[0][2].toLongLong(), c.stored) << c.amount;
        ++id;
    }
}

TEST_F(TableTest, DatesAreStoredAsIsoTextAndReadBackInTheShortFormat) {
    Clock::SetFixed(MakeDateTime(QDate(2026, 12, 10)));
    Periods.Open();
    Periods.Append();
    Periods.FieldByName(QStringLiteral("IDPERIODE"))->SetAsInteger(5);
    Periods.FieldByName(QStringLiteral("DATEDEBUT"))->SetAsString(QStringLiteral("15/03/76"));
    Periods.FieldByName(QStringLiteral("DATEFIN"))->SetAsString(QStringLiteral("15/03/75"));
    Periods.Post();
    const auto row = Rows(QStringLiteral("SELECT DATEDEBUT, DATEFIN FROM TPeriod WHERE IDPERIODE = 5"));
    EXPECT_EQ(row[0][0].toString(), QStringLiteral("1976-03-15"));
    EXPECT_EQ(row[0][1].toString(), QStringLiteral("2075-03-15"));
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("DATEFIN"))->AsString(), QStringLiteral("15/03/2075"));
}

TEST_F(TableTest, AppendCancelAndDeleteKeepSnapshotAndFileInStep) {
    Periods.Open();
    Periods.Append();
    EXPECT_EQ(Periods.State(), TDataSetState::Insert);
    EXPECT_EQ(Periods.RecordCount(), 3);
    Periods.Cancel();
    EXPECT_EQ(Periods.RecordCount(), 2);
    EXPECT_EQ(Rows(QStringLiteral("SELECT count(*) FROM TPeriod"))[0][0].toInt(), 2);

    Periods.AppendRecord({7, QStringLiteral("Nouveau"), QStringLiteral("12"), QStringLiteral("11/07/24"),
                          QStringLiteral("12/07/24"), 10.0, 20.0, QStringLiteral("note")});
    EXPECT_EQ(Periods.RecNo(), 2);
    EXPECT_EQ(Rows(QStringLiteral("SELECT NOM, NOTE FROM TPeriod WHERE IDPERIODE = 7"))[0],
              (QVariantList{QStringLiteral("Nouveau"), QStringLiteral("note")}));

    Periods.First();
    Periods.Delete();
    EXPECT_EQ(Periods.RecordCount(), 2);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("NOM"))->AsString(), QStringLiteral("Martin"));
    EXPECT_EQ(Rows(QStringLiteral("SELECT IDPERIODE FROM TPeriod ORDER BY IDPERIODE")),
              (QList<QVariantList>{{qint64(1)}, {qint64(7)}}));
}

TEST_F(TableTest, AnEditLeftByMovingIsPostedAndAnUntouchedInsertIsDropped) {
    Periods.Open();
    Periods.Edit();
    Periods.FieldByName(QStringLiteral("NOM"))->SetAsString(QStringLiteral("Durand"));
    Periods.Next();
    EXPECT_EQ(Rows(QStringLiteral("SELECT NOM FROM TPeriod WHERE IDPERIODE = 0"))[0][0].toString(),
              QStringLiteral("Durand"));
    Periods.Append();
    Periods.First();
    EXPECT_EQ(Periods.RecordCount(), 2);
    EXPECT_EQ(Rows(QStringLiteral("SELECT count(*) FROM TPeriod"))[0][0].toInt(), 2);
}

TEST_F(TableTest, RowsWithoutAnyKeyCanBeEditedAndDeletedOneByOne) {
    ExecSql(DbFile, QStringLiteral("INSERT INTO TClient (NOM, PRENOM) VALUES ('Dupont', 'Jean')"));
    TADOTable clients;
    clients.SetConnection(&Connection);
    clients.SetTableName(QStringLiteral("TClient"));
    clients.Open();
    ASSERT_EQ(clients.RecordCount(), 3);
    // Two identical rows: only the one under the cursor changes.
    clients.Last();
    clients.Edit();
    clients.FieldByName(QStringLiteral("PRENOM"))->SetAsString(QStringLiteral("Paul"));
    clients.Post();
    clients.First();
    clients.Delete();
    EXPECT_EQ(Rows(QStringLiteral("SELECT NOM, PRENOM FROM TClient ORDER BY rowid")),
              (QList<QVariantList>{{QStringLiteral("Martin"), QVariant()}, {QStringLiteral("Dupont"), QStringLiteral("Paul")}}));
}

TEST_F(TableTest, WritingOutsideEditModeOrAnUnknownFieldFails) {
    Periods.Open();
    EXPECT_THROW(Periods.FieldByName(QStringLiteral("NOM"))->SetAsString(QStringLiteral("x")), EDatabaseError);
    EXPECT_THROW(Periods.FieldByName(QStringLiteral("INCONNU")), EDatabaseError);
    Periods.Edit();
    EXPECT_THROW(Periods.FieldByName(QStringLiteral("TARIF"))->SetAsString(QStringLiteral("12.50")), EConvertError);
    EXPECT_THROW(Periods.FieldByName(QStringLiteral("DATEDEBUT"))->SetAsString(QStringLiteral("31/02/24")), EConvertError);
    Periods.Cancel();
    EXPECT_EQ(Rows(QStringLiteral("SELECT TARIF, DATEDEBUT FROM TPeriod WHERE IDPERIODE = 0"))[0],
              (QVariantList{qint64(8050000), QStringLiteral("2024-07-01")}));
}

TEST_F(TableTest, AFailedPostKeepsTheRowInEditAndTheFileUnchanged) {
    Periods.Open();
    Periods.Append();
    Periods.FieldByName(QStringLiteral("IDPERIODE"))->SetAsInteger(0); // already taken: unique index
    EXPECT_THROW(Periods.Post(), EDatabaseError);
    EXPECT_EQ(Periods.State(), TDataSetState::Insert);
    Periods.Cancel();
    EXPECT_EQ(Rows(QStringLiteral("SELECT count(*) FROM TPeriod"))[0][0].toInt(), 2);
}

TEST_F(TableTest, CalculatedFieldsAreComputedForEachRowReadOrPosted) {
    TADOTable table;
    table.AddField(QStringLiteral("TARIF"), TFieldType::Currency);
    table.AddField(QStringLiteral("ACCOMPTE"), TFieldType::Currency);
    TField* balance = table.AddField(QStringLiteral("SOLDE"), TFieldType::Float, 0, TFieldKind::Calculated);
    table.OnCalcFields = [](TDataSet* dataSet) {
        dataSet->FieldByName(QStringLiteral("SOLDE"))
            ->SetAsFloat(dataSet->FieldByName(QStringLiteral("TARIF"))->AsFloat() -
                         dataSet->FieldByName(QStringLiteral("ACCOMPTE"))->AsFloat());
    };
    table.SetConnection(&Connection);
    table.SetTableName(QStringLiteral("TPeriod"));
    table.Open();
    EXPECT_EQ(table.FieldCount(), 3);
    EXPECT_DOUBLE_EQ(balance->AsFloat(), 705.0);
    EXPECT_EQ(balance->DisplayText(), QStringLiteral("705,00 €"));
    table.Edit();
    table.FieldByName(QStringLiteral("ACCOMPTE"))->SetAsFloat(900);
    table.Post();
    EXPECT_EQ(balance->DisplayText(), QStringLiteral("-95,00 €"));
    EXPECT_THROW(balance->SetAsFloat(1), EDatabaseError);
}

TEST_F(TableTest, BookmarksReturnToTheSavedRowAndControlsCanBeSuspended) {
    Periods.Open();
    Recorder recorder;
    Periods.AddObserver(&recorder);
    Periods.Next();
    const QString mark = Periods.Bookmark();
    Periods.DisableControls();
    for (Periods.First(); !Periods.Eof(); Periods.Next()) {
    }
    Periods.SetBookmark(mark);
    EXPECT_EQ(recorder.Events, std::vector<TDataEvent>{TDataEvent::CursorMoved});
    Periods.EnableControls();
    EXPECT_EQ(recorder.Events.back(), TDataEvent::DataSetChanged);
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("NOM"))->AsString(), QStringLiteral("Martin"));
    Periods.RemoveObserver(&recorder);
}

TEST_F(TableTest, TheSnapshotIgnoresLaterRowsOfOtherProgramsButAQuerySeesThem) {
    Periods.Open();
    ExecSql(DbFile, QStringLiteral("INSERT INTO TPeriod (IDPERIODE, NOM) VALUES (9, 'Externe')"));
    EXPECT_EQ(Periods.RecordCount(), 2);
    TADOQuery query;
    query.SetConnection(&Connection);
    query.SQL = QStringList{QStringLiteral("SELECT TPeriod.NOM FROM TPeriod WHERE (TPeriod.IDPERIODE = 9)")};
    query.Open();
    EXPECT_EQ(query.RecordCount(), 1);
    EXPECT_THROW(query.Edit(), EDatabaseError);
}

TEST_F(TableTest, AQueryTakesItsFieldTypesFromTheColumnsAndReplacesItsResultAtEachOpen) {
    TADOQuery query;
    query.SetConnection(&Connection);
    query.SQL = QStringList{QStringLiteral("SELECT TPeriod.NOM, TPeriod.DATEFIN, TPeriod.TARIF FROM TPeriod WHERE "
                                           "(((TPeriod.NOM)=\"Dupont\"))")};
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName(QStringLiteral("DATEFIN"))->DisplayText(), QStringLiteral("10/07/2024"));
    EXPECT_EQ(query.FieldByName(QStringLiteral("TARIF"))->DisplayText(), QStringLiteral("805,00 €"));
    query.Close();
    query.SQL = QStringList{QStringLiteral("SELECT TClient.NOM FROM TClient")};
    query.Open();
    EXPECT_EQ(query.FieldCount(), 1);
    EXPECT_EQ(query.RecordCount(), 2);
    query.Close();
    query.SQL = QStringList{QStringLiteral("SELECT TPeriod.NOM FROM TPeriod WHERE NOM = 'x' garbage")};
    EXPECT_THROW(query.Open(), EDatabaseError);
    EXPECT_FALSE(query.Active());
}

TEST_F(TableTest, AppendingWhileANewRowIsModifiedPostsItFirstAndAddsBehindIt) {
    Periods.Open();
    Periods.Append();
    Periods.FieldByName(QStringLiteral("IDPERIODE"))->SetAsInteger(20);
    Periods.Append();
    Periods.FieldByName(QStringLiteral("IDPERIODE"))->SetAsInteger(21);
    Periods.Post();
    QList<int> order;
    for (Periods.First(); !Periods.Eof(); Periods.Next())
        order << Periods.FieldByName(QStringLiteral("IDPERIODE"))->AsInteger();
    EXPECT_EQ(order, QList<int>({0, 1, 20, 21}));
}

TEST_F(TableTest, AmountsReadAsTextCarryNoGrouping) {
    ExecSql(DbFile, QStringLiteral("UPDATE TPeriod SET TARIF = 12000000 WHERE IDPERIODE = 0"));
    Periods.Open();
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("TARIF"))->AsString(), QStringLiteral("1200"));
    EXPECT_EQ(Periods.FieldByName(QStringLiteral("TARIF"))->DisplayText(), QStringLiteral("1200,00 €"));
}
