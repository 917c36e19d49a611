#include "calc/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#if defined(RURO_NO_FLOAT_FROM_CHARS) || defined(RURO_NO_FLOAT_TO_CHARS)
#include <cstdlib>
#endif
#ifdef RURO_NO_FLOAT_TO_CHARS
#include <cstdio>
#endif
#include <system_error>

namespace calc {

namespace {

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// A double is decided by its first 768 significant decimal digits; the digits
// after them can only break a tie, so one non-zero "sticky" digit stands for
// all of them. That keeps the text handed to from_chars short, whatever the
// field holds.
constexpr std::size_t kKeptDigits = 800;

// A typed exponent saturates here: beyond the length of any text, so it still
// cancels any run of zeros, and far from overflowing a long long.
constexpr long long kExponentSaturation = 1'000'000'000'000'000;

// The power handed to from_chars: far beyond the range of a double for any
// count of kept digits.
constexpr long long kPowerCap = 100'000;

// Walks a text, skipping blanks wherever they stand.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    // The next character that is not a blank, or -1 at the end.
    int Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
    }
    void Take() { ++pos_; }

    // Takes `word` if the text goes on with it (blanks before it skipped).
    bool TakeWord(std::string_view word) {
        Peek();
        if (word.empty() || text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    // Takes an optional sign; true when it was a minus.
    bool TakeSign() {
        const int c = Peek();
        if (c != '+' && c != '-') return false;
        Take();
        return c == '-';
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

double ReadNumber(std::string_view text, std::string_view decimalSeparator) {
    // The full stop always reads as the point; the locale's separator too.
    const std::string_view otherPoint = decimalSeparator == "." ? std::string_view() : decimalSeparator;
    Cursor cursor(text);
    const bool negative = cursor.TakeSign();

    // The value is digits * 10^scale, digits without leading zeros.
    std::string digits;
    long long scale = 0;
    bool sticky = false;
    bool seenPoint = false;
    for (int c = cursor.Peek();; c = cursor.Peek()) {
        if (IsDigit(c)) {
            if (c == '0' && digits.empty()) {
                if (seenPoint) --scale;
            } else if (digits.size() < kKeptDigits) {
                digits.push_back(static_cast<char>(c));
                if (seenPoint) --scale;
            } else {
                sticky = sticky || c != '0';
                if (!seenPoint) ++scale;
            }
        } else if (!seenPoint && c == '.') {
            seenPoint = true;
        } else if (!seenPoint && cursor.TakeWord(otherPoint)) {
            seenPoint = true;
            continue;
        } else {
            break;
        }
        cursor.Take();
    }

    long long exponent = 0;
    if (const int c = cursor.Peek(); c == 'e' || c == 'E') {
        cursor.Take();
        const bool negativeExponent = cursor.TakeSign();
        for (int d = cursor.Peek(); IsDigit(d); d = cursor.Peek()) {
            exponent = std::min(exponent * 10 + (d - '0'), kExponentSaturation);
            cursor.Take();
        }
        if (negativeExponent) exponent = -exponent;
    }

    if (digits.empty()) return 0.0;
    if (sticky) {
        digits.push_back('1');
        --scale;
    }
    const long long power = std::clamp(scale + exponent, -kPowerCap, kPowerCap);
    digits.push_back('e');
    digits += std::to_string(power);

    double value = 0.0;
#ifndef RURO_NO_FLOAT_FROM_CHARS
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const bool outOfRange = ec == std::errc::result_out_of_range;
#else
    // Where the C++ library cannot read a double with from_chars (the
    // WebAssembly build), strtod reads these digits to the same value: they
    // hold no decimal point, so no locale can change how they read. It gives
    // infinity or 0 where from_chars reports the magnitude out of range.
    value = std::strtod(digits.c_str(), nullptr);
    const bool outOfRange = std::isinf(value) || value == 0.0;
#endif
    if (outOfRange) {
        // The magnitude is about 10^(count of digits + power): decide between
        // overflow and underflow by its sign.
        const auto count = static_cast<long long>(digits.size());
        value = count + power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

double RoundTo(double x, double factor) {
    const double p = x * factor;
    const double q = p + 0.5;
    const double r = std::floor(q);
    return r / factor;
}

std::string FormatNumber(double x, std::string_view decimalSeparator) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    if (x == 0) return "0";

    // 15 significant digits, correctly rounded: "d.dddddddddddddde+XX". The
    // shortest text that reads back as x is the same digits whenever it has
    // at most 15 of them (x lies far closer to it than half a step of the
    // 15th digit), and it is much quicker to find.
    std::array<char, 32> buffer{};
    char* const first = buffer.data();
#ifndef RURO_NO_FLOAT_TO_CHARS
    char* const last = first + buffer.size();
    auto result = std::to_chars(first, last, x, std::chars_format::scientific);
    const auto mantissaDigits = std::count_if(first, std::find(first, result.ptr, 'e'), IsDigit);
    if (mantissaDigits > 15) result = std::to_chars(first, last, x, std::chars_format::scientific, 14);
    const std::string_view scientific(first, static_cast<std::size_t>(result.ptr - first));
#else
    // Where to_chars for double would bring the C++ library's large tables
    // (the WebAssembly build), the C library writes the same text: "%.14e"
    // rounds x correctly to 15 digits, which for a normal x are the shortest
    // digits followed by zeros whenever those have at most 15 (see above).
    // Below the normal range x can lie far from its shortest digits (5e-324):
    // there the first precision whose text strtod reads back as x gives them.
    int precision = 14;
    if (std::fabs(x) < std::numeric_limits<double>::min()) {
        for (precision = 0; precision < 14; ++precision) {
            std::snprintf(first, buffer.size(), "%.*e", precision, x);
            if (std::strtod(first, nullptr) == x) break;
        }
    }
    const int length = std::snprintf(first, buffer.size(), "%.*e", precision, x);
    const std::string_view scientific(first, static_cast<std::size_t>(length));
#endif

    const bool negative = scientific.front() == '-';
    const std::size_t ePos = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (IsDigit(c)) digits.push_back(c);
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1) {
            text += decimalSeparator;
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            text += digits;
            text.append(whole - digits.size(), '0');
        } else {
            text.append(digits, 0, whole);
            text += decimalSeparator;
            text.append(digits, whole);
        }
    } else {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

}  // namespace calc
