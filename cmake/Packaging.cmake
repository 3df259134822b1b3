# Installation and the Debian package. The root CMakeLists.txt includes this
# file after add_subdirectory(app):
#   include(cmake/Packaging.cmake)
# Then:  cmake --install build/release --prefix /tmp/x
#        cd build/release && cpack -G DEB

include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Aenderungen.cmake)

set(VAZ_APP_ID "de.vazorodavazivovovar.Vazorodavazivovovar")
set(VAZ_DIST_DIR "${PROJECT_SOURCE_DIR}/dist")
# Files made from the sources for the package: manual pages with the
# project's version, the changelog, the copyright file.
set(VAZ_PAKET_DIR "${CMAKE_BINARY_DIR}/paket")
set(VAZ_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/vazorodavazivovovar")

# Placeholder address until the team has a real one; override with
# -DVAZ_PAKET_BETREUER="Name <mail>". It signs the changelog too.
set(VAZ_PAKET_BETREUER "Vazorodavazivovovar-Team <vazorodavazivovovar@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

# gzip -9n as Debian compresses manual pages and changelogs (no name, no
# time stamp: the same input gives the same bytes).
set(VAZ_GZ_DATEIEN)
macro(vaz_gzip quelle ziel)
  add_custom_command(OUTPUT "${ziel}"
                     COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" "${quelle}" "${ziel}"
                     DEPENDS "${quelle}"
                     VERBATIM)
  list(APPEND VAZ_GZ_DATEIEN "${ziel}")
endmacro()

# --- Changelog, version and copyright ---------------------------------------

# CHANGELOG.md's newest entry must be this version, and the metainfo's
# newest release the same version and date.
vaz_aenderungen("${PROJECT_SOURCE_DIR}/CHANGELOG.md" "${VAZ_PAKET_DIR}/changelog"
                vazorodavazivovovar "${VAZ_PAKET_BETREUER}" vaz_version vaz_datum)
if(NOT vaz_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md: newest entry ${vaz_version}, project version "
                      "${PROJECT_VERSION}: add an entry or mend project(VERSION)")
endif()
file(READ "${VAZ_DIST_DIR}/${VAZ_APP_ID}.metainfo.xml" vaz_metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\" date=\"([^\"]*)\"" vaz_release "${vaz_metainfo}")
if(NOT "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}" STREQUAL "${vaz_version} ${vaz_datum}")
  message(FATAL_ERROR "${VAZ_APP_ID}.metainfo.xml: newest release \"${CMAKE_MATCH_1}\" "
                      "of \"${CMAKE_MATCH_2}\", CHANGELOG.md: ${vaz_version} of ${vaz_datum}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${VAZ_DIST_DIR}/${VAZ_APP_ID}.metainfo.xml")
vaz_gzip("${VAZ_PAKET_DIR}/changelog" "${VAZ_PAKET_DIR}/changelog.gz")
install(FILES "${VAZ_PAKET_DIR}/changelog.gz" DESTINATION ${VAZ_DOC_DIR})

# Debian's machine-readable copyright file: the header paragraphs of
# dist/copyright, then the licence text of LICENSE, indented one space with
# " ." for an empty line.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" vaz_lizenz)
string(FIND "${vaz_lizenz}" "Permission is hereby granted" vaz_anfang)
if(vaz_anfang LESS 0)
  message(FATAL_ERROR "LICENSE: no \"Permission is hereby granted\", where the licence text starts")
endif()
string(SUBSTRING "${vaz_lizenz}" ${vaz_anfang} -1 vaz_lizenz)
string(STRIP "${vaz_lizenz}" vaz_lizenz)
string(REPLACE "\n\n" "\n.\n" vaz_lizenz "${vaz_lizenz}")
string(REPLACE "\n" "\n " vaz_lizenz "${vaz_lizenz}")
file(READ "${VAZ_DIST_DIR}/copyright" vaz_copyright)
file(CONFIGURE OUTPUT "${VAZ_PAKET_DIR}/copyright" CONTENT "${vaz_copyright} ${vaz_lizenz}\n"
     @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${PROJECT_SOURCE_DIR}/LICENSE" "${VAZ_DIST_DIR}/copyright")
install(FILES "${VAZ_PAKET_DIR}/copyright" DESTINATION ${VAZ_DOC_DIR})

# --- Programs and their manual pages ----------------------------------------

# Each program with its manual page (German, with the project's version).
foreach(vaz_programm vazorodavazivovovar vazorodavazivovovar-stapel)
  if(NOT TARGET ${vaz_programm})
    message(WARNING "Target ${vaz_programm} missing: it is not installed")
    continue()
  endif()
  install(TARGETS ${vaz_programm} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Stripping for the package drops what dh_strip drops as well: the
  # compilers' version strings (.comment) and the .note section.
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${vaz_programm}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
  configure_file("${VAZ_DIST_DIR}/${vaz_programm}.1" "${VAZ_PAKET_DIR}/${vaz_programm}.1" @ONLY)
  vaz_gzip("${VAZ_PAKET_DIR}/${vaz_programm}.1" "${VAZ_PAKET_DIR}/${vaz_programm}.1.gz")
  install(FILES "${VAZ_PAKET_DIR}/${vaz_programm}.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(vaz_paketdateien ALL DEPENDS ${VAZ_GZ_DATEIEN})

# The German manual pages read as misspelt English to lintian.
install(FILES "${VAZ_DIST_DIR}/lintian-overrides"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vazorodavazivovovar)

install(FILES "${VAZ_DIST_DIR}/${VAZ_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${VAZ_DIST_DIR}/${VAZ_APP_ID}.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${VAZ_DIST_DIR}/${VAZ_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# --- Check of the metadata -------------------------------------------------
# Registered only when both validators are there (packages desktop-file-utils
# and appstream). add_test() before include(CTest) is fine: the tests of a
# directory are written out at generation time.

find_program(VAZ_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(VAZ_APPSTREAMCLI appstreamcli)
if(VAZ_DESKTOP_FILE_VALIDATE AND VAZ_APPSTREAMCLI
   AND (NOT DEFINED BUILD_TESTING OR BUILD_TESTING))
  add_test(NAME paket_metadaten
           COMMAND sh "${VAZ_DIST_DIR}/validate.sh"
                   "${VAZ_DIST_DIR}/${VAZ_APP_ID}.desktop"
                   "${VAZ_DIST_DIR}/${VAZ_APP_ID}.metainfo.xml")
  set_tests_properties(paket_metadaten PROPERTIES TIMEOUT 60)
endif()

# The package itself, built with cpack into build/.../paket-pruefung and
# checked with lintian (package lintian) and dist/lintian.sh's own checks.
# Only hardened builds (cmake/Haertung.cmake) make a package lintian passes.
find_program(VAZ_LINTIAN lintian)
if(VAZ_LINTIAN AND VAZ_GEHAERTET AND (NOT DEFINED BUILD_TESTING OR BUILD_TESTING))
  set(vaz_bindung bedarf)
  if(VAZ_SOFORT_GEBUNDEN)
    set(vaz_bindung jetzt)
  endif()
  add_test(NAME paket_lintian
           COMMAND sh "${VAZ_DIST_DIR}/lintian.sh" "${CMAKE_BINARY_DIR}" ${vaz_bindung})
  set_tests_properties(paket_lintian PROPERTIES TIMEOUT 300)
endif()

# --- Debian package (CPack) ------------------------------------------------

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vazorodavazivovovar")
set(CPACK_PACKAGE_VENDOR "Vazorodavazivovovar-Team")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
# The synopsis line of the Debian package.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Gauss-Krüger coordinate converter (Bessel ellipsoid)")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VAZ_PAKET_BETREUER}")

set(CPACK_DEBIAN_PACKAGE_NAME "${CPACK_PACKAGE_NAME}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The windows ask for Arial; fonts-liberation2 supplies the metric twin.
# The main window's buttons keep the platform's default font, which on a
# system without a desktop is fontconfig's sans-serif: without DejaVu, the
# default sans face, it resolves to Liberation Mono there.
# The datum change of both programs loads libproj25 when it runs (dlopen,
# which dpkg-shlibdeps cannot see) and reads the national grid BeTA2007
# from proj-data.
# dpkg-shlibdeps appends the shared libraries (Qt 6, libstdc++, libc) to it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, libproj25, proj-data")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# German texts in Qt's own context menus and buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The long description, English then German; CPack puts the summary above it,
# indents it and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Vazorodavazivovovar is a small desktop tool for surveyors. It converts one
point at a time between geographic coordinates on the Bessel ellipsoid
(degrees, minutes, seconds) and Gauss-Krüger grid coordinates (easting,
northing) in 3° meridian strips, in both directions. The console program
vazorodavazivovovar-stapel converts whole point lists (files of
semicolon-separated values) with the same computation and number rules.

Vazorodavazivovovar ist ein kleines Werkzeug für die Vermessung. Es rechnet
einen Punkt nach dem anderen zwischen geographischen Koordinaten auf dem
Bessel-Ellipsoid (Grad, Minuten, Sekunden) und Gauss-Krüger-Koordinaten
(Rechtswert, Hochwert) in 3°-Meridianstreifen um, in beide Richtungen. Das
Konsolenprogramm vazorodavazivovovar-stapel rechnet ganze Punktlisten
(Dateien mit durch Semikolon getrennten Werten) mit derselben Rechnung und
denselben Zahlenregeln um.")

include(CPack)
