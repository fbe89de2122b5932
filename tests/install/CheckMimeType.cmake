cmake_minimum_required(VERSION 3.25)

# The saved games' file type as the desktop reads it: XML is compiled into a
# scratch MIME database by UPDATE_MIME_DATABASE, which must say nothing (it
# reports errors but still succeeds); the type must come out with the .sav
# glob, and its magic must start the first line the game writes
# (kSavedGameVersion in VERSION_HEADER).

# One quoted argument: the saved game's first line holds a semicolon.
function(fail text)
  message(FATAL_ERROR "${text}")
endfunction()

set(type application/x-zorvane-saved-game)
file(REMOVE_RECURSE "${ROOT}")
file(MAKE_DIRECTORY "${ROOT}/mime/packages")
configure_file("${XML}" "${ROOT}/mime/packages/zorvane.xml" COPYONLY)
# With the scratch folder on the search path, the tool has nothing to note.
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${ROOT}
    ${UPDATE_MIME_DATABASE} "${ROOT}/mime"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  fail("update-mime-database failed (${status}):\n${out}${err}")
endif()

file(STRINGS "${ROOT}/mime/types" types)
if(NOT type IN_LIST types)
  fail("${type} is not in the database: ${types}")
endif()
file(STRINGS "${ROOT}/mime/globs2" globs REGEX ":${type}:")
if(NOT globs STREQUAL "50:${type}:*.sav")
  fail("the globs of ${type} are `${globs}`, not *.sav")
endif()

# The magic's value, and the first line of a saved game.
file(READ "${XML}" xml)
string(REGEX MATCH "<match type=\"string\" offset=\"0\" value=\"([^\"]+)\"/>" found "${xml}")
set(magic "${CMAKE_MATCH_1}")
file(READ "${VERSION_HEADER}" header)
string(REGEX MATCH "kSavedGameVersion = \"([^\"]+)\"" found "${header}")
set(version "${CMAKE_MATCH_1}")
set(first_line "; This is a ${version} save game")
string(FIND "${first_line}" "${magic}" at)
if(magic STREQUAL "" OR NOT at EQUAL 0)
  fail("the magic `${magic}` does not start the saved game's first line `${first_line}`")
endif()
message(STATUS "${type}: *.sav, magic `${magic}`")
