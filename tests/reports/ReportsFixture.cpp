#include "ReportsFixture.h"

#include <QAction>
#include <QDir>
#include <algorithm>
#include <cmath>

void ReportsTest::StartReports() {
    Start();
    ReportClient = std::make_unique<TFormReportClient>();
    ReportRoom = std::make_unique<TFormReportRoom>();
    ReportPeriod = std::make_unique<TFormReportPeriod>();
    ReportBilan = std::make_unique<TFormReportBilan>();
    FormReportClient = ReportClient.get();
    FormReportRoom = ReportRoom.get();
    FormReportPeriod = ReportPeriod.get();
    FormReportBilan = ReportBilan.get();
    ReportClient->ConnectDataModule(Module.get());
    ReportRoom->ConnectDataModule(Module.get());
    ReportPeriod->ConnectDataModule(Module.get());
    ReportBilan->ConnectDataModule(Module.get());
}

void ReportsTest::TearDown() {
    ReportClient.reset();
    ReportRoom.reset();
    ReportPeriod.reset();
    ReportBilan.reset();
    MainWindowTest::TearDown();
}

void ReportsTest::ExpectTexts(const TQRPage& page, const QList<TExpectedText>& expected) {
    for (const TExpectedText& text : expected) {
        const QList<TQRItem> items = ReportInspect::Texts(page, QString::fromLatin1(text.Element));
        const auto found = std::find_if(items.begin(), items.end(), [&text](const TQRItem& item) {
            return std::fabs(item.Rect.top() - text.Top) < 1e-6;
        });
        ASSERT_NE(found, items.end()) << text.Element << " at " << text.Top;
        EXPECT_EQ(found->Text, text.Text) << text.Element;
        EXPECT_NEAR(text.RightAligned ? found->Rect.right() : found->Rect.left(), text.Left, 1e-6)
            << text.Element;
        EXPECT_EQ(found->Font.family(), QStringLiteral("Arial")) << text.Element;
        EXPECT_EQ(found->Font.pointSize(), text.Points) << text.Element;
        EXPECT_EQ(found->Font.bold(), text.Bold) << text.Element;
        EXPECT_EQ(found->Font.underline(), text.Underline) << text.Element;
        EXPECT_EQ(found->Color, QColor(Qt::black)) << text.Element;
    }
}

void ReportsTest::SavePdfWhenPreviewed(const QString& name) {
    Answers.OnSaveFile = [name](const TShownSaveDialog&) { return QDir::current().filePath(name); };
    Answers.OnPreview = [](QWidget* preview) {
        preview->findChild<QAction*>(QStringLiteral("ActionSavePdf"))->trigger();
    };
}
