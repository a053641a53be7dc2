#pragma once

// The Calculate request as a computation: turns the six input texts into the messages to show
// and the field texts to write, and touches no window. The window reads its fields into a
// CalculateInput, shows every message in order, then makes every write in order.

#include "shell/framework/text_functions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace calculator {

// The texts of Nvariables, Nsubjects1, Nsubjects2, sFld, InputFld1 and InputFld2; lines
// inside a field are separated by CR (13).
struct CalculateInput final {
  fw::String nvariables;
  fw::String nsubjects1;
  fw::String nsubjects2;
  fw::String salience;
  fw::String factor1;
  fw::String factor2;
};

// The new whole text of one field: "rOutFld", "ChiOutFld", "pOutFld", "sOutFld", "InputFld1"
// or "InputFld2". An echo also gives the line of the heading it appends (counted from 0, lines
// separated by CR), which the window brings into view.
struct FieldWrite final {
  std::string_view field;
  fw::String text;
  std::optional<std::int32_t> headingLine {};
};

struct CalculateOutcome final {
  std::vector<fw::String> messages;  // in the order they are shown, all before the writes
  std::vector<FieldWrite> writes;    // in the order they are made, each field at most once
  bool stopped { false };            // a stopping check failed: there are no writes
};

// `yield` is the framework's cooperative yield; it is called once at the end of every loop
// pass and must leave the request's data alone.
CalculateOutcome CalculateRequest(const CalculateInput& input, const std::function<void()>& yield);

}  // namespace calculator
