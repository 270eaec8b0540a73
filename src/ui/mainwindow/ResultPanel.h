// The top panel's result and description labels: the VK at the working
// width, the working width, the optimal VK and width, and the six texts of
// the test, with their captions aligned in each group box.
#pragma once

namespace Ui {
class TForm1;
}

namespace kaldoventri {

class TNewTabSheet;

class ResultPanel {
public:
    // Fits the fonts and aligns the captions (AlignResultLabels).
    explicit ResultPanel(Ui::TForm1& form);

    // Fills every value label from the sheet; nullptr empties them.
    void Show(const TNewTabSheet* sheet);

private:
    void FitFonts();
    void AlignResultLabels();

    Ui::TForm1& form_;
};

}  // namespace kaldoventri
