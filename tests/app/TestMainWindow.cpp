#include "MainWindowFixture.h"

#include "app/Settings.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/RadioGroup.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QString NameKey = QStringLiteral("Quimbels\\NomDuBienLoue");

class MainWindow : public MainWindowTest {
protected:
    QString FixtureSql() const override {
        return QStringLiteral("INSERT INTO TClient (NOM, PRENOM) VALUES ('Martin', 'Luc'), ('dupont', 'Jean'), "
                              "('Bernard', NULL);"
                              "INSERT INTO TRoom VALUES ('12', 'Vue sur mer'), ('3', NULL);");
    }

    QStringList Captions() const {
        QStringList captions;
        for (int i = 0; i < Form->PageControl->count(); ++i)
            captions << Form->PageControl->tabText(i);
        return captions;
    }

    // Every caption that carries the rented-good name.
    QStringList RelabelledCaptions() const {
        return {Form->PageControl->tabText(1), Form->DBGridRoom->Columns()[0].Title,
                Form->DBGridPeriod->Columns()[2].Title, Form->RadioGroupBilan->Items()[1], Form->LabelChambre->text()};
    }
};

} // namespace

TEST_F(MainWindow, FirstStartStoresTheDefaultNameAndOpensOnThePeriods) {
    Start();
    EXPECT_EQ(ReadSettingString(NameKey, QStringLiteral("Nom")), QStringLiteral("CHAMBRE"));
    EXPECT_EQ(Captions(), QStringList({"Clients...", "CHAMBRE... ", "Périodes...", "Bilans..."}));
    EXPECT_EQ(RelabelledCaptions(), QStringList({"CHAMBRE... ", "CHAMBRE", "CHAMBRE", "... CHAMBRE sélectionné.",
                                                 "CHAMBRE :"}));
    EXPECT_EQ(Form->PageControl->currentWidget(), Form->TabSheetPeriod);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Vorandel"));
    EXPECT_EQ(Form->size(), QSize(792, 573));
}

TEST_F(MainWindow, AStoredNameIsLoadedAndAKeyWithoutValueGivesTheEmptyName) {
    CreateSettingsKey(NameKey);
    WriteSettingString(NameKey, QStringLiteral("Nom"), QStringLiteral("Gîte du Moulin"));
    Start();
    EXPECT_EQ(RelabelledCaptions(), QStringList({"Gîte du Moulin... ", "Gîte du Moulin", "Gîte du Moulin",
                                                 "... Gîte du Moulin sélectionné.", "Gîte du Moulin :"}));
    Form.reset();

    QFile::remove(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Quimbels/settings.reg")));
    CreateSettingsKey(NameKey);
    Start();
    EXPECT_EQ(Form->RentedGoodName, QString());
    EXPECT_EQ(Captions()[1], QStringLiteral("... "));
    EXPECT_EQ(Form->LabelChambre->text(), QStringLiteral(" :"));
    EXPECT_TRUE(SettingsKeyExists(NameKey));
    EXPECT_EQ(ReadSettingString(NameKey, QStringLiteral("Nom")), QString());
}

TEST_F(MainWindow, ARenameRelabelsAtOnceAndIsStoredForTheNextStart) {
    Start();
    Form->RentedGoodName = QStringLiteral("GITE");
    Form->SyncRentedGoodName(TFormMainQuimbel::Save);
    Form->ApplyRentedGoodName();
    EXPECT_EQ(RelabelledCaptions(), QStringList({"GITE... ", "GITE", "GITE", "... GITE sélectionné.", "GITE :"}));
    Form.reset();
    Start();
    EXPECT_EQ(Form->RentedGoodName, QStringLiteral("GITE"));
}

TEST_F(MainWindow, ReplacePlaceholderSubstitutesEveryOccurrenceInOnePass) {
    struct Case {
        const char* text;
        const char* placeholder;
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {"(CHAMBRE like 'n')", "'n'", "'n'", "(CHAMBRE like 'n')"},
        {"#d# >= A AND #d# <= B", "#d#", "#03/15/10#", "#03/15/10# >= A AND #03/15/10# <= B"},
        {"=\"'NOM'\"", "'NOM'", "'NOM''NOM'", "=\"'NOM''NOM'\""},
        {"'nom' 'NOM'", "'NOM'", "x", "'nom' x"},
        {"sans rien", "'n'", "x", "sans rien"},
        {"'IDPERIODE'", "'IDPERIODE'", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TFormMainQuimbel::ReplacePlaceholder(QString::fromUtf8(c.text), QString::fromUtf8(c.placeholder),
                                                       QString::fromUtf8(c.value)),
                  QString::fromUtf8(c.expected))
            << c.text;
}

TEST_F(MainWindow, CollectingAColumnKeepsQueryOrderDuplicatesAndNullsAsEmptyText) {
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("INSERT INTO TClient (NOM) VALUES (NULL), ('Martin')"));
    Start();
    QStringList names{QStringLiteral("avant")};
    EXPECT_TRUE(Form->CollectColumnValues(names, &Module->ADOQueryQuimbels, QStringLiteral("SELECT TClient.NOM FROM TClient"),
                                          QStringLiteral("NOM")));
    EXPECT_EQ(names, QStringList({"avant", "Martin", "dupont", "Bernard", "", "Martin"}));
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("DELETE FROM TRoom"));
    QStringList rooms{QStringLiteral("inchangé")};
    EXPECT_FALSE(Form->CollectColumnValues(rooms, &Module->ADOQueryQuimbels, QStringLiteral("SELECT TRoom.CHAMBRE FROM TRoom"),
                                           QStringLiteral("CHAMBRE")));
    EXPECT_EQ(rooms, QStringList{QStringLiteral("inchangé")});
}

TEST_F(MainWindow, ActivationFillsTheSortedListsAndSelectsTheirFirstEntries) {
    Start();
    Form->ComboBoxYears->SetItemIndex(5);
    Form->EvOnActivateForm();
    EXPECT_EQ(Form->ComboBoxClientName->Items(), QStringList({"Bernard", "dupont", "Martin"}));
    EXPECT_EQ(Form->ComboBoxClientName->SelectedText(), QStringLiteral("Bernard"));
    EXPECT_EQ(Form->ComboBoxRoomNbr->Items(), QStringList({"12", "3"}));
    EXPECT_EQ(Form->ComboBoxYears->SelectedText(), QStringLiteral("1999"));
    // An empty table leaves its list as the last fill made it.
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("DELETE FROM TClient"));
    Form->EvOnActivateForm();
    EXPECT_EQ(Form->ComboBoxClientName->Items(), QStringList({"Bernard", "dupont", "Martin"}));
}

TEST_F(MainWindow, ClientsDeletedInTheGridAreGoneAfterARestart) {
    Start();
    Answers.OnMessage = [](const TShownMessage&) { return int(mrOk); };
    Module->ADOTableClient.First();
    Form->DBNavigatorClient->BtnClick(TNavigateBtn::nbDelete);
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_EQ(Answers.Messages()[0].Text, QStringLiteral("Supprimer l'enregistrement ?"));
    EXPECT_EQ(Answers.Messages()[0].Title, QStringLiteral("Confirmation"));
    Form.reset();
    Module.reset();
    Start();
    EXPECT_EQ(Module->ADOTableClient.RecordCount(), 2);
    EXPECT_EQ(Module->ADOTableClient.FieldByName(QStringLiteral("NOM"))->AsString(), QStringLiteral("dupont"));
}

TEST_F(MainWindow, ClosingRightAfterAnInPlaceEditLosesNothing) {
    Start();
    Form->show();
    Form->PageControl->setCurrentWidget(Form->TabSheetClient);
    TDBGrid* grid = Form->DBGridClient;
    const QModelIndex cell = grid->model()->index(1, 1);
    grid->setCurrentIndex(cell);
    static_cast<QAbstractItemView*>(grid)->edit(cell);
    QApplication::processEvents();
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Jeanne"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    Form->SpeedButtonClose->click();
    QApplication::processEvents();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Rows(QStringLiteral("SELECT PRENOM FROM TClient WHERE NOM = 'dupont'"))[0][0].toString(),
              QStringLiteral("Jeanne"));
}
