// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QCheckBox;
class QColorDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace ui {
class ColourButton;
class DrawingSurface;
class GroupFrame;
class LineElement;
class ShapeElement;
class Slider;
} // namespace ui

// Every control of the main window by its name. The controls are the program's data store:
// the handlers read the inputs, captions, colours and options from them afresh each time.
struct Controls {
    QWidget* form = nullptr;

    ui::GroupFrame *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr;

    // Circuit inputs, plot options and the animation delay.
    QLineEdit *u = nullptr, *f = nullptr, *r = nullptr, *l = nullptr, *c = nullptr;
    QLineEdit *perioden = nullptr, *phaseein = nullptr, *Text1 = nullptr;

    // Result labels: their captions are the only store of the static quantities.
    QLabel *ueff = nullptr, *ieff = nullptr, *z = nullptr, *phi = nullptr, *udach = nullptr, *idach = nullptr;

    QCheckBox *Check1 = nullptr, *Check2 = nullptr, *Check3 = nullptr, *Check4 = nullptr, *Check5 = nullptr,
              *Check6 = nullptr, *Check7 = nullptr, *Check8 = nullptr, *Check9 = nullptr, *Check10 = nullptr,
              *Check11 = nullptr;

    QPushButton *Command1 = nullptr, *Command8 = nullptr;
    // Colour buttons: their background colours are the only store of the curve colours.
    ui::ColourButton *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr, *Command5 = nullptr,
                     *Command6 = nullptr, *Command7 = nullptr;

    ui::DrawingSurface *Picture1 = nullptr, *Picture2 = nullptr;
    ui::LineElement *lu = nullptr, *li = nullptr, *lur = nullptr, *luc = nullptr, *lul = nullptr;

    std::array<QLabel*, 34> Label{};         // Label1 .. Label33
    std::array<ui::LineElement*, 39> Line{}; // Line1 .. Line38
    ui::ShapeElement *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr;

    QTimer* Timer1 = nullptr;
    ui::Slider* Slider1 = nullptr;
    QColorDialog* cd1 = nullptr;
};

// The six result labels in the window's order: Ueff, Ieff, Û, Î, Z, phi.
inline std::array<QLabel*, 6> resultLabels(const Controls& controls)
{
    return {controls.ueff, controls.ieff, controls.udach, controls.idach, controls.z, controls.phi};
}
