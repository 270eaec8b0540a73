// The tray fields' note.
#include "ui/controls/TrayHint.h"

#include <QLineEdit>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

#include "display/LocaleText.h"

namespace kaldoventri {

namespace {

// Long enough to read two lines; a refused key does not go unnoticed.
constexpr int ShownMilliseconds = 8000;

}  // namespace

TrayHint::TrayHint(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(ShownMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &TrayHint::Hide);
}

TrayHint::~TrayHint() { delete label_; }

void TrayHint::ShowAt(QLineEdit* field, const QString& text) {
    QWidget* window = field->window();
    if (label_ && label_->parentWidget() != window) delete label_;
    if (!label_) {
        // A tool-tip window takes no focus, so the field keeps the keyboard.
        label_ = new QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint);
        label_->setObjectName(QStringLiteral("TrayHint"));
        label_->setPalette(QToolTip::palette());
        label_->setAutoFillBackground(true);
        label_->setFrameShape(QFrame::Box);
        label_->setMargin(4);
        label_->setWordWrap(true);
    }
    field_ = field;
    label_->setFont(QToolTip::font());
    label_->setText(text);
    label_->setFixedWidth(std::min(label_->fontMetrics().horizontalAdvance(text) + 12, 360));
    label_->adjustSize();
    QPoint at = field->mapToGlobal(QPoint(0, field->height() + 2));
    if (const QScreen* screen = field->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + label_->height() > room.bottom()) at.ry() = field->mapToGlobal(QPoint(0, 0)).y() - label_->height() - 2;
        at.rx() = std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - label_->width()));
    }
    label_->move(at);
    label_->show();
    label_->raise();
    timer_.start();
}

void TrayHint::Hide() {
    timer_.stop();
    const bool shown = label_ && label_->isVisible();
    if (label_) label_->hide();
    field_ = nullptr;
    if (shown) emit hidden();
}

bool TrayHint::IsShownAt(const QLineEdit* field) const { return label_ && label_->isVisible() && field_ == field; }

QString TrayHint::Text() const { return label_ ? label_->text() : QString(); }

QString WholeAmountsHint() {
    return QStringLiteral("Mängderna är heltal från 0 i den valda enheten, till exempel 45 för %1 g med enheten %2 g.")
        .arg(FormatNumber(4.5), FormatNumber(0.1));
}

}  // namespace kaldoventri
