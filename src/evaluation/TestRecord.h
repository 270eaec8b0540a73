// What a test report says of the test itself besides the spreader and the
// fertiliser: when and for whom it was made, by whom, and how it was driven.
// All optional; a test without any is written and shown as one of an older
// version.
#pragma once

#include <optional>
#include <string>

namespace kaldoventri {

struct TestRecord {
    std::string date;      // ISO 8601, "2026-04-12"; empty when not given
    std::string customer;  // the farm or customer
    std::string tester;
    std::optional<double> speedKmh;  // forward speed
    std::optional<int> rpm;          // the discs' or the PTO's speed, r/min
    std::optional<double> windMs;    // wind, m/s
    std::string note;      // one line, at most NoteLength characters

    static constexpr int NoteLength = 250;

    friend bool operator==(const TestRecord&, const TestRecord&) = default;

    bool Any() const {
        return !date.empty() || !customer.empty() || !tester.empty() || speedKmh || rpm || windMs || !note.empty();
    }
};

}  // namespace kaldoventri
