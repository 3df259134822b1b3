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

# The icon and version resource, compiled by windres outside CMake's RC
# language: that would hand it the C++ warning flags, which windres refuses.
set(VAZ_SYMBOL ${PROJECT_SOURCE_DIR}/dist/windows/vazorodavazivovovar.ico)
set(VAZ_VERSION_ZAHLEN "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
configure_file(${PROJECT_SOURCE_DIR}/dist/windows/vazorodavazivovovar.rc.in
               ${CMAKE_BINARY_DIR}/vazorodavazivovovar.rc @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/vazorodavazivovovar-rc.obj
                   COMMAND ${CMAKE_RC_COMPILER} -O coff ${CMAKE_BINARY_DIR}/vazorodavazivovovar.rc
                           ${CMAKE_BINARY_DIR}/vazorodavazivovovar-rc.obj
                   DEPENDS ${CMAKE_BINARY_DIR}/vazorodavazivovovar.rc ${VAZ_SYMBOL}
                   VERBATIM)
# The program's target lives in app/: it links the object by its path.
add_custom_target(vaz_windows_ressourcen DEPENDS ${CMAKE_BINARY_DIR}/vazorodavazivovovar-rc.obj)
add_dependencies(vazorodavazivovovar vaz_windows_ressourcen)
target_link_libraries(vazorodavazivovovar PRIVATE ${CMAKE_BINARY_DIR}/vazorodavazivovovar-rc.obj)
set_property(TARGET vazorodavazivovovar APPEND PROPERTY
             LINK_DEPENDS ${CMAKE_BINARY_DIR}/vazorodavazivovovar-rc.obj)
# Debian's rcc, which builds the resources, knows zstd; this Qt does not.
set_property(TARGET vaz_programmstart APPEND PROPERTY AUTORCC_OPTIONS --no-zstd)
# A program for the desktop: no console window beside it.
set_target_properties(vazorodavazivovovar PROPERTIES WIN32_EXECUTABLE ON)

# sin, cos and sqrt of MinGW-w64 raise no FE_INVALID for an infinite or a
# negative argument; the core's calls go through wrappers that do.
add_library(vaz_windows_gleitkomma STATIC ${PROJECT_SOURCE_DIR}/windows/Gleitkommaflags.cpp)
target_compile_options(vaz_windows_gleitkomma PRIVATE -ftrapping-math -fno-finite-math-only)
target_link_libraries(vaz_core PUBLIC vaz_windows_gleitkomma)
target_link_options(vaz_core INTERFACE "LINKER:--wrap=sin,--wrap=cos,--wrap=sqrt")

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
  file(GLOB vaz_quelle "${VAZ_QT_QUELLE}/*.dsc" "${VAZ_QT_QUELLE}/*.tar.*" "${VAZ_QT_QUELLE}/*.patch"
       "${VAZ_QT_QUELLE}/*-QUELLE.txt")
  install(FILES ${vaz_quelle} DESTINATION quelle/qt)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/cmake/MinGW-w64.cmake DESTINATION quelle/qt)
