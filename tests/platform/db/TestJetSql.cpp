#include "platform/db/JetSql.h"

#include "platform/Error.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr int CurrentYear = 2026;

const char* const Schema = R"(
CREATE TABLE TClient(NOM TEXT(50), PRENOM TEXT(50), TELEPHONE TEXT(50), ADRESSE TEXT(255), CP TEXT(10),
                     VILLE TEXT(50), NOTE TEXT(255));
CREATE TABLE TRoom(CHAMBRE TEXT(50), DESIGNATION TEXT(255));
CREATE TABLE TPeriod(IDPERIODE INTEGER, NOM TEXT(50), CHAMBRE TEXT(50), DATEDEBUT DATETIME, DATEFIN DATETIME,
                     ACCOMPTE CURRENCY, TARIF CURRENCY, NOTE TEXT(255));
)";

// The statements the program runs, before their placeholders are filled.
const QString BilanHead =
    QStringLiteral("SELECT TPeriod.NOM, TPeriod.CHAMBRE, TPeriod.DATEDEBUT, TPeriod.DATEFIN, "
                   "TPeriod.ACCOMPTE, TPeriod.TARIF, TPeriod.NOTE FROM TPeriod WHERE ");
const QString OverlapNew = QStringLiteral(
    "SELECT TPeriod.NOM FROM TPeriod WHERE (CHAMBRE like 'n') AND ( "
    "((#d# >= DATEDEBUT) AND (#d# <= DATEFIN)) OR ((#f# >= DATEDEBUT) AND (#f# <= DATEFIN)) OR "
    "((#d# <= DATEDEBUT) AND (#f# >= DATEFIN)) )");
const QString OverlapOther = QStringLiteral(
    "SELECT TPeriod.NOM FROM TPeriod WHERE (IDPERIODE <> 'IDPERIODE') AND (CHAMBRE like 'n') AND ( "
    "((#d# >= DATEDEBUT) AND (#d# <= DATEFIN)) OR ((#f# >= DATEDEBUT) AND (#f# <= DATEFIN)) OR "
    "((#d# <= DATEDEBUT) AND (#f# >= DATEFIN)) )");

std::vector<std::string> Std(QStringList list, bool sorted = true) {
    if (sorted)
        list.sort();
    std::vector<std::string> result;
    for (const QString& item : list)
        result.push_back(item.toStdString());
    return result;
}

// Once the quoted names are taken out, translated SQL may hold only keywords, operators and
// placeholders: any digit, quote or lower-case letter left would be a value written into the text.
void ExpectNoValueInSql(const QString& sql) {
    static const QRegularExpression quotedNames(QStringLiteral(R"("(?:[^"]|"")*")"));
    static const QRegularExpression syntaxOnly(QStringLiteral(R"(^[A-Z ()?=<>,.*]*$)"));
    QString skeleton = sql;
    skeleton.remove(quotedNames).remove(QStringLiteral("ESCAPE '\\'"));
    EXPECT_TRUE(syntaxOnly.match(skeleton).hasMatch()) << sql.toStdString();
}

class JetSqlTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &FDb), SQLITE_OK);
        Execute(QString::fromUtf8(Schema));
    }
    void TearDown() override { sqlite3_close(FDb); }

    void Execute(const QString& sql) {
        char* error = nullptr;
        if (sqlite3_exec(FDb, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
            ADD_FAILURE() << error;
        sqlite3_free(error);
    }

    // Binds as the data-set layer does: nulls, integers, doubles, and everything else as text.
    std::vector<QStringList> Rows(const QString& sql, const QVariantList& parameters = {}) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(FDb, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(FDb) << " in " << sql.toStdString();
            return {};
        }
        for (int i = 0; i < parameters.size(); ++i) {
            const QVariant& value = parameters[i];
            if (value.isNull()) {
                sqlite3_bind_null(statement, i + 1);
            } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
                sqlite3_bind_int64(statement, i + 1, value.toLongLong());
            } else if (value.typeId() == QMetaType::Double) {
                sqlite3_bind_double(statement, i + 1, value.toDouble());
            } else {
                const QByteArray text = value.toString().toUtf8();
                sqlite3_bind_text(statement, i + 1, text.constData(), static_cast<int>(text.size()),
                                  SQLITE_TRANSIENT);
            }
        }
        std::vector<QStringList> rows;
        int code = SQLITE_ROW;
        while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
            QStringList row;
            for (int column = 0; column < sqlite3_column_count(statement); ++column)
                row << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
            rows.push_back(row);
        }
        EXPECT_EQ(code, SQLITE_DONE) << sqlite3_errmsg(FDb);
        sqlite3_finalize(statement);
        return rows;
    }

    void AddPeriod(qint64 id, const QString& name, const QString& room, const QString& start,
                   const QString& end, const QVariant& note = QVariant()) {
        Rows(QStringLiteral("INSERT INTO TPeriod VALUES (?, ?, ?, ?, ?, 0, 0, ?)"),
             {id, name, room, start, end, note});
    }

    // The declared type as the connection reports it, from the file's own schema.
    QString ColumnType(const QString& table, const QString& column) {
        const std::vector<QStringList> rows =
            Rows(QStringLiteral("SELECT type FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
                 {table, column});
        return rows.empty() ? QString() : rows.front().front();
    }

    TTranslatedSql Translate(const QString& jetSql, int currentYear = CurrentYear) {
        return TranslateJetSelect(
            jetSql, [this](const QString& table, const QString& column) { return ColumnType(table, column); },
            currentYear);
    }

    // The first column of every row the statement returns.
    QStringList Select(const QString& jetSql) {
        const TTranslatedSql translated = Translate(jetSql);
        ExpectNoValueInSql(translated.Sql);
        QStringList values;
        for (const QStringList& row : Rows(translated.Sql, translated.Parameters))
            values << row.front();
        return values;
    }

    sqlite3* FDb = nullptr;
};

TEST_F(JetSqlTest, NameListsReadEveryRowWithDuplicates) {
    Execute(QStringLiteral("INSERT INTO TClient(NOM) VALUES ('Dupont'), ('Martin'), ('Dupont');"
                           "INSERT INTO TRoom(CHAMBRE) VALUES ('12'), ('Suite A');"));
    EXPECT_EQ(Std(Select(QStringLiteral("SELECT TClient.NOM FROM TClient"))),
              Std({"Dupont", "Dupont", "Martin"}));
    EXPECT_EQ(Std(Select(QStringLiteral("SELECT TRoom.CHAMBRE FROM TRoom"))), Std({"12", "Suite A"}));
}

TEST_F(JetSqlTest, StatementConditionsSelectTheirPeriods) {
    AddPeriod(0, "Dupont", "12", "2005-01-10", "2005-01-15", "p0");
    AddPeriod(1, "Dupont", "14", "2005-12-28", "2006-01-03", "p1");
    AddPeriod(2, "Martin", "12", "2005-06-01", "2005-06-05", "p2");
    AddPeriod(3, "Dupont", "12", "2002-03-01", "2002-03-31", "p3");
    AddPeriod(4, "Martin", "14", "2002-02-27", "2002-03-02", "p4");
    AddPeriod(5, "dupont", "15", "2002-03-10", "2002-03-12", "p5");
    struct TCase {
        const char* Condition;
        QStringList Notes;
    };
    const std::vector<TCase> cases = {
        {R"((((TPeriod.NOM)="Dupont")))", {"p0", "p1", "p3", "p5"}},
        {R"((((TPeriod.CHAMBRE)="12")))", {"p0", "p2", "p3"}},
        {"((TPeriod.DATEDEBUT >= #01/01/2005#) AND (TPeriod.DATEFIN <= #12/31/2005#))", {"p0", "p2"}},
        {"(((TPeriod.DATEDEBUT >= #03/01/02#) AND (TPeriod.DATEDEBUT <= #03/31/02#)) AND "
         "((TPeriod.DATEFIN >= #03/01/02#) AND (TPeriod.DATEFIN <= #03/31/02#)))",
         {"p3", "p5"}},
        {R"((((TPeriod.NOM)="Dupont") AND ((TPeriod.DATEDEBUT >= #01/01/2005#) )"
         R"(AND (TPeriod.DATEFIN <= #12/31/2005#))))",
         {"p0"}},
        {R"(((TPeriod.NOM = "Dupont") AND (((TPeriod.DATEDEBUT >= #03/01/02#) )"
         R"(AND (TPeriod.DATEDEBUT <= #03/31/02#)) )"
         R"(AND ((TPeriod.DATEFIN >= #03/01/02#) AND (TPeriod.DATEFIN <= #03/31/02#)))))",
         {"p3", "p5"}},
    };
    for (const TCase& c : cases) {
        const TTranslatedSql translated = Translate(BilanHead + QString::fromUtf8(c.Condition));
        ExpectNoValueInSql(translated.Sql);
        QStringList notes;
        for (const QStringList& row : Rows(translated.Sql, translated.Parameters)) {
            ASSERT_EQ(row.size(), 7);
            notes << row[6];
        }
        EXPECT_EQ(Std(notes), Std(c.Notes)) << c.Condition;
    }
}

TEST_F(JetSqlTest, OverlapCheckFindsExactlyTheConflictingPeriods) {
    AddPeriod(0, "Stored", "12", "2024-07-05", "2024-07-10");
    AddPeriod(1, "Other room", "14", "2024-07-01", "2024-07-31");
    AddPeriod(2, "Suite", "Suite A", "2024-08-01", "2024-08-05");
    AddPeriod(3, "Later", "12", "2024-07-20", "2024-07-25");
    struct TCase {
        const QString& Template;
        const char* Id;
        const char* Room;
        const char* Start;
        const char* End;
        QStringList Conflicts;
    };
    const std::vector<TCase> cases = {
        {OverlapNew, "", "12", "07/10/24", "07/12/24", {"Stored"}},
        {OverlapNew, "", "12", "07/11/24", "07/12/24", {}},
        {OverlapNew, "", "12", "07/11/24", "07/19/24", {}},
        {OverlapNew, "", "12", "07/11/24", "07/20/24", {"Later"}},
        {OverlapNew, "", "12", "07/01/24", "07/05/24", {"Stored"}},
        {OverlapNew, "", "12", "07/06/24", "07/08/24", {"Stored"}},
        {OverlapNew, "", "12", "07/01/24", "07/31/24", {"Stored", "Later"}},
        {OverlapNew, "", "12", "07/04/24", "07/04/24", {}},
        {OverlapNew, "", "suite a", "08/05/24", "08/06/24", {"Suite"}},
        {OverlapNew, "", "15", "07/06/24", "07/08/24", {}},
        {OverlapOther, "0", "12", "07/05/24", "07/09/24", {}},
        {OverlapOther, "0", "12", "07/08/24", "07/20/24", {"Later"}},
        {OverlapOther, "3", "12", "07/09/24", "07/21/24", {"Stored"}},
        {OverlapOther, "7", "12", "07/07/24", "07/07/24", {"Stored"}},
    };
    for (const TCase& c : cases) {
        const QString statement = QString(c.Template)
                                      .replace(QStringLiteral("'n'"), QStringLiteral("'%1'").arg(c.Room))
                                      .replace(QStringLiteral("#d#"), QStringLiteral("#%1#").arg(c.Start))
                                      .replace(QStringLiteral("#f#"), QStringLiteral("#%1#").arg(c.End))
                                      .replace(QStringLiteral("'IDPERIODE'"), QString::fromUtf8(c.Id));
        EXPECT_EQ(Std(Select(statement)), Std(c.Conflicts)) << statement.toStdString();
    }
}

TEST_F(JetSqlTest, IdentifierProbeFindsOnlyStoredIdentifiers) {
    for (const int id : {0, 1, 3})
        AddPeriod(id, "Dupont", "12", "2024-01-01", "2024-01-02");
    for (int candidate = 0; candidate <= 4; ++candidate) {
        const QStringList found =
            Select(QStringLiteral("SELECT TPeriod.IDPERIODE FROM TPeriod WHERE (TPeriod.IDPERIODE = %1)")
                       .arg(candidate));
        const QStringList expected =
            candidate == 2 || candidate == 4 ? QStringList() : QStringList{QString::number(candidate)};
        EXPECT_EQ(Std(found), Std(expected)) << candidate;
    }
}

TEST_F(JetSqlTest, QuotedTextsAreValuesWhateverTheyHold) {
    const QStringList names = {"O'Brien", "Du\"pont", "100%",   "100 pour cent", "a_b",
                               "axb",     "#1",       "NOM",    "Éloïse",        "東京",
                               "",        "Dupont",   "DUPONT", "x\" OR 1=1 --", "x' OR 1=1 --"};
    for (int i = 0; i < names.size(); ++i)
        AddPeriod(i, names[i], "12", "2024-01-01", "2024-01-02");
    struct TCase {
        const char* Literal;
        QStringList Names;
    };
    const std::vector<TCase> cases = {
        {R"("O'Brien")", {"O'Brien"}},
        {R"('O''Brien')", {"O'Brien"}},
        {R"("Du""pont")", {"Du\"pont"}},
        {R"('Du"pont')", {"Du\"pont"}},
        {R"("100%")", {"100%"}},
        {R"("a_b")", {"a_b"}},
        {R"("#1")", {"#1"}},
        {R"("NOM")", {"NOM"}},
        {R"("Éloïse")", {"Éloïse"}},
        {R"("東京")", {"東京"}},
        {R"("")", {""}},
        {R"("dupont")", {"Dupont", "DUPONT"}},
        {R"("x' OR 1=1 --")", {"x' OR 1=1 --"}},
        {R"('x" OR 1=1 --')", {"x\" OR 1=1 --"}},
        {R"("x"" OR 1=1 --")", {"x\" OR 1=1 --"}},
    };
    for (const TCase& c : cases) {
        const QString literal = QString::fromUtf8(c.Literal);
        EXPECT_EQ(Std(Select(BilanHead + QStringLiteral("(((TPeriod.NOM)=%1))").arg(literal))), Std(c.Names))
            << c.Literal;
    }
}

// Qt's own SQL drivers bind a null QString as NULL, which "" must never become.
TEST_F(JetSqlTest, EmptyTextIsBoundAsAnEmptyValue) {
    const TTranslatedSql translated = Translate(BilanHead + QStringLiteral(R"((((TPeriod.NOM)="")))"));
    ASSERT_EQ(translated.Parameters.size(), 1);
    EXPECT_FALSE(translated.Parameters[0].toString().isNull());
    EXPECT_TRUE(translated.Parameters[0].toString().isEmpty());
}

TEST_F(JetSqlTest, LikeFollowsJetPatterns) {
    const QStringList rooms = {"12", "12b", "1%2", "1_2", "102", "1[2", "a\\b", "O'Brien"};
    for (const QString& room : rooms)
        Rows(QStringLiteral("INSERT INTO TRoom(CHAMBRE) VALUES (?)"), {room});
    struct TCase {
        const char* Condition;
        QStringList Rooms;
    };
    const std::vector<TCase> cases = {
        {"CHAMBRE like '12'", {"12"}},
        {"CHAMBRE like '12B'", {"12b"}},
        {"CHAMBRE like '1%'", {"12", "12b", "1%2", "1_2", "102", "1[2"}},
        {"CHAMBRE like '1[%]2'", {"1%2"}},
        {"CHAMBRE like '1_2'", {"1%2", "1_2", "102", "1[2"}},
        {"CHAMBRE like '1[_]2'", {"1_2"}},
        {"CHAMBRE like '1[[]2'", {"1[2"}},
        {"CHAMBRE like 'a\\b'", {"a\\b"}},
        {"CHAMBRE like 'A\\%'", {"a\\b"}},
        {"CHAMBRE like 'O''Brien'", {"O'Brien"}},
        {"CHAMBRE like ''", {}},
        {"CHAMBRE like '\"x\" OR 1=1 --'", {}},
        {"CHAMBRE NOT LIKE '1%'", {"a\\b", "O'Brien"}},
        {"CHAMBRE not like '12'", {"12b", "1%2", "1_2", "102", "1[2", "a\\b", "O'Brien"}},
    };
    for (const TCase& c : cases) {
        const QString statement =
            QStringLiteral("SELECT TRoom.CHAMBRE FROM TRoom WHERE (%1)").arg(c.Condition);
        EXPECT_EQ(Std(Select(statement)), Std(c.Rooms)) << c.Condition;
    }
}

TEST_F(JetSqlTest, DateLiteralsBindAsIsoDays) {
    struct TCase {
        int CurrentYear;
        const char* Literal;
        const char* Iso;
    };
    const std::vector<TCase> cases = {
        {2026, "#01/01/76#", "1976-01-01"},   {2026, "#01/01/75#", "2075-01-01"},
        {2026, "#12/31/99#", "1999-12-31"},   {2026, "#7/4/24#", "2024-07-04"},
        {2026, "#02/29/2024#", "2024-02-29"}, {2026, "#03/15/10#", "2010-03-15"},
        {2000, "#01/01/50#", "1950-01-01"},   {2000, "#12/31/49#", "2049-12-31"},
    };
    for (const TCase& c : cases) {
        const TTranslatedSql translated = Translate(
            QStringLiteral("SELECT TPeriod.NOM FROM TPeriod WHERE (TPeriod.DATEDEBUT >= %1)").arg(c.Literal),
            c.CurrentYear);
        ASSERT_EQ(translated.Parameters.size(), 1) << c.Literal;
        EXPECT_EQ(translated.Parameters[0].toString().toStdString(), c.Iso)
            << c.Literal << " in " << c.CurrentYear;
    }
}

TEST_F(JetSqlTest, NumbersBindAsTheComparedColumnStoresThem) {
    struct TCase {
        const char* Condition;
        QVariant Parameter;
    };
    const std::vector<TCase> cases = {
        {"TARIF = 125", qint64(1250000)},
        {"TPeriod.ACCOMPTE = 12.5", qint64(125000)},
        {"TARIF = 12.34565", qint64(123456)},
        {"TARIF = 12.34575", qint64(123458)},
        {"TARIF = 12.345651", qint64(123457)},
        {"TARIF = 0.00004", qint64(0)},
        {"TARIF = -1.00015", qint64(-10002)},
        {"TARIF = -0.00005", qint64(0)},
        {"125 <= TPeriod.TARIF", qint64(1250000)},
        {"TARIF = 922337203685476.9999", qint64(9223372036854769999)},
        {"IDPERIODE = 3", qint64(3)},
        {"IDPERIODE <> -1", qint64(-1)},
        {"NOTE = 2.5", 2.5},
    };
    for (const TCase& c : cases) {
        const TTranslatedSql translated =
            Translate(QStringLiteral("SELECT TPeriod.NOM FROM TPeriod WHERE (%1)").arg(c.Condition));
        ASSERT_EQ(translated.Parameters.size(), 1) << c.Condition;
        EXPECT_EQ(translated.Parameters[0].typeId(), c.Parameter.typeId()) << c.Condition;
        EXPECT_EQ(translated.Parameters[0], c.Parameter) << c.Condition;
    }
}

TEST_F(JetSqlTest, CurrencyComparisonsMatchStoredAmounts) {
    Execute(QStringLiteral("INSERT INTO TPeriod(NOM, TARIF) VALUES ('exact', 1250000), ('above', 1250001);"));
    struct TCase {
        const char* Condition;
        QStringList Names;
    };
    const std::vector<TCase> cases = {
        {"TARIF = 125", {"exact"}},       {"TARIF > 125", {"above"}},       {"125.0001 <= TARIF", {"above"}},
        {"TARIF < 125.00006", {"exact"}}, {"TARIF = 125.00005", {"exact"}},
    };
    for (const TCase& c : cases) {
        const QString statement =
            QStringLiteral("SELECT TPeriod.NOM FROM TPeriod WHERE (%1)").arg(c.Condition);
        EXPECT_EQ(Std(Select(statement)), Std(c.Names)) << c.Condition;
    }
}

TEST_F(JetSqlTest, GrammarVariantsSelectTheRightRowsInOrder) {
    Execute(QStringLiteral(R"(CREATE TABLE TKeywords("ORDER" TEXT, "SELECT" TEXT);
                              INSERT INTO TKeywords VALUES ('x', 'chosen'), ('y', 'other');)"));
    AddPeriod(0, "Martin", "12", "2024-01-01", "2024-01-05", "n");
    AddPeriod(1, "Dupont", "14", "2024-01-01", "2024-01-05");
    AddPeriod(2, "Durand", "12", "2024-01-01", "2024-01-05");
    AddPeriod(3, "Bernard", "15", "2024-01-01", "2024-01-05", "b");
    AddPeriod(4, "Inverse", "16", "2024-02-10", "2024-02-01", "i");
    struct TCase {
        const char* Statement;
        QStringList Values;
    };
    const std::vector<TCase> cases = {
        {"select distinct TPeriod.CHAMBRE from TPeriod order by TPeriod.CHAMBRE desc;",
         {"16", "15", "14", "12"}},
        {"SELECT [NOM] FROM [TPeriod] WHERE [NOTE] IS NULL ORDER BY NOM", {"Dupont", "Durand"}},
        {"SELECT NOM FROM TPeriod WHERE NOTE IS NOT NULL ORDER BY NOM ASC", {"Bernard", "Inverse", "Martin"}},
        {"SELECT NOM FROM TPeriod WHERE NOT (CHAMBRE = '12') ORDER BY NOM", {"Bernard", "Dupont", "Inverse"}},
        {"SELECT NOM FROM TPeriod WHERE CHAMBRE = '14' OR CHAMBRE = '12' AND NOM = 'martin' ORDER BY NOM",
         {"Dupont", "Martin"}},
        {"SELECT NOM FROM TPeriod WHERE NOT CHAMBRE = '12' AND NOM <> 'Inverse' ORDER BY NOM",
         {"Bernard", "Dupont"}},
        {"SELECT NOM FROM TPeriod WHERE DATEFIN < DATEDEBUT", {"Inverse"}},
        {"SELECT NOM FROM TPeriod WHERE NOM > \"c\" AND NOM < 'E' ORDER BY NOM DESC", {"Durand", "Dupont"}},
        {"SELECT TPeriod.NOM FROM TPeriod WHERE (IDPERIODE >= 1) AND (IDPERIODE < 3) ORDER BY "
         "TPeriod.IDPERIODE DESC",
         {"Durand", "Dupont"}},
        {"SELECT [SELECT] FROM TKeywords WHERE [ORDER] = 'x'", {"chosen"}},
        {"SELECT * FROM TKeywords WHERE tkeywords.[SELECT] = 'OTHER'", {"y"}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Std(Select(QString::fromUtf8(c.Statement)), false), Std(c.Values, false)) << c.Statement;
}

// The data-set layer names its fields and picks their types from the result columns.
TEST_F(JetSqlTest, ResultColumnsKeepTheirNamesAndDeclaredTypes) {
    const TTranslatedSql translated = Translate(
        QStringLiteral("SELECT TPeriod.NOM, TPeriod.DATEDEBUT, TPeriod.ACCOMPTE, IDPERIODE FROM TPeriod"));
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(FDb, translated.Sql.toUtf8().constData(), -1, &statement, nullptr),
              SQLITE_OK);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"NOM", "TEXT(50)"}, {"DATEDEBUT", "DATETIME"}, {"ACCOMPTE", "CURRENCY"}, {"IDPERIODE", "INTEGER"}};
    ASSERT_EQ(sqlite3_column_count(statement), static_cast<int>(expected.size()));
    for (int column = 0; column < static_cast<int>(expected.size()); ++column) {
        EXPECT_EQ(sqlite3_column_name(statement, column), expected[column].first);
        EXPECT_EQ(sqlite3_column_decltype(statement, column), expected[column].second);
    }
    sqlite3_finalize(statement);
}

// SQLite would read an unknown double-quoted name standing alone as a text, so "NOMX" = "NOMX"
// would hold for every row instead of failing.
TEST_F(JetSqlTest, MisspeltColumnFailsInsteadOfMatchingEveryRow) {
    AddPeriod(0, "Dupont", "12", "2024-01-01", "2024-01-02");
    const TTranslatedSql translated =
        Translate(QStringLiteral(R"(SELECT TPeriod.NOM FROM TPeriod WHERE (NOMX = "NOMX"))"));
    sqlite3_stmt* statement = nullptr;
    EXPECT_NE(sqlite3_prepare_v2(FDb, translated.Sql.toUtf8().constData(), -1, &statement, nullptr),
              SQLITE_OK);
    sqlite3_finalize(statement);
}

// The room is an exact key of the index, not a range that SQLite's LIKE optimisation would scan.
TEST_F(JetSqlTest, OverlapQueriesLookTheRoomUpInItsIndex) {
    Execute(QStringLiteral("CREATE INDEX IPeriodRoom ON TPeriod(CHAMBRE COLLATE NOCASE, DATEDEBUT)"));
    for (const QString& overlapTemplate : {OverlapNew, OverlapOther}) {
        const QString statement = QString(overlapTemplate)
                                      .replace(QStringLiteral("'n'"), QStringLiteral("'12'"))
                                      .replace(QStringLiteral("#d#"), QStringLiteral("#07/10/24#"))
                                      .replace(QStringLiteral("#f#"), QStringLiteral("#07/12/24#"))
                                      .replace(QStringLiteral("'IDPERIODE'"), QStringLiteral("5"));
        const TTranslatedSql translated = Translate(statement);
        QStringList details;
        for (const QStringList& row :
             Rows(QStringLiteral("EXPLAIN QUERY PLAN ") + translated.Sql, translated.Parameters))
            details << row.last();
        EXPECT_EQ(details.filter(QStringLiteral("USING INDEX IPeriodRoom (CHAMBRE=?)")).size(), 1)
            << details.join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(details.filter(QStringLiteral("SCAN")).isEmpty())
            << details.join(QStringLiteral(" | ")).toStdString();
    }
}

TEST_F(JetSqlTest, UnreadableStatementsAreRefusedQuotingThem) {
    const QString where = QStringLiteral("SELECT TPeriod.NOM FROM TPeriod WHERE ");
    struct TCase {
        QString Statement;
        const char* Reason;
    };
    const std::vector<TCase> cases = {
        {where + "(TPeriod.DATEDEBUT >= #02/30/05#)", "date incorrecte"},
        {where + "(TPeriod.DATEDEBUT >= #01/01/#)", "date incorrecte"},
        {where + "(TPeriod.DATEDEBUT >= #13/01/05#)", "date incorrecte"},
        {where + "(TPeriod.DATEDEBUT >= #2005-01-01#)", "date incorrecte"},
        {where + "(TPeriod.DATEDEBUT >= #01/01/05)", "date non terminée"},
        {where + R"((((TPeriod.NOM)="Dupont)))", "texte non terminé"},
        {where + "(CHAMBRE like '12)", "texte non terminé"},
        {where + R"((((TPeriod.NOM)="Du"pont")))", "texte non terminé"},
        {where + R"((((TPeriod.NOM)="x" OR 1=1 --")))", "caractère inattendu"},
        {where + R"((((TPeriod.NOM)="x" OR ""="")))", "colonne"},
        {where + "(IDPERIODE = 3) garbage", "inattendu"},
        {"SELECT TPeriod.NOM FROM TPeriod; DELETE FROM TPeriod", "inattendu"},
        {"DELETE FROM TPeriod", "SELECT"},
        {"INSERT INTO TRoom VALUES ('1', 'x')", "SELECT"},
        {"UPDATE TPeriod SET NOM = 'x'", "SELECT"},
        {"", "SELECT"},
        {"SELECT FROM TPeriod", "nom attendu"},
        {"SELECT TPeriod.NOM FROM TPeriod, TRoom", "inattendu"},
        {"SELECT TPeriod.NOM FROM TPeriod INNER JOIN TRoom ON TPeriod.CHAMBRE = TRoom.CHAMBRE", "inattendu"},
        {where + "UCASE(NOM) = 'DUPONT'", "fonction"},
        {where + "NOM IN (SELECT NOM FROM TClient)", "inattendu"},
        {where + "(NOM = (SELECT NOM FROM TClient))", "valeur attendue"},
        {where + "(CHAMBRE like 12)", "motif"},
        {where + "(CHAMBRE like NOM)", "motif"},
        {where + "(CHAMBRE like '[ab]')", "motif"},
        {where + "(CHAMBRE like '1[2')", "motif"},
        {where + "(TClient.NOM = 'x')", "table inconnue"},
        {where + "NOM", "condition"},
        {where + "(NOM = 'a') AND CHAMBRE", "condition"},
        {where + "(NOM = 'a') AND", "valeur attendue"},
        {where + "(NOM = [)", "crochet"},
        {where + "(NOM > 'a' + 'b')", "caractère inattendu"},
        {where + "(TARIF = 99999999999999999999)", "hors limites"},
        {where + "(IDPERIODE = 99999999999999999999)", "hors limites"},
    };
    for (const TCase& c : cases) {
        try {
            Translate(c.Statement);
            ADD_FAILURE() << "accepted: " << c.Statement.toStdString();
        } catch (const EDatabaseError& error) {
            const QString text = error.Text();
            EXPECT_TRUE(text.startsWith(QStringLiteral("Instruction SQL incorrecte : ")))
                << text.toStdString();
            EXPECT_TRUE(text.endsWith(QStringLiteral(" dans « %1 »").arg(c.Statement))) << text.toStdString();
            EXPECT_TRUE(text.contains(QString::fromUtf8(c.Reason))) << text.toStdString();
        }
    }
}

} // namespace

TEST(JetSqlStar, ATableQualifiedStarReadsEveryColumnOfThatTableOnly) {
    const auto none = [](const QString&, const QString&) { return QString(); };
    EXPECT_EQ(TranslateJetSelect(QStringLiteral("SELECT TPeriod.* FROM TPeriod"), none, 2026).Sql,
              TranslateJetSelect(QStringLiteral("SELECT * FROM TPeriod"), none, 2026).Sql);
    EXPECT_THROW(TranslateJetSelect(QStringLiteral("SELECT TClient.* FROM TPeriod"), none, 2026), EDatabaseError);
    EXPECT_THROW(TranslateJetSelect(QStringLiteral("SELECT TPeriod.*, NOM FROM TPeriod"), none, 2026), EDatabaseError);
}
