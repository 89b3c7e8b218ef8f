# The sanitizer build (-DTARVANA_SANITIZE=ON): AddressSanitizer and
# UndefinedBehaviorSanitizer (with float-to-integer overflow) on every target,
# and any finding ends the program, so that it fails its test.
option(TARVANA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TARVANA_SANITIZE)
  set(TARVANA_SANITIZERS -fsanitize=address,undefined,float-cast-overflow)
  add_compile_options(${TARVANA_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(${TARVANA_SANITIZERS})
endif()

# Gives the tests of a folder that are named (as discovered, Suite.Test) an
# environment in the sanitizer build; call it after the folder is added. The
# tests that end a program by a signal to see the terminal restored need the
# program's own handlers, so they turn the sanitizer's handlers off.
function(tarvana_sanitizer_environment dir)
  cmake_parse_arguments(S "" "" "TESTS;ENVIRONMENT" ${ARGN})
  if(NOT TARVANA_SANITIZE)
    return()
  endif()
  get_filename_component(name ${dir} NAME)
  set(file ${PROJECT_BINARY_DIR}/sanitizer_environment_${name}.cmake)
  file(WRITE ${file} "set_tests_properties(${S_TESTS} PROPERTIES ENVIRONMENT \"${S_ENVIRONMENT}\")\n")
  # Read after the discovered tests, which the folder's earlier include files define.
  set_property(DIRECTORY ${dir} APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()
