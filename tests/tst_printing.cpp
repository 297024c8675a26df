// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet, saved as a PDF and printed through the print preview, read back with
// pdfinfo and pdftotext (poppler-utils); and the curves copied with their legend.
#include "TestSupport.h"

#include "circuit/StaticAnalysis.h"
#include "controls/ControlValues.h"
#include "controls/DerivedQuantities.h"
#include "ui/Commands.h"
#include "ui/DrawingSurface.h"
#include "ui/GroupFrame.h"
#include "ui/ResultLabel.h"
#include "ui/SurfacePicture.h"
#include "ui/Zoom.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

// What poppler makes of a PDF: its pages, its page size and its text without blanks (where a
// gap is a space is poppler's guess), its lines laid out as on the page, so that a row of a
// table reads as one line.
struct Pdf {
    int pages = 0;
    QString pageSize;
    QString text;

    bool has(QString part) const { return text.contains(part.remove(u' ')); }
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

Pdf readPdf(const QString& path)
{
    Pdf pdf;
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    pdf.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    pdf.pageSize = QRegularExpression(QStringLiteral("Page size:\\s+(.*)")).match(info).captured(1);
    pdf.text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                   .remove(QRegularExpression(QStringLiteral("[ \\t]+")));
    return pdf;
}

QAction* command(Form1& form, const char* name) { return form.commands().action(QString::fromLatin1(name)); }

[[nodiscard]] bool showActive(LoadedWindow& w)
{
    w.form.show();
    w.form.activateWindow();
    return QTest::qWaitForWindowActive(&w.form);
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: scripts/install-deps.sh poppler-utils");
    }

    void everyMenuOffersTheWorksheet_data()
    {
        QTest::addColumn<QString>("widget");
        for (const char* name : {"Picture1", "Picture2", "Frame1", "Frame3"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyMenuOffersTheWorksheet()
    {
        QFETCH(QString, widget);
        LoadedWindow w;
        std::unique_ptr<QMenu> menu(w.form.commands().menuFor(w.form.findChild<QWidget*>(widget)));
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text();
        for (const char* text : {"Arbeitsblatt drucken …", "Arbeitsblatt als PDF …", "Ergebnisse leer lassen"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), qPrintable(texts.join(u'|')));
        QCOMPARE(command(w.form, "printWorksheetAction")->shortcut(), QKeySequence(QKeySequence::Print));
        QVERIFY(command(w.form, "emptyResultsAction")->isCheckable());
        QCOMPARE(texts.contains(QStringLiteral("Bild mit Legende kopieren")), widget == u"Picture1");
    }

    // The page read back: one A4 page, the inputs and the captions as the window shows them,
    // the derived quantities, the legends and the resonance; on the pupils' sheet empty boxes
    // and no number of a result.
    void worksheetReadsBack_data()
    {
        QTest::addColumn<bool>("pupils");
        QTest::addColumn<bool>("plotted");
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<bool>("capacitorIn");
        QTest::addColumn<double>("zoom");
        QTest::newRow("teacher, before a plot") << false << false << false << true << 1.0;
        QTest::newRow("pupils, before a plot") << true << false << false << true << 1.0;
        QTest::newRow("teacher, plotted") << false << true << false << true << 1.0;
        QTest::newRow("pupils, plotted") << true << true << false << true << 1.0;
        QTest::newRow("teacher, switch-on plot") << false << true << true << true << 1.0;
        QTest::newRow("pupils, capacitor out") << true << true << false << false << 1.0;
        QTest::newRow("teacher, plotted at 200 %") << false << true << false << true << 2.0;
    }
    void worksheetReadsBack()
    {
        QFETCH(bool, pupils);
        QFETCH(bool, plotted);
        QFETCH(bool, switchOn);
        QFETCH(bool, capacitorIn);
        QFETCH(double, zoom);
        DialogRecorder dialogs;
        ui::setZoom(zoom);
        const auto atNormalSize = qScopeGuard([] { ui::setZoom(1.0); });
        LoadedWindow w;
        const Controls& c = w.controls;
        c.Check4->setChecked(true);
        c.Check1->setChecked(capacitorIn);
        c.Check8->setChecked(switchOn);
        if (plotted)
            c.Command1->click();
        command(w.form, "emptyResultsAction")->setChecked(pupils);
        dialogs.clear();

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Arbeitsblatt.pdf"));
        dialogs.fileAnswers.push_back(path);
        command(w.form, "worksheetPdfAction")->trigger();
        QCOMPARE(dialogs.fileQuestions.size(), std::size_t(1));
        QVERIFY(dialogs.fileQuestions[0].suggested.endsWith(QStringLiteral(".pdf")));
        QCOMPARE(dialogs.texts(), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("Arbeitsblatt.pdf")});

        const Pdf pdf = readPdf(path);
        QCOMPARE(pdf.pages, 1);
        QVERIFY2(pdf.pageSize.contains(QStringLiteral("(A4)")), qPrintable(pdf.pageSize));
        auto has = [&pdf](const QString& part) { return pdf.has(part); };
        QVERIFY2(has(QStringLiteral("Arbeitsblatt: Wechselstromkreis mit R, C und L")), qPrintable(pdf.text));
        QVERIFY(has(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));

        // The inputs, in the table and in the schematic's fields; the results as shown.
        for (const CircuitInput& in : circuitInputs()) {
            const QString value = (c.*in.field)->text();
            const bool out = !in.readWithoutCapacitor && !capacitorIn;
            QVERIFY2(has(out ? in.symbol + QStringLiteral(": ausgebaut") : in.symbol + QStringLiteral(" = ") + value + u' ' + in.unit),
                     qPrintable(in.symbol));
        }
        for (QLabel* label : resultLabels(c)) {
            const auto* result = static_cast<ui::ResultLabel*>(label);
            const QString shown = result->quantity() + QStringLiteral(" = ") + label->text() + u' ' + result->unitText();
            const QString empty = result->quantity() + QStringLiteral(" = ") + result->unitText();
            QVERIFY2(has(pupils ? empty : shown), qPrintable(shown));
            if (pupils && label != c.ueff) // Ueff is U as typed
                QVERIFY2(!has(label->text()), qPrintable(label->text()));
        }
        const auto values = readCircuit(w.form.staticAnalysis().lastRead()).values;
        QVERIFY(values);
        for (const DerivedQuantity& q : derivedQuantities(*values)) {
            if (!q.value)
                continue;
            if (quantityText(q.value).size() > 3) // a number that stands for itself
                QCOMPARE(has(quantityText(q.value)), !pupils);
            if (!pupils)
                QVERIFY2(has(q.name + QStringLiteral(" = ") + quantityText(q.value)), qPrintable(q.name));
        }

        // The curves and their legend, or the note before any plot.
        QCOMPARE(has(QStringLiteral("Noch keine Kurven")), !plotted);
        if (plotted) {
            for (QCheckBox* box : {c.Check2, c.Check3, c.Check4})
                QVERIFY2(has(box->text()), qPrintable(box->text()));
            QCOMPARE(has(QStringLiteral("Û = %1 V").arg(quantityText(german(c.udach->text())))), !pupils);
            QCOMPARE(has(QStringLiteral("Û·Î")), !switchOn);
            QCOMPARE(has(QStringLiteral("14/11·Î")), switchOn);
        }
        // The phasors shown, with their scale.
        QVERIFY(has(QStringLiteral("Radius des Kreises")));
        // I(f), marked at f and f₀, where there is a resonance.
        QCOMPARE(has(QStringLiteral("Keine Resonanz: der Kondensator ist ausgebaut.")), !capacitorIn);
        if (capacitorIn && !switchOn)
            QCOMPARE(has(QStringLiteral("f₀ = 159,15 Hz")), !pupils);
    }

    // A PDF that cannot be written: one message with the reason, and nothing left behind.
    void anUnwritablePdfLeavesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("in a folder that is a file") << QStringLiteral("Notizen.txt/Arbeitsblatt.pdf");
        QTest::newRow("in a missing folder") << QStringLiteral("fehlt/Arbeitsblatt.pdf");
        QTest::newRow("over a folder") << QStringLiteral("Ordner");
    }
    void anUnwritablePdfLeavesNothing()
    {
        QFETCH(QString, name);
        DialogRecorder dialogs;
        LoadedWindow w;
        w.controls.Command1->click();
        QTemporaryDir dir;
        QFile notes(dir.filePath(QStringLiteral("Notizen.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("Hausaufgaben\n");
        notes.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Ordner")));
        const auto before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        const QString path = dir.filePath(name);
        dialogs.fileAnswers.push_back(path);
        command(w.form, "worksheetPdfAction")->trigger();
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("Arbeitsblatt als PDF"));
        QCOMPARE(dialogs.messages[0].icon, ui::MessageIcon::Critical);
        QVERIFY(dialogs.messages[0].text.startsWith(QStringLiteral("Das Arbeitsblatt ließ sich nicht als PDF speichern:\n") +
                                                    QDir::toNativeSeparators(path) + QStringLiteral("\n\n")));
        QVERIFY(dialogs.messages[0].text.size() > dialogs.messages[0].text.indexOf(QStringLiteral("\n\n")) + 2); // a reason
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
        QVERIFY(QDir(dir.filePath(QStringLiteral("Ordner"))).isEmpty());
        QCOMPARE(notes.size(), qint64(13));
    }

    // Ctrl+P opens the print preview; the printer chosen there gets the page, and a printer
    // that fails gives one message.
    void printingGoesThroughThePreview_data()
    {
        QTest::addColumn<bool>("prints");
        QTest::addColumn<QString>("name");
        QTest::newRow("printed") << true << QStringLiteral("Druck.pdf");
        QTest::newRow("printer fails") << true << QStringLiteral("fehlt/Druck.pdf");
        QTest::newRow("preview closed") << false << QStringLiteral("Druck.pdf");
    }
    void printingGoesThroughThePreview()
    {
        QFETCH(bool, prints);
        QFETCH(QString, name);
        DialogRecorder dialogs;
        LoadedWindow w;
        QVERIFY(showActive(w));
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QPageSize::PageSizeId size = QPageSize::Custom;
        dialogs.printAnswer = [&](QPrinter& printer, const ui::PrintPainter& paint) {
            size = printer.pageLayout().pageSize().id();
            if (!prints)
                return;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            paint(printer);
        };
        QTest::keyClick(&w.form, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs.printPreviews, 1);
        QCOMPARE(size, QPageSize::A4);
        const bool fails = name.contains(u'/');
        QCOMPARE(QFile::exists(path), prints && !fails);
        QCOMPARE(dialogs.messages.size(), std::size_t(fails ? 1 : 0));
        if (fails) {
            QCOMPARE(dialogs.messages[0].title, QStringLiteral("Arbeitsblatt drucken"));
            QVERIFY(dialogs.messages[0].text.contains(path));
        } else if (prints) {
            const Pdf pdf = readPdf(path);
            QCOMPARE(pdf.pages, 1);
            QVERIFY(pdf.has(QStringLiteral("Arbeitsblatt: Wechselstromkreis mit R, C und L")));
        }
    }

    // "Bild mit Legende kopieren": the curves as the window shows them, and below them every
    // drawn curve in its colour.
    void theCurvesCopyWithTheirLegend()
    {
        DialogRecorder dialogs;
        ShownWindow w;
        w.controls.Check2->setChecked(true);
        w.controls.Check3->setChecked(true);
        w.controls.Check4->setChecked(false);
        w.controls.Command1->click();
        QGuiApplication::clipboard()->clear();
        command(w.form, "Picture1CopyPictureWithLegend")->trigger();
        const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        const QImage picture = ui::SurfacePicture::of(*w.controls.Picture1).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied.width(), picture.width());
        QVERIFY(copied.height() > picture.height() + 20);
        QCOMPARE(copied.copy(0, 0, picture.width(), picture.height()), picture);
        std::set<QRgb> legendColours;
        for (int y = picture.height(); y < copied.height(); ++y)
            for (int x = 0; x < copied.width(); ++x)
                legendColours.insert(copied.pixel(x, y) & 0xffffff);
        QVERIFY(legendColours.count(qRgb(255, 0, 0) & 0xffffff));   // Angelegte Spannung
        QVERIFY(legendColours.count(qRgb(0, 0, 192) & 0xffffff));   // Strom
        QVERIFY(!legendColours.count(qRgb(0, 192, 0) & 0xffffff));  // Leistung is not drawn
        QVERIFY(dialogs.messages.empty());
    }

private:
    static double german(const QString& text) { return optionalNumber(text).value_or(0.0); }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
