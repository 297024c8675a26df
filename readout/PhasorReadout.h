// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QObject>
#include <QString>

// The mouse resting on the phasor diagram lists each shown phasor's peak value and angle, read
// from its line as the diagram shows it: the voltage's and the current's full length are the
// captions Û and Î, the voltages at R, C and L are drawn to the scale of Û. Without a phasor
// shown the tip is the surface's own.
class PhasorReadout : public QObject {
    Q_OBJECT
public:
    explicit PhasorReadout(const Controls& controls);

    // The list, or an empty text when no phasor is shown.
    QString readout() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Controls& controls_;
};
