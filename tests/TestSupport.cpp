// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

DialogRecorder::DialogRecorder()
{
    ui::setMessageHandler([this](const ui::Message& message) {
        ++open_;
        maxOpenAtOnce = std::max(maxOpenAtOnce, open_);
        messages.push_back(message);
        --open_;
    });
    ui::setColourHandler([this](QColorDialog& dialog) -> std::optional<QColor> {
        colourDialogOpenedOn.push_back(dialog.currentColor());
        if (colourAnswers.empty())
            return std::nullopt;
        const auto answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    });
}

DialogRecorder::~DialogRecorder()
{
    ui::setMessageHandler({});
    ui::setColourHandler({});
}

QStringList DialogRecorder::texts() const
{
    QStringList result;
    for (const auto& message : messages)
        result << message.text;
    return result;
}

LoadedWindow::LoadedWindow() : c(form.controls()) { form.Form_Load(); }

ShownWindow::ShownWindow()
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qWarning("window not exposed");
}

QStringList captions(const Controls& c)
{
    return {c.ueff->text(), c.udach->text(), c.phi->text(), c.z->text(), c.ieff->text(), c.idach->text()};
}

void typeInto(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}
