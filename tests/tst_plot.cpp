// SPDX-License-Identifier: GPL-3.0-or-later
// "Zeichne!" on the real window: the switch-on plot against an independent run of its
// integration, the steady-state plot as steps 1 to 5000 of the animation, and how either
// ends on an error.
#include "core/SwitchOnClosedForm.h"
#include "TestSupport.h"

#include "plot/WaveformPlotter.h"
#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString kPlotError = QStringLiteral(
    "Es ist ein Fehler in der Rechnung aufgetreten. Vermutlich Division durch 0. Bitte überprüfen Sie Ihre Eingaben.");
const QString kStaticError = QStringLiteral("Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0.");
const QString kStepError = QStringLiteral("Fehler bei der Visualisierung/Timerinitialisierung");

constexpr double kPi = 3.141592654;

using Pixel = std::pair<int, int>;           // column, row of Picture1's image
using Picture = std::map<Pixel, QRgb>;       // every pixel that is not background

double number(const QString& text)
{
    bool ok = false;
    const double value = QLocale(QLocale::German).toDouble(text, &ok);
    return ok ? value : std::numeric_limits<double>::quiet_NaN();
}

QRgb rgbOf(const QColor& colour) { return colour.rgb() & 0x00ffffffu; }

// A point in twips lands in the device pixel that contains it (15 twips a pixel); the
// coordinates reach the surface in single precision.
std::optional<Pixel> pixelOf(const QImage& image, double x, double y)
{
    const double ratio = image.devicePixelRatio();
    const double column = std::floor(double(float(x)) / 15.0 * ratio);
    const double row = std::floor(double(float(y)) / 15.0 * ratio);
    if (!(column >= 0 && column < image.width() && row >= 0 && row < image.height()))
        return std::nullopt;
    return Pixel{int(column), int(row)};
}

Picture pictureOf(const ui::DrawingSurface* surface)
{
    const QImage& image = surface->image();
    const QRgb background = rgbOf(surface->background());
    Picture picture;
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            if (const QRgb rgb = image.pixel(column, row) & 0x00ffffffu; rgb != background)
                picture[{column, row}] = rgb;
    return picture;
}

// Empty when both agree; otherwise the first differences, for the failure message.
QString differences(const Picture& actual, const Picture& expected)
{
    QStringList lines;
    auto describe = [](const Picture& picture, const Pixel& pixel) {
        const auto it = picture.find(pixel);
        return it == picture.end() ? QStringLiteral("background") : QString::number(it->second, 16);
    };
    auto note = [&](const Pixel& pixel) {
        if (lines.size() < 8)
            lines << QStringLiteral("(%1, %2): drawn %3, expected %4")
                         .arg(pixel.first)
                         .arg(pixel.second)
                         .arg(describe(actual, pixel), describe(expected, pixel));
    };
    int count = 0;
    for (const auto& [pixel, rgb] : actual)
        if (auto it = expected.find(pixel); it == expected.end() || it->second != rgb) {
            note(pixel);
            ++count;
        }
    for (const auto& [pixel, rgb] : expected)
        if (!actual.count(pixel)) {
            note(pixel);
            ++count;
        }
    if (count == 0)
        return {};
    return QStringLiteral("%1 pixels differ, e.g.\n").arg(count) + lines.join(u'\n');
}

// The switch-on integration, step by step as the plot is to run it: sine of the source phase,
// the charge with the previous current, the current, and the three curve points.
struct SwitchOnInputs {
    double phase0, periods, f, r, c, uPeak, iPeak, phi;
};

struct SwitchOnStep {
    double sinus, ladung, strom, voltageY, currentY, powerY;
};

std::vector<SwitchOnStep> integrate(const SwitchOnInputs& in)
{
    std::vector<SwitchOnStep> steps;
    double ladung = 0.0, strom = 0.0;
    for (int n = 1; n <= 5000; ++n) {
        const double sinus = std::sin(in.phase0 * kPi / 180 + in.periods * (n / 785.3981635));
        ladung = ladung + in.periods * ((strom / in.f) / 5000);
        strom = (in.uPeak * sinus - ladung / in.c) / in.r;
        const double p = in.uPeak * sinus * strom;
        const double fullPower = (in.uPeak * in.uPeak / in.r) * std::cos(in.phi * kPi / 180);
        steps.push_back({sinus, ladung, strom, 1400 - 1400 * sinus, 1400 - 1100 * (strom / in.iPeak),
                         1400 + 1500 * (p / fullPower)});
    }
    return steps;
}

SwitchOnInputs switchOnInputsOf(const Controls& controls)
{
    return {number(controls.phaseein->text()), number(controls.perioden->text()), number(controls.f->text()),
            number(controls.r->text()),        number(controls.c->text()),        number(controls.udach->text()),
            number(controls.idach->text()),    number(controls.phi->text())};
}

// The picture the switch-on plot leaves: per step the voltage, current and power points of the
// curves that are on, each over what an earlier point left in its pixel.
Picture switchOnPicture(const Controls& controls, const std::vector<SwitchOnStep>& steps)
{
    const QImage& image = controls.Picture1->image();
    Picture picture;
    auto plot = [&](bool on, double x, double y, const ui::ColourButton* button) {
        if (!on)
            return;
        if (const auto pixel = pixelOf(image, x, y))
            picture[*pixel] = rgbOf(button->backColour());
    };
    for (int n = 1; n <= int(steps.size()); ++n) {
        const SwitchOnStep& step = steps[std::size_t(n - 1)];
        plot(controls.Check2->isChecked(), n + 120, step.voltageY, controls.Command2);
        plot(controls.Check3->isChecked(), n + 120, step.currentY, controls.Command3);
        plot(controls.Check4->isChecked(), n + 120, step.powerY, controls.Command4);
    }
    return picture;
}

// Steady state, applied voltage: y = 1400 − 1400 · sin(P · (s / 785.3981635)) at x = s + 120.
double steadyVoltageAngle(double periods, int step) { return periods * (step / 785.3981635); }

Picture steadyVoltagePicture(const QImage& image, double periods, int first, int last, QRgb colour)
{
    Picture picture;
    for (int s = first; s <= last; ++s)
        if (const auto pixel = pixelOf(image, s + 120, 1400 - 1400 * std::sin(steadyVoltageAngle(periods, s))))
            picture[*pixel] = colour;
    return picture;
}

void enterSwitchOnMode(ShownWindow& w, DialogRecorder& dialogs)
{
    w.controls.Check8->click(); // shows the coil message for the initial inductance
    dialogs.clear();
}

void setText(QLineEdit* field, const QString& text)
{
    if (text.isEmpty())
        field->clear();
    else
        typeInto(field, text);
}

} // namespace

class PlotTest : public QObject {
    Q_OBJECT
private slots:
    void switchOnPlotFollowsTheIntegration_data();
    void switchOnPlotFollowsTheIntegration();
    void switchOnPlotAtPhase90StartsWithTheFullSurge();
    void switchOnPlotFollowsTheClosedForm_data();
    void switchOnPlotFollowsTheClosedForm();
    void smallCurrentsDrawTheComponentVoltagesToScale_data();
    void smallCurrentsDrawTheComponentVoltagesToScale();
    void switchOnPlotWithoutPeriodsDrawsHorizontalRows();
    void switchOnPlotReadsCapacitanceWithCapacitorRemoved();
    void switchOnPlotEndsAtItsFirstError_data();
    void switchOnPlotEndsAtItsFirstError();
    void failingStaticAnalysisLeavesThePicture_data();
    void failingStaticAnalysisLeavesThePicture();
    void steadyStatePlotRunsSteps1To5000();
    void steadyStatePlotEndsAfterTheFirstFailingStep_data();
    void steadyStatePlotEndsAfterTheFirstFailingStep();
};

void PlotTest::switchOnPlotFollowsTheIntegration_data()
{
    QTest::addColumn<bool>("voltage");
    QTest::addColumn<bool>("current");
    QTest::addColumn<bool>("power");
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<QColor>("chosenCurrentColour"); // invalid: the initial colour

    QTest::newRow("voltage") << true << false << false << true << QColor();
    QTest::newRow("current") << false << true << false << true << QColor();
    QTest::newRow("power") << false << false << true << true << QColor();
    QTest::newRow("all three") << true << true << true << true << QColor();
    QTest::newRow("all three without refresh") << true << true << true << false << QColor();
    QTest::newRow("current in a chosen colour") << false << true << false << true << QColor(0, 128, 128);
    QTest::newRow("no curve") << false << false << false << true << QColor();
}

// Initial inputs after entering the mode: u 10, f 50, r 100, l 0, c 0,00001, perioden 1,
// phaseein 0, so Û 14,142135623731, Î 0,04238, φ −72,5594.
void PlotTest::switchOnPlotFollowsTheIntegration()
{
    QFETCH(bool, voltage);
    QFETCH(bool, current);
    QFETCH(bool, power);
    QFETCH(bool, refresh);
    QFETCH(QColor, chosenCurrentColour);

    DialogRecorder dialogs;
    ShownWindow w;
    enterSwitchOnMode(w, dialogs);
    if (chosenCurrentColour.isValid()) {
        dialogs.colourAnswers.push_back(chosenCurrentColour);
        w.controls.Command3->click();
        QCOMPARE(w.controls.Command3->backColour(), chosenCurrentColour);
    }
    w.controls.Check2->setChecked(voltage);
    w.controls.Check3->setChecked(current);
    w.controls.Check4->setChecked(power);
    w.controls.Check9->setChecked(refresh);

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());

    QCOMPARE(w.controls.udach->text(), QStringLiteral("14,142135623731"));
    QCOMPARE(w.controls.idach->text(), QStringLiteral("0,04238"));
    QCOMPARE(w.controls.phi->text(), QStringLiteral("-72,5594"));
    const auto steps = integrate(switchOnInputsOf(w.controls));

    // Step 1 as the numbers are quoted: the capacitor starts uncharged.
    const SwitchOnStep& first = steps.front();
    QVERIFY(std::abs(first.sinus - 0.00127324) < 5e-9);
    QCOMPARE(first.ladung, 0.0);
    QVERIFY(std::abs(first.strom - 0.00018006) < 5e-9);
    QVERIFY(std::abs(first.voltageY - 1398.22) < 0.005);
    QVERIFY(std::abs(first.currentY - 1395.33) < 0.005);
    QVERIFY(std::abs(first.powerY - 1400.008) < 0.0005);

    // The current swings up to the steady peak current and no further than ±0.043 A.
    double largest = 0.0;
    for (const auto& step : steps)
        largest = std::max(largest, std::abs(step.strom));
    QVERIFY2(largest > 0.04238 && largest < 0.043, qPrintable(QString::number(largest)));

    // The plot state keeps the values of step 5000.
    auto& plotter = w.plotter();
    QCOMPARE(plotter.schritt, 5001.0);
    QVERIFY(std::abs(plotter.sinus - steps.back().sinus) < 1e-12);
    QVERIFY(std::abs(plotter.ladung - steps.back().ladung) < 1e-15);
    QVERIFY(std::abs(plotter.strom - steps.back().strom) < 1e-12);

    // Each point of step 1 in its button's colour (a curve alone owns its pixels).
    const QImage& image = w.controls.Picture1->image();
    if (voltage && !current && !power)
        QCOMPARE(w.controls.Picture1->pixelAt(121, 1398.22), rgbOf(w.controls.Command2->backColour()));
    if (current && !voltage && !power)
        QCOMPARE(w.controls.Picture1->pixelAt(121, 1395.33), rgbOf(w.controls.Command3->backColour()));
    if (power && !voltage && !current)
        QCOMPARE(w.controls.Picture1->pixelAt(121, 1400.008), rgbOf(w.controls.Command4->backColour()));

    // Every point of the 5000 steps, and nothing else.
    const Picture expected = switchOnPicture(w.controls, steps);
    const Picture drawn = pictureOf(w.controls.Picture1);
    const QString diff = differences(drawn, expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    // The last points lie at x = 5120: its column is the rightmost one drawn.
    if (voltage || current || power) {
        QCOMPARE(drawn.begin()->first.first, pixelOf(image, 121, 1400)->first);
        QCOMPARE(drawn.rbegin()->first.first, pixelOf(image, 5120, 1400)->first);
    }
}

// Switched on at the crest: the uncharged capacitor lets the full Û / R flow at first,
// 3.3 times Î, far above the top edge; the plot draws on without an error.
void PlotTest::switchOnPlotAtPhase90StartsWithTheFullSurge()
{
    DialogRecorder dialogs;
    ShownWindow w;
    enterSwitchOnMode(w, dialogs);
    typeInto(w.controls.phaseein, QStringLiteral("90"));
    w.controls.Check4->setChecked(true);

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());

    const auto steps = integrate(switchOnInputsOf(w.controls));
    QVERIFY(std::abs(steps.front().strom - 0.1414) < 0.0001);
    QVERIFY(std::abs(steps.front().strom / 0.04238 - 3.3) < 0.05);
    QVERIFY(std::abs(steps.front().currentY - -2271) < 1);
    QCOMPARE(w.plotter().schritt, 5001.0);
    QVERIFY(std::abs(w.plotter().strom - steps.back().strom) < 1e-12);

    const Picture drawn = pictureOf(w.controls.Picture1);
    const QString diff = differences(drawn, switchOnPicture(w.controls, steps));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    // The first column holds no current point: the surge is off the top.
    const int firstColumn = pixelOf(w.controls.Picture1->image(), 121, 1400)->first;
    const QRgb currentColour = rgbOf(w.controls.Command3->backColour());
    for (const auto& [pixel, rgb] : drawn)
        QVERIFY(!(pixel.first == firstColumn && rgb == currentColour));
}

void PlotTest::switchOnPlotFollowsTheClosedForm_data()
{
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("perioden");
    QTest::addColumn<QString>("phaseein");
    QTest::addColumn<QString>("u");
    QTest::addColumn<bool>("removeCapacitor");
    // A step Δt = P / (F · 5000) as long as R·C or longer: these failed or drew false spikes.
    QTest::newRow("R 3, C 0,27 µF") << "3" << "0,00000027" << "1" << "0" << "10" << false;
    QTest::newRow("R 3, C 0,27 µF at 90°") << "3" << "0,00000027" << "1" << "90" << "10" << false;
    QTest::newRow("R 8, C 0,27 µF") << "8" << "0,00000027" << "1" << "0" << "10" << false;
    QTest::newRow("R 100, C 0,01 µF") << "100" << "0,00000001" << "1" << "0" << "10" << false;
    QTest::newRow("R 100, C 0,1 µF, P 10") << "100" << "0,0000001" << "10" << "0" << "10" << false;
    QTest::newRow("R 100, C 1 nF: a current of µA") << "100" << "0,000000001" << "1" << "0" << "10" << false;
    // Just below R·C, where the forward step strayed by rows.
    QTest::newRow("R 3, C 1,35 µF: step just below R·C") << "3" << "0,00000135" << "1" << "0" << "10" << false;
    // Î read "0" below 5E-31 A, and the plot divided by it.
    QTest::newRow("U 1, R 1E40, capacitor removed: 1E-40 A") << "1E40" << "0,00001" << "1" << "0" << "1" << true;
}

// The current drawn at every step lies within 1 % of Î of the closed-form solution, and the
// plot runs to its end without a message.
void PlotTest::switchOnPlotFollowsTheClosedForm()
{
    QFETCH(QString, r);
    QFETCH(QString, c);
    QFETCH(QString, perioden);
    QFETCH(QString, phaseein);
    QFETCH(QString, u);
    QFETCH(bool, removeCapacitor);

    DialogRecorder dialogs;
    ShownWindow w;
    enterSwitchOnMode(w, dialogs);
    typeInto(w.controls.r, r);
    typeInto(w.controls.c, c); // the zeros on the way wait for the digit that ends them
    typeInto(w.controls.perioden, perioden);
    typeInto(w.controls.phaseein, phaseein);
    typeInto(w.controls.u, u);
    if (removeCapacitor)
        w.controls.Check1->click();
    w.controls.Check2->setChecked(false);
    QCOMPARE(dialogs.texts(), QStringList());

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(w.plotter().schritt, 5001.0);

    const SwitchOnInputs in = switchOnInputsOf(w.controls);
    const SwitchOnClosedForm closed{in.uPeak, in.r, in.c, in.f, in.periods, in.phase0};
    const double tolerance = 0.01 * in.iPeak;
    QVERIFY(std::abs(w.plotter().strom - closed.currentAtStep(5000)) <= tolerance);

    // Column by column: every current point drawn lies within the band of some step of the
    // column, and every step's band inside the picture holds a point.
    const QImage& image = w.controls.Picture1->image();
    const QRgb currentColour = rgbOf(w.controls.Command3->backColour());
    const double ratio = image.devicePixelRatio();
    std::map<int, std::vector<int>> drawnRows;
    for (const auto& [pixel, rgb] : pictureOf(w.controls.Picture1)) {
        QCOMPARE(rgb, currentColour);
        drawnRows[pixel.first].push_back(pixel.second);
    }
    std::map<int, std::vector<std::pair<int, int>>> bands; // column -> row ranges
    for (int n = 1; n <= 5000; ++n) {
        const double y = 1400 - 1100 * (closed.currentAtStep(n) / in.iPeak);
        const int top = int(std::floor((y - 1100 * 0.01) / 15.0 * ratio));
        const int bottom = int(std::floor((y + 1100 * 0.01) / 15.0 * ratio));
        const int column = pixelOf(image, n + 120, 0)->first;
        bands[column].push_back({top, bottom});
        if (bottom < 0 || top >= image.height())
            continue;
        const auto& rows = drawnRows[column];
        QVERIFY2(std::any_of(rows.begin(), rows.end(), [&](int row) { return row >= top && row <= bottom; }),
                 qPrintable(QStringLiteral("step %1: no point near y %2").arg(n).arg(y)));
    }
    for (const auto& [column, rows] : drawnRows) {
        for (const int row : rows) {
            const auto& columnBands = bands[column];
            QVERIFY2(std::any_of(columnBands.begin(), columnBands.end(),
                                 [row](const auto& band) { return row >= band.first && row <= band.second; }),
                     qPrintable(QStringLiteral("a point at pixel (%1, %2) far from the closed form").arg(column).arg(row)));
        }
    }
}

void PlotTest::smallCurrentsDrawTheComponentVoltagesToScale_data()
{
    QTest::addColumn<QString>("u");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("c");
    QTest::addColumn<double>("resistorShare"); // of U: R · Î / Û
    QTest::addColumn<double>("capacitorShare"); // XC · Î / Û
    // Î of 14,1 µA: "1E-05" read back as a current drew U_R at 71 % of U.
    QTest::newRow("U 1, R 100000") << "1" << "100000" << "0,00001" << 0.99702 << 0.00317;
    // Î of 4,4 µA: "0" collapsed the voltages of R and C onto the axis.
    QTest::newRow("C 1 nF") << "10" << "100" << "0,000000001" << 0.00003 << 0.99935;
}

// The steady-state plot and the phasors of R and C with currents below 1 mA.
void PlotTest::smallCurrentsDrawTheComponentVoltagesToScale()
{
    QFETCH(QString, u);
    QFETCH(QString, r);
    QFETCH(QString, c);
    QFETCH(double, resistorShare);
    QFETCH(double, capacitorShare);

    DialogRecorder dialogs;
    ShownWindow w;
    typeInto(w.controls.u, u);
    typeInto(w.controls.r, r);
    typeInto(w.controls.c, c);
    for (QCheckBox* box : {w.controls.Check2, w.controls.Check3})
        box->setChecked(false);
    for (QCheckBox* box : {w.controls.Check5, w.controls.Check6})
        box->setChecked(true);
    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());

    // Each voltage swings by its share of 1400 about the axis, to within the pixel row that
    // 1 % of 1400 twips falls into.
    const QImage& image = w.controls.Picture1->image();
    for (auto [button, share] : {std::pair{w.controls.Command5, resistorShare}, {w.controls.Command6, capacitorShare}}) {
        int top = image.height(), bottom = -1;
        for (const auto& [pixel, rgb] : pictureOf(w.controls.Picture1)) {
            if (rgb == rgbOf(button->backColour())) {
                top = std::min(top, pixel.second);
                bottom = std::max(bottom, pixel.second);
            }
        }
        const auto expectedRow = [&](double y) { return pixelOf(image, 121, y)->second; };
        QVERIFY2(std::abs(top - expectedRow(1400 - 1400 * share)) <= 1,
                 qPrintable(QStringLiteral("%1: top row %2").arg(button->objectName()).arg(top)));
        QVERIFY2(std::abs(bottom - expectedRow(1400 + 1400 * share)) <= 1,
                 qPrintable(QStringLiteral("%1: bottom row %2").arg(button->objectName()).arg(bottom)));
    }
    // The phasors at step 5000 have the same lengths.
    for (auto [phasor, share] : {std::pair{w.controls.lur, resistorShare}, {w.controls.luc, capacitorShare}}) {
        const double length = std::hypot(phasor->property("X1").toDouble() - 1400, phasor->property("Y1").toDouble() - 1400);
        QVERIFY2(std::abs(length - 1400 * share) <= 14, qPrintable(QString::number(length)));
    }
}

// No periods: the phase stays at φ0, the charge at 0, the current at Û · sin φ0 / R, so each
// curve is one row of points across the whole plot.
void PlotTest::switchOnPlotWithoutPeriodsDrawsHorizontalRows()
{
    DialogRecorder dialogs;
    ShownWindow w;
    enterSwitchOnMode(w, dialogs);
    typeInto(w.controls.perioden, QStringLiteral("0"));
    typeInto(w.controls.phaseein, QStringLiteral("10"));
    w.controls.Check4->setChecked(true);

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());

    const double uPeak = number(w.controls.udach->text());
    const double sine = std::sin(10 * kPi / 180);
    QVERIFY(std::abs(w.plotter().sinus - sine) < 1e-15);
    QCOMPARE(w.plotter().ladung, 0.0);
    QVERIFY(std::abs(w.plotter().strom - uPeak * sine / 100) < 1e-15);

    const QImage& image = w.controls.Picture1->image();
    const int firstColumn = pixelOf(image, 121, 1400)->first;
    const int lastColumn = pixelOf(image, 5120, 1400)->first;
    std::map<QRgb, std::vector<Pixel>> byColour;
    for (const auto& [pixel, rgb] : pictureOf(w.controls.Picture1))
        byColour[rgb].push_back(pixel);
    QCOMPARE(byColour.size(), std::size_t(3));
    std::vector<int> rows;
    for (const ui::ColourButton* button : {w.controls.Command2, w.controls.Command3, w.controls.Command4}) {
        const auto& pixels = byColour[rgbOf(button->backColour())];
        QCOMPARE(int(pixels.size()), lastColumn - firstColumn + 1);
        for (const auto& pixel : pixels)
            QCOMPARE(pixel.second, pixels.front().second);
        QCOMPARE(pixels.front().first, firstColumn);
        QCOMPARE(pixels.back().first, lastColumn);
        rows.push_back(pixels.front().second);
    }
    QVERIFY(rows[0] != rows[1] && rows[1] != rows[2] && rows[0] != rows[2]);
}

// Taking the capacitor out in the mode changes the captions (R only), but the integration
// still reads the capacitance from c.
void PlotTest::switchOnPlotReadsCapacitanceWithCapacitorRemoved()
{
    DialogRecorder dialogs;
    ShownWindow w;
    enterSwitchOnMode(w, dialogs);
    w.controls.Check1->click();
    w.controls.c->setText(QStringLiteral("0,00002")); // disabled for the user; the program may set it
    w.controls.Check4->setChecked(true);
    QCOMPARE(dialogs.texts(), QStringList());

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(w.controls.phi->text(), QStringLiteral("0"));
    QCOMPARE(w.controls.idach->text(), QStringLiteral("0,14142"));

    const SwitchOnInputs inputs = switchOnInputsOf(w.controls);
    QCOMPARE(inputs.c, 0.00002);
    const auto steps = integrate(inputs);
    QVERIFY(std::abs(w.plotter().strom - steps.back().strom) < 1e-12);
    // Without a capacitor the current would be Û · sin / R; with it, it lags and the
    // charge grows.
    QVERIFY(std::abs(w.plotter().strom - inputs.uPeak * w.plotter().sinus / inputs.r) > 0.001);
    const QString diff = differences(pictureOf(w.controls.Picture1), switchOnPicture(w.controls, steps));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void PlotTest::switchOnPlotEndsAtItsFirstError_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("removeCapacitor");
    QTest::addColumn<bool>("voltagePointDrawn"); // step 1's, before the failing operation
    QTest::addColumn<QStringList>("messages");

    const QStringList plotOnly{kPlotError};
    // U = 0 makes Î "0": the current point of step 1 divides by it.
    QTest::newRow("idach 0 (U = 0)") << "u" << "0" << false << true << plotOnly;
    // The phasor diagram's tick after the static analysis meets the empty field first.
    QTest::newRow("empty perioden") << "perioden" << "" << false << false << QStringList{kStepError, kPlotError};
    QTest::newRow("letters in phaseein") << "phaseein" << "abc" << false << false << plotOnly;
    // The charge over C = 0 at step 1, after the voltage point; c is read though removed.
    QTest::newRow("c 0 with the capacitor removed") << "c" << "0" << true << true << plotOnly;
}

void PlotTest::switchOnPlotEndsAtItsFirstError()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, removeCapacitor);
    QFETCH(bool, voltagePointDrawn);
    QFETCH(QStringList, messages);

    DialogRecorder dialogs;
    ShownWindow w;
    enterSwitchOnMode(w, dialogs);
    w.controls.Check4->setChecked(true);
    QTest::mouseClick(w.controls.Command1, Qt::LeftButton); // a whole plot to be cleared
    QVERIFY(pictureOf(w.controls.Picture1).size() > 100);

    if (removeCapacitor)
        w.controls.Check1->click();
    auto* edit = w.form.findChild<QLineEdit*>(field);
    QVERIFY(edit);
    if (edit->isEnabled())
        setText(edit, text);
    else
        edit->setText(text);
    QCOMPARE(dialogs.texts(), QStringList());

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), messages);
    QCOMPARE(dialogs.messages.back().title, QStringLiteral("Fehler!"));
    QCOMPARE(dialogs.messages.back().icon, ui::MessageIcon::Critical);

    // Ended in step 1; the point drawn before the error stays, the old plot is gone.
    QCOMPARE(w.plotter().schritt, 1.0);
    const Picture drawn = pictureOf(w.controls.Picture1);
    if (voltagePointDrawn) {
        QVERIFY(std::abs(w.plotter().sinus - 0.00127324) < 5e-9);
        QCOMPARE(w.plotter().ladung, 0.0);
        const Picture expected{{*pixelOf(w.controls.Picture1->image(), 121, 1398.22), rgbOf(w.controls.Command2->backColour())}};
        const QString diff = differences(drawn, expected);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    } else {
        QVERIFY(drawn.empty());
    }
}

void PlotTest::failingStaticAnalysisLeavesThePicture_data()
{
    QTest::addColumn<bool>("switchOn");
    QTest::newRow("steady state") << false;
    QTest::newRow("switch-on") << true;
}

// r 0 with the capacitor built in: the static analysis fails, then the plot says so too,
// and nothing is cleared or drawn.
void PlotTest::failingStaticAnalysisLeavesThePicture()
{
    QFETCH(bool, switchOn);

    DialogRecorder dialogs;
    ShownWindow w;
    if (switchOn)
        enterSwitchOnMode(w, dialogs);
    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());
    const QImage before = w.controls.Picture1->image().copy();
    const double schritt = w.plotter().schritt;

    typeInto(w.controls.r, QStringLiteral("0")); // not taken by the field: nothing is recomputed yet
    QCOMPARE(dialogs.texts(), QStringList());
    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);

    QCOMPARE(dialogs.texts(), (QStringList{kStaticError, kPlotError}));
    QCOMPARE(dialogs.messages[1].title, QStringLiteral("Fehler!"));
    QCOMPARE(dialogs.messages[1].icon, ui::MessageIcon::Critical);
    QVERIFY(w.form.property("rechenfehler").toBool());
    QCOMPARE(w.plotter().schritt, schritt);
    QVERIFY(w.controls.Picture1->image() == before);
}

// Voltage only, at 100 periods: the points of neighbouring steps land in different pixels,
// so one step more or less at either end changes the picture.
void PlotTest::steadyStatePlotRunsSteps1To5000()
{
    DialogRecorder dialogs;
    ShownWindow w;
    typeInto(w.controls.perioden, QStringLiteral("100"));
    w.controls.Check3->setChecked(false);
    const int takt = w.takt();

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList());

    // The one tick is the static analysis's; the plot steps without the timer counter.
    QCOMPARE(w.takt(), takt + 1);
    QCOMPARE(w.plotter().schritt, 5001.0);

    const QImage& image = w.controls.Picture1->image();
    const QRgb red = rgbOf(w.controls.Command2->backColour());
    const Picture expected = steadyVoltagePicture(image, 100, 1, 5000, red);
    QVERIFY(steadyVoltagePicture(image, 100, 0, 5000, red) != expected);
    QVERIFY(steadyVoltagePicture(image, 100, 1, 5001, red) != expected);
    QVERIFY(steadyVoltagePicture(image, 100, 2, 5000, red) != expected);
    QVERIFY(steadyVoltagePicture(image, 100, 1, 4999, red) != expected);
    const QString diff = differences(pictureOf(w.controls.Picture1), expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    // The phasors stand at step 5000; only the voltage's is shown.
    const double theta = steadyVoltageAngle(100, 5000);
    QVERIFY(std::abs(w.controls.lu->property("X1").toFloat() - (1400 + 1400 * std::cos(theta))) < 0.01);
    QVERIFY(std::abs(w.controls.lu->property("Y1").toFloat() - (1400 - 1400 * std::sin(theta))) < 0.01);
    QVERIFY(w.controls.lu->property("visible").toBool());
    for (const ui::LineElement* hidden : {w.controls.li, w.controls.lur, w.controls.luc, w.controls.lul})
        QVERIFY(!hidden->property("visible").toBool());
}

void PlotTest::steadyStatePlotEndsAfterTheFirstFailingStep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("voltageAcrossR");
    QTest::addColumn<bool>("phasorsOn");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("pointsBeforeError"); // step 1's voltage and current

    QTest::newRow("empty perioden") << "perioden" << "" << false << false << 1 << false;
    QTest::newRow("letters in the delay") << "Text1" << "abc" << false << false << 1 << false;
    QTest::newRow("udach 0 with Check5") << "u" << "0" << true << false << 1 << true;
    // With "Zeiger an" the static analysis's own tick meets the fault first.
    QTest::newRow("empty perioden, phasors on") << "perioden" << "" << false << true << 2 << false;
    QTest::newRow("udach 0 with Check5, phasors on") << "u" << "0" << true << true << 2 << true;
}

// A fault that every step meets is reported once; the plot then ends, keeping what the
// failing step drew before it failed.
void PlotTest::steadyStatePlotEndsAfterTheFirstFailingStep()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, voltageAcrossR);
    QFETCH(bool, phasorsOn);
    QFETCH(int, messages);
    QFETCH(bool, pointsBeforeError);

    DialogRecorder dialogs;
    ShownWindow w;
    QTest::mouseClick(w.controls.Command1, Qt::LeftButton); // a whole plot to be cleared
    QVERIFY(pictureOf(w.controls.Picture1).size() > 100);
    w.controls.Check11->setChecked(phasorsOn);
    w.controls.Check5->setChecked(voltageAcrossR);
    auto* edit = w.form.findChild<QLineEdit*>(field);
    QVERIFY(edit);
    setText(edit, text);
    QCOMPARE(dialogs.texts(), QStringList());

    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList(messages, kStepError));
    QCOMPARE(w.plotter().schritt, 1.0);

    Picture expected;
    if (pointsBeforeError) {
        const QImage& image = w.controls.Picture1->image();
        const double theta = steadyVoltageAngle(1, 1);
        const double thetaI = number(w.controls.phi->text()) * (kPi / -180) + theta;
        expected[*pixelOf(image, 121, 1400 - 1400 * std::sin(theta))] = rgbOf(w.controls.Command2->backColour());
        expected[*pixelOf(image, 121, 1400 - 1400 * std::sin(thetaI))] = rgbOf(w.controls.Command3->backColour());
    }
    const QString diff = differences(pictureOf(w.controls.Picture1), expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

QTEST_MAIN(PlotTest)
#include "tst_plot.moc"
