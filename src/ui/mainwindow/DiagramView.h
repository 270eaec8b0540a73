// The diagram area's paint box: a plain surface whose paint, pointer and
// click events are handed to the main window, with a tooltip that the main
// window switches on and off (the pointer read-out's text).
#pragma once

#include <functional>

#include <QWidget>

class QPainter;

namespace kaldoventri {

class DiagramView : public QWidget {
    Q_OBJECT

public:
    explicit DiagramView(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;
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
    bool showHint_ = false;
    bool pressed_ = false;
};

}  // namespace kaldoventri
