// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities of the circuit computed once from its inputs, tested as plain functions
// against the textbook formulas computed here on their own, and their five-digit texts.
#include "circuit/CircuitQuantities.h"
#include "circuit/GermanNumber.h"

#include "CoreTest.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

using circuit::CircuitValues;

namespace {

// Equal to the last few bits: the textbook formulas here take the program's pi, 3.141592654.
void compareQuantity(const char* what, const std::optional<double>& actual, const std::optional<double>& expected)
{
    if (actual.has_value() != expected.has_value())
        FAIL(std::string(what) + (expected ? ": missing" : ": shown where it does not exist"));
    if (expected && std::fabs(*actual - *expected) > 1e-12 * std::max(1e-300, std::fabs(*expected)))
        FAIL(std::string(what) + ": " + coretest::text(*actual) + ", expected " + coretest::text(*expected));
}

// What the arithmetic can give: nothing beyond the double range.
std::optional<double> inRange(double value) { return std::isfinite(value) ? std::optional(value) : std::nullopt; }

std::string five(const std::optional<double>& value) { return value ? circuit::significantText(*value, 5) : "—"; }

} // namespace

TEST_DATA(matchTheTextbookFormulas)
{
    coretest::addColumn<CircuitValues>("circuit");
    coretest::newRow("start-up circuit") << CircuitValues{10, 50, 100, 0.1, 0.00001, true};
    coretest::newRow("capacitor removed") << CircuitValues{10, 50, 100, 0.1, 0.00001, false};
    coretest::newRow("capacitor removed, R 0") << CircuitValues{10, 50, 0, 0.1, 0.00001, false};
    coretest::newRow("near resonance") << CircuitValues{10, 159, 100, 0.1, 0.00001, true};
    coretest::newRow("at resonance, R 1: U_L = U_C = Q·U") << CircuitValues{10, 159.154943071114, 1, 0.1, 0.00001, true};
    coretest::newRow("U 1,7E308, R 1: U_L and U_C beyond the range") << CircuitValues{1.7e308, 159.15, 1, 0.1, 0.00001, true};
    coretest::newRow("no coil") << CircuitValues{10, 50, 100, 0, 0.00001, true};
    coretest::newRow("negative inductance") << CircuitValues{10, 50, 100, -0.1, 0.00001, true};
    coretest::newRow("tiny current") << CircuitValues{1, 50, 1e40, 0, 0.00001, false};
    coretest::newRow("L = C = 1E-300") << CircuitValues{10, 50, 100, 1e-300, 1e-300, true};
    coretest::newRow("L = C = 1E300") << CircuitValues{10, 50, 100, 1e300, 1e300, true};
}

TEST_CASE(matchTheTextbookFormulas)
{
    FETCH(CircuitValues, circuit);
    const circuit::CircuitQuantities q = circuit::quantitiesAt(circuit, circuit.f);

    const double pi = 3.141592654;
    const double w = 2 * pi * circuit.f;
    const double xl = w * circuit.l;
    std::optional<double> xc, f0;
    if (circuit.capacitorIn)
        xc = 1 / (w * circuit.c);
    if (circuit.capacitorIn && circuit.l > 0)
        f0 = 1 / (2 * pi * std::sqrt(circuit.l) * std::sqrt(circuit.c));
    const double x = xl - xc.value_or(0.0);
    const double z = std::hypot(circuit.r, x), i = circuit.u / z;
    compareQuantity("X_L", q.xl, inRange(xl));
    compareQuantity("X_C", q.xc, xc && std::isfinite(*xc) ? xc : std::nullopt);
    // Where X² leaves the double range Z does not exist; elsewhere all of them do.
    VERIFY(q.z.has_value() == std::isfinite(x * x));
    if (q.z) {
        compareQuantity("Z", q.z, z);
        compareQuantity("I", q.i, i);
        compareQuantity("P", q.p, inRange(i * i * circuit.r));
        compareQuantity("Q", q.q, inRange(i * i * x));
        compareQuantity("S", q.s, inRange(i * i * z));
        compareQuantity("cos phi", q.cosPhi, circuit.r / z);
        compareQuantity("U_R", q.ur, i * circuit.r);
        compareQuantity("U_L", q.ul, inRange(i * xl));
        compareQuantity("U_C", q.uc, xc ? inRange(i * *xc) : std::nullopt);
        // The voltages close on U: U² = U_R² + (U_L − U_C)².
        if (q.ul && std::isfinite(i * i * z * z))
            VERIFY(std::fabs(std::hypot(*q.ur, *q.ul - q.uc.value_or(0.0)) - circuit.u) <= 1e-9 * circuit.u);
    }
    compareQuantity("f0", circuit::resonanceOf(circuit).f0, f0);
}

// The quantities of the start-up circuit as the tool tips and "Resonanz und Leistung" write
// them, alike; a quantity that is exactly zero reads "0".
TEST_CASE(startUpCircuitAsWritten)
{
    const CircuitValues start{10, 50, 100, 0.1, 0.00001, true};
    const circuit::CircuitQuantities q = circuit::quantitiesAt(start, start.f);
    COMPARE(five(q.xl), std::string("31,416"));
    COMPARE(five(q.xc), std::string("318,31"));
    COMPARE(five(q.p), std::string("0,10833"));
    COMPARE(five(q.s), std::string("0,32914"));
    COMPARE(five(q.cosPhi), std::string("0,32914"));
    COMPARE(five(circuit::resonanceOf(start).f0), std::string("159,15"));
    COMPARE(five(q.ur), std::string("3,2914"));
    COMPARE(five(q.ul), std::string("1,034"));
    COMPARE(five(q.uc), std::string("10,477"));
    VERIFY(*q.q < 0); // capacitive

    const CircuitValues pureCoil{10, 50, 0, 0.1, 0.00001, false};
    const circuit::CircuitQuantities coil = circuit::quantitiesAt(pureCoil, pureCoil.f);
    COMPARE(five(coil.cosPhi), std::string("0"));
    COMPARE(five(coil.p), std::string("0"));
    COMPARE(five(coil.phiDegrees), std::string("90"));
}

TEST_DATA(writtenWithFiveSignificantDigits)
{
    coretest::addColumn<double>("value");
    coretest::addColumn<std::string>("text");
    coretest::newRow("ohms") << 318.30988618379 << "318,31";
    coretest::newRow("milliwatts") << 0.00108327 << "0,0010833";
    coretest::newRow("microwatts, exponent form") << 0.0000123456 << "1,2346E-05";
    coretest::newRow("whole numbers too") << 1234567.4 << "1234600";
    coretest::newRow("huge") << 3.18309886e157 << "3,1831E+157";
    coretest::newRow("tiny") << 1.41421356e-40 << "1,4142E-40";
    coretest::newRow("subnormal") << 4.9406564584124654e-324 << "4,9407E-324";
    coretest::newRow("rounded beyond the double range") << 1.7976931348623157e308 << "1,7977E+308";
    coretest::newRow("negative") << -0.310758 << "-0,31076";
    coretest::newRow("exact tie to even") << 0.125 << "0,125";
    coretest::newRow("exact tie at the fifth digit") << 1.03125 << "1,0312";
    coretest::newRow("zero") << 0.0 << "0";
    coretest::newRow("negative zero") << -0.0 << "0";
}

TEST_CASE(writtenWithFiveSignificantDigits)
{
    FETCH(double, value);
    FETCH(std::string, text);
    COMPARE(circuit::significantText(value, 5), text);
}
