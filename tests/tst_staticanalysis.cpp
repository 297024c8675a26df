// SPDX-License-Identifier: GPL-3.0-or-later
// The window after start-up and the static analysis behind its six result captions, driven
// through the real window: field texts, the capacitor check box, captions, the error flag,
// the one error message and the animation tick that follows a successful run.
#include "TestSupport.h"

#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/GroupFrame.h"
#include "ui/LineElement.h"
#include "ui/Slider.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

const QString kErrorText = QStringLiteral("Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0.");
const QString kErrorTitle = QStringLiteral("Fehler!");

const QStringList kDefaultCircuit = {"10", "14,142135623731", "-70,7834", "303,8226", "0,03291", "0,04654"};
const QStringList kCapacitorRemoved = {"10", "14,142135623731", "17,4405944903738", "104,8187", "0,0954", "0,13492"};
const QStringList kCoilZero = {"10", "14,142135623731", "-72,5594", "333,6483", "0,02997", "0,04238"};

// Applies edits of the form "field=text" with setText (each raises the field's change event,
// which recomputes only when its acceptance rule holds) and "Check1=0" / "Check1=1".
void apply(const Controls& controls, const QStringList& edits)
{
    for (const QString& edit : edits) {
        const QString name = edit.section(QLatin1Char('='), 0, 0);
        const QString value = edit.section(QLatin1Char('='), 1);
        if (name == QLatin1String("Check1")) {
            controls.Check1->setChecked(value == QLatin1String("1"));
            continue;
        }
        auto* field = controls.form->findChild<QLineEdit*>(name);
        if (!field)
            qFatal("no text field %s", qPrintable(name));
        field->setText(value);
    }
}

template <typename T = QObject>
T* named(const LoadedWindow& w, const QString& name)
{
    auto* object = w.form.findChild<T*>(name);
    if (!object)
        qFatal("no control %s", qPrintable(name));
    return object;
}

} // namespace

class StaticAnalysisTest : public QObject {
    Q_OBJECT

private slots:
    // ---- results ---------------------------------------------------------------------
    void opensWithTheResultsOfTheDefaultCircuit();
    void showsResults_data();
    void showsResults();
    void typedVoltageIsCopiedAsTyped();
    void typedMarkupIsShownAsTyped();

    // ---- failures --------------------------------------------------------------------
    void failsWithOneMessage_data();
    void failsWithOneMessage();
    void setsTheFlagAfterTheMessageIsClosed();
    void aLaterSuccessDoesNotClearTheFlag();

    // ---- the animation tick ----------------------------------------------------------
    void ticksOnlyWithPhasorsOn();

    // ---- the window at start-up ------------------------------------------------------
    void initialTexts_data();
    void initialTexts();
    void initialCheckStates();
    void initialEnabledFlags();
    void initialColours();
    void initialVisibility();
    void timerAndSliderAfterStartUp();
    void windowAndFonts();
    void focusOrder();
    void geometry_data();
    void geometry();
};

// ------------------------------------------------------------------------------------
// Results

void StaticAnalysisTest::opensWithTheResultsOfTheDefaultCircuit()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    QCOMPARE(captions(w.controls), kDefaultCircuit);
    QVERIFY(!w.rechenfehler());
    QCOMPARE(w.takt(), 1); // the one tick of the start-up run
    QVERIFY(dialogs.messages.empty());
}

void StaticAnalysisTest::showsResults_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("runs"); // successful runs the edits start, each with one tick

    QTest::newRow("capacitor removed") << QStringList{"Check1=0"} << kCapacitorRemoved << 1;
    QTest::newRow("capacitor removed and built in again")
        << QStringList{"Check1=0", "Check1=1"} << kDefaultCircuit << 2;
    QTest::newRow("capacitor removed, c is not read")
        << QStringList{"Check1=0", "c=abc"} << kCapacitorRemoved << 2;
    QTest::newRow("capacitor removed, L = 0")
        << QStringList{"Check1=0", "l=0"} << QStringList{"10", "14,142135623731", "0", "100", "0,1", "0,14142"} << 2;
    QTest::newRow("capacitor removed, L = 0,2")
        << QStringList{"Check1=0", "l=0,2"}
        << QStringList{"10", "14,142135623731", "32,1419076345153", "118,101", "0,08467", "0,11974"} << 2;
    // A pure coil: the phase is the limit of the arc tangent, not the phase of an earlier
    // circuit left standing beside the new impedance.
    QTest::newRow("capacitor removed, R = 0")
        << QStringList{"r=0", "Check1=0"} << QStringList{"10", "14,142135623731", "90", "31,4159", "0,31831", "0,45016"}
        << 1;
    QTest::newRow("capacitor removed, R = 0 after another phase")
        << QStringList{"Check1=0", "r=0", "l=0,10"}
        << QStringList{"10", "14,142135623731", "90", "31,4159", "0,31831", "0,45016"} << 2;
    QTest::newRow("capacitor removed, R = 0, negative L")
        << QStringList{"r=0", "Check1=0", "l=-0,1"}
        << QStringList{"10", "14,142135623731", "-90", "31,4159", "0,31831", "0,45016"} << 2;
    QTest::newRow("capacitor removed, R = 0, negative F")
        << QStringList{"Check1=0", "r=0", "f=-50"}
        << QStringList{"10", "14,142135623731", "-90", "31,4159", "0,31831", "0,45016"} << 2;
    QTest::newRow("capacitor built in, L = 0") << QStringList{"l=0"} << kCoilZero << 1;
    QTest::newRow("U = 0")
        << QStringList{"u=0", "l=0,10"} << QStringList{"0", "0", "-70,7834", "303,8226", "0", "0"} << 1;
    QTest::newRow("U = 20")
        << QStringList{"u=20"}
        << QStringList{"20", "28,2842712474619", "-70,7834", "303,8226", "0,06583", "0,0931"} << 1;
    // Below 1 mA five places keep fewer than three digits: three significant digits instead.
    QTest::newRow("U 1, R 100000: 10 µA")
        << QStringList{"u=1", "r=100000"}
        << QStringList{"1", "1,4142135623731", "-0,1644", "100000,4115", "1E-05", "1,41E-05"} << 2;
    QTest::newRow("C 1 nF: 3 µA")
        << QStringList{"c=0,000000001"}
        << QStringList{"10", "14,142135623731", "-89,9982", "3183067,4471", "3,14E-06", "4,44E-06"} << 1;
    QTest::newRow("0,667 mA")
        << QStringList{"Check1=0", "l=0", "r=1500", "u=1"}
        << QStringList{"1", "1,4142135623731", "0", "1500", "0,000667", "0,000943"} << 4;
    QTest::newRow("1 mA: five places as before")
        << QStringList{"Check1=0", "l=0", "r=1000", "u=1"}
        << QStringList{"1", "1,4142135623731", "0", "1000", "0,001", "0,00141"} << 4;
    QTest::newRow("0,999 mA: three digits, though five places would make 1 mA")
        << QStringList{"Check1=0", "l=0", "r=1001", "u=1"}
        << QStringList{"1", "1,4142135623731", "0", "1001", "0,000999", "0,00141"} << 4;
    QTest::newRow("U 1, R 1E40: 1E-40 A, not 0")
        << QStringList{"Check1=0", "l=0", "r=1E40", "u=1"}
        << QStringList{"1", "1,4142135623731", "0", "1E+40", "1E-40", "1,41E-40"} << 4;
    QTest::newRow("U 1 mV, R 1000: 1 µA")
        << QStringList{"Check1=0", "l=0", "r=1000", "u=0,001", "f=60"}
        << QStringList{"0,001", "0,0014142135623731", "0", "1000", "1E-06", "1,41E-06"} << 4;
}

void StaticAnalysisTest::showsResults()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, expected);
    QFETCH(int, runs);
    DialogRecorder dialogs;
    LoadedWindow w;
    apply(w.controls, edits);
    QVERIFY2(dialogs.messages.empty(), qPrintable(dialogs.texts().join(QLatin1Char('\n'))));
    QCOMPARE(captions(w.controls), expected);
    QVERIFY(!w.rechenfehler());
    QCOMPARE(w.takt(), 1 + runs);
}

// ueff is the text of u as typed, blanks and all; only udach is computed from it.
void StaticAnalysisTest::typedVoltageIsCopiedAsTyped()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    typeInto(w.controls.u, QStringLiteral(" 1e1 "));
    QCOMPARE(w.controls.u->text(), QStringLiteral(" 1e1 "));
    QCOMPARE(captions(w.controls), (QStringList{" 1e1 ", "14,142135623731", "-70,7834", "303,8226", "0,03291", "0,04654"}));
    QVERIFY(dialogs.messages.empty());

    w.controls.u->setText(QStringLiteral("10,0"));
    QCOMPARE(w.controls.ueff->text(), QStringLiteral("10,0"));
    QCOMPARE(w.controls.udach->text(), QStringLiteral("14,142135623731"));
}

// A typed text that looks like markup is shown as typed, not formatted.
void StaticAnalysisTest::typedMarkupIsShownAsTyped()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    const QString markup = QStringLiteral("<b>1</b>");
    w.controls.u->setText(markup); // not a number: no run
    w.controls.l->setText(QStringLiteral("0,2")); // this run copies it, then fails on it
    QCOMPARE(w.controls.ueff->text(), markup);
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    const int typedWidth = QFontMetrics(w.controls.ueff->font()).horizontalAdvance(markup);
    QVERIFY2(w.controls.ueff->sizeHint().width() >= typedWidth, "the caption was rendered as rich text");
}

// ------------------------------------------------------------------------------------
// Failures: one message, the captions of the steps already done written, the later ones
// kept, the flag set, and no animation tick.

void StaticAnalysisTest::failsWithOneMessage_data()
{
    QTest::addColumn<QStringList>("setup");   // edits before the failing one; no failure yet
    QTest::addColumn<QStringList>("trigger"); // the edit whose run fails
    QTest::addColumn<QStringList>("expected");

    const QString phi = kDefaultCircuit[2], z = kDefaultCircuit[3], ieff = kDefaultCircuit[4],
                  idach = kDefaultCircuit[5];

    QTest::newRow("capacitor built in, R = 0")
        << QStringList{"r=0"} << QStringList{"u=20"}
        << QStringList{"20", "28,2842712474619", phi, z, ieff, idach};
    // A zero capacitance waits in its field; the next run that another input starts meets it.
    QTest::newRow("capacitor built in, C = 0")
        << QStringList{"u=0", "c=0"} << QStringList{"l=0,2"} << QStringList{"0", "0", phi, z, ieff, idach};
    QTest::newRow("capacitor built in, F = 0")
        << QStringList{"f=0"} << QStringList{"u=20"}
        << QStringList{"20", "28,2842712474619", phi, z, ieff, idach};
    QTest::newRow("letters in l")
        << QStringList{"u=0"} << QStringList{"l=abc"} << QStringList{"0", "0", phi, z, ieff, idach};
    QTest::newRow("blanks in l")
        << QStringList{} << QStringList{"l=   "} << kDefaultCircuit;
    QTest::newRow("a point in c")
        << QStringList{"u=0"} << QStringList{"c=1.5"} << QStringList{"0", "0", phi, z, ieff, idach};
    QTest::newRow("letters in f, run from l")
        << QStringList{"f=abc"} << QStringList{"l=0,2"} << kDefaultCircuit;
    QTest::newRow("letters in u, run from l")
        << QStringList{"u=zehn"} << QStringList{"l=0,2"}
        << QStringList{"zehn", "14,142135623731", phi, z, ieff, idach};
    QTest::newRow("letters in r, capacitor removed")
        << QStringList{"Check1=0", "r=abc"} << QStringList{"l=0,2"} << kCapacitorRemoved;
    QTest::newRow("overflow of the peak voltage")
        << QStringList{} << QStringList{"u=1,5e308"}
        << QStringList{"1,5e308", "14,142135623731", phi, z, ieff, idach};
    QTest::newRow("overflow of the reactance")
        << QStringList{} << QStringList{"l=1e307"} << kDefaultCircuit;
    // Z is 0: its caption is written, then the effective current divides by it.
    QTest::newRow("capacitor removed, R = 0 and L = 0")
        << QStringList{"l=0", "r=0"} << QStringList{"Check1=0"}
        << QStringList{"10", "14,142135623731", kCoilZero[2], "0", kCoilZero[4], kCoilZero[5]};
    QTest::newRow("capacitor removed, R = 0 and F = 0")
        << QStringList{"Check1=0", "r=0", "f=0"} << QStringList{"l=0,2"}
        << QStringList{"10", "14,142135623731", kCapacitorRemoved[2], "0", kCapacitorRemoved[4], kCapacitorRemoved[5]};
}

void StaticAnalysisTest::failsWithOneMessage()
{
    QFETCH(QStringList, setup);
    QFETCH(QStringList, trigger);
    QFETCH(QStringList, expected);
    DialogRecorder dialogs;
    LoadedWindow w;
    apply(w.controls, setup);
    QVERIFY2(dialogs.messages.empty(), "the set-up itself must not fail");
    QVERIFY(!w.rechenfehler());
    const int taktBefore = w.takt();

    apply(w.controls, trigger);
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    QCOMPARE(dialogs.messages[0].text, kErrorText);
    QCOMPARE(dialogs.messages[0].title, kErrorTitle);
    QVERIFY(dialogs.messages[0].icon == ui::MessageIcon::Critical);
    QCOMPARE(captions(w.controls), expected);
    QVERIFY(w.rechenfehler());
    QCOMPARE(w.takt(), taktBefore); // no animation tick after a failed run
}

// The box is shown while the run stands at its failure: the captions of the steps done are
// already written, and the flag is set only once the box is closed.
void StaticAnalysisTest::setsTheFlagAfterTheMessageIsClosed()
{
    LoadedWindow* window = nullptr;
    int shown = 0;
    bool flagWhileShown = true;
    QStringList captionsWhileShown;
    ui::setMessageHandler([&](const ui::Message&) {
        ++shown;
        flagWhileShown = window->rechenfehler();
        captionsWhileShown = captions(window->controls);
    });
    struct Reset {
        ~Reset() { ui::setMessageHandler({}); }
    } reset;

    LoadedWindow w;
    window = &w;
    apply(w.controls, {"r=0"});
    apply(w.controls, {"u=30"});
    QCOMPARE(shown, 1);
    QVERIFY(!flagWhileShown);
    QCOMPARE(captionsWhileShown[0], QStringLiteral("30"));
    QCOMPARE(captionsWhileShown[1], QStringLiteral("42,4264068711929"));
    QCOMPARE(captionsWhileShown.mid(2), kDefaultCircuit.mid(2));
    QVERIFY(w.rechenfehler());
}

void StaticAnalysisTest::aLaterSuccessDoesNotClearTheFlag()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    apply(w.controls, {"l=abc"});
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    QVERIFY(w.rechenfehler());
    const int taktAfterFailure = w.takt();

    apply(w.controls, {"l=0,1"});
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    QCOMPARE(captions(w.controls), kDefaultCircuit);
    QCOMPARE(w.takt(), taktAfterFailure + 1);
    QVERIFY(w.rechenfehler());

    apply(w.controls, {"Check1=0", "Check1=1"});
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    QVERIFY(w.rechenfehler());
}

// ------------------------------------------------------------------------------------
// The animation tick: one after each successful run while Check11 is checked.

void StaticAnalysisTest::ticksOnlyWithPhasorsOn()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    QCOMPARE(w.takt(), 1);
    apply(w.controls, {"l=0,2"});
    QCOMPARE(w.takt(), 2);
    apply(w.controls, {"l=0,1"});
    QCOMPARE(w.takt(), 3);
    QVERIFY(!w.controls.Timer1->isActive());

    w.controls.Check11->setChecked(false);
    QCOMPARE(w.takt(), 3); // the check box has no handler of its own
    apply(w.controls, {"l=0,2", "Check1=0", "Check1=1"});
    QCOMPARE(w.takt(), 3);
    QCOMPARE(captions(w.controls)[2], QStringLiteral("-68,6235")); // the runs did happen

    w.controls.Check11->setChecked(true);
    QCOMPARE(w.takt(), 3);
    apply(w.controls, {"l=0,1"});
    QCOMPARE(w.takt(), 4);
    QCOMPARE(captions(w.controls), kDefaultCircuit);
    QVERIFY(dialogs.messages.empty());
}

// ------------------------------------------------------------------------------------
// The window right after start-up

void StaticAnalysisTest::initialTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const QList<std::pair<const char*, QString>> rows = {
        // group frames
        {"Frame3", "Schaltplan"},
        {"Frame1", "Statische Daten"},
        {"Frame4", "Zeigerdiagramm"},
        {"Frame2", "Visualisierung"},
        // buttons with a caption
        {"Command1", "Zeichne!"},
        {"Command8", "CLS"},
        // circuit inputs and their labels
        {"Label1", "Quelle"},
        {"Label2", "R="},
        {"r", "100"},
        {"Label3", "Ohm"},
        {"Label4", "C="},
        {"c", "0,00001"},
        {"Label5", "F"},
        {"Check1", "Eingebaut"},
        {"Label6", "L="},
        {"l", "0,1"},
        {"Label7", "Hy"},
        {"Label8", "U="},
        {"u", "10"},
        {"Label9", "V"},
        {"Label10", "f="},
        {"f", "50"},
        {"Label11", "Hz"},
        // static data: labels, and the results of the start-up run
        {"Label12", "Ueff="},
        {"Label16", "V"},
        {"Label13", "Ieff="},
        {"Label17", "A"},
        {"Label24", QStringLiteral("Û=")},
        {"Label25", "V"},
        {"Label20", QStringLiteral("Î=")},
        {"Label22", "A"},
        {"Label14", "Wechselstromwiderstand Z="},
        {"Label18", "Ohm"},
        {"Label15", "Phasenverschiebung phi="},
        {"Label19", "Grad"},
        {"ueff", "10"},
        {"udach", "14,142135623731"},
        {"phi", "-70,7834"},
        {"z", "303,8226"},
        {"ieff", "0,03291"},
        {"idach", "0,04654"},
        // waveform surface
        {"Label21", "t "},
        // phasor group
        {"Check11", "Zeiger an"},
        {"Check10", "Loop"},
        {"Label28", "Delay:"},
        {"Text1", "10"},
        {"Label29", "ms"},
        // curve choice and plot options
        {"Check2", "Angelegte Spannung"},
        {"Check3", "Strom"},
        {"Check4", "Leistung"},
        {"Check5", "Spannung an R"},
        {"Check6", "Spannung an C"},
        {"Check7", "Spannung an L"},
        {"Label23", "Anzahl der Perioden"},
        {"perioden", "1"},
        {"Check8", "Im Moment des Einschaltens"},
        {"Label26", "Phase im Moment des Einschaltens"},
        {"phaseein", "0"},
        {"Label27", "Grad"},
        {"Check9", "Refresh beim Zeichnen"},
        // credits; the version is the one that CMakeLists.txt names
        {"Label30", "Wellgrat"},
        {"Label33", "Version 1.0"},
        {"Label31", QStringLiteral("F1: Hilfe · F2: Resonanz und Leistung")},
        {"Label32", QStringLiteral("© 2026 Das Wellgrat-Team")},
    };
    for (const auto& [name, text] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << text;
}

void StaticAnalysisTest::initialTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    DialogRecorder dialogs;
    LoadedWindow w;
    auto* widget = named<QWidget>(w, name);
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(frame->title(), text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(edit->text(), text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), text);
    else
        QFAIL("a control of an unexpected kind");
}

void StaticAnalysisTest::initialCheckStates()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    const QStringList checked = {"Check1", "Check2", "Check3", "Check9", "Check11"};
    for (int n = 1; n <= 11; ++n) {
        const QString name = QStringLiteral("Check%1").arg(n);
        QCOMPARE(named<QCheckBox>(w, name)->isChecked(), checked.contains(name));
    }
}

void StaticAnalysisTest::initialEnabledFlags()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    QVERIFY(!w.controls.phaseein->isEnabled());
    for (QWidget* widget : w.form.findChildren<QWidget*>()) {
        if (widget == w.controls.phaseein)
            continue;
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    }
}

void StaticAnalysisTest::initialColours()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    const QList<std::tuple<ui::ColourButton*, ui::LineElement*, QColor>> curves = {
        {w.controls.Command2, w.controls.lu, QColor(255, 0, 0)},   {w.controls.Command3, w.controls.li, QColor(0, 0, 192)},
        {w.controls.Command4, nullptr, QColor(0, 192, 0)},  {w.controls.Command5, w.controls.lur, QColor(0, 0, 0)},
        {w.controls.Command6, w.controls.luc, QColor(255, 0, 255)}, {w.controls.Command7, w.controls.lul, QColor(255, 128, 0)},
    };
    for (const auto& [button, phasor, colour] : curves) {
        QCOMPARE(button->property("backColour").value<QColor>().rgb(), colour.rgb());
        QVERIFY(button->text().isEmpty());
        if (!phasor)
            continue;
        QCOMPARE(phasor->property("width").toInt(), 2);
        // Every phasor starts in its button's colour except the current's: pure blue against
        // the button's dark blue.
        const QColor expected = phasor == w.controls.li ? QColor(0, 0, 255) : colour;
        QCOMPARE(phasor->property("colour").value<QColor>().rgb(), expected.rgb());
    }
    QVERIFY(w.controls.li->colour().rgb() != w.controls.Command3->backColour().rgb());
}

void StaticAnalysisTest::initialVisibility()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    // The bridging wires of the schematic are hidden; the capacitor plates and the coil shown.
    QCOMPARE(named(w, "Line36")->property("visible").toBool(), false);
    QCOMPARE(named(w, "Line38")->property("visible").toBool(), false);
    QCOMPARE(named(w, "Line6")->property("visible").toBool(), true);
    QCOMPARE(named(w, "Line7")->property("visible").toBool(), true);
    QCOMPARE(named(w, "Line23")->property("visible").toBool(), true);
    for (const char* name : {"l", "Label6", "Label7", "c", "Check1"})
        QVERIFY2(!named<QWidget>(w, name)->isHidden(), name);
    // The first animation step shows the phasors of the curves checked (voltage, current).
    QCOMPARE(w.controls.lu->isVisible(), true);
    QCOMPARE(w.controls.li->isVisible(), true);
    QCOMPARE(w.controls.lur->isVisible(), false);
    QCOMPARE(w.controls.luc->isVisible(), false);
    QCOMPARE(w.controls.lul->isVisible(), false);
}

void StaticAnalysisTest::timerAndSliderAfterStartUp()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    QVERIFY(!w.controls.Timer1->isActive());
    QCOMPARE(w.controls.Timer1->interval(), 10); // applied from Text1 by the start-up step
    QCOMPARE(w.controls.Slider1->orientation(), Qt::Horizontal);
    QCOMPARE(w.controls.Slider1->minimum(), 5);
    QCOMPARE(w.controls.Slider1->maximum(), 500);
    QCOMPARE(w.controls.Slider1->value(), 10);
}

void StaticAnalysisTest::windowAndFonts()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    QCOMPARE(w.form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(w.form.windowTitle(), QStringLiteral("Wellgrat-Simulation von Tovander"));
    QCOMPARE(w.form.size(), QSize(8880 / 15, 7575 / 15));
    QCOMPARE(w.controls.u->font().pointSizeF(), 8.25);
    QCOMPARE(w.controls.Command1->font().pointSizeF(), 12.0);
    QVERIFY(named<QLabel>(w, "Label30")->font().bold());
    QVERIFY(!named<QLabel>(w, "Label31")->font().bold());
}

void StaticAnalysisTest::focusOrder()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    const QStringList order = {"Command1", "Picture1", "Check2",   "Check3",  "Check4",   "Command2",
                               "Command3", "Command4", "perioden", "Check5",  "Check6",   "Check7",
                               "Command5", "Command6", "Command7", "Check8",  "phaseein", "Check9",
                               "Check1",   "f",        "u",        "l",       "c",        "r",
                               "Picture2", "Check10",  "Check11",  "Text1",   "Slider1",  "Command8"};
    QStringList seen;
    QWidget* start = w.controls.Command1;
    QWidget* widget = start;
    do {
        if (order.contains(widget->objectName()) && !seen.contains(widget->objectName()))
            seen << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start);
    QCOMPARE(seen, order);
}

void StaticAnalysisTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Frame3") << "Frame3" << "Form1" << QRect(120, 120, 4815, 2415);
    QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(5040, 120, 3735, 1335);
    QTest::newRow("Command1") << "Command1" << "Form1" << QRect(5040, 1560, 2895, 735);
    QTest::newRow("Command8") << "Command8" << "Form1" << QRect(8040, 1560, 735, 735);
    QTest::newRow("Picture1") << "Picture1" << "Form1" << QRect(120, 2640, 5415, 2895);
    QTest::newRow("Frame4") << "Frame4" << "Form1" << QRect(5640, 2400, 3135, 3855);
    QTest::newRow("Frame2") << "Frame2" << "Form1" << QRect(120, 5640, 5295, 1815);
    QTest::newRow("Frame5") << "Frame5" << "Form1" << QRect(5520, 6360, 3255, 1095);
    QTest::newRow("r") << "r" << "Frame3" << QRect(600, 600, 495, 285);
    QTest::newRow("c") << "c" << "Frame3" << QRect(2040, 600, 735, 285);
    QTest::newRow("Check1") << "Check1" << "Frame3" << QRect(1800, 840, 1215, 255);
    QTest::newRow("u") << "u" << "Frame3" << QRect(1800, 1800, 495, 285);
    QTest::newRow("udach") << "udach" << "Frame1" << QRect(1920, 240, 735, 255);
    QTest::newRow("z") << "z" << "Frame1" << QRect(2160, 720, 495, 255);
    QTest::newRow("phi") << "phi" << "Frame1" << QRect(2040, 960, 735, 255);
    QTest::newRow("Picture2") << "Picture2" << "Frame4" << QRect(120, 240, 2895, 2895);
    QTest::newRow("Slider1") << "Slider1" << "Frame4" << QRect(1320, 3480, 1695, 255);
    QTest::newRow("Command3") << "Command3" << "Frame2" << QRect(2040, 480, 615, 255);
    QTest::newRow("phaseein") << "phaseein" << "Frame2" << QRect(3840, 1140, 375, 285);
}

void StaticAnalysisTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    // The window as created, before start-up writes the result captions.
    Form1 form;
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget);
    QVERIFY(widget->parentWidget());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    // Every value here is a whole number of pixels at 15 twips a pixel.
    QCOMPARE(widget->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

QTEST_MAIN(StaticAnalysisTest)
#include "tst_staticanalysis.moc"
