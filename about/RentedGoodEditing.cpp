#include "about/AboutDlg.h"
#include "app/Quimbels.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/RadioGroup.h"

void TFormMainQuimbel::EditRentedGoodName() {
    FormAboutDlg->SetRentedGoodText(RentedGoodName);
    ShowModal(FormAboutDlg);
    const QString text = FormAboutDlg->GetRentedGoodText();
    // Other capitals make another name: the user may want "Gîte" where "GÎTE" was.
    if (text == RentedGoodName)
        return;
    RentedGoodName = text;
    SyncRentedGoodName(Save);
    ApplyRentedGoodName();
    LaunchBilanRequest(RadioGroupBilan->ItemIndex(), true);
}
