// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit drawing in the group "Schaltplan": every element where it belongs, and the
// drawing a closed loop whether the capacitor and the coil are in the circuit or not.
#include "TestSupport.h"

#include "app/Schematic.h"

#include "ui/GroupFrame.h"
#include "ui/LineElement.h"
#include "ui/ShapeElement.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <map>
#include <set>
#include <tuple>

namespace {

struct WireRow {
    int number;
    float x1, y1, x2, y2;
    bool shown;
};

// The drawing as designed, in twips of the group's top-left corner.
const WireRow kDrawing[] = {
    {1, 2400, 1440, 4320, 1440, true},  {2, 1680, 1440, 240, 1440, true},  {3, 240, 360, 240, 1440, true},
    {4, 600, 360, 240, 360, true},      {5, 1080, 360, 2400, 360, true},   {6, 2400, 120, 2400, 600, true},
    {7, 2520, 120, 2520, 600, true},    {38, 2400, 360, 2520, 360, false}, {8, 2520, 360, 3000, 360, true},
    {10, 3000, 360, 3120, 360, true},   {11, 3120, 480, 3120, 360, true},  {13, 3120, 480, 3240, 480, true},
    {12, 3240, 480, 3240, 360, true},   {14, 3240, 360, 3360, 360, true},  {15, 3360, 480, 3360, 360, true},
    {16, 3480, 480, 3360, 480, true},   {17, 3480, 360, 3480, 480, true},  {18, 3600, 360, 3480, 360, true},
    {19, 3600, 480, 3600, 360, true},   {20, 3720, 480, 3600, 480, true},  {21, 3720, 360, 3720, 480, true},
    {22, 3840, 360, 3720, 360, true},   {24, 3840, 360, 3840, 480, true},  {25, 3960, 480, 3840, 480, true},
    {26, 3960, 360, 3960, 480, true},   {23, 3120, 315, 3960, 315, true},  {36, 3120, 360, 3960, 360, false},
    {27, 4320, 360, 3960, 360, true},   {9, 4320, 1440, 4320, 360, true},
};

// Parts of symbols rather than wires: their ends are free by design.
constexpr int kLeftPlate = 6, kRightPlate = 7, kCoreBar = 23;

const QString kCoilMessage = QStringLiteral("Die Spule wird ausgebaut!");
const QString kCapacitorWarning =
    QStringLiteral("Der Kondensator muss schon eingebaut sein, sonst macht das ja keinen Sinn..");

std::set<QString> schematicLineNames(const Controls& controls)
{
    std::set<QString> names;
    for (const auto* line : controls.Frame3->findChildren<ui::LineElement*>(Qt::FindDirectChildrenOnly))
        names.insert(line->objectName());
    return names;
}

// Drives the circuit into a state the way the program gets there: the capacitor box, and the
// switch-on mode with its messages answered by the recorder.
enum class Step { CapacitorOut, CapacitorIn, CoilOut, CoilIn };
using Steps = QList<int>;

void apply(const Controls& controls, const Steps& steps)
{
    for (const int step : steps) {
        switch (Step(step)) {
        case Step::CapacitorOut: controls.Check1->setChecked(false); break;
        case Step::CapacitorIn: controls.Check1->setChecked(true); break;
        case Step::CoilOut: controls.Check8->setChecked(true); break;
        case Step::CoilIn: controls.Check8->setChecked(false); break;
        }
    }
}

// ---- the loop as a graph ----------------------------------------------------------------
//
// Nodes are the points where wire ends meet, in pixels of the group (what the screen shows).
// Edges are the visible wires and the components: a shape joins the wire ends on its left
// side to those on its right side, the capacitor joins the wire ends on its left plate to
// those on its right plate. The drawing is one closed loop when every node meets exactly two
// edges, every component has one wire end on each side, and all edges hang together.

struct Point {
    double x, y;
    bool operator<(const Point& o) const { return std::tie(x, y) < std::tie(o.x, o.y); }
};

constexpr double kSamePixel = 0.01; // pixels; every end in the drawing lies on whole pixels

Point pixelPoint(double xTwips, double yTwips) { return {xTwips / ui::kTwipsPerPixel, yTwips / ui::kTwipsPerPixel}; }

bool near(double a, double b) { return std::abs(a - b) < kSamePixel; }

// On a vertical segment from (x, top) to (x, bottom), ends included.
bool onVertical(const Point& p, double x, double top, double bottom)
{
    return near(p.x, x) && p.y > std::min(top, bottom) - kSamePixel && p.y < std::max(top, bottom) + kSamePixel;
}

struct LoopReport {
    QStringList faults;
    int components = 0;
    int wires = 0;
};

LoopReport checkClosedLoop(const Controls& controls)
{
    LoopReport report;
    struct Edge {
        QString name;
        std::vector<Point> a, b; // the nodes on each side
    };
    std::vector<Edge> edges;
    std::vector<Point> wireEnds;

    for (const auto* line : controls.Frame3->findChildren<ui::LineElement*>(Qt::FindDirectChildrenOnly)) {
        const int number = line->objectName().mid(4).toInt();
        if (!line->isVisible() || number == kLeftPlate || number == kRightPlate || number == kCoreBar)
            continue;
        const Point a = pixelPoint(line->x1(), line->y1()), b = pixelPoint(line->x2(), line->y2());
        edges.push_back({line->objectName(), {a}, {b}});
        wireEnds.push_back(a);
        wireEnds.push_back(b);
        ++report.wires;
    }

    auto endsOn = [&](auto&& touches) {
        std::vector<Point> found;
        for (const Point& p : wireEnds) {
            if (touches(p))
                found.push_back(p);
        }
        return found;
    };
    auto addComponent = [&](const QString& name, std::vector<Point> a, std::vector<Point> b) {
        if (a.size() != 1 || b.size() != 1)
            report.faults << QStringLiteral("%1 has %2 wire end(s) on one side and %3 on the other")
                                 .arg(name).arg(a.size()).arg(b.size());
        edges.push_back({name, std::move(a), std::move(b)});
        ++report.components;
    };

    for (const ui::ShapeElement* shape : {controls.Shape1, controls.Shape2}) {
        if (!shape->isVisible())
            continue;
        const QRectF box = shape->outlinePixels();
        addComponent(shape->objectName(),
                     endsOn([&](const Point& p) { return onVertical(p, box.left(), box.top(), box.bottom()); }),
                     endsOn([&](const Point& p) { return onVertical(p, box.right(), box.top(), box.bottom()); }));
    }

    const ui::LineElement* left = controls.Line[kLeftPlate];
    const ui::LineElement* right = controls.Line[kRightPlate];
    if (left->isVisible() != right->isVisible())
        report.faults << "only one capacitor plate is shown";
    if (left->isVisible()) {
        auto onPlate = [](const ui::LineElement* plate) {
            return [plate](const Point& p) {
                const Point a = pixelPoint(plate->x1(), plate->y1()), b = pixelPoint(plate->x2(), plate->y2());
                return onVertical(p, a.x, a.y, b.y);
            };
        };
        addComponent("capacitor", endsOn(onPlate(left)), endsOn(onPlate(right)));
    }

    // Degree of every node: each wire end and each component side that lands on it.
    std::map<Point, int> degree;
    for (const Edge& edge : edges) {
        for (const Point& p : edge.a)
            ++degree[p];
        for (const Point& p : edge.b)
            ++degree[p];
    }
    for (const auto& [point, count] : degree) {
        if (count != 2)
            report.faults << QStringLiteral("%1 connection(s) at pixel (%2, %3)").arg(count).arg(point.x).arg(point.y);
    }

    // One piece: walk from the first edge across shared nodes.
    std::vector<bool> reached(edges.size(), false);
    std::vector<std::size_t> todo{0};
    reached[0] = true;
    while (!todo.empty()) {
        const Edge& edge = edges[todo.back()];
        todo.pop_back();
        for (std::size_t i = 0; i < edges.size(); ++i) {
            if (reached[i])
                continue;
            auto shares = [&](const std::vector<Point>& mine) {
                for (const Point& p : mine) {
                    for (const auto* side : {&edges[i].a, &edges[i].b}) {
                        for (const Point& q : *side) {
                            if (near(p.x, q.x) && near(p.y, q.y))
                                return true;
                        }
                    }
                }
                return false;
            };
            if (shares(edge.a) || shares(edge.b)) {
                reached[i] = true;
                todo.push_back(i);
            }
        }
    }
    for (std::size_t i = 0; i < edges.size(); ++i) {
        if (!reached[i])
            report.faults << edges[i].name + " is not part of the loop";
    }
    return report;
}

// ---- pixels -----------------------------------------------------------------------------

QImage frameImage(const Controls& controls) { return controls.Frame3->grab().toImage(); }

bool dark(const QImage& image, double xTwips, double yTwips)
{
    return qGray(image.pixel(ui::pixels(int(xTwips)), ui::pixels(int(yTwips)))) < 64;
}

} // namespace

class SchematicTest : public QObject {
    Q_OBJECT
private slots:
    void lineElement_data();
    void lineElement();
    void noOtherLinesInTheSchematic();
    void shapesAndSourceLabel();
    void inputFieldsBesideTheirSymbols_data();
    void inputFieldsBesideTheirSymbols();

    void closedLoopInEveryState_data();
    void closedLoopInEveryState();
    void schematicShowsOnePartOrItsBridge_data();
    void schematicShowsOnePartOrItsBridge();
    void loopCheckFindsAnOpenOrDoubledWire();
    void bridgingWiresAreDrawn_data();
    void bridgingWiresAreDrawn();
    void coreBarIsFourPixelsThick();
};

void SchematicTest::lineElement_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("x1");
    QTest::addColumn<float>("y1");
    QTest::addColumn<float>("x2");
    QTest::addColumn<float>("y2");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("shown");
    for (const WireRow& row : kDrawing) {
        QTest::addRow("Line%d", row.number)
            << row.number << row.x1 << row.y1 << row.x2 << row.y2 << (row.number == kCoreBar ? 4 : 1) << row.shown;
    }
}

void SchematicTest::lineElement()
{
    QFETCH(int, number);
    QFETCH(float, x1);
    QFETCH(float, y1);
    QFETCH(float, x2);
    QFETCH(float, y2);
    QFETCH(int, width);
    QFETCH(bool, shown);
    LoadedWindow w;
    const QString name = QStringLiteral("Line%1").arg(number);
    auto* line = w.controls.Frame3->findChild<ui::LineElement*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY2(line, qPrintable(name + " is not in the group Schaltplan"));
    QCOMPARE(line, w.controls.Line[number]);
    const double twip = 0.005; // the coordinates are whole twips
    QVERIFY(std::abs(line->property("X1").toFloat() - x1) < twip);
    QVERIFY(std::abs(line->property("Y1").toFloat() - y1) < twip);
    QVERIFY(std::abs(line->property("X2").toFloat() - x2) < twip);
    QVERIFY(std::abs(line->property("Y2").toFloat() - y2) < twip);
    QCOMPARE(line->property("width").toInt(), width);
    QCOMPARE(line->property("visible").toBool(), shown);
    QCOMPARE(line->property("colour").value<QColor>(), QColor(Qt::black));
}

void SchematicTest::noOtherLinesInTheSchematic()
{
    LoadedWindow w;
    std::set<QString> expected;
    for (const WireRow& row : kDrawing)
        expected.insert(QStringLiteral("Line%1").arg(row.number));
    QCOMPARE(schematicLineNames(w.controls), expected);
    // The numbers the drawing skips belong to other groups.
    for (const int number : {28, 29, 30, 31, 32, 33, 34, 35, 37}) {
        QVERIFY(w.controls.Line[number]);
        QVERIFY(w.controls.Line[number]->parent() != w.controls.Frame3);
    }
}

void SchematicTest::shapesAndSourceLabel()
{
    LoadedWindow w;
    const auto* shape1 = w.controls.Frame3->findChild<ui::ShapeElement*>("Shape1", Qt::FindDirectChildrenOnly);
    const auto* shape2 = w.controls.Frame3->findChild<ui::ShapeElement*>("Shape2", Qt::FindDirectChildrenOnly);
    QVERIFY(shape1 && shape1 == w.controls.Shape1);
    QVERIFY(shape2 && shape2 == w.controls.Shape2);
    QVERIFY(shape1->kind() == ui::ShapeElement::Kind::Rectangle);
    QVERIFY(shape2->kind() == ui::ShapeElement::Kind::Rectangle);
    // The outline runs along the inside of the box, so the box is one pixel wider and higher.
    auto boxInTwips = [](const ui::ShapeElement* shape) {
        const QRectF outline = shape->outlinePixels().adjusted(0, 0, 1, 1);
        return QRectF(outline.x() * 15, outline.y() * 15, outline.width() * 15, outline.height() * 15);
    };
    const double pixel = 15; // the box is placed to the nearest pixel
    auto closeTo = [&](const QRectF& a, const QRectF& b) {
        return std::abs(a.left() - b.left()) <= pixel / 2 && std::abs(a.top() - b.top()) <= pixel / 2 &&
               std::abs(a.right() - b.right()) <= pixel / 2 && std::abs(a.bottom() - b.bottom()) <= pixel / 2;
    };
    QVERIFY(closeTo(boxInTwips(shape1), QRectF(1680, 1200, 735, 495)));
    QVERIFY(closeTo(boxInTwips(shape2), QRectF(600, 240, 495, 255)));

    const auto* label1 = w.controls.Frame3->findChild<QLabel*>("Label1", Qt::FindDirectChildrenOnly);
    QVERIFY(label1 && label1 == w.controls.Label[1]);
    QCOMPARE(label1->text(), QStringLiteral("Quelle"));
    QCOMPARE(label1->geometry(), ui::twipsRect(1800, 1320, 615, 255));
    QVERIFY(!label1->isHidden());

    // Shape1 is filled white; Shape2 is an outline, the group's background showing inside.
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    const QImage image = frameImage(w.controls);
    QCOMPARE(QColor(image.pixel(ui::pixels(1700), ui::pixels(1220))), QColor(Qt::white));
    QVERIFY(dark(image, 1680, 1300));  // left side of the source box
    QVERIFY(dark(image, 700, 240));    // top of the resistor
    QVERIFY(!dark(image, 840, 360));   // inside the resistor: no wire runs through it
}

void SchematicTest::inputFieldsBesideTheirSymbols_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QRectF>("symbol"); // twips
    QTest::newRow("r under the resistor") << "r" << QRectF(600, 240, 495, 255);
    QTest::newRow("c under the plates") << "c" << QRectF(2400, 120, 120, 480);
    QTest::newRow("l under the coil") << "l" << QRectF(3120, 315, 840, 165);
    QTest::newRow("u under the source") << "u" << QRectF(1680, 1200, 735, 495);
}

// A field stands just below its symbol, overlapping it sideways, and covers no wire.
void SchematicTest::inputFieldsBesideTheirSymbols()
{
    QFETCH(QString, field);
    QFETCH(QRectF, symbol);
    LoadedWindow w;
    const QRect fieldPixels = w.form.findChild<QLineEdit*>(field)->geometry();
    QCOMPARE(w.form.findChild<QLineEdit*>(field)->parentWidget(), static_cast<QWidget*>(w.controls.Frame3));
    const QRectF symbolPixels = ui::twipsToPixels(symbol);
    QVERIFY(fieldPixels.left() < symbolPixels.right() && fieldPixels.right() > symbolPixels.left());
    const double gap = fieldPixels.top() - symbolPixels.bottom();
    QVERIFY2(gap >= 0 && gap <= 10, qPrintable(QString::number(gap)));

    for (const auto* line : w.controls.Frame3->findChildren<ui::LineElement*>()) {
        if (!line->isVisible())
            continue;
        const QLineF wire(ui::twipsToPixels(line->x1(), line->y1()), ui::twipsToPixels(line->x2(), line->y2()));
        const QRectF inside = QRectF(fieldPixels).adjusted(1, 1, -1, -1);
        const QRectF span = QRectF(wire.p1(), wire.p2()).normalized();
        QVERIFY2(!inside.intersects(span.adjusted(-0.1, -0.1, 0.1, 0.1)),
                 qPrintable(field + " covers " + line->objectName()));
    }
}

void SchematicTest::closedLoopInEveryState_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("capacitorShown");
    QTest::addColumn<bool>("coilShown");
    QTest::addColumn<QStringList>("messages");
    const int out = int(Step::CapacitorOut), in = int(Step::CapacitorIn);
    const int coilOut = int(Step::CoilOut), coilIn = int(Step::CoilIn);
    QTest::newRow("initial") << Steps{} << true << true << QStringList{};
    QTest::newRow("capacitor removed") << Steps{out} << false << true << QStringList{};
    QTest::newRow("capacitor built in again") << Steps{out, in} << true << true << QStringList{};
    QTest::newRow("coil removed") << Steps{coilOut} << true << false << QStringList{kCoilMessage};
    QTest::newRow("both removed, capacitor first")
        << Steps{out, coilOut} << false << false << QStringList{kCoilMessage, kCapacitorWarning};
    QTest::newRow("both removed, coil first") << Steps{coilOut, out} << false << false << QStringList{kCoilMessage};
    QTest::newRow("capacitor in again while the coil is out")
        << Steps{out, coilOut, in} << true << false << QStringList{kCoilMessage, kCapacitorWarning};
    QTest::newRow("coil in again") << Steps{coilOut, coilIn} << true << true << QStringList{kCoilMessage};
}

void SchematicTest::closedLoopInEveryState()
{
    QFETCH(Steps, steps);
    QFETCH(bool, capacitorShown);
    QFETCH(bool, coilShown);
    QFETCH(QStringList, messages);
    DialogRecorder dialogs;
    LoadedWindow w;
    apply(w.controls, steps);
    QCOMPARE(dialogs.texts(), messages);

    QCOMPARE(w.controls.Line[6]->isVisible(), capacitorShown);
    QCOMPARE(w.controls.Line[7]->isVisible(), capacitorShown);
    QCOMPARE(w.controls.Line[38]->isVisible(), !capacitorShown);
    for (int number = 11; number <= 26; ++number)
        QCOMPARE(w.controls.Line[number]->isVisible(), coilShown);
    QCOMPARE(w.controls.Line[36]->isVisible(), !coilShown);
    for (const int lead : {1, 2, 3, 4, 5, 8, 9, 10, 27})
        QVERIFY(w.controls.Line[lead]->isVisible());

    const LoopReport report = checkClosedLoop(w.controls);
    QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join("; ")));
    QCOMPARE(report.components, capacitorShown ? 3 : 2);
    // Wires: 9 leads, a bridge for the capacitor when it is out, the meander or its bridge.
    QCOMPARE(report.wires, 9 + (capacitorShown ? 0 : 1) + (coilShown ? 15 : 1));
}

// The schematic alone decides which wires draw the capacitor and the coil: whatever it is
// told, in whatever order and how often, the drawing stays one closed loop and no handler
// needs to know a wire's number.
void SchematicTest::schematicShowsOnePartOrItsBridge_data()
{
    QTest::addColumn<QList<bool>>("capacitor"); // setCapacitorShown, in order
    QTest::addColumn<QList<bool>>("coil");      // setCoilShown, after those
    QTest::newRow("as built") << QList<bool>{true} << QList<bool>{true};
    QTest::newRow("capacitor out") << QList<bool>{false} << QList<bool>{true};
    QTest::newRow("coil out") << QList<bool>{true} << QList<bool>{false};
    QTest::newRow("both out") << QList<bool>{false} << QList<bool>{false};
    QTest::newRow("out twice, then in") << QList<bool>{false, false, true} << QList<bool>{false, false, true};
    QTest::newRow("in, out, in, out") << QList<bool>{true, false, true, false} << QList<bool>{true, false, true, false};
}

void SchematicTest::schematicShowsOnePartOrItsBridge()
{
    QFETCH(QList<bool>, capacitor);
    QFETCH(QList<bool>, coil);
    LoadedWindow w;
    Schematic& schematic = w.form.schematic();
    for (const bool shown : capacitor)
        schematic.setCapacitorShown(shown);
    for (const bool shown : coil)
        schematic.setCoilShown(shown);
    const bool capacitorShown = capacitor.last(), coilShown = coil.last();

    const LoopReport report = checkClosedLoop(w.controls);
    QVERIFY2(report.faults.isEmpty(), qPrintable(report.faults.join("; ")));
    QCOMPARE(report.components, capacitorShown ? 3 : 2);
    QCOMPARE(report.wires, 9 + (capacitorShown ? 0 : 1) + (coilShown ? 15 : 1));
    // The plates and the core bar are no wires of the loop, but belong to their part.
    QCOMPARE(w.controls.Line[kLeftPlate]->isVisible(), capacitorShown);
    QCOMPARE(w.controls.Line[kRightPlate]->isVisible(), capacitorShown);
    QCOMPARE(w.controls.Line[kCoreBar]->isVisible(), coilShown);
}

// The graph check itself must see a gap and a parallel path.
void SchematicTest::loopCheckFindsAnOpenOrDoubledWire()
{
    LoadedWindow w;
    w.controls.Line[8]->setVisible(false);
    QVERIFY(!checkClosedLoop(w.controls).faults.isEmpty());
    w.controls.Line[8]->setVisible(true);
    w.controls.Line[38]->setVisible(true); // bridge and plates together: the capacitor is shorted
    QVERIFY(!checkClosedLoop(w.controls).faults.isEmpty());
    w.controls.Line[38]->setVisible(false);
    w.controls.Line[36]->setVisible(true); // coil and its replacement together
    QVERIFY(!checkClosedLoop(w.controls).faults.isEmpty());
    w.controls.Line[36]->setVisible(false);
    QVERIFY(checkClosedLoop(w.controls).faults.isEmpty());
}

void SchematicTest::bridgingWiresAreDrawn_data()
{
    closedLoopInEveryState_data();
}

// What the screen shows: points that only a plate, a bridge or the meander covers.
void SchematicTest::bridgingWiresAreDrawn()
{
    QFETCH(Steps, steps);
    QFETCH(bool, capacitorShown);
    QFETCH(bool, coilShown);
    DialogRecorder dialogs;
    LoadedWindow w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    apply(w.controls, steps);
    const QImage image = frameImage(w.controls);

    QCOMPARE(dark(image, 2460, 360), !capacitorShown); // between the plates: only Line38
    QCOMPARE(dark(image, 2400, 180), capacitorShown);  // upper part of the left plate
    QCOMPARE(dark(image, 2520, 540), capacitorShown);  // lower part of the right plate
    for (const double x : {3180.0, 3420.0, 3660.0, 3900.0}) {
        QCOMPARE(dark(image, x, 360), !coilShown); // the meander's gaps on the wire: only Line36
        QCOMPARE(dark(image, x, 480), coilShown);   // the meander's lower bends
    }
    QCOMPARE(dark(image, 3540, 315), coilShown); // the core bar
    for (const double x : {420.0, 1700.0, 3060.0, 4140.0})
        QVERIFY(dark(image, x, 360)); // the leads stay
    QVERIFY(dark(image, 240, 900));
    QVERIFY(dark(image, 4320, 900));
    QVERIFY(dark(image, 3000, 1440));
}

void SchematicTest::coreBarIsFourPixelsThick()
{
    LoadedWindow w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    const QImage image = frameImage(w.controls);
    // Column through a gap of the meander on the top wire: only the core bar crosses it there.
    const int x = ui::pixels(3180);
    int thick = 0;
    for (int y = ui::pixels(315) - 5; y <= ui::pixels(315) + 2; ++y)
        thick += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
    QCOMPARE(thick, 4);
}

QTEST_MAIN(SchematicTest)
#include "tst_schematic.moc"
