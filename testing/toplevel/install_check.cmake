# Installs the built toolbox into a temporary prefix and builds programs
# outside the tree against it: the examples through find_package(tarvana), and
# a small program through pkg-config, which is then run. Called by ctest:
#   cmake -DSOURCE_DIR=<tree> -DBINARY_DIR=<build> -DWORK_DIR=<scratch>
#         [-DGENERATOR=<generator>] -P install_check.cmake
cmake_minimum_required(VERSION 3.20)

foreach(var SOURCE_DIR BINARY_DIR WORK_DIR)
  if(NOT ${var})
    message(FATAL_ERROR "install_check: ${var} not given")
  endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# Runs a command with a time limit; stops the check with its output when it fails.
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out
    TIMEOUT 400)
  if(NOT rc STREQUAL "0")
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

run("cmake --install" ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix})

# The installed headers are the public ones and no others: tarvana/tarvana.h
# and every header it reaches, read from the installed copies, whose includes
# must name installed headers as <tarvana/...> (a program has only include/
# on its path).
set(public "")
set(pending tarvana/tarvana.h)
while(pending)
  list(POP_FRONT pending header)
  if(header IN_LIST public)
    continue()
  endif()
  if(NOT EXISTS ${prefix}/include/${header})
    message(FATAL_ERROR "${header} is included by an installed header but not installed")
  endif()
  list(APPEND public ${header})
  file(STRINGS ${prefix}/include/${header} includes REGEX "^#include")
  foreach(line ${includes})
    if(line MATCHES "^#include <(tarvana/[^>]+)>")
      list(APPEND pending ${CMAKE_MATCH_1})
    elseif(line MATCHES "^#include \"")
      message(FATAL_ERROR "installed ${header} has ${line}: only <tarvana/...> resolves from include/")
    endif()
  endforeach()
endwhile()
file(GLOB_RECURSE installed RELATIVE ${prefix}/include ${prefix}/include/*)
list(REMOVE_ITEM installed ${public})
if(installed)
  list(JOIN installed "\n  " extra)
  message(FATAL_ERROR "installed but not reached from tarvana/tarvana.h:\n  ${extra}")
endif()
# The umbrella header of the tree names only installed headers, so the set
# above is not short of any.
file(STRINGS ${SOURCE_DIR}/tarvana.h includes REGEX "^#include \"")
list(LENGTH includes count)
if(count LESS 10)
  message(FATAL_ERROR "tarvana.h names only ${count} headers")
endif()
foreach(line ${includes})
  string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
  if(NOT "tarvana/${header}" IN_LIST public)
    message(FATAL_ERROR "${header} is not installed under include/tarvana")
  endif()
endforeach()
# Headers only the toolbox itself uses stay out, wherever their folder is.
file(GLOB_RECURSE installed_files ${prefix}/include/*)
foreach(file ${installed_files})
  get_filename_component(name ${file} NAME)
  if(name MATCHES "test|^(key_decoder|menu_unit|terminal_renderer|list_view)\\.h$")
    message(FATAL_ERROR "an internal header is installed: ${file}")
  endif()
endforeach()
# The CMake package puts include/ on the path, not include/tarvana.
file(STRINGS ${prefix}/lib/cmake/tarvana/tarvanaTargets.cmake include_dirs
  REGEX "INTERFACE_INCLUDE_DIRECTORIES")
foreach(line ${include_dirs})
  if(NOT line MATCHES "INTERFACE_INCLUDE_DIRECTORIES \"\\\${_IMPORT_PREFIX}/include\"$")
    message(FATAL_ERROR "the CMake package's include path is not <prefix>/include: ${line}")
  endif()
endforeach()
foreach(file lib/cmake/tarvana/tarvanaConfig.cmake lib/cmake/tarvana/tarvanaConfigVersion.cmake
    lib/pkgconfig/tarvana.pc lib/libtarvana_console.a share/doc/tarvana/TVTools.LST)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()

# The examples, configured afresh as their own project.
set(generator_args "")
if(GENERATOR)
  set(generator_args -G ${GENERATOR})
endif()
run("configuring the examples against the installed package"
  ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples -B ${WORK_DIR}/examples ${generator_args}
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix})
run("building the examples" ${CMAKE_COMMAND} --build ${WORK_DIR}/examples -j 2)
foreach(example menu_example form_example file_browser_example)
  if(NOT EXISTS ${WORK_DIR}/examples/bin/${example})
    message(FATAL_ERROR "${example} was not built")
  endif()
endforeach()

# A program that uses every subsystem library, built by the compiler alone
# with the flags pkg-config gives, then run.
find_program(PKG_CONFIG pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
# Its include path is <prefix>/include alone.
run("pkg-config --cflags" ${PKG_CONFIG} --cflags tarvana)
string(STRIP "${run_output}" cflags)
string(REGEX REPLACE "^-I" "" cflags_dir "${cflags}")
file(REAL_PATH "${cflags_dir}" cflags_dir)
file(REAL_PATH ${prefix}/include include_dir)
if(NOT cflags MATCHES "^-I[^ ]+$" OR NOT cflags_dir STREQUAL include_dir)
  message(FATAL_ERROR "pkg-config --cflags gives \"${cflags}\", not -I${prefix}/include")
endif()
run("pkg-config" ${PKG_CONFIG} --cflags --libs tarvana)
string(STRIP "${run_output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
if(NOT CXX)
  set(CXX c++)
endif()
run("compiling with pkg-config flags" ${CXX} -std=c++20
  ${SOURCE_DIR}/testing/toplevel/installed_program.cpp ${flags} -o ${WORK_DIR}/installed_program)
run("the installed program" ${WORK_DIR}/installed_program)
set(expected "runtime HELLO|console 0F|window ┌|menu 2|picklist 3|entry 042|text forty-two|datetime 02/29/2024|calendar 1|tools Y|ui 1|picture <svg\n")
if(NOT run_output STREQUAL expected)
  message(FATAL_ERROR "the installed program printed\n${run_output}\nnot\n${expected}")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "installed package builds outside the tree")
