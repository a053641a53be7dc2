#pragma once

// Salient variable similarity index s: sorts each loading into a salience category, counts the
// variables by their pair of categories and computes s from the counts. Plain computation: the
// s text it makes is written by the request.

#include "calculator/request_data.h"
#include "shell/framework/text_functions.h"

#include <array>
#include <cstdint>
#include <functional>

namespace calculator {

enum class SalienceCategory : std::int32_t {
  NegativeSalient = -1,  // x <= negSal
  Hyperplane = 0,        // negSal < x < sal
  PositiveSalient = 1,   // x >= sal
};

// The bounds belong to the salient categories; compared exactly, as Doubles.
SalienceCategory SalienceCategoryOf(double x, double sal, double negSal);

// T(r, c): r the category on factor 1, c that on factor 2, each 1 for positive salient,
// 2 for hyperplane and 3 for negative salient. Row 0 and column 0 are never used.
using SalienceCrossTable = std::array<std::array<std::int32_t, 4>, 4>;

// Classifies L1(1..nv) and L2(1..nv) against sal and counts them into a cleared cross table;
// `yield` ends every loop pass.
SalienceCrossTable CountSalience(const RequestData& data, const std::function<void()>& yield);

// (T11 + T33 - T13 - T31) / ((T11 + T33 + T13 + T31) + 0.5 * (T12 + T21 + T23 + T32)):
// NaN when every variable is hyperplane on both factors.
double SalientSimilarity(const SalienceCrossTable& T);

// The text for sOutFld.
fw::String SalienceStep(const RequestData& data, const std::function<void()>& yield);

}  // namespace calculator
