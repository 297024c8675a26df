// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/Worksheet.h"

#include "circuit/StaticAnalysis.h"
#include "plot/WaveformPlotter.h"
#include "ui/Commands.h"
#include "ui/Dialogs.h"
#include "worksheet/WorksheetPage.h"

#include <QAction>
#include <QWidget>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kDocumentName = QStringLiteral("Arbeitsblatt Wechselstromkreis");
const QString kCreator = QStringLiteral("Wellgrat");

QPageLayout a4() { return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()); }

} // namespace

Worksheet::Worksheet(const Controls& controls, const StaticAnalysis& analysis, const WaveformPlotter& plotter,
                     Commands& commands)
    : QObject(controls.form), controls_(controls), analysis_(analysis), plotter_(plotter)
{
    setObjectName(QStringLiteral("worksheet"));
    using Group = Commands::Group;
    commands.add(Group::Print, QStringLiteral("printWorksheetAction"), QStringLiteral("Arbeitsblatt drucken …"),
                 QKeySequence::keyBindings(QKeySequence::Print), [this] { print(); });
    commands.add(Group::Print, QStringLiteral("worksheetPdfAction"), QStringLiteral("Arbeitsblatt als PDF …"), {},
                 [this] { saveAsPdf(); });
    emptyResults_ = commands.add(Group::Print, QStringLiteral("emptyResultsAction"), QStringLiteral("Ergebnisse leer lassen"),
                                 {}, [] {});
    emptyResults_->setCheckable(true);
}

bool Worksheet::leavesResultsEmpty() const { return emptyResults_->isChecked(); }

void Worksheet::paint(QPainter& painter, const QRectF& sheet) const
{
    worksheet::WorksheetContent content{&controls_, analysis_.lastRead(), plotter_.lastPlot(), leavesResultsEmpty(),
                                        QDate::currentDate()};
    worksheet::paintWorksheet(painter, sheet, content);
}

void Worksheet::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4());
    printer.setFullPage(true); // the page lays out its own margins
    printer.setDocName(kDocumentName);
    printer.setCreator(kCreator);
    ui::showPrintPreview(controls_.form, printer, [this](QPrinter& to) { printOn(to); });
}

void Worksheet::printOn(QPrinter& printer)
{
    const QString title = QStringLiteral("Arbeitsblatt drucken");
    const QString file = printer.outputFileName();
    QPainter painter;
    if (!painter.begin(&printer)) {
        failed(title, file.isEmpty() ? QStringLiteral("Der Drucker „%1“ nimmt keinen Auftrag an.").arg(printer.printerName())
                                     : QStringLiteral("Die Datei „%1“ lässt sich nicht schreiben.").arg(file));
        return;
    }
    paint(painter, printer.paperRect(QPrinter::DevicePixel));
    if (!painter.end() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        failed(title, QStringLiteral("Der Drucker „%1“ hat den Auftrag abgebrochen.")
                          .arg(file.isEmpty() ? printer.printerName() : file));
}

void Worksheet::saveAsPdf()
{
    QString suggested = lastPdf_;
    if (suggested.isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        suggested = QDir(QDir(folder).exists() ? folder : QDir::homePath()).filePath(QStringLiteral("Arbeitsblatt.pdf"));
    }
    const std::optional<QString> path =
        ui::chooseFile(controls_.form, {ui::FileQuestion::Kind::Save, QStringLiteral("Arbeitsblatt als PDF speichern"),
                                        suggested, QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf")});
    if (!path)
        return;
    lastPdf_ = *path;
    writePdf(*path);
}

bool Worksheet::writePdf(const QString& path)
{
    const QString title = QStringLiteral("Arbeitsblatt als PDF");
    auto failedWith = [&](const QString& reason) {
        failed(title, QStringLiteral("Das Arbeitsblatt ließ sich nicht als PDF speichern:\n%1\n\n%2")
                          .arg(QDir::toNativeSeparators(path), reason));
        return false;
    };
    // Written to a temporary file beside it, which takes the name only once it is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failedWith(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(a4());
        writer.setTitle(kDocumentName);
        writer.setCreator(kCreator);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return failedWith(QStringLiteral("Die PDF-Ausgabe ließ sich nicht beginnen."));
        }
        paint(painter, QRectF(writer.pageLayout().fullRectPixels(writer.resolution())));
        painter.end();
    }
    if (!file.commit())
        return failedWith(file.errorString());
    return true;
}

void Worksheet::failed(const QString& title, const QString& text) const
{
    ui::showMessage(controls_.form, text, title, ui::MessageIcon::Critical);
}
