# Release builds are hardened as Debian hardens its packages: the flags of
# `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags` on Debian 12, plus
# -fcf-protection (indirect-branch tracking, a no-op on processors without
# it). The optimisation level stays the Release one (-O3); nothing here
# changes a floating-point result.
#   -fstack-protector-strong  canary in every function with a local array
#   -D_FORTIFY_SOURCE=2       bounds-checked string and memory functions
#   -Wformat -Werror=format-security   no printf with a non-literal format
#   PIE                       the programs load at a random address
#   -z relro                  relocated data read-only after start
#   -z now                    every symbol bound at start, so the whole
#                             table of imported functions is read-only too
# Sanitizer and fuzzing builds bring their own instrumentation and stay
# without it.

option(VAZ_HAERTUNG "Harden release builds as Debian does (dpkg-buildflags)" ON)
option(VAZ_SOFORT_BINDEN "Link hardened builds with -z now (binding at start)" ON)

# VAZ_GEHAERTET and VAZ_SOFORT_GEBUNDEN tell the package test what to expect.
set(VAZ_GEHAERTET FALSE)
set(VAZ_SOFORT_GEBUNDEN FALSE)
if(VAZ_HAERTUNG AND CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT VAZ_SANITIZE AND NOT VAZ_FUZZ)
  set(VAZ_GEHAERTET TRUE)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -fcf-protection)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_link_options(LINKER:-z,relro)
  if(VAZ_SOFORT_BINDEN)
    add_link_options(LINKER:-z,now)
    set(VAZ_SOFORT_GEBUNDEN TRUE)
  endif()
endif()
