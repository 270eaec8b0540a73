// The about box "Om": product name, version and web address.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

namespace kaldoventri {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    // Creates a new box owned by the owner, shows it modally and frees it as
    // soon as it closes, however it was closed. Returns the dialog's result.
    static int Execute(QWidget* owner);

    static QString VersionText();
    static QString WebAddress();

private:
    std::unique_ptr<Ui::TAboutBox> ui_;
};

}  // namespace kaldoventri
