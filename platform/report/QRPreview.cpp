#include "platform/report/QRPreview.h"

#include "platform/report/QRPageView.h"
#include "platform/report/QRPainter.h"
#include "platform/report/QRPdfWriter.h"
#include "platform/ui/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

const QString SavePdfTitle = QStringLiteral("Enregistrer en PDF");

// The zooms the buttons step through; fitting the page to the window stays within them too.
constexpr std::array<double, 7> ZoomSteps = {0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0};
// Gray shown around the page, in pixels.
constexpr int PageMargin = 10;

bool IsBelow(double zoom, double than) {
    return zoom < than && !qFuzzyCompare(zoom, than);
}

// The zoom at which the page fills this many pixels, kept within the steps.
double FittingZoom(double available, double paperPixels) {
    return std::clamp((available - 2 * PageMargin) / paperPixels, ZoomSteps.front(), ZoomSteps.back());
}

} // namespace

TQRPreview::TQRPreview(TQRDocument document, QPrinter* printer, QWidget* parent)
    : QDialog(parent), FDocument(std::move(document)), FPrinter(printer) {
    setObjectName(QStringLiteral("QRPreview"));
    setWindowTitle(QStringLiteral("Aperçu avant impression - ") + FDocument.Title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    SetUpPrinter(*FPrinter, FDocument);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBarPreview"));
    const auto addTo = [toolBar](QAction* action) {
        toolBar->addAction(action);
        return action;
    };

    ActionFirstPage = addTo(AddAction(QStringLiteral("ActionFirstPage"), QStringLiteral("Première page"),
                                      style()->standardIcon(QStyle::SP_MediaSkipBackward),
                                      QKeySequence(Qt::CTRL | Qt::Key_Home)));
    ActionPreviousPage = addTo(
        AddAction(QStringLiteral("ActionPreviousPage"), QStringLiteral("Page précédente"),
                  style()->standardIcon(QStyle::SP_MediaSeekBackward), QKeySequence::MoveToPreviousPage));
    SpinBoxPage = new QSpinBox(toolBar);
    SpinBoxPage->setObjectName(QStringLiteral("SpinBoxPage"));
    SpinBoxPage->setRange(1, std::max(1, PageCount()));
    SpinBoxPage->setPrefix(QStringLiteral("Page "));
    SpinBoxPage->setSuffix(QStringLiteral(" / %1").arg(PageCount()));
    SpinBoxPage->setButtonSymbols(QAbstractSpinBox::NoButtons);
    SpinBoxPage->setKeyboardTracking(false);
    toolBar->addWidget(SpinBoxPage);
    ActionNextPage =
        addTo(AddAction(QStringLiteral("ActionNextPage"), QStringLiteral("Page suivante"),
                        style()->standardIcon(QStyle::SP_MediaSeekForward), QKeySequence::MoveToNextPage));
    ActionLastPage = addTo(AddAction(QStringLiteral("ActionLastPage"), QStringLiteral("Dernière page"),
                                     style()->standardIcon(QStyle::SP_MediaSkipForward),
                                     QKeySequence(Qt::CTRL | Qt::Key_End)));
    toolBar->addSeparator();
    ActionZoomOut = addTo(AddAction(QStringLiteral("ActionZoomOut"), QStringLiteral("Zoom arrière"),
                                    QIcon::fromTheme(QStringLiteral("zoom-out")), QKeySequence::ZoomOut));
    LabelZoom = new QLabel(toolBar);
    LabelZoom->setObjectName(QStringLiteral("LabelZoom"));
    LabelZoom->setAlignment(Qt::AlignCenter);
    LabelZoom->setMinimumWidth(LabelZoom->fontMetrics().horizontalAdvance(QStringLiteral("000 %")) + 8);
    toolBar->addWidget(LabelZoom);
    ActionZoomIn = addTo(AddAction(QStringLiteral("ActionZoomIn"), QStringLiteral("Zoom avant"),
                                   QIcon::fromTheme(QStringLiteral("zoom-in")), QKeySequence::ZoomIn));
    ActionFitWidth = addTo(AddAction(QStringLiteral("ActionFitWidth"), QStringLiteral("Pleine largeur"),
                                     QIcon::fromTheme(QStringLiteral("zoom-fit-width")), QKeySequence()));
    ActionFitPage = addTo(AddAction(QStringLiteral("ActionFitPage"), QStringLiteral("Page entière"),
                                    QIcon::fromTheme(QStringLiteral("zoom-fit-best")), QKeySequence()));
    toolBar->addSeparator();
    ActionPrint = addTo(AddAction(QStringLiteral("ActionPrint"), QStringLiteral("Imprimer..."),
                                  QIcon::fromTheme(QStringLiteral("document-print")), QKeySequence::Print));
    ActionSavePdf = AddAction(QStringLiteral("ActionSavePdf"), QStringLiteral("Enregistrer en PDF..."),
                              style()->standardIcon(QStyle::SP_DialogSaveButton), QKeySequence());
    auto* button = new QToolButton(toolBar);
    button->setObjectName(QStringLiteral("ButtonSavePdf"));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setDefaultAction(ActionSavePdf);
    toolBar->addWidget(button);

    PageView = new TQRPageView(FDocument, this);
    ScrollAreaPages = new QScrollArea(this);
    ScrollAreaPages->setObjectName(QStringLiteral("ScrollAreaPages"));
    ScrollAreaPages->setBackgroundRole(QPalette::Dark);
    ScrollAreaPages->setAlignment(Qt::AlignCenter);
    ScrollAreaPages->setWidget(PageView);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(ScrollAreaPages);
    resize(900, 800);

    connect(ActionFirstPage, &QAction::triggered, this, [this] { ShowPage(1); });
    connect(ActionPreviousPage, &QAction::triggered, this, [this] { ShowPage(CurrentPage() - 1); });
    connect(ActionNextPage, &QAction::triggered, this, [this] { ShowPage(CurrentPage() + 1); });
    connect(ActionLastPage, &QAction::triggered, this, [this] { ShowPage(PageCount()); });
    connect(SpinBoxPage, &QSpinBox::valueChanged, this, &TQRPreview::ShowPage);
    connect(ActionZoomIn, &QAction::triggered, this, [this] {
        const auto next = std::find_if(ZoomSteps.begin(), ZoomSteps.end(),
                                       [this](double step) { return IsBelow(Zoom(), step); });
        if (next != ZoomSteps.end())
            SetZoom(*next);
    });
    connect(ActionZoomOut, &QAction::triggered, this, [this] {
        const auto previous = std::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                           [this](double step) { return IsBelow(step, Zoom()); });
        if (previous != ZoomSteps.rend())
            SetZoom(*previous);
    });
    connect(ActionFitWidth, &QAction::triggered, this, &TQRPreview::FitWidth);
    connect(ActionFitPage, &QAction::triggered, this, &TQRPreview::FitPage);
    connect(ActionPrint, &QAction::triggered, this, &TQRPreview::Print);
    connect(ActionSavePdf, &QAction::triggered, this, &TQRPreview::SaveAsPdf);
    UpdateControls();
}

QAction* TQRPreview::AddAction(const QString& name, const QString& text, const QIcon& icon,
                               const QKeySequence& key) {
    auto* action = new QAction(icon, text, this);
    action->setObjectName(name);
    // A button shows an action's text without its ellipsis unless told otherwise.
    action->setIconText(text);
    action->setShortcut(key);
    return action;
}

int TQRPreview::CurrentPage() const {
    return static_cast<int>(PageView->PageIndex()) + 1;
}

int TQRPreview::PageCount() const {
    return static_cast<int>(FDocument.Pages.size());
}

void TQRPreview::ShowPage(int page) {
    PageView->SetPageIndex(std::clamp(page, 1, std::max(1, PageCount())) - 1);
    ScrollAreaPages->verticalScrollBar()->setValue(0);
    UpdateControls();
}

double TQRPreview::Zoom() const {
    return PageView->Zoom();
}

void TQRPreview::SetZoom(double zoom) {
    PageView->SetZoom(zoom);
    UpdateControls();
}

void TQRPreview::FitWidth() {
    // The page as wide as the window is taller than it: leave room for the vertical scroll bar.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollAreaPages);
    SetZoom(
        FittingZoom(ScrollAreaPages->contentsRect().width() - scrollBar, PageView->PaperPixels().width()));
}

void TQRPreview::FitPage() {
    // The room the scroll area offers when it needs no scroll bar.
    const QSize room = ScrollAreaPages->contentsRect().size();
    const QSizeF paper = PageView->PaperPixels();
    SetZoom(std::min(FittingZoom(room.width(), paper.width()), FittingZoom(room.height(), paper.height())));
}

void TQRPreview::UpdateControls() {
    const int page = CurrentPage();
    ActionFirstPage->setEnabled(page > 1);
    ActionPreviousPage->setEnabled(page > 1);
    ActionNextPage->setEnabled(page < PageCount());
    ActionLastPage->setEnabled(page < PageCount());
    {
        const QSignalBlocker quiet(SpinBoxPage);
        SpinBoxPage->setValue(page);
    }
    ActionZoomIn->setEnabled(IsBelow(Zoom(), ZoomSteps.back()));
    ActionZoomOut->setEnabled(IsBelow(ZoomSteps.front(), Zoom()));
    LabelZoom->setText(QStringLiteral("%1 %").arg(qRound(Zoom() * 100)));
}

void TQRPreview::Print() {
    QPrintDialog dialog(FPrinter, this);
    dialog.setMinMax(1, std::max(1, PageCount()));
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    if (ShowModal(&dialog) != QDialog::Accepted)
        return;
    // The printer remembers the last range chosen; the range chosen now is the one that counts.
    switch (FPrinter->printRange()) {
    case QPrinter::AllPages:
    case QPrinter::Selection:
        FPrinter->setPageRanges(QPageRanges());
        break;
    case QPrinter::CurrentPage: {
        QPageRanges current;
        current.addPage(CurrentPage());
        FPrinter->setPageRanges(current);
        break;
    }
    case QPrinter::PageRange:
        break;
    }
    PaintReport(*FPrinter, FDocument);
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
