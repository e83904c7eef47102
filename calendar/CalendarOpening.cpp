// The main window's calendar button.

#include "app/Quimbels.h"
#include "calendar/CalendrierAnnuel.h"
#include "calendar/PeriodRecords.h"
#include "data/QuimbelDataModule.h"
#include "platform/ui/Dialogs.h"

#include <QScopeGuard>
#include <memory>

void TFormMainQuimbel::SpeedButtonCalendrierClick() {
    // The calendar shows the periods as they stand now; the records outlive the window.
    const TPeriodRecords periods(DataModuleQuimbel->ADOTablePeriod);
    const auto calendar = std::make_unique<TCalendYear>(this, &periods.List());
    CalendYear = calendar.get();
    const auto forget = qScopeGuard([this] { CalendYear = nullptr; });
    CalendYear->SetRentedGoodName(RentedGoodName);
    ShowModal(CalendYear);
}
