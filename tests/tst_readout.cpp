// SPDX-License-Identifier: GPL-3.0-or-later
// Reading values off the pictures, on the real window: the measuring cursor of the waveform
// surface against the copied values, the phase between zero crossings, the keys, the picture
// under the cursor, and the phasor diagram's list.
#include "TestSupport.h"

#include "animation/AnimationControl.h"
#include "app/WorksheetCopy.h"
#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "plot/TimeAxis.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"
#include "ui/Twips.h"
#include "ui/Zoom.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QToolTip>

#include <cmath>

using ui::DrawingSurface;

namespace {

constexpr int none = 9999; // no line in that row

// The pixel column of the drawing area in which a step's points lie.
int columnOf(int step) { return int(std::floor(ui::twipsToPixels(timeaxis::pointX(step), 0).x())); }
QPoint pointAt(int column) { return {DrawingSurface::kBorder + column, 60}; }

// Mouse events go to the surface itself, wherever the test machine's pointer stands.
void hover(QWidget* surface, int column, QEvent::Type type = QEvent::MouseMove)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pointAt(column), surface->mapToGlobal(pointAt(column)), button, button, Qt::NoModifier);
    QApplication::sendEvent(surface, &event);
}

QString tipAt(QWidget* surface, int column)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, pointAt(column), surface->mapToGlobal(pointAt(column)));
    QApplication::sendEvent(surface, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString captured(const QString& readout, const char* pattern)
{
    return QRegularExpression(QString::fromUtf8(pattern)).match(readout).captured(1);
}
int stepOf(const QString& readout) { return captured(readout, "^Schritt (\\d+) · t = ").toInt(); }

ui::LineElement* line(const Controls& controls, const char* name)
{
    return controls.Picture1->findChild<ui::LineElement*>(QLatin1String(name));
}

// "Werte kopieren": one row per step, by column title.
QList<QMap<QString, double>> copiedSteps(Form1& form)
{
    const QStringList rows = form.worksheetCopy().valuesText().section(QStringLiteral("\n\n"), 1).split(u'\n', Qt::SkipEmptyParts);
    const QStringList header = rows.value(0).split(u'\t');
    QList<QMap<QString, double>> steps;
    for (const QString& row : rows.mid(1)) {
        const QStringList cells = row.split(u'\t');
        steps.append(QMap<QString, double>());
        for (qsizetype i = 1; i < cells.size(); ++i)
            steps.back()[header[i]] = optionalNumber(cells[i]).value_or(std::nan(""));
    }
    return steps;
}

void press(QWidget* widget, const QString& keys)
{
    const QKeySequence sequence(keys);
    for (int i = 0; i < sequence.count(); ++i)
        QTest::keyClick(widget, sequence[i].key(), sequence[i].keyboardModifiers());
}

// The window shown and active, with a plot of the initial circuit unless told otherwise.
struct PlottedWindow : ShownWindow {
    explicit PlottedWindow(bool plot = true)
    {
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("window not active");
        if (plot)
            controls.Command1->click();
    }
    DrawingSurface* surface() const { return controls.Picture1; }
};

} // namespace

class ReadoutTest : public QObject {
    Q_OBJECT
private slots:
    // Wherever the mouse rests, the readout gives the values "Werte kopieren" gives at that
    // step, to three significant digits, for every drawn curve and both kinds of plot.
    void readoutIsTheCopiedValues_data()
    {
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<QStringList>("alsoOn");
        QTest::addColumn<double>("zoom");
        QTest::newRow("steady, all six") << false << QStringList{"Check4", "Check5", "Check6", "Check7"} << 1.0;
        QTest::newRow("switch-on, u, i and p") << true << QStringList{"Check4"} << 1.0;
        QTest::newRow("steady, at 200 %") << false << QStringList{"Check5"} << 2.0;
    }
    void readoutIsTheCopiedValues()
    {
        QFETCH(bool, switchOn);
        QFETCH(QStringList, alsoOn);
        QFETCH(double, zoom);
        DialogRecorder dialogs; // the coil message of the switch-on mode
        ui::setZoom(zoom);
        const auto atNormalSize = qScopeGuard([] { ui::setZoom(1.0); });
        PlottedWindow w(false);
        w.controls.Check8->setChecked(switchOn);
        for (const QString& name : alsoOn)
            w.form.findChild<QCheckBox*>(name)->setChecked(true);
        w.controls.Command1->click();
        const auto copied = copiedSteps(w.form);
        QCOMPARE(copied.size(), 5000);
        for (const int sampled : {1, 777, 1234, 2500, 4321, 5000}) {
            hover(w.surface(), columnOf(sampled));
            const QStringList lines = w.surface()->accessibleDescription().split(u'\n');
            const int step = stepOf(lines[0]);
            QCOMPARE(columnOf(step), columnOf(sampled)); // a step of the column under the mouse
            QStringList expected{lines[0]};
            for (const CurveControls& curve : curvesOf(w.controls))
                if (const QString title = curve.name() + QStringLiteral(" in ") + curve.unit(); copied[step - 1].contains(title))
                    expected << curve.symbol() + QStringLiteral(" = ") + readingText(copied[step - 1][title]) + u' ' + curve.unit();
            QCOMPARE(lines, expected);
        }
        const QString tip = tipAt(w.surface(), columnOf(1234));
        QCOMPARE(tip, w.surface()->accessibleDescription());
        QCOMPARE(line(w.controls, "cursorLine")->x1(), float(ui::pixelsToTwips(columnOf(1234))));
    }

    // A reference on a rising zero crossing of i, the cursor on the nearest one of u: Δφ is the
    // phase by which the current leads, −φ of the captions, within a column's worth.
    void phaseBetweenZeroCrossings_data()
    {
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("periods");
        QTest::newRow("capacitive") << "0,00001" << "1";
        QTest::newRow("inductive") << "0,001" << "1";
        QTest::newRow("near resonance, 3 periods") << "0,0001" << "3";
    }
    void phaseBetweenZeroCrossings()
    {
        QFETCH(QString, c);
        QFETCH(QString, periods);
        PlottedWindow w(false);
        typeInto(w.controls.c, c);
        typeInto(w.controls.perioden, periods);
        w.controls.Command1->click();
        const auto copied = copiedSteps(w.form);
        auto rising = [&copied](const QString& title) {
            QList<int> steps;
            for (int k = 1; k < copied.size(); ++k)
                if (copied[k - 1][title] < 0 && copied[k][title] >= 0)
                    steps << k + 1;
            return steps;
        };
        const int i = rising(QStringLiteral("Strom in A")).value(0);
        const QList<int> ofU = rising(QStringLiteral("Angelegte Spannung in V"));
        const int u = *std::min_element(ofU.begin(), ofU.end(), [i](int a, int b) { return std::abs(a - i) < std::abs(b - i); });
        hover(w.surface(), columnOf(i), QEvent::MouseButtonPress);
        hover(w.surface(), columnOf(u));
        const QString readout = w.surface()->accessibleDescription();
        const double dphi = optionalNumber(captured(readout, "Δφ = (\\S+)°")).value_or(NAN);
        const double column = ui::pixelsToTwips(1) * timeaxis::sourcePhase(optionalNumber(periods).value(), 1.0) * 180 / M_PI;
        // Whole periods apart where the nearest crossing of u lies a period off.
        QVERIFY2(std::fabs(std::remainder(dphi + optionalNumber(w.controls.phi->text()).value(), 360.0)) <= column,
                 qPrintable(readout));
    }

    // With the surface focused the keys move the cursor column by column; Space sets or
    // removes the reference, Esc removes it and is the window's without one. Without a plot
    // the keys are the window's.
    void keysMoveTheCursor_data()
    {
        QTest::addColumn<bool>("plotted");
        QTest::addColumn<QString>("keys");
        // Columns right of the first step's; below 0 from the last step's, -1 being its own.
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("windowsEsc");
        QTest::newRow("the first Right shows it") << true << "Right" << 0 << none << 0;
        QTest::newRow("Shift+Right moves ten") << true << "Right, Right, Shift+Right" << 11 << none << 0;
        QTest::newRow("Left stops at the first step") << true << "Right, Left" << 0 << none << 0;
        QTest::newRow("End, then Left") << true << "End, Left" << -2 << none << 0;
        QTest::newRow("Space sets the reference") << true << "Right, Shift+Right, Space, Right" << 11 << 10 << 0;
        QTest::newRow("Esc removes it") << true << "Right, Space, Right, Esc" << 1 << none << 0;
        QTest::newRow("Esc without one") << true << "Right, Esc" << 0 << none << 1;
        QTest::newRow("no plot") << false << "Right, Space, Esc" << none << none << 1;
    }
    void keysMoveTheCursor()
    {
        QFETCH(bool, plotted);
        QFETCH(QString, keys);
        QFETCH(int, cursor);
        QFETCH(int, reference);
        QFETCH(int, windowsEsc);
        PlottedWindow w(plotted);
        QAction escape(&w.form); // as a full-screen mode or a side window would have it
        escape.setShortcut(Qt::Key_Escape);
        w.form.addAction(&escape);
        int escaped = 0;
        connect(&escape, &QAction::triggered, [&escaped] { ++escaped; });
        w.surface()->setFocus(Qt::TabFocusReason);
        press(w.surface(), keys);
        QCOMPARE(escaped, windowsEsc);
        const QString readout = w.surface()->accessibleDescription();
        auto columnAt = [](int offset) { return offset < 0 ? columnOf(5000) + 1 + offset : columnOf(1) + offset; };
        for (auto [name, expected] : {std::pair{"cursorLine", cursor}, {"referenceLine", reference}}) {
            QCOMPARE(line(w.controls, name)->isVisible(), expected != none);
            if (expected != none)
                QCOMPARE(line(w.controls, name)->x1(), float(ui::pixelsToTwips(columnAt(expected))));
        }
        QCOMPARE(readout.contains(QStringLiteral("Bezug bei Schritt")), reference != none);
        if (cursor != none)
            QCOMPARE(columnOf(stepOf(readout)), columnAt(cursor));
        else
            QCOMPARE(readout, w.surface()->toolTip());
    }

    // The lines lie over the picture: what is plotted stays, and once they are gone the screen
    // shows the picture as before.
    void theCursorLeavesThePictureAsItIs()
    {
        PlottedWindow w;
        QTest::qWait(20);
        const QImage plotted = w.surface()->image().copy();
        const QImage shown = w.surface()->grab().toImage();
        w.surface()->setFocus(Qt::TabFocusReason);
        press(w.surface(), QStringLiteral("Right, Shift+Right, Shift+Right, Space"));
        press(w.surface(), QStringLiteral("Shift+Right, Shift+Right"));
        QCOMPARE(w.surface()->image(), plotted);
        const QImage withLines = w.surface()->grab().toImage();
        auto colourAt = [](const QImage& image, int column) {
            const qreal ratio = image.devicePixelRatio();
            return image.pixelColor(int((DrawingSurface::kBorder + column) * ratio), int(20 * ratio));
        };
        QCOMPARE(colourAt(withLines, columnOf(1) + 20), line(w.controls, "referenceLine")->colour());
        QCOMPARE(colourAt(withLines, columnOf(1) + 40), line(w.controls, "cursorLine")->colour());
        QCOMPARE(colourAt(withLines, columnOf(1) + 30), colourAt(shown, columnOf(1) + 30));

        QTest::keyClick(w.surface(), Qt::Key_Escape);
        w.controls.u->setFocus(); // and the mouse is not on the surface
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w.surface(), &leave);
        QCOMPARE(w.surface()->grab().toImage(), shown);
        QCOMPARE(w.surface()->image(), plotted);
    }

    // The readout keeps the values of its plot and says so once the inputs are no longer those
    // it was drawn with; the choice of curves is none of them. Before a plot and after CLS the
    // tip is the surface's own.
    void theReadoutSaysWhenTheInputsChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("noted");
        QTest::newRow("R") << "r" << true;
        QTest::newRow("periods") << "perioden" << true;
        QTest::newRow("switch-on mode") << "Check8" << true;
        QTest::newRow("curve choice") << "Check4" << false;
    }
    void theReadoutSaysWhenTheInputsChanged()
    {
        QFETCH(QString, change);
        QFETCH(bool, noted);
        DialogRecorder dialogs;
        PlottedWindow w(false);
        QCOMPARE(tipAt(w.surface(), 200), w.surface()->toolTip());
        w.controls.Command1->click();
        // Step 1238 lies in the column of 1234, where the sine peaks: at 50 Hz after 5 ms.
        const QString before = tipAt(w.surface(), columnOf(1234));
        QCOMPARE(before, QStringLiteral("Schritt 1238 · t = 5,02 ms\nu = 14,1 V\ni = 0,0151 A"));
        if (auto* field = w.form.findChild<QLineEdit*>(change))
            typeInto(field, QStringLiteral("2"));
        else
            w.form.findChild<QCheckBox*>(change)->click();
        const QString note = QStringLiteral("\nWerte der letzten Zeichnung: die Eingaben sind seitdem geändert.");
        QCOMPARE(tipAt(w.surface(), columnOf(1234)), noted ? before + note : before);
        QCOMPARE(w.surface()->accessibleDescription(), noted ? before + note : before);
        w.controls.Command8->click();
        QCOMPARE(tipAt(w.surface(), 200), w.surface()->toolTip());
        QVERIFY(!line(w.controls, "cursorLine")->isVisible());
    }

    // The phasor diagram lists each shown phasor's peak value and angle, then its own tip.
    void thePhasorDiagramListsItsPhasors_data()
    {
        QTest::addColumn<QStringList>("toggled");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("absent");
        // The second step: θ = 2 / 785.3981635 rad, the current 70,7834° ahead; U_R = R · Î.
        QTest::newRow("u, i and u_R") << QStringList{"Check5"}
                                      << QStringList{QStringLiteral("u: 14,1 V, 0,146°"), QStringLiteral("i: 0,0465 A, 70,9°"),
                                                     QStringLiteral("u_R: 4,65 V, 70,9°")}
                                      << "p:";
        QTest::newRow("capacitor out") << QStringList{"Check6", "Check1"} << QStringList{QStringLiteral("u: 14,1 V")} << "u_C";
        QTest::newRow("no phasor shown") << QStringList{"Check2", "Check3"} << QStringList{} << "Zeiger:";
    }
    void thePhasorDiagramListsItsPhasors()
    {
        QFETCH(QStringList, toggled);
        QFETCH(QStringList, lines);
        QFETCH(QString, absent);
        PlottedWindow w(false);
        for (const QString& name : toggled)
            w.form.findChild<QCheckBox*>(name)->toggle();
        if (toggled.back() != u"Check1") // which steps on by itself
            w.form.animationControl().Timer1_Timer();
        const QString tip = tipAt(w.controls.Picture2, 100);
        for (const QString& text : lines)
            QVERIFY2(tip.contains(u'\n' + text), qPrintable(tip));
        QVERIFY2(!tip.contains(absent), qPrintable(tip));
        QVERIFY(tip.endsWith(w.controls.Picture2->toolTip()));
    }
};

QTEST_MAIN(ReadoutTest)
#include "tst_readout.moc"
