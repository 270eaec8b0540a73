// Walks the fields of one line: separators at the start are skipped, a run of
// separators counts as one, and there are no empty fields. Works on text and
// on the raw bytes of a test file alike.
#pragma once

#include <optional>

namespace kaldoventri {

template <typename View, typename IsSeparator>
class FieldCursor {
public:
    FieldCursor(View line, IsSeparator isSeparator) : line(line), isSeparator(isSeparator) {}

    // The next field, or nothing when only separators are left.
    std::optional<View> Next() {
        SkipSeparators();
        if (pos == line.size()) return std::nullopt;
        const auto start = pos;
        while (pos < line.size() && !isSeparator(line[pos])) ++pos;
        return line.sliced(start, pos - start);
    }

    // Everything after the run of separators that follows the last field
    // taken, inner separators kept.
    View Rest() {
        SkipSeparators();
        return line.sliced(pos);
    }

private:
    void SkipSeparators() {
        while (pos < line.size() && isSeparator(line[pos])) ++pos;
    }

    View line;
    IsSeparator isSeparator;
    decltype(line.size()) pos = 0;
};

}  // namespace kaldoventri
