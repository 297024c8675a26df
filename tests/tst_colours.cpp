// SPDX-License-Identifier: GPL-3.0-or-later
// The curve colours chosen with the six colour buttons, and "CLS", driven through the real
// window.
#include "TestSupport.h"

#include "animation/AnimationControl.h"
#include "controls/Curves.h"
#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"
#include "ui/ShapeElement.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <map>

namespace {

const char* const kButtons[] = {"Command2", "Command3", "Command4", "Command5", "Command6", "Command7"};
const char* const kPhasors[] = {"lu", "li", "lur", "luc", "lul"};

ui::ColourButton* button(Form1& form, const QString& name)
{
    return form.findChild<ui::ColourButton*>(name);
}

ui::LineElement* element(Form1& form, const QString& name)
{
    return form.findChild<ui::LineElement*>(name);
}

// Every curve colour the window holds: the six buttons and the five phasor lines.
std::map<QString, QColor> colours(Form1& form)
{
    std::map<QString, QColor> result;
    for (const char* name : kButtons)
        result[name] = button(form, name)->backColour();
    for (const char* name : kPhasors)
        result[name] = element(form, name)->colour();
    return result;
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// "Loop" clicked, and some of the loop's steps drawn at once.
AnimationControl& loopRunning(LoadedWindow& w, int steps)
{
    click(w.controls.Check10);
    AnimationControl& loop = w.form.animationControl();
    for (int i = 0; i < steps; ++i)
        loop.Timer1_Timer();
    return loop;
}

// The colour painted at the middle of a widget.
QColor centreOf(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// The colour at the middle of a widget as the screen shows it, once repainted.
QColor centreOnScreen(QWidget* widget)
{
    QWidget* window = widget->window();
    const QPoint at = widget->mapTo(window, QPoint(widget->width() / 2, widget->height() / 2));
    const QImage image = window->screen()->grabWindow(window->winId(), at.x(), at.y(), 1, 1).toImage();
    return image.isNull() ? QColor() : image.pixelColor(0, 0);
}

[[nodiscard]] bool showWindow(LoadedWindow& w)
{
    w.form.show();
    return QTest::qWaitForWindowExposed(&w.form);
}

// One pixel column of a drawing surface. Step s of a plot lies at x = s + 120 twips, so a
// column of 15 twips holds the steps 15 * column - 120 to 15 * column - 106.
constexpr int kTwips = 15;
int firstStepOf(int column) { return kTwips * column - 120; }
int lastStepOf(int column) { return kTwips * column - 106; }
int columnOf(int step) { return (step + 120) / kTwips; }

// The colours plotted in one pixel column of a surface, background left out.
QSet<QRgb> plottedIn(const ui::DrawingSurface* surface, int column)
{
    const QRgb background = surface->background().rgb() & 0x00ffffffu;
    QSet<QRgb> result;
    const int rows = surface->image().height();
    for (int row = 0; row < rows; ++row) {
        const QRgb pixel = surface->pixelAt(float(column * kTwips + 7), float(row * kTwips + 7));
        if (pixel != background)
            result.insert(pixel);
    }
    return result;
}

// All plotted spots of a surface, as (x, y) in twips at the middle of their pixels.
QList<QPointF> plottedSpots(const ui::DrawingSurface* surface)
{
    const QRgb background = surface->background().rgb() & 0x00ffffffu;
    QList<QPointF> spots;
    for (int row = 0; row < surface->image().height(); ++row) {
        for (int column = 0; column < surface->image().width(); ++column) {
            const QPointF spot(column * kTwips + 7, row * kTwips + 7);
            if (surface->pixelAt(float(spot.x()), float(spot.y())) != background)
                spots << spot;
        }
    }
    return spots;
}

QRgb rgbOf(const QColor& colour) { return colour.rgb() & 0x00ffffffu; }

// Everything of a line element that clearing must leave alone.
QVariantList stateOf(const ui::LineElement* line)
{
    return {line->x1(), line->y1(), line->x2(), line->y2(), line->colour(), line->width(), line->isVisible()};
}

// The elements of both surfaces, with their end points, colours and visibility, and the
// label "t ".
QVariantList elementsOf(Form1& form)
{
    QVariantList state;
    for (int i = 29; i <= 34; ++i)
        state << stateOf(element(form, QStringLiteral("Line%1").arg(i)));
    for (const char* name : kPhasors)
        state << stateOf(element(form, name));
    const auto* shape = form.findChild<ui::ShapeElement*>(QStringLiteral("Shape3"));
    state << shape->outlinePixels() << shape->isVisible();
    const auto* label = form.findChild<QLabel*>(QStringLiteral("Label21"));
    state << label->text() << label->geometry() << label->isVisible();
    return state;
}

} // namespace

class ColoursTest : public QObject {
    Q_OBJECT
private slots:
    // The one list of the curves pairs each check box with the colour button on its row of
    // "Visualisierung" and, but for the power, with the phasor that a confirmed colour of
    // that button colours.
    void curvesPairEachBoxWithTheButtonBesideIt()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        int phasors = 0;
        for (const CurveControls& curve : curvesOf(w.controls)) {
            QCOMPARE(curve.colour->parentWidget(), curve.check->parentWidget());
            QCOMPARE(curve.colour->y(), curve.check->y());
            QVERIFY(curve.colour->x() > curve.check->x());
            QCOMPARE(curve.colour->accessibleName(), QStringLiteral("Farbe: ") + curve.check->text());
            QCOMPARE(curveOf(w.controls, curve.curve).check, curve.check);
            const QColor chosen(10, 20, 30 + 10 * phasors);
            dialogs.colourAnswers.push_back(chosen);
            curve.colour->click();
            QCOMPARE(curve.colour->backColour(), chosen);
            if (curve.phasor) {
                QCOMPARE(curve.phasor->colour(), chosen);
                ++phasors;
            }
        }
        QCOMPARE(phasors, 5);
    }

    void eachButtonColoursItsCurve_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("phasorName");
        QTest::addColumn<QColor>("initial");
        QTest::newRow("Command2 applied voltage") << "Command2" << "lu" << QColor(255, 0, 0);
        QTest::newRow("Command3 current") << "Command3" << "li" << QColor(0, 0, 192);
        QTest::newRow("Command4 power, no phasor") << "Command4" << QString() << QColor(0, 192, 0);
        QTest::newRow("Command5 voltage across R") << "Command5" << "lur" << QColor(0, 0, 0);
        QTest::newRow("Command6 voltage across C") << "Command6" << "luc" << QColor(255, 0, 255);
        QTest::newRow("Command7 voltage across L") << "Command7" << "lul" << QColor(255, 128, 0);
    }
    void eachButtonColoursItsCurve()
    {
        QFETCH(QString, buttonName);
        QFETCH(QString, phasorName);
        QFETCH(QColor, initial);
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showWindow(w));
        auto* target = button(w.form, buttonName);
        QCOMPARE(target->backColour(), initial);
        QCOMPARE(centreOf(target), initial); // the button paints its colour
        QTRY_COMPARE(centreOnScreen(target), initial);

        const auto before = colours(w.form);
        const QColor chosen(12, 160, 90);
        dialogs.colourAnswers.push_back(chosen);
        click(target);

        QCOMPARE(dialogs.colourDialogOpenedOn.size(), size_t(1));
        auto expected = before;
        expected[buttonName] = chosen;
        if (!phasorName.isEmpty())
            expected[phasorName] = chosen;
        QCOMPARE(colours(w.form), expected); // no other button and no other phasor changes
        QCOMPARE(centreOf(target), chosen);
        QTRY_COMPARE(centreOnScreen(target), chosen); // and repaints in it
        QVERIFY(dialogs.messages.empty());
    }

    void chooserOpensOnTheCurvesColourAndNamesIt_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("title");
        QTest::newRow("Command2") << "Command2" << QStringLiteral(u"Farbe: Angelegte Spannung");
        QTest::newRow("Command3") << "Command3" << QStringLiteral(u"Farbe: Strom");
        QTest::newRow("Command4") << "Command4" << QStringLiteral(u"Farbe: Leistung");
        QTest::newRow("Command5") << "Command5" << QStringLiteral(u"Farbe: Spannung an R");
        QTest::newRow("Command6") << "Command6" << QStringLiteral(u"Farbe: Spannung an C");
        QTest::newRow("Command7") << "Command7" << QStringLiteral(u"Farbe: Spannung an L");
    }
    void chooserOpensOnTheCurvesColourAndNamesIt()
    {
        QFETCH(QString, buttonName);
        QFETCH(QString, title);
        DialogRecorder dialogs;
        LoadedWindow w;
        // Another curve's confirmed colour does not carry over to this button's opening.
        const QColor other(17, 34, 51);
        dialogs.colourAnswers.push_back(other);
        click(buttonName == "Command7" ? w.controls.Command2 : w.controls.Command7);
        auto* target = button(w.form, buttonName);
        const QColor own = target->backColour();
        QVERIFY(own != other);
        QString shownTitle;
        QColor openedOn;
        ui::setColourHandler([&](QColorDialog& dialog) -> std::optional<QColor> {
            shownTitle = dialog.windowTitle();
            openedOn = dialog.currentColor();
            return std::nullopt;
        });
        const auto before = colours(w.form);
        click(target);
        QCOMPARE(shownTitle, title);
        QCOMPARE(openedOn, own);
        QCOMPARE(colours(w.form), before); // cancelled: nothing changes
        QCOMPARE(w.controls.cd1->currentColor(), other);
    }

    void currentButtonAndPhasorShareAColourOnlyAfterAChoice()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QCOMPARE(w.controls.Command3->backColour(), QColor(0, 0, 192));
        QCOMPARE(w.controls.li->colour(), QColor(0, 0, 255));

        click(w.controls.Command3); // cancelled: still apart
        QCOMPARE(w.controls.Command3->backColour(), QColor(0, 0, 192));
        QCOMPARE(w.controls.li->colour(), QColor(0, 0, 255));

        dialogs.colourAnswers.push_back(QColor(0, 0, 255));
        click(w.controls.Command3);
        QCOMPARE(w.controls.Command3->backColour(), QColor(0, 0, 255));
        QCOMPARE(w.controls.li->colour(), QColor(0, 0, 255));

        // Confirming the button's own dark blue gives the phasor that colour too.
        dialogs.colourAnswers.push_back(QColor(0, 0, 192));
        click(w.controls.Command3);
        QCOMPARE(w.controls.Command3->backColour(), QColor(0, 0, 192));
        QCOMPARE(w.controls.li->colour(), QColor(0, 0, 192));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("buttonName");
        for (const char* name : kButtons)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, buttonName);
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showWindow(w));
        const QColor confirmed(200, 30, 60);
        dialogs.colourAnswers.push_back(confirmed);
        click(w.controls.Command7); // the dialog now holds a colour of its own
        click(button(w.form, buttonName)); // cancelled; the button has the focus now
        const auto before = colours(w.form);
        const QImage buttonBefore = button(w.form, buttonName)->grab().toImage();
        const QImage phasorsBefore = w.controls.Picture2->grab().toImage();

        // The user moves to another colour in the dialog and then cancels it.
        QColorDialog* opened = nullptr;
        ui::setColourHandler([&](QColorDialog& dialog) -> std::optional<QColor> {
            opened = &dialog;
            dialog.setCurrentColor(QColor(1, 250, 2));
            return std::nullopt;
        });
        click(button(w.form, buttonName));
        QVERIFY(opened);
        QCOMPARE(colours(w.form), before);
        QCOMPARE(opened->currentColor(), confirmed);
        QCOMPARE(button(w.form, buttonName)->grab().toImage(), buttonBefore);
        QCOMPARE(w.controls.Picture2->grab().toImage(), phasorsBefore);

        // Its next opening starts on the button's colour, not on the cancelled one.
        DialogRecorder again;
        click(button(w.form, buttonName));
        QCOMPARE(again.colourDialogOpenedOn,
                 std::vector<QColor>{button(w.form, buttonName)->backColour()});
        QCOMPARE(colours(w.form), before);
    }

    void dialogKeepsTheColourLastConfirmedWhicheverButtonOpenedIt()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        const QColor a(255, 255, 0), b(0, 128, 128);
        dialogs.colourAnswers = {a, b, std::nullopt};
        click(w.controls.Command2); // confirms a
        click(w.controls.Command6); // opens on magenta, confirms b
        click(w.controls.Command4); // opens on green, cancelled
        click(w.controls.Command3); // opens on dark blue, nothing queued: cancelled
        // Each opening starts on the clicked curve's colour.
        QCOMPARE(dialogs.colourDialogOpenedOn,
                 (std::vector<QColor>{QColor(255, 0, 0), QColor(255, 0, 255), QColor(0, 192, 0), QColor(0, 0, 192)}));
        QCOMPARE(w.controls.Command2->backColour(), a);
        QCOMPARE(w.controls.Command6->backColour(), b);
        QCOMPARE(w.controls.Command4->backColour(), QColor(0, 192, 0));
        QCOMPARE(w.controls.Command3->backColour(), QColor(0, 0, 192));

        // One dialog serves all six buttons.
        QCOMPARE(w.form.findChildren<QColorDialog*>().size(), qsizetype(1));
        QCOMPARE(w.controls.cd1->currentColor(), b);
    }

    void confirmedColoursArePlainRgb()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        dialogs.colourAnswers = {QColor(10, 20, 30, 40), QColor::fromHsv(120, 255, 255)};
        click(w.controls.Command5);
        QCOMPARE(w.controls.Command5->backColour().alpha(), 255);
        QCOMPARE(rgbOf(w.controls.Command5->backColour()), qRgb(10, 20, 30) & 0x00ffffffu);
        QCOMPARE(w.controls.lur->colour().alpha(), 255);
        QCOMPARE(rgbOf(w.controls.lur->colour()), qRgb(10, 20, 30) & 0x00ffffffu);
        click(w.controls.Command6);
        // QColor compares its colour model too: an HSV colour would not equal this RGB one.
        QCOMPARE(w.controls.Command6->backColour(), QColor(0, 255, 0));
    }

    // A chooser that fails without being cancelled: the handler goes on with the colour last
    // confirmed in the dialog.
    void aFailedChoiceGoesOnWithTheColourLastConfirmed()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        const QColor confirmed(90, 0, 170);
        dialogs.colourAnswers = {confirmed, QColor()};
        click(w.controls.Command2);
        click(w.controls.Command5);
        QCOMPARE(w.controls.Command5->backColour(), confirmed);
        QCOMPARE(w.controls.lur->colour(), confirmed);
        QCOMPARE(w.controls.cd1->currentColor(), confirmed);
        QVERIFY(dialogs.messages.empty()); // skipped without a message
    }

    void confirmingTheColourAButtonAlreadyHasChangesNothingVisible()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showWindow(w));
        click(w.controls.Command2); // cancelled; the button now has the focus and the mouse
        const auto before = colours(w.form);
        const QImage window = w.form.grab().toImage();
        dialogs.colourAnswers.push_back(QColor(255, 0, 0));
        click(w.controls.Command2);
        QCOMPARE(colours(w.form), before);
        QCOMPARE(w.form.grab().toImage(), window);
    }

    void aNewColourWhileTheLoopRunsAppliesFromTheNextPoint()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showWindow(w));
        AnimationControl& loop = loopRunning(w, 300);
        QVERIFY(w.controls.Timer1->isActive());

        const QColor oldColour = w.controls.Command3->backColour();
        const QColor newColour(230, 120, 20);
        int chosenAt = 0;
        ui::setColourHandler([&](QColorDialog&) -> std::optional<QColor> {
            chosenAt = w.form.takt(); // the loop's own ticks may have drawn more steps
            return newColour;
        });
        const int lastColumnBefore = columnOf(w.form.takt()) - 1;
        QImage earlier = w.controls.Picture1->image().copy(0, 0, lastColumnBefore + 1, w.controls.Picture1->image().height());
        click(w.controls.Command3);
        QVERIFY(chosenAt > 300);

        // The phasor takes the colour at once, before any further step.
        QCOMPARE(w.controls.li->colour(), newColour);
        const QImage diagram = w.controls.Picture2->grab().toImage();
        bool phasorPainted = false;
        for (int y = 0; y < diagram.height() && !phasorPainted; ++y)
            for (int x = 0; x < diagram.width() && !phasorPainted; ++x)
                phasorPainted = diagram.pixelColor(x, y) == newColour;
        QVERIFY(phasorPainted);

        for (int i = 0; i < 300; ++i)
            loop.Timer1_Timer();
        const int lastStep = w.form.takt();
        QVERIFY(lastStep >= chosenAt + 300);

        // Points drawn before keep their colour, pixel for pixel.
        QCOMPARE(w.controls.Picture1->image().copy(earlier.rect()), earlier);
        int before = 0, after = 0;
        for (int column = columnOf(2); lastStepOf(column) <= lastStep; ++column) {
            const QSet<QRgb> plotted = plottedIn(w.controls.Picture1, column);
            if (lastStepOf(column) <= chosenAt) {
                ++before;
                QVERIFY2(plotted.contains(rgbOf(oldColour)), qPrintable(QString::number(column)));
                QVERIFY2(!plotted.contains(rgbOf(newColour)), qPrintable(QString::number(column)));
            } else if (firstStepOf(column) > chosenAt) {
                ++after;
                QVERIFY2(plotted.contains(rgbOf(newColour)), qPrintable(QString::number(column)));
                QVERIFY2(!plotted.contains(rgbOf(oldColour)), qPrintable(QString::number(column)));
            }
            QVERIFY(plotted.contains(qRgb(255, 0, 0) & 0x00ffffffu)); // the voltage stays red
        }
        QVERIFY(before >= 15);
        QVERIFY(after >= 15);
        click(w.controls.Check10);
    }

    void clsAfterAPlotLeavesTheElementsAndErasesThePoints()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showWindow(w));
        w.controls.Check5->setChecked(true); // lur shown too
        dialogs.colourAnswers = {QColor(40, 200, 200), QColor(120, 60, 0)};
        click(w.controls.Command6); // luc, hidden, gets a colour of its own
        click(w.controls.Command2); // lu too
        click(w.controls.Command1);
        QVERIFY(dialogs.messages.empty());
        const QList<QPointF> spots = plottedSpots(w.controls.Picture1);
        QVERIFY(spots.size() > 500);
        const QVariantList elements = elementsOf(w.form);
        QVERIFY(w.controls.lu->isVisible() && w.controls.li->isVisible() && w.controls.lur->isVisible());
        QVERIFY(!w.controls.luc->isVisible() && !w.controls.lul->isVisible());
        const QImage diagram = w.controls.Picture2->grab().toImage();

        click(w.controls.Command8);
        QCOMPARE(elementsOf(w.form), elements);
        QCOMPARE(w.controls.Label[21]->text(), QStringLiteral("t "));
        QVERIFY(w.controls.Label[21]->isVisible());
        const QRgb background = rgbOf(w.controls.Picture1->background());
        for (const QPointF& spot : spots)
            QCOMPARE(w.controls.Picture1->pixelAt(float(spot.x()), float(spot.y())), background);
        QVERIFY(plottedSpots(w.controls.Picture1).isEmpty());
        QCOMPARE(w.controls.Picture2->grab().toImage(), diagram);

        // On the screen, only the axes and "t " remain: just as on a window that was cleared
        // right after start-up.
        const QImage waveform = w.controls.Picture1->grab().toImage();
        LoadedWindow fresh;
        QVERIFY(showWindow(fresh));
        click(fresh.controls.Command8);
        QCOMPARE(waveform, fresh.controls.Picture1->grab().toImage());
        // The time axis runs at y = 1400 twips, drawn in its own colour.
        const QColor axis = w.controls.Line[30]->colour();
        const int border = ui::DrawingSurface::kBorder;
        for (int x : {20, 150, 300}) {
            bool onAxis = false;
            for (int y = 1400 / kTwips - 1; y <= 1400 / kTwips + 1; ++y)
                onAxis = onAxis || waveform.pixelColor(x + border, y + border) == axis;
            QVERIFY2(onAxis, qPrintable(QString::number(x)));
        }
    }

    void clsOnEmptySurfacesChangesNothing()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showWindow(w));
        click(w.controls.Command8); // the first step of start-up is gone
        QVERIFY(plottedSpots(w.controls.Picture1).isEmpty());
        const QVariantList elements = elementsOf(w.form);
        const QImage image1 = w.controls.Picture1->image(), image2 = w.controls.Picture2->image();
        const QImage window = w.form.grab().toImage();

        click(w.controls.Command8);
        QCOMPARE(elementsOf(w.form), elements);
        QCOMPARE(w.controls.Picture1->image(), image1);
        QCOMPARE(w.controls.Picture2->image(), image2);
        QCOMPARE(w.form.grab().toImage(), window);
    }

    void clsDoesNotStopARunningLoop()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showWindow(w));
        AnimationControl& loop = loopRunning(w, 200);
        const int drawn = w.form.takt();

        click(w.controls.Command8);
        QVERIFY(w.controls.Check10->isChecked());
        QVERIFY(w.controls.Timer1->isActive());
        // Every column whose steps were all drawn before the click is empty now.
        for (int column = 0; lastStepOf(column) <= drawn; ++column)
            QVERIFY2(plottedIn(w.controls.Picture1, column).isEmpty(), qPrintable(QString::number(column)));

        // The next step plots onto the cleared surface.
        loop.Timer1_Timer();
        const int next = w.form.takt();
        const QSet<QRgb> plotted = plottedIn(w.controls.Picture1, columnOf(next));
        QVERIFY(plotted.contains(rgbOf(w.controls.Command2->backColour())));
        QVERIFY(plotted.contains(rgbOf(w.controls.Command3->backColour())));
        // And the timer goes on ticking by itself.
        QTRY_VERIFY_WITH_TIMEOUT(w.form.takt() > next, 10000);
        click(w.controls.Check10);
        QVERIFY(!w.controls.Timer1->isActive());
    }

    // Without a test handler the program shows Qt's own colour dialog, modal.
    void theRealDialogIsModalAndReportsCancelApart()
    {
        LoadedWindow w;
        QVERIFY(showWindow(w));
        // Answers the dialog as a user would, once it is open.
        const auto answer = [&w](bool confirm, QColor colour) {
            auto* poll = new QTimer(&w.form);
            QObject::connect(poll, &QTimer::timeout, poll, [=] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                if (!dialog || !dialog->isVisible())
                    return;
                poll->deleteLater();
                dialog->setCurrentColor(colour);
                if (confirm)
                    dialog->accept();
                else
                    dialog->reject();
            });
            poll->start(10);
        };
        const auto before = colours(w.form);
        answer(false, QColor(5, 6, 7));
        click(w.controls.Command2);
        QCOMPARE(colours(w.form), before);

        answer(true, QColor(70, 80, 90, 100));
        click(w.controls.Command2);
        QCOMPARE(w.controls.Command2->backColour(), QColor(70, 80, 90));
        QCOMPARE(w.controls.lu->colour(), QColor(70, 80, 90));
        QVERIFY(!w.controls.cd1->isVisible());

        answer(false, QColor(5, 6, 7));
        click(w.controls.Command4);
        QCOMPARE(w.controls.Command4->backColour(), QColor(0, 192, 0));
        QCOMPARE(w.controls.cd1->currentColor(), QColor(70, 80, 90));
    }
};

QTEST_MAIN(ColoursTest)
#include "tst_colours.moc"
