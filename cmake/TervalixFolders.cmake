# SPDX-License-Identifier: GPL-3.0-or-later
# One static library per folder, tvx_<folder>, which names the folders it
# uses. Each library compiles against an include root of its own that holds
# links to its folder and to the folders below it (the ones it uses, and the
# ones those use), and nothing else: an include of a folder above, or of one
# it does not reach, fails to compile. The roots are made anew at every
# configure, so a folder moved or dropped leaves no stale link behind.
#
# A relative include ("../x/y.h") would get round the roots, since it is
# looked up beside the including file; every library's sources are scanned
# for one (and for any include of a folder outside the root) before the
# library builds, and the build fails with the file and line.

file(REMOVE_RECURSE ${CMAKE_BINARY_DIR}/include-roots)

# The project folders a library's own sources may include: its closure.
function(tvx_closure out)
  set(closure)
  foreach(folder ${ARGN})
    get_property(below GLOBAL PROPERTY TVX_CLOSURE_${folder})
    if(NOT DEFINED below OR below STREQUAL "")
      message(FATAL_ERROR "folder '${folder}' is used before it is declared with tvx_folder()")
    endif()
    list(APPEND closure ${below})
  endforeach()
  list(REMOVE_DUPLICATES closure)
  set(${out} ${closure} PARENT_SCOPE)
endfunction()

function(tvx_include_root name)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${ARGN})
    # Symbolic links need no copy and follow edits; Windows without the
    # right to make them gets copies instead.
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC COPY_ON_ERROR)
  endforeach()
  set(TVX_ROOT ${root} PARENT_SCOPE)
endfunction()

# The scan of `sources` against the folders in `allowed`; returns the stamp
# file that a target lists among its sources so that the scan runs first.
function(tvx_include_check out name sources allowed)
  set(stamp ${CMAKE_BINARY_DIR}/include-checks/${name}.stamp)
  string(REPLACE ";" "|" sources_arg "${sources}")
  string(REPLACE ";" "|" allowed_arg "${allowed}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DNAME=${name} "-DSOURCES=${sources_arg}" "-DALLOWED=${allowed_arg}"
            -DTOP=${PROJECT_SOURCE_DIR} -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${name}"
    VERBATIM)
  set(${out} ${stamp} PARENT_SCOPE)
endfunction()

# tvx_folder(NAME [USES folder...] [LIBS target...] [PROGRAMS file...])
# PROGRAMS: the folder's files that hold a main() (see tvx_program), kept out
# of the library.
function(tvx_folder name)
  cmake_parse_arguments(PARSE_ARGV 1 F "" "" "USES;LIBS;PROGRAMS")
  tvx_closure(below ${F_USES})
  set(closure ${name} ${below})
  set_property(GLOBAL PROPERTY TVX_CLOSURE_${name} ${closure})
  tvx_include_root(${name} ${closure})

  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${name}/*.cpp ${PROJECT_SOURCE_DIR}/${name}/*.h)
  foreach(program ${F_PROGRAMS})
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/${name}/${program})
  endforeach()
  tvx_include_check(stamp tvx_${name} "${sources}" "${closure}")
  add_library(tvx_${name} STATIC ${sources} ${stamp})
  target_include_directories(tvx_${name} PUBLIC ${TVX_ROOT})
  foreach(folder ${F_USES})
    target_link_libraries(tvx_${name} PUBLIC tvx_${folder})
  endforeach()
  if(F_LIBS)
    target_link_libraries(tvx_${name} PUBLIC ${F_LIBS})
  endif()
endfunction()

# A program (or test) of the folder `name`, which may include every folder
# in `USES` and below.
function(tvx_program target)
  cmake_parse_arguments(PARSE_ARGV 1 F "" "" "SOURCES;USES;LIBS")
  add_executable(${target} ${F_SOURCES})
  tvx_closure(allowed ${F_USES})
  set(sources)
  foreach(src ${F_SOURCES})
    get_filename_component(src ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND sources ${src})
  endforeach()
  tvx_include_check(stamp ${target} "${sources}" "${allowed}")
  target_sources(${target} PRIVATE ${stamp})
  foreach(folder ${F_USES})
    target_link_libraries(${target} PRIVATE tvx_${folder})
  endforeach()
  if(F_LIBS)
    target_link_libraries(${target} PRIVATE ${F_LIBS})
  endif()
endfunction()
