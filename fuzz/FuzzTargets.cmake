# The fuzz targets: each a name and the file of its entry point. Read by
# fuzz/CMakeLists.txt (the libFuzzer programs, clang only) and by
# tests/fuzz (the same entry points replaying the committed inputs).
set(ZORVANE_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ZORVANE_FUZZ_TARGETS saved-game options scores replay-script)
set(ZORVANE_FUZZ_SOURCE_saved-game SavedGameTarget.cpp)
set(ZORVANE_FUZZ_SOURCE_options OptionsTarget.cpp)
set(ZORVANE_FUZZ_SOURCE_scores ScoresTarget.cpp)
set(ZORVANE_FUZZ_SOURCE_replay-script ReplayScriptTarget.cpp)

if(NOT TARGET zorvane_fuzz_support)
  zorvane_library(zorvane_fuzz_support ${ZORVANE_FUZZ_DIR}/FuzzSupport.cpp)
  target_link_libraries(zorvane_fuzz_support PUBLIC zorvane_replay)
endif()

# A program built from target `name`'s entry point and the extra sources.
function(zorvane_fuzz_program program name)
  zorvane_program(${program} ${ZORVANE_FUZZ_DIR}/${ZORVANE_FUZZ_SOURCE_${name}} ${ARGN})
  target_link_libraries(${program} PRIVATE zorvane_fuzz_support)
endfunction()
