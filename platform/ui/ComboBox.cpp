#include "platform/ui/ComboBox.h"

#include <QCollator>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int) { emit OnChange(); });
    connect(this, &QComboBox::editTextChanged, this, &TComboBox::EditTextTyped);
}

void TComboBox::SetItems(const QStringList& items) {
    QStringList sortedItems = items;
    if (FSorted) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(sortedItems.begin(), sortedItems.end(),
                         [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    }
    const QSignalBlocker blocker(this);
    clear();
    addItems(sortedItems);
    setCurrentIndex(-1);
}

QStringList TComboBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TComboBox::SetItemIndex(int index) {
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

QString TComboBox::SelectedText() const { return currentIndex() >= 0 ? itemText(currentIndex()) : QString(); }

void TComboBox::EditTextTyped(const QString& text) {
    if (!isEditable() || lineEdit() == nullptr || !lineEdit()->hasFocus())
        return;
    // Typing the name of an entry selects it; half-typed text changes nothing, so that a year
    // being typed is not queried at each keystroke.
    const int index = findText(text, Qt::MatchFixedString);
    if (index < 0 || index == currentIndex())
        return;
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
        lineEdit()->setText(text);
    }
    emit OnChange();
}
