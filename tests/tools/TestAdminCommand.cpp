#include "CommandOutput.h"
#include "SqlFixture.h"

#include "platform/os/Clock.h"
#include "tools/AdminCommand.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TCommandOutput Admin(const QStringList& arguments) {
    return Capture([&](QTextStream& out, QTextStream& err) { return RunAdminCommand(arguments, out, err); });
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList DatabaseFiles() {
    return QDir::current().entryList({QStringLiteral("*.mdb"), QStringLiteral(".*.tmp")},
                                     QDir::Files | QDir::Hidden, QDir::Name);
}

struct TUsageCase {
    QStringList Arguments;
    QString Reason;
};

} // namespace

TEST(AdminCommand, WrongUsageShowsTheReasonAndTheUsageAndDoesNothing) {
    const TUsageCase cases[] = {
        {{}, QStringLiteral("Aucune commande indiquée.")},
        {{QStringLiteral("drop")}, QStringLiteral("Commande inconnue : drop")},
        {{QStringLiteral("create"), QStringLiteral("--force")}, QStringLiteral("Option inconnue : --force")},
        {{QStringLiteral("create"), QStringLiteral("a.mdb"), QStringLiteral("b.mdb")},
         QStringLiteral("La commande create n'accepte qu'un seul fichier.")},
        {{QStringLiteral("sql")},
         QStringLiteral("La commande sql attend une seule requête, entre guillemets.")},
        {{QStringLiteral("sql"), QStringLiteral("SELECT NOM"), QStringLiteral("FROM TClient")},
         QStringLiteral("La commande sql attend une seule requête, entre guillemets.")},
        {{QStringLiteral("sql"), QStringLiteral("  ")},
         QStringLiteral("La commande sql attend une seule requête, entre guillemets.")},
    };
    for (const TUsageCase& usage : cases) {
        SCOPED_TRACE(usage.Arguments.join(QLatin1Char(' ')).toStdString());
        const TCommandOutput output = Admin(usage.Arguments);
        EXPECT_EQ(output.ExitCode, AdminUsageError);
        EXPECT_TRUE(output.Err.startsWith(usage.Reason + QStringLiteral("\n\nUsage : quimbels-admin ")))
            << output.Err.toStdString();
        EXPECT_EQ(output.Out, QString());
        EXPECT_EQ(DatabaseFiles(), QStringList());
    }
}

TEST(AdminCommand, HelpGoesToTheStandardOutput) {
    const TCommandOutput output = Admin({QStringLiteral("--help")});
    EXPECT_EQ(output.ExitCode, AdminDone);
    EXPECT_TRUE(output.Out.startsWith(QStringLiteral("Usage : quimbels-admin ")));
    EXPECT_TRUE(output.Out.contains(QStringLiteral("create [--demo] [FICHIER]")));
    EXPECT_EQ(output.Err, QString());
}

TEST(AdminCommand, CreateMakesAnEmptyDatabaseOrADemonstrationOne) {
    Clock::SetFixed(QDateTime(QDate(2024, 6, 15), QTime(9, 30)));
    struct TCreateCase {
        QStringList Arguments;
        QString File;
        bool Demo;
    };
    const TCreateCase cases[] = {
        {{QStringLiteral("create")}, QStringLiteral("Quimbels.mdb"), false},
        {{QStringLiteral("create"), QStringLiteral("Essai.mdb")}, QStringLiteral("Essai.mdb"), false},
        {{QStringLiteral("create"), QStringLiteral("--demo")}, QStringLiteral("Quimbels.mdb"), true},
        {{QStringLiteral("create"), QStringLiteral("Démo.mdb"), QStringLiteral("--demo")},
         QStringLiteral("Démo.mdb"),
         true},
    };
    for (const TCreateCase& create : cases) {
        SCOPED_TRACE(create.Arguments.join(QLatin1Char(' ')).toStdString());
        const TCommandOutput output = Admin(create.Arguments);
        EXPECT_EQ(output.ExitCode, AdminDone);
        EXPECT_EQ(output.Err, QString());
        EXPECT_TRUE(output.Out.startsWith(QStringLiteral("Base de données « %1 » créée").arg(create.File)))
            << output.Out.toStdString();
        EXPECT_EQ(DatabaseFiles(), QStringList{create.File});
        const qint64 clients =
            QuerySql(create.File, QStringLiteral("SELECT count(*) FROM TClient")).at(0).at(0).toLongLong();
        const qint64 periods =
            QuerySql(create.File, QStringLiteral("SELECT count(*) FROM TPeriod")).at(0).at(0).toLongLong();
        if (create.Demo) {
            EXPECT_GT(clients, 0);
            EXPECT_TRUE(output.Out.contains(QStringLiteral("%1 clients").arg(clients)))
                << output.Out.toStdString();
            EXPECT_TRUE(output.Out.contains(QStringLiteral("%1 périodes").arg(periods)))
                << output.Out.toStdString();
        } else {
            EXPECT_EQ(clients + periods, 0);
        }
        QFile::remove(create.File);
    }
}

TEST(AdminCommand, CreateNeverTouchesAnExistingFile) {
    const QByteArray notADatabase("Mes comptes de 1998\n");
    CreateQuimbelsDatabase(QStringLiteral("Plein.mdb"));
    ExecSql(QStringLiteral("Plein.mdb"), QStringLiteral("INSERT INTO TClient (NOM) VALUES ('Lefèvre')"));
    QFile text(QStringLiteral("Quimbels.mdb"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(notADatabase);
    text.close();
    const QByteArray fullBytes = FileBytes(QStringLiteral("Plein.mdb"));

    const QStringList cases[] = {
        {QStringLiteral("create")},
        {QStringLiteral("create"), QStringLiteral("--demo")},
        {QStringLiteral("create"), QStringLiteral("Plein.mdb")},
        {QStringLiteral("create"), QStringLiteral("--demo"), QStringLiteral("Plein.mdb")},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const TCommandOutput output = Admin(arguments);
        EXPECT_EQ(output.ExitCode, AdminFailed);
        EXPECT_TRUE(output.Err.contains(QStringLiteral("existe déjà"))) << output.Err.toStdString();
        EXPECT_EQ(output.Out, QString());
    }
    EXPECT_EQ(FileBytes(QStringLiteral("Quimbels.mdb")), notADatabase);
    EXPECT_EQ(FileBytes(QStringLiteral("Plein.mdb")), fullBytes);
    EXPECT_EQ(DatabaseFiles(), (QStringList{QStringLiteral("Plein.mdb"), QStringLiteral("Quimbels.mdb")}));
}

TEST(AdminCommand, CreateInAMissingFolderFailsWithAFrenchText) {
    const TCommandOutput output =
        Admin({QStringLiteral("create"), QStringLiteral("--demo"), QStringLiteral("absent/Quimbels.mdb")});
    EXPECT_EQ(output.ExitCode, AdminFailed);
    EXPECT_TRUE(output.Err.contains(QStringLiteral("n'existe pas"))) << output.Err.toStdString();
    EXPECT_FALSE(QDir(QStringLiteral("absent")).exists());
}
