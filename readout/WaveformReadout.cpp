// SPDX-License-Identifier: GPL-3.0-or-later
#include "readout/WaveformReadout.h"

#include "circuit/StaticAnalysis.h"
#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "plot/TimeAxis.h"
#include "plot/WaveformPlotter.h"
#include "readout/Reading.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"
#include "ui/Twips.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <cmath>

using ui::DrawingSurface;

namespace {

// A line over the whole height of the drawing area, hidden until it marks a step.
ui::LineElement* addLine(DrawingSurface* surface, const QString& name, const QColor& colour)
{
    auto* line = new ui::LineElement(name, 0, 0, 0, 0, surface);
    line->setColour(colour);
    line->setVisible(false);
    surface->elements().add(line);
    return line;
}

} // namespace

WaveformReadout::WaveformReadout(const Controls& controls, const WaveformPlotter& plotter, const StaticAnalysis& analysis)
    : QObject(controls.Picture1), controls_(controls), plotter_(plotter), analysis_(analysis)
{
    setObjectName(QStringLiteral("waveformReadout"));
    DrawingSurface* surface = controls_.Picture1;
    referenceLine_ = addLine(surface, QStringLiteral("referenceLine"), QColor(150, 150, 150));
    cursorLine_ = addLine(surface, QStringLiteral("cursorLine"), QColor(64, 64, 64));
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
    connect(surface, &DrawingSurface::cleared, this, &WaveformReadout::forget);
}

const plot::ValueTable* WaveformReadout::shownValues()
{
    if (!plotter_.lastPlotShown())
        return nullptr;
    const PlotRecord& plot = *plotter_.lastPlot();
    if (tableOf_ != plot) {
        table_ = valuesOf(plot);
        tableOf_ = plot;
    }
    return table_.steps.empty() ? nullptr : &table_;
}

int WaveformReadout::columnOf(int step)
{
    return int(std::floor(ui::twipsToPixels(timeaxis::pointX(step), 0).x()));
}

// The step drawn in the middle of the column, within the steps the plot drew.
int WaveformReadout::stepAtColumn(int column) const
{
    const int step = int(timeaxis::stepAt(ui::pixelsToTwips(column + 0.5)));
    return std::min(step, lastStep());
}

int WaveformReadout::stepUnder(double widgetX) const
{
    return stepAtColumn(int(std::floor(widgetX - DrawingSurface::kBorder)));
}

bool WaveformReadout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != controls_.Picture1)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        return keyEvent(event);
    case QEvent::Leave:
        if (!controls_.Picture1->hasFocus())
            moveTo(std::nullopt);
        return false;
    case QEvent::FocusOut:
        if (!controls_.Picture1->underMouse())
            moveTo(std::nullopt);
        return false;
    default:
        return pointerEvent(event);
    }
}

bool WaveformReadout::pointerEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ToolTip) {
        // Before any plot, and after a clearing, the surface's own tip.
        if (!shownValues())
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        moveTo(stepUnder(help->pos().x()));
        showTip(help->globalPos());
        return true;
    }
    const bool click = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (type != QEvent::MouseMove && !click)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if ((click && mouse->button() != Qt::LeftButton) || !shownValues())
        return false;
    moveTo(stepUnder(mouse->position().x()));
    if (click)
        setReference(reference_ ? std::nullopt : step_);
    // A tip already shown follows the mouse.
    if (QToolTip::isVisible())
        showTip(mouse->globalPosition().toPoint());
    return false;
}

// Left and Right move by a column, with Shift by ten; Home and End go to the first and the
// last step; Space sets or removes the reference. Esc removes the reference and is left to
// the window whenever there is none.
bool WaveformReadout::keyEvent(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool press = event->type() == QEvent::KeyPress;
    if (key->key() == Qt::Key_Escape) {
        if (!plain || !reference_)
            return false;
        if (press)
            setReference(std::nullopt);
        event->accept();
        return true;
    }
    if (!shownValues())
        return false;
    std::optional<int> to = step_;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if (!plain && modifiers != Qt::ShiftModifier)
            return false;
        const int columns = (plain ? 1 : 10) * (key->key() == Qt::Key_Left ? -1 : 1);
        to = step_ ? stepAtColumn(columnOf(*step_) + columns) : 1; // the first press shows it
        break;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!plain)
            return false;
        to = key->key() == Qt::Key_Home ? 1 : lastStep();
        break;
    case Qt::Key_Space:
        if (!plain || !step_)
            return false;
        break;
    default:
        return false;
    }
    if (press) {
        moveTo(to);
        if (key->key() == Qt::Key_Space)
            setReference(reference_ ? std::nullopt : step_);
        if (step_)
            showTip(controls_.Picture1->mapToGlobal(
                QPoint(DrawingSurface::kBorder + columnOf(*step_), controls_.Picture1->height() / 2)));
    }
    event->accept();
    return true;
}

// The line covers the column of the step, from the top of the drawing area to its bottom.
void WaveformReadout::mark(ui::LineElement* line, std::optional<int> step) const
{
    if (step) {
        const auto x = float(ui::pixelsToTwips(columnOf(*step)));
        line->setX1(x);
        line->setX2(x);
        line->setY2(float(ui::pixelsToTwips(controls_.Picture1->height() - 2 * DrawingSurface::kBorder)));
    }
    line->setVisible(step.has_value());
}

void WaveformReadout::moveTo(std::optional<int> step)
{
    if (step == step_)
        return;
    step_ = step;
    mark(cursorLine_, step_);
    updateDescription();
}

void WaveformReadout::setReference(std::optional<int> step)
{
    reference_ = step;
    mark(referenceLine_, reference_);
    updateDescription();
}

// Picture1 was cleared: its plot is gone, and so are the cursor and the reference.
void WaveformReadout::forget()
{
    moveTo(std::nullopt);
    setReference(std::nullopt);
}

// A screen reader reads the readout at the cursor, and the surface's tip without one.
void WaveformReadout::updateDescription()
{
    DrawingSurface* surface = controls_.Picture1;
    surface->setAccessibleDescription(step_ && shownValues() ? readout(*step_) : surface->toolTip());
}

// The description follows too: the inputs may have changed since the cursor last moved.
void WaveformReadout::showTip(const QPoint& global)
{
    if (!step_)
        return;
    const QString text = readout(*step_);
    controls_.Picture1->setAccessibleDescription(text);
    QToolTip::showText(global, text, controls_.Picture1);
}

double WaveformReadout::secondsAt(int step) const
{
    return readingOf([&] {
        return timeaxis::timeAt(requiredNumber(tableOf_->periods), requiredNumber(tableOf_->circuit[circuit::Input::F]),
                                step);
    });
}

// "Schritt 1234 · t = 5 ms", then a line for each drawn curve ("u = 14,1 V"), then the
// distance from the reference.
QString WaveformReadout::readout(int step) const
{
    QStringList lines{QStringLiteral("Schritt %1 · t = %2 ms").arg(step).arg(readingText(1000.0 * secondsAt(step)))};
    const std::vector<double>& values = table_.steps[std::size_t(step - 1)];
    for (std::size_t i = 0; i < table_.curves.size(); ++i) {
        const CurveControls curve = curveOf(controls_, table_.curves[i]);
        lines << QStringLiteral("%1 = %2 %3").arg(curve.symbol(), readingText(values[i]), curve.unit());
    }
    if (reference_) {
        const double dt = secondsAt(step) - secondsAt(*reference_);
        const double dphi = readingOf(
            [&] { return timeaxis::phaseDifference(requiredNumber(tableOf_->circuit[circuit::Input::F]), dt); });
        lines << QStringLiteral("Bezug bei Schritt %1: Δt = %2 ms · Δφ = %3°")
                     .arg(*reference_)
                     .arg(readingText(1000.0 * dt), readingText(dphi));
    }
    if (!drawsTheSameValues(*tableOf_, recordOf(controls_, analysis_.lastRead())))
        lines << QStringLiteral("Werte der letzten Zeichnung: die Eingaben sind seitdem geändert.");
    return lines.join(u'\n');
}
