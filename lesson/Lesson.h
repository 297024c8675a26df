// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/CircuitInputs.h"

#include <QColor>
#include <QString>

#include <array>

// What a teacher sets up and a lesson file keeps: the texts of every input exactly as typed,
// every check box and every curve colour, with a title and a one-line description. Not the
// drawn pictures, nor anything the window computes from these.
struct Lesson {
    struct CurveSetting {
        bool shown = false;
        QColor colour;       // the colour button's
        QColor phasorColour; // its phasor line's (the power has none); a chosen colour sets both

        bool operator==(const CurveSetting&) const = default;
    };

    CircuitTexts circuit;               // u, f, r, l, c and "Eingebaut"
    std::array<CurveSetting, 6> curves; // in the order of the curve table (plot/Curves.h)
    QString periods;                    // perioden
    bool switchOn = false;              // Check8
    QString switchOnPhase;              // phaseein
    bool refreshWhileDrawing = true;    // Check9
    bool phasorsOn = true;              // Check11
    bool loop = false;                  // Check10
    QString delay;                      // Text1

    QString title;
    QString description;

    bool operator==(const Lesson&) const = default;
};
