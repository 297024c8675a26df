#include "plot/SwitchOnMode.h"

#include "app/ControlValues.h"
#include "ui/Dialogs.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

SwitchOnMode::SwitchOnMode(const Controls& controls) : c(controls) {}

void SwitchOnMode::Check8_Click()
{
    if (c.Check8->isChecked())
        enter();
    else
        leave();
}

// The meander and its core bar, in ascending order.
void SwitchOnMode::setCoilShown(bool shown)
{
    for (int number = 11; number <= 26; ++number)
        c.Line[number]->setVisible(shown);
}

void SwitchOnMode::enter()
{
    c.Check5->setEnabled(false);
    c.Check6->setEnabled(false);
    c.Check7->setEnabled(false);
    c.Line[36]->setVisible(true);
    c.Label[6]->setVisible(false);
    c.Label[7]->setVisible(false);
    c.l->setVisible(false);
    setCoilShown(false);
    c.phaseein->setEnabled(true);
    c.l->setEnabled(false);

    // A text of l that is no number is taken out like any non-zero inductance.
    const auto inductance = numberIn(c.l->text());
    if (!inductance || *inductance != 0.0) {
        ui::showMessage(c.form, QStringLiteral("Die Spule wird ausgebaut!"), QStringLiteral("kleiner Umbau.."),
                        ui::MessageIcon::Information);
        c.l->setText(QStringLiteral("0")); // its change event recomputes for L = 0
        QCoreApplication::processEvents();
    }

    if (!c.Check1->isChecked()) {
        ui::showMessage(c.form,
                        QStringLiteral("Der Kondensator muss schon eingebaut sein, sonst macht das ja keinen Sinn.."),
                        QStringLiteral("Erst überlegen, dann klicken"), ui::MessageIcon::Information);
    }
}

void SwitchOnMode::leave()
{
    c.Line[36]->setVisible(false);
    c.Label[6]->setVisible(true);
    c.Label[7]->setVisible(true);
    c.l->setVisible(true);
    setCoilShown(true);
    c.Check5->setEnabled(true);
    c.Check6->setEnabled(true);
    c.l->setEnabled(true);
    c.Check7->setEnabled(true);
    c.phaseein->setEnabled(false);
}
