#include "platform/ui/DateTimePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLocale>

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    // The calendar lives in its own popup window: its hiding is the close-up.
    calendarWidget()->window()->installEventFilter(this);
}

bool TDateTimePicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == calendarWidget()->window())
        emit OnCloseUp();
    return QDateEdit::eventFilter(watched, event);
}
