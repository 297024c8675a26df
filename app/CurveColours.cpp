// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CurveColours.h"

#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"
#include "ui/OpaqueColour.h"

#include <QCheckBox>
#include <QColorDialog>

CurveColours::CurveColours(Controls& controls) : controls_(controls) {}

void CurveColours::chooseFor(Curve curve)
{
    if (!controls_.cd1) {
        // One dialog for all six buttons, made when it is first needed.
        controls_.cd1 = new QColorDialog(controls_.form);
        controls_.cd1->setObjectName(QStringLiteral("cd1"));
    }
    // It opens on the clicked curve's colour and names the curve; its own colour stays the one
    // last confirmed, for a cancel and for a chooser that fails.
    const CurveControls row = curveOf(controls_, curve);
    controls_.cd1->setWindowTitle(QStringLiteral("Farbe: ") + row.check->text());
    controls_.cd1->setCurrentColor(row.colour->backColour());
    const auto chosen = ui::chooseColour(*controls_.cd1);
    if (!chosen) {
        controls_.cd1->setCurrentColor(lastConfirmed_); // cancelling leaves the dialog's colour too
        return;
    }
    // A chooser that failed without being cancelled leaves the colour last confirmed in it,
    // and the handler goes on with that colour.
    if (chosen->isValid())
        lastConfirmed_ = ui::opaqueRgb(*chosen);
    controls_.cd1->setCurrentColor(lastConfirmed_);
    row.colour->setBackColour(lastConfirmed_);
    if (row.phasor)
        row.phasor->setColour(lastConfirmed_);
}

void CurveColours::Command2_Click() { chooseFor(Curve::AppliedVoltage); }
void CurveColours::Command3_Click() { chooseFor(Curve::Current); }
void CurveColours::Command4_Click() { chooseFor(Curve::Power); }
void CurveColours::Command5_Click() { chooseFor(Curve::ResistorVoltage); }
void CurveColours::Command6_Click() { chooseFor(Curve::CapacitorVoltage); }
void CurveColours::Command7_Click() { chooseFor(Curve::CoilVoltage); }

void CurveColours::Command8_Click()
{
    controls_.Picture1->cls();
    controls_.Picture2->cls();
}
