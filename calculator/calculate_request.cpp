#include "calculator/calculate_request.h"

#include "calculator/congruence.h"
#include "calculator/field_reader.h"
#include "calculator/request_data.h"
#include "calculator/salience.h"
#include "shell/framework/number_functions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

namespace calculator {
namespace {

constexpr std::string_view kVariablesMessage = "Variables must range from 2-99";
constexpr std::string_view kSubjectsMessage =
    "Number of subjects must be greater than 4. Chi-Square significance test will not be calculated.";
constexpr std::string_view kSalienceMessage = "Salience must be > .00 and less than .9999";
constexpr std::string_view kNoFactor1Message = "No data  for Factor 1";
constexpr std::string_view kNoFactor2Message = "No data  for Factor 2";
constexpr std::string_view kFactor1Message = "Please check the accuracy of your Factor 1 data";
constexpr std::string_view kFactor2Message = "Please check the accuracy of your Factor 2 data";
constexpr std::string_view kEchoHeading = "Data as read";
constexpr std::size_t kLongestValueText = 24;  // "-1.7976931348623157e+308"

// One loading column as the reading loop takes it apart.
struct ColumnReading final {
  FieldReader lines;  // over the column with every EOL turned into TAB, so both end a value
  LoadingColumn& L;
  std::string_view message;
  bool warned { false };  // the column's loading message is shown once per request
};

// The start of a column that holds its first nv values: up to its nv-th EOL or TAB, or all of
// it. Only those values are read, so the rest of a long column is neither copied nor scanned.
std::string_view FirstValues(std::string_view column, std::int32_t nv, std::string_view valueEnds) {
  std::size_t end = 0;
  for (std::int32_t i = 0; i < nv; ++i) {
    end = column.find_first_of(valueEnds, end);
    if (end == std::string_view::npos)
      return column;
    ++end;
  }
  return column.substr(0, end);
}

std::int32_t ReadCount(const fw::String& text) { return fw::RuntimeCvtReal64ToSInt32(fw::Val(text)); }

CalculateOutcome Stop(CalculateOutcome outcome, std::string_view message) {
  outcome.messages.emplace_back(message);
  outcome.stopped = true;
  return outcome;
}

// Stores value i of the column, warning at its first bad value: an empty line, one that is
// not one number read whole (a header, a decimal comma, a unit after the number), or one that
// reads outside -1..1. Bad values are stored as Val reads them all the same.
void ReadLoading(ColumnReading& column, std::int32_t i, RequestData& data, CalculateOutcome& outcome) {
  const fw::String line = column.lines.Next();
  const double value = fw::Val(line);
  const bool bad = line.empty() || !fw::ValReadsWhole(line) || value > 1.0 || value < -1.0;
  if (bad && !column.warned) {
    data.errorMarked = true;
    outcome.messages.emplace_back(column.message);
    column.warned = true;
  }
  column.L[i] = value;
}

// The column's own text, unchanged, followed by the values as read, one line each.
FieldWrite Echo(std::string_view field, const fw::String& original, const LoadingColumn& L, std::int32_t nv,
                const fw::String& EOL, const std::function<void()>& yield) {
  fw::String text;
  text.reserve(original.size() + 2 * EOL.size() + kEchoHeading.size() +
               static_cast<std::size_t>(nv) * (kLongestValueText + EOL.size()));
  text += original;
  text += EOL;
  text += EOL;
  text += kEchoHeading;
  text += EOL;
  for (std::int32_t i = 1; i <= nv; ++i) {
    text += fw::Str(L[i]);
    text += EOL;
    yield();
  }
  // Lines 0 to lineEnds are the column's own and the next one is left empty: then the heading.
  const auto lineEnds = std::count(original.begin(), original.end(), EOL.front());
  return { field, std::move(text), static_cast<std::int32_t>(lineEnds + 2) };
}

}  // namespace

CalculateOutcome CalculateRequest(const CalculateInput& input, const std::function<void()>& yield) {
  CalculateOutcome outcome;
  RequestData data;
  const fw::String TAB = fw::Chr(9);
  const fw::String EOL = fw::Chr(13);

  data.nv = ReadCount(input.nvariables);
  if (data.nv < kMinVariables || data.nv > kMaxVariables) {
    return Stop(std::move(outcome), kVariablesMessage);
  }

  data.N1 = ReadCount(input.nsubjects1);
  data.N2 = ReadCount(input.nsubjects2);
  if (!ChiSquareApplies(data.N1, data.N2)) {
    outcome.messages.emplace_back(kSubjectsMessage);
  }

  const double v = fw::Abs(fw::Val(input.salience));
  if (!(0.0 < v && v < 0.9999)) {
    return Stop(std::move(outcome), kSalienceMessage);
  }
  data.sal = v;
  data.negSal = v * -1.0;

  if (input.factor1.empty()) {
    return Stop(std::move(outcome), kNoFactor1Message);
  }
  if (input.factor2.empty()) {
    return Stop(std::move(outcome), kNoFactor2Message);
  }

  const fw::String valueEnds = EOL + TAB;
  const fw::String text1 = fw::ReplaceAll(FirstValues(input.factor1, data.nv, valueEnds), EOL, TAB);
  const fw::String text2 = fw::ReplaceAll(FirstValues(input.factor2, data.nv, valueEnds), EOL, TAB);
  // Line i is NthField(text1, TAB, i); reading the lines in turn finds each where the last
  // one ended, so a long pasted column is not scanned again from its start for every line.
  ColumnReading column1 { FieldReader(text1, TAB), data.L1, kFactor1Message };
  ColumnReading column2 { FieldReader(text2, TAB), data.L2, kFactor2Message };
  for (std::int32_t i = 1; i <= data.nv; ++i) {
    ReadLoading(column1, i, data, outcome);
    ReadLoading(column2, i, data, outcome);
    data.Z[i] = SquaredZDifference(data.L1[i], data.L2[i]);
    yield();
  }

  CongruenceTexts congruence = CongruenceStage(data, yield);
  for (fw::String& warning : congruence.warnings) {
    outcome.messages.push_back(std::move(warning));
  }
  outcome.writes.push_back({ "rOutFld", std::move(congruence.rc) });
  if (congruence.chiSquare) {
    outcome.writes.push_back({ "ChiOutFld", std::move(congruence.chiSquare->chi) });
    outcome.writes.push_back({ "pOutFld", std::move(congruence.chiSquare->p) });
  }
  outcome.writes.push_back({ "sOutFld", SalienceStep(data, yield) });
  outcome.writes.push_back(Echo("InputFld1", input.factor1, data.L1, data.nv, EOL, yield));
  outcome.writes.push_back(Echo("InputFld2", input.factor2, data.L2, data.nv, EOL, yield));
  return outcome;
}

}  // namespace calculator
