// SPDX-License-Identifier: GPL-3.0-or-later
// The two side windows, the guide (F1) and "Resonanz und Leistung" (F2), on a screen 1600
// pixels wide: where they open, and that F1 and F2 bring their window back from wherever it
// went, pressed in any of the three windows.
#include "TestSupport.h"

#include "help/HelpWindow.h"
#include "resonance/ResonanceWindow.h"
#include "ui/SideWindow.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <fstream>

namespace {

long long area(const QRect& rect) { return rect.isEmpty() ? 0 : (long long)rect.width() * rect.height(); }

// The main window as a user has it, with both side windows opened once.
struct ThreeWindows : LoadedWindow {
    ThreeWindows()
    {
        form.show();
        press(&form, Qt::Key_F2);
        press(&form, Qt::Key_F1);
    }
    HelpWindow* guide() const { return form.findChild<HelpWindow*>(); }
    ResonanceWindow* resonance() const { return form.findChild<ResonanceWindow*>(); }
    QWidget* named(const QString& name) const
    {
        return name == QLatin1String("guide") ? static_cast<QWidget*>(guide())
               : name == QLatin1String("resonance") ? static_cast<QWidget*>(resonance())
                                                   : static_cast<QWidget*>(const_cast<Form1*>(&form));
    }
    // A key pressed where the focus is in `window`, as a user presses it.
    static void press(QWidget* window, Qt::Key key)
    {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("%s not active", qPrintable(window->objectName()));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == window ? focus : window, key);
    }
};

} // namespace

class SideWindowTest : public QObject {
    Q_OBJECT
private slots:
    void placedWhereTheyCoverLeast_data();
    void placedWhereTheyCoverLeast();
    void openBesideTheMainWindow();
    void keysBringTheirWindowBack_data();
    void keysBringTheirWindowBack();
};

void SideWindowTest::placedWhereTheyCoverLeast_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QList<QRect>>("others");
    QTest::addColumn<bool>("coversNone");
    const QRect main1600(504, 335, 596, 531), main1280(344, 247, 596, 531);
    QTest::newRow("1600 wide: beside it, narrower") << QRect(0, 0, 1600, 1200) << main1600 << QList<QRect>{} << true;
    QTest::newRow("1600 wide, the right taken: on the left")
        << QRect(0, 0, 1600, 1200) << main1600 << QList<QRect>{QRect(1108, 335, 490, 800)} << true;
    QTest::newRow("1280 wide: no room beside it") << QRect(0, 0, 1280, 1024) << main1280 << QList<QRect>{} << false;
    QTest::newRow("3000 wide: beside it at full size") << QRect(0, 0, 3000, 1200) << QRect(1200, 335, 596, 531)
                                                       << QList<QRect>{} << true;
    QTest::newRow("main window at the right edge") << QRect(0, 0, 1600, 1200) << QRect(1000, 0, 596, 531)
                                                   << QList<QRect>{} << true;
    QTest::newRow("a second screen to the left") << QRect(-1600, 0, 1600, 1200) << QRect(-1100, 300, 596, 531)
                                                 << QList<QRect>{} << true;
}

// No place on the screen at full size or at the minimum size covers less of the main window.
void SideWindowTest::placedWhereTheyCoverLeast()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    QFETCH(QList<QRect>, others);
    QFETCH(bool, coversNone);
    const QSize preferred(800, 800), minimum(460, 600);
    const QRect place = ui::leastCoveringPlace(screen, main, preferred, minimum, others);
    QVERIFY(screen.contains(place));
    QVERIFY(place.width() >= minimum.width() && place.height() >= minimum.height());
    QCOMPARE(area(place.intersected(main)) == 0, coversNone);
    long long least = area(main);
    for (const QSize size : {preferred, minimum})
        for (int x = screen.left(); x + size.width() <= screen.right() + 1; x += 4)
            for (int y = screen.top(); y + size.height() <= screen.bottom() + 1; y += 4)
                least = std::min(least, area(QRect(QPoint(x, y), size).intersected(main)));
    QCOMPARE(area(place.intersected(main)), least);
    for (const QRect& other : others)
        QVERIFY(!place.intersects(other));
}

// On the 1600 pixels of this test's screen both fit beside the main window, one each side.
void SideWindowTest::openBesideTheMainWindow()
{
    DialogRecorder dialogs;
    ThreeWindows w;
    const QRect main = w.form.frameGeometry(), screen = w.form.screen()->availableGeometry();
    QCOMPARE(screen.width(), 1600);
    for (QWidget* side : {w.named("guide"), w.named("resonance")}) {
        QVERIFY(side->isVisible());
        QVERIFY2(!side->frameGeometry().intersects(main), qPrintable(side->objectName()));
        QVERIFY(screen.contains(side->frameGeometry()));
    }
    QVERIFY(!w.guide()->frameGeometry().intersects(w.resonance()->frameGeometry()));
    QVERIFY(dialogs.messages.empty());
}

void SideWindowTest::keysBringTheirWindowBack_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("pressedIn");
    for (const auto& [key, window] : {std::pair{Qt::Key_F1, "guide"}, std::pair{Qt::Key_F2, "resonance"}}) {
        for (const char* how : {"minimised", "hidden", "moved off the screen"}) {
            for (const char* in : {"main", "guide", "resonance"}) {
                // A window minimised or hidden takes no key.
                if (QLatin1String(in) == QLatin1String(window) && QLatin1String(how) != QLatin1String("moved off the screen"))
                    continue;
                QTest::addRow("%s, %s, pressed in %s", key == Qt::Key_F1 ? "F1" : "F2", how, in)
                    << int(key) << QString::fromLatin1(how) << QString::fromLatin1(in);
            }
        }
    }
}

// Shown normal, raised, active and wholly on the screen, in every case.
void SideWindowTest::keysBringTheirWindowBack()
{
    QFETCH(int, key);
    QFETCH(QString, how);
    QFETCH(QString, pressedIn);
    DialogRecorder dialogs;
    ThreeWindows w;
    QWidget* target = w.named(key == Qt::Key_F1 ? QStringLiteral("guide") : QStringLiteral("resonance"));
    const QSize size = target->size();
    if (how == QLatin1String("minimised"))
        target->showMinimized();
    else if (how == QLatin1String("hidden"))
        target->hide();
    else
        target->move(-5000, -5000);
    ThreeWindows::press(w.named(pressedIn), Qt::Key(key));
    QVERIFY(target->isVisible());
    QVERIFY(!target->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), target);
    QVERIFY(target->screen()->availableGeometry().contains(target->frameGeometry()));
    QCOMPARE(target->size(), size);
    QCOMPARE(w.form.findChildren<HelpWindow*>().size() + w.form.findChildren<ResonanceWindow*>().size(), qsizetype(2));
    QVERIFY(dialogs.messages.empty());
}

// A screen 1600 pixels wide, as many classroom projectors have, in place of the headless
// platform's small one.
int main(int argc, char** argv)
{
    const QString config = QDir::temp().filePath(QStringLiteral("wellgrat-sidewindows-%1.json").arg(QCoreApplication::applicationPid()));
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        std::ofstream(config.toStdString())
            << R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1600, "height": 1200, )"
            << R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    }
    QApplication app(argc, argv);
    SideWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&test, argc, argv);
    QFile::remove(config);
    return result;
}

#include "tst_sidewindows.moc"
