// SPDX-License-Identifier: GPL-3.0-or-later
// The five circuit inputs and the capacitor box, driven as a user drives them: typing into
// the real fields character by character and clicking the box. "Recomputes" shows in two
// ways: the result captions change, and the step counter `takt` grows by one, since every
// successful static analysis with "Zeiger an" checked draws one animation step.
#include "TestSupport.h"

#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

const QString kCalcErrorText =
    QStringLiteral("Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0.");

QLineEdit* fieldNamed(const LoadedWindow& w, const QString& name)
{
    auto* field = w.form.findChild<QLineEdit*>(name);
    Q_ASSERT(field);
    return field;
}

// A caption as a number, read independently of the program's own number rules.
double captionValue(const QLabel* label)
{
    QString text = label->text();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        qWarning() << "caption is not a number:" << label->objectName() << label->text();
    return ok ? value : std::nan("");
}

// The series circuit, computed here from the formulas with the program's value of pi.
struct Circuit {
    double u = 10, f = 50, r = 100, l = 0.1, c = 0.00001;
    bool capacitor = true;
};

struct Results {
    double udach, phi, z, ieff, idach;
};

Results expected(const Circuit& k)
{
    const double pi = 3.141592654;
    const double omega = 2 * pi * k.f;
    const double x = k.capacitor ? k.l * omega - 1 / (k.c * omega) : omega * k.l;
    const double z = std::sqrt(k.r * k.r + x * x);
    const double ieff = k.u / z;
    return {k.u * std::sqrt(2.0), std::atan(x / k.r) * 180 / pi, z, ieff, ieff * std::sqrt(2.0)};
}

// Each caption is the value rounded to its places; ieff derives from the rounded z and idach
// from the rounded ieff, which moves them by far less than the extra 1e-7 allowed.
void compareCaptions(const LoadedWindow& w, const Circuit& k)
{
    const Results want = expected(k);
    const double halfPlace4 = 0.5e-4, halfPlace5 = 0.5e-5;
    QVERIFY2(std::abs(captionValue(w.controls.udach) - want.udach) <= 1e-13 * std::abs(want.udach),
             qPrintable(w.controls.udach->text()));
    const double phiTolerance = k.capacitor ? halfPlace4 + 1e-9 : 1e-12 * std::max(1.0, std::abs(want.phi));
    QVERIFY2(std::abs(captionValue(w.controls.phi) - want.phi) <= phiTolerance, qPrintable(w.controls.phi->text()));
    QVERIFY2(std::abs(captionValue(w.controls.z) - want.z) <= halfPlace4 + 1e-9, qPrintable(w.controls.z->text()));
    QVERIFY2(std::abs(captionValue(w.controls.ieff) - want.ieff) <= halfPlace5 + 1e-7, qPrintable(w.controls.ieff->text()));
    QVERIFY2(std::abs(captionValue(w.controls.idach) - want.idach) <= halfPlace5 + std::sqrt(2.0) * halfPlace5 + 1e-7,
             qPrintable(w.controls.idach->text()));
}

void setParameter(Circuit& k, const QString& field, double value)
{
    if (field == "u")
        k.u = value;
    else if (field == "f")
        k.f = value;
    else if (field == "r")
        k.r = value;
    else if (field == "l")
        k.l = value;
    else if (field == "c")
        k.c = value;
}

} // namespace

class InputsTest : public QObject {
    Q_OBJECT
private slots:
    void creatingTheWindowRaisesNoHandler();

    void handlerRecomputesExactlyWhenAccepted_data();
    void handlerRecomputesExactlyWhenAccepted();

    void erasingHundredCharacterByCharacter_data();
    void erasingHundredCharacterByCharacter();
    void waitingTextsAreReadByTheNextRun_data();
    void waitingTextsAreReadByTheNextRun();
    void negativeResistanceIsAccepted();
    void unreadableInductanceOrCapacitanceReportedAtOnce_data();
    void unreadableInductanceOrCapacitanceReportedAtOnce();
    void typingKeyByKeyWaitsForUnfinishedNumbers_data();
    void typingKeyByKeyWaitsForUnfinishedNumbers();
    void zeroCapacitanceIsReportedByTheDrawing();
    void inductanceZeroIsCoilFreeCircuit_data();
    void inductanceZeroIsCoilFreeCircuit();

    void capacitorOutAndInAgain_data();
    void capacitorOutAndInAgain();
    void capacitorInAgainUsesTheKeptCapacitance();
};

void InputsTest::creatingTheWindowRaisesNoHandler()
{
    DialogRecorder dialogs;
    Form1 form;
    const Controls& controls = form.controls();
    QCOMPARE(form.property("takt").toInt(), 0);
    for (const QLabel* result : {controls.ueff, controls.udach, controls.phi, controls.z, controls.ieff, controls.idach})
        QCOMPARE(result->text(), QStringLiteral("0"));
    QVERIFY(!controls.Line[38]->isVisible());
    form.Form_Load();
    QCOMPARE(form.property("takt").toInt(), 1);
    QCOMPARE(controls.phi->text(), QStringLiteral("-70,7834"));
    QVERIFY(dialogs.messages.empty());
}

void InputsTest::handlerRecomputesExactlyWhenAccepted_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("recomputes");
    const struct {
        const char* text;
        bool accepted;
    } rows[] = {{"", false},   {"   ", false}, {"0", false},   {"0,5", false}, {"0,99", false}, {"1", true},
                {"-0,5", true}, {"-1", true},   {"abc", false}, {"1e3", true},  {",5", false}};
    for (const char* field : {"u", "f", "r"}) {
        for (const auto& row : rows)
            QTest::addRow("%s \"%s\"", field, row.text) << field << row.text << row.accepted;
    }
}

// Set by the program, as the switch-on mode sets l: the change handler runs all the same.
void InputsTest::handlerRecomputesExactlyWhenAccepted()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, recomputes);
    DialogRecorder dialogs;
    LoadedWindow w;
    const QStringList before = captions(w.controls);
    fieldNamed(w, field)->setText(text);
    QCOMPARE(w.takt(), recomputes ? 2 : 1);
    QCOMPARE(captions(w.controls) != before, recomputes);
    QVERIFY(dialogs.messages.empty());
}

void InputsTest::erasingHundredCharacterByCharacter_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("r") << "r";
    QTest::newRow("u") << "u";
    QTest::newRow("f") << "f";
}

void InputsTest::erasingHundredCharacterByCharacter()
{
    QFETCH(QString, field);
    DialogRecorder dialogs;
    LoadedWindow w;
    QLineEdit* edit = fieldNamed(w, field);
    if (edit->text() != "100")
        edit->setText("100");
    int steps = w.takt();
    QTest::keyClick(edit, Qt::Key_End);

    Circuit k;
    for (const double remaining : {10.0, 1.0}) {
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString::number(remaining));
        QCOMPARE(w.takt(), ++steps);
        setParameter(k, field, remaining);
        compareCaptions(w, k);
        if (field == "u")
            QCOMPARE(w.controls.ueff->text(), edit->text());
    }

    const QStringList lastResults = captions(w.controls);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(w.takt(), steps);
    QCOMPARE(captions(w.controls), lastResults);
    QVERIFY(dialogs.messages.empty());
    QVERIFY(!w.rechenfehler());
}

void InputsTest::waitingTextsAreReadByTheNextRun_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("readable");
    for (const char* field : {"f", "r", "u"}) {
        QTest::addRow("%s 0,5", field) << field << "0,5" << true;
        QTest::addRow("%s letters", field) << field << "abc" << false;
    }
}

// Typing 0,5 or letters into U, f or R recomputes at no key; the text stays, and the next
// run that another input starts reads it: 0,5 as a number, letters as its one error.
void InputsTest::waitingTextsAreReadByTheNextRun()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(bool, readable);
    DialogRecorder dialogs;
    LoadedWindow w;
    QLineEdit* edit = fieldNamed(w, field);
    const QStringList initialResults = captions(w.controls);
    edit->selectAll();
    for (const QChar ch : keys) {
        QTest::keyClicks(edit, QString(ch));
        QCOMPARE(w.takt(), 1);
        QCOMPARE(captions(w.controls), initialResults);
        QVERIFY(dialogs.messages.empty());
    }
    QCOMPARE(edit->text(), keys);
    QVERIFY(!w.rechenfehler());

    QTest::keyClick(w.controls.l, Qt::Key_End);
    QTest::keyClicks(w.controls.l, "5");
    QCOMPARE(w.controls.l->text(), QStringLiteral("0,15"));
    QCOMPARE(w.controls.ueff->text(), w.controls.u->text());
    if (readable) {
        QCOMPARE(w.takt(), 2);
        Circuit k;
        k.l = 0.15;
        setParameter(k, field, 0.5);
        compareCaptions(w, k);
        QVERIFY(dialogs.messages.empty());
    } else {
        QCOMPARE(dialogs.texts(), QStringList{kCalcErrorText});
        QCOMPARE(w.takt(), 1);
        QVERIFY(w.rechenfehler());
    }
}

void InputsTest::negativeResistanceIsAccepted()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    const QStringList initialResults = captions(w.controls);
    w.controls.r->selectAll();
    for (const QChar ch : QStringLiteral("-0,")) {
        QTest::keyClicks(w.controls.r, QString(ch));
        QCOMPARE(w.takt(), 1);
        QCOMPARE(captions(w.controls), initialResults);
    }
    QTest::keyClicks(w.controls.r, "5");
    QCOMPARE(w.controls.r->text(), QStringLiteral("-0,5"));
    QCOMPARE(w.takt(), 2);
    Circuit k;
    k.r = -0.5;
    compareCaptions(w, k);
    QVERIFY(captionValue(w.controls.phi) > 89); // X < 0 over R < 0: the phase turns to the other side
    QVERIFY(dialogs.messages.empty());
}

void InputsTest::unreadableInductanceOrCapacitanceReportedAtOnce_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters in l") << "l" << "xy";
    QTest::newRow("letters in c") << "c" << "xy";
    QTest::newRow("one blank in l") << "l" << " ";
    QTest::newRow("blanks in l") << "l" << "   ";
    QTest::newRow("blanks in c") << "c" << "   ";
    QTest::newRow("a point in l") << "l" << ".";
}

// Every non-empty text runs the computation, which reports what it cannot use with its one
// message, once per keystroke; the animation does not move and the later captions stay.
void InputsTest::unreadableInductanceOrCapacitanceReportedAtOnce()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    DialogRecorder dialogs;
    LoadedWindow w;
    QLineEdit* edit = fieldNamed(w, field);
    const QStringList initialResults = captions(w.controls);

    edit->selectAll();
    int typedSoFar = 0;
    for (const QChar ch : typed) {
        QTest::keyClicks(edit, QString(ch));
        ++typedSoFar;
        QCOMPARE(int(dialogs.messages.size()), typedSoFar);
        const ui::Message& message = dialogs.messages.back();
        QCOMPARE(message.text, kCalcErrorText);
        QCOMPARE(message.title, QStringLiteral("Fehler!"));
        QVERIFY(message.icon == ui::MessageIcon::Critical);
        QCOMPARE(w.takt(), 1);
        QVERIFY(w.rechenfehler());
    }
    QCOMPARE(edit->text(), typed);
    QCOMPARE(captions(w.controls), initialResults); // ueff and udach rewritten with the same u
}

void InputsTest::typingKeyByKeyWaitsForUnfinishedNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("runs"); // per key: r the text recomputes, w it waits
    QTest::addColumn<double>("value");
    QTest::newRow("0,00002 into c") << "c" << "0,00002" << "wwwwwwr" << 0.00002;
    QTest::newRow("1E-5 into c") << "c" << "1E-5" << "rwwr" << 1e-5;
    QTest::newRow(",5E-5 into c") << "c" << ",5E-5" << "wrwwr" << 5e-6;
    QTest::newRow("-0,00001 into c") << "c" << "-0,00001" << "wwwwwwwr" << -0.00001;
    QTest::newRow("-0,2 into l") << "l" << "-0,2" << "wrrr" << -0.2;
    QTest::newRow("2E-1 into l") << "l" << "2E-1" << "rwwr" << 0.2;
    QTest::newRow("0,05 into l") << "l" << "0,05" << "rrrr" << 0.05;
}

// Each key as one change: a text that waits shows no message and leaves the captions; no key
// is lost, and the finished number gives the results of its circuit.
void InputsTest::typingKeyByKeyWaitsForUnfinishedNumbers()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, runs);
    QFETCH(double, value);
    DialogRecorder dialogs;
    LoadedWindow w;
    QLineEdit* edit = fieldNamed(w, field);
    edit->setFocus();
    edit->selectAll();
    int steps = w.takt();
    for (int i = 0; i < typed.size(); ++i) {
        const QStringList before = captions(w.controls);
        QTest::keyClicks(edit, QString(typed[i]));
        QCOMPARE(edit->text(), typed.left(i + 1));
        QVERIFY2(dialogs.messages.empty(), qPrintable(edit->text()));
        if (runs[i] == u'r') {
            QCOMPARE(w.takt(), ++steps);
        } else {
            QCOMPARE(w.takt(), steps);
            QCOMPARE(captions(w.controls), before);
        }
    }
    Circuit k;
    setParameter(k, field, value);
    compareCaptions(w, k);
    QVERIFY(!w.rechenfehler());
}

// "Zeichne!" recomputes whatever the field holds: a zero capacitance that waited is
// reported there.
void InputsTest::zeroCapacitanceIsReportedByTheDrawing()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    typeInto(w.controls.c, "0,000");
    QVERIFY(dialogs.messages.empty());
    QVERIFY(!w.rechenfehler());
    QTest::mouseClick(w.controls.Command1, Qt::LeftButton);
    QCOMPARE(dialogs.texts(),
             (QStringList{kCalcErrorText, QStringLiteral("Es ist ein Fehler in der Rechnung aufgetreten. Vermutlich "
                                                         "Division durch 0. Bitte überprüfen Sie Ihre Eingaben.")}));
    QVERIFY(w.rechenfehler());
}

void InputsTest::inductanceZeroIsCoilFreeCircuit_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("typed") << true;
    QTest::newRow("set by the program") << false;
}

void InputsTest::inductanceZeroIsCoilFreeCircuit()
{
    QFETCH(bool, typed);
    DialogRecorder dialogs;
    LoadedWindow w;
    if (typed)
        typeInto(w.controls.l, "0");
    else
        w.controls.l->setText("0");
    QCOMPARE(w.takt(), 2);
    QCOMPARE(w.controls.phi->text(), QStringLiteral("-72,5594"));
    QCOMPARE(w.controls.z->text(), QStringLiteral("333,6483"));
    QCOMPARE(w.controls.ieff->text(), QStringLiteral("0,02997"));
    QCOMPARE(w.controls.idach->text(), QStringLiteral("0,04238"));
    QVERIFY(dialogs.messages.empty());
}

void InputsTest::capacitorOutAndInAgain_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::newRow("clicked") << true;
    QTest::newRow("set by the program") << false;
}

void InputsTest::capacitorOutAndInAgain()
{
    QFETCH(bool, byClick);
    DialogRecorder dialogs;
    LoadedWindow w;
    auto setBuiltIn = [&](bool builtIn) {
        if (byClick)
            w.controls.Check1->click();
        else
            w.controls.Check1->setChecked(builtIn);
        QCOMPARE(w.controls.Check1->isChecked(), builtIn);
    };

    setBuiltIn(false);
    QVERIFY(!w.controls.c->isEnabled());
    QCOMPARE(w.controls.c->text(), QStringLiteral("0,00001"));
    QVERIFY(!w.controls.Line[6]->isVisible());
    QVERIFY(!w.controls.Line[7]->isVisible());
    QVERIFY(w.controls.Line[38]->isVisible());
    QCOMPARE(w.takt(), 2);
    QCOMPARE(captions(w.controls),
             (QStringList{"10", "14,142135623731", "17,4405944903738", "104,8187", "0,0954", "0,13492"}));

    setBuiltIn(true);
    QVERIFY(w.controls.c->isEnabled());
    QCOMPARE(w.controls.c->text(), QStringLiteral("0,00001"));
    QVERIFY(w.controls.Line[6]->isVisible());
    QVERIFY(w.controls.Line[7]->isVisible());
    QVERIFY(!w.controls.Line[38]->isVisible());
    QCOMPARE(w.takt(), 3);
    QCOMPARE(captions(w.controls), (QStringList{"10", "14,142135623731", "-70,7834", "303,8226", "0,03291", "0,04654"}));
    QVERIFY(dialogs.messages.empty());
}

// The capacitance typed before the capacitor was taken out is the one it comes back with.
void InputsTest::capacitorInAgainUsesTheKeptCapacitance()
{
    DialogRecorder dialogs;
    LoadedWindow w;
    // Overtype the last digit in one change (erasing it first would read as C = 0).
    QTest::keyClick(w.controls.c, Qt::Key_End);
    QTest::keyClick(w.controls.c, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(w.controls.c, "2");
    QCOMPARE(w.controls.c->text(), QStringLiteral("0,00002"));
    Circuit k;
    k.c = 0.00002;
    compareCaptions(w, k);

    w.controls.Check1->click();
    k.capacitor = false;
    compareCaptions(w, k);
    QTest::keyClicks(w.controls.c, "9"); // a disabled field takes no typing
    QCOMPARE(w.controls.c->text(), QStringLiteral("0,00002"));

    w.controls.Check1->click();
    k.capacitor = true;
    compareCaptions(w, k);
    QCOMPARE(w.takt(), 4);
    QVERIFY(dialogs.messages.empty());
}

QTEST_MAIN(InputsTest)
#include "tst_inputs.moc"
