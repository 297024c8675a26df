#pragma once

#include "app/Form1.h"
#include "ui/Dialogs.h"

#include <QColor>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

// Answers every message box and colour chooser of the program while it lives, and records
// what would have been shown.
class DialogRecorder {
public:
    DialogRecorder();
    ~DialogRecorder();

    std::vector<ui::Message> messages;
    // Answers for the colour chooser, in order; nothing queued means cancel.
    std::deque<std::optional<QColor>> colourAnswers;
    std::vector<QColor> colourDialogOpenedOn;
    int maxOpenAtOnce = 0;

    QStringList texts() const;
    void clear() { messages.clear(); }

private:
    int open_ = 0;
};

// A window fresh from start-up, not shown.
struct LoadedWindow {
    LoadedWindow();
    Form1 form;
    const Controls& c;
};

// Replaces the whole text of a field as a user would: select all, then type each character.
void typeInto(QWidget* field, const QString& text);
