// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls with their twips geometry and initial state.
#include "app/Schematic.h"
#include "app/Version.h"
#include "app/WindowLayout.h"
#include "controls/CircuitInputs.h"

#include "controls/Curves.h"
#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/FrameCaptionStyle.h"
#include "ui/GroupFrame.h"
#include "ui/LineElement.h"
#include "ui/ResultLabel.h"
#include "ui/ShapeElement.h"
#include "ui/Slider.h"
#include "ui/Twips.h"
#include "ui/WrappingCheckBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <utility>

namespace {

using ui::twipsRect;

struct Box {
    int left, top, width, height;
};

template <typename Widget>
Widget* place(Widget* widget, const QString& name, const Box& box)
{
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(box.left, box.top, box.width, box.height));
    return widget;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const Box& box)
{
    auto* widget = place(new QLabel(caption, parent), name, box);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setTextFormat(Qt::PlainText);
    return widget;
}

QLineEdit* field(QWidget* parent, const QString& name, const QString& text, const Box& box)
{
    auto* widget = place(new QLineEdit(text, parent), name, box);
    widget->setCursorPosition(0);
    return widget;
}

template <typename CheckBox = QCheckBox>
QCheckBox* check(QWidget* parent, const QString& name, const QString& caption, bool checked, const Box& box)
{
    auto* widget = place(new CheckBox(caption, parent), name, box);
    widget->setChecked(checked);
    return widget;
}

ui::LineElement* line(ui::ElementLayer& layer, QObject* owner, const QString& name, float x1, float y1, float x2,
                      float y2)
{
    auto* element = new ui::LineElement(name, x1, y1, x2, y2, owner);
    layer.add(element);
    return element;
}

ui::GroupFrame* frame(QWidget* parent, const QString& name, const QString& caption, const Box& box, QStyle* style)
{
    auto* widget = place(new ui::GroupFrame(name, caption, parent), name, box);
    widget->setStyle(style);
    return widget;
}

void buildStaticData(Controls& controls)
{
    QWidget* frame1 = controls.Frame1;
    auto result = [&](const QString& name, const Box& box) {
        auto* widget = place(new ui::ResultLabel(QStringLiteral("0"), frame1), name, box);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // ueff copies the text of u as typed: "<b>1</b>" must show as those characters.
        widget->setTextFormat(Qt::PlainText);
        widget->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return widget;
    };
    controls.Label[12] = label(frame1, "Label12", "Ueff=", {120, 240, 375, 255});
    controls.ueff = result("ueff", {600, 240, 735, 255});
    controls.Label[16] = label(frame1, "Label16", "V", {1320, 240, 615, 255});
    controls.Label[13] = label(frame1, "Label13", "Ieff=", {120, 480, 375, 255});
    controls.ieff = result("ieff", {600, 480, 735, 255});
    controls.Label[17] = label(frame1, "Label17", "A", {1320, 480, 735, 255});
    controls.Line[28] = line(controls.Frame1->elements(), frame1, "Line28", 1560, 720, 1560, 120);
    controls.Label[24] = label(frame1, "Label24", QStringLiteral("Û="), {1680, 240, 375, 255});
    controls.udach = result("udach", {1920, 240, 735, 255});
    controls.Label[25] = label(frame1, "Label25", "V", {2640, 240, 615, 255});
    controls.Label[20] = label(frame1, "Label20", QStringLiteral("Î="), {1680, 480, 975, 255});
    controls.idach = result("idach", {1920, 480, 735, 255});
    controls.Label[22] = label(frame1, "Label22", "A", {2640, 480, 375, 255});
    // The circumflex of Î reaches left of its letter: one pixel of room keeps it whole.
    controls.Label[24]->setIndent(1);
    controls.Label[20]->setIndent(1);
    controls.Label[14] = label(frame1, "Label14", "Wechselstromwiderstand Z=", {120, 720, 2055, 255});
    controls.z = result("z", {2160, 720, 495, 255});
    controls.Label[18] = label(frame1, "Label18", "Ohm", {2760, 720, 615, 255});
    controls.Label[15] = label(frame1, "Label15", "Phasenverschiebung phi=", {120, 960, 2175, 255});
    controls.phi = result("phi", {2040, 960, 735, 255});
    controls.Label[19] = label(frame1, "Label19", "Grad", {2760, 960, 615, 255});

    // A caption longer than its box (U x sqrt 2 has 15 digits) widens it to the right, the
    // unit moving along: in the left column up to the separator, in the right one up to the
    // frame's inner margin.
    const int leftColumnEnd = ui::pixels(1560) - 4;
    const int rightColumnEnd = ui::pixels(3735 - 120);
    struct Result {
        QLabel* label;
        QLabel* unit;
        int rightLimit;
        const char16_t* quantity;
        const char16_t* unitWord;
    };
    const Result results[] = {
        {controls.ueff, controls.Label[16], leftColumnEnd, u"Effektivspannung Ueff", u"Volt"},
        {controls.ieff, controls.Label[17], leftColumnEnd, u"Effektivstrom Ieff", u"Ampere"},
        {controls.udach, controls.Label[25], rightColumnEnd, u"Scheitelspannung Û", u"Volt"},
        {controls.idach, controls.Label[22], rightColumnEnd, u"Scheitelstrom Î", u"Ampere"},
        {controls.z, controls.Label[18], rightColumnEnd, u"Wechselstromwiderstand Z", u"Ohm"},
        {controls.phi, controls.Label[19], rightColumnEnd, u"Phasenverschiebung phi", u"Grad"},
    };
    for (const Result& r : results) {
        auto* label = static_cast<ui::ResultLabel*>(r.label);
        label->setSpokenParts(QString::fromUtf16(r.quantity), QString::fromUtf16(r.unitWord));
        label->setUnit(r.unit, r.rightLimit);
    }
}

// A label whose box begins on the right edge of the field before it: its caption starts a
// little to the right, clear of the field's border.
void clearOf(QLabel* label, const QWidget* field)
{
    const int overlap = field->geometry().right() + 1 - label->x();
    if (overlap >= 0)
        label->setIndent(overlap + 2);
}

void buildCircuitInputs(Controls& controls)
{
    QWidget* frame3 = controls.Frame3;
    controls.Label[2] = label(frame3, "Label2", "R=", {360, 645, 255, 255});
    controls.r = field(frame3, "r", "100", {600, 600, 495, 285});
    controls.Label[3] = label(frame3, "Label3", "Ohm", {1080, 645, 375, 255});
    controls.Label[4] = label(frame3, "Label4", "C=", {1800, 645, 375, 255});
    controls.c = field(frame3, "c", "0,00001", {2040, 600, 735, 285});
    controls.Label[5] = label(frame3, "Label5", "F", {2760, 645, 255, 255});
    controls.Check1 = check(frame3, "Check1", "Eingebaut", true, {1800, 840, 1215, 255});
    controls.Label[6] = label(frame3, "Label6", "L=", {3120, 645, 255, 255});
    controls.l = field(frame3, "l", "0,1", {3360, 600, 495, 285});
    controls.Label[7] = label(frame3, "Label7", "Hy", {3840, 645, 375, 255});
    controls.Label[8] = label(frame3, "Label8", "U=", {1560, 1845, 255, 255});
    controls.u = field(frame3, "u", "10", {1800, 1800, 495, 285});
    controls.Label[9] = label(frame3, "Label9", "V", {2325, 1845, 255, 255});
    controls.Label[10] = label(frame3, "Label10", "f=", {1560, 2100, 255, 255});
    controls.f = field(frame3, "f", "50", {1800, 2080, 495, 285});
    controls.Label[11] = label(frame3, "Label11", "Hz", {2325, 2100, 255, 255});
    clearOf(controls.Label[3], controls.r);
    clearOf(controls.Label[5], controls.c);
    clearOf(controls.Label[7], controls.l);
}

void buildWaveformSurface(Controls& controls)
{
    controls.Picture1 = place(new ui::DrawingSurface("Picture1", controls.form), "Picture1", {120, 2640, 5415, 2895});
    auto& axes = controls.Picture1->elements();
    controls.Line[29] = line(axes, controls.Picture1, "Line29", 120, 120, 120, 2760);
    controls.Line[30] = line(axes, controls.Picture1, "Line30", 0, 1400, 5160, 1400);
    controls.Line[31] = line(axes, controls.Picture1, "Line31", 5040, 1280, 5160, 1400);
    controls.Line[32] = line(axes, controls.Picture1, "Line32", 5040, 1560, 5160, 1400);
    controls.Line[33] = line(axes, controls.Picture1, "Line33", 120, 120, 0, 240);
    controls.Line[34] = line(axes, controls.Picture1, "Line34", 240, 240, 120, 120);
    // Children of a surface stand in its drawing area, inside the border.
    controls.Label[21] = label(controls.Picture1, "Label21", "t ", {5040, 1560, 495, 255});
    controls.Label[21]->move(controls.Label[21]->pos() +
                             QPoint(ui::DrawingSurface::kBorder, ui::DrawingSurface::kBorder));
}

void buildPhasorGroup(Controls& controls)
{
    QWidget* frame4 = controls.Frame4;
    controls.Picture2 = place(new ui::DrawingSurface("Picture2", frame4), "Picture2", {120, 240, 2895, 2895});
    auto& phasors = controls.Picture2->elements();
    controls.Shape3 = new ui::ShapeElement("Shape3", ui::ShapeElement::Kind::Circle, QRect(-275, 0, 3375, 2805),
                                           QColor(128, 128, 128), std::nullopt, controls.Picture2);
    phasors.add(controls.Shape3);
    auto phasor = [&](const QString& name, const QColor& colour) {
        auto* element = line(phasors, controls.Picture2, name, 1400, 0, 1400, 1400);
        element->setWidth(2);
        element->setColour(colour);
        return element;
    };
    controls.lu = phasor("lu", QColor(255, 0, 0));
    controls.li = phasor("li", QColor(0, 0, 255));
    controls.lur = phasor("lur", QColor(0, 0, 0));
    controls.luc = phasor("luc", QColor(255, 0, 255));
    controls.lul = phasor("lul", QColor(255, 128, 0));

    controls.Check11 = check(frame4, "Check11", "Zeiger an", true, {120, 3240, 975, 255});
    controls.Check10 = check(frame4, "Check10", "Loop", false, {120, 3480, 735, 255});
    controls.Line[37] = line(controls.Frame4->elements(), frame4, "Line37", 1200, 3240, 1200, 3840);
    controls.Label[28] = label(frame4, "Label28", "Delay:", {1320, 3240, 615, 255});
    controls.Text1 = field(frame4, "Text1", "10", {1920, 3240, 495, 285});
    controls.Label[29] = label(frame4, "Label29", "ms", {2400, 3240, 375, 255});
    clearOf(controls.Label[29], controls.Text1);
    controls.Slider1 = place(new ui::Slider(Qt::Horizontal, frame4), "Slider1", {1320, 3480, 1695, 255});
    controls.Slider1->setRange(5, 500);
    controls.Slider1->setValue(10);
    controls.Slider1->setPageStep(50);
}

void buildCurveChoice(Controls& controls)
{
    QWidget* frame2 = controls.Frame2;
    auto colour = [&](const QString& name, const QColor& initial, int top) {
        return place(new ui::ColourButton(name, initial, frame2), name, {2040, top, 615, 255});
    };
    controls.Check2 = check(frame2, "Check2", "Angelegte Spannung", true, {120, 240, 2055, 255});
    controls.Command2 = colour("Command2", QColor(255, 0, 0), 240);
    controls.Check3 = check(frame2, "Check3", "Strom", true, {120, 480, 1815, 255});
    controls.Command3 = colour("Command3", QColor(0, 0, 192), 480);
    controls.Check4 = check(frame2, "Check4", "Leistung", false, {120, 720, 1815, 255});
    controls.Command4 = colour("Command4", QColor(0, 192, 0), 720);
    controls.Check5 = check(frame2, "Check5", "Spannung an R", false, {120, 960, 1695, 255});
    controls.Command5 = colour("Command5", QColor(0, 0, 0), 960);
    controls.Check6 = check(frame2, "Check6", "Spannung an C", false, {120, 1200, 1935, 255});
    controls.Command6 = colour("Command6", QColor(255, 0, 255), 1200);
    controls.Check7 = check(frame2, "Check7", "Spannung an L", false, {120, 1440, 1935, 255});
    controls.Command7 = colour("Command7", QColor(255, 128, 0), 1440);

    controls.Line[35] = line(controls.Frame2->elements(), frame2, "Line35", 2760, 240, 2760, 1680);
    controls.Label[23] = label(frame2, "Label23", "Anzahl der Perioden", {2880, 240, 1455, 255});
    controls.perioden = field(frame2, "perioden", "1", {4320, 200, 375, 285});
    controls.Check8 =
        check<ui::WrappingCheckBox>(frame2, "Check8", "Im Moment des Einschaltens", false, {2880, 480, 1815, 495});
    controls.Label[26] = label(frame2, "Label26", "Phase im Moment des Einschaltens", {2880, 960, 1815, 495});
    controls.Label[26]->setWordWrap(true);
    // As designed, the caption wraps before its last word, and phaseein stands beside that word
    // in the label's box: the lines are no wider than the caption without its last word.
    {
        QLabel* phaseLabel = controls.Label[26];
        const QString caption = phaseLabel->text();
        const int firstLine = phaseLabel->fontMetrics().horizontalAdvance(caption.left(caption.lastIndexOf(' '))) + 2;
        const int lineWidth = qMax(firstLine, ui::pixels(3840 - 2880));
        phaseLabel->setContentsMargins(0, 0, qMax(0, phaseLabel->width() - lineWidth), 0);
    }
    controls.phaseein = field(frame2, "phaseein", "0", {3840, 1140, 375, 285});
    controls.phaseein->setEnabled(false);
    controls.Label[27] = label(frame2, "Label27", "Grad", {4200, 1160, 495, 255});
    clearOf(controls.Label[27], controls.phaseein);
    controls.Check9 = check(frame2, "Check9", "Refresh beim Zeichnen", true, {2880, 1440, 2000, 255});
}

void buildCredits(Controls& controls)
{
    QWidget* frame5 = controls.Frame5;
    controls.Label[30] = label(frame5, "Label30", "Wellgrat", {120, 240, 2895, 255});
    QFont bold = controls.Label[30]->font();
    bold.setBold(true);
    controls.Label[30]->setFont(bold);
    controls.Label[33] = label(frame5, "Label33", "Version " WELLGRAT_VERSION, {1440, 240, 1695, 255});
    controls.Label[31] = label(frame5, "Label31", QStringLiteral("F1: Hilfe · F2: Resonanz und Leistung"), {120, 450, 3015, 255});
    controls.Label[32] = label(frame5, "Label32", QStringLiteral("© 2026 Das Wellgrat-Team"), {120, 720, 2895, 255});
}

void setFocusOrder(const Controls& controls)
{
    const QWidget* order[] = {
        controls.Command1, controls.Picture1, controls.Check2,   controls.Check3, controls.Check4,   controls.Command2,
        controls.Command3, controls.Command4, controls.perioden, controls.Check5, controls.Check6,   controls.Check7,
        controls.Command5, controls.Command6, controls.Command7, controls.Check8, controls.phaseein, controls.Check9,
        controls.Check1,   controls.f,        controls.u,        controls.l,      controls.c,        controls.r,
        controls.Picture2, controls.Check10,  controls.Check11,  controls.Text1,  controls.Slider1,  controls.Command8};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

// Names that screen readers read: the caption, or the quantity with its unit. Labels, frames
// and check boxes read their captions by themselves; result labels speak their quantity, value
// and unit. The descriptions are the tool tips (ToolTips.h).
void nameForScreenReaders(const Controls& controls)
{
    auto name = [](QWidget* widget, const QString& name) { widget->setAccessibleName(name); };
    for (const CircuitInput& input : circuitInputs())
        name(controls.*input.field, input.accessibleName);
    name(controls.Check1, QStringLiteral("Kondensator eingebaut"));
    name(controls.perioden, QStringLiteral("Anzahl der Perioden"));
    name(controls.phaseein, QStringLiteral("Phase im Moment des Einschaltens in Grad"));
    name(controls.Text1, QStringLiteral("Delay in Millisekunden"));
    name(controls.Slider1, QStringLiteral("Delay in Millisekunden, Schieberegler"));
    name(controls.Command1, QStringLiteral("Zeichne!"));
    name(controls.Command8, QStringLiteral("CLS"));
    name(controls.Picture1, QStringLiteral("Kurvendiagramm"));
    name(controls.Picture2, QStringLiteral("Zeigerdiagramm"));
    for (const CurveControls& curve : curvesOf(controls))
        name(curve.colour, QStringLiteral("Farbe: ") + curve.check->text());
    name(controls.Check8, controls.Check8->text());
    name(controls.Check10, controls.Check10->text());
}

} // namespace

Controls buildControls(QWidget* form)
{
    Controls controls;
    controls.form = form;
    auto* frameStyle = new ui::FrameCaptionStyle;
    frameStyle->setParent(form);
    controls.Frame3 = frame(form, "Frame3", "Schaltplan", {120, 120, 4815, 2415}, frameStyle);
    controls.Frame1 = frame(form, "Frame1", "Statische Daten", {5040, 120, 3735, 1335}, frameStyle);
    controls.Command1 = place(new QPushButton("Zeichne!", form), "Command1", {5040, 1560, 2895, 735});
    QFont big = controls.Command1->font();
    big.setPointSizeF(12);
    controls.Command1->setFont(big);
    controls.Command8 = place(new QPushButton("CLS", form), "Command8", {8040, 1560, 735, 735});
    buildWaveformSurface(controls);
    controls.Frame4 = frame(form, "Frame4", "Zeigerdiagramm", {5640, 2400, 3135, 3855}, frameStyle);
    controls.Frame2 = frame(form, "Frame2", "Visualisierung", {120, 5640, 5295, 1815}, frameStyle);
    controls.Frame5 = frame(form, "Frame5", QStringLiteral("Über Wellgrat"), {5520, 6360, 3255, 1095}, frameStyle);

    controls.Timer1 = new QTimer(form);
    controls.Timer1->setObjectName("Timer1");
    controls.Timer1->setTimerType(Qt::PreciseTimer);
    controls.Timer1->setInterval(100);

    buildCircuitInputs(controls);
    Schematic::build(controls);
    buildStaticData(controls);
    buildPhasorGroup(controls);
    buildCurveChoice(controls);
    buildCredits(controls);
    setFocusOrder(controls);
    nameForScreenReaders(controls);
    return controls;
}
