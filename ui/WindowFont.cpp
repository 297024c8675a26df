// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui {

QFont windowFont()
{
    // Metric twins of Arial Narrow (Debian: fonts-liberation, fonts-urw-base35).
    const QStringList narrow{QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                             QStringLiteral("Arial Narrow")};
    for (const QString& family : narrow) {
        if (QFontDatabase::hasFamily(family)) {
            QFont font(family);
            font.setPointSizeF(8.25);
            return font;
        }
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    return font;
}

} // namespace ui
