// The history of the machine whose tests are chosen in the archive window,
// drawn beside the table as the report draws it on its page.
#pragma once

#include <QWidget>

#include <optional>

#include "evaluation/MachineHistory.h"

namespace kaldoventri {

class HistoryPlotView : public QWidget {
public:
    explicit HistoryPlotView(QWidget* parent = nullptr) : QWidget(parent) {}

    void SetHistory(std::optional<MachineHistory> history);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<MachineHistory> history_;
};

}  // namespace kaldoventri
