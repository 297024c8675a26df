// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark: drives the real window and prints, for each case, the median over repeated
// runs, the number of runs and the target. Run it through scripts/bench.sh, which builds in
// Release and runs it headless (offscreen) and under Xvfb.
//
//   wellgrat_bench [--runs N] [--starts N] [--cases 1234567]
//                                              the cases for the current Qt platform
//   wellgrat_bench --memory-case               (internal) the memory case in a fresh process

#include "animation/AnimationControl.h"
#include "app/Form1.h"
#include "plot/WaveformPlotter.h"
#include "resonance/ResonanceWindow.h"
#include "ui/Commands.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"

#include <QAction>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QStandardPaths>
#include <QWindow>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <numeric>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double mean(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

// Resident set now and at its peak (VmRSS, VmHWM), in kB.
std::pair<long, long> residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    long rss = 0, hwm = 0;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            rss = std::stol(line.substr(6));
        else if (line.rfind("VmHWM:", 0) == 0)
            hwm = std::stol(line.substr(6));
    }
    return {rss, hwm};
}

// Lets the event loop run what is pending: posted updates, queued flushes, expose events.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents(QEventLoop::AllEvents);
}

bool waitExposed(QWidget& widget)
{
    const auto start = Clock::now();
    while (msSince(start) < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (widget.windowHandle() && widget.windowHandle()->isExposed())
            break;
    }
    // A few more rounds so that the first frame is painted and nothing else is pending.
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return widget.windowHandle() && widget.windowHandle()->isExposed();
}

// Answers every message box, so that a failing step cannot block the run; counts them.
struct SilentDialogs {
    SilentDialogs()
    {
        ui::setMessageHandler([this](const ui::Message&) { ++messages; });
    }
    ~SilentDialogs() { ui::setMessageHandler({}); }
    int messages = 0;
};

// The floor of the refresh cases: a bare widget of the drawing surface's size that paints
// the requested rectangle of a persistent image and nothing else.
class BareSurface : public QWidget {
public:
    explicit BareSurface(QSize size) : image_(size, QImage::Format_RGB32)
    {
        image_.fill(Qt::white);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_StaticContents);
        setFixedSize(size);
        setWindowTitle(QStringLiteral("bare surface"));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        for (const QRect& rect : event->region())
            painter.drawImage(rect, image_, rect);
    }

private:
    QImage image_;
};

// Records, in order, the rectangles that the watched widgets repaint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(std::vector<QWidget*> widgets) : widgets_(std::move(widgets))
    {
        for (QWidget* widget : widgets_)
            widget->installEventFilter(this);
    }
    ~PaintRecorder() override
    {
        for (QWidget* widget : widgets_)
            widget->removeEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto at = std::find(widgets_.begin(), widgets_.end(), watched);
            if (at != widgets_.end())
                repaints.push_back({std::size_t(at - widgets_.begin()), static_cast<QPaintEvent*>(event)->region()});
        }
        return false;
    }
    struct Repaint {
        std::size_t widget;
        QRegion region;
    };
    std::vector<Repaint> repaints;

private:
    std::vector<QWidget*> widgets_;
};

struct Options {
    int runs = 15;
    int starts = 10;
    bool xvfb = false;
    std::string only; // run only the cases whose numbers are in it, e.g. "14"
    bool wants(char number) const { return only.empty() || only.find(number) != std::string::npos; }
};

enum class Verdict { Holds, Fails, Info };

struct Report {
    int failures = 0;

    void header()
    {
        std::printf("%-52s %11s %11s %6s   %-27s\n", "case", "median wall", "median CPU", "runs", "target");
    }
    void line(const std::string& name, double wall, double cpu, const char* unit, int runs, const std::string& target,
              Verdict verdict)
    {
        const char* word = verdict == Verdict::Holds ? "holds" : verdict == Verdict::Fails ? "FAILS" : "";
        if (verdict == Verdict::Fails)
            ++failures;
        auto value = [unit](double v) { return v < 0 ? std::string("-") : format("%8.3f", v) + " " + unit; };
        std::printf("%-52s %11s %11s %6d   %-27s %s\n", name.c_str(), value(wall).c_str(), value(cpu).c_str(), runs,
                    target.c_str(), word);
        std::fflush(stdout);
    }
    void note(const std::string& text)
    {
        std::printf("    %s\n", text.c_str());
        std::fflush(stdout);
    }
    static std::string format(const char* pattern, double value)
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, pattern, value);
        return buffer;
    }
};

std::string format(const char* pattern, double value) { return Report::format(pattern, value); }

Verdict judge(bool holds, bool applies) { return applies ? (holds ? Verdict::Holds : Verdict::Fails) : Verdict::Info; }

// The window as a user opens it: constructed, loaded, shown and exposed.
struct ShownWindow {
    ShownWindow()
    {
        form.Form_Load();
        form.move(0, 0);
        form.show();
        exposed = waitExposed(form);
    }
    Form1 form;
    const Controls& controls = form.controls();
    bool exposed = false;
};

void setCurves(const Controls& controls, std::initializer_list<QCheckBox*> on)
{
    for (QCheckBox* box : {controls.Check2, controls.Check3, controls.Check4, controls.Check5, controls.Check6, controls.Check7})
        box->setChecked(std::find(on.begin(), on.end(), box) != on.end());
}

struct Timing {
    std::vector<double> wall, cpu;
};

// One plot, timed; the event loop settles afterwards (untimed).
void timePlot(Form1& form, Timing& timing)
{
    const double cpu = cpuMs();
    const auto start = Clock::now();
    form.plotter().Command1_Click();
    timing.wall.push_back(msSince(start));
    timing.cpu.push_back(cpuMs() - cpu);
    settle();
}

// The floor of a refresh case: bare widgets of the drawing surfaces' sizes that repaint the
// same rectangles, in the same order, one repaint each.
class Floor {
public:
    Floor(const std::vector<QWidget*>& surfaces, std::vector<PaintRecorder::Repaint> repaints)
        : repaints_(std::move(repaints))
    {
        int x = surfaces.front()->window()->frameGeometry().right() + 10; // beside the window
        for (QWidget* surface : surfaces) {
            bare_.push_back(std::make_unique<BareSurface>(surface->size()));
            bare_.back()->move(x, 0);
            x += surface->width() + 10;
            bare_.back()->show();
        }
        for (auto& bare : bare_)
            waitExposed(*bare);
        run(); // warm-up
    }
    std::size_t count() const { return repaints_.size(); }
    void time(Timing& timing)
    {
        const double cpu = cpuMs();
        const auto start = Clock::now();
        run();
        timing.wall.push_back(msSince(start));
        timing.cpu.push_back(cpuMs() - cpu);
        settle();
    }

private:
    void run()
    {
        for (const auto& repaint : repaints_)
            bare_[repaint.widget]->repaint(repaint.region);
    }
    std::vector<PaintRecorder::Repaint> repaints_;
    std::vector<std::unique_ptr<BareSurface>> bare_;
};

// A plot without a display to refresh: judged on the processor time it takes (on an idle
// machine the same as its wall time; on a shared one the wall time also waits for a core).
void plainPlotCase(const std::string& name, Form1& form, int runs, Report& report)
{
    Timing plots;
    form.plotter().Command1_Click(); // warm-up
    settle();
    for (int i = 0; i < runs; ++i)
        timePlot(form, plots);
    const double cpu = median(plots.cpu);
    report.line(name, median(plots.wall), cpu, "ms", runs, "<= 10 ms (CPU)", judge(cpu <= 10.0, true));
}

// A plot that refreshes: judged on its wall time against the floor, each run of the plot
// followed by a run of the floor so that both meet the same load, by the median of the
// ratios of those pairs. The target applies where a refresh goes to a display server.
void refreshPlotCase(const std::string& name, Form1& form, const std::vector<QWidget*>& surfaces, int runs,
                     bool judged, Report& report)
{
    std::vector<PaintRecorder::Repaint> repaints;
    {
        PaintRecorder recorder(surfaces);
        form.plotter().Command1_Click(); // also the warm-up
        repaints = std::move(recorder.repaints);
    }
    settle();
    Floor floor(surfaces, std::move(repaints));
    Timing plots, floors;
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i) {
        timePlot(form, plots);
        floor.time(floors);
        ratios.push_back(plots.wall.back() / floors.wall.back());
    }
    const double ratio = median(ratios);
    report.line(name, median(plots.wall), median(plots.cpu), "ms", runs,
                format("<= 1.3 x floor: ratio %.2f", ratio), judge(ratio <= 1.3, judged));
    report.line("   floor: the same " + std::to_string(floor.count()) + " repaints, bare widgets",
                median(floors.wall), median(floors.cpu), "ms", runs, "", Verdict::Info);
}

void plotCases(const Options& options, Report& report)
{
    SilentDialogs dialogs;
    ShownWindow w;
    if (!w.exposed)
        report.note("warning: the window was not exposed; refreshes may not repaint");
    const Controls& controls = w.controls;
    const bool ratioJudged = options.xvfb;
    const std::vector<QWidget*> picture1{controls.Picture1}, picture2{controls.Picture2}, both{controls.Picture1, controls.Picture2};

    // 1 and 2: the steady-state plot, all six curves on; with the phasors off (no refresh
    // but those of Check9) and on, as the window opens (a refresh of Picture2 every step).
    setCurves(controls, {controls.Check2, controls.Check3, controls.Check4, controls.Check5, controls.Check6, controls.Check7});
    controls.Check9->setChecked(false);
    if (options.wants('1')) {
        controls.Check11->setChecked(false);
        settle();
        plainPlotCase("1  steady-state plot, 6 curves, Check9 off, Check11 off", w.form, options.runs, report);
        controls.Check11->setChecked(true);
        settle();
        refreshPlotCase("1+ the same with Check11 on (Picture2 refreshed)", w.form, picture2, options.runs,
                        ratioJudged, report);
    }
    controls.Check9->setChecked(true);
    if (options.wants('2')) {
        controls.Check11->setChecked(false);
        settle();
        refreshPlotCase("2  steady-state plot, 6 curves, Check9 on, Check11 off", w.form, picture1, options.runs,
                        ratioJudged, report);
        controls.Check11->setChecked(true);
        settle();
        refreshPlotCase("2+ the same with Check11 on (both refreshed)", w.form, both, options.runs, ratioJudged,
                        report);
    }

    // 3: the switch-on plot, voltage, current and power on.
    if (!options.wants('3'))
        return;
    controls.Check8->setChecked(true); // builds the coil out (a message, answered)
    setCurves(controls, {controls.Check2, controls.Check3, controls.Check4});
    controls.Check9->setChecked(false);
    settle();
    plainPlotCase("3a switch-on plot, 3 curves, Check9 off", w.form, options.runs, report);
    controls.Check9->setChecked(true);
    settle();
    refreshPlotCase("3b switch-on plot, 3 curves, Check9 on", w.form, picture1, options.runs, ratioJudged, report);
    if (dialogs.messages != 1)
        report.note("note: " + std::to_string(dialogs.messages) + " message boxes were answered (1 expected)");
}

void tickCase(Report& report)
{
    SilentDialogs dialogs;
    ShownWindow w; // the initial window: voltage and current on, Check9 and Check11 on
    AnimationControl& animation = w.form.animationControl();
    // Each tick as the timer runs it: the tick, then one round of the event loop, which
    // shows what the tick left to show.
    for (int i = 0; i < 200; ++i) {
        animation.Timer1_Timer();
        QApplication::processEvents();
    }
    const int ticks = 5000;
    std::vector<double> perTick;
    perTick.reserve(ticks);
    for (int i = 0; i < ticks; ++i) {
        const double start = cpuMs();
        animation.Timer1_Timer();
        QApplication::processEvents();
        perTick.push_back(cpuMs() - start);
    }
    // The mean too: the tick that wraps the cycle clears and repaints the whole surface.
    const double m = median(perTick), average = mean(perTick);
    report.line("4  animation tick, initial window", -1, m, "ms", ticks, "<= 0.2 ms (CPU), mean too",
                judge(m <= 0.2 && average <= 0.2, true));
    report.note(format("mean %.4f ms a tick: ", average) +
                format("%.1f %% of a core at a 10 ms delay", average / 10.0 * 100.0));
    if (dialogs.messages != 0)
        report.note("note: " + std::to_string(dialogs.messages) + " message boxes were answered (none expected)");
}

// One key press in `field`, as the keyboard sends it, and the event loop until everything it
// left to paint is painted.
void pressKey(QLineEdit* field, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
    settle();
}

// The floor of case 7: a bare Qt Charts view of the chart's size, with what the resonance
// chart draws (a current and a phase curve of 401 points on a logarithmic axis, the band and
// two markers), which one update replaces and repaints.
class BareChart {
public:
    explicit BareChart(QSize size, QPoint at)
    {
        auto* chart = view_.chart();
        band_ = new QAreaSeries(new QLineSeries(chart), new QLineSeries(chart));
        for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(band_), static_cast<QAbstractSeries*>(current_),
                                        static_cast<QAbstractSeries*>(phase_), static_cast<QAbstractSeries*>(present_),
                                        static_cast<QAbstractSeries*>(resonance_)})
            chart->addSeries(series);
        auto* frequency = new QLogValueAxis(chart);
        auto* current = new QValueAxis(chart);
        auto* phase = new QValueAxis(chart);
        chart->addAxis(frequency, Qt::AlignBottom);
        chart->addAxis(current, Qt::AlignLeft);
        chart->addAxis(phase, Qt::AlignRight);
        frequency->setRange(1.0, 10000.0);
        current->setRange(0.0, 0.11);
        phase->setRange(-90.0, 90.0);
        for (QAbstractSeries* series : chart->series()) {
            series->attachAxis(frequency);
            series->attachAxis(series == phase_ ? phase : current);
        }
        view_.setRenderHint(QPainter::Antialiasing);
        view_.resize(size);
        view_.move(at);
        view_.setWindowTitle(QStringLiteral("bare chart"));
        view_.show();
        waitExposed(view_);
        // Two circuits (R 100 and R 200 around 159 Hz), shown by turns.
        for (int k = 0; k <= 400; ++k) {
            const double f = std::pow(10.0, k / 100.0), x = 2 * M_PI * f * 0.1 - 1 / (2 * M_PI * f * 1e-5);
            for (int n = 0; n < 2; ++n) {
                const double r = n == 0 ? 100.0 : 200.0;
                currents_[n].append(QPointF(f, 10.0 / std::hypot(r, x)));
                phases_[n].append(QPointF(f, std::atan(x / r) * 180 / M_PI));
            }
        }
        update();
    }
    void update()
    {
        const int n = next_++ % 2;
        current_->replace(currents_[n]);
        phase_->replace(phases_[n]);
        const double f = n ? 50.0 : 60.0;
        present_->replace({QPointF(f, 0.0), QPointF(f, 0.11)});
        resonance_->replace({QPointF(159.15, 0.0), QPointF(159.15, 0.11)});
        band_->upperSeries()->replace({QPointF(98.0 + n, 0.11), QPointF(257.0 + n, 0.11)});
        band_->lowerSeries()->replace({QPointF(98.0 + n, 0.0), QPointF(257.0 + n, 0.0)});
        settle();
    }

private:
    QChartView view_;
    QLineSeries *current_ = new QLineSeries, *phase_ = new QLineSeries, *present_ = new QLineSeries,
                *resonance_ = new QLineSeries;
    QAreaSeries* band_ = nullptr;
    QList<QPointF> currents_[2], phases_[2];
    int next_ = 0;
};

// 7: an accepted keystroke in r (a 0 typed, then taken back), without and with the window
// "Resonanz und Leistung" open, each with the event loop until it is painted; and the floor,
// a bare Qt Charts update of the same size. What the window adds is judged against twice
// the floor, on processor time, by turns so that all three meet the same load.
void keystrokeCase(const Options& options, Report& report)
{
    SilentDialogs dialogs;
    ShownWindow alone, withWindow;
    withWindow.form.move(alone.form.frameGeometry().right() + 10, 0);
    withWindow.form.commands().action(QStringLiteral("resonanceAction"))->trigger();
    auto* resonance = withWindow.form.findChild<ResonanceWindow*>();
    waitExposed(*resonance);
    QWidget* chartView = resonance->findChild<QChartView*>();
    BareChart bare(chartView->size(), QPoint(0, alone.form.frameGeometry().bottom() + 10));

    const int runs = std::max(options.runs, 15) * 4; // a keystroke is short: more of them
    Timing timings[3];
    auto timeOne = [](Timing& timing, const std::function<void()>& run) {
        const double cpu = cpuMs();
        const auto start = Clock::now();
        run();
        timing.wall.push_back(msSince(start));
        timing.cpu.push_back(cpuMs() - cpu);
    };
    for (int i = -4; i < runs; ++i) { // the first rounds warm up
        const bool add = i % 2 == 0;
        const Qt::Key key = add ? Qt::Key_0 : Qt::Key_Backspace;
        const QString text = add ? QStringLiteral("0") : QString();
        Timing scratch[3];
        Timing* into = i < 0 ? scratch : timings;
        timeOne(into[0], [&] { pressKey(alone.controls.r, key, text); });
        timeOne(into[1], [&] { pressKey(withWindow.controls.r, key, text); });
        timeOne(into[2], [&] { bare.update(); });
    }
    const double without = median(timings[0].cpu), with = median(timings[1].cpu), floor = median(timings[2].cpu);
    const double added = with - without;
    report.line("7a keystroke in r, accepted, painted", median(timings[0].wall), without, "ms", runs, "", Verdict::Info);
    report.line("7b the same with Resonanz und Leistung open", median(timings[1].wall), with, "ms", runs,
                format("added <= 2 x floor: %.2f", added / floor), judge(added <= 2.0 * floor, true));
    report.line("   floor: bare Qt Charts update of the same size", median(timings[2].wall), floor, "ms", runs, "",
                Verdict::Info);
    if (dialogs.messages != 0)
        report.note("note: " + std::to_string(dialogs.messages) + " message boxes were answered (none expected)");
}

// Spawns `program`, returns the milliseconds until it writes its first line (or -1).
double timeToFirstLine(const std::string& program)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    double elapsed = -1;
    if (spawned == 0) {
        char ch = 0;
        ssize_t n = 0;
        while ((n = read(pipeFds[0], &ch, 1)) == 1 || (n < 0 && errno == EINTR)) {
            if (n == 1 && ch == '\n') {
                elapsed = msSince(start);
                break;
            }
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            elapsed = -1;
    }
    close(pipeFds[0]);
    return elapsed;
}

void startupCase(const Options& options, Report& report)
{
    const std::string dir = QCoreApplication::applicationDirPath().toStdString();
    const std::string program = dir + "/wellgrat_startup_probe";
    const std::string bare = dir + "/wellgrat_bare_probe";
    timeToFirstLine(program); // warm the page cache and the font cache
    timeToFirstLine(bare);
    std::vector<double> programTimes, bareTimes;
    for (int i = 0; i < options.starts; ++i) { // alternating, so that both see the same load
        const double a = timeToFirstLine(program);
        const double b = timeToFirstLine(bare);
        if (a < 0 || b < 0) {
            report.note("error: a start-up probe did not report its first frame");
            ++report.failures;
            return;
        }
        programTimes.push_back(a);
        bareTimes.push_back(b);
    }
    const double m = median(programTimes), b = median(bareTimes);
    report.line("5  start-up to the first frame (from outside)", m, -1, "ms", int(programTimes.size()),
                "<= 1.5 x bare = " + format("%.1f ms", 1.5 * b), judge(m <= 1.5 * b, options.xvfb));
    report.line("   bare Qt window with one label", b, -1, "ms", int(bareTimes.size()), format("ratio %.2f", m / b),
                Verdict::Info);
}

// In a fresh process: the peak resident set after the first plot and after a plot and
// 10,000 ticks more. Prints "<first kB> <after kB>".
int memoryCase()
{
    SilentDialogs dialogs;
    ShownWindow w;
    w.form.plotter().Command1_Click();
    settle();
    const long first = residentKb().second;
    w.form.plotter().Command1_Click();
    settle();
    AnimationControl& animation = w.form.animationControl();
    for (int i = 0; i < 10000; ++i) {
        animation.Timer1_Timer();
        QApplication::processEvents();
    }
    settle();
    const long after = residentKb().second;
    std::printf("%ld %ld\n", first, after);
    return 0;
}

void memoryReport(Report& report)
{
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    const std::string command = "'" + self + "' --memory-case";
    FILE* child = popen(command.c_str(), "r");
    long first = 0, after = 0;
    const bool read = child && std::fscanf(child, "%ld %ld", &first, &after) == 2;
    if (child)
        pclose(child);
    if (!read) {
        report.note("error: the memory case did not report");
        ++report.failures;
        return;
    }
    const double growthMb = double(after - first) / 1024.0;
    report.line("6  peak RSS growth, plot + 10,000 ticks", growthMb, -1, "MB", 1, "<= 2 MB",
                judge(growthMb <= 2.0, true));
    report.note(format("peak RSS after the first plot %.1f MB, ", double(first) / 1024.0) +
                format("after the plot and the ticks %.1f MB", double(after) / 1024.0));
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    bool memoryOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--memory-case")
            memoryOnly = true;
        else if (arg == "--runs" && i + 1 < argc)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--starts" && i + 1 < argc)
            options.starts = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--cases" && i + 1 < argc)
            options.only = argv[++i];
        else {
            std::fprintf(stderr, "usage: %s [--runs N] [--starts N] [--cases 1234567]\n", argv[0]);
            return 2;
        }
    }

    QStandardPaths::setTestModeEnabled(true); // the window at 100 %, whatever the user's settings remember
    QApplication app(argc, argv);
    if (memoryOnly)
        return memoryCase();

    options.xvfb = QGuiApplication::platformName() == QLatin1String("xcb");
    std::printf("Wellgrat benchmark, Qt %s, platform %s%s\n", qVersion(), qPrintable(QGuiApplication::platformName()),
                options.xvfb ? " (display server: targets for refresh and start-up)" : " (headless)");
    Report report;
    report.header();
    if (options.wants('1') || options.wants('2') || options.wants('3'))
        plotCases(options, report);
    if (options.wants('4'))
        tickCase(report);
    if (options.wants('5'))
        startupCase(options, report);
    if (options.wants('6') && !options.xvfb)
        memoryReport(report);
    if (options.wants('7'))
        keystrokeCase(options, report);
    std::printf("%s\n", report.failures ? "Some targets do not hold." : "Every target that applies holds.");
    return report.failures ? 1 : 0;
}
