// Style-drawn tab button.
#include "ui/controls/TabButton.h"

#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace kaldoventri {

TabButton::TabButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TabButton::InitStyleOption(QStyleOptionTab* option) const {
    option->initFrom(this);
    option->text = text();
    option->shape = QTabBar::RoundedNorth;
    option->position = QStyleOptionTab::OnlyOneTab;
    option->documentMode = false;
    if (isChecked()) option->state |= QStyle::State_Selected;
    if (isDown()) option->state |= QStyle::State_Sunken;
}

QSize TabButton::sizeHint() const {
    QStyleOptionTab option;
    InitStyleOption(&option);
    const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize content(fontMetrics().size(Qt::TextShowMnemonic, text()).width() + hspace,
                        fontMetrics().height() + vspace);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, content, this);
}

QSize TabButton::minimumSizeHint() const { return sizeHint(); }

void TabButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTab option;
    InitStyleOption(&option);
    painter.drawControl(QStyle::CE_TabBarTab, option);
}

}  // namespace kaldoventri
