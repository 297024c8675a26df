#include "ui/ControlValues.h"

#include "circuit/CalcError.h"
#include "circuit/GermanNumber.h"

#include <QLabel>
#include <QLineEdit>

#include <array>
#include <cstdint>

namespace {

std::optional<double> parse(const QString& text)
{
    return circuit::parseGermanNumber(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
}

// The handlers read the same few unchanged texts and captions thousands of times in a plot.
// A text that a control hands out again and again is one shared string: its reading is kept
// against that string's data block. Holding a reference to the block keeps the block alive
// and its characters unchanged (a shared string detaches before any change), so the same
// block, start and length mean the same characters and the same number.
class ReadingCache {
public:
    std::optional<double> optionalNumber(const QString& text)
    {
        const auto* block = const_cast<QString&>(text).data_ptr().d_ptr();
        if (!block) // static or raw data: nothing to hold on to
            return parse(text);
        Entry& entry = entries_[(reinterpret_cast<std::uintptr_t>(block) >> 4) % entries_.size()];
        if (entry.block != block || entry.text.constData() != text.constData() || entry.text.size() != text.size()) {
            entry.text = text;
            entry.block = block;
            entry.value = parse(text);
        }
        return entry.value;
    }

private:
    struct Entry {
        QString text; // the reference that keeps the block
        const void* block = nullptr;
        std::optional<double> value;
    };
    std::array<Entry, 64> entries_{};
};

ReadingCache& cache()
{
    thread_local ReadingCache instance;
    return instance;
}

} // namespace

std::optional<double> optionalNumber(const QString& text) { return cache().optionalNumber(text); }

namespace {

double required(const QString& text)
{
    const auto value = optionalNumber(text);
    if (!value)
        throw circuit::CalcError("text is not a number");
    return *value;
}

} // namespace

double requiredNumber(const QLineEdit* field) { return required(field->text()); }
double requiredNumber(const QLabel* caption) { return required(caption->text()); }

QString textOf(double value) { return QString::fromStdString(circuit::formatGermanNumber(value)); }
