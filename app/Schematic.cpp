// The circuit drawing inside the group "Schaltplan": a closed loop with the resistor, the
// capacitor and the coil on the top wire and the source on the bottom wire. Bridging wires
// replace the capacitor and the coil when they are taken out.
#include "app/Schematic.h"

#include "ui/GroupFrame.h"
#include "ui/LineElement.h"
#include "ui/ShapeElement.h"
#include "ui/Twips.h"

#include <QLabel>

namespace {

struct Wire {
    int number;
    float x1, y1, x2, y2;
    bool shown;
};

// In drawing order; the numbers are the elements' names.
constexpr Wire kWires[] = {
    {1, 2400, 1440, 4320, 1440, true},  // bottom wire, source to right corner
    {2, 1680, 1440, 240, 1440, true},   // bottom wire, source to left corner
    {3, 240, 360, 240, 1440, true},     // left wire
    {4, 600, 360, 240, 360, true},      // top wire, left corner to resistor
    {5, 1080, 360, 2400, 360, true},    // top wire, resistor to capacitor
    {6, 2400, 120, 2400, 600, true},    // left capacitor plate
    {7, 2520, 120, 2520, 600, true},    // right capacitor plate
    {38, 2400, 360, 2520, 360, false},  // bridges the removed capacitor
    {8, 2520, 360, 3000, 360, true},    // top wire, capacitor to coil
    {10, 3000, 360, 3120, 360, true},   // coil lead-in
    {11, 3120, 480, 3120, 360, true},   // coil meander ...
    {13, 3120, 480, 3240, 480, true},
    {12, 3240, 480, 3240, 360, true},
    {14, 3240, 360, 3360, 360, true},
    {15, 3360, 480, 3360, 360, true},
    {16, 3480, 480, 3360, 480, true},
    {17, 3480, 360, 3480, 480, true},
    {18, 3600, 360, 3480, 360, true},
    {19, 3600, 480, 3600, 360, true},
    {20, 3720, 480, 3600, 480, true},
    {21, 3720, 360, 3720, 480, true},
    {22, 3840, 360, 3720, 360, true},
    {24, 3840, 360, 3840, 480, true},
    {25, 3960, 480, 3840, 480, true},
    {26, 3960, 360, 3960, 480, true},   // ... end of the meander
    {23, 3120, 315, 3960, 315, true},   // core bar of the coil
    {36, 3120, 360, 3960, 360, false},  // replaces the removed coil
    {27, 4320, 360, 3960, 360, true},   // coil lead-out
    {9, 4320, 1440, 4320, 360, true},   // right wire
};

} // namespace

void buildSchematic(Controls& controls)
{
    auto& layer = controls.Frame3->elements();
    controls.Shape1 = new ui::ShapeElement("Shape1", ui::ShapeElement::Kind::Rectangle, QRect(1680, 1200, 735, 495),
                                           Qt::black, QColor(Qt::white), controls.Frame3);
    controls.Shape2 = new ui::ShapeElement("Shape2", ui::ShapeElement::Kind::Rectangle, QRect(600, 240, 495, 255),
                                           Qt::black, std::nullopt, controls.Frame3);
    for (const Wire& wire : kWires) {
        auto* element = new ui::LineElement(QStringLiteral("Line%1").arg(wire.number), wire.x1, wire.y1, wire.x2,
                                            wire.y2, controls.Frame3);
        element->setVisible(wire.shown);
        if (wire.number == 23)
            element->setWidth(4);
        layer.add(element);
        controls.Line[wire.number] = element;
    }
    layer.add(controls.Shape1);
    layer.add(controls.Shape2);
    controls.Label[1] = new QLabel(QStringLiteral("Quelle"), controls.Frame3);
    controls.Label[1]->setObjectName("Label1");
    controls.Label[1]->setGeometry(ui::twipsRect(1800, 1320, 615, 255));
}
