// SPDX-License-Identifier: GPL-3.0-or-later
// The rules by which the change handlers of the circuit inputs take a text, and the reasons
// an input waits, tested against the rules they must agree with.
#include "circuit/Acceptance.h"
#include "circuit/InputWait.h"

#include "CoreTest.h"

#include <string>

using circuit::InputWait;

namespace {

std::u16string utf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

} // namespace

// The rule of U, f and R: not empty, a number, and rounded down not 0.
TEST_DATA(acceptanceOfVoltageFrequencyResistance)
{
    coretest::addColumn<std::string>("text");
    coretest::addColumn<bool>("accepted");
    coretest::newRow("empty") << "" << false;
    coretest::newRow("blanks") << "   " << false;
    coretest::newRow("0") << "0" << false;
    coretest::newRow("0,") << "0," << false;
    coretest::newRow("0,5") << "0,5" << false;
    coretest::newRow("0,99") << "0,99" << false;
    coretest::newRow("1") << "1" << true;
    coretest::newRow("-0,5") << "-0,5" << true;
    coretest::newRow("-1") << "-1" << true;
    coretest::newRow("-0") << "-0" << false;
    coretest::newRow("letters") << "abc" << false;
    coretest::newRow("1e3") << "1e3" << true;
    coretest::newRow(",5") << ",5" << false;
    coretest::newRow("1,5 with blanks around") << " 1,5 " << true;
    coretest::newRow("point instead of comma") << "1.5" << false;
}

TEST_CASE(acceptanceOfVoltageFrequencyResistance)
{
    FETCH(std::string, text);
    FETCH(bool, accepted);
    COMPARE(circuit::acceptsWholeNonZero(utf16(text)), accepted);
}

// L and C take every text but an unfinished number; C waits at a number equal to zero too.
TEST_DATA(acceptanceOfInductanceCapacitance)
{
    coretest::addColumn<std::string>("text");
    coretest::addColumn<bool>("inductance");
    coretest::addColumn<bool>("capacitance");
    coretest::newRow("empty") << "" << false << false;
    coretest::newRow("one blank") << " " << true << true;
    coretest::newRow("blanks") << "   " << true << true;
    coretest::newRow("0") << "0" << true << false;
    coretest::newRow("0,") << "0," << true << false;
    coretest::newRow("0,000") << "0,000" << true << false;
    coretest::newRow("-0") << "-0" << true << false;
    coretest::newRow("+0") << "+0" << true << false;
    coretest::newRow("0E5") << "0E5" << true << false;
    coretest::newRow("0 with blanks around") << " 0 " << true << false;
    coretest::newRow("0,5") << "0,5" << true << true;
    coretest::newRow(",5") << ",5" << true << true;
    coretest::newRow("0,00002") << "0,00002" << true << true;
    coretest::newRow("1E-5") << "1E-5" << true << true;
    coretest::newRow("-0,2") << "-0,2" << true << true;
    coretest::newRow("letters") << "abc" << true << true;
    coretest::newRow("point") << "." << true << true;
    coretest::newRow("point instead of comma") << "1.5" << true << true;
    coretest::newRow("lone minus") << "-" << false << false;
    coretest::newRow("lone plus") << "+" << false << false;
    coretest::newRow("lone comma") << "," << false << false;
    coretest::newRow("sign and comma") << "-," << false << false;
    coretest::newRow("lone minus with blanks around") << " - " << false << false;
    coretest::newRow("1E") << "1E" << false << false;
    coretest::newRow("1E-") << "1E-" << false << false;
    coretest::newRow("1e+") << "1e+" << false << false;
    coretest::newRow("2,5E") << "2,5E" << false << false;
    coretest::newRow(",5E-") << ",5E-" << false << false;
    coretest::newRow("0E: unfinished before zero") << "0E" << false << false;
    coretest::newRow("E alone") << "E" << true << true;
    coretest::newRow("-E") << "-E" << true << true;
    coretest::newRow("blank before the exponent") << "1 E" << true << true;
    coretest::newRow("second exponent") << "1E5E" << true << true;
    coretest::newRow("two exponent letters") << "1EE" << true << true;
    coretest::newRow("1,5,") << "1,5,E" << true << true;
}

TEST_CASE(acceptanceOfInductanceCapacitance)
{
    FETCH(std::string, text);
    FETCH(bool, inductance);
    FETCH(bool, capacitance);
    COMPARE(circuit::acceptsInductance(utf16(text)), inductance);
    COMPARE(circuit::acceptsCapacitance(utf16(text)), capacitance);
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
