// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceTexts.h"

#include "controls/ControlValues.h"
#include "resonance/ResonanceCurves.h"

using circuit::ResonanceKind;

QStringList resonanceNotes(const circuit::CircuitValues& values, const circuit::ResonanceResult& result,
                           bool switchOnMode, const QStringList& missingFigures)
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
    else if (!result.present.i && !result.currentUnbounded())
        notes << QStringLiteral("Bei f = %1 Hz lässt sich der Strom nicht berechnen.").arg(quantityText(values.f));

    // What of the picture is left out because its numbers leave the double range.
    if (result.sweep.empty() && result.uncomputable > 0)
        notes << QStringLiteral("Die Kurven fehlen: bei keiner Frequenz lässt sich der Strom berechnen.");
    else if (result.uncomputable > 0)
        notes << QStringLiteral("Bei %1 Frequenzen lässt sich der Strom nicht berechnen: dort fehlen die Kurven.")
                     .arg(result.uncomputable);
    int voltageGaps = 0;
    for (const auto& point : result.sweep)
        if (!point.at.ur || !point.at.ul || (values.capacitorIn && !point.at.uc))
            ++voltageGaps;
    if (voltageGaps > 0)
        notes << QStringLiteral("Bei %1 Frequenzen liegt eine Spannung außerhalb des Zahlenbereichs: dort fehlt ihre Kurve.")
                     .arg(voltageGaps);
    if (result.present.i && !missingFigures.isEmpty())
        notes << QStringLiteral("Außerhalb des Zahlenbereichs, nicht gezeichnet: %1.").arg(missingFigures.join(QStringLiteral(", ")));
    return notes;
}

QString unreadableNote(const CircuitTexts& texts)
{
    const ReadCircuit circuit = readCircuit(texts);
    if (circuit.values)
        return {};
    const QString& name = circuit.unreadable->symbol;
    const QString& text = texts[circuit.unreadable->input];
    return text.isEmpty() ? QStringLiteral("%1 ist leer: das Bild zeigt die letzte lesbare Schaltung.").arg(name)
                          : QStringLiteral("%1 = „%2“ ist keine Zahl: das Bild zeigt die letzte lesbare Schaltung.")
                                .arg(name, text.size() > 30 ? text.left(27) + QStringLiteral("...") : text);
}

QString valuesTable(const CircuitTexts& circuit, const circuit::ResonanceResult& result)
{
    QString table = circuitTable(circuit) + u'\n' + QStringLiteral("f in Hz");
    for (const ResonanceCurve& curve : resonanceCurves())
        table += u'\t' + curve.symbol + QStringLiteral(" in ") + curve.unit;
    table += u'\n';
    for (const auto& point : result.sweep) {
        table += textOf(point.f);
        for (const ResonanceCurve& curve : resonanceCurves()) {
            const auto& value = point.at.*curve.value;
            table += u'\t' + (value ? textOf(*value) : QString());
        }
        table += u'\n';
    }
    return table;
}

QString quantityLine(const QString& name, const std::optional<double>& value, const QString& unit)
{
    if (!value || unit.isEmpty())
        return QStringLiteral("%1 = %2").arg(name, quantityText(value));
    // Degrees close up to their number, as the captions of the main window write them.
    return QStringLiteral("%1 = %2%3%4").arg(name, quantityText(value), unit == QStringLiteral("°") ? QString() : QStringLiteral(" "), unit);
}
