# Included by the game's build: builds fuzz/ with clang as a sub-build and
# runs every fuzzer for ZANBORA_FUZZ_SECONDS among the tests (label "fuzz");
# a finding fails the test. `make fuzz` runs them for longer.
find_program(ZANBORA_CLANGXX NAMES clang++ REQUIRED)
include(ExternalProject)
include(${CMAKE_CURRENT_LIST_DIR}/Targets.cmake)
set(ZANBORA_FUZZ_SECONDS 20 CACHE STRING "How long each fuzzer runs among the tests")
set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(fuzzers
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${fuzz_build}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${ZANBORA_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
             -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)
foreach(name ${zanbora_fuzzers})
  add_test(NAME fuzz.${name}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-fuzzer ${fuzz_build}/fuzz_${name} ${CMAKE_CURRENT_LIST_DIR}/corpus/${name}
            ${fuzz_build}/work/${name} ${ZANBORA_FUZZ_SECONDS})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 300 COST 100)
endforeach()
