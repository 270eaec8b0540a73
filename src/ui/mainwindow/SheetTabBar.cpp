// Page control with wrapping tab rows.
#include "ui/mainwindow/SheetTabBar.h"

#include <algorithm>

#include <QFrame>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "ui/widgets/FlowLayout.h"
#include "ui/widgets/TabButton.h"

namespace kaldoventri {

namespace {
// The page control is 66 pixels high; it grows only when the tab rows need
// more room than that leaves above a minimal page frame.
constexpr int BaseHeight = 66;
constexpr int MinimumPageFrame = 12;
}  // namespace

SheetTabBar::SheetTabBar(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(0);
    tabHost_ = new QWidget(this);
    tabRows_ = new FlowLayout(tabHost_);
    tabHost_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    pageFrame_ = new QFrame(this);
    pageFrame_->setFrameShape(QFrame::StyledPanel);
    pageFrame_->setFrameShadow(QFrame::Raised);
    pageFrame_->hide();
    column->addWidget(tabHost_);
    column->addWidget(pageFrame_, 1);
    column->addStretch(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(BaseHeight);
}

SheetTabBar::~SheetTabBar() = default;

TNewTabSheet* SheetTabBar::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)].get() : nullptr;
}

int SheetTabBar::IndexOf(const TNewTabSheet* sheet) const {
    for (int i = 0; i < PageCount(); ++i)
        if (pages_[static_cast<std::size_t>(i)].get() == sheet) return i;
    return -1;
}

QString SheetTabBar::PageCaption(int index) const {
    return index >= 0 && index < PageCount() ? tabs_[static_cast<std::size_t>(index)]->text() : QString();
}

void SheetTabBar::SetPageCaption(const TNewTabSheet* sheet, const QString& caption) {
    const int index = IndexOf(sheet);
    if (index < 0) return;
    tabs_[static_cast<std::size_t>(index)]->setText(caption);
    tabs_[static_cast<std::size_t>(index)]->updateGeometry();
    UpdateHeight();
}

void SheetTabBar::SetActivePageIndex(int index) {
    if (index < -1 || index >= PageCount()) index = -1;
    active_ = index;
    for (int i = 0; i < PageCount(); ++i) tabs_[static_cast<std::size_t>(i)]->setChecked(i == active_);
    pageFrame_->setVisible(PageCount() > 0);
}

TNewTabSheet* SheetTabBar::AddPage(std::unique_ptr<TNewTabSheet> sheet, const QString& caption) {
    auto* tab = new TabButton(caption, tabHost_);
    connect(tab, &TabButton::clicked, this, [this, tab] { TabClicked(tab); });
    tabRows_->addWidget(tab);
    tab->show();
    tabs_.push_back(tab);
    pages_.push_back(std::move(sheet));
    SetActivePageIndex(active_);
    UpdateHeight();
    return pages_.back().get();
}

void SheetTabBar::FreeActivePage() {
    if (active_ < 0) return;
    const auto index = static_cast<std::size_t>(active_);
    delete tabs_[index];  // removes itself from the layout
    tabs_.erase(tabs_.begin() + active_);
    pages_.erase(pages_.begin() + active_);
    int next = active_;
    if (next >= PageCount()) next = PageCount() > 0 ? 0 : -1;
    SetActivePageIndex(next);
    UpdateHeight();
}

int SheetTabBar::TabRowCount() const { return tabRows_->RowCount(tabHost_->width()); }

TabButton* SheetTabBar::Tab(int index) const {
    return index >= 0 && index < PageCount() ? tabs_[static_cast<std::size_t>(index)] : nullptr;
}

QSize SheetTabBar::sizeHint() const { return {200, BaseHeight}; }

void SheetTabBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) UpdateHeight();
}

void SheetTabBar::TabClicked(TabButton* tab) {
    const auto found = std::find(tabs_.begin(), tabs_.end(), tab);
    if (found == tabs_.end()) return;
    const int index = static_cast<int>(found - tabs_.begin());
    if (index == active_) {
        tab->setChecked(true);
        return;
    }
    SetActivePageIndex(index);
    emit Change();
}

void SheetTabBar::UpdateHeight() {
    const QMargins m = layout()->contentsMargins();
    const int tabsHeight = tabRows_->heightForWidth(width() - m.left() - m.right());
    tabHost_->setFixedHeight(tabsHeight);
    setFixedHeight(qMax(BaseHeight, tabsHeight + MinimumPageFrame + m.top() + m.bottom()));
}

}  // namespace kaldoventri
