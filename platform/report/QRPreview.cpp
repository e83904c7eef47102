#include "platform/report/QRPreview.h"

#include "platform/report/QRPainter.h"
#include "platform/report/QRPdfWriter.h"
#include "platform/ui/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString SavePdfTitle = QStringLiteral("Enregistrer en PDF");

} // namespace

TQRPreview::TQRPreview(TQRDocument document, QPrinter* printer, QWidget* parent)
    : QPrintPreviewDialog(printer, parent), FDocument(std::move(document)) {
    setObjectName(QStringLiteral("QRPreview"));
    setWindowTitle(QStringLiteral("Aperçu avant impression - ") + FDocument.Title);
    SetUpPrinter(*printer, FDocument);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &TQRPreview::PaintPages);

    ActionSavePdf = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                QStringLiteral("Enregistrer en PDF..."), this);
    ActionSavePdf->setObjectName(QStringLiteral("ActionSavePdf"));
    // A button shows an action's text without its ellipsis unless told otherwise.
    ActionSavePdf->setIconText(ActionSavePdf->text());
    connect(ActionSavePdf, &QAction::triggered, this, &TQRPreview::SaveAsPdf);
    QToolBar* toolBar = findChild<QToolBar*>();
    auto* button = new QToolButton(toolBar);
    button->setObjectName(QStringLiteral("ButtonSavePdf"));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setDefaultAction(ActionSavePdf);
    toolBar->addSeparator();
    toolBar->addWidget(button);
}

void TQRPreview::PaintPages(QPrinter* printer) {
    PaintReport(*printer, FDocument);
}

void TQRPreview::SaveAsPdf() {
    const QString path =
        SaveFileName(this, SavePdfTitle, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                     FDocument.Title + QStringLiteral(".pdf"), QStringLiteral("Documents PDF (*.pdf)"),
                     QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        MessageBox(this,
                   QStringLiteral("Le fichier « %1 » existe déjà. Voulez-vous le remplacer ?")
                       .arg(QFileInfo(path).fileName()),
                   SavePdfTitle, TMsgDlgType::Confirmation, mbYes | mbNo) != mrYes)
        return;
    WriteReportPdf(FDocument, path);
}
