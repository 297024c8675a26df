// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QWidget>

#include <memory>

class AnimationControl;
class AnimationStepper;
class Commands;
class CurveColours;
class LessonDocument;
class ParameterInputs;
class ResonanceFollower;
class Schematic;
class StaticAnalysis;
class SwitchOnMode;
class WaveformPlotter;
class WorksheetCopy;

// The one window of the program. Constructing it creates every control in its initial state
// and wires each event to its handler; Form_Load runs start-up.
class Form1 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int takt READ takt)
    Q_PROPERTY(bool rechenfehler READ rechenfehler)
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    void Form_Load();

    int takt() const;
    bool rechenfehler() const;

    const Controls& controls() const { return controls_; }
    StaticAnalysis& staticAnalysis() { return *analysis_; }
    const StaticAnalysis& staticAnalysis() const { return *analysis_; }
    AnimationStepper& animationStepper() { return *stepper_; }
    AnimationControl& animationControl() { return *animation_; }
    WaveformPlotter& plotter() { return *plotter_; }
    WorksheetCopy& worksheetCopy() { return *copy_; }
    Schematic& schematic() { return *schematic_; }
    Commands& commands() { return *commands_; }
    LessonDocument& lessons() { return *lessons_; }

private:
    void wireEvents();
    void offerMenus();

    Controls controls_;
    Commands* commands_ = nullptr; // a child of the window
    std::unique_ptr<AnimationStepper> stepper_;
    std::unique_ptr<AnimationControl> animation_;
    std::unique_ptr<StaticAnalysis> analysis_;
    std::unique_ptr<Schematic> schematic_;
    std::unique_ptr<ParameterInputs> inputs_;
    std::unique_ptr<WaveformPlotter> plotter_;
    std::unique_ptr<SwitchOnMode> switchOn_;
    std::unique_ptr<CurveColours> colours_;
    std::unique_ptr<ResonanceFollower> resonance_;
    std::unique_ptr<WorksheetCopy> copy_;
    LessonDocument* lessons_ = nullptr; // a child of the window
};
