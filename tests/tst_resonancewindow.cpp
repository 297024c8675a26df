// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Resonanz und Leistung" on the real main window: opening with F2 and from the
// context menus, closing, following the inputs, agreeing with the captions, every odd
// circuit without a message box, the chart's markers, the triangles and copying.
#include "TestSupport.h"

#include "controls/ControlValues.h"
#include "help/HelpWindow.h"
#include "resonance/ResonanceWindow.h"
#include "circuit/GermanNumber.h"
#include "ui/GroupFrame.h"
#include "resonance/ResonanceChart.h"
#include "ui/TriangleView.h"

#include <QAction>
#include <QApplication>
#include <QAreaSeries>
#include <QCheckBox>
#include <QClipboard>
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
#include <QValueAxis>

#include <cmath>
#include <memory>

namespace {

double readNumber(const QString& text)
{
    const auto value = circuit::parseGermanNumber(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
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
    ResonanceWindow* open()
    {
        form.findChild<QAction*>(QStringLiteral("resonanceAction"))->trigger();
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
    // After the lesson commands, the zoom and the worksheet, a line, the window.
    QCOMPARE(entries.mid(entries.size() - 10),
             (QStringList{QStringLiteral("Größer"), QStringLiteral("Kleiner"), QStringLiteral("Normale Größe"), QStringLiteral("Vollbild"),
                          QString(), QStringLiteral("Arbeitsblatt drucken …"), QStringLiteral("Arbeitsblatt als PDF …"),
                          QStringLiteral("Ergebnisse leer lassen"), QString(), QStringLiteral("Resonanz und Leistung …")}));
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
    QVERIFY(agrees(textOf(at->i), w.controls.ieff->text(), 0.5e-5));
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
    QTest::newRow("huge U") << QStringList{"u=1E308"} << "" << false;
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
    // Whatever it shows reads as a number by the program's rules, or says why not.
    for (const char* name : {"resonanceF0", "resonanceQuality", "resonanceBandwidth", "resonanceXL", "resonanceXC",
                             "resonanceX", "resonanceZ", "resonanceI", "resonancePhi", "resonanceP", "resonanceQ",
                             "resonanceS", "resonanceCosPhi"}) {
        auto* label = w.resonance()->findChild<QLabel*>(name);
        const QString text = label->text();
        const bool word = text == QStringLiteral("—") || text == QStringLiteral("keine") ||
                          text == QStringLiteral("unbegrenzt") || text == QStringLiteral("ausgebaut");
        QVERIFY2(word || circuit::parseGermanNumber(text.toStdString()), qPrintable(label->objectName() + ": " + text));
        QVERIFY(!label->accessibleName().isEmpty());
    }
    // The curve stays inside what a painter can draw.
    for (const QPointF& point : w.chart()->currentSeries()->points())
        QVERIFY(std::isfinite(point.x()) && std::isfinite(point.y()));
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
    QVERIFY(std::fabs(chart->frequencyAxis()->min() - 1.5915494) < 1e-6);
    QVERIFY(std::fabs(chart->frequencyAxis()->max() - 15915.494) < 1e-3);
    // Without a resonance there is neither an f₀ marker nor a band; the axis centres on f.
    w.controls.Check1->setChecked(false);
    QVERIFY(chart->resonanceMarker()->points().isEmpty());
    QCOMPARE(legendText(chart->resonanceMarker()), QString());
    QVERIFY(chart->bandArea()->upperSeries()->points().isEmpty());
    QVERIFY(std::fabs(chart->frequencyAxis()->min() - 0.5) < 1e-9);
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
        auto* view = w.resonance()->findChild<ui::TriangleView*>(expected.name);
        const QPolygonF corners = view->drawnCorners();
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

void ResonanceWindowTest::copiedValuesParseBack()
{
    DialogRecorder dialogs;
    ResonanceTestWindow w;
    ResonanceWindow* window = w.open();
    QApplication::clipboard()->clear();
    ResonanceChart* chart = w.chart();
    const QStringList entries = chooseFromContextMenu(chart, chart->rect().center(), QStringLiteral("Werte kopieren (f, I, φ)"));
    QVERIFY2(entries.contains(QStringLiteral("Bild kopieren")), qPrintable(entries.join(u'|')));
    const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("f in Hz\tI in A\tφ in Grad"));
    const auto current = chart->currentSeries()->points(), phase = chart->phaseSeries()->points();
    QCOMPARE(lines.size() - 1, current.size());
    for (int k = 1; k < lines.size(); ++k) {
        const QStringList cells = lines[k].split(u'\t');
        QCOMPARE(cells.size(), 3);
        QVERIFY(!lines[k].contains(u'.'));
        const double f = readNumber(cells[0]), i = readNumber(cells[1]), phi = readNumber(cells[2]);
        QVERIFY(std::fabs(f - current[k - 1].x()) <= 1e-14 * f);
        QVERIFY(std::fabs(i - current[k - 1].y()) <= 1e-14 * std::fabs(i));
        QVERIFY(std::fabs(phi - phase[k - 1].y()) <= 1e-13 * std::max(1.0, std::fabs(phi)));
    }
    QVERIFY(window->isVisible());
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
