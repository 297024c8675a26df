// SPDX-License-Identifier: GPL-3.0-or-later
// The animation on the real window: one step (points and phasor tips), the timer loop, the
// delay field and the slider, and how a failing step ends the loop.
#include "TestSupport.h"

#include "animation/AnimationControl.h"
#include "animation/AnimationStepper.h"
#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"
#include "ui/Slider.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

constexpr double kCoord = 0.005; // twips: the coordinates below are quoted to two places
constexpr int kQuietMs = 80;     // long enough for several ticks at a 10 ms interval

const QString kStepError = QStringLiteral("Fehler bei der Visualisierung/Timerinitialisierung");

struct Tip {
    double x, y;
};

Tip tipOf(const ui::LineElement* line)
{
    return {line->property("X1").toDouble(), line->property("Y1").toDouble()};
}

bool visible(const ui::LineElement* line) { return line->property("visible").toBool(); }

QRgb rgbOf(const ui::ColourButton* button) { return button->backColour().rgb() & 0x00ffffffu; }

// The oracle for the applied voltage with one period: y = 1400 − 1400 · sin(s / 785.3981635).
double voltageY(int step) { return 1400.0 - 1400.0 * std::sin(step / 785.3981635); }
double voltageTipX(int step) { return 1400.0 + 1400.0 * std::cos(step / 785.3981635); }

QRgb background(const ui::DrawingSurface* surface) { return surface->background().rgb() & 0x00ffffffu; }

// Every plotted (non-background) pixel of a surface's image, as (column, row, colour).
struct Dot {
    int column, row;
    QRgb colour;
};

std::vector<Dot> plotted(const ui::DrawingSurface* surface)
{
    std::vector<Dot> dots;
    const QImage& image = surface->image();
    const QRgb empty = background(surface);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb colour = image.pixel(x, y) & 0x00ffffffu; colour != empty)
                dots.push_back({x, y, colour});
    return dots;
}

int columnOf(const ui::DrawingSurface* surface, double xTwips)
{
    return int(std::floor(xTwips / 15.0 * surface->image().devicePixelRatio()));
}

std::vector<Dot> plottedInColumn(const ui::DrawingSurface* surface, double xTwips)
{
    std::vector<Dot> dots;
    for (const Dot& dot : plotted(surface))
        if (dot.column == columnOf(surface, xTwips))
            dots.push_back(dot);
    return dots;
}

int countColour(const std::vector<Dot>& dots, QRgb colour)
{
    return int(std::count_if(dots.begin(), dots.end(), [colour](const Dot& d) { return d.colour == colour; }));
}

// Replaces the whole text of a field as a user would, the empty text included.
void retype(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}

// Appends one character at the end of a field, one keystroke, one change event.
void append(QLineEdit* field, QChar character)
{
    field->end(false);
    QTest::keyClick(field, character.toLatin1());
}

void verifyStepMessage(const ui::Message& message)
{
    QCOMPARE(message.text, kStepError);
    QCOMPARE(message.title, QStringLiteral("Fehler"));
    QVERIFY(message.icon == ui::MessageIcon::Critical);
}

// Records the paint events of a surface and the rectangles they repaint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<QRect> rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

} // namespace

class AnimationTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithStepOneDrawn();
    void drawsAStep_data();
    void drawsAStep();
    void curvePointsLieOnPhasorTips_data();
    void curvePointsLieOnPhasorTips();
    void delayField_data();
    void delayField();
    void zeroPeakVoltageKeepsThePointsBeforeTheFailure();
    void capacitorVoltageNeedsTheCapacitorBuiltIn();
    void phasorDisplayOffMovesNoTip();
    void cycleWrapClearsOnlyTheWaveform();
    void sliderAndDelayFieldFollowEachOther();
    void loopOffAndOnGoesOnWithoutClearing();
    void loopStartKeepsIntervalForDelayFive();
    void acceptedEditDrawsExactlyOneStep();
    void editsDoNotPutOffTheLoop();
    void noTickWhileAMessageBoxIsOpen();
    void lettersInDelayEndTheLoopAtItsFirstStep();
    void failingStepEndsTheRunningLoop();
    void everyAcceptedEditReportsAFailingStep();
    void refreshRepaintsOnlyWhatChanged();
    void newDelayWhileTheLoopRuns_data();
    void newDelayWhileTheLoopRuns();
    void clickOnTheHandleBringsTheFieldInStep_data();
    void clickOnTheHandleBringsTheFieldInStep();
    void dragOfTheHandleAsBefore();
};

void AnimationTest::opensWithStepOneDrawn()
{
    DialogRecorder dialogs;
    ShownWindow w;
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(taktOf(w.form), 1);

    // Step 1: the applied voltage and the current at x = 121, nothing else on the surface.
    const auto dots = plotted(w.controls.Picture1);
    const bool stepOneShown = w.controls.Picture1->pixelAt(121, 1398.22f) == rgbOf(w.controls.Command2)
        && w.controls.Picture1->pixelAt(121, 77.42f) == rgbOf(w.controls.Command3) && dots.size() == 2
        && std::all_of(dots.begin(), dots.end(),
                       [&](const Dot& dot) { return dot.column == columnOf(w.controls.Picture1, 121); });
    QVERIFY2(stepOneShown, "the start-up step, drawn before the window is shown, must stay on Picture1");

    QVERIFY(visible(w.controls.lu));
    QVERIFY(visible(w.controls.li));
    QVERIFY(!visible(w.controls.lur));
    QVERIFY(!visible(w.controls.luc));
    QVERIFY(!visible(w.controls.lul));
    QVERIFY(std::fabs(tipOf(w.controls.lu).x - 2800.00) < kCoord);
    QVERIFY(std::fabs(tipOf(w.controls.lu).y - 1398.22) < kCoord);
    QVERIFY(std::fabs(tipOf(w.controls.li).x - 1859.11) < kCoord);
    QVERIFY(std::fabs(tipOf(w.controls.li).y - 77.42) < kCoord);

    // The start-up step applied the delay field in place of the designed 100 ms.
    QCOMPARE(w.controls.Timer1->interval(), 10);
    QVERIFY(!w.controls.Timer1->isActive());
    QVERIFY(!w.controls.Check10->isChecked());
}

void AnimationTest::drawsAStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("voltageY");
    QTest::addColumn<double>("voltageTipX");
    QTest::addColumn<double>("currentY");
    QTest::addColumn<double>("currentTipX");
    // Step 1234 lies at a quarter period: the voltage at the top of the band, its phasor up.
    QTest::newRow("step 1234") << 1234 << 1354.0 << 0.00 << 1399.47 << 939.71 << 77.83;
    // Step 5000, the last of a plot, a little more than one period.
    QTest::newRow("step 5000") << 5000 << 5120.0 << 1283.92 << 2795.18 << 44.35 << 1749.59;
}

void AnimationTest::drawsAStep()
{
    QFETCH(int, step);
    QFETCH(double, x);
    QFETCH(double, voltageY);
    QFETCH(double, voltageTipX);
    QFETCH(double, currentY);
    QFETCH(double, currentTipX);
    DialogRecorder dialogs;
    ShownWindow w;

    QVERIFY(w.form.animationStepper().AnimationStep(qint16(step)));

    QCOMPARE(w.controls.Picture1->pixelAt(float(x), float(voltageY)), rgbOf(w.controls.Command2));
    QCOMPARE(w.controls.Picture1->pixelAt(float(x), float(currentY)), rgbOf(w.controls.Command3));
    QCOMPARE(plottedInColumn(w.controls.Picture1, x).size(), std::size_t(2));
    QVERIFY(std::fabs(tipOf(w.controls.lu).x - voltageTipX) < kCoord);
    QVERIFY(std::fabs(tipOf(w.controls.lu).y - voltageY) < kCoord);
    QVERIFY(std::fabs(tipOf(w.controls.li).x - currentTipX) < kCoord);
    QVERIFY(std::fabs(tipOf(w.controls.li).y - currentY) < kCoord);
    QCOMPARE(taktOf(w.form), 1); // a direct step leaves the timer's counter alone
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::curvePointsLieOnPhasorTips_data()
{
    QTest::addColumn<int>("step");
    // Steps at which the five points of the default circuit fall into five different pixels
    // inside the surface (the capacitor voltage reaches about 66 twips beyond the band).
    for (int step : {1, 300, 700, 1234, 1800, 2500, 3100, 3700, 4300, 4999, 5000})
        QTest::addRow("step %d", step) << step;
}

void AnimationTest::curvePointsLieOnPhasorTips()
{
    QFETCH(int, step);
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check5->setChecked(true);
    w.controls.Check6->setChecked(true);
    w.controls.Check7->setChecked(true);
    QVERIFY(w.controls.Check1->isChecked());
    w.controls.Picture1->cls();

    QVERIFY(w.form.animationStepper().AnimationStep(qint16(step)));

    const double x = step + 120;
    const auto column = plottedInColumn(w.controls.Picture1, x);
    QCOMPARE(column.size(), std::size_t(5));
    const std::pair<ui::ColourButton*, ui::LineElement*> curves[] = {
        {w.controls.Command2, w.controls.lu}, {w.controls.Command3, w.controls.li}, {w.controls.Command5, w.controls.lur},
        {w.controls.Command6, w.controls.luc}, {w.controls.Command7, w.controls.lul}};
    for (const auto& [button, line] : curves) {
        QVERIFY2(visible(line), qPrintable(line->objectName()));
        // The one point of this colour is the pixel that holds the tip's Y1.
        QCOMPARE(countColour(column, rgbOf(button)), 1);
        QCOMPARE(w.controls.Picture1->pixelAt(float(x), float(tipOf(line).y)), rgbOf(button));
    }
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::delayField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval"); // 77 is the interval before: unchanged
    QTest::addColumn<int>("slider");   // after typing character by character, from 10
    QTest::addColumn<bool>("fails");

    QTest::newRow("5: not above 5") << "5" << 77 << 10 << false;
    QTest::newRow("0") << "0" << 77 << 10 << false;
    QTest::newRow("-20") << "-20" << 77 << 10 << false;
    QTest::newRow("6") << "6" << 6 << 6 << false;
    QTest::newRow("10,5: half to even") << "10,5" << 10 << 10 << false;
    QTest::newRow("11,5: half to even") << "11,5" << 12 << 12 << false;
    QTest::newRow("5,5: rounds to 6") << "5,5" << 6 << 6 << false;
    // "50" on the way sets the slider; "500" is not below 500 and leaves it there.
    QTest::newRow("500") << "500" << 500 << 50 << false;
    QTest::newRow("largest interval") << "2147483647" << INT_MAX << 214 << false;
    // The timer takes 6 to 2147483647 ms: beyond them the step fails before its points.
    QTest::newRow("above the largest interval") << "2147483648" << 77 << 214 << true;
    QTest::newRow("5,3: rounds to 5") << "5,3" << 77 << 5 << true;
    QTest::newRow("empty") << "" << 77 << 10 << true;
    QTest::newRow("letters") << "abc" << 77 << 10 << true;
}

void AnimationTest::delayField()
{
    QFETCH(QString, text);
    QFETCH(int, interval);
    QFETCH(int, slider);
    QFETCH(bool, fails);
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Timer1->setInterval(77);

    retype(w.controls.Text1, text);
    // The delay field is silent and reaches the timer only through a step.
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(w.controls.Timer1->interval(), 77);
    QCOMPARE(w.controls.Slider1->value(), slider);
    QCOMPARE(w.controls.Text1->text(), text); // the slider did not write the field back

    w.controls.Picture1->cls();
    QCOMPARE(w.form.animationStepper().AnimationStep(2000), !fails);

    QCOMPARE(w.controls.Timer1->interval(), interval);
    QVERIFY(!w.controls.Timer1->isActive());
    if (fails) {
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        verifyStepMessage(dialogs.messages.front());
        QVERIFY(plotted(w.controls.Picture1).empty());
    } else {
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(plottedInColumn(w.controls.Picture1, 2120).size(), std::size_t(2));
    }
}

void AnimationTest::zeroPeakVoltageKeepsThePointsBeforeTheFailure()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check4->setChecked(true);
    w.controls.Check5->setChecked(true);
    w.controls.udach->setText(QStringLiteral("0"));
    w.controls.Picture1->cls();
    const Tip lu = tipOf(w.controls.lu), li = tipOf(w.controls.li);

    QVERIFY(!w.form.animationStepper().AnimationStep(2000));

    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    verifyStepMessage(dialogs.messages.front());
    // Voltage, current and power come before the voltage across R, which divides by Û.
    const auto column = plottedInColumn(w.controls.Picture1, 2120);
    QCOMPARE(column.size(), std::size_t(3));
    QCOMPARE(countColour(column, rgbOf(w.controls.Command2)), 1);
    QCOMPARE(countColour(column, rgbOf(w.controls.Command3)), 1);
    QCOMPARE(countColour(column, rgbOf(w.controls.Command4)), 1);
    QCOMPARE(w.controls.Picture1->pixelAt(2120, float(voltageY(2000))), rgbOf(w.controls.Command2));
    // What the step did before the failure stays: lur shown; the tips are not reached.
    QVERIFY(visible(w.controls.lur));
    QCOMPARE(tipOf(w.controls.lu).x, lu.x);
    QCOMPARE(tipOf(w.controls.lu).y, lu.y);
    QCOMPARE(tipOf(w.controls.li).x, li.x);
    QCOMPARE(tipOf(w.controls.li).y, li.y);
}

void AnimationTest::capacitorVoltageNeedsTheCapacitorBuiltIn()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check6->setChecked(true);
    QVERIFY(w.form.animationStepper().AnimationStep(700));
    const Tip moved = tipOf(w.controls.luc);
    QVERIFY(std::fabs(moved.x - 1400.0) > 100.0 || std::fabs(moved.y - 1400.0) > 100.0);
    w.controls.Picture1->cls();

    w.controls.Check1->setChecked(false); // takes the capacitor out and runs one tick
    QCOMPARE(taktOf(w.form), 2);
    QVERIFY(w.form.animationStepper().AnimationStep(1500));

    // luc follows Check6 alone, but neither moves nor plots without the capacitor.
    QVERIFY(visible(w.controls.luc));
    QCOMPARE(tipOf(w.controls.luc).x, moved.x);
    QCOMPARE(tipOf(w.controls.luc).y, moved.y);
    const auto dots = plotted(w.controls.Picture1);
    QCOMPARE(countColour(dots, rgbOf(w.controls.Command6)), 0);
    QCOMPARE(plottedInColumn(w.controls.Picture1, 1620).size(), std::size_t(2));
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::phasorDisplayOffMovesNoTip()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check11->setChecked(false);
    w.controls.Check2->setChecked(false);
    w.controls.Check5->setChecked(true);
    const ui::LineElement* lines[] = {w.controls.lu, w.controls.li, w.controls.lur, w.controls.luc, w.controls.lul};
    std::vector<Tip> before;
    for (const auto* line : lines)
        before.push_back(tipOf(line));

    QVERIFY(w.form.animationStepper().AnimationStep(1000));

    QVERIFY(!visible(w.controls.lu));
    QVERIFY(visible(w.controls.li));
    QVERIFY(visible(w.controls.lur));
    QVERIFY(!visible(w.controls.luc));
    QVERIFY(!visible(w.controls.lul));
    for (std::size_t i = 0; i < before.size(); ++i) {
        QCOMPARE(tipOf(lines[i]).x, before[i].x);
        QCOMPARE(tipOf(lines[i]).y, before[i].y);
    }
    // The points are drawn all the same: the current and the voltage across R.
    const auto column = plottedInColumn(w.controls.Picture1, 1120);
    QCOMPARE(column.size(), std::size_t(2));
    QCOMPARE(countColour(column, rgbOf(w.controls.Command3)), 1);
    QCOMPARE(countColour(column, rgbOf(w.controls.Command5)), 1);
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::cycleWrapClearsOnlyTheWaveform()
{
    DialogRecorder dialogs;
    ShownWindow w;
    const QRgb marker = qRgb(10, 200, 30);
    w.controls.Picture2->pset(300, 300, marker);
    AnimationControl& animation = w.form.animationControl();

    while (taktOf(w.form) < 4999)
        animation.Timer1_Timer();
    QCOMPARE(w.controls.Picture1->pixelAt(4999 + 120, float(voltageY(4999))), rgbOf(w.controls.Command2));
    QVERIFY(plotted(w.controls.Picture1).size() > 600);

    animation.Timer1_Timer(); // would be step 5000: a new cycle at step 1

    QCOMPARE(taktOf(w.form), 1);
    const auto dots = plotted(w.controls.Picture1);
    QCOMPARE(dots.size(), std::size_t(2));
    QCOMPARE(w.controls.Picture1->pixelAt(121, 1398.22f), rgbOf(w.controls.Command2));
    QCOMPARE(w.controls.Picture1->pixelAt(121, 77.42f), rgbOf(w.controls.Command3));
    QCOMPARE(w.controls.Picture2->pixelAt(300, 300), marker & 0x00ffffffu);
    QVERIFY(visible(w.controls.lu));
    QVERIFY(std::fabs(tipOf(w.controls.lu).x - 2800.00) < kCoord);
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::sliderAndDelayFieldFollowEachOther()
{
    DialogRecorder dialogs;
    ShownWindow w;
    QSlider* slider = w.controls.Slider1;
    QSignalSpy textChanges(w.controls.Text1, &QLineEdit::textChanged);

    // Moved by the user: the field takes the value, once.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(slider->value(), 11);
    QCOMPARE(w.controls.Text1->text(), QStringLiteral("11"));
    QCOMPARE(textChanges.count(), 1);

    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(slider->value(), 61);
    QCOMPARE(w.controls.Text1->text(), QStringLiteral("61"));
    QCOMPARE(textChanges.count(), 2);
    // The slider does not set the timer; the next step does.
    QCOMPARE(w.controls.Timer1->interval(), 10);
    QVERIFY(w.form.animationStepper().AnimationStep(2));
    QCOMPARE(w.controls.Timer1->interval(), 61);

    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(slider->value(), 500);
    QCOMPARE(w.controls.Text1->text(), QStringLiteral("500"));
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(slider->value(), 5);
    QCOMPARE(w.controls.Text1->text(), QStringLiteral("5"));

    // Typed: the slider follows, and setting it writes nothing back into the field (a
    // click event would turn "11,5" into "12").
    retype(w.controls.Text1, QStringLiteral("11,5"));
    QCOMPARE(slider->value(), 12);
    QCOMPARE(w.controls.Text1->text(), QStringLiteral("11,5"));
    retype(w.controls.Text1, QStringLiteral("249,6"));
    QCOMPARE(slider->value(), 250);
    QCOMPARE(w.controls.Text1->text(), QStringLiteral("249,6"));
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::loopOffAndOnGoesOnWithoutClearing()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check11->setChecked(false);

    w.controls.Check10->click();
    QVERIFY(w.controls.Timer1->isActive());
    QCOMPARE(w.controls.Timer1->interval(), 10);
    QVERIFY(w.controls.Check11->isChecked()); // starting the loop shows the phasors
    QTRY_VERIFY(taktOf(w.form) >= 6);

    w.controls.Check10->click();
    QVERIFY(!w.controls.Timer1->isActive());
    QVERIFY(w.controls.Check11->isChecked());
    const int stopped = taktOf(w.form);
    const auto before = plotted(w.controls.Picture1);
    QTest::qWait(kQuietMs);
    QCOMPARE(taktOf(w.form), stopped);
    QVERIFY(std::fabs(tipOf(w.controls.lu).x - voltageTipX(stopped)) < kCoord);

    w.controls.Check10->click();
    QTRY_VERIFY(taktOf(w.form) >= stopped + 3);
    w.controls.Check10->click();

    // Going on: the counter was not reset, and every point drawn before is still there.
    const int last = taktOf(w.form);
    QVERIFY(last > stopped && last < 4999);
    const QImage& image = w.controls.Picture1->image();
    for (const Dot& dot : before)
        QCOMPARE(image.pixel(dot.column, dot.row) & 0x00ffffffu, dot.colour);
    QVERIFY(std::fabs(tipOf(w.controls.lu).x - voltageTipX(last)) < kCoord);
    QVERIFY(std::fabs(tipOf(w.controls.lu).y - voltageY(last)) < kCoord);
    QCOMPARE(w.controls.Picture1->pixelAt(float(last + 120), float(voltageY(last))), rgbOf(w.controls.Command2));
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::loopStartKeepsIntervalForDelayFive()
{
    DialogRecorder dialogs;
    ShownWindow w;
    retype(w.controls.Text1, QStringLiteral("5"));
    w.controls.Check10->click();
    QCOMPARE(w.controls.Timer1->interval(), 10); // the last applied
    QTRY_VERIFY(taktOf(w.form) >= 3);
    w.controls.Check10->click();
    QCOMPARE(w.controls.Timer1->interval(), 10);
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::acceptedEditDrawsExactlyOneStep()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Picture1->cls();
    const int before = taktOf(w.form);

    append(w.controls.r, QLatin1Char('0')); // "100" -> "1000"

    const int step = before + 1;
    QCOMPARE(taktOf(w.form), step);
    const auto dots = plotted(w.controls.Picture1);
    QCOMPARE(dots.size(), std::size_t(2));
    for (const Dot& dot : dots)
        QCOMPARE(dot.column, columnOf(w.controls.Picture1, step + 120));
    QCOMPARE(w.controls.Picture1->pixelAt(float(step + 120), float(voltageY(step))), rgbOf(w.controls.Command2));
    QVERIFY(std::fabs(tipOf(w.controls.lu).x - voltageTipX(step)) < kCoord);
    QVERIFY(!w.controls.Timer1->isActive());
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::editsDoNotPutOffTheLoop()
{
    DialogRecorder dialogs;
    ShownWindow w;
    retype(w.controls.Text1, QStringLiteral("400"));
    w.controls.Check10->click();
    QCOMPARE(w.controls.Timer1->interval(), 400);
    const int start = taktOf(w.form);

    // Edits far more often than the loop's interval, each with its own tick.
    int edits = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500) {
        w.controls.r->setText(edits % 2 ? QStringLiteral("100") : QStringLiteral("101"));
        ++edits;
        QTest::qWait(20);
    }
    w.controls.Check10->click();

    // The loop kept its own pace in between.
    QVERIFY2(taktOf(w.form) - start - edits >= 1,
             qPrintable(QStringLiteral("%1 steps for %2 edits").arg(taktOf(w.form) - start).arg(edits)));
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::noTickWhileAMessageBoxIsOpen()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check5->setChecked(true);
    w.controls.udach->setText(QStringLiteral("0"));
    int taktOnOpen = -1, taktOnClose = -1;
    bool timerRanInside = false;
    int open = 0;
    ui::setMessageHandler([&](const ui::Message& message) {
        dialogs.messages.push_back(message);
        if (open > 0)
            return; // a box over the box: already a failure, counted above
        ++open;
        taktOnOpen = taktOf(w.form);
        timerRanInside = w.controls.Timer1->isActive();
        // The box's own event loop: the timer keeps firing, and a tick may arrive directly.
        w.form.animationControl().timerElapsed();
        QTest::qWait(kQuietMs);
        taktOnClose = taktOf(w.form);
        --open;
    });

    w.controls.Check10->click();
    QTRY_VERIFY(!dialogs.messages.empty());

    QVERIFY(timerRanInside);
    QCOMPARE(taktOnOpen, 2);
    QCOMPARE(taktOnClose, 2);
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
}

void AnimationTest::lettersInDelayEndTheLoopAtItsFirstStep()
{
    DialogRecorder dialogs;
    ShownWindow w;
    retype(w.controls.Text1, QStringLiteral("abc"));
    w.controls.Timer1->setInterval(7);
    const QImage before = w.controls.Picture1->image().copy();

    w.controls.Check10->click();
    // The interval stays as it was, and the loop starts.
    QCOMPARE(w.controls.Timer1->interval(), 7);
    QTRY_VERIFY(!dialogs.messages.empty());

    QTest::qWait(kQuietMs);
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    verifyStepMessage(dialogs.messages.front());
    QVERIFY(!w.controls.Check10->isChecked());
    QVERIFY(!w.controls.Timer1->isActive());
    QCOMPARE(w.controls.Timer1->interval(), 7);
    QCOMPARE(taktOf(w.form), 2);
    QVERIFY(w.controls.Picture1->image() == before); // no point drawn
    QVERIFY(std::fabs(tipOf(w.controls.lu).x - 2800.00) < kCoord);
}

void AnimationTest::failingStepEndsTheRunningLoop()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check10->click();
    QTRY_VERIFY(taktOf(w.form) >= 20);
    // Û of zero makes the voltage across R fail after the voltage and current points.
    w.controls.udach->setText(QStringLiteral("0"));
    const int lastGood = taktOf(w.form);
    const Tip lu = tipOf(w.controls.lu), li = tipOf(w.controls.li);
    w.controls.Picture1->cls();
    w.controls.Check5->setChecked(true);
    QTRY_VERIFY(!dialogs.messages.empty());

    QTest::qWait(kQuietMs);
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    verifyStepMessage(dialogs.messages.front());
    QVERIFY(!w.controls.Check10->isChecked());
    QVERIFY(!w.controls.Timer1->isActive());
    // takt, points and phasors stay where the failing step left them.
    const int failed = lastGood + 1;
    QCOMPARE(taktOf(w.form), failed);
    const auto dots = plotted(w.controls.Picture1);
    QCOMPARE(dots.size(), std::size_t(2));
    QCOMPARE(w.controls.Picture1->pixelAt(float(failed + 120), float(voltageY(failed))), rgbOf(w.controls.Command2));
    QCOMPARE(countColour(dots, rgbOf(w.controls.Command3)), 1);
    QCOMPARE(tipOf(w.controls.lu).x, lu.x);
    QCOMPARE(tipOf(w.controls.lu).y, lu.y);
    QCOMPARE(tipOf(w.controls.li).x, li.x);
    QCOMPARE(tipOf(w.controls.li).y, li.y);
    QVERIFY(visible(w.controls.lur));
}

void AnimationTest::everyAcceptedEditReportsAFailingStep()
{
    DialogRecorder dialogs;
    ShownWindow w;
    retype(w.controls.Text1, QStringLiteral("abc"));

    append(w.controls.r, QLatin1Char('0'));
    QCOMPARE(dialogs.messages.size(), std::size_t(1));
    append(w.controls.r, QLatin1Char('0'));
    QCOMPARE(dialogs.messages.size(), std::size_t(2));
    for (const auto& message : dialogs.messages)
        verifyStepMessage(message);
    QCOMPARE(taktOf(w.form), 3);
    QVERIFY(!w.controls.Check10->isChecked());
    QVERIFY(!w.controls.Timer1->isActive());
    QCOMPARE(dialogs.maxOpenAtOnce, 1);
}

void AnimationTest::refreshRepaintsOnlyWhatChanged()
{
    DialogRecorder dialogs;
    ShownWindow w;
    QTest::qWait(20);
    PaintRecorder waveform(w.controls.Picture1), phasors(w.controls.Picture2);
    const QRect whole1 = w.controls.Picture1->rect(), whole2 = w.controls.Picture2->rect();

    w.form.animationControl().Timer1_Timer();

    // Check9 is checked: the step's two points are shown at once, as one pixel column.
    QVERIFY(!waveform.rects.empty());
    for (const QRect& r : waveform.rects) {
        QCOMPARE(r.width(), 1);
        QVERIFY(r.height() < whole1.height());
    }
    // The phasors that moved are repainted when the tick returns, not the whole diagram.
    waveform.rects.clear();
    QTRY_VERIFY(!phasors.rects.empty());
    for (const QRect& r : phasors.rects)
        QVERIFY2(r.width() * r.height() < whole2.width() * whole2.height() / 2,
                 qPrintable(QStringLiteral("%1x%2").arg(r.width()).arg(r.height())));
    QVERIFY(waveform.rects.empty());
}

void AnimationTest::newDelayWhileTheLoopRuns_data()
{
    QTest::addColumn<QString>("running"); // the delay the loop runs with
    QTest::addColumn<QString>("how");     // set in one change, typed, a slider key or click
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval"); // right after
    const QString days = QStringLiteral("2147483647"); // 24,8 days: the loop waits for its next step
    QTest::newRow("a day instead of 24,8 days") << days << "set" << "86400000" << 86400000;
    QTest::newRow("5,5 rounds to 6") << days << "set" << "5,5" << 6;
    // "6" on the way to "60" already is shorter than the wait; "60" then waits for the next step.
    QTest::newRow("60 typed") << days << "typed" << "60" << 6;
    QTest::newRow("slider one step up") << days << "key" << "" << 215;
    QTest::newRow("slider clicked left of the handle") << days << "click" << "" << 164;
    // The timer is due sooner than the new delay: the next step applies it.
    QTest::newRow("500 while due within 30 ms") << "30" << "set" << "500" << 30;
    QTest::newRow("longer") << "100000" << "set" << days << 100000;
    // No delay a step would apply: nothing changes.
    QTest::newRow("5") << days << "set" << "5" << INT_MAX;
    QTest::newRow("0") << days << "set" << "0" << INT_MAX;
    QTest::newRow("5,3 rounds to 5") << days << "set" << "5,3" << INT_MAX;
    QTest::newRow("letters") << days << "set" << "abc" << INT_MAX;
    QTest::newRow("beyond the timer") << days << "set" << "2147483648" << INT_MAX;
}

// A shorter delay, typed or from the slider, takes effect at once where the loop would wait
// longer, and the loop moves again; otherwise the next step applies it.
void AnimationTest::newDelayWhileTheLoopRuns()
{
    QFETCH(QString, running);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(int, interval);
    DialogRecorder dialogs;
    ShownWindow w;
    retype(w.controls.Text1, running);
    w.controls.Check10->click();
    QCOMPARE(w.controls.Timer1->interval(), running.toInt());
    const int stuck = taktOf(w.form);

    if (how == QLatin1String("set")) {
        w.controls.Text1->setText(text);
    } else if (how == QLatin1String("typed")) {
        retype(w.controls.Text1, text);
    } else if (how == QLatin1String("key")) {
        QCOMPARE(w.controls.Slider1->value(), 214);
        w.controls.Slider1->setFocus();
        QTest::keyClick(w.controls.Slider1, Qt::Key_Right);
        QCOMPARE(w.controls.Text1->text(), QStringLiteral("215"));
    } else {
        // A click that moves the value raises the click event once, as before.
        QSignalSpy textChanges(w.controls.Text1, &QLineEdit::textChanged);
        const QPoint handle = sliderPoint(w.controls.Slider1, QStyle::SC_SliderHandle);
        QTest::mouseClick(w.controls.Slider1, Qt::LeftButton, {}, QPoint(handle.x() - 20, handle.y()));
        QCOMPARE(w.controls.Text1->text(), QStringLiteral("164"));
        QCOMPARE(textChanges.count(), 1);
    }
    QCOMPARE(w.controls.Timer1->interval(), interval);
    QVERIFY(w.controls.Timer1->remainingTime() <= interval);
    QVERIFY(w.controls.Timer1->isActive());
    if (how != QLatin1String("set")) {
        QTRY_VERIFY(taktOf(w.form) > stuck);
        // From the next step on, the delay the field shows.
        QTRY_COMPARE(w.controls.Timer1->interval(), w.controls.Text1->text().toInt());
    }
    w.controls.Check10->click();
    QVERIFY(dialogs.messages.empty());
}

void AnimationTest::clickOnTheHandleBringsTheFieldInStep_data()
{
    QTest::addColumn<QString>("delay");      // typed into the field first
    QTest::addColumn<int>("position");       // where the slider stands then, and stays
    QTest::newRow("field 11,5") << "11,5" << 12;
    QTest::newRow("field 600 beyond the slider") << "600" << 60;
    QTest::newRow("field 5 below the slider") << "5" << 10;
    QTest::newRow("field letters") << "abc" << 10;
}

// A click on the handle raises the slider's click event though it leaves the value, so the
// field reads the slider's value again; a key at the end of the range changes nothing.
void AnimationTest::clickOnTheHandleBringsTheFieldInStep()
{
    QFETCH(QString, delay);
    QFETCH(int, position);
    DialogRecorder dialogs;
    ShownWindow w;
    QSlider* slider = w.controls.Slider1;
    retype(w.controls.Text1, delay);
    QCOMPARE(slider->value(), position);
    QCOMPARE(w.controls.Text1->text(), delay);

    QSignalSpy textChanges(w.controls.Text1, &QLineEdit::textChanged);
    QTest::mouseClick(slider, Qt::LeftButton, {}, sliderPoint(slider, QStyle::SC_SliderHandle));

    QCOMPARE(slider->value(), position);
    QCOMPARE(w.controls.Text1->text(), QString::number(position));
    QCOMPARE(textChanges.count(), 1);
    // The keyboard at the end: no change, no event, as before.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(textChanges.count(), 2);
    QVERIFY(dialogs.messages.empty());
}

// A drag raises the click event at every value it passes, and none more when it ends.
void AnimationTest::dragOfTheHandleAsBefore()
{
    DialogRecorder dialogs;
    ShownWindow w;
    QSlider* slider = w.controls.Slider1;
    QSignalSpy values(slider, &QSlider::valueChanged);
    QSignalSpy textChanges(w.controls.Text1, &QLineEdit::textChanged);
    const QPoint handle = sliderPoint(slider, QStyle::SC_SliderHandle);
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    for (int dx = 5; dx <= 40; dx += 5)
        QTest::mouseMove(slider, handle + QPoint(dx, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, handle + QPoint(40, 0));

    QVERIFY(values.count() >= 2);
    QCOMPARE(textChanges.count(), values.count());
    QCOMPARE(w.controls.Text1->text(), QString::number(slider->value()));
    QVERIFY(dialogs.messages.empty());
}

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"
