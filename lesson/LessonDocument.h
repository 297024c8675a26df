// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "lesson/Examples.h"
#include "lesson/Lesson.h"

#include <QObject>
#include <QString>

class AnimationControl;
class Commands;
class RecentLessons;
class StaticAnalysis;

// The window as a document: its commands "Neuer Versuch", "Versuch öffnen …", "Versuch
// speichern", "Versuch speichern unter …" and the menus "Beispiele" and "Zuletzt geöffnet";
// the window's title, which names the open file and marks unsaved changes; the question on
// closing a changed lesson; files dropped on the window. The start circuit and an example
// are untitled: they keep no file and never ask.
class LessonDocument : public QObject {
    Q_OBJECT
public:
    LessonDocument(const Controls& controls, StaticAnalysis& analysis, AnimationControl& animation, Commands& commands);

    void newLesson();
    void chooseAndOpen();
    bool save();
    bool saveAs();
    // Opens a lesson file: asks first about unsaved changes, and leaves the window as it was
    // when the file cannot be read, with one message.
    bool open(const QString& path);
    bool openExample(const Example& example);

    QString filePath() const { return path_; } // empty while untitled
    bool isModified() const;
    const Lesson& startLesson() const { return start_; }
    const std::vector<Example>& exampleList() const { return examples_; }
    RecentLessons& recent() { return *recent_; }

    // A changed, named lesson: save it, throw the changes away, or go back (false).
    bool maybeSave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const Lesson& lesson, const QString& path, const QString& example);
    bool writeTo(const QString& path);
    void updateTitle();
    Lesson current() const;
    QString suggestedFolder() const;

    const Controls& controls_;
    StaticAnalysis& analysis_;
    AnimationControl& animation_;
    const Lesson start_; // the window as it was built, before its first event
    std::vector<Example> examples_;
    RecentLessons* recent_ = nullptr;

    QString path_;    // the file the window shows, or empty
    QString example_; // the title of the example it shows, or empty
    QString title_, description_;
    Lesson saved_; // the window's state as last opened or saved
};
