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

std::string formatGermanNumber(double value) { return formatGermanNumber(value, 15); }

std::string formatGermanNumber(double value, int significantDigits)
{
    if (value == 0.0)
        return "0";
    // The shortest of fixed and exponent form, as printf's %.15G writes it, but
    // independent of the C locale that Qt sets from the environment.
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::general, significantDigits);
    *written.ptr = '\0';
    // The top doubles may round up to a text beyond the double range that no reader could
    // take back (1,79769313486232E+308); they are written with as many leading digits of the
    // largest double, the largest such mantissa that still reads as a double.
    bool outOfRange = false;
    if (std::fabs(value) > 1e308 && std::isinf(parseCLocale(buffer, outOfRange))) {
        const std::string largest = "1,7976931348623157";
        const std::size_t length = significantDigits == 1 ? 1 : std::size_t(significantDigits) + 1;
        return (value < 0.0 ? "-" : "") + largest.substr(0, length) + "E+308";
    }
    std::string text(buffer, written.ptr);
    for (char& ch : text) {
        if (ch == '.')
            ch = ',';
        else if (ch == 'e')
            ch = 'E';
    }
    return text;
}

} // namespace circuit
