# Where `cmake --install` puts the game. Three folders, relative to the prefix
# (or absolute):
#   ZORVANE_INSTALL_PROGRAM_DIR  the program, its installed-copy marker, and
#                                links to the data when that lives elsewhere;
#   ZORVANE_INSTALL_DATA_DIR     help pages, songs, sounds and backgrounds
#                                (empty: the program folder itself);
#   ZORVANE_INSTALL_LAUNCHER_DIR the `zorvane` link that a shell finds.
# (Strings, not paths: CMake would make a relative path given with -D
# absolute against the current folder.)
# The defaults give lib/zorvane with a bin/zorvane link; the Debian package
# sets the games layout (lib/games/zorvane, share/games/zorvane, games).
# The game finds everything in the folder of its real program file, so data
# kept apart is linked into that folder.
include(GNUInstallDirs)

set(ZORVANE_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_LIBDIR}/zorvane" CACHE STRING
    "Folder of the installed program and its marker")
set(ZORVANE_INSTALL_DATA_DIR "" CACHE STRING
    "Folder of the installed help pages, songs, sounds and backgrounds (empty: the program folder)")
set(ZORVANE_INSTALL_LAUNCHER_DIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING
    "Folder of the zorvane launcher link")

if(ZORVANE_INSTALL_DATA_DIR STREQUAL "")
  set(ZORVANE_DATA_DESTINATION "${ZORVANE_INSTALL_PROGRAM_DIR}")
else()
  set(ZORVANE_DATA_DESTINATION "${ZORVANE_INSTALL_DATA_DIR}")
endif()

# The name of the empty file that tells the program it is an installed copy.
# Only the install writes it: the build folder never holds one.
set(ZORVANE_INSTALLED_MARKER zorvane.installed)

# Installs a relative symbolic link DIR/NAME -> TARGET (DIR and TARGET as the
# install folders above). The link is worked out at install time, so that
# `cmake --install --prefix` and DESTDIR both hold, and is recorded in
# install_manifest.txt like any installed file.
function(zorvane_install_link dir name target)
  install(CODE "
    set(_zv_dir [[${dir}]])
    set(_zv_target [[${target}]])
    cmake_path(ABSOLUTE_PATH _zv_dir BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\" NORMALIZE)
    cmake_path(ABSOLUTE_PATH _zv_target BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\" NORMALIZE)
    file(RELATIVE_PATH _zv_relative \"\${_zv_dir}\" \"\${_zv_target}\")
    set(_zv_link \"\$ENV{DESTDIR}\${_zv_dir}/${name}\")
    message(STATUS \"Installing: \${_zv_link} -> \${_zv_relative}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${_zv_dir}\")
    if(IS_SYMLINK \"\${_zv_link}\")
      file(REMOVE \"\${_zv_link}\")
    endif()
    file(CREATE_LINK \"\${_zv_relative}\" \"\${_zv_link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_zv_link}\")
  ")
endfunction()

# Makes NAME (a file or folder of the installed data) reachable from the
# program folder. Nothing to do when the data is kept in the program folder.
function(zorvane_link_data_beside_program name)
  if(NOT ZORVANE_DATA_DESTINATION STREQUAL ZORVANE_INSTALL_PROGRAM_DIR)
    zorvane_install_link("${ZORVANE_INSTALL_PROGRAM_DIR}" "${name}"
                         "${ZORVANE_DATA_DESTINATION}/${name}")
  endif()
endfunction()

# The AppStream metainfo in resources/, named after the game's component id.
set(ZORVANE_METAINFO io.github.zorvane.Zorvane.metainfo.xml)
