#include "reports/ReportElements.h"

#include "platform/report/QRDBText.h"
#include "platform/report/QRLabel.h"

namespace ReportElements {

QFont Arial(int points, bool bold, bool underline) {
    QFont font(QStringLiteral("Arial"), points, bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    return font;
}

TQRLabel* AutoSizeLabel(TQRBand* band, const QString& name, const QString& caption, double left, double top,
                        const QFont& font) {
    auto* label = new TQRLabel(band, name, caption);
    label->SetBounds(left, top, 0.0, LineHeight);
    label->AutoSize = true;
    label->Font = font;
    return label;
}

TQRDBText* AutoSizeField(TQRBand* band, const QString& name, const QString& dataField, double left,
                         double top, const QFont& font) {
    auto* field = new TQRDBText(band, name, dataField);
    field->SetBounds(left, top, 0.0, LineHeight);
    field->AutoSize = true;
    field->Font = font;
    return field;
}

TQRLabel* TitleLabel(TQRBand* band, const QString& name, const QString& caption, const QFont& font) {
    auto* label = new TQRLabel(band, name, caption);
    label->SetBounds(0.0, 0.0, 190.8, LineHeight);
    label->Font = font;
    label->Frame = {.DrawTop = true, .DrawBottom = true, .DrawLeft = true, .DrawRight = true};
    return label;
}

} // namespace ReportElements
