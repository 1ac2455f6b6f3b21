# Replays SCRIPT through TRACE, run by EMULATOR when the build has one, and compares the whole
# output with EXPECTED.
execute_process(COMMAND ${EMULATOR} ${TRACE} INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE actual
                RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the trace ended with status ${status}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual.txt "${actual}")
  message(FATAL_ERROR "the trace differs from ${EXPECTED}; it is in "
                      "${CMAKE_CURRENT_BINARY_DIR}/actual.txt")
endif()
