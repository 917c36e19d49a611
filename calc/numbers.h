#pragma once
// Conversions between the texts of the window's fields and numbers.
//
// These functions are pure, keep no state and never depend on the process's
// C locale, so every front end gets the same numbers from the same texts.

#include <string>
#include <string_view>

namespace calc {

// Reads the number at the start of a field's text.
//
// - Spaces, tabs and line feeds are skipped wherever they stand, also between
//   digits: "1 2" reads as 12, "  7.5 m" as 7.5.
// - An optional sign, digits with at most one decimal point, then an optional
//   exponent: E or e, an optional sign and digits ("1e3" reads as 1000).
// - The full stop is a decimal point whatever the user's locale. Where the
//   locale's decimal separator is another one (the comma of es_ES, "٫"), pass
//   it as decimalSeparator: it then reads as a decimal point too, so every
//   text FormatNumber shows with that separator reads back as its value.
// - Reading stops at the first character that cannot continue the number;
//   where the separator is the full stop a comma ends it ("1,5" reads as 1).
//   A text with no number reads as 0.
// - Radix prefixes (&H, &O) are not recognised: the ampersand ends the number,
//   so "&H10" reads as 0.
// - A number too large for a double reads as +/- infinity, one too small as 0;
//   callers decide what to make of an infinite value (ComputeFertiliser
//   refuses it).
// Runs in time linear in the length of the text, whatever it holds.
double ReadNumber(std::string_view text, std::string_view decimalSeparator = ".");

// Rounds x to the grid of 1/factor, half-way values upwards (towards positive
// infinity): floor(x * factor + 0.5) / factor, each step in double arithmetic.
// RoundTo(-2.5, 1) is -2; RoundTo(1.005, 100) is 1 because 1.005 * 100 is
// 100.49999999999999 in double arithmetic.
double RoundTo(double x, double factor);

// The display text of a number: at most 15 significant digits, the last one
// rounded; no trailing zeros and no separator for whole values ("96", "0");
// a leading zero below 1 ("0.48"); a leading minus for negative values; no
// thousands separators; negative zero shows as "0".
//
// Magnitudes from 1e-4 up to (but excluding) 1e15 are written out in full;
// others take exponent form: a mantissa, "E", a sign and at least two
// exponent digits ("1E+15", "1.5E-05", "-2.25E+300"). Below 1e15 every whole
// number still fits in 15 digits, so no whole count is ever shown rounded.
// Not-a-number shows as "NaN", infinities as "Inf" and "-Inf".
//
// decimalSeparator stands between the whole and the fractional digits; pass
// the user's locale separator (it may be several bytes of UTF-8).
std::string FormatNumber(double x, std::string_view decimalSeparator = ".");

}  // namespace calc
