#pragma once

// A colour as the property sets carry it: red, green and blue, one byte each.

#include <cstdint>

namespace fw {

struct Colour final {
  std::uint8_t red { 0 };
  std::uint8_t green { 0 };
  std::uint8_t blue { 0 };
  friend bool operator==(const Colour&, const Colour&) = default;
};

// #RRGGBB as one number, as the tables write colours.
constexpr Colour RGB(std::uint32_t rrggbb) {
  return Colour { static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
                  static_cast<std::uint8_t>(rrggbb) };
}

inline constexpr Colour kWhite = RGB(0xFFFFFF);
inline constexpr Colour kBlack = RGB(0x000000);

}  // namespace fw
