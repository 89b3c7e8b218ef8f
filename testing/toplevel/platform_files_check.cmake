# Which platform files each build compiles, and that a suffix naming some
# other platform stops configure. Run by ctest: cmake -P platform_files_check.cmake
cmake_minimum_required(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/tarvana_platform_files.cmake)

set(files a/clock.cpp a/clock_posix.cpp a/clock_windows.cpp a/tty_posix.cpp a/tty_web.cpp
          a/dir_posix_test.cpp a/dir_windows_test.cpp a/window.cpp)
# The platform, then the files it compiles.
set(cases
  "posix a/clock.cpp a/clock_posix.cpp a/tty_posix.cpp a/dir_posix_test.cpp a/window.cpp"
  "windows a/clock.cpp a/clock_windows.cpp a/dir_windows_test.cpp a/window.cpp"
  "web a/clock.cpp a/clock_posix.cpp a/tty_web.cpp a/dir_posix_test.cpp a/window.cpp")
foreach(case ${cases})
  string(REPLACE " " ";" parts "${case}")
  list(GET parts 0 TARVANA_PLATFORM)
  list(SUBLIST parts 1 -1 expected)
  tarvana_platform_files(kept ${files})
  if(NOT kept STREQUAL expected)
    message(FATAL_ERROR "${TARVANA_PLATFORM} compiles:\n  ${kept}\nexpected:\n  ${expected}")
  endif()
endforeach()

# An unknown suffix, in a child so that its stop can be seen.
if(NOT CHILD)
  foreach(name term_linux.cpp term_win32_test.cpp term_macos.cpp)
    execute_process(COMMAND ${CMAKE_COMMAND} -DCHILD=${name} -P ${CMAKE_CURRENT_LIST_FILE}
      RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0 OR NOT err MATCHES "is not a platform this build knows")
      message(FATAL_ERROR "${name} did not stop configure (${rc}):\n${err}")
    endif()
  endforeach()
else()
  tarvana_platform_files(kept a/${CHILD})
endif()
