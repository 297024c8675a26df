// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom/ZoomMemory.h"

#include <QSettings>

namespace zoom {
namespace {
const QString kKey = QStringLiteral("view/zoomPercent");
} // namespace

std::optional<int> rememberedPercent()
{
    bool isNumber = false;
    const int percent = QSettings().value(kKey).toInt(&isNumber);
    return isNumber ? std::optional<int>(percent) : std::nullopt;
}

void rememberPercent(int percent) { QSettings().setValue(kKey, percent); }

} // namespace zoom
