# SPDX-License-Identifier: GPL-3.0-or-later
# app/Version.h in the build tree, with the version of project(); every target finds it as
# "app/Version.h".
configure_file(${PROJECT_SOURCE_DIR}/app/Version.h.in ${PROJECT_BINARY_DIR}/generated/app/Version.h @ONLY)
include_directories(${PROJECT_BINARY_DIR}/generated)
