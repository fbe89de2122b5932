cmake_minimum_required(VERSION 3.25)

# The shared libraries PROGRAM asks for at start (its NEEDED entries) hold no
# SDL, and the sound module beside it, MODULE, does ask for SDL2_mixer: the
# sound library is loaded with the module, and only then.

function(needed file out)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "${file} is missing")
  endif()
  execute_process(COMMAND ${READELF} --dynamic --wide "${file}"
    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE text)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${READELF} failed on ${file}:\n${text}")
  endif()
  string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]\n]+\\]" entries "${text}")
  set(${out} "${entries}" PARENT_SCOPE)
endfunction()

needed("${PROGRAM}" program)
needed("${MODULE}" module)
if(NOT program MATCHES "libQt6Core")
  message(FATAL_ERROR "no NEEDED entries read from ${PROGRAM}: ${program}")
endif()
if(program MATCHES "SDL")
  message(FATAL_ERROR "${PROGRAM} links the sound library at start:\n${program}")
endif()
if(NOT module MATCHES "libSDL2_mixer")
  message(FATAL_ERROR "${MODULE} does not bring SDL2_mixer:\n${module}")
endif()
message(STATUS "the program starts without SDL; its sound module brings SDL2_mixer")
