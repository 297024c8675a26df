// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities derived from the displayed circuit, tested as plain functions against the
// textbook formulas computed here on their own, and the reasons an input waits, tested
// against the acceptance rules they must agree with.
#include "circuit/Acceptance.h"
#include "circuit/DerivedQuantities.h"
#include "circuit/InputWait.h"

#include "CoreTest.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <string>

using circuit::InputWait;

namespace {

// The German text of a row as a number, read here on its own: the comma made a point, then
// the C library (the harness never changes the "C" locale).
std::optional<double> german(const std::string& text)
{
    std::string c = text;
    std::replace(c.begin(), c.end(), ',', '.');
    const char* begin = c.c_str();
    while (*begin == ' ')
        ++begin;
    if (*begin == '\0')
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    while (*end == ' ')
        ++end;
    return *end == '\0' ? std::optional<double>(value) : std::nullopt;
}

std::u16string utf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// Equal up to the difference between the program's pi (3.141592654) and the true one.
void compareQuantity(const char* what, const std::optional<double>& actual, const std::optional<double>& expected)
{
    if (actual.has_value() != expected.has_value())
        FAIL(std::string(what) + (expected ? ": missing" : ": shown where it does not exist"));
    if (expected && std::fabs(*actual - *expected) > 1e-8 * std::max(1.0, std::fabs(*expected)))
        FAIL(std::string(what) + ": " + coretest::text(*actual) + ", expected " + coretest::text(*expected));
}

} // namespace

TEST_DATA(matchTheTextbookFormulas)
{
    coretest::addColumn<std::string>("f");
    coretest::addColumn<std::string>("l");
    coretest::addColumn<std::string>("c");
    coretest::addColumn<bool>("capacitor");
    coretest::addColumn<std::string>("ueff");
    coretest::addColumn<std::string>("ieff");
    coretest::addColumn<std::string>("phi");
    // The captions as the window shows them for these inputs.
    coretest::newRow("start-up circuit") << "50" << "0,1" << "0,00001" << true << "10" << "0,03291" << "-70,7834";
    coretest::newRow("capacitor removed") << "50" << "0,1" << "0,00001" << false << "10" << "0,0954"
                                          << "17,4405944903738";
    coretest::newRow("near resonance") << "159" << "0,1" << "0,00001" << true << "10" << "0,09999" << "-0,5637";
    coretest::newRow("switch-on mode, no coil") << "50" << "0" << "0,00001" << true << "10" << "0,02997"
                                                << "-72,5594";
    coretest::newRow("exponent form, blanks as typed")
        << "1000" << "0,002" << "1E-6" << true << " 230 " << "1,49727" << "-30,1";
    coretest::newRow("frequency not a number") << "abc" << "0,1" << "0,00001" << true << "10" << "0,03291"
                                               << "-70,7834";
    coretest::newRow("capacitance 0") << "50" << "0,1" << "0" << true << "10" << "0,03291" << "-70,7834";
    coretest::newRow("negative inductance") << "50" << "-0,1" << "0,00001" << true << "10" << "0,0201" << "-78,4";
    coretest::newRow("phase caption not a number") << "50" << "0,1" << "0,00001" << true << "10" << "0,03291"
                                                   << "abc";
    coretest::newRow("current caption empty") << "50" << "0,1" << "0,00001" << true << "10" << "" << "-70,7834";
}

TEST_CASE(matchTheTextbookFormulas)
{
    FETCH(std::string, f);
    FETCH(std::string, l);
    FETCH(std::string, c);
    FETCH(bool, capacitor);
    FETCH(std::string, ueff);
    FETCH(std::string, ieff);
    FETCH(std::string, phi);
    const std::u16string texts[] = {utf16(f), utf16(l), utf16(c), utf16(ueff), utf16(ieff), utf16(phi)};
    const circuit::DerivedQuantities derived =
        circuit::deriveQuantities({texts[0], texts[1], texts[2], capacitor, texts[3], texts[4], texts[5]});

    using std::numbers::pi;
    const auto F = german(f), L = german(l), C = german(c), U = german(ueff), I = german(ieff), P = german(phi);
    std::optional<double> xl, xc, cosPhi, active, reactive, apparent, f0;
    if (F && L)
        xl = 2 * pi * *F * *L;
    if (capacitor && F && C && *C != 0.0)
        xc = 1 / (2 * pi * *F * *C);
    if (capacitor && L && C && *L > 0 && *C > 0)
        f0 = 1 / (2 * pi * std::sqrt(*L * *C));
    if (P)
        cosPhi = std::cos(*P * pi / 180);
    if (U && I)
        apparent = *U * *I;
    if (U && I && P) {
        active = *U * *I * std::cos(*P * pi / 180);
        reactive = *U * *I * std::sin(*P * pi / 180);
    }
    compareQuantity("X_L", derived.inductiveReactance, xl);
    compareQuantity("X_C", derived.capacitiveReactance, xc);
    compareQuantity("cos phi", derived.powerFactor, cosPhi);
    compareQuantity("P", derived.activePower, active);
    compareQuantity("Q", derived.reactivePower, reactive);
    compareQuantity("S", derived.apparentPower, apparent);
    compareQuantity("f0", derived.resonanceFrequency, f0);
}

TEST_CASE(startUpCircuitAsWritten)
{
    const circuit::DerivedQuantities d =
        circuit::deriveQuantities({u"50", u"0,1", u"0,00001", true, u"10", u"0,03291", u"-70,7834"});
    COMPARE(circuit::derivedText(*d.inductiveReactance), std::string("31,416"));
    COMPARE(circuit::derivedText(*d.capacitiveReactance), std::string("318,31"));
    COMPARE(circuit::derivedText(*d.apparentPower), std::string("0,3291"));
    COMPARE(circuit::derivedText(*d.resonanceFrequency), std::string("159,15"));
    VERIFY(*d.reactivePower < 0); // capacitive
}

TEST_DATA(writtenWithFiveSignificantDigits)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<std::string>("text");
    coretest::newRow("ohms") << 318.30988618379 << "318,31";
    coretest::newRow("milliwatts") << 0.00108327 << "0,0010833";
    coretest::newRow("microwatts, exponent form") << 0.0000123456 << "1,2346E-05";
    coretest::newRow("whole numbers keep their digits") << 1234567.4 << "1234567";
    coretest::newRow("negative") << -0.310758 << "-0,31076";
    coretest::newRow("exact tie to even") << 0.125 << "0,125";
    coretest::newRow("zero") << 0.0 << "0";
    coretest::newRow("negative zero") << -0.0 << "0";
}

TEST_CASE(writtenWithFiveSignificantDigits)
{
    FETCH(double, value);
    FETCH(std::string, text);
    COMPARE(circuit::derivedText(value), text);
}

TEST_DATA(reasonsForWaiting)
{
    coretest::addColumn<std::string>("text");
    coretest::addColumn<InputWait>("uFR");
    coretest::newRow("a number") << "100" << InputWait::Taken;
    coretest::newRow("empty") << "" << InputWait::Empty;
    coretest::newRow("zero") << "0" << InputWait::BelowOne;
    coretest::newRow("below one") << "0,5" << InputWait::BelowOne;
    coretest::newRow("zero and a comma") << "0," << InputWait::BelowOne;
    coretest::newRow("negative is taken") << "-0,5" << InputWait::Taken;
    coretest::newRow("decimal point") << "12.5" << InputWait::DecimalPoint;
    coretest::newRow("decimal point below one") << "0.5" << InputWait::DecimalPoint;
    coretest::newRow("letters") << "abc" << InputWait::NotANumber;
    coretest::newRow("a point alone") << "." << InputWait::NotANumber;
    coretest::newRow("lone sign") << "-" << InputWait::Unfinished;
    coretest::newRow("exponent without digits") << "1E" << InputWait::Unfinished;
    coretest::newRow("exponent sign without digits") << "1E-" << InputWait::Unfinished;
    coretest::newRow("blanks") << "  " << InputWait::NotANumber;
}

TEST_CASE(reasonsForWaiting)
{
    FETCH(std::string, text);
    FETCH(InputWait, uFR);
    VERIFY(circuit::waitOfWholeNonZero(utf16(text)) == uFR);
}

TEST_DATA(reasonsForWaitingInLAndC)
{
    coretest::addColumn<std::string>("text");
    coretest::addColumn<InputWait>("l");
    coretest::addColumn<InputWait>("c");
    coretest::newRow("a number") << "0,00002" << InputWait::Taken << InputWait::Taken;
    coretest::newRow("zero") << "0" << InputWait::Taken << InputWait::Zero;
    coretest::newRow("zeros after the comma") << "0,000" << InputWait::Taken << InputWait::Zero;
    coretest::newRow("lone sign") << "-" << InputWait::Unfinished << InputWait::Unfinished;
    coretest::newRow("lone comma") << "," << InputWait::Unfinished << InputWait::Unfinished;
    coretest::newRow("exponent sign without digits") << "1E-" << InputWait::Unfinished << InputWait::Unfinished;
    // The computation reports these at once.
    coretest::newRow("letters") << "abc" << InputWait::Taken << InputWait::Taken;
    coretest::newRow("blanks") << "  " << InputWait::Taken << InputWait::Taken;
    coretest::newRow("empty") << "" << InputWait::Empty << InputWait::Empty;
}

TEST_CASE(reasonsForWaitingInLAndC)
{
    FETCH(std::string, text);
    FETCH(InputWait, l);
    FETCH(InputWait, c);
    VERIFY(circuit::waitOfInductance(utf16(text)) == l);
    VERIFY(circuit::waitOfCapacitance(utf16(text)) == c);
}

// Whatever the rules of taking a text are, a reason is given exactly where the handler
// does not take the text.
TEST_CASE(reasonGivenExactlyWhereTheHandlerWaits)
{
    const char16_t* texts[] = {u"",     u" ",     u"0",   u"-0",   u"0,",   u",",      u"-",    u"+",
                               u"1",    u"1E",    u"1E-", u"1E-5", u"0,00001", u"0,000", u"1.5", u"abc",
                               u"1,5",  u"-0,2",  u"0,9999", u"1E400", u"1e-400", u" 12 ", u"1,2,3"};
    for (const char16_t* text : texts) {
        const std::u16string_view t(text);
        VERIFY((circuit::waitOfWholeNonZero(t) == InputWait::Taken) == circuit::acceptsWholeNonZero(t));
        VERIFY((circuit::waitOfInductance(t) == InputWait::Taken) == circuit::acceptsInductance(t));
        VERIFY((circuit::waitOfCapacitance(t) == InputWait::Taken) == circuit::acceptsCapacitance(t));
    }
}
