# Refuses an include whose path holds "..": a quoted include is looked for
# first beside the file that names it, so "../physics/particle.h" would reach
# a layer through the file's own folder, around the include roots that
# cmake/LabLayers.cmake gives each target. Every header is included by its
# folder from the source root ("physics/particle.h"), so no include needs
# "..".
#
# With -DREFUSED=<regex>, an include whose path matches it is refused too:
# the hosts reach the lab through the seam, never through its main dialog.
#
#   cmake -DLIST=<file with one path a line> -DSTAMP=<file> [-DREFUSED=<regex>]
#         -P CheckIncludes.cmake
#
# Fails, naming each file and include, when one is found; else writes the
# stamp.
file(STRINGS "${LIST}" files)
set(found "")
set(refused "")
foreach(file IN LISTS files)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^\">]*)[\">]")
      set(path "${CMAKE_MATCH_1}")
      if(path MATCHES "(^|/)\\.\\.(/|$)")
        string(APPEND found "\n  ${file}: #include \"${path}\"")
      elseif(REFUSED AND path MATCHES "${REFUSED}")
        string(APPEND refused "\n  ${file}: #include \"${path}\"")
      endif()
    endif()
  endforeach()
endforeach()
if(refused)
  message(FATAL_ERROR "A file of a host names the lab's main dialog; ask the seam "
                      "(platform/dialog.h, app/running_lab.h) instead:${refused}")
endif()
if(found)
  message(FATAL_ERROR "An include reaches upward through \"..\"; include the header by its "
                      "folder from a layer that links it:${found}")
endif()
file(TOUCH "${STAMP}")
