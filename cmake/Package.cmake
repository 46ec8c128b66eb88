# The Debian package. In a build folder, `cpack -G DEB` gives nemra_VERSION_amd64.deb with
# the program, nemra-chart and its manual page, the city list, the glyph font, the desktop
# entry, the icon, the AppStream metadata, the copyright with its three licences and the
# changelog; its dependencies are what dpkg-shlibdeps finds plus the ephemeris files, the
# Thai fonts and Qt's platform plugins. scripts/package makes a release build for /usr and
# runs it.

set(NEMRA_APP_ID "org.example.Nemra")
set(NEMRA_APP_DEVELOPER_ID "org.example")
set(NEMRA_PACKAGE_MAINTAINER "Nemra developers <nemra@example.org>"
    CACHE STRING "Maintainer of the Debian package: name <address>")
set(NEMRA_PACKAGING_DIR "${PROJECT_BINARY_DIR}/packaging")
set(NEMRA_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/nemra")

# A licence text as the copyright file's format wants it: each line indented by one blank,
# an empty line written " .".
function(nemra_copyright_text file variable)
  file(READ "${file}" text)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" "\n " text " ${text}")
  string(REGEX REPLACE "\n[ \t]+\n" "\n .\n" text "${text}")
  string(REGEX REPLACE "\n[ \t]+\n" "\n .\n" text "${text}") # the lines a first pass shared
  string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
  string(REPLACE "\n\n" "\n .\n" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

nemra_copyright_text("${PROJECT_SOURCE_DIR}/LICENSE" NEMRA_AGPL_TEXT)
nemra_copyright_text("${PROJECT_SOURCE_DIR}/resources/fonts/Zodiglyph-LICENSE.txt" NEMRA_OFL_TEXT)
configure_file(packaging/copyright.in "${NEMRA_PACKAGING_DIR}/copyright" @ONLY)
configure_file(packaging/changelog.in "${NEMRA_PACKAGING_DIR}/changelog" @ONLY)
execute_process(COMMAND gzip -9nf "${NEMRA_PACKAGING_DIR}/changelog" RESULT_VARIABLE gzip_failed)
if(gzip_failed)
  message(FATAL_ERROR "gzip could not compress the package's changelog")
endif()
configure_file(resources/nemra.metainfo.xml.in "${NEMRA_PACKAGING_DIR}/${NEMRA_APP_ID}.metainfo.xml" @ONLY)

install(FILES "${NEMRA_PACKAGING_DIR}/copyright" "${NEMRA_PACKAGING_DIR}/changelog.gz" DESTINATION ${NEMRA_DOC_DIR})
install(FILES "${NEMRA_PACKAGING_DIR}/${NEMRA_APP_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page of nemra-chart, made from its --help when help2man is installed.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  set(man "${NEMRA_PACKAGING_DIR}/nemra-chart.1")
  add_custom_command(OUTPUT "${man}.gz"
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr --section=1 --version-string=${PROJECT_VERSION}
            "--name=cast Uranian astrology charts and print their positions and reports"
            --output=${man} $<TARGET_FILE:nemra-chart>
    COMMAND gzip -9nf ${man}
    DEPENDS nemra-chart
    VERBATIM)
  add_custom_target(nemra_chart_man ALL DEPENDS "${man}.gz")
  install(FILES "${man}.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: no manual page for nemra-chart (scripts/setup installs it)")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nemra)
set(CPACK_PACKAGE_VENDOR "Nemra developers")
set(CPACK_PACKAGE_CONTACT "${NEMRA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Uranian astrology dials, transits and reports in Thai")
set(CPACK_PACKAGE_DESCRIPTION
    "Nemra casts natal and transit charts from a date in the Buddhist era, a clock
time and a place, and shows the factors of Uranian (Hamburg-school) astrology
on a rotating 360 or 90 degree dial and in a position grid, with midpoints,
sensitive points, hit-point reports and a solar-arc table. All texts are Thai.
The tool nemra-chart prints the same positions and reports for scripts.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-basic-data, fonts-thai-tlwg, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
