#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need, where missing.
set -euo pipefail

# fonts-liberation brings Liberation Sans Narrow, the face the window is laid out for;
# qt6-translations-l10n the German texts of Qt's own dialogs; qt6-charts-dev the curves of the
# window "Resonanz und Leistung" (its CMake package also wants libqt6opengl6-dev);
# desktop-file-utils, libxml2-utils and shared-mime-info the test of the lessons' file type.
packages=(g++ make cmake qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev fonts-liberation fonts-liberation2 qt6-translations-l10n
          desktop-file-utils libxml2-utils shared-mime-info "$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
