# The board's background pictures, laid in the Backgrounds folder beside the
# program, where the picture chooser opens. tools/artgen writes them
# (`make artwork`) and they are committed; the build only copies them.
# configure_file copies again whenever a file changes, and needs no target,
# so this works with or without the GUI.
set(ZORVANE_BACKGROUND_FILES "Soft Stripes.bmp" "Grey Checker.bmp" "Deep Sea.bmp" "Night Sky.bmp")

foreach(name IN LISTS ZORVANE_BACKGROUND_FILES)
  configure_file("${CMAKE_CURRENT_SOURCE_DIR}/backgrounds/${name}"
                 "${ZORVANE_BIN_DIR}/Backgrounds/${name}" COPYONLY)
  install(FILES "${CMAKE_CURRENT_SOURCE_DIR}/backgrounds/${name}"
          DESTINATION "${ZORVANE_DATA_DESTINATION}/Backgrounds")
endforeach()
zorvane_link_data_beside_program(Backgrounds)
