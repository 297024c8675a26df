// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;

// The guide that F1 opens: a small window beside the main window, which stays usable while
// it is open. Its text is built into the program. Esc closes it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// F1 in the main window opens the guide (or brings it to the front).
void installHelpKey(QWidget* form);
// Opens the guide of the main window `form` (or brings it to the front).
void openGuide(QWidget* form);
