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

MessageHandler& messageHandler()
{
    static MessageHandler handler;
    return handler;
}

ColourHandler& colourHandler()
{
    static ColourHandler handler;
    return handler;
}

SaveFileHandler& saveFileHandler()
{
    static SaveFileHandler handler;
    return handler;
}

PrintPreviewHandler& printPreviewHandler()
{
    static PrintPreviewHandler handler;
    return handler;
}

int openMessageBoxes = 0;

} // namespace

void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon)
{
    ++openMessageBoxes;
    struct Closed {
        ~Closed() { --openMessageBoxes; }
    } closed;
    if (messageHandler()) {
        messageHandler()({text, title, icon});
        return;
    }
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QColor> chooseColour(QColorDialog& dialog)
{
    if (colourHandler())
        return colourHandler()(dialog);
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
    if (saveFileHandler())
        return saveFileHandler()(request);
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
    if (printPreviewHandler()) {
        printPreviewHandler()(printer, paint);
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

void setMessageHandler(MessageHandler handler) { messageHandler() = std::move(handler); }
void setColourHandler(ColourHandler handler) { colourHandler() = std::move(handler); }
void setSaveFileHandler(SaveFileHandler handler) { saveFileHandler() = std::move(handler); }
void setPrintPreviewHandler(PrintPreviewHandler handler) { printPreviewHandler() = std::move(handler); }

} // namespace ui
