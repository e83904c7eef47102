#include "SqlFixture.h"

#include "about/AboutDlg.h"
#include "data/QuimbelDataModule.h"
#include "platform/os/Clock.h"
#include "platform/ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The about dialog over the data module of a small database, on 3 February 2011 at 09:05:07.
class Archiving : public testing::Test {
protected:
    void SetUp() override {
        Clock::SetFixed(QDateTime(QDate(2011, 2, 3), QTime(9, 5, 7)));
        DatabaseFolder = QDir::currentPath();
        CreateQuimbelsDatabase();
        ExecSql(
            QStringLiteral("Quimbels.mdb"),
            QStringLiteral(
                "INSERT INTO TClient (NOM) VALUES ('Dupont'), ('Martin');"
                "INSERT INTO TRoom VALUES ('12', NULL);"
                "INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2011-01-10', '2011-01-12', 0, 500000, NULL);"
                "INSERT INTO TPeriod VALUES (1, 'Martin', '12', '2011-01-20', '2011-01-22', 0, 0, NULL);"));
        Module = std::make_unique<TDataModuleQuimbel>();
        DataModuleQuimbel = Module.get();
        Dialog = std::make_unique<TFormAboutDlg>();
    }

    void TearDown() override {
        Dialog.reset();
        DataModuleQuimbel = nullptr;
        Module.reset();
    }

    // Archives, answering the save dialog with `answer`.
    void Archive(const QString& answer) {
        Answers.OnSaveFile = [answer](const TShownSaveDialog&) { return answer; };
        Dialog->SpeedButtonArchiver->click();
    }

    QString DatabaseFolder;
    TDialogAnswers Answers;
    std::unique_ptr<TDataModuleQuimbel> Module;
    std::unique_ptr<TFormAboutDlg> Dialog;
};

} // namespace

TEST_F(Archiving, ProposesTheDateAndTimeBesideTheDatabaseTheProgramOpened) {
    // The program was started elsewhere than where it now stands: the archive copies the file it opened.
    QDir().mkdir(QStringLiteral("elsewhere"));
    QDir::setCurrent(QStringLiteral("elsewhere"));
    Archive(DatabaseFolder + QStringLiteral("/110203_090507"));

    ASSERT_EQ(Answers.SaveDialogs().size(), 1);
    const TShownSaveDialog& shown = Answers.SaveDialogs()[0];
    EXPECT_EQ(shown.Title, QStringLiteral("Archivage des Donnees"));
    EXPECT_EQ(shown.Folder, DatabaseFolder);
    EXPECT_EQ(shown.ProposedName, QStringLiteral("110203_090507"));
    EXPECT_EQ(shown.Filter, QStringLiteral("Archives Quimbels (*.mdb)"));
    EXPECT_EQ(shown.DefaultSuffix, QStringLiteral("mdb"));
    EXPECT_TRUE(Answers.Messages().isEmpty());
    EXPECT_EQ(QuerySql(DatabaseFolder + QStringLiteral("/110203_090507.mdb"),
                       QStringLiteral("SELECT count(*) FROM TPeriod")),
              QList<QVariantList>({{2}}));
}

TEST_F(Archiving, CancellingCopiesNothingAndSaysNothing) {
    const QStringList before = FolderFiles(DatabaseFolder);
    Archive(QString());
    EXPECT_EQ(Answers.SaveDialogs().size(), 1);
    EXPECT_TRUE(Answers.Messages().isEmpty());
    EXPECT_EQ(FolderFiles(DatabaseFolder), before);
    EXPECT_TRUE(Module->ADOConnection.KeepConnection());
}

TEST_F(Archiving, AnExistingFileIsNeverReplacedAndTheFailureIsShown) {
    QFile existing(QStringLiteral("110203_090507.mdb"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("archive de la veille");
    existing.close();
    const QStringList before = FolderFiles(DatabaseFolder);

    Archive(QDir::current().absoluteFilePath(QStringLiteral("110203_090507.mdb")));

    ASSERT_EQ(Answers.Messages().size(), 1);
    const TShownMessage& message = Answers.Messages()[0];
    EXPECT_EQ(message.Text, QStringLiteral("L'archivage a échoué."));
    EXPECT_EQ(message.Title, QStringLiteral("Erreur"));
    EXPECT_EQ(message.Type, TMsgDlgType::Error);
    EXPECT_EQ(message.Buttons, static_cast<int>(mbOK));
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("archive de la veille"));
    EXPECT_EQ(FolderFiles(DatabaseFolder), before);
    EXPECT_TRUE(Module->ADOConnection.KeepConnection());
}

TEST_F(Archiving, AnArchiveMadeRightAfterAnEditHoldsItAndOpensInBothProgramsAndTheShell) {
    TDataSet& periods = Module->ADOTablePeriod;
    periods.First();
    periods.Edit();
    periods.FieldByName(QStringLiteral("NOTE"))->SetAsString(QStringLiteral("Arrivée tardive"));
    periods.Post();
    Module->ADOTableClient.AppendRecord({QStringLiteral("Bernard")});

    Archive(QDir::current().absoluteFilePath(QStringLiteral("archive.mdb")));
    EXPECT_TRUE(Answers.Messages().isEmpty());
    EXPECT_TRUE(Module->ADOConnection.KeepConnection());

    EXPECT_EQ(Shell(QStringLiteral("archive.mdb"), QStringLiteral("SELECT count(*) FROM TPeriod")),
              QStringLiteral("2"));
    EXPECT_EQ(
        Shell(QStringLiteral("archive.mdb"), QStringLiteral("SELECT NOTE FROM TPeriod WHERE IDPERIODE = 0")),
        QStringLiteral("Arrivée tardive"));
    EXPECT_EQ(Shell(QStringLiteral("archive.mdb"), QStringLiteral("SELECT group_concat(NOM) FROM TClient")),
              QStringLiteral("Dupont,Martin,Bernard"));

    // The program itself opens the archive as its database.
    Dialog.reset();
    DataModuleQuimbel = nullptr;
    Module.reset();
    QDir().mkdir(QStringLiteral("restored"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("archive.mdb"), QStringLiteral("restored/Quimbels.mdb")));
    QDir::setCurrent(QStringLiteral("restored"));
    TDataModuleQuimbel restored;
    EXPECT_EQ(restored.ADOTablePeriod.RecordCount(), 2);
    EXPECT_EQ(restored.ADOTableClient.RecordCount(), 3);
}
