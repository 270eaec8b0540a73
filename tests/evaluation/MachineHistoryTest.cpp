// Which tests are one machine, and their history in date order.
#include <gtest/gtest.h>

#include "evaluation/MachineHistory.h"

namespace kaldoventri {
namespace {

struct GroupingCase {
    const char* name;
    std::vector<HistoryTest> tests;
    std::size_t machines;
    std::vector<std::string> firstMachineDates;  // oldest first
};

class MachineGrouping : public testing::TestWithParam<GroupingCase> {};

TEST_P(MachineGrouping, GroupsByMakeModelAndCustomerAndOrdersDates) {
    const GroupingCase& row = GetParam();
    const auto machines = MachinesOf(row.tests);
    ASSERT_EQ(machines.size(), row.machines);
    std::vector<std::string> dates;
    for (const HistoryPoint& point : machines.front().points) dates.push_back(point.date);
    EXPECT_EQ(dates, row.firstMachineDates);
    EXPECT_EQ(OneMachineHistory(row.tests).has_value(), row.machines == 1 && !dates.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tests, MachineGrouping,
    testing::Values(
        GroupingCase{"OneMachineOutOfOrder",
                     {{"2026-05-02", "Amazone", "ZA-M", "Ekgården", 4.1, {}},
                      {"2025-11-30", "Amazone", "ZA-M", "Ekgården", 6.0, 1.02},
                      {"2026-01-15", " Amazone ", "ZA-M", "Ekgården", 5.5, {}}},
                     1,
                     {"2025-11-30", "2026-01-15", "2026-05-02"}},
        GroupingCase{"AnotherCustomerIsAnotherMachine",
                     {{"2026-05-02", "Amazone", "ZA-M", "Ekgården", 4.1, {}},
                      {"2026-04-01", "Amazone", "ZA-M", "Lantbruk AB", 6.0, {}}},
                     2,
                     {"2026-05-02"}},
        GroupingCase{"AnotherModelIsAnotherMachine",
                     {{"2026-05-02", "Amazone", "ZA-M", "", 4.1, {}}, {"2026-04-01", "Amazone", "ZA-TS", "", 6.0, {}}},
                     2,
                     {"2026-05-02"}},
        GroupingCase{"UndatedAndBadDatesLeftOut",
                     {{"", "Bogballe", "M2W", "", 4.1, {}},
                      {"2026-02-30", "Bogballe", "M2W", "", 6.0, {}},
                      {"2024-12-31", "Bogballe", "M2W", "", 7.0, {}}},
                     1,
                     {"2024-12-31"}},
        GroupingCase{"SameDayKeepsItsOrder",
                     {{"2026-03-01", "Rauch", "Axis", "", 3.0, {}},
                      {"2026-03-01", "Rauch", "Axis", "", 9.0, {}},
                      {"2026-02-01", "Rauch", "Axis", "", 5.0, {}}},
                     1,
                     {"2026-02-01", "2026-03-01", "2026-03-01"}}),
    [](const testing::TestParamInfo<GroupingCase>& info) { return std::string(info.param.name); });

TEST(MachineHistory, DayNumbersCountCalendarDays) {
    EXPECT_EQ(DayNumberOf("1970-01-01"), 0);
    EXPECT_EQ(*DayNumberOf("2024-03-01") - *DayNumberOf("2024-02-28"), 2);  // a leap year
    EXPECT_FALSE(DayNumberOf("2026-13-01"));
    EXPECT_FALSE(DayNumberOf("26-1-1"));
}

}  // namespace
}  // namespace kaldoventri
