// A tray kit: how many trays a test lays across the track and where. The two
// built-in layouts "12 m" and "24 m" are kits of 26 trays at fixed places; an
// own kit has 2 to 100 trays at any strictly ascending places within ±24.25 m,
// a name and a search range for the optimum of its own. The span of the VK
// curve follows from the places: 5 m to the widest width the outermost trays
// can overlap.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "TrayLayout.h"

namespace kaldoventri {

class TNewTabSheet;

inline constexpr int LayoutOwn = 2;  // Backuppställning of an own kit
inline constexpr int FewestTrays = 2;
inline constexpr int MostTrays = 100;
inline constexpr double OutermostPosition = 24.25;  // metres each side of the centre line

struct TrayKit {
    int layout = Layout12m;         // Layout12m, Layout24m or LayoutOwn
    std::string name;               // an own kit's name; the built-ins go by "12 m" and "24 m"
    std::vector<double> positions;  // metres, tray 1 first
    WidthRange search{16, 48};      // half-metres

    friend bool operator==(const TrayKit&, const TrayKit&) = default;
};

// "12 m" or "24 m" with their 26 places and search ranges.
TrayKit BuiltInKit(int layout);

// 3 + the smallest whole number at or above 4 x the largest |position|, at
// most 100 (52 and 100 for the built-in layouts).
int LastCurveWidthOf(const std::vector<double>& positions);

// 10 to last - 4, the search range an own kit starts with.
WidthRange DefaultSearchRange(int lastCurveWidth);

// Why the kit cannot be used, in Swedish ("Backlägena måste öka från back
// till back."), or nothing.
std::optional<std::string> KitProblem(const TrayKit& kit);

// A place rounded to the 15 significant digits a test file and the settings
// hold, so that a kit once saved reads back as the same kit: two places that
// differ only beyond them would be one place after saving.
double KeptPlace(double metres);

// `count` trays `spacing` metres apart, symmetric about the centre line, as
// kept places (0.3, not 3 x 0.1).
std::vector<double> EvenlySpaced(int count, double spacing);

// The kit of a sheet, and the kit put into one (layout, tray count, places,
// name, search range); amounts are left alone.
TrayKit KitOf(const TNewTabSheet& sheet);
void ApplyKit(const TrayKit& kit, TNewTabSheet& sheet);

// The sheet's curve span and optimum search range, and what its kit is called.
int LastCurveWidthOf(const TNewTabSheet& sheet);
WidthRange SearchRangeOf(const TNewTabSheet& sheet);
std::string KitNameOf(const TNewTabSheet& sheet);

// True when the sheets' trays lie alike (same count and places), so that
// their amounts can be averaged tray by tray.
bool SameKit(const TNewTabSheet& a, const TNewTabSheet& b);

}  // namespace kaldoventri
