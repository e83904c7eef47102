#include "CommandOutput.h"

#include <QTextStream>

TCommandOutput Capture(const std::function<int(QTextStream& out, QTextStream& err)>& command) {
    TCommandOutput output;
    QTextStream out(&output.Out);
    QTextStream err(&output.Err);
    output.ExitCode = command(out, err);
    out.flush();
    err.flush();
    return output;
}
