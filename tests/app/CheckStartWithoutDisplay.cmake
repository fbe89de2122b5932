cmake_minimum_required(VERSION 3.25)

# PROGRAM started with no display to open, first with none named, then with
# an X display that does not answer: one line on stderr that names DISPLAY,
# status 1, no abort.

function(start_without_display what)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
      --unset=DISPLAY ${ARGN} "${PROGRAM}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  string(REGEX MATCHALL "[^\n]*\n" lines "${err}")
  list(LENGTH lines count)
  if(NOT status STREQUAL "1" OR NOT count EQUAL 1 OR NOT err MATCHES "^zorvane: .*DISPLAY")
    message(FATAL_ERROR "${what}: status ${status}, stderr:\n${err}")
  endif()
  message(STATUS "${what}: ${err}")
endfunction()

start_without_display("no display named")
start_without_display("a display that does not answer" DISPLAY=:4093 QT_QPA_PLATFORM=xcb)
