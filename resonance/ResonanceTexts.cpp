// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceTexts.h"

#include "controls/ControlValues.h"

using circuit::ResonanceKind;

QStringList resonanceNotes(const circuit::CircuitValues& values, const circuit::ResonanceResult& result,
                           bool switchOnMode)
{
    QStringList notes;
    switch (result.resonance.kind) {
    case ResonanceKind::Resonance:
        break;
    case ResonanceKind::NoCapacitor:
        notes << QStringLiteral("Keine Resonanz: der Kondensator ist ausgebaut.");
        break;
    case ResonanceKind::NoCoil:
        notes << (switchOnMode ? QStringLiteral("Keine Resonanz: im Einschaltmodus ist die Spule ausgebaut (L = 0).")
                               : QStringLiteral("Keine Resonanz: ohne Spule (L = 0)."));
        break;
    case ResonanceKind::NoCapacitance:
        notes << QStringLiteral("Keine Resonanz: bei C = 0 lässt der Kondensator keinen Strom durch.");
        break;
    case ResonanceKind::OppositeSigns:
        notes << QStringLiteral("Keine Resonanz: L und C haben verschiedene Vorzeichen, X wird nie 0.");
        break;
    case ResonanceKind::OutOfRange:
        notes << QStringLiteral("Keine Resonanz im Zahlenbereich: f₀ lässt sich nicht berechnen.");
        break;
    }
    if (result.currentUnbounded()) {
        notes << (result.resonance.f0 && values.r == 0.0
                      ? QStringLiteral("R = 0: bei f₀ wächst der Strom über alle Grenzen.")
                      : QStringLiteral("Z = 0: der Strom wächst über alle Grenzen."));
    }
    if (values.r < 0.0)
        notes << QStringLiteral("R < 0 ist kein wirklicher Widerstand: die Werte folgen nur den Formeln.");
    if (values.f <= 0.0)
        notes << QStringLiteral("f ≤ 0 liegt nicht auf der Frequenzachse.");
    else if (!result.present.i)
        notes << QStringLiteral("Bei f = %1 Hz lässt sich der Strom nicht berechnen.").arg(quantityText(values.f));
    return notes;
}

QString sweepTable(const circuit::ResonanceResult& result)
{
    QString table = QStringLiteral("f in Hz\tI in A\tφ in Grad\n");
    for (const auto& point : result.sweep)
        table += textOf(point.f) + u'\t' + textOf(point.i) + u'\t' + textOf(point.phiDegrees) + u'\n';
    return table;
}
