#include "SqlFixture.h"

#include "app/Quimbels.h"
#include "app/Startup.h"
#include "about/AboutDlg.h"
#include "data/QuimbelDataModule.h"
#include "reports/ReportClientDlg.h"
#include "statements/ReportBilanDlg.h"
#include "platform/os/SingleInstanceLock.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

class Startup : public testing::Test {
protected:
    void SetUp() override { QApplication::setApplicationDisplayName(QStringLiteral("Vorandel")); }
    TDialogAnswers Answers;
};

} // namespace

TEST_F(Startup, WithoutADatabaseOneMessageSaysHowToCreateOneAndNoWindowRemains) {
    TQuimbelsObjects objects;
    EXPECT_FALSE(CreateQuimbelsObjects(objects));
    ASSERT_EQ(Answers.Messages().size(), 1);
    EXPECT_TRUE(Answers.Messages()[0].Text.contains(QStringLiteral("quimbels-admin create")));
    EXPECT_EQ(Answers.Messages()[0].Title, QStringLiteral("Vorandel"));
    EXPECT_EQ(Answers.Messages()[0].Type, TMsgDlgType::Error);
    EXPECT_EQ(objects.FormMainQuimbel, nullptr);
    EXPECT_EQ(objects.FormReportClient, nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TFormMainQuimbel*>(widget), nullptr);
}

TEST_F(Startup, CreatesTheMainWindowThenTheDataModuleBoundToIt) {
    CreateQuimbelsDatabase();
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("INSERT INTO TClient (NOM) VALUES ('Dupont')"));
    {
        TQuimbelsObjects objects;
        ASSERT_TRUE(CreateQuimbelsObjects(objects));
        EXPECT_EQ(DataModuleQuimbel, objects.DataModule.get());
        EXPECT_EQ(FormAboutDlg, objects.FormAboutDlg.get());
        EXPECT_EQ(FormReportBilan, objects.FormReportBilan.get());
        EXPECT_EQ(objects.FormMainQuimbel->DataSourceClient.DataSet(), &objects.DataModule->ADOTableClient);
        EXPECT_TRUE(Answers.Messages().isEmpty());
    }
    EXPECT_EQ(DataModuleQuimbel, nullptr);
    EXPECT_EQ(FormReportClient, nullptr);
    EXPECT_EQ(FormAboutDlg, nullptr);
}

TEST_F(Startup, ASecondStartWhileOneRunsEndsAtOnceWithCodeZero) {
    TSingleInstanceLock running(QStringLiteral("QUIMBEL_APPLI"));
    ASSERT_TRUE(running.Acquire());
    // No database here: a start that went further would show a message and wait for it.
    QProcess second;
    second.start(QStringLiteral(QUIMBELS_EXECUTABLE), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
}
