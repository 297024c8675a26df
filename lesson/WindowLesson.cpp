// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/WindowLesson.h"

#include "animation/AnimationControl.h"
#include "circuit/StaticAnalysis.h"
#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "ui/ColourButton.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <utility>
#include <vector>

Lesson captureLesson(const Controls& controls)
{
    Lesson lesson;
    lesson.circuit = textsOf(controls);
    for (const CurveControls& curve : curvesOf(controls)) {
        Lesson::CurveSetting& setting = lesson.curves[std::size_t(curve.curve)];
        setting.shown = curve.check->isChecked();
        setting.colour = curve.colour->backColour();
        if (curve.phasor)
            setting.phasorColour = curve.phasor->colour();
    }
    lesson.periods = controls.perioden->text();
    lesson.switchOn = controls.Check8->isChecked();
    lesson.switchOnPhase = controls.phaseein->text();
    lesson.refreshWhileDrawing = controls.Check9->isChecked();
    lesson.phasorsOn = controls.Check11->isChecked();
    lesson.loop = controls.Check10->isChecked();
    lesson.delay = controls.Text1->text();
    return lesson;
}

std::optional<ui::Message> applyLesson(const Lesson& lesson, const Lesson& start, const Controls& controls,
                                       StaticAnalysis& analysis, AnimationControl& animation)
{
    const ui::HeldMessages held;
    const Controls& k = controls;

    // A state from which either mode is entered without a word: the loop stopped, the
    // switch-on mode left, the capacitor built in.
    k.Check10->setChecked(false);
    k.Check8->setChecked(false);
    k.Check1->setChecked(true);

    // The circuit's texts that their handlers take; the switch-on mode has taken the coil out.
    std::vector<std::pair<QLineEdit*, QString>> waiting;
    for (const CircuitInput& input : circuitInputs()) {
        QString text = lesson.circuit[input.input];
        if (lesson.switchOn && input.input == circuit::Input::L && optionalNumber(text) != 0.0)
            text = QStringLiteral("0");
        QLineEdit* field = k.*input.field;
        if (input.accepts(utf16View(text))) {
            field->setText(text);
        } else {
            field->setText(start.circuit[input.input]);
            waiting.emplace_back(field, text);
        }
    }

    // With L at 0 and the capacitor in, entering the mode asks for nothing; then the capacitor.
    k.Check8->setChecked(lesson.switchOn);
    k.Check1->setChecked(lesson.circuit.capacitorIn);

    for (const CurveControls& curve : curvesOf(k)) {
        const Lesson::CurveSetting& setting = lesson.curves[std::size_t(curve.curve)];
        curve.check->setChecked(setting.shown);
        curve.colour->setBackColour(setting.colour);
        if (curve.phasor)
            curve.phasor->setColour(setting.phasorColour);
    }
    k.Check9->setChecked(lesson.refreshWhileDrawing);
    k.Check11->setChecked(true); // as the window starts, for the load's step
    k.perioden->setText(lesson.periods);
    k.phaseein->setText(lesson.switchOnPhase);
    // The slider as the window starts, where the lesson's delay does not move it.
    k.Text1->setText(start.delay);
    k.Text1->setText(lesson.delay);

    // As after start-up: the first step anew on cleared surfaces, drawn by the load's run.
    animation.restart();
    k.Command8->click();
    const std::size_t before = held.messages().size();
    analysis.CalcStaticData();

    for (const auto& [field, text] : waiting)
        field->setText(text);
    k.Check10->setChecked(lesson.loop);
    k.Check11->setChecked(lesson.phasorsOn);

    if (held.messages().size() > before)
        return held.messages()[before];
    return std::nullopt;
}
