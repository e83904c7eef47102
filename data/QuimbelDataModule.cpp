#include "data/QuimbelDataModule.h"

#include "app/Constants.h"
#include "data/FreePeriodIdFinder.h"
#include "platform/Error.h"

#include <QDir>
#include <QFileInfo>

TDataModuleQuimbel* DataModuleQuimbel = nullptr;

QString TDataModuleQuimbel::ConnectionText() {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Password=\"\";User ID=Admin;Data Source=") +
           Constants::DatabaseFileName +
           QStringLiteral(";Mode=Share Deny None;Extended Properties=\"\";Jet OLEDB:System database=\"\";"
                          "Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;"
                          "Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;"
                          "Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database Password=\"\";"
                          "Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
                          "Jet OLEDB:Don't Copy Locale on Compact=False;"
                          "Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False");
}

TDataModuleQuimbel::TDataModuleQuimbel(QObject* owner)
    : QObject(owner), DataSourceBilan(&ADOQueryBilan),
      ADOTablePeriodIDPERIODE(ADOTablePeriod.AddField(QStringLiteral("IDPERIODE"), TFieldType::Integer)),
      ADOTablePeriodNOM(ADOTablePeriod.AddField(QStringLiteral("NOM"), TFieldType::String, 50)),
      ADOTablePeriodCHAMBRE(ADOTablePeriod.AddField(QStringLiteral("CHAMBRE"), TFieldType::String, 50)),
      ADOTablePeriodDATEDEBUT(ADOTablePeriod.AddField(QStringLiteral("DATEDEBUT"), TFieldType::DateTime)),
      ADOTablePeriodDATEFIN(ADOTablePeriod.AddField(QStringLiteral("DATEFIN"), TFieldType::DateTime)),
      ADOTablePeriodACCOMPTE(ADOTablePeriod.AddField(QStringLiteral("ACCOMPTE"), TFieldType::Currency)),
      ADOTablePeriodTARIF(ADOTablePeriod.AddField(QStringLiteral("TARIF"), TFieldType::Currency)),
      ADOTablePeriodSOLDE(
          ADOTablePeriod.AddField(QStringLiteral("SOLDE"), TFieldType::Float, 0, TFieldKind::Calculated)),
      ADOTablePeriodNOTE(ADOTablePeriod.AddField(QStringLiteral("NOTE"), TFieldType::String, 255)) {
    setObjectName(QStringLiteral("DataModuleQuimbel"));
    ADOTablePeriodSOLDE->SetDisplayWidth(20);
    ADOTablePeriodDATEDEBUT->SetEditMask(QStringLiteral("!99/99/00;1;_"));
    ADOTablePeriodDATEFIN->SetEditMask(QStringLiteral("!99/99/00;1;_"));
    ADOTablePeriod.OnCalcFields = [this](TDataSet* dataSet) { EvOnCalcFieldTPeriod(dataSet); };

    ADOConnection.SetConnectionString(ConnectionText());
    if (!QFileInfo::exists(Constants::DatabaseFileName))
        throw EDatabaseError(QStringLiteral("Le fichier de base de données « %1 » est introuvable dans le dossier "
                                            "« %2 ».\nPour créer une base vide, lancez « quimbels-admin create » "
                                            "dans ce dossier.")
                                 .arg(Constants::DatabaseFileName, QDir::currentPath()));
    ADOConnection.Open();
    ADOTableClient.SetConnection(&ADOConnection);
    ADOTableClient.SetTableName(QStringLiteral("TClient"));
    ADOTableRoom.SetConnection(&ADOConnection);
    ADOTableRoom.SetTableName(QStringLiteral("TRoom"));
    ADOTablePeriod.SetConnection(&ADOConnection);
    ADOTablePeriod.SetTableName(QStringLiteral("TPeriod"));
    ADOQueryQuimbels.SetConnection(&ADOConnection);
    ADOQueryBilan.SetConnection(&ADOConnection);
    ADOTableClient.Open();
    ADOTableRoom.Open();
    ADOTablePeriod.Open();
    FFreePeriodIds = std::make_unique<TFreePeriodIdFinder>(&ADOConnection, &ADOTablePeriod);
}

TDataModuleQuimbel::~TDataModuleQuimbel() {
    if (DataModuleQuimbel == this)
        DataModuleQuimbel = nullptr;
}

// Bound to the period table only: its declared fields read the row being computed.
void TDataModuleQuimbel::EvOnCalcFieldTPeriod(TDataSet*) {
    ADOTablePeriodSOLDE->SetAsFloat(ADOTablePeriodTARIF->AsFloat() - ADOTablePeriodACCOMPTE->AsFloat());
}

qint32 TDataModuleQuimbel::SmallestFreePeriodId() { return FFreePeriodIds->SmallestFreeId(); }
