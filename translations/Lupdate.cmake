# Runs lupdate over the sources' texts, as `cmake -P` with
#   LUPDATE     the lupdate program
#   SOURCE_DIR  the source root; FOLDERS the folders under it that hold
#               texts, separated by commas
#   TS_FILES    the .ts files, separated by commas
#   MODE        update: brings the .ts files up to date in place;
#               check: updates copies under SCRATCH and fails when a copy
#               differs from its .ts file (a text is missing or obsolete) or
#               a .ts file holds an unfinished or obsolete entry. The source
#               tree is left as it is.
# No line numbers and no obsolete entries are kept, so a change to the code
# changes the .ts files only where a text changed.
set(options -locations none -no-obsolete -extensions cpp,h -silent -I ${SOURCE_DIR})
string(REPLACE "," ";" FOLDERS "${FOLDERS}")
string(REPLACE "," ";" TS_FILES "${TS_FILES}")
set(folders)
foreach(folder ${FOLDERS})
  list(APPEND folders ${SOURCE_DIR}/${folder})
endforeach()

if(MODE STREQUAL "update")
  execute_process(COMMAND ${LUPDATE} ${options} ${folders} -ts ${TS_FILES}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed")
  endif()
  return()
endif()

if(NOT MODE STREQUAL "check")
  message(FATAL_ERROR "MODE must be update or check")
endif()
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(copies)
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${SCRATCH}/${name})
  list(APPEND copies ${SCRATCH}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} ${options} ${folders} -ts ${copies}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate failed")
endif()

set(problems "")
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME)
  file(READ ${ts} shipped)
  file(READ ${SCRATCH}/${name} updated)
  if(NOT shipped STREQUAL updated)
    string(APPEND problems "${name} is not up to date with the sources (run `make translations`)\n")
  endif()
  # Every entry, the new ones lupdate just added included, must hold a
  # finished translation.
  set(entry "<source>([^<]*)</source>(<[a-z]*comment>[^<]*</[a-z]*comment>|[^<])*")
  string(REGEX MATCHALL "${entry}<translation( type=\"[a-z]*\")?(/>|></translation>)"
    open "${updated}")
  foreach(message ${open})
    string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${message}")
    string(APPEND problems "${name}: not translated: ${text}\n")
  endforeach()
  string(REGEX MATCHALL "${entry}<translation type=\"(unfinished|vanished|obsolete)\""
    open "${updated}")
  foreach(message ${open})
    string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${message}")
    string(APPEND problems "${name}: unfinished or obsolete: ${text}\n")
  endforeach()
  if(NOT updated MATCHES "<TS version=\"[^\"]*\" language=\"")
    string(APPEND problems "${name} names no language\n")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "${problems}")
endif()
message(STATUS "${TS_FILES}: complete")
