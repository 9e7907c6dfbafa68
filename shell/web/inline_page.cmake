# Writes the one-file page: the HTML template with the program's script
# (which holds the WebAssembly) inlined.
#   cmake -DTEMPLATE=<page.html.in> -DSCRIPT=<trelko.js> -DOUTPUT=<trelko.html> -P inline_page.cmake
file(READ "${TEMPLATE}" page)
file(READ "${SCRIPT}" script)
# Nothing in the script may end the HTML script element early.
string(REPLACE "</script" "<\\/script" script "${script}")
string(FIND "${page}" "@LAB_SCRIPT@" at)
if(at LESS 0)
  message(FATAL_ERROR "${TEMPLATE} has no @LAB_SCRIPT@")
endif()
string(REPLACE "@LAB_SCRIPT@" "${script}" page "${page}")
file(WRITE "${OUTPUT}.tmp" "${page}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
