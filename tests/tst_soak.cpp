// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random soak of the whole window: an impatient class of students types, pastes and
// erases texts in every field, clicks every check box and button it can reach, moves the
// slider, opens and closes the guide and lets the animation run, while the answers to every message box and colour
// chooser come automatically. After every action the window must still make sense.
//
//   WELLGRAT_SOAK_ACTIONS  number of actions (default 3000)
//   WELLGRAT_SOAK_SEED     seed of the random generator (default 20240611)
//
// A failing run prints its seed and its last actions. The same seed always gives the same
// actions; only the number of timer ticks in between depends on the machine's speed.

#include "TestSupport.h"

#include "circuit/StaticAnalysis.h"

#include "help/HelpWindow.h"
#include "lesson/LessonDocument.h"
#include "lesson/LessonFile.h"
#include "lesson/LessonFormat.h"
#include "lesson/WindowLesson.h"
#include "resonance/ResonanceChart.h"
#include "resonance/ResonanceTexts.h"
#include "resonance/ResonanceWindow.h"
#include "circuit/InputWait.h"
#include "circuit/Rounding.h"
#include "controls/CircuitInputs.h"
#include "controls/ControlValues.h"
#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/InputState.h"
#include "ui/LineElement.h"
#include "ui/Slider.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegion>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <deque>
#include <map>
#include <random>
#include <tuple>

namespace {

constexpr int kDefaultActions = 3000;
constexpr quint32 kDefaultSeed = 20240611;
constexpr int kLogLength = 30;

// Every text, title and icon that a message box of the program may show.
const std::map<QString, std::pair<QString, ui::MessageIcon>>& knownMessages()
{
    static const std::map<QString, std::pair<QString, ui::MessageIcon>> messages{
        {QStringLiteral("Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0."),
         {QStringLiteral("Fehler!"), ui::MessageIcon::Critical}},
        {QStringLiteral("Es ist ein Fehler in der Rechnung aufgetreten. Vermutlich Division durch 0. "
                        "Bitte überprüfen Sie Ihre Eingaben."),
         {QStringLiteral("Fehler!"), ui::MessageIcon::Critical}},
        {QStringLiteral("Fehler bei der Visualisierung/Timerinitialisierung"),
         {QStringLiteral("Fehler"), ui::MessageIcon::Critical}},
        {QStringLiteral("Die Spule wird ausgebaut!"),
         {QStringLiteral("kleiner Umbau.."), ui::MessageIcon::Information}},
        {QStringLiteral("Der Kondensator muss schon eingebaut sein, sonst macht das ja keinen Sinn.."),
         {QStringLiteral("Erst überlegen, dann klicken"), ui::MessageIcon::Information}},
    };
    return messages;
}

// Types each character as one key press, umlauts and other letters beyond ASCII included.
void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
    }
}

quint64 envNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

class Soak {
public:
    Soak(Form1& form, quint32 seed) : form_(form), controls(form.controls()), seed_(seed), random_(seed)
    {
        ui::setMessageHandler([this](const ui::Message& message) { answerMessage(message); });
        ui::setColourHandler([this](QColorDialog&) { return answerColour(); });
        ui::setFileHandler([this](const ui::FileQuestion&) { return std::optional<QString>(lessonPath_); });
        ui::setSaveHandler([this](const ui::SaveQuestion&) { return chance(20) ? ui::SaveChoice::Cancel : ui::SaveChoice::Discard; });
        QGuiApplication::clipboard()->clear();
    }
    ~Soak()
    {
        ui::setMessageHandler({});
        ui::setColourHandler({});
        ui::setFileHandler({});
        ui::setSaveHandler({});
    }

    // Runs the actions; returns the first fault, or an empty text.
    QString run(int actions)
    {
        QElapsedTimer clock;
        clock.start();
        for (action_ = 1; action_ <= actions; ++action_) {
            const int taktBefore = taktOf(form_);
            const qint64 started = clock.elapsed();
            const long messagesBefore = messages_;
            allowedMessages_ = 4;
            const bool looping = controls.Timer1->isActive();
            plotted_ = waited_ = switchedAfterStep_ = false;
            act();
            if (looping && waited_)
                ++loopWaits_;
            if (plotted_ && messages_ == messagesBefore)
                ++plotsDrawn_;
            const qint64 took = clock.elapsed() - started;
            if (took > slowest_) {
                slowest_ = took;
                slowestAction_ = currentAction_;
            }
            const int taktAfter = taktOf(form_);
            ticks_ += (taktAfter - taktBefore + 4999) % 4999;
            if (taktAfter < taktBefore)
                ++cycles_;
            setFault(violations(messages_ - messagesBefore, taktAfter != taktBefore && !switchedAfterStep_));
            if (!fault_.isEmpty())
                return report();
        }
        return {};
    }

    QString summary() const
    {
        QStringList parts{
            QStringLiteral("soak seed %1: %2 actions").arg(seed_).arg(action_ - 1),
            QStringLiteral("%1 animation steps (%2 new cycles)").arg(ticks_).arg(cycles_),
            QStringLiteral("%1 waits with the loop running (%2 phasor tips checked after them)")
                .arg(loopWaits_)
                .arg(tipChecks_),
            QStringLiteral("%1 plots (%2 without a message)").arg(plots_).arg(plotsDrawn_),
            QStringLiteral("%1 colour choices").arg(colourChoices_),
            QStringLiteral("%1 copies for worksheets").arg(copies_),
            QStringLiteral("%1 lessons saved, %2 opened, %3 refused").arg(lessonsSaved_).arg(lessonsOpened_).arg(lessonsRefused_),
            QStringLiteral("%1 values typed key by key into c and l").arg(keyByKey_),
            QStringLiteral("%1 long delays cut short (%2 loops moving again)").arg(longDelaysCut_).arg(loopsGoingAgain_),
            QStringLiteral("%1 times F1 (%2 times Esc in the guide)").arg(guideOpened_).arg(guideClosed_),
            QStringLiteral("%1 looks at the legend of the resonance window").arg(legendLooks_),
            QStringLiteral("%1 close looks at the drawing surfaces").arg(looks_),
            QStringLiteral("%1 message boxes (at most %2 open at once)").arg(messages_).arg(maxOpen_),
            QStringLiteral("%1 actions left an infinite phasor tip").arg(infiniteTips_),
            QStringLiteral("%1 actions left a current below 1E-30 A").arg(tinyCurrents_),
            QStringLiteral("slowest action %1 ms: %2").arg(slowest_).arg(slowestAction_),
        };
        QString text = parts.join(QStringLiteral(", "));
        for (const auto& [message, count] : messageCounts_)
            text += QStringLiteral("\n  %1 x \"%2\"").arg(count).arg(message);
        return text;
    }

private:
    // ---- the random generator ----------------------------------------------------------

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[std::size_t(below(int(items.size())))];
    }
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

    // A number in German writing, in one of the forms a student might use.
    QString germanNumber(double value)
    {
        switch (below(4)) {
        case 0:
            return textOf(value);
        case 1:
            return textOf(circuit::roundHalfEven(value, below(4)));
        case 2:
            return QString::number(value, 'e', below(6)).replace(u'.', u',');
        default:
            return QString::number(std::llround(value));
        }
    }

    // A sensible value for the field, the way it is meant to be used.
    QString sensibleText(QLineEdit* field)
    {
        if (field == controls.u)
            return germanNumber(uniform(1, 400));
        if (field == controls.f)
            return germanNumber(std::pow(10.0, uniform(0, 4)));
        if (field == controls.r) // now and then a current below 1E-30 A
            return chance(5) ? QStringLiteral("1E40") : germanNumber(std::pow(10.0, uniform(0, 5)));
        if (field == controls.l)
            return germanNumber(chance(20) ? 0.0 : std::pow(10.0, uniform(-4, 1)));
        if (field == controls.c)
            return germanNumber(std::pow(10.0, uniform(-9, -2)));
        if (field == controls.perioden)
            return germanNumber(uniform(0, 12));
        if (field == controls.phaseein)
            return germanNumber(uniform(-360, 360));
        // Short delays, so that the timer ticks often.
        return chance(85) ? QString::number(6 + below(25)) : germanNumber(uniform(-50, 2000));
    }

    QString randomCharacters(int length, const QString& alphabet)
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[below(int(alphabet.size()))];
        return text;
    }

    // Anything at all: odd numbers, letters, blanks, nothing.
    QString oddText()
    {
        static const std::vector<QString> odd{
            QStringLiteral("0"), QStringLiteral("0,0"), QStringLiteral("-0"), QStringLiteral("+0"),
            QStringLiteral("0E5"), QStringLiteral("000"), QStringLiteral(","), QStringLiteral("-"),
            QStringLiteral("+"), QStringLiteral("0,"), QStringLiteral(",5"), QStringLiteral("-,5"),
            QStringLiteral("0,5"), QStringLiteral("-0,5"), QStringLiteral("0,999999"), QStringLiteral("1.5"),
            QStringLiteral("1.000"), QStringLiteral("1,5,5"), QStringLiteral("1e"), QStringLiteral("1E+"),
            QStringLiteral("E5"), QStringLiteral("1e3"), QStringLiteral("2,5E-7"), QStringLiteral("-1E-3"),
            QStringLiteral("1E308"), QStringLiteral("1,7976931348623157E308"), QStringLiteral("1,8E308"),
            QStringLiteral("1e309"), QStringLiteral("-1E308"), QStringLiteral("1E300"), QStringLiteral("-1E300"),
            QStringLiteral("1E-300"), QStringLiteral("-1E-300"), QStringLiteral("4,9E-324"),
            QStringLiteral("1E-400"), QStringLiteral("1E38"), QStringLiteral("3,5E38"), QStringLiteral("1E-38"),
            QStringLiteral("1E40"), QStringLiteral("1E31"), QStringLiteral("1,7E308"), // currents below 1E-30 A
            QStringLiteral("99999999999999999999"), QStringLiteral("123456789012345678"),
            QStringLiteral("2147483647"), QStringLiteral("2147483648"), QStringLiteral("32767"),
            QStringLiteral("32768"), QStringLiteral("65536"), QStringLiteral("-32768"), QStringLiteral("4999"),
            QStringLiteral("5000"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("5,5"),
            QStringLiteral("6,5"), QStringLiteral("499,5"), QStringLiteral("500"), QStringLiteral("-20"),
            QStringLiteral("abc"), QStringLiteral("x"), QStringLiteral("1a"), QStringLiteral("a1"),
            QStringLiteral("ü"), QStringLiteral("Û"), QStringLiteral("Hallo Welt"), QStringLiteral("NaN"),
            QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-Infinity"), QStringLiteral("0x10"),
            QStringLiteral("1/2"), QStringLiteral("½"), QStringLiteral("١٢"), QStringLiteral(" "),
            QStringLiteral("   "), QStringLiteral(" 5 "), QStringLiteral(" -5"), QStringLiteral("5 0"),
            QStringLiteral("- 5"), QStringLiteral(""), QStringLiteral("10%"), QStringLiteral("1'000"),
        };
        switch (below(5)) {
        case 0:
        case 1:
            return pick(odd);
        case 2:
            return germanNumber((chance(50) ? -1 : 1) * std::pow(10.0, uniform(-320, 308)));
        case 3:
            return randomCharacters(1 + below(8), QStringLiteral("0123456789,,--+eE  a.x"));
        default:
            return germanNumber(uniform(-10, 10));
        }
    }

    // What gets pasted: often long.
    QString pastedText()
    {
        switch (below(6)) {
        case 0:
            return QString(1 + below(400), u'9');
        case 1:
            return QStringLiteral("0,") + QString(below(400), u'0') + QStringLiteral("1");
        case 2:
            return QString(1 + below(300), u'1') + QStringLiteral(",") + QString(below(300), u'5');
        case 3:
            return randomCharacters(20 + below(300), QStringLiteral("0123456789,.-+eE abcxyzäöüÛ"));
        case 4:
            return QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipisici elit, sed eiusmod tempor "
                                  "incidunt ut labore et dolore magna aliqua.");
        default:
            return (chance(50) ? sensibleText(pick(fields())) : oddText()) + QString(below(3), u' ');
        }
    }

    // ---- the dialogs: answered at once ------------------------------------------------

    void answerMessage(const ui::Message& message)
    {
        ++open_;
        ++messages_;
        maxOpen_ = std::max(maxOpen_, open_);
        ++messageCounts_[message.text];
        if (open_ > 1)
            setFault(QStringLiteral("a second message box opened while one was open: \"%1\"").arg(message.text));
        const auto known = knownMessages().find(message.text);
        // A lesson file that cannot be opened or saved is named, with the reason.
        const bool aboutAFile = message.text.startsWith(QStringLiteral("Der Versuch „")) && message.icon == ui::MessageIcon::Critical &&
                                (message.title == QStringLiteral("Versuch öffnen") || message.title == QStringLiteral("Versuch speichern"));
        if (aboutAFile)
            ;
        else if (known == knownMessages().end())
            setFault(QStringLiteral("unknown message box: \"%1\"").arg(message.text));
        else if (known->second.first != message.title || known->second.second != message.icon)
            setFault(QStringLiteral("message \"%1\" with the title \"%2\" or a wrong icon").arg(message.text, message.title));
        // A modal box runs its own event loop: timers and repaints go on while it is open.
        QCoreApplication::processEvents();
        if (messages_ % 4 == 0)
            QTest::qWait(1);
        --open_;
    }

    std::optional<QColor> answerColour()
    {
        ++colourChoices_;
        // The chooser is modal too; the animation goes on meanwhile.
        QTest::qWait(1);
        return colourAnswer_;
    }

    // ---- the actions ------------------------------------------------------------------

    const std::vector<QLineEdit*>& fields() const { return fields_; }

    // Keeps the first fault. WELLGRAT_SOAK_ABORT=1 aborts right there, for a debugger.
    void setFault(const QString& fault)
    {
        if (fault.isEmpty() || !fault_.isEmpty())
            return;
        fault_ = fault;
        if (qEnvironmentVariableIsSet("WELLGRAT_SOAK_ABORT"))
            qFatal("%s", qPrintable(report()));
    }

    void note(const QString& what)
    {
        if (!what.startsWith(u' '))
            currentAction_ = what;
        log_.push_back(QStringLiteral("#%1 %2").arg(action_).arg(what));
        if (log_.size() > kLogLength)
            log_.pop_front();
    }

    // A user reaches only controls that are shown and enabled.
    bool reachable(const QWidget* widget) const { return widget->isVisibleTo(controls.form) && widget->isEnabled(); }

    static QString quoted(const QString& text)
    {
        const QString shown = text.size() > 40 ? text.left(37) + QStringLiteral("...") : text;
        return QStringLiteral("\"%1\"%2").arg(shown, text.size() > 40 ? QStringLiteral(" (%1 chars)").arg(text.size())
                                                                      : QString());
    }

    // The class changes its mood now and then: careful students mostly mend their inputs and
    // watch, so that the window also spends long stretches animating and plotting; impatient
    // ones type and paste whatever comes to mind.
    void act()
    {
        if (below(1000) < 15) {
            careful_ = !careful_;
            note(careful_ ? QStringLiteral("(the class calms down)") : QStringLiteral("(the class gets impatient)"));
        }
        using Action = void (Soak::*)();
        struct Weighted {
            int careful, impatient;
            Action action;
        };
        static const Weighted actions[] = {
            {200, 80, &Soak::mendField},   {150, 220, &Soak::typeIntoField}, {10, 50, &Soak::pasteIntoField},
            {15, 60, &Soak::eraseField},   {40, 70, &Soak::editField},       {200, 210, &Soak::clickCheckBox},
            {10, 7, &Soak::plot},          {30, 33, &Soak::clearSurfaces},   {40, 40, &Soak::chooseColour},
            {80, 70, &Soak::moveSlider},   {220, 150, &Soak::waitForTicks},  {15, 15, &Soak::paintWindow},
            {25, 0, &Soak::startLoop},     {6, 12, &Soak::useGuide},      {30, 20, &Soak::typeComponentKeyByKey},
            {6, 3, &Soak::longDelayThenShortOne}, {15, 25, &Soak::copyFromSurface},  {8, 12, &Soak::useResonanceWindow},
            {12, 20, &Soak::useLessonFiles},
        };
        int total = 0;
        for (const Weighted& weighted : actions)
            total += careful_ ? weighted.careful : weighted.impatient;
        int roll = below(total);
        for (const Weighted& weighted : actions) {
            roll -= careful_ ? weighted.careful : weighted.impatient;
            if (roll < 0)
                return (this->*weighted.action)();
        }
    }

    // A capacitance or inductance typed the way a teacher writes it, one key at a time. While
    // the text is a number not yet finished (no digit yet, an exponent waiting for its digits,
    // and in c a number that is still zero) the key runs no computation: no message, and the
    // captions stay.
    void typeComponentKeyByKey()
    {
        QLineEdit* field = chance(60) ? controls.c : controls.l;
        const bool capacitance = field == controls.c;
        const double magnitude = capacitance ? std::pow(10.0, uniform(-9, -3)) : std::pow(10.0, uniform(-3, 0.5));
        const double value = (!capacitance && chance(20)) ? -magnitude : magnitude;
        QString text;
        switch (below(3)) {
        case 0: // all the places: 0,0000220
            text = QString::number(value, 'f', 2 - int(std::floor(std::log10(magnitude)))).replace(u'.', u',');
            break;
        case 1: // exponent: 2,2E-5 or 2,2e-05
            text = QString::number(value, chance(50) ? 'E' : 'e', below(3)).replace(u'.', u',');
            break;
        default: // a comma first: ,00022 or -,2
            text = QString::number(value, 'f', 2 - int(std::floor(std::log10(magnitude)))).replace(u'.', u',');
            text.replace(QStringLiteral("0,"), QStringLiteral(","));
            break;
        }
        note(QStringLiteral("type %1 into %2 key by key").arg(quoted(text), field->objectName()));
        if (!reachable(field))
            return note(QStringLiteral("  (%1 cannot be reached)").arg(field->objectName()));
        selectAllOf(field);
        allowedMessages_ = text.size() + 1;
        ++keyByKey_;
        for (int i = 0; i < text.size(); ++i) {
            const long messagesBefore = messages_;
            const QStringList before = captions();
            typeKeys(field, text.mid(i, 1));
            const QString typed = text.left(i + 1);
            if (field->text() != typed)
                return setFault(QStringLiteral("typing %1 left %2 reading %3")
                                    .arg(quoted(text), field->objectName(), quoted(field->text())));
            if (unfinished(typed, capacitance) && (messages_ != messagesBefore || captions() != before))
                return setFault(QStringLiteral("%1 reading the unfinished %2 ran the computation")
                                    .arg(field->objectName(), quoted(typed)));
        }
    }

    // A prefix of a well-formed number: no digit yet, or an exponent letter (and its sign)
    // waiting for digits, or, for a capacitance, every digit so far a zero.
    static bool unfinished(const QString& typed, bool capacitance)
    {
        const qsizetype exponent = typed.indexOf(QRegularExpression(QStringLiteral("[eE]")));
        if (exponent >= 0)
            return !typed.mid(exponent).contains(QRegularExpression(QStringLiteral("[0-9]")));
        if (!typed.contains(QRegularExpression(QStringLiteral("[0-9]"))))
            return true;
        return capacitance && !typed.contains(QRegularExpression(QStringLiteral("[1-9]")));
    }

    QStringList captions() const
    {
        return {controls.ueff->text(), controls.ieff->text(), controls.z->text(), controls.phi->text(), controls.udach->text(), controls.idach->text()};
    }

    // The loop runs; a delay of a day or more is typed and taken by the next step, so the loop
    // stands still. Then a short delay, typed or from the slider, must set it going again.
    void longDelayThenShortOne()
    {
        static const std::vector<QString> longDelays{QStringLiteral("2147483647"), QStringLiteral("86400000"),
                                                     QStringLiteral("3600000"), QStringLiteral("100000")};
        const QString longDelay = pick(longDelays);
        note(QStringLiteral("a long delay %1, then a short one").arg(quoted(longDelay)));
        waited_ = true;
        if (!controls.Check10->isChecked())
            QTest::mouseClick(controls.Check10, Qt::LeftButton, {}, indicatorOf(controls.Check10));
        selectAllOf(controls.Text1);
        allowedMessages_ = longDelay.size() + 8;
        typeKeys(controls.Text1, longDelay);
        // The next step takes it; a loop ended by a failing step has nothing to wait for.
        QElapsedTimer clock;
        clock.start();
        while (controls.Timer1->isActive() && controls.Timer1->interval() != longDelay.toInt() && clock.elapsed() < 2000)
            QTest::qWait(5);
        if (!controls.Timer1->isActive() || controls.Timer1->interval() != longDelay.toInt())
            return note(QStringLiteral("  (the loop did not take the long delay)"));

        const int stuck = form_.property("takt").toInt();
        const long messagesBefore = messages_;
        QSlider* slider = controls.Slider1;
        switch (below(3)) {
        case 0: {
            const QString shortDelay = QString::number(6 + below(60));
            note(QStringLiteral("  type %1 into Text1").arg(quoted(shortDelay)));
            selectAllOf(controls.Text1);
            typeKeys(controls.Text1, shortDelay);
            break;
        }
        case 1:
            note(QStringLiteral("  press Right on Slider1"));
            QTest::keyClick(slider, Qt::Key_Right);
            break;
        default: {
            note(QStringLiteral("  click the handle of Slider1"));
            const QPoint handle = sliderPoint(slider, QStyle::SC_SliderHandle);
            QTest::mouseClick(slider, Qt::LeftButton, {}, handle);
            break;
        }
        }
        const int shortDelay = controls.Text1->text().toInt();
        if (shortDelay <= 5 || shortDelay >= longDelay.toInt())
            return setFault(QStringLiteral("Text1 reads %1 after the short delay").arg(quoted(controls.Text1->text())));
        // The short delay has ended the long wait at once: the next step is at most that far.
        if (controls.Timer1->remainingTime() > shortDelay)
            return setFault(QStringLiteral("Timer1 still waits %1 ms with Text1 at %2 ms")
                                .arg(controls.Timer1->remainingTime())
                                .arg(shortDelay));
        ++longDelaysCut_;
        // And it comes; a generous wait for it.
        clock.restart();
        while (form_.property("takt").toInt() == stuck && controls.Timer1->isActive() && clock.elapsed() < 3000 + 2 * shortDelay)
            QTest::qWait(5);
        if (form_.property("takt").toInt() != stuck)
            ++loopsGoingAgain_;
        else if (controls.Timer1->isActive() && messages_ == messagesBefore)
            setFault(QStringLiteral("the loop stands still with Text1 at %1 ms").arg(shortDelay));
    }

    // A careful student who sees the loop stopped starts it again.
    void startLoop()
    {
        note(QStringLiteral("start the loop"));
        if (controls.Check10->isChecked())
            return note(QStringLiteral("  (it runs)"));
        QTest::mouseClick(controls.Check10, Qt::LeftButton, {}, indicatorOf(controls.Check10));
    }

    static QPoint indicatorOf(QCheckBox* box)
    {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }

    void plot()
    {
        plotted_ = true;
        ++plots_;
        clickButton(controls.Command1, QStringLiteral("Zeichne!"));
    }
    void clearSurfaces() { clickButton(controls.Command8, QStringLiteral("CLS")); }

    // Clicks into the field and selects its whole text, as a user does before typing over it.
    void selectAllOf(QLineEdit* field)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    }

    void typeIntoField()
    {
        QLineEdit* field = pick(fields());
        typeOver(field, chance(careful_ ? 95 : 50) ? sensibleText(field) : oddText());
    }

    // After a message the student mends an input: the first field from a random one on whose
    // text the program cannot compute, or any field when all look fine.
    void mendField()
    {
        const int start = below(int(fields().size()));
        QLineEdit* field = fields()[std::size_t(start)];
        for (std::size_t i = 0; i < fields().size(); ++i) {
            QLineEdit* candidate = fields()[(std::size_t(start) + i) % fields().size()];
            const auto value = optionalNumber(candidate->text());
            const bool needsNonZero = candidate != controls.l && candidate != controls.phaseein && candidate != controls.perioden;
            // A delay beyond 30 ms makes the animation look stuck to this class.
            const bool slow = candidate == controls.Text1 && value && *value > 30.0;
            if (reachable(candidate) && (!value || (needsNonZero && *value == 0.0) || slow)) {
                field = candidate;
                break;
            }
        }
        note(QStringLiteral("mend %1").arg(field->objectName()));
        typeOver(field, sensibleText(field));
    }

    void typeOver(QLineEdit* field, const QString& text)
    {
        note(QStringLiteral("type %1 into %2").arg(quoted(text), field->objectName()));
        if (!reachable(field))
            return note(QStringLiteral("  (%1 cannot be reached)").arg(field->objectName()));
        selectAllOf(field);
        allowedMessages_ = text.size() + 1;
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            typeKeys(field, text);
        if (field->text() != text)
            setFault(QStringLiteral("typing %1 left %2 reading %3").arg(quoted(text), field->objectName(), quoted(field->text())));
    }

    void pasteIntoField()
    {
        QLineEdit* field = pick(fields());
        const QString text = pastedText();
        const bool replace = chance(70);
        note(QStringLiteral("paste %1 %2 %3").arg(quoted(text), replace ? "over" : "into", field->objectName()));
        if (!reachable(field))
            return note(QStringLiteral("  (%1 cannot be reached)").arg(field->objectName()));
        QGuiApplication::clipboard()->setText(text);
        if (replace)
            selectAllOf(field);
        else
            QTest::mouseClick(field, Qt::LeftButton);
        const QString before = field->text();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        if (replace && field->text() != text)
            setFault(QStringLiteral("pasting %1 left %2 reading %3").arg(quoted(text), field->objectName(), quoted(field->text())));
        if (!replace && field->text().size() != before.size() + text.size())
            setFault(QStringLiteral("pasting %1 did not arrive in %2").arg(quoted(text), field->objectName()));
    }

    void eraseField()
    {
        QLineEdit* field = pick(fields());
        const bool oneByOne = chance(50);
        note(QStringLiteral("erase %1 %2").arg(field->objectName(), oneByOne ? "character by character" : "at once"));
        if (!reachable(field))
            return note(QStringLiteral("  (%1 cannot be reached)").arg(field->objectName()));
        QTest::mouseClick(field, Qt::LeftButton);
        allowedMessages_ = field->text().size() + 1;
        if (oneByOne) {
            QTest::keyClick(field, Qt::Key_End);
            for (int left = int(field->text().size()); left > 0 && reachable(field); --left)
                QTest::keyClick(field, Qt::Key_Backspace);
        } else {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Delete);
        }
    }

    void editField()
    {
        QLineEdit* field = pick(fields());
        static const QString keys = QStringLiteral("0123456789,-+eE a");
        const int kind = below(7);
        const QString character = keys[below(int(keys.size()))];
        const int cut = 1 + below(3);
        static const char* const what[] = {"append", "prepend", "remove the last character of",
                                           "remove the first character of", "undo in", "redo in", "cut characters from"};
        note(QStringLiteral("%1 %2 %3").arg(QLatin1String(what[kind]), kind < 2 ? quoted(character) + " to" : QString(),
                                            field->objectName()));
        if (!reachable(field))
            return note(QStringLiteral("  (%1 cannot be reached)").arg(field->objectName()));
        QTest::mouseClick(field, Qt::LeftButton);
        switch (kind) {
        case 0:
            QTest::keyClick(field, Qt::Key_End);
            typeKeys(field, character);
            break;
        case 1:
            QTest::keyClick(field, Qt::Key_Home);
            typeKeys(field, character);
            break;
        case 2:
            QTest::keyClick(field, Qt::Key_End);
            QTest::keyClick(field, Qt::Key_Backspace);
            break;
        case 3:
            QTest::keyClick(field, Qt::Key_Home);
            QTest::keyClick(field, Qt::Key_Delete);
            break;
        case 4:
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
            break;
        case 5:
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        default:
            QTest::keyClick(field, Qt::Key_Home);
            for (int i = 0; i < cut; ++i)
                QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
            break;
        }
    }

    void clickCheckBox()
    {
        // Check9 ("Refresh beim Zeichnen") is listed twice, so that plots often run both with
        // and without their refresh at every step.
        const std::vector<QCheckBox*> boxes{controls.Check1, controls.Check2, controls.Check3, controls.Check4,  controls.Check5,  controls.Check6,
                                            controls.Check7, controls.Check8, controls.Check9, controls.Check10, controls.Check11, controls.Check9};
        QCheckBox* box = pick(boxes);
        const bool byMouse = chance(60);
        note(QStringLiteral("%1 %2 (%3)")
                 .arg(byMouse ? "click" : "press Space on", box->objectName(), box->isChecked() ? "checked" : "unchecked"));
        if (!reachable(box))
            return note(QStringLiteral("  (%1 is disabled)").arg(box->objectName()));
        const bool before = box->isChecked();
        if (byMouse) {
            QTest::mouseClick(box, Qt::LeftButton, {}, indicatorOf(box));
        } else {
            QTest::keyClick(box, Qt::Key_Space);
        }
        if (box->isChecked() == before)
            setFault(QStringLiteral("the click did not change %1").arg(box->objectName()));
    }

    void clickButton(QPushButton* button, const QString& caption)
    {
        note(QStringLiteral("click \"%1\"").arg(caption));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void chooseColour()
    {
        const std::vector<ui::ColourButton*> buttons{controls.Command2, controls.Command3, controls.Command4,
                                                     controls.Command5, controls.Command6, controls.Command7};
        ui::ColourButton* button = pick(buttons);
        const int answer = below(100);
        if (answer < 25)
            colourAnswer_.reset();
        else if (answer < 30)
            colourAnswer_ = QColor(); // the chooser failed without being cancelled
        else
            colourAnswer_ = QColor(below(256), below(256), below(256));
        note(QStringLiteral("click %1 and %2").arg(button->objectName(),
                                                   !colourAnswer_              ? QStringLiteral("cancel")
                                                   : colourAnswer_->isValid() ? QStringLiteral("choose %1").arg(colourAnswer_->name())
                                                                              : QStringLiteral("let the chooser fail")));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void moveSlider()
    {
        static const std::vector<std::pair<Qt::Key, const char*>> keys{
            {Qt::Key_Left, "Left"},         {Qt::Key_Right, "Right"}, {Qt::Key_Up, "Up"},
            {Qt::Key_Down, "Down"},         {Qt::Key_PageUp, "PageUp"}, {Qt::Key_PageDown, "PageDown"},
            {Qt::Key_Home, "Home"},         {Qt::Key_End, "End"},       {Qt::Key_Home, "Home"},
            {Qt::Key_Left, "Left"},         {Qt::Key_Down, "Down"},
        };
        QSlider* slider = controls.Slider1;
        const int kind = below(10);
        const int x = below(slider->width());
        const int steps = 1 + below(5);
        const int wheel = (below(2) * 2 - 1) * 120 * steps;
        const auto& [key, name] = pick(keys);
        const QPoint middle(x, slider->height() / 2);
        if (kind < 3) {
            note(QStringLiteral("click Slider1 at x %1").arg(x));
            QTest::mouseClick(slider, Qt::LeftButton, {}, middle);
        } else if (kind < 5) {
            // Drag the handle: every position it passes is a click event of the slider.
            note(QStringLiteral("drag the handle of Slider1 to x %1").arg(x));
            const QPoint handle = sliderPoint(slider, QStyle::SC_SliderHandle);
            QTest::mousePress(slider, Qt::LeftButton, {}, handle);
            for (int i = 1; i <= steps; ++i)
                QTest::mouseMove(slider, handle + (middle - handle) * i / steps);
            QTest::mouseRelease(slider, Qt::LeftButton, {}, middle);
        } else if (kind < 6) {
            note(QStringLiteral("turn the mouse wheel on Slider1 by %1").arg(wheel));
            QWheelEvent event(QPointF(middle), QPointF(slider->mapToGlobal(middle)), QPoint(), QPoint(0, wheel),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(slider, &event);
        } else {
            note(QStringLiteral("press %1 on Slider1 %2 times").arg(QLatin1String(name)).arg(steps));
            for (int i = 0; i < steps; ++i)
                QTest::keyClick(slider, key);
        }
    }

    // For a worksheet: Ctrl+C on a surface reached with Tab, or one of the entries of its
    // context menu, or the menu closed again with Esc. The clipboard must hold what was asked.
    void copyFromSurface()
    {
        ui::DrawingSurface* surface = chance(50) ? controls.Picture1 : controls.Picture2;
        const int kind = below(5);
        static const char* const what[] = {"press Ctrl+C on", "copy the picture of", "copy the window from",
                                           "copy the values from", "open and close the menu of"};
        note(QStringLiteral("%1 %2").arg(QLatin1String(what[kind]), surface->objectName()));
        QGuiApplication::clipboard()->clear();
        ++copies_;
        if (kind == 0) {
            surface->setFocus(Qt::TabFocusReason);
            QTest::keyClick(surface, Qt::Key_C, Qt::ControlModifier);
        } else {
            // What the window system makes of a right click (Qt Test sends the bare click).
            const QPoint at(below(surface->width()), below(surface->height()));
            QTest::mouseClick(surface, Qt::RightButton, {}, at);
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
            QApplication::sendEvent(surface, &menuEvent);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            static const char* const entries[] = {"Bild kopieren\tStrg+C", "Fenster kopieren", "Werte kopieren"};
            QAction* found[3] = {};
            for (QAction* action : menu ? menu->actions() : QList<QAction*>())
                for (int i = 0; i < 3; ++i)
                    if (action->text() == QString::fromUtf8(entries[i]))
                        found[i] = action;
            if (!found[0] || !found[1] || !found[2])
                return setFault(QStringLiteral("a right click on %1 shows no copy menu").arg(surface->objectName()));
            if (kind == 4) {
                QTest::keyClick(menu, Qt::Key_Escape);
            } else {
                QAction* entry = found[kind - 1];
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
            }
            if (QApplication::activePopupWidget())
                return setFault(QStringLiteral("the copy menu stays open"));
        }
        const QImage image = QGuiApplication::clipboard()->image();
        const QString text = QGuiApplication::clipboard()->text();
        switch (kind) {
        case 0:
        case 1:
            if (image.size() != surface->size() * surface->devicePixelRatio())
                setFault(QStringLiteral("the copied picture of %1 is %2 x %3 pixels")
                             .arg(surface->objectName()).arg(image.width()).arg(image.height()));
            break;
        case 2:
            if (image.size() != form_.size() * form_.devicePixelRatio())
                setFault(QStringLiteral("the copied window is %1 x %2 pixels").arg(image.width()).arg(image.height()));
            break;
        case 3:
            setFault(copiedValuesFault(text));
            break;
        default:
            if (!image.isNull() || !text.isEmpty())
                setFault(QStringLiteral("closing the copy menu copied something"));
        }
    }

    // The copied values: the inputs as shown, then a header and at most 5000 steps, each row
    // as many numbers with a decimal comma as the header has columns.
    QString copiedValuesFault(const QString& text) const
    {
        // The circuit the results are of: the inputs the analysis last read.
        const QString u = form_.staticAnalysis().lastRead()[circuit::Input::U];
        if (!text.startsWith(QStringLiteral(u"Größe\tWert\tEinheit\nU\t") + u + u'\t'))
            return QStringLiteral("the copied values begin %1").arg(quoted(text.left(40)));
        const qsizetype table = text.indexOf(QStringLiteral("\n\nSchritt\t"));
        if (table < 0)
            return {};
        const QStringList rows = text.mid(table + 2).split(u'\n', Qt::SkipEmptyParts);
        if (rows.size() > 5001)
            return QStringLiteral("%1 steps copied").arg(rows.size() - 1);
        const qsizetype columns = rows[0].split(u'\t').size();
        for (qsizetype i = 1; i < rows.size(); ++i) {
            const QStringList cells = rows[i].split(u'\t');
            if (cells.size() != columns || cells[0] != QString::number(i))
                return QStringLiteral("copied step %1 reads %2").arg(i).arg(quoted(rows[i]));
            for (const QString& cell : cells)
                if (!optionalNumber(cell) || cell.contains(u'.'))
                    return QStringLiteral("copied step %1 holds %2").arg(i).arg(quoted(cell));
        }
        return {};
    }

    // ---- lesson files ------------------------------------------------------------------

    // The teacher saves the window, opens a lesson saved before, a corrupted or a made-up one,
    // an example or the start circuit. A file that opens sets every control it holds; one
    // that does not leaves the window exactly as it was, with one message.
    void useLessonFiles()
    {
        LessonDocument& lessons = form_.lessons();
        lessonPath_ = lessonFolder_.filePath(QStringLiteral("versuch-%1.wellgrat").arg(below(4)));
        const int kind = below(10);
        allowedMessages_ = 1;
        if (kind < 3) {
            note(QStringLiteral("save the lesson as %1").arg(QFileInfo(lessonPath_).fileName()));
            if (!lessons.saveAs())
                return setFault(QStringLiteral("saving %1 failed").arg(lessonPath_));
            ++lessonsSaved_;
            const lessonfile::Read back = lessonfile::read(lessonPath_, lessons.startLesson());
            Lesson shown = captureLesson(controls);
            if (back.lesson) {
                shown.title = back.lesson->title;
                shown.description = back.lesson->description;
            }
            if (!back.lesson || *back.lesson != shown)
                setFault(QStringLiteral("the saved lesson does not read back as the window: %1").arg(back.problem));
            return;
        }
        if (kind == 3) {
            note(QStringLiteral("choose \"Neuer Versuch\""));
            return lessons.newLesson();
        }
        if (kind == 4) {
            const Example& example = pick(lessons.exampleList());
            note(QStringLiteral("open the example \"%1\"").arg(example.title));
            const long before = messages_;
            if (lessons.openExample(example) && messages_ != before)
                setFault(QStringLiteral("the example \"%1\" opened with a message").arg(example.title));
            return;
        }
        QByteArray bytes;
        if (QFile file(lessonPath_); file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        QString how = QStringLiteral("as saved");
        if (kind == 5 || bytes.isEmpty()) {
            bytes = lessonformat::write(madeUpLesson());
            how = QStringLiteral("made up");
        } else if (kind > 6) {
            bytes = corrupted(bytes, how);
        }
        QFile file(lessonPath_);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return setFault(QStringLiteral("cannot write %1").arg(lessonPath_));
        file.close();
        openLesson(how);
    }

    void openLesson(const QString& how)
    {
        LessonDocument& lessons = form_.lessons();
        note(QStringLiteral("open %1 (%2)").arg(QFileInfo(lessonPath_).fileName(), how));
        const Lesson before = captureLesson(controls);
        const QStringList captionsBefore = captions();
        const QString titleBefore = form_.windowTitle();
        const long messagesBefore = messages_;
        const lessonfile::Read read = lessonfile::read(lessonPath_, lessons.startLesson());
        const bool asks = lessons.isModified(); // the student may keep the changes
        const bool opened = lessons.open(lessonPath_);
        if (read.lesson && !opened && !asks)
            return setFault(QStringLiteral("a lesson that reads did not open"));
        if (!read.lesson) {
            if (opened)
                return setFault(QStringLiteral("a file that does not read opened: %1").arg(read.problem));
            if (messages_ - messagesBefore != 1 && !(asks && messages_ == messagesBefore))
                return setFault(QStringLiteral("a refused file showed %1 messages").arg(messages_ - messagesBefore));
            if (captureLesson(controls) != before || captions() != captionsBefore || form_.windowTitle() != titleBefore)
                return setFault(QStringLiteral("a refused file changed the window"));
            ++lessonsRefused_;
            return;
        }
        if (!opened)
            return note(QStringLiteral("  (the student kept the changes)"));
        ++lessonsOpened_;
        switchedAfterStep_ = taktOf(form_) != 1;
        // The switch-on mode takes the coil out; everything else is as the file says.
        Lesson expected = *read.lesson;
        if (expected.switchOn && optionalNumber(expected.circuit[circuit::Input::L]) != 0.0)
            expected.circuit.text[std::size_t(circuit::Input::L)] = QStringLiteral("0");
        Lesson shown = captureLesson(controls);
        shown.title = expected.title;
        shown.description = expected.description;
        if (shown != expected)
            setFault(QStringLiteral("the window does not show the lesson it opened"));
        if (form_.isWindowModified() || !form_.windowTitle().startsWith(QFileInfo(lessonPath_).fileName() + QStringLiteral("[*]")))
            setFault(QStringLiteral("the title reads \"%1\" after opening").arg(form_.windowTitle()));
    }

    // A lesson of random texts, check boxes and colours, as a file written by hand might be.
    Lesson madeUpLesson()
    {
        Lesson lesson = form_.lessons().startLesson();
        QString* texts[] = {&lesson.circuit.text[0], &lesson.circuit.text[1], &lesson.circuit.text[2],
                            &lesson.circuit.text[3], &lesson.circuit.text[4], &lesson.periods,
                            &lesson.switchOnPhase, &lesson.delay};
        for (std::size_t i = 0; i < fields().size(); ++i)
            if (chance(40))
                *texts[i] = chance(70) ? sensibleText(fields()[i]) : oddText();
        for (bool* flag : {&lesson.circuit.capacitorIn, &lesson.switchOn, &lesson.refreshWhileDrawing, &lesson.phasorsOn, &lesson.loop})
            if (chance(30))
                *flag = !*flag;
        for (Lesson::CurveSetting& curve : lesson.curves) {
            curve.shown = chance(50);
            if (chance(30))
                curve.colour = QColor(below(256), below(256), below(256));
        }
        lesson.title = randomCharacters(below(20), QStringLiteral("abc äöü \"\\{}"));
        return lesson;
    }

    // A saved lesson, broken as files break: cut short, bytes changed, a value of the wrong
    // kind, a newer version, binary data, or far too big.
    QByteArray corrupted(QByteArray bytes, QString& how)
    {
        switch (below(7)) {
        case 0:
            how = QStringLiteral("cut short");
            return bytes.left(below(int(bytes.size())));
        case 1:
            how = QStringLiteral("bytes changed");
            for (int i = 1 + below(5); i > 0; --i)
                bytes[below(int(bytes.size()))] = char(below(256));
            return bytes;
        case 2: {
            how = QStringLiteral("a value of another kind");
            static const char* const values[] = {"1", "true", "null", "{}", "[]", "\"\"", "-1E400"};
            const qsizetype colon = bytes.indexOf(':', below(int(bytes.size())));
            const qsizetype end = bytes.indexOf('\n', colon);
            if (colon < 0 || end < 0)
                return bytes;
            const bool comma = bytes[end - 1] == ',';
            return bytes.left(colon + 1) + ' ' + values[below(7)] + (comma ? "," : "") + bytes.mid(end);
        }
        case 3:
            how = QStringLiteral("a newer version");
            return bytes.replace("\"version\": 1", chance(50) ? "\"version\": 2" : "\"version\": 1.5");
        case 4: {
            how = QStringLiteral("binary");
            QByteArray noise(1 + below(2000), '\0');
            for (char& byte : noise)
                byte = char(below(256));
            return noise;
        }
        case 5:
            how = QStringLiteral("text inserted");
            return bytes.insert(below(int(bytes.size())), randomCharacters(1 + below(10), QStringLiteral("{}[]\":,x1 ")).toUtf8());
        default:
            how = QStringLiteral("far too big");
            return bytes + QByteArray(lessonfile::kMaxSize, ' ');
        }
    }

    // F2 opens the window "Resonanz und Leistung"; there the student copies the values or the
    // picture, or closes it with Esc. It opens no message box and changes no input, and what
    // it copies reads back as numbers.
    void useResonanceWindow()
    {
        auto* window = form_.findChild<ResonanceWindow*>();
        if (window && window->isVisible()) {
            switch (below(3)) {
            case 0: {
                note(QStringLiteral("copy the values of the resonance curve"));
                window->findChild<QAction*>(QStringLiteral("copyValuesAction"))->trigger();
                const QString copied = QGuiApplication::clipboard()->text();
                const qsizetype curves = copied.indexOf(QStringLiteral("\n\nf in Hz\t"));
                if (curves < 0 || !copied.startsWith(QStringLiteral("Größe\tWert\tEinheit\nU\t")))
                    return setFault(QStringLiteral("the copied values do not begin with the circuit"));
                const QStringList lines = copied.mid(curves + 2).split(u'\n', Qt::SkipEmptyParts);
                if (lines.value(0) != QStringLiteral("f in Hz\tI in A\tφ in Grad\tU_R in V\tU_L in V\tU_C in V"))
                    return setFault(QStringLiteral("the copied values lack their header"));
                for (qsizetype k = 1; k < lines.size(); ++k) {
                    const QStringList cells = lines[k].split(u'\t');
                    const bool read = cells.size() == 6 && std::all_of(cells.begin(), cells.end(), [](const QString& cell) {
                                          return cell.isEmpty() || optionalNumber(cell);
                                      });
                    if (!read || cells[0].isEmpty() || cells[1].isEmpty())
                        return setFault(QStringLiteral("copied line %1 does not read: %2").arg(k).arg(quoted(lines[k])));
                }
                return;
            }
            case 1:
                note(QStringLiteral("copy the picture of the resonance window"));
                window->findChild<QAction*>(QStringLiteral("copyPictureAction"))->trigger();
                if (QGuiApplication::clipboard()->image().isNull())
                    setFault(QStringLiteral("the copied picture is empty"));
                return;
            default:
                note(QStringLiteral("press Esc in the resonance window"));
                QTest::keyClick(window, Qt::Key_Escape);
                if (window->isVisible())
                    setFault(QStringLiteral("Esc left the resonance window open"));
                return;
            }
        }
        QStringList texts;
        if (!pressInWindow(Qt::Key_F2, texts))
            return;
        window = form_.findChild<ResonanceWindow*>();
        if (!window || !window->isVisible())
            return setFault(QStringLiteral("F2 did not open the resonance window"));
        if (window->isModal() || QApplication::activeModalWidget())
            setFault(QStringLiteral("the resonance window keeps the window from being used"));
        if (form_.findChildren<ResonanceWindow*>().size() != 1)
            setFault(QStringLiteral("F2 opened a second resonance window"));
        for (std::size_t i = 0; i < fields().size(); ++i)
            if (fields()[i]->text() != texts[qsizetype(i)])
                setFault(QStringLiteral("F2 changed the text of %1").arg(fields()[i]->objectName()));
        (void)window->grab();
    }

    // The student clicks back into the window and presses a key there. An open guide or
    // resonance window shares the window's activation (isActiveWindow is true for both), so
    // wait for the window itself to be the active one. Gives the input texts before the key;
    // false where the window did not become active and no key was pressed.
    bool pressInWindow(Qt::Key key, QStringList& textsBefore)
    {
        note(QStringLiteral("press %1").arg(QKeySequence(key).toString()));
        form_.activateWindow();
        if (!QTest::qWaitForWindowActive(&form_) || !QTest::qWaitFor([this] { return QApplication::activeWindow() == &form_; }, 1000)) {
            note(QStringLiteral("  (the window did not become active)"));
            return false;
        }
        for (const QLineEdit* field : fields())
            textsBefore << field->text();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form_;
        QTest::keyClick(target, key);
        return true;
    }

    // F1 opens the guide beside the window, Esc in the guide closes it; neither changes what
    // the window holds, and the window stays usable while the guide is open.
    void useGuide()
    {
        auto* guide = form_.findChild<HelpWindow*>();
        if (guide && guide->isVisible() && chance(50)) {
            note(QStringLiteral("press Esc in the guide"));
            QTest::keyClick(guide, Qt::Key_Escape);
            ++guideClosed_;
            if (guide->isVisible())
                setFault(QStringLiteral("Esc left the guide open"));
            return;
        }
        QStringList texts;
        if (!pressInWindow(Qt::Key_F1, texts))
            return;
        ++guideOpened_;
        guide = form_.findChild<HelpWindow*>();
        if (!guide || !guide->isVisible())
            return setFault(QStringLiteral("F1 did not open the guide"));
        if (guide->isModal() || QApplication::activeModalWidget())
            setFault(QStringLiteral("the guide keeps the window from being used"));
        if (form_.findChildren<HelpWindow*>().size() != 1)
            setFault(QStringLiteral("F1 opened a second guide"));
        for (std::size_t i = 0; i < fields().size(); ++i)
            if (fields()[i]->text() != texts[qsizetype(i)])
                setFault(QStringLiteral("F1 changed the text of %1").arg(fields()[i]->objectName()));
    }

    void waitForTicks()
    {
        const int ms = 1 + below(25);
        note(QStringLiteral("wait %1 ms").arg(ms));
        waited_ = true;
        QTest::qWait(ms);
    }

    // Paints the whole window afresh, and, once the animation stands still and every pending
    // repaint is done, compares what the screen shows of both drawing surfaces with what they
    // hold: the plotted image with the line and shape elements over it.
    void paintWindow()
    {
        note(QStringLiteral("paint the whole window and look at the drawing surfaces"));
        (void)form_.grab();
        if (controls.Timer1->isActive())
            return note(QStringLiteral("  (the loop runs: no close look)"));
        ++looks_;
        for (ui::DrawingSurface* surface : {controls.Picture1, controls.Picture2}) {
            // Qt delivers a window's repaints some milliseconds after they are asked for: give
            // the screen half a second to catch up with a surface that no longer changes.
            QString differs;
            for (int round = 0; round < 50; ++round) {
                QTest::qWait(10);
                differs = shownDiffers(surface);
                if (differs.isEmpty())
                    break;
            }
            setFault(differs);
        }
    }

    QString shownDiffers(ui::DrawingSurface* surface) const
    {
        QImage expected = surface->image().convertToFormat(QImage::Format_RGB32);
        {
            QPainter painter(&expected);
            surface->elements().paint(painter, QRect(QPoint(0, 0), expected.deviceIndependentSize().toSize()));
        }
        const int border = ui::DrawingSurface::kBorder;
        const QPoint topLeft = surface->mapTo(&form_, QPoint(border, border));
        const QSize size = surface->size() - QSize(2 * border, 2 * border);
        const QImage shown = form_.screen()
                                 ->grabWindow(form_.winId(), topLeft.x(), topLeft.y(), size.width(), size.height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        if (shown.size() != expected.size())
            return QStringLiteral("the screen shows %1 in another size").arg(surface->objectName());
        // Child widgets such as the label "t " stand over the surface.
        QRegion covered;
        for (const QWidget* child : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                covered += child->geometry().translated(-border, -border);
        // Qt rasterises a line clipped to a partial repaint a pixel apart from the same line
        // painted whole, so a pixel may differ where its colour lies next to it on the other
        // side. A line or point left behind, or missing, differs by more.
        auto near = [](const QImage& image, int x, int y, QRgb colour) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour)
                        return true;
            return false;
        };
        QRect wrong;
        int count = 0;
        QPoint first;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb on = shown.pixel(x, y), held = expected.pixel(x, y);
                if (on == held || covered.contains(QPoint(x, y)) || (near(shown, x, y, held) && near(expected, x, y, on)))
                    continue;
                if (count++ == 0)
                    first = QPoint(x, y);
                wrong |= QRect(x, y, 1, 1);
            }
        }
        if (count == 0)
            return {};
        // What stands there, to tell a stale repaint from a wrong drawing.
        QStringList elements;
        for (const QObject* child : surface->children()) {
            if (const auto* line = qobject_cast<const ui::LineElement*>(child)) {
                if (line->pixelBounds().intersects(wrong))
                    elements << QStringLiteral("%1 %2 %3 to (%4, %5)")
                                    .arg(line->objectName(), line->isVisible() ? "shown" : "hidden",
                                         line->colour().name())
                                    .arg(double(line->x1()))
                                    .arg(double(line->y1()));
            }
        }
        const QRgb on = shown.pixel(first), held = expected.pixel(first);
        return QStringLiteral("the screen shows pixel (%1, %2) of %3 as %4, but it holds %5; %6 pixels differ "
                              "within (%7, %8)-(%9, %10); lines there: %11")
            .arg(first.x())
            .arg(first.y())
            .arg(surface->objectName(), QColor(on).name(), QColor(held).name())
            .arg(count)
            .arg(wrong.left())
            .arg(wrong.top())
            .arg(wrong.right())
            .arg(wrong.bottom())
            .arg(elements.join(QStringLiteral(", ")));
        return {};
    }

    // ---- the invariants ---------------------------------------------------------------

    // `stepped`: the action ran at least one animation tick.
    QString violations(long messagesOfAction, bool stepped) const
    {
        QStringList faults;
        auto expect = [&faults](bool holds, const QString& what) {
            if (!holds)
                faults << what;
        };

        expect(maxOpen_ <= 1, QStringLiteral("%1 message boxes were open at once").arg(maxOpen_));

        // Results: "0" or a finite number that reads back to the same text (a current to the
        // same caption, three digits however small it is). ueff copies u.
        bool tinyCurrent = false;
        for (const QLabel* caption : {controls.ieff, controls.z, controls.phi, controls.udach, controls.idach}) {
            const QString text = caption->text();
            if (text == QStringLiteral("0"))
                continue;
            const auto value = optionalNumber(text);
            expect(value && std::isfinite(*value),
                   QStringLiteral("%1 reads \"%2\", not a number").arg(caption->objectName(), text));
            const bool current = caption == controls.ieff || caption == controls.idach;
            const QString written =
                !value ? QString() : current ? QString::fromStdString(circuit::currentCaption(*value)) : textOf(*value);
            if (value)
                expect(written == text, QStringLiteral("%1 reads \"%2\", which the program writes as \"%3\"")
                                            .arg(caption->objectName(), text, written));
            tinyCurrent = tinyCurrent || (current && value && std::fabs(*value) < 1e-30);
        }
        tinyCurrents_ += tinyCurrent ? 1 : 0;
        // Every accepted text of u has run the static analysis, which copies it into ueff first
        // of all and writes U·√2 into udach next, unless that overflows.
        const QString uText = controls.u->text();
        if (const auto u = optionalNumber(uText); !uText.isEmpty() && u && std::floor(*u) != 0.0) {
            expect(controls.ueff->text() == uText,
                   QStringLiteral("u reads \"%1\" but ueff \"%2\"").arg(uText, controls.ueff->text()));
            if (const double peak = *u * std::sqrt(2.0); std::isfinite(peak))
                expect(controls.udach->text() == textOf(peak),
                       QStringLiteral("u reads \"%1\" but udach \"%2\"").arg(uText, controls.udach->text()));
        }
        if (const auto z = optionalNumber(controls.z->text()))
            expect(*z >= 0.0, QStringLiteral("the impedance z is negative: %1").arg(controls.z->text()));
        if (const auto phi = optionalNumber(controls.phi->text()))
            expect(std::fabs(*phi) <= 90.0, QStringLiteral("the phase shift phi is beyond ±90°: %1").arg(controls.phi->text()));

        // A tinted input holds a text that its change handler does not take.
        for (const CircuitInput& input : circuitInputs()) {
            const QLineEdit* field = controls.*input.field;
            const QString text = field->text();
            expect(!ui::isTinted(field) || input.waitOf(utf16View(text)) != circuit::InputWait::Taken,
                   QStringLiteral("%1 is tinted but its handler takes \"%2\"").arg(field->objectName(), text));
        }

        // The animation.
        const int takt = taktOf(form_);
        expect(takt >= 0 && takt <= 4999, QStringLiteral("takt is %1").arg(takt));
        expect(controls.Timer1->interval() >= 6, QStringLiteral("Timer1 has the interval %1").arg(controls.Timer1->interval()));
        expect(controls.Check10->isChecked() == controls.Timer1->isActive(),
               QStringLiteral("Loop is %1 but Timer1 is %2")
                   .arg(controls.Check10->isChecked() ? "checked" : "unchecked", controls.Timer1->isActive() ? "running" : "stopped"));
        expect(controls.Slider1->value() >= 5 && controls.Slider1->value() <= 500,
               QStringLiteral("Slider1 stands at %1").arg(controls.Slider1->value()));
        if (const auto delay = optionalNumber(controls.Text1->text()); delay && *delay > 5.0 && *delay < 500.0)
            expect(controls.Slider1->value() == int(circuit::roundWholeHalfEven(*delay)),
                   QStringLiteral("Text1 reads \"%1\" but Slider1 stands at %2").arg(controls.Text1->text()).arg(controls.Slider1->value()));

        // Phasor tips: finite, or an infinity where a huge amplitude left the float range.
        bool infinite = false;
        for (const ui::LineElement* phasor : {controls.lu, controls.li, controls.lur, controls.luc, controls.lul}) {
            const float x = phasor->property("X1").toFloat();
            const float y = phasor->property("Y1").toFloat();
            expect(!std::isnan(x) && !std::isnan(y), QStringLiteral("the tip of %1 is (%2, %3)")
                                                         .arg(phasor->objectName())
                                                         .arg(double(x))
                                                         .arg(double(y)));
            infinite = infinite || std::isinf(x) || std::isinf(y);
            // Every phasor turns about the fixed centre (1400, 1400).
            expect(phasor->property("X2").toFloat() == 1400.0f && phasor->property("Y2").toFloat() == 1400.0f,
                   QStringLiteral("%1 has left the centre of the diagram").arg(phasor->objectName()));
        }
        infiniteTips_ += infinite ? 1 : 0;

        // An open "Resonanz und Leistung" draws the circuit the analysis last read, where it
        // reads: its legend and its group's title name that circuit's f and f₀, and its note
        // names an input typed as no number.
        if (const auto* resonance = form_.findChild<ResonanceWindow*>(); resonance && resonance->isVisible()) {
            const CircuitTexts& read = form_.staticAnalysis().lastRead();
            if (const ReadCircuit circuit = readCircuit(read); circuit.values) {
                ++legendLooks_;
                const auto* chart = resonance->findChild<ResonanceChart*>();
                const auto& axis = resonance->result().axis;
                const double f = circuit.values->f;
                const auto f0 = circuit::resonanceOf(*circuit.values).f0;
                const QString present = f > 0.0 && f >= axis.from && f <= axis.to ? QStringLiteral("f = %1 Hz").arg(quantityText(f)) : QString();
                const QString atResonance = f0 && *f0 >= axis.from && *f0 <= axis.to ? QStringLiteral("f₀ = %1 Hz").arg(quantityText(f0)) : QString();
                auto shown = [chart](QAbstractSeries* series) {
                    const auto markers = chart->chart()->legend()->markers(series);
                    return markers.size() == 1 && markers[0]->isVisible() ? markers[0]->label() : QString();
                };
                expect(shown(chart->presentMarker()) == present,
                       QStringLiteral("the resonance window's legend reads \"%1\", not \"%2\"").arg(shown(chart->presentMarker()), present));
                expect(shown(chart->resonanceMarker()) == atResonance,
                       QStringLiteral("the resonance window's legend reads \"%1\", not \"%2\"").arg(shown(chart->resonanceMarker()), atResonance));
                const QString title = resonance->findChild<QGroupBox*>(QStringLiteral("presentGroup"))->title();
                expect(title == QStringLiteral("Bei f = %1 Hz").arg(quantityText(f)),
                       QStringLiteral("the resonance window's values are \"%1\" while f is %2").arg(title, read[circuit::Input::F]));
            }
            const QString typed = unreadableNote(textsOf(controls));
            const QString note = resonance->findChild<QLabel*>(QStringLiteral("resonanceNotes"))->text();
            expect(note.startsWith(typed), QStringLiteral("the resonance window's note \"%1\" does not begin \"%2\"").arg(note, typed));
        }
        // Every step, even one that fails later, first shows each phasor whose curve is on and
        // hides the others. No action changes a curve switch after its last step.
        if (stepped) {
            for (auto [box, phasor] : {std::pair{controls.Check2, controls.lu}, {controls.Check3, controls.li}, {controls.Check5, controls.lur},
                                       {controls.Check6, controls.luc}, {controls.Check7, controls.lul}})
                expect(phasor->isVisible() == box->isChecked(),
                       QStringLiteral("%1 is %2 after a step with %3 %4")
                           .arg(phasor->objectName(), phasor->isVisible() ? "shown" : "hidden", box->objectName(),
                                box->isChecked() ? "checked" : "unchecked"));
        }
        // After the loop's own ticks, without a message, the phasors of the applied voltage and
        // the current stand at the step takt: θ = P·(takt / 785.3981635), θi = θ − φ·π/180.
        const auto periods = optionalNumber(controls.perioden->text());
        const auto phi = optionalNumber(controls.phi->text());
        if (waited_ && stepped && messagesOfAction == 0 && controls.Check11->isChecked() && periods && phi) {
            const double theta = *periods * (takt / 785.3981635);
            const double thetaI = *phi * (3.141592654 / -180.0) + theta;
            for (auto [box, phasor, angle] : {std::tuple{controls.Check2, controls.lu, theta}, {controls.Check3, controls.li, thetaI}}) {
                if (!box->isChecked())
                    continue;
                ++tipChecks_;
                const double x = 1400.0 + 1400.0 * std::cos(angle);
                const double y = 1400.0 - 1400.0 * std::sin(angle);
                expect(std::fabs(phasor->property("X1").toFloat() - x) < 0.01 &&
                           std::fabs(phasor->property("Y1").toFloat() - y) < 0.01,
                       QStringLiteral("the tip of %1 stands at (%2, %3), not at (%4, %5) of step %6")
                           .arg(phasor->objectName())
                           .arg(double(phasor->property("X1").toFloat()))
                           .arg(double(phasor->property("Y1").toFloat()))
                           .arg(x)
                           .arg(y)
                           .arg(takt));
            }
        }
        // The applied voltage and the current are unit phasors: their tips stay on the circle of
        // radius 1400, to within the float precision of coordinates up to 2800 (1e-3 twip).
        for (const ui::LineElement* phasor : {controls.lu, controls.li}) {
            const double dx = phasor->property("X1").toFloat() - 1400.0;
            const double dy = phasor->property("Y1").toFloat() - 1400.0;
            expect(std::fabs(std::hypot(dx, dy) - 1400.0) < 0.01,
                   QStringLiteral("the tip of %1 at (%2, %3) is off its circle")
                       .arg(phasor->objectName())
                       .arg(dx + 1400.0)
                       .arg(dy + 1400.0));
        }

        // The inputs and the two modes.
        expect(controls.c->isEnabled() == controls.Check1->isChecked(),
               QStringLiteral("c is %1 with Check1 %2")
                   .arg(controls.c->isEnabled() ? "enabled" : "disabled", controls.Check1->isChecked() ? "checked" : "unchecked"));
        expect(controls.phaseein->isEnabled() == controls.Check8->isChecked(),
               QStringLiteral("phaseein is %1 with Check8 %2")
                   .arg(controls.phaseein->isEnabled() ? "enabled" : "disabled", controls.Check8->isChecked() ? "checked" : "unchecked"));
        const bool switchOn = controls.Check8->isChecked();
        if (switchOn) {
            const auto inductance = optionalNumber(controls.l->text());
            expect(inductance && *inductance == 0.0,
                   QStringLiteral("l reads \"%1\" in the switch-on mode").arg(controls.l->text()));
        }
        expect(controls.l->isHidden() == switchOn && controls.l->isEnabled() == !switchOn,
               QStringLiteral("l is %1 and %2 with Check8 %3")
                   .arg(controls.l->isHidden() ? "hidden" : "shown", controls.l->isEnabled() ? "enabled" : "disabled",
                        switchOn ? "checked" : "unchecked"));
        expect(controls.Label[6]->isHidden() == switchOn && controls.Label[7]->isHidden() == switchOn,
               QStringLiteral("the labels of l do not follow Check8"));
        for (const QCheckBox* box : {controls.Check5, controls.Check6, controls.Check7})
            expect(box->isEnabled() == !switchOn, QStringLiteral("%1 is %2 with Check8 %3")
                                                      .arg(box->objectName(), box->isEnabled() ? "enabled" : "disabled",
                                                           switchOn ? "checked" : "unchecked"));

        // The schematic is a closed loop.
        const auto& line = controls.Line;
        const bool plates = line[6]->isVisible() && line[7]->isVisible();
        expect(line[6]->isVisible() == line[7]->isVisible(), QStringLiteral("only one capacitor plate is shown"));
        expect(plates != line[38]->isVisible(),
               QStringLiteral("capacitor plates %1 and Line38 %2")
                   .arg(plates ? "shown" : "hidden", line[38]->isVisible() ? "shown" : "hidden"));
        expect(line[38]->isVisible() == !controls.Check1->isChecked(), QStringLiteral("Line38 does not follow Check1"));
        bool meander = true, anyMeander = false;
        for (int n = 11; n <= 26; ++n) {
            meander = meander && line[n]->isVisible();
            anyMeander = anyMeander || line[n]->isVisible();
        }
        expect(meander == anyMeander, QStringLiteral("the coil is shown only in part"));
        expect(meander != line[36]->isVisible(),
               QStringLiteral("coil %1 and Line36 %2").arg(meander ? "shown" : "hidden", line[36]->isVisible() ? "shown" : "hidden"));
        expect(line[36]->isVisible() == switchOn, QStringLiteral("Line36 does not follow Check8"));
        for (int n : {1, 2, 3, 4, 5, 8, 9, 10, 27, 28, 29, 30, 31, 32, 33, 34, 35, 37})
            expect(line[n]->isVisible(), QStringLiteral("Line%1 is hidden").arg(n));

        // Every plotted point lies at an x from 121 to 5120 twips: nothing is plotted left or
        // right of those columns. The image holds only plotted points; the axes lie above it.
        const QImage& image = controls.Picture1->image();
        const double ratio = image.devicePixelRatio();
        const int first = int(std::floor(121 / 15.0 * ratio));
        const int last = int(std::floor(5120 / 15.0 * ratio));
        const QRgb background = controls.Picture1->background().rgb();
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); x = (x + 1 == first ? last + 1 : x + 1)) {
                if (row[x] != background) {
                    faults << QStringLiteral("Picture1 has a point at pixel (%1, %2), outside the steps 1 to 5000")
                                  .arg(x)
                                  .arg(y);
                    y = image.height();
                    break;
                }
            }
        }

        // No storm of messages.
        expect(messagesOfAction <= allowedMessages_,
               QStringLiteral("one action showed %1 message boxes").arg(messagesOfAction));

        return faults.join(QStringLiteral("; "));
    }

    QString windowState() const
    {
        QString text = QStringLiteral("u \"%1\" f \"%2\" r \"%3\" l \"%4\" c \"%5\" perioden \"%6\" phaseein \"%7\" "
                               "Text1 \"%8\"; ueff \"%9\" ieff \"%10\" z \"%11\" phi \"%12\" udach \"%13\" idach \"%14\"; ")
                    .arg(controls.u->text(), controls.f->text(), controls.r->text(), controls.l->text(), controls.c->text(), controls.perioden->text(),
                         controls.phaseein->text(), controls.Text1->text(), controls.ueff->text())
                    .arg(controls.ieff->text(), controls.z->text(), controls.phi->text(), controls.udach->text(), controls.idach->text());
        QStringList checked;
        for (const QCheckBox* box : {controls.Check1, controls.Check2, controls.Check3, controls.Check4, controls.Check5, controls.Check6, controls.Check7, controls.Check8,
                                     controls.Check9, controls.Check10, controls.Check11})
            if (box->isChecked())
                checked << box->objectName();
        text += QStringLiteral("checked: %1; takt %2").arg(checked.join(u' ')).arg(taktOf(form_));
        return text;
    }

    QString report() const
    {
        QString text = QStringLiteral("FAULT after action %1 of the soak with seed %2: %3\n"
                                      "Replay: WELLGRAT_SOAK_SEED=%2 WELLGRAT_SOAK_ACTIONS=%1 tst_soak\n"
                                      "Last actions:\n")
                           .arg(action_)
                           .arg(seed_)
                           .arg(fault_);
        for (const QString& line : log_)
            text += QStringLiteral("  ") + line + u'\n';
        text += QStringLiteral("Window: ") + windowState();
        return text;
    }

    Form1& form_;
    const Controls& controls;
    const std::vector<QLineEdit*> fields_{controls.u, controls.f, controls.r, controls.l, controls.c, controls.perioden, controls.phaseein, controls.Text1};
    const quint32 seed_;
    std::mt19937 random_;
    int action_ = 0;
    std::deque<QString> log_;
    QString fault_;
    QString currentAction_;
    // A click or a wait shows at most four message boxes (the coil message, a failed
    // recomputation, a failed animation step and the capacitor warning); typing at most one
    // for each change of the text.
    long allowedMessages_ = 4;

    bool careful_ = true;
    std::optional<QColor> colourAnswer_;
    int open_ = 0;
    int maxOpen_ = 0;
    long messages_ = 0;
    std::map<QString, long> messageCounts_;
    long colourChoices_ = 0;
    long copies_ = 0;
    QTemporaryDir lessonFolder_;
    QString lessonPath_; // the answer of the next file chooser
    long lessonsSaved_ = 0;
    long lessonsOpened_ = 0;
    long lessonsRefused_ = 0;
    // Opening a lesson set the curve switches after the last step it ran: its own step, the
    // load's, failed with the lesson's inputs.
    bool switchedAfterStep_ = false;
    long keyByKey_ = 0;
    long longDelaysCut_ = 0;
    long loopsGoingAgain_ = 0;
    long guideOpened_ = 0;
    long guideClosed_ = 0;
    mutable long legendLooks_ = 0;
    long ticks_ = 0;
    long cycles_ = 0;
    long plots_ = 0;
    long plotsDrawn_ = 0;
    bool plotted_ = false;
    bool waited_ = false;
    long loopWaits_ = 0;
    mutable long infiniteTips_ = 0;
    mutable long tinyCurrents_ = 0;
    mutable long tipChecks_ = 0;
    long looks_ = 0;
    qint64 slowest_ = -1;
    QString slowestAction_;
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void impatientClassKeepsTheWindowSound()
    {
        const auto seed = quint32(envNumber("WELLGRAT_SOAK_SEED", kDefaultSeed));
        const int actions = int(envNumber("WELLGRAT_SOAK_ACTIONS", kDefaultActions));

        Form1 form;
        Soak soak(form, seed);
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QString fault = soak.run(actions);
        // The class leaves: the window is closed in whatever state it is, loop running or not.
        form.close();
        QTest::qWait(20);
        qInfo().noquote() << soak.summary();
        if (!fault.isEmpty()) {
            qCritical().noquote() << fault;
            QFAIL("the soak found a fault; its report, seed and last actions are above");
        }
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
