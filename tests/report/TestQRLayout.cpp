#include "MemoryDataSet.h"
#include "ReportInspect.h"

#include "platform/report/QRBand.h"
#include "platform/report/QRDBText.h"
#include "platform/report/QRLabel.h"
#include "platform/report/QuickRep.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace ReportInspect;

namespace {

constexpr double Margin = 10.0;
constexpr double HeaderHeight = 5.0;
constexpr double DetailHeight = 20.0;
constexpr double Near = 1e-6;

QVariant Euros(double amount) {
    return qRound64(amount * 10000);
}

// A report over rows of a name, an amount and a note: a 5 mm page header and a 20 mm detail band.
class ReportLayout : public testing::Test {
protected:
    void Open(const QList<QVariantList>& rows) {
        Data = std::make_unique<TMemoryDataSet>(
            QList<std::pair<QString, TFieldType>>{{QStringLiteral("NOM"), TFieldType::String},
                                                  {QStringLiteral("MONTANT"), TFieldType::Currency},
                                                  {QStringLiteral("NOTE"), TFieldType::String}},
            rows);
        Data->Open();
        Report.DataSet = Data.get();
    }

    static QList<QVariantList> NamedRows(int count) {
        QList<QVariantList> rows;
        for (int i = 0; i < count; ++i)
            rows << QVariantList{QStringLiteral("Client %1").arg(i), Euros(i), QVariant()};
        return rows;
    }

    TQRDBText* Field(const QString& name, const QString& dataField, double left, double top, double width,
                     double height) {
        auto* field = new TQRDBText(Detail, name, dataField);
        field->SetBounds(left, top, width, height);
        return field;
    }

    // The top of the detail band printed in the given place of its page, with bands of the
    // design height above it.
    static double DetailTop(int place) { return Margin + HeaderHeight + place * DetailHeight; }

    std::unique_ptr<TMemoryDataSet> Data;
    TQuickRep Report{nullptr, QStringLiteral("Report")};
    TQRBand* Header = new TQRBand(&Report, QStringLiteral("Header"), TQRBandType::PageHeader, HeaderHeight);
    TQRBand* Detail = new TQRBand(&Report, QStringLiteral("Detail"), TQRBandType::Detail, DetailHeight);
};

} // namespace

TEST_F(ReportLayout, ElementsStandAtTheirPlacesOnEveryPage) {
    auto* title = new TQRLabel(Header, QStringLiteral("Title"), QStringLiteral("Titre"));
    title->SetBounds(0.0, 0.0, 100.0, 4.5);
    TQRDBText* name = Field(QStringLiteral("Name"), QStringLiteral("NOM"), 0.0, 2.0, 0.0, 4.5);
    name->AutoSize = true;
    TQRDBText* amount = Field(QStringLiteral("Amount"), QStringLiteral("MONTANT"), 0.0, 2.0, 100.0, 4.5);
    amount->AutoSize = true;
    amount->Alignment = Qt::AlignRight;
    amount->Mask = QStringLiteral("0.00 €");
    auto* end = new TQRLabel(Detail, QStringLiteral("End"), QStringLiteral("Fin"));
    end->SetBounds(120.0, 2.0, 30.0, 4.5);
    end->Alignment = Qt::AlignRight;
    auto* middle = new TQRLabel(Detail, QStringLiteral("Middle"), QStringLiteral("Milieu"));
    middle->SetBounds(150.0, 2.0, 20.0, 4.5);
    middle->AutoSize = true;
    middle->Alignment = Qt::AlignHCenter;
    Open(NamedRows(30));

    const TQRDocument document = Report.Prepare();

    // 277 mm between the margins, less the header: 13 bands of 20 mm a page.
    ASSERT_EQ(document.Pages.size(), 3);
    EXPECT_EQ(document.PaperSize(), QSizeF(210.0, 297.0));
    const int perPage[] = {13, 13, 4};
    int row = 0;
    for (int page = 0; page < 3; ++page) {
        const TQRPage& items = document.Pages[page];
        const QList<TQRItem> titles = Texts(items, QStringLiteral("Title"));
        ASSERT_EQ(titles.size(), 1);
        EXPECT_EQ(titles[0].Text, QStringLiteral("Titre"));
        EXPECT_EQ(titles[0].Rect.topLeft(), QPointF(Margin, Margin));
        const QList<TQRItem> names = Texts(items, QStringLiteral("Name"));
        const QList<TQRItem> amounts = Texts(items, QStringLiteral("Amount"));
        const QList<TQRItem> ends = Texts(items, QStringLiteral("End"));
        const QList<TQRItem> middles = Texts(items, QStringLiteral("Middle"));
        ASSERT_EQ(names.size(), perPage[page]);
        ASSERT_EQ(amounts.size(), perPage[page]);
        for (int place = 0; place < perPage[page]; ++place, ++row) {
            const double top = DetailTop(place) + 2.0;
            EXPECT_EQ(names[place].Text, QStringLiteral("Client %1").arg(row));
            EXPECT_NEAR(names[place].Rect.left(), Margin, Near);
            EXPECT_NEAR(names[place].Rect.top(), top, Near);
            EXPECT_EQ(amounts[place].Text, QStringLiteral("%1,00 €").arg(row));
            EXPECT_NEAR(amounts[place].Rect.right(), Margin + 100.0, Near);
            EXPECT_NEAR(amounts[place].Rect.top(), top, Near);
            EXPECT_NEAR(ends[place].Rect.right(), Margin + 150.0, Near);
            EXPECT_NEAR(middles[place].Rect.center().x(), Margin + 160.0, Near);
        }
    }
}

TEST_F(ReportLayout, TextIsMeasuredWithArialMetricsInMillimetres) {
    auto* label = new TQRLabel(Detail, QStringLiteral("Label"), QStringLiteral("Chambre n°"));
    label->SetBounds(0.0, 0.0, 0.0, 4.5);
    label->AutoSize = true;
    Open(NamedRows(1));

    const TQRItem item = Texts(Report.Prepare().Pages[0], QStringLiteral("Label")).value(0);

    // Arial's advance widths for these letters add up to 5.347 em, and its lines are 1.149 em
    // apart: at 10 points, 18.86 mm and 4.05 mm.
    EXPECT_NEAR(item.Rect.width(), 18.86, 0.2);
    EXPECT_NEAR(item.Rect.height(), 4.05, 0.05);
    EXPECT_EQ(item.Font.pointSizeF(), 10.0);
    EXPECT_EQ(item.Font.family(), QStringLiteral("Arial"));
}

TEST_F(ReportLayout, StretchingElementWrapsItsTextAndGrowsItsBand) {
    TQRDBText* note = Field(QStringLiteral("Note"), QStringLiteral("NOTE"), 50.0, 2.0, 40.0, 5.0);
    note->WordWrap = true;
    note->AutoStretch = true;
    Field(QStringLiteral("Name"), QStringLiteral("NOM"), 0.0, 2.0, 40.0, 4.5);
    Detail->Frame.DrawBottom = true;
    const QString longNote = QStringLiteral("une note bien plus longue que sa case ").repeated(6).trimmed();
    Open({{QStringLiteral("Premier"), Euros(1), longNote}, {QStringLiteral("Second"), Euros(2), QVariant()}});

    const TQRPage page = Report.Prepare().Pages[0];

    const QList<TQRItem> lines = Texts(page, QStringLiteral("Note"));
    ASSERT_GT(lines.size(), 3);
    const double lineHeight = lines[0].Rect.height();
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].Rect.width(), 40.0);
        EXPECT_NEAR(lines[i].Rect.left(), Margin + 50.0, Near);
        EXPECT_NEAR(lines[i].Rect.top(), DetailTop(0) + 2.0 + i * lineHeight, Near);
    }
    EXPECT_EQ(TextsOf(lines).join(QLatin1Char(' ')), longNote);

    const double grownHeight = DetailHeight + lines.size() * lineHeight - 5.0;
    const QList<TQRItem> names = Texts(page, QStringLiteral("Name"));
    ASSERT_EQ(names.size(), 2);
    EXPECT_NEAR(names[1].Rect.top(), DetailTop(0) + grownHeight + 2.0, Near);
    const QList<double> bottoms = BandLineHeights(page, QStringLiteral("Detail"));
    ASSERT_EQ(bottoms.size(), 2);
    EXPECT_NEAR(bottoms[0], DetailTop(0) + grownHeight, Near);
    EXPECT_NEAR(bottoms[1], DetailTop(0) + grownHeight + DetailHeight, Near);
}

TEST_F(ReportLayout, FixedBoxPrintsOnlyTheLinesThatFit) {
    TQRDBText* note = Field(QStringLiteral("Note"), QStringLiteral("NOTE"), 50.0, 2.0, 40.0, 8.7);
    note->WordWrap = true;
    note->Font = QFont(QStringLiteral("Arial"), 8);
    TQRDBText* name = Field(QStringLiteral("Name"), QStringLiteral("NOM"), 0.0, 2.0, 40.0, 4.5);
    name->AutoSize = true;
    const QString words = QStringLiteral("des mots et encore des mots ").repeated(5);
    const QString oneWord = QString(80, QLatin1Char('x'));
    Open({{QStringLiteral("Premier"), Euros(1), words}, {QStringLiteral("Second"), Euros(2), oneWord}});

    const TQRPage page = Report.Prepare().Pages[0];

    // Three 8-point lines need 9.7 mm: two fit in 8.7 mm.
    const QList<TQRItem> lines = Texts(page, QStringLiteral("Note"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(words.startsWith(lines[0].Text + QLatin1Char(' ') + lines[1].Text));
    // A word wider than the box breaks within itself.
    EXPECT_EQ(lines[2].Text + lines[3].Text, oneWord.left(lines[2].Text.size() + lines[3].Text.size()));
    for (const TQRItem& line : lines)
        EXPECT_LE(line.Rect.width(), 40.0);
    EXPECT_NEAR(lines[2].Rect.top(), DetailTop(1) + 2.0, Near);
    EXPECT_NEAR(Texts(page, QStringLiteral("Name")).value(1).Rect.top(), DetailTop(1) + 2.0, Near);
}

TEST_F(ReportLayout, AutoSizeElementPrintsEachLineOfItsText) {
    TQRDBText* note = Field(QStringLiteral("Note"), QStringLiteral("NOTE"), 0.0, 2.0, 0.0, 4.5);
    note->AutoSize = true;
    note->AutoStretch = true;
    Open({{QStringLiteral("Premier"), Euros(1), QStringLiteral("ligne un\r\nligne deux, plus longue")}});

    const QList<TQRItem> lines = Texts(Report.Prepare().Pages[0], QStringLiteral("Note"));

    ASSERT_EQ(TextsOf(lines),
              QStringList({QStringLiteral("ligne un"), QStringLiteral("ligne deux, plus longue")}));
    EXPECT_LT(lines[0].Rect.width(), lines[1].Rect.width());
}

TEST_F(ReportLayout, AutoSizeElementThatWordWrapsBreaksOnlyAtTheBandsEdge) {
    TQRDBText* note = Field(QStringLiteral("Note"), QStringLiteral("NOTE"), 150.0, 2.0, 0.0, 4.5);
    note->AutoSize = true;
    note->AutoStretch = true;
    note->WordWrap = true;
    const QString longNote = QStringLiteral("bien trop long pour les quarante millimètres qui restent");
    Open({{QStringLiteral("Premier"), Euros(1), QStringLiteral("court")},
          {QStringLiteral("Second"), Euros(2), longNote}});

    const QList<TQRItem> lines = Texts(Report.Prepare().Pages[0], QStringLiteral("Note"));

    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines[0].Text, QStringLiteral("court"));
    EXPECT_EQ(TextsOf(lines.mid(1)).join(QLatin1Char(' ')), longNote);
    for (const TQRItem& line : lines) {
        EXPECT_NEAR(line.Rect.left(), Margin + 150.0, Near);
        EXPECT_LE(line.Rect.right(), Margin + 190.0);
    }
}

TEST_F(ReportLayout, PrintHookSeesEachTextThatIsNotEmptyAndMayChangeIt) {
    TQRDBText* note = Field(QStringLiteral("Note"), QStringLiteral("NOTE"), 0.0, 2.0, 100.0, 4.5);
    TQRDBText* amount = Field(QStringLiteral("Amount"), QStringLiteral("MONTANT"), 120.0, 2.0, 30.0, 4.5);
    amount->Mask = QStringLiteral("0.00 €");
    QStringList noteTexts;
    QStringList amountTexts;
    QList<TQRPrintable*> senders;
    note->OnPrint = [&](TQRPrintable* sender, QString& value) {
        senders << sender;
        noteTexts << value;
        value = value.toUpper();
    };
    amount->OnPrint = [&](TQRPrintable*, QString& value) { amountTexts << value; };
    Open({{QStringLiteral("a"), Euros(1.5), QStringLiteral("première")},
          {QStringLiteral("b"), QVariant(), QString()},
          {QStringLiteral("c"), Euros(2), QVariant()},
          {QStringLiteral("d"), Euros(3), QStringLiteral("dernière")}});

    const TQRPage page = Report.Prepare().Pages[0];

    EXPECT_EQ(noteTexts, QStringList({QStringLiteral("première"), QStringLiteral("dernière")}));
    EXPECT_EQ(senders, QList<TQRPrintable*>({note, note}));
    EXPECT_EQ(TextsOf(Texts(page, QStringLiteral("Note"))),
              QStringList({QStringLiteral("PREMIÈRE"), QStringLiteral("DERNIÈRE")}));
    // An empty amount prints as zero, so its hook runs.
    EXPECT_EQ(amountTexts, QStringList({QStringLiteral("1,50 €"), QStringLiteral("0,00 €"),
                                        QStringLiteral("2,00 €"), QStringLiteral("3,00 €")}));
}

TEST_F(ReportLayout, BandFrameSwitchedOnByAHookUnderlinesTheBandBeingPrinted) {
    TQRDBText* note = Field(QStringLiteral("Note"), QStringLiteral("NOTE"), 0.0, 2.0, 100.0, 4.5);
    Detail->Frame.Color = Qt::blue;
    Detail->Frame.Width = 1.5;
    Detail->Frame.Style = Qt::DashLine;
    note->OnPrint = [this](TQRPrintable*, QString&) { Detail->Frame.DrawBottom = true; };
    Open({{QStringLiteral("a"), Euros(1), QVariant()},
          {QStringLiteral("b"), Euros(2), QVariant()},
          {QStringLiteral("c"), Euros(3), QStringLiteral("note")},
          {QStringLiteral("d"), Euros(4), QVariant()}});

    const TQRPage page = Report.Prepare().Pages[0];

    const QList<TQRItem> lines = Lines(page, QStringLiteral("Detail"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].Line, QLineF(Margin, DetailTop(3), Margin + 190.0, DetailTop(3)));
    EXPECT_EQ(lines[1].Line, QLineF(Margin, DetailTop(4), Margin + 190.0, DetailTop(4)));
    EXPECT_EQ(lines[0].Color, QColor(Qt::blue));
    EXPECT_EQ(lines[0].PenWidth, 1.5);
    EXPECT_EQ(lines[0].PenStyle, Qt::DashLine);
    // The frame follows the band's elements.
    const auto indexOf = [&page](const QString& name, TQRItemKind kind) {
        return std::find_if(page.Items.begin(), page.Items.end(),
                            [&](const TQRItem& item) { return item.Name == name && item.Kind == kind; }) -
               page.Items.begin();
    };
    EXPECT_GT(indexOf(QStringLiteral("Detail"), TQRItemKind::Line),
              indexOf(QStringLiteral("Note"), TQRItemKind::Text));
}

TEST_F(ReportLayout, ElementFrameBoxesTheElement) {
    auto* title = new TQRLabel(Header, QStringLiteral("Title"), QStringLiteral("Titre"));
    title->SetBounds(0.0, 0.0, 100.0, 4.5);
    title->Frame = {.DrawTop = true, .DrawBottom = true, .DrawLeft = true, .DrawRight = true};
    auto* name = Field(QStringLiteral("Name"), QStringLiteral("NOM"), 30.0, 2.0, 0.0, 4.5);
    name->AutoSize = true;
    name->Frame.DrawLeft = true;
    Open(NamedRows(1));

    const TQRPage page = Report.Prepare().Pages[0];

    QList<QLineF> box;
    for (const TQRItem& line : Lines(page, QStringLiteral("Title"))) {
        box << line.Line;
        EXPECT_EQ(line.PenWidth, 1.0);
        EXPECT_EQ(line.Color, QColor(Qt::black));
    }
    EXPECT_EQ(box, QList<QLineF>({QLineF(10, 10, 110, 10), QLineF(10, 14.5, 110, 14.5),
                                  QLineF(10, 10, 10, 14.5), QLineF(110, 10, 110, 14.5)}));
    const QList<TQRItem> nameLines = Lines(page, QStringLiteral("Name"));
    ASSERT_EQ(nameLines.size(), 1);
    EXPECT_EQ(nameLines[0].Line, QLineF(40.0, DetailTop(0) + 2.0, 40.0, DetailTop(0) + 6.5));
}

TEST_F(ReportLayout, WalkEndsOnTheLastRowAndTellsTheBoundControlsOfEveryMove) {
    struct CursorLog : TDataSetObserver {
        void DataEvent(TDataEvent event, int recordIndex) override {
            if (event == TDataEvent::CursorMoved)
                Rows << recordIndex;
        }
        QList<int> Rows;
    } log;
    Field(QStringLiteral("Name"), QStringLiteral("NOM"), 0.0, 2.0, 40.0, 4.5);
    Open(NamedRows(4));
    Data->SetRecNo(2);
    Data->AddObserver(&log);

    Report.Prepare();
    Data->RemoveObserver(&log);

    EXPECT_EQ(log.Rows, QList<int>({0, 1, 2, 3}));
    EXPECT_EQ(Data->RecNo(), 3);
    EXPECT_TRUE(Data->Eof());
}

TEST_F(ReportLayout, EmptyDataSetGivesOnePage) {
    struct Case {
        const char* what;
        TQREmptyDataSet whenEmpty;
        bool open;
        QStringList texts;
    };
    const QStringList withDetail{QStringLiteral("Titre"), QStringLiteral("Nom :"), QStringLiteral("0,00 €")};
    const Case cases[] = {
        {"header only, no row", TQREmptyDataSet::HeaderOnly, true, {QStringLiteral("Titre")}},
        {"header only, closed", TQREmptyDataSet::HeaderOnly, false, {QStringLiteral("Titre")}},
        {"empty detail, no row", TQREmptyDataSet::EmptyDetail, true, withDetail},
        {"empty detail, closed", TQREmptyDataSet::EmptyDetail, false, withDetail},
    };
    auto* title = new TQRLabel(Header, QStringLiteral("Title"), QStringLiteral("Titre"));
    title->SetBounds(0.0, 0.0, 100.0, 4.5);
    auto* label = new TQRLabel(Detail, QStringLiteral("Label"), QStringLiteral("Nom :"));
    label->SetBounds(0.0, 2.0, 20.0, 4.5);
    TQRDBText* name = Field(QStringLiteral("Name"), QStringLiteral("NOM"), 20.0, 2.0, 40.0, 4.5);
    TQRDBText* amount = Field(QStringLiteral("Amount"), QStringLiteral("MONTANT"), 80.0, 2.0, 40.0, 4.5);
    amount->Mask = QStringLiteral("0.00 €");
    QStringList hooked;
    for (TQRPrintable* element : {static_cast<TQRPrintable*>(label), static_cast<TQRPrintable*>(name),
                                  static_cast<TQRPrintable*>(amount)})
        element->OnPrint = [&hooked](TQRPrintable* sender, QString&) { hooked << sender->objectName(); };
    Open({});

    for (const Case& c : cases) {
        if (c.open)
            Data->Open();
        else
            Data->Close();
        Report.WhenEmpty = c.whenEmpty;
        hooked.clear();

        const TQRDocument document = Report.Prepare();

        ASSERT_EQ(document.Pages.size(), 1) << c.what;
        EXPECT_EQ(AllTexts(document.Pages[0]), c.texts) << c.what;
        EXPECT_EQ(hooked.size(), c.texts.size() - 1) << c.what;
        EXPECT_FALSE(hooked.contains(QStringLiteral("Name"))) << c.what;
    }
}
