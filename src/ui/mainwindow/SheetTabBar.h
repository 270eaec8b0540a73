// The page control of the main window: one tab per open test sheet, on as
// many rows as the tabs need, above an empty page frame (the sheets carry no
// controls; the main window shows the active sheet in its own controls).
// The page control owns the sheets, in page order.
#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "evaluation/TNewTabSheet.h"

class QFrame;

namespace kaldoventri {

class FlowLayout;
class TabButton;

class SheetTabBar : public QWidget {
    Q_OBJECT

public:
    explicit SheetTabBar(QWidget* parent = nullptr);
    ~SheetTabBar() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TNewTabSheet* Page(int index) const;
    int IndexOf(const TNewTabSheet* sheet) const;
    QString PageCaption(int index) const;
    void SetPageCaption(const TNewTabSheet* sheet, const QString& caption);

    // -1 when no page is active.
    int ActivePageIndex() const { return active_; }
    TNewTabSheet* ActivePage() const { return Page(active_); }
    // Selecting a page from code does not emit Change, only the user's click does.
    void SetActivePageIndex(int index);

    // Appends the sheet as the last page; the active page stays as it was.
    TNewTabSheet* AddPage(std::unique_ptr<TNewTabSheet> sheet, const QString& caption);
    // Frees the active page's sheet; the next page (or the first, when the
    // freed page was the last) becomes active, if any page is left.
    void FreeActivePage();

    int TabRowCount() const;
    TabButton* Tab(int index) const;

    QSize sizeHint() const override;

signals:
    // The user chose another tab; the new page is already active.
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void TabClicked(TabButton* tab);
    void UpdateHeight();

    std::vector<std::unique_ptr<TNewTabSheet>> pages_;
    std::vector<TabButton*> tabs_;
    int active_ = -1;
    QWidget* tabHost_;
    FlowLayout* tabRows_;
    QFrame* pageFrame_;
};

}  // namespace kaldoventri
