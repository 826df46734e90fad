# The icon: drawn once as SVG (tools/install/quorila.svg); the build renders
# the PNGs that desktops pick by size into icons/NxN/quorila.png, and turns
# the 64 x 64 one into the pixel table that the program puts on its window.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(QUORILA_ICON_SVG ${CMAKE_SOURCE_DIR}/tools/install/quorila.svg)
set(QUORILA_ICON_SIZES 16 24 32 48 64 128 256)
set(QUORILA_ICON_PNGS)
foreach(size ${QUORILA_ICON_SIZES})
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/quorila.png)
  add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --format png --output ${png} ${QUORILA_ICON_SVG}
      DEPENDS ${QUORILA_ICON_SVG}
      COMMENT "Icon ${size}x${size}" VERBATIM)
  list(APPEND QUORILA_ICON_PNGS ${png})
endforeach()
add_custom_target(quorila_icon ALL DEPENDS ${QUORILA_ICON_PNGS})

set(QUORILA_ICON_TABLE ${CMAKE_BINARY_DIR}/icons/quorila_icon_table.cpp)
add_custom_command(OUTPUT ${QUORILA_ICON_TABLE}
    COMMAND ${CMAKE_COMMAND} -DPNG=${CMAKE_BINARY_DIR}/icons/64x64/quorila.png -DOUTPUT=${QUORILA_ICON_TABLE}
            -P ${CMAKE_SOURCE_DIR}/tools/install/icon_table.cmake
    DEPENDS ${CMAKE_BINARY_DIR}/icons/64x64/quorila.png ${CMAKE_SOURCE_DIR}/tools/install/icon_table.cmake
    COMMENT "Icon table for the window" VERBATIM)
target_sources(quorila_game PRIVATE ${QUORILA_ICON_TABLE})
