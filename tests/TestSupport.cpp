// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QColorDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

// The tests keep their settings (the lessons opened last, the zoom) apart from the user's.
[[maybe_unused]] const bool kTestSettings = [] {
    QStandardPaths::setTestModeEnabled(true);
    return true;
}();

// Each test program starts with empty settings: no zoom or lesson of a run before.
void clearSettings() { QSettings().clear(); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(clearSettings)

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
    ui::setFileHandler([this](const ui::FileQuestion& question) -> std::optional<QString> {
        fileQuestions.push_back(question);
        if (fileAnswers.empty())
            return std::nullopt;
        const auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    });
    ui::setSaveHandler([this](const ui::SaveQuestion& question) {
        saveQuestions.push_back(question);
        if (saveAnswers.empty())
            return ui::SaveChoice::Cancel;
        const ui::SaveChoice answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    });
    ui::setPrintPreviewHandler([this](QPrinter& printer, const ui::PrintPainter& paint) {
        ++printPreviews;
        if (printAnswer)
            printAnswer(printer, paint);
    });
}

DialogRecorder::~DialogRecorder()
{
    ui::setMessageHandler({});
    ui::setColourHandler({});
    ui::setFileHandler({});
    ui::setSaveHandler({});
    ui::setPrintPreviewHandler({});
}

QStringList DialogRecorder::texts() const
{
    QStringList result;
    for (const auto& message : messages)
        result << message.text;
    return result;
}

LoadedWindow::LoadedWindow() : controls(form.controls()) { form.Form_Load(); }

ShownWindow::ShownWindow()
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qWarning("window not exposed");
}

QStringList captions(const Controls& controls)
{
    return {controls.ueff->text(), controls.udach->text(), controls.phi->text(), controls.z->text(), controls.ieff->text(), controls.idach->text()};
}

void typeInto(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}

QList<QPoint> pixelsOf(const QImage& image, QRgb colour)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0x00ffffffu) == colour)
                found << QPoint(x, y);
    return found;
}

QPoint sliderPoint(const QSlider* slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider).center();
}
