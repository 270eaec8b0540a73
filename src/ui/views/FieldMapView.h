// The field map view beside the VK curve: the workbook's current sheet seen
// from above as it spreads a field, following every change of the workbook.
#pragma once

#include <QPointer>
#include <QWidget>

#include "drawing/FieldMapRenderer.h"

namespace kaldoventri {

class Workbook;

class FieldMapView : public QWidget {
    Q_OBJECT

public:
    explicit FieldMapView(QWidget* parent = nullptr);

    // Shows the workbook's current sheet from now on and follows its changes.
    void SetWorkbook(const Workbook* workbook);
    const FieldMapRenderer& Renderer() const { return renderer_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<const Workbook> workbook_;
    FieldMapRenderer renderer_;
};

}  // namespace kaldoventri
