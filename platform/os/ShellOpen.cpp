#include "platform/os/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

void ShellOpen(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
