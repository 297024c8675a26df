#include "app/CurveColours.h"

#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QColorDialog>

CurveColours::CurveColours(Controls& controls) : c(controls) {}

void CurveColours::chooseFor(ui::ColourButton* button, ui::LineElement* phasor, const QCheckBox* curve)
{
    if (!c.cd1) {
        // One dialog for all six buttons, made when it is first needed.
        c.cd1 = new QColorDialog(c.form);
        c.cd1->setObjectName(QStringLiteral("cd1"));
    }
    // It opens on the clicked curve's colour and names the curve; its own colour stays the one
    // last confirmed, for a cancel and for a chooser that fails.
    c.cd1->setWindowTitle(QStringLiteral("Farbe: ") + curve->text());
    c.cd1->setCurrentColor(button->backColor());
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

void CurveColours::Command2_Click() { chooseFor(c.Command2, c.lu, c.Check2); }
void CurveColours::Command3_Click() { chooseFor(c.Command3, c.li, c.Check3); }
void CurveColours::Command4_Click() { chooseFor(c.Command4, nullptr, c.Check4); }
void CurveColours::Command5_Click() { chooseFor(c.Command5, c.lur, c.Check5); }
void CurveColours::Command6_Click() { chooseFor(c.Command6, c.luc, c.Check6); }
void CurveColours::Command7_Click() { chooseFor(c.Command7, c.lul, c.Check7); }

void CurveColours::Command8_Click()
{
    c.Picture1->cls();
    c.Picture2->cls();
}
