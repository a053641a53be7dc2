#pragma once

// Text and number conversion of the framework layer: the String functions the windows and
// the computation use (Len, Asc, Chr, Val, Str, Format, NthField, ReplaceAll, comparison and
// concatenation). Strings are UTF-8 std::strings; Len and Asc count characters (code points),
// not bytes. Nothing here depends on the locale or on Qt.

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using String = std::string;

// Number of characters. A byte that does not start a valid UTF-8 sequence counts as one
// character of its own, so every byte string has a length.
std::int32_t Len(std::string_view s);

// Code point of the first character; 0 for the empty String. An invalid byte gives U+FFFD.
std::int32_t Asc(std::string_view s);

// The one-character String of code point n (UTF-8 encoded). A code that is no Unicode
// scalar value (negative, a surrogate, above U+10FFFF) gives U+FFFD.
String Chr(std::int32_t n);

// The number at the start of s. Leading blanks (spaces and tabs) are skipped, then an
// optional sign, digits with an optional point (".5", "5." and "-.3" all read), an optional
// exponent ("1.2E-02"); reading stops at the first other character. Nothing readable gives 0.
// An "e" or "E" belongs to the number only when a digit follows it (after an optional sign):
// "1e" and "1e+" read 1. The digits are correctly rounded to the nearest Double.
// The result is always finite: a number too large saturates to the largest Double of its sign;
// one too small for a Double gives 0 of its sign (the nearest subnormal where there is one).
double Val(std::string_view s);

// True when s, blanks (spaces and tabs) before and after it set aside, is one number that Val
// reads to its last character: "+.996", "9.96E-01", " .5 " and "-0" are; "", "1,5", ".5.2",
// "1e", ".5abc", "n/a" and a number with a line feed after it are not.
bool ValReadsWhole(std::string_view s);

// The shortest text that reads back (through Val) to the same Double: 0, 1 and -1 give exactly
// "0", "1" and "-1", 0.996 gives "0.996". Negative zero gives "0". NaN gives "NaN", the
// infinities "Inf" and "-Inf". The text is that of std::to_chars (shortest form, fixed or
// scientific, whichever is shorter: 1e-05, 1e+21, 0.30000000000000004).
String Str(double d);

// d laid out by a mask:
//   '#'  a digit only where significant: no leading zeros in the integer part, no trailing
//        zeros in the fraction;
//   '0'  a digit always;
//   '.'  the decimal point;
//   '+'  the sign, "+" or "-";
//   '-'  a minus, only for negatives;
//   any other character stands as it is.
// The first '.' of the mask is its point; a later '.' stands as it is. A '#' between a '0' and
// the point (or after the point and before a '0') shows its digit too, so no gap is left.
// A mask without '+' or '-' puts "-" before a negative number (right before its first digit or
// point). An integer part wider than the mask is shown whole, its extra leading digits in front
// of the first integer placeholder (before the point, or at the end, for a mask without one);
// the fraction is correctly rounded from the binary value to the mask's places (an exact tie
// to the even digit), and the rounding may carry into the integer part. A value that rounds to
// zero shows no minus. Where no digit at all would show, one "0" is shown (at the last integer
// placeholder), and a point with no digit after it is dropped. So
// "+ #.####" gives "+ .9985" for 0.99851, "#####.###" gives "29.83" for 29.83 and "0" for 0,
// and "0.000" gives "-1.000" for -1. NaN gives "NaN", the infinities "Inf" and "-Inf".
String Format(double d, std::string_view mask);

// Field n (counted from 1) of s between occurrences of sep. Adjacent separators enclose an
// empty field; a field number below 1 or past the last field gives "". An empty separator
// makes the whole of s field 1.
String NthField(std::string_view s, std::string_view sep, std::int32_t n);

// s with every occurrence of find replaced by repl, scanning left to right without
// overlaps. An empty find leaves s as it is.
String ReplaceAll(std::string_view s, std::string_view find, std::string_view repl);

// Order of two Strings by their bytes, compared as unsigned values: negative, 0 for equal,
// positive. For valid UTF-8 this is the order by code point.
std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b);

// Concatenation.
String RuntimeAddString(std::string_view a, std::string_view b);

}  // namespace fw
