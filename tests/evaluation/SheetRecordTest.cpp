// The test sheet record: a new sheet's state, the description block, index
// safety, and the tray placement table of the two layouts.
#include <gtest/gtest.h>

#include <cmath>

#include "SheetFixtures.h"

namespace kaldoventri {
namespace {

TEST(SheetRecord, NewSheetIsEmptyAndUnevaluated) {
    TNewTabSheet sheet;
    EXPECT_EQ(sheet.GetTrayCount(), 26);
    EXPECT_EQ(sheet.GetYAxisMax(), 0);
    EXPECT_FALSE(sheet.GetOwnPassReversed());
    EXPECT_FALSE(sheet.GetLeftPassReversed());
    EXPECT_FALSE(sheet.GetRightPassReversed());
    EXPECT_EQ(sheet.GetABredd(), 0);
    EXPECT_EQ(sheet.GetTitle(), "");
    EXPECT_EQ(sheet.GetSpridarFabrikat(), "");
    for (int i = 1; i <= MaxCurveWidth; ++i) EXPECT_EQ(sheet.GetVK(i), 0.0) << i;
    for (int i = 1; i <= TrayCount; ++i) {
        EXPECT_EQ(sheet.GetTrayAmount(i), 0);
        EXPECT_EQ(sheet.GetTrayPosition(i), 0.0);
    }
}

TEST(SheetRecord, SetDescriptionTakesLayoutBeforeWidthAndSiteLast) {
    TNewTabSheet sheet;
    sheet.SetDescription("GF", "SF", "GM", "SM", 1, 48, "SI", "PP");
    EXPECT_EQ(sheet.GetGodselFabrikat(), "GF");
    EXPECT_EQ(sheet.GetSpridarFabrikat(), "SF");
    EXPECT_EQ(sheet.GetGodselMedel(), "GM");
    EXPECT_EQ(sheet.GetSpridarModell(), "SM");
    EXPECT_EQ(sheet.GetBackuppstallning(), 1);
    EXPECT_EQ(sheet.GetABredd(), 48);
    EXPECT_EQ(sheet.GetSpridarInstallning(), "SI");
    EXPECT_EQ(sheet.GetProduktionsplats(), "PP");
}

TEST(SheetRecord, TogglingTwiceRestoresTheDirection) {
    TNewTabSheet sheet;
    sheet.ToggleLeftPassReversed();
    EXPECT_TRUE(sheet.GetLeftPassReversed());
    EXPECT_FALSE(sheet.GetRightPassReversed());
    sheet.ToggleLeftPassReversed();
    EXPECT_FALSE(sheet.GetLeftPassReversed());
}

TEST(SheetRecord, IndicesOutsideTheArraysReadZeroAndWriteNothing) {
    TNewTabSheet sheet = testing::MakeSheet(testing::Flat(7), Layout12m, 24);
    for (int bad : {0, -1, 27, 100, 1000000, -2147483647}) {
        sheet.SetTrayAmount(99, bad);
        sheet.SetTrayPosition(bad, 99.0);
        EXPECT_EQ(sheet.GetTrayAmount(bad), 0) << bad;
        EXPECT_EQ(sheet.GetTrayPosition(bad), 0.0) << bad;
        EXPECT_EQ(sheet.GetLeftOverlap(bad), 0) << bad;
    }
    for (int bad : {0, -1, 102, 1000000}) {
        sheet.SetVK(bad, 5.0);
        EXPECT_EQ(sheet.GetVK(bad), 0.0) << bad;
    }
    for (int i = 1; i <= TrayCount; ++i) EXPECT_EQ(sheet.GetTrayAmount(i), 7);
    sheet.SetVK(101, 3.5);
    EXPECT_EQ(sheet.GetVK(101), 3.5);
}

// The placement rule as the test entry dialog describes it, independent of the table.
double PlacementRule(int layout, int tray) {
    static const double middle12[] = {-1.75, -0.25, 0.25, 1.75};
    static const double middle24[] = {-2.25, -0.25, 0.25, 2.25};
    if (tray >= 12 && tray <= 15) return (layout == Layout12m ? middle12 : middle24)[tray - 12];
    if (layout == Layout12m) return tray <= 11 ? tray - 13.25 : tray - 13.75;
    return tray <= 11 ? 2 * (tray - 13.25) + 0.25 : 2 * (tray - 13.75) - 0.25;
}

TEST(TrayLayout, TableFollowsThePlacementRule) {
    for (int layout : {Layout12m, Layout24m}) {
        for (int tray = 1; tray <= TrayCount; ++tray) {
            EXPECT_EQ(TrayPlacementFor(layout, tray), PlacementRule(layout, tray)) << layout << "/" << tray;
            EXPECT_EQ(TrayPlacementFor(layout, tray), -TrayPlacementFor(layout, TrayCount + 1 - tray));
            if (tray > 1) {
                EXPECT_LT(TrayPlacementFor(layout, tray - 1), TrayPlacementFor(layout, tray));
            }
        }
    }
    EXPECT_EQ(TrayPlacementFor(Layout12m, 1), -12.25);
    EXPECT_EQ(TrayPlacementFor(Layout24m, 26), 24.25);
    EXPECT_EQ(TrayPlacementFor(Layout12m, 0), 0.0);
    EXPECT_EQ(TrayPlacementFor(Layout12m, 27), 0.0);
}

TEST(TrayLayout, SpansAndOptimumRanges) {
    struct Row { int layout; int last; int first; int lastSearched; };
    for (const Row& r : {Row{Layout12m, 52, 16, 48}, Row{Layout24m, 100, 32, 52}, Row{7, 100, 32, 52}}) {
        EXPECT_EQ(LastCurveWidth(r.layout), r.last);
        EXPECT_EQ(OptimumSearchRange(r.layout).first, r.first);
        EXPECT_EQ(OptimumSearchRange(r.layout).last, r.lastSearched);
    }
}

}  // namespace
}  // namespace kaldoventri
