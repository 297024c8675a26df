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

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

#include <cmath>

using ui::DrawingSurface;

namespace {

// The pixel column of the drawing area in which a step's points lie.
int columnOf(int step) { return int(std::floor(ui::twipsToPixels(timeaxis::pointX(step), 0).x())); }
QPoint pointAt(int column) { return {DrawingSurface::kBorder + column, 60}; }

// The tip the surface shows for a mouse resting at that column.
QString tipAt(QWidget* surface, int column)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, pointAt(column), surface->mapToGlobal(pointAt(column)));
    QApplication::sendEvent(surface, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The mouse moved to that column: sent to the surface itself, wherever the pointer of the test
// machine stands.
void hover(QWidget* surface, int column)
{
    QMouseEvent move(QEvent::MouseMove, pointAt(column), surface->mapToGlobal(pointAt(column)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
}

int stepOf(const QString& readout)
{
    const auto match = QRegularExpression(QStringLiteral("^Schritt (\\d+) · t = ")).match(readout);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

double degreesIn(const QString& readout)
{
    const auto match = QRegularExpression(QStringLiteral("Δφ = (\\S+)°")).match(readout);
    return optionalNumber(match.captured(1)).value_or(std::nan(""));
}

ui::LineElement* line(const Controls& controls, const char* name)
{
    return controls.Picture1->findChild<ui::LineElement*>(QLatin1String(name));
}

// "Werte kopieren": the step rows of the table, by column title.
QList<QMap<QString, double>> copiedSteps(Form1& form)
{
    const QStringList rows = form.worksheetCopy().valuesText().section(QStringLiteral("\n\n"), 1).split(u'\n', Qt::SkipEmptyParts);
    const QStringList header = rows.value(0).split(u'\t');
    QList<QMap<QString, double>> steps;
    for (const QString& row : rows.mid(1)) {
        const QStringList cells = row.split(u'\t');
        QMap<QString, double> step;
        for (qsizetype i = 1; i < cells.size(); ++i)
            step[header[i]] = optionalNumber(cells[i]).value_or(std::nan(""));
        steps << step;
    }
    return steps;
}

void press(QWidget* widget, const QString& keys)
{
    const QKeySequence sequence(keys);
    for (int i = 0; i < sequence.count(); ++i)
        QTest::keyClick(widget, sequence[i].key(), sequence[i].keyboardModifiers());
}

// A shown window whose surface has the focus and a plot (the initial circuit, unless set).
struct PlottedWindow : ShownWindow {
    explicit PlottedWindow(bool plot = true)
    {
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("window not active");
        if (plot)
            controls.Command1->click();
        QCoreApplication::processEvents();
    }
    DrawingSurface* surface() const { return controls.Picture1; }
};

} // namespace

class ReadoutTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QToolTip::hideText(); }

    // Wherever the mouse rests, the readout gives the values "Werte kopieren" gives at that
    // step, to three significant digits, for every drawn curve and both kinds of plot.
    void readoutIsTheCopiedValues_data()
    {
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<QStringList>("alsoOn");
        QTest::newRow("steady, u and i") << false << QStringList{};
        QTest::newRow("steady, all six") << false << QStringList{"Check4", "Check5", "Check6", "Check7"};
        QTest::newRow("switch-on, u, i and p") << true << QStringList{"Check4"};
    }
    void readoutIsTheCopiedValues()
    {
        QFETCH(bool, switchOn);
        QFETCH(QStringList, alsoOn);
        DialogRecorder dialogs;
        PlottedWindow w(false);
        if (switchOn)
            w.controls.Check8->click();
        for (const QString& name : alsoOn)
            w.form.findChild<QCheckBox*>(name)->setChecked(true);
        w.controls.Command1->click();
        const auto copied = copiedSteps(w.form);
        QCOMPARE(copied.size(), 5000);
        for (const int sampled : {1, 777, 1234, 2500, 4321, 5000}) {
            hover(w.surface(), columnOf(sampled));
            const QString readout = w.surface()->accessibleDescription();
            const int step = stepOf(readout);
            QCOMPARE(columnOf(step), columnOf(sampled)); // a step of the column under the mouse
            const QStringList lines = readout.split(u'\n');
            QCOMPARE(lines.size(), 1 + copied[step - 1].size());
            qsizetype at = 1;
            for (const CurveControls& curve : curvesOf(w.controls)) {
                const QString title = curve.name() + QStringLiteral(" in ") + curve.unit();
                if (!copied[step - 1].contains(title))
                    continue;
                const double value = copied[step - 1][title];
                QCOMPARE(lines[at++], QStringLiteral("%1 = %2 %3").arg(curve.symbol(), readingText(value), curve.unit()));
            }
        }
        // The tip says the same, and the cursor line stands in that column.
        const QString tip = tipAt(w.surface(), columnOf(1234));
        QCOMPARE(tip, w.surface()->accessibleDescription());
        QCOMPARE(line(w.controls, "cursorLine")->x1(), float(ui::pixelsToTwips(columnOf(1234))));
        QVERIFY(dialogs.texts().size() <= 1); // the coil message of the switch-on mode
    }

    void readoutAtTheTopOfTheSine()
    {
        PlottedWindow w;
        // Step 1238 lies in the column of 1234, where the sine peaks: 50 Hz, so 5 ms.
        QCOMPARE(tipAt(w.surface(), columnOf(1234)), QStringLiteral("Schritt 1238 · t = 5,02 ms\nu = 14,1 V\ni = 0,0151 A"));
    }

    // A reference on a rising zero crossing of i, the cursor on the nearest one of u: Δφ is the
    // phase by which the current leads, −φ of the captions, within the column each lies in.
    void phaseBetweenZeroCrossings_data()
    {
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("periods");
        QTest::newRow("capacitive") << "0,00001" << "1";
        QTest::newRow("inductive") << "0,001" << "1";
        QTest::newRow("two periods") << "0,00001" << "2";
        QTest::newRow("near resonance") << "0,0001" << "3";
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
        auto risingCrossings = [&copied](const QString& title) {
            QList<int> steps;
            for (int k = 1; k < copied.size(); ++k)
                if (copied[k - 1][title] < 0 && copied[k][title] >= 0)
                    steps << k + 1;
            return steps;
        };
        const QList<int> ofI = risingCrossings(QStringLiteral("Strom in A"));
        const QList<int> ofU = risingCrossings(QStringLiteral("Angelegte Spannung in V"));
        QVERIFY(!ofI.isEmpty() && !ofU.isEmpty());
        const int i = ofI.back();
        const int u = *std::min_element(ofU.begin(), ofU.end(), [i](int a, int b) { return std::abs(a - i) < std::abs(b - i); });

        QTest::mouseClick(w.surface(), Qt::LeftButton, {}, pointAt(columnOf(i)));
        hover(w.surface(), columnOf(u));
        const QString readout = w.surface()->accessibleDescription();
        QVERIFY2(readout.contains(QStringLiteral("Bezug bei Schritt")), qPrintable(readout));
        const double phi = optionalNumber(w.controls.phi->text()).value();
        const double perStep = timeaxis::sourcePhase(optionalNumber(periods).value(), 1.0) * 180.0 / 3.141592654;
        const double column = ui::pixelsToTwips(1) * perStep; // a column is 15 steps wide
        // Whole periods apart where the nearest crossing of u lies a period off (i lagging).
        QVERIFY2(std::fabs(std::remainder(degreesIn(readout) + phi, 360.0)) <= column, qPrintable(readout + QStringLiteral(" / φ ") + w.controls.phi->text()));
    }

    // With the surface focused the keys move the cursor column by column; Space sets or
    // removes the reference, Esc removes it. Without a plot the keys do nothing.
    void keysMoveTheCursor_data()
    {
        QTest::addColumn<bool>("plotted");
        QTest::addColumn<QString>("keys");
        // Columns right of the first step's; below 0 from the last step's: -1 is its column.
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("reference"); // the same, or none
        constexpr int none = 9999;
        QTest::newRow("the first Right shows it") << true << "Right" << 0 << none;
        QTest::newRow("Right moves a column") << true << "Right, Right" << 1 << none;
        QTest::newRow("Shift+Right moves ten") << true << "Right, Shift+Right" << 10 << none;
        QTest::newRow("Left stops at the first step") << true << "Right, Left" << 0 << none;
        QTest::newRow("End") << true << "End" << -1 << none;
        QTest::newRow("End, then Left") << true << "End, Left" << -2 << none;
        QTest::newRow("Home") << true << "End, Home" << 0 << none;
        QTest::newRow("Space sets the reference") << true << "Right, Shift+Right, Space, Right" << 11 << 10;
        QTest::newRow("Space again removes it") << true << "Right, Space, Right, Space" << 1 << none;
        QTest::newRow("Esc removes it") << true << "Right, Space, Right, Esc" << 1 << none;
        QTest::newRow("no plot, no cursor") << false << "Right, Space" << none << none;
    }
    void keysMoveTheCursor()
    {
        QFETCH(bool, plotted);
        QFETCH(QString, keys);
        QFETCH(int, cursor);
        QFETCH(int, reference);
        PlottedWindow w(plotted);
        w.surface()->setFocus(Qt::TabFocusReason);
        press(w.surface(), keys);
        auto expectedColumn = [](int offset) { return offset < 0 ? columnOf(5000) + 1 + offset : columnOf(1) + offset; };
        const QString readout = w.surface()->accessibleDescription();
        const ui::LineElement* cursorLine = line(w.controls, "cursorLine");
        const ui::LineElement* referenceLine = line(w.controls, "referenceLine");
        QCOMPARE(cursorLine->isVisible(), cursor != 9999);
        QCOMPARE(referenceLine->isVisible(), reference != 9999);
        QCOMPARE(readout.contains(QStringLiteral("Bezug bei Schritt")), reference != 9999);
        if (cursor == 9999) {
            QCOMPARE(readout, w.surface()->toolTip());
            return;
        }
        QCOMPARE(columnOf(stepOf(readout)), expectedColumn(cursor));
        QCOMPARE(cursorLine->x1(), float(ui::pixelsToTwips(expectedColumn(cursor))));
        if (reference != 9999)
            QCOMPARE(referenceLine->x1(), float(ui::pixelsToTwips(expectedColumn(reference))));
    }

    // Esc belongs to the cursor only while there is a reference; otherwise to the window.
    void escapeIsTheWindowsWithoutAReference_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("windowsEsc");
        QTest::newRow("no cursor") << "" << true;
        QTest::newRow("a cursor") << "Right" << true;
        QTest::newRow("a reference") << "Right, Space" << false;
    }
    void escapeIsTheWindowsWithoutAReference()
    {
        QFETCH(QString, keys);
        QFETCH(bool, windowsEsc);
        PlottedWindow w;
        QAction escape(&w.form);
        escape.setShortcut(Qt::Key_Escape);
        w.form.addAction(&escape);
        int triggered = 0;
        connect(&escape, &QAction::triggered, [&triggered] { ++triggered; });
        w.surface()->setFocus(Qt::TabFocusReason);
        press(w.surface(), keys);
        QTest::keyClick(w.surface(), Qt::Key_Escape);
        QCOMPARE(triggered, windowsEsc ? 1 : 0);
        QVERIFY(!line(w.controls, "referenceLine")->isVisible());
    }

    // The lines lie over the picture: what is plotted stays, and the screen shows the picture
    // again as it was once they are gone.
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
        const qreal ratio = withLines.devicePixelRatio();
        auto colourAt = [ratio](const QImage& image, int column) {
            return image.pixelColor(int((DrawingSurface::kBorder + column) * ratio), int(20 * ratio));
        };
        QCOMPARE(colourAt(withLines, columnOf(1) + 20), line(w.controls, "referenceLine")->colour());
        QCOMPARE(colourAt(withLines, columnOf(1) + 40), line(w.controls, "cursorLine")->colour());
        QCOMPARE(colourAt(withLines, columnOf(1) + 30), colourAt(shown, columnOf(1) + 30));

        QTest::keyClick(w.surface(), Qt::Key_Escape);
        // The focus goes elsewhere, and the mouse is not on the surface.
        w.controls.u->setFocus();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w.surface(), &leave);
        QVERIFY(!line(w.controls, "cursorLine")->isVisible());
        QCOMPARE(w.surface()->grab().toImage(), shown);
        QCOMPARE(w.surface()->image(), plotted);
    }

    // The readout keeps the values of the plot, and says so once the inputs are no longer
    // those it was drawn with; the choice and colour of curves are no inputs of it.
    void theReadoutSaysWhenTheInputsChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("noted");
        QTest::newRow("R") << "r" << true;
        QTest::newRow("periods") << "perioden" << true;
        QTest::newRow("switch-on mode") << "Check8" << true;
        QTest::newRow("curve choice") << "Check4" << false;
        QTest::newRow("nothing") << "" << false;
    }
    void theReadoutSaysWhenTheInputsChanged()
    {
        QFETCH(QString, change);
        QFETCH(bool, noted);
        DialogRecorder dialogs;
        PlottedWindow w;
        const QString before = tipAt(w.surface(), 200);
        if (change == u"r" || change == u"perioden")
            typeInto(w.form.findChild<QLineEdit*>(change), QStringLiteral("2"));
        else if (!change.isEmpty())
            w.form.findChild<QCheckBox*>(change)->click();
        const QString after = tipAt(w.surface(), 200);
        const QString note = QStringLiteral("\nWerte der letzten Zeichnung: die Eingaben sind seitdem geändert.");
        QCOMPARE(after, noted ? before + note : before);
        QCOMPARE(w.surface()->accessibleDescription(), after);
        // A new plot is of the inputs as they are.
        if (noted) {
            w.controls.Command1->click();
            QVERIFY(!tipAt(w.surface(), 200).contains(note));
        }
    }

    // Before any plot and once the picture is cleared, the tip is the surface's own.
    void withoutAPlotTheTipIsTheSurfaces_data()
    {
        QTest::addColumn<bool>("plotThenClear");
        QTest::newRow("before any plot") << false;
        QTest::newRow("after CLS") << true;
    }
    void withoutAPlotTheTipIsTheSurfaces()
    {
        QFETCH(bool, plotThenClear);
        PlottedWindow w(plotThenClear);
        if (plotThenClear) {
            w.surface()->setFocus(Qt::TabFocusReason);
            press(w.surface(), QStringLiteral("Right, Space"));
            w.controls.Command8->click();
        }
        QCOMPARE(tipAt(w.surface(), 200), w.surface()->toolTip());
        QVERIFY(!line(w.controls, "cursorLine")->isVisible());
        QVERIFY(!line(w.controls, "referenceLine")->isVisible());
        QCOMPARE(w.surface()->accessibleDescription(), w.surface()->toolTip());
    }

    // The phasor diagram lists each shown phasor's peak value and angle, then its own tip.
    void thePhasorDiagramListsItsPhasors_data()
    {
        QTest::addColumn<QStringList>("toggled");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("absent");
        // The first step: θ = 1 / 785.3981635 rad; the current leads by 70,7834°.
        QTest::newRow("start") << QStringList{} << QStringList{QStringLiteral("u: 14,1 V, 0,073°"), QStringLiteral("i: 0,0465 A, 70,9°")}
                               << "u_R";
        // R · Î = 4,654 V, in phase with the current.
        QTest::newRow("with u_R, a step on") << QStringList{"Check5"}
                                             << QStringList{QStringLiteral("u: 14,1 V, 0,146°"), QStringLiteral("u_R: 4,65 V, 70,9°")} << "p:";
        QTest::newRow("capacitor out") << QStringList{"Check6", "Check1"} << QStringList{QStringLiteral("u: 14,1 V")} << "u_C";
        QTest::newRow("no phasor shown") << QStringList{"Check2", "Check3"} << QStringList{} << "Zeiger:";
    }
    void thePhasorDiagramListsItsPhasors()
    {
        QFETCH(QStringList, toggled);
        QFETCH(QStringList, lines);
        QFETCH(QString, absent);
        DialogRecorder dialogs;
        PlottedWindow w(false);
        for (const QString& name : toggled)
            w.form.findChild<QCheckBox*>(name)->toggle();
        if (!toggled.isEmpty() && toggled.back() != u"Check1")
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
