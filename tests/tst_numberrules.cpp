// The number rules of the program, tested as plain functions: German number texts in and
// out whatever the machine's locale, rounding with ties to even, whole numbers for the
// timer, and checked arithmetic.
#include "animation/Delay.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/GermanNumber.h"
#include "circuit/Rounding.h"

#include <QLocale>
#include <QTest>

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

QString qs(const std::string& text) { return QString::fromStdString(text); }

std::u16string utf16(const std::string& text)
{
    const QString q = QString::fromStdString(text);
    return std::u16string(reinterpret_cast<const char16_t*>(q.utf16()), std::size_t(q.size()));
}

// Both overloads must agree: the window hands its texts over as UTF-16.
std::optional<double> parseBoth(const std::string& text)
{
    const auto narrow = parseGermanNumber(text);
    const auto wide = parseGermanNumber(std::u16string_view(utf16(text)));
    if (narrow.has_value() != wide.has_value())
        qFatal("the two overloads disagree on whether \"%s\" is a number", text.c_str());
    if (narrow && std::memcmp(&*narrow, &*wide, sizeof(double)) != 0)
        qFatal("the two overloads read \"%s\" differently", text.c_str());
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

class NumberRulesTest : public QObject {
    Q_OBJECT

private slots:
    // ---- text to number ------------------------------------------------------------
    void readsNumbers_data();
    void readsNumbers();
    void rejectsNonNumbers_data();
    void rejectsNonNumbers();
    void readsTinyMagnitudesAsZeroOrDenormal_data();
    void readsTinyMagnitudesAsZeroOrDenormal();
    void readsLongDigitStrings();
    void negativeZeroReadsAsZero();

    // ---- the machine's locale does not matter ---------------------------------------
    void ignoresTheMachinesLocale_data();
    void ignoresTheMachinesLocale();

    // ---- number to text ------------------------------------------------------------
    void writesNumbers_data();
    void writesNumbers();
    void writesTheLargestDoublesReadably();
    void decimalTextsWithFewDigitsComeBackAsWritten();
    void roundTripsListedValues_data();
    void roundTripsListedValues();
    void roundTripsRandomValues();

    // ---- rounding ------------------------------------------------------------------
    void roundsToPlacesHalfToEven_data();
    void roundsToPlacesHalfToEven();
    void roundsCurrents_data();
    void roundsCurrents();
    void roundsToWholeHalfToEven_data();
    void roundsToWholeHalfToEven();
    void takesTimerIntervals_data();
    void takesTimerIntervals();
    void appliesANewDelayAtOnce_data();
    void appliesANewDelayAtOnce();

    // ---- checked arithmetic --------------------------------------------------------
    void checkedArithmeticFails_data();
    void checkedArithmeticFails();
    void checkedArithmeticPasses_data();
    void checkedArithmeticPasses();
    void toSingleSaturatesToInfinity();
};

// ------------------------------------------------------------------------------------
// Text to number

void NumberRulesTest::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("whole") << "100" << 100.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("decimal comma") << "0,1" << 0.1;
    QTest::newRow("small capacitance") << "0,00001" << 0.00001;
    QTest::newRow("trailing comma") << "0," << 0.0;
    QTest::newRow("whole with trailing comma") << "12," << 12.0;
    QTest::newRow("leading comma") << ",5" << 0.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("minus sign") << "-3,25" << -3.25;
    QTest::newRow("minus leading comma") << "-,5" << -0.5;
    QTest::newRow("plus leading comma") << "+,5" << 0.5;
    QTest::newRow("leading blanks") << "   10" << 10.0;
    QTest::newRow("trailing blanks") << "10   " << 10.0;
    QTest::newRow("blanks around sign") << "  -1,5  " << -1.5;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("exponent e") << "1e3" << 1000.0;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent plus") << "2,5E+2" << 250.0;
    QTest::newRow("exponent minus") << "1e-5" << 1e-5;
    QTest::newRow("exponent with zeros") << "1E-05" << 1e-5;
    QTest::newRow("exponent after comma") << "1,e2" << 100.0;
    QTest::newRow("leading comma exponent") << ",5e1" << 5.0;
    QTest::newRow("negative exponent form") << "-1,5E+15" << -1.5e15;
    QTest::newRow("large in range") << "1,5e308" << 1.5e308;
    QTest::newRow("largest double") << "1,7976931348623157E+308" << DBL_MAX;
    QTest::newRow("smallest normal") << "2,2250738585072014E-308" << DBL_MIN;
    QTest::newRow("fifteen digits") << "17,4405944903738" << 17.4405944903738;
    QTest::newRow("caption of udach") << "14,142135623731" << 14.142135623731;
    QTest::newRow("huge exponent of zero") << "0e99999" << 0.0;
    QTest::newRow("exponent with many digits") << "1e0000000000000000000003" << 1000.0;
}

void NumberRulesTest::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const auto value = parseBoth(text.toStdString());
    QVERIFY2(value.has_value(), qPrintable(text));
    QVERIFY2(sameBits(*value, expected) || (*value == 0.0 && expected == 0.0),
             qPrintable(QStringLiteral("%1 read as %2").arg(text).arg(*value, 0, 'g', 17)));
}

void NumberRulesTest::rejectsNonNumbers_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("comma alone") << ",";
    QTest::newRow("blanks and comma") << "  ,  ";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("sign and comma") << "+,";
    QTest::newRow("point as decimal separator") << "1.5";
    QTest::newRow("point as grouping") << "1.000";
    QTest::newRow("point after comma") << "1,5.";
    QTest::newRow("leading point") << ".5";
    QTest::newRow("letters") << "abc";
    QTest::newRow("number then letters") << "10V";
    QTest::newRow("letters then number") << "U10";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("exponent sign without digits") << "1e+";
    QTest::newRow("exponent alone") << "e5";
    QTest::newRow("comma exponent") << ",e5";
    QTest::newRow("double sign") << "--1";
    QTest::newRow("plus minus") << "+-1";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("comma in exponent") << "1e2,5";
    QTest::newRow("blank inside") << "1 000";
    QTest::newRow("blank after sign") << "- 1";
    QTest::newRow("inf") << "inf";
    QTest::newRow("infinity") << "Infinity";
    QTest::newRow("minus inf") << "-inf";
    QTest::newRow("nan") << "nan";
    QTest::newRow("NaN") << "NaN";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("beyond the double range") << "1e309";
    QTest::newRow("far beyond the double range") << "1e400";
    QTest::newRow("negative beyond the double range") << "-1e400";
    QTest::newRow("just above the largest double") << "1,797693134862316E+308";
    QTest::newRow("huge exponent") << "1e99999999999999999999";
    QTest::newRow("digits beyond the double range") << QString(QStringLiteral("1") + QString(400, QLatin1Char('0')));
}

void NumberRulesTest::rejectsNonNumbers()
{
    QFETCH(QString, text);
    const auto value = parseBoth(text.toStdString());
    QVERIFY2(!value.has_value(), qPrintable(QStringLiteral("\"%1\" read as %2").arg(text).arg(value.value_or(0.0))));
}

void NumberRulesTest::readsTinyMagnitudesAsZeroOrDenormal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("below every denormal") << "1e-400" << 0.0;
    QTest::newRow("far below") << "1e-99999999999999999999" << 0.0;
    QTest::newRow("smallest denormal") << "4,94065645841247E-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("denormal") << "1e-310" << 1e-310;
    QTest::newRow("negative denormal") << "-1e-310" << -1e-310;
}

void NumberRulesTest::readsTinyMagnitudesAsZeroOrDenormal()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const auto value = parseBoth(text.toStdString());
    QVERIFY2(value.has_value(), "an underflow is a number, not an error");
    QCOMPARE(*value, expected);
    QVERIFY(std::fabs(*value) < DBL_MIN);
}

void NumberRulesTest::readsLongDigitStrings()
{
    // 500 threes after the comma: the double nearest to a third.
    const auto third = parseBoth("0," + std::string(500, '3'));
    QVERIFY(third.has_value());
    QCOMPARE(*third, 1.0 / 3.0);

    // 300 digits before the comma, in range.
    const auto big = parseBoth("1" + std::string(299, '0') + ",5");
    QVERIFY(big.has_value());
    QCOMPARE(*big, 1e299);

    // 400 zeros after the comma, then a one: underflows to zero.
    const auto tiny = parseBoth("0," + std::string(400, '0') + "1");
    QVERIFY(tiny.has_value());
    QCOMPARE(*tiny, 0.0);

    // Many leading zeros do not count as magnitude.
    const auto padded = parseBoth(std::string(1000, '0') + "42");
    QVERIFY(padded.has_value());
    QCOMPARE(*padded, 42.0);

    // A long mantissa with an exponent that brings it back into range.
    const auto scaled = parseBoth("1" + std::string(400, '0') + "e-400");
    QVERIFY(scaled.has_value());
    QCOMPARE(*scaled, 1.0);
}

void NumberRulesTest::negativeZeroReadsAsZero()
{
    const auto value = parseBoth("-0");
    QVERIFY(value.has_value());
    QVERIFY(*value == 0.0);
    QCOMPARE(qs(formatGermanNumber(*value)), QStringLiteral("0"));
}

// ------------------------------------------------------------------------------------
// The machine's locale. The window calls setlocale from the environment at start-up; the
// rules must read and write the same texts under every locale, with or without a decimal
// comma of its own.

void NumberRulesTest::ignoresTheMachinesLocale_data()
{
    QTest::addColumn<QString>("locale");
    for (const char* name : {"C", "C.UTF-8", "de_DE.UTF-8", "en_US.UTF-8", "fr_FR.UTF-8"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void NumberRulesTest::ignoresTheMachinesLocale()
{
    QFETCH(QString, locale);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, locale.toLatin1().constData()))
        QSKIP("locale not installed on this machine");
    // Qt's default locale follows suit, as it would in a window started under this locale.
    QLocale::setDefault(QLocale(locale.section(QLatin1Char('.'), 0, 0)));
    struct Restore {
        std::string name;
        ~Restore()
        {
            std::setlocale(LC_ALL, name.c_str());
            QLocale::setDefault(QLocale::c());
        }
    } restore{previous};
    qInfo("decimal point of this locale: \"%s\"", std::localeconv()->decimal_point);

    const auto expectNumber = [](const char* text, double expected) {
        const auto value = parseBoth(text);
        return value && *value == expected;
    };
    QVERIFY(expectNumber("0,1", 0.1));
    QVERIFY(expectNumber("-1,5E+3", -1500.0));
    QVERIFY(expectNumber(",5", 0.5));
    QVERIFY(expectNumber(" 0,00001 ", 0.00001));
    QVERIFY(!parseBoth("1.5"));
    QVERIFY(!parseBoth("1.000"));
    QVERIFY(!parseBoth("1,000.5"));
    QVERIFY(!parseBoth(""));
    QVERIFY(!parseBoth("1e400"));

    QCOMPARE(qs(formatGermanNumber(0.1)), QStringLiteral("0,1"));
    QCOMPARE(qs(formatGermanNumber(-70.7834)), QStringLiteral("-70,7834"));
    QCOMPARE(qs(formatGermanNumber(1234567.25)), QStringLiteral("1234567,25"));
    QCOMPARE(qs(formatGermanNumber(14.142135623730951)), QStringLiteral("14,142135623731"));
    QCOMPARE(qs(formatGermanNumber(1e15)), QStringLiteral("1E+15"));
    QCOMPARE(qs(formatGermanNumber(1.5e-5)), QStringLiteral("1,5E-05"));

    QCOMPARE(circuit::roundHalfEven(0.125, 2), 0.12);
    QCOMPARE(circuit::roundHalfEven(303.82263, 4), 303.8226);
}

// ------------------------------------------------------------------------------------
// Number to text

void NumberRulesTest::writesNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("minus one") << -1.0 << "-1";
    QTest::newRow("whole, no separator") << 100.0 << "100";
    QTest::newRow("no grouping") << 1000000.0 << "1000000";
    QTest::newRow("decimal comma") << 0.1 << "0,1";
    QTest::newRow("no trailing zeros") << 0.0954 << "0,0954";
    QTest::newRow("sum with binary noise") << 0.1 + 0.2 << "0,3";
    QTest::newRow("a third") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3.0 << "0,666666666666667";
    QTest::newRow("udach") << 10.0 * std::sqrt(2.0) << "14,142135623731";
    QTest::newRow("phase") << -70.7834 << "-70,7834";
    QTest::newRow("fifteen digits whole") << 123456789012345.0 << "123456789012345";
    QTest::newRow("just below 1E+15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds up to 1E+15") << 999999999999999.5 << "1E+15";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("sixteen digits") << 1234567890123456.0 << "1,23456789012346E+15";
    QTest::newRow("negative large") << -2.5e20 << "-2,5E+20";
    QTest::newRow("1E+100") << 1e100 << "1E+100";
    QTest::newRow("0,0001 fixed") << 0.0001 << "0,0001";
    QTest::newRow("1E-05") << 0.00001 << "1E-05";
    QTest::newRow("small with digits") << 0.000012345 << "1,2345E-05";
    QTest::newRow("negative small") << -0.00001 << "-1E-05";
    QTest::newRow("1E-300") << 1e-300 << "1E-300";
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min() << "4,94065645841247E-324";
    QTest::newRow("smallest normal") << DBL_MIN << "2,2250738585072E-308";
}

void NumberRulesTest::writesNumbers()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(qs(formatGermanNumber(value)), text);
}

// A double whose 15-digit text would lie beyond the double range could not be read back
// by the readers of the captions; it is written with the largest 15-digit mantissa that
// reads as a double.
void NumberRulesTest::writesTheLargestDoublesReadably()
{
    const double top[] = {DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308,
                          std::nextafter(kLargestWritable, HUGE_VAL)};
    for (const double value : top) {
        for (const double signedValue : {value, -value}) {
            const std::string text = formatGermanNumber(signedValue);
            const auto back = parseGermanNumber(text);
            QVERIFY2(back.has_value(), text.c_str());
            QCOMPARE(*back, signedValue < 0 ? -kLargestWritable : kLargestWritable);
            QCOMPARE(formatGermanNumber(*back), text);
        }
    }
    QCOMPARE(qs(formatGermanNumber(DBL_MAX)), QStringLiteral("1,79769313486231E+308"));
    QCOMPARE(qs(formatGermanNumber(-DBL_MAX)), QStringLiteral("-1,79769313486231E+308"));
    QCOMPARE(qs(formatGermanNumber(kLargestWritable)), QStringLiteral("1,79769313486231E+308"));
    QCOMPARE(qs(formatGermanNumber(1.7976931348623e308)), QStringLiteral("1,7976931348623E+308"));
}

// Texts of at most 15 significant digits in the fixed range read and write back to exactly
// the same text: the canonical form has no trailing zeros and no grouping.
void NumberRulesTest::decimalTextsWithFewDigitsComeBackAsWritten()
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
        QVERIFY2(value.has_value(), text.c_str());
        QCOMPARE(qs(formatGermanNumber(*value)), qs(text));
    }
}

void NumberRulesTest::roundTripsListedValues_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("pi of the program") << 3.141592654;
    QTest::newRow("full pi") << M_PI;
    QTest::newRow("e") << M_E;
    QTest::newRow("root two") << std::sqrt(2.0);
    QTest::newRow("phase unrounded") << 17.440594490373842;
    QTest::newRow("tenth") << 0.1;
    QTest::newRow("2^53 + 2") << 9007199254740994.0;
    QTest::newRow("1e22") << 1e22;
    QTest::newRow("1e23") << 1e23;
    QTest::newRow("largest writable") << kLargestWritable;
    QTest::newRow("1e-320 denormal") << 1e-320;
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest denormal") << std::nextafter(DBL_MIN, 0.0);
    QTest::newRow("smallest normal") << DBL_MIN;
    QTest::newRow("negative") << -123.456789012345678;
}

void NumberRulesTest::roundTripsListedValues()
{
    QFETCH(double, value);
    for (const double x : {value, -value}) {
        const std::string text = formatGermanNumber(x);
        const auto back = parseGermanNumber(text);
        QVERIFY2(back.has_value(), text.c_str());
        QCOMPARE(*back, roundedTo15Digits(x));
        QCOMPARE(qs(formatGermanNumber(*back)), qs(text));
    }
}

void NumberRulesTest::roundTripsRandomValues()
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
        QVERIFY2(text.find('.') == std::string::npos, text.c_str());
        const auto back = parseGermanNumber(text);
        QVERIFY2(back.has_value(), text.c_str());
        if (!sameBits(*back, roundedTo15Digits(x)) && !(*back == 0.0 && roundedTo15Digits(x) == 0.0))
            QFAIL(qPrintable(QStringLiteral("%1 written as %2 reads back as %3")
                                 .arg(x, 0, 'g', 17)
                                 .arg(qs(text))
                                 .arg(*back, 0, 'g', 17)));
        if (formatGermanNumber(*back) != text)
            QFAIL(qPrintable(QStringLiteral("%1 does not write back as itself").arg(qs(text))));
        ++checked;
    }
    QVERIFY(checked > 55000);
}

// ------------------------------------------------------------------------------------
// Rounding

void NumberRulesTest::roundsToPlacesHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("text");

    // Exact ties in binary go to the even last digit.
    QTest::newRow("0,125 to 2") << 0.125 << 2 << "0,12";
    QTest::newRow("0,375 to 2") << 0.375 << 2 << "0,38";
    QTest::newRow("-0,125 to 2") << -0.125 << 2 << "-0,12";
    QTest::newRow("2,5 to 0") << 2.5 << 0 << "2";
    QTest::newRow("3,5 to 0") << 3.5 << 0 << "4";
    QTest::newRow("-2,5 to 0") << -2.5 << 0 << "-2";
    QTest::newRow("-3,5 to 0") << -3.5 << 0 << "-4";
    QTest::newRow("0,03125 to 4") << 0.03125 << 4 << "0,0312";
    QTest::newRow("0,09375 to 4") << 0.09375 << 4 << "0,0938";
    QTest::newRow("1,00005 is no tie") << 1.00005 << 4 << "1,0001"; // the double is above
    // Looks like a tie in decimal, but the double lies below (2,67499999…) or above.
    QTest::newRow("2,675 to 2") << 2.675 << 2 << "2,67";
    QTest::newRow("1,005 to 2") << 1.005 << 2 << "1";
    QTest::newRow("1,015 to 2") << 1.015 << 2 << "1,01";
    QTest::newRow("0,045 to 2") << 0.045 << 2 << "0,04";
    QTest::newRow("1,115 to 2") << 1.115 << 2 << "1,11";
    QTest::newRow("0,285 to 2") << 0.285 << 2 << "0,28";
    QTest::newRow("1,125 tie to 2") << 1.125 << 2 << "1,12";
    // Plain rounding.
    QTest::newRow("phase to 4") << -70.78343 << 4 << "-70,7834";
    QTest::newRow("impedance to 4") << 303.82262 << 4 << "303,8226";
    QTest::newRow("current to 5") << 0.0329138 << 5 << "0,03291";
    QTest::newRow("0,09540 shows as 0,0954") << 0.0954034 << 5 << "0,0954";
    QTest::newRow("whole result") << 99.999996 << 4 << "100";
    QTest::newRow("tiny to zero") << 0.000004 << 5 << "0";
    QTest::newRow("tiny negative to zero, not -0") << -0.000004 << 5 << "0";
    QTest::newRow("denormal to zero") << 1e-310 << 5 << "0";
    QTest::newRow("large unchanged") << 1e20 << 4 << "1E+20";
    QTest::newRow("2^52 unchanged") << 4503599627370496.0 << 4 << "4,5035996273705E+15";
    QTest::newRow("below 2^52") << 4503599627370495.5 << 0 << "4,5035996273705E+15";
    QTest::newRow("largest double unchanged") << DBL_MAX << 5 << "1,79769313486231E+308";
}

void NumberRulesTest::roundsToPlacesHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(QString, text);
    const double rounded = circuit::roundHalfEven(value, places);
    QCOMPARE(qs(formatGermanNumber(rounded)), text);
    QVERIFY2(!std::signbit(rounded) || rounded != 0.0, "rounding to zero gives 0, not -0");
    // The result is the double nearest to the rounded decimal, not merely close to it.
    if (std::fabs(value) < 4503599627370496.0) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
        QCOMPARE(rounded, std::strtod(buffer, nullptr) + 0.0);
    }
}

void NumberRulesTest::roundsCurrents_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // From 1 mA on, five places as always.
    QTest::newRow("initial ieff") << 0.0329138 << "0,03291";
    QTest::newRow("0,09540 shows as 0,0954") << 0.0954034 << "0,0954";
    QTest::newRow("large current") << 123.4567891 << "123,45679";
    QTest::newRow("1 mA") << 0.001 << "0,001";
    QTest::newRow("1,41421 mA") << 0.00141421356 << "0,00141";
    QTest::newRow("0,999 mA rounds to 1 mA in five places") << 0.000999 << "0,001";
    QTest::newRow("-1 mA") << -0.001 << "-0,001";
    // Below, three significant digits.
    QTest::newRow("0,994 mA") << 0.00099449 << "0,000994";
    QTest::newRow("0,667 mA") << 0.000666667 << "0,000667";
    QTest::newRow("0,1 mA") << 0.0001 << "0,0001";
    QTest::newRow("10 µA") << 0.0000099999959 << "1E-05";
    QTest::newRow("14,142 µA") << 0.0000141421356 << "1,41E-05";
    QTest::newRow("3,1416 µA") << 0.0000031415927 << "3,14E-06";
    QTest::newRow("negative 3,1416 µA") << -0.0000031415927 << "-3,14E-06";
    QTest::newRow("1,125 µA: the double lies above the tie") << 0.000001125 << "1,13E-06";
    QTest::newRow("1,115 µA: the double lies below the tie") << 0.000001115 << "1,11E-06";
    QTest::newRow("1 pA") << 1.23456e-12 << "1,23E-12";
    QTest::newRow("zero") << 0.0 << "0";
}

void NumberRulesTest::roundsCurrents()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    const double rounded = circuit::roundCurrent(value);
    QCOMPARE(qs(formatGermanNumber(rounded)), text);
    // What the caption shows reads back as the rounded current itself.
    QCOMPARE(parseGermanNumber(formatGermanNumber(rounded)).value_or(-1), rounded);
}

void NumberRulesTest::roundsToWholeHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("10,5") << 10.5 << 10.0;
    QTest::newRow("11,5") << 11.5 << 12.0;
    QTest::newRow("0,5") << 0.5 << 0.0;
    QTest::newRow("1,5") << 1.5 << 2.0;
    QTest::newRow("-0,5") << -0.5 << 0.0;
    QTest::newRow("-1,5") << -1.5 << -2.0;
    QTest::newRow("-2,5") << -2.5 << -2.0;
    QTest::newRow("10,4999") << 10.4999 << 10.0;
    QTest::newRow("10,5001") << 10.5001 << 11.0;
    QTest::newRow("just below a half") << std::nextafter(0.5, 0.0) << 0.0;
    QTest::newRow("2147483647,5") << 2147483647.5 << 2147483648.0;
    QTest::newRow("2147483646,5") << 2147483646.5 << 2147483646.0;
    QTest::newRow("2^52 + 1") << 4503599627370497.0 << 4503599627370497.0;
}

void NumberRulesTest::roundsToWholeHalfToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(circuit::roundWholeHalfEven(value), expected); // -0 compares equal to 0
}

void NumberRulesTest::takesTimerIntervals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // -1: no interval

    QTest::newRow("5") << 5.0 << -1;
    QTest::newRow("5,4") << 5.4 << -1;
    QTest::newRow("5,5 rounds to 6") << 5.5 << 6;
    QTest::newRow("6") << 6.0 << 6;
    QTest::newRow("10") << 10.0 << 10;
    QTest::newRow("10,5") << 10.5 << 10;
    QTest::newRow("11,5") << 11.5 << 12;
    QTest::newRow("500") << 500.0 << 500;
    QTest::newRow("0") << 0.0 << -1;
    QTest::newRow("-20") << -20.0 << -1;
    QTest::newRow("2147483647") << 2147483647.0 << 2147483647;
    QTest::newRow("2147483646,5") << 2147483646.5 << 2147483646;
    QTest::newRow("2147483647,5") << 2147483647.5 << -1;
    QTest::newRow("2147483648") << 2147483648.0 << -1;
    QTest::newRow("1e10") << 1e10 << -1;
    QTest::newRow("largest double") << DBL_MAX << -1;
}

void NumberRulesTest::takesTimerIntervals()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    const auto interval = circuit::timerIntervalFrom(value);
    if (expected < 0) {
        QVERIFY2(!interval.has_value(), qPrintable(QString::number(interval.value_or(0))));
    } else {
        QVERIFY(interval.has_value());
        QCOMPARE(*interval, expected);
    }
}

void NumberRulesTest::appliesANewDelayAtOnce_data()
{
    QTest::addColumn<double>("delay"); // NaN: no number
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("expected"); // -1: the next step applies it

    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("60 after a wait of 24,8 days") << 60.0 << 2147483000 << 60;
    QTest::newRow("60 with 61 ms to wait") << 60.0 << 61 << 60;
    QTest::newRow("60 with 60 ms to wait") << 60.0 << 60 << -1;
    QTest::newRow("60 with 10 ms to wait") << 60.0 << 10 << -1;
    QTest::newRow("loop stopped") << 60.0 << -1 << -1;
    QTest::newRow("5,5 rounds to 6") << 5.5 << 1000 << 6;
    QTest::newRow("5,3 rounds to 5") << 5.3 << 1000 << -1;
    QTest::newRow("5") << 5.0 << 1000 << -1;
    QTest::newRow("0") << 0.0 << 1000 << -1;
    QTest::newRow("-20") << -20.0 << 1000 << -1;
    QTest::newRow("beyond the timer") << 2147483648.0 << 2147483647 << -1;
    QTest::newRow("no number") << none << 1000 << -1;
}

void NumberRulesTest::appliesANewDelayAtOnce()
{
    QFETCH(double, delay);
    QFETCH(int, remaining);
    QFETCH(int, expected);
    const auto interval =
        animation::intervalToApplyAtOnce(std::isnan(delay) ? std::nullopt : std::optional(delay), remaining);
    QCOMPARE(interval.value_or(-1), expected);
}

// ------------------------------------------------------------------------------------
// Checked arithmetic

using Operation = std::function<double()>;
Q_DECLARE_METATYPE(Operation)

void NumberRulesTest::checkedArithmeticFails_data()
{
    using namespace circuit::checked;
    QTest::addColumn<Operation>("operation");

    QTest::newRow("1 / 0") << Operation([] { return div(1.0, 0.0); });
    QTest::newRow("-1 / 0") << Operation([] { return div(-1.0, 0.0); });
    QTest::newRow("1 / -0") << Operation([] { return div(1.0, -0.0); });
    QTest::newRow("0 / 0") << Operation([] { return div(0.0, 0.0); });
    QTest::newRow("DBL_MAX * 2") << Operation([] { return mul(DBL_MAX, 2.0); });
    QTest::newRow("-DBL_MAX * 2") << Operation([] { return mul(-DBL_MAX, 2.0); });
    QTest::newRow("1e200 * 1e200") << Operation([] { return mul(1e200, 1e200); });
    QTest::newRow("DBL_MAX + DBL_MAX") << Operation([] { return add(DBL_MAX, DBL_MAX); });
    QTest::newRow("-DBL_MAX - DBL_MAX") << Operation([] { return sub(-DBL_MAX, DBL_MAX); });
    QTest::newRow("1 / 1e-320 overflows") << Operation([] { return div(1.0, 1e-320); });
    QTest::newRow("1e300 / 1e-300") << Operation([] { return div(1e300, 1e-300); });
}

void NumberRulesTest::checkedArithmeticFails()
{
    QFETCH(Operation, operation);
    QVERIFY_THROWS_EXCEPTION(circuit::CalcError, operation());
}

void NumberRulesTest::checkedArithmeticPasses_data()
{
    using namespace circuit::checked;
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("expected");

    QTest::newRow("underflow to zero") << Operation([] { return mul(1e-300, 1e-300); }) << 0.0;
    QTest::newRow("underflow in division") << Operation([] { return div(1e-300, 1e300); }) << 0.0;
    QTest::newRow("denormal result") << Operation([] { return div(DBL_MIN, 4.0); }) << DBL_MIN / 4.0;
    QTest::newRow("0 / 1") << Operation([] { return div(0.0, 1.0); }) << 0.0;
    QTest::newRow("loss of precision") << Operation([] { return add(1e16, 1.0); }) << 1e16;
    QTest::newRow("largest double") << Operation([] { return mul(DBL_MAX, 1.0); }) << DBL_MAX;
    QTest::newRow("cancellation") << Operation([] { return sub(DBL_MAX, DBL_MAX); }) << 0.0;
    QTest::newRow("reactance of the default circuit")
        << Operation([] { return sub(mul(0.1, 314.1592654), div(1.0, mul(0.00001, 314.1592654))); })
        << 0.1 * 314.1592654 - 1.0 / (0.00001 * 314.1592654);
}

void NumberRulesTest::checkedArithmeticPasses()
{
    QFETCH(Operation, operation);
    QFETCH(double, expected);
    double result = -1.0;
    try {
        result = operation();
    } catch (const circuit::CalcError& error) {
        QFAIL(error.what());
    }
    QCOMPARE(result, expected);
}

void NumberRulesTest::toSingleSaturatesToInfinity()
{
    using circuit::checked::toSingle;
    QCOMPARE(toSingle(1400.25), 1400.25f);
    QCOMPARE(toSingle(-1400.25), -1400.25f);
    QVERIFY(std::isinf(toSingle(1e39)) && toSingle(1e39) > 0.0f);
    QVERIFY(std::isinf(toSingle(-1e39)) && toSingle(-1e39) < 0.0f);
    QVERIFY(std::isinf(toSingle(DBL_MAX)));
    QCOMPARE(toSingle(double(FLT_MAX)), FLT_MAX);
    QCOMPARE(toSingle(1e-50), 0.0f);
}

QTEST_APPLESS_MAIN(NumberRulesTest)
#include "tst_numberrules.moc"
