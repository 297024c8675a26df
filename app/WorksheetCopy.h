// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QString>

class Commands;
class StaticAnalysis;
class WaveformPlotter;

// Copying for worksheets and lab reports: its commands in the context menus of the drawing
// surfaces, and Ctrl+C on a focused one. Everything goes to the clipboard; nothing is written to a file,
// drawn, or computed into a control.
class WorksheetCopy {
public:
    WorksheetCopy(const Controls& controls, const StaticAnalysis& analysis, const WaveformPlotter& plotter,
                  Commands& commands);

    void copyPicture(ui::DrawingSurface* surface) const; // "Bild kopieren"
    // "Bild mit Legende kopieren": the curves with the worksheet's legend below them.
    void copyPictureWithLegend() const;
    void copyWindow() const;                            // "Fenster kopieren"
    void copyValues() const;                            // "Werte kopieren"

    // The text "Werte kopieren" puts on the clipboard: the circuit's inputs and the six results
    // as shown, then one row per step of the plot "Zeichne!" would draw now, tab-separated.
    QString valuesText() const;

private:
    const Controls& controls_;
    const StaticAnalysis& analysis_;
    const WaveformPlotter& plotter_;
};
