#include "MemoryDataSet.h"
#include "ReportInspect.h"

#include "platform/report/QRBand.h"
#include "platform/report/QRDBText.h"
#include "platform/report/QRPageView.h"
#include "platform/report/QRPreview.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QSpinBox>
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

TEST_F(ReportPreview, OpensOnItsFirstPageOfAllOnAnA4PrinterModallyOrNot) {
    for (const bool modal : {true, false}) {
        int shown = 0;
        Answers.OnPreview = [&](QWidget* widget) {
            ++shown;
            auto* preview = qobject_cast<TQRPreview*>(widget);
            ASSERT_NE(preview, nullptr);
            EXPECT_EQ(preview->isModal(), modal);
            EXPECT_EQ(preview->windowTitle(), QStringLiteral("Aperçu avant impression - Liste"));
            EXPECT_EQ(preview->Document().Pages.size(), 3);
            EXPECT_EQ(preview->PageCount(), 3);
            EXPECT_EQ(preview->CurrentPage(), 1);
            EXPECT_EQ(preview->SpinBoxPage->text(), QStringLiteral("Page 1 / 3"));
            const QPrinter* printer = preview->Printer();
            EXPECT_TRUE(printer->fullPage());
            EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
            EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Portrait);
            EXPECT_EQ(printer->copyCount(), 1);
            EXPECT_EQ(printer->duplex(), QPrinter::DuplexNone);
            EXPECT_EQ(printer->printRange(), QPrinter::AllPages);
        };

        if (modal)
            Report.PreviewModal(nullptr);
        else
            Report.PreviewModeless(nullptr);

        EXPECT_EQ(shown, 1);
    }
}

TEST_F(ReportPreview, ButtonsSpeakFrench) {
    Answers.OnPreview = [](QWidget* preview) {
        const std::pair<const char*, const char*> captions[] = {
            {"ActionFirstPage", "Première page"}, {"ActionPreviousPage", "Page précédente"},
            {"ActionNextPage", "Page suivante"},  {"ActionLastPage", "Dernière page"},
            {"ActionZoomIn", "Zoom avant"},       {"ActionZoomOut", "Zoom arrière"},
            {"ActionFitWidth", "Pleine largeur"}, {"ActionFitPage", "Page entière"},
            {"ActionPrint", "Imprimer..."},       {"ActionSavePdf", "Enregistrer en PDF..."},
        };
        for (const auto& [name, caption] : captions) {
            const auto* action = preview->findChild<QAction*>(QString::fromLatin1(name));
            ASSERT_NE(action, nullptr) << name;
            EXPECT_EQ(action->text(), QString::fromUtf8(caption)) << name;
            EXPECT_EQ(action->iconText(), QString::fromUtf8(caption)) << name;
        }
    };
    Report.PreviewModal(nullptr);
}

TEST_F(ReportPreview, PagesThroughTheReportWithinItsEnds) {
    Answers.OnPreview = [](QWidget* widget) {
        auto* preview = qobject_cast<TQRPreview*>(widget);
        struct Step {
            QAction* action;
            int page;
        };
        const Step steps[] = {
            {preview->ActionPreviousPage, 1}, {preview->ActionNextPage, 2},  {preview->ActionNextPage, 3},
            {preview->ActionNextPage, 3},     {preview->ActionFirstPage, 1}, {preview->ActionLastPage, 3},
            {preview->ActionPreviousPage, 2},
        };
        for (const Step& step : steps) {
            step.action->trigger();

            const QString name = step.action->objectName();
            EXPECT_EQ(preview->CurrentPage(), step.page) << name.toStdString();
            EXPECT_EQ(preview->PageView->PageIndex(), step.page - 1) << name.toStdString();
            EXPECT_EQ(preview->SpinBoxPage->text(), QStringLiteral("Page %1 / 3").arg(step.page));
            EXPECT_EQ(preview->ActionFirstPage->isEnabled(), step.page > 1) << name.toStdString();
            EXPECT_EQ(preview->ActionPreviousPage->isEnabled(), step.page > 1) << name.toStdString();
            EXPECT_EQ(preview->ActionNextPage->isEnabled(), step.page < 3) << name.toStdString();
            EXPECT_EQ(preview->ActionLastPage->isEnabled(), step.page < 3) << name.toStdString();
        }

        preview->SpinBoxPage->setValue(1);
        EXPECT_EQ(preview->CurrentPage(), 1);
        EXPECT_FALSE(preview->ActionPreviousPage->isEnabled());
    };
    Report.PreviewModal(nullptr);
}

TEST_F(ReportPreview, ViewPaintsThePageInView) {
    Answers.OnPreview = [](QWidget* widget) {
        auto* preview = qobject_cast<TQRPreview*>(widget);
        const QImage first = preview->PageView->grab().toImage();
        preview->ActionNextPage->trigger();
        const QImage second = preview->PageView->grab().toImage();
        preview->ActionFirstPage->trigger();

        QImage blank(first.size(), first.format());
        blank.fill(Qt::white);
        EXPECT_NE(first, blank);
        EXPECT_NE(first, second);
        EXPECT_EQ(preview->PageView->grab().toImage(), first);
    };
    Report.PreviewModal(nullptr);
}

TEST_F(ReportPreview, ZoomsByStepsBetweenHalfAndDoubleSize) {
    Answers.OnPreview = [](QWidget* widget) {
        auto* preview = qobject_cast<TQRPreview*>(widget);
        const QSizeF paper = preview->PageView->PaperPixels();
        // A4 at the screen's resolution.
        EXPECT_NEAR(paper.width(), 210.0 / 25.4 * preview->logicalDpiX(), 0.5);
        EXPECT_EQ(preview->PageView->size(), paper.toSize());
        EXPECT_EQ(preview->LabelZoom->text(), QStringLiteral("100 %"));
        struct Step {
            QAction* action;
            int percent;
        };
        const Step steps[] = {
            {preview->ActionZoomIn, 125},  {preview->ActionZoomIn, 150},  {preview->ActionZoomIn, 175},
            {preview->ActionZoomIn, 200},  {preview->ActionZoomIn, 200},  {preview->ActionZoomOut, 175},
            {preview->ActionZoomOut, 150}, {preview->ActionZoomOut, 125}, {preview->ActionZoomOut, 100},
            {preview->ActionZoomOut, 75},  {preview->ActionZoomOut, 50},  {preview->ActionZoomOut, 50},
        };
        for (const Step& step : steps) {
            step.action->trigger();

            EXPECT_DOUBLE_EQ(preview->Zoom(), step.percent / 100.0) << step.percent;
            EXPECT_EQ(preview->LabelZoom->text(), QStringLiteral("%1 %").arg(step.percent));
            EXPECT_EQ(preview->PageView->size(), (paper * (step.percent / 100.0)).toSize()) << step.percent;
            EXPECT_EQ(preview->ActionZoomIn->isEnabled(), step.percent < 200) << step.percent;
            EXPECT_EQ(preview->ActionZoomOut->isEnabled(), step.percent > 50) << step.percent;
        }
    };
    Report.PreviewModal(nullptr);
}

TEST_F(ReportPreview, FitsThePageToTheWindow) {
    Answers.OnPreview = [](QWidget* widget) {
        auto* preview = qobject_cast<TQRPreview*>(widget);
        preview->resize(800, 900);
        preview->show();
        QApplication::processEvents();
        const QWidget* viewport = preview->ScrollAreaPages->viewport();

        preview->ActionFitWidth->trigger();
        QApplication::processEvents();
        EXPECT_LT(preview->Zoom(), 1.0);
        EXPECT_LE(preview->PageView->width(), viewport->width());
        EXPECT_GT(preview->PageView->width(), viewport->width() - 60);
        EXPECT_GT(preview->PageView->height(), viewport->height());

        preview->ActionFitPage->trigger();
        QApplication::processEvents();
        EXPECT_LE(preview->PageView->height(), viewport->height());
        EXPECT_GT(preview->PageView->height(), viewport->height() - 30);
        preview->close();
    };
    Report.PreviewModal(nullptr);
}

TEST_F(ReportPreview, PrintsThePagesChosenInThePrintDialog) {
    struct Case {
        QPrinter::PrintRange range;
        int from;
        int to;
        int pages;
    };
    // Each print starts on the second page, which the current page range prints alone; the
    // ranges chosen before do not stick to the printer.
    const Case cases[] = {
        {QPrinter::PageRange, 2, 3, 2},
        {QPrinter::AllPages, 0, 0, 3},
        {QPrinter::CurrentPage, 0, 0, 1},
        {QPrinter::PageRange, 1, 1, 1},
    };
    for (const Case& c : cases) {
        const QString path =
            QDir::current().filePath(QStringLiteral("imprime-%1-%2.pdf").arg(c.range).arg(c.from));
        int printDialogs = 0;
        Answers.OnModal = [&](QDialog* dialog) {
            ++printDialogs;
            auto* printDialog = qobject_cast<QPrintDialog*>(dialog);
            EXPECT_NE(printDialog, nullptr);
            if (printDialog == nullptr)
                return int(QDialog::Rejected);
            EXPECT_EQ(printDialog->minPage(), 1);
            EXPECT_EQ(printDialog->maxPage(), 3);
            QPrinter* printer = printDialog->printer();
            printer->setOutputFileName(path);
            printer->setPrintRange(c.range);
            QPageRanges ranges;
            if (c.range == QPrinter::PageRange)
                ranges.addRange(c.from, c.to);
            printer->setPageRanges(ranges);
            return int(QDialog::Accepted);
        };
        Answers.OnPreview = [](QWidget* widget) {
            auto* preview = qobject_cast<TQRPreview*>(widget);
            preview->ActionNextPage->trigger();
            preview->ActionPrint->trigger();
        };

        Report.PreviewModal(nullptr);

        EXPECT_EQ(printDialogs, 1);
        EXPECT_EQ(PdfPageCount(path), c.pages) << c.range << " " << c.from;
    }
}

TEST_F(ReportPreview, CancelledPrintPrintsNothing) {
    const QString path = QDir::current().filePath(QStringLiteral("imprime.pdf"));
    Answers.OnModal = [&](QDialog* dialog) {
        qobject_cast<QPrintDialog*>(dialog)->printer()->setOutputFileName(path);
        return int(QDialog::Rejected);
    };
    Answers.OnPreview = [](QWidget* preview) {
        preview->findChild<QAction*>(QStringLiteral("ActionPrint"))->trigger();
    };

    Report.PreviewModal(nullptr);

    EXPECT_FALSE(QFile::exists(path));
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
