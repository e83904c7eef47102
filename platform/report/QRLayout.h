#pragma once

#include "platform/report/QRPageModel.h"

class TQuickRep;

// Lays a report out into pages. The data set is walked from its first row to its end, which
// leaves it on its last row; its bound controls are not suspended. Each page starts with the page
// header bands, and a detail band that does not fit in the rest of a page opens the next one.
TQRDocument LayOutReport(TQuickRep& report);
