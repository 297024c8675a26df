// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceWindow.h"

#include "help/HelpWindow.h"
#include "controls/ControlValues.h"
#include "resonance/ResonanceTexts.h"
#include "resonance/ResonanceChart.h"
#include "ui/TriangleView.h"
#include "ui/WindowFont.h"
#include "ui/Zoom.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <cmath>
#include <tuple>

using circuit::ResonanceResult;

ResonanceWindow::ResonanceWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("ResonanceWindow"));
    setWindowTitle(QStringLiteral("Resonanz und Leistung"));
    ui::setDesignedFont(this, ui::windowFont());
    ui::resizeWithZoom(this, QSize(800, 720));

    auto* layout = new QVBoxLayout(this);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("resonanceNotes"));
    notes_->setTextFormat(Qt::PlainText);
    notes_->setWordWrap(true);
    notes_->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(notes_);
    chart_ = new ResonanceChart(this);
    chart_->setMinimumHeight(240);
    layout->addWidget(chart_, 3);

    auto* lower = new QHBoxLayout;
    layout->addLayout(lower);
    auto group = [&](const QString& title, const QString& name) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(name);
        new QGridLayout(box);
        lower->addWidget(box);
        return box;
    };
    QGroupBox* resonance = group(QStringLiteral("Resonanz"), QStringLiteral("resonanceGroup"));
    f0_ = valueRow(resonance, 0, QStringLiteral("f<sub>0</sub> ="), QStringLiteral("resonanceF0"), QStringLiteral("Hz"));
    quality_ = valueRow(resonance, 1, QStringLiteral("Güte Q ="), QStringLiteral("resonanceQuality"), {});
    bandwidth_ = valueRow(resonance, 2, QStringLiteral("B = f<sub>0</sub>/Q ="), QStringLiteral("resonanceBandwidth"),
                          QStringLiteral("Hz"));
    band_ = valueRow(resonance, 3, QStringLiteral("f<sub>1</sub> … f<sub>2</sub>"), QStringLiteral("resonanceBand"),
                     QStringLiteral("Hz"));
    presentGroup_ = group(QStringLiteral("Bei f"), QStringLiteral("presentGroup"));
    xl_ = valueRow(presentGroup_, 0, QStringLiteral("X<sub>L</sub> ="), QStringLiteral("resonanceXL"), QStringLiteral("Ω"));
    xc_ = valueRow(presentGroup_, 1, QStringLiteral("X<sub>C</sub> ="), QStringLiteral("resonanceXC"), QStringLiteral("Ω"));
    x_ = valueRow(presentGroup_, 2, QStringLiteral("X ="), QStringLiteral("resonanceX"), QStringLiteral("Ω"));
    z_ = valueRow(presentGroup_, 3, QStringLiteral("Z ="), QStringLiteral("resonanceZ"), QStringLiteral("Ω"));
    i_ = valueRow(presentGroup_, 4, QStringLiteral("I ="), QStringLiteral("resonanceI"), QStringLiteral("A"));
    phi_ = valueRow(presentGroup_, 5, QStringLiteral("φ ="), QStringLiteral("resonancePhi"), QStringLiteral("°"));
    QGroupBox* power = group(QStringLiteral("Leistung"), QStringLiteral("powerGroup"));
    p_ = valueRow(power, 0, QStringLiteral("P ="), QStringLiteral("resonanceP"), QStringLiteral("W"));
    q_ = valueRow(power, 1, QStringLiteral("Q ="), QStringLiteral("resonanceQ"), QStringLiteral("var"));
    s_ = valueRow(power, 2, QStringLiteral("S ="), QStringLiteral("resonanceS"), QStringLiteral("VA"));
    cosPhi_ = valueRow(power, 3, QStringLiteral("cos φ ="), QStringLiteral("resonanceCosPhi"), {});

    impedanceTriangle_ = new ui::TriangleView(QStringLiteral("impedanceTriangle"), QStringLiteral("Widerstandsdreieck"), this);
    powerTriangle_ = new ui::TriangleView(QStringLiteral("powerTriangle"), QStringLiteral("Leistungsdreieck"), this);
    auto* triangles = new QHBoxLayout;
    layout->addLayout(triangles, 2);
    triangles->addWidget(impedanceTriangle_, 1);
    triangles->addWidget(powerTriangle_, 1);

    // Its context menu copies the picture and the drawn values.
    auto* copyPicture = new QAction(QStringLiteral("Bild kopieren"), this);
    copyPicture->setObjectName(QStringLiteral("copyPictureAction"));
    connect(copyPicture, &QAction::triggered, this, &ResonanceWindow::copyPicture);
    auto* copyValues = new QAction(QStringLiteral("Werte kopieren (f, I, φ)"), this);
    copyValues->setObjectName(QStringLiteral("copyValuesAction"));
    connect(copyValues, &QAction::triggered, this, &ResonanceWindow::copyValues);
    addAction(copyPicture);
    addAction(copyValues);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Esc closes it, as it closes a dialog, and F1 opens the guide, as in the main window; the
// keys its parts do not want arrive here.
void ResonanceWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        openGuide(mainWindow_);
        return;
    }
    QWidget::keyPressEvent(event);
}

QLabel* ResonanceWindow::valueRow(QGroupBox* group, int row, const QString& name, const QString& objectName,
                                  const QString& unit)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    auto* nameLabel = new QLabel(name, group);
    nameLabel->setTextFormat(Qt::RichText);
    auto* value = new QLabel(QStringLiteral("—"), group);
    value->setObjectName(objectName);
    value->setTextFormat(Qt::PlainText);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-0,00000E-000")));
    // The name and unit are read with the value, so the two around it need not be.
    nameLabel->setAccessibleName(QString());
    auto* unitLabel = new QLabel(unit, group);
    grid->addWidget(nameLabel, row, 0);
    grid->addWidget(value, row, 1);
    grid->addWidget(unitLabel, row, 2);
    grid->setRowStretch(row, 0);
    grid->setRowStretch(row + 1, 1); // the rows stay together at the top
    return value;
}

void ResonanceWindow::setValue(QLabel* label, const std::optional<double>& value, const QString& spokenName,
                               const QString& spokenUnit, const QString& unbounded)
{
    QString text = quantityText(value);
    if (!value && !unbounded.isEmpty())
        text = unbounded;
    label->setText(text);
    const QString spoken = value ? QStringLiteral("%1 = %2 %3").arg(spokenName, text, spokenUnit).trimmed()
                                 : QStringLiteral("%1: %2").arg(spokenName, value || !unbounded.isEmpty() ? text
                                                                                  : QStringLiteral("nicht bestimmt"));
    label->setAccessibleName(spoken);
}

void ResonanceWindow::present(const std::optional<circuit::CircuitValues>& values, const QString& problem,
                              bool switchOnMode)
{
    // A window opened while an input does not read still shows the last circuit that did.
    if (values && (problem.isEmpty() || !drawn_)) {
        showResult(*values, switchOnMode);
        drawn_ = true;
    }
    if (!problem.isEmpty()) {
        notes_->setText(problem);
        notes_->setAccessibleName(problem);
        notes_->show();
    }
}

void ResonanceWindow::showResult(const circuit::CircuitValues& v, bool switchOnMode)
{
    result_ = circuit::analyseResonance(v);
    const ResonanceResult& r = result_;
    const circuit::Resonance& res = r.resonance;
    const circuit::CircuitQuantities& at = r.present;

    const QStringList notes = resonanceNotes(v, r, switchOnMode);
    notes_->setText(notes.join(u'\n'));
    notes_->setAccessibleName(notes.join(u' '));
    notes_->setVisible(!notes.isEmpty());

    setValue(f0_, res.f0, QStringLiteral("Resonanzfrequenz f0"), QStringLiteral("Hertz"), QStringLiteral("keine"));
    setValue(quality_, res.quality, QStringLiteral("Güte Q"), {},
             res.f0 && !res.quality && r.currentUnbounded() ? QStringLiteral("unbegrenzt") : QString());
    setValue(bandwidth_, res.bandwidth, QStringLiteral("Bandbreite B"), QStringLiteral("Hertz"));
    if (res.bandLow && res.bandHigh) {
        band_->setText(QStringLiteral("%1 … %2").arg(quantityText(res.bandLow), quantityText(res.bandHigh)));
        band_->setAccessibleName(QStringLiteral("Halbwertsband von %1 bis %2 Hertz")
                                     .arg(quantityText(res.bandLow), quantityText(res.bandHigh)));
    } else {
        band_->setText(QStringLiteral("—"));
        band_->setAccessibleName(QStringLiteral("Halbwertsband: nicht bestimmt"));
    }

    presentGroup_->setTitle(QStringLiteral("Bei f = %1 Hz").arg(quantityText(v.f)));
    setValue(xl_, at.xl, QStringLiteral("induktiver Blindwiderstand X L"), QStringLiteral("Ohm"));
    setValue(xc_, at.xc, QStringLiteral("kapazitiver Blindwiderstand X C"), QStringLiteral("Ohm"),
             v.capacitorIn ? QString() : QStringLiteral("ausgebaut"));
    setValue(x_, at.x, QStringLiteral("Blindwiderstand X"), QStringLiteral("Ohm"));
    setValue(z_, at.z, QStringLiteral("Scheinwiderstand Z"), QStringLiteral("Ohm"));
    setValue(i_, at.i, QStringLiteral("Strom I"), QStringLiteral("Ampere"),
             r.currentUnbounded() ? QStringLiteral("unbegrenzt") : QString());
    setValue(phi_, at.phiDegrees, QStringLiteral("Phasenverschiebung phi"), QStringLiteral("Grad"));
    setValue(p_, at.p, QStringLiteral("Wirkleistung P"), QStringLiteral("Watt"));
    setValue(q_, at.q, QStringLiteral("Blindleistung Q"), QStringLiteral("Var"));
    setValue(s_, at.s, QStringLiteral("Scheinleistung S"), QStringLiteral("Voltampere"));
    setValue(cosPhi_, at.cosPhi, QStringLiteral("Leistungsfaktor cos phi"), {});

    ResonanceChart::Curves curves;
    for (const auto& point : r.sweep) {
        curves.current.append(QPointF(point.f, point.i));
        curves.phase.append(QPointF(point.f, point.phiDegrees));
    }
    curves.axisFrom = r.axisFrom;
    curves.axisTo = r.axisTo;
    std::tie(curves.currentBottom, curves.currentTop) = currentAxisOf(v, r);
    if (v.f > 0.0 && v.f >= r.axisFrom && v.f <= r.axisTo) {
        curves.present = v.f;
        curves.presentName = QStringLiteral("f = %1 Hz").arg(quantityText(v.f));
    }
    if (res.f0) {
        curves.resonance = res.f0;
        curves.resonanceName = QStringLiteral("f₀ = %1 Hz").arg(quantityText(res.f0));
    }
    if (res.bandLow && res.bandHigh && *res.bandHigh > *res.bandLow) {
        curves.band = std::make_pair(*res.bandLow, *res.bandHigh);
        curves.bandName = QStringLiteral("Halbwertsband %1 … %2 Hz").arg(quantityText(res.bandLow), quantityText(res.bandHigh));
    }
    chart_->setCurves(curves);

    // The triangles: R, X, Z and P, Q, S, each with φ.
    const QString angle = QStringLiteral("φ = %1°").arg(quantityText(at.phiDegrees));
    if (at.x && at.z && std::isfinite(v.r)) {
        impedanceTriangle_->setTriangle(ui::TriangleView::Triangle{
            v.r, *at.x, QStringLiteral("R = %1 Ω").arg(quantityText(v.r)), QStringLiteral("X = %1 Ω").arg(quantityText(at.x)),
            QStringLiteral("Z = %1 Ω").arg(quantityText(at.z)), angle});
    } else {
        impedanceTriangle_->setTriangle(std::nullopt);
    }
    if (at.p && at.q && at.s) {
        powerTriangle_->setTriangle(ui::TriangleView::Triangle{
            *at.p, *at.q, QStringLiteral("P = %1 W").arg(quantityText(at.p)), QStringLiteral("Q = %1 var").arg(quantityText(at.q)),
            QStringLiteral("S = %1 VA").arg(quantityText(at.s)), angle});
    } else {
        powerTriangle_->setTriangle(std::nullopt);
    }
}

void ResonanceWindow::open()
{
    if (!placed_) {
        placeBesideMainWindow();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

// Right of the main window where the screen has room, otherwise as far right as it has.
void ResonanceWindow::placeBesideMainWindow()
{
    const QScreen* screen = mainWindow_->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect main = mainWindow_->frameGeometry();
    QSize size = this->size().boundedTo(available.size());
    resize(size);
    int left = main.right() + 8;
    if (left + size.width() > available.right())
        left = main.left() - 8 - size.width() >= available.left() ? main.left() - 8 - size.width()
                                                                 : std::max(available.left(), available.right() - size.width());
    const int top = std::clamp(main.top(), available.top(), std::max(available.top(), available.bottom() - size.height()));
    move(left, top);
}

QString ResonanceWindow::valuesTable() const { return sweepTable(result_); }

QImage ResonanceWindow::picture() { return grab().toImage(); }

void ResonanceWindow::copyPicture() { QGuiApplication::clipboard()->setImage(picture()); }

void ResonanceWindow::copyValues() { QGuiApplication::clipboard()->setText(valuesTable()); }
