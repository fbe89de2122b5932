cmake_minimum_required(VERSION 3.25)

# PROGRAM's command line as a player uses it. --help, --version and an
# unknown option answer without any display. A saved game named on the line
# opens instead of the game left at the last close, which waits: that one is
# opened (and, still in progress, written back) only by a start without a
# file, each start ended by SIGTERM after SECONDS, its display named by Qt's
# -platform alone. The program runs from a link in ROOT marked as
# installed, so that its player files go there.

function(fail text)
  message(FATAL_ERROR "${text}")
endfunction()

function(answer expected_status)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
      --unset=DISPLAY "${PROGRAM}" ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT status STREQUAL expected_status)
    fail("zorvane ${ARGN}: status ${status}, not ${expected_status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

answer(0 --help)
foreach(part "Usage: zorvane [OPTION]... [FILE]\n" "--version" "-platform NAME")
  string(FIND "${out}" "${part}" at)
  if(at EQUAL -1 OR NOT err STREQUAL "")
    fail("--help does not show `${part}`:\n${out}${err}")
  endif()
endforeach()
answer(0 --version)
if(NOT out STREQUAL "Zorvane ${VERSION}\n" OR NOT err STREQUAL "")
  fail("--version answers `${out}${err}`")
endif()
answer(2 --bogus)
if(NOT out STREQUAL "" OR NOT err MATCHES "^zorvane: [^\n]*--bogus[^\n]*\n$")
  fail("--bogus answers `${out}`, `${err}`")
endif()

file(REMOVE_RECURSE "${ROOT}")
file(MAKE_DIRECTORY "${ROOT}/program" "${ROOT}/data/zorvane")
file(CREATE_LINK "${PROGRAM}" "${ROOT}/program/zorvane" COPY_ON_ERROR)
file(TOUCH "${ROOT}/program/zorvane.installed")
set(left "${ROOT}/data/zorvane/Resume.SAV")
file(WRITE "${left}" "Score=555\nLevel=2\n")
file(WRITE "${ROOT}/named.SAV" "Score=777\n")

# Qt's options pass through to Qt: the display is chosen on the line alone.
function(play)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
      --unset=DISPLAY SDL_AUDIODRIVER=dummy
      XDG_CONFIG_HOME=${ROOT}/config XDG_DATA_HOME=${ROOT}/data XDG_STATE_HOME=${ROOT}/state
      timeout --preserve-status -s TERM ${SECONDS} "${ROOT}/program/zorvane" ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status STREQUAL "0")
    fail("zorvane ${ARGN}: status ${status}\n${out}")
  endif()
endfunction()

play(-platform offscreen "${ROOT}/named.SAV" -style=Fusion)
file(READ "${left}" kept)
if(NOT kept STREQUAL "Score=555\nLevel=2\n")
  fail("with a file named, the game left changed to:\n${kept}")
endif()
play(--platform offscreen)
# Written back in the game's own form (file(READ) drops the CRs).
file(READ "${left}" kept)
string(FIND "${kept}" "\nScore=555\nLevel=2\n" at)
if(at EQUAL -1 OR NOT kept MATCHES "^. This is a Zorvane!")
  fail("the game left was not opened and kept again:\n${kept}")
endif()
