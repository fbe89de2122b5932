cmake_minimum_required(VERSION 3.25)
# Runs one replay script and compares what it prints with the expected file.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
file(STRINGS ${SCRIPT} first_line LIMIT_COUNT 1)
set(args "")
if(first_line MATCHES "^#! args: (.*)$")
  string(REPLACE "{data}" "${DATA}" arg_text "${CMAKE_MATCH_1}")
  separate_arguments(args UNIX_COMMAND "${arg_text}")
endif()
execute_process(
  COMMAND ${REPLAY} ${args} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)
set(actual "${out}${err}exit: ${status}\n")
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORKDIR}/actual.out "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/actual.out)
  message(FATAL_ERROR "output differs from ${EXPECTED}")
endif()
