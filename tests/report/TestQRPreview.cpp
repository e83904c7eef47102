#include "MemoryDataSet.h"
#include "ReportInspect.h"

#include "platform/report/QRBand.h"
#include "platform/report/QRDBText.h"
#include "platform/report/QRPreview.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace ReportInspect;

namespace {

// A report of one 20 mm band per row: 13 bands fill the 277 mm between the margins, and 39 rows
// three pages.
class PreviewedReport : public testing::Test {
protected:
    PreviewedReport() {
        QList<QVariantList> rows;
        for (int i = 0; i < 39; ++i)
            rows << QVariantList{QStringLiteral("Client %1").arg(i)};
        Data = std::make_unique<TMemoryDataSet>(
            QList<std::pair<QString, TFieldType>>{{QStringLiteral("NOM"), TFieldType::String}}, rows);
        Data->Open();
        Report.DataSet = Data.get();
        Report.ReportTitle = QStringLiteral("Liste");
        auto* band = new TQRBand(&Report, QStringLiteral("Detail"), TQRBandType::Detail, 20.0);
        auto* name = new TQRDBText(band, QStringLiteral("Name"), QStringLiteral("NOM"));
        name->SetBounds(0.0, 0.0, 50.0, 4.5);
    }

    std::unique_ptr<TMemoryDataSet> Data;
    TQuickRep Report{nullptr, QStringLiteral("Report")};
};

// The same, with the user's part played by the test.
class ReportPreview : public PreviewedReport {
protected:
    // Works the preview's PDF button with the given answer to the file dialog.
    void SavePdf(const QString& answer) {
        Answers.OnSaveFile = [answer](const TShownSaveDialog&) { return answer; };
        Answers.OnPreview = [](QWidget* preview) {
            preview->findChild<QAction*>(QStringLiteral("ActionSavePdf"))->trigger();
        };
        Report.PreviewModal(nullptr);
    }

    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TDialogAnswers Answers;
};

} // namespace

TEST_F(ReportPreview, ShowsEveryPageOnAnA4PrinterModallyOrNot) {
    for (const bool modal : {true, false}) {
        int shown = 0;
        Answers.OnPreview = [&](QWidget* widget) {
            ++shown;
            auto* preview = qobject_cast<TQRPreview*>(widget);
            ASSERT_NE(preview, nullptr);
            EXPECT_EQ(preview->isModal(), modal);
            EXPECT_EQ(preview->Document().Pages.size(), 3);
            const QPrinter* printer = preview->printer();
            EXPECT_TRUE(printer->fullPage());
            EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
            EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Portrait);
            EXPECT_EQ(printer->copyCount(), 1);
            EXPECT_EQ(printer->duplex(), QPrinter::DuplexNone);
            EXPECT_EQ(printer->printRange(), QPrinter::AllPages);
            auto* pages = preview->findChild<QPrintPreviewWidget*>();
            pages->updatePreview();
            EXPECT_EQ(pages->pageCount(), 3);
        };

        if (modal)
            Report.PreviewModal(nullptr);
        else
            Report.PreviewModeless(nullptr);

        EXPECT_EQ(shown, 1);
    }
}

TEST_F(ReportPreview, RequestWhileItsPreviewIsOpenShowsNoSecondOne) {
    int shown = 0;
    Answers.OnPreview = [&](QWidget*) {
        ++shown;
        Report.PreviewModeless(nullptr);
    };

    Report.PreviewModeless(nullptr);
    Report.PreviewModeless(nullptr);

    EXPECT_EQ(shown, 2);
}

TEST_F(PreviewedReport, ModelessPreviewLeavesTheOtherWindowsUsableUntilItCloses) {
    QWidget other;
    other.show();
    bool wasVisible = false;
    bool wasModal = true;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* preview = qobject_cast<TQRPreview*>(window)) {
                wasVisible = preview->isVisible();
                wasModal = QApplication::activeModalWidget() != nullptr;
                preview->close();
            }
    });

    Report.PreviewModeless(&other);

    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(wasModal);
}

TEST_F(ReportPreview, SavesThePdfUnderTheNameGivenWithItsSuffix) {
    SavePdf(QDir::current().filePath(QStringLiteral("liste")));

    EXPECT_EQ(PdfPageCount(QStringLiteral("liste.pdf")), 3);
    ASSERT_EQ(Answers.SaveDialogs().size(), 1);
    const TShownSaveDialog dialog = Answers.SaveDialogs()[0];
    EXPECT_EQ(dialog.Title, QStringLiteral("Enregistrer en PDF"));
    EXPECT_EQ(dialog.ProposedName, QStringLiteral("Liste.pdf"));
    EXPECT_EQ(dialog.DefaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(Answers.Messages().isEmpty());
}

TEST_F(ReportPreview, SaveButtonSitsInThePreviewsToolBar) {
    Answers.OnPreview = [](QWidget* preview) {
        auto* button =
            preview->findChild<QToolBar*>()->findChild<QToolButton*>(QStringLiteral("ButtonSavePdf"));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("Enregistrer en PDF..."));
    };
    Report.PreviewModal(nullptr);
}

TEST_F(ReportPreview, ExistingFileIsReplacedOnlyWhenTheUserConfirms) {
    for (const int answer : {mrNo, mrYes}) {
        WriteFile(QStringLiteral("liste.pdf"), QByteArrayLiteral("ancien"));
        Answers.Clear();
        Answers.OnMessage = [answer](const TShownMessage&) { return answer; };

        SavePdf(QDir::current().filePath(QStringLiteral("liste.pdf")));

        ASSERT_EQ(Answers.Messages().size(), 1);
        const TShownMessage message = Answers.Messages()[0];
        EXPECT_EQ(message.Text,
                  QStringLiteral("Le fichier « liste.pdf » existe déjà. Voulez-vous le remplacer ?"));
        EXPECT_EQ(message.Type, TMsgDlgType::Confirmation);
        EXPECT_EQ(message.Buttons, mbYes | mbNo);
        EXPECT_EQ(FileBytes(QStringLiteral("liste.pdf")) == "ancien", answer == mrNo);
        EXPECT_EQ(PdfPageCount(QStringLiteral("liste.pdf")), answer == mrYes ? 3 : -1);
    }
}

TEST_F(ReportPreview, CancelledSaveWritesNothing) {
    SavePdf(QString());

    EXPECT_TRUE(QDir::current().entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(Answers.Messages().isEmpty());
}
