// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ToolTips.h"

#include "circuit/DerivedQuantities.h"
#include "circuit/GermanNumber.h"
#include "circuit/InputWait.h"
#include "circuit/Rounding.h"
#include "ui/ColourButton.h"
#include "controls/Curves.h"
#include "ui/DrawingSurface.h"
#include "ui/InputState.h"
#include "ui/ResultLabel.h"
#include "ui/Slider.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <vector>

namespace {

std::u16string_view viewOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

QString german(double value) { return QString::fromStdString(circuit::formatGermanNumber(value)); }

void describe(QWidget* widget, const QString& text)
{
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);
}

// "C = 10 µF": the value in the unit that a classroom uses for it.
QString currentValue(const QLineEdit* field, double factor, const QString& unit)
{
    const QString text = field->text();
    if (text.isEmpty())
        return QStringLiteral("Jetzt: leer");
    const auto value = circuit::parseGermanNumber(viewOf(text));
    if (!value)
        return QStringLiteral("Jetzt: keine Zahl");
    return QStringLiteral("Jetzt: %1 = %2 %3")
        .arg(field->objectName().toUpper(), german(circuit::roundSignificant(*value * factor, 6)), unit);
}

QString reasonText(circuit::InputWait wait)
{
    using circuit::InputWait;
    QString reason;
    switch (wait) {
    case InputWait::Taken:
        return {};
    case InputWait::Empty:
        reason = QStringLiteral("Nicht übernommen: Das Feld ist leer.");
        break;
    case InputWait::DecimalPoint:
        reason = QStringLiteral("Bitte ein Dezimalkomma verwenden, z. B. 0,5 statt 0.5.");
        break;
    case InputWait::NotANumber:
        reason = QStringLiteral("Nicht übernommen: Das ist keine Zahl. Bitte eine Zahl mit Dezimalkomma eingeben.");
        break;
    case InputWait::BelowOne:
        reason = QStringLiteral("Werte unter 1 werden nicht übernommen.");
        break;
    case InputWait::Zero:
        reason = QStringLiteral("Nicht übernommen: 0 F ist kein Kondensator. Weitertippen, z. B. 0,00002.");
        break;
    case InputWait::Unfinished:
        reason = QStringLiteral("Nicht übernommen: Die Zahl ist noch nicht fertig.");
        break;
    }
    return reason + QStringLiteral("\nDie Ergebnisse gelten noch für den zuletzt übernommenen Wert.");
}

const QString kCommaHint = QStringLiteral("Zahlen mit Dezimalkomma eingeben");

// One circuit input: its help, and the verdict of its change handler on a text.
struct CircuitInput {
    QLineEdit* field;
    QString help;
    circuit::InputWait (*wait)(std::u16string_view);
    double factor = 0.0; // > 0: the help ends with the current value in `unit`
    QString unit;
};

// The tint follows the handler's verdict on the text just typed; a run of the analysis reads
// every input, so after it the texts it read count as taken whatever their handler said.
void showState(const CircuitInput& input, bool justRead)
{
    QString help = input.help;
    if (input.factor > 0.0)
        help += QLatin1Char('\n') + currentValue(input.field, input.factor, input.unit);
    const circuit::InputWait wait = justRead ? circuit::InputWait::Taken : input.wait(viewOf(input.field->text()));
    ui::showInputState(input.field, reasonText(wait), help);
}

std::vector<CircuitInput> circuitInputs(const Controls& controls)
{
    return {
        {controls.u,
         QStringLiteral("Spannung U der Quelle, Effektivwert in Volt (V).\n") + kCommaHint +
             QStringLiteral(", z. B. 10 oder 12,5.\nWerte unter 1 werden nicht übernommen."),
         circuit::waitOfWholeNonZero, 0.0, {}},
        {controls.f,
         QStringLiteral("Frequenz f der Quelle in Hertz (Hz).\n") + kCommaHint +
             QStringLiteral(", z. B. 50 oder 162,5.\nWerte unter 1 werden nicht übernommen."),
         circuit::waitOfWholeNonZero, 0.0, {}},
        {controls.r,
         QStringLiteral("Widerstand R in Ohm.\n") + kCommaHint +
             QStringLiteral(", z. B. 100 oder 47,5.\nWerte unter 1 werden nicht übernommen."),
         circuit::waitOfWholeNonZero, 0.0, {}},
        {controls.l,
         QStringLiteral("Induktivität L der Spule in Henry (Hy).\n") + kCommaHint +
             QStringLiteral(", z. B. 0,1 Hy = 100 mH.\n0 heißt: keine Spule."),
         circuit::waitOfInductance, 1e3, QStringLiteral("mH")},
        {controls.c,
         QStringLiteral("Kapazität C des Kondensators in Farad (F).\n") + kCommaHint +
             QStringLiteral(", z. B. 0,00001 F = 10 µF (oder 1E-5).\n0 wird nicht übernommen.\n"
                            "Gilt nur, wenn „Eingebaut“ angehakt ist."),
         circuit::waitOfCapacitance, 1e6, QStringLiteral("µF")},
    };
}

void installInputTips(const Controls& controls)
{
    const Controls* all = &controls;
    for (const CircuitInput& input : circuitInputs(controls)) {
        showState(input, true);
        QLineEdit* field = input.field;
        // Connected after the change handlers, so the verdict comes after the handler's run.
        QObject::connect(field, &QLineEdit::textChanged, field, [all, field] {
            for (const CircuitInput& each : circuitInputs(*all))
                if (each.field == field)
                    showState(each, false);
        });
    }
}

void installOptionTips(const Controls& controls)
{
    describe(controls.Check1, QStringLiteral("Baut den Kondensator ein oder aus.\nOhne Kondensator ist das Feld C gesperrt; "
                                      "sein Wert bleibt stehen und gilt wieder, sobald er eingebaut ist."));
    describe(controls.perioden, QStringLiteral("Anzahl der Perioden, die das Kurvendiagramm zeigt.\n") + kCommaHint +
                             QStringLiteral(", z. B. 1, 2 oder 0,5.\nGilt für „Zeichne!“ und die Animation."));
    describe(controls.phaseein, QStringLiteral("Phase der Spannung im Moment des Einschaltens in Grad.\n") + kCommaHint +
                             QStringLiteral(", z. B. 0, 90 oder 45,5.\n"
                                            "Nur im Modus „Im Moment des Einschaltens“ verfügbar."));
    describe(controls.Text1, QStringLiteral("Delay: Pause zwischen zwei Schritten der Animation in Millisekunden (ms).\n"
                                     "Eine ganze Zahl über 5, z. B. 10; der Schieberegler folgt dem Feld.\n"
                                     "Gilt ab dem nächsten Schritt."));
    describe(controls.Slider1, QStringLiteral("Delay mit der Maus: 5 bis 500 ms Pause zwischen zwei Schritten der Animation.\n"
                                       "Das Feld Delay zeigt den Wert."));

    const QString curveOn = QStringLiteral("Schaltet die Kurve „%1“ im Kurvendiagramm ein oder aus%2.");
    const QString phasor = QStringLiteral(", mit ihrem Zeiger im Zeigerdiagramm");
    const QString locked = QStringLiteral("\nIm Modus „Im Moment des Einschaltens“ gesperrt.");
    describe(controls.Check2, curveOn.arg(controls.Check2->text(), phasor) +
                           QStringLiteral("\nDie Spannung ist auf volle Höhe gezeichnet."));
    describe(controls.Check3, curveOn.arg(controls.Check3->text(), phasor) +
                           QStringLiteral("\nDer Strom ist auf volle Höhe gezeichnet."));
    describe(controls.Check4, curveOn.arg(controls.Check4->text(), QString()) +
                           QStringLiteral("\nDie Leistung hat keinen Zeiger: sie ist das Produkt von Spannung und Strom."));
    describe(controls.Check5, curveOn.arg(controls.Check5->text(), phasor) + QStringLiteral("\nBezogen auf Û.") + locked);
    describe(controls.Check6, curveOn.arg(controls.Check6->text(), phasor) +
                           QStringLiteral("\nBezogen auf Û; nur mit eingebautem Kondensator.") + locked);
    describe(controls.Check7, curveOn.arg(controls.Check7->text(), phasor) + QStringLiteral("\nBezogen auf Û.") + locked);

    for (const CurveControls& curve : curvesOf(controls))
        describe(curve.colour, QStringLiteral("Farbe der Kurve „%1“ wählen.\nDie neue Farbe gilt für alle Punkte, die "
                                              "danach gezeichnet werden%2.")
                                   .arg(curve.check->text(),
                                        curve.phasor ? QStringLiteral(", und für ihren Zeiger") : QString()));

    describe(controls.Check8, QStringLiteral("Zeigt, was im Moment des Einschaltens geschieht: die Quelle wird bei der "
                                      "gewählten Phase an Widerstand und ungeladenen Kondensator gelegt.\n"
                                      "Die Spule wird dafür ausgebaut (L = 0), und es gibt nur Spannung, Strom "
                                      "und Leistung."));
    describe(controls.Check9, QStringLiteral("Refresh beim Zeichnen: zeigt die Kurven schon während des Zeichnens, Punkt "
                                      "für Punkt.\nOhne Haken erscheint das Bild erst am Ende, dafür schneller."));
    describe(controls.Check10, QStringLiteral("Loop: lässt die Animation laufen, einen Schritt je Delay.\nDie Kurven wachsen "
                                       "über das Kurvendiagramm, die Zeiger drehen sich; nach 4999 Schritten "
                                       "beginnt sie auf leerem Diagramm von vorn.\nSchaltet „Zeiger an“ mit ein."));
    describe(controls.Check11, QStringLiteral("Zeiger an: die Zeiger im Zeigerdiagramm drehen sich mit jedem Schritt "
                                       "mit.\nOhne Haken bleiben sie stehen; jede übernommene Eingabe rückt sie "
                                       "sonst um einen Schritt weiter."));
    describe(controls.Command1, QStringLiteral("Zeichne!: rechnet die Schaltung neu und zeichnet die gewählten Kurven über "
                                        "die Anzahl der Perioden.\nIm Modus „Im Moment des Einschaltens“ den "
                                        "Einschaltvorgang."));
    describe(controls.Command8, QStringLiteral("CLS: löscht Kurvendiagramm und Zeigerdiagramm.\nAchsen und Zeiger bleiben "
                                        "stehen; eine laufende Animation zeichnet weiter."));
    describe(controls.Picture1,
             QStringLiteral("Kurvendiagramm: der zeitliche Verlauf der gewählten Kurven, von links nach rechts.\n"
                            "Spannung und Strom sind jede auf volle Höhe gezeichnet, die Leistung als Produkt "
                            "beider (positiv über der Achse); die Spannungen an R, C und L sind auf Û "
                            "bezogen.\n"
                            "Im Einschaltvorgang ist die Spannung auf volle Höhe gezeichnet, der Strom auf Î "
                            "bezogen, und positive Leistung liegt unter der Achse.\n"
                            "Rechtsklick: Bild, Fenster oder Werte kopieren; Strg+C kopiert das Bild."));
    describe(controls.Picture2, QStringLiteral("Zeigerdiagramm: jeder Zeiger dreht sich gegen den Uhrzeigersinn; seine Höhe "
                                        "ist der Wert der Kurve im selben Augenblick.\nSpannung und Strom reichen "
                                        "bis an den Kreis, die Spannungen an R, C und L sind auf Û bezogen.\n"
                                        "Rechtsklick: Bild, Fenster oder Werte kopieren; Strg+C kopiert das Bild."));
}

QString derivedLine(const QString& name, const std::optional<double>& value, const QString& unit)
{
    if (!value)
        return {};
    QString line = QLatin1Char('\n') + name + QStringLiteral(" = ") +
                   QString::fromStdString(circuit::derivedText(*value));
    return unit.isEmpty() ? line : line + QLatin1Char(' ') + unit;
}

} // namespace

QString derivedQuantitiesText(const Controls& controls)
{
    const QString f = controls.f->text(), l = controls.l->text(), capacitance = controls.c->text();
    const QString ueff = controls.ueff->text(), ieff = controls.ieff->text(), phi = controls.phi->text();
    const circuit::DerivedQuantities derived = circuit::deriveQuantities(
        {viewOf(f), viewOf(l), viewOf(capacitance), controls.Check1->isChecked(), viewOf(ueff), viewOf(ieff), viewOf(phi)});
    QString lines;
    lines += derivedLine(QStringLiteral("X_L = ω·L"), derived.inductiveReactance, QStringLiteral("Ohm"));
    lines += derivedLine(QStringLiteral("X_C = 1/(ω·C)"), derived.capacitiveReactance, QStringLiteral("Ohm"));
    lines += derivedLine(QStringLiteral("cos φ"), derived.powerFactor, {});
    lines += derivedLine(QStringLiteral("P = Ueff·Ieff·cos φ"), derived.activePower, QStringLiteral("W"));
    lines += derivedLine(QStringLiteral("Q = Ueff·Ieff·sin φ"), derived.reactivePower, QStringLiteral("var"));
    lines += derivedLine(QStringLiteral("S = Ueff·Ieff"), derived.apparentPower, QStringLiteral("VA"));
    lines += derivedLine(QStringLiteral("f₀ = 1/(2π·√(L·C))"), derived.resonanceFrequency, QStringLiteral("Hz"));
    if (lines.isEmpty())
        return {};
    QString text = QStringLiteral("Aus den angezeigten Werten berechnet:") + lines;
    for (const QLineEdit* input : {controls.u, controls.f, controls.r, controls.l, controls.c})
        if (ui::isTinted(input)) {
            text += QStringLiteral("\nEine Eingabe ist noch nicht übernommen.");
            break;
        }
    return text;
}

void markInputsRead(const Controls& controls)
{
    for (const CircuitInput& input : circuitInputs(controls))
        if (input.field != controls.c || controls.Check1->isChecked()) // without the capacitor C is not read
            showState(input, true);
}

void installToolTips(const Controls& controls)
{
    installInputTips(controls);
    installOptionTips(controls);
    const Controls* all = &controls;
    for (QLabel* result : {controls.ueff, controls.ieff, controls.z, controls.phi, controls.udach, controls.idach})
        static_cast<ui::ResultLabel*>(result)->setDetails([all] { return derivedQuantitiesText(*all); });
}
