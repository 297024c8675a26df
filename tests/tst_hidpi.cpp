// SPDX-License-Identifier: GPL-3.0-or-later
// The window at 200 %: a point or line one pixel wide is one pixel of the layout, two device
// pixels, and positions keep the precision of the device pixels.
#include "TestSupport.h"

#include "app/WorksheetCopy.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"
#include "ui/SurfacePicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

namespace {

constexpr QRgb kRed = 0xff0000;

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void theScaleIsTwo() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    // x 1000,5 twips is 66,7 pixels of the layout, 133,4 device pixels: the point covers the
    // device pixels 133 and 134, across two pixels of the layout.
    void aPointIsTwoByTwoDevicePixelsAtItsDevicePosition_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QPoint>("device");
        QTest::newRow("odd device pixel") << 1000.5f << 300.0f << QPoint(133, 40);
        QTest::newRow("even device pixel") << 1500.0f << 1407.5f << QPoint(200, 187);
        QTest::newRow("top left") << 0.0f << 0.0f << QPoint(0, 0);
    }
    void aPointIsTwoByTwoDevicePixelsAtItsDevicePosition()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QPoint, device);
        LoadedWindow w;
        w.controls.Picture1->cls();
        w.controls.Picture1->pset(x, y, kRed);
        const QImage& image = w.controls.Picture1->image();
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(pixelsOf(image, kRed), (QList<QPoint>{device, device + QPoint(1, 0), device + QPoint(0, 1),
                                                       device + QPoint(1, 1)}));
    }

    void aPointOnTheLastDevicePixelStaysInside()
    {
        LoadedWindow w;
        w.controls.Picture1->cls();
        const QImage& image = w.controls.Picture1->image();
        const float right = float((image.width() - 0.5) / 2 * 15);
        w.controls.Picture1->pset(right, 0, kRed);
        QCOMPARE(pixelsOf(w.controls.Picture1->image(), kRed),
                 (QList<QPoint>{QPoint(image.width() - 1, 0), QPoint(image.width() - 1, 1)}));
    }

    // The vertical axis (x = 120 twips, 8 pixels) is two device pixels wide on the screen, as
    // is a phasor of width 2 four.
    void linesAreAsWideAsInTheLayout()
    {
        LoadedWindow w;
        w.controls.Picture1->cls();
        const QImage picture = ui::SurfacePicture::of(*w.controls.Picture1);
        QCOMPARE(picture.size(), w.controls.Picture1->size() * 2);
        const int row = 2 * (ui::DrawingSurface::kBorder + 100);
        QList<int> black;
        for (int x = 0; x < 60; ++x)
            if ((picture.pixel(x, row) & 0x00ffffffu) == 0)
                black << x;
        // x = 120 twips, 8 pixels of the layout: device pixels 16 and 17 of the drawing area.
        const int axis = 2 * (ui::DrawingSurface::kBorder + 8);
        QCOMPARE(black, (QList<int>{axis, axis + 1}));

        // The voltage phasor, turned straight up: 2 pixels of the layout, 4 device pixels.
        w.controls.lu->setX1(1400);
        w.controls.lu->setY1(0);
        const QImage phasors = ui::SurfacePicture::of(*w.controls.Picture2);
        const int middle = 2 * (ui::DrawingSurface::kBorder + 700 / 15);
        int red = 0;
        for (int x = 0; x < phasors.width(); ++x)
            red += (phasors.pixel(x, middle) & 0x00ffffffu) == kRed;
        QCOMPARE(red, 4);
    }

    // A curve is two device pixels thick everywhere, also where it runs flat at its peaks:
    // every run of its colour in a device column or row is at least two pixels long.
    void aPlottedCurveIsTwoDevicePixelsThick()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        w.controls.Check3->setChecked(false);
        w.controls.Command1->click();
        const QImage& image = w.controls.Picture1->image();
        auto red = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < image.width() && y < image.height()
                && (image.pixel(x, y) & 0x00ffffffu) == kRed;
        };
        int marked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!red(x, y))
                    continue;
                ++marked;
                QVERIFY2((red(x - 1, y) || red(x + 1, y)) && (red(x, y - 1) || red(x, y + 1)),
                         qPrintable(QStringLiteral("lone device pixel at %1, %2").arg(x).arg(y)));
            }
        }
        QVERIFY(marked > 4 * 334);
        QVERIFY(dialogs.messages.empty());
    }

    void theCopiedPictureHasTheDevicePixels()
    {
        LoadedWindow w;
        w.form.worksheetCopy().copyPicture(w.controls.Picture1);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), w.controls.Picture1->size() * 2);
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
