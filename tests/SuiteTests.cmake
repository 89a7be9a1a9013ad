# Run after a test program is linked (cmake -P): lists its GoogleTest suites
# and writes a ctest file with one test per suite, which runs every test of
# that suite in one process. A process per single test spent most of the
# suite's time starting the sanitizer runtime and the libraries over again.
#   -D PROGRAM=<test program> -D OUTPUT=<ctest file> -D ENVIRONMENT=<VAR=value>
#   -D TIMEOUT=<seconds per suite>
foreach(variable PROGRAM OUTPUT ENVIRONMENT TIMEOUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "SuiteTests.cmake needs -D ${variable}=...")
  endif()
endforeach()

execute_process(COMMAND ${PROGRAM} --gtest_list_tests
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${status}):\n${errors}")
endif()

# A suite's line starts in the first column and ends its name with a dot
# ("Suite." or "Prefix/Suite.  # TypeParam = ..."); its tests are indented.
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(script "")
set(suite "")
set(count 0)
macro(add_suite)
  if(NOT suite STREQUAL "")
    # ctest starts the highest cost first; bigger suites usually last longer.
    string(APPEND script
      "add_test([==[${suite}]==] [==[${PROGRAM}]==] [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties([==[${suite}]==] PROPERTIES TIMEOUT ${TIMEOUT} COST ${count}"
      " ENVIRONMENT [==[${ENVIRONMENT}]==])\n")
  endif()
endmacro()
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #][^ ]*)\\.( |$)")
    add_suite()
    set(suite "${CMAKE_MATCH_1}")
    set(count 0)
  elseif(line MATCHES "^  [^ ]" AND NOT suite STREQUAL "")
    math(EXPR count "${count} + 1")
  endif()
endforeach()
add_suite()
if(script STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} lists no tests")
endif()
file(WRITE "${OUTPUT}" "${script}")
