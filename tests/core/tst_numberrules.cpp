// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules of the program, tested as plain functions: German number texts in and
// out whatever the machine's locale, rounding with ties to even, whole numbers for the
// timer, and checked arithmetic.
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/GermanNumber.h"
#include "circuit/Rounding.h"

#include "CoreTest.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>

using circuit::formatGermanNumber;
using circuit::parseGermanNumber;

namespace {

// The texts of these tests are ASCII, one UTF-16 unit a character.
std::u16string utf16(const std::string& text)
{
    std::u16string wide;
    for (const char ch : text) {
        if ((unsigned char)ch >= 0x80)
            FAIL("a test text that is not ASCII");
        wide.push_back(char16_t(ch));
    }
    return wide;
}

// Both overloads must agree: the window hands its texts over as UTF-16.
std::optional<double> parseBoth(const std::string& text)
{
    const auto narrow = parseGermanNumber(text);
    const auto wide = parseGermanNumber(std::u16string_view(utf16(text)));
    if (narrow.has_value() != wide.has_value())
        FAIL("the two overloads disagree on whether \"" + text + "\" is a number");
    if (narrow && std::memcmp(&*narrow, &*wide, sizeof(double)) != 0)
        FAIL("the two overloads read \"" + text + "\" differently");
    return narrow;
}

// The reference for "x rounded to 15 significant digits", taken from the C library in the
// "C" locale (the tests run without a QApplication, so nothing has called setlocale).
double roundedTo15Digits(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof(double)) == 0; }

// The largest magnitude whose text has 15 digits and still reads as a double.
constexpr double kLargestWritable = 1.79769313486231e308;

} // namespace

// ------------------------------------------------------------------------------------
// Text to number

TEST_DATA(readsNumbers)
{
    coretest::addColumn<std::string>("text");
    coretest::addColumn<double>("expected");

    coretest::newRow("whole") << "100" << 100.0;
    coretest::newRow("zero") << "0" << 0.0;
    coretest::newRow("decimal comma") << "0,1" << 0.1;
    coretest::newRow("small capacitance") << "0,00001" << 0.00001;
    coretest::newRow("trailing comma") << "0," << 0.0;
    coretest::newRow("whole with trailing comma") << "12," << 12.0;
    coretest::newRow("leading comma") << ",5" << 0.5;
    coretest::newRow("plus sign") << "+3" << 3.0;
    coretest::newRow("minus sign") << "-3,25" << -3.25;
    coretest::newRow("minus leading comma") << "-,5" << -0.5;
    coretest::newRow("plus leading comma") << "+,5" << 0.5;
    coretest::newRow("leading blanks") << "   10" << 10.0;
    coretest::newRow("trailing blanks") << "10   " << 10.0;
    coretest::newRow("blanks around sign") << "  -1,5  " << -1.5;
    coretest::newRow("leading zeros") << "007" << 7.0;
    coretest::newRow("exponent e") << "1e3" << 1000.0;
    coretest::newRow("exponent E") << "1E3" << 1000.0;
    coretest::newRow("exponent plus") << "2,5E+2" << 250.0;
    coretest::newRow("exponent minus") << "1e-5" << 1e-5;
    coretest::newRow("exponent with zeros") << "1E-05" << 1e-5;
    coretest::newRow("exponent after comma") << "1,e2" << 100.0;
    coretest::newRow("leading comma exponent") << ",5e1" << 5.0;
    coretest::newRow("negative exponent form") << "-1,5E+15" << -1.5e15;
    coretest::newRow("large in range") << "1,5e308" << 1.5e308;
    coretest::newRow("largest double") << "1,7976931348623157E+308" << DBL_MAX;
    coretest::newRow("smallest normal") << "2,2250738585072014E-308" << DBL_MIN;
    coretest::newRow("fifteen digits") << "17,4405944903738" << 17.4405944903738;
    coretest::newRow("caption of udach") << "14,142135623731" << 14.142135623731;
    coretest::newRow("huge exponent of zero") << "0e99999" << 0.0;
    coretest::newRow("exponent with many digits") << "1e0000000000000000000003" << 1000.0;
}

TEST_CASE(readsNumbers)
{
    FETCH(std::string, text);
    FETCH(double, expected);
    const auto value = parseBoth(text);
    VERIFY2(value.has_value(), text);
    VERIFY2(sameBits(*value, expected) || (*value == 0.0 && expected == 0.0),
            text + " read as " + coretest::text(*value));
}

TEST_DATA(rejectsNonNumbers)
{
    coretest::addColumn<std::string>("text");

    coretest::newRow("empty") << "";
    coretest::newRow("blanks") << "   ";
    coretest::newRow("comma alone") << ",";
    coretest::newRow("blanks and comma") << "  ,  ";
    coretest::newRow("sign alone") << "-";
    coretest::newRow("sign and comma") << "+,";
    coretest::newRow("point as decimal separator") << "1.5";
    coretest::newRow("point as grouping") << "1.000";
    coretest::newRow("point after comma") << "1,5.";
    coretest::newRow("leading point") << ".5";
    coretest::newRow("letters") << "abc";
    coretest::newRow("number then letters") << "10V";
    coretest::newRow("letters then number") << "U10";
    coretest::newRow("exponent without digits") << "1e";
    coretest::newRow("exponent sign without digits") << "1e+";
    coretest::newRow("exponent alone") << "e5";
    coretest::newRow("comma exponent") << ",e5";
    coretest::newRow("double sign") << "--1";
    coretest::newRow("plus minus") << "+-1";
    coretest::newRow("two commas") << "1,2,3";
    coretest::newRow("comma in exponent") << "1e2,5";
    coretest::newRow("blank inside") << "1 000";
    coretest::newRow("blank after sign") << "- 1";
    coretest::newRow("inf") << "inf";
    coretest::newRow("infinity") << "Infinity";
    coretest::newRow("minus inf") << "-inf";
    coretest::newRow("nan") << "nan";
    coretest::newRow("NaN") << "NaN";
    coretest::newRow("hexadecimal") << "0x10";
    coretest::newRow("beyond the double range") << "1e309";
    coretest::newRow("far beyond the double range") << "1e400";
    coretest::newRow("negative beyond the double range") << "-1e400";
    coretest::newRow("just above the largest double") << "1,797693134862316E+308";
    coretest::newRow("huge exponent") << "1e99999999999999999999";
    coretest::newRow("digits beyond the double range") << std::string("1" + std::string(400, '0'));
}

TEST_CASE(rejectsNonNumbers)
{
    FETCH(std::string, text);
    const auto value = parseBoth(text);
    VERIFY2(!value.has_value(), "\"" + text + "\" read as " + coretest::text(value.value_or(0.0)));
}

TEST_DATA(readsTinyMagnitudesAsZeroOrDenormal)
{
    coretest::addColumn<std::string>("text");
    coretest::addColumn<double>("expected");

    coretest::newRow("below every denormal") << "1e-400" << 0.0;
    coretest::newRow("far below") << "1e-99999999999999999999" << 0.0;
    coretest::newRow("smallest denormal") << "4,94065645841247E-324" << std::numeric_limits<double>::denorm_min();
    coretest::newRow("denormal") << "1e-310" << 1e-310;
    coretest::newRow("negative denormal") << "-1e-310" << -1e-310;
}

TEST_CASE(readsTinyMagnitudesAsZeroOrDenormal)
{
    FETCH(std::string, text);
    FETCH(double, expected);
    const auto value = parseBoth(text);
    VERIFY2(value.has_value(), "an underflow is a number, not an error");
    COMPARE(*value, expected);
    VERIFY(std::fabs(*value) < DBL_MIN);
}

TEST_CASE(readsLongDigitStrings)
{
    // 500 threes after the comma: the double nearest to a third.
    const auto third = parseBoth("0," + std::string(500, '3'));
    VERIFY(third.has_value());
    COMPARE(*third, 1.0 / 3.0);

    // 300 digits before the comma, in range.
    const auto big = parseBoth("1" + std::string(299, '0') + ",5");
    VERIFY(big.has_value());
    COMPARE(*big, 1e299);

    // 400 zeros after the comma, then a one: underflows to zero.
    const auto tiny = parseBoth("0," + std::string(400, '0') + "1");
    VERIFY(tiny.has_value());
    COMPARE(*tiny, 0.0);

    // Many leading zeros do not count as magnitude.
    const auto padded = parseBoth(std::string(1000, '0') + "42");
    VERIFY(padded.has_value());
    COMPARE(*padded, 42.0);

    // A long mantissa with an exponent that brings it back into range.
    const auto scaled = parseBoth("1" + std::string(400, '0') + "e-400");
    VERIFY(scaled.has_value());
    COMPARE(*scaled, 1.0);
}

TEST_CASE(negativeZeroReadsAsZero)
{
    const auto value = parseBoth("-0");
    VERIFY(value.has_value());
    VERIFY(*value == 0.0);
    COMPARE(formatGermanNumber(*value), std::string("0"));
}

// ------------------------------------------------------------------------------------
// The machine's locale. The window calls setlocale from the environment at start-up; the
// rules must read and write the same texts under every locale, with or without a decimal
// comma of its own.

TEST_DATA(ignoresTheMachinesLocale)
{
    coretest::addColumn<std::string>("locale");
    for (const char* name : {"C", "C.UTF-8", "de_DE.UTF-8", "en_US.UTF-8", "fr_FR.UTF-8"})
        coretest::newRow(name) << std::string(name);
}

TEST_CASE(ignoresTheMachinesLocale)
{
    FETCH(std::string, locale);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, locale.c_str()))
        SKIP("locale not installed on this machine");
    struct Restore {
        std::string name;
        ~Restore() { std::setlocale(LC_ALL, name.c_str()); }
    } restore{previous};
    std::printf("decimal point of %s: \"%s\"\n", locale.c_str(), std::localeconv()->decimal_point);

    const auto expectNumber = [](const char* text, double expected) {
        const auto value = parseBoth(text);
        return value && *value == expected;
    };
    VERIFY(expectNumber("0,1", 0.1));
    VERIFY(expectNumber("-1,5E+3", -1500.0));
    VERIFY(expectNumber(",5", 0.5));
    VERIFY(expectNumber(" 0,00001 ", 0.00001));
    VERIFY(!parseBoth("1.5"));
    VERIFY(!parseBoth("1.000"));
    VERIFY(!parseBoth("1,000.5"));
    VERIFY(!parseBoth(""));
    VERIFY(!parseBoth("1e400"));

    COMPARE(formatGermanNumber(0.1), std::string("0,1"));
    COMPARE(formatGermanNumber(-70.7834), std::string("-70,7834"));
    COMPARE(formatGermanNumber(1234567.25), std::string("1234567,25"));
    COMPARE(formatGermanNumber(14.142135623730951), std::string("14,142135623731"));
    COMPARE(formatGermanNumber(1e15), std::string("1E+15"));
    COMPARE(formatGermanNumber(1.5e-5), std::string("1,5E-05"));

    COMPARE(circuit::roundHalfEven(0.125, 2), 0.12);
    COMPARE(circuit::roundHalfEven(303.82263, 4), 303.8226);
}

// ------------------------------------------------------------------------------------
// Number to text

TEST_DATA(writesNumbers)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<std::string>("text");

    coretest::newRow("zero") << 0.0 << "0";
    coretest::newRow("negative zero") << -0.0 << "0";
    coretest::newRow("one") << 1.0 << "1";
    coretest::newRow("minus one") << -1.0 << "-1";
    coretest::newRow("whole, no separator") << 100.0 << "100";
    coretest::newRow("no grouping") << 1000000.0 << "1000000";
    coretest::newRow("decimal comma") << 0.1 << "0,1";
    coretest::newRow("no trailing zeros") << 0.0954 << "0,0954";
    coretest::newRow("sum with binary noise") << 0.1 + 0.2 << "0,3";
    coretest::newRow("a third") << 1.0 / 3.0 << "0,333333333333333";
    coretest::newRow("two thirds") << 2.0 / 3.0 << "0,666666666666667";
    coretest::newRow("udach") << 10.0 * std::sqrt(2.0) << "14,142135623731";
    coretest::newRow("phase") << -70.7834 << "-70,7834";
    coretest::newRow("fifteen digits whole") << 123456789012345.0 << "123456789012345";
    coretest::newRow("just below 1E+15") << 999999999999999.0 << "999999999999999";
    coretest::newRow("rounds up to 1E+15") << 999999999999999.5 << "1E+15";
    coretest::newRow("1E+15") << 1e15 << "1E+15";
    coretest::newRow("sixteen digits") << 1234567890123456.0 << "1,23456789012346E+15";
    coretest::newRow("negative large") << -2.5e20 << "-2,5E+20";
    coretest::newRow("1E+100") << 1e100 << "1E+100";
    coretest::newRow("0,0001 fixed") << 0.0001 << "0,0001";
    coretest::newRow("1E-05") << 0.00001 << "1E-05";
    coretest::newRow("small with digits") << 0.000012345 << "1,2345E-05";
    coretest::newRow("negative small") << -0.00001 << "-1E-05";
    coretest::newRow("1E-300") << 1e-300 << "1E-300";
    coretest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min() << "4,94065645841247E-324";
    coretest::newRow("smallest normal") << DBL_MIN << "2,2250738585072E-308";
}

TEST_CASE(writesNumbers)
{
    FETCH(double, value);
    FETCH(std::string, text);
    COMPARE(formatGermanNumber(value), text);
}

// A double whose 15-digit text would lie beyond the double range could not be read back
// by the readers of the captions; it is written with the largest 15-digit mantissa that
// reads as a double.
TEST_CASE(writesTheLargestDoublesReadably)
{
    const double top[] = {DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308,
                          std::nextafter(kLargestWritable, HUGE_VAL)};
    for (const double value : top) {
        for (const double signedValue : {value, -value}) {
            const std::string text = formatGermanNumber(signedValue);
            const auto back = parseGermanNumber(text);
            VERIFY2(back.has_value(), text.c_str());
            COMPARE(*back, signedValue < 0 ? -kLargestWritable : kLargestWritable);
            COMPARE(formatGermanNumber(*back), text);
        }
    }
    COMPARE(formatGermanNumber(DBL_MAX), std::string("1,79769313486231E+308"));
    COMPARE(formatGermanNumber(-DBL_MAX), std::string("-1,79769313486231E+308"));
    COMPARE(formatGermanNumber(kLargestWritable), std::string("1,79769313486231E+308"));
    COMPARE(formatGermanNumber(1.7976931348623e308), std::string("1,7976931348623E+308"));
}

// Texts of at most 15 significant digits in the fixed range read and write back to exactly
// the same text: the canonical form has no trailing zeros and no grouping.
TEST_CASE(decimalTextsWithFewDigitsComeBackAsWritten)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> digitCount(1, 15);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> firstDigit(1, 9);
    std::uniform_int_distribution<int> exponent(-4, 14); // the range written without exponent
    std::bernoulli_distribution negative(0.3);
    for (int n = 0; n < 20000; ++n) {
        std::string digits(1, char('0' + firstDigit(random)));
        const int count = digitCount(random);
        while (int(digits.size()) < count)
            digits.push_back(char('0' + digit(random)));
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        const int x = exponent(random); // value = d.ddd × 10^x
        std::string text;
        if (x < 0)
            text = "0," + std::string(std::size_t(-x - 1), '0') + digits;
        else if (x + 1 >= int(digits.size()))
            text = digits + std::string(std::size_t(x + 1 - int(digits.size())), '0');
        else
            text = digits.substr(0, std::size_t(x + 1)) + "," + digits.substr(std::size_t(x + 1));
        if (negative(random))
            text.insert(0, 1, '-');
        const auto value = parseGermanNumber(text);
        VERIFY2(value.has_value(), text.c_str());
        COMPARE(formatGermanNumber(*value), text);
    }
}

TEST_DATA(roundTripsListedValues)
{
    coretest::addColumn<double>("value");
    coretest::newRow("pi of the program") << 3.141592654;
    coretest::newRow("full pi") << M_PI;
    coretest::newRow("e") << M_E;
    coretest::newRow("root two") << std::sqrt(2.0);
    coretest::newRow("phase unrounded") << 17.440594490373842;
    coretest::newRow("tenth") << 0.1;
    coretest::newRow("2^53 + 2") << 9007199254740994.0;
    coretest::newRow("1e22") << 1e22;
    coretest::newRow("1e23") << 1e23;
    coretest::newRow("largest writable") << kLargestWritable;
    coretest::newRow("1e-320 denormal") << 1e-320;
    coretest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min();
    coretest::newRow("largest denormal") << std::nextafter(DBL_MIN, 0.0);
    coretest::newRow("smallest normal") << DBL_MIN;
    coretest::newRow("negative") << -123.456789012345678;
}

TEST_CASE(roundTripsListedValues)
{
    FETCH(double, value);
    for (const double x : {value, -value}) {
        const std::string text = formatGermanNumber(x);
        const auto back = parseGermanNumber(text);
        VERIFY2(back.has_value(), text.c_str());
        COMPARE(*back, roundedTo15Digits(x));
        COMPARE(formatGermanNumber(*back), text);
    }
}

TEST_CASE(roundTripsRandomValues)
{
    std::mt19937_64 random(19700101);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 307);
    int checked = 0;
    for (int n = 0; n < 60000; ++n) {
        double x;
        if (n % 2 == 0) {
            // Any bit pattern: every binade, denormals included.
            const std::uint64_t bits = random();
            std::memcpy(&x, &bits, sizeof x);
            if (!std::isfinite(x) || std::fabs(x) > kLargestWritable)
                continue;
        } else {
            // Magnitudes in the ranges that the circuit produces most.
            x = mantissa(random) * std::pow(10.0, exponent(random) % 20);
            if (random() & 1)
                x = -x;
        }
        const std::string text = formatGermanNumber(x);
        VERIFY2(text.find('.') == std::string::npos, text.c_str());
        const auto back = parseGermanNumber(text);
        VERIFY2(back.has_value(), text.c_str());
        if (!sameBits(*back, roundedTo15Digits(x)) && !(*back == 0.0 && roundedTo15Digits(x) == 0.0))
            FAIL(coretest::text(x) + " written as " + text + " reads back as " + coretest::text(*back));
        if (formatGermanNumber(*back) != text)
            FAIL(text + " does not write back as itself");
        ++checked;
    }
    VERIFY(checked > 55000);
}

// ------------------------------------------------------------------------------------
// Rounding

TEST_DATA(roundsToPlacesHalfToEven)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<int>("places");
    coretest::addColumn<std::string>("text");

    // Exact ties in binary go to the even last digit.
    coretest::newRow("0,125 to 2") << 0.125 << 2 << "0,12";
    coretest::newRow("0,375 to 2") << 0.375 << 2 << "0,38";
    coretest::newRow("-0,125 to 2") << -0.125 << 2 << "-0,12";
    coretest::newRow("2,5 to 0") << 2.5 << 0 << "2";
    coretest::newRow("3,5 to 0") << 3.5 << 0 << "4";
    coretest::newRow("-2,5 to 0") << -2.5 << 0 << "-2";
    coretest::newRow("-3,5 to 0") << -3.5 << 0 << "-4";
    coretest::newRow("0,03125 to 4") << 0.03125 << 4 << "0,0312";
    coretest::newRow("0,09375 to 4") << 0.09375 << 4 << "0,0938";
    coretest::newRow("1,00005 is no tie") << 1.00005 << 4 << "1,0001"; // the double is above
    // Looks like a tie in decimal, but the double lies below (2,67499999…) or above.
    coretest::newRow("2,675 to 2") << 2.675 << 2 << "2,67";
    coretest::newRow("1,005 to 2") << 1.005 << 2 << "1";
    coretest::newRow("1,015 to 2") << 1.015 << 2 << "1,01";
    coretest::newRow("0,045 to 2") << 0.045 << 2 << "0,04";
    coretest::newRow("1,115 to 2") << 1.115 << 2 << "1,11";
    coretest::newRow("0,285 to 2") << 0.285 << 2 << "0,28";
    coretest::newRow("1,125 tie to 2") << 1.125 << 2 << "1,12";
    // Plain rounding.
    coretest::newRow("phase to 4") << -70.78343 << 4 << "-70,7834";
    coretest::newRow("impedance to 4") << 303.82262 << 4 << "303,8226";
    coretest::newRow("current to 5") << 0.0329138 << 5 << "0,03291";
    coretest::newRow("0,09540 shows as 0,0954") << 0.0954034 << 5 << "0,0954";
    coretest::newRow("whole result") << 99.999996 << 4 << "100";
    coretest::newRow("tiny to zero") << 0.000004 << 5 << "0";
    coretest::newRow("tiny negative to zero, not -0") << -0.000004 << 5 << "0";
    coretest::newRow("denormal to zero") << 1e-310 << 5 << "0";
    coretest::newRow("large unchanged") << 1e20 << 4 << "1E+20";
    coretest::newRow("2^52 unchanged") << 4503599627370496.0 << 4 << "4,5035996273705E+15";
    coretest::newRow("below 2^52") << 4503599627370495.5 << 0 << "4,5035996273705E+15";
    coretest::newRow("largest double unchanged") << DBL_MAX << 5 << "1,79769313486231E+308";
}

TEST_CASE(roundsToPlacesHalfToEven)
{
    FETCH(double, value);
    FETCH(int, places);
    FETCH(std::string, text);
    const double rounded = circuit::roundHalfEven(value, places);
    COMPARE(formatGermanNumber(rounded), text);
    VERIFY2(!std::signbit(rounded) || rounded != 0.0, "rounding to zero gives 0, not -0");
    // The result is the double nearest to the rounded decimal, not merely close to it.
    if (std::fabs(value) < 4503599627370496.0) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
        COMPARE(rounded, std::strtod(buffer, nullptr) + 0.0);
    }
}

TEST_DATA(roundsCurrents)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<std::string>("text");
    // From 1 mA on, five places as always.
    coretest::newRow("initial ieff") << 0.0329138 << "0,03291";
    coretest::newRow("0,09540 shows as 0,0954") << 0.0954034 << "0,0954";
    coretest::newRow("large current") << 123.4567891 << "123,45679";
    coretest::newRow("1 mA") << 0.001 << "0,001";
    coretest::newRow("1,41421 mA") << 0.00141421356 << "0,00141";
    coretest::newRow("1,000004 mA") << 0.001000004 << "0,001";
    coretest::newRow("-1 mA") << -0.001 << "-0,001";
    // Below, three significant digits, decided by the current itself, not by its five places.
    coretest::newRow("0,999 mA") << 0.000999 << "0,000999";
    coretest::newRow("0,995 mA") << 0.000995 << "0,000995";
    coretest::newRow("0,9995 mA: the double lies below the tie") << 0.0009995 << "0,000999";
    coretest::newRow("0,9996 mA rounds up to 1 mA") << 0.0009996 << "0,001";
    coretest::newRow("-0,999 mA") << -0.000999 << "-0,000999";
    coretest::newRow("0,994 mA") << 0.00099449 << "0,000994";
    coretest::newRow("0,667 mA") << 0.000666667 << "0,000667";
    coretest::newRow("0,1 mA") << 0.0001 << "0,0001";
    coretest::newRow("10 µA") << 0.0000099999959 << "1E-05";
    coretest::newRow("14,142 µA") << 0.0000141421356 << "1,41E-05";
    coretest::newRow("3,1416 µA") << 0.0000031415927 << "3,14E-06";
    coretest::newRow("negative 3,1416 µA") << -0.0000031415927 << "-3,14E-06";
    coretest::newRow("1,125 µA: the double lies above the tie") << 0.000001125 << "1,13E-06";
    coretest::newRow("1,115 µA: the double lies below the tie") << 0.000001115 << "1,11E-06";
    coretest::newRow("1 pA") << 1.23456e-12 << "1,23E-12";
    // However small: no clamp at 30 places.
    coretest::newRow("4,9E-31") << 4.9e-31 << "4,9E-31";
    coretest::newRow("u 1, r 1E40: ieff") << 1e-40 << "1E-40";
    coretest::newRow("u 1, r 1E40: idach") << 1e-40 * std::sqrt(2.0) << "1,41E-40";
    coretest::newRow("smallest normal") << DBL_MIN << "2,23E-308";
    coretest::newRow("denormal") << 1.41421356e-320 << "1,41E-320";
    coretest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min() << "4,94E-324";
    coretest::newRow("negative smallest denormal") << -std::numeric_limits<double>::denorm_min() << "-4,94E-324";
    coretest::newRow("zero") << 0.0 << "0";
}

TEST_CASE(roundsCurrents)
{
    FETCH(double, value);
    FETCH(std::string, text);
    COMPARE(circuit::currentCaption(value), text);
    // Read back, the caption is the caption of the current it reads as.
    COMPARE(circuit::currentCaption(parseGermanNumber(text).value_or(-1)), text);
}

TEST_DATA(roundsToSignificantDigits)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<int>("digits");
    coretest::addColumn<double>("expected");
    coretest::newRow("5 digits") << 0.32914045 << 5 << 0.32914;
    coretest::newRow("whole numbers keep their digits") << 123456.7 << 3 << 123457.0;
    coretest::newRow("carries into the next power") << 0.00099996 << 3 << 0.001;
    coretest::newRow("below 1E-30") << 1.41421356e-40 << 3 << 1.41e-40;
    coretest::newRow("denormal") << -1.41421356e-320 << 3 << -1.41e-320;
}

TEST_CASE(roundsToSignificantDigits)
{
    FETCH(double, value);
    FETCH(int, digits);
    FETCH(double, expected);
    VERIFY(circuit::roundSignificant(value, digits) == expected); // the nearest double, to the bit
}

TEST_DATA(roundsToWholeHalfToEven)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<double>("expected");

    coretest::newRow("10,5") << 10.5 << 10.0;
    coretest::newRow("11,5") << 11.5 << 12.0;
    coretest::newRow("0,5") << 0.5 << 0.0;
    coretest::newRow("1,5") << 1.5 << 2.0;
    coretest::newRow("-0,5") << -0.5 << 0.0;
    coretest::newRow("-1,5") << -1.5 << -2.0;
    coretest::newRow("-2,5") << -2.5 << -2.0;
    coretest::newRow("10,4999") << 10.4999 << 10.0;
    coretest::newRow("10,5001") << 10.5001 << 11.0;
    coretest::newRow("just below a half") << std::nextafter(0.5, 0.0) << 0.0;
    coretest::newRow("2147483647,5") << 2147483647.5 << 2147483648.0;
    coretest::newRow("2147483646,5") << 2147483646.5 << 2147483646.0;
    coretest::newRow("2^52 + 1") << 4503599627370497.0 << 4503599627370497.0;
}

TEST_CASE(roundsToWholeHalfToEven)
{
    FETCH(double, value);
    FETCH(double, expected);
    COMPARE(circuit::roundWholeHalfEven(value), expected); // -0 compares equal to 0
}

TEST_DATA(takesTimerIntervals)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<int>("expected"); // -1: no interval

    coretest::newRow("5") << 5.0 << -1;
    coretest::newRow("5,4") << 5.4 << -1;
    coretest::newRow("5,5 rounds to 6") << 5.5 << 6;
    coretest::newRow("6") << 6.0 << 6;
    coretest::newRow("10") << 10.0 << 10;
    coretest::newRow("10,5") << 10.5 << 10;
    coretest::newRow("11,5") << 11.5 << 12;
    coretest::newRow("500") << 500.0 << 500;
    coretest::newRow("0") << 0.0 << -1;
    coretest::newRow("-20") << -20.0 << -1;
    coretest::newRow("2147483647") << 2147483647.0 << 2147483647;
    coretest::newRow("2147483646,5") << 2147483646.5 << 2147483646;
    coretest::newRow("2147483647,5") << 2147483647.5 << -1;
    coretest::newRow("2147483648") << 2147483648.0 << -1;
    coretest::newRow("1e10") << 1e10 << -1;
    coretest::newRow("largest double") << DBL_MAX << -1;
}

TEST_CASE(takesTimerIntervals)
{
    FETCH(double, value);
    FETCH(int, expected);
    const auto interval = circuit::timerIntervalFrom(value);
    if (expected < 0) {
        VERIFY2(!interval.has_value(), std::to_string(interval.value_or(0)));
    } else {
        VERIFY(interval.has_value());
        COMPARE(*interval, expected);
    }
}


// ------------------------------------------------------------------------------------
// Checked arithmetic

using Operation = std::function<double()>;

TEST_DATA(checkedArithmeticFails)
{
    using namespace circuit::checked;
    coretest::addColumn<Operation>("operation");

    coretest::newRow("1 / 0") << Operation([] { return div(1.0, 0.0); });
    coretest::newRow("-1 / 0") << Operation([] { return div(-1.0, 0.0); });
    coretest::newRow("1 / -0") << Operation([] { return div(1.0, -0.0); });
    coretest::newRow("0 / 0") << Operation([] { return div(0.0, 0.0); });
    coretest::newRow("DBL_MAX * 2") << Operation([] { return mul(DBL_MAX, 2.0); });
    coretest::newRow("-DBL_MAX * 2") << Operation([] { return mul(-DBL_MAX, 2.0); });
    coretest::newRow("1e200 * 1e200") << Operation([] { return mul(1e200, 1e200); });
    coretest::newRow("DBL_MAX + DBL_MAX") << Operation([] { return add(DBL_MAX, DBL_MAX); });
    coretest::newRow("-DBL_MAX - DBL_MAX") << Operation([] { return sub(-DBL_MAX, DBL_MAX); });
    coretest::newRow("1 / 1e-320 overflows") << Operation([] { return div(1.0, 1e-320); });
    coretest::newRow("1e300 / 1e-300") << Operation([] { return div(1e300, 1e-300); });
}

TEST_CASE(checkedArithmeticFails)
{
    FETCH(Operation, operation);
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, operation());
}

TEST_DATA(checkedArithmeticPasses)
{
    using namespace circuit::checked;
    coretest::addColumn<Operation>("operation");
    coretest::addColumn<double>("expected");

    coretest::newRow("underflow to zero") << Operation([] { return mul(1e-300, 1e-300); }) << 0.0;
    coretest::newRow("underflow in division") << Operation([] { return div(1e-300, 1e300); }) << 0.0;
    coretest::newRow("denormal result") << Operation([] { return div(DBL_MIN, 4.0); }) << DBL_MIN / 4.0;
    coretest::newRow("0 / 1") << Operation([] { return div(0.0, 1.0); }) << 0.0;
    coretest::newRow("loss of precision") << Operation([] { return add(1e16, 1.0); }) << 1e16;
    coretest::newRow("largest double") << Operation([] { return mul(DBL_MAX, 1.0); }) << DBL_MAX;
    coretest::newRow("cancellation") << Operation([] { return sub(DBL_MAX, DBL_MAX); }) << 0.0;
    coretest::newRow("reactance of the default circuit")
        << Operation([] { return sub(mul(0.1, 314.1592654), div(1.0, mul(0.00001, 314.1592654))); })
        << 0.1 * 314.1592654 - 1.0 / (0.00001 * 314.1592654);
}

TEST_CASE(checkedArithmeticPasses)
{
    FETCH(Operation, operation);
    FETCH(double, expected);
    double result = -1.0;
    try {
        result = operation();
    } catch (const circuit::CalcError& error) {
        FAIL(error.what());
    }
    COMPARE(result, expected);
}

TEST_CASE(toSingleSaturatesToInfinity)
{
    using circuit::checked::toSingle;
    COMPARE(toSingle(1400.25), 1400.25f);
    COMPARE(toSingle(-1400.25), -1400.25f);
    VERIFY(std::isinf(toSingle(1e39)) && toSingle(1e39) > 0.0f);
    VERIFY(std::isinf(toSingle(-1e39)) && toSingle(-1e39) < 0.0f);
    VERIFY(std::isinf(toSingle(DBL_MAX)));
    COMPARE(toSingle(double(FLT_MAX)), FLT_MAX);
    COMPARE(toSingle(1e-50), 0.0f);
}
