cmake_minimum_required(VERSION 3.25)
# Runs one replay script and compares what it prints with the expected file,
# and every file the script writes that golden/NAME.files/ holds with the one
# there, byte for byte.
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

get_filename_component(name ${EXPECTED} NAME_WE)
file(GLOB expected_files RELATIVE ${DATA}/${name}.files ${DATA}/${name}.files/*)
foreach(written ${expected_files})
  if(NOT EXISTS ${WORKDIR}/${written})
    message(FATAL_ERROR "the script wrote no ${written}")
  endif()
  file(READ ${DATA}/${name}.files/${written} expected_bytes HEX)
  file(READ ${WORKDIR}/${written} actual_bytes HEX)
  if(NOT actual_bytes STREQUAL expected_bytes)
    execute_process(COMMAND diff -u ${DATA}/${name}.files/${written} ${WORKDIR}/${written})
    message(FATAL_ERROR "${written} differs from ${DATA}/${name}.files/${written}")
  endif()
endforeach()
