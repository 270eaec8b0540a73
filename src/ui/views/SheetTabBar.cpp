// Sheet tabs with wrapping rows.
#include "ui/views/SheetTabBar.h"

#include <algorithm>

#include <QFrame>
#include <QResizeEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/controls/FlowLayout.h"
#include "ui/controls/TabButton.h"

namespace kaldoventri {

namespace {
// The tab bar is 66 pixels high; it grows only when the tab rows need more
// room than that leaves above a minimal page frame.
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

    const auto step = [this](QKeySequence keys, int direction) {
        auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, direction] { Step(direction); });
    };
    step(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    step(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    step(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    step(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
    step(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void SheetTabBar::Step(int direction) {
    const int count = PageCount();
    if (count < 2 || ActivePageIndex() < 0) return;
    emit Change((ActivePageIndex() + direction + count) % count);
}

SheetTabBar::~SheetTabBar() = default;

void SheetTabBar::SetWorkbook(const Workbook* workbook) {
    if (workbook_) disconnect(workbook_, nullptr, this, nullptr);
    workbook_ = workbook;
    if (workbook_) connect(workbook_, &Workbook::changed, this, &SheetTabBar::Follow);
    Follow(Workbook::Sheets | Workbook::Current);
}

void SheetTabBar::Follow(Workbook::Changes what) {
    if (what & (Workbook::Sheets | Workbook::Saved)) MatchSheets();
    if (what & (Workbook::Sheets | Workbook::Current)) CheckCurrent();
}

void SheetTabBar::MatchSheets() {
    const int count = workbook_ ? workbook_->SheetCount() : 0;
    while (PageCount() > count) {
        delete tabs_.back();  // removes itself from the layout
        tabs_.pop_back();
    }
    while (PageCount() < count) {
        auto* tab = new TabButton(QString(), tabHost_);
        connect(tab, &TabButton::clicked, this, [this, tab] { TabClicked(tab); });
        tabRows_->addWidget(tab);
        tab->show();
        tabs_.push_back(tab);
    }
    for (int i = 0; i < count; ++i) {
        // An unsaved sheet carries a mark after its name, as editors show it.
        const QString title = QString::fromStdString(workbook_->Sheet(i)->GetTitle()) +
                              (workbook_->IsModified(i) ? QStringLiteral(" *") : QString());
        TabButton* tab = tabs_[static_cast<std::size_t>(i)];
        // An averaged sheet tells where it came from when the pointer rests on its tab.
        tab->setToolTip(QString::fromStdString(workbook_->Sheet(i)->GetOrigin()));
        if (tab->text() == title) continue;
        tab->setText(title);
        tab->updateGeometry();
    }
    pageFrame_->setVisible(count > 0);
    UpdateHeight();
}

void SheetTabBar::CheckCurrent() {
    const int current = ActivePageIndex();
    for (int i = 0; i < PageCount(); ++i) tabs_[static_cast<std::size_t>(i)]->setChecked(i == current);
}

QString SheetTabBar::PageCaption(int index) const {
    const TabButton* tab = Tab(index);
    return tab ? tab->text() : QString();
}

int SheetTabBar::ActivePageIndex() const { return workbook_ ? workbook_->CurrentIndex() : -1; }

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
    // A tab button unchecks itself on a click; the tabs show the workbook's current sheet.
    CheckCurrent();
    if (index != ActivePageIndex()) emit Change(index);
}

void SheetTabBar::UpdateHeight() {
    const QMargins m = layout()->contentsMargins();
    const int tabsHeight = tabRows_->heightForWidth(width() - m.left() - m.right());
    tabHost_->setFixedHeight(tabsHeight);
    setFixedHeight(qMax(BaseHeight, tabsHeight + MinimumPageFrame + m.top() + m.bottom()));
}

}  // namespace kaldoventri
