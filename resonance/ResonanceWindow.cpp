// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceWindow.h"

#include "controls/ControlValues.h"
#include "resonance/ResonanceChart.h"
#include "resonance/ResonanceCurves.h"
#include "resonance/ResonanceFigures.h"
#include "resonance/ResonanceTexts.h"
#include "ui/VectorFigure.h"
#include "ui/WindowFont.h"
#include "ui/Zoom.h"
#include "ui/ZoomStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>
#include <tuple>

using circuit::ResonanceResult;

ResonanceWindow::ResonanceWindow(QWidget* mainWindow) : ui::SideWindow(mainWindow)
{
    setObjectName(QStringLiteral("ResonanceWindow"));
    setWindowTitle(QStringLiteral("Resonanz und Leistung"));
    ui::setDesignedFont(this, ui::windowFont());
    ui::resizeWithZoom(this, QSize(800, 800));

    auto* layout = new QVBoxLayout(this);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("resonanceNotes"));
    notes_->setTextFormat(Qt::PlainText);
    notes_->setWordWrap(true);
    notes_->setStyleSheet(QStringLiteral("color: #a00000"));
    notes_->hide();
    layout->addWidget(notes_);

    // Which curves the chart draws.
    chart_ = new ResonanceChart(this);
    chart_->setMinimumHeight(240);
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Kurven:"), this));
    for (std::size_t k = 0; k < resonanceCurves().size(); ++k) {
        const ResonanceCurve& curve = resonanceCurves()[k];
        auto* box = new QCheckBox(curve.name, this);
        box->setObjectName(curve.objectName + QStringLiteral("Choice"));
        QPalette colours = box->palette(); // the boxes are the curves' legend
        colours.setColor(QPalette::WindowText, curve.colour);
        box->setPalette(colours);
        box->setChecked(curve.shownAtFirst);
        box->setStyle(ui::ZoomStyle::shared()); // its box grows with the zoom, as the main window's do
        connect(box, &QCheckBox::toggled, this, [this, k](bool shown) { chart_->setCurveShown(k, shown); });
        choice->addWidget(box);
    }
    choice->addStretch(1);
    layout->addLayout(choice);
    layout->addWidget(chart_, 3);
    chart_->setReadout([this](double f) {
        return circuit_ ? circuit::quantitiesAt(circuit_->values, f) : circuit::CircuitQuantities();
    });
    connect(chart_, &ResonanceChart::rangeRequested, this, &ResonanceWindow::zoomTo);
    connect(chart_, &ResonanceChart::rangeReset, this, [this] {
        zoom_.reset();
        draw();
    });

    // The numbers: resonance and power in one column, the quantities at f in the other.
    auto* numbers = new QGridLayout;
    layout->addLayout(numbers);
    auto group = [&](const QString& title, const QString& name, int row, int column, int rows) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(name);
        new QGridLayout(box);
        numbers->addWidget(box, row, column, rows, 1);
        return box;
    };
    QGroupBox* resonance = group(QStringLiteral("Resonanz"), QStringLiteral("resonanceGroup"), 0, 0, 1);
    f0_ = valueRow(resonance, 0, QStringLiteral("f<sub>0</sub> ="), QStringLiteral("resonanceF0"), QStringLiteral("Hz"));
    quality_ = valueRow(resonance, 1, QStringLiteral("Güte Q ="), QStringLiteral("resonanceQuality"), {});
    bandwidth_ = valueRow(resonance, 2, QStringLiteral("B = f<sub>0</sub>/Q ="), QStringLiteral("resonanceBandwidth"),
                          QStringLiteral("Hz"));
    bandLow_ = valueRow(resonance, 3, QStringLiteral("f<sub>1</sub> ="), QStringLiteral("resonanceBandLow"), QStringLiteral("Hz"));
    bandHigh_ = valueRow(resonance, 4, QStringLiteral("f<sub>2</sub> ="), QStringLiteral("resonanceBandHigh"), QStringLiteral("Hz"));
    QGroupBox* power = group(QStringLiteral("Leistung"), QStringLiteral("powerGroup"), 1, 0, 1);
    p_ = valueRow(power, 0, QStringLiteral("P ="), QStringLiteral("resonanceP"), QStringLiteral("W"));
    q_ = valueRow(power, 1, QStringLiteral("Q ="), QStringLiteral("resonanceQ"), QStringLiteral("var"));
    s_ = valueRow(power, 2, QStringLiteral("S ="), QStringLiteral("resonanceS"), QStringLiteral("VA"));
    cosPhi_ = valueRow(power, 3, QStringLiteral("cos φ ="), QStringLiteral("resonanceCosPhi"), {});
    presentGroup_ = group(QStringLiteral("Bei f"), QStringLiteral("presentGroup"), 0, 1, 2);
    xl_ = valueRow(presentGroup_, 0, QStringLiteral("X<sub>L</sub> ="), QStringLiteral("resonanceXL"), QStringLiteral("Ω"));
    xc_ = valueRow(presentGroup_, 1, QStringLiteral("X<sub>C</sub> ="), QStringLiteral("resonanceXC"), QStringLiteral("Ω"));
    x_ = valueRow(presentGroup_, 2, QStringLiteral("X ="), QStringLiteral("resonanceX"), QStringLiteral("Ω"));
    z_ = valueRow(presentGroup_, 3, QStringLiteral("Z ="), QStringLiteral("resonanceZ"), QStringLiteral("Ω"));
    i_ = valueRow(presentGroup_, 4, QStringLiteral("I ="), QStringLiteral("resonanceI"), QStringLiteral("A"));
    phi_ = valueRow(presentGroup_, 5, QStringLiteral("φ ="), QStringLiteral("resonancePhi"), QStringLiteral("°"));
    ur_ = valueRow(presentGroup_, 6, QStringLiteral("U<sub>R</sub> ="), QStringLiteral("resonanceUR"), QStringLiteral("V"));
    ul_ = valueRow(presentGroup_, 7, QStringLiteral("U<sub>L</sub> ="), QStringLiteral("resonanceUL"), QStringLiteral("V"));
    uc_ = valueRow(presentGroup_, 8, QStringLiteral("U<sub>C</sub> ="), QStringLiteral("resonanceUC"), QStringLiteral("V"));

    impedanceTriangle_ = new ui::VectorFigure(QStringLiteral("impedanceTriangle"), QStringLiteral("Widerstandsdreieck"), this);
    voltageChain_ = new ui::VectorFigure(QStringLiteral("voltageChain"), QStringLiteral("Spannungen"), this);
    powerTriangle_ = new ui::VectorFigure(QStringLiteral("powerTriangle"), QStringLiteral("Leistungsdreieck"), this);
    auto* figures = new QHBoxLayout;
    layout->addLayout(figures, 2);
    for (ui::VectorFigure* figure : {impedanceTriangle_, voltageChain_, powerTriangle_})
        figures->addWidget(figure, 1);

    // Its context menu copies the picture and the drawn values.
    auto* copyPicture = new QAction(QStringLiteral("Bild kopieren"), this);
    copyPicture->setObjectName(QStringLiteral("copyPictureAction"));
    connect(copyPicture, &QAction::triggered, this, &ResonanceWindow::copyPicture);
    auto* copyValues = new QAction(QStringLiteral("Werte kopieren (Schaltung und Kurven)"), this);
    copyValues->setObjectName(QStringLiteral("copyValuesAction"));
    connect(copyValues, &QAction::triggered, this, &ResonanceWindow::copyValues);
    addAction(copyPicture);
    addAction(copyValues);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

ResonanceWindow::Row ResonanceWindow::valueRow(QGroupBox* group, int row, const QString& name, const QString& objectName,
                                               const QString& unit)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    auto* nameLabel = new QLabel(name, group);
    nameLabel->setTextFormat(Qt::RichText);
    auto* value = new QLabel(QStringLiteral("—"), group);
    value->setObjectName(objectName);
    value->setTextFormat(Qt::PlainText);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The name and unit are read with the value, so the two around it need not be.
    nameLabel->setAccessibleName(QString());
    auto* unitLabel = new QLabel(group);
    unitLabel->setObjectName(objectName + QStringLiteral("Unit"));
    grid->addWidget(nameLabel, row, 0);
    grid->addWidget(value, row, 1);
    grid->addWidget(unitLabel, row, 2);
    grid->setRowStretch(row, 0);
    grid->setRowStretch(row + 1, 1); // the rows stay together at the top
    rows_.push_back({value, unitLabel, unit});
    fitWidths(rows_.back());
    return rows_.back();
}

// Room for the longest text of a value and of a unit, so that the columns stand still while
// the values change; measured anew when the font changes.
void ResonanceWindow::fitWidths(const Row& row)
{
    row.value->setMinimumWidth(row.value->fontMetrics().horizontalAdvance(QStringLiteral("-0,00000E-000")));
    row.unit->setMinimumWidth(row.unit->fontMetrics().horizontalAdvance(QStringLiteral("var")));
}

void ResonanceWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        for (const Row& row : rows_)
            fitWidths(row);
    ui::SideWindow::changeEvent(event);
}

// A number stands with its unit; a word ("keine", "ausgebaut") or "—" stands alone.
void ResonanceWindow::setValue(const Row& row, const std::optional<double>& value, const QString& spokenName,
                               const QString& spokenUnit, const QString& word)
{
    const QString text = value || word.isEmpty() ? quantityText(value) : word;
    row.value->setText(text);
    row.unit->setText(value ? row.unitText : QString());
    row.value->setAccessibleName(value ? QStringLiteral("%1 = %2 %3").arg(spokenName, text, spokenUnit).trimmed()
                                       : QStringLiteral("%1: %2").arg(spokenName, word.isEmpty() ? QStringLiteral("nicht bestimmt")
                                                                                                 : text));
}

void ResonanceWindow::present(const std::optional<Circuit>& circuit, bool switchOnMode)
{
    circuit_ = circuit;
    switchOnMode_ = switchOnMode;
    draw();
}

void ResonanceWindow::setProblem(const QString& problem)
{
    problem_ = problem;
    showNotes();
}

void ResonanceWindow::showNotes()
{
    QStringList notes = circuitNotes_;
    if (!problem_.isEmpty())
        notes.prepend(problem_);
    notes_->setText(notes.join(u'\n'));
    notes_->setAccessibleName(notes.join(u' '));
    notes_->setVisible(!notes.isEmpty());
}

void ResonanceWindow::zoomTo(double from, double to)
{
    zoom_ = circuit::shownRange(from, to);
    draw();
}

void ResonanceWindow::draw()
{
    if (!circuit_)
        return;
    const circuit::CircuitValues& v = circuit_->values;
    result_ = circuit::analyseResonance(v, zoom_);
    const ResonanceResult& r = result_;
    const circuit::Resonance& res = r.resonance;
    const circuit::CircuitQuantities& at = r.present;

    setValue(f0_, res.f0, QStringLiteral("Resonanzfrequenz f0"), QStringLiteral("Hertz"), QStringLiteral("keine"));
    setValue(quality_, res.quality, QStringLiteral("Güte Q"), {},
             res.f0 && !res.quality && r.currentUnbounded() ? QStringLiteral("unbegrenzt") : QString());
    setValue(bandwidth_, res.bandwidth, QStringLiteral("Bandbreite B"), QStringLiteral("Hertz"));
    setValue(bandLow_, res.bandLow, QStringLiteral("Halbwertsband von f1"), QStringLiteral("Hertz"));
    setValue(bandHigh_, res.bandHigh, QStringLiteral("Halbwertsband bis f2"), QStringLiteral("Hertz"));

    presentGroup_->setTitle(QStringLiteral("Bei f = %1 Hz").arg(quantityText(v.f)));
    setValue(xl_, at.xl, QStringLiteral("induktiver Blindwiderstand X L"), QStringLiteral("Ohm"));
    setValue(xc_, at.xc, QStringLiteral("kapazitiver Blindwiderstand X C"), QStringLiteral("Ohm"),
             v.capacitorIn ? QString() : QStringLiteral("ausgebaut"));
    setValue(x_, at.x, QStringLiteral("Blindwiderstand X"), QStringLiteral("Ohm"));
    setValue(z_, at.z, QStringLiteral("Scheinwiderstand Z"), QStringLiteral("Ohm"));
    setValue(i_, at.i, QStringLiteral("Strom I"), QStringLiteral("Ampere"),
             r.currentUnbounded() && !at.i ? QStringLiteral("unbegrenzt") : QString());
    setValue(phi_, at.phiDegrees, QStringLiteral("Phasenverschiebung phi"), QStringLiteral("Grad"));
    setValue(ur_, at.ur, QStringLiteral("Spannung an R, U R"), QStringLiteral("Volt"));
    setValue(ul_, at.ul, QStringLiteral("Spannung an L, U L"), QStringLiteral("Volt"));
    setValue(uc_, at.uc, QStringLiteral("Spannung an C, U C"), QStringLiteral("Volt"),
             v.capacitorIn ? QString() : QStringLiteral("ausgebaut"));
    setValue(p_, at.p, QStringLiteral("Wirkleistung P"), QStringLiteral("Watt"));
    setValue(q_, at.q, QStringLiteral("Blindleistung Q"), QStringLiteral("Var"));
    setValue(s_, at.s, QStringLiteral("Scheinleistung S"), QStringLiteral("Voltampere"));
    setValue(cosPhi_, at.cosPhi, QStringLiteral("Leistungsfaktor cos phi"), {});

    showCurves();

    QStringList missing;
    auto figure = [&missing](ui::VectorFigure* view, const std::optional<ui::VectorFigure::Figure>& figure,
                             const QString& name) {
        view->setFigure(figure);
        if (!figure)
            missing << name;
    };
    figure(impedanceTriangle_, impedanceTriangle(v, at), QStringLiteral("das Widerstandsdreieck"));
    figure(voltageChain_, voltageChain(v, at), QStringLiteral("die Spannungszeiger"));
    figure(powerTriangle_, powerTriangle(at), QStringLiteral("das Leistungsdreieck"));
    circuitNotes_ = resonanceNotes(v, r, switchOnMode_, missing);
    showNotes();
}

void ResonanceWindow::showCurves()
{
    const ResonanceResult& r = result_;
    const circuit::CircuitValues& v = circuit_->values;
    const circuit::Resonance& res = r.resonance;
    ResonanceChart::Curves curves;
    for (std::size_t k = 0; k < resonanceCurves().size(); ++k) {
        const auto value = resonanceCurves()[k].value;
        curves.points[k].reserve(qsizetype(r.sweep.size()));
        for (const auto& point : r.sweep)
            if (const auto& y = point.at.*value)
                curves.points[k].append(QPointF(point.f, *y));
    }
    curves.axisFrom = r.axis.from;
    curves.axisTo = r.axis.to;
    curves.currentTop = r.currentTop;
    curves.voltageTop = r.voltageTop;
    if (v.f > 0.0 && v.f >= r.axis.from && v.f <= r.axis.to) {
        curves.present = v.f;
        curves.presentName = QStringLiteral("f = %1 Hz").arg(quantityText(v.f));
    }
    if (res.f0 && *res.f0 >= r.axis.from && *res.f0 <= r.axis.to) {
        curves.resonance = res.f0;
        curves.resonanceName = QStringLiteral("f₀ = %1 Hz").arg(quantityText(res.f0));
    }
    if (res.bandLow && res.bandHigh && *res.bandHigh > *res.bandLow) {
        curves.band = std::make_pair(std::max(*res.bandLow, r.axis.from), std::min(*res.bandHigh, r.axis.to));
        curves.bandName = QStringLiteral("Halbwertsband %1 … %2 Hz").arg(quantityText(res.bandLow), quantityText(res.bandHigh));
        if (curves.band->first >= curves.band->second)
            curves.band.reset();
    }
    chart_->setCurves(curves);
}

QString ResonanceWindow::valuesTable() const { return circuit_ ? ::valuesTable(circuit_->texts, result_) : QString(); }

QImage ResonanceWindow::picture() { return grab().toImage(); }

void ResonanceWindow::copyPicture() { QGuiApplication::clipboard()->setImage(picture()); }

void ResonanceWindow::copyValues() { QGuiApplication::clipboard()->setText(valuesTable()); }
