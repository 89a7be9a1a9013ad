# cmake -P fuzz/ListTargets.cmake: prints the fuzzers' names, one a line.
include(${CMAKE_CURRENT_LIST_DIR}/Targets.cmake)
foreach(name ${zanbora_fuzzers})
  message(${name})
endforeach()
