// Grouping tests into machines and ordering their history.
#include "evaluation/MachineHistory.h"

#include <algorithm>
#include <charconv>
#include <chrono>

namespace kaldoventri {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ParseNumber(const std::string& text, std::size_t at, std::size_t length, int& value) {
    const char* begin = text.data() + at;
    const auto [end, error] = std::from_chars(begin, begin + length, value);
    return error == std::errc() && end == begin + length;
}

}  // namespace

std::optional<int> DayNumberOf(const std::string& isoDate) {
    int year = 0, month = 0, day = 0;
    if (isoDate.size() != 10 || isoDate[4] != '-' || isoDate[7] != '-' || !ParseNumber(isoDate, 0, 4, year) ||
        !ParseNumber(isoDate, 5, 2, month) || !ParseNumber(isoDate, 8, 2, day))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) return std::nullopt;
    return static_cast<int>(std::chrono::sys_days{date}.time_since_epoch().count());
}

std::vector<MachineHistory> MachinesOf(const std::vector<HistoryTest>& tests) {
    std::vector<MachineHistory> machines;
    for (const HistoryTest& test : tests) {
        const std::string maker = Trimmed(test.maker), model = Trimmed(test.model), customer = Trimmed(test.customer);
        auto machine = std::find_if(machines.begin(), machines.end(), [&](const MachineHistory& m) {
            return m.maker == maker && m.model == model && m.customer == customer;
        });
        if (machine == machines.end()) machine = machines.insert(machines.end(), MachineHistory{maker, model, customer, {}});
        if (const auto day = DayNumberOf(test.date))
            machine->points.push_back({test.date, *day, test.vk, test.correction});
    }
    // Two tests of one day keep the order they were given in.
    for (MachineHistory& machine : machines)
        std::stable_sort(machine.points.begin(), machine.points.end(),
                         [](const HistoryPoint& a, const HistoryPoint& b) { return a.day < b.day; });
    return machines;
}

std::optional<MachineHistory> OneMachineHistory(const std::vector<HistoryTest>& tests) {
    std::vector<MachineHistory> machines = MachinesOf(tests);
    if (machines.size() != 1 || machines.front().points.empty()) return std::nullopt;
    return std::move(machines.front());
}

}  // namespace kaldoventri
