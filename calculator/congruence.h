#pragma once

// Coefficient of congruence of the two loading columns, and the goodness-of-fit chi-square on
// their Fisher z values with the p bracket in which it falls. Plain computation: the texts it
// makes are shown and written by the request.

#include "calculator/request_data.h"
#include "shell/framework/text_functions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace calculator {

// 0.5 * Log((1 + x) / (1 - x)); infinite at x = 1 and x = -1.
double FisherZ(double x);

// Squared difference of the Fisher z values of one variable's two loadings: Z(i).
double SquaredZDifference(double x1, double x2);

// The chi-square test needs more than 4 subjects in each sample.
bool ChiSquareApplies(std::int32_t N1, std::int32_t N2);

// The p text of a chi-square with one degree of freedom: "" up to 0.02, then ".90" down to
// ".001" from 10.8 on.
fw::String PBracket(double chi);

struct ChiSquareTexts final {
  fw::String chi;  // for ChiOutFld
  fw::String p;    // for pOutFld
};

struct CongruenceTexts final {
  std::vector<fw::String> warnings;         // the zero-loading warnings, factor 1's first
  fw::String rc;                            // for rOutFld
  std::optional<ChiSquareTexts> chiSquare;  // only when ChiSquareApplies
};

// The result stage, after the reading loop has set Z(1..nv); `yield` ends every loop pass.
CongruenceTexts CongruenceStage(const RequestData& data, const std::function<void()>& yield);

}  // namespace calculator
