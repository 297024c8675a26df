// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// The closed-form current of a series R-C circuit whose uncharged capacitor is switched onto
// the source at step 1, the source taken as the switch-on plot samples it: its phase grows by
// P / 785.3981635 in each step of Δt = P / (F · 5000) seconds. With θ1 the phase at step 1,
// β = F · 5000 / 785.3981635 its angular speed and t = (n − 1) · Δt:
//   i(t) = Î'·sin(θ1 + β·t + ψ) + (Û·sin θ1 / R − Î'·sin(θ1 + ψ)) · e^(−t / (R·C))
// with the settled peak Î' = Û / √(R² + (1 / (β·C))²) and the lead ψ = atan(1 / (β·R·C)).
struct SwitchOnClosedForm {
    double uPeak, r, c, f, periods, phase0Degrees;

    double currentAtStep(int n) const
    {
        const double pi = 3.141592654;
        const double theta1 = phase0Degrees * pi / 180 + periods * (1 / 785.3981635);
        const double beta = f * 5000 / 785.3981635;
        const double t = (n - 1) * (periods / (f * 5000));
        const double settledPeak = uPeak / std::hypot(r, 1 / (beta * c));
        const double lead = std::atan(1 / (beta * r * c));
        const double surge = uPeak * std::sin(theta1) / r - settledPeak * std::sin(theta1 + lead);
        return settledPeak * std::sin(theta1 + beta * t + lead) + surge * std::exp(-t / (r * c));
    }

    // The steady peak current as the static analysis has it, at ω = 2π · F.
    double steadyPeak() const { return uPeak / std::hypot(r, 1 / (2 * 3.141592654 * f * c)); }
};
