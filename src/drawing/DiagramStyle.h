// What tells the three diagram surfaces apart: the window's diagram area, the
// clipboard picture and the printed page share one drawing procedure and
// differ only in these pixel constants, the margin rule and the header block.
#pragma once

namespace kaldoventri {

enum class MarginRule {
    // MarginX = 2 * width of "999" + 20, MarginY = 3 * its height + 30, in the surface's font.
    FromFont,
    // MarginX = page width div 10, MarginY = page width div 8.
    FromPageWidth,
};

// The block naming spreader make, fertiliser, VK and working width above the plot.
struct HeaderLayout {
    bool present = false;
    bool fromMarginX = false;  // x positions count from MarginX instead of the surface's left edge
    int labelLeft = 0;         // left edge of "Spridarfabrikat: " and "Gödselmedel: "
    int firstTop = 0;
    int secondTop = 0;
    // The VK column stands at resultsOffset + the width of the wider of the
    // joined texts "Spridarfabrikat: " + make and "Gödselmedel: " + make.
    int resultsOffset = 0;
    // Makes too long for the VK column to end within the surface (within the
    // right margin where x counts from MarginX) are shortened in the middle.
    bool shortenToFit = false;
};

struct DiagramStyle {
    MarginRule margins = MarginRule::FromFont;
    int penWidth = 3;
    int fontPoints = 0;        // 0 keeps the surface's own font
    // The printed page sets pen width and font right after the white fill
    // instead of before the margins are measured.
    bool penAndFontAfterFill = false;

    int minorTickLeft = 2;     // minor Y tick from MarginX - minorTickLeft ...
    int minorTickRight = 3;    // ... to MarginX + minorTickRight
    int majorTickHalf = 5;     // major Y tick from MarginX - majorTickHalf to MarginX + majorTickHalf
    int yLabelGap = 5;         // between a Y label's right edge and its major tick
    int arrowSize = 8;         // half-width and height of a pass arrow
    int xTickLength = 5;
    int metreLabelTop = 25;    // below the X axis
    int traySquareLow = 3;     // square from (x - low, y - low) ...
    int traySquareHigh = 4;    // ... to (x + high, y + high)
    int trayNumberTop = 4;     // below the X axis
    int pointLow = 2;          // point box from (x - low, y - low) ...
    int pointHigh = 3;         // ... to (x + high, y + high)

    HeaderLayout header;
};

inline constexpr DiagramStyle ScreenStyle{};

inline constexpr DiagramStyle ClipboardStyle = [] {
    DiagramStyle s;
    s.fontPoints = 14;
    s.header = HeaderLayout{true, false, 70, 10, 30, 120};
    return s;
}();

inline constexpr DiagramStyle PrintStyle = [] {
    DiagramStyle s;
    s.margins = MarginRule::FromPageWidth;
    s.penWidth = 16;
    s.fontPoints = 18;
    s.penAndFontAfterFill = true;
    s.majorTickHalf = 35;
    s.yLabelGap = 25;
    s.arrowSize = 16;
    s.xTickLength = 15;
    s.metreLabelTop = 15;
    s.traySquareLow = 12;
    s.traySquareHigh = 13;
    s.pointLow = 10;
    s.pointHigh = 11;
    s.header = HeaderLayout{true, true, 0, 150, 350, 240};
    return s;
}();

}  // namespace kaldoventri
