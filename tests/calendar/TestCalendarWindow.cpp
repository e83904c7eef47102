#include "TestPeriods.h"

#include "calendar/CalendrierAnnuel.h"
#include "platform/Error.h"
#include "platform/os/Clock.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CalendarWindow : public testing::Test {
protected:
    void SetUp() override { Clock::SetFixed(QDateTime(QDate(2025, 6, 15), QTime(9, 0))); }
    void TearDown() override {
        Calendar.reset();
        TCalendYear::Printer = nullptr;
    }

    void Open() { Calendar = std::make_unique<TCalendYear>(nullptr, &Periods.List()); }

    QStringList Figures() const {
        return {Calendar->LabelNResaRoom->text(), Calendar->LabelTotalRoom->text(),
                Calendar->LabelTotalResa->text(), Calendar->LabelTotal->text()};
    }

    const TCalSquare& Square(const QDate& date) const {
        return *Calendar->ListSquares[static_cast<size_t>(date.dayOfYear() - 1)];
    }

    // What the window shows, drawn as the screen would draw it.
    QImage Picture() const {
        QImage image(Calendar->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        Calendar->render(&image);
        return image;
    }

    void ChooseNextRoom() { QTest::keyClick(Calendar->ComboBoxRoom, Qt::Key_Down); }

    TTestPeriods Periods;
    TDialogAnswers Answers;
    std::unique_ptr<TCalendYear> Calendar;
};

QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}

// Text is drawn smoothed: its strokes are near, not exactly, the colour it was written in.
bool Contains(const QImage& image, const QRect& area, const QColor& color) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
                    std::abs(pixel.blue() - color.blue()) <
                96)
                return true;
        }
    return false;
}

QString Latin1(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

// The PDF's compressed streams, inflated and put end to end.
QString InflatedStreams(const QByteArray& pdf) {
    QString streams;
    static const QRegularExpression stream(QStringLiteral("/FlateDecode\\s*>>\\s*stream\\r?\\n"));
    for (auto match = stream.globalMatch(Latin1(pdf)); match.hasNext();) {
        const qsizetype start = match.next().capturedEnd();
        const QByteArray data = pdf.mid(start, pdf.indexOf("endstream", start) - start);
        // qUncompress wants the inflated size first; a guess too small only makes it grow its buffer.
        streams += Latin1(qUncompress(QByteArray::fromHex("00010000") + data));
    }
    return streams;
}

} // namespace

TEST_F(CalendarWindow, IsAFixedDialogWithoutTitleBarButtons) {
    Open();
    EXPECT_EQ(Calendar->windowTitle(), QStringLiteral("Calendrier"));
    EXPECT_EQ(Calendar->size(), QSize(922, 657));
    EXPECT_EQ(Calendar->minimumSize(), Calendar->maximumSize());
    const Qt::WindowFlags flags = Calendar->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(Calendar->palette().color(QPalette::Window), ButtonFace());

    const struct {
        const char* Name;
        const char* Parent;
        QRect Geometry;
    } controls[] = {
        {"PanelYear", "CalendYear", {8, 535, 905, 37}},
        {"LabelYear", "PanelYear", {0, 0, 905, 28}},
        {"SpeedButtonLeftYear", "PanelYear", {2, 8, 22, 22}},
        {"SpeedButtonRightYear", "PanelYear", {875, 8, 22, 22}},
        {"LabelName", "PanelYear", {0, 24, 905, 13}},
        {"GroupBox1", "CalendYear", {8, 572, 905, 83}},
        {"GroupBox2", "GroupBox1", {7, 7, 300, 69}},
        {"Panel1", "GroupBox2", {108, 11, 2, 54}},
        {"GroupBox4", "GroupBox1", {312, 7, 267, 69}},
        {"GroupBox3", "GroupBox1", {584, 9, 314, 67}},
        {"SpeedButtonPrint", "GroupBox3", {5, 14, 150, 44}},
        {"SpeedButtonClose", "GroupBox3", {155, 14, 153, 44}},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.Name);
        const auto* widget = Calendar->findChild<QWidget*>(QString::fromLatin1(control.Name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(control.Parent));
        EXPECT_EQ(widget->geometry(), control.Geometry);
    }
    const struct {
        QLabel* Label;
        QPoint Position;
        const char* Text;
    } labels[] = {
        {Calendar->Label1, {15, 19}, "Chambre n° :"},
        {Calendar->Label2, {125, 20}, "Réservations :"},
        {Calendar->LabelNResaRoom, {218, 20}, "0"},
        {Calendar->Label3, {125, 44}, "Totaux :"},
        {Calendar->LabelTotalRoom, {218, 44}, "0,00 €"},
        {Calendar->Label4, {15, 20}, "Nombre de réservations :"},
        {Calendar->LabelTotalResa, {173, 20}, "0"},
        {Calendar->Label5, {15, 44}, "Totaux :"},
        {Calendar->LabelTotal, {173, 44}, "0,00 €"},
    };
    for (const auto& label : labels) {
        SCOPED_TRACE(label.Text);
        EXPECT_EQ(label.Label->pos(), label.Position);
        EXPECT_EQ(label.Label->text(), QString::fromUtf8(label.Text));
    }
    EXPECT_EQ(Calendar->GroupBox2->title(), QStringLiteral("Bilan annuel..."));
    EXPECT_EQ(Calendar->GroupBox4->title(), QStringLiteral("Bilan total annuel..."));
    EXPECT_EQ(Calendar->SpeedButtonPrint->text(), QStringLiteral("Imprimer..."));
    EXPECT_EQ(Calendar->SpeedButtonClose->text(), QStringLiteral("Fermer"));
    EXPECT_EQ(Calendar->ComboBoxRoom->pos(), QPoint(15, 36));
    EXPECT_FALSE(Calendar->ComboBoxRoom->isEditable());

    Calendar->SetRentedGoodName(QStringLiteral("GITE"));
    EXPECT_EQ(Calendar->Label1->text(), QStringLiteral("GITE"));
}

TEST_F(CalendarWindow, WithoutPeriodsShowsTheCurrentYearFreeAndZeroFigures) {
    Open();
    EXPECT_EQ(Calendar->Year, 2025);
    EXPECT_EQ(Calendar->LabelYear->text(), QStringLiteral("2025"));
    EXPECT_EQ(Calendar->ListSquares.size(), 365u);
    EXPECT_EQ(Calendar->ComboBoxRoom->count(), 0);
    EXPECT_EQ(Calendar->ComboBoxRoom->ItemIndex(), -1);
    EXPECT_EQ(Figures(), QStringList({"0", "0,00 €", "0", "0,00 €"}));
    EXPECT_TRUE(Calendar->LabelName->text().isEmpty());
    EXPECT_EQ(Calendar->ColorIndex, -1);
    for (const auto& square : Calendar->ListSquares)
        ASSERT_FALSE(square->Booked());
}

TEST_F(CalendarWindow, OpensOnTheFirstRoomInAlphabeticalOrder) {
    Periods.Add("Durand", "b", QDate(2025, 3, 10), QDate(2025, 3, 12), 300)
        .Add("Martin", "Annexe", QDate(2025, 4, 1), QDate(2025, 4, 3), 980.5)
        .Add("Petit", "Annexe", QDate(2025, 5, 1), QDate(2025, 5, 2), 400)
        .Add("Moreau", "c", QDate(2024, 5, 1), QDate(2024, 5, 2), 99);
    Open();
    EXPECT_EQ(Calendar->ComboBoxRoom->Items(), QStringList({"Annexe", "b", "c"}));
    EXPECT_EQ(Calendar->ComboBoxRoom->SelectedText(), QStringLiteral("Annexe"));
    // No grouping in the amounts, and the decimal comma of the pinned settings.
    EXPECT_EQ(Figures(), QStringList({"2", "1380,50 €", "3", "1680,50 €"}));
    EXPECT_EQ(Calendar->ColorIndex, 1);
    EXPECT_EQ(Square(QDate(2025, 4, 2)).ClientName, QStringLiteral("Martin"));
    EXPECT_FALSE(Square(QDate(2025, 3, 11)).Booked());
}

TEST_F(CalendarWindow, YearArrowsKeepTheRoomAndTheRoomListKeepsTheYear) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 12), 300)
        .Add("Martin", "2", QDate(2026, 7, 1), QDate(2026, 7, 8), 640)
        .Add("Petit", "2", QDate(2024, 2, 28), QDate(2024, 3, 1), 120);
    Open();
    ChooseNextRoom();
    ASSERT_EQ(Calendar->ComboBoxRoom->SelectedText(), QStringLiteral("2"));
    EXPECT_EQ(Figures(), QStringList({"0", "0,00 €", "1", "300,00 €"}));

    QTest::mouseClick(Calendar->SpeedButtonRightYear, Qt::LeftButton);
    EXPECT_EQ(Calendar->LabelYear->text(), QStringLiteral("2026"));
    EXPECT_EQ(Calendar->ComboBoxRoom->SelectedText(), QStringLiteral("2"));
    EXPECT_EQ(Figures(), QStringList({"1", "640,00 €", "1", "640,00 €"}));
    EXPECT_EQ(Square(QDate(2026, 7, 8)).ClientName, QStringLiteral("Martin"));

    QTest::mouseClick(Calendar->SpeedButtonLeftYear, Qt::LeftButton);
    QTest::mouseClick(Calendar->SpeedButtonLeftYear, Qt::LeftButton);
    EXPECT_EQ(Calendar->Year, 2024);
    EXPECT_EQ(Calendar->ListSquares.size(), 366u);
    EXPECT_EQ(Calendar->ComboBoxRoom->SelectedText(), QStringLiteral("2"));
    EXPECT_TRUE(Square(QDate(2024, 2, 29)).Booked());
    EXPECT_FALSE(Square(QDate(2024, 7, 8)).Booked());

    QTest::keyClick(Calendar->ComboBoxRoom, Qt::Key_Up);
    EXPECT_EQ(Calendar->ComboBoxRoom->SelectedText(), QStringLiteral("1"));
    EXPECT_EQ(Calendar->Year, 2024);
    EXPECT_EQ(Figures(), QStringList({"0", "0,00 €", "1", "120,00 €"}));
}

TEST_F(CalendarWindow, YearArrowsStopAtTheYearsTheDatesReach) {
    Clock::SetFixed(QDateTime(QDate(9999, 1, 1), QTime(0, 0)));
    Open();
    EXPECT_FALSE(Calendar->SpeedButtonRightYear->isEnabled());
    QTest::mouseClick(Calendar->SpeedButtonRightYear, Qt::LeftButton);
    EXPECT_EQ(Calendar->Year, 9999);
    QTest::mouseClick(Calendar->SpeedButtonLeftYear, Qt::LeftButton);
    EXPECT_EQ(Calendar->Year, 9998);
    EXPECT_TRUE(Calendar->SpeedButtonRightYear->isEnabled());

    Clock::SetFixed(QDateTime(QDate(1, 6, 1), QTime(0, 0)));
    Open();
    EXPECT_FALSE(Calendar->SpeedButtonLeftYear->isEnabled());
    EXPECT_EQ(Calendar->ListSquares.size(), 365u);
}

TEST_F(CalendarWindow, ThePointerShowsTheClientOfTheBookedDayUnderIt) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 10), 300)
        .Add("Martin", "1", QDate(2025, 3, 11), QDate(2025, 3, 12), 200);
    Open();
    const TCalSquare& tenth = Square(QDate(2025, 3, 10));
    const TCalSquare& eleventh = Square(QDate(2025, 3, 11));
    const TCalSquare& february28 = Square(QDate(2025, 2, 28));
    const struct {
        const char* Case;
        QPoint Position;
        const char* Name;
    } cases[] = {
        {"inside a booked day", {tenth.Left + 40, tenth.Top + 8}, "Durand"},
        {"on the right line of a booked day", {tenth.Left + 76, tenth.Top + 8}, "Durand"},
        {"on the line shared by two booked days", {tenth.Left + 40, tenth.Top + 16}, "Martin"},
        {"inside the next booked day", {eleventh.Left + 10, eleventh.Top + 10}, "Martin"},
        {"a free day", {tenth.Left + 40, tenth.Top + 8 + 16 * 5}, ""},
        {"a month band", {tenth.Left + 40, 15}, ""},
        {"below a short month", {february28.Left + 40, february28.Top + 8 + 16 * 2}, ""},
        {"the left margin", {4, tenth.Top + 8}, ""},
    };
    for (const auto& pointerCase : cases) {
        SCOPED_TRACE(pointerCase.Case);
        Calendar->EvOnMouseMove(eleventh.Left + 10, eleventh.Top + 10);
        Calendar->EvOnMouseMove(pointerCase.Position.x(), pointerCase.Position.y());
        EXPECT_EQ(Calendar->LabelName->text(), QString::fromLatin1(pointerCase.Name));
    }
}

TEST_F(CalendarWindow, OnlyMovementsOverTheCalendarItselfChangeTheName) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 10), 300);
    Open();
    const TCalSquare& tenth = Square(QDate(2025, 3, 10));
    auto moveOver = [](QWidget* widget, const QPoint& position) {
        QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(Calendar.get(), QPoint(tenth.Left + 40, tenth.Top + 8));
    EXPECT_EQ(Calendar->LabelName->text(), QStringLiteral("Durand"));
    // The label and the year panel lie under y = 526, where no day is, yet the name stays.
    moveOver(Calendar->Label2, QPoint(2, 2));
    moveOver(Calendar->LabelYear, QPoint(450, 10));
    EXPECT_EQ(Calendar->LabelName->text(), QStringLiteral("Durand"));
    moveOver(Calendar.get(), QPoint(tenth.Left + 40, tenth.Top + 8 + 16));
    EXPECT_TRUE(Calendar->LabelName->text().isEmpty());
}

TEST_F(CalendarWindow, PaintsBandsSundaysAndMarksAtEveryPaint) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 12), 300)
        .Add("Durand", "1", QDate(2026, 3, 10), QDate(2026, 3, 12), 300);
    Open();
    // 2 March 2025 and 1 March 2026 are Sundays; 10 March is a booked Monday or Tuesday.
    for (const QDate sunday : {QDate(2025, 3, 2), QDate(2026, 3, 1)}) {
        SCOPED_TRACE(sunday.year());
        for (int paint = 0; paint < 2; ++paint) {
            const QImage picture = Picture();
            const TCalSquare& grey = Square(sunday);
            const TCalSquare& weekday = Square(sunday.addDays(1));
            const TCalSquare& booked = Square(QDate(sunday.year(), 3, 10));
            EXPECT_EQ(picture.pixelColor(grey.Left + 40, grey.Top + 8), QColor(0x808080));
            EXPECT_EQ(picture.pixelColor(weekday.Left + 40, weekday.Top + 8), ButtonFace());
            EXPECT_EQ(picture.pixelColor(grey.Left, grey.Top + 8), QColor(Qt::black));
            EXPECT_EQ(picture.pixelColor(booked.RectMark.center()), QColor(0xFF0088));
            EXPECT_EQ(picture.pixelColor(weekday.RectMark.center()), ButtonFace());
            // Black day texts.
            EXPECT_TRUE(Contains(picture, grey.RectDay, Qt::black));
            EXPECT_TRUE(Contains(picture, weekday.RectLetter, Qt::black));
            // Month bands: black, with a line of the window's colour between them, the name in white.
            EXPECT_EQ(picture.pixelColor(11, 11), QColor(Qt::black));
            EXPECT_EQ(picture.pixelColor(85, 11), ButtonFace());
            EXPECT_EQ(picture.pixelColor(86, 11), QColor(Qt::black));
            EXPECT_TRUE(Contains(picture, QRect(11, 12, 74, 14), Qt::white));
        }
        QTest::mouseClick(Calendar->SpeedButtonRightYear, Qt::LeftButton);
    }
}

TEST_F(CalendarWindow, CancellingThePrintQuestionPrintsNothing) {
    Open();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("calendrier.pdf"));
    printer.setPageOrientation(QPageLayout::Portrait);
    TCalendYear::Printer = &printer;
    Answers.OnMessage = [](const TShownMessage&) { return int(mrCancel); };
    QTest::mouseClick(Calendar->SpeedButtonPrint, Qt::LeftButton);

    ASSERT_EQ(Answers.Messages().size(), 1);
    const TShownMessage& question = Answers.Messages()[0];
    EXPECT_EQ(
        question.Text,
        QStringLiteral("Assurer-vous que l'imprimante est connectée,\npuis cliquer sur OK pour imprimer."));
    EXPECT_EQ(question.Title, QStringLiteral("Impression"));
    EXPECT_EQ(question.Type, TMsgDlgType::Information);
    EXPECT_EQ(question.Buttons, mbOK | mbCancel);
    EXPECT_FALSE(QFile::exists(QStringLiteral("calendrier.pdf")));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(CalendarWindow, ConfirmingPrintsTheWindowOnOneLandscapePage) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 12), 300);
    Open();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("calendrier.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    TCalendYear::Printer = &printer;
    Answers.OnMessage = [](const TShownMessage&) { return int(mrOk); };
    QTest::mouseClick(Calendar->SpeedButtonPrint, Qt::LeftButton);

    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QFile file(QStringLiteral("calendrier.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_EQ(Latin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    const QRegularExpressionMatch mediaBox =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]")).match(Latin1(pdf));
    ASSERT_TRUE(mediaBox.hasMatch());
    EXPECT_GT(mediaBox.captured(1).toDouble(), mediaBox.captured(2).toDouble());
    // The picture is the client area, pixel for pixel, stretched by 1200 dots per inch over the
    // window's 96 pixels.
    EXPECT_TRUE(pdf.contains("/Width 922"));
    EXPECT_TRUE(pdf.contains("/Height 657"));
    const QRegularExpressionMatch drawn =
        QRegularExpression(QStringLiteral("([\\d.]+) 0 0 ([\\d.]+) 0 0 cm\\s+922 0 0 -657 0 657 cm"))
            .match(InflatedStreams(pdf));
    ASSERT_TRUE(drawn.hasMatch());
    EXPECT_DOUBLE_EQ(drawn.captured(1).toDouble(), 1200.0 / Calendar->logicalDpiX());
    EXPECT_DOUBLE_EQ(drawn.captured(2).toDouble(), 1200.0 / Calendar->logicalDpiY());
}

TEST_F(CalendarWindow, APrinterThatCannotPrintFailsAndTheWindowStaysOpen) {
    Open();
    Calendar->show();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("absent/calendrier.pdf"));
    TCalendYear::Printer = &printer;
    Answers.OnMessage = [](const TShownMessage&) { return int(mrOk); };
    EXPECT_THROW(Calendar->SpeedButtonPrintClick(), EPlatformError);
    EXPECT_TRUE(Calendar->isVisible());
}

TEST_F(CalendarWindow, OnlyFermerClosesTheWindow) {
    Open();
    Calendar->show();
    QTest::keyClick(Calendar.get(), Qt::Key_Escape);
    EXPECT_TRUE(Calendar->isVisible());
    QTest::mouseClick(Calendar->SpeedButtonClose, Qt::LeftButton);
    EXPECT_FALSE(Calendar->isVisible());
}
