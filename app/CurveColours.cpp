#include "app/CurveColours.h"

#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QColorDialog>

CurveColours::CurveColours(Controls& controls) : c(controls) {}

void CurveColours::chooseFor(ui::ColourButton* button, ui::LineElement* phasor)
{
    if (!c.cd1) {
        // One dialog for all six buttons, made when it is first needed.
        c.cd1 = new QColorDialog(c.form);
        c.cd1->setObjectName(QStringLiteral("cd1"));
    }
    c.cd1->setCurrentColor(lastConfirmed_);
    const auto chosen = ui::chooseColour(*c.cd1);
    if (!chosen) {
        c.cd1->setCurrentColor(lastConfirmed_); // cancelling leaves the dialog's colour too
        return;
    }
    // A chooser that failed without being cancelled leaves the colour last confirmed in it,
    // and the handler goes on with that colour.
    if (chosen->isValid())
        lastConfirmed_ = QColor(chosen->rgb()); // an opaque RGB colour
    c.cd1->setCurrentColor(lastConfirmed_);
    button->setBackColor(lastConfirmed_);
    if (phasor)
        phasor->setColor(lastConfirmed_);
}

void CurveColours::Command2_Click() { chooseFor(c.Command2, c.lu); }
void CurveColours::Command3_Click() { chooseFor(c.Command3, c.li); }
void CurveColours::Command4_Click() { chooseFor(c.Command4, nullptr); }
void CurveColours::Command5_Click() { chooseFor(c.Command5, c.lur); }
void CurveColours::Command6_Click() { chooseFor(c.Command6, c.luc); }
void CurveColours::Command7_Click() { chooseFor(c.Command7, c.lul); }

void CurveColours::Command8_Click()
{
    c.Picture1->cls();
    c.Picture2->cls();
}
