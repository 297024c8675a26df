// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit drawing inside the group "Schaltplan": a closed loop with the resistor, the
// capacitor and the coil on the top wire and the source on the bottom wire. Bridging wires
// replace the capacitor and the coil when they are taken out.
#include "app/Schematic.h"

#include "ui/GroupFrame.h"
#include "ui/LineElement.h"
#include "ui/ShapeElement.h"
#include "ui/Zoom.h"

#include <QLabel>

namespace {

// What a wire draws: the closed loop, or a part that can be taken out, or the wire that
// stands in for that part while it is out.
enum class Part { Loop, Capacitor, CapacitorBridge, Coil, CoilBridge };

struct Wire {
    int number;
    float x1, y1, x2, y2;
    Part part;
};

// In drawing order; the numbers are the elements' names.
constexpr Wire kWires[] = {
    {1, 2400, 1440, 4320, 1440, Part::Loop},           // bottom wire, source to right corner
    {2, 1680, 1440, 240, 1440, Part::Loop},            // bottom wire, source to left corner
    {3, 240, 360, 240, 1440, Part::Loop},              // left wire
    {4, 600, 360, 240, 360, Part::Loop},               // top wire, left corner to resistor
    {5, 1080, 360, 2400, 360, Part::Loop},             // top wire, resistor to capacitor
    {6, 2400, 120, 2400, 600, Part::Capacitor},        // left capacitor plate
    {7, 2520, 120, 2520, 600, Part::Capacitor},        // right capacitor plate
    {38, 2400, 360, 2520, 360, Part::CapacitorBridge}, // bridges the removed capacitor
    {8, 2520, 360, 3000, 360, Part::Loop},             // top wire, capacitor to coil
    {10, 3000, 360, 3120, 360, Part::Loop},            // coil lead-in
    {11, 3120, 480, 3120, 360, Part::Coil},            // coil meander ...
    {13, 3120, 480, 3240, 480, Part::Coil},
    {12, 3240, 480, 3240, 360, Part::Coil},
    {14, 3240, 360, 3360, 360, Part::Coil},
    {15, 3360, 480, 3360, 360, Part::Coil},
    {16, 3480, 480, 3360, 480, Part::Coil},
    {17, 3480, 360, 3480, 480, Part::Coil},
    {18, 3600, 360, 3480, 360, Part::Coil},
    {19, 3600, 480, 3600, 360, Part::Coil},
    {20, 3720, 480, 3600, 480, Part::Coil},
    {21, 3720, 360, 3720, 480, Part::Coil},
    {22, 3840, 360, 3720, 360, Part::Coil},
    {24, 3840, 360, 3840, 480, Part::Coil},
    {25, 3960, 480, 3840, 480, Part::Coil},
    {26, 3960, 360, 3960, 480, Part::Coil},       // ... end of the meander
    {23, 3120, 315, 3960, 315, Part::Coil},       // core bar of the coil
    {36, 3120, 360, 3960, 360, Part::CoilBridge}, // replaces the removed coil
    {27, 4320, 360, 3960, 360, Part::Loop},       // coil lead-out
    {9, 4320, 1440, 4320, 360, Part::Loop},       // right wire
};

bool isBridge(Part part) { return part == Part::CapacitorBridge || part == Part::CoilBridge; }

} // namespace

void Schematic::build(Controls& controls)
{
    auto& layer = controls.Frame3->elements();
    controls.Shape1 = new ui::ShapeElement("Shape1", ui::ShapeElement::Kind::Rectangle, QRect(1680, 1200, 735, 495),
                                           Qt::black, QColor(Qt::white), controls.Frame3);
    controls.Shape2 = new ui::ShapeElement("Shape2", ui::ShapeElement::Kind::Rectangle, QRect(600, 240, 495, 255),
                                           Qt::black, std::nullopt, controls.Frame3);
    for (const Wire& wire : kWires) {
        auto* element = new ui::LineElement(QStringLiteral("Line%1").arg(wire.number), wire.x1, wire.y1, wire.x2,
                                            wire.y2, controls.Frame3);
        element->setVisible(!isBridge(wire.part));
        if (wire.number == 23)
            element->setWidth(4);
        layer.add(element);
        controls.Line[wire.number] = element;
    }
    layer.add(controls.Shape1);
    layer.add(controls.Shape2);
    controls.Label[1] = new QLabel(QStringLiteral("Quelle"), controls.Frame3);
    controls.Label[1]->setObjectName("Label1");
    ui::placeInTwips(controls.Label[1], QRect(1800, 1320, 615, 255));
}

Schematic::Schematic(const Controls& controls) : controls_(controls) {}

void Schematic::setCapacitorShown(bool shown)
{
    for (const Wire& wire : kWires) {
        if (wire.part == Part::Capacitor)
            controls_.Line[wire.number]->setVisible(shown);
        else if (wire.part == Part::CapacitorBridge)
            controls_.Line[wire.number]->setVisible(!shown);
    }
}

void Schematic::setCoilShown(bool shown)
{
    for (const Wire& wire : kWires) {
        if (wire.part == Part::Coil)
            controls_.Line[wire.number]->setVisible(shown);
        else if (wire.part == Part::CoilBridge)
            controls_.Line[wire.number]->setVisible(!shown);
    }
}
