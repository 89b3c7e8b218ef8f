# One static library per subsystem folder: every *.cpp but the *_test.cpp
# files, platform files as cmake/tarvana_platform_files.cmake says, and the
# files of the folder's rooms: FOLDERS every platform compiles, DEVICES of
# which only the one named after this platform (posix, windows, web) is
# compiled. The tests beside the sources (and in those rooms) become one test
# program per folder; on Windows it leaves out the tarvana_pty library of the
# POSIX tests. Each test may take TIMEOUT seconds (120 unless given). NOT_WEB
# names files a browser build leaves out for a name_web.cpp that replaces them.
include(${CMAKE_CURRENT_LIST_DIR}/tarvana_platform_files.cmake)
set(TARVANA_MODULES "" CACHE INTERNAL "")

# The test files of <dirs> this build runs.
function(tarvana_test_files out)
  set(tests "")
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*_test.cpp)
    list(APPEND tests ${found})
  endforeach()
  tarvana_platform_files(tests ${tests})
  set(${out} ${tests} PARENT_SCOPE)
endfunction()

function(tarvana_add_tests name dir)
  cmake_parse_arguments(T "" "TIMEOUT" "LIBS;DIRS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  tarvana_test_files(tests ${dir} ${T_DIRS})
  if(WIN32)
    list(REMOVE_ITEM T_LIBS tarvana_pty)
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
  cmake_parse_arguments(M "" "" "DEPENDS;LIBS;TEST_LIBS;NOT_WEB;FOLDERS;DEVICES" ${ARGN})
  set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(folder ${M_FOLDERS})
    list(APPEND dirs ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  endforeach()
  if(TARVANA_PLATFORM IN_LIST M_DEVICES)
    list(APPEND dirs ${CMAKE_CURRENT_SOURCE_DIR}/${TARVANA_PLATFORM})
  endif()
  set(srcs "")
  foreach(dir ${dirs})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND srcs ${found})
  endforeach()
  list(FILTER srcs EXCLUDE REGEX "_test\\.cpp$")
  tarvana_platform_files(srcs ${srcs})
  if(EMSCRIPTEN)
    foreach(file ${M_NOT_WEB})
      list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    endforeach()
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
    list(REMOVE_AT dirs 0)
    tarvana_add_tests(${name} ${CMAKE_CURRENT_SOURCE_DIR} LIBS ${lib} ${M_TEST_LIBS} DIRS ${dirs})
  endif()
endfunction()
