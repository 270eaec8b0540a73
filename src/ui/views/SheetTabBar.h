// The sheet tabs of the main window: one tab per sheet of the workbook, in
// its order and titled as its sheet (with " *" while it is unsaved), on as many rows as the tabs need, above
// an empty page frame. The tabs follow the workbook and own no sheet; a click
// on another tab, or Ctrl+Tab / Ctrl+PgDn (next) and Ctrl+Shift+Tab /
// Ctrl+PgUp (previous) anywhere in the window, only asks the window to make
// that sheet current.
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

#include "workbook/Workbook.h"

class QFrame;

namespace kaldoventri {

class FlowLayout;
class TabButton;

class SheetTabBar : public QWidget {
    Q_OBJECT

public:
    explicit SheetTabBar(QWidget* parent = nullptr);
    ~SheetTabBar() override;

    // Shows the workbook's sheets from now on and follows its changes.
    void SetWorkbook(const Workbook* workbook);

    int PageCount() const { return static_cast<int>(tabs_.size()); }
    QString PageCaption(int index) const;
    // The tab of the workbook's current sheet; -1 when none is open.
    int ActivePageIndex() const;

    int TabRowCount() const;
    TabButton* Tab(int index) const;

    QSize sizeHint() const override;

signals:
    // The user clicked the tab of a sheet that is not the current one.
    void Change(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Follow(Workbook::Changes what);
    void Step(int direction);
    void MatchSheets();
    void CheckCurrent();
    void TabClicked(TabButton* tab);
    void UpdateHeight();

    QPointer<const Workbook> workbook_;
    std::vector<TabButton*> tabs_;
    QWidget* tabHost_;
    FlowLayout* tabRows_;
    QFrame* pageFrame_;
};

}  // namespace kaldoventri
