// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/Acceptance.h"

#include "circuit/GermanNumber.h"

#include <cmath>

namespace circuit {
namespace {

std::u16string_view trimmed(std::u16string_view text)
{
    const auto blank = [](char16_t ch) { return ch == u' ' || ch == u'\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isSign(char16_t ch) { return ch == u'+' || ch == u'-'; }
bool isExponentLetter(char16_t ch) { return ch == u'E' || ch == u'e'; }

} // namespace

bool acceptsWholeNonZero(std::u16string_view text)
{
    if (text.empty())
        return false;
    const auto number = parseGermanNumber(text);
    return number && std::floor(*number) != 0.0;
}

bool isUnfinishedNumber(std::u16string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return false;
    std::u16string_view rest = text;
    if (isSign(rest.front()))
        rest.remove_prefix(1);
    if (rest.empty() || rest == u",")
        return true;
    // An exponent letter, perhaps with its sign, still waiting for its digits.
    std::u16string_view mantissa = text;
    if (isSign(mantissa.back()))
        mantissa.remove_suffix(1);
    if (mantissa.empty() || !isExponentLetter(mantissa.back()))
        return false;
    mantissa.remove_suffix(1);
    if (mantissa.empty() || mantissa.back() == u' ' || mantissa.back() == u'\t')
        return false; // "1 E" can never become a number
    for (const char16_t ch : mantissa)
        if (isExponentLetter(ch))
            return false;
    return parseGermanNumber(mantissa).has_value();
}

bool acceptsInductance(std::u16string_view text) { return !text.empty() && !isUnfinishedNumber(text); }

bool acceptsCapacitance(std::u16string_view text)
{
    if (!acceptsInductance(text))
        return false;
    const auto number = parseGermanNumber(text);
    return !(number && *number == 0.0);
}

} // namespace circuit
