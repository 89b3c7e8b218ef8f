# Platform variants are whole files named by a suffix, never #ifdefs:
#   name_posix.cpp    POSIX systems; the browser (Emscripten emulates POSIX)
#                     too, unless a name_web.cpp replaces it
#   name_windows.cpp  Windows
#   name_web.cpp      the browser
# Tests follow the same rule: name_posix_test.cpp runs only on POSIX, where
# the pseudo-terminal, the shell and the terminal emulator are.
# A suffix naming some other platform (name_linux.cpp, name_win32.cpp) stops
# configure: such a file would otherwise compile everywhere without a word.
if(EMSCRIPTEN)
  set(TARVANA_PLATFORM web)
elseif(WIN32)
  set(TARVANA_PLATFORM windows)
else()
  set(TARVANA_PLATFORM posix)
endif()

set(TARVANA_UNKNOWN_PLATFORM_SUFFIXES
  linux gnu darwin macos mac osx apple ios android bsd freebsd openbsd netbsd unix
  win win32 win64 mingw msvc cygwin msys wine dos wasm emscripten browser js)

# The platform suffix of a source file name ("posix", "windows", "web"), or
# "" for a file every platform compiles. Stops configure at an unknown one.
function(tarvana_platform_suffix out file)
  get_filename_component(stem ${file} NAME_WE)
  string(REGEX REPLACE "_test$" "" stem ${stem})
  set(suffix "")
  if(stem MATCHES "_([a-z0-9]+)$")
    set(word ${CMAKE_MATCH_1})
    if(word IN_LIST TARVANA_UNKNOWN_PLATFORM_SUFFIXES)
      message(FATAL_ERROR "${file}: '_${word}' is not a platform this build knows. "
        "Name platform files _posix, _windows or _web (see cmake/tarvana_platform_files.cmake).")
    endif()
    if(word MATCHES "^(posix|windows|web)$")
      set(suffix ${word})
    endif()
  endif()
  set(${out} "${suffix}" PARENT_SCOPE)
endfunction()

# Sets <out> to the files of <files> this build compiles.
function(tarvana_platform_files out)
  set(kept "")
  foreach(file ${ARGN})
    tarvana_platform_suffix(suffix ${file})
    if("${suffix}" STREQUAL "" OR "${suffix}" STREQUAL TARVANA_PLATFORM)
      list(APPEND kept ${file})
    elseif(TARVANA_PLATFORM STREQUAL "web" AND "${suffix}" STREQUAL "posix")
      string(REGEX REPLACE "_posix\\.cpp$" "_web.cpp" web ${file})
      string(REGEX REPLACE "_posix_test\\.cpp$" "_web_test.cpp" web ${web})
      if(NOT web IN_LIST ARGN)
        list(APPEND kept ${file})
      endif()
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()
