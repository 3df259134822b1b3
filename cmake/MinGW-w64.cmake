# CMake toolchain for 64-bit Windows with Debian's MinGW-w64 cross compiler
# (g++-mingw-w64-x86-64-posix: the posix thread model, which std::thread and
# Qt need). Used for Qt itself and for the program; scripts/windows passes
# the Qt install in VAZ_QT_WINDOWS so that find_package looks there too.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VAZ_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VAZ_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VAZ_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VAZ_MINGW}-windres)
set(CMAKE_AR ${VAZ_MINGW}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${VAZ_MINGW}-ranlib CACHE FILEPATH "")

# Try-compiles run in a project of their own: hand the Qt install on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VAZ_QT_WINDOWS)

set(CMAKE_FIND_ROOT_PATH /usr/${VAZ_MINGW})
if(VAZ_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${VAZ_QT_WINDOWS})
endif()
# Programs (moc, uic, rcc) come from the build machine, everything else
# from the Windows side.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
