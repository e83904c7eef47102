#pragma once

#include <QString>
#include <functional>

class QTextStream;

// What a command of quimbels-admin returned and wrote on each of its two streams.
struct TCommandOutput {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

TCommandOutput Capture(const std::function<int(QTextStream& out, QTextStream& err)>& command);
