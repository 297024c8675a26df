// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorksheetCopy.h"

#include "ui/ControlValues.h"
#include "ui/Curves.h"
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

#include <algorithm>
#include <functional>
#include <map>

using plot::CurveValue;

namespace {

// The value of a curve of the window's list, and its unit.
CurveValue valueOf(Curve curve)
{
    switch (curve) {
    case Curve::AppliedVoltage: return CurveValue::Voltage;
    case Curve::Current: return CurveValue::Current;
    case Curve::Power: return CurveValue::Power;
    case Curve::ResistorVoltage: return CurveValue::Resistor;
    case Curve::CapacitorVoltage: return CurveValue::Capacitor;
    case Curve::CoilVoltage: return CurveValue::Coil;
    }
    return CurveValue::Voltage;
}

QString unitOf(CurveValue value)
{
    return value == CurveValue::Current ? QStringLiteral("A") : value == CurveValue::Power ? QStringLiteral("W") : QStringLiteral("V");
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

    // The curves switched on, in the window's order, and the columns' titles: their names.
    std::vector<CurveValue> on;
    std::map<CurveValue, QString> names;
    for (const CurveControls& curve : curvesOf(controls_)) {
        names[valueOf(curve.curve)] = curve.check->text();
        // The switch-on plot draws three curves; the capacitor voltage needs the capacitor.
        const bool drawn = switchOn ? curve.curve == Curve::AppliedVoltage || curve.curve == Curve::Current
                                          || curve.curve == Curve::Power
                                    : curve.curve != Curve::CapacitorVoltage || controls_.Check1->isChecked();
        if (drawn && curve.check->isChecked())
            on.push_back(valueOf(curve.curve));
    }
    auto has = [&on](CurveValue value) { return std::find(on.begin(), on.end(), value) != on.end(); };
    const auto& k = controls_;
    const plot::ValueTable table =
        switchOn ? plot::switchOnValues({valueOf(k.perioden), valueOf(k.phaseein), valueOf(k.f), valueOf(k.r),
                                         valueOf(k.c), valueOf(k.udach), valueOf(k.idach), valueOf(k.phi)},
                                        has(CurveValue::Voltage), has(CurveValue::Current), has(CurveValue::Power))
                 : plot::steadyStateValues({valueOf(k.perioden), valueOf(k.phi), valueOf(k.udach), valueOf(k.idach),
                                            valueOf(k.r), valueOf(k.f), valueOf(k.c), valueOf(k.l)},
                                           on);
    if (table.curves.empty())
        return text;

    text += u'\n';
    text += QStringLiteral(u"Schritt");
    for (CurveValue curve : table.curves)
        text += tab + names[curve] + QStringLiteral(" in ") + unitOf(curve);
    text += u'\n';
    for (std::size_t i = 0; i < table.steps.size(); ++i) {
        text += QString::number(i + 1);
        for (double value : table.steps[i])
            text += tab + textOf(value);
        text += u'\n';
    }
    return text;
}
