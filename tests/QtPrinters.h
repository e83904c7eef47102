#pragma once

// Lets GoogleTest print Qt values as text in its failure messages; included in every test.
#include <QString>
#include <QVariant>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QVariant& value, std::ostream* out) {
    *out << (value.isNull() ? std::string("NULL") : value.toString().toStdString());
}
