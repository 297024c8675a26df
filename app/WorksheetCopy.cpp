// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorksheetCopy.h"

#include "circuit/StaticAnalysis.h"
#include "controls/CircuitInputs.h"
#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "plot/PlotRecord.h"
#include "plot/WaveformPlotter.h"
#include "ui/Commands.h"
#include "ui/DrawingSurface.h"
#include "ui/SurfacePicture.h"
#include "worksheet/Legend.h"

#include <QClipboard>
#include <QGuiApplication>

WorksheetCopy::WorksheetCopy(const Controls& controls, const StaticAnalysis& analysis, const WaveformPlotter& plotter,
                             Commands& commands)
    : controls_(controls), analysis_(analysis), plotter_(plotter)
{
    // The surfaces' menus in German, whatever translations Qt finds: "Strg", not "Ctrl".
    for (ui::DrawingSurface* surface : {controls_.Picture1, controls_.Picture2})
        commands.addFor(surface, Commands::Group::Copy, surface->objectName() + QStringLiteral("CopyPicture"),
                        QStringLiteral("Bild kopieren\tStrg+C"), QKeySequence::keyBindings(QKeySequence::Copy),
                        [this, surface] { copyPicture(surface); });
    commands.addFor(controls_.Picture1, Commands::Group::Copy, QStringLiteral("Picture1CopyPictureWithLegend"),
                    QStringLiteral("Bild mit Legende kopieren"), {}, [this] { copyPictureWithLegend(); });
    commands.add(Commands::Group::Copy, QStringLiteral("copyWindowAction"), QStringLiteral("Fenster kopieren"), {},
                 [this] { copyWindow(); });
    commands.add(Commands::Group::Copy, QStringLiteral("copyValuesAction"), QStringLiteral("Werte kopieren"), {},
                 [this] { copyValues(); });
}

void WorksheetCopy::copyPicture(ui::DrawingSurface* surface) const
{
    QGuiApplication::clipboard()->setImage(ui::SurfacePicture::of(*surface));
}

void WorksheetCopy::copyPictureWithLegend() const
{
    // The curves of the last plot; before any, those the window would draw now.
    const std::optional<PlotRecord>& last = plotter_.lastPlot();
    const PlotRecord plot = last ? *last : recordOf(controls_, analysis_.lastRead());
    ui::DrawingSurface& surface = *controls_.Picture1;
    QGuiApplication::clipboard()->setImage(worksheet::withLegend(ui::SurfacePicture::of(surface),
                                                                 worksheet::curveLegend(controls_, plot, true),
                                                                 surface.font(), surface.logicalDpiY(), surface.background()));
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
    // The plot "Zeichne!" would draw now of the circuit the results and pictures are of (the
    // inputs the analysis last read, not a text still waiting in its field).
    const PlotRecord plot = recordOf(controls_, analysis_.lastRead());

    // Its inputs and the results as shown, in the window's words.
    text += circuitTable(plot.circuit);
    row(QStringLiteral(u"Anzahl der Perioden"), plot.periods);
    if (plot.switchOn)
        row(QStringLiteral(u"Phase im Moment des Einschaltens"), plot.phase0, QStringLiteral(u"Grad"));
    row(QStringLiteral(u"Ueff"), plot.ueff, QStringLiteral(u"V"));
    row(QStringLiteral(u"Ieff"), plot.ieff, QStringLiteral(u"A"));
    row(QStringLiteral(u"Û"), plot.uPeak, QStringLiteral(u"V"));
    row(QStringLiteral(u"Î"), plot.iPeak, QStringLiteral(u"A"));
    row(QStringLiteral(u"Z"), plot.z, QStringLiteral(u"Ohm"));
    row(QStringLiteral(u"phi"), plot.phi, QStringLiteral(u"Grad"));

    // One column for each curve it draws, titled with its name and unit.
    const plot::ValueTable table = valuesOf(plot);
    if (table.curves.empty())
        return text;
    text += u'\n';
    text += QStringLiteral(u"Schritt");
    for (const Curve curve : table.curves) {
        const CurveControls controls = curveOf(controls_, curve);
        text += tab + controls.name() + QStringLiteral(" in ") + controls.unit();
    }
    text += u'\n';
    for (std::size_t i = 0; i < table.steps.size(); ++i) {
        text += QString::number(i + 1);
        for (double value : table.steps[i])
            text += tab + textOf(value);
        text += u'\n';
    }
    return text;
}
