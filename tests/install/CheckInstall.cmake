cmake_minimum_required(VERSION 3.25)

# Installs a build into a scratch ROOT and checks what a player gets: the
# launcher leads to the real program, its sound module and the installed-copy
# marker lie beside it
# (and never in the build's program folder), every data file of the build's
# program folder is reachable, unchanged, from the installed program folder,
# data kept apart is really there and linked in by relative links, and the
# menu entry, metainfo, saved-game file type, icons and manual page are in
# place.
# With SOURCE set, BUILD is first configured from it without the program, in
# the given layout, and installed with DESTDIR as a package build does.

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    string(JOIN " " command ${ARGN})
    fail("`${command}` failed (${status}):\n${out}")
  endif()
endfunction()

# A link made by the install must stay valid when the whole tree moves.
function(expect_relative_link path)
  if(IS_SYMLINK "${path}")
    file(READ_SYMLINK "${path}" target)
    if(IS_ABSOLUTE "${target}")
      fail("${path} links to the absolute path ${target}")
    endif()
  endif()
endfunction()

file(REMOVE_RECURSE "${ROOT}")
if(SOURCE)
  file(REMOVE_RECURSE "${BUILD}")
  run(${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -G ${GENERATOR}
      -DZORVANE_GUI=OFF -DBUILD_TESTING=OFF
      -DZORVANE_INSTALL_PROGRAM_DIR=${PROGRAM_DIR}
      -DZORVANE_INSTALL_DATA_DIR=${DATA_DIR}
      -DZORVANE_INSTALL_LAUNCHER_DIR=${LAUNCHER_DIR})
endif()

set(top "${ROOT}/usr")
if(USE_DESTDIR)
  set(ENV{DESTDIR} "${ROOT}")
  run(${CMAKE_COMMAND} --install ${BUILD} --prefix /usr)
else()
  run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${top})
endif()

set(folder "${top}/${PROGRAM_DIR}")
if(EXISTS "${BIN}/zorvane.installed")
  fail("the build's program folder ${BIN} holds the installed-copy marker")
endif()

if(EXISTS "${BIN}/zorvane")
  set(launcher "${top}/${LAUNCHER_DIR}/zorvane")
  if(NOT EXISTS "${launcher}")
    fail("no launcher at ${launcher}")
  endif()
  expect_relative_link("${launcher}")
  # The program finds its folder through the real file, links resolved.
  file(REAL_PATH "${launcher}" program)
  file(REAL_PATH "${folder}/zorvane" expected)
  if(NOT program STREQUAL expected OR IS_SYMLINK "${expected}")
    fail("the launcher leads to ${program}, not to the program file in ${folder}")
  endif()
  cmake_path(GET program PARENT_PATH folder)

  # The modules the program loads from its own folder lie there themselves.
  file(GLOB modules RELATIVE "${BIN}" "${BIN}/*.so")
  if(NOT modules)
    fail("no sound module beside the built program in ${BIN}")
  endif()
  foreach(name IN LISTS modules)
    if(NOT EXISTS "${folder}/${name}" OR IS_SYMLINK "${folder}/${name}")
      fail("the module ${name} is not installed in the program folder ${folder}")
    endif()
  endforeach()

  file(SIZE "${folder}/zorvane.installed" size)  # fails when missing
  if(NOT size EQUAL 0)
    fail("the marker ${folder}/zorvane.installed is not empty")
  endif()

  set(wanted applications/zorvane.desktop metainfo/${METAINFO} mime/packages/zorvane.xml
             ../${MAN_DIR}/man6/zorvane.6)
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND wanted icons/hicolor/${size}x${size}/apps/zorvane.png)
  endforeach()
  foreach(file IN LISTS wanted)
    if(NOT EXISTS "${top}/${DATAROOT_DIR}/${file}")
      fail("${DATAROOT_DIR}/${file} is not installed")
    endif()
  endforeach()
  # The manual page is made from the project's version, not copied as written.
  file(STRINGS "${top}/${DATAROOT_DIR}/../${MAN_DIR}/man6/zorvane.6" title REGEX "^\\.TH ")
  string(FIND "${title}" "\"Zorvane ${VERSION}\"" found)
  if(found EQUAL -1)
    fail("the manual page's title line `${title}` does not name version ${VERSION}")
  endif()
  if(APPSTREAMCLI)
    # Checks the metainfo against the installed menu entry and icons.
    run(${APPSTREAMCLI} validate-tree --no-net ${ROOT})
  endif()
endif()

# Every data file beside the built program, but the programs themselves (no
# extension), their modules and the player's own files.
file(GLOB_RECURSE data RELATIVE "${BIN}" "${BIN}/*")
list(FILTER data EXCLUDE REGEX "(^|/)[^./]+$|\\.so$|^(Options|Scores)\\.txt$|\\.SAV$")
if(NOT data)
  fail("no data files beside the built program in ${BIN}")
endif()
file(GLOB_RECURSE links LIST_DIRECTORIES true "${folder}/*")
foreach(path IN LISTS links)
  expect_relative_link("${path}")
endforeach()
file(REAL_PATH "${top}/${DATA_DIR}" data_folder)
foreach(name IN LISTS data)
  set(installed "${folder}/${name}")
  if(NOT EXISTS "${installed}")
    fail("${name} is not reachable from the installed program folder ${folder}")
  endif()
  file(SHA256 "${installed}" got)
  file(SHA256 "${BIN}/${name}" want)
  if(NOT got STREQUAL want)
    fail("${installed} differs from ${BIN}/${name}")
  endif()
  file(REAL_PATH "${installed}" real)
  cmake_path(IS_PREFIX data_folder "${real}" NORMALIZE inside)
  if(NOT inside)
    fail("${name} is installed at ${real}, outside the data folder ${data_folder}")
  endif()
endforeach()
list(LENGTH data count)
message(STATUS "${count} data files reachable from ${folder}")
