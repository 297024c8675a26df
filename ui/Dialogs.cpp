// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"

#include "ui/OpaqueColour.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

namespace ui {
namespace {

// The test's handler of each kind of dialog; an empty one shows the real dialog.
template <typename Handler> Handler& installed()
{
    static Handler handler;
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
    if (installed<MessageHandler>()) {
        installed<MessageHandler>()({text, title, icon});
        return;
    }
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QColor> chooseColour(QColorDialog& dialog)
{
    if (installed<ColourHandler>())
        return installed<ColourHandler>()(dialog);
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

std::optional<QString> chooseFile(QWidget* parent, const FileQuestion& question)
{
    if (installed<FileHandler>())
        return installed<FileHandler>()(question);
    QFileDialog dialog(parent, question.title, question.suggested, question.filter);
    const bool save = question.kind == FileQuestion::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(question.suffix);
    if (save && !question.suggested.isEmpty())
        dialog.selectFile(question.suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

SaveChoice askToSave(QWidget* parent, const SaveQuestion& question)
{
    if (installed<SaveHandler>())
        return installed<SaveHandler>()(question);
    QMessageBox box(QMessageBox::Warning, question.title, question.text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    // German whatever translations Qt finds, like the rest of the window.
    box.button(QMessageBox::Save)->setText(QStringLiteral("Speichern"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Nicht speichern"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

HeldMessages::HeldMessages() : outer_(std::move(installed<MessageHandler>()))
{
    installed<MessageHandler>() = [this](const Message& message) { messages_.push_back(message); };
}

HeldMessages::~HeldMessages() { installed<MessageHandler>() = std::move(outer_); }

void showPrintPreview(QWidget* parent, QPrinter& printer, const PrintPainter& paint)
{
    if (installed<PrintPreviewHandler>()) {
        installed<PrintPreviewHandler>()(printer, paint);
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

void setMessageHandler(MessageHandler handler) { installed<MessageHandler>() = std::move(handler); }
void setColourHandler(ColourHandler handler) { installed<ColourHandler>() = std::move(handler); }
void setFileHandler(FileHandler handler) { installed<FileHandler>() = std::move(handler); }
void setSaveHandler(SaveHandler handler) { installed<SaveHandler>() = std::move(handler); }
void setPrintPreviewHandler(PrintPreviewHandler handler) { installed<PrintPreviewHandler>() = std::move(handler); }

} // namespace ui
