# Run after each build of the test executable (cmake -P): lists its tests and
# writes them for ctest, each a test of its own that runs the executable with
# a filter naming it. The names are those of CMake's gtest_discover_tests (a
# value-parameterised test is named with its value: "Models/OrvaScreen.X/3").
#
# What it does otherwise: a test counts as skipped only by its own skip, the
# line GoogleTest prints when that test skipped ("[  SKIPPED ] Suite.Test
# (12 ms)"), never by another "[  SKIPPED ]" in its output, such as the output
# of a child that it ran and printed because it failed. (gtest_discover_tests
# gives every test a pattern that takes any such line for a skip, and a
# pattern set later is added to it and cannot replace it.) A suite whose name
# starts with ChildOnly is left out: its tests run only in a child that
# another test starts.
#
#   -D TEST_EXECUTABLE=...  the test executable
#   -D TEST_WORKING_DIR=... where each test runs
#   -D CTEST_FILE=...       the file written, read by ctest; it also sets
#                           rigsmith_tests_TESTS to the names of the tests
#   -D TEST_FILTER=...      (optional) the GoogleTest patterns of the tests
#                           to list, "*" when not given
#   -D TEST_TIMEOUT=...     (optional) each test's time limit in seconds, 120
#                           when not given

if(NOT TEST_FILTER)
  set(TEST_FILTER "*")
endif()
if(NOT TEST_TIMEOUT)
  set(TEST_TIMEOUT 120)
endif()

execute_process(
  COMMAND "${TEST_EXECUTABLE}" --gtest_list_tests "--gtest_filter=${TEST_FILTER}-ChildOnly*"
  WORKING_DIRECTORY "${TEST_WORKING_DIR}"
  TIMEOUT 60
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Listing the tests of ${TEST_EXECUTABLE} failed (${result}):\n${listing}${errors}")
endif()

# GoogleTest's names hold no ';', '[' or ']'.
string(REPLACE "\n" ";" lines "${listing}")
set(script "")
set(names "")
set(suite "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ ].*)\\.( +#.*)?$")
    # A suite ("Suite." or "Prefix/Suite.  # TypeParam = ...").
    set(suite "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  ([^ ]+)( +# GetParam\\(\\) = (.*))?$" AND NOT suite STREQUAL "")
    set(test "${CMAKE_MATCH_1}")
    set(value "${CMAKE_MATCH_3}")
    set(gtest_name "${suite}.${test}")
    # The name ctest shows: the value in place of the index, no DISABLED_.
    set(shown_test "${test}")
    if(NOT value STREQUAL "")
      string(REGEX REPLACE "/[0-9]+$" "/${value}" shown_test "${test}")
    endif()
    string(REGEX REPLACE "^DISABLED_" "" shown_test "${shown_test}")
    string(REGEX REPLACE "(^|/)DISABLED_" "\\1" shown_suite "${suite}")
    set(name "${shown_suite}.${shown_test}")
    # This test's own skip line, and no other.
    string(REGEX REPLACE "([][.*+?^$()|\\\\])" "\\\\\\1" escaped "${gtest_name}")
    string(APPEND script
      "add_test([==[${name}]==] [==[${TEST_EXECUTABLE}]==] [==[--gtest_filter=${gtest_name}]==]"
      " --gtest_also_run_disabled_tests)\n"
      "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${TEST_WORKING_DIR}]==]"
      " TIMEOUT ${TEST_TIMEOUT} SKIP_REGULAR_EXPRESSION [==[\\[  SKIPPED \\] ${escaped} \\(]==])\n")
    if(gtest_name MATCHES "(^|/|\\.)DISABLED_")
      string(APPEND script "set_tests_properties([==[${name}]==] PROPERTIES DISABLED TRUE)\n")
    endif()
    list(APPEND names "${name}")
  endif()
endforeach()
string(APPEND script "set(rigsmith_tests_TESTS [==[${names}]==])\n")
file(WRITE "${CTEST_FILE}" "${script}")
