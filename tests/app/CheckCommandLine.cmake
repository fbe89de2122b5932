cmake_minimum_required(VERSION 3.25)

# PROGRAM's command line as a player uses it, with no display named: --help,
# --version and an unknown option answer all the same. A saved game named on
# the line opens instead of the game left at the last close, which waits:
# that one is opened (and, still in progress, written back) only by a start
# without a file. Each start finds its display through Qt's -platform and is
# ended by SIGTERM after SECONDS. The program runs from a link in ROOT marked
# as installed, so that its player files go there.

file(REMOVE_RECURSE "${ROOT}")
file(MAKE_DIRECTORY "${ROOT}/program" "${ROOT}/data/zorvane")
file(CREATE_LINK "${PROGRAM}" "${ROOT}/program/zorvane" COPY_ON_ERROR)
file(TOUCH "${ROOT}/program/zorvane.installed")
set(left "${ROOT}/data/zorvane/Resume.SAV")
file(WRITE "${left}" "Score=555\nLevel=2\n")
file(WRITE "${ROOT}/named.SAV" "Score=777\n")

function(run expected_status)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
      --unset=DISPLAY SDL_AUDIODRIVER=dummy
      XDG_CONFIG_HOME=${ROOT}/config XDG_DATA_HOME=${ROOT}/data XDG_STATE_HOME=${ROOT}/state
      timeout --preserve-status -s TERM ${SECONDS} "${ROOT}/program/zorvane" ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  file(READ "${left}" kept)  # drops the CRs
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "zorvane ${ARGN}: status ${status}, not ${expected_status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(kept "${kept}" PARENT_SCOPE)
endfunction()

run(0 --help)
string(FIND "${out}" "Usage: zorvane [OPTION]... [FILE]\n" usage)
string(FIND "${out}" "\n  -platform NAME" qt)
run(0 --version)
if(NOT usage EQUAL 0 OR qt EQUAL -1 OR NOT "${out}${err}" STREQUAL "Zorvane ${VERSION}\n")
  message(FATAL_ERROR "--help or --version answered wrongly; --version: ${out}${err}")
endif()
run(2 --bogus)
if(NOT out STREQUAL "" OR NOT err MATCHES "^zorvane: [^\n]*--bogus[^\n]*\n$")
  message(FATAL_ERROR "--bogus answers `${out}`, `${err}`")
endif()

run(0 -platform offscreen "${ROOT}/named.SAV" -style=Fusion)
if(NOT kept STREQUAL "Score=555\nLevel=2\n")
  message(FATAL_ERROR "with a file named, the game left changed to:\n${kept}")
endif()
run(0 --platform offscreen)
string(FIND "${kept}" "\nScore=555\nLevel=2\n" at)
if(at EQUAL -1 OR NOT kept MATCHES "^. This is a Zorvane!")
  message(FATAL_ERROR "the game left was not opened and written back:\n${kept}")
endif()
