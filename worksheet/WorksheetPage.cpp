// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet's page, laid out in millimetres from the top left corner of an A4 sheet.
#include "worksheet/WorksheetPage.h"

#include "controls/ControlValues.h"
#include "controls/DerivedQuantities.h"
#include "resonance/ResonanceTexts.h"
#include "ui/GroupFrame.h"
#include "ui/ResultLabel.h"
#include "worksheet/ContainerOnPage.h"
#include "worksheet/Legend.h"
#include "worksheet/PageMetrics.h"
#include "worksheet/ResonanceOnPage.h"
#include "worksheet/SurfacesOnPage.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace worksheet {

namespace {

constexpr double kLeft = 15.0, kRight = 195.0; // the margins
constexpr double kRow = 6.3;                     // a row of a table
constexpr double kRightColumn = 122.0;           // where the right half of the page starts

class Page {
public:
    Page(QPainter& painter, const PageMetrics& metrics, const WorksheetContent& content)
        : painter_(painter), page_(metrics), content_(content), controls_(*content.controls)
    {
    }

    void paint()
    {
        header();
        schematic(31);
        inputs(kRightColumn, 31);
        results(kLeft, 92);
        derived(kRightColumn, 92);
        curves(140);
        phasors(218);
        resonance(112, 218);
        text(QRectF(kLeft, 287, kRight - kLeft, 4), QStringLiteral("Erstellt mit Wellgrat"), 7, Qt::AlignRight, Qt::gray);
    }

private:
    QRectF mm(const QRectF& r) const { return page_.rect(r.x(), r.y(), r.width(), r.height()); }

    void text(const QRectF& at, const QString& text, double points, Qt::Alignment align = Qt::AlignLeft,
              const QColor& ink = Qt::black, bool bold = false)
    {
        painter_.setFont(page_.font(points, bold));
        painter_.setPen(ink);
        const QRectF box = mm(at);
        painter_.drawText(box, int(align | Qt::AlignVCenter),
                          QFontMetricsF(painter_.font(), painter_.device()).elidedText(text, Qt::ElideRight, box.width()));
    }

    // Text that wraps within `width`; returns its height in mm.
    double paragraph(double x, double y, double width, const QString& text, double points, const QColor& ink)
    {
        painter_.setFont(page_.font(points));
        painter_.setPen(ink);
        QRectF used;
        painter_.drawText(mm(QRectF(x, y, width, 100)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        return used.height() / page_.units(1);
    }

    void heading(double x, double y, const QString& title, double width = 90)
    {
        text(QRectF(x, y, width, 5), title, 10.5, Qt::AlignLeft, Qt::black, true);
    }

    // A value of a table: in a light box, or the empty box of the pupils' sheet.
    void valueBox(const QRectF& at, const QString& value, bool hidden)
    {
        painter_.setPen(QPen(hidden ? Qt::darkGray : Qt::lightGray, page_.units(0.2)));
        painter_.drawRect(mm(at.adjusted(0, 0.4, 0, -0.4)));
        if (!hidden)
            text(at.adjusted(1.2, 0, -1, 0), value, 9.5);
    }

    void header()
    {
        text(QRectF(kLeft, 11, 140, 9), QStringLiteral("Arbeitsblatt: Wechselstromkreis mit R, C und L"), 15,
             Qt::AlignLeft, Qt::black, true);
        text(QRectF(kRight - 50, 11, 50, 9), QStringLiteral("Datum: ") + content_.date.toString(QStringLiteral("dd.MM.yyyy")),
             9.5, Qt::AlignRight);
        painter_.setPen(QPen(Qt::black, page_.units(0.3)));
        painter_.drawLine(page_.at(kLeft, 22), page_.at(kRight, 22));
    }

    // The group "Schaltplan" as the window draws it, its fields holding the inputs the results
    // are of.
    void schematic(double y)
    {
        heading(kLeft, y - 5.5, QStringLiteral("Schaltplan"));
        ui::GroupFrame& frame = *controls_.Frame3;
        const ContainerOnPage on(QRectF(0, 0, frame.width(), frame.height()), mm(QRectF(kLeft, y, 100, 1)));
        paintElements(painter_, frame.elements(), on, page_.units(0.25));
        paintChildren(painter_, frame, on, page_, [this](const QLineEdit& field) { return fieldText(field); });
    }

    QString fieldText(const QLineEdit& field) const
    {
        for (const CircuitInput& input : circuitInputs())
            if (controls_.*input.field == &field)
                return content_.circuit[input.input];
        return field.text();
    }

    void inputs(double x, double y)
    {
        heading(x, y - 5.5, QStringLiteral("Eingaben"));
        for (const CircuitInput& in : circuitInputs()) {
            const bool out = !in.readWithoutCapacitor && !content_.circuit.capacitorIn;
            text(QRectF(x, y, 45, kRow), in.quantity, 9.5);
            text(QRectF(x + 45, y, kRight - x - 45, kRow),
                 out ? in.symbol + QStringLiteral(": ausgebaut")
                     : in.symbol + QStringLiteral(" = ") + content_.circuit[in.input] + u' ' + in.unit,
                 9.5);
            y += kRow;
        }
        if (controls_.Check8->isChecked())
            text(QRectF(x, y, kRight - x, kRow), QStringLiteral("Im Moment des Einschaltens: die Spule ist ausgebaut."), 8.5);
    }

    void results(double x, double y)
    {
        heading(x, y - 5.5, QStringLiteral("Statische Daten"));
        for (QLabel* label : resultLabels(controls_)) {
            const auto* result = static_cast<const ui::ResultLabel*>(label);
            text(QRectF(x, y, 55, kRow), result->quantity() + QStringLiteral(" ="), 9.5);
            valueBox(QRectF(x + 56, y, 34, kRow), result->text(), content_.pupils);
            text(QRectF(x + 91, y, 12, kRow), result->unitText(), 9.5);
            y += kRow;
        }
    }

    void derived(double x, double y)
    {
        heading(x, y - 5.5, QStringLiteral("Abgeleitete Größen"));
        const ReadCircuit read = readCircuit(content_.circuit);
        if (!read.values) {
            text(QRectF(x, y, kRight - x, kRow), read.unreadable->symbol + QStringLiteral(" ist keine Zahl."), 9.5);
            return;
        }
        for (const DerivedQuantity& quantity : derivedQuantities(*read.values)) {
            text(QRectF(x, y, 37, kRow), quantity.name + QStringLiteral(" ="), 9.5);
            if (quantity.value)
                valueBox(QRectF(x + 38, y, 24, kRow), quantityText(quantity.value), content_.pupils);
            else
                text(QRectF(x + 39, y, 23, kRow), quantityText(quantity.value), 9.5);
            text(QRectF(x + 63, y, kRight - x - 63, kRow), quantity.unit, 9.5);
            y += kRow;
        }
    }

    void curves(double y)
    {
        heading(kLeft, y, QStringLiteral("Zeitverlauf der letzten Zeichnung"), 110);
        const PlotRecord* plot = content_.plot ? &*content_.plot : nullptr;
        if (plot)
            text(QRectF(kLeft, y + 5, 118, 4), plotDescription(*plot), 8.5, Qt::AlignLeft, Qt::darkGray);
        const QRectF drawn = paintWaveform(painter_, controls_, plot, page_.at(kLeft, y + 10), page_.units(118), page_);
        if (!plot)
            return;
        const Legend legend = curveLegend(controls_, *plot, !content_.pupils);
        const LegendLayout layout(legend, page_.font(8), painter_.device(), page_.units(kRight - 138));
        layout.paint(painter_, page_.at(138, y + 10));
        if (plot->circuit != content_.circuit)
            paragraph(kLeft, y + 10 + drawn.height() / page_.units(1) + 0.5, kRight - kLeft,
                      QStringLiteral("Die Kurven sind mit anderen Eingaben gezeichnet: ") + inputsOf(plot->circuit) +
                          QStringLiteral("."),
                      8, Qt::darkGray);
    }

    // "1 Periode, Dauerzustand" or the switch-on and its phase.
    static QString plotDescription(const PlotRecord& plot)
    {
        QString text = QStringLiteral("Anzahl der Perioden: ") + plot.periods;
        if (plot.switchOn)
            text += QStringLiteral("; im Moment des Einschaltens, Phase ") + plot.phase0 + QStringLiteral(" Grad");
        return text;
    }

    static QString inputsOf(const CircuitTexts& circuit)
    {
        QStringList parts;
        for (const CircuitInput& in : circuitInputs()) {
            if (in.readWithoutCapacitor || circuit.capacitorIn)
                parts << in.symbol + QStringLiteral(" = ") + circuit[in.input] + u' ' + in.unit;
            else
                parts << in.symbol + QStringLiteral(" ausgebaut");
        }
        return parts.join(QStringLiteral(", "));
    }

    void phasors(double y)
    {
        heading(kLeft, y, QStringLiteral("Zeigerdiagramm"));
        paintPhasors(painter_, controls_, page_.at(kLeft, y + 6), page_.units(46), page_);
        const Legend legend = phasorLegend(controls_, content_.circuit, !content_.pupils);
        const LegendLayout layout(legend, page_.font(8), painter_.device(), page_.units(108 - 64));
        layout.paint(painter_, page_.at(64, y + 6));
    }

    void resonance(double x, double y)
    {
        heading(x, y, QStringLiteral("Strom I gegen die Frequenz f"));
        const QRectF area(x, y + 6, kRight - x, 56);
        const ReadCircuit read = readCircuit(content_.circuit);
        if (!read.values) {
            text(QRectF(x, y + 6, kRight - x, kRow), read.unreadable->symbol + QStringLiteral(" ist keine Zahl."), 9);
            return;
        }
        const circuit::ResonanceResult result = circuit::analyseResonance(*read.values);
        const QStringList notes = resonanceNotes(*read.values, result, controls_.Check8->isChecked(), {});
        if (result.resonance.f0 && !result.sweep.empty())
            paintResonance(painter_, *read.values, result, mm(area.adjusted(0, 0, 0, notes.isEmpty() ? 0 : -8)), page_,
                           !content_.pupils);
        double noteY = result.resonance.f0 ? area.bottom() - 8 : area.top();
        for (const QString& note : notes)
            noteY += paragraph(x, noteY, kRight - x, note, 8, Qt::darkGray) + 0.8;
    }

    QPainter& painter_;
    const PageMetrics& page_;
    const WorksheetContent& content_;
    const Controls& controls_;
};

} // namespace

void paintWorksheet(QPainter& painter, const QRectF& sheet, const WorksheetContent& content)
{
    const PageMetrics page(*painter.device(), sheet);
    Page(painter, page, content).paint();
}

} // namespace worksheet
