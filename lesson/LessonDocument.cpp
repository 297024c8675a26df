// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/LessonDocument.h"

#include "controls/CircuitInputs.h"
#include "controls/Curves.h"
#include "lesson/FileDrop.h"
#include "lesson/LessonFile.h"
#include "lesson/RecentLessons.h"
#include "lesson/WindowLesson.h"
#include "ui/ColourButton.h"
#include "ui/Commands.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString kWindowTitle = QStringLiteral("Wellgrat-Simulation von Tovander");
const QString kFilter = QStringLiteral("Wellgrat-Versuche (*.wellgrat);;Alle Dateien (*)");

// The desktop's key for a command, and ours where the desktop has none (Save As has none on
// some desktops).
QList<QKeySequence> keysOf(QKeySequence::StandardKey key, const QKeySequence& ours)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!keys.contains(ours))
        keys << ours;
    return keys;
}

QString nameOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace

LessonDocument::LessonDocument(const Controls& controls, StaticAnalysis& analysis, AnimationControl& animation,
                               Commands& commands)
    : QObject(controls.form), controls_(controls), analysis_(analysis), animation_(animation),
      start_(captureLesson(controls)), examples_(examples(start_))
{
    using Group = Commands::Group;
    commands.add(Group::File, QStringLiteral("newLessonAction"), QStringLiteral("Neuer Versuch"),
                 keysOf(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)), [this] { newLesson(); });
    commands.add(Group::File, QStringLiteral("openLessonAction"), QStringLiteral("Versuch öffnen …"),
                 keysOf(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)), [this] { chooseAndOpen(); });
    commands.add(Group::File, QStringLiteral("saveLessonAction"), QStringLiteral("Versuch speichern"),
                 keysOf(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)), [this] { save(); });
    commands.add(Group::File, QStringLiteral("saveLessonAsAction"), QStringLiteral("Versuch speichern unter …"),
                 keysOf(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)), [this] { saveAs(); });

    QMenu* examplesMenu = commands.addMenu(Group::File, QStringLiteral("examplesMenu"), QStringLiteral("Beispiele"));
    examplesMenu->setToolTipsVisible(true);
    for (const Example& example : examples_) {
        QAction* entry = examplesMenu->addAction(example.title);
        entry->setToolTip(example.description);
        connect(entry, &QAction::triggered, this, [this, example] { openExample(example); });
    }
    recent_ = new RecentLessons(commands.addMenu(Group::File, QStringLiteral("recentMenu"), QStringLiteral("Zuletzt geöffnet")),
                                [this](const QString& path) { open(path); });

    // Every change of a control may make the lesson differ from its file, or agree with it again.
    // The inputs and curves from their tables; the other settings by name.
    auto follow = [this](QLineEdit* field) { connect(field, &QLineEdit::textChanged, this, &LessonDocument::updateTitle); };
    auto followBox = [this](QCheckBox* box) { connect(box, &QCheckBox::toggled, this, &LessonDocument::updateTitle); };
    for (const CircuitInput& input : circuitInputs())
        follow(controls.*input.field);
    for (QLineEdit* field : {controls.perioden, controls.phaseein, controls.Text1})
        follow(field);
    for (const CurveControls& curve : curvesOf(controls)) {
        followBox(curve.check);
        connect(curve.colour, &QPushButton::clicked, this, &LessonDocument::updateTitle);
    }
    for (QCheckBox* box : {controls.Check1, controls.Check8, controls.Check9, controls.Check10, controls.Check11})
        followBox(box);

    controls.form->installEventFilter(this); // closing
    openDroppedFiles(controls.form, [this](const QString& path) { open(path); });
}

Lesson LessonDocument::current() const
{
    Lesson lesson = captureLesson(controls_);
    lesson.title = title_;
    lesson.description = description_;
    return lesson;
}

bool LessonDocument::isModified() const { return !path_.isEmpty() && current() != saved_; }

void LessonDocument::updateTitle()
{
    QWidget* form = controls_.form;
    form->setWindowFilePath(path_);
    if (!path_.isEmpty())
        form->setWindowTitle(QStringLiteral("%1[*] – %2").arg(nameOf(path_), kWindowTitle));
    else if (!example_.isEmpty())
        form->setWindowTitle(QStringLiteral("Beispiel: %1 – %2").arg(example_, kWindowTitle));
    else
        form->setWindowTitle(kWindowTitle);
    if (const bool modified = isModified(); modified != form->isWindowModified())
        form->setWindowModified(modified);
}

void LessonDocument::show(const Lesson& lesson, const QString& path, const QString& example)
{
    const std::optional<ui::Message> failure = applyLesson(lesson, start_, controls_, analysis_, animation_);
    path_ = path;
    example_ = example;
    title_ = lesson.title;
    description_ = lesson.description;
    saved_ = current();
    updateTitle();
    if (failure)
        ui::showMessage(controls_.form, failure->text, failure->title, failure->icon);
}

void LessonDocument::newLesson()
{
    if (maybeSave())
        show(start_, {}, {});
}

bool LessonDocument::open(const QString& path)
{
    if (!maybeSave())
        return false;
    const lessonfile::Read read = lessonfile::read(path, start_);
    if (!read.lesson) {
        if (!QFileInfo::exists(path))
            recent_->remove(path);
        ui::showMessage(controls_.form,
                        QStringLiteral("Der Versuch „%1“ kann nicht geöffnet werden.\n\n%2").arg(nameOf(path), read.problem),
                        QStringLiteral("Versuch öffnen"), ui::MessageIcon::Critical);
        return false;
    }
    show(*read.lesson, QFileInfo(path).absoluteFilePath(), {});
    recent_->add(path_);
    return true;
}

bool LessonDocument::openExample(const Example& example)
{
    if (!maybeSave())
        return false;
    const lessonfile::Read read = lessonfile::read(example.path, start_);
    if (!read.lesson)
        return false; // the examples are checked by the tests
    show(*read.lesson, {}, example.title);
    return true;
}

void LessonDocument::chooseAndOpen()
{
    const auto path = ui::chooseFile(controls_.form, {ui::FileQuestion::Kind::Open, QStringLiteral("Versuch öffnen"),
                                                      suggestedFolder(), kFilter, QString::fromLatin1(lessonfile::kSuffix)});
    if (path)
        open(*path);
}

bool LessonDocument::save() { return path_.isEmpty() ? saveAs() : writeTo(path_); }

bool LessonDocument::saveAs()
{
    const QString name = path_.isEmpty() ? QStringLiteral("versuch.wellgrat") : nameOf(path_);
    auto path = ui::chooseFile(controls_.form, {ui::FileQuestion::Kind::Save, QStringLiteral("Versuch speichern unter"),
                                                suggestedFolder() + u'/' + name, kFilter,
                                                QString::fromLatin1(lessonfile::kSuffix)});
    if (!path)
        return false;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += u'.' + QString::fromLatin1(lessonfile::kSuffix);
    return writeTo(*path);
}

bool LessonDocument::writeTo(const QString& path)
{
    const Lesson lesson = current();
    if (const auto problem = lessonfile::write(path, lesson)) {
        ui::showMessage(controls_.form,
                        QStringLiteral("Der Versuch „%1“ kann nicht gespeichert werden.\n\n%2").arg(nameOf(path), *problem),
                        QStringLiteral("Versuch speichern"), ui::MessageIcon::Critical);
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    example_.clear();
    saved_ = lesson;
    recent_->add(path_);
    updateTitle();
    return true;
}

QString LessonDocument::suggestedFolder() const
{
    if (!path_.isEmpty())
        return QFileInfo(path_).absolutePath();
    const QStringList recent = recent_->paths();
    if (!recent.isEmpty())
        return QFileInfo(recent.constFirst()).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool LessonDocument::maybeSave()
{
    if (!isModified())
        return true;
    switch (ui::askToSave(controls_.form,
                          {QStringLiteral("Der Versuch „%1“ wurde geändert.\nSollen die Änderungen gespeichert werden?")
                               .arg(nameOf(path_)),
                           QStringLiteral("Änderungen speichern?")})) {
    case ui::SaveChoice::Save:
        return save();
    case ui::SaveChoice::Discard:
        return true;
    case ui::SaveChoice::Cancel:
        return false;
    }
    return false;
}

bool LessonDocument::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.form && event->type() == QEvent::Close && !maybeSave()) {
        event->ignore();
        return true;
    }
    return false;
}
