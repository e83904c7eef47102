#pragma once

#include <QString>
#include <utility>
#include <vector>

class TADOQuery;
class TDataModuleQuimbel;

// The engine side of the benchmarks: the data module, and queries run the way the main window
// runs them.
namespace BenchEngine {

// A data module over the file of this size, made once and kept while the benchmarks ask for
// the same size: making one reads every row, which would drown a short measurement.
TDataModuleQuimbel& SharedModule(int periodCount);
void ReleaseSharedModule();

// Close, new text, open: what the main window does for every query it runs.
void RunQuery(TADOQuery& query, const QString& sql);

// A template of app/Constants.h with each of its quoted placeholders replaced.
QString Filled(const QString& templateText, const std::vector<std::pair<QString, QString>>& values);

} // namespace BenchEngine
