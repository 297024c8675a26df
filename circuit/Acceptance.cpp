#include "circuit/Acceptance.h"

#include "circuit/GermanNumber.h"

#include <cmath>

namespace circuit {

bool acceptsWholeNonZero(std::u16string_view text)
{
    if (text.empty())
        return false;
    const auto number = parseGermanNumber(text);
    return number && std::floor(*number) != 0.0;
}

bool acceptsNonEmpty(std::u16string_view text) { return !text.empty(); }

} // namespace circuit
