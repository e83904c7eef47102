#include "SampleTable.h"
#include "SqlFixture.h"

#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct TClick {
    TNavigateBtn Button;
    TDataSetState State;
    int RecNo;
};

class DBNavigatorTest : public SampleTable {
protected:
    void SetUp() override {
        SampleTable::SetUp();
        Navigator.SetDataSource(&Source);
        // What the data set looked like when the handler ran.
        Navigator.OnClick = [this](TNavigateBtn button) {
            Clicks.append({button, Table.State(), Table.RecNo()});
        };
        Navigator.show();
    }
    void Click(TNavigateBtn button) { QTest::mouseClick(Navigator.Button(button), Qt::LeftButton); }
    QList<TNavigateBtn> Enabled() const {
        QList<TNavigateBtn> enabled;
        for (int i = 0; i <= static_cast<int>(TNavigateBtn::nbRefresh); ++i)
            if (Navigator.Button(static_cast<TNavigateBtn>(i))->isEnabled())
                enabled << static_cast<TNavigateBtn>(i);
        return enabled;
    }

    TDBNavigator Navigator;
    QList<TClick> Clicks;
};

} // namespace

TEST_F(DBNavigatorTest, DeleteAsksForConfirmationAndDeletesOnlyOnOk) {
    QList<int> replies{mrCancel, mrOk};
    Answers.OnMessage = [&replies](const TShownMessage&) { return replies.takeFirst(); };
    Table.SetRecNo(1);

    Click(TNavigateBtn::nbDelete);
    EXPECT_EQ(Table.RecordCount(), 3);
    EXPECT_EQ(FileRows().size(), 3);
    Click(TNavigateBtn::nbDelete);
    EXPECT_EQ(Table.RecordCount(), 2);
    ASSERT_EQ(FileRows().size(), 2);
    EXPECT_EQ(FileRows()[1][0].toString(), QStringLiteral("Petit"));

    ASSERT_EQ(Answers.Messages().size(), 2);
    const TShownMessage& question = Answers.Messages()[0];
    EXPECT_EQ(question.Text, QStringLiteral("Supprimer l'enregistrement ?"));
    EXPECT_EQ(question.Title, QStringLiteral("Confirmation"));
    EXPECT_EQ(question.Type, TMsgDlgType::Confirmation);
    EXPECT_EQ(question.Buttons, mbOK | mbCancel);
    // The handler hears of the click either way, as the toolkit's navigator did.
    EXPECT_EQ(Clicks.size(), 2);
}

TEST_F(DBNavigatorTest, TheHandlerRunsAfterTheNavigatorsOwnAction) {
    const TClick cases[] = {
        {TNavigateBtn::nbLast, TDataSetState::Browse, 2},
        {TNavigateBtn::nbPrior, TDataSetState::Browse, 1},
        {TNavigateBtn::nbInsert, TDataSetState::Insert, 1},
        {TNavigateBtn::nbCancel, TDataSetState::Browse, 1},
        {TNavigateBtn::nbEdit, TDataSetState::Edit, 1},
        {TNavigateBtn::nbPost, TDataSetState::Browse, 1},
        {TNavigateBtn::nbNext, TDataSetState::Browse, 2},
        {TNavigateBtn::nbFirst, TDataSetState::Browse, 0},
        {TNavigateBtn::nbRefresh, TDataSetState::Browse, 0},
    };
    for (const TClick& c : cases) {
        Click(c.Button);
        ASSERT_FALSE(Clicks.isEmpty());
        EXPECT_EQ(Clicks.last().Button, c.Button) << static_cast<int>(c.Button);
        EXPECT_EQ(Clicks.last().State, c.State) << static_cast<int>(c.Button);
        EXPECT_EQ(Clicks.last().RecNo, c.RecNo) << static_cast<int>(c.Button);
    }
    EXPECT_EQ(Clicks.size(), std::size(cases));
}

TEST_F(DBNavigatorTest, ButtonsApplyOnlyWhereTheirActionDoes) {
    using enum TNavigateBtn;
    EXPECT_EQ(Enabled(), (QList<TNavigateBtn>{nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbRefresh}));
    Table.SetRecNo(1);
    EXPECT_EQ(Enabled(),
              (QList<TNavigateBtn>{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbRefresh}));
    Table.Last();
    EXPECT_EQ(Enabled(), (QList<TNavigateBtn>{nbFirst, nbPrior, nbInsert, nbDelete, nbEdit, nbRefresh}));
    Table.Edit();
    EXPECT_EQ(Enabled(),
              (QList<TNavigateBtn>{nbFirst, nbPrior, nbInsert, nbDelete, nbPost, nbCancel, nbRefresh}));
    Table.Cancel();
    ExecSql(FileName, QStringLiteral("DELETE FROM T"));
    Click(nbRefresh);
    EXPECT_EQ(Enabled(), (QList<TNavigateBtn>{nbInsert, nbRefresh}));
    Table.Close();
    EXPECT_TRUE(Enabled().isEmpty());
}

TEST_F(DBNavigatorTest, OnlyTheChosenButtonsShowAndHintsGoToThemInOrder) {
    using enum TNavigateBtn;
    Navigator.SetVisibleButtons({nbInsert, nbPrior, nbNext});
    Navigator.SetHints({QStringLiteral("Précédent"), QStringLiteral("Suivant"), QStringLiteral("Nouveau")});
    EXPECT_EQ(Navigator.VisibleButtons(), (QList<TNavigateBtn>{nbPrior, nbNext, nbInsert}));
    const struct {
        TNavigateBtn button;
        const char* name;
        bool visible;
        const char* hint;
    } cases[] = {
        {nbFirst, "nbFirst", false, ""},         {nbPrior, "nbPrior", true, "Précédent"},
        {nbNext, "nbNext", true, "Suivant"},     {nbLast, "nbLast", false, ""},
        {nbInsert, "nbInsert", true, "Nouveau"}, {nbDelete, "nbDelete", false, ""},
        {nbRefresh, "nbRefresh", false, ""},
    };
    for (const auto& c : cases) {
        QToolButton* button = Navigator.findChild<QToolButton*>(QLatin1String(c.name));
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button, Navigator.Button(c.button)) << c.name;
        EXPECT_EQ(button->isVisible(), c.visible) << c.name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(c.hint)) << c.name;
        EXPECT_TRUE(button->autoRaise()) << c.name;
    }
}

TEST_F(DBNavigatorTest, RefreshReadsWhatAnotherProgramWroteAndKeepsTheRow) {
    Table.SetRecNo(1);
    ExecSql(FileName, QStringLiteral("UPDATE T SET NOM = 'Moreau' WHERE NOM = 'Martin'"));
    Click(TNavigateBtn::nbRefresh);
    EXPECT_EQ(Table.RecNo(), 1);
    EXPECT_EQ(Table.FieldByName(QStringLiteral("NOM"))->AsString(), QStringLiteral("Moreau"));
}

TEST_F(DBNavigatorTest, AFailedActionIsShownAndTheHandlerIsNotCalled) {
    Click(TNavigateBtn::nbEdit);
    Table.FieldByName(QStringLiteral("MONTANT"))->SetAsFloat(-1);
    Clicks.clear();
    Click(TNavigateBtn::nbPost);
    EXPECT_TRUE(Clicks.isEmpty());
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_EQ(Answers.Messages()[0].Type, TMsgDlgType::Error);
    EXPECT_EQ(Table.State(), TDataSetState::Edit);
}

// The buttons never take the focus, yet a cell being typed in a grid must reach the record before
// the navigator acts on it.
class DBNavigatorWithGridTest : public SampleTable {
protected:
    void SetUp() override {
        SampleTable::SetUp();
        auto* layout = new QVBoxLayout(&Window);
        Navigator = new TDBNavigator(&Window);
        Grid = new TDBGrid(&Window);
        layout->addWidget(Navigator);
        layout->addWidget(Grid);
        Navigator->SetDataSource(&Source);
        Grid->SetDataSource(&Source);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Grid->setFocus();
        for (const char key : {'Z', 'e', 'd'})
            QTest::keyClick(QApplication::focusWidget(), key);
        ASSERT_TRUE(CellEditorOpen());
    }
    void Click(TNavigateBtn button) {
        QTest::mouseClick(Navigator->Button(button), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    bool CellEditorOpen() const {
        const QWidget* focused = QApplication::focusWidget();
        return focused != Grid && Grid->isAncestorOf(focused);
    }

    QWidget Window;
    TDBNavigator* Navigator = nullptr;
    TDBGrid* Grid = nullptr;
};

TEST_F(DBNavigatorWithGridTest, MovingOnPostsTheTextOfAnOpenCellEditor) {
    Click(TNavigateBtn::nbNext);
    EXPECT_EQ(Table.RecNo(), 1);
    EXPECT_EQ(FileRows()[0][0].toString(), QStringLiteral("Zed"));
    EXPECT_EQ(Grid->currentIndex().row(), 1);
    EXPECT_TRUE(Grid->hasFocus());
}

TEST_F(DBNavigatorWithGridTest, CancelDropsTheTextOfAnOpenCellEditor) {
    Click(TNavigateBtn::nbCancel);
    EXPECT_FALSE(CellEditorOpen());
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(0, 0)).toString(), QStringLiteral("Dupont"));
    Click(TNavigateBtn::nbNext);
    EXPECT_EQ(FileRows()[0][0].toString(), QStringLiteral("Dupont"));
}
