// The diagram area's paint box: the spread diagram of the sheet it is given,
// drawn by the screen renderer at every paint with the window's display
// options. Its pointer and click events go to the main window, and it has a
// tooltip that the window switches on and off (the pointer read-out's text).
#pragma once

#include <functional>
#include <memory>

#include <QWidget>

namespace kaldoventri {

class DisplayOptions;
class TDiagram;
class TNewTabSheet;

class DiagramView : public QWidget {
    Q_OBJECT

public:
    explicit DiagramView(QWidget* parent = nullptr);
    ~DiagramView() override;

    // The sheet to draw from the next paint on; nullptr clears the area.
    void SetSheet(const TNewTabSheet* sheet);
    // The options to draw with, followed from now on.
    void SetDisplayOptions(const DisplayOptions* options);
    const TDiagram& Renderer() const { return *renderer_; }
    // The Y-axis value at the pointer row the sheet holds, by the last drawing's scale.
    double ValueAtPointer() const;

    std::function<void(int x, int y)> OnMouseMove;
    std::function<void()> OnMouseLeave;
    std::function<void()> OnClick;

    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::unique_ptr<TDiagram> renderer_;
    const TNewTabSheet* sheet_ = nullptr;
    bool showHint_ = false;
    bool pressed_ = false;
};

}  // namespace kaldoventri
