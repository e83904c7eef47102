#include "tools/CreateCommand.h"

#include "data/Schema.h"
#include "platform/Error.h"
#include "tools/AdminCommand.h"
#include "tools/DemoData.h"

#include <QFile>
#include <QTextStream>

int RunCreateCommand(const QString& path, bool demo, QTextStream& out, QTextStream& err) {
    try {
        CreateEmptyDatabase(path);
    } catch (const EQuimbelsError& error) {
        err << error.Text() << '\n';
        err.flush();
        return AdminFailed;
    }
    if (!demo) {
        out << QStringLiteral("Base de données « %1 » créée.").arg(path) << '\n';
        out.flush();
        return AdminDone;
    }
    try {
        const TDemoSummary summary = FillDemoDatabase(path);
        out << QStringLiteral("Base de données « %1 » créée avec %2 clients, %3 chambres et %4 périodes de "
                              "démonstration.")
                   .arg(path)
                   .arg(summary.Clients)
                   .arg(summary.Rooms)
                   .arg(summary.Periods)
            << '\n';
        out.flush();
        return AdminDone;
    } catch (const EQuimbelsError& error) {
        // The file was made by this command a moment ago: an empty database would pass for a demonstration
        // one.
        QFile::remove(path);
        err << error.Text() << '\n'
            << QStringLiteral("La base de données « %1 » n'a pas été créée.").arg(path) << '\n';
        err.flush();
        return AdminFailed;
    }
}
