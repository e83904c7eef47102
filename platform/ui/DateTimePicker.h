#pragma once

#include <QDateEdit>

// A date picker in the short date format with a drop-down month calendar. OnCloseUp comes
// each time that calendar closes, whether or not its date changed; typing a date does not raise it.
class TDateTimePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit TDateTimePicker(QWidget* parent = nullptr);

signals:
    void OnCloseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
