#include "tools/DemoData.h"

#include "platform/Error.h"
#include "platform/db/SqliteStatement.h"
#include "platform/os/Clock.h"

#include <QDate>
#include <QFile>
#include <algorithm>
#include <random>
#include <sqlite3.h>
#include <vector>

namespace {

// Fixed, so that the demonstration of a given year is the same on every machine: screenshots,
// the README and bug reports can refer to its rows.
constexpr std::mt19937::result_type DemoSeed = 1989;
// Currency is stored in ten-thousandths of a euro.
constexpr qint64 Cent = 100;
constexpr qint64 Euro = 10000;

struct TDemoClient {
    const char* Nom;
    const char* Prenom;
    const char* Cp;
    const char* Ville;
    // Clients from abroad have their own address and number; the others get a French one.
    const char* Adresse = nullptr;
    const char* Telephone = nullptr;
    const char* Note = nullptr;
};

const TDemoClient DemoClients[] = {
    {"Martin", "Sophie", "75011", "Paris", nullptr, nullptr, "Cliente fidèle, vient chaque été."},
    {"Le Goff", "Yannick", "29000", "Quimper"},
    {"Lefèvre", "Jérôme", "44000", "Nantes", nullptr, nullptr,
     "Allergique aux plumes : oreillers synthétiques."},
    {"D'Artagnan", "Charles", "32000", "Auch"},
    {"Müller", "Jürgen", "79098", "Freiburg im Breisgau", "Kaiser-Joseph-Straße 12", "+49 761 204 5518",
     "Parle un peu français."},
    {"Dubois", "Hélène", "69003", "Lyon"},
    {"Moreau", "Élodie", "35000", "Rennes"},
    {"Bernard", "Luc", "33000", "Bordeaux", nullptr, nullptr, "Préfère la chambre 3 (rez-de-chaussée)."},
    {"Le Bihan", "Maïwenn", "29200", "Brest"},
    {"Laurent", "François", "59000", "Lille"},
    {"Simon", "Chloé", "45000", "Orléans"},
    {"Michel", "Anaïs", "25000", "Besançon"},
    {"Garcia", "Inès", "31000", "Toulouse"},
    {"Roux", "Benoît", "42000", "Saint-Étienne"},
    {"Fournier", "Gaëlle", "56000", "Vannes", nullptr, nullptr, "Vient avec son chien."},
    {"Girard", "Noël", "37000", "Tours"},
    {"Bonnet", "Agnès", "21000", "Dijon"},
    {"Tanguy", "Gwenaël", "29600", "Morlaix"},
    {"Lambert", "Céline", "51100", "Reims"},
    {"Fontaine", "Rémi", "76000", "Rouen"},
    {"Rousseau", "Maëlle", "49000", "Angers"},
    {"Vincent", "Zoé", "13005", "Marseille"},
    {"O'Brien", "Siobhan", "D02", "Dublin", "14 Merrion Square", "+353 1 676 2231"},
    {"Blanc", "Aurélien", "38000", "Grenoble"},
    {"Guérin", "Thérèse", "72000", "Le Mans", nullptr, nullptr, "Ne monte pas les escaliers."},
    {"Boyer", "Loïc", "22000", "Saint-Brieuc"},
    {"Chevalier", "Léa", "86000", "Poitiers"},
    {"de L'Estrange", "Amaury", "78000", "Versailles"},
    {"Perrin", "Stéphane", "63000", "Clermont-Ferrand"},
    {"Lecœur", "Mathilde", "14000", "Caen"},
    {"Van den Berg", "Pieter", "9000", "Gand", "Korenlei 7", "+32 9 225 41 87"},
    {"Mercier", "Céleste", "87000", "Limoges"},
    {"N'Diaye", "Aminata", "94240", "L'Haÿ-les-Roses"},
    {"Dumas", "Frédéric", "30000", "Nîmes"},
    {"Schmitt", "Lucie", "67000", "Strasbourg"},
    {"Caron", "Hervé", "80000", "Amiens"},
    {"Nguyen", "Minh", "75013", "Paris"},
    {"Lemaître", "Désiré", "17000", "La Rochelle", nullptr, nullptr, "Règle toujours en espèces."},
    {"Fabre", "Joséphine", "34000", "Montpellier"},
    {"Kerjean", "Erwan", "29100", "Douarnenez"},
};

struct TDemoRoom {
    const char* Chambre;
    const char* Designation;
    qint64 DailyRate;
    int ShortestStay;
    int LongestStay;
};

const TDemoRoom DemoRooms[] = {
    {"1", "Chambre double, lit de 160, vue sur le jardin", 75 * Euro, 1, 6},
    {"2", "Chambre double avec salle d'eau privative", 70 * Euro, 1, 6},
    {"3", "Chambre à lits jumeaux au rez-de-chaussée, accessible en fauteuil", 68 * Euro, 1, 6},
    {"4", "Chambre familiale : un lit double et deux lits simples", 95 * Euro, 2, 7},
    {"5", "Chambre double mansardée, vue sur la baie", 82 * Euro + 50 * Cent, 1, 5},
    {"6", "Petite chambre, lit simple", 52 * Euro, 1, 4},
    {"Gîte des Tilleuls", "Gîte indépendant de trois chambres, cuisine équipée, jardin clos", 140 * Euro, 3,
     14},
    {"Suite", "Suite avec salon, baignoire balnéo et terrasse", 135 * Euro + 50 * Cent, 2, 7},
};

const char* const PeriodNotes[] = {
    "Arrivée tardive, vers 22 h.",
    "Lit bébé à prévoir.",
    "Avec un chien.",
    "Acompte reçu par virement.",
    "Petit déjeuner sans gluten.",
    "Anniversaire de mariage : fleurs dans la chambre.",
    "Réglé par chèque.",
    "Départ anticipé possible.",
    "Souhaite une chambre au calme.",
    "Vient pour le festival.",
};

const char* const StreetNames[] = {
    "rue des Lilas",      "avenue Jean-Jaurès",     "place de l'Église",      "chemin du Moulin",
    "boulevard Gambetta", "impasse des Peupliers",  "allée des Châtaigniers", "rue Émile-Zola",
    "quai de la Fosse",   "rue du Général-Leclerc", "route de la Plage",      "rue de l'Abbé-Grégoire",
};

struct TDemoPeriod {
    QString Nom;
    int Room = 0;
    QDate Debut;
    QDate Fin;
    qint64 Accompte = 0;
    qint64 Tarif = 0;
    QString Note;
};

class TDemoGenerator {
public:
    int Between(int lowest, int highest) {
        return lowest + static_cast<int>(FRandom() % static_cast<unsigned>(highest - lowest + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <typename T, size_t N> const T& Pick(const T (&items)[N]) {
        return items[Between(0, static_cast<int>(N) - 1)];
    }

private:
    std::mt19937 FRandom{DemoSeed};
};

QVariant Text(const char* text) {
    return text == nullptr ? QVariant() : QVariant(QString::fromUtf8(text));
}

QString FrenchTelephone(TDemoGenerator& generator) {
    QString number = generator.Chance(60) ? QStringLiteral("06") : QStringLiteral("02");
    for (int pair = 0; pair < 4; ++pair)
        number += QStringLiteral(" %1").arg(generator.Between(0, 99), 2, 10, QLatin1Char('0'));
    return number;
}

// Days between two stays of a room: full in summer and at the year's end, quieter in spring and
// autumn, sparse in winter.
int DaysBeforeNextStay(const QDate& day, TDemoGenerator& generator) {
    const int month = day.month();
    if ((month >= 6 && month <= 8) || (month == 12 && day.day() >= 20))
        return generator.Between(0, 3);
    if (month == 4 || month == 5 || month == 9 || month == 10)
        return generator.Between(1, 10);
    return generator.Between(3, 25);
}

TDemoPeriod MakePeriod(int room, const QDate& debut, const QDate& fin, TDemoGenerator& generator) {
    TDemoPeriod period;
    period.Room = room;
    period.Debut = debut;
    period.Fin = fin;
    // A third of the stays go to the most faithful clients.
    const int clientCount = static_cast<int>(std::size(DemoClients));
    const TDemoClient& client =
        DemoClients[generator.Chance(33) ? generator.Between(0, 7) : generator.Between(0, clientCount - 1)];
    period.Nom = QString::fromUtf8(client.Nom);
    period.Tarif = DemoRooms[room].DailyRate * (debut.daysTo(fin) + 1);
    const int payment = generator.Between(1, 100);
    if (payment <= 20)
        period.Accompte = 0;
    else if (payment <= 35)
        period.Accompte = period.Tarif;
    else
        period.Accompte = period.Tarif * 3 / 10 / Euro * Euro;
    if (generator.Chance(15))
        period.Note = QString::fromUtf8(generator.Pick(PeriodNotes));
    return period;
}

// Three years of stays for every room, ending with the current year; a room's next stay begins
// at the earliest on the day after the previous one ends.
std::vector<TDemoPeriod> MakePeriods(int currentYear, TDemoGenerator& generator) {
    const QDate last(currentYear, 12, 31);
    std::vector<TDemoPeriod> periods;
    for (int room = 0; room < static_cast<int>(std::size(DemoRooms)); ++room) {
        QDate debut = QDate(currentYear - 2, 1, 1).addDays(generator.Between(0, 10));
        for (;;) {
            const QDate fin = debut.addDays(
                generator.Between(DemoRooms[room].ShortestStay, DemoRooms[room].LongestStay) - 1);
            if (fin > last)
                break;
            periods.push_back(MakePeriod(room, debut, fin, generator));
            debut = fin.addDays(1 + DaysBeforeNextStay(fin.addDays(1), generator));
        }
    }
    // Identifiers follow the order of arrival, as they would have been given at booking time.
    std::stable_sort(periods.begin(), periods.end(),
                     [](const TDemoPeriod& a, const TDemoPeriod& b) { return a.Debut < b.Debut; });
    return periods;
}

class TDemoFile {
public:
    explicit TDemoFile(const QString& path) {
        const int code =
            sqlite3_open_v2(QFile::encodeName(path).constData(), &FDb, SQLITE_OPEN_READWRITE, nullptr);
        if (code != SQLITE_OK) {
            const QString text = SqliteErrorText(FDb, code);
            sqlite3_close_v2(FDb);
            throw EDatabaseError(text);
        }
    }
    ~TDemoFile() { sqlite3_close_v2(FDb); }
    TDemoFile(const TDemoFile&) = delete;
    TDemoFile& operator=(const TDemoFile&) = delete;

    sqlite3* Handle() const { return FDb; }
    void Execute(const char* sql) {
        const int code = sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr);
        if (code != SQLITE_OK)
            ThrowSqliteError(FDb, code);
    }

private:
    sqlite3* FDb = nullptr;
};

void Run(TSqliteStatement& statement, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        statement.Bind(i + 1, values[i]);
    statement.Step();
    statement.Reset();
}

void WriteClients(sqlite3* db, TDemoGenerator& generator) {
    TSqliteStatement insert(db, QStringLiteral("INSERT INTO TClient (NOM, PRENOM, TELEPHONE, ADRESSE, CP, "
                                               "VILLE, NOTE) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const TDemoClient& client : DemoClients) {
        const QVariant telephone =
            client.Telephone != nullptr ? Text(client.Telephone) : FrenchTelephone(generator);
        const QVariant adresse = client.Adresse != nullptr
                                     ? Text(client.Adresse)
                                     : QStringLiteral("%1, %2")
                                           .arg(generator.Between(1, 120))
                                           .arg(QString::fromUtf8(generator.Pick(StreetNames)));
        Run(insert, {Text(client.Nom), Text(client.Prenom), telephone, adresse, Text(client.Cp),
                     Text(client.Ville), Text(client.Note)});
    }
}

void WriteRooms(sqlite3* db) {
    TSqliteStatement insert(db, QStringLiteral("INSERT INTO TRoom (CHAMBRE, DESIGNATION) VALUES (?, ?)"));
    for (const TDemoRoom& room : DemoRooms)
        Run(insert, {Text(room.Chambre), Text(room.Designation)});
}

void WritePeriods(sqlite3* db, const std::vector<TDemoPeriod>& periods) {
    TSqliteStatement insert(
        db, QStringLiteral("INSERT INTO TPeriod (IDPERIODE, NOM, CHAMBRE, DATEDEBUT, DATEFIN, "
                           "ACCOMPTE, TARIF, NOTE) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    qint64 id = 0;
    for (const TDemoPeriod& period : periods)
        Run(insert, {id++, period.Nom, Text(DemoRooms[period.Room].Chambre),
                     period.Debut.toString(Qt::ISODate), period.Fin.toString(Qt::ISODate), period.Accompte,
                     period.Tarif, period.Note.isEmpty() ? QVariant() : QVariant(period.Note)});
}

} // namespace

TDemoSummary FillDemoDatabase(const QString& path) {
    TDemoGenerator generator;
    const std::vector<TDemoPeriod> periods = MakePeriods(Clock::CurrentYear(), generator);
    TDemoFile file(path);
    file.Execute("BEGIN");
    try {
        WriteClients(file.Handle(), generator);
        WriteRooms(file.Handle());
        WritePeriods(file.Handle(), periods);
        file.Execute("COMMIT");
    } catch (...) {
        sqlite3_exec(file.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return {static_cast<int>(std::size(DemoClients)), static_cast<int>(std::size(DemoRooms)),
            static_cast<int>(periods.size())};
}
