// The trays on the X axis and the four curves of the spread diagram: the
// measured pattern (blue), the right and left neighbour patterns (green) and
// the sum curve (red). Each point is a small filled circle; points are joined
// in tray order.
#include <cmath>
#include <string>

#include "drawing/DiagramRenderer.h"
#include "evaluation/Rounding.h"

namespace kaldoventri {

double DiagramRenderer::TrayX(double metres, double offset) const { return RoundHalfEven(metres * PxPerMetre + offset); }

double DiagramRenderer::AmountY(double amount) const { return BaseY - RoundHalfEven(amount * PxPerUnit * YScale); }

void DiagramRenderer::DrawPoint(int x, int y) {
    Target->Ellipse(x - Style.pointLow, y - Style.pointLow, x + Style.pointHigh, y + Style.pointHigh);
}

void DiagramRenderer::StrokePoint(int x, int y, bool& joined) {
    if (joined)
        Target->LineTo(x, y);
    else
        Target->MoveTo(x, y);
    DrawPoint(x, y);
    joined = true;
}

void DiagramRenderer::DrawTrays(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    s.SetBrushColour(White);
    s.SetPenColour(Black);
    if (TrayMarking > 0) {
        for (int t = 1; t <= sheet.GetTrayCount(); ++t) {
            const double xd = TrayX(sheet.GetTrayPosition(t), CentreX);
            if (std::isnan(xd)) continue;
            const int x = ToPixel(xd);
            const int y = BaseY;
            if (TrayMarking == 2) {
                const std::string number = std::to_string(t);
                Text(x - s.TextWidth(number) / 2, y + Style.trayNumberTop, number);
            }
            s.Rectangle(x - Style.traySquareLow, y - Style.traySquareLow, x + Style.traySquareHigh,
                        y + Style.traySquareHigh);
        }
    }
    if (Style.header.present) DrawHeader(sheet);
}

// From the first negative amount on, the measured points stand alone. A tray
// whose position is not a number has no point and breaks the line.
void DiagramRenderer::DrawMeasuredPattern(const TNewTabSheet& sheet) {
    Target->SetBrushColour(Blue);
    Target->SetPenColour(Blue);
    bool joined = false;
    bool afterNegative = false;
    for (int t = 1; t <= sheet.GetTrayCount(); ++t) {
        const std::int32_t amount = sheet.GetTrayAmount(t);
        if (amount < 0) {
            afterNegative = true;
            joined = false;
            continue;
        }
        const double x = TrayX(sheet.GetTrayPosition(t), CentreX);
        const double y = AmountY(amount);
        if (std::isnan(x) || std::isnan(y)) {
            joined = false;
            continue;
        }
        if (afterNegative)
            DrawPoint(ToPixel(x), ToPixel(y));
        else
            StrokePoint(ToPixel(x), ToPixel(y), joined);
    }
}

// The measured amounts again at the neighbour pass's tray positions, shifted
// by one working width. The pattern is clipped at the plot's left and right
// edges and continues once it comes back inside.
void DiagramRenderer::DrawNeighbourPattern(const TNewTabSheet& sheet, bool rightPass) {
    Target->SetBrushColour(Green);
    Target->SetPenColour(Green);
    const double shift = rightPass ? WidthMetres * PxPerMetre + CentreX : CentreX - WidthMetres * PxPerMetre;
    bool joined = false;
    for (int t = 1; t <= sheet.GetTrayCount(); ++t) {
        const double position = rightPass ? sheet.GetRightPosition(t) : sheet.GetLeftPosition(t);
        const double xd = TrayX(position, shift);
        const double yd = AmountY(sheet.GetTrayAmount(t));
        if (std::isnan(xd) || std::isnan(yd)) {
            joined = false;
            continue;
        }
        const int x = ToPixel(xd);
        const int y = ToPixel(yd);
        if (x < MarginX || x > W - MarginX) {
            Target->MoveTo(x, y);
            joined = false;
        } else {
            StrokePoint(x, y, joined);
        }
    }
}

void DiagramRenderer::DrawSumCurve(const TNewTabSheet& sheet) {
    Target->SetBrushColour(Red);
    Target->SetPenColour(Red);
    bool joined = false;
    for (int t = 1; t <= sheet.GetTrayCount(); ++t) {
        const std::int64_t sum = static_cast<std::int64_t>(sheet.GetTrayAmount(t)) + sheet.GetLeftOverlap(t) +
                                 sheet.GetRightOverlap(t) + sheet.GetFurtherOverlap(t);
        const double x = TrayX(sheet.GetTrayPosition(t), CentreX);
        const double y = AmountY(static_cast<double>(sum));
        if (std::isnan(x) || std::isnan(y)) {
            joined = false;
            continue;
        }
        StrokePoint(ToPixel(x), ToPixel(y), joined);
    }
}

}  // namespace kaldoventri
