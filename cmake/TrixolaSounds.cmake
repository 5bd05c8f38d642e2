# The game's sound files and where a program finds them.

# The folder with the game's SVG pictures and WAV sounds; a build may point
# elsewhere.
set(TRIXOLA_ASSETS_DIR "${PROJECT_SOURCE_DIR}/assets" CACHE PATH
    "Folder with the game's SVG pictures and WAV sounds")
set(TRIXOLA_SOUNDS click level youwon compwon draw)

# trixola_sounds_beside(<target> <folder>): copies the five sounds into
# <folder> before <target> is built: the program looks them up in the folder
# that holds it.
function(trixola_sounds_beside target folder)
  set(copies)
  foreach(name IN LISTS TRIXOLA_SOUNDS)
    add_custom_command(
      OUTPUT "${folder}/${name}.wav"
      COMMAND ${CMAKE_COMMAND} -E copy_if_different "${TRIXOLA_ASSETS_DIR}/${name}.wav"
              "${folder}/${name}.wav"
      DEPENDS "${TRIXOLA_ASSETS_DIR}/${name}.wav"
      VERBATIM)
    list(APPEND copies "${folder}/${name}.wav")
  endforeach()
  add_custom_target(${target}_sounds DEPENDS ${copies})
  add_dependencies(${target} ${target}_sounds)
endfunction()
