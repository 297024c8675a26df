// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QColorDialog;
class QWidget;

// The one seam for the program's modal dialogs. The program shows real Qt dialogs; tests
// install handlers that record what would have been shown and answer it.
namespace ui {

enum class MessageIcon { Critical, Information };

struct Message {
    QString text;
    QString title;
    MessageIcon icon;
};

using MessageHandler = std::function<void(const Message&)>;
// Answers the colour chooser: the confirmed colour, or nothing when cancelled. An invalid
// colour stands for a chooser that failed without being cancelled.
using ColourHandler = std::function<std::optional<QColor>(QColorDialog&)>;

// A modal message box with one OK button; returns when it is closed.
void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon);

// Shows the colour chooser modally: the confirmed colour as an opaque RGB colour, nothing
// when the user cancelled, or an invalid colour when the chooser failed otherwise.
std::optional<QColor> chooseColour(QColorDialog& dialog);

// True while a message box of the program is open (its own event loop runs timers).
bool messageBoxOpen();

// Test hooks: an empty handler restores the real dialogs.
void setMessageHandler(MessageHandler handler);
void setColourHandler(ColourHandler handler);

} // namespace ui
