// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a person meets it: keyboard focus order, names for screen readers, captions
// that fit their boxes without running into their neighbours, and the window's own frame.
#include "TestSupport.h"

#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"
#include "ui/ResultLabel.h"
#include "ui/Twips.h"
#include "ui/WrappingCheckBox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>

namespace {

const QStringList kFullFocusOrder{
    "Command1", "Picture1", "Check2", "Check3", "Check4", "Command2", "Command3", "Command4",
    "perioden", "Check5",   "Check6", "Check7", "Command5", "Command6", "Command7", "Check8",
    "phaseein", "Check9",   "Check1", "f",      "u",        "l",        "c",        "r",
    "Picture2", "Check10",  "Check11", "Text1", "Slider1",  "Command8"};

QStringList without(QStringList names, const QStringList& skipped)
{
    for (const QString& name : skipped)
        names.removeAll(name);
    return names;
}

enum class Setup { StartUp, CapacitorRemoved, SwitchOnMode };

void apply(const Controls& controls, Setup setup)
{
    if (setup == Setup::CapacitorRemoved)
        controls.Check1->setChecked(false);
    if (setup == Setup::SwitchOnMode)
        controls.Check8->setChecked(true);
}

void showAndSettle(QWidget& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
}

QString accessibleText(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(kind) : QString();
}

// Where a widget puts ink, in its parent's pixels: the glyphs of its caption and, for a check
// box, its indicator. Empty for widgets without a caption.
QList<QRect> inkOf(const QWidget* widget)
{
    QList<QRect> ink;
    const QFontMetrics fm = widget->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().trimmed().isEmpty())
            return ink;
        QRect area = label->contentsRect();
        area.setLeft(area.left() + qMax(0, label->indent()));
        if (label->wordWrap()) {
            QTextLayout layout(label->text(), label->font());
            layout.beginLayout();
            qreal y = area.top();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(area.width());
                const QString words = label->text().mid(line.textStart(), line.textLength()).trimmed();
                ink << fm.tightBoundingRect(words).translated(area.left(), qRound(y + line.ascent()));
                y += line.height();
            }
            layout.endLayout();
        } else {
            const QRect glyphs = fm.tightBoundingRect(label->text());
            ink << glyphs.translated(area.left(), area.top() + fm.ascent());
        }
    } else if (const auto* wrapping = qobject_cast<const ui::WrappingCheckBox*>(widget)) {
        ink << wrapping->captionRect();
    } else if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QRect contents = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        const QRect glyphs = fm.tightBoundingRect(check->text());
        const int baseline = contents.top() + (contents.height() - fm.height()) / 2 + fm.ascent();
        ink << glyphs.translated(contents.left(), baseline);
    } else {
        return ink;
    }
    if (qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(widget);
        ink << widget->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, widget);
    }
    for (QRect& r : ink)
        r.translate(widget->pos());
    return ink;
}

// The pixels a visible line element covers in its container.
QRect lineRect(const ui::LineElement* line, QPoint offset)
{
    const QPointF a = ui::twipsToPixels(line->property("X1").toFloat(), line->property("Y1").toFloat());
    const QPointF b = ui::twipsToPixels(line->property("X2").toFloat(), line->property("Y2").toFloat());
    const QRectF r = QRectF(a, b).normalized();
    const int w = line->property("width").toInt();
    return r.toAlignedRect().adjusted(-(w / 2), -(w / 2), w - w / 2, w - w / 2).translated(offset);
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void focusFollowsTheTabKey_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("expected");
        // phaseein is disabled until the switch-on mode enables it.
        QTest::newRow("start-up") << Setup::StartUp << without(kFullFocusOrder, {"phaseein"});
        QTest::newRow("capacitor removed: c disabled")
            << Setup::CapacitorRemoved << without(kFullFocusOrder, {"phaseein", "c"});
        QTest::newRow("switch-on mode: l hidden, Check5 to Check7 disabled")
            << Setup::SwitchOnMode << without(kFullFocusOrder, {"Check5", "Check6", "Check7", "l"});
    }

    void focusFollowsTheTabKey()
    {
        QFETCH(Setup, setup);
        QFETCH(QStringList, expected);
        DialogRecorder dialogs;
        LoadedWindow w;
        apply(w.controls, setup);
        showAndSettle(w.form);
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.controls.Command1->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.controls.Command1));

        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            visited << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.controls.Command1)); // round and back to the start
    }

    void everyControlHasAnAccessibleName()
    {
        LoadedWindow w;
        const QList<QWidget*> widgets = w.form.findChildren<QWidget*>();
        QVERIFY(widgets.size() > 60);
        for (QWidget* widget : widgets) {
            const QString name = accessibleText(widget, QAccessible::Name).trimmed();
            QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName() + " has no accessible name"));
        }
    }

    void accessibleNamesSayTheQuantity_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("r") << "r" << "Widerstand R in Ohm";
        QTest::newRow("c") << "c" << "Kapazität C in Farad";
        QTest::newRow("l") << "l" << "Induktivität L in Henry";
        QTest::newRow("f") << "f" << "Frequenz f in Hertz";
        QTest::newRow("perioden") << "perioden" << "Anzahl der Perioden";
        QTest::newRow("phaseein") << "phaseein" << "Phase im Moment des Einschaltens in Grad";
        QTest::newRow("Check8") << "Check8" << "Im Moment des Einschaltens";
        QTest::newRow("Check11") << "Check11" << "Zeiger an";
        QTest::newRow("Command2") << "Command2" << "Farbe: Angelegte Spannung";
        QTest::newRow("Command7") << "Command7" << "Farbe: Spannung an L";
        QTest::newRow("Picture2") << "Picture2" << "Zeigerdiagramm";
        QTest::newRow("z") << "z" << "Wechselstromwiderstand Z in Ohm";
        QTest::newRow("udach") << "udach" << QStringLiteral("Scheitelspannung Û in Volt");
    }

    void accessibleNamesSayTheQuantity()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        LoadedWindow w;
        auto* widget = w.form.findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(accessibleText(widget, QAccessible::Name), name);
    }

    void resultLabelsSpeakTheirCaption_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("description");
        QTest::newRow("z") << Setup::StartUp << "z" << "Wechselstromwiderstand Z = 303,8226 Ohm";
        QTest::newRow("ueff") << Setup::StartUp << "ueff" << "Effektivspannung Ueff = 10 Volt";
        QTest::newRow("ieff") << Setup::StartUp << "ieff" << "Effektivstrom Ieff = 0,03291 Ampere";
        QTest::newRow("udach") << Setup::StartUp << "udach" << QStringLiteral("Scheitelspannung Û = 14,142135623731 Volt");
        QTest::newRow("idach") << Setup::StartUp << "idach" << QStringLiteral("Scheitelstrom Î = %1 Ampere");
        QTest::newRow("phi") << Setup::StartUp << "phi" << "Phasenverschiebung phi = -70,7834 Grad";
        QTest::newRow("z after removing the capacitor")
            << Setup::CapacitorRemoved << "z" << "Wechselstromwiderstand Z = 104,8187 Ohm";
        QTest::newRow("phi after removing the capacitor")
            << Setup::CapacitorRemoved << "phi" << "Phasenverschiebung phi = 17,4405944903738 Grad";
    }

    void resultLabelsSpeakTheirCaption()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, label);
        QFETCH(QString, description);
        DialogRecorder dialogs;
        LoadedWindow w; // not shown: the description follows the caption all the same
        apply(w.controls, setup);
        auto* widget = w.form.findChild<QLabel*>(label);
        QVERIFY(widget);
        if (description.contains(QLatin1String("%1")))
            description = description.arg(widget->text());
        // The derived quantities follow on the next lines.
        QCOMPARE(accessibleText(widget, QAccessible::Description).section(u'\n', 0, 0), description);
        QCOMPARE(accessibleText(widget, QAccessible::Value), widget->text());
    }

    void descriptionFollowsAnEdit()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        typeInto(w.controls.r, "200");
        QVERIFY(w.controls.z->text() != QStringLiteral("303,8226"));
        QCOMPARE(accessibleText(w.controls.z, QAccessible::Description).section(u'\n', 0, 0),
                 QStringLiteral("Wechselstromwiderstand Z = ") + w.controls.z->text() + QStringLiteral(" Ohm"));
        QVERIFY(dialogs.messages.empty());
    }

    void captionsFitAndStayClearOfTheirNeighbours_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("start-up") << Setup::StartUp;
        QTest::newRow("capacitor removed: phi has 15 digits") << Setup::CapacitorRemoved;
        QTest::newRow("switch-on mode") << Setup::SwitchOnMode;
    }

    void captionsFitAndStayClearOfTheirNeighbours()
    {
        QFETCH(Setup, setup);
        DialogRecorder dialogs;
        LoadedWindow w;
        apply(w.controls, setup);
        showAndSettle(w.form);

        QList<QWidget*> containers{&w.form};
        for (QWidget* widget : w.form.findChildren<QWidget*>())
            if (!widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
                containers << widget;

        for (QWidget* container : containers) {
            struct Part {
                QString owner;
                QRect rect;
                bool text;
            };
            QList<Part> parts;
            for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!child->isVisible())
                    continue;
                const QList<QRect> ink = inkOf(child);
                const bool hasCaption = !ink.isEmpty();
                for (const QRect& r : ink) {
                    // No caption is cut off by its own box.
                    QVERIFY2(child->geometry().contains(r), qPrintable(child->objectName() + " is clipped"));
                    parts.push_back({child->objectName(), r, true});
                }
                const bool plainLabel = qobject_cast<QLabel*>(child) || qobject_cast<QCheckBox*>(child);
                if (!hasCaption && !plainLabel)
                    parts.push_back({child->objectName(), child->geometry(), false});
            }
            const QPoint offset = qobject_cast<ui::DrawingSurface*>(container)
                                      ? QPoint(ui::DrawingSurface::kBorder, ui::DrawingSurface::kBorder)
                                      : QPoint();
            for (const ui::LineElement* line : w.controls.Line)
                if (line && line->parent() == container && line->property("visible").toBool())
                    parts.push_back({line->objectName(), lineRect(line, offset), false});

            // No caption runs into another caption, a control or a line.
            for (qsizetype i = 0; i < parts.size(); ++i)
                for (qsizetype j = i + 1; j < parts.size(); ++j) {
                    const Part& a = parts[i];
                    const Part& b = parts[j];
                    if ((!a.text && !b.text) || a.owner == b.owner)
                        continue;
                    QVERIFY2(!a.rect.intersects(b.rect),
                             qPrintable(QStringLiteral("%1 (%2,%3 %4x%5) overlaps %6 (%7,%8 %9x%10)")
                                            .arg(a.owner).arg(a.rect.x()).arg(a.rect.y()).arg(a.rect.width())
                                            .arg(a.rect.height()).arg(b.owner).arg(b.rect.x()).arg(b.rect.y())
                                            .arg(b.rect.width()).arg(b.rect.height())));
                }
        }
    }

    void longResultsWidenTheirBoxAndMoveTheUnit_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QRect>("box"); // twips
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QPoint>("unitAt"); // twips
        QTest::addColumn<QString>("caption");
        QTest::newRow("udach, 15 digits")
            << "udach" << QRect(1920, 240, 735, 255) << "Label25" << QPoint(2640, 240) << "-14,1421356237310";
        QTest::newRow("phi, 15 digits")
            << "phi" << QRect(2040, 960, 735, 255) << "Label19" << QPoint(2760, 960) << "-17,4405944903738";
        QTest::newRow("z, huge")
            << "z" << QRect(2160, 720, 495, 255) << "Label18" << QPoint(2760, 720) << "1,23456789012346E+300";
        QTest::newRow("ieff, long")
            << "ieff" << QRect(600, 480, 735, 255) << "Label17" << QPoint(1320, 480) << "12345,12345";
        QTest::newRow("ieff of U 1E300") << "ieff" << QRect(600, 480, 735, 255) << "Label17" << QPoint(1320, 480)
                                         << "3,29136813040279E+297";
        QTest::newRow("ueff, as typed")
            << "ueff" << QRect(600, 240, 735, 255) << "Label16" << QPoint(1320, 240) << "1234567890123";
    }

    void longResultsWidenTheirBoxAndMoveTheUnit()
    {
        QFETCH(QString, label);
        QFETCH(QRect, box);
        QFETCH(QString, unit);
        QFETCH(QPoint, unitAt);
        QFETCH(QString, caption);
        LoadedWindow w;
        showAndSettle(w.form);
        auto* result = w.form.findChild<QLabel*>(label);
        auto* unitLabel = w.form.findChild<QLabel*>(unit);
        QVERIFY(result && unitLabel);
        const QRect designed = ui::twipsRect(box.x(), box.y(), box.width(), box.height());
        const QPoint unitDesigned(ui::pixels(unitAt.x()), ui::pixels(unitAt.y()));

        result->setText(caption); // as the static analysis writes it
        auto* resultLabel = static_cast<ui::ResultLabel*>(result);
        QTRY_VERIFY(result->fontMetrics().horizontalAdvance(caption) <= result->width() || resultLabel->isCut());
        QCOMPARE(result->pos(), designed.topLeft());
        // Whole or cut, the tool tip has the caption whole.
        QVERIFY(result->toolTip().section(u'\n', 0, 0).contains(QStringLiteral(" = ") + caption + QLatin1Char(' ')));
        if (resultLabel->isCut()) {
            // Cut: a visible "…", and the exponent stays in view.
            QVERIFY2(resultLabel->shownText().contains(QStringLiteral("…")), qPrintable(resultLabel->shownText()));
            QVERIFY(resultLabel->shownText().endsWith(caption.section(u'E', -1)));
        } else {
            // Whole: the unit stands after the last digit, inside the frame.
            const int textEnd = result->x() + result->fontMetrics().horizontalAdvance(caption);
            QVERIFY(unitLabel->x() >= textEnd);
            QVERIFY(unitLabel->x() + unitLabel->fontMetrics().horizontalAdvance(unitLabel->text()) <
                    result->parentWidget()->width());
        }

        // A short caption again: everything as designed.
        result->setText(QStringLiteral("1"));
        QTRY_VERIFY(result->font() == result->parentWidget()->font() && result->geometry() == designed);
        QCOMPARE(unitLabel->pos(), unitDesigned);
        QVERIFY(!resultLabel->isCut());
    }

    void windowKeepsItsSizeAndShowsItsIcon()
    {
        LoadedWindow w;
        QCOMPARE(w.form.minimumSize(), QSize(ui::pixels(8880), ui::pixels(7575)));
        QCOMPARE(w.form.maximumSize(), w.form.minimumSize());
        QVERIFY(!(w.form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.form.windowIcon().availableSizes().contains(QSize(32, 32)));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((w.form.geometry().center() - screenCentre).manhattanLength() <= 2);
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
