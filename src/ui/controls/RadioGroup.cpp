// The radio group. The selected index is kept here rather than asked of the
// buttons, so that a change made by a caller and one made by a click run
// through the same place and are announced exactly once.
#include "ui/controls/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kaldoventri {

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(8, 4, 8, 4);
    layout_->setSpacing(2);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) { Select(id); });
    // Arrow keys move the check between the buttons without a click.
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) Select(id);
    });
}

void RadioGroup::SetItems(const QStringList& items) {
    for (QAbstractButton* button : group_->buttons()) {
        group_->removeButton(button);
        delete button;
    }
    while (QLayoutItem* item = layout_->takeAt(0)) delete item;
    itemIndex_ = -1;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        group_->addButton(button, i);
        layout_->addWidget(button);
    }
    layout_->addStretch(1);
}

int RadioGroup::Count() const { return static_cast<int>(group_->buttons().size()); }

QRadioButton* RadioGroup::Button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

void RadioGroup::SetItemIndex(int index) {
    Select(std::clamp(index, -1, Count() - 1));
}

void RadioGroup::Select(int index) {
    if (index == itemIndex_) return;
    itemIndex_ = index;
    if (index < 0) {
        // An exclusive group never unchecks its last button by itself.
        group_->setExclusive(false);
        for (QAbstractButton* button : group_->buttons()) button->setChecked(false);
        group_->setExclusive(true);
    } else {
        QSignalBlocker blocker(group_);
        group_->button(index)->setChecked(true);
    }
    emit Click();
}

}  // namespace kaldoventri
