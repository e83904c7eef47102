#include "platform/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent), FButtons(new QButtonGroup(this)), FLayout(new QVBoxLayout(this)) {
    connect(FButtons, &QButtonGroup::buttonClicked, this, [this](QAbstractButton*) { emit OnClick(); });
}

void TRadioGroup::SetItems(const QStringList& items) {
    for (QAbstractButton* button : FButtons->buttons()) {
        FButtons->removeButton(button);
        delete button;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        FButtons->addButton(button, i);
        FLayout->addWidget(button);
    }
}

QStringList TRadioGroup::Items() const {
    QStringList items;
    for (QAbstractButton* button : FButtons->buttons())
        items << button->text();
    return items;
}

void TRadioGroup::SetItemText(int index, const QString& text) {
    if (QAbstractButton* button = FButtons->button(index))
        button->setText(text);
}

int TRadioGroup::ItemIndex() const { return FButtons->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = FButtons->button(index))
        button->setChecked(true);
}
