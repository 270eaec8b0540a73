// Row-wrapping layout for the sheet tabs.
#include "ui/controls/FlowLayout.h"

#include <QWidget>

namespace kaldoventri {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

int FlowLayout::count() const { return static_cast<int>(items_.size()); }

QLayoutItem* FlowLayout::itemAt(int index) const { return index >= 0 && index < items_.size() ? items_.at(index) : nullptr; }

QLayoutItem* FlowLayout::takeAt(int index) { return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr; }

Qt::Orientations FlowLayout::expandingDirections() const { return {}; }

bool FlowLayout::hasHeightForWidth() const { return true; }

int FlowLayout::heightForWidth(int width) const { return Arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::sizeHint() const { return minimumSize(); }

QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::RowCount(int width) const {
    int rows = 0;
    Arrange(QRect(0, 0, width, 0), false, &rows);
    return rows;
}

int FlowLayout::Arrange(const QRect& rect, bool apply, int* rows) const {
    const QMargins m = contentsMargins();
    const QRect area = rect.marginsRemoved(m);
    const int gap = spacing() < 0 ? 0 : spacing();
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    int rowCount = 0;
    bool rowOpen = false;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QSize hint = item->sizeHint();
        // A new row, unless this item is the first of its row: an item wider
        // than the whole line then stands alone rather than looping forever.
        if (x > area.x() && x + hint.width() > area.right() + 1) {
            x = area.x();
            y += rowHeight + gap;
            rowHeight = 0;
            rowOpen = false;
        }
        if (!rowOpen) {
            ++rowCount;
            rowOpen = true;
        }
        if (apply) item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + gap;
        rowHeight = qMax(rowHeight, hint.height());
    }
    if (rows != nullptr) *rows = rowCount;
    return y + rowHeight - rect.y() + m.bottom();
}

}  // namespace kaldoventri
