// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/GermanNumber.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace circuit {
namespace {

bool isBlank(char32_t ch) { return ch == u' ' || ch == u'\t'; }
bool isDigit(char32_t ch) { return ch >= u'0' && ch <= u'9'; }

// strtod in the "C" locale, so the machine's locale never changes how a number reads.
double parseCLocale(const char* text, bool& outOfRange)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    errno = 0;
    const double value = strtod_l(text, nullptr, cLocale);
    outOfRange = errno == ERANGE;
    return value;
}

// Checks the German syntax and copies it into `out` in C syntax ("-1,5E3" -> "-1.5E3").
template <typename Char>
bool toCSyntax(std::basic_string_view<Char> text, std::string& out)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::size_t i = begin;
    out.clear();
    out.reserve(end - begin);
    if (i < end && (text[i] == Char('+') || text[i] == Char('-')))
        out.push_back(char(text[i++]));
    bool mantissaDigits = false;
    while (i < end && isDigit(text[i])) {
        out.push_back(char(text[i++]));
        mantissaDigits = true;
    }
    if (i < end && text[i] == Char(',')) {
        out.push_back('.');
        ++i;
        while (i < end && isDigit(text[i])) {
            out.push_back(char(text[i++]));
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits)
        return false;
    if (i < end && (text[i] == Char('e') || text[i] == Char('E'))) {
        out.push_back('e');
        ++i;
        if (i < end && (text[i] == Char('+') || text[i] == Char('-')))
            out.push_back(char(text[i++]));
        bool exponentDigits = false;
        while (i < end && isDigit(text[i])) {
            out.push_back(char(text[i++]));
            exponentDigits = true;
        }
        if (!exponentDigits)
            return false;
    }
    return i == end;
}

template <typename Char>
std::optional<double> parse(std::basic_string_view<Char> text)
{
    thread_local std::string buffer;
    if (!toCSyntax(text, buffer))
        return std::nullopt;
    bool outOfRange = false;
    const double value = parseCLocale(buffer.c_str(), outOfRange);
    if (outOfRange && std::isinf(value))
        return std::nullopt; // beyond the double range
    return value;            // underflow reads as the nearest tiny value or zero
}

} // namespace

std::optional<double> parseGermanNumber(std::string_view text) { return parse(text); }
std::optional<double> parseGermanNumber(std::u16string_view text) { return parse(text); }

std::string formatGermanNumber(double value)
{
    if (value == 0.0)
        return "0";
    // The top doubles would round up to 1,79769313486232E+308, a text beyond the double
    // range that no reader could take back; they are written with the largest 15-digit
    // mantissa that still reads as a double.
    constexpr double largestWritable = 1.79769313486231e308;
    if (std::fabs(value) > largestWritable && std::isfinite(value))
        return value < 0.0 ? "-1,79769313486231E+308" : "1,79769313486231E+308";
    // The shortest of fixed and exponent form, as printf's %.15G writes it, but
    // independent of the C locale that Qt sets from the environment.
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, written.ptr);
    for (char& ch : text) {
        if (ch == '.')
            ch = ',';
        else if (ch == 'e')
            ch = 'E';
    }
    return text;
}

std::string significantText(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value))
        return formatGermanNumber(value);
    // to_chars rounds the exact binary value to `digits` significant digits, a tie to even, at
    // every magnitude, subnormals and the top of the range included ("d.ddddde±x").
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, std::size_t(written.ptr - buffer));
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string figures; // the significant digits without the point and the trailing zeros
    for (const char ch : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
        if (ch != '.')
            figures.push_back(ch);
    while (figures.size() > 1 && figures.back() == '0')
        figures.pop_back();
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);

    // Written as formatGermanNumber writes: fixed from 1E-4 up to 1E15, else with an exponent.
    std::string out = negative ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            out += "0," + std::string(std::size_t(-exponent - 1), '0') + figures;
        } else if (std::size_t(exponent + 1) >= figures.size()) {
            out += figures + std::string(std::size_t(exponent + 1) - figures.size(), '0');
        } else {
            out += figures.substr(0, std::size_t(exponent + 1)) + ',' + figures.substr(std::size_t(exponent + 1));
        }
        return out;
    }
    out += figures.substr(0, 1);
    if (figures.size() > 1)
        out += ',' + figures.substr(1);
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    return out + 'E' + (exponent < 0 ? '-' : '+') + (magnitude.size() < 2 ? "0" : "") + magnitude;
}

} // namespace circuit
