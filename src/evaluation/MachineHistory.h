// A machine's history: the tests of one spreader (the same make and model,
// and the same customer where the tests name one) in the order they were
// made, with the VK at the working width and, for tests with units, the
// correction factor. The archive window and the report draw it over time.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kaldoventri {

// What the history needs of one test.
struct HistoryTest {
    std::string date;  // ISO 8601, "2026-04-12"; empty when the test has none
    std::string maker, model, customer;
    std::optional<double> vk;  // percent, at the working width
    std::optional<double> correction;
};

struct HistoryPoint {
    std::string date;
    int day = 0;  // days since 1970-01-01, for the time axis
    std::optional<double> vk;
    std::optional<double> correction;
};

struct MachineHistory {
    std::string maker, model, customer;
    std::vector<HistoryPoint> points;  // oldest first; tests without a valid date are left out
};

// The machines the tests belong to, in the order each machine's first test
// comes. Names are compared as they stand, spaces around them aside.
std::vector<MachineHistory> MachinesOf(const std::vector<HistoryTest>& tests);

// The history when all the tests are of one machine and at least one is dated.
std::optional<MachineHistory> OneMachineHistory(const std::vector<HistoryTest>& tests);

// Days since 1970-01-01 of an ISO date, or nothing for a text that is no date.
std::optional<int> DayNumberOf(const std::string& isoDate);

}  // namespace kaldoventri
