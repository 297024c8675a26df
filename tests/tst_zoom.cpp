// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom for the projector, on a 4K screen: the whole window grows step by step as on a
// screen of that pixel density, the pictures drawn stay, full screen fits and centres the
// layout, the zoom is remembered, and the copies have the pixels shown.
#include "TestSupport.h"

#include "ui/Commands.h"
#include "app/WorksheetCopy.h"
#include "ui/DrawingSurface.h"
#include "ui/GroupFrame.h"
#include "ui/Twips.h"
#include "ui/WindowFont.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <utility>

namespace {

constexpr QRgb kRed = 0xff0000;

QAction* command(Form1& form, const char* name) { return form.commands().action(QString::fromLatin1(name)); }

// "Größer" or "Kleiner" until the zoom is `percent`.
void zoomTo(Form1& form, int percent)
{
    for (int i = 0; i < 8 && qRound(ui::zoom() * 100) != percent; ++i)
        command(form, qRound(ui::zoom() * 100) < percent ? "zoomInAction" : "zoomOutAction")->trigger();
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        QSettings().clear();
        ui::setZoom(1.0);
    }

    void theScreenIs4K() { QCOMPARE(QApplication::primaryScreen()->geometry().size(), QSize(3840, 2160)); }

    // A point plotted at (1000,5; 300) twips is one pixel of the zoomed layout, at the device
    // pixel of its position: 66,7 and 20 pixels of the layout at 100 %.
    void eachStepScalesTheWholeWindow_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("larger");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("100 %") << 100 << QPoint(66, 20) << true << false;
        QTest::newRow("150 %") << 150 << QPoint(100, 30) << true << true;
        QTest::newRow("200 %") << 200 << QPoint(133, 40) << true << true;
        QTest::newRow("300 %") << 300 << QPoint(200, 60) << false << true;
    }
    void eachStepScalesTheWholeWindow()
    {
        QFETCH(int, percent);
        QFETCH(QPoint, point);
        QFETCH(bool, larger);
        QFETCH(bool, smaller);
        ShownWindow w;
        zoomTo(w.form, percent);
        const double zoom = percent / 100.0;
        QCOMPARE(ui::zoom(), zoom);
        QCOMPARE(w.form.size(), QSize(qRound(592 * zoom), qRound(505 * zoom)));
        QCOMPARE(w.form.maximumSize(), w.form.size());
        QCOMPARE(w.controls.Picture1->size(), QSize(qRound(361 * zoom), qRound(193 * zoom)));
        QCOMPARE(w.controls.ueff->font().pointSizeF(), ui::windowFont().pointSizeF() * zoom);
        QCOMPARE(w.controls.Command1->font().pointSizeF(), 12 * zoom);

        w.controls.Picture1->cls();
        w.controls.Picture1->pset(1000.5f, 300.0f, kRed);
        const int side = qRound(zoom);
        QList<QPoint> square;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                square << point + QPoint(x, y);
        QCOMPARE(pixelsOf(w.controls.Picture1->image(), kRed), square);

        QCOMPARE(command(w.form, "zoomInAction")->isEnabled(), larger);
        QCOMPARE(command(w.form, "zoomOutAction")->isEnabled(), smaller);
        QCOMPARE(command(w.form, "zoomNormalAction")->isEnabled(), percent != 100);
    }

    // The other windows, tool tips, menus and message boxes follow in their font size.
    void theOtherWindowsFollowInFontSize()
    {
        ShownWindow w;
        const double application = QApplication::font().pointSizeF();
        const double menu = QApplication::font("QMenu").pointSizeF(), tip = QApplication::font("QTipLabel").pointSizeF();
        QTest::keyClick(&w.form, Qt::Key_F2);
        auto* resonance = w.form.findChild<QWidget*>(QStringLiteral("ResonanceWindow"));
        QVERIFY(resonance);
        auto* choice = resonance->findChild<QCheckBox*>(QStringLiteral("currentCurveChoice"));
        QVERIFY(choice);
        const int indicator = choice->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, choice);
        zoomTo(w.form, 250);
        QCOMPARE(choice->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, choice), qRound(indicator * 2.5));
        QCOMPARE(QApplication::font("QMenu").pointSizeF(), menu * 2.5);
        QCOMPARE(QApplication::font("QTipLabel").pointSizeF(), tip * 2.5);
        QCOMPARE(QApplication::font("QMessageBox").pointSizeF(), application * 2.5);
        QCOMPARE(resonance->font().pointSizeF(), ui::windowFont().pointSizeF() * 2.5);
        command(w.form, "zoomNormalAction")->trigger();
        QCOMPARE(QApplication::font("QMenu").pointSizeF(), menu);
        QCOMPARE(resonance->font().pointSizeF(), ui::windowFont().pointSizeF());
    }

    // Each red pixel of the plot at 100 % is a square of two at 200 %, and is one pixel again
    // back at 100 %; what is plotted next is plotted at the new size.
    void thePicturesStayAcrossAChange()
    {
        DialogRecorder dialogs;
        ShownWindow w;
        w.controls.Check3->setChecked(false);
        w.controls.Command1->click();
        const QImage before = w.controls.Picture1->image();
        const QList<QPoint> red = pixelsOf(before, kRed);
        QVERIFY(red.size() > 300);

        zoomTo(w.form, 200);
        const QImage twice = w.controls.Picture1->image();
        QCOMPARE(twice.size(), before.size() * 2);
        QList<QPoint> expected;
        for (const QPoint& p : red)
            expected << 2 * p << 2 * p + QPoint(1, 0) << 2 * p + QPoint(0, 1) << 2 * p + QPoint(1, 1);
        std::sort(expected.begin(), expected.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
        QCOMPARE(pixelsOf(twice, kRed), expected);

        command(w.form, "zoomNormalAction")->trigger();
        QCOMPARE(w.controls.Picture1->image(), before);
        QVERIFY(dialogs.messages.empty());
    }

    // Full screen: the largest zoom that fits, the layout in the middle; Esc or F11 leaves it
    // for the zoom before.
    void fullScreenFitsCentresAndLeaves_data()
    {
        QTest::addColumn<int>("leaveKey");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("F11") << int(Qt::Key_F11);
    }
    void fullScreenFitsCentresAndLeaves()
    {
        QFETCH(int, leaveKey);
        ShownWindow w;
        zoomTo(w.form, 150);
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTest::keyClick(&w.form, Qt::Key_F11);
        QVERIFY(w.form.isFullScreen());
        QTRY_COMPARE(w.form.size(), QSize(3840, 2160));
        QVERIFY(command(w.form, "fullScreenAction")->isChecked());
        QVERIFY(!command(w.form, "zoomInAction")->isEnabled());
        const double fitting = 2160.0 / 505.0; // the height limits
        QCOMPARE(ui::zoom(), fitting);
        const QSize layout(ui::pixels(8880), ui::pixels(7575));
        QCOMPARE(layout.height(), 2160);
        const QPoint origin((3840 - layout.width()) / 2, 0);
        QCOMPARE(w.controls.Frame3->pos(), origin + QPoint(ui::pixels(120), ui::pixels(120)));
        QCOMPARE(w.controls.Frame5->geometry().right() + 1, origin.x() + ui::twipsRect(5520, 6360, 3255, 1095).right() + 1);

        QTest::keyClick(&w.form, Qt::Key(leaveKey));
        QVERIFY(!w.form.isFullScreen());
        QCOMPARE(ui::zoom(), 1.5);
        QCOMPARE(w.form.maximumSize(), QSize(888, 758));
        QCOMPARE(w.controls.Frame3->pos(), QPoint(ui::pixels(120), ui::pixels(120)));
        QVERIFY(!command(w.form, "fullScreenAction")->isChecked());
        QVERIFY(command(w.form, "zoomInAction")->isEnabled());
        QCOMPARE(QSettings().value(QStringLiteral("view/zoomPercent")).toInt(), 150); // not the full screen's
    }

    // The next start takes the zoom of the last time, the window in the middle of the screen.
    void theZoomIsRemembered()
    {
        {
            ShownWindow w;
            zoomTo(w.form, 175);
        }
        ui::setZoom(1.0);
        LoadedWindow w;
        QCOMPARE(ui::zoom(), 1.75);
        QCOMPARE(w.form.size(), QSize(1036, 884));
        const QPoint screenCentre = QApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((w.form.geometry().center() - screenCentre).manhattanLength() <= 2);
    }

    void copiesHaveThePixelsShown()
    {
        ShownWindow w;
        zoomTo(w.form, 200);
        w.form.worksheetCopy().copyPicture(w.controls.Picture1);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(722, 386));
        w.form.worksheetCopy().copyWindow();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(1184, 1010));
    }
};

int main(int argc, char* argv[])
{
    // A 4K screen, which has room for the window at 300 %.
    QTemporaryDir dir;
    const QString screens = dir.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(R"({"screens": [{"name": "4K", "x": 0, "y": 0, "width": 3840, "height": 2160,
                          "logicalDpi": 96, "logicalDpiBase": 96, "dpr": 1}]})")
               < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    QApplication app(argc, argv);
    ZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zoom.moc"
