#include "SqlFixture.h"

#include "data/AddPeriodData.h"
#include "data/QuimbelDataModule.h"
#include "platform/Error.h"
#include "platform/db/DateTimeText.h"
#include "platform/os/Clock.h"

#include <gtest/gtest.h>

namespace {

class PeriodRecord : public testing::Test {
protected:
    void SetUp() override {
        CreateQuimbelsDatabase();
        ExecSql(QStringLiteral("Quimbels.mdb"),
                QStringLiteral("INSERT INTO TPeriod VALUES (4, 'Dupont', '12', '2024-07-01', '2024-07-10', 805000, "
                               "NULL, 'note');"
                               "INSERT INTO TPeriod VALUES (5, NULL, NULL, '2024-07-01 10:30:00', NULL, NULL, NULL, NULL);"));
    }
    QList<QVariantList> Row(int id) const {
        return QuerySql(QStringLiteral("Quimbels.mdb"),
                        QStringLiteral("SELECT IDPERIODE, NOM, CHAMBRE, DATEDEBUT, DATEFIN, ACCOMPTE, TARIF, NOTE "
                                       "FROM TPeriod WHERE IDPERIODE = %1")
                            .arg(id));
    }
};

} // namespace

TEST_F(PeriodRecord, DefaultsStandForAPeriodNotYetEntered) {
    const TAddPeriodData record;
    EXPECT_EQ(record.IDPERIODE, -1);
    EXPECT_TRUE(record.NOM.isEmpty());
    EXPECT_EQ(record.DATEDEBUT, MakeDateTime(QDate(1899, 12, 30)));
    EXPECT_EQ(record.DATEFIN, MakeDateTime(QDate(1899, 12, 30)));
}

TEST_F(PeriodRecord, LoadsARowAndSavesItBackUnchanged) {
    Clock::SetFixed(MakeDateTime(QDate(2026, 12, 10)));
    TDataModuleQuimbel module;
    TAddPeriodData record;
    record.LoadFromDataSet(&module.ADOTablePeriod);
    EXPECT_EQ(record.IDPERIODE, 4);
    EXPECT_EQ(record.NOM, QStringLiteral("Dupont"));
    EXPECT_EQ(record.DATEFIN, MakeDateTime(QDate(2024, 7, 10)));
    EXPECT_DOUBLE_EQ(record.ACCOMPTE, 80.5);
    EXPECT_DOUBLE_EQ(record.TARIF, 0.0); // empty amounts load as zero
    const auto before = Row(4);
    module.ADOTablePeriod.Edit();
    record.SaveToDataSet(&module.ADOTablePeriod);
    module.ADOTablePeriod.Post();
    auto after = Row(4);
    after[0][6] = QVariant(); // the empty price is written back as zero
    EXPECT_EQ(after, before);
    EXPECT_EQ(Row(4)[0][6].toLongLong(), 0);
}

TEST_F(PeriodRecord, SavesDatesAsWholeDaysRebuiltFromTwoDigitYears) {
    Clock::SetFixed(MakeDateTime(QDate(2010, 5, 1)));
    TDataModuleQuimbel module;
    TAddPeriodData record;
    record.LoadFromDataSet(&module.ADOTablePeriod);
    record.DATEDEBUT = MakeDateTime(QDate(1955, 3, 15), QTime(14, 20));
    record.DATEFIN = MakeDateTime(QDate(1960, 3, 15), QTime(8, 0));
    record.NOTE = QString(300, QLatin1Char('n'));
    module.ADOTablePeriod.Edit();
    record.SaveToDataSet(&module.ADOTablePeriod);
    module.ADOTablePeriod.Post();
    const auto row = Row(4);
    EXPECT_EQ(row[0][3].toString(), QStringLiteral("2055-03-15"));
    EXPECT_EQ(row[0][4].toString(), QStringLiteral("1960-03-15"));
    EXPECT_EQ(row[0][7].toString().size(), 255);
}

TEST_F(PeriodRecord, ARowWithoutADateCannotBeLoadedAndSavingNeedsEditMode) {
    TDataModuleQuimbel module;
    TAddPeriodData record;
    module.ADOTablePeriod.Last();
    try {
        record.LoadFromDataSet(&module.ADOTablePeriod);
        FAIL() << "loaded a period without last day";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Text(), QStringLiteral("'' ne correspond pas à une date et une heure correctes"));
    }
    // The members read before the failing one keep their new values.
    EXPECT_EQ(record.IDPERIODE, 5);
    EXPECT_EQ(record.DATEDEBUT, MakeDateTime(QDate(2024, 7, 1), QTime(10, 30)));
    EXPECT_THROW(record.SaveToDataSet(&module.ADOTablePeriod), EDatabaseError);
    EXPECT_THROW(record.LoadFromDataSet(&module.ADOTableRoom), EDatabaseError);
}

TEST_F(PeriodRecord, DatesLoadTheSameWhateverTheUsersDateOrder) {
    TDataModuleQuimbel module;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TAddPeriodData record;
    record.LoadFromDataSet(&module.ADOTablePeriod);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(record.DATEDEBUT, MakeDateTime(QDate(2024, 7, 1)));
    EXPECT_EQ(record.DATEFIN, MakeDateTime(QDate(2024, 7, 10)));
}
