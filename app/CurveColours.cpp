#include "app/CurveColours.h"

#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QColorDialog>

CurveColours::CurveColours(Controls& controls) : controls_(controls) {}

void CurveColours::chooseFor(ui::ColourButton* button, ui::LineElement* phasor)
{
    if (!controls_.cd1) {
        // One dialog for all six buttons, made when it is first needed.
        controls_.cd1 = new QColorDialog(controls_.form);
        controls_.cd1->setObjectName(QStringLiteral("cd1"));
    }
    controls_.cd1->setCurrentColor(lastConfirmed_);
    const auto chosen = ui::chooseColour(*controls_.cd1);
    if (!chosen) {
        controls_.cd1->setCurrentColor(lastConfirmed_); // cancelling leaves the dialog's colour too
        return;
    }
    // A chooser that failed without being cancelled leaves the colour last confirmed in it,
    // and the handler goes on with that colour.
    if (chosen->isValid())
        lastConfirmed_ = QColor(chosen->rgb()); // an opaque RGB colour
    controls_.cd1->setCurrentColor(lastConfirmed_);
    button->setBackColour(lastConfirmed_);
    if (phasor)
        phasor->setColour(lastConfirmed_);
}

void CurveColours::Command2_Click() { chooseFor(controls_.Command2, controls_.lu); }
void CurveColours::Command3_Click() { chooseFor(controls_.Command3, controls_.li); }
void CurveColours::Command4_Click() { chooseFor(controls_.Command4, nullptr); }
void CurveColours::Command5_Click() { chooseFor(controls_.Command5, controls_.lur); }
void CurveColours::Command6_Click() { chooseFor(controls_.Command6, controls_.luc); }
void CurveColours::Command7_Click() { chooseFor(controls_.Command7, controls_.lul); }

void CurveColours::Command8_Click()
{
    controls_.Picture1->cls();
    controls_.Picture2->cls();
}
