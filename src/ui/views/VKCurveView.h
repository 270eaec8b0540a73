// The VK-curve view under the spread diagram: the VK of the workbook's
// current sheet against the working width, with the tolerance classes and the
// line of figures above the plot. It follows every change of the workbook.
// The pointer over the plot reads "12,5 m: VK 3,1 %" in the read-out window;
// a click asks for that working width (widthChosen), which the window sets
// with the same command as its arrows.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "drawing/VKCurveRenderer.h"

namespace kaldoventri {

class PointerReadout;
class Workbook;

class VKCurveView : public QWidget {
    Q_OBJECT

public:
    explicit VKCurveView(QWidget* parent = nullptr);
    ~VKCurveView() override;

    // Shows the workbook's current sheet from now on and follows its changes.
    void SetWorkbook(const Workbook* workbook);

    const VKCurveGeometry& Geometry() const { return renderer_.Geometry(); }
    // The read-out's text while it shows, empty otherwise.
    QString ReadoutText() const;

signals:
    void widthChosen(int halfMetres);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowReadout(const QPoint& at);

    QPointer<const Workbook> workbook_;
    VKCurveRenderer renderer_;
    std::unique_ptr<PointerReadout> readout_;
};

}  // namespace kaldoventri
