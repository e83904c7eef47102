#pragma once

#include <QComboBox>

// A combo box with the toolkit's sorted list and an item index that code can set without
// raising the change event. OnChange comes from the user only: a choice in the list, or typed
// text that names an entry of the list.
class TComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBox(QWidget* parent = nullptr);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted) { FSorted = sorted; }
    // Replaces the items, sorted without regard to case when the box is sorted; nothing selected.
    void SetItems(const QStringList& items);
    QStringList Items() const;
    // The selected entry, or -1; the text typed in the edit field counts only through the entry it names.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    // The text of the selected entry, empty when none is.
    QString SelectedText() const;

signals:
    void OnChange();

private:
    void EditTextTyped(const QString& text);
    bool FSorted = false;
};
