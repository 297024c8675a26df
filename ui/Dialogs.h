// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

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
// Answers the colour chooser: the confirmed colour, or nothing when cancelled. An invalid
// colour stands for a chooser that failed without being cancelled.
using ColourHandler = std::function<std::optional<QColor>(QColorDialog&)>;

// What a file dialog for saving asks: its title, the name it suggests (a whole path), the
// filter of file types ("PDF-Dateien (*.pdf)") and the suffix added to a name without one.
struct SaveFileRequest {
    QString title;
    QString suggestedPath;
    QString filter;
    QString defaultSuffix;
};
// Answers the file dialog: the chosen path, or nothing when cancelled.
using SaveFileHandler = std::function<std::optional<QString>(const SaveFileRequest&)>;

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

// The file dialog for saving, modal; the chosen path, or nothing when the user cancelled.
std::optional<QString> chooseSaveFile(QWidget* parent, const SaveFileRequest& request);

// Qt's print preview, modal: `paint` paints the preview, and, when the user prints from it
// (choosing the printer in Qt's print dialog), the printer. Returns when it is closed.
void showPrintPreview(QWidget* parent, QPrinter& printer, const PrintPainter& paint);

// True while a message box of the program is open (its own event loop runs timers).
bool messageBoxOpen();

// Test hooks: an empty handler restores the real dialogs.
void setMessageHandler(MessageHandler handler);
void setColourHandler(ColourHandler handler);
void setSaveFileHandler(SaveFileHandler handler);
void setPrintPreviewHandler(PrintPreviewHandler handler);

} // namespace ui
