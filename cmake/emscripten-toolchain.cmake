# The browser build's toolchain: Debian's Emscripten, with the environment
# its compiler driver needs. Debian's emcc looks for the JavaScript parser
# it runs at link time (acorn) under /usr/share/nodejs, which the node on
# PATH does not search, so every compile and link goes through
# `cmake -E env NODE_PATH=...`. Test programs run under Node with its fetch
# turned off: Node's fetch would make the loader try to fetch the .wasm file
# instead of reading it.
set(LAB_NODE_PATH /usr/share/nodejs)
set(ENV{NODE_PATH} ${LAB_NODE_PATH})

find_program(LAB_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LAB_NODE} --no-experimental-fetch)

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${LAB_NODE_PATH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${LAB_NODE_PATH})
