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
QString notYetEntered(const Controls& c)
{
    QStringList wrong;
    for (QCheckBox* box : {c.Check5, c.Check6, c.Check7})
        if (box->isEnabled())
            wrong << box->objectName() + QStringLiteral(" enabled");
    if (!shown(c.Line[36]))
        wrong << QStringLiteral("Line36 hidden");
    if (c.Label[6]->isVisible() || c.Label[7]->isVisible())
        wrong << QStringLiteral("Label6/Label7 shown");
    if (c.l->isVisible() || c.l->isEnabled())
        wrong << QStringLiteral("l shown or enabled");
    for (int number = 11; number <= 26; ++number)
        if (shown(c.Line[std::size_t(number)]))
            wrong << QStringLiteral("Line%1 shown").arg(number);
    if (!c.phaseein->isEnabled())
        wrong << QStringLiteral("phaseein disabled");
    return wrong.join(QStringLiteral(", "));
}

QString notLeft(const Controls& c)
{
    QStringList wrong;
    for (QCheckBox* box : {c.Check5, c.Check6, c.Check7})
        if (!box->isEnabled())
            wrong << box->objectName() + QStringLiteral(" disabled");
    if (shown(c.Line[36]))
        wrong << QStringLiteral("Line36 shown");
    if (!c.Label[6]->isVisible() || !c.Label[7]->isVisible())
        wrong << QStringLiteral("Label6/Label7 hidden");
    if (!c.l->isVisible() || !c.l->isEnabled())
        wrong << QStringLiteral("l hidden or disabled");
    for (int number = 11; number <= 26; ++number)
        if (!shown(c.Line[std::size_t(number)]))
            wrong << QStringLiteral("Line%1 hidden").arg(number);
    if (c.phaseein->isEnabled())
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
        const Controls& c = window->c;
        return QStringLiteral("l \"%1\", takt %2; %3").arg(c.l->text()).arg(window->takt()).arg(notYetEntered(c));
    });
    ShownWindow w;
    window = &w;
    const int takt = w.takt();
    QCOMPARE(w.c.l->text(), QStringLiteral("0,1"));

    w.c.Check8->click();

    QCOMPARE(watcher.messages.size(), std::size_t(1));
    QCOMPARE(watcher.messages[0].text, kCoilText);
    QCOMPARE(watcher.messages[0].title, kCoilTitle);
    QCOMPARE(watcher.messages[0].icon, ui::MessageIcon::Information);
    QCOMPARE(watcher.seen[0], QStringLiteral("l \"0,1\", takt %1; ").arg(takt));

    QVERIFY(w.c.Check8->isChecked());
    QCOMPARE(w.c.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.c), QString());
    QCOMPARE(w.c.phi->text(), QStringLiteral("-72,5594"));
    QCOMPARE(w.c.z->text(), QStringLiteral("333,6483"));
    QCOMPARE(w.c.ieff->text(), QStringLiteral("0,02997"));
    QCOMPARE(w.c.idach->text(), QStringLiteral("0,04238"));
    QCOMPARE(w.takt(), takt + 1); // one recomputation, which ticks the phasor diagram once
}

void SwitchOnTest::enteringWithoutInductanceRecomputesNothing()
{
    DialogRecorder dialogs;
    ShownWindow w;
    typeInto(w.c.l, QStringLiteral("0"));
    typeInto(w.c.r, QStringLiteral("0,5")); // not taken by the field: a recomputation would show it
    const QStringList captionsBefore = captions(w.c);
    const int takt = w.takt();

    w.c.Check8->click();

    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(w.c.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.c), QString());
    QCOMPARE(captions(w.c), captionsBefore);
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
    typeInto(w.c.l, inductance);
    w.c.Check1->click();
    QVERIFY(!w.c.Check1->isChecked());
    QCOMPARE(dialogs.texts(), QStringList());

    w.c.Check8->click();

    QCOMPARE(dialogs.texts(), messages);
    QCOMPARE(dialogs.messages.back().title, kCapacitorTitle);
    QCOMPARE(dialogs.messages.back().icon, ui::MessageIcon::Information);
    QVERIFY(w.c.Check8->isChecked());
    QCOMPARE(w.c.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.c), QString());
    // R alone: Z = R, no phase shift.
    QCOMPARE(w.c.z->text(), QStringLiteral("100"));
    QCOMPARE(w.c.phi->text(), QStringLiteral("0"));
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
        w.c.l->clear();
    else
        typeInto(w.c.l, inductance);
    QCOMPARE(dialogs.texts(), QStringList(staticErrors, kStaticError));
    dialogs.clear();

    w.c.Check8->click();

    QCOMPARE(dialogs.texts(), QStringList{kCoilText});
    QVERIFY(w.c.Check8->isChecked());
    QCOMPARE(w.c.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.c), QString());
    QCOMPARE(w.c.phi->text(), QStringLiteral("-72,5594"));
    QCOMPARE(w.c.idach->text(), QStringLiteral("0,04238"));
}

void SwitchOnTest::leavingRestoresTheSchematicButNotTheInductance()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.c.Check8->click();
    typeInto(w.c.phaseein, QStringLiteral("45"));
    dialogs.clear();
    const QStringList captionsBefore = captions(w.c);
    const int takt = w.takt();

    w.c.Check8->click();

    QVERIFY(!w.c.Check8->isChecked());
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(notLeft(w.c), QString());
    QCOMPARE(w.c.l->text(), QStringLiteral("0"));
    QCOMPARE(w.c.phaseein->text(), QStringLiteral("45"));
    QCOMPARE(captions(w.c), captionsBefore);
    QCOMPARE(w.takt(), takt);
}

void SwitchOnTest::enteringAgainShowsNoCoilMessage()
{
    DialogRecorder dialogs;
    ShownWindow w;
    w.c.Check8->click();
    w.c.Check8->click();
    const int takt = w.takt();

    w.c.Check8->click();

    QCOMPARE(dialogs.texts(), QStringList{kCoilText}); // from the first entering only
    QCOMPARE(w.c.l->text(), QStringLiteral("0"));
    QCOMPARE(notYetEntered(w.c), QString());
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
    w.c.Check5->setChecked(check5);
    w.c.Check6->setChecked(check6);
    w.c.Check7->setChecked(check7);
    const std::array boxes{w.c.Check5, w.c.Check6, w.c.Check7};
    const std::array values{check5, check6, check7};

    w.c.Check8->click();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY(!boxes[i]->isEnabled());
        QCOMPARE(boxes[i]->isChecked(), values[i]);
        QTest::mouseClick(boxes[i], Qt::LeftButton); // the user cannot change them now
        QCOMPARE(boxes[i]->isChecked(), values[i]);
    }

    w.c.Check8->click();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QVERIFY(boxes[i]->isEnabled());
        QCOMPARE(boxes[i]->isChecked(), values[i]);
    }
}

QTEST_MAIN(SwitchOnTest)
#include "tst_switchon.moc"
