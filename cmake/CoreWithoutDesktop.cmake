# The core's folders for an edition without the desktop's Qt and SDL: those
# targets are left out of the build, and empty stand-ins only let the folders
# define them. The clips and the sample mazes fill PROGRAM_DIR. A macro: the
# clips folder hands its CLIP_NAMES up to the caller.
macro(tarnwick_add_core_without_desktop)
  foreach(desktop_only Qt6::Widgets PkgConfig::SDL2MIXER PkgConfig::XCB_XKB)
    add_library(${desktop_only} INTERFACE IMPORTED)
  endforeach()
  foreach(dir maze sound platform game editor)
    add_subdirectory(${CMAKE_SOURCE_DIR}/${dir} ${CMAKE_BINARY_DIR}/${dir} EXCLUDE_FROM_ALL)
  endforeach()
  foreach(dir clips mazes)
    add_subdirectory(${CMAKE_SOURCE_DIR}/${dir} ${CMAKE_BINARY_DIR}/${dir})
  endforeach()
endmacro()
