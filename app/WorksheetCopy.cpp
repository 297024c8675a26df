// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorksheetCopy.h"

#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "plot/PlotValues.h"
#include "ui/DrawingSurface.h"
#include "ui/SurfacePicture.h"
#include "circuit/StaticAnalysis.h"
#include "controls/CircuitInputs.h"
#include "ui/Commands.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <map>

using plot::CurveValue;

namespace {

// The value of a curve of the window's list, and its unit.
CurveValue valueOf(Curve curve)
{
    switch (curve) {
    case Curve::AppliedVoltage: return CurveValue::Voltage;
    case Curve::Current: return CurveValue::Current;
    case Curve::Power: return CurveValue::Power;
    case Curve::ResistorVoltage: return CurveValue::Resistor;
    case Curve::CapacitorVoltage: return CurveValue::Capacitor;
    case Curve::CoilVoltage: return CurveValue::Coil;
    }
    return CurveValue::Voltage;
}

QString unitOf(CurveValue value)
{
    return value == CurveValue::Current ? QStringLiteral("A") : value == CurveValue::Power ? QStringLiteral("W") : QStringLiteral("V");
}

std::optional<double> valueOf(const QLineEdit* field) { return optionalNumber(field->text()); }
std::optional<double> valueOf(const QLabel* caption) { return optionalNumber(caption->text()); }

} // namespace

WorksheetCopy::WorksheetCopy(const Controls& controls, const StaticAnalysis& analysis, Commands& commands)
    : controls_(controls), analysis_(analysis)
{
    // The surfaces' menus in German, whatever translations Qt finds: "Strg", not "Ctrl".
    for (ui::DrawingSurface* surface : {controls_.Picture1, controls_.Picture2})
        commands.addFor(surface, Commands::Group::Copy, surface->objectName() + QStringLiteral("CopyPicture"),
                        QStringLiteral("Bild kopieren\tStrg+C"), QKeySequence::keyBindings(QKeySequence::Copy),
                        [this, surface] { copyPicture(surface); });
    commands.add(Commands::Group::Copy, QStringLiteral("copyWindowAction"), QStringLiteral("Fenster kopieren"), {},
                 [this] { copyWindow(); });
    commands.add(Commands::Group::Copy, QStringLiteral("copyValuesAction"), QStringLiteral("Werte kopieren"), {},
                 [this] { copyValues(); });
}

void WorksheetCopy::copyPicture(ui::DrawingSurface* surface) const
{
    QGuiApplication::clipboard()->setImage(ui::SurfacePicture::of(*surface));
}

void WorksheetCopy::copyWindow() const { QGuiApplication::clipboard()->setImage(controls_.form->grab().toImage()); }

void WorksheetCopy::copyValues() const { QGuiApplication::clipboard()->setText(valuesText()); }

QString WorksheetCopy::valuesText() const
{
    const QChar tab(u'\t');
    QString text;
    auto row = [&](const QString& name, const QString& value, const QString& unit = {}) {
        text += name + tab + value + (unit.isEmpty() ? QString() : tab + unit) + u'\n';
    };
    const bool switchOn = controls_.Check8->isChecked();

    // The circuit the results and pictures are of (the inputs the analysis last read, not a
    // text still waiting in its field) and the results as shown, in the window's words.
    const CircuitTexts& circuit = analysis_.lastRead();
    using circuit::Input;
    text += circuitTable(circuit);
    row(QStringLiteral(u"Anzahl der Perioden"), controls_.perioden->text());
    if (switchOn)
        row(QStringLiteral(u"Phase im Moment des Einschaltens"), controls_.phaseein->text(), QStringLiteral(u"Grad"));
    row(QStringLiteral(u"Ueff"), controls_.ueff->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"Ieff"), controls_.ieff->text(), QStringLiteral(u"A"));
    row(QStringLiteral(u"Û"), controls_.udach->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"Î"), controls_.idach->text(), QStringLiteral(u"A"));
    row(QStringLiteral(u"Z"), controls_.z->text(), QStringLiteral(u"Ohm"));
    row(QStringLiteral(u"phi"), controls_.phi->text(), QStringLiteral(u"Grad"));

    // The curves switched on, in the window's order, and the columns' titles: their names.
    std::vector<CurveValue> on;
    std::map<CurveValue, QString> names;
    for (const CurveControls& curve : curvesOf(controls_)) {
        names[valueOf(curve.curve)] = curve.check->text();
        // The switch-on plot draws three curves; the capacitor voltage needs the capacitor.
        const bool drawn = switchOn ? curve.curve == Curve::AppliedVoltage || curve.curve == Curve::Current
                                          || curve.curve == Curve::Power
                                    : curve.curve != Curve::CapacitorVoltage || circuit.capacitorIn;
        if (drawn && curve.check->isChecked())
            on.push_back(valueOf(curve.curve));
    }
    auto has = [&on](CurveValue value) { return std::find(on.begin(), on.end(), value) != on.end(); };
    const auto& k = controls_;
    auto number = [&circuit](Input input) { return optionalNumber(circuit[input]); };
    const plot::ValueTable table =
        switchOn ? plot::switchOnValues({valueOf(k.perioden), valueOf(k.phaseein), number(Input::F), number(Input::R),
                                         number(Input::C), valueOf(k.udach), valueOf(k.idach), valueOf(k.phi)},
                                        has(CurveValue::Voltage), has(CurveValue::Current), has(CurveValue::Power))
                 : plot::steadyStateValues({valueOf(k.perioden), valueOf(k.phi), valueOf(k.udach), valueOf(k.idach),
                                            number(Input::R), number(Input::F), number(Input::C), number(Input::L)},
                                           on);
    if (table.curves.empty())
        return text;

    text += u'\n';
    text += QStringLiteral(u"Schritt");
    for (CurveValue curve : table.curves)
        text += tab + names[curve] + QStringLiteral(" in ") + unitOf(curve);
    text += u'\n';
    for (std::size_t i = 0; i < table.steps.size(); ++i) {
        text += QString::number(i + 1);
        for (double value : table.steps[i])
            text += tab + textOf(value);
        text += u'\n';
    }
    return text;
}
