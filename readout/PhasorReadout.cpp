// SPDX-License-Identifier: GPL-3.0-or-later
#include "readout/PhasorReadout.h"

#include "animation/PhasorFormulas.h"
#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "readout/Reading.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

PhasorReadout::PhasorReadout(const Controls& controls) : QObject(controls.Picture2), controls_(controls)
{
    setObjectName(QStringLiteral("phasorReadout"));
    controls_.Picture2->installEventFilter(this);
}

QString PhasorReadout::readout() const
{
    const double uPeak = readingOf([this] { return requiredNumber(controls_.udach); });
    const double iPeak = readingOf([this] { return requiredNumber(controls_.idach); });
    QStringList lines;
    for (const CurveControls& curve : curvesOf(controls_)) {
        // A capacitor's phasor left standing while the capacitor is out stands for nothing.
        if (!curve.phasor || !curve.phasor->isVisible() ||
            !plot::isDrawn(curve.curve, false, controls_.Check1->isChecked()))
            continue;
        const ui::LineElement& line = *curve.phasor;
        const double dx = double(line.x1()) - double(line.x2());
        const double dy = double(line.y2()) - double(line.y1()); // y grows downwards
        const double peak = readingOf(
            [&] { return animation::phasorPeak(curve.curve, animation::phasorLength(dx, dy), uPeak, iPeak); });
        const double angle = readingOf([&] { return animation::phasorAngle(dx, dy); });
        lines << QStringLiteral("%1: %2 %3, %4°").arg(curve.symbol(), readingText(peak), curve.unit(), readingText(angle));
    }
    if (lines.isEmpty())
        return {};
    lines.prepend(QStringLiteral("Zeiger: Scheitelwert und Winkel (gegen den Uhrzeigersinn, 0° nach rechts)"));
    return lines.join(u'\n');
}

bool PhasorReadout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != controls_.Picture2 || event->type() != QEvent::ToolTip)
        return false;
    const QString text = readout();
    if (text.isEmpty())
        return false;
    // The surface's own tip follows: what the diagram is and its menu.
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text + QStringLiteral("\n\n") + controls_.Picture2->toolTip(),
                       controls_.Picture2);
    return true;
}
