// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// A file dropped anywhere on `window`, its input fields included, is handed to `open` once
// the drop is over. Drags of anything but local files pass on as before (text into a field).
void openDroppedFiles(QWidget* window, std::function<void(const QString&)> open);
