#include "circuit/Acceptance.h"

#include <cmath>

namespace circuit {

bool acceptsWholeNonZero(bool empty, std::optional<double> number)
{
    return !empty && number && std::floor(*number) != 0.0;
}

bool acceptsNonEmpty(bool empty) { return !empty; }

} // namespace circuit
