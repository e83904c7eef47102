#include "data/AddPeriodData.h"

#include "platform/Error.h"
#include "platform/db/DataSet.h"
#include "platform/db/DateTimeText.h"

namespace {

// The stored value to the second, whatever the user's date order; an empty column cannot be
// read as a date.
QDateTime DateOf(const TField* field) {
    if (field->IsNull())
        throw EConvertError(QStringLiteral("'%1' ne correspond pas à une date et une heure correctes").arg(field->AsString()));
    return field->AsDateTime();
}

} // namespace

TAddPeriodData::TAddPeriodData()
    : IDPERIODE(-1), DATEDEBUT(ZeroDateTime()), DATEFIN(ZeroDateTime()), ACCOMPTE(0.0), TARIF(0.0) {}

QString TAddPeriodData::DateText(const QDateTime& value) { return value.date().toString(QStringLiteral("dd/MM/yy")); }

void TAddPeriodData::LoadFromDataSet(TDataSet* DataSet) {
    IDPERIODE = DataSet->FieldByName(QStringLiteral("IDPERIODE"))->AsInteger();
    NOM = DataSet->FieldByName(QStringLiteral("NOM"))->AsString();
    CHAMBRE = DataSet->FieldByName(QStringLiteral("CHAMBRE"))->AsString();
    DATEDEBUT = DateOf(DataSet->FieldByName(QStringLiteral("DATEDEBUT")));
    DATEFIN = DateOf(DataSet->FieldByName(QStringLiteral("DATEFIN")));
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
