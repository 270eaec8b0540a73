// The image control of the diagram area. It lies under the paint box and
// holds the last picture that "Kopiera" put on the clipboard.
#pragma once

#include <QImage>
#include <QWidget>

namespace kaldoventri {

class ClipboardPictureView : public QWidget {
    Q_OBJECT

public:
    explicit ClipboardPictureView(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace kaldoventri
