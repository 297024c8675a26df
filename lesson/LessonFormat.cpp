// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/LessonFormat.h"

#include "controls/CircuitInputs.h"
#include "plot/Curves.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>

#include <cmath>

namespace lessonformat {
namespace {

const QString kFormatName = QStringLiteral("wellgrat-lesson");

// Reads the keys of one group into a lesson, or stops at the first key of the wrong kind.
class Reader {
public:
    Reader(const QJsonObject& object, QString path) : object_(object), path_(std::move(path)) {}

    QString problem; // the first one met

    void text(const QString& key, QString& into)
    {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined() || !problem.isEmpty())
            return;
        if (!value.isString())
            return fail(QStringLiteral("„%1“ muss ein Text in Anführungszeichen sein, etwa \"10\".").arg(name(key)));
        if (value.toString().size() > kMaxTextLength)
            return fail(QStringLiteral("„%1“ ist länger, als ein Eingabefeld fassen kann.").arg(name(key)));
        into = value.toString();
    }

    void flag(const QString& key, bool& into)
    {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined() || !problem.isEmpty())
            return;
        if (!value.isBool())
            return fail(QStringLiteral("„%1“ muss true oder false sein.").arg(name(key)));
        into = value.toBool();
    }

    // Whether the file gives this colour.
    bool colour(const QString& key, QColor& into)
    {
        static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QJsonValue value = object_.value(key);
        if (value.isUndefined() || !problem.isEmpty())
            return false;
        if (!value.isString() || !rgb.match(value.toString()).hasMatch()) {
            fail(QStringLiteral("„%1“ muss eine Farbe wie \"#ff0000\" sein.").arg(name(key)));
            return false;
        }
        into = QColor::fromString(value.toString());
        return true;
    }

    // A group of keys; an empty reader when it is left out.
    Reader group(const QString& key)
    {
        const QJsonValue value = object_.value(key);
        if (!value.isUndefined() && !value.isObject() && problem.isEmpty())
            fail(QStringLiteral("„%1“ muss eine Gruppe in geschweiften Klammern sein.").arg(name(key)));
        return Reader(value.toObject(), name(key));
    }

    // A problem of a group read by another reader becomes this one's.
    void take(const Reader& inner)
    {
        if (problem.isEmpty())
            problem = inner.problem;
    }

private:
    QString name(const QString& key) const { return path_.isEmpty() ? key : path_ + u'.' + key; }
    void fail(const QString& what) { problem = what; }

    QJsonObject object_;
    QString path_;
};

// What the JSON reader met, told so that a teacher knows what became of the file.
QString jsonProblem(const QByteArray& bytes, const QJsonParseError& error)
{
    if (bytes.trimmed().isEmpty())
        return QStringLiteral("Die Datei ist leer.");
    if (bytes.contains('\0') || QString::fromUtf8(bytes).toUtf8() != bytes)
        return QStringLiteral("Die Datei ist keine Textdatei, sie enthält Binärdaten.");
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("Die Datei ist unvollständig: Sie bricht mitten im Inhalt ab.");
    default:
        if (error.offset >= bytes.trimmed().size())
            return QStringLiteral("Die Datei ist unvollständig: Sie bricht mitten im Inhalt ab.");
        return QStringLiteral("Der Inhalt ist kein gültiges JSON (Fehler bei Zeichen %1).").arg(error.offset);
    }
}

} // namespace

Parsed parse(const QByteArray& json, const Lesson& defaults)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, jsonProblem(json, error)};
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")).toString() != kFormatName)
        return {std::nullopt, QStringLiteral("Das ist keine Wellgrat-Versuchsdatei.")};
    const QJsonValue version = top.value(QStringLiteral("version"));
    const double number = version.toDouble(-1.0);
    if (!version.isDouble() || number < 1.0 || number != std::floor(number))
        return {std::nullopt, QStringLiteral("Die Formatversion fehlt oder ist keine ganze Zahl ab 1.")};
    if (number > kVersion)
        return {std::nullopt, QStringLiteral("Die Datei wurde von einer neueren Wellgrat-Version gespeichert "
                                             "(Format %1); diese Version liest Format %2 und älter. "
                                             "Bitte Wellgrat aktualisieren.")
                                  .arg(QString::number(number, 'g', 15))
                                  .arg(kVersion)};

    Lesson lesson = defaults;
    Reader root(top, {});
    root.text(QStringLiteral("title"), lesson.title);
    root.text(QStringLiteral("description"), lesson.description);

    Reader circuit = root.group(QStringLiteral("circuit"));
    for (const CircuitInput& input : circuitInputs())
        circuit.text(input.fileKey, lesson.circuit.text[std::size_t(input.input)]);
    circuit.flag(QStringLiteral("capacitorBuiltIn"), lesson.circuit.capacitorIn);
    root.take(circuit);

    Reader curves = root.group(QStringLiteral("curves"));
    for (std::size_t i = 0; i < lesson.curves.size(); ++i) {
        Lesson::CurveSetting& curve = lesson.curves[i];
        Reader setting = curves.group(QString::fromLatin1(plot::curveTable()[i].fileKey));
        setting.flag(QStringLiteral("shown"), curve.shown);
        // A colour chosen in the window is the phasor's too, unless the file says otherwise.
        if (setting.colour(QStringLiteral("colour"), curve.colour) && curve.phasorColour.isValid())
            curve.phasorColour = curve.colour;
        if (curve.phasorColour.isValid())
            setting.colour(QStringLiteral("phasorColour"), curve.phasorColour);
        curves.take(setting);
    }
    root.take(curves);

    Reader plot = root.group(QStringLiteral("plot"));
    plot.text(QStringLiteral("periods"), lesson.periods);
    plot.flag(QStringLiteral("refreshWhileDrawing"), lesson.refreshWhileDrawing);
    plot.flag(QStringLiteral("switchOn"), lesson.switchOn);
    plot.text(QStringLiteral("switchOnPhase"), lesson.switchOnPhase);
    root.take(plot);

    Reader phasors = root.group(QStringLiteral("phasors"));
    phasors.flag(QStringLiteral("shown"), lesson.phasorsOn);
    phasors.flag(QStringLiteral("loop"), lesson.loop);
    phasors.text(QStringLiteral("delay"), lesson.delay);
    root.take(phasors);

    if (!root.problem.isEmpty())
        return {std::nullopt, root.problem};
    return {lesson, {}};
}

QByteArray write(const Lesson& lesson)
{
    QJsonObject circuit;
    for (const CircuitInput& input : circuitInputs())
        circuit.insert(input.fileKey, lesson.circuit[input.input]);
    circuit.insert(QStringLiteral("capacitorBuiltIn"), lesson.circuit.capacitorIn);

    QJsonObject curves;
    for (std::size_t i = 0; i < lesson.curves.size(); ++i) {
        const Lesson::CurveSetting& curve = lesson.curves[i];
        QJsonObject setting{{QStringLiteral("shown"), curve.shown}, {QStringLiteral("colour"), curve.colour.name()}};
        if (curve.phasorColour.isValid() && curve.phasorColour != curve.colour)
            setting.insert(QStringLiteral("phasorColour"), curve.phasorColour.name());
        curves.insert(QString::fromLatin1(plot::curveTable()[i].fileKey), setting);
    }

    const QJsonObject top{
        {QStringLiteral("format"), kFormatName},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("title"), lesson.title},
        {QStringLiteral("description"), lesson.description},
        {QStringLiteral("circuit"), circuit},
        {QStringLiteral("curves"), curves},
        {QStringLiteral("plot"),
         QJsonObject{{QStringLiteral("periods"), lesson.periods},
                     {QStringLiteral("refreshWhileDrawing"), lesson.refreshWhileDrawing},
                     {QStringLiteral("switchOn"), lesson.switchOn},
                     {QStringLiteral("switchOnPhase"), lesson.switchOnPhase}}},
        {QStringLiteral("phasors"), QJsonObject{{QStringLiteral("shown"), lesson.phasorsOn},
                                                {QStringLiteral("loop"), lesson.loop},
                                                {QStringLiteral("delay"), lesson.delay}}},
    };
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

} // namespace lessonformat
