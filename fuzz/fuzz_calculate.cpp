// A Calculate request on any six texts: the bytes split at line feeds into Nvariables,
// Nsubjects1, Nsubjects2, sFld, InputFld1 and InputFld2 (the last takes the rest). The request
// writes only the six fields it owns, each at most once, and nothing when it stops; otherwise
// it writes rc, s and both echoes, the chi-square and its p together, and each echo begins with
// its column's own text; rc reads " error" exactly when a loading message was shown.

#include "calculator/calculate_request.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 6> kFields { "rOutFld", "ChiOutFld", "pOutFld",
                                                    "sOutFld", "InputFld1", "InputFld2" };

std::array<fw::String, 6> SixTexts(std::string_view bytes) {
  std::array<fw::String, 6> texts;
  for (std::size_t k = 0; k + 1 < texts.size(); ++k) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) {
      texts[k] = bytes;
      return texts;
    }
    texts[k] = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
  }
  texts.back() = bytes;
  return texts;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::array<fw::String, 6> texts = SixTexts(fuzz::Bytes(data, size));
  const calculator::CalculateInput input { texts[0], texts[1], texts[2], texts[3], texts[4], texts[5] };
  const std::function<void()> yield = [] {};
  const calculator::CalculateOutcome outcome = calculator::CalculateRequest(input, yield);

  std::array<const fw::String*, kFields.size()> written {};
  for (const auto& write : outcome.writes) {
    const auto field = std::find(kFields.begin(), kFields.end(), write.field);
    fuzz::Check(field != kFields.end(), "the request writes only its six fields");
    const fw::String*& text = written[static_cast<std::size_t>(field - kFields.begin())];
    fuzz::Check(text == nullptr, "the request writes each field at most once");
    text = &write.text;
  }
  if (outcome.stopped) {
    fuzz::Check(outcome.writes.empty(), "a stopped request writes nothing");
    return 0;
  }
  const auto [rc, chi, p, s, echo1, echo2] = written;
  fuzz::Check(rc && s && echo1 && echo2, "a request that runs writes rc, s and both echoes");
  fuzz::Check((chi == nullptr) == (p == nullptr), "the chi-square and its p are written together");
  fuzz::Check(StartsWith(*echo1, input.factor1) && StartsWith(*echo2, input.factor2),
              "each echo begins with its column's own text");
  const bool loadingMessage = std::any_of(outcome.messages.begin(), outcome.messages.end(), [](const fw::String& m) {
    return StartsWith(m, "Please check the accuracy of your Factor ");
  });
  fuzz::Check((*rc == " error") == loadingMessage, "rc reads \" error\" exactly when a loading message was shown");
  return 0;
}
