#pragma once

class QUrl;

// Asks the desktop to open a link with the program the user chose for its kind (a "mailto:"
// link opens a new message). Whether a program was found is not reported: callers have no
// fallback to offer.
void ShellOpen(const QUrl& url);
