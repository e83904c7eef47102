#include "tools/AdminCommand.h"

#include "app/Constants.h"
#include "tools/CreateCommand.h"
#include "tools/SqlCommand.h"

#include <QTextStream>

namespace {

const QString UsageText =
    QStringLiteral("Usage : quimbels-admin COMMANDE [ARGUMENTS]\n"
                   "\n"
                   "Commandes :\n"
                   "  create [--demo] [FICHIER]\n"
                   "      Crée une base de données vide (par défaut Quimbels.mdb dans le dossier courant).\n"
                   "      Avec --demo, la remplit d'une petite activité de démonstration.\n"
                   "      Un fichier existant n'est jamais remplacé.\n"
                   "  sql \"REQUÊTE\"\n"
                   "      Exécute une requête SELECT sur Quimbels.mdb du dossier courant et affiche\n"
                   "      les noms des colonnes puis chaque ligne, valeurs séparées par des tabulations.\n"
                   "  --help\n"
                   "      Affiche cette aide.\n");

int UsageError(const QString& reason, QTextStream& err) {
    err << reason << "\n\n" << UsageText;
    err.flush();
    return AdminUsageError;
}

int Create(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    bool demo = false;
    QStringList files;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--demo"))
            demo = true;
        else if (argument.startsWith(QLatin1Char('-')))
            return UsageError(QStringLiteral("Option inconnue : %1").arg(argument), err);
        else
            files << argument;
    }
    if (files.size() > 1)
        return UsageError(QStringLiteral("La commande create n'accepte qu'un seul fichier."), err);
    return RunCreateCommand(files.value(0, Constants::DatabaseFileName), demo, out, err);
}

int Sql(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 1 || arguments.first().trimmed().isEmpty())
        return UsageError(QStringLiteral("La commande sql attend une seule requête, entre guillemets."), err);
    return RunSqlCommand(arguments.first(), out, err);
}

} // namespace

int RunAdminCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        return UsageError(QStringLiteral("Aucune commande indiquée."), err);
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << UsageText;
        out.flush();
        return AdminDone;
    }
    if (command == QLatin1String("create"))
        return Create(rest, out, err);
    if (command == QLatin1String("sql"))
        return Sql(rest, out, err);
    return UsageError(QStringLiteral("Commande inconnue : %1").arg(command), err);
}
