#include "ScaleWindow.h"

#include <QApplication>
#include <QScreen>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/controls/TrayText.h"
#include "ui/support/MessageBoxes.h"

namespace kaldoventri {

namespace {

constexpr int kFlashMs = 400;
const char* const kGroup = "Våg";

QString GramsText(double grams) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(grams, 'g', 12) + QStringLiteral(" g");
}

}  // namespace

ScaleWindow::ScaleWindow(ScaleTarget target, QWidget* owner) : QDialog(owner), target_(std::move(target)) {
    setWindowTitle(QStringLiteral("Läs från våg"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // A tool window stays above the window whose trays it fills, also while
    // the user clicks a tray there to weigh it again.
    setWindowFlag(Qt::Tool);

    portBox_ = new QComboBox(this);
    portBox_->setEditable(true);  // a port the list does not find can be typed
    portBox_->setMinimumContentsLength(16);
    speedBox_ = new QComboBox(this);
    for (int speed : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200})
        speedBox_->addItem(QString::number(speed), speed);
    unitBox_ = new QComboBox(this);
    unitBox_->addItem(QStringLiteral("g"), int(ReadingUnit::Gram));
    unitBox_->addItem(QStringLiteral("kg"), int(ReadingUnit::Kilogram));
    outputBox_ = new QComboBox(this);
    outputBox_->addItem(QStringLiteral("Vid vågens utskriftsknapp"), int(ScalePort::Output::PrintKey));
    outputBox_->addItem(QStringLiteral("Kontinuerlig utmatning"), int(ScalePort::Output::Continuous));

    // Two rows, short enough to sit below or above the window it fills
    // rather than over its trays.
    auto* settingsRow = new QHBoxLayout;
    auto addSetting = [this, settingsRow](const QString& caption, QComboBox* box) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        settingsRow->addWidget(label);
        settingsRow->addWidget(box);
        settingsRow->addSpacing(8);
    };
    addSetting(QStringLiteral("&Port:"), portBox_);
    addSetting(QStringLiteral("&Hastighet:"), speedBox_);
    addSetting(QStringLiteral("&Enhet utan angiven enhet:"), unitBox_);
    addSetting(QStringLiteral("&Avläsning:"), outputBox_);
    settingsRow->addStretch();

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    connectButton_ = buttons->addButton(QStringLiteral("A&nslut"), QDialogButtonBox::ActionRole);
    connectButton_->setDefault(true);
    buttons->addButton(QStringLiteral("&Stäng"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(connectButton_, &QPushButton::clicked, this, [this] {
        if (port_.IsOpen()) {
            port_.Close();
            ShowConnected(false);
        } else {
            Connect();
        }
    });
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settingsRow);
    layout->addLayout(statusRow);

    QSettings settings;
    settings.beginGroup(kGroup);
    ListPorts();
    if (QString port = settings.value("port").toString(); !port.isEmpty()) portBox_->setCurrentText(port);
    speedBox_->setCurrentIndex(std::max(0, speedBox_->findData(settings.value("hastighet", 9600).toInt())));
    unitBox_->setCurrentIndex(std::max(0, unitBox_->findData(settings.value("enhet", 0).toInt())));
    outputBox_->setCurrentIndex(std::max(0, outputBox_->findData(settings.value("utmatning", 0).toInt())));

    connect(&port_, &ScalePort::readingTaken, this, &ScaleWindow::TakeReading);
    connect(&port_, &ScalePort::failed, this, [this](const QString& message) {
        ShowConnected(false);
        ShowPlainMessage(this, message + QStringLiteral(" Inmatade värden finns kvar."));
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });

    // The next tray is the focused one, or else the first empty one.
    next_ = 0;
    if (owner != nullptr) FollowFocus(owner->focusWidget());
    for (int tray = 1; next_ == 0 && tray <= target_.trayCount(); ++tray)
        if (target_.field(tray)->text().trimmed().isEmpty()) next_ = tray;
    if (next_ == 0) next_ = 1;
    ShowConnected(false);
}

ScaleWindow::~ScaleWindow() { Remember(); }

void ScaleWindow::PlaceBeside(const QWidget& owner) {
    adjustSize();
    const QRect frame = owner.frameGeometry();
    const QRect screen = owner.screen()->availableGeometry();
    const int frameExtra = 32;  // the window manager's title bar and border
    const int x = std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() - width()));
    if (frame.bottom() + height() + frameExtra <= screen.bottom())
        move(x, frame.bottom() + 1);
    else if (frame.top() - height() - frameExtra >= screen.top())
        move(x, frame.top() - height() - frameExtra);
    else
        move(std::max(screen.left(), frame.right() - width() - 24), frame.top() + 24);
}

void ScaleWindow::ListPorts() {
    for (const SerialPortEntry& port : SerialLink::AvailablePorts()) {
        QString label = port.description.isEmpty() ? port.name : port.name + QStringLiteral(" (") + port.description + ')';
        portBox_->addItem(label, port.name);
    }
}

bool ScaleWindow::Connect() {
    // A listed port carries its name; a typed one is its text.
    int listed = portBox_->findText(portBox_->currentText());
    QString name = listed >= 0 ? portBox_->itemData(listed).toString() : portBox_->currentText().trimmed();
    if (name.isEmpty()) {
        ShowPlainMessage(this, QStringLiteral("Välj vågens port."));
        portBox_->setFocus();
        return false;
    }
    auto output = static_cast<ScalePort::Output>(outputBox_->currentData().toInt());
    bool open = port_.Open(name, speedBox_->currentData().toInt(), output);
    ShowConnected(open);
    if (open) Remember();
    return open;
}

void ScaleWindow::Remember() const {
    QSettings settings;
    settings.beginGroup(kGroup);
    int listed = portBox_->findText(portBox_->currentText());
    settings.setValue("port", listed >= 0 ? portBox_->itemText(listed) : portBox_->currentText());
    settings.setValue("hastighet", speedBox_->currentData());
    settings.setValue("enhet", unitBox_->currentData());
    settings.setValue("utmatning", outputBox_->currentData());
}

void ScaleWindow::FollowFocus(QWidget* now) {
    if (now == nullptr) return;
    for (int tray = 1; tray <= target_.trayCount(); ++tray) {
        if (target_.field(tray) == now) {
            next_ = tray;
            ShowNext();
            return;
        }
    }
}

void ScaleWindow::ShowConnected(bool connected) {
    connectButton_->setText(connected ? QStringLiteral("Koppla &från") : QStringLiteral("A&nslut"));
    for (QWidget* setting : {static_cast<QWidget*>(portBox_), static_cast<QWidget*>(speedBox_),
                             static_cast<QWidget*>(outputBox_)})
        setting->setEnabled(!connected);
    if (connected)
        ShowNext();
    else
        status_->setText(QStringLiteral("Inte ansluten."));
}

void ScaleWindow::ShowNext() {
    if (!port_.IsOpen()) return;
    status_->setText(next_ == 0 ? QStringLiteral("Alla backar är ifyllda. Klicka i en back för att väga om den.")
                                : QStringLiteral("Nästa avläsning fyller back %1.").arg(next_));
}

void ScaleWindow::TakeReading(const ScaleReading& reading) {
    if (next_ < 1 || next_ > target_.trayCount()) {
        ShowNext();
        return;
    }
    auto unstated = static_cast<ReadingUnit>(unitBox_->currentData().toInt());
    QString grams = GramsText(ReadingGrams(reading, unstated));
    std::optional<std::int64_t> amount = ReadingAmount(reading, unstated, target_.units());
    if (!amount) {
        status_->setText(reading.digits < 0
                             ? QStringLiteral("Avläsningen %1 är negativ och togs inte. Tarera vågen.").arg(grams)
                             : QStringLiteral("Avläsningen %1 kan inte räknas om till ml utan densitet.").arg(grams));
        return;
    }
    int tray = next_;
    if (*amount > LargestTypedAmount) {
        status_->setText(TooLargeAmountMessage(tray));
        return;
    }
    QLineEdit* field = target_.field(tray);
    field->setText(QString::number(*amount));
    target_.filled(tray);
    Flash(field);
    QApplication::beep();
    next_ = tray < target_.trayCount() ? tray + 1 : 0;
    if (next_ != 0) target_.field(next_)->setFocus();  // moves next_ on through FollowFocus too
    status_->setText(QStringLiteral("Back %1: %2 gav %3. ").arg(tray).arg(grams).arg(*amount) +
                     (next_ == 0 ? QStringLiteral("Alla backar är ifyllda.")
                                 : QStringLiteral("Nästa avläsning fyller back %1.").arg(next_)));
}

void ScaleWindow::Flash(QLineEdit* field) {
    QPalette normal = field->palette();
    QPalette lit = normal;
    lit.setColor(QPalette::Base, QColor(0xb8, 0xe6, 0xb8));
    field->setPalette(lit);
    QPointer<QLineEdit> guarded(field);
    QTimer::singleShot(kFlashMs, this, [guarded, normal] {
        if (guarded) guarded->setPalette(normal);
    });
}

}  // namespace kaldoventri
