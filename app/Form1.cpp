// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include "animation/AnimationControl.h"
#include "animation/AnimationStepper.h"
#include "app/CurveColours.h"
#include "app/InputTint.h"
#include "app/ResultDetails.h"
#include "app/Schematic.h"
#include "app/ToolTips.h"
#include "app/WindowLayout.h"
#include "app/WorksheetCopy.h"
#include "circuit/ParameterInputs.h"
#include "circuit/StaticAnalysis.h"
#include "controls/CircuitInputs.h"
#include "help/HelpWindow.h"
#include "lesson/LessonDocument.h"
#include "plot/SwitchOnMode.h"
#include "plot/WaveformPlotter.h"
#include "readout/PhasorReadout.h"
#include "readout/WaveformReadout.h"
#include "resonance/ResonanceFollower.h"
#include "ui/ColourButton.h"
#include "ui/Commands.h"
#include "ui/DrawingSurface.h"
#include "ui/EnterPressesButton.h"
#include "ui/GroupFrame.h"
#include "ui/Slider.h"
#include "ui/WindowFont.h"
#include "worksheet/Worksheet.h"
#include "ui/Zoom.h"
#include "zoom/ZoomCommands.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Wellgrat-Simulation von Tovander"));
    Q_INIT_RESOURCE(wellgrat); // the resources live in the static library
    setWindowIcon(QIcon(QStringLiteral(":/icons/wellgrat-32.png")));
    ui::setDesignedFont(this, ui::windowFont());
    // A fixed layout: no resizing, no maximising; first placed in the middle of the screen.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ui::fixSizeInTwips(this, QSize(8880, 7575));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    controls_ = buildControls(this);
    stepper_ = std::make_unique<AnimationStepper>(controls_);
    animation_ = std::make_unique<AnimationControl>(controls_, *stepper_);
    analysis_ = std::make_unique<StaticAnalysis>(controls_, [this] { animation_->Timer1_Timer(); });
    schematic_ = std::make_unique<Schematic>(controls_);
    Schematic* schematic = schematic_.get();
    inputs_ = std::make_unique<ParameterInputs>(controls_, *analysis_,
                                                [schematic](bool shown) { schematic->setCapacitorShown(shown); });
    plotter_ = std::make_unique<WaveformPlotter>(controls_, *analysis_, *stepper_);
    switchOn_ = std::make_unique<SwitchOnMode>(controls_, [schematic](bool shown) { schematic->setCoilShown(shown); });
    colours_ = std::make_unique<CurveColours>(controls_);
    commands_ = new Commands(this);
    copy_ = std::make_unique<WorksheetCopy>(controls_, *analysis_, *plotter_, *commands_);
    new Worksheet(controls_, *analysis_, *plotter_, *commands_); // a child of the window
    wireEvents(); // after the initial values, so creating the controls raises no event
    installToolTips(controls_);
    new InputTint(controls_, *analysis_, *inputs_);
    installResultDetails(controls_, *analysis_);
    new WaveformReadout(controls_, *plotter_, *analysis_); // after the tips: it falls back on them
    new PhasorReadout(controls_);
    installGuide(*commands_, this);
    resonance_ = std::make_unique<ResonanceFollower>(controls_, *analysis_, *inputs_, *commands_);
    lessons_ = new LessonDocument(controls_, *analysis_, *animation_, *commands_);
    new ZoomCommands(this, *commands_); // the window at its remembered zoom, once it is built
    offerMenus();
    ui::letEnterPressButtons(this);
}

Form1::~Form1() = default;

void Form1::Form_Load() { analysis_->CalcStaticData(); }

int Form1::takt() const { return animation_->takt(); }
bool Form1::rechenfehler() const { return analysis_->rechenfehler(); }

// The context menus: all four save and open lessons, zoom and print the worksheet; the drawing
// surfaces copy, "Statische Daten" and the schematic open the window "Resonanz und Leistung".
void Form1::offerMenus()
{
    using Group = Commands::Group;
    commands_->offerMenu(controls_.Picture1, {Group::File, Group::Copy, Group::View, Group::Print});
    commands_->offerMenu(controls_.Picture2, {Group::File, Group::Copy, Group::View, Group::Print});
    commands_->offerMenu(controls_.Frame1, {Group::File, Group::View, Group::Print, Group::Windows});
    commands_->offerMenu(controls_.Frame3, {Group::File, Group::View, Group::Print, Group::Windows});
}

void Form1::wireEvents()
{
    // Every change of a text raises its change event, typed or set by the program; every
    // change of a check box's value raises its click event, clicked or set.
    ParameterInputs* inputs = inputs_.get();
    for (const CircuitInput& input : circuitInputs()) // u_Change … c_Change
        connect(controls_.*input.field, &QLineEdit::textChanged, this, [inputs, &input] { inputs->changed(input.input); });
    connect(controls_.Check1, &QCheckBox::toggled, this, [inputs] { inputs->Check1_Click(); });

    WaveformPlotter* plotter = plotter_.get();
    connect(controls_.Command1, &QPushButton::clicked, this, [plotter] { plotter->Command1_Click(); });
    SwitchOnMode* switchOn = switchOn_.get();
    connect(controls_.Check8, &QCheckBox::toggled, this, [switchOn] { switchOn->Check8_Click(); });

    CurveColours* colours = colours_.get();
    connect(controls_.Command2, &QPushButton::clicked, this, [colours] { colours->Command2_Click(); });
    connect(controls_.Command3, &QPushButton::clicked, this, [colours] { colours->Command3_Click(); });
    connect(controls_.Command4, &QPushButton::clicked, this, [colours] { colours->Command4_Click(); });
    connect(controls_.Command5, &QPushButton::clicked, this, [colours] { colours->Command5_Click(); });
    connect(controls_.Command6, &QPushButton::clicked, this, [colours] { colours->Command6_Click(); });
    connect(controls_.Command7, &QPushButton::clicked, this, [colours] { colours->Command7_Click(); });
    connect(controls_.Command8, &QPushButton::clicked, this, [colours] { colours->Command8_Click(); });

    AnimationControl* animation = animation_.get();
    connect(controls_.Timer1, &QTimer::timeout, this, [animation] { animation->timerElapsed(); });
    connect(controls_.Check10, &QCheckBox::toggled, this, [animation] { animation->Check10_Click(); });
    // The program sets the slider only with its signals blocked, so this is the user's.
    connect(controls_.Slider1, &QSlider::valueChanged, this, [animation] { animation->Slider1_Click(); });
    // A click that leaves the value where it is brings the delay field back in step too.
    connect(controls_.Slider1, &ui::Slider::clickedInPlace, this, [animation] { animation->Slider1_Click(); });
    connect(controls_.Text1, &QLineEdit::textChanged, this, [animation] { animation->Text1_Change(); });
}
