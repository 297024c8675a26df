// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/SwitchOnMode.h"

#include "controls/ControlValues.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

SwitchOnMode::SwitchOnMode(const Controls& controls, std::function<void(bool)> showCoil)
    : controls_(controls), showCoil_(std::move(showCoil))
{
}

void SwitchOnMode::Check8_Click()
{
    if (controls_.Check8->isChecked())
        enter();
    else
        leave();
}

void SwitchOnMode::enter()
{
    controls_.Check5->setEnabled(false);
    controls_.Check6->setEnabled(false);
    controls_.Check7->setEnabled(false);
    controls_.Label[6]->setVisible(false);
    controls_.Label[7]->setVisible(false);
    controls_.l->setVisible(false);
    showCoil_(false);
    controls_.phaseein->setEnabled(true);
    controls_.l->setEnabled(false);

    // A text of l that is no number is taken out like any non-zero inductance.
    const auto inductance = optionalNumber(controls_.l->text());
    if (!inductance || *inductance != 0.0) {
        ui::showMessage(controls_.form, QStringLiteral("Die Spule wird ausgebaut!"), QStringLiteral("kleiner Umbau.."),
                        ui::MessageIcon::Information);
        controls_.l->setText(QStringLiteral("0")); // its change event recomputes for L = 0
        QCoreApplication::processEvents();
    }

    if (!controls_.Check1->isChecked()) {
        ui::showMessage(controls_.form,
                        QStringLiteral("Der Kondensator muss schon eingebaut sein, sonst macht das ja keinen Sinn.."),
                        QStringLiteral("Erst überlegen, dann klicken"), ui::MessageIcon::Information);
    }
}

void SwitchOnMode::leave()
{
    controls_.Label[6]->setVisible(true);
    controls_.Label[7]->setVisible(true);
    controls_.l->setVisible(true);
    showCoil_(true);
    controls_.Check5->setEnabled(true);
    controls_.Check6->setEnabled(true);
    controls_.l->setEnabled(true);
    controls_.Check7->setEnabled(true);
    controls_.phaseein->setEnabled(false);
}
