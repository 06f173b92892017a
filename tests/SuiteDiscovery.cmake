# Registers one CTest entry per test suite of a test program: the program is started once per suite
# with a filter instead of once per test case, which spares most process start-ups (each a large
# sanitized binary) while a failing entry still names its suite and prints the failing cases.
#
# Run after the program is linked: cmake -D EXE=... -D OUT=... -D LABEL=... -D SERIAL=0|1
#                                        -D WORKDIR=... -P SuiteDiscovery.cmake
execute_process(COMMAND "${EXE}" --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE status TIMEOUT 120)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Listing the tests of ${EXE} failed (${status}):\n${listing}")
endif()

set(properties "LABELS;${LABEL};WORKING_DIRECTORY;${WORKDIR}")
if(SERIAL)
  list(APPEND properties RUN_SERIAL TRUE)
endif()

set(script "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # A suite line starts in the first column and ends its name with a dot; case lines are indented.
  if(line MATCHES "^([^ .#][^ .]*)\\.")
    set(suite "${CMAKE_MATCH_1}")
    string(APPEND script "add_test([==[${suite}]==] [==[${EXE}]==] [==[--gtest_filter=${suite}.*]==])\n")
    string(APPEND script "set_tests_properties([==[${suite}]==] PROPERTIES")
    foreach(p IN LISTS properties)
      string(APPEND script " [==[${p}]==]")
    endforeach()
    string(APPEND script ")\n")
  endif()
endforeach()
file(WRITE "${OUT}" "${script}")
