#include "platform/report/QuickRep.h"

#include "platform/report/QRLayout.h"
#include "platform/report/QRPreview.h"
#include "platform/ui/Dialogs.h"

#include <QPrinter>

TQuickRep::TQuickRep(QObject* owner, const QString& name)
    : QObject(owner), Font(QStringLiteral("Arial"), 10) {
    setObjectName(name);
}

TQuickRep::~TQuickRep() = default;

TQRDocument TQuickRep::Prepare() {
    return LayOutReport(*this);
}

void TQuickRep::PreviewModal(QWidget* parent) {
    Preview(parent, true);
}

void TQuickRep::PreviewModeless(QWidget* parent) {
    Preview(parent, false);
}

QPrinter& TQuickRep::Printer() {
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

void TQuickRep::Preview(QWidget* parent, bool modal) {
    if (FOpenPreview) {
        FOpenPreview->raise();
        FOpenPreview->activateWindow();
        return;
    }
    // The parent may go while the preview is open, taking its child along: hold it by a guard.
    const QPointer<TQRPreview> preview = new TQRPreview(Prepare(), &Printer(), parent);
    FOpenPreview = preview.data();
    ShowPreview(preview, modal);
    delete preview.data();
}
