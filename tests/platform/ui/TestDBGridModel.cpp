#include "SampleTable.h"
#include "SqlFixture.h"

#include "platform/ui/DBGridModel.h"

#include <QApplication>
#include <QBrush>
#include <QSet>
#include <QSignalSpy>

namespace {

class DBGridModelTest : public SampleTable {
protected:
    void SetUp() override {
        SampleTable::SetUp();
        Model.SetDataSource(&Source);
    }
    QString Text(int row, int column) const { return Model.data(Model.index(row, column)).toString(); }
    QString Mark(int row) const { return Model.headerData(row, Qt::Vertical).toString(); }
    static QSet<int> RepaintedRows(const QSignalSpy& headers) {
        QSet<int> rows;
        for (const QList<QVariant>& signal : headers)
            if (signal[0].value<Qt::Orientation>() == Qt::Vertical)
                for (int row = signal[1].toInt(); row <= signal[2].toInt(); ++row)
                    rows.insert(row);
        return rows;
    }

    TDBGridModel Model;
};

} // namespace

TEST_F(DBGridModelTest, ShowsEachFieldsDisplayTextUnderItsNameWithoutMovingTheCursor) {
    ASSERT_EQ(Model.rowCount(), 3);
    ASSERT_EQ(Model.columnCount(), 3);
    EXPECT_EQ(Model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("NOM"));
    EXPECT_EQ(Model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("MONTANT"));
    EXPECT_EQ(Model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("JOUR"));
    const struct {
        int row, column;
        const char* text;
    } cells[] = {
        {0, 0, "Dupont"},    {0, 1, "80,50 €"},    {0, 2, "15/03/2010"}, {1, 0, "Martin"},
        {1, 1, "1200,00 €"}, {1, 2, "01/12/2011"}, {2, 1, ""},           {2, 2, ""},
    };
    for (const auto& cell : cells)
        EXPECT_EQ(Text(cell.row, cell.column), QString::fromUtf8(cell.text))
            << cell.row << "," << cell.column;
    // The editor receives the plain value, not the formatted amount.
    EXPECT_EQ(Model.data(Model.index(0, 1), Qt::EditRole).toString(), QStringLiteral("80,5"));
    EXPECT_EQ(Model.data(Model.index(0, 1), Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(Model.data(Model.index(0, 0), Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_EQ(Table.RecNo(), 0);
}

TEST_F(DBGridModelTest, RowsFollowAppendCancelInsertAndDelete) {
    QSignalSpy inserted(&Model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&Model, &QAbstractItemModel::rowsRemoved);

    Table.Append();
    EXPECT_EQ(Model.rowCount(), 4);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 3);
    Table.Cancel();
    EXPECT_EQ(Model.rowCount(), 3);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 3);

    Table.SetRecNo(1);
    Table.Insert();
    EXPECT_EQ(inserted.last()[1].toInt(), 1);
    EXPECT_EQ(Text(1, 0), QString());
    EXPECT_EQ(Text(2, 0), QStringLiteral("Martin"));
    Table.Cancel();

    Table.SetRecNo(0);
    Table.Delete();
    EXPECT_EQ(Model.rowCount(), 2);
    EXPECT_EQ(removed.last()[1].toInt(), 0);
    EXPECT_EQ(Text(0, 0), QStringLiteral("Martin"));
    EXPECT_EQ(FileRows().size(), 2);
}

TEST_F(DBGridModelTest, AnEditThroughTheModelReachesTheFileWhenTheRowIsLeft) {
    ASSERT_TRUE(Model.setData(Model.index(1, 0), QStringLiteral("Durand")));
    ASSERT_TRUE(Model.setData(Model.index(1, 1), QStringLiteral("12,5")));
    EXPECT_EQ(Table.RecNo(), 1);
    EXPECT_EQ(Table.State(), TDataSetState::Edit);
    EXPECT_EQ(Text(1, 0), QStringLiteral("Durand"));
    EXPECT_EQ(Text(1, 1), QStringLiteral("12,50 €"));
    EXPECT_EQ(FileRows()[1][0].toString(), QStringLiteral("Martin"));

    // Another row's edit first posts the pending one, as moving to that row does.
    ASSERT_TRUE(Model.setData(Model.index(0, 2), QStringLiteral("16/03/2010")));
    EXPECT_EQ(FileRows()[1],
              (QVariantList{QStringLiteral("Durand"), qint64(125000), QStringLiteral("2011-12-01")}));
    Table.SetRecNo(2);
    EXPECT_EQ(FileRows()[0][2].toString(), QStringLiteral("2010-03-16"));
}

TEST_F(DBGridModelTest, AnUnchangedCellLeavesTheRowUntouched) {
    QSignalSpy changed(&Model, &QAbstractItemModel::dataChanged);
    // An editor closed untouched hands back the text it was given.
    const QModelIndex amount = Model.index(1, 1);
    ASSERT_TRUE(Model.setData(amount, Model.data(amount, Qt::EditRole)));
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(Table.RecNo(), 0);
    EXPECT_EQ(changed.size(), 0);
}

TEST_F(DBGridModelTest, ARefusedValueIsShownAsAnErrorAndNotStored) {
    EXPECT_FALSE(Model.setData(Model.index(0, 2), QStringLiteral("31/02/2010")));
    ASSERT_EQ(Answers.Messages().size(), 1);
    const TShownMessage& message = Answers.Messages()[0];
    EXPECT_EQ(message.Text,
              QStringLiteral("'31/02/2010' ne correspond pas à une date et une heure correctes"));
    EXPECT_EQ(message.Title, QApplication::applicationDisplayName());
    EXPECT_EQ(message.Type, TMsgDlgType::Error);
    EXPECT_EQ(message.Buttons, mbOK);
    EXPECT_EQ(Text(0, 2), QStringLiteral("15/03/2010"));
}

TEST_F(DBGridModelTest, TheRowIndicatorMarksTheCurrentRowByState) {
    QSignalSpy headers(&Model, &QAbstractItemModel::headerDataChanged);
    EXPECT_EQ(Mark(0), TDBGridModel::BrowseMark);
    EXPECT_EQ(Mark(1), QString());

    Table.SetRecNo(2);
    EXPECT_EQ(Mark(0), QString());
    EXPECT_EQ(Mark(2), TDBGridModel::BrowseMark);
    // Both the row left and the row reached are repainted, however far apart.
    EXPECT_EQ(RepaintedRows(headers), (QSet<int>{0, 2}));

    Table.Edit();
    EXPECT_EQ(Mark(2), TDBGridModel::EditMark);
    Table.Cancel();
    Table.Append();
    EXPECT_EQ(Mark(3), TDBGridModel::InsertMark);
    EXPECT_EQ(Mark(2), QString());

    // A row inserted above the marked one pushes the mark to clear one row down.
    Table.Cancel();
    Table.SetRecNo(1);
    headers.clear();
    Table.Insert();
    EXPECT_EQ(RepaintedRows(headers), (QSet<int>{1, 2}));
    EXPECT_EQ(Mark(2), QString());
}

TEST_F(DBGridModelTest, DisabledControlsHearNothingUntilEnabledAgain) {
    QSignalSpy reset(&Model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&Model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&Model, &QAbstractItemModel::dataChanged);
    QSignalSpy headers(&Model, &QAbstractItemModel::headerDataChanged);

    Table.DisableControls();
    Table.AppendRecord({QStringLiteral("Roux"), 10.0});
    Table.AppendRecord({QStringLiteral("Blanc"), 20.0});
    Table.Last();
    EXPECT_EQ(Model.rowCount(), 3);
    EXPECT_EQ(reset.size() + inserted.size() + changed.size() + headers.size(), 0);

    Table.EnableControls();
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(Model.rowCount(), 5);
    EXPECT_EQ(Text(4, 0), QStringLiteral("Blanc"));
    EXPECT_EQ(Mark(4), TDBGridModel::BrowseMark);
}

TEST_F(DBGridModelTest, DefaultColumnsAreMadeAgainAtEachOpen) {
    Table.Close();
    EXPECT_EQ(Model.rowCount(), 0);
    EXPECT_EQ(Model.columnCount(), 0);
    ExecSql(FileName, QStringLiteral("ALTER TABLE T ADD COLUMN NOTE TEXT(10)"));
    Table.Open();
    ASSERT_EQ(Model.columnCount(), 4);
    EXPECT_EQ(Model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("NOTE"));
    EXPECT_EQ(Model.rowCount(), 3);
}

TEST_F(DBGridModelTest, ExplicitColumnsChooseFieldsTitlesAlignmentAndColoursAndOutliveReopening) {
    TColumn day;
    day.FieldName = QStringLiteral("JOUR");
    day.Title = QStringLiteral("Jour");
    day.Alignment = Qt::AlignCenter;
    day.Color = Qt::red;
    day.TitleColor = Qt::blue;
    TColumn name;
    name.FieldName = QStringLiteral("nom");
    name.Title = QStringLiteral("Nom");
    TColumn missing;
    missing.FieldName = QStringLiteral("ABSENT");
    Model.SetColumns({day, name, missing});

    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(Model.columnCount(), 3) << pass;
        EXPECT_EQ(Model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Jour"));
        EXPECT_EQ(Model.headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
                  QColor(Qt::blue));
        EXPECT_EQ(Text(0, 0), QStringLiteral("15/03/2010"));
        EXPECT_EQ(Text(1, 1), QStringLiteral("Martin"));
        EXPECT_EQ(Text(0, 2), QString());
        EXPECT_EQ(Model.data(Model.index(0, 0), Qt::TextAlignmentRole).toInt(),
                  static_cast<int>(Qt::AlignCenter));
        EXPECT_EQ(Model.data(Model.index(0, 0), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        EXPECT_FALSE(Model.data(Model.index(0, 1), Qt::ForegroundRole).isValid());
        EXPECT_FALSE(Model.flags(Model.index(0, 2)) & Qt::ItemIsEditable);
        Table.Close();
        Table.Open();
    }
}

TEST_F(DBGridModelTest, AReadOnlyModelRefusesEdits) {
    EXPECT_TRUE(Model.flags(Model.index(0, 0)) & Qt::ItemIsEditable);
    Model.SetReadOnly(true);
    EXPECT_FALSE(Model.flags(Model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(Model.setData(Model.index(0, 0), QStringLiteral("Autre")));
    EXPECT_EQ(Table.State(), TDataSetState::Browse);
    EXPECT_EQ(Text(0, 0), QStringLiteral("Dupont"));
}
