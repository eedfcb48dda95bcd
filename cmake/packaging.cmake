# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Desktop integration (launcher, icons, AppStream metainfo) and the Debian package.

# The project's web site, named once: the AppStream homepage and screenshots, and the package's
# Homepage field. The screenshots are docs/screenshots/*.png published under <site>/screenshots/.
# The project has no web site of its own yet: the default is a reserved example address, to be
# replaced with -DMOVESTA_HOMEPAGE=... when packaging for publication.
set(MOVESTA_HOMEPAGE "https://movesta.example.org" CACHE STRING "Web site of the Movesta project")
# The maintainers' address, under the project's own domain: the package, its changelog and copyright.
string(REGEX REPLACE "^[a-z]+://([^/]+).*$" "\\1" MOVESTA_DOMAIN "${MOVESTA_HOMEPAGE}")
set(MOVESTA_MAINTAINER "Movesta developers <maintainers@${MOVESTA_DOMAIN}>"
    CACHE STRING "Name and address of the package's maintainers")
set(MOVESTA_APP_ID org.movesta.Movesta)

# The package's documentation: copyright (machine-readable), changelog and the manual page, the
# last two compressed as Debian wants them (gzip -9n: no name, no time stamp).
set(doc_dir ${PROJECT_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${doc_dir}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${doc_dir}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/movesta.1.in ${doc_dir}/movesta.1 @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
foreach(file changelog movesta.1)
    add_custom_command(OUTPUT ${doc_dir}/${file}.gz
        COMMAND ${GZIP_PROGRAM} -9nkf ${doc_dir}/${file}
        DEPENDS ${doc_dir}/${file}
        VERBATIM)
endforeach()
add_custom_target(movesta_docs ALL DEPENDS ${doc_dir}/changelog.gz ${doc_dir}/movesta.1.gz)
install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/movesta)
install(FILES ${doc_dir}/movesta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/movesta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

foreach(size IN ITEMS 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/movesta.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/scalable/apps/movesta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Only the screenshots that exist are announced; the main window's comes first, as the default.
# A screenshot added later re-runs the configuration.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/screenshots)
set(MOVESTA_METAINFO_SCREENSHOTS "")
# A screenshot of each window, none larger than 1000x700 (check-install.sh sees to it), each
# caption one sentence.
set(screenshot_captions
    "main_window|The main window, where the weight is given and the two calculators are opened"
    "planner|The energy expenditure planner with a list of activities and its totals"
    "time_to_burn|The time-to-burn calculator with the time an activity takes to spend the energy"
    "diary|The diary with a month's calendar, a day's activities and a chart of the month"
    "my_activities|The window where activities of one's own are added, renamed and deleted")
foreach(entry IN LISTS screenshot_captions)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 shot)
    list(GET entry 1 caption)
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/docs/screenshots/${shot}.png)
        continue()
    endif()
    if(MOVESTA_METAINFO_SCREENSHOTS STREQUAL "")
        set(type " type=\"default\"")
    else()
        set(type "")
    endif()
    string(APPEND MOVESTA_METAINFO_SCREENSHOTS
        "    <screenshot${type}>\n"
        "      <caption>${caption}</caption>\n"
        "      <image>${MOVESTA_HOMEPAGE}/screenshots/${shot}.png</image>\n"
        "    </screenshot>\n")
endforeach()
string(REGEX REPLACE "\n$" "" MOVESTA_METAINFO_SCREENSHOTS "${MOVESTA_METAINFO_SCREENSHOTS}")
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/${MOVESTA_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/desktop/${MOVESTA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/desktop/${MOVESTA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package. A package always installs under /usr; configure with
# -DCMAKE_INSTALL_PREFIX=/usr so the data directory compiled into the program is the same.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME movesta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Movesta developers")
set(CPACK_PACKAGE_CONTACT "${MOVESTA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "energy spent in physical activity, and the time to spend it")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MOVESTA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MOVESTA_HOMEPAGE})
# The summary above becomes the first line; CPack indents the rest.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Movesta is a small desktop calculator of the energy a person spends in"
    "physical activity, over a built-in catalogue of 478 activities. Its planner"
    "adds up the energy of chosen activities and durations in kJ and kcal; its"
    "time-to-burn calculator tells how long an activity must last to spend a"
    "given energy. A product page with the formulas and the whole catalogue is"
    "installed with it.")
# The libraries come from dpkg-shlibdeps; the SVG plugins, the display plugins and SQLite (the
# diary's, loaded at its first use) are loaded at run time, which it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsqlite3-0")
# xdg-open opens the product page in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# The source release (cmake --build BUILD --target package_source): what git tracks, without the
# build folders and the repository itself.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME movesta-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/\\\\.git$" "/build/" "/build-[^/]*/" "\\\\.user$"
    "/compile_commands\\\\.json$" "/__pycache__/")
include(CPack)
