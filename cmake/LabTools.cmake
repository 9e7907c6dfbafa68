# The programs that run at build time: the text generator (res/texts), the
# picture generator (res/generator, Qt's painter) and the glyph table
# generator (tools/glyph_table/generator, FreeType). On the desktop they are targets of this build. The browser
# build cannot run what Emscripten compiles, so it builds them for this
# machine as a project of their own (tools/native) in
# <build>/native-tools, with the system's compiler, and runs them from
# there.
#
# LAB_PICTURE_GENERATOR / LAB_GLYPH_TABLE_GENERATOR / LAB_TEXT_GENERATOR
# (browser build only; the desktop's res/texts makes its own): the program
# to run; LAB_..._DEPENDS: what a custom command that runs it depends on.
if(LAB_WEB)
  include(ExternalProject)
  set(LAB_NATIVE_TOOLS_DIR ${CMAKE_BINARY_DIR}/native-tools)
  set(LAB_PICTURE_GENERATOR ${LAB_NATIVE_TOOLS_DIR}/res/generator/lab_picture_generator)
  set(LAB_GLYPH_TABLE_GENERATOR
      ${LAB_NATIVE_TOOLS_DIR}/glyph_table/lab_glyph_table_generator)
  set(LAB_TEXT_GENERATOR ${LAB_NATIVE_TOOLS_DIR}/res/texts/generator/lab_text_generator)
  find_program(LAB_NATIVE_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  # The tools' build runs alone (the console pool), with as many jobs as
  # the machine has cores rather than Ninja's default of a few more.
  cmake_host_system_information(RESULT LAB_CORES QUERY NUMBER_OF_LOGICAL_CORES)
  set(LAB_NATIVE_TOOLS_JOBS ${LAB_CORES} CACHE STRING "Parallel jobs of the native tools' build")
  ExternalProject_Add(lab_native_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/native
    BINARY_DIR ${LAB_NATIVE_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${LAB_NATIVE_CXX}
               -DLAB_VERSION=${PROJECT_VERSION}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j ${LAB_NATIVE_TOOLS_JOBS}
    INSTALL_COMMAND ""
    # The tools' sources are the core's: let their own build decide what
    # is out of date.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${LAB_PICTURE_GENERATOR} ${LAB_GLYPH_TABLE_GENERATOR} ${LAB_TEXT_GENERATOR}
    USES_TERMINAL_BUILD ON)
  set(LAB_PICTURE_GENERATOR_DEPENDS lab_native_tools ${LAB_PICTURE_GENERATOR})
  set(LAB_GLYPH_TABLE_GENERATOR_DEPENDS lab_native_tools ${LAB_GLYPH_TABLE_GENERATOR})
  set(LAB_TEXT_GENERATOR_DEPENDS lab_native_tools ${LAB_TEXT_GENERATOR})
else()
  set(LAB_PICTURE_GENERATOR $<TARGET_FILE:lab_picture_generator>)
  set(LAB_GLYPH_TABLE_GENERATOR $<TARGET_FILE:lab_glyph_table_generator>)
  set(LAB_PICTURE_GENERATOR_DEPENDS lab_picture_generator)
  set(LAB_GLYPH_TABLE_GENERATOR_DEPENDS lab_glyph_table_generator)
endif()

# Adds the custom command that writes the glyph table source `output`.
function(lab_glyph_table_command output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${LAB_GLYPH_TABLE_GENERATOR} ${output}
    DEPENDS ${LAB_GLYPH_TABLE_GENERATOR_DEPENDS}
    COMMENT "Rendering the lab's glyph table"
    VERBATIM)
endfunction()
