// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QColorDialog;
class QPrinter;
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

// A file chooser: open an existing file, or name one to save to.
struct FileQuestion {
    enum class Kind { Open, Save } kind;
    QString title;     // "Versuch öffnen"
    QString suggested; // the folder to start in, or the path to offer
    QString filter;    // "Wellgrat-Versuche (*.wellgrat)"
    QString suffix;    // added to a name saved without one: "wellgrat"
};
// Unsaved changes: save them, throw them away, or go back.
enum class SaveChoice { Save, Discard, Cancel };
struct SaveQuestion {
    QString text;
    QString title;
};

using FileHandler = std::function<std::optional<QString>(const FileQuestion&)>;
using SaveHandler = std::function<SaveChoice(const SaveQuestion&)>;
// Answers the colour chooser: the confirmed colour, or nothing when cancelled. An invalid
// colour stands for a chooser that failed without being cancelled.
using ColourHandler = std::function<std::optional<QColor>(QColorDialog&)>;
// Paints a document onto a printer.
using PrintPainter = std::function<void(QPrinter&)>;
// Answers the print preview: given the printer it would print on and the painter of the
// document, it paints, or not, as a user who prints, or closes the preview.
using PrintPreviewHandler = std::function<void(QPrinter&, const PrintPainter&)>;

// A modal message box with one OK button; returns when it is closed.
void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon);

// Shows the colour chooser modally: the confirmed colour as an opaque RGB colour, nothing
// when the user cancelled, or an invalid colour when the chooser failed otherwise.
std::optional<QColor> chooseColour(QColorDialog& dialog);

// Shows a file chooser modally: the chosen path, or nothing when the user cancelled.
std::optional<QString> chooseFile(QWidget* parent, const FileQuestion& question);

// Asks whether to save unsaved changes, with the buttons Save, Discard and Cancel.
SaveChoice askToSave(QWidget* parent, const SaveQuestion& question);

// While it lives, the program's messages are held back and kept, not shown: a routine that
// sets many controls at once shows at most the one message that its end result deserves.
class HeldMessages {
public:
    HeldMessages();
    ~HeldMessages();
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    const std::vector<Message>& messages() const { return messages_; }

private:
    std::vector<Message> messages_;
    MessageHandler outer_;
};

// Qt's print preview, modal: `paint` paints the preview, and, when the user prints from it
// (choosing the printer in Qt's print dialog), the printer. Returns when it is closed.
void showPrintPreview(QWidget* parent, QPrinter& printer, const PrintPainter& paint);

// True while a message box of the program is open (its own event loop runs timers).
bool messageBoxOpen();

// Test hooks: an empty handler restores the real dialogs.
void setMessageHandler(MessageHandler handler);
void setColourHandler(ColourHandler handler);
void setFileHandler(FileHandler handler);
void setSaveHandler(SaveHandler handler);
void setPrintPreviewHandler(PrintPreviewHandler handler);

} // namespace ui
