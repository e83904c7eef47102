#include "bench/BenchDatabase.h"

#include "app/Constants.h"
#include "bench/RawSqlite.h"
#include "data/Schema.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace BenchDatabase {

namespace {

const QDate FirstDay(2015, 1, 1);
constexpr int SpanDays = 3653; // 2015-01-01 to 2024-12-31, both included
constexpr int LongestStay = 7;
constexpr qint64 Euro = 10000; // currency is stored in ten-thousandths

// 7919 is prime to ClientCount, so the clients of consecutive periods are scattered.
int ClientOfPeriod(int periodId) {
    return int(qint64(periodId) * 7919 % ClientCount);
}

QByteArray IsoDate(const QDate& date) {
    return date.toString(Qt::ISODate).toLatin1();
}

void FillClients(const TRawDatabase& database) {
    TRawStatement insert(database, "INSERT INTO TClient (NOM, PRENOM, TELEPHONE, ADRESSE, CP, VILLE, NOTE) "
                                   "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    for (int client = 0; client < ClientCount; ++client) {
        const QByteArray nom = ClientName(client).toUtf8();
        const QByteArray prenom = QStringLiteral("Prénom %1").arg(client % 97).toUtf8();
        const QByteArray telephone = QStringLiteral("02 98 %1 %2")
                                         .arg(client / 100 % 100, 2, 10, QLatin1Char('0'))
                                         .arg(client % 100, 2, 10, QLatin1Char('0'))
                                         .toLatin1();
        const QByteArray adresse = QStringLiteral("%1 rue de Kerfeunteun").arg(client % 200 + 1).toUtf8();
        const QByteArray cp = QByteArrayLiteral("29000");
        const QByteArray ville = QByteArrayLiteral("Quimper");
        const QByteArray note = QByteArrayLiteral("Client de passage");
        insert.Bind(1, nom);
        insert.Bind(2, prenom);
        insert.Bind(3, telephone);
        insert.Bind(4, adresse);
        insert.Bind(5, cp);
        insert.Bind(6, ville);
        if (client % 10 == 0)
            insert.Bind(7, note);
        else
            insert.BindNull(7);
        insert.Step();
        insert.Reset();
    }
}

void FillRooms(const TRawDatabase& database) {
    TRawStatement insert(database, "INSERT INTO TRoom (CHAMBRE, DESIGNATION) VALUES (?1, ?2)");
    for (int room = 0; room < RoomCount; ++room) {
        const QByteArray chambre = RoomName(room).toUtf8();
        const QByteArray designation = QStringLiteral("Chambre double, étage %1").arg(room % 4).toUtf8();
        insert.Bind(1, chambre);
        insert.Bind(2, designation);
        insert.Step();
        insert.Reset();
    }
}

// Period i is the (i / RoomCount)-th stay of room i % RoomCount. Each stay of a room has its own
// slot of the ten years and ends before the slot does, so no two stays of a room overlap.
void FillPeriods(const TRawDatabase& database, int periodCount) {
    const int perRoom = std::max(1, periodCount / RoomCount);
    const int slotDays = SpanDays / perRoom;
    if (slotDays <= LongestStay + 1)
        throw std::runtime_error("Too many periods per room for ten years without overlap");
    TRawStatement insert(database, "INSERT INTO TPeriod (IDPERIODE, NOM, CHAMBRE, DATEDEBUT, DATEFIN, "
                                   "ACCOMPTE, TARIF, NOTE) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    const QByteArray note = QByteArrayLiteral("Arrivée tardive");
    for (int id = 0; id < periodCount; ++id) {
        const int room = id % RoomCount;
        const int stay = id / RoomCount;
        const int nights = 1 + id % LongestStay;
        const QDate start =
            FirstDay.addDays(qint64(stay) * slotDays + (room * 37) % (slotDays - LongestStay));
        const QByteArray nom = ClientName(ClientOfPeriod(id)).toUtf8();
        const QByteArray chambre = RoomName(room).toUtf8();
        const QByteArray debut = IsoDate(start);
        const QByteArray fin = IsoDate(start.addDays(nights));
        insert.Bind(1, id);
        insert.Bind(2, nom);
        insert.Bind(3, chambre);
        insert.Bind(4, debut);
        insert.Bind(5, fin);
        insert.Bind(6, (id % 3) * 50 * Euro);
        insert.Bind(7, nights * (45 + id % 40) * Euro);
        if (id % 10 == 0)
            insert.Bind(8, note);
        else
            insert.BindNull(8);
        insert.Step();
        insert.Reset();
    }
}

void CreateFilledDatabase(const QString& path, int periodCount) {
    CreateEmptyDatabase(path);
    TRawDatabase database(path);
    database.Execute("BEGIN");
    FillClients(database);
    FillRooms(database);
    FillPeriods(database, periodCount);
    database.Execute("COMMIT");
}

} // namespace

void PeriodCounts(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1000)->Arg(10000)->Arg(100000);
}

QString EnterFolder(int periodCount) {
    static const std::unique_ptr<QTemporaryDir> root = std::make_unique<QTemporaryDir>();
    if (!root->isValid())
        throw std::runtime_error("No temporary folder for the benchmark databases");
    const QString folder = root->filePath(QString::number(periodCount));
    const QString path = QDir(folder).filePath(Constants::DatabaseFileName);
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(folder);
        CreateFilledDatabase(path, periodCount);
    }
    QDir::setCurrent(folder);
    return path;
}

QString RoomName(int room) {
    return QString::number(room + 1);
}

QString ClientName(int client) {
    return QStringLiteral("Client%1").arg(client, 5, 10, QLatin1Char('0'));
}

} // namespace BenchDatabase
