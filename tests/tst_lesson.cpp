// SPDX-License-Identifier: GPL-3.0-or-later
// Lesson files: a round trip of the window through save and open, the examples, broken files
// refused with one message and the window left as it was, saving that fails without harm,
// the question on closing, the title, the lessons opened last, dropping a file, the menus
// and the command line.

#include "TestSupport.h"

#include "app/CommandLine.h"
#include "controls/Curves.h"
#include "lesson/LessonDocument.h"
#include "lesson/LessonFile.h"
#include "lesson/RecentLessons.h"
#include "lesson/WindowLesson.h"
#include "ui/ColourButton.h"
#include "ui/Commands.h"
#include "ui/InputState.h"
#include "ui/LineElement.h"
#include "ui/Slider.h"

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using Steps = QList<std::pair<QString, QString>>;

// Sets the window up as a teacher does: a text typed into a field, "on"/"off" for a check
// box, a colour "#rrggbb" chosen with a colour button.
void perform(LoadedWindow& w, DialogRecorder& dialogs, const Steps& steps)
{
    for (const auto& [name, value] : steps) {
        QWidget* control = w.form.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        if (auto* box = qobject_cast<QCheckBox*>(control)) {
            box->setChecked(value == QStringLiteral("on"));
        } else if (auto* button = qobject_cast<ui::ColourButton*>(control)) {
            dialogs.colourAnswers.push_back(QColor::fromString(value));
            button->click();
        } else {
            typeInto(control, value);
        }
    }
}

// Everything a lesson sets and everything the window shows of it: texts, tints, check
// boxes, colours, captions, what is enabled and shown.
QStringList stateOf(const LoadedWindow& w)
{
    const Controls& k = w.controls;
    QStringList state;
    for (QLineEdit* field : {k.u, k.f, k.r, k.l, k.c, k.perioden, k.phaseein, k.Text1})
        state << QStringLiteral("%1 \"%2\"%3%4%5")
                     .arg(field->objectName(), field->text(), ui::isTinted(field) ? " tinted" : "",
                          field->isEnabled() ? "" : " disabled", field->isHidden() ? " hidden" : "");
    for (const CurveControls& curve : curvesOf(k))
        state << QStringLiteral("%1 %2%3 %4 %5")
                     .arg(curve.check->objectName(), curve.check->isChecked() ? "on" : "off",
                          curve.check->isEnabled() ? "" : " disabled", curve.colour->backColour().name(),
                          curve.phasor ? curve.phasor->colour().name() : QString());
    for (QCheckBox* box : {k.Check1, k.Check8, k.Check9, k.Check10, k.Check11})
        state << box->objectName() + (box->isChecked() ? " on" : " off");
    state << captions(k).join(u' ') << QStringLiteral("slider %1").arg(k.Slider1->value());
    for (int line : {6, 7, 36, 38})
        state << QStringLiteral("Line%1 %2").arg(line).arg(k.Line[std::size_t(line)]->isVisible() ? "shown" : "hidden");
    return state;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

// A valid lesson file with one group's key replaced.
QByteArray lessonWith(const QByteArray& insert)
{
    return QByteArrayLiteral("{\"format\": \"wellgrat-lesson\", \"version\": 1") + (insert.isEmpty() ? "" : ", ") + insert + '}';
}

// While it lives, even root is held to the permissions of files and folders, as a teacher's
// account is: the effective capabilities that override them are dropped, and given back.
class WithoutOverride {
public:
    WithoutOverride() { set(false); }
    ~WithoutOverride() { set(true); }

private:
    static void set(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0)
            return;
        const quint32 bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective = on ? (data[0].effective | (data[0].permitted & bits)) : (data[0].effective & ~bits);
        syscall(SYS_capset, &header, data);
    }
};

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("—") : action->text());
    return texts;
}

} // namespace

class LessonTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings().clear(); }

    void roundTripKeepsEveryControl_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::newRow("start circuit") << Steps{};
        QTest::newRow("capacitor removed") << Steps{{"r", "220"}, {"Check1", "off"}, {"Check5", "on"}};
        QTest::newRow("switch-on mode at 90°") << Steps{{"Check8", "on"}, {"phaseein", "90"}, {"perioden", "3"}, {"Check4", "on"}};
        QTest::newRow("switch-on without capacitor")
            << Steps{{"l", "0"}, {"c", "0,00002"}, {"Check8", "on"}, {"Check1", "off"}};
        QTest::newRow("coloured curves")
            << Steps{{"Command3", "#0000c0"}, {"Command4", "#123456"}, {"Command7", "#00ff80"}, {"Check7", "on"}, {"Check2", "off"}};
        QTest::newRow("waiting inputs") << Steps{{"u", "12"}, {"f", "0,5"}, {"r", "abc"}, {"c", "0,000"}};
        QTest::newRow("options and delay")
            << Steps{{"Text1", "250"}, {"Check9", "off"}, {"Check11", "off"}, {"Check10", "on"}, {"Check11", "off"}};
    }
    // Saved and opened in a window left in another state, every row comes back as it was
    // set up, without a message, and the window's title names the file, unchanged.
    void roundTripKeepsEveryControl()
    {
        QFETCH(Steps, steps);
        QTemporaryDir dir;
        DialogRecorder dialogs;
        const QString path = dir.filePath(QStringLiteral("versuch"));
        QStringList expected;
        {
            LoadedWindow teacher;
            perform(teacher, dialogs, steps);
            dialogs.fileAnswers.push_back(path);
            QVERIFY(teacher.form.lessons().save()); // untitled: saved under a name
            QCOMPARE(teacher.form.lessons().filePath(), path + QStringLiteral(".wellgrat"));
            expected = stateOf(teacher);
        }
        LoadedWindow classroom;
        perform(classroom, dialogs, {{"u", "230"}, {"Check8", "on"}, {"Check1", "off"}, {"Command2", "#abcdef"}, {"Text1", "x"}});
        classroom.controls.Check10->setChecked(true);
        dialogs.clear();
        QVERIFY(classroom.form.lessons().open(path + QStringLiteral(".wellgrat")));
        QCOMPARE(dialogs.texts(), QStringList());
        QCOMPARE(stateOf(classroom), expected);
        QCOMPARE(classroom.takt(), 1); // the first step, as after start-up
        QCOMPARE(classroom.form.windowTitle(), QStringLiteral("versuch.wellgrat[*] – Wellgrat-Simulation von Tovander"));
        QVERIFY(!classroom.form.isWindowModified());
        typeInto(classroom.controls.perioden, QStringLiteral("7"));
        QVERIFY(classroom.form.isWindowModified());
    }

    void examplesOpenWithoutAMessage_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("expected"); // ueff, udach, phi, z, ieff, idach
        QTest::newRow("start circuit") << "Startschaltung"
                                       << QStringList{"10", "14,142135623731", "-70,7834", "303,8226", "0,03291", "0,04654"};
        QTest::newRow("resonance") << "Resonanz" << QStringList{"10", "14,142135623731", "-0,0036", "100", "0,1", "0,14142"};
        QTest::newRow("high quality") << "Hohe Güte" << QStringList{"10", "14,142135623731", "-0,0356", "10", "1", "1,41421"};
        QTest::newRow("R and L") << "Nur R und L" << QStringList{"10", "14,142135623731", "17,4405944903738", "104,8187", "0,0954", "0,13492"};
        QTest::newRow("R and C") << "Nur R und C" << QStringList{"10", "14,142135623731", "-72,5594", "333,6483", "0,02997", "0,04238"};
        QTest::newRow("switch-on at 0°") << "Einschalten bei 0°" << QStringList{"10", "14,142135623731", "-72,5594", "333,6483", "0,02997", "0,04238"};
        QTest::newRow("switch-on at 90°") << "Einschalten bei 90°" << QStringList{"10", "14,142135623731", "-72,5594", "333,6483", "0,02997", "0,04238"};
        QTest::newRow("small time constant") << "Kleine Zeitkonstante" << QStringList{"10", "14,142135623731", "-89,9854", "11789,2554", "0,000848", "0,0012"};
        QTest::newRow("small currents") << "Kleine Ströme" << QStringList{"1", "1,4142135623731", "-0,1644", "100000,4115", "1E-05", "1,41E-05"};
    }
    // Chosen in the menu "Beispiele", each example opens without a message, untitled, and
    // shows its results; its description is the entry's tip.
    void examplesOpenWithoutAMessage()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, expected);
        DialogRecorder dialogs;
        LoadedWindow w;
        auto* menu = w.form.findChild<QMenu*>(QStringLiteral("examplesMenu"));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 9);
        QAction* entry = nullptr;
        for (QAction* action : menu->actions())
            entry = action->text() == title ? action : entry;
        QVERIFY(entry);
        QVERIFY(entry->toolTip().size() > 40);
        entry->trigger();
        QCOMPARE(dialogs.texts(), QStringList());
        QCOMPARE(captions(w.controls), expected);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Beispiel: %1 – Wellgrat-Simulation von Tovander").arg(title));
        QVERIFY(w.form.lessons().filePath().isEmpty());
        for (QLineEdit* field : {w.controls.u, w.controls.f, w.controls.r, w.controls.l, w.controls.c})
            QVERIFY(!ui::isTinted(field));
        if (title == QStringLiteral("Startschaltung")) // the start circuit is the window as it starts
            QCOMPARE(captureLesson(w.controls), captureLesson(LoadedWindow().controls));
    }

    void brokenFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // what the file holds; "<…>" for no ordinary file
        QTest::addColumn<QString>("reason");
        const QByteArray good = lessonWith("\"circuit\": {\"resistance\": \"47\"}");
        QTest::newRow("missing") << QByteArray("<missing>") << "Die Datei gibt es nicht.";
        QTest::newRow("folder") << QByteArray("<folder>") << "Das ist ein Ordner";
        QTest::newRow("pipe") << QByteArray("<pipe>") << "keine gewöhnliche Datei";
        QTest::newRow("no permission") << QByteArray("<unreadable>") << "darf nicht gelesen werden";
        QTest::newRow("empty") << QByteArray() << "Die Datei ist leer.";
        QTest::newRow("not JSON") << QByteArray("R = 100 Ohm\n") << "kein gültiges JSON";
        QTest::newRow("truncated") << good.left(good.size() - 12) << "unvollständig";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "Binärdaten";
        QTest::newRow("larger than 1 MB") << (good + QByteArray(lessonfile::kMaxSize, ' ')) << "größer als 1 MB";
        QTest::newRow("another program's JSON") << QByteArray("{\"name\": \"x\", \"version\": 1}") << "keine Wellgrat-Versuchsdatei";
        QTest::newRow("an array") << QByteArray("[1, 2]") << "keine Wellgrat-Versuchsdatei";
        QTest::newRow("newer version") << QByteArray("{\"format\": \"wellgrat-lesson\", \"version\": 2}") << "neueren Wellgrat-Version";
        QTest::newRow("version not whole") << QByteArray("{\"format\": \"wellgrat-lesson\", \"version\": 1.5}") << "Formatversion";
        QTest::newRow("number for a text") << lessonWith("\"circuit\": {\"voltage\": 10}") << "„circuit.voltage“ muss ein Text";
        QTest::newRow("text for a check box") << lessonWith("\"plot\": {\"switchOn\": \"ja\"}") << "„plot.switchOn“ muss true oder false";
        QTest::newRow("no colour") << lessonWith("\"curves\": {\"power\": {\"colour\": \"grün\"}}") << "„curves.power.colour“ muss eine Farbe";
        QTest::newRow("group as text") << lessonWith("\"phasors\": \"an\"") << "„phasors“ muss eine Gruppe";
        QTest::newRow("text too long") << lessonWith("\"circuit\": {\"resistance\": \"" + QByteArray(40000, '1') + "\"}") << "länger";
        QTest::newRow("wrong key after good ones")
            << lessonWith("\"circuit\": {\"resistance\": \"47\"}, \"title\": 3") << "„title“ muss ein Text";
    }
    // One message naming the file and the reason; the window, its title and the lessons
    // opened last stay exactly as they were.
    void brokenFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kaputt.wellgrat"));
        if (bytes == "<folder>")
            QDir().mkpath(path);
        else if (bytes == "<pipe>")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (bytes != "<missing>")
            writeFile(dir, QStringLiteral("kaputt.wellgrat"), bytes == "<unreadable>" ? lessonWith({}) : bytes);
        if (bytes == "<unreadable>")
            QFile::setPermissions(path, QFileDevice::WriteOwner);
        DialogRecorder dialogs;
        LoadedWindow w;
        perform(w, dialogs, {{"r", "220"}, {"Check4", "on"}, {"f", "0,5"}});
        const QStringList before = stateOf(w);
        const WithoutOverride asATeacher;
        QVERIFY(!w.form.lessons().open(path));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        const ui::Message& message = dialogs.messages.front();
        QVERIFY2(message.text.startsWith(QStringLiteral("Der Versuch „kaputt.wellgrat“ kann nicht geöffnet werden.")), qPrintable(message.text));
        QVERIFY2(message.text.contains(reason), qPrintable(message.text));
        QCOMPARE(message.title, QStringLiteral("Versuch öffnen"));
        QCOMPARE(stateOf(w), before);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Wellgrat-Simulation von Tovander"));
        QCOMPARE(w.form.lessons().recent().paths(), QStringList());
    }

    void handWrittenFilesOpen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected"); // the texts and colours to see
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("only R, unknown keys ignored")
            << lessonWith("\"circuit\": {\"resistance\": \"47\", \"temperature\": \"20\"}, \"teacher\": {\"name\": \"K.\"}")
            << QStringList{"u 10", "r 47", "l 0,1", "Command3 #0000c0", "li #0000ff"} << QStringList{};
        QTest::newRow("a colour is the phasor's too")
            << lessonWith("\"curves\": {\"current\": {\"colour\": \"#00ff00\"}}")
            << QStringList{"Command3 #00ff00", "li #00ff00"} << QStringList{};
        QTest::newRow("switch-on mode takes the coil out without a word")
            << lessonWith("\"circuit\": {\"inductance\": \"0,5\", \"capacitorBuiltIn\": false}, \"plot\": {\"switchOn\": true}")
            << QStringList{"l 0", "Check8 on", "Check1 off"} << QStringList{};
        QTest::newRow("letters in U and 0,5 in f wait, tinted")
            << lessonWith("\"circuit\": {\"voltage\": \"zehn\", \"frequency\": \"0,5\"}")
            << QStringList{"u zehn tinted", "f 0,5 tinted", "ueff 10"} << QStringList{};
        QTest::newRow("letters in L and C: one message")
            << lessonWith("\"circuit\": {\"inductance\": \"x\", \"capacitance\": \"y\", \"voltage\": \"v\"}")
            << QStringList{"l x", "c y", "u v tinted"}
            << QStringList{"Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0."};
        QTest::newRow("letters in the delay: the first step's message")
            << lessonWith("\"phasors\": {\"delay\": \"schnell\"}") << QStringList{"Text1 schnell"}
            << QStringList{"Fehler bei der Visualisierung/Timerinitialisierung"};
    }
    // Files written by hand: what they leave out is as the window starts; texts that the
    // window does not take open as typed, with at most one message, that of the final state.
    void handWrittenFilesOpen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        DialogRecorder dialogs;
        LoadedWindow w;
        perform(w, dialogs, {{"u", "17"}, {"l", "1"}, {"Command3", "#ff0000"}});
        QVERIFY(w.form.lessons().open(writeFile(dir, QStringLiteral("hand.wellgrat"), bytes)));
        QCOMPARE(dialogs.texts(), messages);
        const Controls& k = w.controls;
        for (const QString& item : expected) {
            const QStringList parts = item.split(u' ');
            QWidget* control = w.form.findChild<QWidget*>(parts[0]);
            QString seen;
            if (auto* field = qobject_cast<QLineEdit*>(control))
                seen = field->text() + (ui::isTinted(field) ? QStringLiteral(" tinted") : QString());
            else if (auto* label = qobject_cast<QLabel*>(control))
                seen = label->text();
            else if (auto* box = qobject_cast<QCheckBox*>(control))
                seen = box->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
            else if (auto* button = qobject_cast<ui::ColourButton*>(control))
                seen = button->backColour().name();
            else if (parts[0] == QStringLiteral("li"))
                seen = k.li->colour().name();
            QCOMPARE(parts[0] + u' ' + seen, item);
        }
    }

    void savingFailsWithOneMessage_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << "readonly" << "schreibgeschützt";
        QTest::newRow("read-only file") << "readonlyfile" << "schreibgeschützt";
        QTest::newRow("no such folder") << "missing" << "gibt es nicht";
        QTest::newRow("a folder of that name") << "folder" << "schon ein Ordner";
    }
    // One message with the reason; a file of that name keeps its old content, and the window
    // still names the file it had.
    void savingFailsWithOneMessage()
    {
        QFETCH(QString, where);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("klasse"));
        QDir().mkpath(folder);
        QString path = folder + QStringLiteral("/alt.wellgrat");
        const QByteArray old = lessonWith("\"title\": \"alt\"");
        if (where == QStringLiteral("missing"))
            path = dir.filePath(QStringLiteral("nirgends/alt.wellgrat"));
        else if (where == QStringLiteral("folder"))
            QDir().mkpath(path);
        else
            writeFile(dir, QStringLiteral("klasse/alt.wellgrat"), old);
        if (where == QStringLiteral("readonly"))
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (where == QStringLiteral("readonlyfile"))
            QFile::setPermissions(path, QFileDevice::ReadOwner);
        DialogRecorder dialogs;
        LoadedWindow w;
        typeInto(w.controls.r, QStringLiteral("330"));
        dialogs.fileAnswers.push_back(path);
        {
            const WithoutOverride asATeacher;
            QVERIFY(!w.form.lessons().saveAs());
        }
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QVERIFY2(dialogs.messages.front().text.contains(QStringLiteral("kann nicht gespeichert werden")), qPrintable(dialogs.messages.front().text));
        QVERIFY2(dialogs.messages.front().text.contains(reason), qPrintable(dialogs.messages.front().text));
        QCOMPARE(dialogs.messages.front().title, QStringLiteral("Versuch speichern"));
        QVERIFY(w.form.lessons().filePath().isEmpty());
        if (QFileInfo(path).isFile()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), old);
        }
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void closingAsksOnlyForAChangedNamedLesson_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<int>>("answers"); // ui::SaveChoice, in order
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        using C = ui::SaveChoice;
        QTest::newRow("untitled start circuit, changed") << false << true << QList<int>{} << true << false;
        QTest::newRow("named, unchanged") << true << false << QList<int>{} << true << false;
        QTest::newRow("named, changed, cancel") << true << true << QList<int>{int(C::Cancel)} << false << false;
        QTest::newRow("named, changed, discard") << true << true << QList<int>{int(C::Discard)} << true << false;
        QTest::newRow("named, changed, save") << true << true << QList<int>{int(C::Save)} << true << true;
    }
    void closingAsksOnlyForAChangedNamedLesson()
    {
        QFETCH(bool, named);
        QFETCH(bool, changed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        DialogRecorder dialogs;
        LoadedWindow w;
        w.form.show();
        const QString path = dir.filePath(QStringLiteral("stunde.wellgrat"));
        if (named) {
            dialogs.fileAnswers.push_back(path);
            QVERIFY(w.form.lessons().saveAs());
        }
        if (changed)
            typeInto(w.controls.r, QStringLiteral("470"));
        QCOMPARE(w.form.isWindowModified(), named && changed);
        for (int answer : answers)
            dialogs.saveAnswers.push_back(ui::SaveChoice(answer));
        QCOMPARE(w.form.close(), closes);
        QCOMPARE(dialogs.saveQuestions.size(), std::size_t(answers.size()));
        if (!answers.isEmpty())
            QCOMPARE(dialogs.saveQuestions.front().text,
                     QStringLiteral("Der Versuch „stunde.wellgrat“ wurde geändert.\nSollen die Änderungen gespeichert werden?"));
        if (named) {
            LoadedWindow reopened;
            QVERIFY(reopened.form.lessons().open(path));
            QCOMPARE(reopened.controls.r->text(), saved ? QStringLiteral("470") : QStringLiteral("100"));
        }
        QVERIFY(dialogs.messages.empty());
    }

    // The last eight, newest first, in the menu "Zuletzt geöffnet"; an entry whose file is
    // gone goes with one message.
    void recentLessonsKeepTheLastEight()
    {
        QTemporaryDir dir;
        DialogRecorder dialogs;
        LoadedWindow w;
        for (int i = 1; i <= 10; ++i)
            QVERIFY(w.form.lessons().open(writeFile(dir, QStringLiteral("v%1.wellgrat").arg(i), lessonWith({}))));
        auto* menu = w.form.findChild<QMenu*>(QStringLiteral("recentMenu"));
        QCOMPARE(menuTexts(menu), (QStringList{"&1 v10.wellgrat", "&2 v9.wellgrat", "&3 v8.wellgrat", "&4 v7.wellgrat",
                                               "&5 v6.wellgrat", "&6 v5.wellgrat", "&7 v4.wellgrat", "&8 v3.wellgrat"}));
        QFile::remove(dir.filePath(QStringLiteral("v9.wellgrat")));
        menu->actions()[1]->trigger();
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(menu->actions().size(), 7);
        menu->actions()[3]->trigger();
        QCOMPARE(w.form.lessons().filePath(), dir.filePath(QStringLiteral("v6.wellgrat")));
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("&1 v6.wellgrat"));
        QCOMPARE(LoadedWindow().form.findChild<QMenu*>(QStringLiteral("recentMenu"))->actions().size(), 7); // kept
    }

    // A file dropped on an input field opens once the drop is over; text still drops as text.
    void aDroppedFileOpens()
    {
        QTemporaryDir dir;
        DialogRecorder dialogs;
        LoadedWindow w;
        const QString path = writeFile(dir, QStringLiteral("drop.wellgrat"), lessonWith("\"circuit\": {\"resistance\": \"68\"}"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        data.setText(path);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(w.controls.u, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(w.controls.u, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(w.controls.u->text(), QStringLiteral("10"));
        QTRY_COMPARE(w.controls.r->text(), QStringLiteral("68"));
        QCOMPARE(w.form.lessons().filePath(), path);
    }

    void contextMenusOfferTheLessonCommands_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("after"); // the first entry after the lesson commands
        QTest::newRow("Picture1") << "Picture1" << "Bild kopieren\tStrg+C";
        QTest::newRow("Picture2") << "Picture2" << "Bild kopieren\tStrg+C";
        QTest::newRow("Statische Daten") << "Frame1" << "Größer";
        QTest::newRow("Schaltplan") << "Frame3" << "Größer";
    }
    void contextMenusOfferTheLessonCommands()
    {
        QFETCH(QString, widget);
        QFETCH(QString, after);
        LoadedWindow w;
        std::unique_ptr<QMenu> menu(w.form.commands().menuFor(w.form.findChild<QWidget*>(widget)));
        const QStringList texts = menuTexts(menu.get());
        QCOMPARE(texts.mid(0, 8), (QStringList{"Neuer Versuch", "Versuch öffnen …", "Versuch speichern", "Versuch speichern unter …",
                                               "Beispiele", "Zuletzt geöffnet", "—", after}));
        QCOMPARE(w.form.commands().action(QStringLiteral("saveLessonAsAction"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        QCOMPARE(w.form.commands().action(QStringLiteral("openLessonAction"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    }

    // "Neuer Versuch" brings back the start circuit, untitled, after asking about a changed lesson.
    void newLessonIsTheStartCircuit()
    {
        QTemporaryDir dir;
        DialogRecorder dialogs;
        LoadedWindow w;
        const QStringList start = stateOf(w);
        dialogs.fileAnswers.push_back(dir.filePath(QStringLiteral("a.wellgrat")));
        perform(w, dialogs, {{"Check8", "on"}, {"Command5", "#804020"}});
        QVERIFY(w.form.lessons().saveAs());
        typeInto(w.controls.perioden, QStringLiteral("4"));
        dialogs.saveAnswers.push_back(ui::SaveChoice::Discard);
        w.form.commands().action(QStringLiteral("newLessonAction"))->trigger();
        QCOMPARE(dialogs.saveQuestions.size(), std::size_t(1));
        QCOMPARE(stateOf(w), start);
        QCOMPARE(w.takt(), 1);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Wellgrat-Simulation von Tovander"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<int>("exitCode"); // -1: the window opens
        QTest::addColumn<QString>("output");
        QTest::newRow("nothing") << QStringList{"wellgrat"} << "" << -1 << "";
        QTest::newRow("a file") << QStringList{"wellgrat", "/tmp/ä b.wellgrat"} << "/tmp/ä b.wellgrat" << -1 << "";
        QTest::newRow("--help") << QStringList{"wellgrat", "--help"} << "" << 0 << "Aufruf: wellgrat [Optionen] [Datei]";
        QTest::newRow("-h") << QStringList{"wellgrat", "-h"} << "" << 0 << "  Datei          Ein Versuch (.wellgrat)";
        QTest::newRow("--version") << QStringList{"wellgrat", "--version"} << "" << 0 << "wellgrat 1.";
        QTest::newRow("unknown option") << QStringList{"wellgrat", "--zoom"} << "" << 1 << "Unbekannte Option: zoom";
        QTest::newRow("two files") << QStringList{"wellgrat", "a", "b"} << "" << 1 << "Bitte nur eine Datei angeben.";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lesson);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const CommandLine line = readCommandLine(arguments);
        QCOMPARE(line.lessonPath, lesson);
        QCOMPARE(line.exitCode.value_or(-1), exitCode);
        QVERIFY2(line.output.contains(output), qPrintable(line.output));
    }

    // The program itself: --version without a window system, and a file named on the command
    // line is what the window opens.
    void theProgramAnswersAndOpens()
    {
        QProcess program;
        program.setProcessEnvironment(QProcessEnvironment()); // no display, no platform
        program.start(QStringLiteral(WELLGRAT_PROGRAM), {QStringLiteral("--version")});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAllStandardOutput().startsWith("wellgrat 1."));

        QTemporaryDir dir;
        DialogRecorder dialogs;
        LoadedWindow w;
        const CommandLine line = readCommandLine({"wellgrat", writeFile(dir, QStringLiteral("k.wellgrat"), lessonWith("\"title\": \"K\""))});
        QVERIFY(w.form.lessons().open(line.lessonPath));
        QCOMPARE(w.form.windowTitle(), QStringLiteral("k.wellgrat[*] – Wellgrat-Simulation von Tovander"));
    }
};

QTEST_MAIN(LessonTest)
#include "tst_lesson.moc"
