// SPDX-License-Identifier: GPL-3.0-or-later
// Copying for worksheets (the context menu and Ctrl+C of the drawing surfaces), the focus
// frame of the surfaces and Enter on a focused push button, driven through the real window.
#include "TestSupport.h"

#include "app/WorksheetCopy.h"
#include "plot/PlotValues.h"
#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

[[nodiscard]] bool showActive(LoadedWindow& w)
{
    w.form.show();
    w.form.activateWindow();
    return QTest::qWaitForWindowActive(&w.form);
}

// Opens a surface's context menu as a right click does and returns the popup.
QMenu* openMenu(QWidget* surface)
{
    const QPoint at(40, 30);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
    QApplication::sendEvent(surface, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* entry(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

double german(const QString& text)
{
    bool ok = false;
    const double value = QString(text).replace(u',', u'.').toDouble(&ok);
    if (!ok || text.contains(u'.'))
        return std::nan("");
    return value;
}

struct Copied {
    QMap<QString, QString> quantities; // name → value of the first block
    QStringList header;
    QList<QList<double>> steps;
};

// Parses "Werte kopieren": name/value/unit rows, an empty line, a header and one row per step.
Copied parse(const QString& text)
{
    Copied copied;
    const QStringList blocks = text.split(QStringLiteral("\n\n"));
    const QStringList lines = blocks[0].split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1))
        copied.quantities[line.section(u'\t', 0, 0)] = line.section(u'\t', 1, 1);
    if (blocks.size() < 2)
        return copied;
    const QStringList rows = blocks[1].split(u'\n', Qt::SkipEmptyParts);
    copied.header = rows[0].split(u'\t');
    for (const QString& row : rows.mid(1)) {
        QList<double> values;
        for (const QString& cell : row.split(u'\t'))
            values << german(cell);
        copied.steps << values;
    }
    return copied;
}

// The y at which the plot draws a curve's value of a step, from the copied value; the
// inverse of the curve scales of the plot.
double plottedY(const QString& column, double value, double uPeak, double iPeak, double power)
{
    if (column == u"Angelegte Spannung in V" || column.startsWith(u"Spannung an"))
        return 1400 - 1400 * value / uPeak;
    if (column == u"Strom in A")
        return 1400 - 1400 * value / iPeak;
    return 1400 - 1400 * value / power; // the power of unit sines: p / (Û · Î)
}

} // namespace

class WorksheetTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void ctrlCCopiesTheFocusedSurfacesPicture_data()
    {
        QTest::addColumn<QString>("surfaceName");
        QTest::newRow("Picture1") << "Picture1";
        QTest::newRow("Picture2") << "Picture2";
    }
    void ctrlCCopiesTheFocusedSurfacesPicture()
    {
        QFETCH(QString, surfaceName);
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showActive(w));
        w.controls.Command1->click();
        auto* surface = w.form.findChild<ui::DrawingSurface*>(surfaceName);
        const QImage unfocused = surface->grab().toImage();
        surface->setFocus(Qt::TabFocusReason);
        QVERIFY(surface->hasFocus());
        QTest::keyClick(surface, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), surface->size() * surface->devicePixelRatio());
        // The picture as the window shows it, axes, phasors and points included, but
        // without the focus frame.
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), unfocused.convertToFormat(QImage::Format_RGB32));
        QVERIFY(dialogs.messages.empty());
    }

    void ctrlCWithoutFocusCopiesNothing()
    {
        LoadedWindow w;
        QVERIFY(showActive(w));
        w.controls.u->setFocus();
        QTest::keyClick(w.controls.u, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void theContextMenuCopiesPictureWindowAndValues()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showActive(w));
        QMenu* menu = openMenu(w.controls.Picture2);
        QVERIFY(menu);
        // The surfaces' tips and the guide tell of the menu.
        for (QWidget* surface : {static_cast<QWidget*>(w.controls.Picture1), static_cast<QWidget*>(w.controls.Picture2)})
            QVERIFY(surface->toolTip().contains(QStringLiteral(u"Rechtsklick: Bild, Fenster oder Werte kopieren")));
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("Bild kopieren\tStrg+C"), QStringLiteral("Fenster kopieren"),
                                     QStringLiteral("Werte kopieren")}));
        entry(menu, QStringLiteral("Bild kopieren\tStrg+C"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 w.controls.Picture2->grab().toImage().convertToFormat(QImage::Format_RGB32));
        menu->close();

        menu = openMenu(w.controls.Picture1);
        entry(menu, QStringLiteral("Fenster kopieren"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), w.form.size() * w.form.devicePixelRatio());
        menu->close();

        menu = openMenu(w.controls.Picture1);
        entry(menu, QStringLiteral("Werte kopieren"))->trigger();
        menu->close();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral(u"Größe\tWert\tEinheit\nU\t10\tV\n")));
        QVERIFY(dialogs.messages.empty());
    }

    // The copied values parse back and lie where the plot draws its points; the plot is
    // drawn with one curve at a time so that no curve hides another.
    void copiedValuesMatchThePlot_data()
    {
        QTest::addColumn<QString>("curveBox");
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("column");
        QTest::newRow("voltage") << "Check2" << false << "0" << QStringLiteral(u"Angelegte Spannung in V");
        QTest::newRow("current") << "Check3" << false << "0" << QStringLiteral(u"Strom in A");
        QTest::newRow("power") << "Check4" << false << "0" << QStringLiteral(u"Leistung in W");
        QTest::newRow("across R") << "Check5" << false << "0" << QStringLiteral(u"Spannung an R in V");
        QTest::newRow("across C") << "Check6" << false << "0" << QStringLiteral(u"Spannung an C in V");
        QTest::newRow("across L") << "Check7" << false << "0" << QStringLiteral(u"Spannung an L in V");
        QTest::newRow("switch-on voltage") << "Check2" << true << "0" << QStringLiteral(u"Angelegte Spannung in V");
        QTest::newRow("switch-on current") << "Check3" << true << "0" << QStringLiteral(u"Strom in A");
        QTest::newRow("switch-on current at 90") << "Check3" << true << "90" << QStringLiteral(u"Strom in A");
        QTest::newRow("switch-on power") << "Check4" << true << "30" << QStringLiteral(u"Leistung in W");
    }
    void copiedValuesMatchThePlot()
    {
        QFETCH(QString, curveBox);
        QFETCH(bool, switchOn);
        QFETCH(QString, phase);
        QFETCH(QString, column);
        DialogRecorder dialogs;
        LoadedWindow w;
        w.controls.Check11->setChecked(false);
        for (QCheckBox* box : {w.controls.Check2, w.controls.Check3, w.controls.Check4, w.controls.Check5, w.controls.Check6, w.controls.Check7})
            box->setChecked(box->objectName() == curveBox);
        if (switchOn) {
            w.controls.Check8->setChecked(true);
            typeInto(w.controls.phaseein, phase);
        }
        w.controls.Command1->click();
        dialogs.clear();
        w.form.findChild<QMenu*>(); // none yet
        QMenu* menu = openMenu(w.controls.Picture1);
        QVERIFY(menu);
        entry(menu, QStringLiteral("Werte kopieren"))->trigger();
        menu->close();
        QVERIFY(dialogs.messages.empty());

        const Copied copied = parse(QGuiApplication::clipboard()->text());
        QCOMPARE(copied.quantities.value(QStringLiteral(u"Û")), w.controls.udach->text());
        QCOMPARE(copied.quantities.value(QStringLiteral(u"Î")), w.controls.idach->text());
        QCOMPARE(copied.quantities.value(QStringLiteral(u"phi")), w.controls.phi->text());
        QCOMPARE(copied.quantities.value(QStringLiteral(u"R")), w.controls.r->text());
        QCOMPARE(copied.quantities.contains(QStringLiteral(u"Phase im Moment des Einschaltens")), switchOn);
        QCOMPARE(copied.header, (QStringList{QStringLiteral(u"Schritt"), column}));
        QCOMPARE(copied.steps.size(), qsizetype(5000));

        const double uPeak = german(w.controls.udach->text()), iPeak = german(w.controls.idach->text());
        const double phi = german(w.controls.phi->text()), r = german(w.controls.r->text());
        double power = uPeak * iPeak;
        if (switchOn && column == u"Leistung in W") // 1400 + 1500 · p / N, N = Û² / R · cos φ
            power = -uPeak * uPeak / r * std::cos(phi * 3.141592654 / 180) * 1400 / 1500;
        int checked = 0;
        for (int i = 0; i < copied.steps.size(); ++i) {
            const auto& row = copied.steps[i];
            QCOMPARE(row[0], double(i + 1));
            QVERIFY2(std::isfinite(row[1]), qPrintable(QString::number(i + 1)));
            double y = plottedY(column, row[1], uPeak, iPeak, power);
            if (switchOn && column == u"Strom in A")
                y = 1400 - 1100 * row[1] / iPeak;
            else if (switchOn && column == u"Angelegte Spannung in V")
                y = 1400 - 1400 * row[1] / uPeak;
            if (y < 0 || y >= 2760)
                continue; // off the drawing area
            // A point lies on a pixel of 15 twips; a value matches when its pixel, or the
            // one beside it for a y on the edge, shows the curve.
            const QRgb colour = w.form.findChild<QWidget*>(QStringLiteral("Command%1").arg(curveBox.mid(5)))
                                    ->property("backColour").value<QColor>().rgb() & 0x00ffffffu;
            const float x = float(i + 1 + 120);
            QVERIFY2(w.controls.Picture1->pixelAt(x, float(y)) == colour || w.controls.Picture1->pixelAt(x, float(y - 0.01)) == colour
                         || w.controls.Picture1->pixelAt(x, float(y + 0.01)) == colour,
                     qPrintable(QStringLiteral("step %1 y %2").arg(i + 1).arg(y)));
            ++checked;
        }
        QVERIFY(checked > 1000);
    }

    // The copy ends where the plot ends: a plot that stops with its message at step n has
    // drawn the voltage of the steps 1 to n − 1 (and of n where the error comes after the
    // voltage point), and the copy holds the steps 1 to n − 1.
    void theCopyEndsWhereThePlotEnds_data()
    {
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("periods");
        QTest::newRow("switch-on") << true << "100" << "0,00001" << "1";
        QTest::newRow("switch-on, R·C far below a step") << true << "1" << "0,000000001" << "1";
        QTest::newRow("switch-on, R·C a little below a step") << true << "1" << "0,0000035" << "1";
        QTest::newRow("steady state") << false << "100" << "0,00001" << "1";
        // P · (s / 785.3981635) leaves the double range at step 1412, before its points.
        QTest::newRow("steady state, the angle overflows") << false << "100" << "0,00001" << "1E308";
        QTest::newRow("switch-on, the angle overflows") << true << "100" << "0,00001" << "1E308";
    }
    void theCopyEndsWhereThePlotEnds()
    {
        QFETCH(bool, switchOn);
        QFETCH(QString, r);
        QFETCH(QString, c);
        QFETCH(QString, periods);
        DialogRecorder dialogs;
        LoadedWindow w;
        w.controls.Check11->setChecked(false);
        w.controls.Check3->setChecked(false);
        if (switchOn)
            w.controls.Check8->setChecked(true);
        typeInto(w.controls.c, c);
        typeInto(w.controls.r, r);
        typeInto(w.controls.perioden, periods);
        dialogs.clear();
        w.controls.Command1->click();
        const bool failed = !dialogs.messages.empty();
        const Copied copied = parse(w.form.worksheetCopy().valuesText());
        QCOMPARE(dialogs.messages.size(), size_t(failed ? 1 : 0)); // the copy says nothing
        QCOMPARE(copied.steps.size() < 5000, failed);
        // The last pixel column with a voltage point.
        const QImage& image = w.controls.Picture1->image();
        int last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if ((image.pixel(x, y) & 0x00ffffffu) == 0xff0000u)
                    last = x;
        if (periods == u"1E308")
            QCOMPARE(copied.steps.size(), qsizetype(1411));
        const int drawnSteps = failed && periods != u"1E308" ? int(copied.steps.size()) + 1 : int(copied.steps.size());
        QCOMPARE(last, (drawnSteps + 120) / 15);
    }

    // The steady-state values against the formulas of the circuit, computed here anew.
    void steadyStateValuesAreThoseOfTheCircuit()
    {
        LoadedWindow w;
        for (QCheckBox* box : {w.controls.Check2, w.controls.Check3, w.controls.Check4, w.controls.Check5, w.controls.Check6, w.controls.Check7})
            box->setChecked(true);
        typeInto(w.controls.perioden, QStringLiteral("2"));
        const Copied copied = parse(w.form.worksheetCopy().valuesText());
        QCOMPARE(copied.header.size(), qsizetype(7));
        const double uPeak = german(w.controls.udach->text()), iPeak = german(w.controls.idach->text());
        const double phi = german(w.controls.phi->text()) * 3.141592654 / 180;
        const double omega = 50 * 6.283185308, xc = 1 / (0.00001 * omega), xl = 0.1 * omega;
        for (int s : {1, 1234, 2500, 5000}) {
            const auto& row = copied.steps[s - 1];
            const double theta = 2 * s / 785.3981635, thetaI = theta - phi;
            const double expected[] = {uPeak * std::sin(theta),
                                       iPeak * std::sin(thetaI),
                                       uPeak * iPeak * std::sin(theta) * std::sin(thetaI),
                                       100 * iPeak * std::sin(thetaI),
                                       // lags and leads the current by the program's quarter turn
                                       -xc * iPeak * std::sin(thetaI + 3.141592654 / 2),
                                       -xl * iPeak * std::sin(thetaI - 3.141592654 / 2)};
            for (int k = 0; k < 6; ++k)
                QVERIFY2(std::abs(row[k + 1] - expected[k]) < 1e-9 * std::max(1.0, std::abs(expected[k])),
                         qPrintable(QStringLiteral("step %1 column %2: %3 vs %4")
                                        .arg(s).arg(copied.header[k + 1]).arg(row[k + 1]).arg(expected[k])));
        }
    }

    void withoutTheCapacitorItsVoltageIsNotCopied()
    {
        LoadedWindow w;
        w.controls.Check6->setChecked(true);
        w.controls.Check1->setChecked(false);
        const Copied copied = parse(w.form.worksheetCopy().valuesText());
        QCOMPARE(copied.header, (QStringList{QStringLiteral(u"Schritt"), QStringLiteral(u"Angelegte Spannung in V"),
                                             QStringLiteral(u"Strom in A")}));
        QCOMPARE(copied.quantities.value(QStringLiteral(u"C")), QStringLiteral(u"ausgebaut"));
    }

    void noCurveSwitchedOnCopiesTheInputsAlone()
    {
        LoadedWindow w;
        w.controls.Check2->setChecked(false);
        w.controls.Check3->setChecked(false);
        const QString text = w.form.worksheetCopy().valuesText();
        QVERIFY(!text.contains(QStringLiteral(u"Schritt")));
        QCOMPARE(parse(text).quantities.value(QStringLiteral(u"Ueff")), QStringLiteral(u"10"));
    }

    // A plot that cannot be computed: the copy holds the inputs and the header, no steps,
    // and says nothing; the window's state stays as it was.
    void aFailingPlotCopiesWhatWasComputedSilently()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        w.controls.perioden->clear();
        const int takt = w.form.takt();
        const QString phiBefore = w.controls.phi->text();
        dialogs.clear();
        const Copied copied = parse(w.form.worksheetCopy().valuesText());
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(copied.header.size(), qsizetype(3));
        QVERIFY(copied.steps.isEmpty());
        QCOMPARE(w.form.takt(), takt);
        QCOMPARE(w.controls.phi->text(), phiBefore);
    }

    void theSurfacesShowAFocusFrame_data()
    {
        QTest::addColumn<QString>("surfaceName");
        QTest::newRow("Picture1") << "Picture1";
        QTest::newRow("Picture2") << "Picture2";
    }
    void theSurfacesShowAFocusFrame()
    {
        QFETCH(QString, surfaceName);
        LoadedWindow w;
        QVERIFY(showActive(w));
        auto* surface = w.form.findChild<ui::DrawingSurface*>(surfaceName);
        const QImage before = surface->grab().toImage();
        const QRgb highlight = surface->palette().color(QPalette::Active, QPalette::Highlight).rgb();
        QVERIFY(before.pixel(0, before.height() / 2) != highlight);
        surface->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(surface->grab().toImage().pixel(0, before.height() / 2) == highlight);
        const QImage focused = surface->grab().toImage();
        const int b = ui::DrawingSurface::kBorder;
        for (const QPoint p : {QPoint(0, 0), QPoint(b - 1, 10), QPoint(10, focused.height() - 1),
                               QPoint(focused.width() - b, focused.height() / 2)})
            QCOMPARE(focused.pixel(p), highlight);
        // What is drawn inside stays untouched.
        const QRect inner = focused.rect().adjusted(b, b, -b, -b);
        QCOMPARE(focused.copy(inner), before.copy(inner));
        w.controls.Check10->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(surface->grab().toImage(), before);
    }

    void enterPressesAFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterPressesAFocusedButton()
    {
        QFETCH(int, key);
        const auto modifier = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showActive(w));
        int clicks = 0;
        QObject::connect(w.controls.Command1, &QPushButton::clicked, [&] { ++clicks; });
        w.controls.Command1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.controls.Command1, Qt::Key(key), modifier);
        QCOMPARE(clicks, 1);
        QVERIFY(!w.controls.Picture1->image().isNull());

        w.controls.Command3->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.controls.Command3, Qt::Key(key), modifier);
        QCOMPARE(dialogs.colourDialogOpenedOn.size(), size_t(1));

        // Enter in an input field still presses nothing.
        w.controls.u->setFocus();
        QTest::keyClick(w.controls.u, Qt::Key_Return);
        QCOMPARE(clicks, 1);
        QCOMPARE(dialogs.colourDialogOpenedOn.size(), size_t(1));
    }
};

QTEST_MAIN(WorksheetTest)
#include "tst_worksheet.moc"
