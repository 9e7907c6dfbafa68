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
