// A layout that puts its items side by side at their natural width and
// starts a new row when the next item no longer fits. Rows keep their natural
// width; they are not stretched to fill the line.
#pragma once

#include <QLayout>
#include <QList>

namespace kaldoventri {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

    // Number of rows the items take at the given width.
    int RowCount(int width) const;

private:
    // Places the items in rect (only computes when apply is false); returns
    // the height used and, through rows, the number of rows.
    int Arrange(const QRect& rect, bool apply, int* rows = nullptr) const;

    QList<QLayoutItem*> items_;
};

}  // namespace kaldoventri
