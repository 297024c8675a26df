// The window's controls with their twips geometry and initial state.
#include "app/Controls.h"

#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/FrameCaptionStyle.h"
#include "ui/GroupFrame.h"
#include "ui/LineElement.h"
#include "ui/ResultLabel.h"
#include "ui/ShapeElement.h"
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

void buildStaticData(Controls& c)
{
    QWidget* frame1 = c.Frame1;
    auto result = [&](const QString& name, const Box& box) {
        auto* widget = place(new ui::ResultLabel(QStringLiteral("0"), frame1), name, box);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // ueff copies the text of u as typed: "<b>1</b>" must show as those characters.
        widget->setTextFormat(Qt::PlainText);
        widget->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return widget;
    };
    c.Label[12] = label(frame1, "Label12", "Ueff=", {120, 240, 375, 255});
    c.ueff = result("ueff", {600, 240, 735, 255});
    c.Label[16] = label(frame1, "Label16", "V", {1320, 240, 615, 255});
    c.Label[13] = label(frame1, "Label13", "Ieff=", {120, 480, 375, 255});
    c.ieff = result("ieff", {600, 480, 735, 255});
    c.Label[17] = label(frame1, "Label17", "A", {1320, 480, 735, 255});
    c.Line[28] = line(c.Frame1->elements(), frame1, "Line28", 1560, 720, 1560, 120);
    c.Label[24] = label(frame1, "Label24", QStringLiteral("Û="), {1680, 240, 375, 255});
    c.udach = result("udach", {1920, 240, 735, 255});
    c.Label[25] = label(frame1, "Label25", "V", {2640, 240, 615, 255});
    c.Label[20] = label(frame1, "Label20", QStringLiteral("Î="), {1680, 480, 975, 255});
    c.idach = result("idach", {1920, 480, 735, 255});
    c.Label[22] = label(frame1, "Label22", "A", {2640, 480, 375, 255});
    // The circumflex of Î reaches left of its letter: one pixel of room keeps it whole.
    c.Label[24]->setIndent(1);
    c.Label[20]->setIndent(1);
    c.Label[14] = label(frame1, "Label14", "Wechselstromwiderstand Z=", {120, 720, 2055, 255});
    c.z = result("z", {2160, 720, 495, 255});
    c.Label[18] = label(frame1, "Label18", "Ohm", {2760, 720, 615, 255});
    c.Label[15] = label(frame1, "Label15", "Phasenverschiebung phi=", {120, 960, 2175, 255});
    c.phi = result("phi", {2040, 960, 735, 255});
    c.Label[19] = label(frame1, "Label19", "Grad", {2760, 960, 615, 255});

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
        {c.ueff, c.Label[16], leftColumnEnd, u"Effektivspannung Ueff", u"Volt"},
        {c.ieff, c.Label[17], leftColumnEnd, u"Effektivstrom Ieff", u"Ampere"},
        {c.udach, c.Label[25], rightColumnEnd, u"Scheitelspannung Û", u"Volt"},
        {c.idach, c.Label[22], rightColumnEnd, u"Scheitelstrom Î", u"Ampere"},
        {c.z, c.Label[18], rightColumnEnd, u"Wechselstromwiderstand Z", u"Ohm"},
        {c.phi, c.Label[19], rightColumnEnd, u"Phasenverschiebung phi", u"Grad"},
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

void buildCircuitInputs(Controls& c)
{
    QWidget* frame3 = c.Frame3;
    c.Label[2] = label(frame3, "Label2", "R=", {360, 645, 255, 255});
    c.r = field(frame3, "r", "100", {600, 600, 495, 285});
    c.Label[3] = label(frame3, "Label3", "Ohm", {1080, 645, 375, 255});
    c.Label[4] = label(frame3, "Label4", "C=", {1800, 645, 375, 255});
    c.c = field(frame3, "c", "0,00001", {2040, 600, 735, 285});
    c.Label[5] = label(frame3, "Label5", "F", {2760, 645, 255, 255});
    c.Check1 = check(frame3, "Check1", "Eingebaut", true, {1800, 840, 1215, 255});
    c.Label[6] = label(frame3, "Label6", "L=", {3120, 645, 255, 255});
    c.l = field(frame3, "l", "0,1", {3360, 600, 495, 285});
    c.Label[7] = label(frame3, "Label7", "Hy", {3840, 645, 375, 255});
    c.Label[8] = label(frame3, "Label8", "U=", {1560, 1845, 255, 255});
    c.u = field(frame3, "u", "10", {1800, 1800, 495, 285});
    c.Label[9] = label(frame3, "Label9", "V", {2325, 1845, 255, 255});
    c.Label[10] = label(frame3, "Label10", "f=", {1560, 2100, 255, 255});
    c.f = field(frame3, "f", "50", {1800, 2080, 495, 285});
    c.Label[11] = label(frame3, "Label11", "Hz", {2325, 2100, 255, 255});
    clearOf(c.Label[3], c.r);
    clearOf(c.Label[5], c.c);
    clearOf(c.Label[7], c.l);
}

void buildWaveformSurface(Controls& c)
{
    c.Picture1 = place(new ui::DrawingSurface("Picture1", c.form), "Picture1", {120, 2640, 5415, 2895});
    auto& axes = c.Picture1->elements();
    c.Line[29] = line(axes, c.Picture1, "Line29", 120, 120, 120, 2760);
    c.Line[30] = line(axes, c.Picture1, "Line30", 0, 1400, 5160, 1400);
    c.Line[31] = line(axes, c.Picture1, "Line31", 5040, 1280, 5160, 1400);
    c.Line[32] = line(axes, c.Picture1, "Line32", 5040, 1560, 5160, 1400);
    c.Line[33] = line(axes, c.Picture1, "Line33", 120, 120, 0, 240);
    c.Line[34] = line(axes, c.Picture1, "Line34", 240, 240, 120, 120);
    // Children of a surface stand in its drawing area, inside the border.
    c.Label[21] = label(c.Picture1, "Label21", "t ", {5040, 1560, 495, 255});
    c.Label[21]->move(c.Label[21]->pos() + QPoint(ui::DrawingSurface::kBorder, ui::DrawingSurface::kBorder));
}

void buildPhasorGroup(Controls& c)
{
    QWidget* frame4 = c.Frame4;
    c.Picture2 = place(new ui::DrawingSurface("Picture2", frame4), "Picture2", {120, 240, 2895, 2895});
    auto& phasors = c.Picture2->elements();
    c.Shape3 = new ui::ShapeElement("Shape3", ui::ShapeElement::Kind::Circle, QRect(-275, 0, 3375, 2805),
                                    QColor(128, 128, 128), std::nullopt, c.Picture2);
    phasors.add(c.Shape3);
    auto phasor = [&](const QString& name, const QColor& colour) {
        auto* element = line(phasors, c.Picture2, name, 1400, 0, 1400, 1400);
        element->setWidth(2);
        element->setColor(colour);
        return element;
    };
    c.lu = phasor("lu", QColor(255, 0, 0));
    c.li = phasor("li", QColor(0, 0, 255));
    c.lur = phasor("lur", QColor(0, 0, 0));
    c.luc = phasor("luc", QColor(255, 0, 255));
    c.lul = phasor("lul", QColor(255, 128, 0));

    c.Check11 = check(frame4, "Check11", "Zeiger an", true, {120, 3240, 975, 255});
    c.Check10 = check(frame4, "Check10", "Loop", false, {120, 3480, 735, 255});
    c.Line[37] = line(c.Frame4->elements(), frame4, "Line37", 1200, 3240, 1200, 3840);
    c.Label[28] = label(frame4, "Label28", "Delay:", {1320, 3240, 615, 255});
    c.Text1 = field(frame4, "Text1", "10", {1920, 3240, 495, 285});
    c.Label[29] = label(frame4, "Label29", "ms", {2400, 3240, 375, 255});
    clearOf(c.Label[29], c.Text1);
    c.Slider1 = place(new QSlider(Qt::Horizontal, frame4), "Slider1", {1320, 3480, 1695, 255});
    c.Slider1->setRange(5, 500);
    c.Slider1->setValue(10);
    c.Slider1->setPageStep(50);
}

void buildCurveChoice(Controls& c)
{
    QWidget* frame2 = c.Frame2;
    auto colour = [&](const QString& name, const QColor& initial, int top) {
        return place(new ui::ColourButton(name, initial, frame2), name, {2040, top, 615, 255});
    };
    c.Check2 = check(frame2, "Check2", "Angelegte Spannung", true, {120, 240, 2055, 255});
    c.Command2 = colour("Command2", QColor(255, 0, 0), 240);
    c.Check3 = check(frame2, "Check3", "Strom", true, {120, 480, 1815, 255});
    c.Command3 = colour("Command3", QColor(0, 0, 192), 480);
    c.Check4 = check(frame2, "Check4", "Leistung", false, {120, 720, 1815, 255});
    c.Command4 = colour("Command4", QColor(0, 192, 0), 720);
    c.Check5 = check(frame2, "Check5", "Spannung an R", false, {120, 960, 1695, 255});
    c.Command5 = colour("Command5", QColor(0, 0, 0), 960);
    c.Check6 = check(frame2, "Check6", "Spannung an C", false, {120, 1200, 1935, 255});
    c.Command6 = colour("Command6", QColor(255, 0, 255), 1200);
    c.Check7 = check(frame2, "Check7", "Spannung an L", false, {120, 1440, 1935, 255});
    c.Command7 = colour("Command7", QColor(255, 128, 0), 1440);

    c.Line[35] = line(c.Frame2->elements(), frame2, "Line35", 2760, 240, 2760, 1680);
    c.Label[23] = label(frame2, "Label23", "Anzahl der Perioden", {2880, 240, 1455, 255});
    c.perioden = field(frame2, "perioden", "1", {4320, 200, 375, 285});
    c.Check8 = check<ui::WrappingCheckBox>(frame2, "Check8", "Im Moment des Einschaltens", false,
                                           {2880, 480, 1815, 495});
    c.Label[26] = label(frame2, "Label26", "Phase im Moment des Einschaltens", {2880, 960, 1815, 495});
    c.Label[26]->setWordWrap(true);
    // As designed, the caption wraps before its last word, and phaseein stands beside that word
    // in the label's box: the lines are no wider than the caption without its last word.
    {
        QLabel* phaseLabel = c.Label[26];
        const QString caption = phaseLabel->text();
        const int firstLine = phaseLabel->fontMetrics().horizontalAdvance(caption.left(caption.lastIndexOf(' '))) + 2;
        const int lineWidth = qMax(firstLine, ui::pixels(3840 - 2880));
        phaseLabel->setContentsMargins(0, 0, qMax(0, phaseLabel->width() - lineWidth), 0);
    }
    c.phaseein = field(frame2, "phaseein", "0", {3840, 1140, 375, 285});
    c.phaseein->setEnabled(false);
    c.Label[27] = label(frame2, "Label27", "Grad", {4200, 1160, 495, 255});
    clearOf(c.Label[27], c.phaseein);
    c.Check9 = check(frame2, "Check9", "Refresh beim Zeichnen", true, {2880, 1440, 2000, 255});
}

void buildCredits(Controls& c)
{
    QWidget* frame5 = c.Frame5;
    c.Label[30] = label(frame5, "Label30", "Wellgrat", {120, 240, 2895, 255});
    QFont bold = c.Label[30]->font();
    bold.setBold(true);
    c.Label[30]->setFont(bold);
    c.Label[33] = label(frame5, "Label33", "Version 1.0", {1440, 240, 1695, 255});
    c.Label[31] = label(frame5, "Label31", QStringLiteral("F1: Hilfe · F2: Resonanz und Leistung"), {120, 450, 3015, 255});
    c.Label[32] = label(frame5, "Label32", QStringLiteral("© 2026 Das Wellgrat-Team"), {120, 720, 2895, 255});
}

void setFocusOrder(const Controls& c)
{
    const QWidget* order[] = {c.Command1, c.Picture1, c.Check2,   c.Check3,  c.Check4,  c.Command2,
                              c.Command3, c.Command4, c.perioden, c.Check5,  c.Check6,  c.Check7,
                              c.Command5, c.Command6, c.Command7, c.Check8,  c.phaseein, c.Check9,
                              c.Check1,   c.f,        c.u,        c.l,       c.c,       c.r,
                              c.Picture2, c.Check10, c.Check11,  c.Text1,   c.Slider1, c.Command8};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

// Names (and where the caption alone says too little, descriptions) that screen readers read:
// the caption, or the quantity with its unit. Labels, frames and check boxes read their
// captions by themselves; result labels speak their quantity, value and unit.
void nameForScreenReaders(const Controls& c)
{
    auto name = [](QWidget* widget, const QString& name, const QString& description = {}) {
        widget->setAccessibleName(name);
        if (!description.isEmpty())
            widget->setAccessibleDescription(description);
    };
    name(c.r, QStringLiteral("Widerstand R in Ohm"));
    name(c.c, QStringLiteral("Kapazität C in Farad"));
    name(c.l, QStringLiteral("Induktivität L in Henry"));
    name(c.u, QStringLiteral("Spannung U der Quelle in Volt"), QStringLiteral("Effektivwert"));
    name(c.f, QStringLiteral("Frequenz f in Hertz"));
    name(c.Check1, QStringLiteral("Kondensator eingebaut"));
    name(c.perioden, QStringLiteral("Anzahl der Perioden"));
    name(c.phaseein, QStringLiteral("Phase im Moment des Einschaltens in Grad"));
    name(c.Text1, QStringLiteral("Delay in Millisekunden"), QStringLiteral("Pause zwischen zwei Schritten der Animation"));
    name(c.Slider1, QStringLiteral("Delay in Millisekunden, Schieberegler"));
    name(c.Command1, QStringLiteral("Zeichne!"), QStringLiteral("Zeichnet die gewählten Kurven"));
    name(c.Command8, QStringLiteral("CLS"), QStringLiteral("Löscht Kurvendiagramm und Zeigerdiagramm"));
    name(c.Picture1, QStringLiteral("Kurvendiagramm"));
    name(c.Picture2, QStringLiteral("Zeigerdiagramm"));
    const std::pair<QCheckBox*, ui::ColourButton*> curves[] = {{c.Check2, c.Command2}, {c.Check3, c.Command3},
                                                               {c.Check4, c.Command4}, {c.Check5, c.Command5},
                                                               {c.Check6, c.Command6}, {c.Check7, c.Command7}};
    for (const auto& [check, colour] : curves)
        name(colour, QStringLiteral("Farbe: ") + check->text());
    name(c.Check8, c.Check8->text(), QStringLiteral("Zeichnet den Einschaltvorgang ohne Spule"));
    name(c.Check10, c.Check10->text(), QStringLiteral("Lässt die Animation laufen"));
}

} // namespace

Controls buildControls(QWidget* form)
{
    Controls c;
    c.form = form;
    auto* frameStyle = new ui::FrameCaptionStyle;
    frameStyle->setParent(form);
    c.Frame3 = frame(form, "Frame3", "Schaltplan", {120, 120, 4815, 2415}, frameStyle);
    c.Frame1 = frame(form, "Frame1", "Statische Daten", {5040, 120, 3735, 1335}, frameStyle);
    c.Command1 = place(new QPushButton("Zeichne!", form), "Command1", {5040, 1560, 2895, 735});
    QFont big = c.Command1->font();
    big.setPointSizeF(12);
    c.Command1->setFont(big);
    c.Command8 = place(new QPushButton("CLS", form), "Command8", {8040, 1560, 735, 735});
    buildWaveformSurface(c);
    c.Frame4 = frame(form, "Frame4", "Zeigerdiagramm", {5640, 2400, 3135, 3855}, frameStyle);
    c.Frame2 = frame(form, "Frame2", "Visualisierung", {120, 5640, 5295, 1815}, frameStyle);
    c.Frame5 = frame(form, "Frame5", QStringLiteral("Über Wellgrat"), {5520, 6360, 3255, 1095}, frameStyle);

    c.Timer1 = new QTimer(form);
    c.Timer1->setObjectName("Timer1");
    c.Timer1->setTimerType(Qt::PreciseTimer);
    c.Timer1->setInterval(100);

    buildCircuitInputs(c);
    buildSchematic(c);
    buildStaticData(c);
    buildPhasorGroup(c);
    buildCurveChoice(c);
    buildCredits(c);
    setFocusOrder(c);
    nameForScreenReaders(c);
    return c;
}
