# Read by ctest after the listed tests (ListTests.cmake, TEST_INCLUDE_FILES): properties
# that depend on a test's name.

# A framework assertion or a leak fails the test that printed it.
if(rigsmith_tests_TESTS)
  set_tests_properties(${rigsmith_tests_TESTS} PROPERTIES
    FAIL_REGULAR_EXPRESSION "Leaked objects detected;JUCE Assertion failure")
endif()

# The tests that start the application as a process of its own and work its
# real window (the suites AppBinary, AppWithAmplifier and every suite whose
# name starts with RealWindow) run one at a time, beside the rest of the suite
# which stays parallel: each of them waits on a window, a display server and
# a window manager that a machine busy with several of them at once is slow
# to give. They wait on what they need to see, so they get more time.
foreach(test IN LISTS rigsmith_tests_TESTS)
  if(test MATCHES "^([A-Za-z0-9_]+/)?(RealWindow[A-Za-z0-9_]*|AppBinary|AppWithAmplifier)\\.")
    set_tests_properties("${test}" PROPERTIES RESOURCE_LOCK rigsmith_real_window TIMEOUT 400)
  endif()
endforeach()
