# The layers of the lab, as the build enforces them.
#
# Every folder of the core is a library of its own, and a target sees the
# headers of exactly the folders it links (its own and those below it):
# each folder is reached through an include root of its own in the build
# tree, <build>/layers/<target>, holding one link to the folder. A file
# that includes a header of a layer above its own therefore does not build
# ("No such file"), and no global include directory lets it through.
#
#   lab_layer_includes(<target> <folder> [PUBLIC|PRIVATE|INTERFACE])
#
# makes <folder> (relative to the source root, "platform" or "shell/qt")
# includable as "<folder>/name.h" by <target> and, unless PRIVATE, by
# everything that links it.
function(lab_layer_includes target folder)
  set(scope PUBLIC)
  if(ARGC GREATER 2)
    set(scope ${ARGV2})
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  endif()
  get_filename_component(source ${LAB_SOURCE_ROOT}/${folder} ABSOLUTE)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  set(link ${root}/${folder})
  get_filename_component(parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${source} ${link} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# The include roots do not stop a quoted include that climbs out of the
# file's own folder ("../physics/particle.h"). lab_check_includes checks the
# files of the given folders (but those whose path matches EXCEPT) before
# `target` builds, and again whenever one of them changes
# (cmake/CheckIncludes.cmake): such an include stops the build.
#
#   lab_check_includes(<target> <folder>... [EXCEPT <regex>] [REFUSE <regex>])
#
# With REFUSE, the check also refuses any include whose path matches the
# regex (the hosts may not name the lab's main dialog).
function(lab_check_includes target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "EXCEPT;REFUSE" "")
  set(files "")
  foreach(folder IN LISTS arg_UNPARSED_ARGUMENTS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${LAB_SOURCE_ROOT}/${folder}/*.h
         ${LAB_SOURCE_ROOT}/${folder}/*.hpp ${LAB_SOURCE_ROOT}/${folder}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  if(arg_EXCEPT)
    list(FILTER files EXCLUDE REGEX "${arg_EXCEPT}")
  endif()
  list(SORT files)
  set(list_file ${CMAKE_BINARY_DIR}/include-checks/${target}.txt)
  set(stamp ${CMAKE_BINARY_DIR}/include-checks/${target}.stamp)
  string(REPLACE ";" "\n" lines "${files}")
  file(CONFIGURE OUTPUT ${list_file} CONTENT "${lines}\n" @ONLY)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIST=${list_file} -DSTAMP=${stamp} "-DREFUSED=${arg_REFUSE}" -P
            ${LAB_SOURCE_ROOT}/cmake/CheckIncludes.cmake
    DEPENDS ${files} ${list_file} ${LAB_SOURCE_ROOT}/cmake/CheckIncludes.cmake
    COMMENT "Checking that no include of ${target}'s folders climbs out of them"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()
