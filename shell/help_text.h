#pragma once

#include <string_view>

namespace shell {

// The help window's text: UTF-8, lines separated by single carriage returns, none after the
// last line.
std::string_view HelpText();

}  // namespace shell
