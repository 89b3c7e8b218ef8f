# One static library per subsystem folder: every *.cpp but the *_test.cpp files,
# and of the platform services (name_posix.cpp, name_windows.cpp) the target's.
# The tests beside the sources become one test program per folder; the ones
# listed as POSIX_TESTS (pseudo-terminals, the terminal emulator, signals) and
# the tarvana_pty library they use are left out of a Windows build, and the
# *_windows_test.cpp files are in a Windows build only. Each test may take
# TIMEOUT seconds (120 unless given).
# A browser (Emscripten) build emulates POSIX: it takes name_posix.cpp unless a
# name_web.cpp replaces it, and leaves out the files named after NOT_WEB.
set(TARVANA_MODULES "" CACHE INTERNAL "")

function(tarvana_add_tests name dir)
  cmake_parse_arguments(T "" "TIMEOUT" "LIBS;POSIX_TESTS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(WIN32)
    foreach(posix_test ${T_POSIX_TESTS})
      list(REMOVE_ITEM tests ${dir}/${posix_test})
    endforeach()
    list(REMOVE_ITEM T_LIBS tarvana_pty)
  else()
    list(FILTER tests EXCLUDE REGEX "_windows_test\\.cpp$")
  endif()
  if(NOT tests)
    return()
  endif()
  add_executable(${name}_tests ${tests})
  target_link_libraries(${name}_tests PRIVATE ${T_LIBS} tarvana_testing GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name}_tests PRIVATE
    TARVANA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" TARVANA_BINARY_DIR="${PROJECT_BINARY_DIR}")
  # Listing the tests starts the program; under wine on a busy machine that
  # can take far longer than the default five seconds.
  gtest_discover_tests(${name}_tests
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

function(tarvana_module name)
  cmake_parse_arguments(M "" "" "DEPENDS;LIBS;TEST_LIBS;POSIX_TESTS;NOT_WEB" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "_test\\.cpp$")
  if(EMSCRIPTEN)
    list(FILTER srcs EXCLUDE REGEX "_windows\\.cpp$")
    set(web_srcs ${srcs})
    list(FILTER web_srcs INCLUDE REGEX "_web\\.cpp$")
    foreach(web ${web_srcs})
      string(REGEX REPLACE "_web\\.cpp$" "_posix.cpp" posix ${web})
      list(REMOVE_ITEM srcs ${posix})
    endforeach()
    foreach(file ${M_NOT_WEB})
      list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    endforeach()
  elseif(WIN32)
    list(FILTER srcs EXCLUDE REGEX "_(posix|web)\\.cpp$")
  else()
    list(FILTER srcs EXCLUDE REGEX "_(windows|web)\\.cpp$")
  endif()
  set(lib tarvana_${name})
  if(srcs)
    add_library(${lib} STATIC ${srcs})
    set(scope PUBLIC)
  else()
    add_library(${lib} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${lib} ${scope} $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  foreach(dep ${M_DEPENDS})
    target_link_libraries(${lib} ${scope} tarvana_${dep})
  endforeach()
  if(M_LIBS)
    target_link_libraries(${lib} ${scope} ${M_LIBS})
  endif()
  set(TARVANA_MODULES ${TARVANA_MODULES} ${lib} CACHE INTERNAL "")
  if(TARVANA_BUILD_TESTS)
    tarvana_add_tests(${name} ${CMAKE_CURRENT_SOURCE_DIR} LIBS ${lib} ${M_TEST_LIBS}
                      POSIX_TESTS ${M_POSIX_TESTS})
  endif()
endfunction()
