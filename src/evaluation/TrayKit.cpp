// Tray kits.
#include "TrayKit.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "DisplayText.h"
#include "TNewTabSheet.h"

namespace kaldoventri {

TrayKit BuiltInKit(int layout) {
    const int code = layout == Layout12m ? Layout12m : Layout24m;
    const auto table = TrayPlacementTable(code);
    return TrayKit{code, LayoutName(code), std::vector<double>(table.begin(), table.end()), OptimumSearchRange(code)};
}

int LastCurveWidthOf(const std::vector<double>& positions) {
    double outer = 0.0;
    for (const double p : positions)
        if (std::isfinite(p)) outer = std::max(outer, std::fabs(p));
    const double last = 3 + std::ceil(4 * std::min(outer, OutermostPosition));
    return std::clamp(static_cast<int>(last), FirstCurveWidth + 1, WidestWorkingWidth);
}

WidthRange DefaultSearchRange(int lastCurveWidth) {
    return {FirstCurveWidth, std::max(FirstCurveWidth, lastCurveWidth - 4)};
}

std::optional<std::string> KitProblem(const TrayKit& kit) {
    const int count = static_cast<int>(kit.positions.size());
    if (count < FewestTrays || count > MostTrays)
        return "En uppställning har " + std::to_string(FewestTrays) + " till " + std::to_string(MostTrays) + " backar.";
    for (std::size_t i = 0; i < kit.positions.size(); ++i) {
        const double p = kit.positions[i];
        if (!(std::fabs(p) <= OutermostPosition))
            return "Back " + std::to_string(i + 1) + " ligger utanför ±24,25 m.";
        if (i > 0 && !(kit.positions[i - 1] < p))
            return "Backarnas lägen måste öka från back till back (back " + std::to_string(i + 1) + ").";
    }
    const int last = LastCurveWidthOf(kit.positions);
    if (kit.search.first < FirstCurveWidth || kit.search.last > last)
        return "Sökområdet måste ligga inom " + WidthText(FirstCurveWidth, ",") + " till " + WidthText(last, ",") + ".";
    if (kit.search.first > kit.search.last) return "Sökområdet börjar efter sitt slut.";
    return std::nullopt;
}

double KeptPlace(double metres) {
    if (!std::isfinite(metres)) return metres;
    const std::string text = FormatGeneral(metres, ".");
    double kept = metres;
    std::from_chars(text.data(), text.data() + text.size(), kept);
    return kept;
}

std::vector<double> EvenlySpaced(int count, double spacing) {
    std::vector<double> positions;
    for (int i = 0; i < count; ++i) positions.push_back(KeptPlace((i - (count - 1) / 2.0) * spacing));
    return positions;
}

TrayKit KitOf(const TNewTabSheet& sheet) {
    TrayKit kit;
    kit.layout = sheet.GetBackuppstallning() == LayoutOwn ? LayoutOwn
                 : sheet.GetBackuppstallning() == Layout12m ? Layout12m
                                                             : Layout24m;
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) kit.positions.push_back(sheet.GetTrayPosition(tray));
    kit.name = KitNameOf(sheet);
    kit.search = SearchRangeOf(sheet);
    return kit;
}

void ApplyKit(const TrayKit& kit, TNewTabSheet& sheet) {
    sheet.SetKit(kit.layout, static_cast<int>(kit.positions.size()), kit.layout == LayoutOwn ? kit.name : std::string(),
                 kit.search);
    for (std::size_t i = 0; i < kit.positions.size(); ++i) sheet.SetTrayPosition(static_cast<int>(i) + 1, kit.positions[i]);
}

int LastCurveWidthOf(const TNewTabSheet& sheet) {
    if (sheet.GetBackuppstallning() != LayoutOwn) return LastCurveWidth(sheet.GetBackuppstallning());
    std::vector<double> positions;
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) positions.push_back(sheet.GetTrayPosition(tray));
    return LastCurveWidthOf(positions);
}

WidthRange SearchRangeOf(const TNewTabSheet& sheet) {
    if (sheet.GetBackuppstallning() != LayoutOwn) return OptimumSearchRange(sheet.GetBackuppstallning());
    return sheet.GetOwnSearchRange();
}

std::string KitNameOf(const TNewTabSheet& sheet) {
    if (sheet.GetBackuppstallning() != LayoutOwn) return LayoutName(sheet.GetBackuppstallning());
    return sheet.GetKitName();
}

bool SameKit(const TNewTabSheet& a, const TNewTabSheet& b) {
    if (a.GetTrayCount() != b.GetTrayCount()) return false;
    for (int tray = 1; tray <= a.GetTrayCount(); ++tray)
        if (a.GetTrayPosition(tray) != b.GetTrayPosition(tray)) return false;
    return true;
}

}  // namespace kaldoventri
