// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorksheetCopy.h"

#include "ui/ControlValues.h"
#include "plot/PlotValues.h"
#include "ui/DrawingSurface.h"
#include "ui/SurfacePicture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QKeyEvent>

#include <functional>

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

// Ctrl+C on a focused surface: its key press, which reaches the surface only while it has
// the focus.
class CopyKey : public QObject {
public:
    CopyKey(QObject* parent, std::function<void()> copy) : QObject(parent), copy_(std::move(copy)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        copy_();
        return true;
    }

private:
    std::function<void()> copy_;
};

std::optional<double> valueOf(const QLineEdit* field) { return optionalNumber(field->text()); }
std::optional<double> valueOf(const QLabel* caption) { return optionalNumber(caption->text()); }

} // namespace

WorksheetCopy::WorksheetCopy(const Controls& controls) : controls_(controls)
{
    for (ui::DrawingSurface* surface : {controls_.Picture1, controls_.Picture2}) {
        surface->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(surface, &QWidget::customContextMenuRequested, surface,
                         [this, surface](const QPoint& at) { showMenu(surface, at); });
        surface->installEventFilter(new CopyKey(surface, [this, surface] { copyPicture(surface); }));
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

void WorksheetCopy::copyWindow() const { QGuiApplication::clipboard()->setImage(controls_.form->grab().toImage()); }

void WorksheetCopy::copyValues() const { QGuiApplication::clipboard()->setText(valuesText()); }

QString WorksheetCopy::valuesText() const
{
    const QChar tab(u'\t');
    QString text;
    auto row = [&](const QString& name, const QString& value, const QString& unit = {}) {
        text += name + tab + value + (unit.isEmpty() ? QString() : tab + unit) + u'\n';
    };
    const bool switchOn = controls_.Check8->isChecked();

    // The inputs and results as the window shows them, in its own words and units.
    row(QStringLiteral(u"Größe"), QStringLiteral(u"Wert"), QStringLiteral(u"Einheit"));
    row(QStringLiteral(u"U"), controls_.u->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"f"), controls_.f->text(), QStringLiteral(u"Hz"));
    row(QStringLiteral(u"R"), controls_.r->text(), QStringLiteral(u"Ohm"));
    row(QStringLiteral(u"C"), controls_.Check1->isChecked() ? controls_.c->text() : QStringLiteral(u"ausgebaut"),
        controls_.Check1->isChecked() ? QStringLiteral(u"F") : QString());
    row(QStringLiteral(u"L"), controls_.l->text(), QStringLiteral(u"Hy"));
    row(QStringLiteral(u"Anzahl der Perioden"), controls_.perioden->text());
    if (switchOn)
        row(QStringLiteral(u"Phase im Moment des Einschaltens"), controls_.phaseein->text(), QStringLiteral(u"Grad"));
    row(QStringLiteral(u"Ueff"), controls_.ueff->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"Ieff"), controls_.ieff->text(), QStringLiteral(u"A"));
    row(QStringLiteral(u"Û"), controls_.udach->text(), QStringLiteral(u"V"));
    row(QStringLiteral(u"Î"), controls_.idach->text(), QStringLiteral(u"A"));
    row(QStringLiteral(u"Z"), controls_.z->text(), QStringLiteral(u"Ohm"));
    row(QStringLiteral(u"phi"), controls_.phi->text(), QStringLiteral(u"Grad"));

    plot::ValueTable table;
    if (switchOn) {
        const plot::SwitchOnInputs in{valueOf(controls_.perioden), valueOf(controls_.phaseein), valueOf(controls_.f), valueOf(controls_.r),
                                      valueOf(controls_.c), valueOf(controls_.udach), valueOf(controls_.idach), valueOf(controls_.phi)};
        table = plot::switchOnValues(in, controls_.Check2->isChecked(), controls_.Check3->isChecked(), controls_.Check4->isChecked());
    } else {
        std::vector<CurveValue> on;
        for (auto [box, curve] : {std::pair{controls_.Check2, CurveValue::Voltage}, {controls_.Check3, CurveValue::Current},
                                  {controls_.Check4, CurveValue::Power}, {controls_.Check5, CurveValue::Resistor},
                                  {controls_.Check6, CurveValue::Capacitor}, {controls_.Check7, CurveValue::Coil}}) {
            // The capacitor voltage is drawn only with the capacitor built in.
            if (box->isChecked() && (curve != CurveValue::Capacitor || controls_.Check1->isChecked()))
                on.push_back(curve);
        }
        const plot::SteadyStateInputs in{valueOf(controls_.perioden), valueOf(controls_.phi), valueOf(controls_.udach), valueOf(controls_.idach),
                                         valueOf(controls_.r), valueOf(controls_.f), valueOf(controls_.c), valueOf(controls_.l)};
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
