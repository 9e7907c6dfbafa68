# Writes the page's constants from page_calls.h: each namespace page_<name>
# of plain `constexpr int|unsigned kName = number;` lines becomes a script
# object of the same name, so that page.js and the C++ host read one list.
#   cmake -DHEADER=<page_calls.h> -DOUTPUT=<page_calls.js> -P page_constants.cmake
file(READ "${HEADER}" header)
# A semicolon would split CMake's lists: each becomes a plain mark first.
string(REPLACE ";" "@END@" header "${header}")
string(REGEX MATCHALL "namespace page_[a-z_]+ {[^}]*}" blocks "${header}")
if(NOT blocks)
  message(FATAL_ERROR "${HEADER} has no namespace page_...")
endif()
set(script "// Written by page_constants.cmake from page_calls.h; do not edit.\n")
foreach(block IN LISTS blocks)
  string(REGEX MATCH "namespace (page_[a-z_]+)" _ "${block}")
  set(name "${CMAKE_MATCH_1}")
  string(REGEX MATCHALL "constexpr (int|unsigned) k[A-Za-z0-9]+ = (0x[0-9A-Fa-f]+|[0-9]+)@END@"
                        lines "${block}")
  set(fields "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "(k[A-Za-z0-9]+) = (0x[0-9A-Fa-f]+|[0-9]+)@END@" _ "${line}")
    list(APPEND fields "${CMAKE_MATCH_1}: ${CMAKE_MATCH_2}")
  endforeach()
  # A constant the pattern does not take would be missing from the page.
  string(REGEX MATCHALL "constexpr" all "${block}")
  list(LENGTH all wanted)
  list(LENGTH fields found)
  if(NOT wanted EQUAL found)
    message(FATAL_ERROR "${HEADER}: ${name} has a constant that is not `kName = number;`")
  endif()
  list(JOIN fields ", " fields)
  string(APPEND script "var ${name} = Object.freeze({${fields}});\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${script}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
