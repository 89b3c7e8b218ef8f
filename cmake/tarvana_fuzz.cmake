# Fuzz targets. With clang and -DTARVANA_FUZZ=ON every target is compiled with
# the fuzzer's coverage and the sanitizers, and each fuzz target becomes a
# libFuzzer program in <build>/fuzz, listed in <build>/fuzz_targets.txt for
# `make fuzz`. Otherwise, in a build with tests, each becomes a replay program
# that runs its committed corpus as a test (testing/fuzz_replay_main.cpp).
option(TARVANA_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(TARVANA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TARVANA_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(fuzz-targets)
  file(WRITE ${PROJECT_BINARY_DIR}/fuzz_targets.txt "")
endif()

# tarvana_fuzz_target(name SOURCES files... LIBS libraries... CORPUS dir
#                     [DICT file] [NO_REPLAY])
# NO_REPLAY: the corpus already runs in a test of its own.
function(tarvana_fuzz_target name)
  cmake_parse_arguments(F "NO_REPLAY" "CORPUS;DICT" "SOURCES;LIBS" ${ARGN})
  if(TARVANA_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzz)
    add_dependencies(fuzz-targets ${name})
    file(APPEND ${PROJECT_BINARY_DIR}/fuzz_targets.txt
         "${name} ${PROJECT_BINARY_DIR}/fuzz/${name} ${F_CORPUS} ${F_DICT}\n")
  elseif(TARVANA_BUILD_TESTS AND NOT F_NO_REPLAY)
    add_executable(${name}_replay ${F_SOURCES} ${PROJECT_SOURCE_DIR}/testing/fuzz_replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${F_LIBS})
    target_include_directories(${name}_replay PRIVATE ${PROJECT_SOURCE_DIR})
    add_test(NAME FuzzCorpus.${name} COMMAND ${name}_replay ${F_CORPUS})
    set_tests_properties(FuzzCorpus.${name} PROPERTIES TIMEOUT 300 LABELS fuzz-corpus)
  endif()
endfunction()
