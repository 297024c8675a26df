// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

// Enter and Return on a focused push button of `window` press it, as Space does; outside a
// dialog Qt gives them no meaning there.
void letEnterPressButtons(QWidget* window);

} // namespace ui
