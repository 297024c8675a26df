// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorksheetCopy.h"

#include "app/ControlValues.h"
#include "plot/PlotValues.h"
#include "ui/DrawingSurface.h"
#include "ui/SurfacePicture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

using plot::CurveValue;

namespace {

QString columnTitle(CurveValue curve)
{
    switch (curve) {
    case CurveValue::Voltage: return QStringLiteral(u"Angelegte Spannung in V");
    case CurveValue::Current: return QStringLiteral(u"Strom in A");
    case CurveValue::Power: return QStringLiteral(u"Leistung in W");
    case CurveValue::Resistor: return QStringLiteral(u"Spannung an R in V");
    case CurveValue::Capacitor: return QStringLiteral(u"Spannung an C in V");
    case CurveValue::Coil: return QStringLiteral(u"Spannung an L in V");
    }
    return {};
}

std::optional<double> valueOf(const QLineEdit* field) { return numberIn(field->text()); }
std::optional<double> valueOf(const QLabel* caption) { return numberIn(caption->text()); }

} // namespace

WorksheetCopy::WorksheetCopy(const Controls& controls) : c(controls)
{
    for (ui::DrawingSurface* surface : {c.Picture1, c.Picture2}) {
        surface->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(surface, &QWidget::customContextMenuRequested, surface,
                         [this, surface](const QPoint& at) { showMenu(surface, at); });
        auto* copy = new QShortcut(QKeySequence::Copy, surface, nullptr, nullptr, Qt::WidgetShortcut);
        QObject::connect(copy, &QShortcut::activated, surface, [this, surface] { copyPicture(surface); });
    }
}

// A popup, not a modal menu: the handler returns at once and the window goes on.
void WorksheetCopy::showMenu(ui::DrawingSurface* surface, const QPoint& at) const
{
    auto* menu = new QMenu(surface);
    menu->setObjectName(QStringLiteral("copyMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The shortcut in German, whatever translations Qt finds: "Strg", not "Ctrl".
    menu->addAction(QStringLiteral("Bild kopieren\tStrg+C"), [this, surface] { copyPicture(surface); });
    menu->addAction(QStringLiteral("Fenster kopieren"), [this] { copyWindow(); });
    menu->addAction(QStringLiteral("Werte kopieren"), [this] { copyValues(); });
    menu->popup(surface->mapToGlobal(at));
}

void WorksheetCopy::copyPicture(ui::DrawingSurface* surface) const
{
    QGuiApplication::clipboard()->setImage(ui::SurfacePicture::of(*surface));
}

void WorksheetCopy::copyWindow() const { QGuiApplication::clipboard()->setImage(c.form->grab().toImage()); }

void WorksheetCopy::copyValues() const { QGuiApplication::clipboard()->setText(valuesText()); }

QString WorksheetCopy::valuesText() const
{
    const QChar tab(u'\t');
    QString text;
    auto row = [&](const QString& name, const QString& value, const QString& unit = {}) {
        text += name + tab + value + (unit.isEmpty() ? QString() : tab + unit) + u'\n';
    };
    const bool switchOn = c.Check8->isChecked();

    // The inputs and results as the window shows them, in its own words and units.
    row(QStringLiteral(u"Größe"), QStringLiteral(u"Wert"), QStringLiteral(u"Einheit"));
    row(QStringLiteral(u"U"), c.u->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"f"), c.f->text(), QStringLiteral(u"Hz"));
    row(QStringLiteral(u"R"), c.r->text(), QStringLiteral(u"Ohm"));
    row(QStringLiteral(u"C"), c.Check1->isChecked() ? c.c->text() : QStringLiteral(u"ausgebaut"),
        c.Check1->isChecked() ? QStringLiteral(u"F") : QString());
    row(QStringLiteral(u"L"), c.l->text(), QStringLiteral(u"Hy"));
    row(QStringLiteral(u"Anzahl der Perioden"), c.perioden->text());
    if (switchOn)
        row(QStringLiteral(u"Phase im Moment des Einschaltens"), c.phaseein->text(), QStringLiteral(u"Grad"));
    row(QStringLiteral(u"Ueff"), c.ueff->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"Ieff"), c.ieff->text(), QStringLiteral(u"A"));
    row(QStringLiteral(u"Û"), c.udach->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"Î"), c.idach->text(), QStringLiteral(u"A"));
    row(QStringLiteral(u"Z"), c.z->text(), QStringLiteral(u"Ohm"));
    row(QStringLiteral(u"phi"), c.phi->text(), QStringLiteral(u"Grad"));

    plot::ValueTable table;
    if (switchOn) {
        const plot::SwitchOnInputs in{valueOf(c.perioden), valueOf(c.phaseein), valueOf(c.f), valueOf(c.r),
                                      valueOf(c.c), valueOf(c.udach), valueOf(c.idach), valueOf(c.phi)};
        table = plot::switchOnValues(in, c.Check2->isChecked(), c.Check3->isChecked(), c.Check4->isChecked());
    } else {
        std::vector<CurveValue> on;
        for (auto [box, curve] : {std::pair{c.Check2, CurveValue::Voltage}, {c.Check3, CurveValue::Current},
                                  {c.Check4, CurveValue::Power}, {c.Check5, CurveValue::Resistor},
                                  {c.Check6, CurveValue::Capacitor}, {c.Check7, CurveValue::Coil}}) {
            // The capacitor voltage is drawn only with the capacitor built in.
            if (box->isChecked() && (curve != CurveValue::Capacitor || c.Check1->isChecked()))
                on.push_back(curve);
        }
        const plot::SteadyStateInputs in{valueOf(c.perioden), valueOf(c.phi), valueOf(c.udach), valueOf(c.idach),
                                         valueOf(c.r), valueOf(c.f), valueOf(c.c), valueOf(c.l)};
        table = plot::steadyStateValues(in, on);
    }
    if (table.curves.empty())
        return text;

    text += u'\n';
    text += QStringLiteral(u"Schritt");
    for (CurveValue curve : table.curves)
        text += tab + columnTitle(curve);
    text += u'\n';
    for (std::size_t i = 0; i < table.steps.size(); ++i) {
        text += QString::number(i + 1);
        for (double value : table.steps[i])
            text += tab + textOf(value);
        text += u'\n';
    }
    return text;
}
