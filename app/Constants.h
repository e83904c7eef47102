#pragma once

#include <QString>

// The program's shared texts: captions, settings names, the SQL texts and their templates.
// Templates hold quoted placeholders ('n', 'IDPERIODE', 'NOM', 'CHAMBRE', 'DATED', 'DATEF',
// #d#, #f#) that ReplacePlaceholder fills.
namespace Constants {

inline const QString SoftwareKeyPrefix = QStringLiteral("\\Software\\");
inline const QString ClientsTabCaption = QStringLiteral("Clients...");
inline const QString DefaultRentedGoodName = QStringLiteral("CHAMBRE");
inline const QString PeriodsTabCaption = QStringLiteral("Périodes...");
inline const QString StatementsTabCaption = QStringLiteral("Bilans...");
inline const QString ProductKeyName = QStringLiteral("Quimbels");
inline const QString RentedGoodKeyName = QStringLiteral("NomDuBienLoue");
inline const QString RentedGoodValueName = QStringLiteral("Nom");
// Month, day, two-digit year, in the pattern letters of QDate::toString.
inline const QString SqlDateFormat = QStringLiteral("MM/dd/yy");
inline const QString DatabaseFileName = QStringLiteral("Quimbels.mdb");

inline const QString SqlClientNames = QStringLiteral("SELECT TClient.NOM FROM TClient");
inline const QString SqlRoomNames = QStringLiteral("SELECT TRoom.CHAMBRE FROM TRoom");

inline const QString SqlOverlapNew = QStringLiteral(
    "SELECT TPeriod.NOM FROM TPeriod WHERE (CHAMBRE like 'n') AND ( ((#d# >= DATEDEBUT) AND (#d# <= DATEFIN)) "
    "OR ((#f# >= DATEDEBUT) AND (#f# <= DATEFIN)) OR ((#d# <= DATEDEBUT) AND (#f# >= DATEFIN)) )");
inline const QString SqlOverlapOther = QStringLiteral(
    "SELECT TPeriod.NOM FROM TPeriod WHERE (IDPERIODE <> 'IDPERIODE') AND (CHAMBRE like 'n') AND ( ((#d# >= "
    "DATEDEBUT) AND (#d# <= DATEFIN)) OR ((#f# >= DATEDEBUT) AND (#f# <= DATEFIN)) OR ((#d# <= DATEDEBUT) AND "
    "(#f# >= DATEFIN)) )");
inline const QString SqlPeriodIdProbe =
    QStringLiteral("SELECT TPeriod.IDPERIODE FROM TPeriod WHERE (TPeriod.IDPERIODE = 'IDPERIODE')");

inline const QString SqlBilanHead =
    QStringLiteral("SELECT TPeriod.NOM, TPeriod.CHAMBRE, TPeriod.DATEDEBUT, TPeriod.DATEFIN, TPeriod.ACCOMPTE, "
                   "TPeriod.TARIF, TPeriod.NOTE FROM TPeriod WHERE ");
inline const QString SqlBilanClient = SqlBilanHead + QStringLiteral("(((TPeriod.NOM)=\"'NOM'\"))");
inline const QString SqlBilanRoom = SqlBilanHead + QStringLiteral("(((TPeriod.CHAMBRE)=\"'CHAMBRE'\"))");
inline const QString SqlBilanYear =
    SqlBilanHead + QStringLiteral("((TPeriod.DATEDEBUT >= 'DATED') AND (TPeriod.DATEFIN <= 'DATEF'))");
inline const QString SqlBilanInterval =
    SqlBilanHead + QStringLiteral("(((TPeriod.DATEDEBUT >= 'DATED') AND (TPeriod.DATEDEBUT <= 'DATEF')) AND "
                                  "((TPeriod.DATEFIN >= 'DATED') AND (TPeriod.DATEFIN <= 'DATEF')))");
inline const QString SqlBilanClientYear =
    SqlBilanHead + QStringLiteral("(((TPeriod.NOM)=\"'NOM'\") AND ((TPeriod.DATEDEBUT >= 'DATED') AND "
                                  "(TPeriod.DATEFIN <= 'DATEF')))");
inline const QString SqlBilanClientInterval =
    SqlBilanHead + QStringLiteral("((TPeriod.NOM = \"'NOM'\") AND (((TPeriod.DATEDEBUT >= 'DATED') AND "
                                  "(TPeriod.DATEDEBUT <= 'DATEF')) AND ((TPeriod.DATEFIN >= 'DATED') AND "
                                  "(TPeriod.DATEFIN <= 'DATEF'))))");

} // namespace Constants
