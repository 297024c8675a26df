// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/InputWait.h"

#include "circuit/Acceptance.h"
#include "circuit/GermanNumber.h"

#include <string>

namespace circuit {

namespace {

// The reason for a text that its acceptance rule turned down.
InputWait reasonFor(std::u16string_view text)
{
    if (text.empty())
        return InputWait::Empty;
    if (const auto number = parseGermanNumber(text))
        return *number == 0.0 ? InputWait::Zero : InputWait::BelowOne;
    if (text.find(u'.') != std::u16string_view::npos) {
        std::u16string withComma(text);
        for (char16_t& ch : withComma)
            if (ch == u'.')
                ch = u',';
        if (parseGermanNumber(withComma))
            return InputWait::DecimalPoint;
    }
    // What a number still needs to be finished: digits after a sign, a comma or an exponent.
    std::u16string completed(text);
    while (!completed.empty() && (completed.back() == u' ' || completed.back() == u'\t'))
        completed.pop_back();
    if (!completed.empty() && parseGermanNumber(completed + u"1"))
        return InputWait::Unfinished;
    return InputWait::NotANumber;
}

} // namespace

InputWait waitOfWholeNonZero(std::u16string_view text)
{
    if (acceptsWholeNonZero(text))
        return InputWait::Taken;
    const InputWait reason = reasonFor(text);
    // For U, f and R a lone "0" waits like "0,5": both are below 1.
    return reason == InputWait::Zero ? InputWait::BelowOne : reason;
}

InputWait waitOfInductance(std::u16string_view text)
{
    return acceptsInductance(text) ? InputWait::Taken : reasonFor(text);
}

InputWait waitOfCapacitance(std::u16string_view text)
{
    return acceptsCapacitance(text) ? InputWait::Taken : reasonFor(text);
}

} // namespace circuit
