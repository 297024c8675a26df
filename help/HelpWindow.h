// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SideWindow.h"

class Commands;
class QTextBrowser;

// The guide that F1 opens: a small window beside the main window, which stays usable while
// it is open. Its text is built into the program. Esc closes it.
class HelpWindow : public ui::SideWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* mainWindow);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// The command "Hilfe" on F1, which opens the guide of the main window (or brings it back).
void installGuide(Commands& commands, QWidget* form);
// Opens the guide of the main window `form` (or brings it back).
void openGuide(QWidget* form);
