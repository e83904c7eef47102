#include "SampleTable.h"

#include "platform/ui/DBGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Counts how often the data set's cursor moves, to show that grid and data set do not echo each other.
class CursorMoves : public TDataSetObserver {
public:
    void DataEvent(TDataEvent event, int) override { Count += event == TDataEvent::CursorMoved ? 1 : 0; }
    int Count = 0;
};

// A shown, active window holding the grid and another control to move the focus to.
class DBGridTest : public SampleTable {
protected:
    void SetUp() override {
        SampleTable::SetUp();
        auto* layout = new QVBoxLayout(&Window);
        Grid = new TDBGrid(&Window);
        Other = new QLineEdit(&Window);
        layout->addWidget(Grid);
        layout->addWidget(Other);
        Grid->SetDataSource(&Source);
        Window.resize(500, 300);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Grid->setFocus();
        ASSERT_TRUE(Grid->hasFocus());
    }

    // Types plain ASCII into the current cell as a user would: the first key opens the editor, which then has
    // the focus and receives the rest.
    void Type(const QString& text) {
        for (const QChar character : text)
            QTest::keyClick(QApplication::focusWidget(), character.toLatin1());
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();
    }
    void ClickCell(int row, int column) {
        const QRect cell = Grid->visualRect(Grid->GridModel()->index(row, column));
        QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCoreApplication::processEvents();
    }
    bool Editing() const {
        return QApplication::focusWidget() != Grid && Grid->isAncestorOf(QApplication::focusWidget());
    }

    QWidget Window;
    TDBGrid* Grid = nullptr;
    QLineEdit* Other = nullptr;
};

} // namespace

TEST_F(DBGridTest, CurrentRowAndCursorFollowEachOtherWithoutEcho) {
    EXPECT_EQ(Grid->currentIndex().row(), 0);
    CursorMoves moves;
    Table.AddObserver(&moves);

    Table.SetRecNo(2);
    EXPECT_EQ(Grid->currentIndex().row(), 2);
    ClickCell(1, 1);
    EXPECT_EQ(Table.RecNo(), 1);
    EXPECT_EQ(Grid->currentIndex().column(), 1);
    Press(Qt::Key_Up);
    EXPECT_EQ(Table.RecNo(), 0);
    Table.Last();
    EXPECT_EQ(Grid->currentIndex(), Grid->GridModel()->index(2, 1));
    EXPECT_EQ(moves.Count, 4);
    Table.RemoveObserver(&moves);
}

TEST_F(DBGridTest, TheViewMakingRoomForARemovedRowDoesNotMoveTheCursor) {
    Table.SetRecNo(1);
    Table.Insert();
    ASSERT_EQ(Grid->currentIndex().row(), 1);
    Table.Cancel();
    EXPECT_EQ(Table.RecNo(), 1);
    EXPECT_EQ(Grid->currentIndex().row(), 1);
    EXPECT_EQ(Table.FieldByName(QStringLiteral("NOM"))->AsString(), QStringLiteral("Martin"));
}

TEST_F(DBGridTest, RowSelectSelectsTheWholeRowOfTheCursor) {
    Grid->SetRowSelect(true);
    Table.SetRecNo(1);
    EXPECT_TRUE(Grid->selectionModel()->isRowSelected(1, QModelIndex()));
    EXPECT_FALSE(Grid->selectionModel()->isRowSelected(0, QModelIndex()));
}

TEST_F(DBGridTest, TypingEditsInPlaceAndMovingToAnotherRowWritesTheFile) {
    Type(QStringLiteral("Bernard"));
    EXPECT_TRUE(Editing());
    Press(Qt::Key_Down);
    EXPECT_EQ(Table.RecNo(), 1);
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(FileRows()[0][0].toString(), QStringLiteral("Bernard"));
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(0, 0)).toString(), QStringLiteral("Bernard"));
}

TEST_F(DBGridTest, TabMovesFromCellToCellCarryingTheTypedText) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(Grid->currentIndex(), Grid->GridModel()->index(0, 1));
    Type(QStringLiteral("99"));
    Press(Qt::Key_Tab);
    EXPECT_EQ(Grid->currentIndex(), Grid->GridModel()->index(0, 2));
    EXPECT_EQ(Table.State(), TDataSetState::Edit);
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(0, 1)).toString(), QStringLiteral("99,00 €"));
    // Past the last column the next row begins, which posts the row left.
    Press(Qt::Key_Escape);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Grid->currentIndex(), Grid->GridModel()->index(1, 0));
    EXPECT_EQ(FileRows()[0][1].toLongLong(), 990000);
}

TEST_F(DBGridTest, DownFromTheLastRowOpensANewRowThatEscapeOrLeavingItEmptyCancels) {
    Table.Last();
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 4);
    EXPECT_EQ(Table.State(), TDataSetState::Insert);
    EXPECT_EQ(Grid->currentIndex().row(), 3);
    // An empty new row is not followed by another.
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 4);
    Press(Qt::Key_Escape);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 3);
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(Grid->currentIndex().row(), 2);

    Press(Qt::Key_Down);
    Press(Qt::Key_Up);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 3);
    EXPECT_EQ(Table.RecNo(), 2);
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(FileRows().size(), 3);
}

TEST_F(DBGridTest, DownFromATypedNewRowPostsItAndOpensTheNext) {
    Table.Last();
    Press(Qt::Key_Down);
    Type(QStringLiteral("Roux"));
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 5);
    EXPECT_EQ(Grid->currentIndex().row(), 4);
    EXPECT_EQ(FileRows().size(), 4);
    EXPECT_EQ(FileRows()[3][0].toString(), QStringLiteral("Roux"));
    Press(Qt::Key_Escape);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 4);
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(3, 0)).toString(), QStringLiteral("Roux"));
}

TEST_F(DBGridTest, EscapeInTheEditorRevertsTheCellAndASecondEscapeCancelsTheRow) {
    Press(Qt::Key_Tab);
    Type(QStringLiteral("5"));
    Press(Qt::Key_Tab);
    Type(QStringLiteral("01/01/2020"));
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Table.State(), TDataSetState::Edit);
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(0, 2)).toString(),
              QStringLiteral("15/03/2010"));
    Press(Qt::Key_Escape);
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(0, 1)).toString(), QStringLiteral("80,50 €"));
    EXPECT_EQ(FileRows()[0][1].toLongLong(), 805000);
}

TEST_F(DBGridTest, LeavingTheGridForAnotherControlPostsWhatWasTyped) {
    Type(QStringLiteral("Lebrun"));
    Other->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(FileRows()[0][0].toString(), QStringLiteral("Lebrun"));
}

TEST_F(DBGridTest, PostPendingEditLosesNothingOfAnOpenEditor) {
    Type(QStringLiteral("Lefort"));
    ASSERT_TRUE(Editing());
    EXPECT_TRUE(Grid->PostPendingEdit());
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(FileRows()[0][0].toString(), QStringLiteral("Lefort"));
}

TEST_F(DBGridTest, ARowTheFileRefusesStaysCurrentWithWhatWasTyped) {
    Press(Qt::Key_Tab);
    Type(QStringLiteral("-5"));
    ClickCell(2, 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_EQ(Answers.Messages()[0].Type, TMsgDlgType::Error);
    EXPECT_EQ(Table.RecNo(), 0);
    EXPECT_EQ(Table.State(), TDataSetState::Edit);
    EXPECT_EQ(Grid->currentIndex().row(), 0);
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(0, 1)).toString(), QStringLiteral("-5,00 €"));
    EXPECT_FALSE(Grid->PostPendingEdit());
    EXPECT_EQ(FileRows()[0][1].toLongLong(), 805000);
}

TEST_F(DBGridTest, CtrlDeleteAsksAndDeletesOnlyOnOk) {
    QList<int> replies{mrCancel, mrOk};
    Answers.OnMessage = [&replies](const TShownMessage&) { return replies.takeFirst(); };
    Table.SetRecNo(1);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(FileRows().size(), 3);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(FileRows().size(), 2);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 2);
    EXPECT_EQ(Grid->GridModel()->data(Grid->GridModel()->index(1, 0)).toString(), QStringLiteral("Petit"));
    ASSERT_EQ(Answers.Messages().size(), 2);
    EXPECT_EQ(Answers.Messages()[0].Text, QStringLiteral("Supprimer l'enregistrement ?"));
    EXPECT_EQ(Answers.Messages()[0].Title, QStringLiteral("Confirmation"));
    EXPECT_EQ(Answers.Messages()[0].Buttons, mbOK | mbCancel);
}

TEST_F(DBGridTest, AReadOnlyGridNeitherEditsNorAppendsNorDeletes) {
    Grid->SetReadOnly(true);
    Type(QStringLiteral("X"));
    EXPECT_FALSE(Editing());
    Table.Last();
    Press(Qt::Key_Down);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Grid->GridModel()->rowCount(), 3);
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_TRUE(Answers.Messages().isEmpty());
}

TEST_F(DBGridTest, ColumnWidthsApplyAndAZeroWidthHidesAColumnThatStays) {
    const TColumn name{.FieldName = QStringLiteral("NOM"), .Title = QStringLiteral("Nom"), .Width = 150};
    const TColumn amount{
        .FieldName = QStringLiteral("MONTANT"), .Title = QStringLiteral("Montant"), .Width = 0};
    const TColumn day{
        .FieldName = QStringLiteral("JOUR"), .Title = QStringLiteral("Jour"), .Width = 80, .Visible = false};
    Table.SetRecNo(1);
    Grid->SetColumns({name, amount, day});
    EXPECT_EQ(Grid->currentIndex().row(), 1);
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(Grid->GridModel()->columnCount(), 3);
        EXPECT_EQ(Grid->columnWidth(0), 150) << pass;
        EXPECT_TRUE(Grid->isColumnHidden(1)) << pass;
        EXPECT_TRUE(Grid->isColumnHidden(2)) << pass;
        EXPECT_FALSE(Grid->isColumnHidden(0)) << pass;
        Table.Close();
        Table.Open();
    }
}

TEST_F(DBGridTest, SelectionShowsWithoutTheFocusOnlyWhenAsked) {
    const QColor buttonFace = Grid->palette().color(QPalette::Button);
    Grid->SetColor(buttonFace);
    EXPECT_EQ(Grid->palette().color(QPalette::Active, QPalette::Base), buttonFace);
    // Without the option an unfocused selection is drawn as an ordinary cell of that colour.
    EXPECT_EQ(Grid->palette().color(QPalette::Inactive, QPalette::Highlight), buttonFace);
    Grid->SetAlwaysShowSelection(true);
    EXPECT_EQ(Grid->palette().color(QPalette::Inactive, QPalette::Highlight),
              Grid->palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(Grid->palette().color(QPalette::Active, QPalette::Base), buttonFace);
}
