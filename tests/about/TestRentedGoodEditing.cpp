#include "MainWindowFixture.h"

#include "about/AboutDlg.h"
#include "app/Settings.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/RadioGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QString NameKey = QStringLiteral("Quimbels\\NomDuBienLoue");

class RentedGoodEditing : public MainWindowTest {
protected:
    QString FixtureSql() const override {
        return QStringLiteral(
            "INSERT INTO TClient (NOM) VALUES ('Dupont');"
            "INSERT INTO TRoom VALUES ('12', NULL);"
            "INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2005-03-10', '2005-03-12', 0, 0, NULL);");
    }

    void StartWithDialog() {
        Start();
        Form->EvOnActivateForm();
        Dialog = std::make_unique<TFormAboutDlg>();
        FormAboutDlg = Dialog.get();
    }

    void TearDown() override {
        FormAboutDlg = nullptr;
        Dialog.reset();
        MainWindowTest::TearDown();
    }

    // The user's part in the dialog: notes what the name box shows, then types `typed` in its place
    // unless it is null.
    void AnswerDialog(const QString& typed) {
        Answers.OnModal = [this, typed](QDialog* dialog) {
            EXPECT_EQ(dialog, FormAboutDlg);
            Shown << FormAboutDlg->GetRentedGoodText();
            if (!typed.isNull()) {
                FormAboutDlg->EditNombienLoue->selectAll();
                FormAboutDlg->EditNombienLoue->insert(typed);
            }
            return 0;
        };
    }

    // Every caption that carries the rented-good name, the statement's room column last.
    QStringList RelabelledCaptions() const {
        return {Form->PageControl->tabText(1),
                Form->DBGridRoom->Columns()[0].Title,
                Form->DBGridPeriod->Columns()[2].Title,
                Form->RadioGroupBilan->Items()[1],
                Form->LabelChambre->text(),
                Form->DBGridBilan->Columns()[1].Title};
    }

    std::unique_ptr<TFormAboutDlg> Dialog;
    QStringList Shown;
};

} // namespace

TEST_F(RentedGoodEditing, ANewTextBecomesTheNameIsStoredRelabelledAndRebuildsTheStatement) {
    StartWithDialog();
    const struct {
        const char* Typed;
        QStringList Captions;
    } cases[] = {
        {"chambre",
         {"chambre... ", "chambre", "chambre", "... chambre sélectionné.", "chambre :", "chambre"}},
        {"", {"... ", "", "", "...  sélectionné.", " :", ""}},
        {"Gîte", {"Gîte... ", "Gîte", "Gîte", "... Gîte sélectionné.", "Gîte :", "Gîte"}},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.Typed);
        Form->RentedGoodName = QStringLiteral("CHAMBRE");
        Shown.clear();
        AnswerDialog(typed);
        OpenCounter rebuilds(&Module->ADOQueryBilan);

        Form->EditRentedGoodName();

        EXPECT_EQ(Shown, QStringList({"CHAMBRE"})) << c.Typed;
        EXPECT_EQ(Form->RentedGoodName, typed);
        EXPECT_EQ(ReadSettingString(NameKey, QStringLiteral("Nom")), typed);
        EXPECT_EQ(RelabelledCaptions(), c.Captions);
        EXPECT_EQ(rebuilds.Opens, 1) << c.Typed;
    }
}

TEST_F(RentedGoodEditing, ClosingWithTheSameTextChangesAndWritesNothing) {
    // A name longer than the box allows, stored by other means, survives an opening too.
    CreateSettingsKey(NameKey);
    WriteSettingString(NameKey, QStringLiteral("Nom"), QStringLiteral("Gîte du Moulin"));
    StartWithDialog();
    WriteSettingString(NameKey, QStringLiteral("Nom"), QStringLiteral("changé ailleurs"));
    const QStringList captions = RelabelledCaptions();
    AnswerDialog(QString());
    OpenCounter rebuilds(&Module->ADOQueryBilan);

    Form->EditRentedGoodName();

    EXPECT_EQ(Shown, QStringList({"Gîte du Moulin"}));
    EXPECT_EQ(Form->RentedGoodName, QStringLiteral("Gîte du Moulin"));
    EXPECT_EQ(ReadSettingString(NameKey, QStringLiteral("Nom")), QStringLiteral("changé ailleurs"));
    EXPECT_EQ(RelabelledCaptions(), captions);
    EXPECT_EQ(rebuilds.Opens, 0);
}

TEST_F(RentedGoodEditing, TheHelpButtonAndF1OpenTheDialog) {
    StartWithDialog();
    AnswerDialog(QString());
    QTest::mouseClick(Form->SpeedButtonHelp, Qt::LeftButton);
    EXPECT_EQ(Shown.size(), 1);

    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    QTest::keyClick(Form.get(), Qt::Key_F1);
    EXPECT_EQ(Shown.size(), 2);
}
