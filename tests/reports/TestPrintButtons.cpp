#include "ReportsFixture.h"

#include "platform/report/QRPreview.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/RadioGroup.h"

#include <QToolButton>

using namespace ReportInspect;

namespace {

// What the preview of one button press showed.
struct TPreviewSeen {
    int Count = 0;
    bool Modal = false;
    QString Title;
    qsizetype Pages = 0;
    qsizetype Items = 0;
};

class PrintButtons : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        StartReports();
        Form->EvOnActivateForm();
        Answers.OnPreview = [this](QWidget* widget) {
            const auto* preview = qobject_cast<TQRPreview*>(widget);
            ASSERT_NE(preview, nullptr);
            ++Seen.Count;
            Seen.Modal = preview->isModal();
            Seen.Title = preview->Document().Title;
            Seen.Pages = preview->Document().Pages.size();
            Seen.Items = preview->Document().Pages.value(0).Items.size();
        };
    }

    void ChooseMode(int mode) {
        Form->RadioGroupBilan->SetItemIndex(mode);
        Form->EvOnClickBilanRadioButton();
    }

    TPreviewSeen Seen;
};

// Three clients, three rooms and thirty periods of 2006: three pages of periods, two of statement.
class PrintButtonsRows : public PrintButtons {
protected:
    QString FixtureSql() const override {
        return QStringLiteral(
            "INSERT INTO TClient (NOM) VALUES ('Dupont'), ('Martin'), ('Petit');"
            "INSERT INTO TRoom VALUES ('12', NULL), ('3', NULL), ('7', NULL);"
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 29) "
            "INSERT INTO TPeriod SELECT i, CASE WHEN i % 2 = 0 THEN 'Dupont' ELSE 'Martin' END, '12', "
            "date('2006-01-01', '+' || (i * 7) || ' days'), date('2006-01-01', '+' || (i * 7 + 3) || ' "
            "days'), "
            "10000 * i, 20000 * i, NULL FROM n;");
    }
};

} // namespace

TEST_F(PrintButtonsRows, ListButtonShowsItsListBesideTheOtherWindowsAndLeavesTheGridOnItsLastRow) {
    struct Case {
        QToolButton* button;
        TDataSet* table;
        TDBGrid* grid;
        const char* title;
        qsizetype pages;
    };
    const Case cases[] = {
        {Form->SpeedButtonClientPrint, &Module->ADOTableClient, Form->DBGridClient, "Liste des Clients", 1},
        {Form->SpeedButtonRoomPrint, &Module->ADOTableRoom, Form->DBGridRoom, "Liste des Chambres", 1},
        {Form->SpeedButtonPeriodPrint, &Module->ADOTablePeriod, Form->DBGridPeriod, "Liste des Périodes", 3},
    };
    for (const Case& c : cases) {
        c.table->First();
        ASSERT_EQ(c.grid->currentIndex().row(), 0) << c.title;
        Seen = TPreviewSeen();

        c.button->click();

        EXPECT_EQ(Seen.Count, 1) << c.title;
        EXPECT_FALSE(Seen.Modal) << c.title;
        EXPECT_EQ(Seen.Title, QString::fromUtf8(c.title));
        EXPECT_EQ(Seen.Pages, c.pages) << c.title;
        EXPECT_EQ(c.table->RecNo(), c.table->RecordCount() - 1) << c.title;
        EXPECT_EQ(c.grid->currentIndex().row(), c.table->RecordCount() - 1) << c.title;
    }
}

TEST_F(PrintButtonsRows, StatementButtonShowsTheStatementOnScreenModally) {
    ASSERT_EQ(Form->ComboBoxClientName->SelectedText(), QStringLiteral("Dupont"));

    Form->SpeedButtonBilanPrint->click();

    EXPECT_EQ(Seen.Count, 1);
    EXPECT_TRUE(Seen.Modal);
    // Fifteen lines of eleven items each.
    EXPECT_EQ(Seen.Pages, 1);
    EXPECT_EQ(Seen.Items, 15 * 11);
}

TEST_F(PrintButtonsRows, EachReportPrintsToAPdfFile) {
    struct Case {
        QToolButton* button;
        const char* file;
        int pages;
    };
    const Case cases[] = {
        {Form->SpeedButtonClientPrint, "clients.pdf", 1},
        {Form->SpeedButtonRoomPrint, "chambres.pdf", 1},
        {Form->SpeedButtonPeriodPrint, "periodes.pdf", 3},
        {Form->SpeedButtonBilanPrint, "bilan.pdf", 2},
    };
    ChooseMode(2);
    Form->ComboBoxYears->SetItemIndex(Form->ComboBoxYears->findText(QStringLiteral("2006")));
    Form->EvOnChangeBilanSelection();
    ASSERT_EQ(Module->ADOQueryBilan.RecordCount(), 30);

    for (const Case& c : cases) {
        SavePdfWhenPreviewed(QString::fromLatin1(c.file));

        c.button->click();

        EXPECT_EQ(PdfPageCount(QString::fromLatin1(c.file)), c.pages) << c.file;
    }
}

TEST_F(PrintButtons, StatementButtonWithoutTheSelectionItsModeNeedsDoesNothing) {
    struct Case {
        int mode;
        int previews;
    };
    // No client and no room exist: the client and room modes have nothing selected; the client
    // and year mode still shows its empty statement.
    const Case cases[] = {{0, 0}, {1, 0}, {4, 1}, {2, 1}};
    ASSERT_EQ(Form->ComboBoxClientName->ItemIndex(), -1);
    ASSERT_EQ(Form->ComboBoxRoomNbr->ItemIndex(), -1);
    for (const Case& c : cases) {
        ChooseMode(c.mode);
        Seen = TPreviewSeen();

        Form->SpeedButtonBilanPrint->click();

        EXPECT_EQ(Seen.Count, c.previews) << c.mode;
        if (c.previews == 1) {
            EXPECT_TRUE(Seen.Modal) << c.mode;
            EXPECT_EQ(Seen.Pages, 1) << c.mode;
            EXPECT_EQ(Seen.Items, 0) << c.mode;
        }
    }
    EXPECT_TRUE(Answers.Messages().isEmpty());
}
