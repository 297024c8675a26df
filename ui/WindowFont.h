// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace ui {

// The window's default font. Its twips layout wants a narrow sans-serif face of about 11
// pixels at 96 dpi (8 point): a narrow face at 8.25 point where one is installed, otherwise
// a regular sans-serif face one pixel smaller, which takes about the same width.
QFont windowFont();

} // namespace ui
