// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/ResonanceAnalysis.h"
#include "controls/CircuitInputs.h"
#include "ui/SideWindow.h"

#include <QStringList>

#include <optional>
#include <vector>

class QGroupBox;
class QLabel;

class ResonanceChart;
namespace ui {
class VectorFigure;
} // namespace ui

// The window "Resonanz und Leistung": beside the main window, not modal. It shows the
// resonance curve of the circuit in the inputs and, at choice, the voltages across R, L and
// C over the frequency; its resonance, its quantities at the present frequency, its power;
// the impedance and power triangles and the chain of the voltages' phasors. It copies the
// picture and the drawn values.
class ResonanceWindow : public ui::SideWindow {
    Q_OBJECT
public:
    struct Circuit {
        CircuitTexts texts; // as the static analysis read them
        circuit::CircuitValues values;
    };

    explicit ResonanceWindow(QWidget* mainWindow);

    // Draws the circuit (none: no input has been read as a number yet).
    void present(const std::optional<Circuit>& circuit, bool switchOnMode);
    // What the window says of the inputs as they are typed (one that is not a number), above
    // what it says of the circuit it draws.
    void setProblem(const QString& problem);

    const circuit::ResonanceResult& result() const { return result_; }
    QString valuesTable() const;
    QImage picture();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        QLabel* value;
        QLabel* unit;
        QString unitText;
    };
    Row valueRow(QGroupBox* group, int row, const QString& name, const QString& objectName, const QString& unit);
    static void fitWidths(const Row& row);
    void setValue(const Row& row, const std::optional<double>& value, const QString& spokenName,
                  const QString& spokenUnit, const QString& word = {});
    void draw();
    void showNotes();
    void showCurves();
    void zoomTo(double from, double to);
    void copyPicture();
    void copyValues();

    std::optional<Circuit> circuit_;
    bool switchOnMode_ = false;
    std::optional<circuit::FrequencyRange> zoom_;
    circuit::ResonanceResult result_;
    QString problem_;
    QStringList circuitNotes_;

    std::vector<Row> rows_;
    QLabel* notes_;
    ResonanceChart* chart_;
    QGroupBox* presentGroup_;
    Row f0_, quality_, bandwidth_, bandLow_, bandHigh_;
    Row xl_, xc_, x_, z_, i_, phi_, ur_, ul_, uc_;
    Row p_, q_, s_, cosPhi_;
    ui::VectorFigure *impedanceTriangle_, *voltageChain_, *powerTriangle_;
};
