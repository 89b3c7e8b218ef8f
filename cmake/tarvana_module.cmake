# One static library per subsystem folder: every *.cpp but the *_test.cpp files.
# The tests beside the sources become one test program per folder.
set(TARVANA_MODULES "" CACHE INTERNAL "")

function(tarvana_add_tests name dir)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(NOT tests)
    return()
  endif()
  add_executable(${name}_tests ${tests})
  target_link_libraries(${name}_tests PRIVATE ${T_LIBS} tarvana_testing GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name}_tests PRIVATE
    TARVANA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" TARVANA_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name}_tests
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT 120)
endfunction()

function(tarvana_module name)
  cmake_parse_arguments(M "" "" "DEPENDS;LIBS;TEST_LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "_test\\.cpp$")
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
    tarvana_add_tests(${name} ${CMAKE_CURRENT_SOURCE_DIR} LIBS ${lib} ${M_TEST_LIBS})
  endif()
endfunction()
