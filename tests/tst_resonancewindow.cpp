// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Resonanz und Leistung" on the real main window: opening with F2 and from the
// context menus, closing, following the inputs, agreeing with the captions, every odd
// circuit without a message box, the chart's markers, the triangles and copying.
#include "TestSupport.h"

#include "circuit/GermanNumber.h"
#include "controls/ControlValues.h"
#include "help/HelpWindow.h"
#include "resonance/ResonanceChart.h"
#include "resonance/ResonanceWindow.h"
#include "ui/Commands.h"
#include "ui/GroupFrame.h"
#include "ui/VectorFigure.h"

#include <QAction>
#include <QApplication>
#include <QAreaSeries>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>

#include <cmath>
#include <memory>

namespace {

double readNumber(const QString& text)
{
    const auto value = circuit::parseGermanNumber(utf16View(text));
    if (!value)
        qFatal("not a number: %s", qPrintable(text));
    return *value;
}

// A loaded main window, shown and active, as a user has it.
struct ResonanceTestWindow : LoadedWindow {
    ResonanceTestWindow()
    {
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("main window not active");
    }
    ResonanceWindow* resonance() const { return form.findChild<ResonanceWindow*>(QStringLiteral("ResonanceWindow")); }
    // Opened, at the size it has where the screen has room (this one has not: the window
    // took its smallest size to cover less of the main window).
    ResonanceWindow* open()
    {
        form.findChild<QAction*>(QStringLiteral("resonanceAction"))->trigger();
        resonance()->resize(800, 800);
        return resonance();
    }
    QString value(const QString& name) const { return resonance()->findChild<QLabel*>(name)->text(); }
    QString notes() const
    {
        auto* label = resonance()->findChild<QLabel*>(QStringLiteral("resonanceNotes"));
        return label->isVisibleTo(resonance()) ? label->text() : QString();
    }
    ResonanceChart* chart() const { return resonance()->findChild<ResonanceChart*>(); }
};

// Edits "field=text" by typing; "Check1=0/1" and "Check8=0/1" set the boxes.
void apply(const Controls& controls, const QStringList& edits)
{
    for (const QString& edit : edits) {
        const QString name = edit.section(u'=', 0, 0), value = edit.section(u'=', 1);
        if (name.startsWith(QLatin1String("Check"))) {
            controls.form->findChild<QCheckBox*>(name)->setChecked(value == QLatin1String("1"));
            continue;
        }
        auto* field = controls.form->findChild<QLineEdit*>(name);
        field->selectAll();
        if (value.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, value);
    }
}

// Opens the context menu of `widget` at `at` with a right click and triggers the entry with
// the text `entry`; the texts of the menu's entries.
QStringList chooseFromContextMenu(QWidget* widget, QPoint at, const QString& entry)
{
    QStringList seen;
    bool found = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            seen << action->text();
            if (action->text() == entry) {
                found = true;
                menu->setActiveAction(action);
            }
        }
        QTest::keyClick(menu, found ? Qt::Key_Return : Qt::Key_Escape);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QCoreApplication::processEvents(); // the menu is a popup: its entry is chosen from the event loop
    return seen;
}

// A point of `frame` where no control lies, so that a right click there is the frame's.
QPoint emptyPointOf(QWidget* frame)
{
    for (int y = frame->height() - 4; y > 10; y -= 3)
        for (int x = 4; x < frame->width() - 4; x += 3)
            if (!frame->childAt(x, y))
                return {x, y};
    qFatal("no empty point in %s", qPrintable(frame->objectName()));
}

} // namespace

class ResonanceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void f2OpensAndEscapeCloses();
    void closingChangesNothingElse();
    void contextMenusOpenIt_data();
    void contextMenusOpenIt();
    void creditsNameF2();
    void showsTheInitialCircuit();
    void followsEditsCheck1AndTheSwitchOnMode();
    void presentFrequencyEqualsTheCaptions_data();
    void presentFrequencyEqualsTheCaptions();
    void soundInEveryCase_data();
    void soundInEveryCase();
    void markersAndBand();
    void trianglesAreDrawnToScale_data();
    void trianglesAreDrawnToScale();
    void copiedValuesParseBack();
    void legendFollowsTheCircuit_data();
    void legendFollowsTheCircuit();
    void noteFollowsEachKeystroke();
    void figureTextsStandFree_data();
    void figureTextsStandFree();
    void chainClosesOnU_data();
    void chainClosesOnU();
    void chartReadoutAndZoom();
    void followsTheApplicationFont();
    void copiesThePicture();
};


void ResonanceWindowTest::f2OpensAndEscapeCloses()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    QVERIFY(!w.resonance()); // made when first wanted
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w.form, Qt::Key_F2);
    ResonanceWindow* window = w.resonance();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Resonanz und Leistung"));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(w.form.isVisible());
    // F2 again brings the same window back.
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QTest::keyClick(&w.form, Qt::Key_F2);
    QCOMPARE(w.resonance(), window);
    QVERIFY(window->isVisible());
    // F1 there opens the guide of the main window, which tells about this window too.
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
    auto* guide = w.form.findChild<HelpWindow*>();
    QVERIFY(guide);
    QVERIFY(guide->isVisible());
    QVERIFY(guide->browser()->toPlainText().contains(QStringLiteral("Resonanz und Leistung")));
    QVERIFY(window->isVisible());
    window->close();
    QVERIFY(!window->isVisible());
    QVERIFY(dialogs.messages.empty());
}

void ResonanceWindowTest::closingChangesNothingElse()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    const QStringList before = {w.controls.ueff->text(), w.controls.ieff->text(), w.controls.z->text(), w.controls.phi->text(), w.controls.l->text()};
    const int takt = w.form.property("takt").toInt();
    w.open()->close();
    QCOMPARE((QStringList{w.controls.ueff->text(), w.controls.ieff->text(), w.controls.z->text(), w.controls.phi->text(), w.controls.l->text()}), before);
    QCOMPARE(w.form.property("takt").toInt(), takt);
    QVERIFY(w.form.isVisible());
    // The main window goes on after it is closed.
    typeInto(w.controls.r, QStringLiteral("200"));
    QVERIFY(w.controls.z->text() != before[2]);
    QVERIFY(dialogs.messages.empty());
}

void ResonanceWindowTest::contextMenusOpenIt_data()
{
    QTest::addColumn<QString>("frame");
    QTest::newRow("Statische Daten") << QStringLiteral("Frame1");
    QTest::newRow("Schaltplan") << QStringLiteral("Frame3");
}

void ResonanceWindowTest::contextMenusOpenIt()
{
    DialogRecorder dialogs;
    QFETCH(QString, frame);
    ResonanceTestWindow w;
    auto* group = w.form.findChild<ui::GroupFrame*>(frame);
    const QStringList entries = chooseFromContextMenu(group, emptyPointOf(group), QStringLiteral("Resonanz und Leistung …"));
    // After the lesson commands, the zoom and the worksheet, a line, the side windows.
    QCOMPARE(entries.mid(entries.size() - 11),
             (QStringList{QStringLiteral("Größer"), QStringLiteral("Kleiner"), QStringLiteral("Normale Größe"), QStringLiteral("Vollbild"),
                          QString(), QStringLiteral("Arbeitsblatt drucken …"), QStringLiteral("Arbeitsblatt als PDF …"),
                          QStringLiteral("Ergebnisse leer lassen"), QString(), QStringLiteral("Hilfe …"),
                          QStringLiteral("Resonanz und Leistung …")}));
    QVERIFY(w.resonance());
    QVERIFY(w.resonance()->isVisible());
}

void ResonanceWindowTest::creditsNameF2()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    QVERIFY(w.controls.Label[31]->text().contains(QStringLiteral("F2")));
    // The caption fits its box.
    QVERIFY(w.controls.Label[31]->fontMetrics().horizontalAdvance(w.controls.Label[31]->text()) <= w.controls.Label[31]->width());
}

// f₀ = 159,15 Hz, Q = 1, P = 0,10833 W, cos φ = 0,32914, each read with its name and unit.
void ResonanceWindowTest::showsTheInitialCircuit()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    QCOMPARE(w.value("resonanceF0"), QStringLiteral("159,15"));
    QCOMPARE(w.value("resonanceQuality"), QStringLiteral("1"));
    QCOMPARE(w.value("resonanceBandwidth"), QStringLiteral("159,15"));
    QCOMPARE(w.value("resonanceXL"), QStringLiteral("31,416"));
    QCOMPARE(w.value("resonanceXC"), QStringLiteral("318,31"));
    QCOMPARE(w.value("resonanceZ"), QStringLiteral("303,82"));
    QCOMPARE(w.value("resonanceP"), QStringLiteral("0,10833"));
    QCOMPARE(w.value("resonanceQ"), QStringLiteral("-0,3108"));
    QCOMPARE(w.value("resonanceS"), QStringLiteral("0,32914"));
    QCOMPARE(w.value("resonanceCosPhi"), QStringLiteral("0,32914"));
    // The voltages across the parts: I·R, I·X_L and I·X_C.
    QCOMPARE(w.value("resonanceUR"), QStringLiteral("3,2914"));
    QCOMPARE(w.value("resonanceUL"), QStringLiteral("1,034"));
    QCOMPARE(w.value("resonanceUC"), QStringLiteral("10,477"));
    QCOMPARE(w.value("resonanceUCUnit"), QStringLiteral("V"));
    QCOMPARE(w.notes(), QString());
    auto* f0 = w.resonance()->findChild<QLabel*>(QStringLiteral("resonanceF0"));
    QCOMPARE(f0->accessibleName(), QStringLiteral("Resonanzfrequenz f0 = 159,15 Hertz"));
    auto* p = w.resonance()->findChild<QLabel*>(QStringLiteral("resonanceP"));
    QCOMPARE(p->accessibleName(), QStringLiteral("Wirkleistung P = 0,10833 Watt"));
}

void ResonanceWindowTest::followsEditsCheck1AndTheSwitchOnMode()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    typeInto(w.controls.l, QStringLiteral("0,2")); // f₀ = 1/(2π√(2·10⁻⁶))
    QCOMPARE(w.value("resonanceF0"), QStringLiteral("112,54"));
    QCOMPARE(w.value("resonanceXL"), QStringLiteral("62,832"));
    // An edit the inputs do not take changes nothing here either.
    typeInto(w.controls.f, QStringLiteral("0,5"));
    QCOMPARE(w.value("resonanceXL"), QStringLiteral("62,832"));
    typeInto(w.controls.f, QStringLiteral("50"));

    w.controls.Check1->setChecked(false);
    QCOMPARE(w.value("resonanceF0"), QStringLiteral("keine"));
    QCOMPARE(w.value("resonanceXC"), QStringLiteral("ausgebaut"));
    QVERIFY(w.notes().contains(QStringLiteral("Kondensator ist ausgebaut")));
    QVERIFY(!w.chart()->currentSeries()->points().isEmpty()); // I(f) is still drawn
    w.controls.Check1->setChecked(true);
    QCOMPARE(w.value("resonanceF0"), QStringLiteral("112,54"));
    QCOMPARE(w.notes(), QString());

    // The switch-on mode takes the coil out: L = 0.
    w.controls.Check8->setChecked(true);
    QCOMPARE(w.controls.l->text(), QStringLiteral("0"));
    QCOMPARE(w.value("resonanceF0"), QStringLiteral("keine"));
    QVERIFY(w.notes().contains(QStringLiteral("Einschaltmodus")));
    QCOMPARE(w.value("resonanceZ"), QStringLiteral("333,65"));
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Die Spule wird ausgebaut!")}); // the main window's own
}

void ResonanceWindowTest::presentFrequencyEqualsTheCaptions_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::newRow("initial") << QStringList{};
    QTest::newRow("near resonance, R 10") << QStringList{"r=10", "f=150"};
    QTest::newRow("at resonance") << QStringList{"r=10", "f=159,154943071114"};
    QTest::newRow("inductive") << QStringList{"f=1000"};
    QTest::newRow("capacitor removed") << QStringList{"Check1=0"};
    QTest::newRow("no coil") << QStringList{"l=0"};
    QTest::newRow("negative R") << QStringList{"r=-50"};
    QTest::newRow("230 V, 2 kOhm, 3 H, 1 µF") << QStringList{"u=230", "r=2000", "l=3", "c=0,000001"};
}

// I, φ and Z at the present frequency agree with the captions within their rounding.
void ResonanceWindowTest::presentFrequencyEqualsTheCaptions()
{
    QFETCH(QStringList, edits);
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    apply(w.controls, edits);
    auto agrees = [](const QString& ours, const QString& caption, double captionHalfUnit) {
        const double a = readNumber(ours), b = readNumber(caption);
        return std::fabs(a - b) <= captionHalfUnit + 6e-5 * std::fabs(a);
    };
    QVERIFY2(agrees(w.value("resonanceI"), w.controls.ieff->text(), 0.5e-5), qPrintable(w.value("resonanceI") + " " + w.controls.ieff->text()));
    QVERIFY2(agrees(w.value("resonancePhi"), w.controls.phi->text(), 0.5e-4), qPrintable(w.value("resonancePhi") + " " + w.controls.phi->text()));
    QVERIFY2(agrees(w.value("resonanceZ"), w.controls.z->text(), 0.5e-4), qPrintable(w.value("resonanceZ") + " " + w.controls.z->text()));
    // And the curves pass through them at the present f.
    const auto& sweep = w.resonance()->result().sweep;
    const double f = readNumber(w.controls.f->text());
    const auto at = std::find_if(sweep.begin(), sweep.end(), [f](const auto& p) { return p.f == f; });
    QVERIFY(at != sweep.end());
    QVERIFY(agrees(textOf(*at->at.i), w.controls.ieff->text(), 0.5e-5));
}

void ResonanceWindowTest::soundInEveryCase_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("keepsPicture");
    QTest::newRow("capacitor removed") << QStringList{"Check1=0"} << "Kondensator ist ausgebaut" << false;
    QTest::newRow("L 0") << QStringList{"l=0"} << "ohne Spule" << false;
    QTest::newRow("R 0 (read at an edit of l)") << QStringList{"r=0", "l=0,1"} << "R = 0: bei f₀" << false;
    QTest::newRow("R 0 at resonance") << QStringList{"r=0", "l=0,1", "f=159,154943071114"} << "R = 0" << false;
    QTest::newRow("R 0, no capacitor, L 0") << QStringList{"Check1=0", "r=0", "l=0"} << "Z = 0" << false;
    QTest::newRow("R 1: Q 100") << QStringList{"r=1"} << "" << false;
    QTest::newRow("negative R") << QStringList{"r=-100"} << "R < 0" << false;
    QTest::newRow("negative L") << QStringList{"l=-0,1"} << "verschiedene Vorzeichen" << false;
    QTest::newRow("negative C") << QStringList{"c=-0,00001"} << "verschiedene Vorzeichen" << false;
    QTest::newRow("negative f") << QStringList{"f=-50"} << "f ≤ 0" << false;
    QTest::newRow("negative U") << QStringList{"u=-10"} << "" << false;
    QTest::newRow("C 0 (read at an edit of l)") << QStringList{"c=0", "l=0,2"} << "C = 0" << false;
    QTest::newRow("huge f") << QStringList{"f=1E300"} << "nicht berechnen" << false;
    QTest::newRow("huge U") << QStringList{"u=1E308"} << "nicht gezeichnet: das Leistungsdreieck" << false;
    QTest::newRow("U 1,7E308, R 1") << QStringList{"u=1,7E308", "r=1"} << "die Spannungszeiger, das Leistungsdreieck" << false;
    // f₀ exists; the current at 50 Hz leaves the double range.
    QTest::newRow("huge L and C") << QStringList{"l=1E200", "c=1E200"} << "nicht berechnen" << false;
    QTest::newRow("tiny L and C") << QStringList{"l=1E-300", "c=1E-300"} << "nicht berechnen" << false;
    QTest::newRow("f0 beyond the double range") << QStringList{"l=1E-320", "c=1E-320"} << "Zahlenbereich" << false;
    QTest::newRow("letters in l") << QStringList{"l=abc"} << "L = „abc“ ist keine Zahl" << true;
    QTest::newRow("letters in c") << QStringList{"c=x"} << "C = „x“ ist keine Zahl" << true;
    QTest::newRow("letters in u, then an edit of r") << QStringList{"u=x", "r=200"} << "U = „x“ ist keine Zahl" << true;
    QTest::newRow("c erased, then an edit of l") << QStringList{"c=", "l=0,2"} << "C ist leer" << true;
    QTest::newRow("letters in l, then mended") << QStringList{"l=abc", "l=0,2"} << "" << false;
}

// The window opens no message box: with it open the main window shows exactly the messages it
// shows without it. Unreadable inputs are named, and the picture stays as it was.
void ResonanceWindowTest::soundInEveryCase()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, note);
    QFETCH(bool, keepsPicture);
    QStringList withoutWindow;
    {
        DialogRecorder dialogs;
        ResonanceTestWindow w;
        apply(w.controls, edits);
        withoutWindow = dialogs.texts();
    }
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    const auto pointsBefore = w.chart()->currentSeries()->points();
    const QString f0Before = w.value("resonanceF0");
    apply(w.controls, edits);
    QCOMPARE(dialogs.texts(), withoutWindow);
    QVERIFY(w.resonance()->isVisible());
    if (note.isEmpty())
        QCOMPARE(w.notes(), QString());
    else
        QVERIFY2(w.notes().contains(note), qPrintable(w.notes()));
    if (keepsPicture) {
        QCOMPARE(w.chart()->currentSeries()->points(), pointsBefore);
        QCOMPARE(w.value("resonanceF0"), f0Before);
    }
    // Whatever it shows reads as a number by the program's rules, with its unit, or says why
    // not, without a unit.
    for (const char* name : {"resonanceF0", "resonanceQuality", "resonanceBandwidth", "resonanceXL", "resonanceXC",
                             "resonanceX", "resonanceZ", "resonanceI", "resonancePhi", "resonanceUR", "resonanceUL",
                             "resonanceUC", "resonanceP", "resonanceQ", "resonanceS", "resonanceCosPhi"}) {
        auto* label = w.resonance()->findChild<QLabel*>(name);
        const QString text = label->text(), unit = w.value(QLatin1String(name) + QStringLiteral("Unit"));
        const bool number = circuit::parseGermanNumber(text.toStdString()).has_value();
        QVERIFY2(number || QStringList({"—", "keine", "unbegrenzt", "ausgebaut"}).contains(text), qPrintable(label->objectName() + ": " + text));
        QVERIFY2(number || unit.isEmpty(), qPrintable(text + " " + unit));
        QVERIFY(!label->accessibleName().isEmpty());
    }
    // Everything the chart is given is a number a painter can draw.
    for (QAbstractSeries* series : w.chart()->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        auto* area = qobject_cast<QAreaSeries*>(series);
        for (QLineSeries* points : {line, area ? area->upperSeries() : nullptr, area ? area->lowerSeries() : nullptr})
            for (const QPointF& point : points ? points->points() : QList<QPointF>())
                QVERIFY2(std::isfinite(point.x()) && std::isfinite(point.y()), qPrintable(series->name()));
    }
    for (QAbstractAxis* axis : w.chart()->chart()->axes()) {
        auto* values = qobject_cast<QValueAxis*>(axis);
        auto* logarithmic = qobject_cast<QLogValueAxis*>(axis);
        const double low = values ? values->min() : logarithmic->min(), high = values ? values->max() : logarithmic->max();
        QVERIFY2(std::isfinite(low) && std::isfinite(high) && low < high, qPrintable(axis->titleText() + QString::number(low) + " " + QString::number(high)));
    }
    QVERIFY(!w.resonance()->grab().isNull());
}

void ResonanceWindowTest::markersAndBand()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    ResonanceChart* chart = w.chart();
    const auto present = chart->presentMarker()->points();
    QCOMPARE(present.size(), 2);
    QCOMPARE(present[0].x(), 50.0);
    const auto resonance = chart->resonanceMarker()->points();
    QCOMPARE(resonance.size(), 2);
    QVERIFY(std::fabs(resonance[0].x() - 159.154943) < 1e-5);
    // The legend names both frequencies and the band with their values.
    auto legendText = [chart](QAbstractSeries* series) {
        const auto entries = chart->chart()->legend()->markers(series);
        return entries.isEmpty() || !entries[0]->isVisible() ? QString() : entries[0]->label();
    };
    QCOMPARE(legendText(chart->presentMarker()), QStringLiteral("f = 50 Hz"));
    QCOMPARE(legendText(chart->resonanceMarker()), QStringLiteral("f₀ = 159,15 Hz"));
    QCOMPARE(legendText(chart->bandArea()), QStringLiteral("Halbwertsband 98,363 … 257,52 Hz"));
    // The band from f₁ to f₂ fills the height of the current axis.
    const auto lower = chart->bandArea()->lowerSeries()->points(), upper = chart->bandArea()->upperSeries()->points();
    QCOMPARE(lower.size(), 2);
    QVERIFY(std::fabs(lower[0].x() - 98.36316) < 1e-4 && std::fabs(lower[1].x() - 257.51811) < 1e-4);
    QCOMPARE(lower[0].y(), chart->currentAxis()->min());
    QCOMPARE(upper[0].y(), chart->currentAxis()->max());
    QVERIFY(std::fabs(chart->frequencyFrom() - 1.5915494) < 1e-6);
    QVERIFY(std::fabs(chart->frequencyTo() - 15915.494) < 1e-3);
    // Without a resonance there is neither an f₀ marker nor a band; the axis centres on f.
    w.controls.Check1->setChecked(false);
    QVERIFY(chart->resonanceMarker()->points().isEmpty());
    QCOMPARE(legendText(chart->resonanceMarker()), QString());
    QVERIFY(chart->bandArea()->upperSeries()->points().isEmpty());
    QVERIFY(std::fabs(chart->frequencyFrom() - 0.5) < 1e-9);
    // R = 0: the curve runs off the top of its axis.
    w.controls.Check1->setChecked(true);
    apply(w.controls, {"r=0", "l=0,1"});
    double highest = 0;
    for (const QPointF& point : chart->currentSeries()->points())
        highest = std::max(highest, point.y());
    QVERIFY(highest > chart->currentAxis()->max());
}

void ResonanceWindowTest::trianglesAreDrawnToScale_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::newRow("capacitive") << QStringList{};
    QTest::newRow("inductive") << QStringList{"f=1000"};
    QTest::newRow("near resonance") << QStringList{"r=10", "f=150"};
}

// The legs as drawn keep the ratio R : X and P : Q, and X and Q point up when positive.
void ResonanceWindowTest::trianglesAreDrawnToScale()
{
    DialogRecorder dialogs;
    QFETCH(QStringList, edits);
    ResonanceTestWindow w;
    w.open();
    apply(w.controls, edits);
    const auto& r = w.resonance()->result();
    const double resistance = readNumber(w.controls.r->text());
    struct Case {
        const char* name;
        double horizontal, vertical;
    } cases[] = {{"impedanceTriangle", resistance, *r.present.x}, {"powerTriangle", *r.present.p, *r.present.q}};
    for (const Case& expected : cases) {
        auto* view = w.resonance()->findChild<ui::VectorFigure*>(expected.name);
        const QPolygonF corners = view->drawnPoints();
        QCOMPARE(corners.size(), 3);
        const double drawnHorizontal = corners[1].x() - corners[0].x();
        const double drawnVertical = corners[1].y() - corners[2].y(); // up is minus y
        QCOMPARE(corners[1].y(), corners[0].y());
        QCOMPARE(corners[2].x(), corners[1].x());
        QVERIFY(std::fabs(drawnVertical / drawnHorizontal - expected.vertical / expected.horizontal) <
                1e-9 * std::fabs(expected.vertical / expected.horizontal));
        QVERIFY(QRectF(view->rect()).contains(corners.boundingRect()));
        QVERIFY(view->accessibleDescription().contains(QStringLiteral("φ = ")));
    }
}

// The copy begins with the circuit the window draws, as the main window's copy does, then
// every drawn value with all its digits.
void ResonanceWindowTest::copiedValuesParseBack()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    ResonanceWindow* window = w.open();
    typeInto(w.controls.f, QStringLiteral("0,5")); // waiting: the picture is of 50 Hz
    w.form.commands().action(QStringLiteral("copyValuesAction"))->trigger();
    const QString mainWindowCopy = QApplication::clipboard()->text();
    QApplication::clipboard()->clear();
    ResonanceChart* chart = w.chart();
    const QStringList entries = chooseFromContextMenu(chart, chart->rect().center(), QStringLiteral("Werte kopieren (Schaltung und Kurven)"));
    QVERIFY2(entries.contains(QStringLiteral("Bild kopieren")), qPrintable(entries.join(u'|')));
    const QStringList parts = QApplication::clipboard()->text().split(QStringLiteral("\n\n"));
    QCOMPARE(parts.size(), 2);
    const QStringList circuit = parts[0].split(u'\n');
    QCOMPARE(circuit.value(0), QStringLiteral("Größe\tWert\tEinheit"));
    QCOMPARE(circuit.value(1), QStringLiteral("U\t10\tV"));
    QCOMPARE(circuit.value(2), QStringLiteral("f\t50\tHz"));
    QCOMPARE(circuit.size(), 6);
    QVERIFY(mainWindowCopy.startsWith(parts[0] + u'\n'));

    const QStringList lines = parts[1].split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("f in Hz\tI in A\tφ in Grad\tU_R in V\tU_L in V\tU_C in V"));
    const auto current = chart->currentSeries()->points(), phase = chart->phaseSeries()->points();
    QCOMPARE(lines.size() - 1, current.size());
    const auto& sweep = window->result().sweep;
    for (int k = 1; k < lines.size(); ++k) {
        const QStringList cells = lines[k].split(u'\t');
        QCOMPARE(cells.size(), 6);
        QVERIFY(!lines[k].contains(u'.'));
        const double f = readNumber(cells[0]), i = readNumber(cells[1]), phi = readNumber(cells[2]);
        QVERIFY(std::fabs(f - current[k - 1].x()) <= 1e-14 * f);
        QVERIFY(std::fabs(i - current[k - 1].y()) <= 1e-14 * std::fabs(i));
        QVERIFY(std::fabs(phi - phase[k - 1].y()) <= 1e-13 * std::max(1.0, std::fabs(phi)));
        const double uc = readNumber(cells[5]);
        QVERIFY(std::fabs(uc - *sweep[std::size_t(k - 1)].at.uc) <= 1e-14 * uc);
    }
    QVERIFY(window->isVisible());
}

void ResonanceWindowTest::legendFollowsTheCircuit_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("legend"); // f, f₀, band
    QTest::newRow("f 60") << QStringList{"f=60"}
                          << QStringList{"f = 60 Hz", "f₀ = 159,15 Hz", "Halbwertsband 98,363 … 257,52 Hz"};
    QTest::newRow("R 10") << QStringList{"r=10"}
                          << QStringList{"f = 50 Hz", "f₀ = 159,15 Hz", "Halbwertsband 151,4 … 167,31 Hz"};
    QTest::newRow("L 0,2, then f 70") << QStringList{"l=0,2", "f=70"}
                                      << QStringList{"f = 70 Hz", "f₀ = 112,54 Hz", "Halbwertsband 79,577 … 159,15 Hz"};
}

// Every text of the window follows an accepted edit, the legend's and the group's included,
// and so does the copied picture.
void ResonanceWindowTest::legendFollowsTheCircuit()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, legend);
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    const QImage before = w.resonance()->picture();
    apply(w.controls, edits);
    ResonanceChart* chart = w.chart();
    auto entry = [chart](QAbstractSeries* series) {
        const auto markers = chart->chart()->legend()->markers(series);
        return markers.size() == 1 && markers[0]->isVisible() && markers[0]->label() == series->name() ? series->name() : QString();
    };
    QCOMPARE((QStringList{entry(chart->presentMarker()), entry(chart->resonanceMarker()), entry(chart->bandArea())}), legend);
    QCOMPARE(w.resonance()->findChild<QGroupBox*>(QStringLiteral("presentGroup"))->title(),
             QStringLiteral("Bei ") + legend[0]);
    QVERIFY(w.resonance()->picture() != before);
}

// Typing letters into U names them at every keystroke; the picture stays that of the last
// circuit that read, until U reads again.
void ResonanceWindowTest::noteFollowsEachKeystroke()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    const auto points = w.chart()->currentSeries()->points();
    w.controls.u->selectAll();
    QString typed;
    for (const QChar letter : QStringLiteral("abc")) {
        QTest::keyClick(w.controls.u, letter.toLatin1());
        typed += letter;
        QCOMPARE(w.notes(), QStringLiteral("U = „%1“ ist keine Zahl: das Bild zeigt die letzte lesbare Schaltung.").arg(typed));
    }
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(w.controls.u, Qt::Key_Backspace);
    QCOMPARE(w.notes(), QStringLiteral("U ist leer: das Bild zeigt die letzte lesbare Schaltung."));
    QCOMPARE(w.chart()->currentSeries()->points(), points);
    QTest::keyClicks(w.controls.u, QStringLiteral("20"));
    QCOMPARE(w.notes(), QString());
    QCOMPARE(w.value("resonanceUR"), QStringLiteral("6,5828"));
    QVERIFY(dialogs.messages.empty());
}

void ResonanceWindowTest::figureTextsStandFree_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("narrow");
    for (const bool narrow : {false, true}) {
        const char* size = narrow ? ", window at its smallest" : "";
        QTest::addRow("start%s", size) << QStringList{} << narrow;
        QTest::addRow("at resonance, R 1, f 159,15%s", size) << QStringList{"r=1", "f=159,15"} << narrow;
        QTest::addRow("exactly at resonance, R 100%s", size) << QStringList{"f=159,154943071114"} << narrow;
        QTest::addRow("inductive, 1 kHz%s", size) << QStringList{"f=1000"} << narrow;
        QTest::addRow("R 1, far below resonance%s", size) << QStringList{"r=1", "f=5"} << narrow;
        QTest::addRow("capacitor removed%s", size) << QStringList{"Check1=0"} << narrow;
        QTest::addRow("no coil%s", size) << QStringList{"l=0"} << narrow;
        QTest::addRow("negative U%s", size) << QStringList{"u=-10"} << narrow;
    }
}

namespace {

bool crosses(const QLineF& line, const QRectF& rect)
{
    if (rect.contains(line.p1()) || rect.contains(line.p2()))
        return true;
    for (const QLineF& edge : {QLineF(rect.topLeft(), rect.topRight()), QLineF(rect.topRight(), rect.bottomRight()),
                               QLineF(rect.bottomRight(), rect.bottomLeft()), QLineF(rect.bottomLeft(), rect.topLeft())})
        if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

} // namespace

// However flat or thin a figure, each of its texts lies inside it, over no line and no other
// text.
void ResonanceWindowTest::figureTextsStandFree()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, narrow);
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    if (narrow)
        w.resonance()->resize(w.resonance()->minimumSizeHint());
    apply(w.controls, edits);
    for (auto* view : w.resonance()->findChildren<ui::VectorFigure*>()) {
        QVERIFY(view->figure());
        const auto labels = view->drawnLabels();
        QCOMPARE(labels.size(), qsizetype(view->figure()->chain.size() + 3 + (labels.size() > qsizetype(view->figure()->chain.size() + 3) ? 1 : 0)));
        for (qsizetype a = 0; a < labels.size(); ++a) {
            const QString what = view->objectName() + QStringLiteral(": ") + labels[a].text;
            QVERIFY2(QRectF(view->rect()).contains(labels[a].rect), qPrintable(what));
            for (qsizetype b = a + 1; b < labels.size(); ++b)
                QVERIFY2(!labels[a].rect.intersects(labels[b].rect), qPrintable(what + QStringLiteral(" over ") + labels[b].text));
            for (const QLineF& line : view->drawnLines())
                QVERIFY2(!crosses(line, labels[a].rect), qPrintable(what));
        }
    }
}

void ResonanceWindowTest::chainClosesOnU_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("atResonance");
    QTest::newRow("start") << QStringList{} << false;
    QTest::newRow("at resonance, R 1: U_L = U_C = 100 U") << QStringList{"r=1", "f=159,154943071114"} << true;
    QTest::newRow("inductive") << QStringList{"f=1000"} << false;
    QTest::newRow("capacitor removed") << QStringList{"Check1=0"} << false;
    QTest::newRow("negative U") << QStringList{"u=-10"} << false;
}

// U_R, U_L and U_C head to tail, drawn to scale, end where U of the source ends; at
// resonance U_C takes back all of U_L.
void ResonanceWindowTest::chainClosesOnU()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, atResonance);
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    apply(w.controls, edits);
    const auto& at = w.resonance()->result().present;
    const double u = readNumber(w.controls.u->text());
    auto* chain = w.resonance()->findChild<ui::VectorFigure*>(QStringLiteral("voltageChain"));
    const QPolygonF points = chain->drawnPoints();
    QCOMPARE(points.size(), at.uc ? 4 : 3);
    const double scale = QLineF(points[0], points[1]).length() / std::fabs(*at.ur);
    QVERIFY(std::fabs(QLineF(points[1], points[2]).length() / scale - std::fabs(*at.ul)) <= 1e-9 * std::fabs(u));
    QVERIFY(std::fabs(QLineF(points.first(), points.last()).length() / scale - std::fabs(u)) <= 1e-9 * std::fabs(u));
    QCOMPARE(chain->figure()->closing.text, QStringLiteral("U = %1 V").arg(w.controls.u->text()));
    if (atResonance) {
        QVERIFY(std::fabs(points.last().y() - points.first().y()) < 1e-6);
        QVERIFY(QLineF(points[1], points[2]).length() > 50 * QLineF(points[0], points[1]).length());
    }
}

// Resting the mouse on the chart reads off f and every drawn curve there; the wheel and a
// dragged span zoom the frequency axis, a double click brings back the two decades around
// f₀.
void ResonanceWindowTest::chartReadoutAndZoom()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    QVERIFY(QTest::qWaitForWindowExposed(w.resonance()));
    w.resonance()->findChild<QCheckBox*>(QStringLiteral("capacitorVoltageCurveChoice"))->setChecked(true);
    ResonanceChart* chart = w.chart();
    QWidget* viewport = chart->viewport();
    const double f0 = *w.resonance()->result().resonance.f0;
    const int y = int(chart->chart()->plotArea().center().y());
    const QPoint atF0(int(std::lround(chart->xOf(f0))), y);
    const double perPixel = 4.0 / chart->chart()->plotArea().width(); // decades

    QHelpEvent tip(QEvent::ToolTip, atF0, viewport->mapToGlobal(atF0));
    QApplication::sendEvent(viewport, &tip);
    const QStringList lines = QToolTip::text().split(u'\n');
    QCOMPARE(lines.size(), 4); // f, I, φ, U_C
    const QString f = lines[0].section(u' ', 2, 2);
    QVERIFY2(std::fabs(std::log10(readNumber(f) / f0)) <= perPixel, qPrintable(lines[0]));
    QVERIFY2(std::fabs(readNumber(lines[1].section(u' ', 2, 2)) - 0.1) <= 1e-4, qPrintable(lines[1])); // U/R
    // I·X_C, 10 V at f₀, within what one pixel's frequency changes it
    QVERIFY2(std::fabs(readNumber(lines[3].section(u' ', 2, 2)) / 10.0 - 1.0) <= std::pow(10.0, perPixel) - 1.0, qPrintable(lines[3]));
    QVERIFY(lines[3].startsWith(QStringLiteral("U_C = ")) && lines[3].endsWith(QStringLiteral(" V")));

    // A notch of the wheel: a fifth less of the axis in each direction, around f₀.
    QWheelEvent wheel(atF0, viewport->mapToGlobal(atF0), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QVERIFY(std::fabs(std::log10(chart->frequencyTo() / chart->frequencyFrom()) - 4 * 0.8) < 1e-6);
    QVERIFY(std::fabs(std::log10(chart->frequencyFrom() / f0) + 2 * 0.8) <= 2 * perPixel);
    QVERIFY(w.resonance()->result().sweep.size() >= 401);

    // A span dragged from 150 to 170 Hz: a linear axis over just that, drawn afresh.
    const int from = int(std::lround(chart->xOf(150.0))), to = int(std::lround(chart->xOf(170.0)));
    const double pixel = std::log10(chart->frequencyTo() / chart->frequencyFrom()) / chart->chart()->plotArea().width();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(from, y));
    QTest::mouseMove(viewport, QPoint((from + to) / 2, y));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(to, y));
    QVERIFY(qobject_cast<QValueAxis*>(chart->frequencyAxis()));
    QVERIFY2(std::fabs(std::log10(chart->frequencyFrom() / 150.0)) <= pixel && std::fabs(std::log10(chart->frequencyTo() / 170.0)) <= pixel,
             qPrintable(QStringLiteral("%1 … %2").arg(chart->frequencyFrom()).arg(chart->frequencyTo())));
    const auto& sweep = w.resonance()->result().sweep;
    QVERIFY(sweep.size() >= 401 && sweep.front().f == chart->frequencyFrom() && sweep.back().f == chart->frequencyTo());
    QCOMPARE(chart->presentMarker()->points().size(), 0); // 50 Hz is off the axis now
    QCOMPARE(chart->resonanceMarker()->points().size(), 2);

    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint((from + to) / 2, y));
    QVERIFY(qobject_cast<QLogValueAxis*>(chart->frequencyAxis()));
    QVERIFY(std::fabs(chart->frequencyFrom() - f0 / 100) < 1e-9 * f0);
    QVERIFY(std::fabs(chart->frequencyTo() - f0 * 100) < 1e-9 * f0 * 100);
    QVERIFY(dialogs.messages.empty());
}

// When its font grows (the application's, with a zoom), so do the chart's texts and the room
// for the values. (A test runs no event loop, so Qt does not hand the application's font on.)
void ResonanceWindowTest::followsTheApplicationFont()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    w.open();
    auto* f0 = w.resonance()->findChild<QLabel*>(QStringLiteral("resonanceF0"));
    const int width = f0->minimumWidth();
    const qreal labels = w.chart()->frequencyAxis()->labelsFont().pointSizeF();
    QFont larger = QApplication::font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    w.resonance()->setFont(larger);
    QVERIFY(f0->minimumWidth() > width * 1.3);
    QVERIFY(w.chart()->frequencyAxis()->labelsFont().pointSizeF() > labels * 1.3);
}

void ResonanceWindowTest::copiesThePicture()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    ResonanceWindow* window = w.open();
    QApplication::clipboard()->clear();
    window->findChild<QAction*>(QStringLiteral("copyPictureAction"))->trigger();
    const QImage image = QApplication::clipboard()->image();
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), window->size() * window->devicePixelRatio());
}

QTEST_MAIN(ResonanceWindowTest)
#include "tst_resonancewindow.moc"
