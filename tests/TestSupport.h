// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Form1.h"
#include "ui/Dialogs.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStyle>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Answers every message box, colour chooser, file dialog and print preview of the program
// while it lives, and records what would have been shown.
class QSlider;

class DialogRecorder {
public:
    DialogRecorder();
    ~DialogRecorder();

    std::vector<ui::Message> messages;
    // Answers for the colour chooser, in order; nothing queued means cancel.
    std::deque<std::optional<QColor>> colourAnswers;
    std::vector<QColor> colourDialogOpenedOn;
    // Answers for the file choosers and the question about unsaved changes, in order; nothing
    // queued means cancel.
    std::deque<std::optional<QString>> fileAnswers;
    std::vector<ui::FileQuestion> fileQuestions;
    std::deque<ui::SaveChoice> saveAnswers;
    std::vector<ui::SaveQuestion> saveQuestions;
    // What a user does in the print preview; none: closes it without printing.
    std::function<void(QPrinter&, const ui::PrintPainter&)> printAnswer;
    int printPreviews = 0;
    int maxOpenAtOnce = 0;

    QStringList texts() const;
    void clear() { messages.clear(); }

private:
    int open_ = 0;
};

// The step counter of the animation timer, as the window's Qt property shows it.
inline int taktOf(const Form1& form) { return form.property("takt").toInt(); }

// A window fresh from start-up, not shown.
struct LoadedWindow {
    LoadedWindow();
    Form1 form;
    const Controls& controls;

    // The window's member variables, read through its Qt properties.
    int takt() const { return taktOf(form); }
    bool rechenfehler() const { return form.property("rechenfehler").toBool(); }
};

// A window fresh from start-up, then shown: its drawing surfaces have their images and a
// refresh repaints.
struct ShownWindow : LoadedWindow {
    ShownWindow();
    WaveformPlotter& plotter() { return form.plotter(); }
};

// The six result captions in the order the static analysis writes them: ueff, udach, phi,
// z, ieff, idach.
QStringList captions(const Controls& controls);

// Replaces the whole text of a field as a user would: select all, then type each character.
void typeInto(QWidget* field, const QString& text);

// The device pixels of a colour in an image, row by row.
QList<QPoint> pixelsOf(const QImage& image, QRgb colour);

// The centre of a part of the slider (its handle, say), as the style draws it.
QPoint sliderPoint(const QSlider* slider, QStyle::SubControl part);
