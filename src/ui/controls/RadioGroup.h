// A group of radio buttons that is read and set by the index of the selected
// item, with one signal for every change of selection, whether the user
// clicked or a caller selected another item.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace kaldoventri {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    // Replaces the items; none is selected afterwards.
    void SetItems(const QStringList& items);
    int Count() const;
    QRadioButton* Button(int index) const;

    // -1 when no item is selected.
    int ItemIndex() const { return itemIndex_; }
    // Indexes outside the items are brought to the nearest one (-1 selects
    // none). Selecting the item already selected does nothing, not even Click.
    void SetItemIndex(int index);

signals:
    // The selection changed; ItemIndex() is already the new item.
    void Click();

private:
    void Select(int index);

    QButtonGroup* group_;
    QVBoxLayout* layout_;
    int itemIndex_ = -1;
};

}  // namespace kaldoventri
