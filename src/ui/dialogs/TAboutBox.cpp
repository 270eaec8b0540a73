// The about box. The version shown comes from the program's version record
// (major.minor.patch of the build), written the short way: 1.0.3 is "1.03".
#include "ui/dialogs/TAboutBox.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "ui/controls/ProgramFont.h"
#include "ui_TAboutBox.h"

namespace kaldoventri {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    setFont(ProgramPointFont(QStringLiteral("MS Sans Serif"), 8, false));
    const QFont bold = ProgramPointFont(QStringLiteral("MS Sans Serif"), 8, true);
    for (QLabel* label : {ui_->ProductName, ui_->Version, ui_->Label1}) label->setFont(bold);

    ui_->ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/splash/kaldoventri-icon.png")));
    ui_->Version->setText(VersionText());
    ui_->Label1->setText(WebAddress());
    // The address keeps the same margin from the panel's right edge as from its left.
    QLabel* address = ui_->Label1;
    address->resize(ui_->Panel1->width() - 2 * address->x(), address->height());
    address->setFont(FittedToWidth(bold, WebAddress(), address->width()));
    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // Centred on the screen rather than over the owner; a position set here
    // is kept when the dialog is shown.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->availableGeometry().center() - rect().center());
}

TAboutBox::~TAboutBox() = default;

int TAboutBox::Execute(QWidget* owner) {
    TAboutBox box(owner);
    return box.exec();
}

QString TAboutBox::VersionText() {
    return QStringLiteral("Version %1.%2%3")
        .arg(KALDOVENTRI_VERSION_MAJOR)
        .arg(KALDOVENTRI_VERSION_MINOR)
        .arg(KALDOVENTRI_VERSION_PATCH);
}

QString TAboutBox::WebAddress() { return QStringLiteral("www.kaldoventri.example"); }

}  // namespace kaldoventri
