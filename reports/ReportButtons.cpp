// The main window's print buttons of the client, room and period tabs.
#include "app/Quimbels.h"
#include "platform/report/QuickRep.h"
#include "reports/ReportClientDlg.h"
#include "reports/ReportPeriodDlg.h"
#include "reports/ReportRoomDlg.h"

void TFormMainQuimbel::EvOnClickClientPrint() {
    FormReportClient->QuickRepClient->PreviewModeless(this);
}

void TFormMainQuimbel::EvOnClickRoomPrint() {
    FormReportRoom->QuickRepRoom->PreviewModeless(this);
}

void TFormMainQuimbel::EvOnClickPeriodPrint() {
    FormReportPeriod->QuickRepPeriod->PreviewModeless(this);
}
