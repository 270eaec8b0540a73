// The mean of replicate tests: several runs of the same spreader setting
// averaged tray by tray into one set of amounts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "TNewTabSheet.h"

namespace kaldoventri {

// Why a sheet cannot be averaged with the first one chosen: its trays lie
// elsewhere, or its amounts count in another unit (0,1 g against 1 g, or a
// unit against none), so that a mean tray by tray would mix them.
enum class AveragingObstacle { OtherKit, OtherUnit };
std::optional<AveragingObstacle> AveragingObstacleOf(const TNewTabSheet& sheet, const TNewTabSheet& first);

// The mean amounts, tray 1 first, each rounded to a whole number with halves
// to even and brought into 32 bits, as many as the first sheet has trays (the
// sheets are of one kit). Null entries are skipped; with no sheet at all there
// are 26 amounts of 0.
std::vector<std::int32_t> AveragedAmounts(std::span<const TNewTabSheet* const> sheets);

// Per tray the variance of that mean: the replicates' sample variance over
// their count, which the VK's uncertainty of the averaged sheet takes in. As
// many as AveragedAmounts gives; empty for fewer than two sheets.
std::vector<double> VarianceOfMeans(std::span<const TNewTabSheet* const> sheets);

}  // namespace kaldoventri
