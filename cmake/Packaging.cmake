# Installation and the Debian package. The root CMakeLists.txt includes this
# file after add_subdirectory(app):
#   include(cmake/Packaging.cmake)
# Then:  cmake --install build/release --prefix /tmp/x
#        cd build/release && cpack -G DEB

include(GNUInstallDirs)

set(VAZ_APP_ID "de.vazorodavazivovovar.Vazorodavazivovovar")
set(VAZ_DIST_DIR "${PROJECT_SOURCE_DIR}/dist")

# --- Installation --------------------------------------------------------

if(TARGET vazorodavazivovovar)
  install(TARGETS vazorodavazivovovar
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
  message(WARNING "Target vazorodavazivovovar missing: the program is not installed")
endif()

# The console program and its manual page, compressed as Debian keeps them.
if(TARGET vazorodavazivovovar-stapel)
  install(TARGETS vazorodavazivovovar-stapel
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(VAZ_MANSEITE "${CMAKE_BINARY_DIR}/vazorodavazivovovar-stapel.1.gz")
  add_custom_command(OUTPUT "${VAZ_MANSEITE}"
                     COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\""
                             "${VAZ_DIST_DIR}/vazorodavazivovovar-stapel.1" "${VAZ_MANSEITE}"
                     DEPENDS "${VAZ_DIST_DIR}/vazorodavazivovovar-stapel.1"
                     VERBATIM)
  add_custom_target(vaz_manseite ALL DEPENDS "${VAZ_MANSEITE}")
  install(FILES "${VAZ_MANSEITE}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "Target vazorodavazivovovar-stapel missing: the console program is not installed")
endif()

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

# Placeholder address until the team has a real one; override with
# -DVAZ_PAKET_BETREUER="Name <mail>".
set(VAZ_PAKET_BETREUER "Vazorodavazivovovar-Team <vazorodavazivovovar@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VAZ_PAKET_BETREUER}")

set(CPACK_DEBIAN_PACKAGE_NAME "${CPACK_PACKAGE_NAME}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The windows ask for Arial; fonts-liberation2 supplies the metric twin.
# The main window's buttons keep the platform's default font, which on a
# system without a desktop is fontconfig's sans-serif: without DejaVu, the
# default sans face, it resolves to Liberation Mono there.
# The console program's datum change loads libproj25 when it runs (dlopen,
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
