#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program in Release with Debian's hardening flags and
# makes the Debian package with CPack: build-package/wellgrat_<version>_<arch>.deb. Its
# library dependencies come from dpkg-shlibdeps.
# WELLGRAT_BUILD_DIR chooses another build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev brings dpkg-shlibdeps; CPack looks at the files with file(1).
scripts/install-deps.sh dpkg-dev file
build=${WELLGRAT_BUILD_DIR:-build-package}

# The compiler and linker flags Debian builds its own packages with (hardening included);
# CMake does not read CPPFLAGS, so its definitions go with the compiler flags.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/wellgrat_*.deb
(cd "$build" && cpack -G DEB)
echo "Package: $(ls "$build"/wellgrat_*.deb)"
