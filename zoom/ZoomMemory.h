// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The zoom the user chose last, in percent, kept in the user's settings for the next start.
namespace zoom {

std::optional<int> rememberedPercent();
void rememberPercent(int percent);

} // namespace zoom
