// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QObject>
#include <QString>

class Commands;
class QAction;
class QPainter;
class QPrinter;
class QRectF;
class StaticAnalysis;
class WaveformPlotter;

// The worksheet of the circuit, printed or saved as a PDF: its commands in the context menus
// ("Arbeitsblatt drucken …" on Ctrl+P, with Qt's print preview, "Arbeitsblatt als PDF …" and
// the option "Ergebnisse leer lassen" for the pupils' sheet). It reads the window as it stands
// and the last plot; it changes nothing in the window.
class Worksheet : public QObject {
    Q_OBJECT
public:
    Worksheet(const Controls& controls, const StaticAnalysis& analysis, const WaveformPlotter& plotter, Commands& commands);

    // "Ergebnisse leer lassen": the pupils' sheet, with empty boxes for the results.
    bool leavesResultsEmpty() const;

    void print();     // "Arbeitsblatt drucken …"
    void saveAsPdf(); // "Arbeitsblatt als PDF …": asks for the file, then writes it

    // Writes the PDF all or nothing: nothing half-written is left under `path`. A failure
    // shows one message with its reason.
    bool writePdf(const QString& path);

    // The page as the window stands now, on `sheet` (the whole sheet, in device units).
    void paint(QPainter& painter, const QRectF& sheet) const;

private:
    void printOn(QPrinter& printer);
    void failed(const QString& title, const QString& text) const;

    const Controls& controls_;
    const StaticAnalysis& analysis_;
    const WaveformPlotter& plotter_;
    QAction* emptyResults_ = nullptr;
    QString lastPdf_; // the file last chosen, suggested again
};
