#pragma once

#include <QString>

struct TDemoSummary {
    int Clients = 0;
    int Rooms = 0;
    int Periods = 0;
};

// Fills an empty database with a small lodging business: clients, rooms and three years of
// periods ending with the clock's current year. The same year always gives the same rows.
// Everything is written in one transaction: on failure (EDatabaseError) the file is left as it was.
TDemoSummary FillDemoDatabase(const QString& path);
