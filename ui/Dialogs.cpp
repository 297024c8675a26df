// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"

#include "ui/OpaqueColour.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace ui {
namespace {

// The handler a test installed for one kind of dialog (each kind has a type of its own), or
// none: the real dialog.
template <typename Handler> Handler& handler()
{
    static Handler installed;
    return installed;
}

int openMessageBoxes = 0;

} // namespace

void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon)
{
    ++openMessageBoxes;
    struct Closed {
        ~Closed() { --openMessageBoxes; }
    } closed;
    if (handler<MessageHandler>()) {
        handler<MessageHandler>()({text, title, icon});
        return;
    }
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QColor> chooseColour(QColorDialog& dialog)
{
    if (handler<ColourHandler>())
        return handler<ColourHandler>()(dialog);
    // A chooser of plain colours, modal over the whole program while it is open.
    dialog.setOption(QColorDialog::ShowAlphaChannel, false);
    dialog.setWindowModality(Qt::ApplicationModal);
    switch (dialog.exec()) {
    case QDialog::Accepted: {
        const QColor chosen = dialog.selectedColor();
        return chosen.isValid() ? opaqueRgb(chosen) : QColor();
    }
    case QDialog::Rejected:
        return std::nullopt;
    default:
        return QColor(); // not shown (it is open already): no choice, but no cancel either
    }
}

std::optional<QString> chooseSaveFile(QWidget* parent, const SaveFileRequest& request)
{
    if (handler<SaveFileHandler>())
        return handler<SaveFileHandler>()(request);
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void showPrintPreview(QWidget* parent, QPrinter& printer, const PrintPainter& paint)
{
    if (handler<PrintPreviewHandler>()) {
        handler<PrintPreviewHandler>()(printer, paint);
        return;
    }
    QPrintPreviewDialog preview(&printer, parent);
    // Large enough to read the page: most of the screen.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        preview.resize(screen->availableGeometry().size() * 0.8);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* to) { paint(*to); });
    preview.exec();
}

bool messageBoxOpen() { return openMessageBoxes > 0; }

void setMessageHandler(MessageHandler answer) { handler<MessageHandler>() = std::move(answer); }
void setColourHandler(ColourHandler answer) { handler<ColourHandler>() = std::move(answer); }
void setSaveFileHandler(SaveFileHandler answer) { handler<SaveFileHandler>() = std::move(answer); }
void setPrintPreviewHandler(PrintPreviewHandler answer) { handler<PrintPreviewHandler>() = std::move(answer); }

} // namespace ui
