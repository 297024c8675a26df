// SPDX-License-Identifier: GPL-3.0-or-later
// The switch-on mode on the real window: entering takes the coil out of the schematic and the
// inputs and sets L to 0, leaving puts the schematic back but not the inductance.
#include "TestSupport.h"

#include "ui/Dialogs.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <functional>

namespace {

const QString kCoilText = QStringLiteral("Die Spule wird ausgebaut!");
const QString kCoilTitle = QStringLiteral("kleiner Umbau..");
const QString kCapacitorText =
    QStringLiteral("Der Kondensator muss schon eingebaut sein, sonst macht das ja keinen Sinn..");
const QString kCapacitorTitle = QStringLiteral("Erst überlegen, dann klicken");
const QString kStaticError = QStringLiteral("Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0.");

bool shown(const ui::LineElement* line) { return line->property("visible").toBool(); }

// The controls that entering changes before it looks at the inductance, as entering leaves
// them; an empty text when they all are so.
QString notYetEntered(const Controls& controls)
{
    QStringList wrong;
    for (QCheckBox* box : {controls.Check5, controls.Check6, controls.Check7})
        if (box->isEnabled())
            wrong << box->objectName() + QStringLiteral(" enabled");
    if (!shown(controls.Line[36]))
        wrong << QStringLiteral("Line36 hidden");
    if (controls.Label[6]->isVisible() || controls.Label[7]->isVisible())
        wrong << QStringLiteral("Label6/Label7 shown");
    if (controls.l->isVisible() || controls.l->isEnabled())
        wrong << QStringLiteral("l shown or enabled");
    for (int number = 11; number <= 26; ++number)
        if (shown(controls.Line[std::size_t(number)]))
            wrong << QStringLiteral("Line%1 shown").arg(number);
    if (!controls.phaseein->isEnabled())
        wrong << QStringLiteral("phaseein disabled");
    return wrong.join(QStringLiteral(", "));
}

QString notLeft(const Controls& controls)
{
    QStringList wrong;
    for (QCheckBox* box : {controls.Check5, controls.Check6, controls.Check7})
        if (!box->isEnabled())
            wrong << box->objectName() + QStringLiteral(" disabled");
    if (shown(controls.Line[36]))
        wrong << QStringLiteral("Line36 shown");
    if (!controls.Label[6]->isVisible() || !controls.Label[7]->isVisible())
        wrong << QStringLiteral("Label6/Label7 hidden");
    if (!controls.l->isVisible() || !controls.l->isEnabled())
        wrong << QStringLiteral("l hidden or disabled");
    for (int number = 11; number <= 26; ++number)
        if (!shown(controls.Line[std::size_t(number)]))
            wrong << QStringLiteral("Line%1 hidden").arg(number);
    if (controls.phaseein->isEnabled())
        wrong << QStringLiteral("phaseein enabled");
    return wrong.join(QStringLiteral(", "));
}

// Answers the message boxes like DialogRecorder, and looks at the window while each is open.
class MessageWatcher {
public:
    explicit MessageWatcher(std::function<QString()> look)
    {
        ui::setMessageHandler([this, look](const ui::Message& message) {
            messages.push_back(message);
            seen << look();
        });
    }
    ~MessageWatcher() { ui::setMessageHandler({}); }

    std::vector<ui::Message> messages;
    QStringList seen;
};

} // namespace

class SwitchOnTest : public QObject {
    Q_OBJECT
private slots:
    void enteringTakesTheCoilOut();
    void enteringWithoutInductanceRecomputesNothing();
    void enteringWithCapacitorRemovedWarns_data();
    void enteringWithCapacitorRemovedWarns();
    void enteringWithInductanceThatIsNoNumber_data();
    void enteringWithInductanceThatIsNoNumber();
    void leavingRestoresTheSchematicButNotTheInductance();
    void enteringAgainShowsNoCoilMessage();
    void curveBoxesKeepTheirValues_data();
    void curveBoxesKeepTheirValues();
};

// The initial circuit (l "0,1", capacitor built in): the coil message comes after the
// schematic and the fields have changed and before l is set; then R-C results.
void SwitchOnTest::enteringTakesTheCoilOut()
{
    ShownWindow* window = nullptr;
    MessageWatcher watcher([&window] {
        const Controls& controls = window->controls;
        return QStringLiteral("l \"%1\", takt %2; %3").arg(controls.l->text()).arg(window->takt()).arg(notYetEntered(controls));
    });
    ShownWindow w;
    window = &w;
    const int takt = w.takt();
    QCOMPARE(w.controls.l->text(), QStringLiteral("0,1"));

    w.controls.Check8->click();

    QCOMPARE(watcher.messages.size(), std::size_t(1));
    QCOMPARE(watcher.messages[0].text, kCoilText);
    QCOMPARE(watcher.messages[0].title, kCoilTitle);
    QCOMPARE(watcher.messages[0].icon, ui::MessageIcon::Information);
    QCOMPARE(watcher.seen[0], QStringLiteral("l \"0,1\", takt %1; ").arg(takt));

    QVERIFY(w.controls.Check8->isChecked());
    QCOMPARE(w.controls.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.controls), QString());
    QCOMPARE(w.controls.phi->text(), QStringLiteral("-72,5594"));
    QCOMPARE(w.controls.z->text(), QStringLiteral("333,6483"));
    QCOMPARE(w.controls.ieff->text(), QStringLiteral("0,02997"));
    QCOMPARE(w.controls.idach->text(), QStringLiteral("0,04238"));
    QCOMPARE(w.takt(), takt + 1); // one recomputation, which ticks the phasor diagram once
}

void SwitchOnTest::enteringWithoutInductanceRecomputesNothing()
{
    DialogRecorder dialogs;
    ShownWindow w;
    typeInto(w.controls.l, QStringLiteral("0"));
    typeInto(w.controls.r, QStringLiteral("0,5")); // not taken by the field: a recomputation would show it
    const QStringList captionsBefore = captions(w.controls);
    const int takt = w.takt();

    w.controls.Check8->click();

    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(w.controls.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.controls), QString());
    QCOMPARE(captions(w.controls), captionsBefore);
    QCOMPARE(w.takt(), takt);
}

void SwitchOnTest::enteringWithCapacitorRemovedWarns_data()
{
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("l 0,1") << "0,1" << QStringList{kCoilText, kCapacitorText};
    QTest::newRow("l 0") << "0" << QStringList{kCapacitorText};
}

// A warning only: the mode is on, and the coil is out as usual.
void SwitchOnTest::enteringWithCapacitorRemovedWarns()
{
    QFETCH(QString, inductance);
    QFETCH(QStringList, messages);

    DialogRecorder dialogs;
    ShownWindow w;
    typeInto(w.controls.l, inductance);
    w.controls.Check1->click();
    QVERIFY(!w.controls.Check1->isChecked());
    QCOMPARE(dialogs.texts(), QStringList());

    w.controls.Check8->click();

    QCOMPARE(dialogs.texts(), messages);
    QCOMPARE(dialogs.messages.back().title, kCapacitorTitle);
    QCOMPARE(dialogs.messages.back().icon, ui::MessageIcon::Information);
    QVERIFY(w.controls.Check8->isChecked());
    QCOMPARE(w.controls.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.controls), QString());
    // R alone: Z = R, no phase shift.
    QCOMPARE(w.controls.z->text(), QStringLiteral("100"));
    QCOMPARE(w.controls.phi->text(), QStringLiteral("0"));
}

void SwitchOnTest::enteringWithInductanceThatIsNoNumber_data()
{
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<int>("staticErrors"); // while the text is entered
    QTest::newRow("letters") << "abc" << 3;
    QTest::newRow("blank") << " " << 1;
    QTest::newRow("empty") << "" << 0;
}

// Taken like a non-zero inductance: the coil message, then "0" and R-C results.
void SwitchOnTest::enteringWithInductanceThatIsNoNumber()
{
    QFETCH(QString, inductance);
    QFETCH(int, staticErrors);

    DialogRecorder dialogs;
    ShownWindow w;
    if (inductance.isEmpty())
        w.controls.l->clear();
    else
        typeInto(w.controls.l, inductance);
    QCOMPARE(dialogs.texts(), QStringList(staticErrors, kStaticError));
    dialogs.clear();

    w.controls.Check8->click();

    QCOMPARE(dialogs.texts(), QStringList{kCoilText});
    QVERIFY(w.controls.Check8->isChecked());
    QCOMPARE(w.controls.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.controls), QString());
    QCOMPARE(w.controls.phi->text(), QStringLiteral("-72,5594"));
    QCOMPARE(w.controls.idach->text(), QStringLiteral("0,04238"));
}

void SwitchOnTest::leavingRestoresTheSchematicButNotTheInductance()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check8->click();
    typeInto(w.controls.phaseein, QStringLiteral("45"));
    dialogs.clear();
    const QStringList captionsBefore = captions(w.controls);
    const int takt = w.takt();

    w.controls.Check8->click();

    QVERIFY(!w.controls.Check8->isChecked());
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(notLeft(w.controls), QString());
    QCOMPARE(w.controls.l->text(), QStringLiteral("0"));
    QCOMPARE(w.controls.phaseein->text(), QStringLiteral("45"));
    QCOMPARE(captions(w.controls), captionsBefore);
    QCOMPARE(w.takt(), takt);
}

void SwitchOnTest::enteringAgainShowsNoCoilMessage()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check8->click();
    w.controls.Check8->click();
    const int takt = w.takt();

    w.controls.Check8->click();

    QCOMPARE(dialogs.texts(), QStringList{kCoilText}); // from the first entering only
    QCOMPARE(w.controls.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.controls), QString());
    QCOMPARE(w.takt(), takt);
}

void SwitchOnTest::curveBoxesKeepTheirValues_data()
{
    QTest::addColumn<bool>("check5");
    QTest::addColumn<bool>("check6");
    QTest::addColumn<bool>("check7");
    QTest::newRow("R and L on") << true << false << true;
    QTest::newRow("C on") << false << true << false;
    QTest::newRow("all on") << true << true << true;
    QTest::newRow("all off") << false << false << false;
}

void SwitchOnTest::curveBoxesKeepTheirValues()
{
    QFETCH(bool, check5);
    QFETCH(bool, check6);
    QFETCH(bool, check7);

    DialogRecorder dialogs;
    ShownWindow w;
    w.controls.Check5->setChecked(check5);
    w.controls.Check6->setChecked(check6);
    w.controls.Check7->setChecked(check7);
    const std::array boxes{w.controls.Check5, w.controls.Check6, w.controls.Check7};
    const std::array values{check5, check6, check7};

    w.controls.Check8->click();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY(!boxes[i]->isEnabled());
        QCOMPARE(boxes[i]->isChecked(), values[i]);
        QTest::mouseClick(boxes[i], Qt::LeftButton); // the user cannot change them now
        QCOMPARE(boxes[i]->isChecked(), values[i]);
    }

    w.controls.Check8->click();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY(boxes[i]->isEnabled());
        QCOMPARE(boxes[i]->isChecked(), values[i]);
    }
}

QTEST_MAIN(SwitchOnTest)
#include "tst_switchon.moc"
