#include "data/AddPeriodData.h"

#include "platform/db/DataSet.h"
#include "platform/db/DateTimeText.h"

TAddPeriodData::TAddPeriodData()
    : IDPERIODE(-1), DATEDEBUT(ZeroDateTime()), DATEFIN(ZeroDateTime()), ACCOMPTE(0.0), TARIF(0.0) {}

QString TAddPeriodData::DateText(const QDateTime& value) { return value.date().toString(QStringLiteral("dd/MM/yy")); }

void TAddPeriodData::LoadFromDataSet(TDataSet* DataSet) {
    IDPERIODE = DataSet->FieldByName(QStringLiteral("IDPERIODE"))->AsInteger();
    NOM = DataSet->FieldByName(QStringLiteral("NOM"))->AsString();
    CHAMBRE = DataSet->FieldByName(QStringLiteral("CHAMBRE"))->AsString();
    DATEDEBUT = StrToDateTime(DataSet->FieldByName(QStringLiteral("DATEDEBUT"))->AsString());
    DATEFIN = StrToDateTime(DataSet->FieldByName(QStringLiteral("DATEFIN"))->AsString());
    ACCOMPTE = DataSet->FieldByName(QStringLiteral("ACCOMPTE"))->AsFloat();
    TARIF = DataSet->FieldByName(QStringLiteral("TARIF"))->AsFloat();
    NOTE = DataSet->FieldByName(QStringLiteral("NOTE"))->AsString();
}

void TAddPeriodData::SaveToDataSet(TDataSet* DataSet) const {
    DataSet->FieldByName(QStringLiteral("IDPERIODE"))->SetAsInteger(IDPERIODE);
    DataSet->FieldByName(QStringLiteral("NOM"))->SetAsString(NOM);
    DataSet->FieldByName(QStringLiteral("CHAMBRE"))->SetAsString(CHAMBRE);
    DataSet->FieldByName(QStringLiteral("DATEDEBUT"))->SetAsString(DateText(DATEDEBUT));
    DataSet->FieldByName(QStringLiteral("DATEFIN"))->SetAsString(DateText(DATEFIN));
    DataSet->FieldByName(QStringLiteral("ACCOMPTE"))->SetAsFloat(ACCOMPTE);
    DataSet->FieldByName(QStringLiteral("TARIF"))->SetAsFloat(TARIF);
    DataSet->FieldByName(QStringLiteral("NOTE"))->SetAsString(NOTE);
}
