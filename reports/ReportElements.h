#pragma once

#include <QFont>
#include <QString>

class TQRBand;
class TQRDBText;
class TQRLabel;

// Shorthands for the report forms, whose elements are one text line high and mostly as wide as
// their text.
namespace ReportElements {

inline constexpr double LineHeight = 4.5;

QFont Arial(int points, bool bold = false, bool underline = false);

TQRLabel* AutoSizeLabel(TQRBand* band, const QString& name, const QString& caption, double left, double top,
                        const QFont& font);
TQRDBText* AutoSizeField(TQRBand* band, const QString& name, const QString& dataField, double left,
                         double top, const QFont& font);
// The title at the top left corner of a list's page header, boxed by a thin black line.
TQRLabel* TitleLabel(TQRBand* band, const QString& name, const QString& caption, const QFont& font);

} // namespace ReportElements
