# The window program for 64-bit Windows, cross-built with MinGW-w64 by
# scripts/windows. The root CMakeLists.txt includes this file instead of the
# console program and the Debian package when the target is Windows.
#
# `cmake --install` lays out the folder the zip and the installer are made
# from: the program, the DLLs it loads (Qt, its platform and style plugins,
# the MinGW runtime), Qt's German texts, and the licences of all of them.
# Qt is linked dynamically, as its LGPL allows; the source it was built from
# goes along (VAZ_QT_QUELLE).

set(VAZ_QT_QUELLE "" CACHE PATH
    "Folder with Debian's source of the Qt the program was built against (.dsc, .orig, .debian)")

enable_language(RC)
# The icon and version resource; a program for the desktop, not the console.
target_sources(vazorodavazivovovar PRIVATE ${PROJECT_SOURCE_DIR}/dist/windows/vazorodavazivovovar.rc)
set_source_files_properties(${PROJECT_SOURCE_DIR}/dist/windows/vazorodavazivovovar.rc PROPERTIES
  OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/dist/windows/vazorodavazivovovar.ico)
set_target_properties(vazorodavazivovovar PROPERTIES WIN32_EXECUTABLE ON)
string(REPLACE "." "," vaz_version_komma "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
target_compile_definitions(vazorodavazivovovar PRIVATE
  VAZ_VERSION_RC="${PROJECT_VERSION}" VAZ_VERSION_ZAHLEN=${vaz_version_komma})

# Everything lands in one folder: Windows finds a program's DLLs beside it,
# and Qt looks for its plugins there too (qt.conf).
install(TARGETS vazorodavazivovovar RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()

# The compiler's own runtime: C++ library, unwinder, POSIX threads.
set(vaz_laufzeit)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE pfad OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${pfad}" OR NOT EXISTS "${pfad}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} lies")
  endif()
  get_filename_component(pfad "${pfad}" REALPATH)
  list(APPEND vaz_laufzeit "${pfad}")
endforeach()
set(VAZ_MINGW_LAUFZEIT "${vaz_laufzeit}" CACHE INTERNAL "MinGW runtime DLLs")
install(FILES ${vaz_laufzeit} DESTINATION .)

# Qt's German texts (dialog buttons, context menus of the text boxes), from
# Debian's qt6-translations-l10n; the program loads them from there.
set(VAZ_QT_TEXTE /usr/share/qt6/translations/qtbase_de.qm CACHE FILEPATH
    "Qt's German translation (qt6-translations-l10n)")
if(NOT EXISTS "${VAZ_QT_TEXTE}")
  message(FATAL_ERROR "${VAZ_QT_TEXTE} missing: apt-get install qt6-translations-l10n")
endif()
install(FILES "${VAZ_QT_TEXTE}" DESTINATION translations)
install(FILES ${PROJECT_SOURCE_DIR}/dist/windows/qt.conf DESTINATION .)

# Licences: the program's, Qt's (with Debian's copyright file), the
# translations', and those of the MinGW runtime.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/dist/windows/LIESMICH.txt DESTINATION .)
install(DIRECTORY "${VAZ_QT_WINDOWS}/lizenzen/" DESTINATION lizenzen/qt)
install(FILES "${VAZ_QT_WINDOWS}/konfiguration.txt" DESTINATION quelle/qt)
install(FILES /usr/share/doc/qt6-translations-l10n/copyright
        DESTINATION lizenzen/qt-uebersetzungen RENAME copyright.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
        DESTINATION lizenzen/mingw-gcc-laufzeit RENAME copyright.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright
        DESTINATION lizenzen/mingw-w64 RENAME copyright.txt)
if(VAZ_QT_QUELLE)
  file(GLOB vaz_quelle "${VAZ_QT_QUELLE}/*.dsc" "${VAZ_QT_QUELLE}/*.tar.*")
  install(FILES ${vaz_quelle} DESTINATION quelle/qt)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/cmake/MinGW-w64.cmake DESTINATION quelle/qt)
