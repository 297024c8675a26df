// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ResultLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace ui {

namespace {

constexpr int kUnitGap = 2;            // pixels between the end of the caption and its unit
constexpr double kSmallestPoint = 6.0; // smallest type a long caption may take
constexpr double kPointStep = 0.75;    // one pixel at 96 dpi

class ResultLabelAccessible : public QAccessibleWidget {
public:
    explicit ResultLabelAccessible(ResultLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const ResultLabel*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->spokenName();
        case QAccessible::Description:
            return label->fullDescription();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* resultLabelAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ResultLabel::staticMetaObject.className()) && object && object->isWidgetType())
        return new ResultLabelAccessible(static_cast<ResultLabel*>(object));
    return nullptr;
}

int advance(const QFont& font, const QString& text) { return QFontMetrics(font).horizontalAdvance(text) + 1; }

} // namespace

ResultLabel::ResultLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(resultLabelAccessible), true);
    Q_UNUSED(factoryInstalled);
    // QLabel::setText has no signal; a label whose caption changed asks its visible parent for
    // a new layout, and that is the moment to fit the caption.
    if (parent)
        parent->installEventFilter(this);
}

void ResultLabel::setUnit(QLabel* unit, int rightLimit)
{
    unit_ = unit;
    rightLimit_ = rightLimit;
    designBox_ = geometry();
    unitDesignPos_ = unit ? unit->pos() : QPoint();
    fitCaption();
}

void ResultLabel::setSpokenParts(const QString& quantity, const QString& unitWord)
{
    quantity_ = quantity;
    unitWord_ = unitWord;
}

QString ResultLabel::spokenName() const
{
    return unitWord_.isEmpty() ? quantity_ : quantity_ + QStringLiteral(" in ") + unitWord_;
}

QString ResultLabel::spokenDescription() const
{
    QString description = quantity_ + QStringLiteral(" = ") + text().trimmed();
    if (!unitWord_.isEmpty())
        description += QLatin1Char(' ') + unitWord_;
    return description;
}

void ResultLabel::setDetails(std::function<QString()> details)
{
    details_ = std::move(details);
    setToolTip(fullDescription());
}

QString ResultLabel::fullDescription() const
{
    const QString details = details_ ? details_() : QString();
    return details.isEmpty() ? spokenDescription() : spokenDescription() + QStringLiteral("\n\n") + details;
}

void ResultLabel::fitCaption()
{
    if (designBox_.isNull() || !parentWidget())
        return;
    const QString caption = text();
    const int unitWidth = unit_ ? advance(unit_->font(), unit_->text()) + kUnitGap : 0;
    const int room = qMax(designBox_.width(), rightLimit_ - designBox_.left() - unitWidth);

    QFont font = parentWidget()->font();
    int needed = advance(font, caption);
    const bool shrink = needed > room;
    for (double size = font.pointSizeF() - kPointStep; needed > room && size >= kSmallestPoint; size -= kPointStep) {
        font.setPointSizeF(size);
        needed = advance(font, caption);
    }
    if (shrink)
        setFont(font);
    else
        setFont(QFont()); // back to the parent's font
    // A caption too long even for the smallest type shows elided; the tool tip has it whole.
    cut_ = needed > room;
    update();

    const int width = qMin(qMax(designBox_.width(), needed), room);
    setGeometry(designBox_.left(), designBox_.top(), width, designBox_.height());
    if (unit_)
        unit_->move(qMax(unitDesignPos_.x(), designBox_.left() + qMin(needed, room) + kUnitGap), unitDesignPos_.y());

    if (caption != fittedCaption_) {
        fittedCaption_ = caption;
        setToolTip(fullDescription());
        setAccessibleDescription(fullDescription()); // also tells an attached screen reader
    }
}

bool ResultLabel::event(QEvent* event)
{
    // The details also follow inputs that changed without a new caption.
    if (event->type() == QEvent::ToolTip)
        setToolTip(fullDescription());
    return QLabel::event(event);
}

bool ResultLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::LayoutRequest && text() != fittedCaption_)
        fitCaption();
    return QLabel::eventFilter(watched, event);
}

QString ResultLabel::shownText() const
{
    return cut_ ? fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width()) : text();
}

void ResultLabel::paintEvent(QPaintEvent* event)
{
    if (!cut_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

void ResultLabel::showEvent(QShowEvent* event)
{
    fitCaption();
    QLabel::showEvent(event);
}

} // namespace ui
