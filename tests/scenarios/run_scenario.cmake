# Runs one scenario and compares its transcript with the expected one; prints a unified diff on
# a mismatch. With the environment variable VELK_UPDATE_EXPECTED=1 it (re)writes the expected
# transcript instead. Called by CTest: cmake -DRUNNER= -DSCENARIO= -DEXPECTED= -DACTUAL= -P this
execute_process(COMMAND "${RUNNER}" "${SCENARIO}"
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)

if("$ENV{VELK_UPDATE_EXPECTED}" STREQUAL "1")
  file(WRITE "${EXPECTED}" "${actual}")
  message(STATUS "wrote ${EXPECTED}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the runner ended with ${status}:\n${errors}")
  endif()
  return()
endif()

if(NOT EXISTS "${EXPECTED}")
  file(WRITE "${ACTUAL}" "${actual}")
  message(FATAL_ERROR "no expected transcript ${EXPECTED}; the actual one is ${ACTUAL}; "
                      "VELK_UPDATE_EXPECTED=1 writes it\n${errors}")
endif()

file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
  file(WRITE "${ACTUAL}" "${actual}")
  # diff writes straight to the test's output, unwrapped.
  execute_process(COMMAND diff -u "${EXPECTED}" "${ACTUAL}" RESULT_VARIABLE diff_status)
  if(diff_status GREATER 1)
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat "${ACTUAL}")
  endif()
  message(FATAL_ERROR "the transcript differs from ${EXPECTED} (actual: ${ACTUAL})\n${errors}")
endif()

if(NOT status EQUAL 0)
  message(FATAL_ERROR "the runner ended with ${status}:\n${errors}")
endif()
