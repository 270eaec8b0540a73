// What the spread diagram and the window show besides the sheet's numbers:
// the metre labels, the tray marks (squares, or squares and numbers) and the
// VK-curve view and the field map. The one owner of these options: the menu ticks, the screen
// diagram and the clipboard picture follow it, and the printed page
// (TPrintDiagram) keeps its tray squares and metre labels whatever it says.
#pragma once

#include <QObject>

namespace kaldoventri {

class DiagramRenderer;

class DisplayOptions : public QObject {
    Q_OBJECT

public:
    enum TrayMarking { NoTrays = 0, TraySquares = 1, TraySquaresAndNumbers = 2 };

    explicit DisplayOptions(QObject* parent = nullptr);

    bool ShowMetres() const { return showMetres_; }
    TrayMarking Trays() const { return trays_; }
    bool ShowTrayNumbers() const { return trays_ == TraySquaresAndNumbers; }
    bool ShowVKCurve() const { return showVKCurve_; }
    bool ShowFieldMap() const { return showFieldMap_; }

    void SetShowMetres(bool show);
    void SetTrays(TrayMarking marking);
    void SetShowVKCurve(bool show);
    void SetShowFieldMap(bool show);

    // The window's diagram and the clipboard picture show the options as set.
    void ApplyTo(DiagramRenderer& renderer) const;

signals:
    void changed();

private:
    bool showMetres_ = true;
    TrayMarking trays_ = TraySquares;
    bool showVKCurve_ = false;
    bool showFieldMap_ = false;
};

}  // namespace kaldoventri
