# Runs COMMAND (a ;-list) and passes when it exits with a failing code and
# prints a FAIL line that matches FINDING.
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(result EQUAL 0)
  message(FATAL_ERROR "expected the validator to fail, it passed:\n${out}")
endif()
string(REGEX MATCH "FAIL [^\n]*${FINDING}[^\n]*" finding "${out}")
if(NOT finding)
  message(FATAL_ERROR "no FAIL line matches '${FINDING}':\n${out}${err}")
endif()
message(STATUS "found: ${finding}")
