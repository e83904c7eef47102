#pragma once

#include "platform/db/Field.h"

// The field type and size that a declared column type stands for: TEXT(N), INTEGER,
// DATETIME, CURRENCY; anything else reads as text (REAL and DOUBLE as floats).
struct TColumnType {
    TFieldType Type = TFieldType::String;
    int Size = 0;
};
TColumnType ColumnTypeFromDeclared(const QString& declaredType);

// Stored form of a value read from the file, and the value to write for a stored form.
QVariant StoredFromSqlite(const QVariant& raw, TFieldType type);
QVariant SqliteFromStored(const QVariant& stored, TFieldType type);
