// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Controls.h"

#include <QString>

class QMenu;
class QPoint;

// Copying for worksheets and lab reports: the context menu of each drawing surface and
// Ctrl+C on a focused one. Everything goes to the clipboard; nothing is written to a file,
// drawn, or computed into a control.
class WorksheetCopy {
public:
    explicit WorksheetCopy(const Controls& controls);

    void copyPicture(ui::DrawingSurface* surface) const; // "Bild kopieren"
    void copyWindow() const;                            // "Fenster kopieren"
    void copyValues() const;                            // "Werte kopieren"

    // The text "Werte kopieren" puts on the clipboard: the inputs and the six results as
    // shown, then one row per step of the plot "Zeichne!" would draw now, tab-separated.
    QString valuesText() const;

private:
    void showMenu(ui::DrawingSurface* surface, const QPoint& at) const;

    const Controls& controls_;
};
