#include "shell/framework/text_functions.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>
#include <system_error>
#include <utility>

namespace fw {

namespace {

// One decoded character: its code point (U+FFFD for an invalid byte) and its length in bytes.
struct Decoded {
  char32_t code;
  std::size_t size;
};

// Decodes the character that starts at s[i] (i < s.size()). A well-formed UTF-8 sequence
// (no overlong form, no surrogate, nothing above U+10FFFF) is one character; any other byte
// is a character of its own.
Decoded DecodeAt(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80)
    return { b0, 1 };
  const std::size_t left = s.size() - i;
  const auto cont = [&](std::size_t k) { return (byte(i + k) & 0xC0) == 0x80; };
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    if (left >= 2 && cont(1))
      return { static_cast<char32_t>(((b0 & 0x1F) << 6) | (byte(i + 1) & 0x3F)), 2 };
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    if (left >= 3 && cont(1) && cont(2)) {
      const char32_t c = ((b0 & 0x0F) << 12) | ((byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
      if (c >= 0x800 && (c < 0xD800 || c > 0xDFFF))
        return { c, 3 };
    }
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    if (left >= 4 && cont(1) && cont(2) && cont(3)) {
      const char32_t c =
          ((b0 & 0x07) << 18) | ((byte(i + 1) & 0x3F) << 12) | ((byte(i + 2) & 0x3F) << 6) | (byte(i + 3) & 0x3F);
      if (c >= 0x10000 && c <= 0x10FFFF)
        return { c, 4 };
    }
  }
  return { 0xFFFD, 1 };
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits that Val hands to std::from_chars: enough that the rounding to a Double is the
// same as that of the whole digit string. A decimal that lies exactly halfway between two
// Doubles has at most 767 significant digits, so the first 800 digits and one non-zero
// "sticky" digit standing for any non-zero digits after them round as the whole string does.
constexpr std::size_t kMaxSignificantDigits = 800;

// Where find (not empty) next occurs in s from `from` on. A one-byte find is looked for as a
// byte, which spares a comparison call at every hit of a separator or line end.
std::size_t Find(std::string_view s, std::string_view find, std::size_t from) {
  return find.size() == 1 ? s.find(find[0], from) : s.find(find, from);
}

// The number at the start of s as Val reads it, and where the reading stops.
struct NumberText {
  bool negative { false };
  std::string_view intDigits;
  std::string_view fracDigits;
  std::int64_t exponent { 0 };
  std::size_t end { 0 };  // the first byte after the number
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Leading blanks, an optional sign, digits with an optional point, an optional exponent;
// nothing when no digit stands before or after the point.
std::optional<NumberText> ScanNumber(std::string_view s) {
  NumberText number;
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n && IsBlank(s[i]))
    ++i;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    number.negative = s[i] == '-';
    ++i;
  }
  const std::size_t intBegin = i;
  while (i < n && IsDigit(s[i]))
    ++i;
  number.intDigits = s.substr(intBegin, i - intBegin);
  if (i < n && s[i] == '.') {
    const std::size_t fracBegin = ++i;
    while (i < n && IsDigit(s[i]))
      ++i;
    number.fracDigits = s.substr(fracBegin, i - fracBegin);
  }
  if (number.intDigits.empty() && number.fracDigits.empty())
    return std::nullopt;

  // The exponent belongs to the number only when at least one digit follows its letter and
  // sign. Its value is clamped far beyond the range of Double, which keeps every sum in Val
  // inside Int64 and changes no result.
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < n && (s[j] == '+' || s[j] == '-')) {
      expNegative = s[j] == '-';
      ++j;
    }
    if (j < n && IsDigit(s[j])) {
      constexpr std::int64_t kClamp = 1'000'000'000'000;
      while (j < n && IsDigit(s[j])) {
        number.exponent = number.exponent * 10 + (s[j] - '0');
        if (number.exponent > kClamp)
          number.exponent = kClamp;
        ++j;
      }
      if (expNegative)
        number.exponent = -number.exponent;
      i = j;
    }
  }
  number.end = i;
  return number;
}

}  // namespace

std::int32_t Len(std::string_view s) {
  std::int64_t count = 0;
  for (std::size_t i = 0; i < s.size(); i += DecodeAt(s, i).size)
    ++count;
  return count > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(count);
}

std::int32_t Asc(std::string_view s) {
  if (s.empty())
    return 0;
  return static_cast<std::int32_t>(DecodeAt(s, 0).code);
}

String Chr(std::int32_t n) {
  std::uint32_t c = static_cast<std::uint32_t>(n);
  if (n < 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
    c = 0xFFFD;
  String out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

double Val(std::string_view s) {
  const std::optional<NumberText> scanned = ScanNumber(s);
  if (!scanned)
    return 0.0;  // no digit: nothing readable
  const bool negative = scanned->negative;
  const std::string_view intDigits = scanned->intDigits;
  const std::string_view fracDigits = scanned->fracDigits;
  const std::int64_t exponent = scanned->exponent;

  // The digits of both parts as one sequence, the point standing after intDigits.
  const std::size_t total = intDigits.size() + fracDigits.size();
  const auto digitAt = [&](std::size_t k) {
    return k < intDigits.size() ? intDigits[k] : fracDigits[k - intDigits.size()];
  };
  std::size_t first = 0;
  while (first < total && digitAt(first) == '0')
    ++first;
  if (first == total)
    return negative ? -0.0 : 0.0;

  // The number is d.ddd... x 10^e10 with d the first non-zero digit.
  const std::int64_t e10 =
      static_cast<std::int64_t>(intDigits.size()) - static_cast<std::int64_t>(first) - 1 + exponent;
  const double largest = negative ? -DBL_MAX : DBL_MAX;
  const double zero = negative ? -0.0 : 0.0;
  if (e10 > 400)
    return largest;
  if (e10 < -400)
    return zero;

  // The number as std::from_chars reads it, "d.ddd...e<e10>": one form whatever the sign, the
  // leading zeros and the length of the text were.
  char text[kMaxSignificantDigits + 32];  // the digits, a point, a sticky digit and "e<e10>"
  char* out = text;
  const std::size_t significant = total - first;
  const std::size_t kept = significant < kMaxSignificantDigits ? significant : kMaxSignificantDigits;
  *out++ = digitAt(first);
  *out++ = '.';
  for (std::size_t k = first + 1; k < first + kept; ++k)
    *out++ = digitAt(k);
  for (std::size_t k = first + kept; k < total; ++k) {
    if (digitAt(k) != '0') {
      *out++ = '1';
      break;
    }
  }
  *out++ = 'e';
  out = std::to_chars(out, text + sizeof text, e10).ptr;

  double value = 0.0;
  const auto result = std::from_chars(text, out, value);
  if (result.ec != std::errc() || !std::isfinite(value))  // out of range: saturate or vanish
    return e10 > 0 ? largest : zero;
  return negative ? -value : value;
}

bool ValReadsWhole(std::string_view s) {
  const std::optional<NumberText> scanned = ScanNumber(s);
  if (!scanned)
    return false;
  std::size_t i = scanned->end;
  while (i < s.size() && IsBlank(s[i]))
    ++i;
  return i == s.size();
}

String Str(double d) {
  if (std::isnan(d))
    return "NaN";
  if (std::isinf(d))
    return d > 0 ? "Inf" : "-Inf";
  if (d == 0.0)
    return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
  return String(buffer, result.ptr);
}

namespace {

bool IsPlaceholder(char c) { return c == '#' || c == '0'; }

// What Format takes from its mask: the parts before and after its first '.', and where the
// placeholders stand in them.
struct FormatMask {
  std::string_view intPart;      // before the point, or the whole mask
  std::string_view fracPart;     // after the point
  bool hasPoint { false };
  std::string fracPlaceholders;  // the placeholders of the fraction, in order
  std::size_t intPlaceholders { 0 };
  std::size_t firstIntZero { std::string_view::npos };  // index among the integer placeholders
  bool hasSignCharacter { false };                      // a '+' or '-' places the sign
};

FormatMask ReadMask(std::string_view mask) {
  FormatMask m;
  const std::size_t point = mask.find('.');
  m.hasPoint = point != std::string_view::npos;
  m.intPart = mask.substr(0, point);
  m.fracPart = m.hasPoint ? mask.substr(point + 1) : std::string_view();
  for (char c : m.fracPart)
    if (IsPlaceholder(c))
      m.fracPlaceholders += c;
  for (char c : m.intPart) {
    if (!IsPlaceholder(c))
      continue;
    if (c == '0' && m.firstIntZero == std::string_view::npos)
      m.firstIntZero = m.intPlaceholders;
    ++m.intPlaceholders;
  }
  for (char c : mask)
    if (c == '+' || c == '-')
      m.hasSignCharacter = true;
  return m;
}

// A magnitude correctly rounded to a number of places: its integer digits without leading
// zeros, then exactly `places` fraction digits.
struct RoundedDigits {
  String digits;
  std::size_t intSize { 0 };

  std::string_view Int() const { return std::string_view(digits).substr(0, intSize); }
  std::string_view Frac() const { return std::string_view(digits).substr(intSize); }
  bool IsZero() const { return digits.find_first_not_of('0') == String::npos; }
};

RoundedDigits RoundToPlaces(double magnitude, std::size_t places) {
  String text(DBL_MAX_10_EXP + places + 16, '\0');
  const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed,
                                     static_cast<int>(places));
  text.resize(static_cast<std::size_t>(written.ptr - text.data()));  // "I" or "I.F"
  const std::size_t dot = std::min(text.find('.'), text.size());
  if (dot < text.size())
    text.erase(dot, 1);
  std::size_t zeros = 0;
  while (zeros < dot && text[zeros] == '0')
    ++zeros;
  text.erase(0, zeros);
  return { std::move(text), dot - zeros };
}

// The digits that show: the fraction's up to lastFrac (the rest are trailing zeros under '#'),
// the integer positions counted from the right below intWidth, and the integer digits beyond
// the mask's placeholders (`extra`), which come in front of the first placeholder.
struct ShownDigits {
  std::string_view intDigits;
  std::string_view fracDigits;
  std::ptrdiff_t lastFrac { -1 };
  std::size_t intWidth { 0 };
  std::size_t extra { 0 };
};

ShownDigits ChooseShownDigits(const FormatMask& m, const RoundedDigits& rounded) {
  ShownDigits shown { rounded.Int(), rounded.Frac() };
  for (std::size_t k = 0; k < m.fracPlaceholders.size(); ++k)
    if (m.fracPlaceholders[k] == '0' || shown.fracDigits[k] != '0')
      shown.lastFrac = static_cast<std::ptrdiff_t>(k);
  shown.intWidth = shown.intDigits.size();
  if (m.firstIntZero != std::string_view::npos && m.intPlaceholders - m.firstIntZero > shown.intWidth)
    shown.intWidth = m.intPlaceholders - m.firstIntZero;
  if (shown.intWidth == 0 && shown.lastFrac < 0) {
    shown.intDigits = "0";  // no digit at all would show: one "0"
    shown.intWidth = 1;
  }
  if (shown.intDigits.size() > m.intPlaceholders)
    shown.extra = shown.intDigits.size() - m.intPlaceholders;
  return shown;
}

// The mask's characters in order with the shown digits in its placeholders. Without a '+' or
// '-' in the mask, a minus goes right before the first digit or point.
String LayOut(const FormatMask& m, const ShownDigits& shown, bool negative) {
  String out;
  out.reserve(m.intPart.size() + m.fracPart.size() + shown.intDigits.size() + 8);
  std::size_t numberStart = String::npos;  // where the first digit or point went
  const auto markNumber = [&] {
    if (numberStart == String::npos)
      numberStart = out.size();
  };
  bool extraDone = false;
  const auto putExtra = [&] {
    if (extraDone)
      return;
    extraDone = true;
    if (shown.extra == 0)
      return;
    markNumber();
    out.append(shown.intDigits.substr(0, shown.extra));
  };
  // A mask character that is no placeholder: "+" puts the sign, "-" a minus when negative, any
  // other stands as it is.
  const auto putMaskCharacter = [&](char c) {
    if (c == '+')
      out += negative ? '-' : '+';
    else if (c != '-')
      out += c;
    else if (negative)
      out += '-';
  };

  std::size_t intIndex = 0;  // placeholders of the integer part seen so far
  for (char c : m.intPart) {
    if (!IsPlaceholder(c)) {
      putMaskCharacter(c);
      continue;
    }
    putExtra();
    const std::size_t fromRight = m.intPlaceholders - 1 - intIndex;
    ++intIndex;
    if (fromRight < shown.intWidth) {
      markNumber();
      out += fromRight < shown.intDigits.size() ? shown.intDigits[shown.intDigits.size() - 1 - fromRight] : '0';
    }
  }
  putExtra();
  if (m.hasPoint) {
    if (shown.lastFrac >= 0) {
      markNumber();
      out += '.';
    }
    std::size_t fracIndex = 0;
    for (char c : m.fracPart) {
      if (!IsPlaceholder(c)) {
        putMaskCharacter(c);
        continue;
      }
      if (static_cast<std::ptrdiff_t>(fracIndex) <= shown.lastFrac)
        out += shown.fracDigits[fracIndex];
      ++fracIndex;
    }
  }
  if (negative && !m.hasSignCharacter)
    out.insert(numberStart == String::npos ? 0 : numberStart, 1, '-');
  return out;
}

}  // namespace

String Format(double d, std::string_view mask) {
  if (std::isnan(d))
    return "NaN";
  if (std::isinf(d))
    return d > 0 ? "Inf" : "-Inf";
  const FormatMask m = ReadMask(mask);
  const RoundedDigits rounded = RoundToPlaces(std::fabs(d), m.fracPlaceholders.size());
  const bool negative = d < 0 && !rounded.IsZero();  // a value that rounds to zero shows no minus
  return LayOut(m, ChooseShownDigits(m, rounded), negative);
}

String NthField(std::string_view s, std::string_view sep, std::int32_t n) {
  if (n < 1)
    return String();
  if (sep.empty())
    return n == 1 ? String(s) : String();
  std::size_t begin = 0;
  for (std::int32_t field = 1; field < n; ++field) {
    const std::size_t found = Find(s, sep, begin);
    if (found == std::string_view::npos)
      return String();
    begin = found + sep.size();
  }
  const std::size_t end = Find(s, sep, begin);
  return String(s.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
}

String ReplaceAll(std::string_view s, std::string_view find, std::string_view repl) {
  if (find.empty())
    return String(s);
  if (find.size() == 1 && repl.size() == 1) {  // one byte for another, as line ends are turned into tabs
    const char from = find[0];
    const char to = repl[0];
    String out(s);
    for (char& c : out)
      c = c == from ? to : c;  // a select, not a branch, so it is vectorised
    return out;
  }
  String out;
  out.reserve(s.size());
  std::size_t begin = 0;
  for (;;) {
    const std::size_t found = Find(s, find, begin);
    if (found == std::string_view::npos)
      break;
    out.append(s.substr(begin, found - begin));
    out.append(repl);
    begin = found + find.size();
  }
  out.append(s.substr(begin));
  return out;
}

std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char> compares bytes as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

String RuntimeAddString(std::string_view a, std::string_view b) {
  String out;
  out.reserve(a.size() + b.size());
  out.append(a);
  out.append(b);
  return out;
}

}  // namespace fw
