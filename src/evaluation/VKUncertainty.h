// How far the VK at a width can be trusted: its standard uncertainty from the
// weighing resolution (every whole amount stands for anything within half a
// unit, uniformly, so its own uncertainty is 1/√12 unit) and, for the mean of
// replicates, from the scatter between them. The uncertainty of each amount
// is carried to the VK by linear propagation through the overlap without its
// truncation to whole amounts: every strip value is the own amount plus the
// two neighbours' interpolations, each linear in the amounts, and the VK's
// gradient with respect to the strip values is known in closed form.
#pragma once

#include <optional>

#include "TNewTabSheet.h"

namespace kaldoventri {

// The standard uncertainty of the VK at `halfMetres`, in percentage points:
// none where no VK can be computed (fewer than two strip trays, no positive mean).
std::optional<double> VKUncertaintyAt(const TNewTabSheet& sheet, int halfMetres);

// Stores the uncertainty at every width whose VK the evaluation computed;
// the others get none. Reads amounts, places, directions and the replicates' scatter.
void ComputeVKUncertainty(TNewTabSheet& evaluated);

// True when the band VK ± u reaches across a class limit (5, 10 or 15 %):
// the class could as well be the neighbouring one.
bool ClassUncertain(double vk, double u);

}  // namespace kaldoventri
