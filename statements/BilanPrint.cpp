// The main window's statement print button.
#include "app/Quimbels.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/RadioGroup.h"
#include "statements/ReportBilanDlg.h"

void TFormMainQuimbel::SpeedButtonBilanPrintClick() {
    // The client and room statements mean nothing without their selection.
    const int mode = RadioGroupBilan->ItemIndex();
    if (mode == 0 && ComboBoxClientName->SelectedText().isEmpty())
        return;
    if (mode == 1 && ComboBoxRoomNbr->SelectedText().isEmpty())
        return;
    FormReportBilan->QuickRepBilan->PreviewModal(this);
}
