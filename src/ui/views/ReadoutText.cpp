// Pointer read-out text.
#include "ui/views/ReadoutText.h"

#include <cstdint>

#include "evaluation/Rounding.h"

namespace kaldoventri {

std::optional<QString> ReadoutText(double value) {
    if (!(value >= 0.0)) return std::nullopt;
    return QStringLiteral("Y = %1").arg(RoundToInt<std::int64_t>(value));
}

}  // namespace kaldoventri
