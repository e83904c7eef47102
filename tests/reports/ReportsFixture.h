#pragma once

#include "app/MainWindowFixture.h"
#include "report/ReportInspect.h"

#include "platform/report/QRPageModel.h"
#include "reports/ReportClientDlg.h"
#include "reports/ReportPeriodDlg.h"
#include "reports/ReportRoomDlg.h"
#include "statements/ReportBilanDlg.h"

#include <memory>

// One text a report must print: where it starts (or ends, when right-aligned), in millimetres
// from the paper's corner, and its font.
struct TExpectedText {
    const char* Element;
    QString Text;
    double Left;
    double Top;
    int Points;
    bool Bold = false;
    bool Underline = false;
    bool RightAligned = false;
};

// The main window, the data module and the four report forms over a small database, made and
// bound as the start-up makes and binds them.
class ReportsTest : public MainWindowTest {
protected:
    void StartReports();
    void TearDown() override;

    // Checks each expected text against the item its element printed on the page at that height.
    static void ExpectTexts(const TQRPage& page, const QList<TExpectedText>& expected);
    // Has the next preview saved as a PDF file of this name in the test's folder.
    void SavePdfWhenPreviewed(const QString& name);

    std::unique_ptr<TFormReportClient> ReportClient;
    std::unique_ptr<TFormReportRoom> ReportRoom;
    std::unique_ptr<TFormReportPeriod> ReportPeriod;
    std::unique_ptr<TFormReportBilan> ReportBilan;
};
