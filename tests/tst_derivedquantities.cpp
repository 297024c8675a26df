// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities derived from the displayed circuit, tested as plain functions against the
// textbook formulas computed here on their own, and the reasons an input waits, tested
// against the acceptance rules they must agree with.
#include "circuit/Acceptance.h"
#include "circuit/DerivedQuantities.h"
#include "circuit/GermanNumber.h"
#include "circuit/InputWait.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <optional>

using circuit::InputWait;

Q_DECLARE_METATYPE(InputWait)

namespace {

std::u16string utf16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
}

// The German text of a row as a number, by Qt's own German locale (not the program's rules).
std::optional<double> german(const QString& text)
{
    bool ok = false;
    const double value = QLocale(QLocale::German).toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Equal up to the difference between the program's pi (3.141592654) and the true one.
bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-8 * std::max(1.0, std::fabs(expected));
}

void compare(const char* what, const std::optional<double>& actual, const std::optional<double>& expected)
{
    QVERIFY2(actual.has_value() == expected.has_value(),
             qPrintable(QStringLiteral("%1: %2").arg(what, expected ? "missing" : "shown where it does not exist")));
    if (expected)
        QVERIFY2(near(*actual, *expected), qPrintable(QStringLiteral("%1: %2, expected %3")
                                                          .arg(what)
                                                          .arg(*actual, 0, 'g', 15)
                                                          .arg(*expected, 0, 'g', 15)));
}

} // namespace

class DerivedQuantitiesTest : public QObject {
    Q_OBJECT
private slots:
    void matchTheTextbookFormulas_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("l");
        QTest::addColumn<QString>("c");
        QTest::addColumn<bool>("capacitor");
        QTest::addColumn<QString>("ueff");
        QTest::addColumn<QString>("ieff");
        QTest::addColumn<QString>("phi");
        // The captions as the window shows them for these inputs.
        QTest::newRow("start-up circuit") << "50" << "0,1" << "0,00001" << true << "10" << "0,03291" << "-70,7834";
        QTest::newRow("capacitor removed") << "50" << "0,1" << "0,00001" << false << "10" << "0,0954"
                                           << "17,4405944903738";
        QTest::newRow("near resonance") << "159" << "0,1" << "0,00001" << true << "10" << "0,09999" << "-0,5637";
        QTest::newRow("switch-on mode, no coil")
            << "50" << "0" << "0,00001" << true << "10" << "0,02997" << "-72,5594";
        QTest::newRow("exponent form, blanks as typed")
            << "1000" << "0,002" << "1E-6" << true << " 230 " << "1,49727" << "-30,1";
        QTest::newRow("frequency not a number") << "abc" << "0,1" << "0,00001" << true << "10" << "0,03291"
                                                << "-70,7834";
        QTest::newRow("capacitance 0") << "50" << "0,1" << "0" << true << "10" << "0,03291" << "-70,7834";
        QTest::newRow("negative inductance") << "50" << "-0,1" << "0,00001" << true << "10" << "0,0201"
                                             << "-78,4";
        QTest::newRow("phase caption not a number") << "50" << "0,1" << "0,00001" << true << "10" << "0,03291"
                                                    << "abc";
        QTest::newRow("current caption not a number") << "50" << "0,1" << "0,00001" << true << "10" << ""
                                                      << "-70,7834";
    }

    void matchTheTextbookFormulas()
    {
        QFETCH(QString, f);
        QFETCH(QString, l);
        QFETCH(QString, c);
        QFETCH(bool, capacitor);
        QFETCH(QString, ueff);
        QFETCH(QString, ieff);
        QFETCH(QString, phi);
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
        compare("X_L", derived.inductiveReactance, xl);
        compare("X_C", derived.capacitiveReactance, xc);
        compare("cos phi", derived.powerFactor, cosPhi);
        compare("P", derived.activePower, active);
        compare("Q", derived.reactivePower, reactive);
        compare("S", derived.apparentPower, apparent);
        compare("f0", derived.resonanceFrequency, f0);
    }

    void startUpCircuitAsWritten()
    {
        const circuit::DerivedQuantities d =
            circuit::deriveQuantities({u"50", u"0,1", u"0,00001", true, u"10", u"0,03291", u"-70,7834"});
        QCOMPARE(circuit::derivedText(*d.inductiveReactance), std::string("31,416"));
        QCOMPARE(circuit::derivedText(*d.capacitiveReactance), std::string("318,31"));
        QCOMPARE(circuit::derivedText(*d.apparentPower), std::string("0,3291"));
        QCOMPARE(circuit::derivedText(*d.resonanceFrequency), std::string("159,15"));
        // Capacitive: the reactive power is negative.
        QVERIFY(*d.reactivePower < 0);
    }

    void writtenWithFiveSignificantDigits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("ohms") << 318.30988618379 << "318,31";
        QTest::newRow("milliwatts") << 0.00108327 << "0,0010833";
        QTest::newRow("microwatts, exponent form") << 0.0000123456 << "1,2346E-05";
        QTest::newRow("whole numbers keep their digits") << 1234567.4 << "1234567";
        QTest::newRow("negative") << -0.310758 << "-0,31076";
        QTest::newRow("exact tie to even") << 0.125 << "0,125";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
    }

    void writtenWithFiveSignificantDigits()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(circuit::derivedText(value)), text);
    }

    void reasonsForWaiting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<InputWait>("uFR");
        QTest::addColumn<InputWait>("inductance");
        QTest::newRow("a number") << "100" << InputWait::Taken << InputWait::Taken;
        QTest::newRow("empty") << "" << InputWait::Empty << InputWait::Empty;
        QTest::newRow("zero") << "0" << InputWait::BelowOne << InputWait::Taken;
        QTest::newRow("below one") << "0,5" << InputWait::BelowOne << InputWait::Taken;
        QTest::newRow("zero and a comma") << "0," << InputWait::BelowOne << InputWait::Taken;
        QTest::newRow("negative is taken") << "-0,5" << InputWait::Taken << InputWait::Taken;
        QTest::newRow("decimal point") << "12.5" << InputWait::DecimalPoint << InputWait::Taken;
        QTest::newRow("decimal point below one") << "0.5" << InputWait::DecimalPoint << InputWait::Taken;
        QTest::newRow("letters") << "abc" << InputWait::NotANumber << InputWait::Taken;
        QTest::newRow("a point alone") << "." << InputWait::NotANumber << InputWait::Taken;
        QTest::newRow("lone sign") << "-" << InputWait::Unfinished << InputWait::Taken;
        QTest::newRow("exponent without digits") << "1E" << InputWait::Unfinished << InputWait::Taken;
        QTest::newRow("exponent sign without digits") << "1E-" << InputWait::Unfinished << InputWait::Taken;
        QTest::newRow("blanks") << "  " << InputWait::NotANumber << InputWait::Taken;
    }

    void reasonsForWaiting()
    {
        QFETCH(QString, text);
        QFETCH(InputWait, uFR);
        QFETCH(InputWait, inductance);
        const std::u16string t = utf16(text);
        QCOMPARE(circuit::waitOfWholeNonZero(t), uFR);
        QCOMPARE(circuit::waitOfInductance(t), inductance);
    }

    // Whatever the rules of taking a text are, a reason is given exactly where the handler
    // does not take the text.
    void reasonGivenExactlyWhereTheHandlerWaits()
    {
        const char16_t* texts[] = {u"", u" ", u"0", u"-0", u"0,", u",", u"-", u"+", u"1", u"1E", u"1E-", u"1E-5",
                                   u"0,00001", u"0,000", u"1.5", u"abc", u"1,5", u"-0,2", u"0,9999", u"1E400",
                                   u"1e-400", u" 12 ", u"1,2,3"};
        for (const char16_t* text : texts) {
            const std::u16string_view t(text);
            QCOMPARE(circuit::waitOfWholeNonZero(t) == InputWait::Taken, circuit::acceptsWholeNonZero(t));
            QCOMPARE(circuit::waitOfInductance(t) == InputWait::Taken, circuit::acceptsNonEmpty(t));
            QCOMPARE(circuit::waitOfCapacitance(t) == InputWait::Taken, circuit::acceptsNonEmpty(t));
        }
    }
};

QTEST_GUILESS_MAIN(DerivedQuantitiesTest)
#include "tst_derivedquantities.moc"
