// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/ResonanceAnalysis.h"

#include <QWidget>

#include <optional>

class QAction;
class QGroupBox;
class QLabel;

class ResonanceChart;
namespace ui {
class TriangleView;
} // namespace ui

// The window "Resonanz und Leistung": beside the main window, not modal. It shows the
// resonance curve of the circuit in the inputs, its resonance and power quantities and the
// impedance and power triangles, and copies the picture and the drawn values.
class ResonanceWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResonanceWindow(QWidget* mainWindow);

    // Draws the circuit. With a problem (an input that does not read) the window names it
    // and keeps the picture it has.
    void present(const std::optional<circuit::CircuitValues>& values, const QString& problem, bool switchOnMode);

    // Opens it beside the main window the first time, where it was afterwards.
    void open();

    const circuit::ResonanceResult& result() const { return result_; }
    QString valuesTable() const;
    QImage picture();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* valueRow(QGroupBox* group, int row, const QString& name, const QString& objectName, const QString& unit);
    void setValue(QLabel* label, const std::optional<double>& value, const QString& spokenName,
                  const QString& spokenUnit, const QString& unbounded = {});
    void showResult(const circuit::CircuitValues& values, bool switchOnMode);
    void placeBesideMainWindow();
    void copyPicture();
    void copyValues();

    QWidget* mainWindow_;
    bool placed_ = false;
    bool drawn_ = false;
    circuit::ResonanceResult result_;

    QLabel* notes_;
    ResonanceChart* chart_;
    QGroupBox* presentGroup_;
    QLabel *f0_, *quality_, *bandwidth_, *band_;
    QLabel *xl_, *xc_, *x_, *z_, *i_, *phi_;
    QLabel *p_, *q_, *s_, *cosPhi_;
    ui::TriangleView *impedanceTriangle_, *powerTriangle_;
};
