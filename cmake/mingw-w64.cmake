# Cross-building for 64-bit Windows from Linux with MinGW-w64 (Debian:
# g++-mingw-w64-x86-64-posix). The programs link statically, so that a bare
# Windows runs them; on Linux the tests run under wine, each build folder with
# its own wine prefix (so that no home folder is needed and root works too).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVANA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVANA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVANA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVANA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARVANA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(TARVANA_WINE wine)
if(TARVANA_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all ${TARVANA_WINE})
endif()
