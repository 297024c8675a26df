# SPDX-License-Identifier: GPL-3.0-or-later
# What a Debian system and a software centre expect beside the program, installed by
# `cmake --install` and packed by CPack into wellgrat_<version>_<arch>.deb
# (scripts/package.sh): the AppStream metadata, the German manual page, the copyright file
# and the changelog. The version is the one of project() in CMakeLists.txt.

set(WELLGRAT_APP_ID de.tovander.Wellgrat) # the desktop entry's id: resources/<id>.desktop
set(WELLGRAT_MAINTAINER "Das Wellgrat-Team <wellgrat@tovander.de>")
set(WELLGRAT_HOMEPAGE https://tovander.de/wellgrat/)
# docs/wellgrat.png, as published on the home page (scripts/screenshot.sh makes it).
set(WELLGRAT_SCREENSHOT_URL ${WELLGRAT_HOMEPAGE}wellgrat.png)
# The day this version was released: the metadata's release, the manual page and the changelog.
set(WELLGRAT_RELEASE_DATE 2026-12-07)

find_program(WELLGRAT_GZIP gzip REQUIRED)
find_program(WELLGRAT_DATE date REQUIRED)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${WELLGRAT_DATE} -u -R -d "${WELLGRAT_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE WELLGRAT_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
set(metainfo ${packaging_out}/${WELLGRAT_APP_ID}.metainfo.xml)
configure_file(${packaging_dir}/${WELLGRAT_APP_ID}.metainfo.xml.in ${metainfo} @ONLY)
configure_file(${packaging_dir}/wellgrat.1.in ${packaging_out}/wellgrat.1 @ONLY)
configure_file(${packaging_dir}/changelog.in ${packaging_out}/changelog @ONLY)

# Debian's documentation is compressed with gzip -9n: best compression, no name or time
# stamp in the header, so that the same input gives the same bytes.
foreach(document wellgrat.1 changelog)
    execute_process(COMMAND ${WELLGRAT_GZIP} -9n -c ${packaging_out}/${document}
                    OUTPUT_FILE ${packaging_out}/${document}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_out}/wellgrat.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/copyright ${packaging_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wellgrat)

# The Debian package.
file(READ ${packaging_dir}/description.txt description)
string(REGEX REPLACE "^(#[^\n]*\n)+" "" description "${description}") # the comment on top
string(STRIP "${description}" description)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wellgrat)
set(CPACK_PACKAGE_VENDOR "Das Wellgrat-Team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${WELLGRAT_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # wellgrat_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${WELLGRAT_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION ${description})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${WELLGRAT_HOMEPAGE})
# The libraries come from dpkg-shlibdeps. The window is laid out for Liberation Sans Narrow,
# which Debian ships in fonts-liberation (fonts-liberation2 has no narrow face). Qt's own
# dialogs speak German with qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
include(CPack)
