// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ToolTips.h"

#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/Slider.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

void describe(QWidget* widget, const QString& text)
{
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);
}

void installOptionTips(const Controls& controls)
{
    describe(controls.Check1, QStringLiteral("Baut den Kondensator ein oder aus.\nOhne Kondensator ist das Feld C gesperrt; "
                                      "sein Wert bleibt stehen und gilt wieder, sobald er eingebaut ist."));
    describe(controls.perioden, QStringLiteral("Anzahl der Perioden, die das Kurvendiagramm zeigt.\n") + commaHint() +
                             QStringLiteral(", z. B. 1, 2 oder 0,5.\nGilt für „Zeichne!“ und die Animation."));
    describe(controls.phaseein, QStringLiteral("Phase der Spannung im Moment des Einschaltens in Grad.\n") + commaHint() +
                             QStringLiteral(", z. B. 0, 90 oder 45,5.\n"
                                            "Nur im Modus „Im Moment des Einschaltens“ verfügbar."));
    describe(controls.Text1, QStringLiteral("Delay: Pause zwischen zwei Schritten der Animation in Millisekunden (ms), "
                                     "z. B. 10.\nGerundet auf ganze ms; 5 oder weniger ändert die Pause nicht. "
                                     "Der Schieberegler folgt dem Feld.\nGilt ab dem nächsten Schritt."));
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
    describe(controls.Check11, QStringLiteral("Zeiger an: die Zeiger im Zeigerdiagramm drehen sich mit der Animation.\n"
                                       "Mit Haken rückt jede übernommene Eingabe die Zeiger um einen Schritt weiter; "
                                       "ohne Haken bleiben sie stehen."));
    describe(controls.Command1, QStringLiteral("Zeichne!: rechnet die Schaltung neu und zeichnet die gewählten Kurven über "
                                        "die Anzahl der Perioden.\nIm Modus „Im Moment des Einschaltens“ den "
                                        "Einschaltvorgang."));
    describe(controls.Command8, QStringLiteral("CLS: löscht die gezeichneten Kurven.\nAchsen, Zeiger und Kreis bleiben "
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

} // namespace

void installToolTips(const Controls& controls) { installOptionTips(controls); }
