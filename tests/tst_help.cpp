// SPDX-License-Identifier: GPL-3.0-or-later
// Help for a teacher in front of a class, on the real window: the tool tips and screen-reader
// descriptions of the controls, the quantities derived in the results' tips, the guide on F1,
// and the tint of an input whose text the program has not taken.
#include "TestSupport.h"

#include "help/HelpWindow.h"
#include "ui/ColourButton.h"
#include "ui/DrawingSurface.h"
#include "ui/InputState.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>

#include <cmath>
#include <numbers>

namespace {

QString accessibleDescription(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Description) : QString();
}

// The tip as Qt shows it when the mouse rests on the widget.
QString shownToolTip(QWidget* widget)
{
    QToolTip::hideText();
    const QPoint at(widget->width() / 2, widget->height() / 2);
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return QToolTip::text();
}

double german(const QString& text)
{
    bool ok = false;
    const double value = QLocale(QLocale::German).toDouble(text.trimmed(), &ok);
    if (!ok)
        qFatal("not a German number: %s", qPrintable(text));
    return value;
}

// The number after "<name> = " up to the unit, from a line of a result's tip; NaN when the
// tip has no such line.
double derivedValue(const QString& tip, const QString& name)
{
    for (const QString& line : tip.split(u'\n'))
        if (line.startsWith(name + QStringLiteral(" = "))) {
            const QString rest = line.section(QStringLiteral(" = "), -1);
            return german(rest.section(u' ', 0, 0));
        }
    return std::nan("");
}

bool withinFiveDigits(double actual, double expected)
{
    return std::fabs(actual - expected) <= 6e-5 * std::fabs(expected) + 1e-12;
}

// A German text: umlauts and German words, none of the usual English ones.
bool soundsGerman(const QString& text)
{
    static const QRegularExpression english(QStringLiteral("\\b(the|and|click|value|enter|curve|shows)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression german(QStringLiteral("\\b(der|die|das|und|ein|eine|mit|im|auf|in)\\b"));
    return !english.match(text).hasMatch() && german.match(text).hasMatch();
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlExplainsItself_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("says"); // a part of the tip that matters for this control
        QTest::newRow("u") << "u" << "Volt";
        QTest::newRow("f") << "f" << "Hertz";
        QTest::newRow("r") << "r" << "Werte unter 1 werden nicht übernommen";
        QTest::newRow("l") << "l" << "0,1 H = 100 mH";
        QTest::newRow("c") << "c" << "0,00001 F = 10 µF";
        QTest::newRow("perioden") << "perioden" << "Dezimalkomma";
        QTest::newRow("phaseein") << "phaseein" << "Grad";
        QTest::newRow("Text1") << "Text1" << "5 oder weniger ändert die Pause nicht";
        QTest::newRow("Slider1") << "Slider1" << "5 bis 500 ms";
        QTest::newRow("Check1") << "Check1" << "Kondensator";
        QTest::newRow("Check2") << "Check2" << "Angelegte Spannung";
        QTest::newRow("Check3") << "Check3" << "Strom";
        QTest::newRow("Check4") << "Check4" << "Produkt";
        QTest::newRow("Check5") << "Check5" << "Spannung an R";
        QTest::newRow("Check6") << "Check6" << "Spannung an C";
        QTest::newRow("Check7") << "Check7" << "Spannung an L";
        QTest::newRow("Check8") << "Check8" << "Spule wird dafür ausgebaut";
        QTest::newRow("Check9") << "Check9" << "während des Zeichnens";
        QTest::newRow("Check10") << "Check10" << "4999 Schritten";
        QTest::newRow("Check11") << "Check11" << "Mit Haken rückt jede übernommene Eingabe die Zeiger um einen Schritt weiter";
        QTest::newRow("Command1") << "Command1" << "Perioden";
        QTest::newRow("Command2") << "Command2" << "Farbe der Kurve „Angelegte Spannung“";
        QTest::newRow("Command3") << "Command3" << "Farbe der Kurve „Strom“";
        QTest::newRow("Command4") << "Command4" << "Farbe der Kurve „Leistung“";
        QTest::newRow("Command5") << "Command5" << "Farbe der Kurve „Spannung an R“";
        QTest::newRow("Command6") << "Command6" << "Farbe der Kurve „Spannung an C“";
        QTest::newRow("Command7") << "Command7" << "Farbe der Kurve „Spannung an L“";
        QTest::newRow("Command8") << "Command8" << "löscht die gezeichneten Kurven.\nAchsen, Zeiger und Kreis bleiben";
        QTest::newRow("Picture1") << "Picture1" << "positive Leistung liegt unter der Achse";
        QTest::newRow("Picture2") << "Picture2" << "auf Û bezogen";
    }

    void everyControlExplainsItself()
    {
        QFETCH(QString, control);
        QFETCH(QString, says);
        DialogRecorder dialogs;
        LoadedWindow w;
        auto* widget = w.form.findChild<QWidget*>(control);
        QVERIFY(widget);
        const QString tip = widget->toolTip();
        QVERIFY2(tip.contains(says), qPrintable(tip));
        QVERIFY2(soundsGerman(tip), qPrintable(tip));
        QCOMPARE(accessibleDescription(widget), tip);
        // The phasor diagram lists its phasors before its own tip.
        if (control == u"Picture2")
            QVERIFY(shownToolTip(widget).endsWith(QStringLiteral("\n\n") + tip));
        else
            QCOMPARE(shownToolTip(widget), tip);
    }

    void colourButtonsNameTheirPhasor()
    {
        LoadedWindow w;
        QVERIFY(w.controls.Command2->toolTip().contains(QStringLiteral("Zeiger")));
        QVERIFY(!w.controls.Command4->toolTip().contains(QStringLiteral("Zeiger"))); // the power has none
    }

    void capacitanceAndInductanceShowTheirValue_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shows");
        QTest::newRow("C at start-up") << "c" << "" << "Jetzt: C = 10 µF";
        QTest::newRow("C typed") << "c" << "0,000022" << "Jetzt: C = 22 µF";
        QTest::newRow("C in exponent form") << "c" << "4,7E-7" << "Jetzt: C = 0,47 µF";
        QTest::newRow("C not a number") << "c" << "zehn" << "Jetzt: keine Zahl";
        QTest::newRow("L at start-up") << "l" << "" << "Jetzt: L = 100 mH";
        QTest::newRow("L typed") << "l" << "0,25" << "Jetzt: L = 250 mH";
        QTest::newRow("L zero") << "l" << "0" << "Jetzt: L = 0 mH";
        QTest::newRow("L erased") << "l" << "\b" << "Im Feld: leer, noch nicht übernommen.\nDie Ergebnisse rechnen mit L = 100 mH.";
        QTest::newRow("C waiting at 0") << "c" << "0" << "Im Feld: C = 0 µF, noch nicht übernommen.\nDie Ergebnisse rechnen mit C = 10 µF.";
    }

    void capacitanceAndInductanceShowTheirValue()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, shows);
        DialogRecorder dialogs;
        LoadedWindow w;
        auto* edit = w.form.findChild<QLineEdit*>(field);
        if (text == QStringLiteral("\b")) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
        } else if (!text.isEmpty()) {
            typeInto(edit, text);
        }
        QVERIFY2(edit->toolTip().contains(shows), qPrintable(edit->toolTip()));
        QCOMPARE(accessibleDescription(edit), edit->toolTip());
    }

    void resultsShowDerivedQuantities_data()
    {
        QTest::addColumn<QString>("u");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("l");
        QTest::addColumn<QString>("c");
        QTest::addColumn<bool>("capacitor");
        QTest::newRow("start-up circuit") << "10" << "50" << "100" << "0,1" << "0,00001" << true;
        QTest::newRow("capacitor removed") << "10" << "50" << "100" << "0,1" << "0,00001" << false;
        QTest::newRow("near resonance") << "12" << "160" << "20" << "0,1" << "0,00001" << true;
        QTest::newRow("mains, large coil") << "230" << "50" << "470" << "2,5" << "0,0000047" << true;
        QTest::newRow("no coil") << "5" << "1000" << "1000" << "0" << "1E-7" << true;
    }

    // Every derived value equals the textbook formula applied to the inputs the results are of.
    void resultsShowDerivedQuantities()
    {
        QFETCH(QString, u);
        QFETCH(QString, f);
        QFETCH(QString, r);
        QFETCH(QString, l);
        QFETCH(QString, c);
        QFETCH(bool, capacitor);
        DialogRecorder dialogs;
        LoadedWindow w;
        w.controls.Check1->setChecked(capacitor);
        typeInto(w.controls.u, u);
        typeInto(w.controls.f, f);
        typeInto(w.controls.r, r);
        typeInto(w.controls.l, l);
        if (capacitor)
            w.controls.c->setText(c); // typed key by key, its first "0" would be a capacitor of 0 F
        QVERIFY2(dialogs.messages.empty(), qPrintable(dialogs.texts().join(u'\n')));

        // The textbook formulas on the inputs, with the program's pi.
        const double pi = 3.141592654;
        const double U = german(u), F = german(f), R = german(r), L = german(l), C = german(c);
        const double X = 2 * pi * F * L - (capacitor ? 1 / (2 * pi * F * C) : 0.0);
        const double Z = std::hypot(R, X), I = U / Z;
        for (QLabel* result : {w.controls.ueff, w.controls.ieff, w.controls.z, w.controls.phi, w.controls.udach, w.controls.idach}) {
            const QString tip = shownToolTip(result);
            QVERIFY2(tip.startsWith(accessibleDescription(result).section(u'\n', 0, 0) + u'\n'), qPrintable(tip));
            QVERIFY2(tip.section(u'\n', 0, 0).contains(result->text()), qPrintable(tip));
            QCOMPARE(accessibleDescription(result), tip);
            QVERIFY2(withinFiveDigits(derivedValue(tip, QStringLiteral("X_L = ω·L")), 2 * pi * F * L), qPrintable(tip));
            QVERIFY2(withinFiveDigits(derivedValue(tip, QStringLiteral("cos φ = R/Z")), R / Z), qPrintable(tip));
            QVERIFY2(withinFiveDigits(derivedValue(tip, QStringLiteral("P = I²·R")), I * I * R), qPrintable(tip));
            QVERIFY2(withinFiveDigits(derivedValue(tip, QStringLiteral("Q = I²·X")), I * I * X), qPrintable(tip));
            QVERIFY2(withinFiveDigits(derivedValue(tip, QStringLiteral("S = I²·Z")), I * I * Z), qPrintable(tip));
            const double xc = derivedValue(tip, QStringLiteral("X_C = 1/(ω·C)"));
            const double f0 = derivedValue(tip, QStringLiteral("f₀ = 1/(2π·√L·√C)"));
            if (capacitor) {
                QVERIFY2(withinFiveDigits(xc, 1 / (2 * pi * F * C)), qPrintable(tip));
            } else {
                QVERIFY2(std::isnan(xc), qPrintable(tip));
            }
            if (capacitor && L > 0) {
                QVERIFY2(withinFiveDigits(f0, 1 / (2 * pi * std::sqrt(L * C))), qPrintable(tip));
            } else {
                QVERIFY2(std::isnan(f0), qPrintable(tip));
            }
        }
    }

    // The tips follow an input at once, even one that changes no caption.
    void derivedQuantitiesFollowTheCapacitorBox()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(shownToolTip(w.controls.z).contains(QStringLiteral("f₀")));
        w.controls.Check1->setChecked(false);
        QVERIFY(!shownToolTip(w.controls.z).contains(QStringLiteral("f₀")));
        QVERIFY(!accessibleDescription(w.controls.phi).contains(QStringLiteral("X_C")));
    }

    void guideOpensOnF1AndEscClosesIt()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QCOMPARE(w.controls.Label[31]->text(), QStringLiteral("F1: Hilfe · F2: Resonanz und Leistung"));
        w.form.show();
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.controls.r->setFocus();
        QTest::keyClick(w.controls.r, Qt::Key_F1);
        auto* help = w.form.findChild<HelpWindow*>();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        QVERIFY(!QApplication::activeModalWidget()); // the window stays usable
        QVERIFY(w.controls.r->text() == QStringLiteral("100")); // F1 typed nothing
        const QString guide = help->browser()->toPlainText();
        for (const char* topic : {"Dezimalkomma", "unter 1", "auf Û bezogen", "Loop", "Delay",
                                  "Im Moment des Einschaltens", "Spule wird ausgebaut", "unter der Achse",
                                  "eilt der Strom der Spannung voraus", "H (Henry", "beginnt bei null",
                                  "τ = R·C", "Stromstoß Û/R",
                                  "Versuch speichern", "Beispiele", "Vollbild", "Arbeitsblatt drucken", "Werte ablesen", "UC"})
            QVERIFY2(guide.contains(QString::fromUtf8(topic)), topic);
        QVERIFY(soundsGerman(guide));
        QVERIFY(help->windowTitle().contains(QStringLiteral("Hilfe")));

        // Typing in the window goes on while the guide is open.
        typeInto(w.controls.r, QStringLiteral("200"));
        QVERIFY(help->isVisible());
        QVERIFY(w.controls.z->text() != QStringLiteral("303,8226"));

        QTest::keyClick(help, Qt::Key_Escape);
        QTRY_VERIFY(!help->isVisible());
        // F1 again brings back the same guide.
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTest::keyClick(w.controls.Command1, Qt::Key_F1);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(w.form.findChildren<HelpWindow*>().size(), 1);
        QVERIFY(dialogs.messages.empty());
    }

    void tintWhileTypingKeyByKey_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("tinted"); // after each key: 1 tinted, 0 not; empty: not stated
        QTest::addColumn<QString>("reason"); // how the tip begins after the last key
        QTest::newRow("f 0,5 waits") << "f" << "0,5" << "111" << "Werte unter 1 werden nicht übernommen";
        QTest::newRow("f 0,50 still waits") << "f" << "0,50" << "1111" << "Werte unter 1";
        QTest::newRow("r with a point") << "r" << "12.5" << "0011" << "Bitte ein Dezimalkomma verwenden";
        QTest::newRow("u letters") << "u" << "abc" << "111" << "Nicht übernommen: Das ist keine Zahl";
        QTest::newRow("r negative") << "r" << "-0,5" << "1110" << "";
        QTest::newRow("u exponent") << "u" << "1E2" << "010" << "";
        QTest::newRow("u exponent unfinished") << "u" << "2E-" << "011"
                                               << "Nicht übernommen: Die Zahl ist noch nicht fertig";
        QTest::newRow("l key by key") << "l" << "0,25" << "0000" << "";
        QTest::newRow("c key by key") << "c" << "0,00002" << "1111110" << "";
        QTest::newRow("c zero") << "c" << "0,000" << "11111" << "Nicht übernommen: 0 F ist kein Kondensator";
        QTest::newRow("c exponent") << "c" << "1E-5" << "0110" << "";
        QTest::newRow("c exponent unfinished") << "c" << "2,2E-" << "00011"
                                               << "Nicht übernommen: Die Zahl ist noch nicht fertig";
        QTest::newRow("l sign") << "l" << "-0,2" << "1000" << "";
        QTest::newRow("l letters run the analysis") << "l" << "ab" << "00" << "";
    }

    // Tinted exactly while the text typed waits: no step of the phasors and no message.
    void tintWhileTypingKeyByKey()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, tinted);
        QFETCH(QString, reason);
        DialogRecorder dialogs;
        LoadedWindow w;
        auto* edit = w.form.findChild<QLineEdit*>(field);
        QVERIFY(!ui::isTinted(edit));
        edit->selectAll();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const int taktBefore = w.form.property("takt").toInt();
            const std::size_t messagesBefore = dialogs.messages.size();
            QTest::keyClick(edit, keys.at(i).toLatin1());
            const bool ran = w.form.property("takt").toInt() != taktBefore || dialogs.messages.size() != messagesBefore;
            const QString after = QStringLiteral("after \"%1\"").arg(edit->text());
            QVERIFY2(ui::isTinted(edit) == !ran, qPrintable(after));
            QVERIFY2(edit->toolTip().contains(QStringLiteral("Die Ergebnisse gelten noch")) == !ran,
                     qPrintable(after));
            if (!tinted.isEmpty())
                QVERIFY2(ui::isTinted(edit) == (tinted.at(i) == u'1'), qPrintable(after));
            QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Base) == ui::kWaitingTint, ui::isTinted(edit));
            QCOMPARE(accessibleDescription(edit), edit->toolTip());
        }
        if (!reason.isEmpty())
            QVERIFY2(edit->toolTip().startsWith(reason), qPrintable(edit->toolTip()));
        // Mending the text takes the tint away at once.
        typeInto(edit, QStringLiteral("2"));
        QVERIFY(!ui::isTinted(edit));
        QVERIFY(!edit->toolTip().contains(QStringLiteral("Nicht übernommen")));
    }

    // A run started by another input reads the waiting text too: from then on it is taken.
    void runOfAnotherInputTakesTheWaitingText()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        typeInto(w.controls.f, QStringLiteral("0,5"));
        QVERIFY(ui::isTinted(w.controls.f));
        QVERIFY(shownToolTip(w.controls.z).contains(QStringLiteral("Eine Eingabe ist noch nicht übernommen.")));
        const QString zBefore = w.controls.z->text();
        typeInto(w.controls.l, QStringLiteral("0,2"));
        QVERIFY(w.controls.z->text() != zBefore); // computed with f = 0,5
        QVERIFY(!ui::isTinted(w.controls.f));
        QVERIFY(!shownToolTip(w.controls.z).contains(QStringLiteral("noch nicht übernommen")));
    }

    void tintIsSeenOnTheScreen()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        auto middleOf = [](QLineEdit* edit) {
            const QImage image = edit->grab().toImage();
            return image.pixelColor(image.width() - 6, image.height() / 2); // right of the text
        };
        const QColor plain = middleOf(w.controls.f);
        typeInto(w.controls.f, QStringLiteral("0,5"));
        QCOMPARE(middleOf(w.controls.f).rgb(), ui::kWaitingTint.rgb());
        typeInto(w.controls.f, QStringLiteral("60"));
        QCOMPARE(middleOf(w.controls.f).rgb(), plain.rgb());
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
