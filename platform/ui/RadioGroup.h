#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

// A captioned group of radio items, one selected, known by its index.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    QStringList Items() const;
    void SetItemText(int index, const QString& text);
    int ItemIndex() const;
    // Selects an item without raising OnClick.
    void SetItemIndex(int index);

signals:
    // A click on any item, the already selected one included.
    void OnClick();

private:
    QButtonGroup* FButtons;
    QVBoxLayout* FLayout;
};
