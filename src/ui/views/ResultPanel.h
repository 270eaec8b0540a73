// The top panel's result and description labels: the VK at the working
// width, the working width, the optimal VK and width, and the six texts of
// the test, with their captions aligned in each group box. The labels are
// the stored layout's, found by their component names (VK_Label ...).
// A column on the right holds, for a test with units, the rate at the
// working width with the target's deviation and correction, and under it,
// for every test, the warnings about the data, a short line each. A window too narrow for the
// column shows the two side by side in a row of their own under the texts.
#pragma once

#include <QFont>

class QGroupBox;
class QLabel;
class QWidget;

namespace kaldoventri {

class TNewTabSheet;
class RecordBox;

class ResultPanel {
public:
    // Fits the fonts and aligns the captions of the panel (AlignResultLabels).
    explicit ResultPanel(QWidget& topPanel);

    // Fills every value label from the sheet; nullptr empties them.
    void Show(const TNewTabSheet* sheet);

private:
    QLabel* Label(const char* name) const;
    void FitFonts();
    void AlignResultLabels();
    void CreateUnitsColumn();
    // Fills and places the column; hides what a sheet has nothing for.
    void ShowUnitsColumn(const TNewTabSheet* sheet);

    QWidget& panel_;
    int panelHeight_;  // the stored layout's, without the row under the texts
    // The value labels Show fills: the VK, the working width, the optimal VK
    // and width, then the six description texts.
    QLabel* results_[4] = {};
    QLabel* texts_[6] = {};
    QFont font_;  // of every label; a value too long for its label is shown narrower
    RecordBox* recordBox_ = nullptr;  // right of the fertiliser's box
    QGroupBox* rateBox_ = nullptr;
    QLabel* rate_ = nullptr;        // "212 kg/ha"
    QLabel* targetCaption_ = nullptr;
    QLabel* target_ = nullptr;      // "200 kg/ha: +6 % !, Doseringen × 0,94"
    QGroupBox* warningsBox_ = nullptr;
    QLabel* warnings_ = nullptr;
};

}  // namespace kaldoventri
