# The sound effects and songs, laid beside the program: the game opens the
# effects by bare name from its own folder and picks songs from its Music
# folder. tools/soundgen writes them (`make sounds`) and they are committed;
# the build only copies them. configure_file copies again whenever a file
# changes, and needs no target, so this works with or without the GUI.
set(ZORVANE_EFFECT_FILES wump.wav subping.wav explode.wav click.wav)
set(ZORVANE_SONG_FILES "Zorvane Theme.mid" "Falling Rows.mid")

foreach(name IN LISTS ZORVANE_EFFECT_FILES)
  configure_file("${CMAKE_CURRENT_SOURCE_DIR}/sounds/${name}" "${ZORVANE_BIN_DIR}/${name}" COPYONLY)
  install(FILES "${CMAKE_CURRENT_SOURCE_DIR}/sounds/${name}" DESTINATION "${ZORVANE_DATA_DESTINATION}")
  zorvane_link_data_beside_program("${name}")
endforeach()

foreach(name IN LISTS ZORVANE_SONG_FILES)
  configure_file("${CMAKE_CURRENT_SOURCE_DIR}/music/${name}" "${ZORVANE_BIN_DIR}/Music/${name}"
                 COPYONLY)
  install(FILES "${CMAKE_CURRENT_SOURCE_DIR}/music/${name}" DESTINATION "${ZORVANE_DATA_DESTINATION}/Music")
endforeach()
zorvane_link_data_beside_program(Music)
