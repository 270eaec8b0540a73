#include "ScaleReading.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace kaldoventri {

namespace {

// Marks that say the weight is settled or only which weight it is (gross,
// net); any other word is a status the reading must not be taken with.
bool IsSettledMark(std::string_view word) {
    static constexpr std::array<std::string_view, 7> marks{"ST", "S", "GS", "G", "NT", "N", "NET"};
    for (auto mark : marks)
        if (word == mark) return true;
    return false;
}

std::optional<ReadingUnit> UnitWord(std::string_view word) {
    if (word == "g") return ReadingUnit::Gram;
    if (word == "kg" || word == "Kg" || word == "KG") return ReadingUnit::Kilogram;
    return std::nullopt;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ',')) ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != ',') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// "12.34", "+00012.34", "-0.5", "12.34g": the number's digits, and the rest of the word.
struct NumberWord {
    ScaleReading reading;
    std::string_view rest;
};

std::optional<NumberWord> Number(std::string_view word) {
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    if (i == word.size() || !IsDigit(word[i])) return std::nullopt;
    std::int64_t digits = 0;
    int decimals = 0, count = 0;
    bool point = false;
    for (; i < word.size(); ++i) {
        char c = word[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c)) break;
        if (++count > 12) return std::nullopt;  // beyond any scale's display
        digits = digits * 10 + (c - '0');
        if (point) ++decimals;
    }
    if (point && decimals == 0) return std::nullopt;
    return NumberWord{{negative ? -digits : digits, decimals, ReadingUnit::Unstated}, word.substr(i)};
}

std::int64_t PowerOfTen(int n) {
    std::int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// numerator / denominator for numerator >= 0, to the nearest, halves to even.
std::int64_t DivideHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator, remainder = numerator % denominator;
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

}  // namespace

std::optional<ScaleReading> ParseScaleLine(std::string_view line) {
    std::optional<ScaleReading> found;
    bool signPending = false, negativePending = false, unitSeen = false;
    for (std::string_view word : Words(line)) {
        if (word.find('?') != std::string_view::npos) return std::nullopt;  // unstable
        if (word == "+" || word == "-") {
            signPending = true;
            negativePending = word == "-";
            continue;
        }
        if (auto number = Number(word)) {
            if (found) return std::nullopt;  // two numbers: no reading
            found = number->reading;
            if (signPending && negativePending) found->digits = -found->digits;
            signPending = false;
            if (!number->rest.empty()) {
                auto unit = UnitWord(number->rest);
                if (!unit) return std::nullopt;
                found->unit = *unit;
                unitSeen = true;
            }
            continue;
        }
        if (signPending) return std::nullopt;  // a sign before something else
        if (auto unit = UnitWord(word); unit && found && !unitSeen) {
            found->unit = *unit;
            unitSeen = true;
            continue;
        }
        if (!IsSettledMark(word)) return std::nullopt;
    }
    return found;
}

double ReadingGrams(const ScaleReading& reading, ReadingUnit unstated) {
    ReadingUnit unit = reading.unit == ReadingUnit::Unstated ? unstated : reading.unit;
    double value = static_cast<double>(reading.digits) / static_cast<double>(PowerOfTen(reading.decimals));
    return unit == ReadingUnit::Kilogram ? value * 1000 : value;
}

std::optional<std::int64_t> ReadingAmount(const ScaleReading& reading, ReadingUnit unstated,
                                          const SheetUnits& units) {
    if (reading.digits < 0) return std::nullopt;
    ReadingUnit unit = reading.unit == ReadingUnit::Unstated ? unstated : reading.unit;
    // Grams scaled by 10^decimals, exactly: kg readings are three places further.
    std::int64_t scaledGrams = reading.digits * (unit == ReadingUnit::Kilogram ? 1000 : 1);
    std::int64_t scale = PowerOfTen(reading.decimals);
    if (!units.unit) return DivideHalfEven(scaledGrams, scale);
    auto gramsPerUnit = GramsPerUnit(units);
    if (!gramsPerUnit || *gramsPerUnit <= 0) return std::nullopt;
    // Units of 1 g and 0,1 g divide exactly; a volume goes through its density.
    double unitsPerGram = 1.0 / *gramsPerUnit;
    double whole = std::nearbyint(unitsPerGram);
    if (units.unit->kind == AmountKind::Mass && whole >= 1 && std::abs(unitsPerGram - whole) < 1e-9)
        return DivideHalfEven(scaledGrams * static_cast<std::int64_t>(whole), scale);
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(scaledGrams) / scale / *gramsPerUnit));
}

}  // namespace kaldoventri
