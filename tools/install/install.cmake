# What an installation puts on a desktop beyond the program and its data:
# the icon in every size the theme knows and as SVG, the AppStream metainfo
# that software centres list, the teacher's tools with their manual pages;
# and quorila_dist, the targets a package builds (no tests, no benchmarks).
if(NOT TARGET quorila)
  return()
endif()

foreach(size ${QUORILA_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/quorila.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${QUORILA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(QUORILA_APP_ID de.quorila.quorila)
configure_file(${CMAKE_SOURCE_DIR}/tools/install/${QUORILA_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${QUORILA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${QUORILA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(QUORILA_DIST_TARGETS quorila quorila_icon quorila_data)
foreach(tool quorila-series quorila-report)
  install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/install/${tool}.1)
    install(FILES ${CMAKE_SOURCE_DIR}/tools/install/${tool}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
  list(APPEND QUORILA_DIST_TARGETS ${tool})
endforeach()
add_custom_target(quorila_dist)
add_dependencies(quorila_dist ${QUORILA_DIST_TARGETS})
