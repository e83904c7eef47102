#include "tools/SqlCommand.h"

#include "data/QuimbelDataModule.h"
#include "platform/Error.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "tools/AdminCommand.h"

#include <QTextStream>

namespace {

// One row per line, one value per tab: a tab, a line break or a backslash inside a value is
// written as an escape so that a note of several lines keeps the table readable.
QString Escaped(const QString& value) {
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            text += QLatin1String("\\\\");
        else if (c == QLatin1Char('\t'))
            text += QLatin1String("\\t");
        else if (c == QLatin1Char('\n'))
            text += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            text += QLatin1String("\\r");
        else
            text += c;
    }
    return text;
}

QString Line(const QStringList& values) {
    return values.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

} // namespace

int RunSqlCommand(const QString& statement, QTextStream& out, QTextStream& err) {
    try {
        TADOConnection connection;
        connection.SetConnectionString(TDataModuleQuimbel::ConnectionText());
        TADOQuery query;
        query.SetConnection(&connection);
        query.SQL << statement;
        query.Open();

        QStringList names;
        for (int i = 0; i < query.FieldCount(); ++i)
            names << Escaped(query.Field(i)->FieldName());
        QString table = Line(names);
        for (query.First(); !query.Eof(); query.Next()) {
            QStringList values;
            for (int i = 0; i < query.FieldCount(); ++i)
                values << Escaped(query.Field(i)->DisplayText());
            table += Line(values);
        }
        // Written only once whole, so that a failure never leaves half a table on the output.
        out << table;
        out.flush();
        return AdminDone;
    } catch (const EQuimbelsError& error) {
        err << error.Text() << '\n';
        err.flush();
        return AdminFailed;
    }
}
